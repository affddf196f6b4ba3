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
        <source>The device is not connected. Please connect it and try again.</source>
        <translation>L&apos;appareil n&apos;est pas connecté. Connectez-le et réessayez.</translation>
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
    <name>CommonImgCtrl</name>
    <message>
        <source>Select</source>
        <translation>Sélectionner</translation>
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
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Free</source>
        <translation>Libre</translation>
    </message>
    <message>
        <source>Used</source>
        <translation>Utilisé</translation>
    </message>
    <message>
        <source>%1: %2 free of %3</source>
        <translation>%1 : %2 libres sur %3</translation>
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
    <name>FanShapedWidget</name>
    <message>
        <source>Chart</source>
        <translation>Graphique</translation>
    </message>
</context>
<context>
    <name>ImageCompressionFinshed</name>
    <message>
        <source>has been released!</source>
        <translation>libérés !</translation>
    </message>
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
        <source>has been released.</source>
        <translation>libérés.</translation>
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
        <source>Want to transfer music between iDevice and PC/iTunes,</source>
        <translation>Pour transférer de la musique entre l&apos;appareil iOS et le PC/iTunes,</translation>
    </message>
    <message>
        <source>try &lt;a href=&quot;crestline&quot; style=&quot;color:#5695e8;&quot;&gt;Crestline&lt;/a&gt;.</source>
        <translation>essayez &lt;a href=&quot;crestline&quot; style=&quot;color:#5695e8;&quot;&gt;Crestline&lt;/a&gt;.</translation>
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
        <source>Export and deletion of all the photos will save you up to</source>
        <translation>Exporter puis supprimer toutes les photos vous fera gagner jusqu&apos;à</translation>
    </message>
    <message>
        <source>photos selected to save</source>
        <translation>photos sélectionnées, gain :</translation>
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
        <source>can be released.</source>
        <translation>peuvent être libérés.</translation>
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
    <message>
        <source>The device is not connected. Please connect it and try again.</source>
        <translation>L&apos;appareil n&apos;est pas connecté. Connectez-le et réessayez.</translation>
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
        <source>About</source>
        <comment>approximately, before a size</comment>
        <translation>Environ</translation>
    </message>
    <message>
        <source>You can save up to </source>
        <translation>Vous pouvez gagner jusqu&apos;à </translation>
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
        <source> More can be freed up.</source>
        <translation> peuvent encore être libérés.</translation>
    </message>
    <message>
        <source> has been released!</source>
        <translation> libérés !</translation>
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
        <source>Last use</source>
        <translation>Dernière utilisation</translation>
    </message>
    <message>
        <source>Total space released</source>
        <translation>Espace libéré au total</translation>
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
        <source>Scan completed! No need for further cleaning.</source>
        <translation>Analyse terminée ! Aucun autre nettoyage nécessaire.</translation>
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
        <source>Scan</source>
        <translation>Analyser</translation>
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
        <source>Scan</source>
        <translation>Analyser</translation>
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
    <message>
        <source>The device is not connected. Please connect it and try again.</source>
        <translation>L&apos;appareil n&apos;est pas connecté. Connectez-le et réessayez.</translation>
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
</TS>
