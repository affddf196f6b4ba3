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
        <source>The device is not connected. Please connect it and try again.</source>
        <translation>O dispositivo não está ligado. Ligue-o e tente novamente.</translation>
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
    <name>CommonImgCtrl</name>
    <message>
        <source>Select</source>
        <translation>Selecionar</translation>
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
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Free</source>
        <translation>Livre</translation>
    </message>
    <message>
        <source>Used</source>
        <translation>Usado</translation>
    </message>
    <message>
        <source>%1: %2 free of %3</source>
        <translation>%1: %2 livres de %3</translation>
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
        <translation>libertados!</translation>
    </message>
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
        <source>has been released.</source>
        <translation>libertados.</translation>
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
        <source>Want to transfer music between iDevice and PC/iTunes,</source>
        <translation>Quer transferir música entre o dispositivo iOS e o computador/iTunes?</translation>
    </message>
    <message>
        <source>try &lt;a href=&quot;crestline&quot; style=&quot;color:#5695e8;&quot;&gt;Crestline&lt;/a&gt;.</source>
        <translation>Experimente o &lt;a href=&quot;crestline&quot; style=&quot;color:#5695e8;&quot;&gt;Crestline&lt;/a&gt;.</translation>
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
        <source>Export and deletion of all the photos will save you up to</source>
        <translation>Exportar e eliminar todas as fotografias poupa até</translation>
    </message>
    <message>
        <source>photos selected to save</source>
        <translation>fotografias selecionadas; poupança:</translation>
    </message>
</context>
<context>
    <name>ImagePreviewControls</name>
    <message>
        <source>%1 photos</source>
        <translation>%1 fotografias</translation>
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
        <source>can be released.</source>
        <translation>podem ser libertados.</translation>
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
    <message>
        <source>The device is not connected. Please connect it and try again.</source>
        <translation>O dispositivo não está ligado. Ligue-o e tente novamente.</translation>
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
        <translation>Cerca de</translation>
    </message>
    <message>
        <source>You can save up to </source>
        <translation>Pode poupar até </translation>
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
        <source> More can be freed up.</source>
        <translation> ainda podem ser libertados.</translation>
    </message>
    <message>
        <source> has been released!</source>
        <translation> libertados!</translation>
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
        <source>Last use</source>
        <translation>Última utilização</translation>
    </message>
    <message>
        <source>Total space released</source>
        <translation>Espaço libertado no total</translation>
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
        <source>Scan completed! No need for further cleaning.</source>
        <translation>Análise concluída! Não é necessária mais limpeza.</translation>
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
        <source>Scan</source>
        <translation>Analisar</translation>
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
        <source>Scan</source>
        <translation>Analisar</translation>
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
    <message>
        <source>The device is not connected. Please connect it and try again.</source>
        <translation>O dispositivo não está ligado. Ligue-o e tente novamente.</translation>
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
</TS>
