<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en">
<context>
    <name>AppManagerSubWidget</name>
    <message>
        <source>Select</source>
        <translation>Seleccionar</translation>
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
        <translation>Versión</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Removing</source>
        <translation>Eliminando</translation>
    </message>
    <message>
        <source>Removed</source>
        <translation>Eliminada</translation>
    </message>
    <message>
        <source>Apps</source>
        <translation>Apps</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Seleccionar todo</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Remove the selected apps?</source>
        <translation>¿Eliminar las apps seleccionadas?</translation>
    </message>
    <message>
        <source>The device is not connected. Please connect it and try again.</source>
        <translation>El dispositivo no está conectado. Conéctelo y vuelva a intentarlo.</translation>
    </message>
</context>
<context>
    <name>AppShowWidget</name>
    <message>
        <source>Select</source>
        <translation>Seleccionar</translation>
    </message>
</context>
<context>
    <name>CacheCleanProcessView</name>
    <message>
        <source>Clearing temporary files. Please do not use the device to avoid any problems.</source>
        <translation>Borrando archivos temporales. No use el dispositivo para evitar problemas.</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>About %1 Minute(s)</source>
        <translation>Unos %1 minuto(s)</translation>
    </message>
    <message>
        <source>If you stop clearing, some data won&apos;t be deleted. Are you sure you want to stop?</source>
        <translation>Si detiene la limpieza, algunos datos no se eliminarán. ¿Seguro que desea detenerla?</translation>
    </message>
</context>
<context>
    <name>CommonImgCtrl</name>
    <message>
        <source>Select</source>
        <translation>Seleccionar</translation>
    </message>
</context>
<context>
    <name>DevConnectNullView</name>
    <message>
        <source>Please Connect Your iOS Device to PC</source>
        <translation>Conecte su dispositivo iOS al PC</translation>
    </message>
    <message>
        <source>Is your iDevice not being recognized?</source>
        <translation>¿No se reconoce su dispositivo iOS?</translation>
    </message>
</context>
<context>
    <name>DevConnectView</name>
    <message>
        <source>Connecting the device, please wait for a moment...</source>
        <translation>Conectando el dispositivo, espere un momento...</translation>
    </message>
</context>
<context>
    <name>DeviceConnectNullTipDialog</name>
    <message>
        <source>Your device is connected but unrecognized? Please try the following methods:</source>
        <translation>¿El dispositivo está conectado pero no se reconoce? Pruebe lo siguiente:</translation>
    </message>
    <message>
        <source>Resolve Connection Issues&gt;&gt;</source>
        <translation>Resolver problemas de conexión&gt;&gt;</translation>
    </message>
    <message>
        <source>More Methods</source>
        <translation>Más soluciones</translation>
    </message>
    <message>
        <source>If your device boots up and is plugged via USB in PC</source>
        <translation>Si el dispositivo está encendido y conectado al PC por USB</translation>
    </message>
    <message>
        <source>1. Ensure the latest version of iTunes is installed. Check if iTunes could recognize your device. Try to uninstall and reinstall iTunes. </source>
        <translation>1. Asegúrese de tener instalada la última versión de iTunes y compruebe si iTunes reconoce el dispositivo. Pruebe a desinstalar y reinstalar iTunes. </translation>
    </message>
    <message>
        <source>2. Unplug and re-plug in the device. Reboot the device and plug in again.</source>
        <translation>2. Desconecte el dispositivo y vuelva a conectarlo. Reinicie el dispositivo y conéctelo de nuevo.</translation>
    </message>
    <message>
        <source>3. Use the USB cable that comes with your iDevice.  Try to use a USB port on the back of your computer.</source>
        <translation>3. Use el cable USB que venía con el dispositivo. Pruebe un puerto USB de la parte trasera del ordenador.</translation>
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
        <translation>Usado</translation>
    </message>
    <message>
        <source>%1: %2 free of %3</source>
        <translation>%1: %2 libres de %3</translation>
    </message>
</context>
<context>
    <name>EraseTipDialog</name>
    <message>
        <source>Notice</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Your backup files had been password-encrypted. Please remove your encryption from iTunes and try it again.</source>
        <translation>Sus archivos de copia de seguridad están cifrados con contraseña. Quite el cifrado en iTunes y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>Please disable &quot;Find My iPhone&quot; on your device before you continue.</source>
        <translation>Desactive &quot;Buscar mi iPhone&quot; en el dispositivo antes de continuar.</translation>
    </message>
    <message>
        <source>You must enter your password to unlock your device before continuing with Velmora Dravo Pro.</source>
        <translation>Debe introducir el código para desbloquear el dispositivo antes de continuar con Velmora Dravo Pro.</translation>
    </message>
    <message>
        <source>How to remove your backup encryption?</source>
        <translation>¿Cómo quitar el cifrado de la copia de seguridad?</translation>
    </message>
    <message>
        <source>How do I turn off &quot;Find My iPhone&quot;?</source>
        <translation>¿Cómo desactivo &quot;Buscar mi iPhone&quot;?</translation>
    </message>
    <message>
        <source>This popup still appears even when &quot;Find My iPhone&quot; has been disabled?</source>
        <translation>¿Este aviso sigue apareciendo aunque &quot;Buscar mi iPhone&quot; esté desactivado?</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Reintentar</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuar</translation>
    </message>
</context>
<context>
    <name>FanShapedWidget</name>
    <message>
        <source>Chart</source>
        <translation>Gráfico</translation>
    </message>
</context>
<context>
    <name>ImageCompressionFinshed</name>
    <message>
        <source>has been released!</source>
        <translation>liberados.</translation>
    </message>
    <message>
        <source>Congratulations! Compressed successfully.</source>
        <translation>¡Enhorabuena! Comprimido correctamente.</translation>
    </message>
    <message>
        <source>Cleanup stopped!</source>
        <translation>Limpieza detenida.</translation>
    </message>
    <message>
        <source>Congratulations! Cleanup completed.</source>
        <translation>¡Enhorabuena! Limpieza completada.</translation>
    </message>
    <message>
        <source>Open Backup Folder</source>
        <translation>Abrir carpeta de copia</translation>
    </message>
    <message>
        <source>Compress stopped!</source>
        <translation>Compresión detenida.</translation>
    </message>
    <message>
        <source>Congratulations! Deleted successfully.</source>
        <translation>¡Enhorabuena! Eliminado correctamente.</translation>
    </message>
    <message>
        <source>Open Export Folder</source>
        <translation>Abrir carpeta de exportación</translation>
    </message>
    <message>
        <source>Congratulations! Exported successfully.</source>
        <translation>¡Enhorabuena! Exportado correctamente.</translation>
    </message>
    <message>
        <source>has been released.</source>
        <translation>liberados.</translation>
    </message>
    <message>
        <source>There is no large file to be deleted on your device.</source>
        <translation>No hay archivos grandes que eliminar en su dispositivo.</translation>
    </message>
    <message>
        <source>All selected apps have been removed.</source>
        <translation>Se han eliminado todas las apps seleccionadas.</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Share it with your friends:</source>
        <translation>Compártalo con sus amigos:</translation>
    </message>
    <message>
        <source>Share on Facebook</source>
        <translation>Compartir en Facebook</translation>
    </message>
    <message>
        <source>Share on Twitter</source>
        <translation>Compartir en Twitter</translation>
    </message>
    <message>
        <source>Share on Google</source>
        <translation>Compartir en Google</translation>
    </message>
    <message>
        <source>Want to transfer music between iDevice and PC/iTunes,</source>
        <translation>Si quiere transferir música entre su dispositivo iOS y el PC/iTunes,</translation>
    </message>
    <message>
        <source>try &lt;a href=&quot;crestline&quot; style=&quot;color:#5695e8;&quot;&gt;Crestline&lt;/a&gt;.</source>
        <translation>pruebe &lt;a href=&quot;crestline&quot; style=&quot;color:#5695e8;&quot;&gt;Crestline&lt;/a&gt;.</translation>
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
        <translation>Copiar y comprimir</translation>
    </message>
    <message>
        <source>Export &amp; Delete</source>
        <translation>Exportar y eliminar</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Lossless compression to free up about 75% of your camera’s photo space.</source>
        <translation>Compresión sin pérdida que libera cerca del 75% del espacio de las fotos de la cámara.</translation>
    </message>
    <message>
        <source>Export selected photos to PC and delete them from iOS device to save more space.</source>
        <translation>Exporte las fotos seleccionadas al PC y elimínelas del dispositivo iOS para ahorrar más espacio.</translation>
    </message>
    <message>
        <source>Before (26MB)</source>
        <translation>Antes (26MB)</translation>
    </message>
    <message>
        <source>After (1.2MB)</source>
        <translation>Después (1.2MB)</translation>
    </message>
    <message>
        <source>&lt;font color = &apos;%1&apos;&gt;%2&lt;/font&gt; space can be saved by lossless photo compression.</source>
        <translation>La compresión sin pérdida de fotos puede ahorrar &lt;font color = &apos;%1&apos;&gt;%2&lt;/font&gt;.</translation>
    </message>
    <message>
        <source>Export and deletion of photos can help you save up to &lt;font color = &apos;%1&apos;&gt;%2&lt;/font&gt;</source>
        <translation>Exportar y eliminar fotos le permite ahorrar hasta &lt;font color = &apos;%1&apos;&gt;%2&lt;/font&gt;</translation>
    </message>
    <message>
        <source>The last compression saved %1.</source>
        <translation>La última compresión ahorró %1.</translation>
    </message>
</context>
<context>
    <name>ImageExportBrowseView</name>
    <message>
        <source>Select All</source>
        <translation>Seleccionar todo</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Export Only</source>
        <translation>Solo exportar</translation>
    </message>
    <message>
        <source>Backup &amp; Delete</source>
        <translation>Copiar y eliminar</translation>
    </message>
    <message>
        <source>Select the chosen date</source>
        <translation>Seleccionar la fecha elegida</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Export and deletion of all the photos will save you up to</source>
        <translation>Exportar y eliminar todas las fotos le ahorrará hasta</translation>
    </message>
    <message>
        <source>photos selected to save</source>
        <translation>fotos seleccionadas; ahorro:</translation>
    </message>
</context>
<context>
    <name>ImagePreviewControls</name>
    <message>
        <source>%1 photos</source>
        <translation>%1 fotos</translation>
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
        <source>Byte</source>
        <translation>Bytes</translation>
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
        <translation>Registros de fallos</translation>
    </message>
    <message>
        <source>Clear redundant system usage reports and application crash logs which are generated by iOS.</source>
        <translation>Borre los informes de uso del sistema y los registros de fallos de apps que genera iOS y que ya no se necesitan.</translation>
    </message>
    <message>
        <source>Photo Caches</source>
        <translation>Cachés de fotos</translation>
    </message>
    <message>
        <source>Delete Camera Roll, Photo Stream and Photo Library cache files which are created by third-party apps.</source>
        <translation>Elimine los archivos de caché del Carrete, Fotos en streaming y la Fototeca creados por apps de terceros.</translation>
    </message>
    <message>
        <source>Downloaded Temp Files</source>
        <translation>Temporales de descargas</translation>
    </message>
    <message>
        <source>Remove those corrupted files which are produced due to the interruption whilst downloading and still remain in the temp file folder.</source>
        <translation>Elimine los archivos dañados por descargas interrumpidas que siguen en la carpeta temporal.</translation>
    </message>
    <message>
        <source>User Storage Files</source>
        <translation>Archivos de usuario</translation>
    </message>
    <message>
        <source>Eliminate the temp files in User Storage Directory which were generated by third-party apps.</source>
        <translation>Elimine los archivos temporales que las apps de terceros dejan en el directorio de usuario.</translation>
    </message>
    <message>
        <source>iTunes Caches</source>
        <translation>Cachés de iTunes</translation>
    </message>
    <message>
        <source>Clear up the incomplete files and traces produced when iTunes failed to sync.</source>
        <translation>Borre los archivos incompletos y restos que deja una sincronización fallida de iTunes.</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Clean</source>
        <translation>Limpiar</translation>
    </message>
    <message>
        <source>can be released.</source>
        <translation>se pueden liberar.</translation>
    </message>
</context>
<context>
    <name>LanguageSelectView</name>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Please select a language</source>
        <translation>Seleccione un idioma</translation>
    </message>
    <message>
        <source>The progam will restart to apply your changes. Please wait.</source>
        <translation>El programa se reiniciará para aplicar los cambios. Espere.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>LargeFilesCleanCheckBox</name>
    <message>
        <source>Select</source>
        <translation>Seleccionar</translation>
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
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Formato</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Mostrar</translation>
    </message>
    <message>
        <source>File above</source>
        <translation>Archivos de más de</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>Large files</source>
        <translation>Archivos grandes</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Seleccionar todo</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Export Only</source>
        <translation>Solo exportar</translation>
    </message>
    <message>
        <source>Back Up &amp; Delete</source>
        <translation>Copiar y eliminar</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Todo</translation>
    </message>
    <message>
        <source>The device is not connected. Please connect it and try again.</source>
        <translation>El dispositivo no está conectado. Conéctelo y vuelva a intentarlo.</translation>
    </message>
</context>
<context>
    <name>LargeFilesProcessView</name>
    <message>
        <source>Exporting photos, please do not use the device to avoid any abnormity.</source>
        <translation>Exportando fotos. No use el dispositivo para evitar errores.</translation>
    </message>
    <message>
        <source>Deleting photos, please do not use the device to avoid any abnormity.</source>
        <translation>Eliminando fotos. No use el dispositivo para evitar errores.</translation>
    </message>
    <message>
        <source>Deleting large files, please do not use the device to avoid any abnormity.</source>
        <translation>Eliminando archivos grandes. No use el dispositivo para evitar errores.</translation>
    </message>
    <message>
        <source>Exporting large files, please do not use the device to avoid any abnormity.</source>
        <translation>Exportando archivos grandes. No use el dispositivo para evitar errores.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
</context>
<context>
    <name>MainView</name>
    <message>
        <source>Feedback</source>
        <translation>Comentarios</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Herramientas</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Tutorial</source>
        <translation>Tutorial</translation>
    </message>
    <message>
        <source>Frequently Asked Questions</source>
        <translation>Preguntas frecuentes</translation>
    </message>
    <message>
        <source>Write a Product Review</source>
        <translation>Escribir una reseña</translation>
    </message>
    <message>
        <source>Contact Us</source>
        <translation>Contacto</translation>
    </message>
    <message>
        <source>View Facebook Fan Page</source>
        <translation>Ver página de Facebook</translation>
    </message>
    <message>
        <source>Follow Us on Twitter</source>
        <translation>Síganos en Twitter</translation>
    </message>
    <message>
        <source>Set Security Level</source>
        <translation>Nivel de seguridad</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>Buscar actualizaciones</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>1-Click
 Free Up Space</source>
        <translation>Liberar espacio
 con 1 clic</translation>
    </message>
    <message>
        <source>Erase All Data</source>
        <translation>Borrar todos los datos</translation>
    </message>
    <message>
        <source>Erase Deleted Files</source>
        <translation>Borrar archivos eliminados</translation>
    </message>
    <message>
        <source>Erase Private Data</source>
        <translation>Borrar datos privados</translation>
    </message>
    <message>
        <source>Erase Private Fragments</source>
        <translation>Borrar fragmentos privados</translation>
    </message>
    <message>
        <source>If you leave, the scanning result won&apos;t be saved. Are you sure you want to leave?</source>
        <translation>Si sale, no se guardará el resultado del análisis. ¿Seguro que desea salir?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>PostConnectDevTask error!</source>
        <translation>Error en PostConnectDevTask.</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>Please unlock the device and trust the connection if needed. Then click Continue.</source>
        <translation>Desbloquee el dispositivo y confíe en esta conexión si se le pide. Después, haga clic en Continuar.</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>you should trust the device!</source>
        <translation>Debe confiar en el dispositivo.</translation>
    </message>
    <message>
        <source>slotConnToDev return value false!</source>
        <translation>slotConnToDev ha devuelto false.</translation>
    </message>
    <message>
        <source>Don&apos;t start iTunes and sync files when running the program to avoid data overwriting.</source>
        <translation>No inicie iTunes ni sincronice archivos mientras el programa esté en marcha, para no sobrescribir datos.</translation>
    </message>
    <message>
        <source>Velmora Dravo Pro</source>
        <translation>Velmora Dravo Pro</translation>
    </message>
    <message>
        <source>Are you sure you want to exit the program?</source>
        <translation>¿Seguro que desea salir del programa?</translation>
    </message>
</context>
<context>
    <name>OneKeyCleanResultView</name>
    <message>
        <source>Byte</source>
        <translation>Bytes</translation>
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
        <translation>Unos</translation>
    </message>
    <message>
        <source>You can save up to </source>
        <translation>Puede ahorrar hasta </translation>
    </message>
    <message>
        <source>Junk Files:</source>
        <translation>Archivos basura:</translation>
    </message>
    <message>
        <source>Temporary Files:</source>
        <translation>Archivos temporales:</translation>
    </message>
    <message>
        <source>Too few temporary files on your iPhone to clean.</source>
        <translation>Hay muy pocos archivos temporales en su iPhone para limpiar.</translation>
    </message>
    <message>
        <source>Photos:</source>
        <translation>Fotos:</translation>
    </message>
    <message>
        <source>Large Files:</source>
        <translation>Archivos grandes:</translation>
    </message>
    <message>
        <source>Apps:</source>
        <translation>Apps:</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Rescan</source>
        <translation>Volver a analizar</translation>
    </message>
    <message>
        <source> More can be freed up.</source>
        <translation> más se pueden liberar.</translation>
    </message>
    <message>
        <source> has been released!</source>
        <translation> liberados.</translation>
    </message>
    <message>
        <source>If you go back, the scanning result won&apos;t be saved. Are you sure you want to go back?</source>
        <translation>Si vuelve atrás, no se guardará el resultado del análisis. ¿Seguro que desea volver?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
</context>
<context>
    <name>OneKeyCleanView</name>
    <message>
        <source>Byte</source>
        <translation>Bytes</translation>
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
        <translation>Liberar espacio con 1 clic</translation>
    </message>
    <message>
        <source>Last use</source>
        <translation>Último uso</translation>
    </message>
    <message>
        <source>Total space released</source>
        <translation>Espacio liberado en total</translation>
    </message>
    <message>
        <source>Quick Scan</source>
        <translation>Análisis rápido</translation>
    </message>
    <message>
        <source>Or scan one category:</source>
        <translation>O analice una categoría:</translation>
    </message>
    <message>
        <source>Junk Files</source>
        <translation>Archivos basura</translation>
    </message>
    <message>
        <source>Temp Files</source>
        <translation>Temporales</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>Fotos</translation>
    </message>
    <message>
        <source>Large Files</source>
        <translation>Archivos grandes</translation>
    </message>
    <message>
        <source>Apps</source>
        <translation>Apps</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nunca</translation>
    </message>
    <message>
        <source>Scan completed! No need for further cleaning.</source>
        <translation>Análisis completado. No hace falta limpiar más.</translation>
    </message>
</context>
<context>
    <name>OneKeyCommon</name>
    <message>
        <source>If you go back, the scanning result won&apos;t be saved. Are you sure you want to go back?</source>
        <translation>Si vuelve atrás, no se guardará el resultado del análisis. ¿Seguro que desea volver?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
</context>
<context>
    <name>OneScanResultSubWidget</name>
    <message>
        <source>Byte</source>
        <translation>Bytes</translation>
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
        <translation>Limpiar</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Listo</translation>
    </message>
</context>
<context>
    <name>OvAbout</name>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Permanently Erase Your Private Data from iPhone/iPad/iPod!</source>
        <translation>¡Borre para siempre sus datos privados del iPhone/iPad/iPod!</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>Copyright © %1 Velmora Software. All rights reserved.</source>
        <translation>Copyright © %1 Velmora Software. Todos los derechos reservados.</translation>
    </message>
</context>
<context>
    <name>OvEraseAllDataModel</name>
    <message>
        <source>Erase All Data </source>
        <translation>Borrar todos los datos </translation>
    </message>
    <message>
        <source>Erase all data permanently and keep your private data completely gone.</source>
        <translation>Borre todos los datos para siempre y no deje rastro de su información privada.</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Borrar</translation>
    </message>
</context>
<context>
    <name>OvEraseDeletedFilesModel</name>
    <message>
        <source>Erase Deleted Files </source>
        <translation>Borrar archivos eliminados </translation>
    </message>
    <message>
        <source>Erase deleted files outright and your secrets are gone forever.</source>
        <translation>Borre por completo los archivos eliminados y sus secretos desaparecerán para siempre.</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Analizar</translation>
    </message>
</context>
<context>
    <name>OvEraseFragmentDataModel</name>
    <message>
        <source>Erase Incomplete Private Fragments</source>
        <translation>Borrar fragmentos privados incompletos</translation>
    </message>
    <message>
        <source>The most complete and in-depth erasure for third-party Apps!</source>
        <translation>¡El borrado más completo y profundo para apps de terceros!</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Analizar</translation>
    </message>
</context>
<context>
    <name>OvErasePrivateDataModel</name>
    <message>
        <source>Erase Private Data </source>
        <translation>Borrar datos privados </translation>
    </message>
    <message>
        <source>Erase paivate data securely and don&apos;t worry about security breaches.</source>
        <translation>Borre sus datos privados de forma segura y olvídese de las filtraciones.</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Analizar</translation>
    </message>
</context>
<context>
    <name>OvFeedback</name>
    <message>
        <source>OvFeedback</source>
        <translation>Comentarios</translation>
    </message>
    <message>
        <source>Send us your comments or technical problems about Velmora Dravo Pro.</source>
        <translation>Envíenos sus comentarios o problemas técnicos con Velmora Dravo Pro.</translation>
    </message>
    <message>
        <source>E-mail:</source>
        <translation>Correo:</translation>
    </message>
    <message>
        <source>Enter your email address</source>
        <translation>Introduzca su dirección de correo</translation>
    </message>
    <message>
        <source>Content:</source>
        <translation>Contenido:</translation>
    </message>
    <message>
        <source>If you have any comments or suggestions, please write directly to us.</source>
        <translation>Si tiene comentarios o sugerencias, escríbanos directamente.</translation>
    </message>
    <message>
        <source>Attach the log file (check the box to send automatically).</source>
        <translation>Adjuntar el archivo de registro (marque la casilla para enviarlo automáticamente).</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Enviar</translation>
    </message>
    <message>
        <source>Please enter your email address.</source>
        <translation>Introduzca su dirección de correo.</translation>
    </message>
    <message>
        <source>Please enter a valid email address.</source>
        <translation>Introduzca una dirección de correo válida.</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Submitted successfully.</source>
        <translation>Enviado correctamente.</translation>
    </message>
</context>
<context>
    <name>OvFillDataProgressBar</name>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
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
        <translation>Sí</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>No</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
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
        <translation>La limpieza ha fallado por un error desconocido. Vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>The device is not connected. Please connect it and try again.</source>
        <translation>El dispositivo no está conectado. Conéctelo y vuelva a intentarlo.</translation>
    </message>
</context>
<context>
    <name>OvProgressBarGif</name>
    <message>
        <source>About %1 Minute(s)</source>
        <translation>Unos %1 minuto(s)</translation>
    </message>
</context>
<context>
    <name>OvStyleCheckBoxSubImageWidget</name>
    <message>
        <source>Select</source>
        <translation>Seleccionar</translation>
    </message>
</context>
<context>
    <name>OvStyleProgressBar</name>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
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
        <translation>Analizando el dispositivo. No lo use para evitar problemas.</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>If you stop scanning, some data won&apos;t be detected. Are you sure you want to stop?</source>
        <translation>Si detiene el análisis, algunos datos no se detectarán. ¿Seguro que desea detenerlo?</translation>
    </message>
</context>
<context>
    <name>OvStyleTabelWidgetCheckBox</name>
    <message>
        <source>Select</source>
        <translation>Seleccionar</translation>
    </message>
</context>
<context>
    <name>OvStyleWidgetTitle</name>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>RoundWidget</name>
    <message>
        <source>Used space</source>
        <translation>Espacio usado</translation>
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
        <translation>Nivel de seguridad</translation>
    </message>
    <message>
        <source>Low Level (Quick Erasure)</source>
        <translation>Nivel bajo (borrado rápido)</translation>
    </message>
    <message>
        <source>The fastest channel to permanently delete your data, it&apos;s twice faster than the others. It will destroy your data to make sure that the files are not recoverable.</source>
        <translation>La forma más rápida de eliminar sus datos para siempre: el doble de rápida que las demás. Destruye los datos para que los archivos no se puedan recuperar.</translation>
    </message>
    <message>
        <source>Medium Level (1 Time, Recommended)</source>
        <translation>Nivel medio (1 pasada, recomendado)</translation>
    </message>
    <message>
        <source>Velmora Dravo Pro will totally overwrite your private data to make sure that the files are 100% unrecoverable.</source>
        <translation>Velmora Dravo Pro sobrescribirá por completo sus datos privados para que los archivos sean 100% irrecuperables.</translation>
    </message>
    <message>
        <source>High Level (2 Times)</source>
        <translation>Nivel alto (2 pasadas)</translation>
    </message>
    <message>
        <source>This option is highly recommended if you saved any private files (e.g. bank records, passwords, financial data, etc.) on your device. The applied security standard is according to the U.S. DoD 5220.22-M.</source>
        <translation>Muy recomendable si ha guardado archivos privados (por ejemplo, datos bancarios, contraseñas o información financiera) en el dispositivo. Cumple la norma de seguridad DoD 5220.22-M de EE. UU.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Alto</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Bajo</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Medio</translation>
    </message>
</context>
<context>
    <name>TaskExecuteView</name>
    <message>
        <source>Byte</source>
        <translation>Bytes</translation>
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
        <translation>Detener</translation>
    </message>
    <message>
        <source>Exporting photos </source>
        <translation>Exportando fotos </translation>
    </message>
    <message>
        <source>You are saving </source>
        <translation>Está ahorrando </translation>
    </message>
    <message>
        <source>Clearing junk files. Please wait. </source>
        <translation>Eliminando archivos basura. Espere. </translation>
    </message>
</context>
<context>
    <name>TaskWidget</name>
    <message>
        <source>Byte</source>
        <translation>Bytes</translation>
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
        <translation>En espera</translation>
    </message>
</context>
</TS>
