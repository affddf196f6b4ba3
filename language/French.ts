<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en">
<context>
    <name>AppManagerSubWidget</name>
    <message>
        <source>Select</source>
        <translation>Sélectionner</translation>
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
        <translation>Version</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Removing</source>
        <translation>Suppression…</translation>
    </message>
    <message>
        <source>Removed</source>
        <translation>Supprimée</translation>
    </message>
    <message>
        <source>Apps</source>
        <translation>Apps</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Tout sélectionner</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Remove the selected apps?</source>
        <translation>Supprimer les apps sélectionnées ?</translation>
    </message>
    <message>
        <source>Byte</source>
        <translation>octets</translation>
    </message>
    <message>
        <source>KB</source>
        <translation>Ko</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>Mo</translation>
    </message>
    <message>
        <source>GB</source>
        <translation>Go</translation>
    </message>
</context>
<context>
    <name>AppShowWidget</name>
    <message>
        <source>Select</source>
        <translation>Sélectionner</translation>
    </message>
</context>
<context>
    <name>BookMarkView</name>
    <message>
        <source>Bookmark</source>
        <translation>Signets</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
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
        <translation>Mot de passe de la sauvegarde</translation>
    </message>
    <message>
        <source>Your iTunes backup had been password-encrypted. Please enter your password here to decrypt it. </source>
        <translation>Votre sauvegarde iTunes est chiffrée par un mot de passe. Saisissez-le ici pour la déchiffrer. </translation>
    </message>
    <message>
        <source>  Password</source>
        <translation>  Mot de passe</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Password can not be empty!</source>
        <translation>Le mot de passe ne peut pas être vide !</translation>
    </message>
</context>
<context>
    <name>CEraseDataWid</name>
    <message>
        <source>Message</source>
        <translation>Messages</translation>
    </message>
    <message>
        <source>Call History</source>
        <translation>Historique des appels</translation>
    </message>
    <message>
        <source>Safari Cookie</source>
        <translation>Cookies Safari</translation>
    </message>
    <message>
        <source>Safari Cache</source>
        <translation>Cache Safari</translation>
    </message>
    <message>
        <source>Safari History</source>
        <translation>Historique Safari</translation>
    </message>
    <message>
        <source>Photo &amp; Videos</source>
        <translation>Photos et vidéos</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>Message Attachment</source>
        <translation>Pièce jointe de message</translation>
    </message>
    <message>
        <source>Note Attachment</source>
        <translation>Pièce jointe de note</translation>
    </message>
    <message>
        <source>WhatsApp</source>
        <translation>WhatsApp</translation>
    </message>
    <message>
        <source>WhatsApp Attachments</source>
        <translation>Pièces jointes WhatsApp</translation>
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
        <translation>Pièce jointe Kik</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Contacts</translation>
    </message>
    <message>
        <source>Calendar , Reminder</source>
        <translation>Calendrier, Rappels</translation>
    </message>
    <message>
        <source>Bookmark</source>
        <translation>Signets</translation>
    </message>
    <message>
        <source>Voice Memo</source>
        <translation>Mémos vocaux</translation>
    </message>
    <message>
        <source>Warning:To avoid damage to thie device,please don&apos;t disconnect the device while erasing. </source>
        <translation>Avertissement : ne déconnectez pas l&apos;appareil pendant l&apos;effacement afin de ne pas l&apos;endommager. </translation>
    </message>
    <message>
        <source>The erase deleted data:</source>
        <translation>Données supprimées effacées :</translation>
    </message>
    <message>
        <source>The App fragment erased:</source>
        <translation>Fragments d&apos;apps effacés :</translation>
    </message>
    <message>
        <source>The erase private data:</source>
        <translation>Données privées effacées :</translation>
    </message>
</context>
<context>
    <name>CacheCleanProcessView</name>
    <message>
        <source>Clearing temporary files. Please do not use the device to avoid any problems.</source>
        <translation>Nettoyage des fichiers temporaires. N&apos;utilisez pas l&apos;appareil pour éviter tout problème.</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>About %1 Minute(s)</source>
        <translation>Environ %1 minute(s)</translation>
    </message>
    <message>
        <source>If you stop clearing, some data won&apos;t be deleted. Are you sure you want to stop?</source>
        <translation>Si vous arrêtez le nettoyage, certaines données ne seront pas supprimées. Voulez-vous vraiment arrêter ?</translation>
    </message>
</context>
<context>
    <name>CallLogView</name>
    <message>
        <source>Call History</source>
        <translation>Historique des appels</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Phone Number</source>
        <translation>Numéro de téléphone</translation>
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
        <translation>Heure</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>inconnu</translation>
    </message>
    <message>
        <source>incoming</source>
        <translation>entrant</translation>
    </message>
    <message>
        <source>outgoing</source>
        <translation>sortant</translation>
    </message>
    <message>
        <source>outgoing facetime</source>
        <translation>FaceTime sortant</translation>
    </message>
    <message>
        <source>imcoming facetime missed</source>
        <translation>FaceTime entrant manqué</translation>
    </message>
    <message>
        <source>imcoming missed</source>
        <translation>entrant manqué</translation>
    </message>
</context>
<context>
    <name>CallendarView</name>
    <message>
        <source>Calendar</source>
        <translation>Calendrier</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Lieu</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>Ends</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Title: </source>
        <translation>Titre : </translation>
    </message>
    <message>
        <source>Note: </source>
        <translation>Note : </translation>
    </message>
</context>
<context>
    <name>ChatPane</name>
    <message>
        <source>No messages</source>
        <translation>Aucun message</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>À :</translation>
    </message>
</context>
<context>
    <name>CommonImgCtrl</name>
    <message>
        <source>Select</source>
        <translation>Sélectionner</translation>
    </message>
</context>
<context>
    <name>CompleteEraseView</name>
    <message>
        <source>Device</source>
        <translation>Appareil</translation>
    </message>
    <message>
        <source>Start unrecoverable erasing   </source>
        <translation>Lancer l&apos;effacement irréversible   </translation>
    </message>
    <message>
        <source>1. You may get the notice &amp;quot;Storage Almost Full&amp;quot; prompt on the device. Please don&apos;t worry, tap &amp;quot;Done&amp;quot; to continue.</source>
        <translation>1. Le message &amp;quot;Stockage presque saturé&amp;quot; peut s&apos;afficher sur l&apos;appareil. Pas d&apos;inquiétude : touchez &amp;quot;OK&amp;quot; pour continuer.</translation>
    </message>
    <message>
        <source>2. Please don&apos;t disconnect the device.</source>
        <translation>2. Ne déconnectez pas l&apos;appareil.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progression</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>0 %</source>
        <translation>0&#xa0;%</translation>
    </message>
    <message>
        <source>Sorry, Fill failed!(error code: %1)</source>
        <translation>Désolé, le remplissage a échoué. (code d&apos;erreur : %1)</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>It may damage your data or device if you stop the unrecoverable erasing process. Are you sure you want to stop now?</source>
        <translation>Interrompre l&apos;effacement irréversible risque d&apos;endommager vos données ou votre appareil. Voulez-vous vraiment arrêter maintenant ?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
</context>
<context>
    <name>ContactView</name>
    <message>
        <source>Unknown</source>
        <translation>Inconnu</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Contacts</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>Société</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Téléphone</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>unknow</source>
        <translation>inconnu</translation>
    </message>
    <message>
        <source>Phone : </source>
        <translation>Téléphone : </translation>
    </message>
    <message>
        <source>Email : </source>
        <translation>E-mail : </translation>
    </message>
</context>
<context>
    <name>DevConnectNullView</name>
    <message>
        <source>Please Connect Your iOS Device to PC</source>
        <translation>Connectez votre appareil iOS au PC</translation>
    </message>
    <message>
        <source>Is your iDevice not being recognized?</source>
        <translation>Votre appareil iOS n&apos;est pas reconnu ?</translation>
    </message>
</context>
<context>
    <name>DevConnectView</name>
    <message>
        <source>Connecting the device, please wait for a moment...</source>
        <translation>Connexion à l&apos;appareil, veuillez patienter...</translation>
    </message>
</context>
<context>
    <name>DeviceConnectNullTipDialog</name>
    <message>
        <source>Your device is connected but unrecognized? Please try the following methods:</source>
        <translation>Votre appareil est connecté mais pas reconnu ? Essayez les solutions suivantes :</translation>
    </message>
    <message>
        <source>Resolve Connection Issues&gt;&gt;</source>
        <translation>Résoudre les problèmes de connexion&gt;&gt;</translation>
    </message>
    <message>
        <source>More Methods</source>
        <translation>Autres solutions</translation>
    </message>
    <message>
        <source>If your device boots up and is plugged via USB in PC</source>
        <translation>Si votre appareil est allumé et branché au PC en USB</translation>
    </message>
    <message>
        <source>1. Ensure the latest version of iTunes is installed. Check if iTunes could recognize your device. Try to uninstall and reinstall iTunes. </source>
        <translation>1. Vérifiez que la dernière version d&apos;iTunes est installée et qu&apos;iTunes reconnaît votre appareil. Essayez de désinstaller puis de réinstaller iTunes. </translation>
    </message>
    <message>
        <source>2. Unplug and re-plug in the device. Reboot the device and plug in again.</source>
        <translation>2. Débranchez puis rebranchez l&apos;appareil. Redémarrez l&apos;appareil et rebranchez-le.</translation>
    </message>
    <message>
        <source>3. Use the USB cable that comes with your iDevice.  Try to use a USB port on the back of your computer.</source>
        <translation>3. Utilisez le câble USB fourni avec l&apos;appareil. Essayez un port USB à l&apos;arrière de l&apos;ordinateur.</translation>
    </message>
</context>
<context>
    <name>DeviceInfoWidget</name>
    <message>
        <source>%1: %2 free of %3</source>
        <translation>%1 : %2 libres sur %3</translation>
    </message>
    <message>
        <source>%1GB</source>
        <comment>gigabytes</comment>
        <translation>%1 Go</translation>
    </message>
    <message>
        <source>Total %1</source>
        <comment>space</comment>
        <translation>Total : %1</translation>
    </message>
    <message>
        <source>Free %1</source>
        <comment>space</comment>
        <translation>Libre : %1</translation>
    </message>
    <message>
        <source>Used %1</source>
        <comment>space</comment>
        <translation>Utilisé : %1</translation>
    </message>
</context>
<context>
    <name>DeviceRestartView</name>
    <message>
        <source>Device</source>
        <translation>Appareil</translation>
    </message>
    <message>
        <source>Analying data,please wait...</source>
        <translation>Analyse des données, veuillez patienter...</translation>
    </message>
    <message>
        <source>Erasing data, please wait...</source>
        <translation>Effacement des données, veuillez patienter...</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progression</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Nothing was selected, so nothing was erased.</source>
        <translation>Rien n&apos;a été sélectionné : rien n&apos;a donc été effacé.</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>Attention</translation>
    </message>
    <message>
        <source>Restarting device,please wait...</source>
        <translation>Redémarrage de l&apos;appareil, veuillez patienter...</translation>
    </message>
    <message>
        <source>Your iDevice doesn&apos;t have enough storage to process data. Please free up your device space and try it again. (error code: %1)</source>
        <translation>Votre iDevice ne dispose pas d&apos;assez d&apos;espace de stockage pour traiter les données. Libérez de l&apos;espace sur votre appareil et réessayez. (code d&apos;erreur : %1)</translation>
    </message>
    <message>
        <source>There may be unknown error with your iTunes. Please uninstall and reinstall iTunes to fix. Make sure you have the latest version of iTunes and try it again. (error code: %1)</source>
        <translation>iTunes a peut-être rencontré une erreur inconnue. Désinstallez puis réinstallez iTunes pour la corriger. Vérifiez que vous disposez de la dernière version d&apos;iTunes et réessayez. (code d&apos;erreur : %1)</translation>
    </message>
    <message>
        <source>Data Erasing Failed</source>
        <translation>Échec de l&apos;effacement des données</translation>
    </message>
    <message>
        <source>Restarting device, please wait...</source>
        <translation>Redémarrage de l&apos;appareil, veuillez patienter...</translation>
    </message>
    <message>
        <source>It may damage your data or device if you stop restarting. Are you sure you want to stop now?</source>
        <translation>Interrompre le redémarrage risque d&apos;endommager vos données ou votre appareil. Voulez-vous vraiment arrêter maintenant ?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>Cancelling, please wait a moment ...</source>
        <translation>Annulation en cours, veuillez patienter...</translation>
    </message>
    <message>
        <source>Connection timeout! Please simply disconnect your iDevice and reconnect it. Kindly wait for it to continue.</source>
        <translation>Délai de connexion dépassé ! Déconnectez votre iDevice, puis reconnectez-le. Patientez ensuite jusqu&apos;à la reprise de l&apos;opération.</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>EraseAllDataFailureView</name>
    <message>
        <source>Data Deletion</source>
        <translation>Suppression des données</translation>
    </message>
    <message>
        <source>             Erase private data and system settings</source>
        <translation>             Effacer les données privées et les réglages système</translation>
    </message>
    <message>
        <source>Data Erasure</source>
        <translation>Effacement des données</translation>
    </message>
    <message>
        <source>             Fill the empty space on the device</source>
        <translation>             Remplir l&apos;espace libre de l&apos;appareil</translation>
    </message>
    <message>
        <source>        Failed to erase some of the data: </source>
        <translation>        Impossible d&apos;effacer une partie des données : </translation>
    </message>
    <message>
        <source>Why failed?</source>
        <translation>Pourquoi cet échec ?</translation>
    </message>
    <message>
        <source>   Home</source>
        <translation>   Accueil</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Accueil</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Échec</translation>
    </message>
    <message>
        <source>Operation stopped by user</source>
        <translation>Opération arrêtée par l&apos;utilisateur</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Arrêté</translation>
    </message>
    <message>
        <source>Not started</source>
        <translation>Non démarré</translation>
    </message>
    <message>
        <source>Operation error</source>
        <translation>Erreur d&apos;opération</translation>
    </message>
    <message>
        <source>Not chosen</source>
        <translation>Non sélectionné</translation>
    </message>
</context>
<context>
    <name>EraseAllDataFinishedView</name>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Share it with your friends:</source>
        <translation>Partagez avec vos amis :</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Partager</translation>
    </message>
    <message>
        <source>Share on Facebook</source>
        <translation>Partager sur Facebook</translation>
    </message>
    <message>
        <source>Share on Twitter</source>
        <translation>Partager sur Twitter</translation>
    </message>
    <message>
        <source>Share on Google</source>
        <translation>Partager sur Google</translation>
    </message>
    <message>
        <source>All the data has been erased.</source>
        <translation>Toutes les données ont été effacées.</translation>
    </message>
</context>
<context>
    <name>EraseAllDataProcessView</name>
    <message>
        <source>Erase progress</source>
        <translation>Progression de l&apos;effacement</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Scanning, please wait...</source>
        <translation>Analyse en cours, veuillez patienter...</translation>
    </message>
    <message>
        <source>Restarting device, please wait...</source>
        <translation>Redémarrage de l&apos;appareil, veuillez patienter...</translation>
    </message>
    <message>
        <source>Erasing, please wait...</source>
        <translation>Effacement en cours, veuillez patienter...</translation>
    </message>
    <message>
        <source>It may damage your data or device, if you stop. Are you sure you want to stop now?</source>
        <translation>Arrêter maintenant risque d&apos;endommager vos données ou votre appareil. Voulez-vous vraiment arrêter ?</translation>
    </message>
    <message>
        <source>It may damage your data or device if you stop restarting. Are you sure you want to stop now?</source>
        <translation>Interrompre le redémarrage risque d&apos;endommager vos données ou votre appareil. Voulez-vous vraiment arrêter maintenant ?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>Cancelling, please wait a moment ...</source>
        <translation>Annulation en cours, veuillez patienter...</translation>
    </message>
</context>
<context>
    <name>EraseAllDataView</name>
    <message>
        <source>Erase All Data</source>
        <translation>Effacer toutes les données</translation>
    </message>
    <message>
        <source>1. Please close all background apps, such as Music, Navigation, etc.</source>
        <translation>1. Fermez toutes les apps ouvertes en arrière-plan (Musique, navigation, etc.).</translation>
    </message>
    <message>
        <source>2. If there are any apps updating on the device, please wait for them to complete.</source>
        <translation>2. Si des apps sont en cours de mise à jour sur l&apos;appareil, attendez la fin de leur mise à jour.</translation>
    </message>
    <message>
        <source>3. Please make sure you have backed up any needed data.</source>
        <translation>3. Vérifiez que vous avez sauvegardé toutes les données dont vous avez besoin.</translation>
    </message>
    <message>
        <source>Security Level:</source>
        <translation>Niveau de sécurité :</translation>
    </message>
    <message>
        <source>Please type</source>
        <translation>Saisissez</translation>
    </message>
    <message>
        <source>&apos;delete&apos;</source>
        <translation>« supprimer »</translation>
    </message>
    <message>
        <source>to confirm.</source>
        <translation>pour confirmer.</translation>
    </message>
    <message>
        <source>     Home</source>
        <translation>     Accueil</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Accueil</translation>
    </message>
    <message>
        <source>Erase Now</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>delete</source>
        <translation>supprimer</translation>
    </message>
    <message>
        <source>Sorry, the input is not correct. Please type &quot;delete&quot; again.</source>
        <translation>Saisie incorrecte. Saisissez de nouveau « supprimer ».</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>Attention</translation>
    </message>
    <message>
        <source>This will completely erase all data of your device. Are you sure you want to continue?</source>
        <translation>Toutes les données de votre appareil vont être entièrement effacées. Voulez-vous vraiment continuer ?</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>The device is not connected. Please connect it and try again.</source>
        <translation>L&apos;appareil n&apos;est pas connecté. Connectez-le et réessayez.</translation>
    </message>
</context>
<context>
    <name>EraseDataView</name>
    <message>
        <source>Erasing data...</source>
        <translation>Effacement des données...</translation>
    </message>
    <message>
        <source>Erase progress</source>
        <translation>Progression de l&apos;effacement</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>It may damage your data or device if you stop erasing. Are you sure you want to stop now?</source>
        <translation>Interrompre l&apos;effacement risque d&apos;endommager vos données ou votre appareil. Voulez-vous vraiment arrêter maintenant ?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
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
        <translation>Nom</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Inconnu</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Message Attachment</source>
        <translation>Pièce jointe de message</translation>
    </message>
    <message>
        <source>Note Attachment</source>
        <translation>Pièce jointe de note</translation>
    </message>
    <message>
        <source>Kik Attachment</source>
        <translation>Pièce jointe Kik</translation>
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
        <translation>Effacer les fichiers supprimés</translation>
    </message>
    <message>
        <source>1. Please close all background apps, such as Music, Navigation, etc.</source>
        <translation>1. Fermez toutes les apps ouvertes en arrière-plan (Musique, navigation, etc.).</translation>
    </message>
    <message>
        <source>2. If there are any apps updating on the device, please wait for them to complete.</source>
        <translation>2. Si des apps sont en cours de mise à jour sur l&apos;appareil, attendez la fin de leur mise à jour.</translation>
    </message>
    <message>
        <source>3. Please make sure you have backed up any needed data.</source>
        <translation>3. Vérifiez que vous avez sauvegardé toutes les données dont vous avez besoin.</translation>
    </message>
    <message>
        <source>Security Level:</source>
        <translation>Niveau de sécurité :</translation>
    </message>
    <message>
        <source>Please type</source>
        <translation>Saisissez</translation>
    </message>
    <message>
        <source>&apos;delete&apos;</source>
        <translation>« supprimer »</translation>
    </message>
    <message>
        <source>to confirm.</source>
        <translation>pour confirmer.</translation>
    </message>
    <message>
        <source>Type &apos;delete&apos; to confirm</source>
        <translation>Saisissez « supprimer » pour confirmer</translation>
    </message>
    <message>
        <source>      Back</source>
        <translation>      Retour</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Erase Now</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Security Level: %1</source>
        <translation>Niveau de sécurité : %1</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>delete</source>
        <translation>supprimer</translation>
    </message>
    <message>
        <source>Sorry, the input is not correct. Please type &quot;delete&quot; again.</source>
        <translation>Saisie incorrecte. Saisissez de nouveau « supprimer ».</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>Attention</translation>
    </message>
    <message>
        <source>Error index when posting task:%1</source>
        <translation>Index erroné lors de l&apos;envoi de la tâche : %1</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>messages of conversations that still exist</source>
        <translation>messages des conversations encore existantes</translation>
    </message>
    <message>
        <source>contacts</source>
        <translation>contacts</translation>
    </message>
    <message>
        <source>calendar events and reminders</source>
        <translation>événements de calendrier et rappels</translation>
    </message>
    <message>
        <source>bookmarks</source>
        <translation>signets</translation>
    </message>
    <message>
        <source>voice memos</source>
        <translation>mémos vocaux</translation>
    </message>
    <message>
        <source>Deleted %1 can only be erased all at once. Please tick all of them or none, then try again.</source>
        <translation>Les données supprimées suivantes ne peuvent être effacées qu&apos;en une seule fois : %1. Cochez-les toutes ou aucune, puis réessayez.</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>Nothing is ticked in the checked categories, so there is nothing to erase. Please go back and tick what you want to erase.</source>
        <translation>Rien n&apos;est coché dans les catégories choisies : il n&apos;y a donc rien à effacer. Revenez en arrière et cochez ce que vous voulez effacer.</translation>
    </message>
    <message>
        <source>It will need about %1 minutes to erase data. If you stop when erasing, it may damage your device.  Are you sure to continue?</source>
        <translation>L&apos;effacement des données prendra environ %1 minutes. Si vous l&apos;interrompez en cours de route, votre appareil risque d&apos;être endommagé. Voulez-vous vraiment continuer ?</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuer</translation>
    </message>
    <message>
        <source>The device is not connected. Nothing was erased.</source>
        <translation>L&apos;appareil n&apos;est pas connecté. Rien n&apos;a été effacé.</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>Avertissement</translation>
    </message>
</context>
<context>
    <name>EraseScanModel</name>
    <message>
        <source>Scan</source>
        <translation>Analyser</translation>
    </message>
</context>
<context>
    <name>EraseTabPage</name>
    <message>
        <source>Please set up and activate your device first before you use any other function.</source>
        <translation>Configurez et activez d&apos;abord votre appareil avant d&apos;utiliser une autre fonction.</translation>
    </message>
    <message>
        <source>note</source>
        <translation>Remarque</translation>
    </message>
    <message>
        <source>your device has not been activated,please set your device!</source>
        <translation>Votre appareil n&apos;est pas activé. Configurez-le !</translation>
    </message>
    <message>
        <source>Password is not correct!</source>
        <translation>Mot de passe incorrect !</translation>
    </message>
</context>
<context>
    <name>EraseTableView</name>
    <message>
        <source>Select all</source>
        <translation>Tout sélectionner</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Détails</translation>
    </message>
</context>
<context>
    <name>EraseTipDialog</name>
    <message>
        <source>Notice</source>
        <translation>Remarque</translation>
    </message>
    <message>
        <source>Your backup files had been password-encrypted. Please remove your encryption from iTunes and try it again.</source>
        <translation>Vos fichiers de sauvegarde sont chiffrés par un mot de passe. Désactivez le chiffrement dans iTunes et réessayez.</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Please disable &quot;Find My iPhone&quot; on your device before you continue.</source>
        <translation>Désactivez « Localiser mon iPhone » sur votre appareil avant de continuer.</translation>
    </message>
    <message>
        <source>You must enter your password to unlock your device before continuing with Velmora Dravo Pro.</source>
        <translation>Saisissez votre code pour déverrouiller l&apos;appareil avant de continuer avec Velmora Dravo Pro.</translation>
    </message>
    <message>
        <source>How to remove your backup encryption?</source>
        <translation>Comment désactiver le chiffrement de la sauvegarde ?</translation>
    </message>
    <message>
        <source>How do I turn off &quot;Find My iPhone&quot;?</source>
        <translation>Comment désactiver « Localiser mon iPhone » ?</translation>
    </message>
    <message>
        <source>This popup still appears even when &quot;Find My iPhone&quot; has been disabled?</source>
        <translation>Ce message s&apos;affiche encore alors que « Localiser mon iPhone » est désactivé ?</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Réessayer</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuer</translation>
    </message>
</context>
<context>
    <name>ErasingReturnView</name>
    <message>
        <source>Stopped by user</source>
        <translation>Arrêté par l&apos;utilisateur</translation>
    </message>
    <message>
        <source>Data Deletion</source>
        <translation>Suppression des données</translation>
    </message>
    <message>
        <source>Data Erasure</source>
        <translation>Effacement des données</translation>
    </message>
    <message>
        <source>             Fill the empty space on the device</source>
        <translation>             Remplir l&apos;espace libre de l&apos;appareil</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Arrêté</translation>
    </message>
    <message>
        <source>      Home</source>
        <translation>      Accueil</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Accueil</translation>
    </message>
    <message>
        <source>             Erase the fragments the chosen apps left behind</source>
        <translation>             Effacer les fragments laissés par les apps choisies</translation>
    </message>
    <message>
        <source>             Erase the selected files</source>
        <translation>             Effacer les fichiers sélectionnés</translation>
    </message>
    <message>
        <source>             Erase private data and system settings</source>
        <translation>             Effacer les données privées et les réglages système</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Terminé</translation>
    </message>
</context>
<context>
    <name>FanShapedWidget</name>
    <message>
        <source>Chart</source>
        <translation>Graphique</translation>
    </message>
</context>
<context>
    <name>FillDataProcessView</name>
    <message>
        <source>Overwriting all personal data</source>
        <translation>Écrasement de toutes les données personnelles</translation>
    </message>
    <message>
        <source>1. You may see a &quot;Storage Almost Full&quot; prompt on the device. Please don&apos;t worry, tap Ǎone” to continue.</source>
        <translation>1. Le message « Stockage presque saturé » peut s&apos;afficher sur l&apos;appareil. Pas d&apos;inquiétude : touchez « OK » pour continuer.</translation>
    </message>
    <message>
        <source>2. Please don’t disconnect the device.</source>
        <translation>2. Ne déconnectez pas l&apos;appareil.</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Estimated time: 60 minutes</source>
        <translation>Temps estimé : 60 minutes</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Estimated time: 1 minutes</source>
        <translation>Temps estimé : 1 minute</translation>
    </message>
    <message>
        <source>Estimated time: %1 minutes</source>
        <translation>Temps estimé : %1 minutes</translation>
    </message>
    <message>
        <source>It may damage your data or device if you stop the unrecoverable erasing process. Are you sure you want to stop now?</source>
        <translation>Interrompre l&apos;effacement irréversible risque d&apos;endommager vos données ou votre appareil. Voulez-vous vraiment arrêter maintenant ?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
</context>
<context>
    <name>ImageCompressionFinshed</name>
    <message>
        <source>Congratulations! Compressed successfully.</source>
        <translation>Félicitations ! Compression réussie.</translation>
    </message>
    <message>
        <source>Cleanup stopped!</source>
        <translation>Nettoyage arrêté !</translation>
    </message>
    <message>
        <source>Congratulations! Cleanup completed.</source>
        <translation>Félicitations ! Nettoyage terminé.</translation>
    </message>
    <message>
        <source>Open Backup Folder</source>
        <translation>Ouvrir le dossier de sauvegarde</translation>
    </message>
    <message>
        <source>Compress stopped!</source>
        <translation>Compression arrêtée !</translation>
    </message>
    <message>
        <source>Congratulations! Deleted successfully.</source>
        <translation>Félicitations ! Suppression réussie.</translation>
    </message>
    <message>
        <source>Open Export Folder</source>
        <translation>Ouvrir le dossier d&apos;exportation</translation>
    </message>
    <message>
        <source>Congratulations! Exported successfully.</source>
        <translation>Félicitations ! Exportation réussie.</translation>
    </message>
    <message>
        <source>There is no large file to be deleted on your device.</source>
        <translation>Aucun fichier volumineux à supprimer sur votre appareil.</translation>
    </message>
    <message>
        <source>All selected apps have been removed.</source>
        <translation>Toutes les apps sélectionnées ont été supprimées.</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuer</translation>
    </message>
    <message>
        <source>Share it with your friends:</source>
        <translation>Partagez avec vos amis :</translation>
    </message>
    <message>
        <source>Share on Facebook</source>
        <translation>Partager sur Facebook</translation>
    </message>
    <message>
        <source>Share on Twitter</source>
        <translation>Partager sur Twitter</translation>
    </message>
    <message>
        <source>Share on Google</source>
        <translation>Partager sur Google</translation>
    </message>
    <message>
        <source>Crestline</source>
        <translation>Crestline</translation>
    </message>
    <message>
        <source>Byte</source>
        <translation>octets</translation>
    </message>
    <message>
        <source>KB</source>
        <translation>Ko</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>Mo</translation>
    </message>
    <message>
        <source>GB</source>
        <translation>Go</translation>
    </message>
    <message>
        <source>%1 has been released!</source>
        <translation>Vous avez libéré %1 !</translation>
    </message>
    <message>
        <source>%1 has been released.</source>
        <translation>Vous avez libéré %1.</translation>
    </message>
    <message>
        <source>Want to transfer music between iDevice and PC/iTunes, try &lt;a href=&quot;crestline&quot; style=&quot;color:#5695e8;&quot;&gt;Crestline&lt;/a&gt;.</source>
        <translation>Pour transférer de la musique entre votre iDevice et le PC/iTunes, essayez &lt;a href=&quot;crestline&quot; style=&quot;color:#5695e8;&quot;&gt;Crestline&lt;/a&gt;.</translation>
    </message>
</context>
<context>
    <name>ImageCompressionScanReslut</name>
    <message>
        <source>Backup &amp; Compress</source>
        <translation>Sauvegarder et compresser</translation>
    </message>
    <message>
        <source>Export &amp; Delete</source>
        <translation>Exporter et supprimer</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Lossless compression to free up about 75% of your camera’s photo space.</source>
        <translation>Une compression sans perte libère environ 75 % de l&apos;espace occupé par les photos de l&apos;appareil photo.</translation>
    </message>
    <message>
        <source>Export selected photos to PC and delete them from iOS device to save more space.</source>
        <translation>Exportez les photos sélectionnées vers le PC et supprimez-les de l&apos;appareil iOS pour gagner de la place.</translation>
    </message>
    <message>
        <source>Before (26MB)</source>
        <translation>Avant (26 Mo)</translation>
    </message>
    <message>
        <source>After (1.2MB)</source>
        <translation>Après (1,2 Mo)</translation>
    </message>
    <message>
        <source>&lt;font color = &apos;%1&apos;&gt;%2&lt;/font&gt; space can be saved by lossless photo compression.</source>
        <translation>La compression sans perte des photos peut libérer &lt;font color = &apos;%1&apos;&gt;%2&lt;/font&gt;.</translation>
    </message>
    <message>
        <source>Export and deletion of photos can help you save up to &lt;font color = &apos;%1&apos;&gt;%2&lt;/font&gt;</source>
        <translation>Exporter puis supprimer des photos peut vous faire gagner jusqu&apos;à &lt;font color = &apos;%1&apos;&gt;%2&lt;/font&gt;</translation>
    </message>
    <message>
        <source>The last compression saved %1.</source>
        <translation>La dernière compression a libéré %1.</translation>
    </message>
    <message>
        <source>Byte</source>
        <translation>octets</translation>
    </message>
    <message>
        <source>KB</source>
        <translation>Ko</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>Mo</translation>
    </message>
    <message>
        <source>GB</source>
        <translation>Go</translation>
    </message>
</context>
<context>
    <name>ImageExportBrowseView</name>
    <message>
        <source>Select All</source>
        <translation>Tout sélectionner</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Export Only</source>
        <translation>Exporter seulement</translation>
    </message>
    <message>
        <source>Backup &amp; Delete</source>
        <translation>Sauvegarder et supprimer</translation>
    </message>
    <message>
        <source>Select the chosen date</source>
        <translation>Sélectionner la date choisie</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Byte</source>
        <translation>octets</translation>
    </message>
    <message>
        <source>KB</source>
        <translation>Ko</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>Mo</translation>
    </message>
    <message>
        <source>GB</source>
        <translation>Go</translation>
    </message>
    <message>
        <source>Export and deletion of all the photos will save you up to %1</source>
        <translation>Exporter puis supprimer toutes les photos peut vous faire gagner jusqu&apos;à %1</translation>
    </message>
    <message>
        <source>%1 photos selected to save %2</source>
        <translation>%1 photos sélectionnées pour gagner %2</translation>
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
        <translation>octets</translation>
    </message>
    <message>
        <source>KB</source>
        <translation>Ko</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>Mo</translation>
    </message>
    <message>
        <source>GB</source>
        <translation>Go</translation>
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
        <source>Byte</source>
        <translation>octets</translation>
    </message>
    <message>
        <source>KB</source>
        <translation>Ko</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>Mo</translation>
    </message>
    <message>
        <source>GB</source>
        <translation>Go</translation>
    </message>
    <message>
        <source>Crash Logs</source>
        <translation>Journaux de plantage</translation>
    </message>
    <message>
        <source>Clear redundant system usage reports and application crash logs which are generated by iOS.</source>
        <translation>Effacez les rapports d&apos;utilisation système superflus et les journaux de plantage d&apos;apps générés par iOS.</translation>
    </message>
    <message>
        <source>Photo Caches</source>
        <translation>Caches photo</translation>
    </message>
    <message>
        <source>Delete Camera Roll, Photo Stream and Photo Library cache files which are created by third-party apps.</source>
        <translation>Supprimez les fichiers cache de la Pellicule, du Flux de photos et de la Photothèque créés par des apps tierces.</translation>
    </message>
    <message>
        <source>Downloaded Temp Files</source>
        <translation>Téléchargements temporaires</translation>
    </message>
    <message>
        <source>Remove those corrupted files which are produced due to the interruption whilst downloading and still remain in the temp file folder.</source>
        <translation>Supprimez les fichiers endommagés par des téléchargements interrompus qui restent dans le dossier temporaire.</translation>
    </message>
    <message>
        <source>User Storage Files</source>
        <translation>Fichiers du stockage utilisateur</translation>
    </message>
    <message>
        <source>Eliminate the temp files in User Storage Directory which were generated by third-party apps.</source>
        <translation>Éliminez les fichiers temporaires créés par des apps tierces dans le dossier de stockage utilisateur.</translation>
    </message>
    <message>
        <source>iTunes Caches</source>
        <translation>Caches iTunes</translation>
    </message>
    <message>
        <source>Clear up the incomplete files and traces produced when iTunes failed to sync.</source>
        <translation>Effacez les fichiers incomplets et les traces laissés par les synchronisations iTunes échouées.</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Clean</source>
        <translation>Nettoyer</translation>
    </message>
    <message>
        <source>%1 can be released.</source>
        <comment>%1 is a size</comment>
        <translation>Vous pouvez libérer %1.</translation>
    </message>
</context>
<context>
    <name>LanguageSelectView</name>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Please select a language</source>
        <translation>Choisissez une langue</translation>
    </message>
    <message>
        <source>The progam will restart to apply your changes. Please wait.</source>
        <translation>Le programme va redémarrer pour appliquer vos modifications. Veuillez patienter.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>LargeFilesCleanCheckBox</name>
    <message>
        <source>Select</source>
        <translation>Sélectionner</translation>
    </message>
</context>
<context>
    <name>LargeFilesCleanPhotoIcon</name>
    <message>
        <source>Thumbnail</source>
        <translation>Miniature</translation>
    </message>
</context>
<context>
    <name>LargeFilesCleanView</name>
    <message>
        <source>Thumbnail</source>
        <translation>Miniature</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Afficher</translation>
    </message>
    <message>
        <source>File above</source>
        <translation>Fichiers de plus de</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>Mo</translation>
    </message>
    <message>
        <source>Large files</source>
        <translation>Fichiers volumineux</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Tout sélectionner</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Export Only</source>
        <translation>Exporter seulement</translation>
    </message>
    <message>
        <source>Back Up &amp; Delete</source>
        <translation>Sauvegarder et supprimer</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Tous</translation>
    </message>
    <message numerus="yes">
        <source>%n of the checked files are hidden by the filters. Back up and delete them as well?
&quot;Yes&quot; deletes every checked file, &quot;No&quot; only the files shown.</source>
        <translation>
            <numerusform>%n fichier coché est masqué par les filtres. Le sauvegarder et le supprimer aussi ?
« Oui » supprime tous les fichiers cochés, « Non » seulement les fichiers affichés.</numerusform>
            <numerusform>%n des fichiers cochés sont masqués par les filtres. Les sauvegarder et les supprimer aussi ?
« Oui » supprime tous les fichiers cochés, « Non » seulement les fichiers affichés.</numerusform>
        </translation>
    </message>
    <message>
        <source>Byte</source>
        <translation>octets</translation>
    </message>
    <message>
        <source>KB</source>
        <translation>Ko</translation>
    </message>
    <message>
        <source>GB</source>
        <translation>Go</translation>
    </message>
</context>
<context>
    <name>LargeFilesProcessView</name>
    <message>
        <source>Exporting photos, please do not use the device to avoid any abnormity.</source>
        <translation>Exportation des photos. N&apos;utilisez pas l&apos;appareil pour éviter toute anomalie.</translation>
    </message>
    <message>
        <source>Deleting photos, please do not use the device to avoid any abnormity.</source>
        <translation>Suppression des photos. N&apos;utilisez pas l&apos;appareil pour éviter toute anomalie.</translation>
    </message>
    <message>
        <source>Deleting large files, please do not use the device to avoid any abnormity.</source>
        <translation>Suppression des fichiers volumineux. N&apos;utilisez pas l&apos;appareil pour éviter toute anomalie.</translation>
    </message>
    <message>
        <source>Exporting large files, please do not use the device to avoid any abnormity.</source>
        <translation>Exportation des fichiers volumineux. N&apos;utilisez pas l&apos;appareil pour éviter toute anomalie.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progression</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
</context>
<context>
    <name>MainView</name>
    <message>
        <source>Feedback</source>
        <translation>Commentaires</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Outils</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Réduire</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Tutorial</source>
        <translation>Didacticiel</translation>
    </message>
    <message>
        <source>Frequently Asked Questions</source>
        <translation>Questions fréquentes</translation>
    </message>
    <message>
        <source>Write a Product Review</source>
        <translation>Donner un avis</translation>
    </message>
    <message>
        <source>Contact Us</source>
        <translation>Nous contacter</translation>
    </message>
    <message>
        <source>View Facebook Fan Page</source>
        <translation>Page Facebook</translation>
    </message>
    <message>
        <source>Follow Us on Twitter</source>
        <translation>Suivez-nous sur Twitter</translation>
    </message>
    <message>
        <source>Set Security Level</source>
        <translation>Niveau de sécurité</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>Rechercher des mises à jour</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>1-Click
 Free Up Space</source>
        <translation>Libérer de l&apos;espace
 en 1 clic</translation>
    </message>
    <message>
        <source>Erase All Data</source>
        <translation>Effacer toutes les données</translation>
    </message>
    <message>
        <source>Erase Deleted Files</source>
        <translation>Effacer les fichiers supprimés</translation>
    </message>
    <message>
        <source>Erase Private Data</source>
        <translation>Effacer les données privées</translation>
    </message>
    <message>
        <source>Erase Private Fragments</source>
        <translation>Effacer les fragments privés</translation>
    </message>
    <message>
        <source>If you leave, the scanning result won&apos;t be saved. Are you sure you want to leave?</source>
        <translation>Si vous quittez cette page, le résultat de l&apos;analyse ne sera pas enregistré. Voulez-vous vraiment quitter ?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>PostConnectDevTask error!</source>
        <translation>Erreur de PostConnectDevTask !</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>Please unlock the device and trust the connection if needed. Then click Continue.</source>
        <translation>Déverrouillez l&apos;appareil et, si demandé, faites confiance à cet ordinateur. Cliquez ensuite sur Continuer.</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Remarque</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuer</translation>
    </message>
    <message>
        <source>you should trust the device!</source>
        <translation>Vous devez faire confiance à l&apos;appareil !</translation>
    </message>
    <message>
        <source>slotConnToDev return value false!</source>
        <translation>slotConnToDev a renvoyé false !</translation>
    </message>
    <message>
        <source>Don&apos;t start iTunes and sync files when running the program to avoid data overwriting.</source>
        <translation>Ne lancez pas iTunes et ne synchronisez pas de fichiers pendant que le programme fonctionne, pour ne pas écraser de données.</translation>
    </message>
    <message>
        <source>Velmora Dravo Pro</source>
        <translation>Velmora Dravo Pro</translation>
    </message>
    <message>
        <source>Are you sure you want to exit the program?</source>
        <translation>Voulez-vous vraiment quitter le programme ?</translation>
    </message>
</context>
<context>
    <name>MessageView</name>
    <message>
        <source>Unknown</source>
        <translation>Inconnu</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Text Message</source>
        <translation>Message texte</translation>
    </message>
    <message>
        <source>Text Messages</source>
        <translation>Messages texte</translation>
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
        <translation>Titre</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Detail</source>
        <translation>Détail</translation>
    </message>
    <message>
        <source>Time: </source>
        <translation>Heure : </translation>
    </message>
    <message>
        <source>Title: </source>
        <translation>Titre : </translation>
    </message>
    <message>
        <source>Note: </source>
        <translation>Note : </translation>
    </message>
</context>
<context>
    <name>OneKeyCleanResultView</name>
    <message>
        <source>Byte</source>
        <translation>octets</translation>
    </message>
    <message>
        <source>KB</source>
        <translation>Ko</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>Mo</translation>
    </message>
    <message>
        <source>GB</source>
        <translation>Go</translation>
    </message>
    <message>
        <source>Junk Files:</source>
        <translation>Fichiers inutiles :</translation>
    </message>
    <message>
        <source>Temporary Files:</source>
        <translation>Fichiers temporaires :</translation>
    </message>
    <message>
        <source>Too few temporary files on your iPhone to clean.</source>
        <translation>Trop peu de fichiers temporaires sur votre iPhone pour un nettoyage.</translation>
    </message>
    <message>
        <source>Photos:</source>
        <translation>Photos :</translation>
    </message>
    <message>
        <source>Large Files:</source>
        <translation>Fichiers volumineux :</translation>
    </message>
    <message>
        <source>Apps:</source>
        <translation>Apps :</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Rescan</source>
        <translation>Réanalyser</translation>
    </message>
    <message>
        <source>If you go back, the scanning result won&apos;t be saved. Are you sure you want to go back?</source>
        <translation>Si vous revenez en arrière, le résultat de l&apos;analyse ne sera pas enregistré. Voulez-vous vraiment revenir ?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>About %1</source>
        <comment>approximately, %1 is a size</comment>
        <translation>Environ %1</translation>
    </message>
    <message>
        <source>You can save up to %1</source>
        <comment>%1 is a size</comment>
        <translation>Vous pouvez gagner jusqu&apos;à %1</translation>
    </message>
    <message>
        <source>%1 More can be freed up.</source>
        <comment>%1 is a size</comment>
        <translation>Vous pouvez encore libérer %1.</translation>
    </message>
    <message>
        <source>%1 has been released!</source>
        <comment>%1 is a size</comment>
        <translation>Vous avez libéré %1 !</translation>
    </message>
</context>
<context>
    <name>OneKeyCleanView</name>
    <message>
        <source>Byte</source>
        <translation>octets</translation>
    </message>
    <message>
        <source>KB</source>
        <translation>Ko</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>Mo</translation>
    </message>
    <message>
        <source>GB</source>
        <translation>Go</translation>
    </message>
    <message>
        <source>1-Click Free Up Space</source>
        <translation>Libérer de l&apos;espace en 1 clic</translation>
    </message>
    <message>
        <source>Quick Scan</source>
        <translation>Analyse rapide</translation>
    </message>
    <message>
        <source>Or scan one category:</source>
        <translation>Ou analysez une catégorie :</translation>
    </message>
    <message>
        <source>Junk Files</source>
        <translation>Fichiers inutiles</translation>
    </message>
    <message>
        <source>Temp Files</source>
        <translation>Fichiers temporaires</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>Photos</translation>
    </message>
    <message>
        <source>Large Files</source>
        <translation>Fichiers volumineux</translation>
    </message>
    <message>
        <source>Apps</source>
        <translation>Apps</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Jamais</translation>
    </message>
    <message>
        <source>Last use:</source>
        <translation>Dernière utilisation :</translation>
    </message>
    <message>
        <source>Total space released:</source>
        <translation>Espace total libéré :</translation>
    </message>
</context>
<context>
    <name>OneKeyCommon</name>
    <message>
        <source>If you go back, the scanning result won&apos;t be saved. Are you sure you want to go back?</source>
        <translation>Si vous revenez en arrière, le résultat de l&apos;analyse ne sera pas enregistré. Voulez-vous vraiment revenir ?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>The device is not connected. Please connect it and try again.</source>
        <translation>L&apos;appareil n&apos;est pas connecté. Connectez-le et réessayez.</translation>
    </message>
    <message>
        <source>Scan completed! No need for further cleaning.</source>
        <translation>Analyse terminée ! Aucun nettoyage supplémentaire n&apos;est nécessaire.</translation>
    </message>
</context>
<context>
    <name>OneScanResultSubWidget</name>
    <message>
        <source>Byte</source>
        <translation>octets</translation>
    </message>
    <message>
        <source>KB</source>
        <translation>Ko</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>Mo</translation>
    </message>
    <message>
        <source>GB</source>
        <translation>Go</translation>
    </message>
    <message>
        <source>Clean</source>
        <translation>Nettoyer</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
</context>
<context>
    <name>OvAbout</name>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Permanently Erase Your Private Data from iPhone/iPad/iPod!</source>
        <translation>Effacez définitivement vos données privées de l&apos;iPhone/iPad/iPod !</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Copyright © %1 Velmora Software. All rights reserved.</source>
        <translation>Copyright © %1 Velmora Software. Tous droits réservés.</translation>
    </message>
</context>
<context>
    <name>OvEraseAllDataModel</name>
    <message>
        <source>Erase All Data </source>
        <translation>Effacer toutes les données </translation>
    </message>
    <message>
        <source>Erase all data permanently and keep your private data completely gone.</source>
        <translation>Effacez toutes les données définitivement pour que vos données privées disparaissent complètement.</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>All the data has been erased.</source>
        <translation>Toutes les données ont été effacées.</translation>
    </message>
    <message>
        <source>Data Analysis Failed</source>
        <translation>Échec de l&apos;analyse des données</translation>
    </message>
    <message>
        <source>It failed to erasing data for unknown error. Please restart this program and try it again. (error code: %1)</source>
        <translation>L&apos;effacement des données a échoué à cause d&apos;une erreur inconnue. Redémarrez le programme et réessayez. (code d&apos;erreur : %1)</translation>
    </message>
    <message>
        <source>Data Erasing Failed</source>
        <translation>Échec de l&apos;effacement des données</translation>
    </message>
</context>
<context>
    <name>OvEraseDeletedFilesModel</name>
    <message>
        <source>Erase Deleted Files </source>
        <translation>Effacer les fichiers supprimés </translation>
    </message>
    <message>
        <source>Erase deleted files outright and your secrets are gone forever.</source>
        <translation>Effacez complètement les fichiers supprimés : vos secrets disparaissent pour toujours.</translation>
    </message>
    <message>
        <source>Erase Deleted Files</source>
        <translation>Effacer les fichiers supprimés</translation>
    </message>
    <message>
        <source>Selected files have been erased thoroughly.</source>
        <translation>Les fichiers sélectionnés ont été entièrement effacés.</translation>
    </message>
</context>
<context>
    <name>OvEraseFragmentDataModel</name>
    <message>
        <source>Erase Incomplete Private Fragments</source>
        <translation>Effacer les fragments privés incomplets</translation>
    </message>
    <message>
        <source>The most complete and in-depth erasure for third-party Apps!</source>
        <translation>L&apos;effacement le plus complet et le plus approfondi pour les apps tierces !</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Analyser</translation>
    </message>
    <message>
        <source>Erase Private Fragments  </source>
        <translation>Effacer les fragments privés  </translation>
    </message>
    <message>
        <source>Seleted data have been erased completely.</source>
        <translation>Les données sélectionnées ont été entièrement effacées.</translation>
    </message>
    <message>
        <source>Data Analysis Failed</source>
        <translation>Échec de l&apos;analyse des données</translation>
    </message>
    <message>
        <source>The fragments of %1 cannot be erased on this device. Nothing was erased.</source>
        <translation>Les fragments de %1 ne peuvent pas être effacés sur cet appareil. Rien n&apos;a été effacé.</translation>
    </message>
    <message>
        <source>Data Erasing Failed</source>
        <translation>Échec de l&apos;effacement des données</translation>
    </message>
</context>
<context>
    <name>OvErasePrivateDataModel</name>
    <message>
        <source>Erase Private Data </source>
        <translation>Effacer les données privées </translation>
    </message>
    <message>
        <source>Erase paivate data securely and don&apos;t worry about security breaches.</source>
        <translation>Effacez vos données privées en toute sécurité, sans craindre les fuites.</translation>
    </message>
    <message>
        <source>Erase Private Data</source>
        <translation>Effacer les données privées</translation>
    </message>
    <message>
        <source>Selected files have been erased thoroughly.</source>
        <translation>Les fichiers sélectionnés ont été entièrement effacés.</translation>
    </message>
</context>
<context>
    <name>OvFeedback</name>
    <message>
        <source>OvFeedback</source>
        <translation>Commentaires</translation>
    </message>
    <message>
        <source>Send us your comments or technical problems about Velmora Dravo Pro.</source>
        <translation>Envoyez-nous vos remarques ou les problèmes techniques rencontrés avec Velmora Dravo Pro.</translation>
    </message>
    <message>
        <source>E-mail:</source>
        <translation>E-mail :</translation>
    </message>
    <message>
        <source>Enter your email address</source>
        <translation>Saisissez votre adresse e-mail</translation>
    </message>
    <message>
        <source>Content:</source>
        <translation>Message :</translation>
    </message>
    <message>
        <source>If you have any comments or suggestions, please write directly to us.</source>
        <translation>Pour toute remarque ou suggestion, écrivez-nous directement.</translation>
    </message>
    <message>
        <source>Attach the log file (check the box to send automatically).</source>
        <translation>Joindre le fichier journal (cochez la case pour l&apos;envoyer automatiquement).</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Envoyer</translation>
    </message>
    <message>
        <source>Please enter your email address.</source>
        <translation>Saisissez votre adresse e-mail.</translation>
    </message>
    <message>
        <source>Please enter a valid email address.</source>
        <translation>Saisissez une adresse e-mail valide.</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Échec</translation>
    </message>
    <message>
        <source>Submitted successfully.</source>
        <translation>Envoyé.</translation>
    </message>
    <message>
        <source>Sending your feedback...</source>
        <translation>Envoi de vos commentaires...</translation>
    </message>
    <message>
        <source>Feedback is not set up on this computer, so your message could not be sent. Your text is kept in this window.</source>
        <translation>L&apos;envoi de commentaires n&apos;est pas configuré sur cet ordinateur : votre message n&apos;a pas pu être envoyé. Votre texte est conservé dans cette fenêtre.</translation>
    </message>
</context>
<context>
    <name>OvFillDataProgressBar</name>
    <message>
        <source>Progress</source>
        <translation>Progression</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1 %</translation>
    </message>
</context>
<context>
    <name>OvFragmentAppItem</name>
    <message>
        <source>No data</source>
        <translation>Aucune donnée</translation>
    </message>
    <message>
        <source>Nothing of %1 was found on the device.</source>
        <translation>Aucune donnée de %1 n&apos;a été trouvée sur l&apos;appareil.</translation>
    </message>
</context>
<context>
    <name>OvFragmentAppView</name>
    <message>
        <source>Permanently Erase Private Fragments - Make sure your private data stays private and is away from privacy leak.</source>
        <translation>Effacez définitivement les fragments privés : vos données privées restent privées, à l&apos;abri des fuites.</translation>
    </message>
    <message>
        <source>     Back</source>
        <translation>     Retour</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Erase Now</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>If you go back, the scanning result won&apos;t be saved. Are you sure you want to go back?</source>
        <translation>Si vous revenez en arrière, le résultat de l&apos;analyse ne sera pas enregistré. Voulez-vous vraiment revenir ?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
</context>
<context>
    <name>OvMessageBox</name>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
</context>
<context>
    <name>OvOneKeyClearModel</name>
    <message>
        <source>Cleaning failed for some unknown errors. Please try it again.</source>
        <translation>Le nettoyage a échoué à cause d&apos;une erreur inconnue. Réessayez.</translation>
    </message>
</context>
<context>
    <name>OvProgressBarGif</name>
    <message>
        <source>About %1 Minute(s)</source>
        <translation>Environ %1 minute(s)</translation>
    </message>
</context>
<context>
    <name>OvScanResultView</name>
    <message>
        <source>Deleted Data</source>
        <translation>Données supprimées</translation>
    </message>
    <message>
        <source>    Private Data</source>
        <translation>    Données privées</translation>
    </message>
    <message>
        <source>Scanning, please wait...</source>
        <translation>Analyse en cours, veuillez patienter...</translation>
    </message>
    <message>
        <source>Scan progress</source>
        <translation>Progression de l&apos;analyse</translation>
    </message>
    <message>
        <source> Stop</source>
        <translation> Arrêter</translation>
    </message>
    <message>
        <source>Data categories</source>
        <translation>Catégories de données</translation>
    </message>
    <message>
        <source>No data scanned?Please confirm your device can be backed up	</source>
        <translation>Aucune donnée trouvée ? Vérifiez que votre appareil peut être sauvegardé	</translation>
    </message>
    <message>
        <source>via itunes.if so,please</source>
        <translation>avec iTunes. Si c&apos;est le cas,</translation>
    </message>
    <message>
        <source>click here</source>
        <translation>cliquez ici</translation>
    </message>
    <message>
        <source>records detected.</source>
        <translation>éléments détectés.</translation>
    </message>
    <message>
        <source>   Back</source>
        <translation>   Retour</translation>
    </message>
    <message>
        <source>Erase Now</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>No data scanned</source>
        <translation>Aucune donnée trouvée</translation>
    </message>
    <message>
        <source>Click a category on the left to see its records.</source>
        <translation>Cliquez sur une catégorie à gauche pour afficher ses éléments.</translation>
    </message>
    <message>
        <source>If you stop scanning, some data won&apos;t be detected. Are you sure to stop?</source>
        <translation>Si vous arrêtez l&apos;analyse, certaines données ne seront pas détectées. Voulez-vous vraiment arrêter ?</translation>
    </message>
    <message>
        <source> (%1)</source>
        <translation> (%1)</translation>
    </message>
    <message>
        <source>The records of this category cannot be shown.</source>
        <translation>Impossible d&apos;afficher les éléments de cette catégorie.</translation>
    </message>
    <message>
        <source>If you go back, the scanning result won&apos;t be saved. Are you sure you want to go back?</source>
        <translation>Si vous revenez en arrière, le résultat de l&apos;analyse ne sera pas enregistré. Voulez-vous vraiment revenir ?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Messages</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Contacts</translation>
    </message>
    <message>
        <source>Calendar,
Reminder</source>
        <translation>Calendrier,
Rappels</translation>
    </message>
    <message>
        <source>Call History</source>
        <translation>Historique des appels</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>Safari History</source>
        <translation>Historique Safari</translation>
    </message>
    <message>
        <source>Bookmark</source>
        <translation>Signets</translation>
    </message>
    <message>
        <source>Photos &amp;
Videos</source>
        <translation>Photos et
vidéos</translation>
    </message>
    <message>
        <source>Voice Memo</source>
        <translation>Mémos vocaux</translation>
    </message>
    <message>
        <source>WeChat</source>
        <translation>WeChat</translation>
    </message>
    <message>
        <source>Safari Cookie</source>
        <translation>Cookies Safari</translation>
    </message>
    <message>
        <source>Safari Cache</source>
        <translation>Cache Safari</translation>
    </message>
    <message>
        <source>Message 
Attachment</source>
        <translation>Pièces jointes 
des messages</translation>
    </message>
    <message>
        <source>Note 
Attachment</source>
        <translation>Pièces jointes 
des notes</translation>
    </message>
    <message>
        <source>WhatsApp</source>
        <translation>WhatsApp</translation>
    </message>
    <message>
        <source>WhatsApp
Attachments</source>
        <translation>Pièces jointes
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
        <translation>Pièces jointes 
Kik</translation>
    </message>
</context>
<context>
    <name>OvStyleCheckBoxSubImageWidget</name>
    <message>
        <source>Select</source>
        <translation>Sélectionner</translation>
    </message>
</context>
<context>
    <name>OvStyleProgressBar</name>
    <message>
        <source>Progress</source>
        <translation>Progression</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1 %</translation>
    </message>
</context>
<context>
    <name>OvStyleScanProcessView</name>
    <message>
        <source>Scanning your device. Please do not use the device to avoid any problems.</source>
        <translation>Analyse de l&apos;appareil. N&apos;utilisez pas l&apos;appareil pour éviter tout problème.</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>If you stop scanning, some data won&apos;t be detected. Are you sure you want to stop?</source>
        <translation>Si vous arrêtez l&apos;analyse, certaines données ne seront pas détectées. Voulez-vous vraiment arrêter ?</translation>
    </message>
</context>
<context>
    <name>OvStyleTabelWidgetCheckBox</name>
    <message>
        <source>Select</source>
        <translation>Sélectionner</translation>
    </message>
</context>
<context>
    <name>OvStyleWidgetTitle</name>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>OvWechatView</name>
    <message>
        <source>Unknown</source>
        <translation>Inconnu</translation>
    </message>
    <message>
        <source>WeChat</source>
        <translation>WeChat</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
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
        <translation>Inconnu</translation>
    </message>
    <message>
        <source>WhatsApp Attachments</source>
        <translation>Pièces jointes WhatsApp</translation>
    </message>
    <message>
        <source>WhatsApp</source>
        <translation>WhatsApp</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
</context>
<context>
    <name>PhotoView</name>
    <message>
        <source>Select All</source>
        <translation>Tout sélectionner</translation>
    </message>
    <message>
        <source>Photos &amp; Videos</source>
        <translation>Photos et vidéos</translation>
    </message>
    <message>
        <source>Unknown date</source>
        <translation>Date inconnue</translation>
    </message>
    <message>
        <source>Show day</source>
        <translation>Afficher le jour</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Tous</translation>
    </message>
    <message>
        <source>%1 items</source>
        <translation>%1 éléments</translation>
    </message>
</context>
<context>
    <name>RoundWidget</name>
    <message>
        <source>Used space</source>
        <translation>Espace utilisé</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1 %</translation>
    </message>
</context>
<context>
    <name>SafariCache</name>
    <message>
        <source>Safari Cache</source>
        <translation>Cache Safari</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Tout sélectionner</translation>
    </message>
</context>
<context>
    <name>SafariCacheModel</name>
    <message>
        <source>Other</source>
        <translation>Autre</translation>
    </message>
    <message>
        <source>%1 B</source>
        <translation>%1 o</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Élément</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
</context>
<context>
    <name>SafariCookie</name>
    <message>
        <source>Safari Cookie</source>
        <translation>Cookies Safari</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Created</source>
        <translation>Création</translation>
    </message>
    <message>
        <source>Expired</source>
        <translation>Expiration</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>%1 B</source>
        <translation>%1 o</translation>
    </message>
</context>
<context>
    <name>SafariHistory</name>
    <message>
        <source>Safari History</source>
        <translation>Historique Safari</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
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
        <translation>Niveau de sécurité</translation>
    </message>
    <message>
        <source>Low Level (Quick Erasure)</source>
        <translation>Niveau faible (effacement rapide)</translation>
    </message>
    <message>
        <source>The fastest channel to permanently delete your data, it&apos;s twice faster than the others. It will destroy your data to make sure that the files are not recoverable.</source>
        <translation>Le moyen le plus rapide de supprimer définitivement vos données, deux fois plus rapide que les autres. Vos données sont détruites pour que les fichiers soient irrécupérables.</translation>
    </message>
    <message>
        <source>Medium Level (1 Time, Recommended)</source>
        <translation>Niveau moyen (1 passe, recommandé)</translation>
    </message>
    <message>
        <source>Velmora Dravo Pro will totally overwrite your private data to make sure that the files are 100% unrecoverable.</source>
        <translation>Velmora Dravo Pro écrase entièrement vos données privées pour que les fichiers soient irrécupérables à 100 %.</translation>
    </message>
    <message>
        <source>High Level (2 Times)</source>
        <translation>Niveau élevé (2 passes)</translation>
    </message>
    <message>
        <source>This option is highly recommended if you saved any private files (e.g. bank records, passwords, financial data, etc.) on your device. The applied security standard is according to the U.S. DoD 5220.22-M.</source>
        <translation>Option vivement recommandée si vous avez enregistré des fichiers privés (relevés bancaires, mots de passe, données financières, etc.) sur votre appareil. La norme de sécurité appliquée est la DoD 5220.22-M américaine.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Élevé</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Faible</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Moyen</translation>
    </message>
</context>
<context>
    <name>ScanAnalyzeView</name>
    <message>
        <source>Analysis progress</source>
        <translation>Progression de l&apos;analyse</translation>
    </message>
    <message>
        <source>Loading data, please wait...</source>
        <translation>Chargement des données, veuillez patienter...</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>It failed to analyze your device. Please set up your iDevice first. Make sure you can access the Home screen and try it again. (error code: %1)</source>
        <translation>L&apos;analyse de l&apos;appareil a échoué. Configurez d&apos;abord votre iDevice, vérifiez que vous pouvez accéder à l&apos;écran d&apos;accueil, puis réessayez. (code d&apos;erreur : %1)</translation>
    </message>
    <message>
        <source>Your PC doesn&apos;t have enough storage for data processing. Please free up space in the disk which has the most available space and try it again. (error code: %1)</source>
        <translation>Votre PC n&apos;a pas assez d&apos;espace de stockage pour traiter les données. Libérez de l&apos;espace sur le disque qui a le plus d&apos;espace disponible et réessayez. (code d&apos;erreur : %1)</translation>
    </message>
    <message>
        <source>Please unlock your device and tap &quot;Trust&quot; from the pop-up alert on your device before you continue. (error code: %1)</source>
        <translation>Avant de continuer, déverrouillez votre appareil et touchez « Se fier » dans l&apos;alerte qui s&apos;affiche sur l&apos;appareil. (code d&apos;erreur : %1)</translation>
    </message>
    <message>
        <source>Your iDevice storage is almost full. Please free up your iPhone space and try it again. (error code: %1)</source>
        <translation>Le stockage de votre iDevice est presque saturé. Libérez de l&apos;espace sur votre iPhone et réessayez. (code d&apos;erreur : %1)</translation>
    </message>
    <message>
        <source>There may be unknown error with your iTunes. Please uninstall and reinstall iTunes to fix. Make sure you have the latest version of iTunes and try it again. (error code: %1)</source>
        <translation>iTunes a peut-être rencontré une erreur inconnue. Désinstallez puis réinstallez iTunes pour la corriger. Vérifiez que vous disposez de la dernière version d&apos;iTunes et réessayez. (code d&apos;erreur : %1)</translation>
    </message>
    <message>
        <source>Data Analysis Failed</source>
        <translation>Échec de l&apos;analyse des données</translation>
    </message>
    <message>
        <source>If you stop analyzing, no data will be scanned. Are you sure to stop?</source>
        <translation>Si vous arrêtez l&apos;analyse, aucune donnée ne sera trouvée. Voulez-vous vraiment arrêter ?</translation>
    </message>
    <message>
        <source>Cancelling, please wait a moment ...</source>
        <translation>Annulation en cours, veuillez patienter...</translation>
    </message>
</context>
<context>
    <name>TaskExecuteView</name>
    <message>
        <source>Byte</source>
        <translation>octets</translation>
    </message>
    <message>
        <source>KB</source>
        <translation>Ko</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>Mo</translation>
    </message>
    <message>
        <source>GB</source>
        <translation>Go</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Exporting photos </source>
        <translation>Exportation des photos </translation>
    </message>
    <message>
        <source>You are saving </source>
        <translation>Gain en cours : </translation>
    </message>
    <message>
        <source>Clearing junk files. Please wait. </source>
        <translation>Nettoyage des fichiers inutiles. Veuillez patienter. </translation>
    </message>
</context>
<context>
    <name>TaskWidget</name>
    <message>
        <source>Byte</source>
        <translation>octets</translation>
    </message>
    <message>
        <source>KB</source>
        <translation>Ko</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>Mo</translation>
    </message>
    <message>
        <source>GB</source>
        <translation>Go</translation>
    </message>
    <message>
        <source>Wait</source>
        <translation>En attente</translation>
    </message>
</context>
<context>
    <name>VoiceMemos</name>
    <message>
        <source>Voice Memo</source>
        <translation>Mémos vocaux</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Tout sélectionner</translation>
    </message>
    <message>
        <source>Check All</source>
        <translation>Tout cocher</translation>
    </message>
    <message>
        <source>Uncheck All</source>
        <translation>Tout décocher</translation>
    </message>
</context>
<context>
    <name>WeChatContentShow</name>
    <message>
        <source>[Picture]</source>
        <translation>[Image]</translation>
    </message>
    <message>
        <source>[Voice]</source>
        <translation>[Message vocal]</translation>
    </message>
    <message>
        <source>[Video]</source>
        <translation>[Vidéo]</translation>
    </message>
    <message>
        <source>[Voice call]</source>
        <translation>[Appel vocal]</translation>
    </message>
    <message>
        <source>[Red packet]</source>
        <translation>[Enveloppe rouge]</translation>
    </message>
    <message>
        <source>[Location]</source>
        <translation>[Position]</translation>
    </message>
    <message>
        <source>[Business card]</source>
        <translation>[Carte de visite]</translation>
    </message>
</context>
</TS>
