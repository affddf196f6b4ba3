<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="en">
<context>
    <name>AppManagerSubWidget</name>
    <message>
        <source>Select</source>
        <translation>選択</translation>
    </message>
</context>
<context>
    <name>AppManagerView</name>
    <message>
        <source>App</source>
        <translation>App</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>バージョン</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>サイズ</translation>
    </message>
    <message>
        <source>Removing</source>
        <translation>削除中</translation>
    </message>
    <message>
        <source>Removed</source>
        <translation>削除済み</translation>
    </message>
    <message>
        <source>Apps</source>
        <translation>App</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>すべて選択</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>戻る</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Remove the selected apps?</source>
        <translation>選択した App を削除しますか？</translation>
    </message>
    <message>
        <source>The device is not connected. Please connect it and try again.</source>
        <translation>デバイスが接続されていません。接続してからもう一度お試しください。</translation>
    </message>
</context>
<context>
    <name>AppShowWidget</name>
    <message>
        <source>Select</source>
        <translation>選択</translation>
    </message>
</context>
<context>
    <name>CacheCleanProcessView</name>
    <message>
        <source>Clearing temporary files. Please do not use the device to avoid any problems.</source>
        <translation>一時ファイルを消去しています。問題を避けるため、デバイスを操作しないでください。</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>About %1 Minute(s)</source>
        <translation>約 %1 分</translation>
    </message>
    <message>
        <source>If you stop clearing, some data won&apos;t be deleted. Are you sure you want to stop?</source>
        <translation>消去を停止すると、一部のデータは削除されません。停止しますか？</translation>
    </message>
</context>
<context>
    <name>CommonImgCtrl</name>
    <message>
        <source>Select</source>
        <translation>選択</translation>
    </message>
</context>
<context>
    <name>DevConnectNullView</name>
    <message>
        <source>Please Connect Your iOS Device to PC</source>
        <translation>iOS デバイスをパソコンに接続してください</translation>
    </message>
    <message>
        <source>Is your iDevice not being recognized?</source>
        <translation>デバイスが認識されませんか？</translation>
    </message>
</context>
<context>
    <name>DevConnectView</name>
    <message>
        <source>Connecting the device, please wait for a moment...</source>
        <translation>デバイスに接続しています。しばらくお待ちください...</translation>
    </message>
</context>
<context>
    <name>DeviceConnectNullTipDialog</name>
    <message>
        <source>Your device is connected but unrecognized? Please try the following methods:</source>
        <translation>デバイスが接続されているのに認識されませんか？次の方法をお試しください：</translation>
    </message>
    <message>
        <source>Resolve Connection Issues&gt;&gt;</source>
        <translation>接続の問題を解決&gt;&gt;</translation>
    </message>
    <message>
        <source>More Methods</source>
        <translation>その他の方法</translation>
    </message>
    <message>
        <source>If your device boots up and is plugged via USB in PC</source>
        <translation>デバイスが起動していて、USB でパソコンに接続されている場合</translation>
    </message>
    <message>
        <source>1. Ensure the latest version of iTunes is installed. Check if iTunes could recognize your device. Try to uninstall and reinstall iTunes. </source>
        <translation>1. 最新バージョンの iTunes がインストールされていることを確認し、iTunes がデバイスを認識するか確かめてください。iTunes をアンインストールして再インストールしてみてください。 </translation>
    </message>
    <message>
        <source>2. Unplug and re-plug in the device. Reboot the device and plug in again.</source>
        <translation>2. デバイスを取り外して接続し直してください。デバイスを再起動してから再度接続してください。</translation>
    </message>
    <message>
        <source>3. Use the USB cable that comes with your iDevice.  Try to use a USB port on the back of your computer.</source>
        <translation>3. デバイス付属の USB ケーブルを使い、できるだけパソコン背面の USB ポートに接続してください。</translation>
    </message>
</context>
<context>
    <name>DeviceInfoWidget</name>
    <message>
        <source>Total</source>
        <translation>合計</translation>
    </message>
    <message>
        <source>Free</source>
        <translation>空き</translation>
    </message>
    <message>
        <source>Used</source>
        <translation>使用済み</translation>
    </message>
    <message>
        <source>%1: %2 free of %3</source>
        <translation>%1：%3 中 %2 空き</translation>
    </message>
</context>
<context>
    <name>EraseTipDialog</name>
    <message>
        <source>Notice</source>
        <translation>お知らせ</translation>
    </message>
    <message>
        <source>Your backup files had been password-encrypted. Please remove your encryption from iTunes and try it again.</source>
        <translation>バックアップファイルがパスワードで暗号化されています。iTunes で暗号化を解除してから、もう一度お試しください。</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>情報</translation>
    </message>
    <message>
        <source>Please disable &quot;Find My iPhone&quot; on your device before you continue.</source>
        <translation>続行する前に、デバイスで「iPhoneを探す」をオフにしてください。</translation>
    </message>
    <message>
        <source>You must enter your password to unlock your device before continuing with Velmora Dravo Pro.</source>
        <translation>Velmora Dravo Pro で続行するには、パスコードを入力してデバイスのロックを解除してください。</translation>
    </message>
    <message>
        <source>How to remove your backup encryption?</source>
        <translation>バックアップの暗号化を解除するには？</translation>
    </message>
    <message>
        <source>How do I turn off &quot;Find My iPhone&quot;?</source>
        <translation>「iPhoneを探す」をオフにするには？</translation>
    </message>
    <message>
        <source>This popup still appears even when &quot;Find My iPhone&quot; has been disabled?</source>
        <translation>「iPhoneを探す」をオフにしても、このメッセージが表示されますか？</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>再試行</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>続行</translation>
    </message>
</context>
<context>
    <name>FanShapedWidget</name>
    <message>
        <source>Chart</source>
        <translation>グラフ</translation>
    </message>
</context>
<context>
    <name>ImageCompressionFinshed</name>
    <message>
        <source>has been released!</source>
        <translation>を解放しました！</translation>
    </message>
    <message>
        <source>Congratulations! Compressed successfully.</source>
        <translation>圧縮が完了しました。</translation>
    </message>
    <message>
        <source>Cleanup stopped!</source>
        <translation>クリーンアップを停止しました！</translation>
    </message>
    <message>
        <source>Congratulations! Cleanup completed.</source>
        <translation>クリーンアップが完了しました。</translation>
    </message>
    <message>
        <source>Open Backup Folder</source>
        <translation>バックアップフォルダを開く</translation>
    </message>
    <message>
        <source>Compress stopped!</source>
        <translation>圧縮を停止しました！</translation>
    </message>
    <message>
        <source>Congratulations! Deleted successfully.</source>
        <translation>削除が完了しました。</translation>
    </message>
    <message>
        <source>Open Export Folder</source>
        <translation>書き出し先フォルダを開く</translation>
    </message>
    <message>
        <source>Congratulations! Exported successfully.</source>
        <translation>書き出しが完了しました。</translation>
    </message>
    <message>
        <source>has been released.</source>
        <translation>を解放しました。</translation>
    </message>
    <message>
        <source>There is no large file to be deleted on your device.</source>
        <translation>デバイスに削除できる大きなファイルはありません。</translation>
    </message>
    <message>
        <source>All selected apps have been removed.</source>
        <translation>選択した App をすべて削除しました。</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>続行</translation>
    </message>
    <message>
        <source>Share it with your friends:</source>
        <translation>友達と共有：</translation>
    </message>
    <message>
        <source>Share on Facebook</source>
        <translation>Facebook で共有</translation>
    </message>
    <message>
        <source>Share on Twitter</source>
        <translation>Twitter で共有</translation>
    </message>
    <message>
        <source>Share on Google</source>
        <translation>Google で共有</translation>
    </message>
    <message>
        <source>Want to transfer music between iDevice and PC/iTunes,</source>
        <translation>iOS デバイスとパソコン/iTunes の間で音楽を転送したいなら、</translation>
    </message>
    <message>
        <source>try &lt;a href=&quot;crestline&quot; style=&quot;color:#5695e8;&quot;&gt;Crestline&lt;/a&gt;.</source>
        <translation>&lt;a href=&quot;crestline&quot; style=&quot;color:#5695e8;&quot;&gt;Crestline&lt;/a&gt; をお試しください。</translation>
    </message>
    <message>
        <source>Crestline</source>
        <translation>Crestline</translation>
    </message>
</context>
<context>
    <name>ImageCompressionScanReslut</name>
    <message>
        <source>Backup &amp; Compress</source>
        <translation>バックアップして圧縮</translation>
    </message>
    <message>
        <source>Export &amp; Delete</source>
        <translation>書き出して削除</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>戻る</translation>
    </message>
    <message>
        <source>Lossless compression to free up about 75% of your camera’s photo space.</source>
        <translation>ロスレス圧縮で、カメラ写真の容量を約 75% 解放します。</translation>
    </message>
    <message>
        <source>Export selected photos to PC and delete them from iOS device to save more space.</source>
        <translation>選択した写真をパソコンに書き出して iOS デバイスから削除し、空き容量を増やします。</translation>
    </message>
    <message>
        <source>Before (26MB)</source>
        <translation>圧縮前 (26MB)</translation>
    </message>
    <message>
        <source>After (1.2MB)</source>
        <translation>圧縮後 (1.2MB)</translation>
    </message>
    <message>
        <source>&lt;font color = &apos;%1&apos;&gt;%2&lt;/font&gt; space can be saved by lossless photo compression.</source>
        <translation>写真のロスレス圧縮で &lt;font color = &apos;%1&apos;&gt;%2&lt;/font&gt; を節約できます。</translation>
    </message>
    <message>
        <source>Export and deletion of photos can help you save up to &lt;font color = &apos;%1&apos;&gt;%2&lt;/font&gt;</source>
        <translation>写真を書き出して削除すると、最大 &lt;font color = &apos;%1&apos;&gt;%2&lt;/font&gt; 節約できます</translation>
    </message>
    <message>
        <source>The last compression saved %1.</source>
        <translation>前回の圧縮で %1 節約しました。</translation>
    </message>
</context>
<context>
    <name>ImageExportBrowseView</name>
    <message>
        <source>Select All</source>
        <translation>すべて選択</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>戻る</translation>
    </message>
    <message>
        <source>Export Only</source>
        <translation>書き出しのみ</translation>
    </message>
    <message>
        <source>Backup &amp; Delete</source>
        <translation>バックアップして削除</translation>
    </message>
    <message>
        <source>Select the chosen date</source>
        <translation>この日付の写真を選択</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日付</translation>
    </message>
    <message>
        <source>Export and deletion of all the photos will save you up to</source>
        <translation>すべての写真を書き出して削除すると、最大で次の容量を節約できます：</translation>
    </message>
    <message>
        <source>photos selected to save</source>
        <translation>枚の写真を選択、節約できる容量：</translation>
    </message>
</context>
<context>
    <name>ImagePreviewControls</name>
    <message>
        <source>%1 photos</source>
        <translation>%1 枚の写真</translation>
    </message>
</context>
<context>
    <name>ImagePreviewScrollAreaStyle</name>
    <message>
        <source>Photos</source>
        <translation>写真</translation>
    </message>
</context>
<context>
    <name>JunkCleanScanResultView</name>
    <message>
        <source>Byte</source>
        <translation>バイト</translation>
    </message>
    <message>
        <source>KB</source>
        <translation>KB</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>GB</source>
        <translation>GB</translation>
    </message>
    <message>
        <source>Crash Logs</source>
        <translation>クラッシュログ</translation>
    </message>
    <message>
        <source>Clear redundant system usage reports and application crash logs which are generated by iOS.</source>
        <translation>iOS が作成した不要なシステム使用状況レポートと App のクラッシュログを消去します。</translation>
    </message>
    <message>
        <source>Photo Caches</source>
        <translation>写真キャッシュ</translation>
    </message>
    <message>
        <source>Delete Camera Roll, Photo Stream and Photo Library cache files which are created by third-party apps.</source>
        <translation>他社製 App が作成したカメラロール、フォトストリーム、フォトライブラリのキャッシュファイルを削除します。</translation>
    </message>
    <message>
        <source>Downloaded Temp Files</source>
        <translation>ダウンロード一時ファイル</translation>
    </message>
    <message>
        <source>Remove those corrupted files which are produced due to the interruption whilst downloading and still remain in the temp file folder.</source>
        <translation>ダウンロードの中断で生じ、一時フォルダに残っている破損ファイルを削除します。</translation>
    </message>
    <message>
        <source>User Storage Files</source>
        <translation>ユーザストレージファイル</translation>
    </message>
    <message>
        <source>Eliminate the temp files in User Storage Directory which were generated by third-party apps.</source>
        <translation>他社製 App がユーザストレージディレクトリに作成した一時ファイルを消去します。</translation>
    </message>
    <message>
        <source>iTunes Caches</source>
        <translation>iTunes キャッシュ</translation>
    </message>
    <message>
        <source>Clear up the incomplete files and traces produced when iTunes failed to sync.</source>
        <translation>iTunes の同期失敗で残った不完全なファイルと痕跡を消去します。</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>戻る</translation>
    </message>
    <message>
        <source>Clean</source>
        <translation>クリーンアップ</translation>
    </message>
    <message>
        <source>can be released.</source>
        <translation>を解放できます。</translation>
    </message>
</context>
<context>
    <name>LanguageSelectView</name>
    <message>
        <source>Language</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>Please select a language</source>
        <translation>言語を選択してください</translation>
    </message>
    <message>
        <source>The progam will restart to apply your changes. Please wait.</source>
        <translation>変更を適用するため、プログラムを再起動します。しばらくお待ちください。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>LargeFilesCleanCheckBox</name>
    <message>
        <source>Select</source>
        <translation>選択</translation>
    </message>
</context>
<context>
    <name>LargeFilesCleanPhotoIcon</name>
    <message>
        <source>Thumbnail</source>
        <translation>サムネイル</translation>
    </message>
</context>
<context>
    <name>LargeFilesCleanView</name>
    <message>
        <source>Thumbnail</source>
        <translation>サムネイル</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>形式</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>サイズ</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>表示</translation>
    </message>
    <message>
        <source>File above</source>
        <translation>次より大きいファイル：</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>Large files</source>
        <translation>大きなファイル</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>すべて選択</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>戻る</translation>
    </message>
    <message>
        <source>Export Only</source>
        <translation>書き出しのみ</translation>
    </message>
    <message>
        <source>Back Up &amp; Delete</source>
        <translation>バックアップして削除</translation>
    </message>
    <message>
        <source>All</source>
        <translation>すべて</translation>
    </message>
    <message>
        <source>The device is not connected. Please connect it and try again.</source>
        <translation>デバイスが接続されていません。接続してからもう一度お試しください。</translation>
    </message>
</context>
<context>
    <name>LargeFilesProcessView</name>
    <message>
        <source>Exporting photos, please do not use the device to avoid any abnormity.</source>
        <translation>写真を書き出しています。異常を避けるため、デバイスを操作しないでください。</translation>
    </message>
    <message>
        <source>Deleting photos, please do not use the device to avoid any abnormity.</source>
        <translation>写真を削除しています。異常を避けるため、デバイスを操作しないでください。</translation>
    </message>
    <message>
        <source>Deleting large files, please do not use the device to avoid any abnormity.</source>
        <translation>大きなファイルを削除しています。異常を避けるため、デバイスを操作しないでください。</translation>
    </message>
    <message>
        <source>Exporting large files, please do not use the device to avoid any abnormity.</source>
        <translation>大きなファイルを書き出しています。異常を避けるため、デバイスを操作しないでください。</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>進行状況</translation>
    </message>
</context>
<context>
    <name>MainView</name>
    <message>
        <source>Feedback</source>
        <translation>フィードバック</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>ツール</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Tutorial</source>
        <translation>チュートリアル</translation>
    </message>
    <message>
        <source>Frequently Asked Questions</source>
        <translation>よくある質問</translation>
    </message>
    <message>
        <source>Write a Product Review</source>
        <translation>製品レビューを書く</translation>
    </message>
    <message>
        <source>Contact Us</source>
        <translation>お問い合わせ</translation>
    </message>
    <message>
        <source>View Facebook Fan Page</source>
        <translation>Facebook ファンページを見る</translation>
    </message>
    <message>
        <source>Follow Us on Twitter</source>
        <translation>Twitter でフォロー</translation>
    </message>
    <message>
        <source>Set Security Level</source>
        <translation>セキュリティレベルを設定</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>アップデートを確認</translation>
    </message>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>1-Click
 Free Up Space</source>
        <translation>ワンクリック
容量解放</translation>
    </message>
    <message>
        <source>Erase All Data</source>
        <translation>全データ消去</translation>
    </message>
    <message>
        <source>Erase Deleted Files</source>
        <translation>削除済みファイル消去</translation>
    </message>
    <message>
        <source>Erase Private Data</source>
        <translation>プライベートデータ消去</translation>
    </message>
    <message>
        <source>Erase Private Fragments</source>
        <translation>プライベート断片消去</translation>
    </message>
    <message>
        <source>If you leave, the scanning result won&apos;t be saved. Are you sure you want to leave?</source>
        <translation>移動するとスキャン結果は保存されません。移動しますか？</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>PostConnectDevTask error!</source>
        <translation>PostConnectDevTask エラー！</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Please unlock the device and trust the connection if needed. Then click Continue.</source>
        <translation>デバイスのロックを解除し、必要に応じてこのコンピュータを信頼してから、「続行」をクリックしてください。</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>お知らせ</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>続行</translation>
    </message>
    <message>
        <source>you should trust the device!</source>
        <translation>デバイスを信頼する必要があります！</translation>
    </message>
    <message>
        <source>slotConnToDev return value false!</source>
        <translation>slotConnToDev が false を返しました！</translation>
    </message>
    <message>
        <source>Don&apos;t start iTunes and sync files when running the program to avoid data overwriting.</source>
        <translation>データの上書きを避けるため、プログラムの実行中は iTunes を起動したりファイルを同期したりしないでください。</translation>
    </message>
    <message>
        <source>Velmora Dravo Pro</source>
        <translation>Velmora Dravo Pro</translation>
    </message>
    <message>
        <source>Are you sure you want to exit the program?</source>
        <translation>プログラムを終了しますか？</translation>
    </message>
</context>
<context>
    <name>OneKeyCleanResultView</name>
    <message>
        <source>Byte</source>
        <translation>バイト</translation>
    </message>
    <message>
        <source>KB</source>
        <translation>KB</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>GB</source>
        <translation>GB</translation>
    </message>
    <message>
        <source>About</source>
        <comment>approximately, before a size</comment>
        <translation>約</translation>
    </message>
    <message>
        <source>You can save up to </source>
        <translation>最大で次の容量を節約できます： </translation>
    </message>
    <message>
        <source>Junk Files:</source>
        <translation>ジャンクファイル：</translation>
    </message>
    <message>
        <source>Temporary Files:</source>
        <translation>一時ファイル：</translation>
    </message>
    <message>
        <source>Too few temporary files on your iPhone to clean.</source>
        <translation>iPhone の一時ファイルが少ないため、クリーンアップの必要はありません。</translation>
    </message>
    <message>
        <source>Photos:</source>
        <translation>写真：</translation>
    </message>
    <message>
        <source>Large Files:</source>
        <translation>大きなファイル：</translation>
    </message>
    <message>
        <source>Apps:</source>
        <translation>App：</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>戻る</translation>
    </message>
    <message>
        <source>Rescan</source>
        <translation>再スキャン</translation>
    </message>
    <message>
        <source> More can be freed up.</source>
        <translation> をさらに解放できます。</translation>
    </message>
    <message>
        <source> has been released!</source>
        <translation> を解放しました！</translation>
    </message>
    <message>
        <source>If you go back, the scanning result won&apos;t be saved. Are you sure you want to go back?</source>
        <translation>戻るとスキャン結果は保存されません。戻りますか？</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
</context>
<context>
    <name>OneKeyCleanView</name>
    <message>
        <source>Byte</source>
        <translation>バイト</translation>
    </message>
    <message>
        <source>KB</source>
        <translation>KB</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>GB</source>
        <translation>GB</translation>
    </message>
    <message>
        <source>1-Click Free Up Space</source>
        <translation>ワンクリック容量解放</translation>
    </message>
    <message>
        <source>Last use</source>
        <translation>前回の使用</translation>
    </message>
    <message>
        <source>Total space released</source>
        <translation>解放した容量の合計</translation>
    </message>
    <message>
        <source>Quick Scan</source>
        <translation>クイックスキャン</translation>
    </message>
    <message>
        <source>Or scan one category:</source>
        <translation>またはカテゴリを選んでスキャン：</translation>
    </message>
    <message>
        <source>Junk Files</source>
        <translation>ジャンクファイル</translation>
    </message>
    <message>
        <source>Temp Files</source>
        <translation>一時ファイル</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>写真</translation>
    </message>
    <message>
        <source>Large Files</source>
        <translation>大きなファイル</translation>
    </message>
    <message>
        <source>Apps</source>
        <translation>App</translation>
    </message>
    <message>
        <source>None</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>Scan completed! No need for further cleaning.</source>
        <translation>スキャン完了！これ以上のクリーンアップは不要です。</translation>
    </message>
</context>
<context>
    <name>OneKeyCommon</name>
    <message>
        <source>If you go back, the scanning result won&apos;t be saved. Are you sure you want to go back?</source>
        <translation>戻るとスキャン結果は保存されません。戻りますか？</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
</context>
<context>
    <name>OneScanResultSubWidget</name>
    <message>
        <source>Byte</source>
        <translation>バイト</translation>
    </message>
    <message>
        <source>KB</source>
        <translation>KB</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>GB</source>
        <translation>GB</translation>
    </message>
    <message>
        <source>Clean</source>
        <translation>クリーンアップ</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完了</translation>
    </message>
</context>
<context>
    <name>OvAbout</name>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>Permanently Erase Your Private Data from iPhone/iPad/iPod!</source>
        <translation>iPhone/iPad/iPod からプライベートデータを完全に消去！</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>バージョン %1</translation>
    </message>
    <message>
        <source>Copyright © %1 Velmora Software. All rights reserved.</source>
        <translation>Copyright © %1 Velmora Software. All rights reserved.</translation>
    </message>
</context>
<context>
    <name>OvEraseAllDataModel</name>
    <message>
        <source>Erase All Data </source>
        <translation>全データ消去 </translation>
    </message>
    <message>
        <source>Erase all data permanently and keep your private data completely gone.</source>
        <translation>すべてのデータを完全に消去し、プライベートデータを跡形もなく消します。</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>消去</translation>
    </message>
</context>
<context>
    <name>OvEraseDeletedFilesModel</name>
    <message>
        <source>Erase Deleted Files </source>
        <translation>削除済みファイル消去 </translation>
    </message>
    <message>
        <source>Erase deleted files outright and your secrets are gone forever.</source>
        <translation>削除済みファイルを完全に消去し、秘密を永久に消します。</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>スキャン</translation>
    </message>
</context>
<context>
    <name>OvEraseFragmentDataModel</name>
    <message>
        <source>Erase Incomplete Private Fragments</source>
        <translation>不完全なプライベート断片を消去</translation>
    </message>
    <message>
        <source>The most complete and in-depth erasure for third-party Apps!</source>
        <translation>他社製 App を対象にした、最も完全で徹底的な消去！</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>スキャン</translation>
    </message>
</context>
<context>
    <name>OvErasePrivateDataModel</name>
    <message>
        <source>Erase Private Data </source>
        <translation>プライベートデータ消去 </translation>
    </message>
    <message>
        <source>Erase paivate data securely and don&apos;t worry about security breaches.</source>
        <translation>プライベートデータを安全に消去し、情報漏えいの心配をなくします。</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>スキャン</translation>
    </message>
</context>
<context>
    <name>OvFeedback</name>
    <message>
        <source>OvFeedback</source>
        <translation>フィードバック</translation>
    </message>
    <message>
        <source>Send us your comments or technical problems about Velmora Dravo Pro.</source>
        <translation>Velmora Dravo Pro へのご意見や技術的な問題をお送りください。</translation>
    </message>
    <message>
        <source>E-mail:</source>
        <translation>メール：</translation>
    </message>
    <message>
        <source>Enter your email address</source>
        <translation>メールアドレスを入力</translation>
    </message>
    <message>
        <source>Content:</source>
        <translation>内容：</translation>
    </message>
    <message>
        <source>If you have any comments or suggestions, please write directly to us.</source>
        <translation>ご意見やご提案があれば、直接お寄せください。</translation>
    </message>
    <message>
        <source>Attach the log file (check the box to send automatically).</source>
        <translation>ログファイルを添付（チェックすると自動で送信されます）。</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>送信</translation>
    </message>
    <message>
        <source>Please enter your email address.</source>
        <translation>メールアドレスを入力してください。</translation>
    </message>
    <message>
        <source>Please enter a valid email address.</source>
        <translation>有効なメールアドレスを入力してください。</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>失敗</translation>
    </message>
    <message>
        <source>Submitted successfully.</source>
        <translation>送信しました。</translation>
    </message>
</context>
<context>
    <name>OvFillDataProgressBar</name>
    <message>
        <source>Progress</source>
        <translation>進行状況</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
</context>
<context>
    <name>OvMessageBox</name>
    <message>
        <source>Yes</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>いいえ</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>No</source>
        <translation>いいえ</translation>
    </message>
</context>
<context>
    <name>OvOneKeyClearModel</name>
    <message>
        <source>Cleaning failed for some unknown errors. Please try it again.</source>
        <translation>不明なエラーのためクリーンアップに失敗しました。もう一度お試しください。</translation>
    </message>
    <message>
        <source>The device is not connected. Please connect it and try again.</source>
        <translation>デバイスが接続されていません。接続してからもう一度お試しください。</translation>
    </message>
</context>
<context>
    <name>OvProgressBarGif</name>
    <message>
        <source>About %1 Minute(s)</source>
        <translation>約 %1 分</translation>
    </message>
</context>
<context>
    <name>OvStyleCheckBoxSubImageWidget</name>
    <message>
        <source>Select</source>
        <translation>選択</translation>
    </message>
</context>
<context>
    <name>OvStyleProgressBar</name>
    <message>
        <source>Progress</source>
        <translation>進行状況</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
</context>
<context>
    <name>OvStyleScanProcessView</name>
    <message>
        <source>Scanning your device. Please do not use the device to avoid any problems.</source>
        <translation>デバイスをスキャンしています。問題を避けるため、デバイスを操作しないでください。</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>If you stop scanning, some data won&apos;t be detected. Are you sure you want to stop?</source>
        <translation>スキャンを停止すると、一部のデータは検出されません。停止しますか？</translation>
    </message>
</context>
<context>
    <name>OvStyleTabelWidgetCheckBox</name>
    <message>
        <source>Select</source>
        <translation>選択</translation>
    </message>
</context>
<context>
    <name>OvStyleWidgetTitle</name>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
</context>
<context>
    <name>RoundWidget</name>
    <message>
        <source>Used space</source>
        <translation>使用済み容量</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
</context>
<context>
    <name>SafeLevelSettingDialog</name>
    <message>
        <source>Set Security Level</source>
        <translation>セキュリティレベルを設定</translation>
    </message>
    <message>
        <source>Low Level (Quick Erasure)</source>
        <translation>低レベル（高速消去）</translation>
    </message>
    <message>
        <source>The fastest channel to permanently delete your data, it&apos;s twice faster than the others. It will destroy your data to make sure that the files are not recoverable.</source>
        <translation>データを完全に削除する最速の方法で、他のレベルの 2 倍の速さです。ファイルを復元できないようにデータを破壊します。</translation>
    </message>
    <message>
        <source>Medium Level (1 Time, Recommended)</source>
        <translation>中レベル（1 回、推奨）</translation>
    </message>
    <message>
        <source>Velmora Dravo Pro will totally overwrite your private data to make sure that the files are 100% unrecoverable.</source>
        <translation>Velmora Dravo Pro がプライベートデータを完全に上書きし、ファイルを 100% 復元不能にします。</translation>
    </message>
    <message>
        <source>High Level (2 Times)</source>
        <translation>高レベル（2 回）</translation>
    </message>
    <message>
        <source>This option is highly recommended if you saved any private files (e.g. bank records, passwords, financial data, etc.) on your device. The applied security standard is according to the U.S. DoD 5220.22-M.</source>
        <translation>銀行の記録、パスワード、財務データなどのプライベートなファイルをデバイスに保存していた場合は、このオプションを強くお勧めします。適用されるセキュリティ基準は米国国防総省の DoD 5220.22-M に準拠しています。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>High</source>
        <translation>高</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>低</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>中</translation>
    </message>
</context>
<context>
    <name>TaskExecuteView</name>
    <message>
        <source>Byte</source>
        <translation>バイト</translation>
    </message>
    <message>
        <source>KB</source>
        <translation>KB</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>GB</source>
        <translation>GB</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Exporting photos </source>
        <translation>写真を書き出しています </translation>
    </message>
    <message>
        <source>You are saving </source>
        <translation>節約中 </translation>
    </message>
    <message>
        <source>Clearing junk files. Please wait. </source>
        <translation>ジャンクファイルを消去しています。しばらくお待ちください。 </translation>
    </message>
</context>
<context>
    <name>TaskWidget</name>
    <message>
        <source>Byte</source>
        <translation>バイト</translation>
    </message>
    <message>
        <source>KB</source>
        <translation>KB</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>GB</source>
        <translation>GB</translation>
    </message>
    <message>
        <source>Wait</source>
        <translation>待機中</translation>
    </message>
</context>
</TS>
