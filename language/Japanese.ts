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
</context>
<context>
    <name>AppShowWidget</name>
    <message>
        <source>Select</source>
        <translation>選択</translation>
    </message>
</context>
<context>
    <name>BookMarkView</name>
    <message>
        <source>Bookmark</source>
        <translation>ブックマーク</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>タイトル</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>URL</translation>
    </message>
</context>
<context>
    <name>CDecodingCheckDig</name>
    <message>
        <source>Backup Password</source>
        <translation>バックアップのパスワード</translation>
    </message>
    <message>
        <source>Your iTunes backup had been password-encrypted. Please enter your password here to decrypt it. </source>
        <translation>iTunes バックアップはパスワードで暗号化されています。復号するには、ここにパスワードを入力してください。 </translation>
    </message>
    <message>
        <source>  Password</source>
        <translation>  パスワード</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>パスワード</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>戻る</translation>
    </message>
    <message>
        <source>Password can not be empty!</source>
        <translation>パスワードを入力してください！</translation>
    </message>
</context>
<context>
    <name>CEraseDataWid</name>
    <message>
        <source>Message</source>
        <translation>メッセージ</translation>
    </message>
    <message>
        <source>Call History</source>
        <translation>通話履歴</translation>
    </message>
    <message>
        <source>Safari Cookie</source>
        <translation>Safari Cookie</translation>
    </message>
    <message>
        <source>Safari Cache</source>
        <translation>Safari キャッシュ</translation>
    </message>
    <message>
        <source>Safari History</source>
        <translation>Safari 履歴</translation>
    </message>
    <message>
        <source>Photo &amp; Videos</source>
        <translation>写真とビデオ</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>メモ</translation>
    </message>
    <message>
        <source>Message Attachment</source>
        <translation>メッセージの添付ファイル</translation>
    </message>
    <message>
        <source>Note Attachment</source>
        <translation>メモの添付ファイル</translation>
    </message>
    <message>
        <source>WhatsApp</source>
        <translation>WhatsApp</translation>
    </message>
    <message>
        <source>WhatsApp Attachments</source>
        <translation>WhatsApp の添付ファイル</translation>
    </message>
    <message>
        <source>WeChat</source>
        <translation>WeChat</translation>
    </message>
    <message>
        <source>Viber</source>
        <translation>Viber</translation>
    </message>
    <message>
        <source>Kik</source>
        <translation>Kik</translation>
    </message>
    <message>
        <source>Kik Attachment</source>
        <translation>Kik の添付ファイル</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>連絡先</translation>
    </message>
    <message>
        <source>Calendar , Reminder</source>
        <translation>カレンダー、リマインダー</translation>
    </message>
    <message>
        <source>Bookmark</source>
        <translation>ブックマーク</translation>
    </message>
    <message>
        <source>Voice Memo</source>
        <translation>ボイスメモ</translation>
    </message>
    <message>
        <source>Warning:To avoid damage to thie device,please don&apos;t disconnect the device while erasing. </source>
        <translation>警告：デバイスの損傷を防ぐため、消去中はデバイスを取り外さないでください。 </translation>
    </message>
    <message>
        <source>The erase deleted data:</source>
        <translation>消去した削除済みデータ：</translation>
    </message>
    <message>
        <source>The App fragment erased:</source>
        <translation>消去した App の断片：</translation>
    </message>
    <message>
        <source>The erase private data:</source>
        <translation>消去したプライベートデータ：</translation>
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
    <name>CallLogView</name>
    <message>
        <source>Call History</source>
        <translation>通話履歴</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Phone Number</source>
        <translation>電話番号</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日付</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>種類</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>時刻</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>不明</translation>
    </message>
    <message>
        <source>incoming</source>
        <translation>着信</translation>
    </message>
    <message>
        <source>outgoing</source>
        <translation>発信</translation>
    </message>
    <message>
        <source>outgoing facetime</source>
        <translation>FaceTime 発信</translation>
    </message>
    <message>
        <source>imcoming facetime missed</source>
        <translation>FaceTime 不在着信</translation>
    </message>
    <message>
        <source>imcoming missed</source>
        <translation>不在着信</translation>
    </message>
</context>
<context>
    <name>CallendarView</name>
    <message>
        <source>Calendar</source>
        <translation>カレンダー</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>タイトル</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>場所</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>開始</translation>
    </message>
    <message>
        <source>Ends</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Title: </source>
        <translation>タイトル： </translation>
    </message>
    <message>
        <source>Note: </source>
        <translation>メモ： </translation>
    </message>
</context>
<context>
    <name>ChatPane</name>
    <message>
        <source>No messages</source>
        <translation>メッセージはありません</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>宛先：</translation>
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
    <name>CompleteEraseView</name>
    <message>
        <source>Device</source>
        <translation>デバイス</translation>
    </message>
    <message>
        <source>Start unrecoverable erasing   </source>
        <translation>復元不能な消去を開始   </translation>
    </message>
    <message>
        <source>1. You may get the notice &amp;quot;Storage Almost Full&amp;quot; prompt on the device. Please don&apos;t worry, tap &amp;quot;Done&amp;quot; to continue.</source>
        <translation>1. デバイスに「ストレージの空き領域がほとんどありません」と表示されることがありますが、問題ありません。「完了」をタップして続行してください。</translation>
    </message>
    <message>
        <source>2. Please don&apos;t disconnect the device.</source>
        <translation>2. デバイスを取り外さないでください。</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>進行状況</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>0 %</source>
        <translation>0%</translation>
    </message>
    <message>
        <source>Sorry, Fill failed!(error code: %1)</source>
        <translation>空き領域を埋める処理に失敗しました！（エラーコード：%1）</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>It may damage your data or device if you stop the unrecoverable erasing process. Are you sure you want to stop now?</source>
        <translation>復元不能にする消去処理を中断すると、データやデバイスが損傷するおそれがあります。今すぐ停止しますか？</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
</context>
<context>
    <name>ContactView</name>
    <message>
        <source>Unknown</source>
        <translation>不明</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>連絡先</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>会社</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>電話</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>メール</translation>
    </message>
    <message>
        <source>unknow</source>
        <translation>不明</translation>
    </message>
    <message>
        <source>Phone : </source>
        <translation>電話： </translation>
    </message>
    <message>
        <source>Email : </source>
        <translation>メール： </translation>
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
        <source>%1: %2 free of %3</source>
        <translation>%1：%3 中 %2 空き</translation>
    </message>
    <message>
        <source>%1GB</source>
        <comment>gigabytes</comment>
        <translation>%1GB</translation>
    </message>
    <message>
        <source>Total %1</source>
        <comment>space</comment>
        <translation>合計 %1</translation>
    </message>
    <message>
        <source>Free %1</source>
        <comment>space</comment>
        <translation>空き %1</translation>
    </message>
    <message>
        <source>Used %1</source>
        <comment>space</comment>
        <translation>使用済み %1</translation>
    </message>
</context>
<context>
    <name>DeviceRestartView</name>
    <message>
        <source>Device</source>
        <translation>デバイス</translation>
    </message>
    <message>
        <source>Analying data,please wait...</source>
        <translation>データを分析しています。しばらくお待ちください...</translation>
    </message>
    <message>
        <source>Erasing data, please wait...</source>
        <translation>データを消去しています。しばらくお待ちください...</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>進行状況</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Nothing was selected, so nothing was erased.</source>
        <translation>何も選択されていないため、何も消去されませんでした。</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>注意</translation>
    </message>
    <message>
        <source>Restarting device,please wait...</source>
        <translation>デバイスを再起動しています。しばらくお待ちください...</translation>
    </message>
    <message>
        <source>Your iDevice doesn&apos;t have enough storage to process data. Please free up your device space and try it again. (error code: %1)</source>
        <translation>iDevice のストレージが不足しているため、データを処理できません。デバイスの容量を解放してから、もう一度お試しください。（エラーコード：%1）</translation>
    </message>
    <message>
        <source>There may be unknown error with your iTunes. Please uninstall and reinstall iTunes to fix. Make sure you have the latest version of iTunes and try it again. (error code: %1)</source>
        <translation>iTunes で不明なエラーが発生している可能性があります。iTunes をアンインストールして再インストールしてください。最新バージョンの iTunes であることを確認してから、もう一度お試しください。（エラーコード：%1）</translation>
    </message>
    <message>
        <source>Data Erasing Failed</source>
        <translation>データの消去に失敗しました</translation>
    </message>
    <message>
        <source>Restarting device, please wait...</source>
        <translation>デバイスを再起動しています。しばらくお待ちください...</translation>
    </message>
    <message>
        <source>It may damage your data or device if you stop restarting. Are you sure you want to stop now?</source>
        <translation>再起動を中断すると、データやデバイスが損傷するおそれがあります。今すぐ停止しますか？</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Cancelling, please wait a moment ...</source>
        <translation>キャンセルしています。しばらくお待ちください...</translation>
    </message>
    <message>
        <source>Connection timeout! Please simply disconnect your iDevice and reconnect it. Kindly wait for it to continue.</source>
        <translation>接続がタイムアウトしました！iDevice を取り外してから再接続し、処理が続行されるまでしばらくお待ちください。</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>No</source>
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
</context>
<context>
    <name>EraseAllDataFailureView</name>
    <message>
        <source>Data Deletion</source>
        <translation>データ削除</translation>
    </message>
    <message>
        <source>             Erase private data and system settings</source>
        <translation>             プライベートデータとシステム設定を消去</translation>
    </message>
    <message>
        <source>Data Erasure</source>
        <translation>データ消去</translation>
    </message>
    <message>
        <source>             Fill the empty space on the device</source>
        <translation>             デバイスの空き領域を埋める</translation>
    </message>
    <message>
        <source>        Failed to erase some of the data: </source>
        <translation>        一部のデータを消去できませんでした： </translation>
    </message>
    <message>
        <source>Why failed?</source>
        <translation>失敗の原因は？</translation>
    </message>
    <message>
        <source>   Home</source>
        <translation>   ホーム</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>ホーム</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>失敗</translation>
    </message>
    <message>
        <source>Operation stopped by user</source>
        <translation>ユーザが操作を停止しました</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>停止済み</translation>
    </message>
    <message>
        <source>Not started</source>
        <translation>未開始</translation>
    </message>
    <message>
        <source>Operation error</source>
        <translation>操作エラー</translation>
    </message>
    <message>
        <source>Not chosen</source>
        <translation>未選択</translation>
    </message>
</context>
<context>
    <name>EraseAllDataFinishedView</name>
    <message>
        <source>Done</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>Share it with your friends:</source>
        <translation>友達と共有：</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>共有</translation>
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
        <source>All the data has been erased.</source>
        <translation>すべてのデータを消去しました。</translation>
    </message>
</context>
<context>
    <name>EraseAllDataProcessView</name>
    <message>
        <source>Erase progress</source>
        <translation>消去の進行状況</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Scanning, please wait...</source>
        <translation>スキャンしています。しばらくお待ちください...</translation>
    </message>
    <message>
        <source>Restarting device, please wait...</source>
        <translation>デバイスを再起動しています。しばらくお待ちください...</translation>
    </message>
    <message>
        <source>Erasing, please wait...</source>
        <translation>消去しています。しばらくお待ちください...</translation>
    </message>
    <message>
        <source>It may damage your data or device, if you stop. Are you sure you want to stop now?</source>
        <translation>停止すると、データやデバイスが損傷するおそれがあります。今すぐ停止しますか？</translation>
    </message>
    <message>
        <source>It may damage your data or device if you stop restarting. Are you sure you want to stop now?</source>
        <translation>再起動を中断すると、データやデバイスが損傷するおそれがあります。今すぐ停止しますか？</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Cancelling, please wait a moment ...</source>
        <translation>キャンセルしています。しばらくお待ちください...</translation>
    </message>
</context>
<context>
    <name>EraseAllDataView</name>
    <message>
        <source>Erase All Data</source>
        <translation>全データ消去</translation>
    </message>
    <message>
        <source>1. Please close all background apps, such as Music, Navigation, etc.</source>
        <translation>1. ミュージックやナビなど、バックグラウンドの App をすべて終了してください。</translation>
    </message>
    <message>
        <source>2. If there are any apps updating on the device, please wait for them to complete.</source>
        <translation>2. デバイスでアップデート中の App がある場合は、完了するまでお待ちください。</translation>
    </message>
    <message>
        <source>3. Please make sure you have backed up any needed data.</source>
        <translation>3. 必要なデータはすべてバックアップしておいてください。</translation>
    </message>
    <message>
        <source>Security Level:</source>
        <translation>セキュリティレベル：</translation>
    </message>
    <message>
        <source>Please type</source>
        <translation>次の語を入力してください：</translation>
    </message>
    <message>
        <source>&apos;delete&apos;</source>
        <translation>「削除」</translation>
    </message>
    <message>
        <source>to confirm.</source>
        <translation>（確認のため）</translation>
    </message>
    <message>
        <source>     Home</source>
        <translation>     ホーム</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>ホーム</translation>
    </message>
    <message>
        <source>Erase Now</source>
        <translation>今すぐ消去</translation>
    </message>
    <message>
        <source>delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Sorry, the input is not correct. Please type &quot;delete&quot; again.</source>
        <translation>入力が正しくありません。もう一度「削除」と入力してください。</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>注意</translation>
    </message>
    <message>
        <source>This will completely erase all data of your device. Are you sure you want to continue?</source>
        <translation>デバイスのすべてのデータが完全に消去されます。続行しますか？</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>続行</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>The device is not connected. Please connect it and try again.</source>
        <translation>デバイスが接続されていません。接続してからもう一度お試しください。</translation>
    </message>
</context>
<context>
    <name>EraseDataView</name>
    <message>
        <source>Erasing data...</source>
        <translation>データを消去しています...</translation>
    </message>
    <message>
        <source>Erase progress</source>
        <translation>消去の進行状況</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>It may damage your data or device if you stop erasing. Are you sure you want to stop now?</source>
        <translation>消去を中断すると、データやデバイスが損傷するおそれがあります。今すぐ停止しますか？</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
</context>
<context>
    <name>EraseImageControls</name>
    <message>
        <source>Photo</source>
        <translation>写真</translation>
    </message>
</context>
<context>
    <name>EraseListView</name>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>サイズ</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>不明</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>テキスト</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日付</translation>
    </message>
    <message>
        <source>Message Attachment</source>
        <translation>メッセージの添付ファイル</translation>
    </message>
    <message>
        <source>Note Attachment</source>
        <translation>メモの添付ファイル</translation>
    </message>
    <message>
        <source>Kik Attachment</source>
        <translation>Kik の添付ファイル</translation>
    </message>
    <message>
        <source>Viber</source>
        <translation>Viber</translation>
    </message>
    <message>
        <source>Kik</source>
        <translation>Kik</translation>
    </message>
</context>
<context>
    <name>EraseSafeConfirm</name>
    <message>
        <source>Erase Deleted Files</source>
        <translation>削除済みファイル消去</translation>
    </message>
    <message>
        <source>1. Please close all background apps, such as Music, Navigation, etc.</source>
        <translation>1. ミュージックやナビなど、バックグラウンドの App をすべて終了してください。</translation>
    </message>
    <message>
        <source>2. If there are any apps updating on the device, please wait for them to complete.</source>
        <translation>2. デバイスでアップデート中の App がある場合は、完了するまでお待ちください。</translation>
    </message>
    <message>
        <source>3. Please make sure you have backed up any needed data.</source>
        <translation>3. 必要なデータはすべてバックアップしておいてください。</translation>
    </message>
    <message>
        <source>Security Level:</source>
        <translation>セキュリティレベル：</translation>
    </message>
    <message>
        <source>Please type</source>
        <translation>次の語を入力してください：</translation>
    </message>
    <message>
        <source>&apos;delete&apos;</source>
        <translation>「削除」</translation>
    </message>
    <message>
        <source>to confirm.</source>
        <translation>（確認のため）</translation>
    </message>
    <message>
        <source>Type &apos;delete&apos; to confirm</source>
        <translation>確認のため「削除」と入力してください</translation>
    </message>
    <message>
        <source>      Back</source>
        <translation>      戻る</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>戻る</translation>
    </message>
    <message>
        <source>Erase Now</source>
        <translation>今すぐ消去</translation>
    </message>
    <message>
        <source>Security Level: %1</source>
        <translation>セキュリティレベル：%1</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>No</source>
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
        <source>delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Sorry, the input is not correct. Please type &quot;delete&quot; again.</source>
        <translation>入力が正しくありません。もう一度「削除」と入力してください。</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>注意</translation>
    </message>
    <message>
        <source>Error index when posting task:%1</source>
        <translation>タスクの送信時にインデックスエラーが発生しました：%1</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>テスト</translation>
    </message>
    <message>
        <source>messages of conversations that still exist</source>
        <translation>現在も残っている会話のメッセージ</translation>
    </message>
    <message>
        <source>contacts</source>
        <translation>連絡先</translation>
    </message>
    <message>
        <source>calendar events and reminders</source>
        <translation>カレンダーのイベントとリマインダー</translation>
    </message>
    <message>
        <source>bookmarks</source>
        <translation>ブックマーク</translation>
    </message>
    <message>
        <source>voice memos</source>
        <translation>ボイスメモ</translation>
    </message>
    <message>
        <source>Deleted %1 can only be erased all at once. Please tick all of them or none, then try again.</source>
        <translation>次の削除済みデータは、まとめて消去することしかできません：%1。すべてにチェックを入れるか、すべて外してから、もう一度お試しください。</translation>
    </message>
    <message>
        <source>, </source>
        <translation>、 </translation>
    </message>
    <message>
        <source>Nothing is ticked in the checked categories, so there is nothing to erase. Please go back and tick what you want to erase.</source>
        <translation>チェックしたカテゴリで項目が選択されていないため、消去するものがありません。戻って、消去する項目にチェックを入れてください。</translation>
    </message>
    <message>
        <source>It will need about %1 minutes to erase data. If you stop when erasing, it may damage your device.  Are you sure to continue?</source>
        <translation>データの消去には約 %1 分かかります。消去中に停止すると、デバイスが損傷するおそれがあります。続行しますか？</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>続行</translation>
    </message>
    <message>
        <source>The device is not connected. Nothing was erased.</source>
        <translation>デバイスが接続されていません。何も消去されませんでした。</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>警告</translation>
    </message>
</context>
<context>
    <name>EraseScanModel</name>
    <message>
        <source>Scan</source>
        <translation>スキャン</translation>
    </message>
</context>
<context>
    <name>EraseTabPage</name>
    <message>
        <source>Please set up and activate your device first before you use any other function.</source>
        <translation>ほかの機能を使う前に、デバイスの設定とアクティベーションを済ませてください。</translation>
    </message>
    <message>
        <source>note</source>
        <translation>お知らせ</translation>
    </message>
    <message>
        <source>your device has not been activated,please set your device!</source>
        <translation>デバイスがアクティベートされていません。デバイスを設定してください！</translation>
    </message>
    <message>
        <source>Password is not correct!</source>
        <translation>パスワードが正しくありません！</translation>
    </message>
</context>
<context>
    <name>EraseTableView</name>
    <message>
        <source>Select all</source>
        <translation>すべて選択</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>詳細</translation>
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
    <name>ErasingReturnView</name>
    <message>
        <source>Stopped by user</source>
        <translation>ユーザが停止しました</translation>
    </message>
    <message>
        <source>Data Deletion</source>
        <translation>データ削除</translation>
    </message>
    <message>
        <source>Data Erasure</source>
        <translation>データ消去</translation>
    </message>
    <message>
        <source>             Fill the empty space on the device</source>
        <translation>             デバイスの空き領域を埋める</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>停止済み</translation>
    </message>
    <message>
        <source>      Home</source>
        <translation>      ホーム</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>ホーム</translation>
    </message>
    <message>
        <source>             Erase the fragments the chosen apps left behind</source>
        <translation>             選択した App が残した断片を消去</translation>
    </message>
    <message>
        <source>             Erase the selected files</source>
        <translation>             選択したファイルを消去</translation>
    </message>
    <message>
        <source>             Erase private data and system settings</source>
        <translation>             プライベートデータとシステム設定を消去</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>完了</translation>
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
    <name>FillDataProcessView</name>
    <message>
        <source>Overwriting all personal data</source>
        <translation>すべての個人データを上書きしています</translation>
    </message>
    <message>
        <source>1. You may see a &quot;Storage Almost Full&quot; prompt on the device. Please don&apos;t worry, tap Ǎone” to continue.</source>
        <translation>1. デバイスに「ストレージの空き領域がほとんどありません」と表示されることがありますが、問題ありません。「完了」をタップして続行してください。</translation>
    </message>
    <message>
        <source>2. Please don’t disconnect the device.</source>
        <translation>2. デバイスの接続を外さないでください。</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Estimated time: 60 minutes</source>
        <translation>推定時間：60 分</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Estimated time: 1 minutes</source>
        <translation>推定時間：1 分</translation>
    </message>
    <message>
        <source>Estimated time: %1 minutes</source>
        <translation>推定時間：%1 分</translation>
    </message>
    <message>
        <source>It may damage your data or device if you stop the unrecoverable erasing process. Are you sure you want to stop now?</source>
        <translation>復元不能にする消去処理を中断すると、データやデバイスが損傷するおそれがあります。今すぐ停止しますか？</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
</context>
<context>
    <name>ImageCompressionFinshed</name>
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
        <source>Crestline</source>
        <translation>Crestline</translation>
    </message>
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
        <source>%1 has been released!</source>
        <translation>%1 を解放しました！</translation>
    </message>
    <message>
        <source>%1 has been released.</source>
        <translation>%1 を解放しました。</translation>
    </message>
    <message>
        <source>Want to transfer music between iDevice and PC/iTunes, try &lt;a href=&quot;crestline&quot; style=&quot;color:#5695e8;&quot;&gt;Crestline&lt;/a&gt;.</source>
        <translation>iDevice とパソコン/iTunes の間で音楽を転送するなら、&lt;a href=&quot;crestline&quot; style=&quot;color:#5695e8;&quot;&gt;Crestline&lt;/a&gt; をお試しください。</translation>
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
        <source>Export and deletion of all the photos will save you up to %1</source>
        <translation>すべての写真を書き出して削除すると、最大 %1 節約できます</translation>
    </message>
    <message>
        <source>%1 photos selected to save %2</source>
        <translation>%1 枚の写真を選択、%2 節約できます</translation>
    </message>
</context>
<context>
    <name>ImagePreviewControls</name>
    <message>
        <source>%1 photos</source>
        <translation>%1 枚の写真</translation>
    </message>
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
        <source>%1, %2</source>
        <comment>photo name, size</comment>
        <translation>%1、%2</translation>
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
        <source>%1 can be released.</source>
        <comment>%1 is a size</comment>
        <translation>%1 を解放できます。</translation>
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
    <message numerus="yes">
        <source>%n of the checked files are hidden by the filters. Back up and delete them as well?
&quot;Yes&quot; deletes every checked file, &quot;No&quot; only the files shown.</source>
        <translation>
            <numerusform>チェックしたファイルのうち %n 個がフィルタで非表示になっています。これらもバックアップして削除しますか？
「はい」ではチェックしたすべてのファイルを、「いいえ」では表示中のファイルのみを削除します。</numerusform>
        </translation>
    </message>
    <message>
        <source>Byte</source>
        <translation>バイト</translation>
    </message>
    <message>
        <source>KB</source>
        <translation>KB</translation>
    </message>
    <message>
        <source>GB</source>
        <translation>GB</translation>
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
    <message>
        <source>Stop</source>
        <translation>停止</translation>
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
    <name>MessageView</name>
    <message>
        <source>Unknown</source>
        <translation>不明</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>メッセージ</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日付</translation>
    </message>
    <message>
        <source>Text Message</source>
        <translation>テキストメッセージ</translation>
    </message>
    <message>
        <source>Text Messages</source>
        <translation>テキストメッセージ</translation>
    </message>
</context>
<context>
    <name>Note</name>
    <message>
        <source>Note</source>
        <translation>メモ</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>タイトル</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日付</translation>
    </message>
    <message>
        <source>Detail</source>
        <translation>詳細</translation>
    </message>
    <message>
        <source>Time: </source>
        <translation>日時： </translation>
    </message>
    <message>
        <source>Title: </source>
        <translation>タイトル： </translation>
    </message>
    <message>
        <source>Note: </source>
        <translation>メモ： </translation>
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
        <source>If you go back, the scanning result won&apos;t be saved. Are you sure you want to go back?</source>
        <translation>戻るとスキャン結果は保存されません。戻りますか？</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>About %1</source>
        <comment>approximately, %1 is a size</comment>
        <translation>約 %1</translation>
    </message>
    <message>
        <source>You can save up to %1</source>
        <comment>%1 is a size</comment>
        <translation>最大 %1 節約できます</translation>
    </message>
    <message>
        <source>%1 More can be freed up.</source>
        <comment>%1 is a size</comment>
        <translation>さらに %1 解放できます。</translation>
    </message>
    <message>
        <source>%1 has been released!</source>
        <comment>%1 is a size</comment>
        <translation>%1 を解放しました！</translation>
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
        <source>Last use:</source>
        <translation>前回の使用：</translation>
    </message>
    <message>
        <source>Total space released:</source>
        <translation>解放した容量の合計：</translation>
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
    <message>
        <source>The device is not connected. Please connect it and try again.</source>
        <translation>デバイスが接続されていません。接続してからもう一度お試しください。</translation>
    </message>
    <message>
        <source>Scan completed! No need for further cleaning.</source>
        <translation>スキャン完了！これ以上のクリーンアップは不要です。</translation>
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
    <message>
        <source>All the data has been erased.</source>
        <translation>すべてのデータを消去しました。</translation>
    </message>
    <message>
        <source>Data Analysis Failed</source>
        <translation>データの分析に失敗しました</translation>
    </message>
    <message>
        <source>It failed to erasing data for unknown error. Please restart this program and try it again. (error code: %1)</source>
        <translation>不明なエラーのため、データを消去できませんでした。プログラムを再起動してから、もう一度お試しください。（エラーコード：%1）</translation>
    </message>
    <message>
        <source>Data Erasing Failed</source>
        <translation>データの消去に失敗しました</translation>
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
        <source>Erase Deleted Files</source>
        <translation>削除済みファイル消去</translation>
    </message>
    <message>
        <source>Selected files have been erased thoroughly.</source>
        <translation>選択したファイルを完全に消去しました。</translation>
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
    <message>
        <source>Erase Private Fragments  </source>
        <translation>プライベート断片消去  </translation>
    </message>
    <message>
        <source>Seleted data have been erased completely.</source>
        <translation>選択したデータを完全に消去しました。</translation>
    </message>
    <message>
        <source>Data Analysis Failed</source>
        <translation>データの分析に失敗しました</translation>
    </message>
    <message>
        <source>The fragments of %1 cannot be erased on this device. Nothing was erased.</source>
        <translation>このデバイスでは %1 の断片を消去できません。何も消去されていません。</translation>
    </message>
    <message>
        <source>Data Erasing Failed</source>
        <translation>データの消去に失敗しました</translation>
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
        <source>Erase Private Data</source>
        <translation>プライベートデータ消去</translation>
    </message>
    <message>
        <source>Selected files have been erased thoroughly.</source>
        <translation>選択したファイルを完全に消去しました。</translation>
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
    <message>
        <source>Sending your feedback...</source>
        <translation>フィードバックを送信しています...</translation>
    </message>
    <message>
        <source>Feedback is not set up on this computer, so your message could not be sent. Your text is kept in this window.</source>
        <translation>このパソコンではフィードバックが設定されていないため、メッセージを送信できませんでした。入力した内容はこのウインドウに残っています。</translation>
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
    <name>OvFragmentAppItem</name>
    <message>
        <source>No data</source>
        <translation>データなし</translation>
    </message>
    <message>
        <source>Nothing of %1 was found on the device.</source>
        <translation>デバイスに %1 のデータは見つかりませんでした。</translation>
    </message>
</context>
<context>
    <name>OvFragmentAppView</name>
    <message>
        <source>Permanently Erase Private Fragments - Make sure your private data stays private and is away from privacy leak.</source>
        <translation>プライベート断片を完全に消去 - プライベートデータを守り、情報漏えいを防ぎます。</translation>
    </message>
    <message>
        <source>     Back</source>
        <translation>     戻る</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>戻る</translation>
    </message>
    <message>
        <source>Erase Now</source>
        <translation>今すぐ消去</translation>
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
</context>
<context>
    <name>OvProgressBarGif</name>
    <message>
        <source>About %1 Minute(s)</source>
        <translation>約 %1 分</translation>
    </message>
</context>
<context>
    <name>OvScanResultView</name>
    <message>
        <source>Deleted Data</source>
        <translation>削除済みデータ</translation>
    </message>
    <message>
        <source>    Private Data</source>
        <translation>    プライベートデータ</translation>
    </message>
    <message>
        <source>Scanning, please wait...</source>
        <translation>スキャンしています。しばらくお待ちください...</translation>
    </message>
    <message>
        <source>Scan progress</source>
        <translation>スキャンの進行状況</translation>
    </message>
    <message>
        <source> Stop</source>
        <translation> 停止</translation>
    </message>
    <message>
        <source>Data categories</source>
        <translation>データカテゴリ</translation>
    </message>
    <message>
        <source>No data scanned?Please confirm your device can be backed up	</source>
        <translation>データが見つかりませんか？デバイスを iTunes でバックアップできるか	</translation>
    </message>
    <message>
        <source>via itunes.if so,please</source>
        <translation>確認してください。できる場合は、</translation>
    </message>
    <message>
        <source>click here</source>
        <translation>こちらをクリック</translation>
    </message>
    <message>
        <source>records detected.</source>
        <translation>件の項目を検出しました。</translation>
    </message>
    <message>
        <source>   Back</source>
        <translation>   戻る</translation>
    </message>
    <message>
        <source>Erase Now</source>
        <translation>今すぐ消去</translation>
    </message>
    <message>
        <source>No data scanned</source>
        <translation>データが見つかりませんでした</translation>
    </message>
    <message>
        <source>Click a category on the left to see its records.</source>
        <translation>左側のカテゴリをクリックすると、その項目が表示されます。</translation>
    </message>
    <message>
        <source>If you stop scanning, some data won&apos;t be detected. Are you sure to stop?</source>
        <translation>スキャンを停止すると、一部のデータは検出されません。停止しますか？</translation>
    </message>
    <message>
        <source> (%1)</source>
        <translation> (%1)</translation>
    </message>
    <message>
        <source>The records of this category cannot be shown.</source>
        <translation>このカテゴリの項目は表示できません。</translation>
    </message>
    <message>
        <source>If you go back, the scanning result won&apos;t be saved. Are you sure you want to go back?</source>
        <translation>戻るとスキャン結果は保存されません。戻りますか？</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>メッセージ</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>連絡先</translation>
    </message>
    <message>
        <source>Calendar,
Reminder</source>
        <translation>カレンダー、
リマインダー</translation>
    </message>
    <message>
        <source>Call History</source>
        <translation>通話履歴</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>メモ</translation>
    </message>
    <message>
        <source>Safari History</source>
        <translation>Safari 履歴</translation>
    </message>
    <message>
        <source>Bookmark</source>
        <translation>ブックマーク</translation>
    </message>
    <message>
        <source>Photos &amp;
Videos</source>
        <translation>写真と
ビデオ</translation>
    </message>
    <message>
        <source>Voice Memo</source>
        <translation>ボイスメモ</translation>
    </message>
    <message>
        <source>WeChat</source>
        <translation>WeChat</translation>
    </message>
    <message>
        <source>Safari Cookie</source>
        <translation>Safari Cookie</translation>
    </message>
    <message>
        <source>Safari Cache</source>
        <translation>Safari キャッシュ</translation>
    </message>
    <message>
        <source>Message 
Attachment</source>
        <translation>メッセージの
添付ファイル</translation>
    </message>
    <message>
        <source>Note 
Attachment</source>
        <translation>メモの
添付ファイル</translation>
    </message>
    <message>
        <source>WhatsApp</source>
        <translation>WhatsApp</translation>
    </message>
    <message>
        <source>WhatsApp
Attachments</source>
        <translation>WhatsApp の
添付ファイル</translation>
    </message>
    <message>
        <source>Viber</source>
        <translation>Viber</translation>
    </message>
    <message>
        <source>Kik</source>
        <translation>Kik</translation>
    </message>
    <message>
        <source>Kik 
Attachment</source>
        <translation>Kik の
添付ファイル</translation>
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
    <name>OvWechatView</name>
    <message>
        <source>Unknown</source>
        <translation>不明</translation>
    </message>
    <message>
        <source>WeChat</source>
        <translation>WeChat</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日付</translation>
    </message>
</context>
<context>
    <name>OvWhatsappView</name>
    <message>
        <source>Unknown</source>
        <translation>不明</translation>
    </message>
    <message>
        <source>WhatsApp Attachments</source>
        <translation>WhatsApp の添付ファイル</translation>
    </message>
    <message>
        <source>WhatsApp</source>
        <translation>WhatsApp</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日付</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>サイズ</translation>
    </message>
</context>
<context>
    <name>PhotoView</name>
    <message>
        <source>Select All</source>
        <translation>すべて選択</translation>
    </message>
    <message>
        <source>Photos &amp; Videos</source>
        <translation>写真とビデオ</translation>
    </message>
    <message>
        <source>Unknown date</source>
        <translation>日付不明</translation>
    </message>
    <message>
        <source>Show day</source>
        <translation>日付で絞り込む</translation>
    </message>
    <message>
        <source>All</source>
        <translation>すべて</translation>
    </message>
    <message>
        <source>%1 items</source>
        <translation>%1 項目</translation>
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
    <name>SafariCache</name>
    <message>
        <source>Safari Cache</source>
        <translation>Safari キャッシュ</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>すべて選択</translation>
    </message>
</context>
<context>
    <name>SafariCacheModel</name>
    <message>
        <source>Other</source>
        <translation>その他</translation>
    </message>
    <message>
        <source>%1 B</source>
        <translation>%1 B</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>項目</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>件数</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>サイズ</translation>
    </message>
</context>
<context>
    <name>SafariCookie</name>
    <message>
        <source>Safari Cookie</source>
        <translation>Safari Cookie</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Created</source>
        <translation>作成日時</translation>
    </message>
    <message>
        <source>Expired</source>
        <translation>有効期限</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>サイズ</translation>
    </message>
    <message>
        <source>%1 B</source>
        <translation>%1 B</translation>
    </message>
</context>
<context>
    <name>SafariHistory</name>
    <message>
        <source>Safari History</source>
        <translation>Safari 履歴</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>タイトル</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>URL</translation>
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
    <name>ScanAnalyzeView</name>
    <message>
        <source>Analysis progress</source>
        <translation>分析の進行状況</translation>
    </message>
    <message>
        <source>Loading data, please wait...</source>
        <translation>データを読み込んでいます。しばらくお待ちください...</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>It failed to analyze your device. Please set up your iDevice first. Make sure you can access the Home screen and try it again. (error code: %1)</source>
        <translation>デバイスを分析できませんでした。先に iDevice を設定し、ホーム画面が表示されることを確認してから、もう一度お試しください。（エラーコード：%1）</translation>
    </message>
    <message>
        <source>Your PC doesn&apos;t have enough storage for data processing. Please free up space in the disk which has the most available space and try it again. (error code: %1)</source>
        <translation>パソコンの空き容量が不足しているため、データを処理できません。空き容量が最も多いディスクの容量を解放してから、もう一度お試しください。（エラーコード：%1）</translation>
    </message>
    <message>
        <source>Please unlock your device and tap &quot;Trust&quot; from the pop-up alert on your device before you continue. (error code: %1)</source>
        <translation>続行する前に、デバイスのロックを解除し、デバイスに表示されるメッセージで「信頼」をタップしてください。（エラーコード：%1）</translation>
    </message>
    <message>
        <source>Your iDevice storage is almost full. Please free up your iPhone space and try it again. (error code: %1)</source>
        <translation>iDevice のストレージがほぼいっぱいです。iPhone の容量を解放してから、もう一度お試しください。（エラーコード：%1）</translation>
    </message>
    <message>
        <source>There may be unknown error with your iTunes. Please uninstall and reinstall iTunes to fix. Make sure you have the latest version of iTunes and try it again. (error code: %1)</source>
        <translation>iTunes で不明なエラーが発生している可能性があります。iTunes をアンインストールして再インストールしてください。最新バージョンの iTunes であることを確認してから、もう一度お試しください。（エラーコード：%1）</translation>
    </message>
    <message>
        <source>Data Analysis Failed</source>
        <translation>データの分析に失敗しました</translation>
    </message>
    <message>
        <source>If you stop analyzing, no data will be scanned. Are you sure to stop?</source>
        <translation>分析を停止すると、データはスキャンされません。停止しますか？</translation>
    </message>
    <message>
        <source>Cancelling, please wait a moment ...</source>
        <translation>キャンセルしています。しばらくお待ちください...</translation>
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
<context>
    <name>VoiceMemos</name>
    <message>
        <source>Voice Memo</source>
        <translation>ボイスメモ</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>すべて選択</translation>
    </message>
    <message>
        <source>Check All</source>
        <translation>すべて選択</translation>
    </message>
    <message>
        <source>Uncheck All</source>
        <translation>すべて選択解除</translation>
    </message>
</context>
<context>
    <name>WeChatContentShow</name>
    <message>
        <source>[Picture]</source>
        <translation>[画像]</translation>
    </message>
    <message>
        <source>[Voice]</source>
        <translation>[音声]</translation>
    </message>
    <message>
        <source>[Video]</source>
        <translation>[ビデオ]</translation>
    </message>
    <message>
        <source>[Voice call]</source>
        <translation>[音声通話]</translation>
    </message>
    <message>
        <source>[Red packet]</source>
        <translation>[紅包]</translation>
    </message>
    <message>
        <source>[Location]</source>
        <translation>[位置情報]</translation>
    </message>
    <message>
        <source>[Business card]</source>
        <translation>[名刺]</translation>
    </message>
</context>
</TS>
