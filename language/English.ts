<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="en">
<context>
    <name>AppManagerSubWidget</name>
    <message>
        <source>Select</source>
        <translation>Select</translation>
    </message>
</context>
<context>
    <name>AppManagerView</name>
    <message>
        <source>Removing</source>
        <translation>Removing</translation>
    </message>
    <message>
        <source>Removed</source>
        <translation>Removed</translation>
    </message>
    <message>
        <source>App</source>
        <translation>App</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>Apps</source>
        <translation>Apps</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Select all</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>Remove the selected apps?</source>
        <translation>Remove the selected apps?</translation>
    </message>
    <message>
        <source>Byte</source>
        <translation>Byte</translation>
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
        <translation>Select</translation>
    </message>
</context>
<context>
    <name>BookMarkView</name>
    <message>
        <source>Bookmark</source>
        <translation>Bookmark</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Title</translation>
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
        <translation>Backup Password</translation>
    </message>
    <message>
        <source>Your iTunes backup had been password-encrypted. Please enter your password here to decrypt it. </source>
        <translation>Your iTunes backup had been password-encrypted. Please enter your password here to decrypt it. </translation>
    </message>
    <message>
        <source>  Password</source>
        <translation>  Password</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Return</translation>
    </message>
    <message>
        <source>Password can not be empty!</source>
        <translation>Password can not be empty!</translation>
    </message>
</context>
<context>
    <name>CEraseDataWid</name>
    <message>
        <source>Message</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>Call History</source>
        <translation>Call History</translation>
    </message>
    <message>
        <source>Safari Cookie</source>
        <translation>Safari Cookie</translation>
    </message>
    <message>
        <source>Safari Cache</source>
        <translation>Safari Cache</translation>
    </message>
    <message>
        <source>Safari History</source>
        <translation>Safari History</translation>
    </message>
    <message>
        <source>Photo &amp; Videos</source>
        <translation>Photo &amp; Videos</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Message Attachment</source>
        <translation>Message Attachment</translation>
    </message>
    <message>
        <source>Note Attachment</source>
        <translation>Note Attachment</translation>
    </message>
    <message>
        <source>WhatsApp</source>
        <translation>WhatsApp</translation>
    </message>
    <message>
        <source>WhatsApp Attachments</source>
        <translation>WhatsApp Attachments</translation>
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
        <translation>Kik Attachment</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Contact</translation>
    </message>
    <message>
        <source>Calendar , Reminder</source>
        <translation>Calendar , Reminder</translation>
    </message>
    <message>
        <source>Bookmark</source>
        <translation>Bookmark</translation>
    </message>
    <message>
        <source>Voice Memo</source>
        <translation>Voice Memo</translation>
    </message>
    <message>
        <source>Warning:To avoid damage to thie device,please don&apos;t disconnect the device while erasing. </source>
        <translation>Warning:To avoid damage to thie device,please don&apos;t disconnect the device while erasing. </translation>
    </message>
    <message>
        <source>The erase deleted data:</source>
        <translation>The erase deleted data:</translation>
    </message>
    <message>
        <source>The App fragment erased:</source>
        <translation>The App fragment erased:</translation>
    </message>
    <message>
        <source>The erase private data:</source>
        <translation>The erase private data:</translation>
    </message>
</context>
<context>
    <name>CacheCleanProcessView</name>
    <message>
        <source>Clearing temporary files. Please do not use the device to avoid any problems.</source>
        <translation>Clearing temporary files. Please do not use the device to avoid any problems.</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>About %1 Minute(s)</source>
        <translation>About %1 Minute(s)</translation>
    </message>
    <message>
        <source>If you stop clearing, some data won&apos;t be deleted. Are you sure you want to stop?</source>
        <translation>If you stop clearing, some data won&apos;t be deleted. Are you sure you want to stop?</translation>
    </message>
</context>
<context>
    <name>CallLogView</name>
    <message>
        <source>Call History</source>
        <translation>Call History</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Phone Number</source>
        <translation>Phone Number</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>unknown</translation>
    </message>
    <message>
        <source>incoming</source>
        <translation>incoming</translation>
    </message>
    <message>
        <source>outgoing</source>
        <translation>outgoing</translation>
    </message>
    <message>
        <source>outgoing facetime</source>
        <translation>outgoing facetime</translation>
    </message>
    <message>
        <source>imcoming facetime missed</source>
        <translation>imcoming facetime missed</translation>
    </message>
    <message>
        <source>imcoming missed</source>
        <translation>imcoming missed</translation>
    </message>
</context>
<context>
    <name>CallendarView</name>
    <message>
        <source>Calendar</source>
        <translation>Calendar</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Location</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Ends</source>
        <translation>Ends</translation>
    </message>
    <message>
        <source>Title: </source>
        <translation>Title: </translation>
    </message>
    <message>
        <source>Note: </source>
        <translation>Note: </translation>
    </message>
</context>
<context>
    <name>ChatPane</name>
    <message>
        <source>No messages</source>
        <translation>No messages</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>To:</translation>
    </message>
</context>
<context>
    <name>CommonImgCtrl</name>
    <message>
        <source>Select</source>
        <translation>Select</translation>
    </message>
</context>
<context>
    <name>CompleteEraseView</name>
    <message>
        <source>Device</source>
        <translation>Device</translation>
    </message>
    <message>
        <source>Start unrecoverable erasing   </source>
        <translation>Start unrecoverable erasing   </translation>
    </message>
    <message>
        <source>1. You may get the notice &amp;quot;Storage Almost Full&amp;quot; prompt on the device. Please don&apos;t worry, tap &amp;quot;Done&amp;quot; to continue.</source>
        <translation>1. You may get the notice &amp;quot;Storage Almost Full&amp;quot; prompt on the device. Please don&apos;t worry, tap &amp;quot;Done&amp;quot; to continue.</translation>
    </message>
    <message>
        <source>2. Please don&apos;t disconnect the device.</source>
        <translation>2. Please don&apos;t disconnect the device.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progress</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>0 %</source>
        <translation>0 %</translation>
    </message>
    <message>
        <source>Sorry, Fill failed!(error code: %1)</source>
        <translation>Sorry, Fill failed!(error code: %1)</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>warning</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>It may damage your data or device if you stop the unrecoverable erasing process. Are you sure you want to stop now?</source>
        <translation>It may damage your data or device if you stop the unrecoverable erasing process. Are you sure you want to stop now?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warning</translation>
    </message>
</context>
<context>
    <name>ContactView</name>
    <message>
        <source>Unknown</source>
        <translation>Unknown</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Contact</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>Company</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Phone</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Email</translation>
    </message>
    <message>
        <source>unknow</source>
        <translation>unknow</translation>
    </message>
    <message>
        <source>Phone : </source>
        <translation>Phone : </translation>
    </message>
    <message>
        <source>Email : </source>
        <translation>Email : </translation>
    </message>
</context>
<context>
    <name>DevConnectNullView</name>
    <message>
        <source>Please Connect Your iOS Device to PC</source>
        <translation>Please Connect Your iOS Device to PC</translation>
    </message>
    <message>
        <source>Is your iDevice not being recognized?</source>
        <translation>Is your iDevice not being recognized?</translation>
    </message>
</context>
<context>
    <name>DevConnectView</name>
    <message>
        <source>Connecting the device, please wait for a moment...</source>
        <translation>Connecting the device, please wait for a moment...</translation>
    </message>
</context>
<context>
    <name>DeviceConnectNullTipDialog</name>
    <message>
        <source>Your device is connected but unrecognized? Please try the following methods:</source>
        <translation>Your device is connected but unrecognized? Please try the following methods:</translation>
    </message>
    <message>
        <source>Resolve Connection Issues&gt;&gt;</source>
        <translation>Resolve Connection Issues&gt;&gt;</translation>
    </message>
    <message>
        <source>More Methods</source>
        <translation>More Methods</translation>
    </message>
    <message>
        <source>If your device boots up and is plugged via USB in PC</source>
        <translation>If your device boots up and is plugged via USB in PC</translation>
    </message>
    <message>
        <source>1. Ensure the latest version of iTunes is installed. Check if iTunes could recognize your device. Try to uninstall and reinstall iTunes. </source>
        <translation>1. Ensure the latest version of iTunes is installed. Check if iTunes could recognize your device. Try to uninstall and reinstall iTunes. </translation>
    </message>
    <message>
        <source>2. Unplug and re-plug in the device. Reboot the device and plug in again.</source>
        <translation>2. Unplug and re-plug in the device. Reboot the device and plug in again.</translation>
    </message>
    <message>
        <source>3. Use the USB cable that comes with your iDevice.  Try to use a USB port on the back of your computer.</source>
        <translation>3. Use the USB cable that comes with your iDevice.  Try to use a USB port on the back of your computer.</translation>
    </message>
</context>
<context>
    <name>DeviceInfoWidget</name>
    <message>
        <source>%1: %2 free of %3</source>
        <translation>%1: %2 free of %3</translation>
    </message>
    <message>
        <source>%1GB</source>
        <comment>gigabytes</comment>
        <translation>%1GB</translation>
    </message>
    <message>
        <source>Total %1</source>
        <comment>space</comment>
        <translation>Total %1</translation>
    </message>
    <message>
        <source>Free %1</source>
        <comment>space</comment>
        <translation>Free %1</translation>
    </message>
    <message>
        <source>Used %1</source>
        <comment>space</comment>
        <translation>Used %1</translation>
    </message>
</context>
<context>
    <name>DeviceRestartView</name>
    <message>
        <source>Device</source>
        <translation>Device</translation>
    </message>
    <message>
        <source>Analying data,please wait...</source>
        <translation>Analying data,please wait...</translation>
    </message>
    <message>
        <source>Erasing data, please wait...</source>
        <translation>Erasing data, please wait...</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progress</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Nothing was selected, so nothing was erased.</source>
        <translation>Nothing was selected, so nothing was erased.</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>Attention</translation>
    </message>
    <message>
        <source>Restarting device,please wait...</source>
        <translation>Restarting device,please wait...</translation>
    </message>
    <message>
        <source>Your iDevice doesn&apos;t have enough storage to process data. Please free up your device space and try it again. (error code: %1)</source>
        <translation>Your iDevice doesn&apos;t have enough storage to process data. Please free up your device space and try it again. (error code: %1)</translation>
    </message>
    <message>
        <source>There may be unknown error with your iTunes. Please uninstall and reinstall iTunes to fix. Make sure you have the latest version of iTunes and try it again. (error code: %1)</source>
        <translation>There may be unknown error with your iTunes. Please uninstall and reinstall iTunes to fix. Make sure you have the latest version of iTunes and try it again. (error code: %1)</translation>
    </message>
    <message>
        <source>Data Erasing Failed</source>
        <translation>Data Erasing Failed</translation>
    </message>
    <message>
        <source>Restarting device, please wait...</source>
        <translation>Restarting device, please wait...</translation>
    </message>
    <message>
        <source>It may damage your data or device if you stop restarting. Are you sure you want to stop now?</source>
        <translation>It may damage your data or device if you stop restarting. Are you sure you want to stop now?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Cancelling, please wait a moment ...</source>
        <translation>Cancelling, please wait a moment ...</translation>
    </message>
    <message>
        <source>Connection timeout! Please simply disconnect your iDevice and reconnect it. Kindly wait for it to continue.</source>
        <translation>Connection timeout! Please simply disconnect your iDevice and reconnect it. Kindly wait for it to continue.</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>EraseAllDataFailureView</name>
    <message>
        <source>Data Deletion</source>
        <translation>Data Deletion</translation>
    </message>
    <message>
        <source>             Erase private data and system settings</source>
        <translation>             Erase private data and system settings</translation>
    </message>
    <message>
        <source>Data Erasure</source>
        <translation>Data Erasure</translation>
    </message>
    <message>
        <source>             Fill the empty space on the device</source>
        <translation>             Fill the empty space on the device</translation>
    </message>
    <message>
        <source>        Failed to erase some of the data: </source>
        <translation>        Failed to erase some of the data: </translation>
    </message>
    <message>
        <source>Why failed?</source>
        <translation>Why failed?</translation>
    </message>
    <message>
        <source>   Home</source>
        <translation>   Home</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Home</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Completed</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Failed</translation>
    </message>
    <message>
        <source>Operation stopped by user</source>
        <translation>Operation stopped by user</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Stopped</translation>
    </message>
    <message>
        <source>Not started</source>
        <translation>Not started</translation>
    </message>
    <message>
        <source>Operation error</source>
        <translation>Operation error</translation>
    </message>
    <message>
        <source>Not chosen</source>
        <translation>Not chosen</translation>
    </message>
</context>
<context>
    <name>EraseAllDataFinishedView</name>
    <message>
        <source>Done</source>
        <translation>Done</translation>
    </message>
    <message>
        <source>Share it with your friends:</source>
        <translation>Share it with your friends:</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Share</translation>
    </message>
    <message>
        <source>Share on Facebook</source>
        <translation>Share on Facebook</translation>
    </message>
    <message>
        <source>Share on Twitter</source>
        <translation>Share on Twitter</translation>
    </message>
    <message>
        <source>Share on Google</source>
        <translation>Share on Google</translation>
    </message>
    <message>
        <source>All the data has been erased.</source>
        <translation>All the data has been erased.</translation>
    </message>
</context>
<context>
    <name>EraseAllDataProcessView</name>
    <message>
        <source>Erase progress</source>
        <translation>Erase progress</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Scanning, please wait...</source>
        <translation>Scanning, please wait...</translation>
    </message>
    <message>
        <source>Restarting device, please wait...</source>
        <translation>Restarting device, please wait...</translation>
    </message>
    <message>
        <source>Erasing, please wait...</source>
        <translation>Erasing, please wait...</translation>
    </message>
    <message>
        <source>It may damage your data or device, if you stop. Are you sure you want to stop now?</source>
        <translation>It may damage your data or device, if you stop. Are you sure you want to stop now?</translation>
    </message>
    <message>
        <source>It may damage your data or device if you stop restarting. Are you sure you want to stop now?</source>
        <translation>It may damage your data or device if you stop restarting. Are you sure you want to stop now?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Cancelling, please wait a moment ...</source>
        <translation>Cancelling, please wait a moment ...</translation>
    </message>
</context>
<context>
    <name>EraseAllDataView</name>
    <message>
        <source>Erase All Data</source>
        <translation>Erase All Data</translation>
    </message>
    <message>
        <source>1. Please close all background apps, such as Music, Navigation, etc.</source>
        <translation>1. Please close all background apps, such as Music, Navigation, etc.</translation>
    </message>
    <message>
        <source>2. If there are any apps updating on the device, please wait for them to complete.</source>
        <translation>2. If there are any apps updating on the device, please wait for them to complete.</translation>
    </message>
    <message>
        <source>3. Please make sure you have backed up any needed data.</source>
        <translation>3. Please make sure you have backed up any needed data.</translation>
    </message>
    <message>
        <source>Security Level:</source>
        <translation>Security Level:</translation>
    </message>
    <message>
        <source>Please type</source>
        <translation>Please type</translation>
    </message>
    <message>
        <source>&apos;delete&apos;</source>
        <translation>&apos;delete&apos;</translation>
    </message>
    <message>
        <source>to confirm.</source>
        <translation>to confirm.</translation>
    </message>
    <message>
        <source>     Home</source>
        <translation>     Home</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Home</translation>
    </message>
    <message>
        <source>Erase Now</source>
        <translation>Erase Now</translation>
    </message>
    <message>
        <source>delete</source>
        <translation>delete</translation>
    </message>
    <message>
        <source>Sorry, the input is not correct. Please type &quot;delete&quot; again.</source>
        <translation>Sorry, the input is not correct. Please type &quot;delete&quot; again.</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>Attention</translation>
    </message>
    <message>
        <source>This will completely erase all data of your device. Are you sure you want to continue?</source>
        <translation>This will completely erase all data of your device. Are you sure you want to continue?</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continue</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>The device is not connected. Please connect it and try again.</source>
        <translation>The device is not connected. Please connect it and try again.</translation>
    </message>
</context>
<context>
    <name>EraseDataView</name>
    <message>
        <source>Erasing data...</source>
        <translation>Erasing data...</translation>
    </message>
    <message>
        <source>Erase progress</source>
        <translation>Erase progress</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>It may damage your data or device if you stop erasing. Are you sure you want to stop now?</source>
        <translation>It may damage your data or device if you stop erasing. Are you sure you want to stop now?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warning</translation>
    </message>
</context>
<context>
    <name>EraseImageControls</name>
    <message>
        <source>Photo</source>
        <translation>Photo</translation>
    </message>
</context>
<context>
    <name>EraseListView</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unknown</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Message Attachment</source>
        <translation>Message Attachment</translation>
    </message>
    <message>
        <source>Note Attachment</source>
        <translation>Note Attachment</translation>
    </message>
    <message>
        <source>Kik Attachment</source>
        <translation>Kik Attachment</translation>
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
        <translation>Erase Deleted Files</translation>
    </message>
    <message>
        <source>1. Please close all background apps, such as Music, Navigation, etc.</source>
        <translation>1. Please close all background apps, such as Music, Navigation, etc.</translation>
    </message>
    <message>
        <source>2. If there are any apps updating on the device, please wait for them to complete.</source>
        <translation>2. If there are any apps updating on the device, please wait for them to complete.</translation>
    </message>
    <message>
        <source>3. Please make sure you have backed up any needed data.</source>
        <translation>3. Please make sure you have backed up any needed data.</translation>
    </message>
    <message>
        <source>Security Level:</source>
        <translation>Security Level:</translation>
    </message>
    <message>
        <source>Please type</source>
        <translation>Please type</translation>
    </message>
    <message>
        <source>&apos;delete&apos;</source>
        <translation>&apos;delete&apos;</translation>
    </message>
    <message>
        <source>to confirm.</source>
        <translation>to confirm.</translation>
    </message>
    <message>
        <source>Type &apos;delete&apos; to confirm</source>
        <translation>Type &apos;delete&apos; to confirm</translation>
    </message>
    <message>
        <source>      Back</source>
        <translation>      Back</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Erase Now</source>
        <translation>Erase Now</translation>
    </message>
    <message>
        <source>Security Level: %1</source>
        <translation>Security Level: %1</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>delete</source>
        <translation>delete</translation>
    </message>
    <message>
        <source>Sorry, the input is not correct. Please type &quot;delete&quot; again.</source>
        <translation>Sorry, the input is not correct. Please type &quot;delete&quot; again.</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>Attention</translation>
    </message>
    <message>
        <source>Error index when posting task:%1</source>
        <translation>Error index when posting task:%1</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>messages of conversations that still exist</source>
        <translation>messages of conversations that still exist</translation>
    </message>
    <message>
        <source>contacts</source>
        <translation>contacts</translation>
    </message>
    <message>
        <source>calendar events and reminders</source>
        <translation>calendar events and reminders</translation>
    </message>
    <message>
        <source>bookmarks</source>
        <translation>bookmarks</translation>
    </message>
    <message>
        <source>voice memos</source>
        <translation>voice memos</translation>
    </message>
    <message>
        <source>Deleted %1 can only be erased all at once. Please tick all of them or none, then try again.</source>
        <translation>Deleted %1 can only be erased all at once. Please tick all of them or none, then try again.</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>Nothing is ticked in the checked categories, so there is nothing to erase. Please go back and tick what you want to erase.</source>
        <translation>Nothing is ticked in the checked categories, so there is nothing to erase. Please go back and tick what you want to erase.</translation>
    </message>
    <message>
        <source>It will need about %1 minutes to erase data. If you stop when erasing, it may damage your device.  Are you sure to continue?</source>
        <translation>It will need about %1 minutes to erase data. If you stop when erasing, it may damage your device.  Are you sure to continue?</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continue</translation>
    </message>
    <message>
        <source>The device is not connected. Nothing was erased.</source>
        <translation>The device is not connected. Nothing was erased.</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>warning</translation>
    </message>
</context>
<context>
    <name>EraseScanModel</name>
    <message>
        <source>Scan</source>
        <translation>Scan</translation>
    </message>
</context>
<context>
    <name>EraseTabPage</name>
    <message>
        <source>Please set up and activate your device first before you use any other function.</source>
        <translation>Please set up and activate your device first before you use any other function.</translation>
    </message>
    <message>
        <source>note</source>
        <translation>note</translation>
    </message>
    <message>
        <source>your device has not been activated,please set your device!</source>
        <translation>your device has not been activated,please set your device!</translation>
    </message>
    <message>
        <source>Password is not correct!</source>
        <translation>Password is not correct!</translation>
    </message>
</context>
<context>
    <name>EraseTableView</name>
    <message>
        <source>Select all</source>
        <translation>Select all</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Details</translation>
    </message>
</context>
<context>
    <name>EraseTipDialog</name>
    <message>
        <source>Notice</source>
        <translation>Notice</translation>
    </message>
    <message>
        <source>Your backup files had been password-encrypted. Please remove your encryption from iTunes and try it again.</source>
        <translation>Your backup files had been password-encrypted. Please remove your encryption from iTunes and try it again.</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Please disable &quot;Find My iPhone&quot; on your device before you continue.</source>
        <translation>Please disable &quot;Find My iPhone&quot; on your device before you continue.</translation>
    </message>
    <message>
        <source>You must enter your password to unlock your device before continuing with Velmora Dravo Pro.</source>
        <translation>You must enter your password to unlock your device before continuing with Velmora Dravo Pro.</translation>
    </message>
    <message>
        <source>How to remove your backup encryption?</source>
        <translation>How to remove your backup encryption?</translation>
    </message>
    <message>
        <source>How do I turn off &quot;Find My iPhone&quot;?</source>
        <translation>How do I turn off &quot;Find My iPhone&quot;?</translation>
    </message>
    <message>
        <source>This popup still appears even when &quot;Find My iPhone&quot; has been disabled?</source>
        <translation>This popup still appears even when &quot;Find My iPhone&quot; has been disabled?</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Try Again</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continue</translation>
    </message>
</context>
<context>
    <name>ErasingReturnView</name>
    <message>
        <source>Stopped by user</source>
        <translation>Stopped by user</translation>
    </message>
    <message>
        <source>Data Deletion</source>
        <translation>Data Deletion</translation>
    </message>
    <message>
        <source>Data Erasure</source>
        <translation>Data Erasure</translation>
    </message>
    <message>
        <source>             Fill the empty space on the device</source>
        <translation>             Fill the empty space on the device</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Stopped</translation>
    </message>
    <message>
        <source>      Home</source>
        <translation>      Home</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Home</translation>
    </message>
    <message>
        <source>             Erase the fragments the chosen apps left behind</source>
        <translation>             Erase the fragments the chosen apps left behind</translation>
    </message>
    <message>
        <source>             Erase the selected files</source>
        <translation>             Erase the selected files</translation>
    </message>
    <message>
        <source>             Erase private data and system settings</source>
        <translation>             Erase private data and system settings</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Completed</translation>
    </message>
</context>
<context>
    <name>FanShapedWidget</name>
    <message>
        <source>Chart</source>
        <translation>Chart</translation>
    </message>
</context>
<context>
    <name>FillDataProcessView</name>
    <message>
        <source>Overwriting all personal data</source>
        <translation>Overwriting all personal data</translation>
    </message>
    <message>
        <source>1. You may see a &quot;Storage Almost Full&quot; prompt on the device. Please don&apos;t worry, tap Ǎone” to continue.</source>
        <translation>1. You may see a &quot;Storage Almost Full&quot; prompt on the device. Please don&apos;t worry, tap Ǎone” to continue.</translation>
    </message>
    <message>
        <source>2. Please don’t disconnect the device.</source>
        <translation>2. Please don’t disconnect the device.</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Estimated time: 60 minutes</source>
        <translation>Estimated time: 60 minutes</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Estimated time: 1 minutes</source>
        <translation>Estimated time: 1 minutes</translation>
    </message>
    <message>
        <source>Estimated time: %1 minutes</source>
        <translation>Estimated time: %1 minutes</translation>
    </message>
    <message>
        <source>It may damage your data or device if you stop the unrecoverable erasing process. Are you sure you want to stop now?</source>
        <translation>It may damage your data or device if you stop the unrecoverable erasing process. Are you sure you want to stop now?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warning</translation>
    </message>
</context>
<context>
    <name>ImageCompressionFinshed</name>
    <message>
        <source>Cleanup stopped!</source>
        <translation>Cleanup stopped!</translation>
    </message>
    <message>
        <source>Congratulations! Cleanup completed.</source>
        <translation>Congratulations! Cleanup completed.</translation>
    </message>
    <message>
        <source>Open Backup Folder</source>
        <translation>Open Backup Folder</translation>
    </message>
    <message>
        <source>Compress stopped!</source>
        <translation>Compress stopped!</translation>
    </message>
    <message>
        <source>Congratulations! Deleted successfully.</source>
        <translation>Congratulations! Deleted successfully.</translation>
    </message>
    <message>
        <source>Open Export Folder</source>
        <translation>Open Export Folder</translation>
    </message>
    <message>
        <source>Congratulations! Exported successfully.</source>
        <translation>Congratulations! Exported successfully.</translation>
    </message>
    <message>
        <source>There is no large file to be deleted on your device.</source>
        <translation>There is no large file to be deleted on your device.</translation>
    </message>
    <message>
        <source>All selected apps have been removed.</source>
        <translation>All selected apps have been removed.</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Done</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continue</translation>
    </message>
    <message>
        <source>Share it with your friends:</source>
        <translation>Share it with your friends:</translation>
    </message>
    <message>
        <source>Share on Facebook</source>
        <translation>Share on Facebook</translation>
    </message>
    <message>
        <source>Share on Twitter</source>
        <translation>Share on Twitter</translation>
    </message>
    <message>
        <source>Share on Google</source>
        <translation>Share on Google</translation>
    </message>
    <message>
        <source>Crestline</source>
        <translation>Crestline</translation>
    </message>
    <message>
        <source>Congratulations! Compressed successfully.</source>
        <translation>Congratulations! Compressed successfully.</translation>
    </message>
    <message>
        <source>Byte</source>
        <translation>Byte</translation>
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
        <translation>%1 has been released!</translation>
    </message>
    <message>
        <source>%1 has been released.</source>
        <translation>%1 has been released.</translation>
    </message>
    <message>
        <source>Want to transfer music between iDevice and PC/iTunes, try &lt;a href=&quot;crestline&quot; style=&quot;color:#5695e8;&quot;&gt;Crestline&lt;/a&gt;.</source>
        <translation>Want to transfer music between iDevice and PC/iTunes, try &lt;a href=&quot;crestline&quot; style=&quot;color:#5695e8;&quot;&gt;Crestline&lt;/a&gt;.</translation>
    </message>
</context>
<context>
    <name>ImageCompressionScanReslut</name>
    <message>
        <source>Backup &amp; Compress</source>
        <translation>Backup &amp; Compress</translation>
    </message>
    <message>
        <source>Export &amp; Delete</source>
        <translation>Export &amp; Delete</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Lossless compression to free up about 75% of your camera’s photo space.</source>
        <translation>Lossless compression to free up about 75% of your camera’s photo space.</translation>
    </message>
    <message>
        <source>Export selected photos to PC and delete them from iOS device to save more space.</source>
        <translation>Export selected photos to PC and delete them from iOS device to save more space.</translation>
    </message>
    <message>
        <source>Before (26MB)</source>
        <translation>Before (26MB)</translation>
    </message>
    <message>
        <source>After (1.2MB)</source>
        <translation>After (1.2MB)</translation>
    </message>
    <message>
        <source>&lt;font color = &apos;%1&apos;&gt;%2&lt;/font&gt; space can be saved by lossless photo compression.</source>
        <translation>&lt;font color = &apos;%1&apos;&gt;%2&lt;/font&gt; space can be saved by lossless photo compression.</translation>
    </message>
    <message>
        <source>Export and deletion of photos can help you save up to &lt;font color = &apos;%1&apos;&gt;%2&lt;/font&gt;</source>
        <translation>Export and deletion of photos can help you save up to &lt;font color = &apos;%1&apos;&gt;%2&lt;/font&gt;</translation>
    </message>
    <message>
        <source>The last compression saved %1.</source>
        <translation>The last compression saved %1.</translation>
    </message>
    <message>
        <source>Byte</source>
        <translation>Byte</translation>
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
        <translation>Select All</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Export Only</source>
        <translation>Export Only</translation>
    </message>
    <message>
        <source>Backup &amp; Delete</source>
        <translation>Backup &amp; Delete</translation>
    </message>
    <message>
        <source>Select the chosen date</source>
        <translation>Select the chosen date</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Byte</source>
        <translation>Byte</translation>
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
        <translation>Export and deletion of all the photos will save you up to %1</translation>
    </message>
    <message>
        <source>%1 photos selected to save %2</source>
        <translation>%1 photos selected to save %2</translation>
    </message>
</context>
<context>
    <name>ImagePreviewControls</name>
    <message>
        <source>%1 photos</source>
        <translation>%1 photos</translation>
    </message>
    <message>
        <source>Byte</source>
        <translation>Byte</translation>
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
        <translation>%1, %2</translation>
    </message>
</context>
<context>
    <name>ImagePreviewScrollAreaStyle</name>
    <message>
        <source>Photos</source>
        <translation>Photos</translation>
    </message>
</context>
<context>
    <name>JunkCleanScanResultView</name>
    <message>
        <source>Crash Logs</source>
        <translation>Crash Logs</translation>
    </message>
    <message>
        <source>Clear redundant system usage reports and application crash logs which are generated by iOS.</source>
        <translation>Clear redundant system usage reports and application crash logs which are generated by iOS.</translation>
    </message>
    <message>
        <source>Photo Caches</source>
        <translation>Photo Caches</translation>
    </message>
    <message>
        <source>Delete Camera Roll, Photo Stream and Photo Library cache files which are created by third-party apps.</source>
        <translation>Delete Camera Roll, Photo Stream and Photo Library cache files which are created by third-party apps.</translation>
    </message>
    <message>
        <source>Downloaded Temp Files</source>
        <translation>Downloaded Temp Files</translation>
    </message>
    <message>
        <source>Remove those corrupted files which are produced due to the interruption whilst downloading and still remain in the temp file folder.</source>
        <translation>Remove those corrupted files which are produced due to the interruption whilst downloading and still remain in the temp file folder.</translation>
    </message>
    <message>
        <source>User Storage Files</source>
        <translation>User Storage Files</translation>
    </message>
    <message>
        <source>Eliminate the temp files in User Storage Directory which were generated by third-party apps.</source>
        <translation>Eliminate the temp files in User Storage Directory which were generated by third-party apps.</translation>
    </message>
    <message>
        <source>iTunes Caches</source>
        <translation>iTunes Caches</translation>
    </message>
    <message>
        <source>Clear up the incomplete files and traces produced when iTunes failed to sync.</source>
        <translation>Clear up the incomplete files and traces produced when iTunes failed to sync.</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Clean</source>
        <translation>Clean</translation>
    </message>
    <message>
        <source>Byte</source>
        <translation>Byte</translation>
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
        <source>%1 can be released.</source>
        <comment>%1 is a size</comment>
        <translation>%1 can be released.</translation>
    </message>
</context>
<context>
    <name>LanguageSelectView</name>
    <message>
        <source>Language</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Please select a language</source>
        <translation>Please select a language</translation>
    </message>
    <message>
        <source>The progam will restart to apply your changes. Please wait.</source>
        <translation>The progam will restart to apply your changes. Please wait.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>LargeFilesCleanCheckBox</name>
    <message>
        <source>Select</source>
        <translation>Select</translation>
    </message>
</context>
<context>
    <name>LargeFilesCleanPhotoIcon</name>
    <message>
        <source>Thumbnail</source>
        <translation>Thumbnail</translation>
    </message>
</context>
<context>
    <name>LargeFilesCleanView</name>
    <message>
        <source>Thumbnail</source>
        <translation>Thumbnail</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Select</translation>
    </message>
    <message>
        <source>File above</source>
        <translation>File above</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>Large files</source>
        <translation>Large files</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Select all</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Export Only</source>
        <translation>Export Only</translation>
    </message>
    <message>
        <source>Back Up &amp; Delete</source>
        <translation>Back Up &amp; Delete</translation>
    </message>
    <message>
        <source>All</source>
        <translation>All</translation>
    </message>
    <message numerus="yes">
        <source>%n of the checked files are hidden by the filters. Back up and delete them as well?
&quot;Yes&quot; deletes every checked file, &quot;No&quot; only the files shown.</source>
        <translation>
            <numerusform>%n of the checked files are hidden by the filters. Back up and delete them as well?
&quot;Yes&quot; deletes every checked file, &quot;No&quot; only the files shown.</numerusform>
            <numerusform>%n of the checked files are hidden by the filters. Back up and delete them as well?
&quot;Yes&quot; deletes every checked file, &quot;No&quot; only the files shown.</numerusform>
        </translation>
    </message>
    <message>
        <source>Byte</source>
        <translation>Byte</translation>
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
        <translation>Exporting photos, please do not use the device to avoid any abnormity.</translation>
    </message>
    <message>
        <source>Deleting photos, please do not use the device to avoid any abnormity.</source>
        <translation>Deleting photos, please do not use the device to avoid any abnormity.</translation>
    </message>
    <message>
        <source>Deleting large files, please do not use the device to avoid any abnormity.</source>
        <translation>Deleting large files, please do not use the device to avoid any abnormity.</translation>
    </message>
    <message>
        <source>Exporting large files, please do not use the device to avoid any abnormity.</source>
        <translation>Exporting large files, please do not use the device to avoid any abnormity.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progress</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
</context>
<context>
    <name>MainView</name>
    <message>
        <source>Feedback</source>
        <translation>Feedback</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Tools</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimize</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Tutorial</source>
        <translation>Tutorial</translation>
    </message>
    <message>
        <source>Frequently Asked Questions</source>
        <translation>Frequently Asked Questions</translation>
    </message>
    <message>
        <source>Write a Product Review</source>
        <translation>Write a Product Review</translation>
    </message>
    <message>
        <source>Contact Us</source>
        <translation>Contact Us</translation>
    </message>
    <message>
        <source>View Facebook Fan Page</source>
        <translation>View Facebook Fan Page</translation>
    </message>
    <message>
        <source>Follow Us on Twitter</source>
        <translation>Follow Us on Twitter</translation>
    </message>
    <message>
        <source>Set Security Level</source>
        <translation>Set Security Level</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>Check for updates</translation>
    </message>
    <message>
        <source>About</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>1-Click
 Free Up Space</source>
        <translation>1-Click
 Free Up Space</translation>
    </message>
    <message>
        <source>Erase All Data</source>
        <translation>Erase All Data</translation>
    </message>
    <message>
        <source>Erase Deleted Files</source>
        <translation>Erase Deleted Files</translation>
    </message>
    <message>
        <source>Erase Private Data</source>
        <translation>Erase Private Data</translation>
    </message>
    <message>
        <source>Erase Private Fragments</source>
        <translation>Erase Private Fragments</translation>
    </message>
    <message>
        <source>If you leave, the scanning result won&apos;t be saved. Are you sure you want to leave?</source>
        <translation>If you leave, the scanning result won&apos;t be saved. Are you sure you want to leave?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>PostConnectDevTask error!</source>
        <translation>PostConnectDevTask error!</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>warning</translation>
    </message>
    <message>
        <source>Please unlock the device and trust the connection if needed. Then click Continue.</source>
        <translation>Please unlock the device and trust the connection if needed. Then click Continue.</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Notice</translation>
    </message>
    <message>
        <source>you should trust the device!</source>
        <translation>you should trust the device!</translation>
    </message>
    <message>
        <source>slotConnToDev return value false!</source>
        <translation>slotConnToDev return value false!</translation>
    </message>
    <message>
        <source>Don&apos;t start iTunes and sync files when running the program to avoid data overwriting.</source>
        <translation>Don&apos;t start iTunes and sync files when running the program to avoid data overwriting.</translation>
    </message>
    <message>
        <source>Velmora Dravo Pro</source>
        <translation>Velmora Dravo Pro</translation>
    </message>
    <message>
        <source>Are you sure you want to exit the program?</source>
        <translation>Are you sure you want to exit the program?</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continue</translation>
    </message>
</context>
<context>
    <name>MessageView</name>
    <message>
        <source>Unknown</source>
        <translation>Unknown</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Text Message</source>
        <translation>Text Message</translation>
    </message>
    <message>
        <source>Text Messages</source>
        <translation>Text Messages</translation>
    </message>
</context>
<context>
    <name>Note</name>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Detail</source>
        <translation>Detail</translation>
    </message>
    <message>
        <source>Time: </source>
        <translation>Time: </translation>
    </message>
    <message>
        <source>Title: </source>
        <translation>Title: </translation>
    </message>
    <message>
        <source>Note: </source>
        <translation>Note: </translation>
    </message>
</context>
<context>
    <name>OneKeyCleanResultView</name>
    <message>
        <source>Junk Files:</source>
        <translation>Junk Files:</translation>
    </message>
    <message>
        <source>Temporary Files:</source>
        <translation>Temporary Files:</translation>
    </message>
    <message>
        <source>Too few temporary files on your iPhone to clean.</source>
        <translation>Too few temporary files on your iPhone to clean.</translation>
    </message>
    <message>
        <source>Photos:</source>
        <translation>Photos:</translation>
    </message>
    <message>
        <source>Large Files:</source>
        <translation>Large Files:</translation>
    </message>
    <message>
        <source>Apps:</source>
        <translation>Apps:</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Rescan</source>
        <translation>Rescan</translation>
    </message>
    <message>
        <source>Byte</source>
        <translation>Byte</translation>
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
        <source>If you go back, the scanning result won&apos;t be saved. Are you sure you want to go back?</source>
        <translation>If you go back, the scanning result won&apos;t be saved. Are you sure you want to go back?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>About %1</source>
        <comment>approximately, %1 is a size</comment>
        <translation>About %1</translation>
    </message>
    <message>
        <source>You can save up to %1</source>
        <comment>%1 is a size</comment>
        <translation>You can save up to %1</translation>
    </message>
    <message>
        <source>%1 More can be freed up.</source>
        <comment>%1 is a size</comment>
        <translation>%1 More can be freed up.</translation>
    </message>
    <message>
        <source>%1 has been released!</source>
        <comment>%1 is a size</comment>
        <translation>%1 has been released!</translation>
    </message>
</context>
<context>
    <name>OneKeyCleanView</name>
    <message>
        <source>1-Click Free Up Space</source>
        <translation>1-Click Free Up Space</translation>
    </message>
    <message>
        <source>Quick Scan</source>
        <translation>Quick Scan</translation>
    </message>
    <message>
        <source>Or scan one category:</source>
        <translation>Or scan one category:</translation>
    </message>
    <message>
        <source>Junk Files</source>
        <translation>Junk Files</translation>
    </message>
    <message>
        <source>Temp Files</source>
        <translation>Temp Files</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>Photos</translation>
    </message>
    <message>
        <source>Large Files</source>
        <translation>Large Files</translation>
    </message>
    <message>
        <source>Apps</source>
        <translation>Apps</translation>
    </message>
    <message>
        <source>Byte</source>
        <translation>Byte</translation>
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
        <source>None</source>
        <translation>None</translation>
    </message>
    <message>
        <source>Last use:</source>
        <translation>Last use:</translation>
    </message>
    <message>
        <source>Total space released:</source>
        <translation>Total space released:</translation>
    </message>
</context>
<context>
    <name>OneKeyCommon</name>
    <message>
        <source>If you go back, the scanning result won&apos;t be saved. Are you sure you want to go back?</source>
        <translation>If you go back, the scanning result won&apos;t be saved. Are you sure you want to go back?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>The device is not connected. Please connect it and try again.</source>
        <translation>The device is not connected. Please connect it and try again.</translation>
    </message>
    <message>
        <source>Scan completed! No need for further cleaning.</source>
        <translation>Scan completed! No need for further cleaning.</translation>
    </message>
</context>
<context>
    <name>OneScanResultSubWidget</name>
    <message>
        <source>Byte</source>
        <translation>Byte</translation>
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
        <translation>Clean</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Done</translation>
    </message>
</context>
<context>
    <name>OvAbout</name>
    <message>
        <source>About</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Permanently Erase Your Private Data from iPhone/iPad/iPod!</source>
        <translation>Permanently Erase Your Private Data from iPhone/iPad/iPod!</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
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
        <translation>Erase All Data </translation>
    </message>
    <message>
        <source>Erase all data permanently and keep your private data completely gone.</source>
        <translation>Erase all data permanently and keep your private data completely gone.</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Erase</translation>
    </message>
    <message>
        <source>All the data has been erased.</source>
        <translation>All the data has been erased.</translation>
    </message>
    <message>
        <source>Data Analysis Failed</source>
        <translation>Data Analysis Failed</translation>
    </message>
    <message>
        <source>It failed to erasing data for unknown error. Please restart this program and try it again. (error code: %1)</source>
        <translation>It failed to erasing data for unknown error. Please restart this program and try it again. (error code: %1)</translation>
    </message>
    <message>
        <source>Data Erasing Failed</source>
        <translation>Data Erasing Failed</translation>
    </message>
</context>
<context>
    <name>OvEraseDeletedFilesModel</name>
    <message>
        <source>Erase Deleted Files </source>
        <translation>Erase Deleted Files </translation>
    </message>
    <message>
        <source>Erase deleted files outright and your secrets are gone forever.</source>
        <translation>Erase deleted files outright and your secrets are gone forever.</translation>
    </message>
    <message>
        <source>Erase Deleted Files</source>
        <translation>Erase Deleted Files</translation>
    </message>
    <message>
        <source>Selected files have been erased thoroughly.</source>
        <translation>Selected files have been erased thoroughly.</translation>
    </message>
</context>
<context>
    <name>OvEraseFragmentDataModel</name>
    <message>
        <source>Erase Incomplete Private Fragments</source>
        <translation>Erase Incomplete Private Fragments</translation>
    </message>
    <message>
        <source>The most complete and in-depth erasure for third-party Apps!</source>
        <translation>The most complete and in-depth erasure for third-party Apps!</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Scan</translation>
    </message>
    <message>
        <source>Erase Private Fragments  </source>
        <translation>Erase Private Fragments  </translation>
    </message>
    <message>
        <source>Seleted data have been erased completely.</source>
        <translation>Seleted data have been erased completely.</translation>
    </message>
    <message>
        <source>Data Analysis Failed</source>
        <translation>Data Analysis Failed</translation>
    </message>
    <message>
        <source>The fragments of %1 cannot be erased on this device. Nothing was erased.</source>
        <translation>The fragments of %1 cannot be erased on this device. Nothing was erased.</translation>
    </message>
    <message>
        <source>Data Erasing Failed</source>
        <translation>Data Erasing Failed</translation>
    </message>
</context>
<context>
    <name>OvErasePrivateDataModel</name>
    <message>
        <source>Erase Private Data </source>
        <translation>Erase Private Data </translation>
    </message>
    <message>
        <source>Erase paivate data securely and don&apos;t worry about security breaches.</source>
        <translation>Erase paivate data securely and don&apos;t worry about security breaches.</translation>
    </message>
    <message>
        <source>Erase Private Data</source>
        <translation>Erase Private Data</translation>
    </message>
    <message>
        <source>Selected files have been erased thoroughly.</source>
        <translation>Selected files have been erased thoroughly.</translation>
    </message>
</context>
<context>
    <name>OvFeedback</name>
    <message>
        <source>OvFeedback</source>
        <translation>OvFeedback</translation>
    </message>
    <message>
        <source>Send us your comments or technical problems about Velmora Dravo Pro.</source>
        <translation>Send us your comments or technical problems about Velmora Dravo Pro.</translation>
    </message>
    <message>
        <source>E-mail:</source>
        <translation>E-mail:</translation>
    </message>
    <message>
        <source>Enter your email address</source>
        <translation>Enter your email address</translation>
    </message>
    <message>
        <source>Content:</source>
        <translation>Content:</translation>
    </message>
    <message>
        <source>If you have any comments or suggestions, please write directly to us.</source>
        <translation>If you have any comments or suggestions, please write directly to us.</translation>
    </message>
    <message>
        <source>Attach the log file (check the box to send automatically).</source>
        <translation>Attach the log file (check the box to send automatically).</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Submit</translation>
    </message>
    <message>
        <source>Please enter your email address.</source>
        <translation>Please enter your email address.</translation>
    </message>
    <message>
        <source>Please enter a valid email address.</source>
        <translation>Please enter a valid email address.</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Failed</translation>
    </message>
    <message>
        <source>Submitted successfully.</source>
        <translation>Submitted successfully.</translation>
    </message>
    <message>
        <source>Sending your feedback...</source>
        <translation>Sending your feedback...</translation>
    </message>
    <message>
        <source>Feedback is not set up on this computer, so your message could not be sent. Your text is kept in this window.</source>
        <translation>Feedback is not set up on this computer, so your message could not be sent. Your text is kept in this window.</translation>
    </message>
</context>
<context>
    <name>OvFillDataProgressBar</name>
    <message>
        <source>Progress</source>
        <translation>Progress</translation>
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
        <translation>No data</translation>
    </message>
    <message>
        <source>Nothing of %1 was found on the device.</source>
        <translation>Nothing of %1 was found on the device.</translation>
    </message>
</context>
<context>
    <name>OvFragmentAppView</name>
    <message>
        <source>Permanently Erase Private Fragments - Make sure your private data stays private and is away from privacy leak.</source>
        <translation>Permanently Erase Private Fragments - Make sure your private data stays private and is away from privacy leak.</translation>
    </message>
    <message>
        <source>     Back</source>
        <translation>     Back</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Erase Now</source>
        <translation>Erase Now</translation>
    </message>
    <message>
        <source>If you go back, the scanning result won&apos;t be saved. Are you sure you want to go back?</source>
        <translation>If you go back, the scanning result won&apos;t be saved. Are you sure you want to go back?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warning</translation>
    </message>
</context>
<context>
    <name>OvMessageBox</name>
    <message>
        <source>Yes</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>NO</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>OvOneKeyClearModel</name>
    <message>
        <source>Cleaning failed for some unknown errors. Please try it again.</source>
        <translation>Cleaning failed for some unknown errors. Please try it again.</translation>
    </message>
</context>
<context>
    <name>OvProgressBarGif</name>
    <message>
        <source>About %1 Minute(s)</source>
        <translation>About %1 Minute(s)</translation>
    </message>
</context>
<context>
    <name>OvScanResultView</name>
    <message>
        <source>Deleted Data</source>
        <translation>Deleted Data</translation>
    </message>
    <message>
        <source>    Private Data</source>
        <translation>    Private Data</translation>
    </message>
    <message>
        <source>Scanning, please wait...</source>
        <translation>Scanning, please wait...</translation>
    </message>
    <message>
        <source>Scan progress</source>
        <translation>Scan progress</translation>
    </message>
    <message>
        <source> Stop</source>
        <translation> Stop</translation>
    </message>
    <message>
        <source>Data categories</source>
        <translation>Data categories</translation>
    </message>
    <message>
        <source>No data scanned?Please confirm your device can be backed up	</source>
        <translation>No data scanned?Please confirm your device can be backed up	</translation>
    </message>
    <message>
        <source>via itunes.if so,please</source>
        <translation>via itunes.if so,please</translation>
    </message>
    <message>
        <source>click here</source>
        <translation>click here</translation>
    </message>
    <message>
        <source>records detected.</source>
        <translation>records detected.</translation>
    </message>
    <message>
        <source>   Back</source>
        <translation>   Back</translation>
    </message>
    <message>
        <source>Erase Now</source>
        <translation>Erase Now</translation>
    </message>
    <message>
        <source>No data scanned</source>
        <translation>No data scanned</translation>
    </message>
    <message>
        <source>Click a category on the left to see its records.</source>
        <translation>Click a category on the left to see its records.</translation>
    </message>
    <message>
        <source>If you stop scanning, some data won&apos;t be detected. Are you sure to stop?</source>
        <translation>If you stop scanning, some data won&apos;t be detected. Are you sure to stop?</translation>
    </message>
    <message>
        <source> (%1)</source>
        <translation> (%1)</translation>
    </message>
    <message>
        <source>The records of this category cannot be shown.</source>
        <translation>The records of this category cannot be shown.</translation>
    </message>
    <message>
        <source>If you go back, the scanning result won&apos;t be saved. Are you sure you want to go back?</source>
        <translation>If you go back, the scanning result won&apos;t be saved. Are you sure you want to go back?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Contact</translation>
    </message>
    <message>
        <source>Calendar,
Reminder</source>
        <translation>Calendar,
Reminder</translation>
    </message>
    <message>
        <source>Call History</source>
        <translation>Call History</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Safari History</source>
        <translation>Safari History</translation>
    </message>
    <message>
        <source>Bookmark</source>
        <translation>Bookmark</translation>
    </message>
    <message>
        <source>Photos &amp;
Videos</source>
        <translation>Photos &amp;
Videos</translation>
    </message>
    <message>
        <source>Voice Memo</source>
        <translation>Voice Memo</translation>
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
        <translation>Safari Cache</translation>
    </message>
    <message>
        <source>Message 
Attachment</source>
        <translation>Message 
Attachment</translation>
    </message>
    <message>
        <source>Note 
Attachment</source>
        <translation>Note 
Attachment</translation>
    </message>
    <message>
        <source>WhatsApp</source>
        <translation>WhatsApp</translation>
    </message>
    <message>
        <source>WhatsApp
Attachments</source>
        <translation>WhatsApp
Attachments</translation>
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
Attachment</translation>
    </message>
</context>
<context>
    <name>OvStyleCheckBoxSubImageWidget</name>
    <message>
        <source>Select</source>
        <translation>Select</translation>
    </message>
</context>
<context>
    <name>OvStyleProgressBar</name>
    <message>
        <source>Progress</source>
        <translation>Progress</translation>
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
        <translation>Scanning your device. Please do not use the device to avoid any problems.</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>If you stop scanning, some data won&apos;t be detected. Are you sure you want to stop?</source>
        <translation>If you stop scanning, some data won&apos;t be detected. Are you sure you want to stop?</translation>
    </message>
</context>
<context>
    <name>OvStyleTabelWidgetCheckBox</name>
    <message>
        <source>Select</source>
        <translation>Select</translation>
    </message>
</context>
<context>
    <name>OvStyleWidgetTitle</name>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>OvWechatView</name>
    <message>
        <source>Unknown</source>
        <translation>Unknown</translation>
    </message>
    <message>
        <source>WeChat</source>
        <translation>WeChat</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
</context>
<context>
    <name>OvWhatsappView</name>
    <message>
        <source>Unknown</source>
        <translation>Unknown</translation>
    </message>
    <message>
        <source>WhatsApp Attachments</source>
        <translation>WhatsApp Attachments</translation>
    </message>
    <message>
        <source>WhatsApp</source>
        <translation>WhatsApp</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Size</translation>
    </message>
</context>
<context>
    <name>PhotoView</name>
    <message>
        <source>Select All</source>
        <translation>Select All</translation>
    </message>
    <message>
        <source>Photos &amp; Videos</source>
        <translation>Photos &amp; Videos</translation>
    </message>
    <message>
        <source>Unknown date</source>
        <translation>Unknown date</translation>
    </message>
    <message>
        <source>Show day</source>
        <translation>Show day</translation>
    </message>
    <message>
        <source>All</source>
        <translation>All</translation>
    </message>
    <message>
        <source>%1 items</source>
        <translation>%1 items</translation>
    </message>
</context>
<context>
    <name>RoundWidget</name>
    <message>
        <source>Used space</source>
        <translation>Used space</translation>
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
        <translation>Safari Cache</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Select all</translation>
    </message>
</context>
<context>
    <name>SafariCacheModel</name>
    <message>
        <source>Other</source>
        <translation>Other</translation>
    </message>
    <message>
        <source>%1 B</source>
        <translation>%1 B</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Item</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Count</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Size</translation>
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
        <translation>Name</translation>
    </message>
    <message>
        <source>Created</source>
        <translation>Created</translation>
    </message>
    <message>
        <source>Expired</source>
        <translation>Expired</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Size</translation>
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
        <translation>Safari History</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Title</translation>
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
        <translation>Set Security Level</translation>
    </message>
    <message>
        <source>Low Level (Quick Erasure)</source>
        <translation>Low Level (Quick Erasure)</translation>
    </message>
    <message>
        <source>The fastest channel to permanently delete your data, it&apos;s twice faster than the others. It will destroy your data to make sure that the files are not recoverable.</source>
        <translation>The fastest channel to permanently delete your data, it&apos;s twice faster than the others. It will destroy your data to make sure that the files are not recoverable.</translation>
    </message>
    <message>
        <source>Medium Level (1 Time, Recommended)</source>
        <translation>Medium Level (1 Time, Recommended)</translation>
    </message>
    <message>
        <source>Velmora Dravo Pro will totally overwrite your private data to make sure that the files are 100% unrecoverable.</source>
        <translation>Velmora Dravo Pro will totally overwrite your private data to make sure that the files are 100% unrecoverable.</translation>
    </message>
    <message>
        <source>High Level (2 Times)</source>
        <translation>High Level (2 Times)</translation>
    </message>
    <message>
        <source>This option is highly recommended if you saved any private files (e.g. bank records, passwords, financial data, etc.) on your device. The applied security standard is according to the U.S. DoD 5220.22-M.</source>
        <translation>This option is highly recommended if you saved any private files (e.g. bank records, passwords, financial data, etc.) on your device. The applied security standard is according to the U.S. DoD 5220.22-M.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>High</source>
        <translation>High</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Low</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Medium</translation>
    </message>
</context>
<context>
    <name>ScanAnalyzeView</name>
    <message>
        <source>Analysis progress</source>
        <translation>Analysis progress</translation>
    </message>
    <message>
        <source>Loading data, please wait...</source>
        <translation>Loading data, please wait...</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>It failed to analyze your device. Please set up your iDevice first. Make sure you can access the Home screen and try it again. (error code: %1)</source>
        <translation>It failed to analyze your device. Please set up your iDevice first. Make sure you can access the Home screen and try it again. (error code: %1)</translation>
    </message>
    <message>
        <source>Your PC doesn&apos;t have enough storage for data processing. Please free up space in the disk which has the most available space and try it again. (error code: %1)</source>
        <translation>Your PC doesn&apos;t have enough storage for data processing. Please free up space in the disk which has the most available space and try it again. (error code: %1)</translation>
    </message>
    <message>
        <source>Please unlock your device and tap &quot;Trust&quot; from the pop-up alert on your device before you continue. (error code: %1)</source>
        <translation>Please unlock your device and tap &quot;Trust&quot; from the pop-up alert on your device before you continue. (error code: %1)</translation>
    </message>
    <message>
        <source>Your iDevice storage is almost full. Please free up your iPhone space and try it again. (error code: %1)</source>
        <translation>Your iDevice storage is almost full. Please free up your iPhone space and try it again. (error code: %1)</translation>
    </message>
    <message>
        <source>There may be unknown error with your iTunes. Please uninstall and reinstall iTunes to fix. Make sure you have the latest version of iTunes and try it again. (error code: %1)</source>
        <translation>There may be unknown error with your iTunes. Please uninstall and reinstall iTunes to fix. Make sure you have the latest version of iTunes and try it again. (error code: %1)</translation>
    </message>
    <message>
        <source>Data Analysis Failed</source>
        <translation>Data Analysis Failed</translation>
    </message>
    <message>
        <source>If you stop analyzing, no data will be scanned. Are you sure to stop?</source>
        <translation>If you stop analyzing, no data will be scanned. Are you sure to stop?</translation>
    </message>
    <message>
        <source>Cancelling, please wait a moment ...</source>
        <translation>Cancelling, please wait a moment ...</translation>
    </message>
</context>
<context>
    <name>TaskExecuteView</name>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Byte</source>
        <translation>Byte</translation>
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
        <source>Exporting photos </source>
        <translation>Exporting photos </translation>
    </message>
    <message>
        <source>You are saving </source>
        <translation>You are saving </translation>
    </message>
    <message>
        <source>Clearing junk files. Please wait. </source>
        <translation>Clearing junk files. Please wait. </translation>
    </message>
</context>
<context>
    <name>TaskWidget</name>
    <message>
        <source>Byte</source>
        <translation>Byte</translation>
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
        <translation>Wait</translation>
    </message>
</context>
<context>
    <name>VoiceMemos</name>
    <message>
        <source>Voice Memo</source>
        <translation>Voice Memo</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Select All</translation>
    </message>
    <message>
        <source>Check All</source>
        <translation>Check All</translation>
    </message>
    <message>
        <source>Uncheck All</source>
        <translation>Uncheck All</translation>
    </message>
</context>
<context>
    <name>WeChatContentShow</name>
    <message>
        <source>[Picture]</source>
        <translation>[Picture]</translation>
    </message>
    <message>
        <source>[Voice]</source>
        <translation>[Voice]</translation>
    </message>
    <message>
        <source>[Video]</source>
        <translation>[Video]</translation>
    </message>
    <message>
        <source>[Voice call]</source>
        <translation>[Voice call]</translation>
    </message>
    <message>
        <source>[Red packet]</source>
        <translation>[Red packet]</translation>
    </message>
    <message>
        <source>[Location]</source>
        <translation>[Location]</translation>
    </message>
    <message>
        <source>[Business card]</source>
        <translation>[Business card]</translation>
    </message>
</context>
</TS>
