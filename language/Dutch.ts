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
        <translation>Selecteer</translation>
    </message>
</context>
<context>
    <name>BookMarkView</name>
    <message>
        <source>Bookmark</source>
        <translation>Bladwijzers</translation>
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
        <translation>Wachtwoord reservekopie</translation>
    </message>
    <message>
        <source>Your iTunes backup had been password-encrypted. Please enter your password here to decrypt it. </source>
        <translation>Uw iTunes-reservekopie is met een wachtwoord versleuteld. Voer hier uw wachtwoord in om de reservekopie te ontsleutelen. </translation>
    </message>
    <message>
        <source>  Password</source>
        <translation>  Wachtwoord</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Wachtwoord</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Terug</translation>
    </message>
    <message>
        <source>Password can not be empty!</source>
        <translation>Het wachtwoord mag niet leeg zijn!</translation>
    </message>
</context>
<context>
    <name>CEraseDataWid</name>
    <message>
        <source>Message</source>
        <translation>Berichten</translation>
    </message>
    <message>
        <source>Call History</source>
        <translation>Belgeschiedenis</translation>
    </message>
    <message>
        <source>Safari Cookie</source>
        <translation>Safari-cookies</translation>
    </message>
    <message>
        <source>Safari Cache</source>
        <translation>Safari-cache</translation>
    </message>
    <message>
        <source>Safari History</source>
        <translation>Safari-geschiedenis</translation>
    </message>
    <message>
        <source>Photo &amp; Videos</source>
        <translation>Foto&apos;s en video&apos;s</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notities</translation>
    </message>
    <message>
        <source>Message Attachment</source>
        <translation>Berichtbijlage</translation>
    </message>
    <message>
        <source>Note Attachment</source>
        <translation>Notitiebijlage</translation>
    </message>
    <message>
        <source>WhatsApp</source>
        <translation>WhatsApp</translation>
    </message>
    <message>
        <source>WhatsApp Attachments</source>
        <translation>WhatsApp-bijlagen</translation>
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
        <translation>Kik-bijlage</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Contacten</translation>
    </message>
    <message>
        <source>Calendar , Reminder</source>
        <translation>Agenda, Herinneringen</translation>
    </message>
    <message>
        <source>Bookmark</source>
        <translation>Bladwijzers</translation>
    </message>
    <message>
        <source>Voice Memo</source>
        <translation>Dictafoon</translation>
    </message>
    <message>
        <source>Warning:To avoid damage to thie device,please don&apos;t disconnect the device while erasing. </source>
        <translation>Waarschuwing: koppel het apparaat niet los tijdens het wissen, om schade aan het apparaat te voorkomen. </translation>
    </message>
    <message>
        <source>The erase deleted data:</source>
        <translation>Gewiste verwijderde gegevens:</translation>
    </message>
    <message>
        <source>The App fragment erased:</source>
        <translation>Gewiste app-fragmenten:</translation>
    </message>
    <message>
        <source>The erase private data:</source>
        <translation>Gewiste privégegevens:</translation>
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
    <name>CallLogView</name>
    <message>
        <source>Call History</source>
        <translation>Belgeschiedenis</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>Phone Number</source>
        <translation>Telefoonnummer</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tijd</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>onbekend</translation>
    </message>
    <message>
        <source>incoming</source>
        <translation>inkomend</translation>
    </message>
    <message>
        <source>outgoing</source>
        <translation>uitgaand</translation>
    </message>
    <message>
        <source>outgoing facetime</source>
        <translation>FaceTime, uitgaand</translation>
    </message>
    <message>
        <source>imcoming facetime missed</source>
        <translation>FaceTime, gemist</translation>
    </message>
    <message>
        <source>imcoming missed</source>
        <translation>gemist</translation>
    </message>
</context>
<context>
    <name>CallendarView</name>
    <message>
        <source>Calendar</source>
        <translation>Agenda</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Locatie</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Begint</translation>
    </message>
    <message>
        <source>Ends</source>
        <translation>Eindigt</translation>
    </message>
    <message>
        <source>Title: </source>
        <translation>Titel: </translation>
    </message>
    <message>
        <source>Note: </source>
        <translation>Notitie: </translation>
    </message>
</context>
<context>
    <name>ChatPane</name>
    <message>
        <source>No messages</source>
        <translation>Geen berichten</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>Aan:</translation>
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
    <name>CompleteEraseView</name>
    <message>
        <source>Device</source>
        <translation>Apparaat</translation>
    </message>
    <message>
        <source>Start unrecoverable erasing   </source>
        <translation>Onherstelbaar wissen   </translation>
    </message>
    <message>
        <source>1. You may get the notice &amp;quot;Storage Almost Full&amp;quot; prompt on the device. Please don&apos;t worry, tap &amp;quot;Done&amp;quot; to continue.</source>
        <translation>1. Mogelijk verschijnt op het apparaat de melding &amp;quot;Opslag bijna vol&amp;quot;. Geen zorgen: tik op &amp;quot;Gereed&amp;quot; om door te gaan.</translation>
    </message>
    <message>
        <source>2. Please don&apos;t disconnect the device.</source>
        <translation>2. Koppel het apparaat niet los.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Voortgang</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stoppen</translation>
    </message>
    <message>
        <source>0 %</source>
        <translation>0%</translation>
    </message>
    <message>
        <source>Sorry, Fill failed!(error code: %1)</source>
        <translation>Het opvullen is helaas mislukt. (foutcode: %1)</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>Waarschuwing</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>It may damage your data or device if you stop the unrecoverable erasing process. Are you sure you want to stop now?</source>
        <translation>Als u het onherstelbaar wissen stopt, kunnen uw gegevens of uw apparaat beschadigd raken. Weet u zeker dat u nu wilt stoppen?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Waarschuwing</translation>
    </message>
</context>
<context>
    <name>ContactView</name>
    <message>
        <source>Unknown</source>
        <translation>Onbekend</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Contacten</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>Bedrijf</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Telefoon</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>unknow</source>
        <translation>onbekend</translation>
    </message>
    <message>
        <source>Phone : </source>
        <translation>Telefoon: </translation>
    </message>
    <message>
        <source>Email : </source>
        <translation>E-mail: </translation>
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
        <source>%1: %2 free of %3</source>
        <translation>%1: %2 vrij van %3</translation>
    </message>
    <message>
        <source>%1GB</source>
        <comment>gigabytes</comment>
        <translation>%1 GB</translation>
    </message>
    <message>
        <source>Total %1</source>
        <comment>space</comment>
        <translation>%1 totaal</translation>
    </message>
    <message>
        <source>Free %1</source>
        <comment>space</comment>
        <translation>%1 vrij</translation>
    </message>
    <message>
        <source>Used %1</source>
        <comment>space</comment>
        <translation>%1 gebruikt</translation>
    </message>
</context>
<context>
    <name>DeviceRestartView</name>
    <message>
        <source>Device</source>
        <translation>Apparaat</translation>
    </message>
    <message>
        <source>Analying data,please wait...</source>
        <translation>Gegevens worden geanalyseerd, even geduld...</translation>
    </message>
    <message>
        <source>Erasing data, please wait...</source>
        <translation>Gegevens worden gewist, even geduld...</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Voortgang</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stoppen</translation>
    </message>
    <message>
        <source>Nothing was selected, so nothing was erased.</source>
        <translation>Er is niets geselecteerd, dus er is niets gewist.</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>Let op</translation>
    </message>
    <message>
        <source>Restarting device,please wait...</source>
        <translation>Apparaat wordt opnieuw opgestart, even geduld...</translation>
    </message>
    <message>
        <source>Your iDevice doesn&apos;t have enough storage to process data. Please free up your device space and try it again. (error code: %1)</source>
        <translation>Uw iDevice heeft niet genoeg opslagruimte om de gegevens te verwerken. Maak ruimte vrij op uw apparaat en probeer het opnieuw. (foutcode: %1)</translation>
    </message>
    <message>
        <source>There may be unknown error with your iTunes. Please uninstall and reinstall iTunes to fix. Make sure you have the latest version of iTunes and try it again. (error code: %1)</source>
        <translation>Er is mogelijk een onbekende fout in iTunes. Verwijder iTunes en installeer het opnieuw om dit op te lossen. Zorg dat u de nieuwste versie van iTunes hebt en probeer het opnieuw. (foutcode: %1)</translation>
    </message>
    <message>
        <source>Data Erasing Failed</source>
        <translation>Wissen mislukt</translation>
    </message>
    <message>
        <source>Restarting device, please wait...</source>
        <translation>Apparaat wordt opnieuw opgestart, even geduld...</translation>
    </message>
    <message>
        <source>It may damage your data or device if you stop restarting. Are you sure you want to stop now?</source>
        <translation>Als u het opnieuw opstarten onderbreekt, kunnen uw gegevens of uw apparaat beschadigd raken. Weet u zeker dat u nu wilt stoppen?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Waarschuwing</translation>
    </message>
    <message>
        <source>Cancelling, please wait a moment ...</source>
        <translation>Bezig met annuleren, even geduld...</translation>
    </message>
    <message>
        <source>Connection timeout! Please simply disconnect your iDevice and reconnect it. Kindly wait for it to continue.</source>
        <translation>Time-out van de verbinding! Koppel uw iDevice los en sluit het opnieuw aan. Wacht daarna tot het proces verdergaat.</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
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
</context>
<context>
    <name>EraseAllDataFailureView</name>
    <message>
        <source>Data Deletion</source>
        <translation>Gegevens verwijderen</translation>
    </message>
    <message>
        <source>             Erase private data and system settings</source>
        <translation>             Privégegevens en systeeminstellingen wissen</translation>
    </message>
    <message>
        <source>Data Erasure</source>
        <translation>Gegevens wissen</translation>
    </message>
    <message>
        <source>             Fill the empty space on the device</source>
        <translation>             Lege ruimte op het apparaat opvullen</translation>
    </message>
    <message>
        <source>        Failed to erase some of the data: </source>
        <translation>        Sommige gegevens konden niet worden gewist: </translation>
    </message>
    <message>
        <source>Why failed?</source>
        <translation>Waarom?</translation>
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
        <translation>Voltooid</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Mislukt</translation>
    </message>
    <message>
        <source>Operation stopped by user</source>
        <translation>Gestopt door gebruiker</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Gestopt</translation>
    </message>
    <message>
        <source>Not started</source>
        <translation>Niet gestart</translation>
    </message>
    <message>
        <source>Operation error</source>
        <translation>Fout tijdens bewerking</translation>
    </message>
    <message>
        <source>Not chosen</source>
        <translation>Niet geselecteerd</translation>
    </message>
</context>
<context>
    <name>EraseAllDataFinishedView</name>
    <message>
        <source>Done</source>
        <translation>Gereed</translation>
    </message>
    <message>
        <source>Share it with your friends:</source>
        <translation>Deel het met je vrienden:</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Delen</translation>
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
        <source>All the data has been erased.</source>
        <translation>Alle gegevens zijn gewist.</translation>
    </message>
</context>
<context>
    <name>EraseAllDataProcessView</name>
    <message>
        <source>Erase progress</source>
        <translation>Wisvoortgang</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stoppen</translation>
    </message>
    <message>
        <source>Scanning, please wait...</source>
        <translation>Bezig met scannen, even geduld...</translation>
    </message>
    <message>
        <source>Restarting device, please wait...</source>
        <translation>Apparaat wordt opnieuw opgestart, even geduld...</translation>
    </message>
    <message>
        <source>Erasing, please wait...</source>
        <translation>Bezig met wissen, even geduld...</translation>
    </message>
    <message>
        <source>It may damage your data or device, if you stop. Are you sure you want to stop now?</source>
        <translation>Als u nu stopt, kunnen uw gegevens of uw apparaat beschadigd raken. Weet u zeker dat u nu wilt stoppen?</translation>
    </message>
    <message>
        <source>It may damage your data or device if you stop restarting. Are you sure you want to stop now?</source>
        <translation>Als u het opnieuw opstarten onderbreekt, kunnen uw gegevens of uw apparaat beschadigd raken. Weet u zeker dat u nu wilt stoppen?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Waarschuwing</translation>
    </message>
    <message>
        <source>Cancelling, please wait a moment ...</source>
        <translation>Bezig met annuleren, even geduld...</translation>
    </message>
</context>
<context>
    <name>EraseAllDataView</name>
    <message>
        <source>Erase All Data</source>
        <translation>Alle gegevens wissen</translation>
    </message>
    <message>
        <source>1. Please close all background apps, such as Music, Navigation, etc.</source>
        <translation>1. Sluit alle apps op de achtergrond, zoals Muziek, navigatie-apps enz.</translation>
    </message>
    <message>
        <source>2. If there are any apps updating on the device, please wait for them to complete.</source>
        <translation>2. Worden er apps bijgewerkt op het apparaat, wacht dan tot dat klaar is.</translation>
    </message>
    <message>
        <source>3. Please make sure you have backed up any needed data.</source>
        <translation>3. Zorg dat u een reservekopie hebt gemaakt van alle gegevens die u nodig hebt.</translation>
    </message>
    <message>
        <source>Security Level:</source>
        <translation>Beveiligingsniveau:</translation>
    </message>
    <message>
        <source>Please type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>&apos;delete&apos;</source>
        <translation>&apos;verwijderen&apos;</translation>
    </message>
    <message>
        <source>to confirm.</source>
        <translation>om te bevestigen.</translation>
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
        <translation>Nu wissen</translation>
    </message>
    <message>
        <source>delete</source>
        <translation>verwijderen</translation>
    </message>
    <message>
        <source>Sorry, the input is not correct. Please type &quot;delete&quot; again.</source>
        <translation>De invoer is onjuist. Typ opnieuw &apos;verwijderen&apos;.</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>Let op</translation>
    </message>
    <message>
        <source>This will completely erase all data of your device. Are you sure you want to continue?</source>
        <translation>Hiermee worden alle gegevens op uw apparaat volledig gewist. Weet u zeker dat u wilt doorgaan?</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Doorgaan</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>The device is not connected. Please connect it and try again.</source>
        <translation>Het apparaat is niet verbonden. Sluit het aan en probeer het opnieuw.</translation>
    </message>
</context>
<context>
    <name>EraseDataView</name>
    <message>
        <source>Erasing data...</source>
        <translation>Gegevens worden gewist...</translation>
    </message>
    <message>
        <source>Erase progress</source>
        <translation>Wisvoortgang</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stoppen</translation>
    </message>
    <message>
        <source>It may damage your data or device if you stop erasing. Are you sure you want to stop now?</source>
        <translation>Als u het wissen stopt, kunnen uw gegevens of uw apparaat beschadigd raken. Weet u zeker dat u nu wilt stoppen?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Waarschuwing</translation>
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
        <translation>Naam</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Grootte</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Onbekend</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Tekst</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Message Attachment</source>
        <translation>Berichtbijlage</translation>
    </message>
    <message>
        <source>Note Attachment</source>
        <translation>Notitiebijlage</translation>
    </message>
    <message>
        <source>Kik Attachment</source>
        <translation>Kik-bijlage</translation>
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
        <translation>Verwijderde bestanden wissen</translation>
    </message>
    <message>
        <source>1. Please close all background apps, such as Music, Navigation, etc.</source>
        <translation>1. Sluit alle apps op de achtergrond, zoals Muziek, navigatie-apps enz.</translation>
    </message>
    <message>
        <source>2. If there are any apps updating on the device, please wait for them to complete.</source>
        <translation>2. Worden er apps bijgewerkt op het apparaat, wacht dan tot dat klaar is.</translation>
    </message>
    <message>
        <source>3. Please make sure you have backed up any needed data.</source>
        <translation>3. Zorg dat u een reservekopie hebt gemaakt van alle gegevens die u nodig hebt.</translation>
    </message>
    <message>
        <source>Security Level:</source>
        <translation>Beveiligingsniveau:</translation>
    </message>
    <message>
        <source>Please type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>&apos;delete&apos;</source>
        <translation>&apos;verwijderen&apos;</translation>
    </message>
    <message>
        <source>to confirm.</source>
        <translation>om te bevestigen.</translation>
    </message>
    <message>
        <source>Type &apos;delete&apos; to confirm</source>
        <translation>Typ &apos;verwijderen&apos; om te bevestigen</translation>
    </message>
    <message>
        <source>      Back</source>
        <translation>      Terug</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Terug</translation>
    </message>
    <message>
        <source>Erase Now</source>
        <translation>Nu wissen</translation>
    </message>
    <message>
        <source>Security Level: %1</source>
        <translation>Beveiligingsniveau: %1</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
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
        <source>delete</source>
        <translation>verwijderen</translation>
    </message>
    <message>
        <source>Sorry, the input is not correct. Please type &quot;delete&quot; again.</source>
        <translation>De invoer is onjuist. Typ opnieuw &apos;verwijderen&apos;.</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>Let op</translation>
    </message>
    <message>
        <source>Error index when posting task:%1</source>
        <translation>Foutieve index bij het versturen van de taak: %1</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>messages of conversations that still exist</source>
        <translation>berichten van gesprekken die nog bestaan</translation>
    </message>
    <message>
        <source>contacts</source>
        <translation>contacten</translation>
    </message>
    <message>
        <source>calendar events and reminders</source>
        <translation>agenda-activiteiten en herinneringen</translation>
    </message>
    <message>
        <source>bookmarks</source>
        <translation>bladwijzers</translation>
    </message>
    <message>
        <source>voice memos</source>
        <translation>dictafoonopnamen</translation>
    </message>
    <message>
        <source>Deleted %1 can only be erased all at once. Please tick all of them or none, then try again.</source>
        <translation>De volgende verwijderde gegevens kunnen alleen allemaal tegelijk worden gewist: %1. Vink ze allemaal of geen ervan aan en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>Nothing is ticked in the checked categories, so there is nothing to erase. Please go back and tick what you want to erase.</source>
        <translation>In de gekozen categorieën is niets aangevinkt, dus er valt niets te wissen. Ga terug en vink aan wat u wilt wissen.</translation>
    </message>
    <message>
        <source>It will need about %1 minutes to erase data. If you stop when erasing, it may damage your device.  Are you sure to continue?</source>
        <translation>Het wissen van de gegevens duurt ongeveer %1 minuten. Als u tijdens het wissen stopt, kan uw apparaat beschadigd raken. Weet u zeker dat u wilt doorgaan?</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Doorgaan</translation>
    </message>
    <message>
        <source>The device is not connected. Nothing was erased.</source>
        <translation>Het apparaat is niet verbonden. Er is niets gewist.</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>Waarschuwing</translation>
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
        <translation>Stel uw apparaat eerst in en activeer het voordat u andere functies gebruikt.</translation>
    </message>
    <message>
        <source>note</source>
        <translation>Let op</translation>
    </message>
    <message>
        <source>your device has not been activated,please set your device!</source>
        <translation>Uw apparaat is nog niet geactiveerd. Stel het eerst in!</translation>
    </message>
    <message>
        <source>Password is not correct!</source>
        <translation>Het wachtwoord is onjuist!</translation>
    </message>
</context>
<context>
    <name>EraseTableView</name>
    <message>
        <source>Select all</source>
        <translation>Alles selecteren</translation>
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
    <name>ErasingReturnView</name>
    <message>
        <source>Stopped by user</source>
        <translation>Gestopt door gebruiker</translation>
    </message>
    <message>
        <source>Data Deletion</source>
        <translation>Gegevens verwijderen</translation>
    </message>
    <message>
        <source>Data Erasure</source>
        <translation>Gegevens wissen</translation>
    </message>
    <message>
        <source>             Fill the empty space on the device</source>
        <translation>             Lege ruimte op het apparaat opvullen</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Gestopt</translation>
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
        <translation>             Fragmenten wissen die de gekozen apps hebben achtergelaten</translation>
    </message>
    <message>
        <source>             Erase the selected files</source>
        <translation>             Geselecteerde bestanden wissen</translation>
    </message>
    <message>
        <source>             Erase private data and system settings</source>
        <translation>             Privégegevens en systeeminstellingen wissen</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Voltooid</translation>
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
    <name>FillDataProcessView</name>
    <message>
        <source>Overwriting all personal data</source>
        <translation>Alle persoonlijke gegevens worden overschreven</translation>
    </message>
    <message>
        <source>1. You may see a &quot;Storage Almost Full&quot; prompt on the device. Please don&apos;t worry, tap Ǎone” to continue.</source>
        <translation>1. Mogelijk verschijnt op het apparaat de melding &apos;Opslag bijna vol&apos;. Geen zorgen: tik op &apos;Gereed&apos; om door te gaan.</translation>
    </message>
    <message>
        <source>2. Please don’t disconnect the device.</source>
        <translation>2. Koppel het apparaat niet los.</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stoppen</translation>
    </message>
    <message>
        <source>Estimated time: 60 minutes</source>
        <translation>Geschatte tijd: 60 minuten</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Estimated time: 1 minutes</source>
        <translation>Geschatte tijd: 1 minuut</translation>
    </message>
    <message>
        <source>Estimated time: %1 minutes</source>
        <translation>Geschatte tijd: %1 minuten</translation>
    </message>
    <message>
        <source>It may damage your data or device if you stop the unrecoverable erasing process. Are you sure you want to stop now?</source>
        <translation>Als u het onherstelbaar wissen stopt, kunnen uw gegevens of uw apparaat beschadigd raken. Weet u zeker dat u nu wilt stoppen?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Waarschuwing</translation>
    </message>
</context>
<context>
    <name>ImageCompressionFinshed</name>
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
        <source>Crestline</source>
        <translation>Crestline</translation>
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
        <translation>Er is %1 vrijgemaakt!</translation>
    </message>
    <message>
        <source>%1 has been released.</source>
        <translation>Er is %1 vrijgemaakt.</translation>
    </message>
    <message>
        <source>Want to transfer music between iDevice and PC/iTunes, try &lt;a href=&quot;crestline&quot; style=&quot;color:#5695e8;&quot;&gt;Crestline&lt;/a&gt;.</source>
        <translation>Wilt u muziek overzetten tussen uw iDevice en pc/iTunes? Probeer &lt;a href=&quot;crestline&quot; style=&quot;color:#5695e8;&quot;&gt;Crestline&lt;/a&gt;.</translation>
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
        <translation>Door alle foto&apos;s te exporteren en te verwijderen bespaart u tot %1</translation>
    </message>
    <message>
        <source>%1 photos selected to save %2</source>
        <translation>%1 foto&apos;s geselecteerd, besparing: %2</translation>
    </message>
</context>
<context>
    <name>ImagePreviewControls</name>
    <message>
        <source>%1 photos</source>
        <translation>%1 foto&apos;s</translation>
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
        <source>%1 can be released.</source>
        <comment>%1 is a size</comment>
        <translation>U kunt %1 vrijmaken.</translation>
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
    <message numerus="yes">
        <source>%n of the checked files are hidden by the filters. Back up and delete them as well?
&quot;Yes&quot; deletes every checked file, &quot;No&quot; only the files shown.</source>
        <translation>
            <numerusform>%n van de aangevinkte bestanden is verborgen door de filters. Ook daarvan een reservekopie maken en het verwijderen?
&apos;Ja&apos; verwijdert alle aangevinkte bestanden, &apos;Nee&apos; alleen de getoonde.</numerusform>
            <numerusform>%n van de aangevinkte bestanden zijn verborgen door de filters. Ook daarvan een reservekopie maken en ze verwijderen?
&apos;Ja&apos; verwijdert alle aangevinkte bestanden, &apos;Nee&apos; alleen de getoonde.</numerusform>
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
    <message>
        <source>Stop</source>
        <translation>Stoppen</translation>
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
    <name>MessageView</name>
    <message>
        <source>Unknown</source>
        <translation>Onbekend</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Berichten</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Text Message</source>
        <translation>Tekstbericht</translation>
    </message>
    <message>
        <source>Text Messages</source>
        <translation>Tekstberichten</translation>
    </message>
</context>
<context>
    <name>Note</name>
    <message>
        <source>Note</source>
        <translation>Notities</translation>
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
        <translation>Inhoud</translation>
    </message>
    <message>
        <source>Time: </source>
        <translation>Tijd: </translation>
    </message>
    <message>
        <source>Title: </source>
        <translation>Titel: </translation>
    </message>
    <message>
        <source>Note: </source>
        <translation>Notitie: </translation>
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
        <source>If you go back, the scanning result won&apos;t be saved. Are you sure you want to go back?</source>
        <translation>Als u teruggaat, wordt het scanresultaat niet bewaard. Weet u zeker dat u terug wilt gaan?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Waarschuwing</translation>
    </message>
    <message>
        <source>About %1</source>
        <comment>approximately, %1 is a size</comment>
        <translation>Ongeveer %1</translation>
    </message>
    <message>
        <source>You can save up to %1</source>
        <comment>%1 is a size</comment>
        <translation>U kunt tot %1 besparen</translation>
    </message>
    <message>
        <source>%1 More can be freed up.</source>
        <comment>%1 is a size</comment>
        <translation>U kunt nog %1 extra vrijmaken.</translation>
    </message>
    <message>
        <source>%1 has been released!</source>
        <comment>%1 is a size</comment>
        <translation>Er is %1 vrijgemaakt!</translation>
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
        <source>Last use:</source>
        <translation>Laatst gebruikt:</translation>
    </message>
    <message>
        <source>Total space released:</source>
        <translation>Totaal vrijgemaakt:</translation>
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
    <message>
        <source>The device is not connected. Please connect it and try again.</source>
        <translation>Het apparaat is niet verbonden. Sluit het aan en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>Scan completed! No need for further cleaning.</source>
        <translation>Scan voltooid! Verder opschonen is niet nodig.</translation>
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
    <message>
        <source>All the data has been erased.</source>
        <translation>Alle gegevens zijn gewist.</translation>
    </message>
    <message>
        <source>Data Analysis Failed</source>
        <translation>Gegevensanalyse mislukt</translation>
    </message>
    <message>
        <source>It failed to erasing data for unknown error. Please restart this program and try it again. (error code: %1)</source>
        <translation>Het wissen van de gegevens is mislukt door een onbekende fout. Start het programma opnieuw en probeer het nog eens. (foutcode: %1)</translation>
    </message>
    <message>
        <source>Data Erasing Failed</source>
        <translation>Wissen mislukt</translation>
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
        <source>Erase Deleted Files</source>
        <translation>Verwijderde bestanden wissen</translation>
    </message>
    <message>
        <source>Selected files have been erased thoroughly.</source>
        <translation>De geselecteerde bestanden zijn grondig gewist.</translation>
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
    <message>
        <source>Erase Private Fragments  </source>
        <translation>Privéfragmenten wissen  </translation>
    </message>
    <message>
        <source>Seleted data have been erased completely.</source>
        <translation>De geselecteerde gegevens zijn volledig gewist.</translation>
    </message>
    <message>
        <source>Data Analysis Failed</source>
        <translation>Gegevensanalyse mislukt</translation>
    </message>
    <message>
        <source>The fragments of %1 cannot be erased on this device. Nothing was erased.</source>
        <translation>De fragmenten van %1 kunnen op dit apparaat niet worden gewist. Er is niets gewist.</translation>
    </message>
    <message>
        <source>Data Erasing Failed</source>
        <translation>Wissen mislukt</translation>
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
        <source>Erase Private Data</source>
        <translation>Privégegevens wissen</translation>
    </message>
    <message>
        <source>Selected files have been erased thoroughly.</source>
        <translation>De geselecteerde bestanden zijn grondig gewist.</translation>
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
    <message>
        <source>Sending your feedback...</source>
        <translation>Uw feedback wordt verzonden...</translation>
    </message>
    <message>
        <source>Feedback is not set up on this computer, so your message could not be sent. Your text is kept in this window.</source>
        <translation>Feedback is niet ingesteld op deze computer, dus uw bericht kon niet worden verzonden. Uw tekst blijft in dit venster staan.</translation>
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
    <name>OvFragmentAppItem</name>
    <message>
        <source>No data</source>
        <translation>Geen gegevens</translation>
    </message>
    <message>
        <source>Nothing of %1 was found on the device.</source>
        <translation>Er is niets van %1 op het apparaat gevonden.</translation>
    </message>
</context>
<context>
    <name>OvFragmentAppView</name>
    <message>
        <source>Permanently Erase Private Fragments - Make sure your private data stays private and is away from privacy leak.</source>
        <translation>Privéfragmenten definitief wissen – zodat uw privégegevens privé blijven en niet uitlekken.</translation>
    </message>
    <message>
        <source>     Back</source>
        <translation>     Terug</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Terug</translation>
    </message>
    <message>
        <source>Erase Now</source>
        <translation>Nu wissen</translation>
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
</context>
<context>
    <name>OvProgressBarGif</name>
    <message>
        <source>About %1 Minute(s)</source>
        <translation>Ongeveer %1 minuut/minuten</translation>
    </message>
</context>
<context>
    <name>OvScanResultView</name>
    <message>
        <source>Deleted Data</source>
        <translation>Verwijderde gegevens</translation>
    </message>
    <message>
        <source>    Private Data</source>
        <translation>    Privégegevens</translation>
    </message>
    <message>
        <source>Scanning, please wait...</source>
        <translation>Bezig met scannen, even geduld...</translation>
    </message>
    <message>
        <source>Scan progress</source>
        <translation>Scanvoortgang</translation>
    </message>
    <message>
        <source> Stop</source>
        <translation> Stoppen</translation>
    </message>
    <message>
        <source>Data categories</source>
        <translation>Gegevenscategorieën</translation>
    </message>
    <message>
        <source>No data scanned?Please confirm your device can be backed up	</source>
        <translation>Geen gegevens gevonden? Controleer of u van uw apparaat een reservekopie kunt maken	</translation>
    </message>
    <message>
        <source>via itunes.if so,please</source>
        <translation>via iTunes. Zo ja,</translation>
    </message>
    <message>
        <source>click here</source>
        <translation>klik hier</translation>
    </message>
    <message>
        <source>records detected.</source>
        <translation>items gevonden.</translation>
    </message>
    <message>
        <source>   Back</source>
        <translation>   Terug</translation>
    </message>
    <message>
        <source>Erase Now</source>
        <translation>Nu wissen</translation>
    </message>
    <message>
        <source>No data scanned</source>
        <translation>Geen gegevens gevonden</translation>
    </message>
    <message>
        <source>Click a category on the left to see its records.</source>
        <translation>Klik links op een categorie om de items ervan te bekijken.</translation>
    </message>
    <message>
        <source>If you stop scanning, some data won&apos;t be detected. Are you sure to stop?</source>
        <translation>Als u de scan stopt, worden sommige gegevens niet gevonden. Weet u zeker dat u wilt stoppen?</translation>
    </message>
    <message>
        <source> (%1)</source>
        <translation> (%1)</translation>
    </message>
    <message>
        <source>The records of this category cannot be shown.</source>
        <translation>De items van deze categorie kunnen niet worden weergegeven.</translation>
    </message>
    <message>
        <source>If you go back, the scanning result won&apos;t be saved. Are you sure you want to go back?</source>
        <translation>Als u teruggaat, wordt het scanresultaat niet bewaard. Weet u zeker dat u terug wilt gaan?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Waarschuwing</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Berichten</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Contacten</translation>
    </message>
    <message>
        <source>Calendar,
Reminder</source>
        <translation>Agenda,
Herinneringen</translation>
    </message>
    <message>
        <source>Call History</source>
        <translation>Belgeschiedenis</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notities</translation>
    </message>
    <message>
        <source>Safari History</source>
        <translation>Safari-geschiedenis</translation>
    </message>
    <message>
        <source>Bookmark</source>
        <translation>Bladwijzers</translation>
    </message>
    <message>
        <source>Photos &amp;
Videos</source>
        <translation>Foto&apos;s en
video&apos;s</translation>
    </message>
    <message>
        <source>Voice Memo</source>
        <translation>Dictafoon</translation>
    </message>
    <message>
        <source>WeChat</source>
        <translation>WeChat</translation>
    </message>
    <message>
        <source>Safari Cookie</source>
        <translation>Safari-cookies</translation>
    </message>
    <message>
        <source>Safari Cache</source>
        <translation>Safari-cache</translation>
    </message>
    <message>
        <source>Message 
Attachment</source>
        <translation>Bericht-
bijlagen</translation>
    </message>
    <message>
        <source>Note 
Attachment</source>
        <translation>Notitie-
bijlagen</translation>
    </message>
    <message>
        <source>WhatsApp</source>
        <translation>WhatsApp</translation>
    </message>
    <message>
        <source>WhatsApp
Attachments</source>
        <translation>WhatsApp-
bijlagen</translation>
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
bijlagen</translation>
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
    <name>OvWechatView</name>
    <message>
        <source>Unknown</source>
        <translation>Onbekend</translation>
    </message>
    <message>
        <source>WeChat</source>
        <translation>WeChat</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
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
        <translation>Onbekend</translation>
    </message>
    <message>
        <source>WhatsApp Attachments</source>
        <translation>WhatsApp-bijlagen</translation>
    </message>
    <message>
        <source>WhatsApp</source>
        <translation>WhatsApp</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Grootte</translation>
    </message>
</context>
<context>
    <name>PhotoView</name>
    <message>
        <source>Select All</source>
        <translation>Alles selecteren</translation>
    </message>
    <message>
        <source>Photos &amp; Videos</source>
        <translation>Foto&apos;s en video&apos;s</translation>
    </message>
    <message>
        <source>Unknown date</source>
        <translation>Onbekende datum</translation>
    </message>
    <message>
        <source>Show day</source>
        <translation>Dag tonen</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
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
        <translation>Gebruikte ruimte</translation>
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
        <translation>Safari-cache</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Alles selecteren</translation>
    </message>
</context>
<context>
    <name>SafariCacheModel</name>
    <message>
        <source>Other</source>
        <translation>Overig</translation>
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
        <translation>Aantal</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Grootte</translation>
    </message>
</context>
<context>
    <name>SafariCookie</name>
    <message>
        <source>Safari Cookie</source>
        <translation>Safari-cookies</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>Created</source>
        <translation>Aangemaakt</translation>
    </message>
    <message>
        <source>Expired</source>
        <translation>Verloopt</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Grootte</translation>
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
        <translation>Safari-geschiedenis</translation>
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
    <name>ScanAnalyzeView</name>
    <message>
        <source>Analysis progress</source>
        <translation>Analysevoortgang</translation>
    </message>
    <message>
        <source>Loading data, please wait...</source>
        <translation>Gegevens worden geladen, even geduld...</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stoppen</translation>
    </message>
    <message>
        <source>It failed to analyze your device. Please set up your iDevice first. Make sure you can access the Home screen and try it again. (error code: %1)</source>
        <translation>Het analyseren van uw apparaat is mislukt. Stel uw iDevice eerst in. Zorg dat u het beginscherm kunt openen en probeer het opnieuw. (foutcode: %1)</translation>
    </message>
    <message>
        <source>Your PC doesn&apos;t have enough storage for data processing. Please free up space in the disk which has the most available space and try it again. (error code: %1)</source>
        <translation>Uw pc heeft niet genoeg opslagruimte om de gegevens te verwerken. Maak ruimte vrij op de schijf met de meeste beschikbare ruimte en probeer het opnieuw. (foutcode: %1)</translation>
    </message>
    <message>
        <source>Please unlock your device and tap &quot;Trust&quot; from the pop-up alert on your device before you continue. (error code: %1)</source>
        <translation>Ontgrendel uw apparaat en tik in de melding op het apparaat op &apos;Vertrouw&apos; voordat u doorgaat. (foutcode: %1)</translation>
    </message>
    <message>
        <source>Your iDevice storage is almost full. Please free up your iPhone space and try it again. (error code: %1)</source>
        <translation>De opslag van uw iDevice is bijna vol. Maak ruimte vrij op uw iPhone en probeer het opnieuw. (foutcode: %1)</translation>
    </message>
    <message>
        <source>There may be unknown error with your iTunes. Please uninstall and reinstall iTunes to fix. Make sure you have the latest version of iTunes and try it again. (error code: %1)</source>
        <translation>Er is mogelijk een onbekende fout in iTunes. Verwijder iTunes en installeer het opnieuw om dit op te lossen. Zorg dat u de nieuwste versie van iTunes hebt en probeer het opnieuw. (foutcode: %1)</translation>
    </message>
    <message>
        <source>Data Analysis Failed</source>
        <translation>Gegevensanalyse mislukt</translation>
    </message>
    <message>
        <source>If you stop analyzing, no data will be scanned. Are you sure to stop?</source>
        <translation>Als u de analyse stopt, worden er geen gegevens gescand. Weet u zeker dat u wilt stoppen?</translation>
    </message>
    <message>
        <source>Cancelling, please wait a moment ...</source>
        <translation>Bezig met annuleren, even geduld...</translation>
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
<context>
    <name>VoiceMemos</name>
    <message>
        <source>Voice Memo</source>
        <translation>Dictafoon</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alles selecteren</translation>
    </message>
    <message>
        <source>Check All</source>
        <translation>Alles selecteren</translation>
    </message>
    <message>
        <source>Uncheck All</source>
        <translation>Alles deselecteren</translation>
    </message>
</context>
<context>
    <name>WeChatContentShow</name>
    <message>
        <source>[Picture]</source>
        <translation>[Afbeelding]</translation>
    </message>
    <message>
        <source>[Voice]</source>
        <translation>[Spraakbericht]</translation>
    </message>
    <message>
        <source>[Video]</source>
        <translation>[Video]</translation>
    </message>
    <message>
        <source>[Voice call]</source>
        <translation>[Spraakoproep]</translation>
    </message>
    <message>
        <source>[Red packet]</source>
        <translation>[Rode envelop]</translation>
    </message>
    <message>
        <source>[Location]</source>
        <translation>[Locatie]</translation>
    </message>
    <message>
        <source>[Business card]</source>
        <translation>[Visitekaartje]</translation>
    </message>
</context>
</TS>
