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
</context>
<context>
    <name>AppShowWidget</name>
    <message>
        <source>Select</source>
        <translation>Seleccionar</translation>
    </message>
</context>
<context>
    <name>BookMarkView</name>
    <message>
        <source>Bookmark</source>
        <translation>Marcadores</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Título</translation>
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
        <translation>Contraseña de la copia de seguridad</translation>
    </message>
    <message>
        <source>Your iTunes backup had been password-encrypted. Please enter your password here to decrypt it. </source>
        <translation>La copia de seguridad de iTunes está cifrada con contraseña. Introduzca la contraseña para descifrarla. </translation>
    </message>
    <message>
        <source>  Password</source>
        <translation>  Contraseña</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Password can not be empty!</source>
        <translation>La contraseña no puede estar vacía.</translation>
    </message>
</context>
<context>
    <name>CEraseDataWid</name>
    <message>
        <source>Message</source>
        <translation>Mensajes</translation>
    </message>
    <message>
        <source>Call History</source>
        <translation>Historial de llamadas</translation>
    </message>
    <message>
        <source>Safari Cookie</source>
        <translation>Cookies de Safari</translation>
    </message>
    <message>
        <source>Safari Cache</source>
        <translation>Caché de Safari</translation>
    </message>
    <message>
        <source>Safari History</source>
        <translation>Historial de Safari</translation>
    </message>
    <message>
        <source>Photo &amp; Videos</source>
        <translation>Fotos y vídeos</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>Message Attachment</source>
        <translation>Adjunto de mensaje</translation>
    </message>
    <message>
        <source>Note Attachment</source>
        <translation>Adjunto de nota</translation>
    </message>
    <message>
        <source>WhatsApp</source>
        <translation>WhatsApp</translation>
    </message>
    <message>
        <source>WhatsApp Attachments</source>
        <translation>Adjuntos de WhatsApp</translation>
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
        <translation>Adjunto de Kik</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Contactos</translation>
    </message>
    <message>
        <source>Calendar , Reminder</source>
        <translation>Calendario, Recordatorios</translation>
    </message>
    <message>
        <source>Bookmark</source>
        <translation>Marcadores</translation>
    </message>
    <message>
        <source>Voice Memo</source>
        <translation>Notas de voz</translation>
    </message>
    <message>
        <source>Warning:To avoid damage to thie device,please don&apos;t disconnect the device while erasing. </source>
        <translation>Advertencia: para no dañar el dispositivo, no lo desconecte durante el borrado. </translation>
    </message>
    <message>
        <source>The erase deleted data:</source>
        <translation>Datos eliminados borrados:</translation>
    </message>
    <message>
        <source>The App fragment erased:</source>
        <translation>Fragmentos de apps borrados:</translation>
    </message>
    <message>
        <source>The erase private data:</source>
        <translation>Datos privados borrados:</translation>
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
    <name>CallLogView</name>
    <message>
        <source>Call History</source>
        <translation>Historial de llamadas</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Phone Number</source>
        <translation>Número de teléfono</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>desconocida</translation>
    </message>
    <message>
        <source>incoming</source>
        <translation>entrante</translation>
    </message>
    <message>
        <source>outgoing</source>
        <translation>saliente</translation>
    </message>
    <message>
        <source>outgoing facetime</source>
        <translation>FaceTime saliente</translation>
    </message>
    <message>
        <source>imcoming facetime missed</source>
        <translation>FaceTime perdida</translation>
    </message>
    <message>
        <source>imcoming missed</source>
        <translation>perdida</translation>
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
        <translation>Título</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Ubicación</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Ends</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Title: </source>
        <translation>Título: </translation>
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
        <translation>No hay mensajes</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>Para:</translation>
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
    <name>CompleteEraseView</name>
    <message>
        <source>Device</source>
        <translation>Dispositivo</translation>
    </message>
    <message>
        <source>Start unrecoverable erasing   </source>
        <translation>Iniciar borrado definitivo   </translation>
    </message>
    <message>
        <source>1. You may get the notice &amp;quot;Storage Almost Full&amp;quot; prompt on the device. Please don&apos;t worry, tap &amp;quot;Done&amp;quot; to continue.</source>
        <translation>1. Es posible que vea el aviso &amp;quot;Almacenamiento casi lleno&amp;quot; en el dispositivo. No se preocupe: toque &amp;quot;OK&amp;quot; para continuar.</translation>
    </message>
    <message>
        <source>2. Please don&apos;t disconnect the device.</source>
        <translation>2. No desconecte el dispositivo.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>0 %</source>
        <translation>0 %</translation>
    </message>
    <message>
        <source>Sorry, Fill failed!(error code: %1)</source>
        <translation>No se pudo rellenar el espacio libre. (código de error: %1)</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>It may damage your data or device if you stop the unrecoverable erasing process. Are you sure you want to stop now?</source>
        <translation>Si detiene el borrado definitivo, puede dañar los datos o el dispositivo. ¿Seguro que desea detenerlo ahora?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
</context>
<context>
    <name>ContactView</name>
    <message>
        <source>Unknown</source>
        <translation>Desconocido</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Contacto</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>Empresa</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Teléfono</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Correo</translation>
    </message>
    <message>
        <source>unknow</source>
        <translation>desconocido</translation>
    </message>
    <message>
        <source>Phone : </source>
        <translation>Teléfono: </translation>
    </message>
    <message>
        <source>Email : </source>
        <translation>Correo: </translation>
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
        <source>%1: %2 free of %3</source>
        <translation>%1: %2 libres de %3</translation>
    </message>
    <message>
        <source>%1GB</source>
        <comment>gigabytes</comment>
        <translation>%1 GB</translation>
    </message>
    <message>
        <source>Total %1</source>
        <comment>space</comment>
        <translation>Total: %1</translation>
    </message>
    <message>
        <source>Free %1</source>
        <comment>space</comment>
        <translation>Libre: %1</translation>
    </message>
    <message>
        <source>Used %1</source>
        <comment>space</comment>
        <translation>Usado: %1</translation>
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
        <translation>Analizando los datos, espere...</translation>
    </message>
    <message>
        <source>Erasing data, please wait...</source>
        <translation>Borrando los datos, espere...</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Nothing was selected, so nothing was erased.</source>
        <translation>No se ha seleccionado nada, así que no se ha borrado nada.</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>Atención</translation>
    </message>
    <message>
        <source>Restarting device,please wait...</source>
        <translation>Reiniciando el dispositivo, espere...</translation>
    </message>
    <message>
        <source>Your iDevice doesn&apos;t have enough storage to process data. Please free up your device space and try it again. (error code: %1)</source>
        <translation>Su iDevice no tiene espacio suficiente para procesar los datos. Libere espacio en el dispositivo y vuelva a intentarlo. (código de error: %1)</translation>
    </message>
    <message>
        <source>There may be unknown error with your iTunes. Please uninstall and reinstall iTunes to fix. Make sure you have the latest version of iTunes and try it again. (error code: %1)</source>
        <translation>Puede que iTunes tenga un error desconocido. Desinstale y vuelva a instalar iTunes para solucionarlo. Asegúrese de tener la última versión de iTunes y vuelva a intentarlo. (código de error: %1)</translation>
    </message>
    <message>
        <source>Data Erasing Failed</source>
        <translation>Error al borrar los datos</translation>
    </message>
    <message>
        <source>Restarting device, please wait...</source>
        <translation>Reiniciando el dispositivo, espere...</translation>
    </message>
    <message>
        <source>It may damage your data or device if you stop restarting. Are you sure you want to stop now?</source>
        <translation>Si detiene el reinicio, puede dañar los datos o el dispositivo. ¿Seguro que desea detenerlo ahora?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>Cancelling, please wait a moment ...</source>
        <translation>Cancelando, espere un momento...</translation>
    </message>
    <message>
        <source>Connection timeout! Please simply disconnect your iDevice and reconnect it. Kindly wait for it to continue.</source>
        <translation>Se ha agotado el tiempo de conexión. Desconecte el iDevice y vuelva a conectarlo. Espere a que el proceso continúe.</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
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
</context>
<context>
    <name>EraseAllDataFailureView</name>
    <message>
        <source>Data Deletion</source>
        <translation>Eliminación de datos</translation>
    </message>
    <message>
        <source>             Erase private data and system settings</source>
        <translation>             Borrar datos privados y ajustes del sistema</translation>
    </message>
    <message>
        <source>Data Erasure</source>
        <translation>Borrado de datos</translation>
    </message>
    <message>
        <source>             Fill the empty space on the device</source>
        <translation>             Rellenar el espacio libre del dispositivo</translation>
    </message>
    <message>
        <source>        Failed to erase some of the data: </source>
        <translation>        No se pudieron borrar algunos datos: </translation>
    </message>
    <message>
        <source>Why failed?</source>
        <translation>¿Por qué ha fallado?</translation>
    </message>
    <message>
        <source>   Home</source>
        <translation>   Inicio</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Completado</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Operation stopped by user</source>
        <translation>Operación detenida por el usuario</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Detenido</translation>
    </message>
    <message>
        <source>Not started</source>
        <translation>No iniciado</translation>
    </message>
    <message>
        <source>Operation error</source>
        <translation>Error en la operación</translation>
    </message>
    <message>
        <source>Not chosen</source>
        <translation>No seleccionado</translation>
    </message>
</context>
<context>
    <name>EraseAllDataFinishedView</name>
    <message>
        <source>Done</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>Share it with your friends:</source>
        <translation>Compártalo con sus amigos:</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Compartir</translation>
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
        <source>All the data has been erased.</source>
        <translation>Se han borrado todos los datos.</translation>
    </message>
</context>
<context>
    <name>EraseAllDataProcessView</name>
    <message>
        <source>Erase progress</source>
        <translation>Progreso del borrado</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Scanning, please wait...</source>
        <translation>Analizando, espere...</translation>
    </message>
    <message>
        <source>Restarting device, please wait...</source>
        <translation>Reiniciando el dispositivo, espere...</translation>
    </message>
    <message>
        <source>Erasing, please wait...</source>
        <translation>Borrando, espere...</translation>
    </message>
    <message>
        <source>It may damage your data or device, if you stop. Are you sure you want to stop now?</source>
        <translation>Si lo detiene, puede dañar los datos o el dispositivo. ¿Seguro que desea detenerlo ahora?</translation>
    </message>
    <message>
        <source>It may damage your data or device if you stop restarting. Are you sure you want to stop now?</source>
        <translation>Si detiene el reinicio, puede dañar los datos o el dispositivo. ¿Seguro que desea detenerlo ahora?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>Cancelling, please wait a moment ...</source>
        <translation>Cancelando, espere un momento...</translation>
    </message>
</context>
<context>
    <name>EraseAllDataView</name>
    <message>
        <source>Erase All Data</source>
        <translation>Borrar todos los datos</translation>
    </message>
    <message>
        <source>1. Please close all background apps, such as Music, Navigation, etc.</source>
        <translation>1. Cierre todas las apps en segundo plano, como Música o las apps de navegación.</translation>
    </message>
    <message>
        <source>2. If there are any apps updating on the device, please wait for them to complete.</source>
        <translation>2. Si hay apps actualizándose en el dispositivo, espere a que terminen.</translation>
    </message>
    <message>
        <source>3. Please make sure you have backed up any needed data.</source>
        <translation>3. Asegúrese de haber hecho una copia de seguridad de los datos que necesite.</translation>
    </message>
    <message>
        <source>Security Level:</source>
        <translation>Nivel de seguridad:</translation>
    </message>
    <message>
        <source>Please type</source>
        <translation>Escriba</translation>
    </message>
    <message>
        <source>&apos;delete&apos;</source>
        <translation>&apos;eliminar&apos;</translation>
    </message>
    <message>
        <source>to confirm.</source>
        <translation>para confirmar.</translation>
    </message>
    <message>
        <source>     Home</source>
        <translation>     Inicio</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Erase Now</source>
        <translation>Borrar ahora</translation>
    </message>
    <message>
        <source>delete</source>
        <translation>eliminar</translation>
    </message>
    <message>
        <source>Sorry, the input is not correct. Please type &quot;delete&quot; again.</source>
        <translation>El texto introducido no es correcto. Vuelva a escribir &quot;eliminar&quot;.</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>Atención</translation>
    </message>
    <message>
        <source>This will completely erase all data of your device. Are you sure you want to continue?</source>
        <translation>Se borrarán por completo todos los datos del dispositivo. ¿Seguro que desea continuar?</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>The device is not connected. Please connect it and try again.</source>
        <translation>El dispositivo no está conectado. Conéctelo y vuelva a intentarlo.</translation>
    </message>
</context>
<context>
    <name>EraseDataView</name>
    <message>
        <source>Erasing data...</source>
        <translation>Borrando datos...</translation>
    </message>
    <message>
        <source>Erase progress</source>
        <translation>Progreso del borrado</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>It may damage your data or device if you stop erasing. Are you sure you want to stop now?</source>
        <translation>Si detiene el borrado, puede dañar los datos o el dispositivo. ¿Seguro que desea detenerlo ahora?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
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
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Desconocido</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Message Attachment</source>
        <translation>Adjunto de mensaje</translation>
    </message>
    <message>
        <source>Note Attachment</source>
        <translation>Adjunto de nota</translation>
    </message>
    <message>
        <source>Kik Attachment</source>
        <translation>Adjunto de Kik</translation>
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
        <translation>Borrar archivos eliminados</translation>
    </message>
    <message>
        <source>1. Please close all background apps, such as Music, Navigation, etc.</source>
        <translation>1. Cierre todas las apps en segundo plano, como Música o las apps de navegación.</translation>
    </message>
    <message>
        <source>2. If there are any apps updating on the device, please wait for them to complete.</source>
        <translation>2. Si hay apps actualizándose en el dispositivo, espere a que terminen.</translation>
    </message>
    <message>
        <source>3. Please make sure you have backed up any needed data.</source>
        <translation>3. Asegúrese de haber hecho una copia de seguridad de los datos que necesite.</translation>
    </message>
    <message>
        <source>Security Level:</source>
        <translation>Nivel de seguridad:</translation>
    </message>
    <message>
        <source>Please type</source>
        <translation>Escriba</translation>
    </message>
    <message>
        <source>&apos;delete&apos;</source>
        <translation>&apos;eliminar&apos;</translation>
    </message>
    <message>
        <source>to confirm.</source>
        <translation>para confirmar.</translation>
    </message>
    <message>
        <source>Type &apos;delete&apos; to confirm</source>
        <translation>Escriba &quot;eliminar&quot; para confirmar</translation>
    </message>
    <message>
        <source>      Back</source>
        <translation>      Atrás</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Erase Now</source>
        <translation>Borrar ahora</translation>
    </message>
    <message>
        <source>Security Level: %1</source>
        <translation>Nivel de seguridad: %1</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
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
        <source>delete</source>
        <translation>eliminar</translation>
    </message>
    <message>
        <source>Sorry, the input is not correct. Please type &quot;delete&quot; again.</source>
        <translation>El texto introducido no es correcto. Vuelva a escribir &quot;eliminar&quot;.</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>Atención</translation>
    </message>
    <message>
        <source>Error index when posting task:%1</source>
        <translation>Error de índice al enviar la tarea: %1</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Prueba</translation>
    </message>
    <message>
        <source>messages of conversations that still exist</source>
        <translation>mensajes de conversaciones que aún existen</translation>
    </message>
    <message>
        <source>contacts</source>
        <translation>contactos</translation>
    </message>
    <message>
        <source>calendar events and reminders</source>
        <translation>eventos de calendario y recordatorios</translation>
    </message>
    <message>
        <source>bookmarks</source>
        <translation>marcadores</translation>
    </message>
    <message>
        <source>voice memos</source>
        <translation>notas de voz</translation>
    </message>
    <message>
        <source>Deleted %1 can only be erased all at once. Please tick all of them or none, then try again.</source>
        <translation>Estos datos eliminados solo se pueden borrar todos a la vez: %1. Marque todos o ninguno y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>Nothing is ticked in the checked categories, so there is nothing to erase. Please go back and tick what you want to erase.</source>
        <translation>No hay nada marcado en las categorías seleccionadas, así que no hay nada que borrar. Vuelva atrás y marque lo que desea borrar.</translation>
    </message>
    <message>
        <source>It will need about %1 minutes to erase data. If you stop when erasing, it may damage your device.  Are you sure to continue?</source>
        <translation>El borrado de los datos tardará unos %1 minutos. Si lo detiene durante el borrado, puede dañar el dispositivo. ¿Seguro que desea continuar?</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>The device is not connected. Nothing was erased.</source>
        <translation>El dispositivo no está conectado. No se ha borrado nada.</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>Advertencia</translation>
    </message>
</context>
<context>
    <name>EraseScanModel</name>
    <message>
        <source>Scan</source>
        <translation>Analizar</translation>
    </message>
</context>
<context>
    <name>EraseTabPage</name>
    <message>
        <source>Please set up and activate your device first before you use any other function.</source>
        <translation>Configure y active el dispositivo antes de usar cualquier otra función.</translation>
    </message>
    <message>
        <source>note</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>your device has not been activated,please set your device!</source>
        <translation>El dispositivo no está activado. Configúrelo.</translation>
    </message>
    <message>
        <source>Password is not correct!</source>
        <translation>La contraseña no es correcta.</translation>
    </message>
</context>
<context>
    <name>EraseTableView</name>
    <message>
        <source>Select all</source>
        <translation>Seleccionar todo</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Detalles</translation>
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
    <name>ErasingReturnView</name>
    <message>
        <source>Stopped by user</source>
        <translation>Detenido por el usuario</translation>
    </message>
    <message>
        <source>Data Deletion</source>
        <translation>Eliminación de datos</translation>
    </message>
    <message>
        <source>Data Erasure</source>
        <translation>Borrado de datos</translation>
    </message>
    <message>
        <source>             Fill the empty space on the device</source>
        <translation>             Rellenar el espacio libre del dispositivo</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Detenido</translation>
    </message>
    <message>
        <source>      Home</source>
        <translation>      Inicio</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>             Erase the fragments the chosen apps left behind</source>
        <translation>             Borrar los fragmentos que dejaron las apps elegidas</translation>
    </message>
    <message>
        <source>             Erase the selected files</source>
        <translation>             Borrar los archivos seleccionados</translation>
    </message>
    <message>
        <source>             Erase private data and system settings</source>
        <translation>             Borrar datos privados y ajustes del sistema</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Completado</translation>
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
    <name>FillDataProcessView</name>
    <message>
        <source>Overwriting all personal data</source>
        <translation>Sobrescribiendo todos los datos personales</translation>
    </message>
    <message>
        <source>1. You may see a &quot;Storage Almost Full&quot; prompt on the device. Please don&apos;t worry, tap Ǎone” to continue.</source>
        <translation>1. Es posible que vea el aviso &quot;Almacenamiento casi lleno&quot; en el dispositivo. No se preocupe: toque &quot;OK&quot; para continuar.</translation>
    </message>
    <message>
        <source>2. Please don’t disconnect the device.</source>
        <translation>2. No desconecte el dispositivo.</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Estimated time: 60 minutes</source>
        <translation>Tiempo estimado: 60 minutos</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Estimated time: 1 minutes</source>
        <translation>Tiempo estimado: 1 minuto</translation>
    </message>
    <message>
        <source>Estimated time: %1 minutes</source>
        <translation>Tiempo estimado: %1 minutos</translation>
    </message>
    <message>
        <source>It may damage your data or device if you stop the unrecoverable erasing process. Are you sure you want to stop now?</source>
        <translation>Si detiene el borrado definitivo, puede dañar los datos o el dispositivo. ¿Seguro que desea detenerlo ahora?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
</context>
<context>
    <name>ImageCompressionFinshed</name>
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
        <source>Crestline</source>
        <translation>Crestline</translation>
    </message>
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
        <source>%1 has been released!</source>
        <translation>¡Se han liberado %1!</translation>
    </message>
    <message>
        <source>%1 has been released.</source>
        <translation>Se han liberado %1.</translation>
    </message>
    <message>
        <source>Want to transfer music between iDevice and PC/iTunes, try &lt;a href=&quot;crestline&quot; style=&quot;color:#5695e8;&quot;&gt;Crestline&lt;/a&gt;.</source>
        <translation>¿Quiere transferir música entre su iDevice y el PC/iTunes? Pruebe &lt;a href=&quot;crestline&quot; style=&quot;color:#5695e8;&quot;&gt;Crestline&lt;/a&gt;.</translation>
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
        <source>Export and deletion of all the photos will save you up to %1</source>
        <translation>Exportar y eliminar todas las fotos le permite ahorrar hasta %1</translation>
    </message>
    <message>
        <source>%1 photos selected to save %2</source>
        <translation>%1 fotos seleccionadas para ahorrar %2</translation>
    </message>
</context>
<context>
    <name>ImagePreviewControls</name>
    <message>
        <source>%1 photos</source>
        <translation>%1 fotos</translation>
    </message>
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
        <source>%1 can be released.</source>
        <comment>%1 is a size</comment>
        <translation>Se pueden liberar %1.</translation>
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
    <message numerus="yes">
        <source>%n of the checked files are hidden by the filters. Back up and delete them as well?
&quot;Yes&quot; deletes every checked file, &quot;No&quot; only the files shown.</source>
        <translation>
            <numerusform>Los filtros ocultan %n de los archivos marcados. ¿Copiar y eliminar también los ocultos?
&quot;Sí&quot; elimina todos los archivos marcados; &quot;No&quot;, solo los que se muestran.</numerusform>
            <numerusform>Los filtros ocultan %n de los archivos marcados. ¿Copiar y eliminar también los ocultos?
&quot;Sí&quot; elimina todos los archivos marcados; &quot;No&quot;, solo los que se muestran.</numerusform>
        </translation>
    </message>
    <message>
        <source>Byte</source>
        <translation>Bytes</translation>
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
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
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
    <name>MessageView</name>
    <message>
        <source>Unknown</source>
        <translation>Desconocido</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Mensaje</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Text Message</source>
        <translation>Mensaje de texto</translation>
    </message>
    <message>
        <source>Text Messages</source>
        <translation>Mensajes de texto</translation>
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
        <translation>Título</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Detail</source>
        <translation>Detalle</translation>
    </message>
    <message>
        <source>Time: </source>
        <translation>Hora: </translation>
    </message>
    <message>
        <source>Title: </source>
        <translation>Título: </translation>
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
        <source>If you go back, the scanning result won&apos;t be saved. Are you sure you want to go back?</source>
        <translation>Si vuelve atrás, no se guardará el resultado del análisis. ¿Seguro que desea volver?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>About %1</source>
        <comment>approximately, %1 is a size</comment>
        <translation>Aprox. %1</translation>
    </message>
    <message>
        <source>You can save up to %1</source>
        <comment>%1 is a size</comment>
        <translation>Puede ahorrar hasta %1</translation>
    </message>
    <message>
        <source>%1 More can be freed up.</source>
        <comment>%1 is a size</comment>
        <translation>Se pueden liberar %1 más.</translation>
    </message>
    <message>
        <source>%1 has been released!</source>
        <comment>%1 is a size</comment>
        <translation>¡Se han liberado %1!</translation>
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
        <source>Last use:</source>
        <translation>Último uso:</translation>
    </message>
    <message>
        <source>Total space released:</source>
        <translation>Espacio total liberado:</translation>
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
    <message>
        <source>The device is not connected. Please connect it and try again.</source>
        <translation>El dispositivo no está conectado. Conéctelo y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>Scan completed! No need for further cleaning.</source>
        <translation>Análisis completado. No hace falta limpiar nada más.</translation>
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
    <message>
        <source>All the data has been erased.</source>
        <translation>Se han borrado todos los datos.</translation>
    </message>
    <message>
        <source>Data Analysis Failed</source>
        <translation>Error al analizar los datos</translation>
    </message>
    <message>
        <source>It failed to erasing data for unknown error. Please restart this program and try it again. (error code: %1)</source>
        <translation>No se pudieron borrar los datos por un error desconocido. Reinicie el programa y vuelva a intentarlo. (código de error: %1)</translation>
    </message>
    <message>
        <source>Data Erasing Failed</source>
        <translation>Error al borrar los datos</translation>
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
        <source>Erase Deleted Files</source>
        <translation>Borrar archivos eliminados</translation>
    </message>
    <message>
        <source>Selected files have been erased thoroughly.</source>
        <translation>Los archivos seleccionados se han borrado por completo.</translation>
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
    <message>
        <source>Erase Private Fragments  </source>
        <translation>Borrar fragmentos privados  </translation>
    </message>
    <message>
        <source>Seleted data have been erased completely.</source>
        <translation>Los datos seleccionados se han borrado por completo.</translation>
    </message>
    <message>
        <source>Data Analysis Failed</source>
        <translation>Error al analizar los datos</translation>
    </message>
    <message>
        <source>The fragments of %1 cannot be erased on this device. Nothing was erased.</source>
        <translation>Los fragmentos de %1 no se pueden borrar en este dispositivo. No se ha borrado nada.</translation>
    </message>
    <message>
        <source>Data Erasing Failed</source>
        <translation>Error al borrar los datos</translation>
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
        <source>Erase Private Data</source>
        <translation>Borrar datos privados</translation>
    </message>
    <message>
        <source>Selected files have been erased thoroughly.</source>
        <translation>Los archivos seleccionados se han borrado por completo.</translation>
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
    <message>
        <source>Sending your feedback...</source>
        <translation>Enviando sus comentarios...</translation>
    </message>
    <message>
        <source>Feedback is not set up on this computer, so your message could not be sent. Your text is kept in this window.</source>
        <translation>El envío de comentarios no está configurado en este ordenador, así que no se pudo enviar su mensaje. Su texto se conserva en esta ventana.</translation>
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
    <name>OvFragmentAppItem</name>
    <message>
        <source>No data</source>
        <translation>Sin datos</translation>
    </message>
    <message>
        <source>Nothing of %1 was found on the device.</source>
        <translation>No se ha encontrado nada de %1 en el dispositivo.</translation>
    </message>
</context>
<context>
    <name>OvFragmentAppView</name>
    <message>
        <source>Permanently Erase Private Fragments - Make sure your private data stays private and is away from privacy leak.</source>
        <translation>Borrar fragmentos privados para siempre: mantenga sus datos privados a salvo de filtraciones.</translation>
    </message>
    <message>
        <source>     Back</source>
        <translation>     Atrás</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Erase Now</source>
        <translation>Borrar ahora</translation>
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
</context>
<context>
    <name>OvProgressBarGif</name>
    <message>
        <source>About %1 Minute(s)</source>
        <translation>Unos %1 minuto(s)</translation>
    </message>
</context>
<context>
    <name>OvScanResultView</name>
    <message>
        <source>Deleted Data</source>
        <translation>Datos eliminados</translation>
    </message>
    <message>
        <source>    Private Data</source>
        <translation>    Datos privados</translation>
    </message>
    <message>
        <source>Scanning, please wait...</source>
        <translation>Analizando, espere...</translation>
    </message>
    <message>
        <source>Scan progress</source>
        <translation>Progreso del análisis</translation>
    </message>
    <message>
        <source> Stop</source>
        <translation> Detener</translation>
    </message>
    <message>
        <source>Data categories</source>
        <translation>Categorías de datos</translation>
    </message>
    <message>
        <source>No data scanned?Please confirm your device can be backed up	</source>
        <translation>¿No se encontraron datos? Compruebe que puede hacer una copia de seguridad del dispositivo	</translation>
    </message>
    <message>
        <source>via itunes.if so,please</source>
        <translation>con iTunes. Si es así,</translation>
    </message>
    <message>
        <source>click here</source>
        <translation>haga clic aquí</translation>
    </message>
    <message>
        <source>records detected.</source>
        <translation>registros detectados.</translation>
    </message>
    <message>
        <source>   Back</source>
        <translation>   Atrás</translation>
    </message>
    <message>
        <source>Erase Now</source>
        <translation>Borrar ahora</translation>
    </message>
    <message>
        <source>No data scanned</source>
        <translation>No se encontraron datos</translation>
    </message>
    <message>
        <source>Click a category on the left to see its records.</source>
        <translation>Haga clic en una categoría de la izquierda para ver sus registros.</translation>
    </message>
    <message>
        <source>If you stop scanning, some data won&apos;t be detected. Are you sure to stop?</source>
        <translation>Si detiene el análisis, algunos datos no se detectarán. ¿Seguro que desea detenerlo?</translation>
    </message>
    <message>
        <source> (%1)</source>
        <translation> (%1)</translation>
    </message>
    <message>
        <source>The records of this category cannot be shown.</source>
        <translation>Los registros de esta categoría no se pueden mostrar.</translation>
    </message>
    <message>
        <source>If you go back, the scanning result won&apos;t be saved. Are you sure you want to go back?</source>
        <translation>Si vuelve atrás, no se guardará el resultado del análisis. ¿Seguro que desea volver?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Mensajes</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Contactos</translation>
    </message>
    <message>
        <source>Calendar,
Reminder</source>
        <translation>Calendario,
Recordatorios</translation>
    </message>
    <message>
        <source>Call History</source>
        <translation>Historial de llamadas</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>Safari History</source>
        <translation>Historial de Safari</translation>
    </message>
    <message>
        <source>Bookmark</source>
        <translation>Marcadores</translation>
    </message>
    <message>
        <source>Photos &amp;
Videos</source>
        <translation>Fotos y
vídeos</translation>
    </message>
    <message>
        <source>Voice Memo</source>
        <translation>Notas de voz</translation>
    </message>
    <message>
        <source>WeChat</source>
        <translation>WeChat</translation>
    </message>
    <message>
        <source>Safari Cookie</source>
        <translation>Cookies de Safari</translation>
    </message>
    <message>
        <source>Safari Cache</source>
        <translation>Caché de Safari</translation>
    </message>
    <message>
        <source>Message 
Attachment</source>
        <translation>Adjuntos de 
mensajes</translation>
    </message>
    <message>
        <source>Note 
Attachment</source>
        <translation>Adjuntos de 
notas</translation>
    </message>
    <message>
        <source>WhatsApp</source>
        <translation>WhatsApp</translation>
    </message>
    <message>
        <source>WhatsApp
Attachments</source>
        <translation>Adjuntos de
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
        <translation>Adjuntos de 
Kik</translation>
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
    <name>OvWechatView</name>
    <message>
        <source>Unknown</source>
        <translation>Desconocido</translation>
    </message>
    <message>
        <source>WeChat</source>
        <translation>WeChat</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
</context>
<context>
    <name>OvWhatsappView</name>
    <message>
        <source>Unknown</source>
        <translation>Desconocido</translation>
    </message>
    <message>
        <source>WhatsApp Attachments</source>
        <translation>Adjuntos de WhatsApp</translation>
    </message>
    <message>
        <source>WhatsApp</source>
        <translation>WhatsApp</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
</context>
<context>
    <name>PhotoView</name>
    <message>
        <source>Select All</source>
        <translation>Seleccionar todo</translation>
    </message>
    <message>
        <source>Photos &amp; Videos</source>
        <translation>Fotos y vídeos</translation>
    </message>
    <message>
        <source>Unknown date</source>
        <translation>Fecha desconocida</translation>
    </message>
    <message>
        <source>Show day</source>
        <translation>Mostrar día</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Todo</translation>
    </message>
    <message>
        <source>%1 items</source>
        <translation>%1 elementos</translation>
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
    <name>SafariCache</name>
    <message>
        <source>Safari Cache</source>
        <translation>Caché de Safari</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Seleccionar todo</translation>
    </message>
</context>
<context>
    <name>SafariCacheModel</name>
    <message>
        <source>Other</source>
        <translation>Otros</translation>
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
        <translation>Cantidad</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
</context>
<context>
    <name>SafariCookie</name>
    <message>
        <source>Safari Cookie</source>
        <translation>Cookies de Safari</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Created</source>
        <translation>Creación</translation>
    </message>
    <message>
        <source>Expired</source>
        <translation>Caducidad</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
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
        <translation>Historial de Safari</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Título</translation>
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
    <name>ScanAnalyzeView</name>
    <message>
        <source>Analysis progress</source>
        <translation>Progreso del análisis</translation>
    </message>
    <message>
        <source>Loading data, please wait...</source>
        <translation>Cargando datos, espere...</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>It failed to analyze your device. Please set up your iDevice first. Make sure you can access the Home screen and try it again. (error code: %1)</source>
        <translation>No se pudo analizar el dispositivo. Configure primero su iDevice, asegúrese de que puede acceder a la pantalla de inicio y vuelva a intentarlo. (código de error: %1)</translation>
    </message>
    <message>
        <source>Your PC doesn&apos;t have enough storage for data processing. Please free up space in the disk which has the most available space and try it again. (error code: %1)</source>
        <translation>El ordenador no tiene espacio suficiente para procesar los datos. Libere espacio en el disco con más espacio disponible y vuelva a intentarlo. (código de error: %1)</translation>
    </message>
    <message>
        <source>Please unlock your device and tap &quot;Trust&quot; from the pop-up alert on your device before you continue. (error code: %1)</source>
        <translation>Desbloquee el dispositivo y toque &quot;Confiar&quot; en el aviso que aparece en él antes de continuar. (código de error: %1)</translation>
    </message>
    <message>
        <source>Your iDevice storage is almost full. Please free up your iPhone space and try it again. (error code: %1)</source>
        <translation>El almacenamiento de su iDevice está casi lleno. Libere espacio en el iPhone y vuelva a intentarlo. (código de error: %1)</translation>
    </message>
    <message>
        <source>There may be unknown error with your iTunes. Please uninstall and reinstall iTunes to fix. Make sure you have the latest version of iTunes and try it again. (error code: %1)</source>
        <translation>Puede que iTunes tenga un error desconocido. Desinstale y vuelva a instalar iTunes para solucionarlo. Asegúrese de tener la última versión de iTunes y vuelva a intentarlo. (código de error: %1)</translation>
    </message>
    <message>
        <source>Data Analysis Failed</source>
        <translation>Error al analizar los datos</translation>
    </message>
    <message>
        <source>If you stop analyzing, no data will be scanned. Are you sure to stop?</source>
        <translation>Si lo detiene ahora, no se analizará ningún dato. ¿Seguro que desea detenerlo?</translation>
    </message>
    <message>
        <source>Cancelling, please wait a moment ...</source>
        <translation>Cancelando, espere un momento...</translation>
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
<context>
    <name>VoiceMemos</name>
    <message>
        <source>Voice Memo</source>
        <translation>Notas de voz</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Seleccionar todo</translation>
    </message>
    <message>
        <source>Check All</source>
        <translation>Marcar todo</translation>
    </message>
    <message>
        <source>Uncheck All</source>
        <translation>Desmarcar todo</translation>
    </message>
</context>
<context>
    <name>WeChatContentShow</name>
    <message>
        <source>[Picture]</source>
        <translation>[Imagen]</translation>
    </message>
    <message>
        <source>[Voice]</source>
        <translation>[Mensaje de voz]</translation>
    </message>
    <message>
        <source>[Video]</source>
        <translation>[Vídeo]</translation>
    </message>
    <message>
        <source>[Voice call]</source>
        <translation>[Llamada de voz]</translation>
    </message>
    <message>
        <source>[Red packet]</source>
        <translation>[Sobre rojo]</translation>
    </message>
    <message>
        <source>[Location]</source>
        <translation>[Ubicación]</translation>
    </message>
    <message>
        <source>[Business card]</source>
        <translation>[Tarjeta de visita]</translation>
    </message>
</context>
</TS>
