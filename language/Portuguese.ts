<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_PT" sourcelanguage="en">
<context>
    <name>AppManagerSubWidget</name>
    <message>
        <source>Select</source>
        <translation>Selecionar</translation>
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
        <translation>Versão</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamanho</translation>
    </message>
    <message>
        <source>Removing</source>
        <translation>A remover</translation>
    </message>
    <message>
        <source>Removed</source>
        <translation>Removida</translation>
    </message>
    <message>
        <source>Apps</source>
        <translation>Apps</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Selecionar tudo</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remover</translation>
    </message>
    <message>
        <source>Remove the selected apps?</source>
        <translation>Remover as apps selecionadas?</translation>
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
        <translation>Selecionar</translation>
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
        <translation>Palavra-passe da cópia de segurança</translation>
    </message>
    <message>
        <source>Your iTunes backup had been password-encrypted. Please enter your password here to decrypt it. </source>
        <translation>A cópia de segurança do iTunes está encriptada com palavra-passe. Introduza a palavra-passe para a desencriptar. </translation>
    </message>
    <message>
        <source>  Password</source>
        <translation>  Palavra-passe</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Palavra-passe</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>Password can not be empty!</source>
        <translation>A palavra-passe não pode estar vazia!</translation>
    </message>
</context>
<context>
    <name>CEraseDataWid</name>
    <message>
        <source>Message</source>
        <translation>Mensagens</translation>
    </message>
    <message>
        <source>Call History</source>
        <translation>Histórico de chamadas</translation>
    </message>
    <message>
        <source>Safari Cookie</source>
        <translation>Cookies do Safari</translation>
    </message>
    <message>
        <source>Safari Cache</source>
        <translation>Cache do Safari</translation>
    </message>
    <message>
        <source>Safari History</source>
        <translation>Histórico do Safari</translation>
    </message>
    <message>
        <source>Photo &amp; Videos</source>
        <translation>Fotografias e vídeos</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>Message Attachment</source>
        <translation>Anexo de mensagem</translation>
    </message>
    <message>
        <source>Note Attachment</source>
        <translation>Anexo de nota</translation>
    </message>
    <message>
        <source>WhatsApp</source>
        <translation>WhatsApp</translation>
    </message>
    <message>
        <source>WhatsApp Attachments</source>
        <translation>Anexos do WhatsApp</translation>
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
        <translation>Anexo do Kik</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Contactos</translation>
    </message>
    <message>
        <source>Calendar , Reminder</source>
        <translation>Calendário, Lembretes</translation>
    </message>
    <message>
        <source>Bookmark</source>
        <translation>Marcadores</translation>
    </message>
    <message>
        <source>Voice Memo</source>
        <translation>Memorandos de voz</translation>
    </message>
    <message>
        <source>Warning:To avoid damage to thie device,please don&apos;t disconnect the device while erasing. </source>
        <translation>Aviso: para não danificar o dispositivo, não o desligue durante o apagamento. </translation>
    </message>
    <message>
        <source>The erase deleted data:</source>
        <translation>Dados eliminados apagados:</translation>
    </message>
    <message>
        <source>The App fragment erased:</source>
        <translation>Fragmentos de apps apagados:</translation>
    </message>
    <message>
        <source>The erase private data:</source>
        <translation>Dados privados apagados:</translation>
    </message>
</context>
<context>
    <name>CacheCleanProcessView</name>
    <message>
        <source>Clearing temporary files. Please do not use the device to avoid any problems.</source>
        <translation>A limpar ficheiros temporários. Não utilize o dispositivo para evitar problemas.</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>About %1 Minute(s)</source>
        <translation>Cerca de %1 minuto(s)</translation>
    </message>
    <message>
        <source>If you stop clearing, some data won&apos;t be deleted. Are you sure you want to stop?</source>
        <translation>Se parar a limpeza, alguns dados não serão eliminados. Tem a certeza de que pretende parar?</translation>
    </message>
</context>
<context>
    <name>CallLogView</name>
    <message>
        <source>Call History</source>
        <translation>Histórico de chamadas</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Phone Number</source>
        <translation>Número de telefone</translation>
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
        <translation>Hora</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>desconhecida</translation>
    </message>
    <message>
        <source>incoming</source>
        <translation>recebida</translation>
    </message>
    <message>
        <source>outgoing</source>
        <translation>efetuada</translation>
    </message>
    <message>
        <source>outgoing facetime</source>
        <translation>FaceTime efetuada</translation>
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
        <translation>Calendário</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Localização</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Início</translation>
    </message>
    <message>
        <source>Ends</source>
        <translation>Fim</translation>
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
        <translation>Sem mensagens</translation>
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
        <translation>Selecionar</translation>
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
        <translation>Iniciar apagamento definitivo   </translation>
    </message>
    <message>
        <source>1. You may get the notice &amp;quot;Storage Almost Full&amp;quot; prompt on the device. Please don&apos;t worry, tap &amp;quot;Done&amp;quot; to continue.</source>
        <translation>1. Pode aparecer o aviso &amp;quot;Armazenamento quase cheio&amp;quot; no dispositivo. Não se preocupe: toque em &amp;quot;OK&amp;quot; para continuar.</translation>
    </message>
    <message>
        <source>2. Please don&apos;t disconnect the device.</source>
        <translation>2. Não desligue o dispositivo.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progresso</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>0 %</source>
        <translation>0 %</translation>
    </message>
    <message>
        <source>Sorry, Fill failed!(error code: %1)</source>
        <translation>Não foi possível preencher o espaço livre. (código de erro: %1)</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>It may damage your data or device if you stop the unrecoverable erasing process. Are you sure you want to stop now?</source>
        <translation>Se parar o apagamento definitivo, pode danificar os dados ou o dispositivo. Tem a certeza de que pretende parar agora?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
</context>
<context>
    <name>ContactView</name>
    <message>
        <source>Unknown</source>
        <translation>Desconhecido</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Contacto</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>Empresa</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Telefone</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>unknow</source>
        <translation>desconhecido</translation>
    </message>
    <message>
        <source>Phone : </source>
        <translation>Telefone: </translation>
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
        <translation>Ligue o dispositivo iOS ao computador</translation>
    </message>
    <message>
        <source>Is your iDevice not being recognized?</source>
        <translation>O dispositivo iOS não é reconhecido?</translation>
    </message>
</context>
<context>
    <name>DevConnectView</name>
    <message>
        <source>Connecting the device, please wait for a moment...</source>
        <translation>A ligar ao dispositivo, aguarde um momento...</translation>
    </message>
</context>
<context>
    <name>DeviceConnectNullTipDialog</name>
    <message>
        <source>Your device is connected but unrecognized? Please try the following methods:</source>
        <translation>O dispositivo está ligado mas não é reconhecido? Experimente o seguinte:</translation>
    </message>
    <message>
        <source>Resolve Connection Issues&gt;&gt;</source>
        <translation>Resolver problemas de ligação&gt;&gt;</translation>
    </message>
    <message>
        <source>More Methods</source>
        <translation>Mais soluções</translation>
    </message>
    <message>
        <source>If your device boots up and is plugged via USB in PC</source>
        <translation>Se o dispositivo estiver ligado e conectado ao computador por USB</translation>
    </message>
    <message>
        <source>1. Ensure the latest version of iTunes is installed. Check if iTunes could recognize your device. Try to uninstall and reinstall iTunes. </source>
        <translation>1. Certifique-se de que tem instalada a versão mais recente do iTunes e verifique se o iTunes reconhece o dispositivo. Experimente desinstalar e reinstalar o iTunes. </translation>
    </message>
    <message>
        <source>2. Unplug and re-plug in the device. Reboot the device and plug in again.</source>
        <translation>2. Desligue o cabo do dispositivo e volte a ligá-lo. Reinicie o dispositivo e ligue-o novamente.</translation>
    </message>
    <message>
        <source>3. Use the USB cable that comes with your iDevice.  Try to use a USB port on the back of your computer.</source>
        <translation>3. Utilize o cabo USB fornecido com o dispositivo. Experimente uma porta USB na parte de trás do computador.</translation>
    </message>
</context>
<context>
    <name>DeviceInfoWidget</name>
    <message>
        <source>%1: %2 free of %3</source>
        <translation>%1: %2 livres de %3</translation>
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
        <translation>Livre: %1</translation>
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
        <translation>A analisar os dados, aguarde...</translation>
    </message>
    <message>
        <source>Erasing data, please wait...</source>
        <translation>A apagar os dados, aguarde...</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progresso</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Nothing was selected, so nothing was erased.</source>
        <translation>Nada foi selecionado, pelo que nada foi apagado.</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>Atenção</translation>
    </message>
    <message>
        <source>Restarting device,please wait...</source>
        <translation>A reiniciar o dispositivo, aguarde...</translation>
    </message>
    <message>
        <source>Your iDevice doesn&apos;t have enough storage to process data. Please free up your device space and try it again. (error code: %1)</source>
        <translation>O iDevice não tem espaço suficiente para processar os dados. Liberte espaço no dispositivo e tente novamente. (código de erro: %1)</translation>
    </message>
    <message>
        <source>There may be unknown error with your iTunes. Please uninstall and reinstall iTunes to fix. Make sure you have the latest version of iTunes and try it again. (error code: %1)</source>
        <translation>O iTunes pode ter um erro desconhecido. Desinstale e volte a instalar o iTunes para o resolver. Certifique-se de que tem a versão mais recente do iTunes e tente novamente. (código de erro: %1)</translation>
    </message>
    <message>
        <source>Data Erasing Failed</source>
        <translation>Falha ao apagar os dados</translation>
    </message>
    <message>
        <source>Restarting device, please wait...</source>
        <translation>A reiniciar o dispositivo, aguarde...</translation>
    </message>
    <message>
        <source>It may damage your data or device if you stop restarting. Are you sure you want to stop now?</source>
        <translation>Se interromper o reinício, pode danificar os dados ou o dispositivo. Tem a certeza de que pretende parar agora?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Cancelling, please wait a moment ...</source>
        <translation>A cancelar, aguarde um momento...</translation>
    </message>
    <message>
        <source>Connection timeout! Please simply disconnect your iDevice and reconnect it. Kindly wait for it to continue.</source>
        <translation>A ligação expirou. Desligue o iDevice e volte a ligá-lo. Aguarde até que o processo continue.</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Não</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
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
        <translation>Eliminação de dados</translation>
    </message>
    <message>
        <source>             Erase private data and system settings</source>
        <translation>             Apagar dados privados e definições do sistema</translation>
    </message>
    <message>
        <source>Data Erasure</source>
        <translation>Apagamento de dados</translation>
    </message>
    <message>
        <source>             Fill the empty space on the device</source>
        <translation>             Preencher o espaço livre do dispositivo</translation>
    </message>
    <message>
        <source>        Failed to erase some of the data: </source>
        <translation>        Não foi possível apagar alguns dados: </translation>
    </message>
    <message>
        <source>Why failed?</source>
        <translation>Porque falhou?</translation>
    </message>
    <message>
        <source>   Home</source>
        <translation>   Início</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Início</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Concluído</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Falhou</translation>
    </message>
    <message>
        <source>Operation stopped by user</source>
        <translation>Operação interrompida pelo utilizador</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Interrompido</translation>
    </message>
    <message>
        <source>Not started</source>
        <translation>Não iniciado</translation>
    </message>
    <message>
        <source>Operation error</source>
        <translation>Erro na operação</translation>
    </message>
    <message>
        <source>Not chosen</source>
        <translation>Não selecionado</translation>
    </message>
</context>
<context>
    <name>EraseAllDataFinishedView</name>
    <message>
        <source>Done</source>
        <translation>Concluído</translation>
    </message>
    <message>
        <source>Share it with your friends:</source>
        <translation>Partilhe com os seus amigos:</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Partilhar</translation>
    </message>
    <message>
        <source>Share on Facebook</source>
        <translation>Partilhar no Facebook</translation>
    </message>
    <message>
        <source>Share on Twitter</source>
        <translation>Partilhar no Twitter</translation>
    </message>
    <message>
        <source>Share on Google</source>
        <translation>Partilhar no Google</translation>
    </message>
    <message>
        <source>All the data has been erased.</source>
        <translation>Todos os dados foram apagados.</translation>
    </message>
</context>
<context>
    <name>EraseAllDataProcessView</name>
    <message>
        <source>Erase progress</source>
        <translation>Progresso do apagamento</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Scanning, please wait...</source>
        <translation>A analisar, aguarde...</translation>
    </message>
    <message>
        <source>Restarting device, please wait...</source>
        <translation>A reiniciar o dispositivo, aguarde...</translation>
    </message>
    <message>
        <source>Erasing, please wait...</source>
        <translation>A apagar, aguarde...</translation>
    </message>
    <message>
        <source>It may damage your data or device, if you stop. Are you sure you want to stop now?</source>
        <translation>Se parar, pode danificar os dados ou o dispositivo. Tem a certeza de que pretende parar agora?</translation>
    </message>
    <message>
        <source>It may damage your data or device if you stop restarting. Are you sure you want to stop now?</source>
        <translation>Se interromper o reinício, pode danificar os dados ou o dispositivo. Tem a certeza de que pretende parar agora?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Cancelling, please wait a moment ...</source>
        <translation>A cancelar, aguarde um momento...</translation>
    </message>
</context>
<context>
    <name>EraseAllDataView</name>
    <message>
        <source>Erase All Data</source>
        <translation>Apagar todos os dados</translation>
    </message>
    <message>
        <source>1. Please close all background apps, such as Music, Navigation, etc.</source>
        <translation>1. Feche todas as apps em segundo plano, como a Música ou as apps de navegação.</translation>
    </message>
    <message>
        <source>2. If there are any apps updating on the device, please wait for them to complete.</source>
        <translation>2. Se houver apps a atualizar no dispositivo, aguarde até terminarem.</translation>
    </message>
    <message>
        <source>3. Please make sure you have backed up any needed data.</source>
        <translation>3. Certifique-se de que fez uma cópia de segurança dos dados de que precisa.</translation>
    </message>
    <message>
        <source>Security Level:</source>
        <translation>Nível de segurança:</translation>
    </message>
    <message>
        <source>Please type</source>
        <translation>Introduza</translation>
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
        <translation>     Início</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Início</translation>
    </message>
    <message>
        <source>Erase Now</source>
        <translation>Apagar agora</translation>
    </message>
    <message>
        <source>delete</source>
        <translation>eliminar</translation>
    </message>
    <message>
        <source>Sorry, the input is not correct. Please type &quot;delete&quot; again.</source>
        <translation>O texto introduzido não está correto. Introduza &quot;eliminar&quot; novamente.</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>Atenção</translation>
    </message>
    <message>
        <source>This will completely erase all data of your device. Are you sure you want to continue?</source>
        <translation>Todos os dados do dispositivo serão apagados por completo. Tem a certeza de que pretende continuar?</translation>
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
        <translation>O dispositivo não está ligado. Ligue-o e tente novamente.</translation>
    </message>
</context>
<context>
    <name>EraseDataView</name>
    <message>
        <source>Erasing data...</source>
        <translation>A apagar dados...</translation>
    </message>
    <message>
        <source>Erase progress</source>
        <translation>Progresso do apagamento</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>It may damage your data or device if you stop erasing. Are you sure you want to stop now?</source>
        <translation>Se parar o apagamento, pode danificar os dados ou o dispositivo. Tem a certeza de que pretende parar agora?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
</context>
<context>
    <name>EraseImageControls</name>
    <message>
        <source>Photo</source>
        <translation>Fotografia</translation>
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
        <translation>Tamanho</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Desconhecido</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Message Attachment</source>
        <translation>Anexo de mensagem</translation>
    </message>
    <message>
        <source>Note Attachment</source>
        <translation>Anexo de nota</translation>
    </message>
    <message>
        <source>Kik Attachment</source>
        <translation>Anexo do Kik</translation>
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
        <translation>Apagar ficheiros eliminados</translation>
    </message>
    <message>
        <source>1. Please close all background apps, such as Music, Navigation, etc.</source>
        <translation>1. Feche todas as apps em segundo plano, como a Música ou as apps de navegação.</translation>
    </message>
    <message>
        <source>2. If there are any apps updating on the device, please wait for them to complete.</source>
        <translation>2. Se houver apps a atualizar no dispositivo, aguarde até terminarem.</translation>
    </message>
    <message>
        <source>3. Please make sure you have backed up any needed data.</source>
        <translation>3. Certifique-se de que fez uma cópia de segurança dos dados de que precisa.</translation>
    </message>
    <message>
        <source>Security Level:</source>
        <translation>Nível de segurança:</translation>
    </message>
    <message>
        <source>Please type</source>
        <translation>Introduza</translation>
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
        <translation>Introduza &quot;eliminar&quot; para confirmar</translation>
    </message>
    <message>
        <source>      Back</source>
        <translation>      Voltar</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>Erase Now</source>
        <translation>Apagar agora</translation>
    </message>
    <message>
        <source>Security Level: %1</source>
        <translation>Nível de segurança: %1</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Não</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
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
        <translation>O texto introduzido não está correto. Introduza &quot;eliminar&quot; novamente.</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>Atenção</translation>
    </message>
    <message>
        <source>Error index when posting task:%1</source>
        <translation>Erro de índice ao enviar a tarefa: %1</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Teste</translation>
    </message>
    <message>
        <source>messages of conversations that still exist</source>
        <translation>mensagens de conversas que ainda existem</translation>
    </message>
    <message>
        <source>contacts</source>
        <translation>contactos</translation>
    </message>
    <message>
        <source>calendar events and reminders</source>
        <translation>eventos do calendário e lembretes</translation>
    </message>
    <message>
        <source>bookmarks</source>
        <translation>marcadores</translation>
    </message>
    <message>
        <source>voice memos</source>
        <translation>memorandos de voz</translation>
    </message>
    <message>
        <source>Deleted %1 can only be erased all at once. Please tick all of them or none, then try again.</source>
        <translation>Estes dados eliminados só podem ser apagados todos de uma vez: %1. Marque todos ou nenhum e tente novamente.</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>Nothing is ticked in the checked categories, so there is nothing to erase. Please go back and tick what you want to erase.</source>
        <translation>Não há nada marcado nas categorias selecionadas, pelo que não há nada para apagar. Volte atrás e marque o que pretende apagar.</translation>
    </message>
    <message>
        <source>It will need about %1 minutes to erase data. If you stop when erasing, it may damage your device.  Are you sure to continue?</source>
        <translation>O apagamento dos dados demora cerca de %1 minutos. Se parar durante o apagamento, pode danificar o dispositivo. Tem a certeza de que pretende continuar?</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>The device is not connected. Nothing was erased.</source>
        <translation>O dispositivo não está ligado. Nada foi apagado.</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>Aviso</translation>
    </message>
</context>
<context>
    <name>EraseScanModel</name>
    <message>
        <source>Scan</source>
        <translation>Analisar</translation>
    </message>
</context>
<context>
    <name>EraseTabPage</name>
    <message>
        <source>Please set up and activate your device first before you use any other function.</source>
        <translation>Configure e ative o dispositivo antes de utilizar qualquer outra função.</translation>
    </message>
    <message>
        <source>note</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>your device has not been activated,please set your device!</source>
        <translation>O dispositivo não está ativado. Configure-o.</translation>
    </message>
    <message>
        <source>Password is not correct!</source>
        <translation>A palavra-passe não está correta!</translation>
    </message>
</context>
<context>
    <name>EraseTableView</name>
    <message>
        <source>Select all</source>
        <translation>Selecionar tudo</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Detalhes</translation>
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
        <translation>Os ficheiros da cópia de segurança estão encriptados com palavra-passe. Remova a encriptação no iTunes e tente novamente.</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informação</translation>
    </message>
    <message>
        <source>Please disable &quot;Find My iPhone&quot; on your device before you continue.</source>
        <translation>Desative &quot;Encontrar iPhone&quot; no dispositivo antes de continuar.</translation>
    </message>
    <message>
        <source>You must enter your password to unlock your device before continuing with Velmora Dravo Pro.</source>
        <translation>Introduza o código para desbloquear o dispositivo antes de continuar com o Velmora Dravo Pro.</translation>
    </message>
    <message>
        <source>How to remove your backup encryption?</source>
        <translation>Como remover a encriptação da cópia de segurança?</translation>
    </message>
    <message>
        <source>How do I turn off &quot;Find My iPhone&quot;?</source>
        <translation>Como desativo &quot;Encontrar iPhone&quot;?</translation>
    </message>
    <message>
        <source>This popup still appears even when &quot;Find My iPhone&quot; has been disabled?</source>
        <translation>Esta mensagem continua a aparecer mesmo com &quot;Encontrar iPhone&quot; desativado?</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Tentar novamente</translation>
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
        <translation>Interrompido pelo utilizador</translation>
    </message>
    <message>
        <source>Data Deletion</source>
        <translation>Eliminação de dados</translation>
    </message>
    <message>
        <source>Data Erasure</source>
        <translation>Apagamento de dados</translation>
    </message>
    <message>
        <source>             Fill the empty space on the device</source>
        <translation>             Preencher o espaço livre do dispositivo</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Interrompido</translation>
    </message>
    <message>
        <source>      Home</source>
        <translation>      Início</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Início</translation>
    </message>
    <message>
        <source>             Erase the fragments the chosen apps left behind</source>
        <translation>             Apagar os fragmentos deixados pelas apps escolhidas</translation>
    </message>
    <message>
        <source>             Erase the selected files</source>
        <translation>             Apagar os ficheiros selecionados</translation>
    </message>
    <message>
        <source>             Erase private data and system settings</source>
        <translation>             Apagar dados privados e definições do sistema</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Concluído</translation>
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
        <translation>A substituir todos os dados pessoais</translation>
    </message>
    <message>
        <source>1. You may see a &quot;Storage Almost Full&quot; prompt on the device. Please don&apos;t worry, tap Ǎone” to continue.</source>
        <translation>1. Pode aparecer o aviso &quot;Armazenamento quase cheio&quot; no dispositivo. Não se preocupe: toque em &quot;OK&quot; para continuar.</translation>
    </message>
    <message>
        <source>2. Please don’t disconnect the device.</source>
        <translation>2. Não desligue o dispositivo.</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Estimated time: 60 minutes</source>
        <translation>Tempo estimado: 60 minutos</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Estimated time: 1 minutes</source>
        <translation>Tempo estimado: 1 minuto</translation>
    </message>
    <message>
        <source>Estimated time: %1 minutes</source>
        <translation>Tempo estimado: %1 minutos</translation>
    </message>
    <message>
        <source>It may damage your data or device if you stop the unrecoverable erasing process. Are you sure you want to stop now?</source>
        <translation>Se parar o apagamento definitivo, pode danificar os dados ou o dispositivo. Tem a certeza de que pretende parar agora?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
</context>
<context>
    <name>ImageCompressionFinshed</name>
    <message>
        <source>Congratulations! Compressed successfully.</source>
        <translation>Parabéns! Comprimido com êxito.</translation>
    </message>
    <message>
        <source>Cleanup stopped!</source>
        <translation>Limpeza parada!</translation>
    </message>
    <message>
        <source>Congratulations! Cleanup completed.</source>
        <translation>Parabéns! Limpeza concluída.</translation>
    </message>
    <message>
        <source>Open Backup Folder</source>
        <translation>Abrir pasta da cópia</translation>
    </message>
    <message>
        <source>Compress stopped!</source>
        <translation>Compressão parada!</translation>
    </message>
    <message>
        <source>Congratulations! Deleted successfully.</source>
        <translation>Parabéns! Eliminado com êxito.</translation>
    </message>
    <message>
        <source>Open Export Folder</source>
        <translation>Abrir pasta de exportação</translation>
    </message>
    <message>
        <source>Congratulations! Exported successfully.</source>
        <translation>Parabéns! Exportado com êxito.</translation>
    </message>
    <message>
        <source>There is no large file to be deleted on your device.</source>
        <translation>Não há ficheiros grandes para eliminar no dispositivo.</translation>
    </message>
    <message>
        <source>All selected apps have been removed.</source>
        <translation>Todas as apps selecionadas foram removidas.</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Concluído</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Share it with your friends:</source>
        <translation>Partilhe com os seus amigos:</translation>
    </message>
    <message>
        <source>Share on Facebook</source>
        <translation>Partilhar no Facebook</translation>
    </message>
    <message>
        <source>Share on Twitter</source>
        <translation>Partilhar no Twitter</translation>
    </message>
    <message>
        <source>Share on Google</source>
        <translation>Partilhar no Google</translation>
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
        <translation>Foram libertados %1!</translation>
    </message>
    <message>
        <source>%1 has been released.</source>
        <translation>Foram libertados %1.</translation>
    </message>
    <message>
        <source>Want to transfer music between iDevice and PC/iTunes, try &lt;a href=&quot;crestline&quot; style=&quot;color:#5695e8;&quot;&gt;Crestline&lt;/a&gt;.</source>
        <translation>Quer transferir música entre o iDevice e o computador/iTunes? Experimente o &lt;a href=&quot;crestline&quot; style=&quot;color:#5695e8;&quot;&gt;Crestline&lt;/a&gt;.</translation>
    </message>
</context>
<context>
    <name>ImageCompressionScanReslut</name>
    <message>
        <source>Backup &amp; Compress</source>
        <translation>Copiar e comprimir</translation>
    </message>
    <message>
        <source>Export &amp; Delete</source>
        <translation>Exportar e eliminar</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>Lossless compression to free up about 75% of your camera’s photo space.</source>
        <translation>A compressão sem perdas liberta cerca de 75% do espaço das fotografias da câmara.</translation>
    </message>
    <message>
        <source>Export selected photos to PC and delete them from iOS device to save more space.</source>
        <translation>Exporte as fotografias selecionadas para o computador e elimine-as do dispositivo iOS para poupar mais espaço.</translation>
    </message>
    <message>
        <source>Before (26MB)</source>
        <translation>Antes (26MB)</translation>
    </message>
    <message>
        <source>After (1.2MB)</source>
        <translation>Depois (1.2MB)</translation>
    </message>
    <message>
        <source>&lt;font color = &apos;%1&apos;&gt;%2&lt;/font&gt; space can be saved by lossless photo compression.</source>
        <translation>A compressão sem perdas de fotografias pode poupar &lt;font color = &apos;%1&apos;&gt;%2&lt;/font&gt;.</translation>
    </message>
    <message>
        <source>Export and deletion of photos can help you save up to &lt;font color = &apos;%1&apos;&gt;%2&lt;/font&gt;</source>
        <translation>Exportar e eliminar fotografias pode poupar até &lt;font color = &apos;%1&apos;&gt;%2&lt;/font&gt;</translation>
    </message>
    <message>
        <source>The last compression saved %1.</source>
        <translation>A última compressão poupou %1.</translation>
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
        <translation>Selecionar tudo</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>Export Only</source>
        <translation>Só exportar</translation>
    </message>
    <message>
        <source>Backup &amp; Delete</source>
        <translation>Copiar e eliminar</translation>
    </message>
    <message>
        <source>Select the chosen date</source>
        <translation>Selecionar a data escolhida</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
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
        <translation>Exportar e eliminar todas as fotografias pode poupar até %1</translation>
    </message>
    <message>
        <source>%1 photos selected to save %2</source>
        <translation>%1 fotografias selecionadas para poupar %2</translation>
    </message>
</context>
<context>
    <name>ImagePreviewControls</name>
    <message>
        <source>%1 photos</source>
        <translation>%1 fotografias</translation>
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
        <translation>Fotografias</translation>
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
        <translation>Registos de falhas</translation>
    </message>
    <message>
        <source>Clear redundant system usage reports and application crash logs which are generated by iOS.</source>
        <translation>Apague os relatórios de utilização do sistema desnecessários e os registos de falhas de apps gerados pelo iOS.</translation>
    </message>
    <message>
        <source>Photo Caches</source>
        <translation>Caches de fotografias</translation>
    </message>
    <message>
        <source>Delete Camera Roll, Photo Stream and Photo Library cache files which are created by third-party apps.</source>
        <translation>Elimine os ficheiros de cache do Rolo da câmara, Fotos em sequência e Fototeca criados por apps de terceiros.</translation>
    </message>
    <message>
        <source>Downloaded Temp Files</source>
        <translation>Temporários de transferências</translation>
    </message>
    <message>
        <source>Remove those corrupted files which are produced due to the interruption whilst downloading and still remain in the temp file folder.</source>
        <translation>Remova os ficheiros danificados por transferências interrompidas que ficaram na pasta temporária.</translation>
    </message>
    <message>
        <source>User Storage Files</source>
        <translation>Ficheiros do utilizador</translation>
    </message>
    <message>
        <source>Eliminate the temp files in User Storage Directory which were generated by third-party apps.</source>
        <translation>Elimine os ficheiros temporários criados por apps de terceiros no diretório do utilizador.</translation>
    </message>
    <message>
        <source>iTunes Caches</source>
        <translation>Caches do iTunes</translation>
    </message>
    <message>
        <source>Clear up the incomplete files and traces produced when iTunes failed to sync.</source>
        <translation>Apague os ficheiros incompletos e vestígios deixados por sincronizações do iTunes que falharam.</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>Clean</source>
        <translation>Limpar</translation>
    </message>
    <message>
        <source>%1 can be released.</source>
        <comment>%1 is a size</comment>
        <translation>É possível libertar %1.</translation>
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
        <translation>Selecione um idioma</translation>
    </message>
    <message>
        <source>The progam will restart to apply your changes. Please wait.</source>
        <translation>O programa vai reiniciar para aplicar as alterações. Aguarde.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
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
        <translation>Selecionar</translation>
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
        <translation>Tamanho</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Mostrar</translation>
    </message>
    <message>
        <source>File above</source>
        <translation>Ficheiros acima de</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>Large files</source>
        <translation>Ficheiros grandes</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Selecionar tudo</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>Export Only</source>
        <translation>Só exportar</translation>
    </message>
    <message>
        <source>Back Up &amp; Delete</source>
        <translation>Copiar e eliminar</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Todos</translation>
    </message>
    <message numerus="yes">
        <source>%n of the checked files are hidden by the filters. Back up and delete them as well?
&quot;Yes&quot; deletes every checked file, &quot;No&quot; only the files shown.</source>
        <translation>
            <numerusform>Os filtros ocultam %n dos ficheiros assinalados. Copiar e eliminar também os ocultos?
&quot;Sim&quot; elimina todos os ficheiros assinalados; &quot;Não&quot; elimina apenas os que são mostrados.</numerusform>
            <numerusform>Os filtros ocultam %n dos ficheiros assinalados. Copiar e eliminar também os ocultos?
&quot;Sim&quot; elimina todos os ficheiros assinalados; &quot;Não&quot; elimina apenas os que são mostrados.</numerusform>
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
        <translation>A exportar fotografias. Não utilize o dispositivo para evitar erros.</translation>
    </message>
    <message>
        <source>Deleting photos, please do not use the device to avoid any abnormity.</source>
        <translation>A eliminar fotografias. Não utilize o dispositivo para evitar erros.</translation>
    </message>
    <message>
        <source>Deleting large files, please do not use the device to avoid any abnormity.</source>
        <translation>A eliminar ficheiros grandes. Não utilize o dispositivo para evitar erros.</translation>
    </message>
    <message>
        <source>Exporting large files, please do not use the device to avoid any abnormity.</source>
        <translation>A exportar ficheiros grandes. Não utilize o dispositivo para evitar erros.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progresso</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
</context>
<context>
    <name>MainView</name>
    <message>
        <source>Feedback</source>
        <translation>Comentários</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Ferramentas</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Tutorial</source>
        <translation>Tutorial</translation>
    </message>
    <message>
        <source>Frequently Asked Questions</source>
        <translation>Perguntas frequentes</translation>
    </message>
    <message>
        <source>Write a Product Review</source>
        <translation>Escrever uma opinião</translation>
    </message>
    <message>
        <source>Contact Us</source>
        <translation>Contacte-nos</translation>
    </message>
    <message>
        <source>View Facebook Fan Page</source>
        <translation>Ver página no Facebook</translation>
    </message>
    <message>
        <source>Follow Us on Twitter</source>
        <translation>Siga-nos no Twitter</translation>
    </message>
    <message>
        <source>Set Security Level</source>
        <translation>Nível de segurança</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>Procurar atualizações</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>1-Click
 Free Up Space</source>
        <translation>Libertar espaço
 com 1 clique</translation>
    </message>
    <message>
        <source>Erase All Data</source>
        <translation>Apagar todos os dados</translation>
    </message>
    <message>
        <source>Erase Deleted Files</source>
        <translation>Apagar ficheiros eliminados</translation>
    </message>
    <message>
        <source>Erase Private Data</source>
        <translation>Apagar dados privados</translation>
    </message>
    <message>
        <source>Erase Private Fragments</source>
        <translation>Apagar fragmentos privados</translation>
    </message>
    <message>
        <source>If you leave, the scanning result won&apos;t be saved. Are you sure you want to leave?</source>
        <translation>Se sair, o resultado da análise não será guardado. Tem a certeza de que pretende sair?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>PostConnectDevTask error!</source>
        <translation>Erro em PostConnectDevTask!</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Please unlock the device and trust the connection if needed. Then click Continue.</source>
        <translation>Desbloqueie o dispositivo e, se for pedido, confie nesta ligação. Depois, clique em Continuar.</translation>
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
        <translation>Tem de confiar no dispositivo!</translation>
    </message>
    <message>
        <source>slotConnToDev return value false!</source>
        <translation>slotConnToDev devolveu false!</translation>
    </message>
    <message>
        <source>Don&apos;t start iTunes and sync files when running the program to avoid data overwriting.</source>
        <translation>Não inicie o iTunes nem sincronize ficheiros enquanto o programa estiver em execução, para não substituir dados.</translation>
    </message>
    <message>
        <source>Velmora Dravo Pro</source>
        <translation>Velmora Dravo Pro</translation>
    </message>
    <message>
        <source>Are you sure you want to exit the program?</source>
        <translation>Tem a certeza de que pretende sair do programa?</translation>
    </message>
</context>
<context>
    <name>MessageView</name>
    <message>
        <source>Unknown</source>
        <translation>Desconhecido</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Mensagem</translation>
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
        <translation>Mensagem de texto</translation>
    </message>
    <message>
        <source>Text Messages</source>
        <translation>Mensagens de texto</translation>
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
        <translation>Data</translation>
    </message>
    <message>
        <source>Detail</source>
        <translation>Detalhe</translation>
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
        <translation>Ficheiros inúteis:</translation>
    </message>
    <message>
        <source>Temporary Files:</source>
        <translation>Ficheiros temporários:</translation>
    </message>
    <message>
        <source>Too few temporary files on your iPhone to clean.</source>
        <translation>O iPhone tem poucos ficheiros temporários para limpar.</translation>
    </message>
    <message>
        <source>Photos:</source>
        <translation>Fotografias:</translation>
    </message>
    <message>
        <source>Large Files:</source>
        <translation>Ficheiros grandes:</translation>
    </message>
    <message>
        <source>Apps:</source>
        <translation>Apps:</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>Rescan</source>
        <translation>Analisar novamente</translation>
    </message>
    <message>
        <source>If you go back, the scanning result won&apos;t be saved. Are you sure you want to go back?</source>
        <translation>Se voltar atrás, o resultado da análise não será guardado. Tem a certeza de que pretende voltar?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>About %1</source>
        <comment>approximately, %1 is a size</comment>
        <translation>Cerca de %1</translation>
    </message>
    <message>
        <source>You can save up to %1</source>
        <comment>%1 is a size</comment>
        <translation>Pode poupar até %1</translation>
    </message>
    <message>
        <source>%1 More can be freed up.</source>
        <comment>%1 is a size</comment>
        <translation>É possível libertar mais %1.</translation>
    </message>
    <message>
        <source>%1 has been released!</source>
        <comment>%1 is a size</comment>
        <translation>Foram libertados %1!</translation>
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
        <translation>Libertar espaço com 1 clique</translation>
    </message>
    <message>
        <source>Quick Scan</source>
        <translation>Análise rápida</translation>
    </message>
    <message>
        <source>Or scan one category:</source>
        <translation>Ou analise uma categoria:</translation>
    </message>
    <message>
        <source>Junk Files</source>
        <translation>Ficheiros inúteis</translation>
    </message>
    <message>
        <source>Temp Files</source>
        <translation>Temporários</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>Fotografias</translation>
    </message>
    <message>
        <source>Large Files</source>
        <translation>Ficheiros grandes</translation>
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
        <translation>Última utilização:</translation>
    </message>
    <message>
        <source>Total space released:</source>
        <translation>Espaço total libertado:</translation>
    </message>
</context>
<context>
    <name>OneKeyCommon</name>
    <message>
        <source>If you go back, the scanning result won&apos;t be saved. Are you sure you want to go back?</source>
        <translation>Se voltar atrás, o resultado da análise não será guardado. Tem a certeza de que pretende voltar?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>The device is not connected. Please connect it and try again.</source>
        <translation>O dispositivo não está ligado. Ligue-o e tente novamente.</translation>
    </message>
    <message>
        <source>Scan completed! No need for further cleaning.</source>
        <translation>Análise concluída! Não é necessário limpar mais nada.</translation>
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
        <translation>Limpar</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Concluído</translation>
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
        <translation>Apague para sempre os seus dados privados do iPhone/iPad/iPod!</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versão %1</translation>
    </message>
    <message>
        <source>Copyright © %1 Velmora Software. All rights reserved.</source>
        <translation>Copyright © %1 Velmora Software. Todos os direitos reservados.</translation>
    </message>
</context>
<context>
    <name>OvEraseAllDataModel</name>
    <message>
        <source>Erase All Data </source>
        <translation>Apagar todos os dados </translation>
    </message>
    <message>
        <source>Erase all data permanently and keep your private data completely gone.</source>
        <translation>Apague todos os dados para sempre e não deixe rasto dos seus dados privados.</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Apagar</translation>
    </message>
    <message>
        <source>All the data has been erased.</source>
        <translation>Todos os dados foram apagados.</translation>
    </message>
    <message>
        <source>Data Analysis Failed</source>
        <translation>Falha na análise dos dados</translation>
    </message>
    <message>
        <source>It failed to erasing data for unknown error. Please restart this program and try it again. (error code: %1)</source>
        <translation>Não foi possível apagar os dados devido a um erro desconhecido. Reinicie o programa e tente novamente. (código de erro: %1)</translation>
    </message>
    <message>
        <source>Data Erasing Failed</source>
        <translation>Falha ao apagar os dados</translation>
    </message>
</context>
<context>
    <name>OvEraseDeletedFilesModel</name>
    <message>
        <source>Erase Deleted Files </source>
        <translation>Apagar ficheiros eliminados </translation>
    </message>
    <message>
        <source>Erase deleted files outright and your secrets are gone forever.</source>
        <translation>Apague de vez os ficheiros eliminados e os seus segredos desaparecem para sempre.</translation>
    </message>
    <message>
        <source>Erase Deleted Files</source>
        <translation>Apagar ficheiros eliminados</translation>
    </message>
    <message>
        <source>Selected files have been erased thoroughly.</source>
        <translation>Os ficheiros selecionados foram apagados por completo.</translation>
    </message>
</context>
<context>
    <name>OvEraseFragmentDataModel</name>
    <message>
        <source>Erase Incomplete Private Fragments</source>
        <translation>Apagar fragmentos privados incompletos</translation>
    </message>
    <message>
        <source>The most complete and in-depth erasure for third-party Apps!</source>
        <translation>A eliminação mais completa e profunda para apps de terceiros!</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Analisar</translation>
    </message>
    <message>
        <source>Erase Private Fragments  </source>
        <translation>Apagar fragmentos privados  </translation>
    </message>
    <message>
        <source>Seleted data have been erased completely.</source>
        <translation>Os dados selecionados foram apagados por completo.</translation>
    </message>
    <message>
        <source>Data Analysis Failed</source>
        <translation>Falha na análise dos dados</translation>
    </message>
    <message>
        <source>The fragments of %1 cannot be erased on this device. Nothing was erased.</source>
        <translation>Os fragmentos de %1 não podem ser apagados neste dispositivo. Nada foi apagado.</translation>
    </message>
    <message>
        <source>Data Erasing Failed</source>
        <translation>Falha ao apagar os dados</translation>
    </message>
</context>
<context>
    <name>OvErasePrivateDataModel</name>
    <message>
        <source>Erase Private Data </source>
        <translation>Apagar dados privados </translation>
    </message>
    <message>
        <source>Erase paivate data securely and don&apos;t worry about security breaches.</source>
        <translation>Apague os dados privados com segurança e esqueça as fugas de informação.</translation>
    </message>
    <message>
        <source>Erase Private Data</source>
        <translation>Apagar dados privados</translation>
    </message>
    <message>
        <source>Selected files have been erased thoroughly.</source>
        <translation>Os ficheiros selecionados foram apagados por completo.</translation>
    </message>
</context>
<context>
    <name>OvFeedback</name>
    <message>
        <source>OvFeedback</source>
        <translation>Comentários</translation>
    </message>
    <message>
        <source>Send us your comments or technical problems about Velmora Dravo Pro.</source>
        <translation>Envie-nos os seus comentários ou problemas técnicos com o Velmora Dravo Pro.</translation>
    </message>
    <message>
        <source>E-mail:</source>
        <translation>E-mail:</translation>
    </message>
    <message>
        <source>Enter your email address</source>
        <translation>Introduza o seu endereço de e-mail</translation>
    </message>
    <message>
        <source>Content:</source>
        <translation>Mensagem:</translation>
    </message>
    <message>
        <source>If you have any comments or suggestions, please write directly to us.</source>
        <translation>Se tiver comentários ou sugestões, escreva-nos diretamente.</translation>
    </message>
    <message>
        <source>Attach the log file (check the box to send automatically).</source>
        <translation>Anexar o ficheiro de registo (assinale a caixa para o enviar automaticamente).</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Enviar</translation>
    </message>
    <message>
        <source>Please enter your email address.</source>
        <translation>Introduza o seu endereço de e-mail.</translation>
    </message>
    <message>
        <source>Please enter a valid email address.</source>
        <translation>Introduza um endereço de e-mail válido.</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Falhou</translation>
    </message>
    <message>
        <source>Submitted successfully.</source>
        <translation>Enviado com êxito.</translation>
    </message>
    <message>
        <source>Sending your feedback...</source>
        <translation>A enviar os seus comentários...</translation>
    </message>
    <message>
        <source>Feedback is not set up on this computer, so your message could not be sent. Your text is kept in this window.</source>
        <translation>O envio de comentários não está configurado neste computador, por isso não foi possível enviar a sua mensagem. O seu texto mantém-se nesta janela.</translation>
    </message>
</context>
<context>
    <name>OvFillDataProgressBar</name>
    <message>
        <source>Progress</source>
        <translation>Progresso</translation>
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
        <translation>Sem dados</translation>
    </message>
    <message>
        <source>Nothing of %1 was found on the device.</source>
        <translation>Não foi encontrado nada de %1 no dispositivo.</translation>
    </message>
</context>
<context>
    <name>OvFragmentAppView</name>
    <message>
        <source>Permanently Erase Private Fragments - Make sure your private data stays private and is away from privacy leak.</source>
        <translation>Apagar fragmentos privados para sempre: mantenha os seus dados privados a salvo de fugas de informação.</translation>
    </message>
    <message>
        <source>     Back</source>
        <translation>     Voltar</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>Erase Now</source>
        <translation>Apagar agora</translation>
    </message>
    <message>
        <source>If you go back, the scanning result won&apos;t be saved. Are you sure you want to go back?</source>
        <translation>Se voltar atrás, o resultado da análise não será guardado. Tem a certeza de que pretende voltar?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
</context>
<context>
    <name>OvMessageBox</name>
    <message>
        <source>Yes</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>Não</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Não</translation>
    </message>
</context>
<context>
    <name>OvOneKeyClearModel</name>
    <message>
        <source>Cleaning failed for some unknown errors. Please try it again.</source>
        <translation>A limpeza falhou devido a um erro desconhecido. Tente novamente.</translation>
    </message>
</context>
<context>
    <name>OvProgressBarGif</name>
    <message>
        <source>About %1 Minute(s)</source>
        <translation>Cerca de %1 minuto(s)</translation>
    </message>
</context>
<context>
    <name>OvScanResultView</name>
    <message>
        <source>Deleted Data</source>
        <translation>Dados eliminados</translation>
    </message>
    <message>
        <source>    Private Data</source>
        <translation>    Dados privados</translation>
    </message>
    <message>
        <source>Scanning, please wait...</source>
        <translation>A analisar, aguarde...</translation>
    </message>
    <message>
        <source>Scan progress</source>
        <translation>Progresso da análise</translation>
    </message>
    <message>
        <source> Stop</source>
        <translation> Parar</translation>
    </message>
    <message>
        <source>Data categories</source>
        <translation>Categorias de dados</translation>
    </message>
    <message>
        <source>No data scanned?Please confirm your device can be backed up	</source>
        <translation>Não foram encontrados dados? Confirme que é possível fazer uma cópia de segurança do dispositivo	</translation>
    </message>
    <message>
        <source>via itunes.if so,please</source>
        <translation>com o iTunes. Se for o caso,</translation>
    </message>
    <message>
        <source>click here</source>
        <translation>clique aqui</translation>
    </message>
    <message>
        <source>records detected.</source>
        <translation>registos detetados.</translation>
    </message>
    <message>
        <source>   Back</source>
        <translation>   Voltar</translation>
    </message>
    <message>
        <source>Erase Now</source>
        <translation>Apagar agora</translation>
    </message>
    <message>
        <source>No data scanned</source>
        <translation>Não foram encontrados dados</translation>
    </message>
    <message>
        <source>Click a category on the left to see its records.</source>
        <translation>Clique numa categoria à esquerda para ver os respetivos registos.</translation>
    </message>
    <message>
        <source>If you stop scanning, some data won&apos;t be detected. Are you sure to stop?</source>
        <translation>Se parar a análise, alguns dados não serão detetados. Tem a certeza de que pretende parar?</translation>
    </message>
    <message>
        <source> (%1)</source>
        <translation> (%1)</translation>
    </message>
    <message>
        <source>The records of this category cannot be shown.</source>
        <translation>Não é possível mostrar os registos desta categoria.</translation>
    </message>
    <message>
        <source>If you go back, the scanning result won&apos;t be saved. Are you sure you want to go back?</source>
        <translation>Se voltar atrás, o resultado da análise não será guardado. Tem a certeza de que pretende voltar?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Mensagens</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Contactos</translation>
    </message>
    <message>
        <source>Calendar,
Reminder</source>
        <translation>Calendário,
Lembretes</translation>
    </message>
    <message>
        <source>Call History</source>
        <translation>Histórico de chamadas</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>Safari History</source>
        <translation>Histórico do Safari</translation>
    </message>
    <message>
        <source>Bookmark</source>
        <translation>Marcadores</translation>
    </message>
    <message>
        <source>Photos &amp;
Videos</source>
        <translation>Fotografias e
vídeos</translation>
    </message>
    <message>
        <source>Voice Memo</source>
        <translation>Memorandos de voz</translation>
    </message>
    <message>
        <source>WeChat</source>
        <translation>WeChat</translation>
    </message>
    <message>
        <source>Safari Cookie</source>
        <translation>Cookies do Safari</translation>
    </message>
    <message>
        <source>Safari Cache</source>
        <translation>Cache do Safari</translation>
    </message>
    <message>
        <source>Message 
Attachment</source>
        <translation>Anexos de 
mensagens</translation>
    </message>
    <message>
        <source>Note 
Attachment</source>
        <translation>Anexos de 
notas</translation>
    </message>
    <message>
        <source>WhatsApp</source>
        <translation>WhatsApp</translation>
    </message>
    <message>
        <source>WhatsApp
Attachments</source>
        <translation>Anexos do
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
        <translation>Anexos do 
Kik</translation>
    </message>
</context>
<context>
    <name>OvStyleCheckBoxSubImageWidget</name>
    <message>
        <source>Select</source>
        <translation>Selecionar</translation>
    </message>
</context>
<context>
    <name>OvStyleProgressBar</name>
    <message>
        <source>Progress</source>
        <translation>Progresso</translation>
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
        <translation>A analisar o dispositivo. Não o utilize para evitar problemas.</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>If you stop scanning, some data won&apos;t be detected. Are you sure you want to stop?</source>
        <translation>Se parar a análise, alguns dados não serão detetados. Tem a certeza de que pretende parar?</translation>
    </message>
</context>
<context>
    <name>OvStyleTabelWidgetCheckBox</name>
    <message>
        <source>Select</source>
        <translation>Selecionar</translation>
    </message>
</context>
<context>
    <name>OvStyleWidgetTitle</name>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
</context>
<context>
    <name>OvWechatView</name>
    <message>
        <source>Unknown</source>
        <translation>Desconhecido</translation>
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
        <translation>Desconhecido</translation>
    </message>
    <message>
        <source>WhatsApp Attachments</source>
        <translation>Anexos do WhatsApp</translation>
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
        <translation>Tamanho</translation>
    </message>
</context>
<context>
    <name>PhotoView</name>
    <message>
        <source>Select All</source>
        <translation>Selecionar tudo</translation>
    </message>
    <message>
        <source>Photos &amp; Videos</source>
        <translation>Fotografias e vídeos</translation>
    </message>
    <message>
        <source>Unknown date</source>
        <translation>Data desconhecida</translation>
    </message>
    <message>
        <source>Show day</source>
        <translation>Mostrar dia</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Todos</translation>
    </message>
    <message>
        <source>%1 items</source>
        <translation>%1 itens</translation>
    </message>
</context>
<context>
    <name>RoundWidget</name>
    <message>
        <source>Used space</source>
        <translation>Espaço usado</translation>
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
        <translation>Cache do Safari</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Selecionar tudo</translation>
    </message>
</context>
<context>
    <name>SafariCacheModel</name>
    <message>
        <source>Other</source>
        <translation>Outros</translation>
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
        <translation>Quantidade</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamanho</translation>
    </message>
</context>
<context>
    <name>SafariCookie</name>
    <message>
        <source>Safari Cookie</source>
        <translation>Cookies do Safari</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Created</source>
        <translation>Criação</translation>
    </message>
    <message>
        <source>Expired</source>
        <translation>Expiração</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamanho</translation>
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
        <translation>Histórico do Safari</translation>
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
        <translation>Nível de segurança</translation>
    </message>
    <message>
        <source>Low Level (Quick Erasure)</source>
        <translation>Nível baixo (apagamento rápido)</translation>
    </message>
    <message>
        <source>The fastest channel to permanently delete your data, it&apos;s twice faster than the others. It will destroy your data to make sure that the files are not recoverable.</source>
        <translation>A forma mais rápida de eliminar os dados para sempre, duas vezes mais rápida do que as outras. Os dados são destruídos para que os ficheiros não possam ser recuperados.</translation>
    </message>
    <message>
        <source>Medium Level (1 Time, Recommended)</source>
        <translation>Nível médio (1 passagem, recomendado)</translation>
    </message>
    <message>
        <source>Velmora Dravo Pro will totally overwrite your private data to make sure that the files are 100% unrecoverable.</source>
        <translation>O Velmora Dravo Pro substitui por completo os seus dados privados para que os ficheiros fiquem 100% irrecuperáveis.</translation>
    </message>
    <message>
        <source>High Level (2 Times)</source>
        <translation>Nível alto (2 passagens)</translation>
    </message>
    <message>
        <source>This option is highly recommended if you saved any private files (e.g. bank records, passwords, financial data, etc.) on your device. The applied security standard is according to the U.S. DoD 5220.22-M.</source>
        <translation>Opção muito recomendada se guardou ficheiros privados (por exemplo, dados bancários, palavras-passe, dados financeiros) no dispositivo. A norma de segurança aplicada é a DoD 5220.22-M dos EUA.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
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
        <translation>Baixo</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Médio</translation>
    </message>
</context>
<context>
    <name>ScanAnalyzeView</name>
    <message>
        <source>Analysis progress</source>
        <translation>Progresso da análise</translation>
    </message>
    <message>
        <source>Loading data, please wait...</source>
        <translation>A carregar dados, aguarde...</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>It failed to analyze your device. Please set up your iDevice first. Make sure you can access the Home screen and try it again. (error code: %1)</source>
        <translation>Não foi possível analisar o dispositivo. Configure primeiro o iDevice, certifique-se de que consegue aceder ao ecrã principal e tente novamente. (código de erro: %1)</translation>
    </message>
    <message>
        <source>Your PC doesn&apos;t have enough storage for data processing. Please free up space in the disk which has the most available space and try it again. (error code: %1)</source>
        <translation>O computador não tem espaço suficiente para processar os dados. Liberte espaço no disco com mais espaço disponível e tente novamente. (código de erro: %1)</translation>
    </message>
    <message>
        <source>Please unlock your device and tap &quot;Trust&quot; from the pop-up alert on your device before you continue. (error code: %1)</source>
        <translation>Desbloqueie o dispositivo e toque em &quot;Confiar&quot; no aviso apresentado no dispositivo antes de continuar. (código de erro: %1)</translation>
    </message>
    <message>
        <source>Your iDevice storage is almost full. Please free up your iPhone space and try it again. (error code: %1)</source>
        <translation>O armazenamento do iDevice está quase cheio. Liberte espaço no iPhone e tente novamente. (código de erro: %1)</translation>
    </message>
    <message>
        <source>There may be unknown error with your iTunes. Please uninstall and reinstall iTunes to fix. Make sure you have the latest version of iTunes and try it again. (error code: %1)</source>
        <translation>O iTunes pode ter um erro desconhecido. Desinstale e volte a instalar o iTunes para o resolver. Certifique-se de que tem a versão mais recente do iTunes e tente novamente. (código de erro: %1)</translation>
    </message>
    <message>
        <source>Data Analysis Failed</source>
        <translation>Falha na análise dos dados</translation>
    </message>
    <message>
        <source>If you stop analyzing, no data will be scanned. Are you sure to stop?</source>
        <translation>Se parar agora, nenhum dado será analisado. Tem a certeza de que pretende parar?</translation>
    </message>
    <message>
        <source>Cancelling, please wait a moment ...</source>
        <translation>A cancelar, aguarde um momento...</translation>
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
        <translation>Parar</translation>
    </message>
    <message>
        <source>Exporting photos </source>
        <translation>A exportar fotografias </translation>
    </message>
    <message>
        <source>You are saving </source>
        <translation>Está a poupar </translation>
    </message>
    <message>
        <source>Clearing junk files. Please wait. </source>
        <translation>A limpar ficheiros inúteis. Aguarde. </translation>
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
        <translation>Em espera</translation>
    </message>
</context>
<context>
    <name>VoiceMemos</name>
    <message>
        <source>Voice Memo</source>
        <translation>Memorandos de voz</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Selecionar tudo</translation>
    </message>
    <message>
        <source>Check All</source>
        <translation>Marcar tudo</translation>
    </message>
    <message>
        <source>Uncheck All</source>
        <translation>Desmarcar tudo</translation>
    </message>
</context>
<context>
    <name>WeChatContentShow</name>
    <message>
        <source>[Picture]</source>
        <translation>[Imagem]</translation>
    </message>
    <message>
        <source>[Voice]</source>
        <translation>[Mensagem de voz]</translation>
    </message>
    <message>
        <source>[Video]</source>
        <translation>[Vídeo]</translation>
    </message>
    <message>
        <source>[Voice call]</source>
        <translation>[Chamada de voz]</translation>
    </message>
    <message>
        <source>[Red packet]</source>
        <translation>[Envelope vermelho]</translation>
    </message>
    <message>
        <source>[Location]</source>
        <translation>[Localização]</translation>
    </message>
    <message>
        <source>[Business card]</source>
        <translation>[Cartão de visita]</translation>
    </message>
</context>
</TS>
