<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="en">
<context>
    <name>AppManagerSubWidget</name>
    <message>
        <source>Select</source>
        <translation>Seleziona</translation>
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
        <translation>Versione</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Dimensione</translation>
    </message>
    <message>
        <source>Removing</source>
        <translation>Rimozione…</translation>
    </message>
    <message>
        <source>Removed</source>
        <translation>Rimossa</translation>
    </message>
    <message>
        <source>Apps</source>
        <translation>App</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Seleziona tutto</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Rimuovi</translation>
    </message>
    <message>
        <source>Remove the selected apps?</source>
        <translation>Rimuovere le app selezionate?</translation>
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
        <translation>Seleziona</translation>
    </message>
</context>
<context>
    <name>BookMarkView</name>
    <message>
        <source>Bookmark</source>
        <translation>Preferiti</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titolo</translation>
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
        <translation>Password del backup</translation>
    </message>
    <message>
        <source>Your iTunes backup had been password-encrypted. Please enter your password here to decrypt it. </source>
        <translation>Il backup di iTunes è protetto da password. Inseriscila qui per decodificarlo. </translation>
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
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Password can not be empty!</source>
        <translation>La password non può essere vuota!</translation>
    </message>
</context>
<context>
    <name>CEraseDataWid</name>
    <message>
        <source>Message</source>
        <translation>Messaggi</translation>
    </message>
    <message>
        <source>Call History</source>
        <translation>Cronologia chiamate</translation>
    </message>
    <message>
        <source>Safari Cookie</source>
        <translation>Cookie di Safari</translation>
    </message>
    <message>
        <source>Safari Cache</source>
        <translation>Cache di Safari</translation>
    </message>
    <message>
        <source>Safari History</source>
        <translation>Cronologia di Safari</translation>
    </message>
    <message>
        <source>Photo &amp; Videos</source>
        <translation>Foto e video</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Message Attachment</source>
        <translation>Allegato del messaggio</translation>
    </message>
    <message>
        <source>Note Attachment</source>
        <translation>Allegato della nota</translation>
    </message>
    <message>
        <source>WhatsApp</source>
        <translation>WhatsApp</translation>
    </message>
    <message>
        <source>WhatsApp Attachments</source>
        <translation>Allegati WhatsApp</translation>
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
        <translation>Allegato Kik</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Contatti</translation>
    </message>
    <message>
        <source>Calendar , Reminder</source>
        <translation>Calendario, Promemoria</translation>
    </message>
    <message>
        <source>Bookmark</source>
        <translation>Preferiti</translation>
    </message>
    <message>
        <source>Voice Memo</source>
        <translation>Memo vocali</translation>
    </message>
    <message>
        <source>Warning:To avoid damage to thie device,please don&apos;t disconnect the device while erasing. </source>
        <translation>Attenzione: non scollegare il dispositivo durante la cancellazione, per evitare di danneggiarlo. </translation>
    </message>
    <message>
        <source>The erase deleted data:</source>
        <translation>Dati eliminati cancellati:</translation>
    </message>
    <message>
        <source>The App fragment erased:</source>
        <translation>Frammenti di app cancellati:</translation>
    </message>
    <message>
        <source>The erase private data:</source>
        <translation>Dati privati cancellati:</translation>
    </message>
</context>
<context>
    <name>CacheCleanProcessView</name>
    <message>
        <source>Clearing temporary files. Please do not use the device to avoid any problems.</source>
        <translation>Pulizia dei file temporanei in corso. Non usare il dispositivo per evitare problemi.</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Interrompi</translation>
    </message>
    <message>
        <source>About %1 Minute(s)</source>
        <translation>Circa %1 minuto/i</translation>
    </message>
    <message>
        <source>If you stop clearing, some data won&apos;t be deleted. Are you sure you want to stop?</source>
        <translation>Se interrompi la pulizia, alcuni dati non verranno eliminati. Vuoi davvero interromperla?</translation>
    </message>
</context>
<context>
    <name>CallLogView</name>
    <message>
        <source>Call History</source>
        <translation>Cronologia chiamate</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Phone Number</source>
        <translation>Numero di telefono</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Ora</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>sconosciuto</translation>
    </message>
    <message>
        <source>incoming</source>
        <translation>in entrata</translation>
    </message>
    <message>
        <source>outgoing</source>
        <translation>in uscita</translation>
    </message>
    <message>
        <source>outgoing facetime</source>
        <translation>FaceTime in uscita</translation>
    </message>
    <message>
        <source>imcoming facetime missed</source>
        <translation>FaceTime in entrata perso</translation>
    </message>
    <message>
        <source>imcoming missed</source>
        <translation>in entrata persa</translation>
    </message>
</context>
<context>
    <name>CallendarView</name>
    <message>
        <source>Calendar</source>
        <translation>Calendario</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titolo</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Luogo</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Inizio</translation>
    </message>
    <message>
        <source>Ends</source>
        <translation>Fine</translation>
    </message>
    <message>
        <source>Title: </source>
        <translation>Titolo: </translation>
    </message>
    <message>
        <source>Note: </source>
        <translation>Nota: </translation>
    </message>
</context>
<context>
    <name>ChatPane</name>
    <message>
        <source>No messages</source>
        <translation>Nessun messaggio</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>A:</translation>
    </message>
</context>
<context>
    <name>CommonImgCtrl</name>
    <message>
        <source>Select</source>
        <translation>Seleziona</translation>
    </message>
</context>
<context>
    <name>CompleteEraseView</name>
    <message>
        <source>Device</source>
        <translation>Dispositivo</translation>
    </message>
    <message>
        <source>Start unrecoverable erasing   </source>
        <translation>Avvia cancellazione irreversibile   </translation>
    </message>
    <message>
        <source>1. You may get the notice &amp;quot;Storage Almost Full&amp;quot; prompt on the device. Please don&apos;t worry, tap &amp;quot;Done&amp;quot; to continue.</source>
        <translation>1. Sul dispositivo potrebbe comparire l&apos;avviso &amp;quot;Spazio quasi esaurito&amp;quot;. Non preoccuparti: tocca &amp;quot;Fine&amp;quot; per continuare.</translation>
    </message>
    <message>
        <source>2. Please don&apos;t disconnect the device.</source>
        <translation>2. Non scollegare il dispositivo.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Avanzamento</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Interrompi</translation>
    </message>
    <message>
        <source>0 %</source>
        <translation>0%</translation>
    </message>
    <message>
        <source>Sorry, Fill failed!(error code: %1)</source>
        <translation>Spiacenti, riempimento non riuscito. (codice di errore: %1)</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>Attenzione</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>It may damage your data or device if you stop the unrecoverable erasing process. Are you sure you want to stop now?</source>
        <translation>Se interrompi la cancellazione irreversibile, potresti danneggiare i dati o il dispositivo. Vuoi davvero interromperla ora?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Attenzione</translation>
    </message>
</context>
<context>
    <name>ContactView</name>
    <message>
        <source>Unknown</source>
        <translation>Sconosciuto</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Contatti</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>Azienda</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Telefono</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>unknow</source>
        <translation>sconosciuto</translation>
    </message>
    <message>
        <source>Phone : </source>
        <translation>Telefono: </translation>
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
        <translation>Collega il dispositivo iOS al PC</translation>
    </message>
    <message>
        <source>Is your iDevice not being recognized?</source>
        <translation>Il dispositivo iOS non viene riconosciuto?</translation>
    </message>
</context>
<context>
    <name>DevConnectView</name>
    <message>
        <source>Connecting the device, please wait for a moment...</source>
        <translation>Connessione al dispositivo, attendi qualche istante...</translation>
    </message>
</context>
<context>
    <name>DeviceConnectNullTipDialog</name>
    <message>
        <source>Your device is connected but unrecognized? Please try the following methods:</source>
        <translation>Il dispositivo è collegato ma non viene riconosciuto? Prova questi metodi:</translation>
    </message>
    <message>
        <source>Resolve Connection Issues&gt;&gt;</source>
        <translation>Risolvi i problemi di connessione&gt;&gt;</translation>
    </message>
    <message>
        <source>More Methods</source>
        <translation>Altri metodi</translation>
    </message>
    <message>
        <source>If your device boots up and is plugged via USB in PC</source>
        <translation>Se il dispositivo è acceso e collegato al PC tramite USB</translation>
    </message>
    <message>
        <source>1. Ensure the latest version of iTunes is installed. Check if iTunes could recognize your device. Try to uninstall and reinstall iTunes. </source>
        <translation>1. Assicurati che sia installata l&apos;ultima versione di iTunes e verifica che iTunes riconosca il dispositivo. Prova a disinstallare e reinstallare iTunes. </translation>
    </message>
    <message>
        <source>2. Unplug and re-plug in the device. Reboot the device and plug in again.</source>
        <translation>2. Scollega e ricollega il dispositivo. Riavvia il dispositivo e collegalo di nuovo.</translation>
    </message>
    <message>
        <source>3. Use the USB cable that comes with your iDevice.  Try to use a USB port on the back of your computer.</source>
        <translation>3. Usa il cavo USB fornito con il dispositivo. Prova una porta USB sul retro del computer.</translation>
    </message>
</context>
<context>
    <name>DeviceInfoWidget</name>
    <message>
        <source>%1: %2 free of %3</source>
        <translation>%1: %2 liberi su %3</translation>
    </message>
    <message>
        <source>%1GB</source>
        <comment>gigabytes</comment>
        <translation>%1 GB</translation>
    </message>
    <message>
        <source>Total %1</source>
        <comment>space</comment>
        <translation>Totale: %1</translation>
    </message>
    <message>
        <source>Free %1</source>
        <comment>space</comment>
        <translation>Libero: %1</translation>
    </message>
    <message>
        <source>Used %1</source>
        <comment>space</comment>
        <translation>Usato: %1</translation>
    </message>
</context>
<context>
    <name>DeviceRestartView</name>
    <message>
        <source>Device</source>
        <translation>Dispositivo</translation>
    </message>
    <message>
        <source>Analying data,please wait...</source>
        <translation>Analisi dei dati in corso, attendi...</translation>
    </message>
    <message>
        <source>Erasing data, please wait...</source>
        <translation>Cancellazione dei dati in corso, attendi...</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Avanzamento</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Interrompi</translation>
    </message>
    <message>
        <source>Nothing was selected, so nothing was erased.</source>
        <translation>Non è stato selezionato nulla, quindi non è stato cancellato nulla.</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>Attenzione</translation>
    </message>
    <message>
        <source>Restarting device,please wait...</source>
        <translation>Riavvio del dispositivo in corso, attendi...</translation>
    </message>
    <message>
        <source>Your iDevice doesn&apos;t have enough storage to process data. Please free up your device space and try it again. (error code: %1)</source>
        <translation>Sul tuo iDevice non c&apos;è spazio sufficiente per elaborare i dati. Libera spazio sul dispositivo e riprova. (codice di errore: %1)</translation>
    </message>
    <message>
        <source>There may be unknown error with your iTunes. Please uninstall and reinstall iTunes to fix. Make sure you have the latest version of iTunes and try it again. (error code: %1)</source>
        <translation>Potrebbe esserci un errore sconosciuto in iTunes. Disinstalla e reinstalla iTunes per risolverlo. Assicurati di avere l&apos;ultima versione di iTunes e riprova. (codice di errore: %1)</translation>
    </message>
    <message>
        <source>Data Erasing Failed</source>
        <translation>Cancellazione dei dati non riuscita</translation>
    </message>
    <message>
        <source>Restarting device, please wait...</source>
        <translation>Riavvio del dispositivo in corso, attendi...</translation>
    </message>
    <message>
        <source>It may damage your data or device if you stop restarting. Are you sure you want to stop now?</source>
        <translation>Se interrompi il riavvio, potresti danneggiare i dati o il dispositivo. Vuoi davvero interromperlo ora?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Attenzione</translation>
    </message>
    <message>
        <source>Cancelling, please wait a moment ...</source>
        <translation>Annullamento in corso, attendi qualche istante...</translation>
    </message>
    <message>
        <source>Connection timeout! Please simply disconnect your iDevice and reconnect it. Kindly wait for it to continue.</source>
        <translation>Timeout della connessione. Scollega l&apos;iDevice e ricollegalo, poi attendi che l&apos;operazione riprenda.</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
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
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>EraseAllDataFailureView</name>
    <message>
        <source>Data Deletion</source>
        <translation>Eliminazione dei dati</translation>
    </message>
    <message>
        <source>             Erase private data and system settings</source>
        <translation>             Cancella i dati privati e le impostazioni di sistema</translation>
    </message>
    <message>
        <source>Data Erasure</source>
        <translation>Cancellazione dei dati</translation>
    </message>
    <message>
        <source>             Fill the empty space on the device</source>
        <translation>             Riempi lo spazio libero del dispositivo</translation>
    </message>
    <message>
        <source>        Failed to erase some of the data: </source>
        <translation>        Impossibile cancellare alcuni dati: </translation>
    </message>
    <message>
        <source>Why failed?</source>
        <translation>Perché non è riuscito?</translation>
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
        <translation>Completato</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Non riuscito</translation>
    </message>
    <message>
        <source>Operation stopped by user</source>
        <translation>Operazione interrotta dall&apos;utente</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Interrotto</translation>
    </message>
    <message>
        <source>Not started</source>
        <translation>Non avviato</translation>
    </message>
    <message>
        <source>Operation error</source>
        <translation>Errore dell&apos;operazione</translation>
    </message>
    <message>
        <source>Not chosen</source>
        <translation>Non selezionato</translation>
    </message>
</context>
<context>
    <name>EraseAllDataFinishedView</name>
    <message>
        <source>Done</source>
        <translation>Fine</translation>
    </message>
    <message>
        <source>Share it with your friends:</source>
        <translation>Condividi con gli amici:</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Condividi</translation>
    </message>
    <message>
        <source>Share on Facebook</source>
        <translation>Condividi su Facebook</translation>
    </message>
    <message>
        <source>Share on Twitter</source>
        <translation>Condividi su Twitter</translation>
    </message>
    <message>
        <source>Share on Google</source>
        <translation>Condividi su Google</translation>
    </message>
    <message>
        <source>All the data has been erased.</source>
        <translation>Tutti i dati sono stati cancellati.</translation>
    </message>
</context>
<context>
    <name>EraseAllDataProcessView</name>
    <message>
        <source>Erase progress</source>
        <translation>Avanzamento della cancellazione</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Interrompi</translation>
    </message>
    <message>
        <source>Scanning, please wait...</source>
        <translation>Scansione in corso, attendi...</translation>
    </message>
    <message>
        <source>Restarting device, please wait...</source>
        <translation>Riavvio del dispositivo in corso, attendi...</translation>
    </message>
    <message>
        <source>Erasing, please wait...</source>
        <translation>Cancellazione in corso, attendi...</translation>
    </message>
    <message>
        <source>It may damage your data or device, if you stop. Are you sure you want to stop now?</source>
        <translation>Se interrompi ora, potresti danneggiare i dati o il dispositivo. Vuoi davvero interrompere?</translation>
    </message>
    <message>
        <source>It may damage your data or device if you stop restarting. Are you sure you want to stop now?</source>
        <translation>Se interrompi il riavvio, potresti danneggiare i dati o il dispositivo. Vuoi davvero interromperlo ora?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Attenzione</translation>
    </message>
    <message>
        <source>Cancelling, please wait a moment ...</source>
        <translation>Annullamento in corso, attendi qualche istante...</translation>
    </message>
</context>
<context>
    <name>EraseAllDataView</name>
    <message>
        <source>Erase All Data</source>
        <translation>Cancella tutti i dati</translation>
    </message>
    <message>
        <source>1. Please close all background apps, such as Music, Navigation, etc.</source>
        <translation>1. Chiudi tutte le app in background, ad esempio Musica, navigatore e così via.</translation>
    </message>
    <message>
        <source>2. If there are any apps updating on the device, please wait for them to complete.</source>
        <translation>2. Se sul dispositivo ci sono app in aggiornamento, attendi che l&apos;aggiornamento finisca.</translation>
    </message>
    <message>
        <source>3. Please make sure you have backed up any needed data.</source>
        <translation>3. Assicurati di aver fatto il backup di tutti i dati che ti servono.</translation>
    </message>
    <message>
        <source>Security Level:</source>
        <translation>Livello di sicurezza:</translation>
    </message>
    <message>
        <source>Please type</source>
        <translation>Digita</translation>
    </message>
    <message>
        <source>&apos;delete&apos;</source>
        <translation>&quot;elimina&quot;</translation>
    </message>
    <message>
        <source>to confirm.</source>
        <translation>per confermare.</translation>
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
        <translation>Cancella ora</translation>
    </message>
    <message>
        <source>delete</source>
        <translation>elimina</translation>
    </message>
    <message>
        <source>Sorry, the input is not correct. Please type &quot;delete&quot; again.</source>
        <translation>Il testo inserito non è corretto. Digita di nuovo &quot;elimina&quot;.</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>Attenzione</translation>
    </message>
    <message>
        <source>This will completely erase all data of your device. Are you sure you want to continue?</source>
        <translation>Tutti i dati del dispositivo verranno cancellati completamente. Vuoi davvero continuare?</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continua</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>The device is not connected. Please connect it and try again.</source>
        <translation>Il dispositivo non è collegato. Collegalo e riprova.</translation>
    </message>
</context>
<context>
    <name>EraseDataView</name>
    <message>
        <source>Erasing data...</source>
        <translation>Cancellazione dei dati...</translation>
    </message>
    <message>
        <source>Erase progress</source>
        <translation>Avanzamento della cancellazione</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Interrompi</translation>
    </message>
    <message>
        <source>It may damage your data or device if you stop erasing. Are you sure you want to stop now?</source>
        <translation>Se interrompi la cancellazione, potresti danneggiare i dati o il dispositivo. Vuoi davvero interromperla ora?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Attenzione</translation>
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
        <translation>Nome</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Dimensione</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Sconosciuto</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Testo</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Message Attachment</source>
        <translation>Allegato del messaggio</translation>
    </message>
    <message>
        <source>Note Attachment</source>
        <translation>Allegato della nota</translation>
    </message>
    <message>
        <source>Kik Attachment</source>
        <translation>Allegato Kik</translation>
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
        <translation>Cancella file eliminati</translation>
    </message>
    <message>
        <source>1. Please close all background apps, such as Music, Navigation, etc.</source>
        <translation>1. Chiudi tutte le app in background, ad esempio Musica, navigatore e così via.</translation>
    </message>
    <message>
        <source>2. If there are any apps updating on the device, please wait for them to complete.</source>
        <translation>2. Se sul dispositivo ci sono app in aggiornamento, attendi che l&apos;aggiornamento finisca.</translation>
    </message>
    <message>
        <source>3. Please make sure you have backed up any needed data.</source>
        <translation>3. Assicurati di aver fatto il backup di tutti i dati che ti servono.</translation>
    </message>
    <message>
        <source>Security Level:</source>
        <translation>Livello di sicurezza:</translation>
    </message>
    <message>
        <source>Please type</source>
        <translation>Digita</translation>
    </message>
    <message>
        <source>&apos;delete&apos;</source>
        <translation>&quot;elimina&quot;</translation>
    </message>
    <message>
        <source>to confirm.</source>
        <translation>per confermare.</translation>
    </message>
    <message>
        <source>Type &apos;delete&apos; to confirm</source>
        <translation>Digita &quot;elimina&quot; per confermare</translation>
    </message>
    <message>
        <source>      Back</source>
        <translation>      Indietro</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Erase Now</source>
        <translation>Cancella ora</translation>
    </message>
    <message>
        <source>Security Level: %1</source>
        <translation>Livello di sicurezza: %1</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
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
        <translation>Annulla</translation>
    </message>
    <message>
        <source>delete</source>
        <translation>elimina</translation>
    </message>
    <message>
        <source>Sorry, the input is not correct. Please type &quot;delete&quot; again.</source>
        <translation>Il testo inserito non è corretto. Digita di nuovo &quot;elimina&quot;.</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>Attenzione</translation>
    </message>
    <message>
        <source>Error index when posting task:%1</source>
        <translation>Indice errato durante l&apos;invio dell&apos;attività: %1</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>messages of conversations that still exist</source>
        <translation>messaggi delle conversazioni ancora esistenti</translation>
    </message>
    <message>
        <source>contacts</source>
        <translation>contatti</translation>
    </message>
    <message>
        <source>calendar events and reminders</source>
        <translation>eventi del calendario e promemoria</translation>
    </message>
    <message>
        <source>bookmarks</source>
        <translation>preferiti</translation>
    </message>
    <message>
        <source>voice memos</source>
        <translation>memo vocali</translation>
    </message>
    <message>
        <source>Deleted %1 can only be erased all at once. Please tick all of them or none, then try again.</source>
        <translation>I seguenti dati eliminati possono essere cancellati solo tutti insieme: %1. Selezionali tutti o nessuno, poi riprova.</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>Nothing is ticked in the checked categories, so there is nothing to erase. Please go back and tick what you want to erase.</source>
        <translation>Nelle categorie scelte non è selezionato nulla, quindi non c&apos;è niente da cancellare. Torna indietro e seleziona ciò che vuoi cancellare.</translation>
    </message>
    <message>
        <source>It will need about %1 minutes to erase data. If you stop when erasing, it may damage your device.  Are you sure to continue?</source>
        <translation>La cancellazione dei dati richiederà circa %1 minuti. Se la interrompi mentre è in corso, potresti danneggiare il dispositivo. Vuoi davvero continuare?</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continua</translation>
    </message>
    <message>
        <source>The device is not connected. Nothing was erased.</source>
        <translation>Il dispositivo non è collegato. Non è stato cancellato nulla.</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>Attenzione</translation>
    </message>
</context>
<context>
    <name>EraseScanModel</name>
    <message>
        <source>Scan</source>
        <translation>Scansiona</translation>
    </message>
</context>
<context>
    <name>EraseTabPage</name>
    <message>
        <source>Please set up and activate your device first before you use any other function.</source>
        <translation>Prima di usare qualsiasi altra funzione, configura e attiva il dispositivo.</translation>
    </message>
    <message>
        <source>note</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <source>your device has not been activated,please set your device!</source>
        <translation>Il dispositivo non è attivato. Configuralo!</translation>
    </message>
    <message>
        <source>Password is not correct!</source>
        <translation>Password non corretta!</translation>
    </message>
</context>
<context>
    <name>EraseTableView</name>
    <message>
        <source>Select all</source>
        <translation>Seleziona tutto</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Dettagli</translation>
    </message>
</context>
<context>
    <name>EraseTipDialog</name>
    <message>
        <source>Notice</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <source>Your backup files had been password-encrypted. Please remove your encryption from iTunes and try it again.</source>
        <translation>I file di backup sono protetti da password. Rimuovi la codifica in iTunes e riprova.</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Please disable &quot;Find My iPhone&quot; on your device before you continue.</source>
        <translation>Disattiva &quot;Trova il mio iPhone&quot; sul dispositivo prima di continuare.</translation>
    </message>
    <message>
        <source>You must enter your password to unlock your device before continuing with Velmora Dravo Pro.</source>
        <translation>Inserisci il codice per sbloccare il dispositivo prima di continuare con Velmora Dravo Pro.</translation>
    </message>
    <message>
        <source>How to remove your backup encryption?</source>
        <translation>Come rimuovere la codifica del backup?</translation>
    </message>
    <message>
        <source>How do I turn off &quot;Find My iPhone&quot;?</source>
        <translation>Come disattivo &quot;Trova il mio iPhone&quot;?</translation>
    </message>
    <message>
        <source>This popup still appears even when &quot;Find My iPhone&quot; has been disabled?</source>
        <translation>Questo avviso compare anche se &quot;Trova il mio iPhone&quot; è disattivato?</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Riprova</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continua</translation>
    </message>
</context>
<context>
    <name>ErasingReturnView</name>
    <message>
        <source>Stopped by user</source>
        <translation>Interrotto dall&apos;utente</translation>
    </message>
    <message>
        <source>Data Deletion</source>
        <translation>Eliminazione dei dati</translation>
    </message>
    <message>
        <source>Data Erasure</source>
        <translation>Cancellazione dei dati</translation>
    </message>
    <message>
        <source>             Fill the empty space on the device</source>
        <translation>             Riempi lo spazio libero del dispositivo</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Interrotto</translation>
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
        <translation>             Cancella i frammenti lasciati dalle app scelte</translation>
    </message>
    <message>
        <source>             Erase the selected files</source>
        <translation>             Cancella i file selezionati</translation>
    </message>
    <message>
        <source>             Erase private data and system settings</source>
        <translation>             Cancella i dati privati e le impostazioni di sistema</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Completato</translation>
    </message>
</context>
<context>
    <name>FanShapedWidget</name>
    <message>
        <source>Chart</source>
        <translation>Grafico</translation>
    </message>
</context>
<context>
    <name>FillDataProcessView</name>
    <message>
        <source>Overwriting all personal data</source>
        <translation>Sovrascrittura di tutti i dati personali</translation>
    </message>
    <message>
        <source>1. You may see a &quot;Storage Almost Full&quot; prompt on the device. Please don&apos;t worry, tap Ǎone” to continue.</source>
        <translation>1. Sul dispositivo potrebbe comparire l&apos;avviso &quot;Spazio quasi esaurito&quot;. Non preoccuparti: tocca &quot;Fine&quot; per continuare.</translation>
    </message>
    <message>
        <source>2. Please don’t disconnect the device.</source>
        <translation>2. Non scollegare il dispositivo.</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Interrompi</translation>
    </message>
    <message>
        <source>Estimated time: 60 minutes</source>
        <translation>Tempo stimato: 60 minuti</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Estimated time: 1 minutes</source>
        <translation>Tempo stimato: 1 minuto</translation>
    </message>
    <message>
        <source>Estimated time: %1 minutes</source>
        <translation>Tempo stimato: %1 minuti</translation>
    </message>
    <message>
        <source>It may damage your data or device if you stop the unrecoverable erasing process. Are you sure you want to stop now?</source>
        <translation>Se interrompi la cancellazione irreversibile, potresti danneggiare i dati o il dispositivo. Vuoi davvero interromperla ora?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Attenzione</translation>
    </message>
</context>
<context>
    <name>ImageCompressionFinshed</name>
    <message>
        <source>Congratulations! Compressed successfully.</source>
        <translation>Congratulazioni! Compressione completata.</translation>
    </message>
    <message>
        <source>Cleanup stopped!</source>
        <translation>Pulizia interrotta!</translation>
    </message>
    <message>
        <source>Congratulations! Cleanup completed.</source>
        <translation>Congratulazioni! Pulizia completata.</translation>
    </message>
    <message>
        <source>Open Backup Folder</source>
        <translation>Apri cartella di backup</translation>
    </message>
    <message>
        <source>Compress stopped!</source>
        <translation>Compressione interrotta!</translation>
    </message>
    <message>
        <source>Congratulations! Deleted successfully.</source>
        <translation>Congratulazioni! Eliminazione completata.</translation>
    </message>
    <message>
        <source>Open Export Folder</source>
        <translation>Apri cartella di esportazione</translation>
    </message>
    <message>
        <source>Congratulations! Exported successfully.</source>
        <translation>Congratulazioni! Esportazione completata.</translation>
    </message>
    <message>
        <source>There is no large file to be deleted on your device.</source>
        <translation>Sul dispositivo non ci sono file grandi da eliminare.</translation>
    </message>
    <message>
        <source>All selected apps have been removed.</source>
        <translation>Tutte le app selezionate sono state rimosse.</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fine</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continua</translation>
    </message>
    <message>
        <source>Share it with your friends:</source>
        <translation>Condividi con gli amici:</translation>
    </message>
    <message>
        <source>Share on Facebook</source>
        <translation>Condividi su Facebook</translation>
    </message>
    <message>
        <source>Share on Twitter</source>
        <translation>Condividi su Twitter</translation>
    </message>
    <message>
        <source>Share on Google</source>
        <translation>Condividi su Google</translation>
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
        <translation>Hai liberato %1!</translation>
    </message>
    <message>
        <source>%1 has been released.</source>
        <translation>Hai liberato %1.</translation>
    </message>
    <message>
        <source>Want to transfer music between iDevice and PC/iTunes, try &lt;a href=&quot;crestline&quot; style=&quot;color:#5695e8;&quot;&gt;Crestline&lt;/a&gt;.</source>
        <translation>Vuoi trasferire musica tra iDevice e PC/iTunes? Prova &lt;a href=&quot;crestline&quot; style=&quot;color:#5695e8;&quot;&gt;Crestline&lt;/a&gt;.</translation>
    </message>
</context>
<context>
    <name>ImageCompressionScanReslut</name>
    <message>
        <source>Backup &amp; Compress</source>
        <translation>Backup e compressione</translation>
    </message>
    <message>
        <source>Export &amp; Delete</source>
        <translation>Esporta ed elimina</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Lossless compression to free up about 75% of your camera’s photo space.</source>
        <translation>La compressione senza perdita libera circa il 75% dello spazio delle foto della fotocamera.</translation>
    </message>
    <message>
        <source>Export selected photos to PC and delete them from iOS device to save more space.</source>
        <translation>Esporta le foto selezionate sul PC ed eliminale dal dispositivo iOS per liberare più spazio.</translation>
    </message>
    <message>
        <source>Before (26MB)</source>
        <translation>Prima (26MB)</translation>
    </message>
    <message>
        <source>After (1.2MB)</source>
        <translation>Dopo (1.2MB)</translation>
    </message>
    <message>
        <source>&lt;font color = &apos;%1&apos;&gt;%2&lt;/font&gt; space can be saved by lossless photo compression.</source>
        <translation>Con la compressione senza perdita delle foto puoi risparmiare &lt;font color = &apos;%1&apos;&gt;%2&lt;/font&gt;.</translation>
    </message>
    <message>
        <source>Export and deletion of photos can help you save up to &lt;font color = &apos;%1&apos;&gt;%2&lt;/font&gt;</source>
        <translation>Esportando ed eliminando le foto puoi risparmiare fino a &lt;font color = &apos;%1&apos;&gt;%2&lt;/font&gt;</translation>
    </message>
    <message>
        <source>The last compression saved %1.</source>
        <translation>L&apos;ultima compressione ha risparmiato %1.</translation>
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
        <translation>Seleziona tutto</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Export Only</source>
        <translation>Solo esporta</translation>
    </message>
    <message>
        <source>Backup &amp; Delete</source>
        <translation>Backup ed elimina</translation>
    </message>
    <message>
        <source>Select the chosen date</source>
        <translation>Seleziona la data scelta</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
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
        <translation>Esportando ed eliminando tutte le foto puoi risparmiare fino a %1</translation>
    </message>
    <message>
        <source>%1 photos selected to save %2</source>
        <translation>%1 foto selezionate per risparmiare %2</translation>
    </message>
</context>
<context>
    <name>ImagePreviewControls</name>
    <message>
        <source>%1 photos</source>
        <translation>%1 foto</translation>
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
        <translation>Foto</translation>
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
        <translation>Log degli arresti</translation>
    </message>
    <message>
        <source>Clear redundant system usage reports and application crash logs which are generated by iOS.</source>
        <translation>Cancella i report di utilizzo del sistema superflui e i log degli arresti delle app generati da iOS.</translation>
    </message>
    <message>
        <source>Photo Caches</source>
        <translation>Cache delle foto</translation>
    </message>
    <message>
        <source>Delete Camera Roll, Photo Stream and Photo Library cache files which are created by third-party apps.</source>
        <translation>Elimina i file di cache di Rullino foto, Streaming foto e Libreria foto creati da app di terze parti.</translation>
    </message>
    <message>
        <source>Downloaded Temp Files</source>
        <translation>File temporanei dei download</translation>
    </message>
    <message>
        <source>Remove those corrupted files which are produced due to the interruption whilst downloading and still remain in the temp file folder.</source>
        <translation>Rimuovi i file danneggiati da download interrotti che restano nella cartella dei file temporanei.</translation>
    </message>
    <message>
        <source>User Storage Files</source>
        <translation>File di archivio utente</translation>
    </message>
    <message>
        <source>Eliminate the temp files in User Storage Directory which were generated by third-party apps.</source>
        <translation>Elimina i file temporanei creati da app di terze parti nella cartella di archivio utente.</translation>
    </message>
    <message>
        <source>iTunes Caches</source>
        <translation>Cache di iTunes</translation>
    </message>
    <message>
        <source>Clear up the incomplete files and traces produced when iTunes failed to sync.</source>
        <translation>Cancella i file incompleti e le tracce lasciati da sincronizzazioni di iTunes non riuscite.</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Clean</source>
        <translation>Pulisci</translation>
    </message>
    <message>
        <source>%1 can be released.</source>
        <comment>%1 is a size</comment>
        <translation>Puoi liberare %1.</translation>
    </message>
</context>
<context>
    <name>LanguageSelectView</name>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>Please select a language</source>
        <translation>Seleziona una lingua</translation>
    </message>
    <message>
        <source>The progam will restart to apply your changes. Please wait.</source>
        <translation>Il programma verrà riavviato per applicare le modifiche. Attendi.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>LargeFilesCleanCheckBox</name>
    <message>
        <source>Select</source>
        <translation>Seleziona</translation>
    </message>
</context>
<context>
    <name>LargeFilesCleanPhotoIcon</name>
    <message>
        <source>Thumbnail</source>
        <translation>Miniatura</translation>
    </message>
</context>
<context>
    <name>LargeFilesCleanView</name>
    <message>
        <source>Thumbnail</source>
        <translation>Miniatura</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Formato</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Dimensione</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Mostra</translation>
    </message>
    <message>
        <source>File above</source>
        <translation>File oltre</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>Large files</source>
        <translation>File grandi</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Seleziona tutto</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Export Only</source>
        <translation>Solo esporta</translation>
    </message>
    <message>
        <source>Back Up &amp; Delete</source>
        <translation>Backup ed elimina</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Tutti</translation>
    </message>
    <message numerus="yes">
        <source>%n of the checked files are hidden by the filters. Back up and delete them as well?
&quot;Yes&quot; deletes every checked file, &quot;No&quot; only the files shown.</source>
        <translation>
            <numerusform>%n dei file selezionati è nascosto dai filtri. Vuoi fare il backup ed eliminare anche questo?
&quot;Sì&quot; elimina tutti i file selezionati, &quot;No&quot; solo i file visualizzati.</numerusform>
            <numerusform>%n dei file selezionati sono nascosti dai filtri. Vuoi fare il backup ed eliminare anche questi?
&quot;Sì&quot; elimina tutti i file selezionati, &quot;No&quot; solo i file visualizzati.</numerusform>
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
        <translation>Esportazione delle foto in corso. Non usare il dispositivo per evitare anomalie.</translation>
    </message>
    <message>
        <source>Deleting photos, please do not use the device to avoid any abnormity.</source>
        <translation>Eliminazione delle foto in corso. Non usare il dispositivo per evitare anomalie.</translation>
    </message>
    <message>
        <source>Deleting large files, please do not use the device to avoid any abnormity.</source>
        <translation>Eliminazione dei file grandi in corso. Non usare il dispositivo per evitare anomalie.</translation>
    </message>
    <message>
        <source>Exporting large files, please do not use the device to avoid any abnormity.</source>
        <translation>Esportazione dei file grandi in corso. Non usare il dispositivo per evitare anomalie.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Avanzamento</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Interrompi</translation>
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
        <translation>Strumenti</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Riduci a icona</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Tutorial</source>
        <translation>Guida</translation>
    </message>
    <message>
        <source>Frequently Asked Questions</source>
        <translation>Domande frequenti</translation>
    </message>
    <message>
        <source>Write a Product Review</source>
        <translation>Scrivi una recensione</translation>
    </message>
    <message>
        <source>Contact Us</source>
        <translation>Contattaci</translation>
    </message>
    <message>
        <source>View Facebook Fan Page</source>
        <translation>Visita la pagina Facebook</translation>
    </message>
    <message>
        <source>Follow Us on Twitter</source>
        <translation>Seguici su Twitter</translation>
    </message>
    <message>
        <source>Set Security Level</source>
        <translation>Livello di sicurezza</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>Verifica aggiornamenti</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>1-Click
 Free Up Space</source>
        <translation>Libera spazio
 con 1 clic</translation>
    </message>
    <message>
        <source>Erase All Data</source>
        <translation>Cancella tutti i dati</translation>
    </message>
    <message>
        <source>Erase Deleted Files</source>
        <translation>Cancella file eliminati</translation>
    </message>
    <message>
        <source>Erase Private Data</source>
        <translation>Cancella dati privati</translation>
    </message>
    <message>
        <source>Erase Private Fragments</source>
        <translation>Cancella frammenti privati</translation>
    </message>
    <message>
        <source>If you leave, the scanning result won&apos;t be saved. Are you sure you want to leave?</source>
        <translation>Se esci, il risultato della scansione non verrà salvato. Vuoi davvero uscire?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Attenzione</translation>
    </message>
    <message>
        <source>PostConnectDevTask error!</source>
        <translation>Errore di PostConnectDevTask!</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>Attenzione</translation>
    </message>
    <message>
        <source>Please unlock the device and trust the connection if needed. Then click Continue.</source>
        <translation>Sblocca il dispositivo e, se richiesto, autorizza la connessione. Poi fai clic su Continua.</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continua</translation>
    </message>
    <message>
        <source>you should trust the device!</source>
        <translation>Devi autorizzare il dispositivo!</translation>
    </message>
    <message>
        <source>slotConnToDev return value false!</source>
        <translation>slotConnToDev ha restituito false!</translation>
    </message>
    <message>
        <source>Don&apos;t start iTunes and sync files when running the program to avoid data overwriting.</source>
        <translation>Non avviare iTunes e non sincronizzare file mentre il programma è in uso, per non sovrascrivere i dati.</translation>
    </message>
    <message>
        <source>Velmora Dravo Pro</source>
        <translation>Velmora Dravo Pro</translation>
    </message>
    <message>
        <source>Are you sure you want to exit the program?</source>
        <translation>Vuoi davvero uscire dal programma?</translation>
    </message>
</context>
<context>
    <name>MessageView</name>
    <message>
        <source>Unknown</source>
        <translation>Sconosciuto</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Messaggio</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Text Message</source>
        <translation>Messaggio di testo</translation>
    </message>
    <message>
        <source>Text Messages</source>
        <translation>Messaggi di testo</translation>
    </message>
</context>
<context>
    <name>Note</name>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titolo</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Detail</source>
        <translation>Dettagli</translation>
    </message>
    <message>
        <source>Time: </source>
        <translation>Ora: </translation>
    </message>
    <message>
        <source>Title: </source>
        <translation>Titolo: </translation>
    </message>
    <message>
        <source>Note: </source>
        <translation>Nota: </translation>
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
        <translation>File inutili:</translation>
    </message>
    <message>
        <source>Temporary Files:</source>
        <translation>File temporanei:</translation>
    </message>
    <message>
        <source>Too few temporary files on your iPhone to clean.</source>
        <translation>Sull&apos;iPhone ci sono troppo pochi file temporanei da pulire.</translation>
    </message>
    <message>
        <source>Photos:</source>
        <translation>Foto:</translation>
    </message>
    <message>
        <source>Large Files:</source>
        <translation>File grandi:</translation>
    </message>
    <message>
        <source>Apps:</source>
        <translation>App:</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Rescan</source>
        <translation>Ripeti scansione</translation>
    </message>
    <message>
        <source>If you go back, the scanning result won&apos;t be saved. Are you sure you want to go back?</source>
        <translation>Se torni indietro, il risultato della scansione non verrà salvato. Vuoi davvero tornare indietro?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Attenzione</translation>
    </message>
    <message>
        <source>About %1</source>
        <comment>approximately, %1 is a size</comment>
        <translation>Circa %1</translation>
    </message>
    <message>
        <source>You can save up to %1</source>
        <comment>%1 is a size</comment>
        <translation>Puoi risparmiare fino a %1</translation>
    </message>
    <message>
        <source>%1 More can be freed up.</source>
        <comment>%1 is a size</comment>
        <translation>Puoi liberare altri %1.</translation>
    </message>
    <message>
        <source>%1 has been released!</source>
        <comment>%1 is a size</comment>
        <translation>Hai liberato %1!</translation>
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
        <translation>Libera spazio con 1 clic</translation>
    </message>
    <message>
        <source>Quick Scan</source>
        <translation>Scansione rapida</translation>
    </message>
    <message>
        <source>Or scan one category:</source>
        <translation>Oppure scansiona una categoria:</translation>
    </message>
    <message>
        <source>Junk Files</source>
        <translation>File inutili</translation>
    </message>
    <message>
        <source>Temp Files</source>
        <translation>File temporanei</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>Foto</translation>
    </message>
    <message>
        <source>Large Files</source>
        <translation>File grandi</translation>
    </message>
    <message>
        <source>Apps</source>
        <translation>App</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Mai</translation>
    </message>
    <message>
        <source>Last use:</source>
        <translation>Ultimo utilizzo:</translation>
    </message>
    <message>
        <source>Total space released:</source>
        <translation>Spazio totale liberato:</translation>
    </message>
</context>
<context>
    <name>OneKeyCommon</name>
    <message>
        <source>If you go back, the scanning result won&apos;t be saved. Are you sure you want to go back?</source>
        <translation>Se torni indietro, il risultato della scansione non verrà salvato. Vuoi davvero tornare indietro?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Attenzione</translation>
    </message>
    <message>
        <source>The device is not connected. Please connect it and try again.</source>
        <translation>Il dispositivo non è collegato. Collegalo e riprova.</translation>
    </message>
    <message>
        <source>Scan completed! No need for further cleaning.</source>
        <translation>Scansione completata! Non serve un&apos;ulteriore pulizia.</translation>
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
        <translation>Pulisci</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fine</translation>
    </message>
</context>
<context>
    <name>OvAbout</name>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Permanently Erase Your Private Data from iPhone/iPad/iPod!</source>
        <translation>Cancella per sempre i tuoi dati privati da iPhone/iPad/iPod!</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versione %1</translation>
    </message>
    <message>
        <source>Copyright © %1 Velmora Software. All rights reserved.</source>
        <translation>Copyright © %1 Velmora Software. Tutti i diritti riservati.</translation>
    </message>
</context>
<context>
    <name>OvEraseAllDataModel</name>
    <message>
        <source>Erase All Data </source>
        <translation>Cancella tutti i dati </translation>
    </message>
    <message>
        <source>Erase all data permanently and keep your private data completely gone.</source>
        <translation>Cancella per sempre tutti i dati e non lasciare traccia dei tuoi dati privati.</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Cancella</translation>
    </message>
    <message>
        <source>All the data has been erased.</source>
        <translation>Tutti i dati sono stati cancellati.</translation>
    </message>
    <message>
        <source>Data Analysis Failed</source>
        <translation>Analisi dei dati non riuscita</translation>
    </message>
    <message>
        <source>It failed to erasing data for unknown error. Please restart this program and try it again. (error code: %1)</source>
        <translation>Cancellazione dei dati non riuscita per un errore sconosciuto. Riavvia il programma e riprova. (codice di errore: %1)</translation>
    </message>
    <message>
        <source>Data Erasing Failed</source>
        <translation>Cancellazione dei dati non riuscita</translation>
    </message>
</context>
<context>
    <name>OvEraseDeletedFilesModel</name>
    <message>
        <source>Erase Deleted Files </source>
        <translation>Cancella file eliminati </translation>
    </message>
    <message>
        <source>Erase deleted files outright and your secrets are gone forever.</source>
        <translation>Cancella del tutto i file eliminati: i tuoi segreti spariranno per sempre.</translation>
    </message>
    <message>
        <source>Erase Deleted Files</source>
        <translation>Cancella file eliminati</translation>
    </message>
    <message>
        <source>Selected files have been erased thoroughly.</source>
        <translation>I file selezionati sono stati cancellati completamente.</translation>
    </message>
</context>
<context>
    <name>OvEraseFragmentDataModel</name>
    <message>
        <source>Erase Incomplete Private Fragments</source>
        <translation>Cancella frammenti privati incompleti</translation>
    </message>
    <message>
        <source>The most complete and in-depth erasure for third-party Apps!</source>
        <translation>La cancellazione più completa e approfondita per le app di terze parti!</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Scansiona</translation>
    </message>
    <message>
        <source>Erase Private Fragments  </source>
        <translation>Cancella frammenti privati  </translation>
    </message>
    <message>
        <source>Seleted data have been erased completely.</source>
        <translation>I dati selezionati sono stati cancellati completamente.</translation>
    </message>
    <message>
        <source>Data Analysis Failed</source>
        <translation>Analisi dei dati non riuscita</translation>
    </message>
    <message>
        <source>The fragments of %1 cannot be erased on this device. Nothing was erased.</source>
        <translation>Su questo dispositivo non è possibile cancellare i frammenti di %1. Non è stato cancellato nulla.</translation>
    </message>
    <message>
        <source>Data Erasing Failed</source>
        <translation>Cancellazione dei dati non riuscita</translation>
    </message>
</context>
<context>
    <name>OvErasePrivateDataModel</name>
    <message>
        <source>Erase Private Data </source>
        <translation>Cancella dati privati </translation>
    </message>
    <message>
        <source>Erase paivate data securely and don&apos;t worry about security breaches.</source>
        <translation>Cancella i dati privati in sicurezza, senza temere violazioni.</translation>
    </message>
    <message>
        <source>Erase Private Data</source>
        <translation>Cancella dati privati</translation>
    </message>
    <message>
        <source>Selected files have been erased thoroughly.</source>
        <translation>I file selezionati sono stati cancellati completamente.</translation>
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
        <translation>Inviaci i tuoi commenti o i problemi tecnici riscontrati con Velmora Dravo Pro.</translation>
    </message>
    <message>
        <source>E-mail:</source>
        <translation>E-mail:</translation>
    </message>
    <message>
        <source>Enter your email address</source>
        <translation>Inserisci il tuo indirizzo e-mail</translation>
    </message>
    <message>
        <source>Content:</source>
        <translation>Messaggio:</translation>
    </message>
    <message>
        <source>If you have any comments or suggestions, please write directly to us.</source>
        <translation>Se hai commenti o suggerimenti, scrivici direttamente.</translation>
    </message>
    <message>
        <source>Attach the log file (check the box to send automatically).</source>
        <translation>Allega il file di log (seleziona la casella per inviarlo automaticamente).</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Invia</translation>
    </message>
    <message>
        <source>Please enter your email address.</source>
        <translation>Inserisci il tuo indirizzo e-mail.</translation>
    </message>
    <message>
        <source>Please enter a valid email address.</source>
        <translation>Inserisci un indirizzo e-mail valido.</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Non riuscito</translation>
    </message>
    <message>
        <source>Submitted successfully.</source>
        <translation>Inviato.</translation>
    </message>
    <message>
        <source>Sending your feedback...</source>
        <translation>Invio del feedback in corso...</translation>
    </message>
    <message>
        <source>Feedback is not set up on this computer, so your message could not be sent. Your text is kept in this window.</source>
        <translation>Il feedback non è configurato su questo computer, quindi non è stato possibile inviare il messaggio. Il testo resta in questa finestra.</translation>
    </message>
</context>
<context>
    <name>OvFillDataProgressBar</name>
    <message>
        <source>Progress</source>
        <translation>Avanzamento</translation>
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
        <translation>Nessun dato</translation>
    </message>
    <message>
        <source>Nothing of %1 was found on the device.</source>
        <translation>Sul dispositivo non è stato trovato nulla di %1.</translation>
    </message>
</context>
<context>
    <name>OvFragmentAppView</name>
    <message>
        <source>Permanently Erase Private Fragments - Make sure your private data stays private and is away from privacy leak.</source>
        <translation>Cancella per sempre i frammenti privati: i tuoi dati privati restano privati, al riparo da fughe di dati.</translation>
    </message>
    <message>
        <source>     Back</source>
        <translation>     Indietro</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Erase Now</source>
        <translation>Cancella ora</translation>
    </message>
    <message>
        <source>If you go back, the scanning result won&apos;t be saved. Are you sure you want to go back?</source>
        <translation>Se torni indietro, il risultato della scansione non verrà salvato. Vuoi davvero tornare indietro?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Attenzione</translation>
    </message>
</context>
<context>
    <name>OvMessageBox</name>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>No</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
</context>
<context>
    <name>OvOneKeyClearModel</name>
    <message>
        <source>Cleaning failed for some unknown errors. Please try it again.</source>
        <translation>Pulizia non riuscita per un errore sconosciuto. Riprova.</translation>
    </message>
</context>
<context>
    <name>OvProgressBarGif</name>
    <message>
        <source>About %1 Minute(s)</source>
        <translation>Circa %1 minuto/i</translation>
    </message>
</context>
<context>
    <name>OvScanResultView</name>
    <message>
        <source>Deleted Data</source>
        <translation>Dati eliminati</translation>
    </message>
    <message>
        <source>    Private Data</source>
        <translation>    Dati privati</translation>
    </message>
    <message>
        <source>Scanning, please wait...</source>
        <translation>Scansione in corso, attendi...</translation>
    </message>
    <message>
        <source>Scan progress</source>
        <translation>Avanzamento della scansione</translation>
    </message>
    <message>
        <source> Stop</source>
        <translation> Interrompi</translation>
    </message>
    <message>
        <source>Data categories</source>
        <translation>Categorie di dati</translation>
    </message>
    <message>
        <source>No data scanned?Please confirm your device can be backed up	</source>
        <translation>Nessun dato trovato? Verifica che sia possibile fare il backup del dispositivo	</translation>
    </message>
    <message>
        <source>via itunes.if so,please</source>
        <translation>tramite iTunes. In tal caso,</translation>
    </message>
    <message>
        <source>click here</source>
        <translation>fai clic qui</translation>
    </message>
    <message>
        <source>records detected.</source>
        <translation>elementi rilevati.</translation>
    </message>
    <message>
        <source>   Back</source>
        <translation>   Indietro</translation>
    </message>
    <message>
        <source>Erase Now</source>
        <translation>Cancella ora</translation>
    </message>
    <message>
        <source>No data scanned</source>
        <translation>Nessun dato trovato</translation>
    </message>
    <message>
        <source>Click a category on the left to see its records.</source>
        <translation>Fai clic su una categoria a sinistra per vederne gli elementi.</translation>
    </message>
    <message>
        <source>If you stop scanning, some data won&apos;t be detected. Are you sure to stop?</source>
        <translation>Se interrompi la scansione, alcuni dati non verranno rilevati. Vuoi davvero interromperla?</translation>
    </message>
    <message>
        <source> (%1)</source>
        <translation> (%1)</translation>
    </message>
    <message>
        <source>The records of this category cannot be shown.</source>
        <translation>Impossibile mostrare gli elementi di questa categoria.</translation>
    </message>
    <message>
        <source>If you go back, the scanning result won&apos;t be saved. Are you sure you want to go back?</source>
        <translation>Se torni indietro, il risultato della scansione non verrà salvato. Vuoi davvero tornare indietro?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Attenzione</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Messaggi</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Contatti</translation>
    </message>
    <message>
        <source>Calendar,
Reminder</source>
        <translation>Calendario,
Promemoria</translation>
    </message>
    <message>
        <source>Call History</source>
        <translation>Cronologia chiamate</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Safari History</source>
        <translation>Cronologia di Safari</translation>
    </message>
    <message>
        <source>Bookmark</source>
        <translation>Preferiti</translation>
    </message>
    <message>
        <source>Photos &amp;
Videos</source>
        <translation>Foto e
video</translation>
    </message>
    <message>
        <source>Voice Memo</source>
        <translation>Memo vocali</translation>
    </message>
    <message>
        <source>WeChat</source>
        <translation>WeChat</translation>
    </message>
    <message>
        <source>Safari Cookie</source>
        <translation>Cookie di Safari</translation>
    </message>
    <message>
        <source>Safari Cache</source>
        <translation>Cache di Safari</translation>
    </message>
    <message>
        <source>Message 
Attachment</source>
        <translation>Allegati 
dei messaggi</translation>
    </message>
    <message>
        <source>Note 
Attachment</source>
        <translation>Allegati 
delle note</translation>
    </message>
    <message>
        <source>WhatsApp</source>
        <translation>WhatsApp</translation>
    </message>
    <message>
        <source>WhatsApp
Attachments</source>
        <translation>Allegati
WhatsApp</translation>
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
        <translation>Allegati 
Kik</translation>
    </message>
</context>
<context>
    <name>OvStyleCheckBoxSubImageWidget</name>
    <message>
        <source>Select</source>
        <translation>Seleziona</translation>
    </message>
</context>
<context>
    <name>OvStyleProgressBar</name>
    <message>
        <source>Progress</source>
        <translation>Avanzamento</translation>
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
        <translation>Scansione del dispositivo in corso. Non usare il dispositivo per evitare problemi.</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Interrompi</translation>
    </message>
    <message>
        <source>If you stop scanning, some data won&apos;t be detected. Are you sure you want to stop?</source>
        <translation>Se interrompi la scansione, alcuni dati non verranno rilevati. Vuoi davvero interromperla?</translation>
    </message>
</context>
<context>
    <name>OvStyleTabelWidgetCheckBox</name>
    <message>
        <source>Select</source>
        <translation>Seleziona</translation>
    </message>
</context>
<context>
    <name>OvStyleWidgetTitle</name>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>OvWechatView</name>
    <message>
        <source>Unknown</source>
        <translation>Sconosciuto</translation>
    </message>
    <message>
        <source>WeChat</source>
        <translation>WeChat</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
</context>
<context>
    <name>OvWhatsappView</name>
    <message>
        <source>Unknown</source>
        <translation>Sconosciuto</translation>
    </message>
    <message>
        <source>WhatsApp Attachments</source>
        <translation>Allegati WhatsApp</translation>
    </message>
    <message>
        <source>WhatsApp</source>
        <translation>WhatsApp</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Dimensione</translation>
    </message>
</context>
<context>
    <name>PhotoView</name>
    <message>
        <source>Select All</source>
        <translation>Seleziona tutto</translation>
    </message>
    <message>
        <source>Photos &amp; Videos</source>
        <translation>Foto e video</translation>
    </message>
    <message>
        <source>Unknown date</source>
        <translation>Data sconosciuta</translation>
    </message>
    <message>
        <source>Show day</source>
        <translation>Mostra giorno</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Tutti</translation>
    </message>
    <message>
        <source>%1 items</source>
        <translation>%1 elementi</translation>
    </message>
</context>
<context>
    <name>RoundWidget</name>
    <message>
        <source>Used space</source>
        <translation>Spazio usato</translation>
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
        <translation>Cache di Safari</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Seleziona tutto</translation>
    </message>
</context>
<context>
    <name>SafariCacheModel</name>
    <message>
        <source>Other</source>
        <translation>Altro</translation>
    </message>
    <message>
        <source>%1 B</source>
        <translation>%1 B</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Elemento</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Numero</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Dimensione</translation>
    </message>
</context>
<context>
    <name>SafariCookie</name>
    <message>
        <source>Safari Cookie</source>
        <translation>Cookie di Safari</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Created</source>
        <translation>Creazione</translation>
    </message>
    <message>
        <source>Expired</source>
        <translation>Scadenza</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Dimensione</translation>
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
        <translation>Cronologia di Safari</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titolo</translation>
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
        <translation>Livello di sicurezza</translation>
    </message>
    <message>
        <source>Low Level (Quick Erasure)</source>
        <translation>Livello basso (cancellazione rapida)</translation>
    </message>
    <message>
        <source>The fastest channel to permanently delete your data, it&apos;s twice faster than the others. It will destroy your data to make sure that the files are not recoverable.</source>
        <translation>Il modo più rapido per eliminare per sempre i dati: due volte più veloce degli altri. Distrugge i dati in modo che i file non siano recuperabili.</translation>
    </message>
    <message>
        <source>Medium Level (1 Time, Recommended)</source>
        <translation>Livello medio (1 passaggio, consigliato)</translation>
    </message>
    <message>
        <source>Velmora Dravo Pro will totally overwrite your private data to make sure that the files are 100% unrecoverable.</source>
        <translation>Velmora Dravo Pro sovrascrive completamente i tuoi dati privati, così i file sono irrecuperabili al 100%.</translation>
    </message>
    <message>
        <source>High Level (2 Times)</source>
        <translation>Livello alto (2 passaggi)</translation>
    </message>
    <message>
        <source>This option is highly recommended if you saved any private files (e.g. bank records, passwords, financial data, etc.) on your device. The applied security standard is according to the U.S. DoD 5220.22-M.</source>
        <translation>Opzione vivamente consigliata se sul dispositivo hai salvato file privati (ad es. dati bancari, password, dati finanziari). Lo standard di sicurezza applicato è conforme al DoD 5220.22-M degli Stati Uniti.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Alto</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Basso</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Medio</translation>
    </message>
</context>
<context>
    <name>ScanAnalyzeView</name>
    <message>
        <source>Analysis progress</source>
        <translation>Avanzamento dell&apos;analisi</translation>
    </message>
    <message>
        <source>Loading data, please wait...</source>
        <translation>Caricamento dei dati in corso, attendi...</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Interrompi</translation>
    </message>
    <message>
        <source>It failed to analyze your device. Please set up your iDevice first. Make sure you can access the Home screen and try it again. (error code: %1)</source>
        <translation>Analisi del dispositivo non riuscita. Configura prima il tuo iDevice, assicurati di poter accedere alla schermata Home e riprova. (codice di errore: %1)</translation>
    </message>
    <message>
        <source>Your PC doesn&apos;t have enough storage for data processing. Please free up space in the disk which has the most available space and try it again. (error code: %1)</source>
        <translation>Sul PC non c&apos;è spazio sufficiente per elaborare i dati. Libera spazio sul disco con più spazio disponibile e riprova. (codice di errore: %1)</translation>
    </message>
    <message>
        <source>Please unlock your device and tap &quot;Trust&quot; from the pop-up alert on your device before you continue. (error code: %1)</source>
        <translation>Prima di continuare, sblocca il dispositivo e tocca &quot;Autorizza&quot; nell&apos;avviso che compare sul dispositivo. (codice di errore: %1)</translation>
    </message>
    <message>
        <source>Your iDevice storage is almost full. Please free up your iPhone space and try it again. (error code: %1)</source>
        <translation>Lo spazio del tuo iDevice è quasi esaurito. Libera spazio sull&apos;iPhone e riprova. (codice di errore: %1)</translation>
    </message>
    <message>
        <source>There may be unknown error with your iTunes. Please uninstall and reinstall iTunes to fix. Make sure you have the latest version of iTunes and try it again. (error code: %1)</source>
        <translation>Potrebbe esserci un errore sconosciuto in iTunes. Disinstalla e reinstalla iTunes per risolverlo. Assicurati di avere l&apos;ultima versione di iTunes e riprova. (codice di errore: %1)</translation>
    </message>
    <message>
        <source>Data Analysis Failed</source>
        <translation>Analisi dei dati non riuscita</translation>
    </message>
    <message>
        <source>If you stop analyzing, no data will be scanned. Are you sure to stop?</source>
        <translation>Se interrompi l&apos;analisi, non verrà trovato alcun dato. Vuoi davvero interromperla?</translation>
    </message>
    <message>
        <source>Cancelling, please wait a moment ...</source>
        <translation>Annullamento in corso, attendi qualche istante...</translation>
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
        <translation>Interrompi</translation>
    </message>
    <message>
        <source>Exporting photos </source>
        <translation>Esportazione foto </translation>
    </message>
    <message>
        <source>You are saving </source>
        <translation>Stai risparmiando </translation>
    </message>
    <message>
        <source>Clearing junk files. Please wait. </source>
        <translation>Pulizia dei file inutili in corso. Attendi. </translation>
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
        <translation>In attesa</translation>
    </message>
</context>
<context>
    <name>VoiceMemos</name>
    <message>
        <source>Voice Memo</source>
        <translation>Memo vocali</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Seleziona tutto</translation>
    </message>
    <message>
        <source>Check All</source>
        <translation>Seleziona tutto</translation>
    </message>
    <message>
        <source>Uncheck All</source>
        <translation>Deseleziona tutto</translation>
    </message>
</context>
<context>
    <name>WeChatContentShow</name>
    <message>
        <source>[Picture]</source>
        <translation>[Immagine]</translation>
    </message>
    <message>
        <source>[Voice]</source>
        <translation>[Messaggio vocale]</translation>
    </message>
    <message>
        <source>[Video]</source>
        <translation>[Video]</translation>
    </message>
    <message>
        <source>[Voice call]</source>
        <translation>[Chiamata vocale]</translation>
    </message>
    <message>
        <source>[Red packet]</source>
        <translation>[Busta rossa]</translation>
    </message>
    <message>
        <source>[Location]</source>
        <translation>[Posizione]</translation>
    </message>
    <message>
        <source>[Business card]</source>
        <translation>[Biglietto da visita]</translation>
    </message>
</context>
</TS>
