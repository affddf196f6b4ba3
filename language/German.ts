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
        <source>The device is not connected. Please connect it and try again.</source>
        <translation>Das Gerät ist nicht verbunden. Bitte verbinden Sie es und versuchen Sie es erneut.</translation>
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
    <name>CommonImgCtrl</name>
    <message>
        <source>Select</source>
        <translation>Auswählen</translation>
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
        <source>Total</source>
        <translation>Gesamt</translation>
    </message>
    <message>
        <source>Free</source>
        <translation>Frei</translation>
    </message>
    <message>
        <source>Used</source>
        <translation>Belegt</translation>
    </message>
    <message>
        <source>%1: %2 free of %3</source>
        <translation>%1: %2 von %3 frei</translation>
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
    <name>FanShapedWidget</name>
    <message>
        <source>Chart</source>
        <translation>Diagramm</translation>
    </message>
</context>
<context>
    <name>ImageCompressionFinshed</name>
    <message>
        <source>has been released!</source>
        <translation>wurden freigegeben!</translation>
    </message>
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
        <source>has been released.</source>
        <translation>wurden freigegeben.</translation>
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
        <source>Want to transfer music between iDevice and PC/iTunes,</source>
        <translation>Wenn Sie Musik zwischen iOS-Gerät und PC/iTunes übertragen möchten,</translation>
    </message>
    <message>
        <source>try &lt;a href=&quot;crestline&quot; style=&quot;color:#5695e8;&quot;&gt;Crestline&lt;/a&gt;.</source>
        <translation>probieren Sie &lt;a href=&quot;crestline&quot; style=&quot;color:#5695e8;&quot;&gt;Crestline&lt;/a&gt; aus.</translation>
    </message>
    <message>
        <source>Crestline</source>
        <translation>Crestline</translation>
    </message>
    <message>
        <source>Congratulations! Compressed successfully.</source>
        <translation>Glückwunsch! Erfolgreich komprimiert.</translation>
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
        <source>Export and deletion of all the photos will save you up to</source>
        <translation>Durch Exportieren und Löschen aller Fotos sparen Sie bis zu</translation>
    </message>
    <message>
        <source>photos selected to save</source>
        <translation>Fotos ausgewählt – Ersparnis</translation>
    </message>
</context>
<context>
    <name>ImagePreviewControls</name>
    <message>
        <source>%1 photos</source>
        <translation>%1 Fotos</translation>
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
        <source>can be released.</source>
        <translation>können freigegeben werden.</translation>
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
    <message>
        <source>The device is not connected. Please connect it and try again.</source>
        <translation>Das Gerät ist nicht verbunden. Bitte verbinden Sie es und versuchen Sie es erneut.</translation>
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
    <name>OneKeyCleanResultView</name>
    <message>
        <source>You can save up to </source>
        <translation>Sparen Sie bis zu </translation>
    </message>
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
        <source> More can be freed up.</source>
        <translation> können noch freigegeben werden.</translation>
    </message>
    <message>
        <source> has been released!</source>
        <translation> wurden freigegeben!</translation>
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
        <source>About</source>
        <comment>approximately, before a size</comment>
        <translation>Etwa</translation>
    </message>
</context>
<context>
    <name>OneKeyCleanView</name>
    <message>
        <source>1-Click Free Up Space</source>
        <translation>1-Klick-Bereinigung</translation>
    </message>
    <message>
        <source>Last use</source>
        <translation>Letzte Nutzung</translation>
    </message>
    <message>
        <source>Total space released</source>
        <translation>Insgesamt freigegeben</translation>
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
        <source>Scan completed! No need for further cleaning.</source>
        <translation>Scan abgeschlossen! Eine weitere Bereinigung ist nicht nötig.</translation>
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
        <source>Scan</source>
        <translation>Scannen</translation>
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
        <source>Scan</source>
        <translation>Scannen</translation>
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
    <message>
        <source>The device is not connected. Please connect it and try again.</source>
        <translation>Das Gerät ist nicht verbunden. Bitte verbinden Sie es und versuchen Sie es erneut.</translation>
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
</TS>
