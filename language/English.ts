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
        <source>The device is not connected. Please connect it and try again.</source>
        <translation>The device is not connected. Please connect it and try again.</translation>
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
    <name>CommonImgCtrl</name>
    <message>
        <source>Select</source>
        <translation>Select</translation>
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
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Free</source>
        <translation>Free</translation>
    </message>
    <message>
        <source>Used</source>
        <translation>Used</translation>
    </message>
    <message>
        <source>%1: %2 free of %3</source>
        <translation>%1: %2 free of %3</translation>
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
    <name>FanShapedWidget</name>
    <message>
        <source>Chart</source>
        <translation>Chart</translation>
    </message>
</context>
<context>
    <name>ImageCompressionFinshed</name>
    <message>
        <source>has been released!</source>
        <translation>has been released!</translation>
    </message>
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
        <source>has been released.</source>
        <translation>has been released.</translation>
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
        <source>Want to transfer music between iDevice and PC/iTunes,</source>
        <translation>Want to transfer music between iDevice and PC/iTunes,</translation>
    </message>
    <message>
        <source>try &lt;a href=&quot;crestline&quot; style=&quot;color:#5695e8;&quot;&gt;Crestline&lt;/a&gt;.</source>
        <translation>try &lt;a href=&quot;crestline&quot; style=&quot;color:#5695e8;&quot;&gt;Crestline&lt;/a&gt;.</translation>
    </message>
    <message>
        <source>Crestline</source>
        <translation>Crestline</translation>
    </message>
    <message>
        <source>Congratulations! Compressed successfully.</source>
        <translation>Congratulations! Compressed successfully.</translation>
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
        <source>Export and deletion of all the photos will save you up to</source>
        <translation>Export and deletion of all the photos will save you up to</translation>
    </message>
    <message>
        <source>photos selected to save</source>
        <translation>photos selected to save</translation>
    </message>
</context>
<context>
    <name>ImagePreviewControls</name>
    <message>
        <source>%1 photos</source>
        <translation>%1 photos</translation>
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
        <source>can be released.</source>
        <translation>can be released.</translation>
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
    <message>
        <source>The device is not connected. Please connect it and try again.</source>
        <translation>The device is not connected. Please connect it and try again.</translation>
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
    <name>OneKeyCleanResultView</name>
    <message>
        <source>You can save up to </source>
        <translation>You can save up to </translation>
    </message>
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
        <source> More can be freed up.</source>
        <translation> More can be freed up.</translation>
    </message>
    <message>
        <source> has been released!</source>
        <translation> has been released!</translation>
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
        <source>About</source>
        <comment>approximately, before a size</comment>
        <translation>About</translation>
    </message>
</context>
<context>
    <name>OneKeyCleanView</name>
    <message>
        <source>1-Click Free Up Space</source>
        <translation>1-Click Free Up Space</translation>
    </message>
    <message>
        <source>Last use</source>
        <translation>Last use</translation>
    </message>
    <message>
        <source>Total space released</source>
        <translation>Total space released</translation>
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
        <source>Scan completed! No need for further cleaning.</source>
        <translation>Scan completed! No need for further cleaning.</translation>
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
        <source>Scan</source>
        <translation>Scan</translation>
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
        <source>Scan</source>
        <translation>Scan</translation>
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
    <message>
        <source>The device is not connected. Please connect it and try again.</source>
        <translation>The device is not connected. Please connect it and try again.</translation>
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
</TS>
