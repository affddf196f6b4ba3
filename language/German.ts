<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>AppManagerSubWidget</name>
    <message>
        <source>Select</source>
        <translation>Auswählen</translation>
    </message>
</context>
<context>
    <name>AppManagerView</name>
    <message>
        <source>Removing</source>
        <translation>Wird entfernt</translation>
    </message>
    <message>
        <source>Removed</source>
        <translation>Entfernt</translation>
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
        <translation>Größe</translation>
    </message>
    <message>
        <source>Apps</source>
        <translation>Apps</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Alle auswählen</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Remove the selected apps?</source>
        <translation>Ausgewählte Apps entfernen?</translation>
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
        <translation>Auswählen</translation>
    </message>
</context>
<context>
    <name>BookMarkView</name>
    <message>
        <source>Bookmark</source>
        <translation>Lesezeichen</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
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
        <translation>Sicherungspasswort</translation>
    </message>
    <message>
        <source>Your iTunes backup had been password-encrypted. Please enter your password here to decrypt it. </source>
        <translation>Ihre iTunes-Sicherung ist mit einem Passwort verschlüsselt. Bitte geben Sie hier Ihr Passwort ein, um sie zu entschlüsseln. </translation>
    </message>
    <message>
        <source>  Password</source>
        <translation>  Passwort</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Password can not be empty!</source>
        <translation>Das Passwort darf nicht leer sein!</translation>
    </message>
</context>
<context>
    <name>CEraseDataWid</name>
    <message>
        <source>Message</source>
        <translation>Nachrichten</translation>
    </message>
    <message>
        <source>Call History</source>
        <translation>Anrufliste</translation>
    </message>
    <message>
        <source>Safari Cookie</source>
        <translation>Safari-Cookies</translation>
    </message>
    <message>
        <source>Safari Cache</source>
        <translation>Safari-Cache</translation>
    </message>
    <message>
        <source>Safari History</source>
        <translation>Safari-Verlauf</translation>
    </message>
    <message>
        <source>Photo &amp; Videos</source>
        <translation>Fotos &amp; Videos</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <source>Message Attachment</source>
        <translation>Nachrichtenanhang</translation>
    </message>
    <message>
        <source>Note Attachment</source>
        <translation>Notizanhang</translation>
    </message>
    <message>
        <source>WhatsApp</source>
        <translation>WhatsApp</translation>
    </message>
    <message>
        <source>WhatsApp Attachments</source>
        <translation>WhatsApp-Anhänge</translation>
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
        <translation>Kik-Anhang</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Kontakte</translation>
    </message>
    <message>
        <source>Calendar , Reminder</source>
        <translation>Kalender, Erinnerungen</translation>
    </message>
    <message>
        <source>Bookmark</source>
        <translation>Lesezeichen</translation>
    </message>
    <message>
        <source>Voice Memo</source>
        <translation>Sprachmemos</translation>
    </message>
    <message>
        <source>Warning:To avoid damage to thie device,please don&apos;t disconnect the device while erasing. </source>
        <translation>Warnung: Trennen Sie das Gerät während des Löschens nicht, um Schäden am Gerät zu vermeiden. </translation>
    </message>
    <message>
        <source>The erase deleted data:</source>
        <translation>Vernichtete gelöschte Daten:</translation>
    </message>
    <message>
        <source>The App fragment erased:</source>
        <translation>Vernichtete App-Fragmente:</translation>
    </message>
    <message>
        <source>The erase private data:</source>
        <translation>Vernichtete private Daten:</translation>
    </message>
</context>
<context>
    <name>CacheCleanProcessView</name>
    <message>
        <source>Clearing temporary files. Please do not use the device to avoid any problems.</source>
        <translation>Temporäre Dateien werden entfernt. Bitte verwenden Sie das Gerät währenddessen nicht, um Probleme zu vermeiden.</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>About %1 Minute(s)</source>
        <translation>Etwa %1 Minute(n)</translation>
    </message>
    <message>
        <source>If you stop clearing, some data won&apos;t be deleted. Are you sure you want to stop?</source>
        <translation>Wenn Sie die Bereinigung beenden, werden manche Daten nicht gelöscht. Möchten Sie die Bereinigung wirklich beenden?</translation>
    </message>
</context>
<context>
    <name>CallLogView</name>
    <message>
        <source>Call History</source>
        <translation>Anrufliste</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Phone Number</source>
        <translation>Telefonnummer</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>unbekannt</translation>
    </message>
    <message>
        <source>incoming</source>
        <translation>eingehend</translation>
    </message>
    <message>
        <source>outgoing</source>
        <translation>ausgehend</translation>
    </message>
    <message>
        <source>outgoing facetime</source>
        <translation>FaceTime, ausgehend</translation>
    </message>
    <message>
        <source>imcoming facetime missed</source>
        <translation>FaceTime, verpasst</translation>
    </message>
    <message>
        <source>imcoming missed</source>
        <translation>verpasst</translation>
    </message>
</context>
<context>
    <name>CallendarView</name>
    <message>
        <source>Calendar</source>
        <translation>Kalender</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Ort</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Beginn</translation>
    </message>
    <message>
        <source>Ends</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Title: </source>
        <translation>Titel: </translation>
    </message>
    <message>
        <source>Note: </source>
        <translation>Notiz: </translation>
    </message>
</context>
<context>
    <name>ChatPane</name>
    <message>
        <source>No messages</source>
        <translation>Keine Nachrichten</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>An:</translation>
    </message>
</context>
<context>
    <name>CommonImgCtrl</name>
    <message>
        <source>Select</source>
        <translation>Auswählen</translation>
    </message>
</context>
<context>
    <name>CompleteEraseView</name>
    <message>
        <source>Device</source>
        <translation>Gerät</translation>
    </message>
    <message>
        <source>Start unrecoverable erasing   </source>
        <translation>Unwiderruflich löschen   </translation>
    </message>
    <message>
        <source>1. You may get the notice &amp;quot;Storage Almost Full&amp;quot; prompt on the device. Please don&apos;t worry, tap &amp;quot;Done&amp;quot; to continue.</source>
        <translation>1. Auf dem Gerät erscheint eventuell die Meldung &amp;quot;Speicher fast voll&amp;quot;. Keine Sorge: Tippen Sie auf &amp;quot;Fertig&amp;quot;, um fortzufahren.</translation>
    </message>
    <message>
        <source>2. Please don&apos;t disconnect the device.</source>
        <translation>2. Bitte trennen Sie das Gerät nicht vom Computer.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>0 %</source>
        <translation>0&#xa0;%</translation>
    </message>
    <message>
        <source>Sorry, Fill failed!(error code: %1)</source>
        <translation>Das Auffüllen ist leider fehlgeschlagen. (Fehlercode: %1)</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <source>It may damage your data or device if you stop the unrecoverable erasing process. Are you sure you want to stop now?</source>
        <translation>Wenn Sie das unwiderrufliche Löschen beenden, können Ihre Daten oder Ihr Gerät beschädigt werden. Möchten Sie den Vorgang wirklich jetzt beenden?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
</context>
<context>
    <name>ContactView</name>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Kontakte</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>Firma</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Telefon</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>unknow</source>
        <translation>unbekannt</translation>
    </message>
    <message>
        <source>Phone : </source>
        <translation>Telefon: </translation>
    </message>
    <message>
        <source>Email : </source>
        <translation>E-Mail: </translation>
    </message>
</context>
<context>
    <name>DevConnectNullView</name>
    <message>
        <source>Please Connect Your iOS Device to PC</source>
        <translation>Bitte verbinden Sie Ihr iOS-Gerät mit dem PC</translation>
    </message>
    <message>
        <source>Is your iDevice not being recognized?</source>
        <translation>Wird Ihr iOS-Gerät nicht erkannt?</translation>
    </message>
</context>
<context>
    <name>DevConnectView</name>
    <message>
        <source>Connecting the device, please wait for a moment...</source>
        <translation>Das Gerät wird verbunden, bitte warten Sie einen Moment...</translation>
    </message>
</context>
<context>
    <name>DeviceConnectNullTipDialog</name>
    <message>
        <source>Your device is connected but unrecognized? Please try the following methods:</source>
        <translation>Ihr Gerät ist verbunden, wird aber nicht erkannt? Bitte versuchen Sie Folgendes:</translation>
    </message>
    <message>
        <source>Resolve Connection Issues&gt;&gt;</source>
        <translation>Verbindungsprobleme beheben&gt;&gt;</translation>
    </message>
    <message>
        <source>More Methods</source>
        <translation>Weitere Lösungen</translation>
    </message>
    <message>
        <source>If your device boots up and is plugged via USB in PC</source>
        <translation>Wenn Ihr Gerät eingeschaltet und per USB mit dem PC verbunden ist</translation>
    </message>
    <message>
        <source>1. Ensure the latest version of iTunes is installed. Check if iTunes could recognize your device. Try to uninstall and reinstall iTunes. </source>
        <translation>1. Stellen Sie sicher, dass die neueste Version von iTunes installiert ist. Prüfen Sie, ob iTunes Ihr Gerät erkennt. Deinstallieren Sie iTunes und installieren Sie es erneut. </translation>
    </message>
    <message>
        <source>2. Unplug and re-plug in the device. Reboot the device and plug in again.</source>
        <translation>2. Trennen Sie das Gerät und schließen Sie es wieder an. Starten Sie das Gerät neu und schließen Sie es erneut an.</translation>
    </message>
    <message>
        <source>3. Use the USB cable that comes with your iDevice.  Try to use a USB port on the back of your computer.</source>
        <translation>3. Verwenden Sie das mitgelieferte USB-Kabel Ihres Geräts. Nutzen Sie möglichst einen USB-Anschluss auf der Rückseite Ihres Computers.</translation>
    </message>
</context>
<context>
    <name>DeviceInfoWidget</name>
    <message>
        <source>%1: %2 free of %3</source>
        <translation>%1: %2 von %3 frei</translation>
    </message>
    <message>
        <source>%1GB</source>
        <comment>gigabytes</comment>
        <translation>%1&#xa0;GB</translation>
    </message>
    <message>
        <source>Total %1</source>
        <comment>space</comment>
        <translation>%1 gesamt</translation>
    </message>
    <message>
        <source>Free %1</source>
        <comment>space</comment>
        <translation>%1 frei</translation>
    </message>
    <message>
        <source>Used %1</source>
        <comment>space</comment>
        <translation>%1 belegt</translation>
    </message>
</context>
<context>
    <name>DeviceRestartView</name>
    <message>
        <source>Device</source>
        <translation>Gerät</translation>
    </message>
    <message>
        <source>Analying data,please wait...</source>
        <translation>Daten werden analysiert, bitte warten Sie...</translation>
    </message>
    <message>
        <source>Erasing data, please wait...</source>
        <translation>Daten werden gelöscht, bitte warten Sie...</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Nothing was selected, so nothing was erased.</source>
        <translation>Es wurde nichts ausgewählt, daher wurde nichts gelöscht.</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>Achtung</translation>
    </message>
    <message>
        <source>Restarting device,please wait...</source>
        <translation>Das Gerät wird neu gestartet, bitte warten Sie...</translation>
    </message>
    <message>
        <source>Your iDevice doesn&apos;t have enough storage to process data. Please free up your device space and try it again. (error code: %1)</source>
        <translation>Auf Ihrem iDevice ist nicht genug Speicherplatz frei, um die Daten zu verarbeiten. Bitte geben Sie Speicherplatz auf Ihrem Gerät frei und versuchen Sie es erneut. (Fehlercode: %1)</translation>
    </message>
    <message>
        <source>There may be unknown error with your iTunes. Please uninstall and reinstall iTunes to fix. Make sure you have the latest version of iTunes and try it again. (error code: %1)</source>
        <translation>Möglicherweise liegt ein unbekannter Fehler in iTunes vor. Deinstallieren Sie iTunes und installieren Sie es erneut, um den Fehler zu beheben. Stellen Sie sicher, dass Sie die neueste Version von iTunes verwenden, und versuchen Sie es erneut. (Fehlercode: %1)</translation>
    </message>
    <message>
        <source>Data Erasing Failed</source>
        <translation>Löschen fehlgeschlagen</translation>
    </message>
    <message>
        <source>Restarting device, please wait...</source>
        <translation>Das Gerät wird neu gestartet, bitte warten Sie...</translation>
    </message>
    <message>
        <source>It may damage your data or device if you stop restarting. Are you sure you want to stop now?</source>
        <translation>Wenn Sie den Neustart abbrechen, können Ihre Daten oder Ihr Gerät beschädigt werden. Möchten Sie den Vorgang wirklich jetzt beenden?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Cancelling, please wait a moment ...</source>
        <translation>Wird abgebrochen, bitte warten Sie einen Moment...</translation>
    </message>
    <message>
        <source>Connection timeout! Please simply disconnect your iDevice and reconnect it. Kindly wait for it to continue.</source>
        <translation>Zeitüberschreitung der Verbindung! Bitte trennen Sie Ihr iDevice und schließen Sie es wieder an. Warten Sie dann, bis der Vorgang fortgesetzt wird.</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>EraseAllDataFailureView</name>
    <message>
        <source>Data Deletion</source>
        <translation>Datenlöschung</translation>
    </message>
    <message>
        <source>             Erase private data and system settings</source>
        <translation>             Private Daten und Systemeinstellungen löschen</translation>
    </message>
    <message>
        <source>Data Erasure</source>
        <translation>Datenvernichtung</translation>
    </message>
    <message>
        <source>             Fill the empty space on the device</source>
        <translation>             Freien Speicherplatz auf dem Gerät auffüllen</translation>
    </message>
    <message>
        <source>        Failed to erase some of the data: </source>
        <translation>        Einige Daten konnten nicht gelöscht werden: </translation>
    </message>
    <message>
        <source>Why failed?</source>
        <translation>Warum?</translation>
    </message>
    <message>
        <source>   Home</source>
        <translation>   Start</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Abgeschlossen</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Fehlgeschlagen</translation>
    </message>
    <message>
        <source>Operation stopped by user</source>
        <translation>Vom Benutzer abgebrochen</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Abgebrochen</translation>
    </message>
    <message>
        <source>Not started</source>
        <translation>Nicht gestartet</translation>
    </message>
    <message>
        <source>Operation error</source>
        <translation>Fehler beim Vorgang</translation>
    </message>
    <message>
        <source>Not chosen</source>
        <translation>Nicht ausgewählt</translation>
    </message>
</context>
<context>
    <name>EraseAllDataFinishedView</name>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Share it with your friends:</source>
        <translation>Mit Freunden teilen:</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Teilen</translation>
    </message>
    <message>
        <source>Share on Facebook</source>
        <translation>Auf Facebook teilen</translation>
    </message>
    <message>
        <source>Share on Twitter</source>
        <translation>Auf Twitter teilen</translation>
    </message>
    <message>
        <source>Share on Google</source>
        <translation>Auf Google teilen</translation>
    </message>
    <message>
        <source>All the data has been erased.</source>
        <translation>Alle Daten wurden gelöscht.</translation>
    </message>
</context>
<context>
    <name>EraseAllDataProcessView</name>
    <message>
        <source>Erase progress</source>
        <translation>Löschfortschritt</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Scanning, please wait...</source>
        <translation>Wird gescannt, bitte warten Sie...</translation>
    </message>
    <message>
        <source>Restarting device, please wait...</source>
        <translation>Das Gerät wird neu gestartet, bitte warten Sie...</translation>
    </message>
    <message>
        <source>Erasing, please wait...</source>
        <translation>Wird gelöscht, bitte warten Sie...</translation>
    </message>
    <message>
        <source>It may damage your data or device, if you stop. Are you sure you want to stop now?</source>
        <translation>Wenn Sie den Vorgang beenden, können Ihre Daten oder Ihr Gerät beschädigt werden. Möchten Sie ihn wirklich jetzt beenden?</translation>
    </message>
    <message>
        <source>It may damage your data or device if you stop restarting. Are you sure you want to stop now?</source>
        <translation>Wenn Sie den Neustart abbrechen, können Ihre Daten oder Ihr Gerät beschädigt werden. Möchten Sie den Vorgang wirklich jetzt beenden?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Cancelling, please wait a moment ...</source>
        <translation>Wird abgebrochen, bitte warten Sie einen Moment...</translation>
    </message>
</context>
<context>
    <name>EraseAllDataView</name>
    <message>
        <source>Erase All Data</source>
        <translation>Alle Daten löschen</translation>
    </message>
    <message>
        <source>1. Please close all background apps, such as Music, Navigation, etc.</source>
        <translation>1. Bitte schließen Sie alle Apps im Hintergrund, z.&#xa0;B. Musik, Navigations-Apps usw.</translation>
    </message>
    <message>
        <source>2. If there are any apps updating on the device, please wait for them to complete.</source>
        <translation>2. Wenn auf dem Gerät gerade Apps aktualisiert werden, warten Sie bitte, bis die Aktualisierung abgeschlossen ist.</translation>
    </message>
    <message>
        <source>3. Please make sure you have backed up any needed data.</source>
        <translation>3. Stellen Sie sicher, dass Sie alle benötigten Daten gesichert haben.</translation>
    </message>
    <message>
        <source>Security Level:</source>
        <translation>Sicherheitsstufe:</translation>
    </message>
    <message>
        <source>Please type</source>
        <translation>Bitte geben Sie</translation>
    </message>
    <message>
        <source>&apos;delete&apos;</source>
        <translation>„löschen“</translation>
    </message>
    <message>
        <source>to confirm.</source>
        <translation>zur Bestätigung ein.</translation>
    </message>
    <message>
        <source>     Home</source>
        <translation>     Start</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Erase Now</source>
        <translation>Jetzt löschen</translation>
    </message>
    <message>
        <source>delete</source>
        <translation>löschen</translation>
    </message>
    <message>
        <source>Sorry, the input is not correct. Please type &quot;delete&quot; again.</source>
        <translation>Die Eingabe ist nicht korrekt. Bitte geben Sie erneut „löschen“ ein.</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>Achtung</translation>
    </message>
    <message>
        <source>This will completely erase all data of your device. Are you sure you want to continue?</source>
        <translation>Dadurch werden alle Daten auf Ihrem Gerät vollständig gelöscht. Möchten Sie wirklich fortfahren?</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>The device is not connected. Please connect it and try again.</source>
        <translation>Das Gerät ist nicht verbunden. Bitte verbinden Sie es und versuchen Sie es erneut.</translation>
    </message>
</context>
<context>
    <name>EraseDataView</name>
    <message>
        <source>Erasing data...</source>
        <translation>Daten werden gelöscht...</translation>
    </message>
    <message>
        <source>Erase progress</source>
        <translation>Löschfortschritt</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>It may damage your data or device if you stop erasing. Are you sure you want to stop now?</source>
        <translation>Wenn Sie das Löschen beenden, können Ihre Daten oder Ihr Gerät beschädigt werden. Möchten Sie den Vorgang wirklich jetzt beenden?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
</context>
<context>
    <name>EraseImageControls</name>
    <message>
        <source>Photo</source>
        <translation>Foto</translation>
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
        <translation>Größe</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Message Attachment</source>
        <translation>Nachrichtenanhang</translation>
    </message>
    <message>
        <source>Note Attachment</source>
        <translation>Notizanhang</translation>
    </message>
    <message>
        <source>Kik Attachment</source>
        <translation>Kik-Anhang</translation>
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
        <translation>Gelöschte Dateien vernichten</translation>
    </message>
    <message>
        <source>1. Please close all background apps, such as Music, Navigation, etc.</source>
        <translation>1. Bitte schließen Sie alle Apps im Hintergrund, z.&#xa0;B. Musik, Navigations-Apps usw.</translation>
    </message>
    <message>
        <source>2. If there are any apps updating on the device, please wait for them to complete.</source>
        <translation>2. Wenn auf dem Gerät gerade Apps aktualisiert werden, warten Sie bitte, bis die Aktualisierung abgeschlossen ist.</translation>
    </message>
    <message>
        <source>3. Please make sure you have backed up any needed data.</source>
        <translation>3. Stellen Sie sicher, dass Sie alle benötigten Daten gesichert haben.</translation>
    </message>
    <message>
        <source>Security Level:</source>
        <translation>Sicherheitsstufe:</translation>
    </message>
    <message>
        <source>Please type</source>
        <translation>Bitte geben Sie</translation>
    </message>
    <message>
        <source>&apos;delete&apos;</source>
        <translation>„löschen“</translation>
    </message>
    <message>
        <source>to confirm.</source>
        <translation>zur Bestätigung ein.</translation>
    </message>
    <message>
        <source>Type &apos;delete&apos; to confirm</source>
        <translation>Geben Sie zur Bestätigung „löschen“ ein</translation>
    </message>
    <message>
        <source>      Back</source>
        <translation>      Zurück</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Erase Now</source>
        <translation>Jetzt löschen</translation>
    </message>
    <message>
        <source>Security Level: %1</source>
        <translation>Sicherheitsstufe: %1</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>delete</source>
        <translation>löschen</translation>
    </message>
    <message>
        <source>Sorry, the input is not correct. Please type &quot;delete&quot; again.</source>
        <translation>Die Eingabe ist nicht korrekt. Bitte geben Sie erneut „löschen“ ein.</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>Achtung</translation>
    </message>
    <message>
        <source>Error index when posting task:%1</source>
        <translation>Fehlerhafter Index beim Übermitteln der Aufgabe: %1</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>messages of conversations that still exist</source>
        <translation>Nachrichten noch vorhandener Unterhaltungen</translation>
    </message>
    <message>
        <source>contacts</source>
        <translation>Kontakte</translation>
    </message>
    <message>
        <source>calendar events and reminders</source>
        <translation>Kalenderereignisse und Erinnerungen</translation>
    </message>
    <message>
        <source>bookmarks</source>
        <translation>Lesezeichen</translation>
    </message>
    <message>
        <source>voice memos</source>
        <translation>Sprachmemos</translation>
    </message>
    <message>
        <source>Deleted %1 can only be erased all at once. Please tick all of them or none, then try again.</source>
        <translation>Folgende gelöschte Daten lassen sich nur alle zusammen löschen: %1. Markieren Sie alle oder keine davon und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>Nothing is ticked in the checked categories, so there is nothing to erase. Please go back and tick what you want to erase.</source>
        <translation>In den gewählten Kategorien ist nichts markiert, daher gibt es nichts zu löschen. Bitte gehen Sie zurück und markieren Sie, was Sie löschen möchten.</translation>
    </message>
    <message>
        <source>It will need about %1 minutes to erase data. If you stop when erasing, it may damage your device.  Are you sure to continue?</source>
        <translation>Das Löschen der Daten dauert etwa %1 Minuten. Wenn Sie den Vorgang währenddessen abbrechen, kann Ihr Gerät beschädigt werden. Möchten Sie wirklich fortfahren?</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>The device is not connected. Nothing was erased.</source>
        <translation>Das Gerät ist nicht verbunden. Es wurde nichts gelöscht.</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>Warnung</translation>
    </message>
</context>
<context>
    <name>EraseScanModel</name>
    <message>
        <source>Scan</source>
        <translation>Scannen</translation>
    </message>
</context>
<context>
    <name>EraseTabPage</name>
    <message>
        <source>Please set up and activate your device first before you use any other function.</source>
        <translation>Bitte richten Sie Ihr Gerät zuerst ein und aktivieren Sie es, bevor Sie andere Funktionen verwenden.</translation>
    </message>
    <message>
        <source>note</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>your device has not been activated,please set your device!</source>
        <translation>Ihr Gerät ist noch nicht aktiviert. Bitte richten Sie es ein!</translation>
    </message>
    <message>
        <source>Password is not correct!</source>
        <translation>Das Passwort ist falsch!</translation>
    </message>
</context>
<context>
    <name>EraseTableView</name>
    <message>
        <source>Select all</source>
        <translation>Alle auswählen</translation>
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
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>Your backup files had been password-encrypted. Please remove your encryption from iTunes and try it again.</source>
        <translation>Ihre Sicherungsdateien sind mit einem Passwort verschlüsselt. Bitte heben Sie die Verschlüsselung in iTunes auf und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Please disable &quot;Find My iPhone&quot; on your device before you continue.</source>
        <translation>Bitte deaktivieren Sie „Mein iPhone suchen“ auf Ihrem Gerät, bevor Sie fortfahren.</translation>
    </message>
    <message>
        <source>You must enter your password to unlock your device before continuing with Velmora Dravo Pro.</source>
        <translation>Bitte geben Sie Ihren Code ein und entsperren Sie Ihr Gerät, bevor Sie mit Velmora Dravo Pro fortfahren.</translation>
    </message>
    <message>
        <source>How to remove your backup encryption?</source>
        <translation>Wie hebe ich die Verschlüsselung der Sicherung auf?</translation>
    </message>
    <message>
        <source>How do I turn off &quot;Find My iPhone&quot;?</source>
        <translation>Wie deaktiviere ich „Mein iPhone suchen“?</translation>
    </message>
    <message>
        <source>This popup still appears even when &quot;Find My iPhone&quot; has been disabled?</source>
        <translation>Dieses Fenster erscheint weiterhin, obwohl „Mein iPhone suchen“ deaktiviert ist?</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Weiter</translation>
    </message>
</context>
<context>
    <name>ErasingReturnView</name>
    <message>
        <source>Stopped by user</source>
        <translation>Vom Benutzer abgebrochen</translation>
    </message>
    <message>
        <source>Data Deletion</source>
        <translation>Datenlöschung</translation>
    </message>
    <message>
        <source>Data Erasure</source>
        <translation>Datenvernichtung</translation>
    </message>
    <message>
        <source>             Fill the empty space on the device</source>
        <translation>             Freien Speicherplatz auf dem Gerät auffüllen</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Abgebrochen</translation>
    </message>
    <message>
        <source>      Home</source>
        <translation>      Start</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>             Erase the fragments the chosen apps left behind</source>
        <translation>             Von den gewählten Apps hinterlassene Fragmente löschen</translation>
    </message>
    <message>
        <source>             Erase the selected files</source>
        <translation>             Ausgewählte Dateien löschen</translation>
    </message>
    <message>
        <source>             Erase private data and system settings</source>
        <translation>             Private Daten und Systemeinstellungen löschen</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Abgeschlossen</translation>
    </message>
</context>
<context>
    <name>FanShapedWidget</name>
    <message>
        <source>Chart</source>
        <translation>Diagramm</translation>
    </message>
</context>
<context>
    <name>FillDataProcessView</name>
    <message>
        <source>Overwriting all personal data</source>
        <translation>Alle persönlichen Daten werden überschrieben</translation>
    </message>
    <message>
        <source>1. You may see a &quot;Storage Almost Full&quot; prompt on the device. Please don&apos;t worry, tap Ǎone” to continue.</source>
        <translation>1. Auf dem Gerät erscheint eventuell die Meldung „Speicher fast voll“. Keine Sorge: Tippen Sie auf „Fertig“, um fortzufahren.</translation>
    </message>
    <message>
        <source>2. Please don’t disconnect the device.</source>
        <translation>2. Bitte trennen Sie das Gerät nicht vom Computer.</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Estimated time: 60 minutes</source>
        <translation>Geschätzte Dauer: 60 Minuten</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <source>Estimated time: 1 minutes</source>
        <translation>Geschätzte Dauer: 1 Minute</translation>
    </message>
    <message>
        <source>Estimated time: %1 minutes</source>
        <translation>Geschätzte Dauer: %1 Minuten</translation>
    </message>
    <message>
        <source>It may damage your data or device if you stop the unrecoverable erasing process. Are you sure you want to stop now?</source>
        <translation>Wenn Sie das unwiderrufliche Löschen beenden, können Ihre Daten oder Ihr Gerät beschädigt werden. Möchten Sie den Vorgang wirklich jetzt beenden?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
</context>
<context>
    <name>ImageCompressionFinshed</name>
    <message>
        <source>Cleanup stopped!</source>
        <translation>Bereinigung abgebrochen!</translation>
    </message>
    <message>
        <source>Congratulations! Cleanup completed.</source>
        <translation>Glückwunsch! Die Bereinigung ist abgeschlossen.</translation>
    </message>
    <message>
        <source>Open Backup Folder</source>
        <translation>Sicherungsordner öffnen</translation>
    </message>
    <message>
        <source>Compress stopped!</source>
        <translation>Komprimierung abgebrochen!</translation>
    </message>
    <message>
        <source>Congratulations! Deleted successfully.</source>
        <translation>Glückwunsch! Erfolgreich gelöscht.</translation>
    </message>
    <message>
        <source>Open Export Folder</source>
        <translation>Exportordner öffnen</translation>
    </message>
    <message>
        <source>Congratulations! Exported successfully.</source>
        <translation>Glückwunsch! Erfolgreich exportiert.</translation>
    </message>
    <message>
        <source>There is no large file to be deleted on your device.</source>
        <translation>Auf Ihrem Gerät gibt es keine großen Dateien zum Löschen.</translation>
    </message>
    <message>
        <source>All selected apps have been removed.</source>
        <translation>Alle ausgewählten Apps wurden entfernt.</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Share it with your friends:</source>
        <translation>Mit Freunden teilen:</translation>
    </message>
    <message>
        <source>Share on Facebook</source>
        <translation>Auf Facebook teilen</translation>
    </message>
    <message>
        <source>Share on Twitter</source>
        <translation>Auf Twitter teilen</translation>
    </message>
    <message>
        <source>Share on Google</source>
        <translation>Auf Google teilen</translation>
    </message>
    <message>
        <source>Crestline</source>
        <translation>Crestline</translation>
    </message>
    <message>
        <source>Congratulations! Compressed successfully.</source>
        <translation>Glückwunsch! Erfolgreich komprimiert.</translation>
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
        <translation>%1 Speicher freigegeben!</translation>
    </message>
    <message>
        <source>%1 has been released.</source>
        <translation>%1 Speicher freigegeben.</translation>
    </message>
    <message>
        <source>Want to transfer music between iDevice and PC/iTunes, try &lt;a href=&quot;crestline&quot; style=&quot;color:#5695e8;&quot;&gt;Crestline&lt;/a&gt;.</source>
        <translation>Möchten Sie Musik zwischen iDevice und PC/iTunes übertragen? Probieren Sie &lt;a href=&quot;crestline&quot; style=&quot;color:#5695e8;&quot;&gt;Crestline&lt;/a&gt;.</translation>
    </message>
</context>
<context>
    <name>ImageCompressionScanReslut</name>
    <message>
        <source>Backup &amp; Compress</source>
        <translation>Sichern &amp; komprimieren</translation>
    </message>
    <message>
        <source>Export &amp; Delete</source>
        <translation>Exportieren &amp; löschen</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Lossless compression to free up about 75% of your camera’s photo space.</source>
        <translation>Verlustfreie Komprimierung gibt etwa 75&#xa0;% des Speicherplatzes Ihrer Kamerafotos frei.</translation>
    </message>
    <message>
        <source>Export selected photos to PC and delete them from iOS device to save more space.</source>
        <translation>Exportieren Sie ausgewählte Fotos auf den PC und löschen Sie sie vom iOS-Gerät, um mehr Speicherplatz freizugeben.</translation>
    </message>
    <message>
        <source>Before (26MB)</source>
        <translation>Vorher (26MB)</translation>
    </message>
    <message>
        <source>After (1.2MB)</source>
        <translation>Nachher (1.2MB)</translation>
    </message>
    <message>
        <source>&lt;font color = &apos;%1&apos;&gt;%2&lt;/font&gt; space can be saved by lossless photo compression.</source>
        <translation>&lt;font color = &apos;%1&apos;&gt;%2&lt;/font&gt; lassen sich durch verlustfreie Fotokomprimierung einsparen.</translation>
    </message>
    <message>
        <source>Export and deletion of photos can help you save up to &lt;font color = &apos;%1&apos;&gt;%2&lt;/font&gt;</source>
        <translation>Durch Exportieren und Löschen von Fotos sparen Sie bis zu &lt;font color = &apos;%1&apos;&gt;%2&lt;/font&gt;</translation>
    </message>
    <message>
        <source>The last compression saved %1.</source>
        <translation>Die letzte Komprimierung hat %1 eingespart.</translation>
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
        <translation>Alle auswählen</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Export Only</source>
        <translation>Nur exportieren</translation>
    </message>
    <message>
        <source>Backup &amp; Delete</source>
        <translation>Sichern &amp; löschen</translation>
    </message>
    <message>
        <source>Select the chosen date</source>
        <translation>Fotos des gewählten Datums auswählen</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
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
        <translation>Durch Exportieren und Löschen aller Fotos sparen Sie bis zu %1</translation>
    </message>
    <message>
        <source>%1 photos selected to save %2</source>
        <translation>%1 Fotos ausgewählt, Ersparnis: %2</translation>
    </message>
</context>
<context>
    <name>ImagePreviewControls</name>
    <message>
        <source>%1 photos</source>
        <translation>%1 Fotos</translation>
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
        <translation>Fotos</translation>
    </message>
</context>
<context>
    <name>JunkCleanScanResultView</name>
    <message>
        <source>Crash Logs</source>
        <translation>Absturzprotokolle</translation>
    </message>
    <message>
        <source>Clear redundant system usage reports and application crash logs which are generated by iOS.</source>
        <translation>Löschen Sie überflüssige Nutzungsberichte des Systems und Absturzprotokolle von Apps, die iOS erstellt hat.</translation>
    </message>
    <message>
        <source>Photo Caches</source>
        <translation>Foto-Caches</translation>
    </message>
    <message>
        <source>Delete Camera Roll, Photo Stream and Photo Library cache files which are created by third-party apps.</source>
        <translation>Löschen Sie Cache-Dateien zu Aufnahmen, Fotostream und Fotomediathek, die Apps von Drittanbietern angelegt haben.</translation>
    </message>
    <message>
        <source>Downloaded Temp Files</source>
        <translation>Temporäre Download-Dateien</translation>
    </message>
    <message>
        <source>Remove those corrupted files which are produced due to the interruption whilst downloading and still remain in the temp file folder.</source>
        <translation>Entfernen Sie beschädigte Dateien, die durch abgebrochene Downloads entstanden sind und noch im temporären Ordner liegen.</translation>
    </message>
    <message>
        <source>User Storage Files</source>
        <translation>Dateien im Benutzerspeicher</translation>
    </message>
    <message>
        <source>Eliminate the temp files in User Storage Directory which were generated by third-party apps.</source>
        <translation>Beseitigen Sie temporäre Dateien im Benutzerspeicher-Verzeichnis, die Apps von Drittanbietern angelegt haben.</translation>
    </message>
    <message>
        <source>iTunes Caches</source>
        <translation>iTunes-Caches</translation>
    </message>
    <message>
        <source>Clear up the incomplete files and traces produced when iTunes failed to sync.</source>
        <translation>Entfernen Sie unvollständige Dateien und Spuren, die bei fehlgeschlagenen iTunes-Synchronisierungen entstanden sind.</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Clean</source>
        <translation>Bereinigen</translation>
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
        <translation>Sie können %1 freigeben.</translation>
    </message>
</context>
<context>
    <name>LanguageSelectView</name>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Please select a language</source>
        <translation>Bitte wählen Sie eine Sprache</translation>
    </message>
    <message>
        <source>The progam will restart to apply your changes. Please wait.</source>
        <translation>Das Programm wird neu gestartet, um die Änderungen zu übernehmen. Bitte warten Sie.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>LargeFilesCleanCheckBox</name>
    <message>
        <source>Select</source>
        <translation>Auswählen</translation>
    </message>
</context>
<context>
    <name>LargeFilesCleanPhotoIcon</name>
    <message>
        <source>Thumbnail</source>
        <translation>Vorschau</translation>
    </message>
</context>
<context>
    <name>LargeFilesCleanView</name>
    <message>
        <source>Thumbnail</source>
        <translation>Vorschau</translation>
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
        <translation>Größe</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Anzeigen</translation>
    </message>
    <message>
        <source>File above</source>
        <translation>Dateien über</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>Large files</source>
        <translation>Große Dateien</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Alle auswählen</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Export Only</source>
        <translation>Nur exportieren</translation>
    </message>
    <message>
        <source>Back Up &amp; Delete</source>
        <translation>Sichern &amp; löschen</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message numerus="yes">
        <source>%n of the checked files are hidden by the filters. Back up and delete them as well?
&quot;Yes&quot; deletes every checked file, &quot;No&quot; only the files shown.</source>
        <translation>
            <numerusform>%n der markierten Dateien ist durch die Filter ausgeblendet. Auch diese Datei sichern und löschen?
„Ja“ löscht alle markierten Dateien, „Nein“ nur die angezeigten.</numerusform>
            <numerusform>%n der markierten Dateien sind durch die Filter ausgeblendet. Auch diese Dateien sichern und löschen?
„Ja“ löscht alle markierten Dateien, „Nein“ nur die angezeigten.</numerusform>
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
        <translation>Fotos werden exportiert. Bitte verwenden Sie das Gerät währenddessen nicht, um Fehler zu vermeiden.</translation>
    </message>
    <message>
        <source>Deleting photos, please do not use the device to avoid any abnormity.</source>
        <translation>Fotos werden gelöscht. Bitte verwenden Sie das Gerät währenddessen nicht, um Fehler zu vermeiden.</translation>
    </message>
    <message>
        <source>Deleting large files, please do not use the device to avoid any abnormity.</source>
        <translation>Große Dateien werden gelöscht. Bitte verwenden Sie das Gerät währenddessen nicht, um Fehler zu vermeiden.</translation>
    </message>
    <message>
        <source>Exporting large files, please do not use the device to avoid any abnormity.</source>
        <translation>Große Dateien werden exportiert. Bitte verwenden Sie das Gerät währenddessen nicht, um Fehler zu vermeiden.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
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
        <translation>Extras</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimieren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Tutorial</source>
        <translation>Anleitung</translation>
    </message>
    <message>
        <source>Frequently Asked Questions</source>
        <translation>Häufig gestellte Fragen</translation>
    </message>
    <message>
        <source>Write a Product Review</source>
        <translation>Produktbewertung schreiben</translation>
    </message>
    <message>
        <source>Contact Us</source>
        <translation>Kontakt</translation>
    </message>
    <message>
        <source>View Facebook Fan Page</source>
        <translation>Facebook-Fanseite besuchen</translation>
    </message>
    <message>
        <source>Follow Us on Twitter</source>
        <translation>Folgen Sie uns auf Twitter</translation>
    </message>
    <message>
        <source>Set Security Level</source>
        <translation>Sicherheitsstufe festlegen</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>Nach Updates suchen</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>1-Click
 Free Up Space</source>
        <translation>1-Klick-
 Bereinigung</translation>
    </message>
    <message>
        <source>Erase All Data</source>
        <translation>Alle Daten löschen</translation>
    </message>
    <message>
        <source>Erase Deleted Files</source>
        <translation>Gelöschte Dateien vernichten</translation>
    </message>
    <message>
        <source>Erase Private Data</source>
        <translation>Private Daten löschen</translation>
    </message>
    <message>
        <source>Erase Private Fragments</source>
        <translation>Private Fragmente löschen</translation>
    </message>
    <message>
        <source>If you leave, the scanning result won&apos;t be saved. Are you sure you want to leave?</source>
        <translation>Wenn Sie diese Seite verlassen, wird das Scanergebnis nicht gespeichert. Möchten Sie die Seite wirklich verlassen?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>PostConnectDevTask error!</source>
        <translation>Fehler bei PostConnectDevTask!</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Please unlock the device and trust the connection if needed. Then click Continue.</source>
        <translation>Bitte entsperren Sie das Gerät und vertrauen Sie bei Bedarf der Verbindung. Klicken Sie dann auf „Weiter“.</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>you should trust the device!</source>
        <translation>Sie müssen diesem Gerät vertrauen!</translation>
    </message>
    <message>
        <source>slotConnToDev return value false!</source>
        <translation>slotConnToDev hat false zurückgegeben!</translation>
    </message>
    <message>
        <source>Don&apos;t start iTunes and sync files when running the program to avoid data overwriting.</source>
        <translation>Starten Sie iTunes nicht und synchronisieren Sie keine Dateien, solange das Programm läuft, damit keine Daten überschrieben werden.</translation>
    </message>
    <message>
        <source>Velmora Dravo Pro</source>
        <translation>Velmora Dravo Pro</translation>
    </message>
    <message>
        <source>Are you sure you want to exit the program?</source>
        <translation>Möchten Sie das Programm wirklich beenden?</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Weiter</translation>
    </message>
</context>
<context>
    <name>MessageView</name>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Nachrichten</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Text Message</source>
        <translation>Textnachricht</translation>
    </message>
    <message>
        <source>Text Messages</source>
        <translation>Textnachrichten</translation>
    </message>
</context>
<context>
    <name>Note</name>
    <message>
        <source>Note</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Detail</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>Time: </source>
        <translation>Zeit: </translation>
    </message>
    <message>
        <source>Title: </source>
        <translation>Titel: </translation>
    </message>
    <message>
        <source>Note: </source>
        <translation>Notiz: </translation>
    </message>
</context>
<context>
    <name>OneKeyCleanResultView</name>
    <message>
        <source>Junk Files:</source>
        <translation>Datenmüll:</translation>
    </message>
    <message>
        <source>Temporary Files:</source>
        <translation>Temporäre Dateien:</translation>
    </message>
    <message>
        <source>Too few temporary files on your iPhone to clean.</source>
        <translation>Auf Ihrem iPhone gibt es zu wenige temporäre Dateien zum Bereinigen.</translation>
    </message>
    <message>
        <source>Photos:</source>
        <translation>Fotos:</translation>
    </message>
    <message>
        <source>Large Files:</source>
        <translation>Große Dateien:</translation>
    </message>
    <message>
        <source>Apps:</source>
        <translation>Apps:</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Rescan</source>
        <translation>Neu scannen</translation>
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
        <translation>Wenn Sie zurückgehen, wird das Scanergebnis nicht gespeichert. Möchten Sie wirklich zurückgehen?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>About %1</source>
        <comment>approximately, %1 is a size</comment>
        <translation>Etwa %1</translation>
    </message>
    <message>
        <source>You can save up to %1</source>
        <comment>%1 is a size</comment>
        <translation>Sie können bis zu %1 einsparen</translation>
    </message>
    <message>
        <source>%1 More can be freed up.</source>
        <comment>%1 is a size</comment>
        <translation>Sie können weitere %1 freigeben.</translation>
    </message>
    <message>
        <source>%1 has been released!</source>
        <comment>%1 is a size</comment>
        <translation>%1 Speicher freigegeben!</translation>
    </message>
</context>
<context>
    <name>OneKeyCleanView</name>
    <message>
        <source>1-Click Free Up Space</source>
        <translation>1-Klick-Bereinigung</translation>
    </message>
    <message>
        <source>Quick Scan</source>
        <translation>Schnellscan</translation>
    </message>
    <message>
        <source>Or scan one category:</source>
        <translation>Oder eine Kategorie scannen:</translation>
    </message>
    <message>
        <source>Junk Files</source>
        <translation>Datenmüll</translation>
    </message>
    <message>
        <source>Temp Files</source>
        <translation>Temp-Dateien</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>Fotos</translation>
    </message>
    <message>
        <source>Large Files</source>
        <translation>Große Dateien</translation>
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
        <translation>Nie</translation>
    </message>
    <message>
        <source>Last use:</source>
        <translation>Letzte Nutzung:</translation>
    </message>
    <message>
        <source>Total space released:</source>
        <translation>Insgesamt freigegeben:</translation>
    </message>
</context>
<context>
    <name>OneKeyCommon</name>
    <message>
        <source>If you go back, the scanning result won&apos;t be saved. Are you sure you want to go back?</source>
        <translation>Wenn Sie zurückgehen, wird das Scanergebnis nicht gespeichert. Möchten Sie wirklich zurückgehen?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>The device is not connected. Please connect it and try again.</source>
        <translation>Das Gerät ist nicht verbunden. Bitte verbinden Sie es und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Scan completed! No need for further cleaning.</source>
        <translation>Scan abgeschlossen! Eine weitere Bereinigung ist nicht nötig.</translation>
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
        <translation>Bereinigen</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
</context>
<context>
    <name>OvAbout</name>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Permanently Erase Your Private Data from iPhone/iPad/iPod!</source>
        <translation>Löschen Sie Ihre privaten Daten dauerhaft von iPhone/iPad/iPod!</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Copyright © %1 Velmora Software. All rights reserved.</source>
        <translation>Copyright © %1 Velmora Software. Alle Rechte vorbehalten.</translation>
    </message>
</context>
<context>
    <name>OvEraseAllDataModel</name>
    <message>
        <source>Erase All Data </source>
        <translation>Alle Daten löschen </translation>
    </message>
    <message>
        <source>Erase all data permanently and keep your private data completely gone.</source>
        <translation>Löschen Sie alle Daten dauerhaft, damit Ihre privaten Daten restlos verschwinden.</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>All the data has been erased.</source>
        <translation>Alle Daten wurden gelöscht.</translation>
    </message>
    <message>
        <source>Data Analysis Failed</source>
        <translation>Datenanalyse fehlgeschlagen</translation>
    </message>
    <message>
        <source>It failed to erasing data for unknown error. Please restart this program and try it again. (error code: %1)</source>
        <translation>Die Daten konnten wegen eines unbekannten Fehlers nicht gelöscht werden. Bitte starten Sie das Programm neu und versuchen Sie es erneut. (Fehlercode: %1)</translation>
    </message>
    <message>
        <source>Data Erasing Failed</source>
        <translation>Löschen fehlgeschlagen</translation>
    </message>
</context>
<context>
    <name>OvEraseDeletedFilesModel</name>
    <message>
        <source>Erase Deleted Files </source>
        <translation>Gelöschte Dateien vernichten </translation>
    </message>
    <message>
        <source>Erase deleted files outright and your secrets are gone forever.</source>
        <translation>Vernichten Sie gelöschte Dateien restlos, damit Ihre Geheimnisse für immer verschwinden.</translation>
    </message>
    <message>
        <source>Erase Deleted Files</source>
        <translation>Gelöschte Dateien vernichten</translation>
    </message>
    <message>
        <source>Selected files have been erased thoroughly.</source>
        <translation>Die ausgewählten Dateien wurden restlos vernichtet.</translation>
    </message>
</context>
<context>
    <name>OvEraseFragmentDataModel</name>
    <message>
        <source>Erase Incomplete Private Fragments</source>
        <translation>Unvollständige private Fragmente löschen</translation>
    </message>
    <message>
        <source>The most complete and in-depth erasure for third-party Apps!</source>
        <translation>Die gründlichste und vollständigste Löschung für Apps von Drittanbietern!</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Scannen</translation>
    </message>
    <message>
        <source>Erase Private Fragments  </source>
        <translation>Private Fragmente löschen  </translation>
    </message>
    <message>
        <source>Seleted data have been erased completely.</source>
        <translation>Die ausgewählten Daten wurden vollständig gelöscht.</translation>
    </message>
    <message>
        <source>Data Analysis Failed</source>
        <translation>Datenanalyse fehlgeschlagen</translation>
    </message>
    <message>
        <source>The fragments of %1 cannot be erased on this device. Nothing was erased.</source>
        <translation>Die Fragmente von %1 lassen sich auf diesem Gerät nicht löschen. Es wurde nichts gelöscht.</translation>
    </message>
    <message>
        <source>Data Erasing Failed</source>
        <translation>Löschen fehlgeschlagen</translation>
    </message>
</context>
<context>
    <name>OvErasePrivateDataModel</name>
    <message>
        <source>Erase Private Data </source>
        <translation>Private Daten löschen </translation>
    </message>
    <message>
        <source>Erase paivate data securely and don&apos;t worry about security breaches.</source>
        <translation>Löschen Sie private Daten sicher und sorgen Sie sich nicht mehr um Datenlecks.</translation>
    </message>
    <message>
        <source>Erase Private Data</source>
        <translation>Private Daten löschen</translation>
    </message>
    <message>
        <source>Selected files have been erased thoroughly.</source>
        <translation>Die ausgewählten Dateien wurden restlos gelöscht.</translation>
    </message>
</context>
<context>
    <name>OvFeedback</name>
    <message>
        <source>OvFeedback</source>
        <translation>Feedback</translation>
    </message>
    <message>
        <source>Send us your comments or technical problems about Velmora Dravo Pro.</source>
        <translation>Senden Sie uns Ihre Anmerkungen oder technischen Probleme mit Velmora Dravo Pro.</translation>
    </message>
    <message>
        <source>E-mail:</source>
        <translation>E-Mail:</translation>
    </message>
    <message>
        <source>Enter your email address</source>
        <translation>Geben Sie Ihre E-Mail-Adresse ein</translation>
    </message>
    <message>
        <source>Content:</source>
        <translation>Inhalt:</translation>
    </message>
    <message>
        <source>If you have any comments or suggestions, please write directly to us.</source>
        <translation>Wenn Sie Anmerkungen oder Vorschläge haben, schreiben Sie uns bitte direkt.</translation>
    </message>
    <message>
        <source>Attach the log file (check the box to send automatically).</source>
        <translation>Protokolldatei anhängen (ankreuzen, um sie automatisch mitzusenden).</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Senden</translation>
    </message>
    <message>
        <source>Please enter your email address.</source>
        <translation>Bitte geben Sie Ihre E-Mail-Adresse ein.</translation>
    </message>
    <message>
        <source>Please enter a valid email address.</source>
        <translation>Bitte geben Sie eine gültige E-Mail-Adresse ein.</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Fehlgeschlagen</translation>
    </message>
    <message>
        <source>Submitted successfully.</source>
        <translation>Erfolgreich gesendet.</translation>
    </message>
    <message>
        <source>Sending your feedback...</source>
        <translation>Ihr Feedback wird gesendet...</translation>
    </message>
    <message>
        <source>Feedback is not set up on this computer, so your message could not be sent. Your text is kept in this window.</source>
        <translation>Feedback ist auf diesem Computer nicht eingerichtet, daher konnte Ihre Nachricht nicht gesendet werden. Ihr Text bleibt in diesem Fenster erhalten.</translation>
    </message>
</context>
<context>
    <name>OvFillDataProgressBar</name>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1&#xa0;%</translation>
    </message>
</context>
<context>
    <name>OvFragmentAppItem</name>
    <message>
        <source>No data</source>
        <translation>Keine Daten</translation>
    </message>
    <message>
        <source>Nothing of %1 was found on the device.</source>
        <translation>Auf dem Gerät wurde nichts von %1 gefunden.</translation>
    </message>
</context>
<context>
    <name>OvFragmentAppView</name>
    <message>
        <source>Permanently Erase Private Fragments - Make sure your private data stays private and is away from privacy leak.</source>
        <translation>Private Fragmente dauerhaft löschen – damit Ihre privaten Daten privat bleiben und nicht nach außen gelangen.</translation>
    </message>
    <message>
        <source>     Back</source>
        <translation>     Zurück</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Erase Now</source>
        <translation>Jetzt löschen</translation>
    </message>
    <message>
        <source>If you go back, the scanning result won&apos;t be saved. Are you sure you want to go back?</source>
        <translation>Wenn Sie zurückgehen, wird das Scanergebnis nicht gespeichert. Möchten Sie wirklich zurückgehen?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
</context>
<context>
    <name>OvMessageBox</name>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>OvOneKeyClearModel</name>
    <message>
        <source>Cleaning failed for some unknown errors. Please try it again.</source>
        <translation>Die Bereinigung ist wegen eines unbekannten Fehlers fehlgeschlagen. Bitte versuchen Sie es erneut.</translation>
    </message>
</context>
<context>
    <name>OvProgressBarGif</name>
    <message>
        <source>About %1 Minute(s)</source>
        <translation>Etwa %1 Minute(n)</translation>
    </message>
</context>
<context>
    <name>OvScanResultView</name>
    <message>
        <source>Deleted Data</source>
        <translation>Gelöschte Daten</translation>
    </message>
    <message>
        <source>    Private Data</source>
        <translation>    Private Daten</translation>
    </message>
    <message>
        <source>Scanning, please wait...</source>
        <translation>Wird gescannt, bitte warten Sie...</translation>
    </message>
    <message>
        <source>Scan progress</source>
        <translation>Scanfortschritt</translation>
    </message>
    <message>
        <source> Stop</source>
        <translation> Stopp</translation>
    </message>
    <message>
        <source>Data categories</source>
        <translation>Datenkategorien</translation>
    </message>
    <message>
        <source>No data scanned?Please confirm your device can be backed up	</source>
        <translation>Keine Daten gefunden? Bitte prüfen Sie, ob sich Ihr Gerät	</translation>
    </message>
    <message>
        <source>via itunes.if so,please</source>
        <translation>mit iTunes sichern lässt. Falls ja, bitte</translation>
    </message>
    <message>
        <source>click here</source>
        <translation>hier klicken</translation>
    </message>
    <message>
        <source>records detected.</source>
        <translation>Einträge gefunden.</translation>
    </message>
    <message>
        <source>   Back</source>
        <translation>   Zurück</translation>
    </message>
    <message>
        <source>Erase Now</source>
        <translation>Jetzt löschen</translation>
    </message>
    <message>
        <source>No data scanned</source>
        <translation>Keine Daten gefunden</translation>
    </message>
    <message>
        <source>Click a category on the left to see its records.</source>
        <translation>Klicken Sie links auf eine Kategorie, um ihre Einträge anzuzeigen.</translation>
    </message>
    <message>
        <source>If you stop scanning, some data won&apos;t be detected. Are you sure to stop?</source>
        <translation>Wenn Sie den Scan beenden, werden manche Daten nicht gefunden. Möchten Sie den Scan wirklich beenden?</translation>
    </message>
    <message>
        <source> (%1)</source>
        <translation> (%1)</translation>
    </message>
    <message>
        <source>The records of this category cannot be shown.</source>
        <translation>Die Einträge dieser Kategorie können nicht angezeigt werden.</translation>
    </message>
    <message>
        <source>If you go back, the scanning result won&apos;t be saved. Are you sure you want to go back?</source>
        <translation>Wenn Sie zurückgehen, wird das Scanergebnis nicht gespeichert. Möchten Sie wirklich zurückgehen?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Nachrichten</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Kontakte</translation>
    </message>
    <message>
        <source>Calendar,
Reminder</source>
        <translation>Kalender,
Erinnerungen</translation>
    </message>
    <message>
        <source>Call History</source>
        <translation>Anrufliste</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <source>Safari History</source>
        <translation>Safari-Verlauf</translation>
    </message>
    <message>
        <source>Bookmark</source>
        <translation>Lesezeichen</translation>
    </message>
    <message>
        <source>Photos &amp;
Videos</source>
        <translation>Fotos &amp;
Videos</translation>
    </message>
    <message>
        <source>Voice Memo</source>
        <translation>Sprachmemos</translation>
    </message>
    <message>
        <source>WeChat</source>
        <translation>WeChat</translation>
    </message>
    <message>
        <source>Safari Cookie</source>
        <translation>Safari-Cookies</translation>
    </message>
    <message>
        <source>Safari Cache</source>
        <translation>Safari-Cache</translation>
    </message>
    <message>
        <source>Message 
Attachment</source>
        <translation>Nachrichten-
anhänge</translation>
    </message>
    <message>
        <source>Note 
Attachment</source>
        <translation>Notiz-
anhänge</translation>
    </message>
    <message>
        <source>WhatsApp</source>
        <translation>WhatsApp</translation>
    </message>
    <message>
        <source>WhatsApp
Attachments</source>
        <translation>WhatsApp-
Anhänge</translation>
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
        <translation>Kik-
Anhänge</translation>
    </message>
</context>
<context>
    <name>OvStyleCheckBoxSubImageWidget</name>
    <message>
        <source>Select</source>
        <translation>Auswählen</translation>
    </message>
</context>
<context>
    <name>OvStyleProgressBar</name>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1&#xa0;%</translation>
    </message>
</context>
<context>
    <name>OvStyleScanProcessView</name>
    <message>
        <source>Scanning your device. Please do not use the device to avoid any problems.</source>
        <translation>Ihr Gerät wird gescannt. Bitte verwenden Sie das Gerät währenddessen nicht, um Probleme zu vermeiden.</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>If you stop scanning, some data won&apos;t be detected. Are you sure you want to stop?</source>
        <translation>Wenn Sie den Scan beenden, werden manche Daten nicht gefunden. Möchten Sie den Scan wirklich beenden?</translation>
    </message>
</context>
<context>
    <name>OvStyleTabelWidgetCheckBox</name>
    <message>
        <source>Select</source>
        <translation>Auswählen</translation>
    </message>
</context>
<context>
    <name>OvStyleWidgetTitle</name>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>OvWechatView</name>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
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
        <translation>Datum</translation>
    </message>
</context>
<context>
    <name>OvWhatsappView</name>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>WhatsApp Attachments</source>
        <translation>WhatsApp-Anhänge</translation>
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
        <translation>Datum</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
</context>
<context>
    <name>PhotoView</name>
    <message>
        <source>Select All</source>
        <translation>Alle auswählen</translation>
    </message>
    <message>
        <source>Photos &amp; Videos</source>
        <translation>Fotos &amp; Videos</translation>
    </message>
    <message>
        <source>Unknown date</source>
        <translation>Unbekanntes Datum</translation>
    </message>
    <message>
        <source>Show day</source>
        <translation>Tag anzeigen</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>%1 items</source>
        <translation>%1 Elemente</translation>
    </message>
</context>
<context>
    <name>RoundWidget</name>
    <message>
        <source>Used space</source>
        <translation>Belegter Speicher</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1&#xa0;%</translation>
    </message>
</context>
<context>
    <name>SafariCache</name>
    <message>
        <source>Safari Cache</source>
        <translation>Safari-Cache</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Alle auswählen</translation>
    </message>
</context>
<context>
    <name>SafariCacheModel</name>
    <message>
        <source>Other</source>
        <translation>Sonstige</translation>
    </message>
    <message>
        <source>%1 B</source>
        <translation>%1&#xa0;B</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Eintrag</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Anzahl</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
</context>
<context>
    <name>SafariCookie</name>
    <message>
        <source>Safari Cookie</source>
        <translation>Safari-Cookies</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Created</source>
        <translation>Erstellt</translation>
    </message>
    <message>
        <source>Expired</source>
        <translation>Läuft ab</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>%1 B</source>
        <translation>%1&#xa0;B</translation>
    </message>
</context>
<context>
    <name>SafariHistory</name>
    <message>
        <source>Safari History</source>
        <translation>Safari-Verlauf</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
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
        <translation>Sicherheitsstufe festlegen</translation>
    </message>
    <message>
        <source>Low Level (Quick Erasure)</source>
        <translation>Niedrige Stufe (schnelles Löschen)</translation>
    </message>
    <message>
        <source>The fastest channel to permanently delete your data, it&apos;s twice faster than the others. It will destroy your data to make sure that the files are not recoverable.</source>
        <translation>Der schnellste Weg, Ihre Daten dauerhaft zu löschen – doppelt so schnell wie die anderen Stufen. Ihre Daten werden so vernichtet, dass sich die Dateien nicht wiederherstellen lassen.</translation>
    </message>
    <message>
        <source>Medium Level (1 Time, Recommended)</source>
        <translation>Mittlere Stufe (1-mal, empfohlen)</translation>
    </message>
    <message>
        <source>Velmora Dravo Pro will totally overwrite your private data to make sure that the files are 100% unrecoverable.</source>
        <translation>Velmora Dravo Pro überschreibt Ihre privaten Daten vollständig, damit sich die Dateien zu 100&#xa0;% nicht wiederherstellen lassen.</translation>
    </message>
    <message>
        <source>High Level (2 Times)</source>
        <translation>Hohe Stufe (2-mal)</translation>
    </message>
    <message>
        <source>This option is highly recommended if you saved any private files (e.g. bank records, passwords, financial data, etc.) on your device. The applied security standard is according to the U.S. DoD 5220.22-M.</source>
        <translation>Diese Option wird dringend empfohlen, wenn Sie private Dateien (z.&#xa0;B. Kontoauszüge, Passwörter, Finanzdaten usw.) auf Ihrem Gerät gespeichert haben. Der angewandte Sicherheitsstandard entspricht U.S. DoD 5220.22-M.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Hoch</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Niedrig</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Mittel</translation>
    </message>
</context>
<context>
    <name>ScanAnalyzeView</name>
    <message>
        <source>Analysis progress</source>
        <translation>Analysefortschritt</translation>
    </message>
    <message>
        <source>Loading data, please wait...</source>
        <translation>Daten werden geladen, bitte warten Sie...</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>It failed to analyze your device. Please set up your iDevice first. Make sure you can access the Home screen and try it again. (error code: %1)</source>
        <translation>Ihr Gerät konnte nicht analysiert werden. Bitte richten Sie Ihr iDevice zuerst ein. Stellen Sie sicher, dass Sie den Home-Bildschirm erreichen, und versuchen Sie es erneut. (Fehlercode: %1)</translation>
    </message>
    <message>
        <source>Your PC doesn&apos;t have enough storage for data processing. Please free up space in the disk which has the most available space and try it again. (error code: %1)</source>
        <translation>Auf Ihrem PC ist nicht genug Speicherplatz für die Datenverarbeitung frei. Bitte geben Sie Speicherplatz auf dem Laufwerk mit dem meisten freien Platz frei und versuchen Sie es erneut. (Fehlercode: %1)</translation>
    </message>
    <message>
        <source>Please unlock your device and tap &quot;Trust&quot; from the pop-up alert on your device before you continue. (error code: %1)</source>
        <translation>Bitte entsperren Sie Ihr Gerät und tippen Sie in der Meldung auf dem Gerät auf „Vertrauen“, bevor Sie fortfahren. (Fehlercode: %1)</translation>
    </message>
    <message>
        <source>Your iDevice storage is almost full. Please free up your iPhone space and try it again. (error code: %1)</source>
        <translation>Der Speicher Ihres iDevice ist fast voll. Bitte geben Sie Speicherplatz auf Ihrem iPhone frei und versuchen Sie es erneut. (Fehlercode: %1)</translation>
    </message>
    <message>
        <source>There may be unknown error with your iTunes. Please uninstall and reinstall iTunes to fix. Make sure you have the latest version of iTunes and try it again. (error code: %1)</source>
        <translation>Möglicherweise liegt ein unbekannter Fehler in iTunes vor. Deinstallieren Sie iTunes und installieren Sie es erneut, um den Fehler zu beheben. Stellen Sie sicher, dass Sie die neueste Version von iTunes verwenden, und versuchen Sie es erneut. (Fehlercode: %1)</translation>
    </message>
    <message>
        <source>Data Analysis Failed</source>
        <translation>Datenanalyse fehlgeschlagen</translation>
    </message>
    <message>
        <source>If you stop analyzing, no data will be scanned. Are you sure to stop?</source>
        <translation>Wenn Sie die Analyse beenden, werden keine Daten gescannt. Möchten Sie die Analyse wirklich beenden?</translation>
    </message>
    <message>
        <source>Cancelling, please wait a moment ...</source>
        <translation>Wird abgebrochen, bitte warten Sie einen Moment...</translation>
    </message>
</context>
<context>
    <name>TaskExecuteView</name>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
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
        <translation>Fotos werden exportiert: </translation>
    </message>
    <message>
        <source>You are saving </source>
        <translation>Sie sparen </translation>
    </message>
    <message>
        <source>Clearing junk files. Please wait. </source>
        <translation>Datenmüll wird entfernt. Bitte warten Sie. </translation>
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
        <translation>Wartet</translation>
    </message>
</context>
<context>
    <name>VoiceMemos</name>
    <message>
        <source>Voice Memo</source>
        <translation>Sprachmemos</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alle auswählen</translation>
    </message>
    <message>
        <source>Check All</source>
        <translation>Alle auswählen</translation>
    </message>
    <message>
        <source>Uncheck All</source>
        <translation>Alle abwählen</translation>
    </message>
</context>
<context>
    <name>WeChatContentShow</name>
    <message>
        <source>[Picture]</source>
        <translation>[Bild]</translation>
    </message>
    <message>
        <source>[Voice]</source>
        <translation>[Sprachnachricht]</translation>
    </message>
    <message>
        <source>[Video]</source>
        <translation>[Video]</translation>
    </message>
    <message>
        <source>[Voice call]</source>
        <translation>[Sprachanruf]</translation>
    </message>
    <message>
        <source>[Red packet]</source>
        <translation>[Roter Umschlag]</translation>
    </message>
    <message>
        <source>[Location]</source>
        <translation>[Standort]</translation>
    </message>
    <message>
        <source>[Business card]</source>
        <translation>[Visitenkarte]</translation>
    </message>
</context>
</TS>
