<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>AppManagerSubWidget</name>
    <message>
        <source>Select</source>
        <translation>选择</translation>
    </message>
</context>
<context>
    <name>AppManagerView</name>
    <message>
        <source>App</source>
        <translation>应用</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>版本</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>大小</translation>
    </message>
    <message>
        <source>Removing</source>
        <translation>正在移除</translation>
    </message>
    <message>
        <source>Removed</source>
        <translation>已移除</translation>
    </message>
    <message>
        <source>Apps</source>
        <translation>应用</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>全选</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>返回</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>移除</translation>
    </message>
    <message>
        <source>Remove the selected apps?</source>
        <translation>移除所选应用？</translation>
    </message>
    <message>
        <source>Byte</source>
        <translation>字节</translation>
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
        <translation>选择</translation>
    </message>
</context>
<context>
    <name>BookMarkView</name>
    <message>
        <source>Bookmark</source>
        <translation>书签</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>标题</translation>
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
        <translation>备份密码</translation>
    </message>
    <message>
        <source>Your iTunes backup had been password-encrypted. Please enter your password here to decrypt it. </source>
        <translation>您的 iTunes 备份已设置密码加密。请在此处输入密码进行解密。 </translation>
    </message>
    <message>
        <source>  Password</source>
        <translation>  密码</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>密码</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>返回</translation>
    </message>
    <message>
        <source>Password can not be empty!</source>
        <translation>密码不能为空！</translation>
    </message>
</context>
<context>
    <name>CEraseDataWid</name>
    <message>
        <source>Message</source>
        <translation>信息</translation>
    </message>
    <message>
        <source>Call History</source>
        <translation>通话记录</translation>
    </message>
    <message>
        <source>Safari Cookie</source>
        <translation>Safari Cookie</translation>
    </message>
    <message>
        <source>Safari Cache</source>
        <translation>Safari 缓存</translation>
    </message>
    <message>
        <source>Safari History</source>
        <translation>Safari 历史记录</translation>
    </message>
    <message>
        <source>Photo &amp; Videos</source>
        <translation>照片和视频</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>备忘录</translation>
    </message>
    <message>
        <source>Message Attachment</source>
        <translation>信息附件</translation>
    </message>
    <message>
        <source>Note Attachment</source>
        <translation>备忘录附件</translation>
    </message>
    <message>
        <source>WhatsApp</source>
        <translation>WhatsApp</translation>
    </message>
    <message>
        <source>WhatsApp Attachments</source>
        <translation>WhatsApp 附件</translation>
    </message>
    <message>
        <source>WeChat</source>
        <translation>微信</translation>
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
        <translation>Kik 附件</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>联系人</translation>
    </message>
    <message>
        <source>Calendar , Reminder</source>
        <translation>日历、提醒事项</translation>
    </message>
    <message>
        <source>Bookmark</source>
        <translation>书签</translation>
    </message>
    <message>
        <source>Voice Memo</source>
        <translation>语音备忘录</translation>
    </message>
    <message>
        <source>Warning:To avoid damage to thie device,please don&apos;t disconnect the device while erasing. </source>
        <translation>警告：为避免损坏设备，擦除期间请勿断开设备连接。 </translation>
    </message>
    <message>
        <source>The erase deleted data:</source>
        <translation>已擦除的已删除数据：</translation>
    </message>
    <message>
        <source>The App fragment erased:</source>
        <translation>已擦除的应用碎片：</translation>
    </message>
    <message>
        <source>The erase private data:</source>
        <translation>已擦除的隐私数据：</translation>
    </message>
</context>
<context>
    <name>CacheCleanProcessView</name>
    <message>
        <source>Clearing temporary files. Please do not use the device to avoid any problems.</source>
        <translation>正在清理临时文件。为避免出现问题，请勿使用设备。</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>About %1 Minute(s)</source>
        <translation>约 %1 分钟</translation>
    </message>
    <message>
        <source>If you stop clearing, some data won&apos;t be deleted. Are you sure you want to stop?</source>
        <translation>如果停止清理，部分数据将不会被删除。确定要停止吗？</translation>
    </message>
</context>
<context>
    <name>CallLogView</name>
    <message>
        <source>Call History</source>
        <translation>通话记录</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Phone Number</source>
        <translation>电话号码</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>类型</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>未知</translation>
    </message>
    <message>
        <source>incoming</source>
        <translation>呼入</translation>
    </message>
    <message>
        <source>outgoing</source>
        <translation>呼出</translation>
    </message>
    <message>
        <source>outgoing facetime</source>
        <translation>FaceTime 呼出</translation>
    </message>
    <message>
        <source>imcoming facetime missed</source>
        <translation>FaceTime 未接来电</translation>
    </message>
    <message>
        <source>imcoming missed</source>
        <translation>未接来电</translation>
    </message>
</context>
<context>
    <name>CallendarView</name>
    <message>
        <source>Calendar</source>
        <translation>日历</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>标题</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>地点</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>Ends</source>
        <translation>结束</translation>
    </message>
    <message>
        <source>Title: </source>
        <translation>标题： </translation>
    </message>
    <message>
        <source>Note: </source>
        <translation>备注： </translation>
    </message>
</context>
<context>
    <name>ChatPane</name>
    <message>
        <source>No messages</source>
        <translation>无消息</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>收件人：</translation>
    </message>
</context>
<context>
    <name>CommonImgCtrl</name>
    <message>
        <source>Select</source>
        <translation>选择</translation>
    </message>
</context>
<context>
    <name>CompleteEraseView</name>
    <message>
        <source>Device</source>
        <translation>设备</translation>
    </message>
    <message>
        <source>Start unrecoverable erasing   </source>
        <translation>开始不可恢复擦除   </translation>
    </message>
    <message>
        <source>1. You may get the notice &amp;quot;Storage Almost Full&amp;quot; prompt on the device. Please don&apos;t worry, tap &amp;quot;Done&amp;quot; to continue.</source>
        <translation>1. 设备上可能会出现“储存空间几乎已满”提示。请不必担心，轻点“完成”即可继续。</translation>
    </message>
    <message>
        <source>2. Please don&apos;t disconnect the device.</source>
        <translation>2. 请勿断开设备连接。</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>进度</translation>
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
        <translation>抱歉，填充失败！（错误代码：%1）</translation>
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
        <translation>中断不可恢复的擦除过程可能会损坏您的数据或设备。确定要立即停止吗？</translation>
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
        <translation>未知</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>联系人</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>公司</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>电话</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>电子邮件</translation>
    </message>
    <message>
        <source>unknow</source>
        <translation>未知</translation>
    </message>
    <message>
        <source>Phone : </source>
        <translation>电话： </translation>
    </message>
    <message>
        <source>Email : </source>
        <translation>电子邮件： </translation>
    </message>
</context>
<context>
    <name>DevConnectNullView</name>
    <message>
        <source>Please Connect Your iOS Device to PC</source>
        <translation>请将 iOS 设备连接到电脑</translation>
    </message>
    <message>
        <source>Is your iDevice not being recognized?</source>
        <translation>设备无法识别？</translation>
    </message>
</context>
<context>
    <name>DevConnectView</name>
    <message>
        <source>Connecting the device, please wait for a moment...</source>
        <translation>正在连接设备，请稍候...</translation>
    </message>
</context>
<context>
    <name>DeviceConnectNullTipDialog</name>
    <message>
        <source>Your device is connected but unrecognized? Please try the following methods:</source>
        <translation>设备已连接但无法识别？请尝试以下方法：</translation>
    </message>
    <message>
        <source>Resolve Connection Issues&gt;&gt;</source>
        <translation>解决连接问题&gt;&gt;</translation>
    </message>
    <message>
        <source>More Methods</source>
        <translation>更多方法</translation>
    </message>
    <message>
        <source>If your device boots up and is plugged via USB in PC</source>
        <translation>如果设备已开机并通过 USB 连接到电脑</translation>
    </message>
    <message>
        <source>1. Ensure the latest version of iTunes is installed. Check if iTunes could recognize your device. Try to uninstall and reinstall iTunes. </source>
        <translation>1. 确保已安装最新版本的 iTunes，并检查 iTunes 能否识别您的设备。可尝试卸载后重新安装 iTunes。 </translation>
    </message>
    <message>
        <source>2. Unplug and re-plug in the device. Reboot the device and plug in again.</source>
        <translation>2. 拔下设备后重新连接。重启设备后再次连接。</translation>
    </message>
    <message>
        <source>3. Use the USB cable that comes with your iDevice.  Try to use a USB port on the back of your computer.</source>
        <translation>3. 使用设备随附的 USB 数据线，并尽量使用电脑背面的 USB 接口。</translation>
    </message>
</context>
<context>
    <name>DeviceInfoWidget</name>
    <message>
        <source>%1: %2 free of %3</source>
        <translation>%1：%3 中可用 %2</translation>
    </message>
    <message>
        <source>%1GB</source>
        <comment>gigabytes</comment>
        <translation>%1GB</translation>
    </message>
    <message>
        <source>Total %1</source>
        <comment>space</comment>
        <translation>总容量 %1</translation>
    </message>
    <message>
        <source>Free %1</source>
        <comment>space</comment>
        <translation>可用 %1</translation>
    </message>
    <message>
        <source>Used %1</source>
        <comment>space</comment>
        <translation>已用 %1</translation>
    </message>
</context>
<context>
    <name>DeviceRestartView</name>
    <message>
        <source>Device</source>
        <translation>设备</translation>
    </message>
    <message>
        <source>Analying data,please wait...</source>
        <translation>正在分析数据，请稍候...</translation>
    </message>
    <message>
        <source>Erasing data, please wait...</source>
        <translation>正在擦除数据，请稍候...</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>进度</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Nothing was selected, so nothing was erased.</source>
        <translation>未选择任何内容，因此未擦除任何数据。</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>注意</translation>
    </message>
    <message>
        <source>Restarting device,please wait...</source>
        <translation>正在重启设备，请稍候...</translation>
    </message>
    <message>
        <source>Your iDevice doesn&apos;t have enough storage to process data. Please free up your device space and try it again. (error code: %1)</source>
        <translation>您的 iDevice 储存空间不足，无法处理数据。请释放设备空间后重试。（错误代码：%1）</translation>
    </message>
    <message>
        <source>There may be unknown error with your iTunes. Please uninstall and reinstall iTunes to fix. Make sure you have the latest version of iTunes and try it again. (error code: %1)</source>
        <translation>iTunes 可能出现了未知错误。请卸载并重新安装 iTunes 进行修复，确保使用最新版本的 iTunes 后重试。（错误代码：%1）</translation>
    </message>
    <message>
        <source>Data Erasing Failed</source>
        <translation>数据擦除失败</translation>
    </message>
    <message>
        <source>Restarting device, please wait...</source>
        <translation>正在重启设备，请稍候...</translation>
    </message>
    <message>
        <source>It may damage your data or device if you stop restarting. Are you sure you want to stop now?</source>
        <translation>中断重启可能会损坏您的数据或设备。确定要立即停止吗？</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Cancelling, please wait a moment ...</source>
        <translation>正在取消，请稍候...</translation>
    </message>
    <message>
        <source>Connection timeout! Please simply disconnect your iDevice and reconnect it. Kindly wait for it to continue.</source>
        <translation>连接超时！请断开 iDevice 并重新连接，然后稍候，程序将自动继续。</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>EraseAllDataFailureView</name>
    <message>
        <source>Data Deletion</source>
        <translation>数据删除</translation>
    </message>
    <message>
        <source>             Erase private data and system settings</source>
        <translation>             擦除隐私数据和系统设置</translation>
    </message>
    <message>
        <source>Data Erasure</source>
        <translation>数据擦除</translation>
    </message>
    <message>
        <source>             Fill the empty space on the device</source>
        <translation>             填充设备上的可用空间</translation>
    </message>
    <message>
        <source>        Failed to erase some of the data: </source>
        <translation>        部分数据擦除失败： </translation>
    </message>
    <message>
        <source>Why failed?</source>
        <translation>为什么会失败？</translation>
    </message>
    <message>
        <source>   Home</source>
        <translation>   首页</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>首页</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>已完成</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>失败</translation>
    </message>
    <message>
        <source>Operation stopped by user</source>
        <translation>操作已被用户停止</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>已停止</translation>
    </message>
    <message>
        <source>Not started</source>
        <translation>未开始</translation>
    </message>
    <message>
        <source>Operation error</source>
        <translation>操作出错</translation>
    </message>
    <message>
        <source>Not chosen</source>
        <translation>未选择</translation>
    </message>
</context>
<context>
    <name>EraseAllDataFinishedView</name>
    <message>
        <source>Done</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>Share it with your friends:</source>
        <translation>分享给好友：</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>分享</translation>
    </message>
    <message>
        <source>Share on Facebook</source>
        <translation>分享到 Facebook</translation>
    </message>
    <message>
        <source>Share on Twitter</source>
        <translation>分享到 Twitter</translation>
    </message>
    <message>
        <source>Share on Google</source>
        <translation>分享到 Google</translation>
    </message>
    <message>
        <source>All the data has been erased.</source>
        <translation>所有数据均已擦除。</translation>
    </message>
</context>
<context>
    <name>EraseAllDataProcessView</name>
    <message>
        <source>Erase progress</source>
        <translation>擦除进度</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Scanning, please wait...</source>
        <translation>正在扫描，请稍候...</translation>
    </message>
    <message>
        <source>Restarting device, please wait...</source>
        <translation>正在重启设备，请稍候...</translation>
    </message>
    <message>
        <source>Erasing, please wait...</source>
        <translation>正在擦除，请稍候...</translation>
    </message>
    <message>
        <source>It may damage your data or device, if you stop. Are you sure you want to stop now?</source>
        <translation>现在停止可能会损坏您的数据或设备。确定要立即停止吗？</translation>
    </message>
    <message>
        <source>It may damage your data or device if you stop restarting. Are you sure you want to stop now?</source>
        <translation>中断重启可能会损坏您的数据或设备。确定要立即停止吗？</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Cancelling, please wait a moment ...</source>
        <translation>正在取消，请稍候...</translation>
    </message>
</context>
<context>
    <name>EraseAllDataView</name>
    <message>
        <source>Erase All Data</source>
        <translation>擦除所有数据</translation>
    </message>
    <message>
        <source>1. Please close all background apps, such as Music, Navigation, etc.</source>
        <translation>1. 请关闭所有后台应用，如音乐、导航等。</translation>
    </message>
    <message>
        <source>2. If there are any apps updating on the device, please wait for them to complete.</source>
        <translation>2. 如果设备上有应用正在更新，请等待更新完成。</translation>
    </message>
    <message>
        <source>3. Please make sure you have backed up any needed data.</source>
        <translation>3. 请确保已备份所有需要的数据。</translation>
    </message>
    <message>
        <source>Security Level:</source>
        <translation>安全级别：</translation>
    </message>
    <message>
        <source>Please type</source>
        <translation>请输入</translation>
    </message>
    <message>
        <source>&apos;delete&apos;</source>
        <translation>“删除”</translation>
    </message>
    <message>
        <source>to confirm.</source>
        <translation>以确认。</translation>
    </message>
    <message>
        <source>     Home</source>
        <translation>     首页</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>首页</translation>
    </message>
    <message>
        <source>Erase Now</source>
        <translation>立即擦除</translation>
    </message>
    <message>
        <source>delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Sorry, the input is not correct. Please type &quot;delete&quot; again.</source>
        <translation>抱歉，输入不正确。请重新输入“删除”。</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>注意</translation>
    </message>
    <message>
        <source>This will completely erase all data of your device. Are you sure you want to continue?</source>
        <translation>此操作将彻底擦除设备上的所有数据。确定要继续吗？</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>继续</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>The device is not connected. Please connect it and try again.</source>
        <translation>设备未连接。请连接设备后重试。</translation>
    </message>
</context>
<context>
    <name>EraseDataView</name>
    <message>
        <source>Erasing data...</source>
        <translation>正在擦除数据...</translation>
    </message>
    <message>
        <source>Erase progress</source>
        <translation>擦除进度</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>It may damage your data or device if you stop erasing. Are you sure you want to stop now?</source>
        <translation>中断擦除可能会损坏您的数据或设备。确定要立即停止吗？</translation>
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
        <translation>照片</translation>
    </message>
</context>
<context>
    <name>EraseListView</name>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>大小</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>未知</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>文本</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>Message Attachment</source>
        <translation>信息附件</translation>
    </message>
    <message>
        <source>Note Attachment</source>
        <translation>备忘录附件</translation>
    </message>
    <message>
        <source>Kik Attachment</source>
        <translation>Kik 附件</translation>
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
        <translation>擦除已删除文件</translation>
    </message>
    <message>
        <source>1. Please close all background apps, such as Music, Navigation, etc.</source>
        <translation>1. 请关闭所有后台应用，如音乐、导航等。</translation>
    </message>
    <message>
        <source>2. If there are any apps updating on the device, please wait for them to complete.</source>
        <translation>2. 如果设备上有应用正在更新，请等待更新完成。</translation>
    </message>
    <message>
        <source>3. Please make sure you have backed up any needed data.</source>
        <translation>3. 请确保已备份所有需要的数据。</translation>
    </message>
    <message>
        <source>Security Level:</source>
        <translation>安全级别：</translation>
    </message>
    <message>
        <source>Please type</source>
        <translation>请输入</translation>
    </message>
    <message>
        <source>&apos;delete&apos;</source>
        <translation>“删除”</translation>
    </message>
    <message>
        <source>to confirm.</source>
        <translation>以确认。</translation>
    </message>
    <message>
        <source>Type &apos;delete&apos; to confirm</source>
        <translation>输入“删除”以确认</translation>
    </message>
    <message>
        <source>      Back</source>
        <translation>      返回</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>返回</translation>
    </message>
    <message>
        <source>Erase Now</source>
        <translation>立即擦除</translation>
    </message>
    <message>
        <source>Security Level: %1</source>
        <translation>安全级别：%1</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Sorry, the input is not correct. Please type &quot;delete&quot; again.</source>
        <translation>抱歉，输入不正确。请重新输入“删除”。</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>注意</translation>
    </message>
    <message>
        <source>Error index when posting task:%1</source>
        <translation>提交任务时索引错误：%1</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>测试</translation>
    </message>
    <message>
        <source>messages of conversations that still exist</source>
        <translation>现有对话中的信息</translation>
    </message>
    <message>
        <source>contacts</source>
        <translation>联系人</translation>
    </message>
    <message>
        <source>calendar events and reminders</source>
        <translation>日历事件和提醒事项</translation>
    </message>
    <message>
        <source>bookmarks</source>
        <translation>书签</translation>
    </message>
    <message>
        <source>voice memos</source>
        <translation>语音备忘录</translation>
    </message>
    <message>
        <source>Deleted %1 can only be erased all at once. Please tick all of them or none, then try again.</source>
        <translation>以下已删除数据只能一次性全部擦除：%1。请全部勾选或全部不勾选，然后重试。</translation>
    </message>
    <message>
        <source>, </source>
        <translation>、 </translation>
    </message>
    <message>
        <source>Nothing is ticked in the checked categories, so there is nothing to erase. Please go back and tick what you want to erase.</source>
        <translation>所选类别中未勾选任何项目，因此没有可擦除的内容。请返回并勾选要擦除的内容。</translation>
    </message>
    <message>
        <source>It will need about %1 minutes to erase data. If you stop when erasing, it may damage your device.  Are you sure to continue?</source>
        <translation>擦除数据大约需要 %1 分钟。擦除过程中停止可能会损坏您的设备。确定要继续吗？</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>继续</translation>
    </message>
    <message>
        <source>The device is not connected. Nothing was erased.</source>
        <translation>设备未连接。未擦除任何数据。</translation>
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
        <translation>扫描</translation>
    </message>
</context>
<context>
    <name>EraseTabPage</name>
    <message>
        <source>Please set up and activate your device first before you use any other function.</source>
        <translation>使用其他功能前，请先设置并激活您的设备。</translation>
    </message>
    <message>
        <source>note</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>your device has not been activated,please set your device!</source>
        <translation>您的设备尚未激活，请先设置设备！</translation>
    </message>
    <message>
        <source>Password is not correct!</source>
        <translation>密码不正确！</translation>
    </message>
</context>
<context>
    <name>EraseTableView</name>
    <message>
        <source>Select all</source>
        <translation>全选</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>详细信息</translation>
    </message>
</context>
<context>
    <name>EraseTipDialog</name>
    <message>
        <source>Notice</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Your backup files had been password-encrypted. Please remove your encryption from iTunes and try it again.</source>
        <translation>您的备份文件已设置密码加密。请在 iTunes 中取消加密后重试。</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>信息</translation>
    </message>
    <message>
        <source>Please disable &quot;Find My iPhone&quot; on your device before you continue.</source>
        <translation>继续之前，请在设备上关闭“查找我的 iPhone”。</translation>
    </message>
    <message>
        <source>You must enter your password to unlock your device before continuing with Velmora Dravo Pro.</source>
        <translation>您必须输入密码解锁设备，才能继续使用 Velmora Dravo Pro。</translation>
    </message>
    <message>
        <source>How to remove your backup encryption?</source>
        <translation>如何取消备份加密？</translation>
    </message>
    <message>
        <source>How do I turn off &quot;Find My iPhone&quot;?</source>
        <translation>如何关闭“查找我的 iPhone”？</translation>
    </message>
    <message>
        <source>This popup still appears even when &quot;Find My iPhone&quot; has been disabled?</source>
        <translation>已关闭“查找我的 iPhone”，仍出现此弹窗？</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>重试</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>继续</translation>
    </message>
</context>
<context>
    <name>ErasingReturnView</name>
    <message>
        <source>Stopped by user</source>
        <translation>已被用户停止</translation>
    </message>
    <message>
        <source>Data Deletion</source>
        <translation>数据删除</translation>
    </message>
    <message>
        <source>Data Erasure</source>
        <translation>数据擦除</translation>
    </message>
    <message>
        <source>             Fill the empty space on the device</source>
        <translation>             填充设备上的可用空间</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>已停止</translation>
    </message>
    <message>
        <source>      Home</source>
        <translation>      首页</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>首页</translation>
    </message>
    <message>
        <source>             Erase the fragments the chosen apps left behind</source>
        <translation>             擦除所选应用残留的碎片</translation>
    </message>
    <message>
        <source>             Erase the selected files</source>
        <translation>             擦除所选文件</translation>
    </message>
    <message>
        <source>             Erase private data and system settings</source>
        <translation>             擦除隐私数据和系统设置</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>已完成</translation>
    </message>
</context>
<context>
    <name>FanShapedWidget</name>
    <message>
        <source>Chart</source>
        <translation>图表</translation>
    </message>
</context>
<context>
    <name>FillDataProcessView</name>
    <message>
        <source>Overwriting all personal data</source>
        <translation>正在覆盖所有个人数据</translation>
    </message>
    <message>
        <source>1. You may see a &quot;Storage Almost Full&quot; prompt on the device. Please don&apos;t worry, tap Ǎone” to continue.</source>
        <translation>1. 设备上可能会出现“储存空间几乎已满”提示。请不必担心，轻点“完成”即可继续。</translation>
    </message>
    <message>
        <source>2. Please don’t disconnect the device.</source>
        <translation>2. 请勿断开设备连接。</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Estimated time: 60 minutes</source>
        <translation>预计时间：60 分钟</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Estimated time: 1 minutes</source>
        <translation>预计时间：1 分钟</translation>
    </message>
    <message>
        <source>Estimated time: %1 minutes</source>
        <translation>预计时间：%1 分钟</translation>
    </message>
    <message>
        <source>It may damage your data or device if you stop the unrecoverable erasing process. Are you sure you want to stop now?</source>
        <translation>中断不可恢复的擦除过程可能会损坏您的数据或设备。确定要立即停止吗？</translation>
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
        <translation>恭喜！压缩成功。</translation>
    </message>
    <message>
        <source>Cleanup stopped!</source>
        <translation>清理已停止！</translation>
    </message>
    <message>
        <source>Congratulations! Cleanup completed.</source>
        <translation>恭喜！清理完成。</translation>
    </message>
    <message>
        <source>Open Backup Folder</source>
        <translation>打开备份文件夹</translation>
    </message>
    <message>
        <source>Compress stopped!</source>
        <translation>压缩已停止！</translation>
    </message>
    <message>
        <source>Congratulations! Deleted successfully.</source>
        <translation>恭喜！删除成功。</translation>
    </message>
    <message>
        <source>Open Export Folder</source>
        <translation>打开导出文件夹</translation>
    </message>
    <message>
        <source>Congratulations! Exported successfully.</source>
        <translation>恭喜！导出成功。</translation>
    </message>
    <message>
        <source>There is no large file to be deleted on your device.</source>
        <translation>您的设备上没有可删除的大文件。</translation>
    </message>
    <message>
        <source>All selected apps have been removed.</source>
        <translation>所选应用均已移除。</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>继续</translation>
    </message>
    <message>
        <source>Share it with your friends:</source>
        <translation>分享给好友：</translation>
    </message>
    <message>
        <source>Share on Facebook</source>
        <translation>分享到 Facebook</translation>
    </message>
    <message>
        <source>Share on Twitter</source>
        <translation>分享到 Twitter</translation>
    </message>
    <message>
        <source>Share on Google</source>
        <translation>分享到 Google</translation>
    </message>
    <message>
        <source>Crestline</source>
        <translation>Crestline</translation>
    </message>
    <message>
        <source>Byte</source>
        <translation>字节</translation>
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
        <translation>已释放 %1！</translation>
    </message>
    <message>
        <source>%1 has been released.</source>
        <translation>已释放 %1。</translation>
    </message>
    <message>
        <source>Want to transfer music between iDevice and PC/iTunes, try &lt;a href=&quot;crestline&quot; style=&quot;color:#5695e8;&quot;&gt;Crestline&lt;/a&gt;.</source>
        <translation>想在 iDevice 和电脑/iTunes 之间传输音乐？试试 &lt;a href=&quot;crestline&quot; style=&quot;color:#5695e8;&quot;&gt;Crestline&lt;/a&gt;。</translation>
    </message>
</context>
<context>
    <name>ImageCompressionScanReslut</name>
    <message>
        <source>Backup &amp; Compress</source>
        <translation>备份并压缩</translation>
    </message>
    <message>
        <source>Export &amp; Delete</source>
        <translation>导出并删除</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>返回</translation>
    </message>
    <message>
        <source>Lossless compression to free up about 75% of your camera’s photo space.</source>
        <translation>无损压缩，可释放相机照片约 75% 的空间。</translation>
    </message>
    <message>
        <source>Export selected photos to PC and delete them from iOS device to save more space.</source>
        <translation>将所选照片导出到电脑并从 iOS 设备中删除，以节省更多空间。</translation>
    </message>
    <message>
        <source>Before (26MB)</source>
        <translation>压缩前 (26MB)</translation>
    </message>
    <message>
        <source>After (1.2MB)</source>
        <translation>压缩后 (1.2MB)</translation>
    </message>
    <message>
        <source>&lt;font color = &apos;%1&apos;&gt;%2&lt;/font&gt; space can be saved by lossless photo compression.</source>
        <translation>无损压缩照片可节省 &lt;font color = &apos;%1&apos;&gt;%2&lt;/font&gt; 空间。</translation>
    </message>
    <message>
        <source>Export and deletion of photos can help you save up to &lt;font color = &apos;%1&apos;&gt;%2&lt;/font&gt;</source>
        <translation>导出并删除照片最多可节省 &lt;font color = &apos;%1&apos;&gt;%2&lt;/font&gt;</translation>
    </message>
    <message>
        <source>The last compression saved %1.</source>
        <translation>上次压缩节省了 %1。</translation>
    </message>
    <message>
        <source>Byte</source>
        <translation>字节</translation>
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
        <translation>全选</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>返回</translation>
    </message>
    <message>
        <source>Export Only</source>
        <translation>仅导出</translation>
    </message>
    <message>
        <source>Backup &amp; Delete</source>
        <translation>备份并删除</translation>
    </message>
    <message>
        <source>Select the chosen date</source>
        <translation>选择该日期的照片</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>Byte</source>
        <translation>字节</translation>
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
        <translation>导出并删除所有照片最多可节省 %1</translation>
    </message>
    <message>
        <source>%1 photos selected to save %2</source>
        <translation>已选择 %1 张照片，可节省 %2</translation>
    </message>
</context>
<context>
    <name>ImagePreviewControls</name>
    <message>
        <source>%1 photos</source>
        <translation>%1 张照片</translation>
    </message>
    <message>
        <source>Byte</source>
        <translation>字节</translation>
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
        <translation>%1，%2</translation>
    </message>
</context>
<context>
    <name>ImagePreviewScrollAreaStyle</name>
    <message>
        <source>Photos</source>
        <translation>照片</translation>
    </message>
</context>
<context>
    <name>JunkCleanScanResultView</name>
    <message>
        <source>Byte</source>
        <translation>字节</translation>
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
        <translation>崩溃日志</translation>
    </message>
    <message>
        <source>Clear redundant system usage reports and application crash logs which are generated by iOS.</source>
        <translation>清除 iOS 生成的多余系统使用报告和应用崩溃日志。</translation>
    </message>
    <message>
        <source>Photo Caches</source>
        <translation>照片缓存</translation>
    </message>
    <message>
        <source>Delete Camera Roll, Photo Stream and Photo Library cache files which are created by third-party apps.</source>
        <translation>删除第三方应用生成的相机胶卷、照片流和照片图库缓存文件。</translation>
    </message>
    <message>
        <source>Downloaded Temp Files</source>
        <translation>下载临时文件</translation>
    </message>
    <message>
        <source>Remove those corrupted files which are produced due to the interruption whilst downloading and still remain in the temp file folder.</source>
        <translation>移除因下载中断而产生、仍残留在临时文件夹中的损坏文件。</translation>
    </message>
    <message>
        <source>User Storage Files</source>
        <translation>用户存储文件</translation>
    </message>
    <message>
        <source>Eliminate the temp files in User Storage Directory which were generated by third-party apps.</source>
        <translation>清除第三方应用在用户存储目录中生成的临时文件。</translation>
    </message>
    <message>
        <source>iTunes Caches</source>
        <translation>iTunes 缓存</translation>
    </message>
    <message>
        <source>Clear up the incomplete files and traces produced when iTunes failed to sync.</source>
        <translation>清除 iTunes 同步失败时产生的不完整文件和痕迹。</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>返回</translation>
    </message>
    <message>
        <source>Clean</source>
        <translation>清理</translation>
    </message>
    <message>
        <source>%1 can be released.</source>
        <comment>%1 is a size</comment>
        <translation>可释放 %1。</translation>
    </message>
</context>
<context>
    <name>LanguageSelectView</name>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>Please select a language</source>
        <translation>请选择语言</translation>
    </message>
    <message>
        <source>The progam will restart to apply your changes. Please wait.</source>
        <translation>程序将重新启动以应用更改，请稍候。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>LargeFilesCleanCheckBox</name>
    <message>
        <source>Select</source>
        <translation>选择</translation>
    </message>
</context>
<context>
    <name>LargeFilesCleanPhotoIcon</name>
    <message>
        <source>Thumbnail</source>
        <translation>缩略图</translation>
    </message>
</context>
<context>
    <name>LargeFilesCleanView</name>
    <message>
        <source>Thumbnail</source>
        <translation>缩略图</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>格式</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>大小</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>显示</translation>
    </message>
    <message>
        <source>File above</source>
        <translation>文件大于</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>Large files</source>
        <translation>大文件</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>全选</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>返回</translation>
    </message>
    <message>
        <source>Export Only</source>
        <translation>仅导出</translation>
    </message>
    <message>
        <source>Back Up &amp; Delete</source>
        <translation>备份并删除</translation>
    </message>
    <message>
        <source>All</source>
        <translation>全部</translation>
    </message>
    <message numerus="yes">
        <source>%n of the checked files are hidden by the filters. Back up and delete them as well?
&quot;Yes&quot; deletes every checked file, &quot;No&quot; only the files shown.</source>
        <translation>
            <numerusform>已勾选的文件中有 %n 个被筛选条件隐藏。是否也备份并删除这些文件？
选择“是”将删除所有已勾选的文件，选择“否”仅删除显示的文件。</numerusform>
        </translation>
    </message>
    <message>
        <source>Byte</source>
        <translation>字节</translation>
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
        <translation>正在导出照片，为避免出现异常，请勿使用设备。</translation>
    </message>
    <message>
        <source>Deleting photos, please do not use the device to avoid any abnormity.</source>
        <translation>正在删除照片，为避免出现异常，请勿使用设备。</translation>
    </message>
    <message>
        <source>Deleting large files, please do not use the device to avoid any abnormity.</source>
        <translation>正在删除大文件，为避免出现异常，请勿使用设备。</translation>
    </message>
    <message>
        <source>Exporting large files, please do not use the device to avoid any abnormity.</source>
        <translation>正在导出大文件，为避免出现异常，请勿使用设备。</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>进度</translation>
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
        <translation>反馈</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>工具</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Tutorial</source>
        <translation>教程</translation>
    </message>
    <message>
        <source>Frequently Asked Questions</source>
        <translation>常见问题</translation>
    </message>
    <message>
        <source>Write a Product Review</source>
        <translation>撰写产品评价</translation>
    </message>
    <message>
        <source>Contact Us</source>
        <translation>联系我们</translation>
    </message>
    <message>
        <source>View Facebook Fan Page</source>
        <translation>访问 Facebook 主页</translation>
    </message>
    <message>
        <source>Follow Us on Twitter</source>
        <translation>在 Twitter 上关注我们</translation>
    </message>
    <message>
        <source>Set Security Level</source>
        <translation>设置安全级别</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>检查更新</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>1-Click
 Free Up Space</source>
        <translation>一键
释放空间</translation>
    </message>
    <message>
        <source>Erase All Data</source>
        <translation>擦除所有数据</translation>
    </message>
    <message>
        <source>Erase Deleted Files</source>
        <translation>擦除已删除文件</translation>
    </message>
    <message>
        <source>Erase Private Data</source>
        <translation>擦除隐私数据</translation>
    </message>
    <message>
        <source>Erase Private Fragments</source>
        <translation>擦除隐私碎片</translation>
    </message>
    <message>
        <source>If you leave, the scanning result won&apos;t be saved. Are you sure you want to leave?</source>
        <translation>离开后扫描结果将不会保存。确定要离开吗？</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>PostConnectDevTask error!</source>
        <translation>PostConnectDevTask 出错！</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Please unlock the device and trust the connection if needed. Then click Continue.</source>
        <translation>请解锁设备，如有提示请信任此电脑，然后点击“继续”。</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>继续</translation>
    </message>
    <message>
        <source>you should trust the device!</source>
        <translation>您需要信任此设备！</translation>
    </message>
    <message>
        <source>slotConnToDev return value false!</source>
        <translation>slotConnToDev 返回 false！</translation>
    </message>
    <message>
        <source>Don&apos;t start iTunes and sync files when running the program to avoid data overwriting.</source>
        <translation>程序运行期间请勿启动 iTunes 或同步文件，以免数据被覆盖。</translation>
    </message>
    <message>
        <source>Velmora Dravo Pro</source>
        <translation>Velmora Dravo Pro</translation>
    </message>
    <message>
        <source>Are you sure you want to exit the program?</source>
        <translation>确定要退出程序吗？</translation>
    </message>
</context>
<context>
    <name>MessageView</name>
    <message>
        <source>Unknown</source>
        <translation>未知</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>信息</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>Text Message</source>
        <translation>短信</translation>
    </message>
    <message>
        <source>Text Messages</source>
        <translation>短信</translation>
    </message>
</context>
<context>
    <name>Note</name>
    <message>
        <source>Note</source>
        <translation>备忘录</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>标题</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>Detail</source>
        <translation>详情</translation>
    </message>
    <message>
        <source>Time: </source>
        <translation>时间： </translation>
    </message>
    <message>
        <source>Title: </source>
        <translation>标题： </translation>
    </message>
    <message>
        <source>Note: </source>
        <translation>备忘录： </translation>
    </message>
</context>
<context>
    <name>OneKeyCleanResultView</name>
    <message>
        <source>Byte</source>
        <translation>字节</translation>
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
        <translation>垃圾文件：</translation>
    </message>
    <message>
        <source>Temporary Files:</source>
        <translation>临时文件：</translation>
    </message>
    <message>
        <source>Too few temporary files on your iPhone to clean.</source>
        <translation>iPhone 上的临时文件太少，无需清理。</translation>
    </message>
    <message>
        <source>Photos:</source>
        <translation>照片：</translation>
    </message>
    <message>
        <source>Large Files:</source>
        <translation>大文件：</translation>
    </message>
    <message>
        <source>Apps:</source>
        <translation>应用：</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>返回</translation>
    </message>
    <message>
        <source>Rescan</source>
        <translation>重新扫描</translation>
    </message>
    <message>
        <source>If you go back, the scanning result won&apos;t be saved. Are you sure you want to go back?</source>
        <translation>返回后扫描结果将不会保存。确定要返回吗？</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>About %1</source>
        <comment>approximately, %1 is a size</comment>
        <translation>约 %1</translation>
    </message>
    <message>
        <source>You can save up to %1</source>
        <comment>%1 is a size</comment>
        <translation>最多可节省 %1</translation>
    </message>
    <message>
        <source>%1 More can be freed up.</source>
        <comment>%1 is a size</comment>
        <translation>还可释放 %1。</translation>
    </message>
    <message>
        <source>%1 has been released!</source>
        <comment>%1 is a size</comment>
        <translation>已释放 %1！</translation>
    </message>
</context>
<context>
    <name>OneKeyCleanView</name>
    <message>
        <source>Byte</source>
        <translation>字节</translation>
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
        <translation>一键释放空间</translation>
    </message>
    <message>
        <source>Quick Scan</source>
        <translation>快速扫描</translation>
    </message>
    <message>
        <source>Or scan one category:</source>
        <translation>或扫描单个类别：</translation>
    </message>
    <message>
        <source>Junk Files</source>
        <translation>垃圾文件</translation>
    </message>
    <message>
        <source>Temp Files</source>
        <translation>临时文件</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>照片</translation>
    </message>
    <message>
        <source>Large Files</source>
        <translation>大文件</translation>
    </message>
    <message>
        <source>Apps</source>
        <translation>应用</translation>
    </message>
    <message>
        <source>None</source>
        <translation>从未</translation>
    </message>
    <message>
        <source>Last use:</source>
        <translation>上次使用：</translation>
    </message>
    <message>
        <source>Total space released:</source>
        <translation>累计释放空间：</translation>
    </message>
</context>
<context>
    <name>OneKeyCommon</name>
    <message>
        <source>If you go back, the scanning result won&apos;t be saved. Are you sure you want to go back?</source>
        <translation>返回后扫描结果将不会保存。确定要返回吗？</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>The device is not connected. Please connect it and try again.</source>
        <translation>设备未连接。请连接设备后重试。</translation>
    </message>
    <message>
        <source>Scan completed! No need for further cleaning.</source>
        <translation>扫描完成！无需进一步清理。</translation>
    </message>
</context>
<context>
    <name>OneScanResultSubWidget</name>
    <message>
        <source>Byte</source>
        <translation>字节</translation>
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
        <translation>清理</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完成</translation>
    </message>
</context>
<context>
    <name>OvAbout</name>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Permanently Erase Your Private Data from iPhone/iPad/iPod!</source>
        <translation>从 iPhone/iPad/iPod 永久擦除您的隐私数据！</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>版本 %1</translation>
    </message>
    <message>
        <source>Copyright © %1 Velmora Software. All rights reserved.</source>
        <translation>Copyright © %1 Velmora Software。保留所有权利。</translation>
    </message>
</context>
<context>
    <name>OvEraseAllDataModel</name>
    <message>
        <source>Erase All Data </source>
        <translation>擦除所有数据 </translation>
    </message>
    <message>
        <source>Erase all data permanently and keep your private data completely gone.</source>
        <translation>永久擦除所有数据，让您的隐私数据彻底消失。</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>擦除</translation>
    </message>
    <message>
        <source>All the data has been erased.</source>
        <translation>所有数据均已擦除。</translation>
    </message>
    <message>
        <source>Data Analysis Failed</source>
        <translation>数据分析失败</translation>
    </message>
    <message>
        <source>It failed to erasing data for unknown error. Please restart this program and try it again. (error code: %1)</source>
        <translation>因未知错误，数据擦除失败。请重新启动本程序后重试。（错误代码：%1）</translation>
    </message>
    <message>
        <source>Data Erasing Failed</source>
        <translation>数据擦除失败</translation>
    </message>
</context>
<context>
    <name>OvEraseDeletedFilesModel</name>
    <message>
        <source>Erase Deleted Files </source>
        <translation>擦除已删除文件 </translation>
    </message>
    <message>
        <source>Erase deleted files outright and your secrets are gone forever.</source>
        <translation>彻底擦除已删除的文件，让您的秘密永远消失。</translation>
    </message>
    <message>
        <source>Erase Deleted Files</source>
        <translation>擦除已删除文件</translation>
    </message>
    <message>
        <source>Selected files have been erased thoroughly.</source>
        <translation>所选文件已彻底擦除。</translation>
    </message>
</context>
<context>
    <name>OvEraseFragmentDataModel</name>
    <message>
        <source>Erase Incomplete Private Fragments</source>
        <translation>擦除残留隐私碎片</translation>
    </message>
    <message>
        <source>The most complete and in-depth erasure for third-party Apps!</source>
        <translation>针对第三方应用最彻底、最深入的擦除！</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>扫描</translation>
    </message>
    <message>
        <source>Erase Private Fragments  </source>
        <translation>擦除隐私碎片  </translation>
    </message>
    <message>
        <source>Seleted data have been erased completely.</source>
        <translation>所选数据已彻底擦除。</translation>
    </message>
    <message>
        <source>Data Analysis Failed</source>
        <translation>数据分析失败</translation>
    </message>
    <message>
        <source>The fragments of %1 cannot be erased on this device. Nothing was erased.</source>
        <translation>无法在此设备上擦除 %1 的碎片。未擦除任何数据。</translation>
    </message>
    <message>
        <source>Data Erasing Failed</source>
        <translation>数据擦除失败</translation>
    </message>
</context>
<context>
    <name>OvErasePrivateDataModel</name>
    <message>
        <source>Erase Private Data </source>
        <translation>擦除隐私数据 </translation>
    </message>
    <message>
        <source>Erase paivate data securely and don&apos;t worry about security breaches.</source>
        <translation>安全擦除隐私数据，无需担心信息泄露。</translation>
    </message>
    <message>
        <source>Erase Private Data</source>
        <translation>擦除隐私数据</translation>
    </message>
    <message>
        <source>Selected files have been erased thoroughly.</source>
        <translation>所选文件已彻底擦除。</translation>
    </message>
</context>
<context>
    <name>OvFeedback</name>
    <message>
        <source>OvFeedback</source>
        <translation>反馈</translation>
    </message>
    <message>
        <source>Send us your comments or technical problems about Velmora Dravo Pro.</source>
        <translation>向我们发送您对 Velmora Dravo Pro 的意见或遇到的技术问题。</translation>
    </message>
    <message>
        <source>E-mail:</source>
        <translation>电子邮件：</translation>
    </message>
    <message>
        <source>Enter your email address</source>
        <translation>输入您的电子邮件地址</translation>
    </message>
    <message>
        <source>Content:</source>
        <translation>内容：</translation>
    </message>
    <message>
        <source>If you have any comments or suggestions, please write directly to us.</source>
        <translation>如有任何意见或建议，请直接写信给我们。</translation>
    </message>
    <message>
        <source>Attach the log file (check the box to send automatically).</source>
        <translation>附加日志文件（勾选后将自动发送）。</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>提交</translation>
    </message>
    <message>
        <source>Please enter your email address.</source>
        <translation>请输入您的电子邮件地址。</translation>
    </message>
    <message>
        <source>Please enter a valid email address.</source>
        <translation>请输入有效的电子邮件地址。</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>失败</translation>
    </message>
    <message>
        <source>Submitted successfully.</source>
        <translation>提交成功。</translation>
    </message>
    <message>
        <source>Sending your feedback...</source>
        <translation>正在发送您的反馈...</translation>
    </message>
    <message>
        <source>Feedback is not set up on this computer, so your message could not be sent. Your text is kept in this window.</source>
        <translation>此电脑未设置反馈功能，因此无法发送您的消息。您输入的内容仍保留在此窗口中。</translation>
    </message>
</context>
<context>
    <name>OvFillDataProgressBar</name>
    <message>
        <source>Progress</source>
        <translation>进度</translation>
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
        <translation>无数据</translation>
    </message>
    <message>
        <source>Nothing of %1 was found on the device.</source>
        <translation>未在设备上找到 %1 的任何数据。</translation>
    </message>
</context>
<context>
    <name>OvFragmentAppView</name>
    <message>
        <source>Permanently Erase Private Fragments - Make sure your private data stays private and is away from privacy leak.</source>
        <translation>永久擦除隐私碎片 - 保护您的隐私数据，杜绝隐私泄露。</translation>
    </message>
    <message>
        <source>     Back</source>
        <translation>     返回</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>返回</translation>
    </message>
    <message>
        <source>Erase Now</source>
        <translation>立即擦除</translation>
    </message>
    <message>
        <source>If you go back, the scanning result won&apos;t be saved. Are you sure you want to go back?</source>
        <translation>返回后扫描结果将不会保存。确定要返回吗？</translation>
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
        <translation>是</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>否</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
</context>
<context>
    <name>OvOneKeyClearModel</name>
    <message>
        <source>Cleaning failed for some unknown errors. Please try it again.</source>
        <translation>因未知错误清理失败。请重试。</translation>
    </message>
</context>
<context>
    <name>OvProgressBarGif</name>
    <message>
        <source>About %1 Minute(s)</source>
        <translation>约 %1 分钟</translation>
    </message>
</context>
<context>
    <name>OvScanResultView</name>
    <message>
        <source>Deleted Data</source>
        <translation>已删除数据</translation>
    </message>
    <message>
        <source>    Private Data</source>
        <translation>    隐私数据</translation>
    </message>
    <message>
        <source>Scanning, please wait...</source>
        <translation>正在扫描，请稍候...</translation>
    </message>
    <message>
        <source>Scan progress</source>
        <translation>扫描进度</translation>
    </message>
    <message>
        <source> Stop</source>
        <translation> 停止</translation>
    </message>
    <message>
        <source>Data categories</source>
        <translation>数据类别</translation>
    </message>
    <message>
        <source>No data scanned?Please confirm your device can be backed up	</source>
        <translation>未扫描到数据？请确认您的设备可以	</translation>
    </message>
    <message>
        <source>via itunes.if so,please</source>
        <translation>通过 iTunes 备份。如果可以，请</translation>
    </message>
    <message>
        <source>click here</source>
        <translation>点击此处</translation>
    </message>
    <message>
        <source>records detected.</source>
        <translation>条记录已检测到。</translation>
    </message>
    <message>
        <source>   Back</source>
        <translation>   返回</translation>
    </message>
    <message>
        <source>Erase Now</source>
        <translation>立即擦除</translation>
    </message>
    <message>
        <source>No data scanned</source>
        <translation>未扫描到数据</translation>
    </message>
    <message>
        <source>Click a category on the left to see its records.</source>
        <translation>点击左侧的类别以查看其中的记录。</translation>
    </message>
    <message>
        <source>If you stop scanning, some data won&apos;t be detected. Are you sure to stop?</source>
        <translation>如果停止扫描，部分数据将无法检测到。确定要停止吗？</translation>
    </message>
    <message>
        <source> (%1)</source>
        <translation> (%1)</translation>
    </message>
    <message>
        <source>The records of this category cannot be shown.</source>
        <translation>无法显示此类别的记录。</translation>
    </message>
    <message>
        <source>If you go back, the scanning result won&apos;t be saved. Are you sure you want to go back?</source>
        <translation>返回后扫描结果将不会保存。确定要返回吗？</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>信息</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>联系人</translation>
    </message>
    <message>
        <source>Calendar,
Reminder</source>
        <translation>日历、
提醒事项</translation>
    </message>
    <message>
        <source>Call History</source>
        <translation>通话记录</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>备忘录</translation>
    </message>
    <message>
        <source>Safari History</source>
        <translation>Safari 历史记录</translation>
    </message>
    <message>
        <source>Bookmark</source>
        <translation>书签</translation>
    </message>
    <message>
        <source>Photos &amp;
Videos</source>
        <translation>照片和
视频</translation>
    </message>
    <message>
        <source>Voice Memo</source>
        <translation>语音备忘录</translation>
    </message>
    <message>
        <source>WeChat</source>
        <translation>微信</translation>
    </message>
    <message>
        <source>Safari Cookie</source>
        <translation>Safari Cookie</translation>
    </message>
    <message>
        <source>Safari Cache</source>
        <translation>Safari 缓存</translation>
    </message>
    <message>
        <source>Message 
Attachment</source>
        <translation>信息
附件</translation>
    </message>
    <message>
        <source>Note 
Attachment</source>
        <translation>备忘录
附件</translation>
    </message>
    <message>
        <source>WhatsApp</source>
        <translation>WhatsApp</translation>
    </message>
    <message>
        <source>WhatsApp
Attachments</source>
        <translation>WhatsApp
附件</translation>
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
        <translation>Kik
附件</translation>
    </message>
</context>
<context>
    <name>OvStyleCheckBoxSubImageWidget</name>
    <message>
        <source>Select</source>
        <translation>选择</translation>
    </message>
</context>
<context>
    <name>OvStyleProgressBar</name>
    <message>
        <source>Progress</source>
        <translation>进度</translation>
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
        <translation>正在扫描设备。为避免出现问题，请勿使用设备。</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>If you stop scanning, some data won&apos;t be detected. Are you sure you want to stop?</source>
        <translation>如果停止扫描，部分数据将无法检测到。确定要停止吗？</translation>
    </message>
</context>
<context>
    <name>OvStyleTabelWidgetCheckBox</name>
    <message>
        <source>Select</source>
        <translation>选择</translation>
    </message>
</context>
<context>
    <name>OvStyleWidgetTitle</name>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>OvWechatView</name>
    <message>
        <source>Unknown</source>
        <translation>未知</translation>
    </message>
    <message>
        <source>WeChat</source>
        <translation>微信</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日期</translation>
    </message>
</context>
<context>
    <name>OvWhatsappView</name>
    <message>
        <source>Unknown</source>
        <translation>未知</translation>
    </message>
    <message>
        <source>WhatsApp Attachments</source>
        <translation>WhatsApp 附件</translation>
    </message>
    <message>
        <source>WhatsApp</source>
        <translation>WhatsApp</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>大小</translation>
    </message>
</context>
<context>
    <name>PhotoView</name>
    <message>
        <source>Select All</source>
        <translation>全选</translation>
    </message>
    <message>
        <source>Photos &amp; Videos</source>
        <translation>照片和视频</translation>
    </message>
    <message>
        <source>Unknown date</source>
        <translation>未知日期</translation>
    </message>
    <message>
        <source>Show day</source>
        <translation>按日期筛选</translation>
    </message>
    <message>
        <source>All</source>
        <translation>全部</translation>
    </message>
    <message>
        <source>%1 items</source>
        <translation>%1 项</translation>
    </message>
</context>
<context>
    <name>RoundWidget</name>
    <message>
        <source>Used space</source>
        <translation>已用空间</translation>
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
        <translation>Safari 缓存</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>全选</translation>
    </message>
</context>
<context>
    <name>SafariCacheModel</name>
    <message>
        <source>Other</source>
        <translation>其他</translation>
    </message>
    <message>
        <source>%1 B</source>
        <translation>%1 B</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>项目</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>数量</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>大小</translation>
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
        <translation>名称</translation>
    </message>
    <message>
        <source>Created</source>
        <translation>创建时间</translation>
    </message>
    <message>
        <source>Expired</source>
        <translation>过期时间</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>大小</translation>
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
        <translation>Safari 历史记录</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>标题</translation>
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
        <translation>设置安全级别</translation>
    </message>
    <message>
        <source>Low Level (Quick Erasure)</source>
        <translation>低级（快速擦除）</translation>
    </message>
    <message>
        <source>The fastest channel to permanently delete your data, it&apos;s twice faster than the others. It will destroy your data to make sure that the files are not recoverable.</source>
        <translation>永久删除数据最快的方式，速度是其他级别的两倍。数据将被破坏，确保文件无法恢复。</translation>
    </message>
    <message>
        <source>Medium Level (1 Time, Recommended)</source>
        <translation>中级（1 次，推荐）</translation>
    </message>
    <message>
        <source>Velmora Dravo Pro will totally overwrite your private data to make sure that the files are 100% unrecoverable.</source>
        <translation>Velmora Dravo Pro 将完全覆盖您的隐私数据，确保文件 100% 无法恢复。</translation>
    </message>
    <message>
        <source>High Level (2 Times)</source>
        <translation>高级（2 次）</translation>
    </message>
    <message>
        <source>This option is highly recommended if you saved any private files (e.g. bank records, passwords, financial data, etc.) on your device. The applied security standard is according to the U.S. DoD 5220.22-M.</source>
        <translation>如果您的设备上存有隐私文件（如银行记录、密码、财务数据等），强烈推荐此选项。所采用的安全标准符合美国国防部 DoD 5220.22-M。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
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
        <translation>分析进度</translation>
    </message>
    <message>
        <source>Loading data, please wait...</source>
        <translation>正在加载数据，请稍候...</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>It failed to analyze your device. Please set up your iDevice first. Make sure you can access the Home screen and try it again. (error code: %1)</source>
        <translation>设备分析失败。请先设置您的 iDevice，确保可以进入主屏幕后重试。（错误代码：%1）</translation>
    </message>
    <message>
        <source>Your PC doesn&apos;t have enough storage for data processing. Please free up space in the disk which has the most available space and try it again. (error code: %1)</source>
        <translation>您的电脑存储空间不足，无法处理数据。请在可用空间最多的磁盘上释放空间后重试。（错误代码：%1）</translation>
    </message>
    <message>
        <source>Please unlock your device and tap &quot;Trust&quot; from the pop-up alert on your device before you continue. (error code: %1)</source>
        <translation>继续之前，请解锁设备，并在设备弹出的提示中轻点“信任”。（错误代码：%1）</translation>
    </message>
    <message>
        <source>Your iDevice storage is almost full. Please free up your iPhone space and try it again. (error code: %1)</source>
        <translation>您的 iDevice 储存空间几乎已满。请释放 iPhone 空间后重试。（错误代码：%1）</translation>
    </message>
    <message>
        <source>There may be unknown error with your iTunes. Please uninstall and reinstall iTunes to fix. Make sure you have the latest version of iTunes and try it again. (error code: %1)</source>
        <translation>iTunes 可能出现了未知错误。请卸载并重新安装 iTunes 进行修复，确保使用最新版本的 iTunes 后重试。（错误代码：%1）</translation>
    </message>
    <message>
        <source>Data Analysis Failed</source>
        <translation>数据分析失败</translation>
    </message>
    <message>
        <source>If you stop analyzing, no data will be scanned. Are you sure to stop?</source>
        <translation>如果停止分析，将不会扫描任何数据。确定要停止吗？</translation>
    </message>
    <message>
        <source>Cancelling, please wait a moment ...</source>
        <translation>正在取消，请稍候...</translation>
    </message>
</context>
<context>
    <name>TaskExecuteView</name>
    <message>
        <source>Byte</source>
        <translation>字节</translation>
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
        <translation>正在导出照片 </translation>
    </message>
    <message>
        <source>You are saving </source>
        <translation>正在节省 </translation>
    </message>
    <message>
        <source>Clearing junk files. Please wait. </source>
        <translation>正在清理垃圾文件，请稍候。 </translation>
    </message>
</context>
<context>
    <name>TaskWidget</name>
    <message>
        <source>Byte</source>
        <translation>字节</translation>
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
        <translation>等待</translation>
    </message>
</context>
<context>
    <name>VoiceMemos</name>
    <message>
        <source>Voice Memo</source>
        <translation>语音备忘录</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>全选</translation>
    </message>
    <message>
        <source>Check All</source>
        <translation>全选</translation>
    </message>
    <message>
        <source>Uncheck All</source>
        <translation>取消全选</translation>
    </message>
</context>
<context>
    <name>WeChatContentShow</name>
    <message>
        <source>[Picture]</source>
        <translation>[图片]</translation>
    </message>
    <message>
        <source>[Voice]</source>
        <translation>[语音]</translation>
    </message>
    <message>
        <source>[Video]</source>
        <translation>[视频]</translation>
    </message>
    <message>
        <source>[Voice call]</source>
        <translation>[语音通话]</translation>
    </message>
    <message>
        <source>[Red packet]</source>
        <translation>[红包]</translation>
    </message>
    <message>
        <source>[Location]</source>
        <translation>[位置]</translation>
    </message>
    <message>
        <source>[Business card]</source>
        <translation>[名片]</translation>
    </message>
</context>
</TS>
