<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL" sourcelanguage="en">
<context>
    <name>AppManagerSubWidget</name>
    <message>
        <source>Select</source>
        <translation>Selecteer</translation>
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
        <translation>Versie</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Grootte</translation>
    </message>
    <message>
        <source>Removing</source>
        <translation>Verwijderen…</translation>
    </message>
    <message>
        <source>Removed</source>
        <translation>Verwijderd</translation>
    </message>
    <message>
        <source>Apps</source>
        <translation>Apps</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Alles selecteren</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Terug</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Verwijder</translation>
    </message>
    <message>
        <source>Remove the selected apps?</source>
        <translation>Geselecteerde apps verwijderen?</translation>
    </message>
    <message>
        <source>The device is not connected. Please connect it and try again.</source>
        <translation>Het apparaat is niet verbonden. Sluit het aan en probeer het opnieuw.</translation>
    </message>
</context>
<context>
    <name>AppShowWidget</name>
    <message>
        <source>Select</source>
        <translation>Selecteer</translation>
    </message>
</context>
<context>
    <name>CacheCleanProcessView</name>
    <message>
        <source>Clearing temporary files. Please do not use the device to avoid any problems.</source>
        <translation>Tijdelijke bestanden worden gewist. Gebruik het apparaat niet, om problemen te voorkomen.</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stoppen</translation>
    </message>
    <message>
        <source>About %1 Minute(s)</source>
        <translation>Ongeveer %1 minuut/minuten</translation>
    </message>
    <message>
        <source>If you stop clearing, some data won&apos;t be deleted. Are you sure you want to stop?</source>
        <translation>Als u het opschonen stopt, worden sommige gegevens niet verwijderd. Weet u zeker dat u wilt stoppen?</translation>
    </message>
</context>
<context>
    <name>CommonImgCtrl</name>
    <message>
        <source>Select</source>
        <translation>Selecteer</translation>
    </message>
</context>
<context>
    <name>DevConnectNullView</name>
    <message>
        <source>Please Connect Your iOS Device to PC</source>
        <translation>Sluit uw iOS-apparaat aan op de pc</translation>
    </message>
    <message>
        <source>Is your iDevice not being recognized?</source>
        <translation>Wordt uw iOS-apparaat niet herkend?</translation>
    </message>
</context>
<context>
    <name>DevConnectView</name>
    <message>
        <source>Connecting the device, please wait for a moment...</source>
        <translation>Verbinding maken met het apparaat, even geduld...</translation>
    </message>
</context>
<context>
    <name>DeviceConnectNullTipDialog</name>
    <message>
        <source>Your device is connected but unrecognized? Please try the following methods:</source>
        <translation>Is uw apparaat aangesloten maar wordt het niet herkend? Probeer het volgende:</translation>
    </message>
    <message>
        <source>Resolve Connection Issues&gt;&gt;</source>
        <translation>Verbindingsproblemen oplossen&gt;&gt;</translation>
    </message>
    <message>
        <source>More Methods</source>
        <translation>Meer oplossingen</translation>
    </message>
    <message>
        <source>If your device boots up and is plugged via USB in PC</source>
        <translation>Als uw apparaat aanstaat en via USB op de pc is aangesloten</translation>
    </message>
    <message>
        <source>1. Ensure the latest version of iTunes is installed. Check if iTunes could recognize your device. Try to uninstall and reinstall iTunes. </source>
        <translation>1. Zorg dat de nieuwste versie van iTunes is geïnstalleerd en controleer of iTunes uw apparaat herkent. Verwijder iTunes eventueel en installeer het opnieuw. </translation>
    </message>
    <message>
        <source>2. Unplug and re-plug in the device. Reboot the device and plug in again.</source>
        <translation>2. Koppel het apparaat los en sluit het weer aan. Start het apparaat opnieuw op en sluit het opnieuw aan.</translation>
    </message>
    <message>
        <source>3. Use the USB cable that comes with your iDevice.  Try to use a USB port on the back of your computer.</source>
        <translation>3. Gebruik de USB-kabel die bij uw apparaat is geleverd. Probeer een USB-poort aan de achterkant van uw computer.</translation>
    </message>
</context>
<context>
    <name>DeviceInfoWidget</name>
    <message>
        <source>Total</source>
        <translation>Totaal</translation>
    </message>
    <message>
        <source>Free</source>
        <translation>Vrij</translation>
    </message>
    <message>
        <source>Used</source>
        <translation>Gebruikt</translation>
    </message>
    <message>
        <source>%1: %2 free of %3</source>
        <translation>%1: %2 vrij van %3</translation>
    </message>
</context>
<context>
    <name>EraseTipDialog</name>
    <message>
        <source>Notice</source>
        <translation>Let op</translation>
    </message>
    <message>
        <source>Your backup files had been password-encrypted. Please remove your encryption from iTunes and try it again.</source>
        <translation>Uw reservekopiebestanden zijn met een wachtwoord versleuteld. Schakel de versleuteling in iTunes uit en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informatie</translation>
    </message>
    <message>
        <source>Please disable &quot;Find My iPhone&quot; on your device before you continue.</source>
        <translation>Schakel &apos;Zoek mijn iPhone&apos; op uw apparaat uit voordat u doorgaat.</translation>
    </message>
    <message>
        <source>You must enter your password to unlock your device before continuing with Velmora Dravo Pro.</source>
        <translation>Voer uw toegangscode in om uw apparaat te ontgrendelen voordat u verdergaat met Velmora Dravo Pro.</translation>
    </message>
    <message>
        <source>How to remove your backup encryption?</source>
        <translation>Hoe schakel ik de versleuteling van de reservekopie uit?</translation>
    </message>
    <message>
        <source>How do I turn off &quot;Find My iPhone&quot;?</source>
        <translation>Hoe schakel ik &apos;Zoek mijn iPhone&apos; uit?</translation>
    </message>
    <message>
        <source>This popup still appears even when &quot;Find My iPhone&quot; has been disabled?</source>
        <translation>Verschijnt deze melding nog terwijl &apos;Zoek mijn iPhone&apos; is uitgeschakeld?</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Opnieuw</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Doorgaan</translation>
    </message>
</context>
<context>
    <name>FanShapedWidget</name>
    <message>
        <source>Chart</source>
        <translation>Grafiek</translation>
    </message>
</context>
<context>
    <name>ImageCompressionFinshed</name>
    <message>
        <source>has been released!</source>
        <translation>vrijgemaakt!</translation>
    </message>
    <message>
        <source>Congratulations! Compressed successfully.</source>
        <translation>Gefeliciteerd! Gecomprimeerd.</translation>
    </message>
    <message>
        <source>Cleanup stopped!</source>
        <translation>Opschonen gestopt!</translation>
    </message>
    <message>
        <source>Congratulations! Cleanup completed.</source>
        <translation>Gefeliciteerd! Opschonen voltooid.</translation>
    </message>
    <message>
        <source>Open Backup Folder</source>
        <translation>Map met reservekopie openen</translation>
    </message>
    <message>
        <source>Compress stopped!</source>
        <translation>Comprimeren gestopt!</translation>
    </message>
    <message>
        <source>Congratulations! Deleted successfully.</source>
        <translation>Gefeliciteerd! Verwijderd.</translation>
    </message>
    <message>
        <source>Open Export Folder</source>
        <translation>Exportmap openen</translation>
    </message>
    <message>
        <source>Congratulations! Exported successfully.</source>
        <translation>Gefeliciteerd! Geëxporteerd.</translation>
    </message>
    <message>
        <source>has been released.</source>
        <translation>vrijgemaakt.</translation>
    </message>
    <message>
        <source>There is no large file to be deleted on your device.</source>
        <translation>Er staan geen grote bestanden op uw apparaat om te verwijderen.</translation>
    </message>
    <message>
        <source>All selected apps have been removed.</source>
        <translation>Alle geselecteerde apps zijn verwijderd.</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Gereed</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Doorgaan</translation>
    </message>
    <message>
        <source>Share it with your friends:</source>
        <translation>Deel het met je vrienden:</translation>
    </message>
    <message>
        <source>Share on Facebook</source>
        <translation>Delen op Facebook</translation>
    </message>
    <message>
        <source>Share on Twitter</source>
        <translation>Delen op Twitter</translation>
    </message>
    <message>
        <source>Share on Google</source>
        <translation>Delen op Google</translation>
    </message>
    <message>
        <source>Want to transfer music between iDevice and PC/iTunes,</source>
        <translation>Wilt u muziek overzetten tussen uw iOS-apparaat en pc/iTunes,</translation>
    </message>
    <message>
        <source>try &lt;a href=&quot;crestline&quot; style=&quot;color:#5695e8;&quot;&gt;Crestline&lt;/a&gt;.</source>
        <translation>probeer dan &lt;a href=&quot;crestline&quot; style=&quot;color:#5695e8;&quot;&gt;Crestline&lt;/a&gt;.</translation>
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
        <translation>Reservekopie en comprimeren</translation>
    </message>
    <message>
        <source>Export &amp; Delete</source>
        <translation>Exporteren en verwijderen</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Terug</translation>
    </message>
    <message>
        <source>Lossless compression to free up about 75% of your camera’s photo space.</source>
        <translation>Verliesvrije compressie maakt ongeveer 75% van de ruimte van uw camerafoto&apos;s vrij.</translation>
    </message>
    <message>
        <source>Export selected photos to PC and delete them from iOS device to save more space.</source>
        <translation>Exporteer geselecteerde foto&apos;s naar de pc en verwijder ze van het iOS-apparaat om meer ruimte te besparen.</translation>
    </message>
    <message>
        <source>Before (26MB)</source>
        <translation>Voor (26MB)</translation>
    </message>
    <message>
        <source>After (1.2MB)</source>
        <translation>Na (1.2MB)</translation>
    </message>
    <message>
        <source>&lt;font color = &apos;%1&apos;&gt;%2&lt;/font&gt; space can be saved by lossless photo compression.</source>
        <translation>Met verliesvrije fotocompressie bespaart u &lt;font color = &apos;%1&apos;&gt;%2&lt;/font&gt; ruimte.</translation>
    </message>
    <message>
        <source>Export and deletion of photos can help you save up to &lt;font color = &apos;%1&apos;&gt;%2&lt;/font&gt;</source>
        <translation>Door foto&apos;s te exporteren en te verwijderen bespaart u tot &lt;font color = &apos;%1&apos;&gt;%2&lt;/font&gt;</translation>
    </message>
    <message>
        <source>The last compression saved %1.</source>
        <translation>De laatste compressie bespaarde %1.</translation>
    </message>
</context>
<context>
    <name>ImageExportBrowseView</name>
    <message>
        <source>Select All</source>
        <translation>Alles selecteren</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Terug</translation>
    </message>
    <message>
        <source>Export Only</source>
        <translation>Alleen exporteren</translation>
    </message>
    <message>
        <source>Backup &amp; Delete</source>
        <translation>Reservekopie en verwijderen</translation>
    </message>
    <message>
        <source>Select the chosen date</source>
        <translation>Gekozen datum selecteren</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Export and deletion of all the photos will save you up to</source>
        <translation>Door alle foto&apos;s te exporteren en te verwijderen bespaart u tot</translation>
    </message>
    <message>
        <source>photos selected to save</source>
        <translation>foto&apos;s geselecteerd, besparing:</translation>
    </message>
</context>
<context>
    <name>ImagePreviewControls</name>
    <message>
        <source>%1 photos</source>
        <translation>%1 foto&apos;s</translation>
    </message>
</context>
<context>
    <name>ImagePreviewScrollAreaStyle</name>
    <message>
        <source>Photos</source>
        <translation>Foto&apos;s</translation>
    </message>
</context>
<context>
    <name>JunkCleanScanResultView</name>
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
        <source>Crash Logs</source>
        <translation>Crashlogboeken</translation>
    </message>
    <message>
        <source>Clear redundant system usage reports and application crash logs which are generated by iOS.</source>
        <translation>Wis overbodige gebruiksrapporten van het systeem en crashlogboeken van apps die iOS aanmaakt.</translation>
    </message>
    <message>
        <source>Photo Caches</source>
        <translation>Fotocaches</translation>
    </message>
    <message>
        <source>Delete Camera Roll, Photo Stream and Photo Library cache files which are created by third-party apps.</source>
        <translation>Verwijder cachebestanden van Filmrol, Fotostream en Fotobibliotheek die apps van derden hebben aangemaakt.</translation>
    </message>
    <message>
        <source>Downloaded Temp Files</source>
        <translation>Tijdelijke downloadbestanden</translation>
    </message>
    <message>
        <source>Remove those corrupted files which are produced due to the interruption whilst downloading and still remain in the temp file folder.</source>
        <translation>Verwijder beschadigde bestanden van onderbroken downloads die nog in de map met tijdelijke bestanden staan.</translation>
    </message>
    <message>
        <source>User Storage Files</source>
        <translation>Gebruikersopslagbestanden</translation>
    </message>
    <message>
        <source>Eliminate the temp files in User Storage Directory which were generated by third-party apps.</source>
        <translation>Verwijder tijdelijke bestanden die apps van derden in de map voor gebruikersopslag hebben aangemaakt.</translation>
    </message>
    <message>
        <source>iTunes Caches</source>
        <translation>iTunes-caches</translation>
    </message>
    <message>
        <source>Clear up the incomplete files and traces produced when iTunes failed to sync.</source>
        <translation>Wis onvolledige bestanden en sporen van mislukte iTunes-synchronisaties.</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Terug</translation>
    </message>
    <message>
        <source>Clean</source>
        <translation>Opschonen</translation>
    </message>
    <message>
        <source>can be released.</source>
        <translation>kan worden vrijgemaakt.</translation>
    </message>
</context>
<context>
    <name>LanguageSelectView</name>
    <message>
        <source>Language</source>
        <translation>Taal</translation>
    </message>
    <message>
        <source>Please select a language</source>
        <translation>Kies een taal</translation>
    </message>
    <message>
        <source>The progam will restart to apply your changes. Please wait.</source>
        <translation>Het programma wordt opnieuw gestart om uw wijzigingen toe te passen. Even geduld.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
</context>
<context>
    <name>LargeFilesCleanCheckBox</name>
    <message>
        <source>Select</source>
        <translation>Selecteer</translation>
    </message>
</context>
<context>
    <name>LargeFilesCleanPhotoIcon</name>
    <message>
        <source>Thumbnail</source>
        <translation>Miniatuur</translation>
    </message>
</context>
<context>
    <name>LargeFilesCleanView</name>
    <message>
        <source>Thumbnail</source>
        <translation>Miniatuur</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Formaat</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Grootte</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Tonen</translation>
    </message>
    <message>
        <source>File above</source>
        <translation>Bestanden groter dan</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>Large files</source>
        <translation>Grote bestanden</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Alles selecteren</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Terug</translation>
    </message>
    <message>
        <source>Export Only</source>
        <translation>Alleen exporteren</translation>
    </message>
    <message>
        <source>Back Up &amp; Delete</source>
        <translation>Reservekopie en verwijderen</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>The device is not connected. Please connect it and try again.</source>
        <translation>Het apparaat is niet verbonden. Sluit het aan en probeer het opnieuw.</translation>
    </message>
</context>
<context>
    <name>LargeFilesProcessView</name>
    <message>
        <source>Exporting photos, please do not use the device to avoid any abnormity.</source>
        <translation>Foto&apos;s worden geëxporteerd. Gebruik het apparaat niet, om fouten te voorkomen.</translation>
    </message>
    <message>
        <source>Deleting photos, please do not use the device to avoid any abnormity.</source>
        <translation>Foto&apos;s worden verwijderd. Gebruik het apparaat niet, om fouten te voorkomen.</translation>
    </message>
    <message>
        <source>Deleting large files, please do not use the device to avoid any abnormity.</source>
        <translation>Grote bestanden worden verwijderd. Gebruik het apparaat niet, om fouten te voorkomen.</translation>
    </message>
    <message>
        <source>Exporting large files, please do not use the device to avoid any abnormity.</source>
        <translation>Grote bestanden worden geëxporteerd. Gebruik het apparaat niet, om fouten te voorkomen.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Voortgang</translation>
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
        <translation>Extra</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimaliseren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Tutorial</source>
        <translation>Handleiding</translation>
    </message>
    <message>
        <source>Frequently Asked Questions</source>
        <translation>Veelgestelde vragen</translation>
    </message>
    <message>
        <source>Write a Product Review</source>
        <translation>Een recensie schrijven</translation>
    </message>
    <message>
        <source>Contact Us</source>
        <translation>Contact</translation>
    </message>
    <message>
        <source>View Facebook Fan Page</source>
        <translation>Facebook-pagina bekijken</translation>
    </message>
    <message>
        <source>Follow Us on Twitter</source>
        <translation>Volg ons op Twitter</translation>
    </message>
    <message>
        <source>Set Security Level</source>
        <translation>Beveiligingsniveau instellen</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Taal</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>Zoeken naar updates</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Over</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>1-Click
 Free Up Space</source>
        <translation>Ruimte vrijmaken
 met 1 klik</translation>
    </message>
    <message>
        <source>Erase All Data</source>
        <translation>Alle gegevens wissen</translation>
    </message>
    <message>
        <source>Erase Deleted Files</source>
        <translation>Verwijderde bestanden wissen</translation>
    </message>
    <message>
        <source>Erase Private Data</source>
        <translation>Privégegevens wissen</translation>
    </message>
    <message>
        <source>Erase Private Fragments</source>
        <translation>Privéfragmenten wissen</translation>
    </message>
    <message>
        <source>If you leave, the scanning result won&apos;t be saved. Are you sure you want to leave?</source>
        <translation>Als u deze pagina verlaat, wordt het scanresultaat niet bewaard. Weet u zeker dat u wilt vertrekken?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Waarschuwing</translation>
    </message>
    <message>
        <source>PostConnectDevTask error!</source>
        <translation>Fout in PostConnectDevTask!</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>Waarschuwing</translation>
    </message>
    <message>
        <source>Please unlock the device and trust the connection if needed. Then click Continue.</source>
        <translation>Ontgrendel het apparaat en vertrouw de verbinding als daarom wordt gevraagd. Klik daarna op Doorgaan.</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Let op</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Doorgaan</translation>
    </message>
    <message>
        <source>you should trust the device!</source>
        <translation>U moet het apparaat vertrouwen!</translation>
    </message>
    <message>
        <source>slotConnToDev return value false!</source>
        <translation>slotConnToDev gaf false terug!</translation>
    </message>
    <message>
        <source>Don&apos;t start iTunes and sync files when running the program to avoid data overwriting.</source>
        <translation>Start iTunes niet en synchroniseer geen bestanden terwijl het programma draait, zodat er geen gegevens worden overschreven.</translation>
    </message>
    <message>
        <source>Velmora Dravo Pro</source>
        <translation>Velmora Dravo Pro</translation>
    </message>
    <message>
        <source>Are you sure you want to exit the program?</source>
        <translation>Weet u zeker dat u het programma wilt afsluiten?</translation>
    </message>
</context>
<context>
    <name>OneKeyCleanResultView</name>
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
        <source>About</source>
        <comment>approximately, before a size</comment>
        <translation>Ongeveer</translation>
    </message>
    <message>
        <source>You can save up to </source>
        <translation>Mogelijke besparing: tot </translation>
    </message>
    <message>
        <source>Junk Files:</source>
        <translation>Overbodige bestanden:</translation>
    </message>
    <message>
        <source>Temporary Files:</source>
        <translation>Tijdelijke bestanden:</translation>
    </message>
    <message>
        <source>Too few temporary files on your iPhone to clean.</source>
        <translation>Er staan te weinig tijdelijke bestanden op uw iPhone om op te schonen.</translation>
    </message>
    <message>
        <source>Photos:</source>
        <translation>Foto&apos;s:</translation>
    </message>
    <message>
        <source>Large Files:</source>
        <translation>Grote bestanden:</translation>
    </message>
    <message>
        <source>Apps:</source>
        <translation>Apps:</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Terug</translation>
    </message>
    <message>
        <source>Rescan</source>
        <translation>Opnieuw scannen</translation>
    </message>
    <message>
        <source> More can be freed up.</source>
        <translation> kan nog worden vrijgemaakt.</translation>
    </message>
    <message>
        <source> has been released!</source>
        <translation> vrijgemaakt!</translation>
    </message>
    <message>
        <source>If you go back, the scanning result won&apos;t be saved. Are you sure you want to go back?</source>
        <translation>Als u teruggaat, wordt het scanresultaat niet bewaard. Weet u zeker dat u terug wilt gaan?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Waarschuwing</translation>
    </message>
</context>
<context>
    <name>OneKeyCleanView</name>
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
        <source>1-Click Free Up Space</source>
        <translation>Ruimte vrijmaken met 1 klik</translation>
    </message>
    <message>
        <source>Last use</source>
        <translation>Laatst gebruikt</translation>
    </message>
    <message>
        <source>Total space released</source>
        <translation>Totaal vrijgemaakt</translation>
    </message>
    <message>
        <source>Quick Scan</source>
        <translation>Snelle scan</translation>
    </message>
    <message>
        <source>Or scan one category:</source>
        <translation>Of scan één categorie:</translation>
    </message>
    <message>
        <source>Junk Files</source>
        <translation>Overbodige bestanden</translation>
    </message>
    <message>
        <source>Temp Files</source>
        <translation>Tijdelijke bestanden</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>Foto&apos;s</translation>
    </message>
    <message>
        <source>Large Files</source>
        <translation>Grote bestanden</translation>
    </message>
    <message>
        <source>Apps</source>
        <translation>Apps</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nooit</translation>
    </message>
    <message>
        <source>Scan completed! No need for further cleaning.</source>
        <translation>Scan voltooid! Verder opschonen is niet nodig.</translation>
    </message>
</context>
<context>
    <name>OneKeyCommon</name>
    <message>
        <source>If you go back, the scanning result won&apos;t be saved. Are you sure you want to go back?</source>
        <translation>Als u teruggaat, wordt het scanresultaat niet bewaard. Weet u zeker dat u terug wilt gaan?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Waarschuwing</translation>
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
        <translation>Opschonen</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Gereed</translation>
    </message>
</context>
<context>
    <name>OvAbout</name>
    <message>
        <source>About</source>
        <translation>Over</translation>
    </message>
    <message>
        <source>Permanently Erase Your Private Data from iPhone/iPad/iPod!</source>
        <translation>Wis uw privégegevens definitief van iPhone/iPad/iPod!</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versie %1</translation>
    </message>
    <message>
        <source>Copyright © %1 Velmora Software. All rights reserved.</source>
        <translation>Copyright © %1 Velmora Software. Alle rechten voorbehouden.</translation>
    </message>
</context>
<context>
    <name>OvEraseAllDataModel</name>
    <message>
        <source>Erase All Data </source>
        <translation>Alle gegevens wissen </translation>
    </message>
    <message>
        <source>Erase all data permanently and keep your private data completely gone.</source>
        <translation>Wis alle gegevens definitief, zodat uw privégegevens volledig verdwenen zijn.</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Wissen</translation>
    </message>
</context>
<context>
    <name>OvEraseDeletedFilesModel</name>
    <message>
        <source>Erase Deleted Files </source>
        <translation>Verwijderde bestanden wissen </translation>
    </message>
    <message>
        <source>Erase deleted files outright and your secrets are gone forever.</source>
        <translation>Wis verwijderde bestanden grondig en uw geheimen zijn voorgoed verdwenen.</translation>
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
        <translation>Onvolledige privéfragmenten wissen</translation>
    </message>
    <message>
        <source>The most complete and in-depth erasure for third-party Apps!</source>
        <translation>De meest volledige en grondige wisfunctie voor apps van derden!</translation>
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
        <translation>Privégegevens wissen </translation>
    </message>
    <message>
        <source>Erase paivate data securely and don&apos;t worry about security breaches.</source>
        <translation>Wis privégegevens veilig en maak u geen zorgen meer over datalekken.</translation>
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
        <translation>Stuur ons uw opmerkingen of technische problemen met Velmora Dravo Pro.</translation>
    </message>
    <message>
        <source>E-mail:</source>
        <translation>E-mail:</translation>
    </message>
    <message>
        <source>Enter your email address</source>
        <translation>Voer uw e-mailadres in</translation>
    </message>
    <message>
        <source>Content:</source>
        <translation>Bericht:</translation>
    </message>
    <message>
        <source>If you have any comments or suggestions, please write directly to us.</source>
        <translation>Hebt u opmerkingen of suggesties? Schrijf ons gerust.</translation>
    </message>
    <message>
        <source>Attach the log file (check the box to send automatically).</source>
        <translation>Logbestand bijvoegen (vink aan om het automatisch mee te sturen).</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Verzenden</translation>
    </message>
    <message>
        <source>Please enter your email address.</source>
        <translation>Voer uw e-mailadres in.</translation>
    </message>
    <message>
        <source>Please enter a valid email address.</source>
        <translation>Voer een geldig e-mailadres in.</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Mislukt</translation>
    </message>
    <message>
        <source>Submitted successfully.</source>
        <translation>Verzonden.</translation>
    </message>
</context>
<context>
    <name>OvFillDataProgressBar</name>
    <message>
        <source>Progress</source>
        <translation>Voortgang</translation>
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
        <translation>Ja</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>Nee</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nee</translation>
    </message>
</context>
<context>
    <name>OvOneKeyClearModel</name>
    <message>
        <source>Cleaning failed for some unknown errors. Please try it again.</source>
        <translation>Opschonen mislukt door een onbekende fout. Probeer het opnieuw.</translation>
    </message>
    <message>
        <source>The device is not connected. Please connect it and try again.</source>
        <translation>Het apparaat is niet verbonden. Sluit het aan en probeer het opnieuw.</translation>
    </message>
</context>
<context>
    <name>OvProgressBarGif</name>
    <message>
        <source>About %1 Minute(s)</source>
        <translation>Ongeveer %1 minuut/minuten</translation>
    </message>
</context>
<context>
    <name>OvStyleCheckBoxSubImageWidget</name>
    <message>
        <source>Select</source>
        <translation>Selecteer</translation>
    </message>
</context>
<context>
    <name>OvStyleProgressBar</name>
    <message>
        <source>Progress</source>
        <translation>Voortgang</translation>
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
        <translation>Uw apparaat wordt gescand. Gebruik het apparaat niet, om problemen te voorkomen.</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stoppen</translation>
    </message>
    <message>
        <source>If you stop scanning, some data won&apos;t be detected. Are you sure you want to stop?</source>
        <translation>Als u de scan stopt, worden sommige gegevens niet gevonden. Weet u zeker dat u wilt stoppen?</translation>
    </message>
</context>
<context>
    <name>OvStyleTabelWidgetCheckBox</name>
    <message>
        <source>Select</source>
        <translation>Selecteer</translation>
    </message>
</context>
<context>
    <name>OvStyleWidgetTitle</name>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
</context>
<context>
    <name>RoundWidget</name>
    <message>
        <source>Used space</source>
        <translation>Gebruikte ruimte</translation>
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
        <translation>Beveiligingsniveau instellen</translation>
    </message>
    <message>
        <source>Low Level (Quick Erasure)</source>
        <translation>Laag niveau (snel wissen)</translation>
    </message>
    <message>
        <source>The fastest channel to permanently delete your data, it&apos;s twice faster than the others. It will destroy your data to make sure that the files are not recoverable.</source>
        <translation>De snelste manier om uw gegevens definitief te verwijderen, twee keer zo snel als de andere. Uw gegevens worden vernietigd, zodat de bestanden niet te herstellen zijn.</translation>
    </message>
    <message>
        <source>Medium Level (1 Time, Recommended)</source>
        <translation>Gemiddeld niveau (1 keer, aanbevolen)</translation>
    </message>
    <message>
        <source>Velmora Dravo Pro will totally overwrite your private data to make sure that the files are 100% unrecoverable.</source>
        <translation>Velmora Dravo Pro overschrijft uw privégegevens volledig, zodat de bestanden 100% onherstelbaar zijn.</translation>
    </message>
    <message>
        <source>High Level (2 Times)</source>
        <translation>Hoog niveau (2 keer)</translation>
    </message>
    <message>
        <source>This option is highly recommended if you saved any private files (e.g. bank records, passwords, financial data, etc.) on your device. The applied security standard is according to the U.S. DoD 5220.22-M.</source>
        <translation>Deze optie wordt sterk aanbevolen als u privébestanden (bijv. bankgegevens, wachtwoorden, financiële gegevens) op uw apparaat hebt opgeslagen. De toegepaste beveiligingsnorm is de Amerikaanse DoD 5220.22-M.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Hoog</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Laag</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Gemiddeld</translation>
    </message>
</context>
<context>
    <name>TaskExecuteView</name>
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
        <source>Stop</source>
        <translation>Stoppen</translation>
    </message>
    <message>
        <source>Exporting photos </source>
        <translation>Foto&apos;s exporteren </translation>
    </message>
    <message>
        <source>You are saving </source>
        <translation>U bespaart </translation>
    </message>
    <message>
        <source>Clearing junk files. Please wait. </source>
        <translation>Overbodige bestanden worden gewist. Even geduld. </translation>
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
        <translation>Wachten</translation>
    </message>
</context>
</TS>
