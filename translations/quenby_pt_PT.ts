<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_PT">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Copyright © Quenby. All rights reserved.</source>
        <translation>Copyright © Quenby. Todos os direitos reservados.</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Closes this About box.</extracomment>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Website:</source>
        <translation>Site:</translation>
    </message>
    <message>
        <source>Version: %1.%2.%3 (Beta)</source>
        <extracomment>%1, %2 and %3: the parts of the version number, as in 1.4.2.</extracomment>
        <translation>Versão: %1.%2.%3 (Beta)</translation>
    </message>
    <message>
        <source>for Windows %1</source>
        <extracomment>%1: the Windows version the panel runs on, 10 or 11.</extracomment>
        <translation>para Windows %1</translation>
    </message>
</context>
<context>
    <name>GraphForm</name>
    <message>
        <source>Usage graph of the free RAM</source>
        <translation>Gráfico da RAM livre</translation>
    </message>
    <message>
        <source>%1% of RAM free</source>
        <extracomment>Read by screen readers for the usage graph. %1: the free share of the RAM in percent; the % after it is the percent sign.</extracomment>
        <translation>%1% de RAM livre</translation>
    </message>
</context>
<context>
    <name>HistoryPage</name>
    <message>
        <source>Low free RAM</source>
        <comment>what started a recovery</comment>
        <translation>Pouca RAM livre</translation>
    </message>
    <message>
        <source>Every few minutes</source>
        <comment>what started a recovery: the periodic rule</comment>
        <translation>Periodicamente</translation>
    </message>
    <message>
        <source>Startup</source>
        <comment>what started a recovery: the recovery after Quenby starts</comment>
        <translation>Arranque</translation>
    </message>
    <message>
        <source>Tray menu</source>
        <comment>what started a recovery</comment>
        <translation>Menu da área de notificação</translation>
    </message>
    <message>
        <source>Hot key</source>
        <comment>what started a recovery</comment>
        <translation>Tecla de atalho</translation>
    </message>
    <message>
        <source>Request</source>
        <comment>what started a recovery: another program (the command line) asked</comment>
        <translation>Pedido de outro programa</translation>
    </message>
    <message>
        <source>Ran</source>
        <translation>Executada</translation>
    </message>
    <message>
        <source>Did not run: the processor was busy</source>
        <translation>Não executada: o processador estava ocupado</translation>
    </message>
    <message>
        <source>Did not run: another user&apos;s recovery was running</source>
        <translation>Não executada: estava em curso a libertação de outro utilizador</translation>
    </message>
    <message>
        <source>Did not run: a full-screen program was running</source>
        <translation>Não executada: estava em execução um programa em ecrã inteiro</translation>
    </message>
    <message>
        <source>Did not run: a protected program was running</source>
        <translation>Não executada: estava em execução um programa protegido</translation>
    </message>
    <message>
        <source>Did not run: paused after a recovery that could not help</source>
        <translation>Não executada: em pausa após uma libertação que não ajudou</translation>
    </message>
    <message>
        <source>Did not run: more than three quarters of the RAM was free</source>
        <translation>Não executada: mais de três quartos da RAM estavam livres</translation>
    </message>
    <message>
        <source>No recovery yet.</source>
        <translation>Ainda não houve nenhuma libertação.</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Quando</translation>
    </message>
    <message>
        <source>Started by</source>
        <translation>Iniciada por</translation>
    </message>
    <message>
        <source>What happened</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Before (MB)</source>
        <comment>column: free RAM before the recovery, in megabytes</comment>
        <translation>Antes (MB)</translation>
    </message>
    <message>
        <source>After (MB)</source>
        <comment>column: free RAM after the recovery, in megabytes</comment>
        <translation>Depois (MB)</translation>
    </message>
    <message>
        <source>Used (MB)</source>
        <comment>column: the megabytes the recovery allocated and released</comment>
        <translation>Utilizada (MB)</translation>
    </message>
    <message>
        <source>Seconds</source>
        <comment>column: how long the recovery took</comment>
        <translation>Segundos</translation>
    </message>
    <message>
        <source>Free RAM before the recovery</source>
        <translation>RAM livre antes da libertação</translation>
    </message>
    <message>
        <source>Free RAM after the recovery</source>
        <translation>RAM livre depois da libertação</translation>
    </message>
    <message>
        <source>The RAM the recovery took for a moment and gave back</source>
        <translation>A RAM que a libertação ocupou por um momento e devolveu</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Total RAM: n/a</source>
        <translation>RAM total: n/d</translation>
    </message>
    <message>
        <source>Available RAM: n/a</source>
        <translation>RAM disponível: n/d</translation>
    </message>
    <message>
        <source>CPU Usage: n/a</source>
        <translation>Utilização da CPU: n/d</translation>
    </message>
    <message>
        <source>Free-up RAM</source>
        <extracomment>The title of the group with the two sliders that set the free-RAM levels.</extracomment>
        <translation>Libertar RAM</translation>
    </message>
    <message>
        <source>Target Free RAM:</source>
        <translation>Objetivo de RAM livre:</translation>
    </message>
    <message>
        <source>Minimum Free RAM:</source>
        <translation>RAM livre mínima:</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>Save</source>
        <extracomment>Stores the two free-RAM levels set with the sliders.</extracomment>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Enable RAM Optimizer</source>
        <translation>Ativar otimizador de RAM</translation>
    </message>
    <message>
        <source>Disable</source>
        <extracomment>Switches the automatic recovery off; the button then reads “Enable RAM Optimizer”.</extracomment>
        <translation>Desativar</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Ends the tray engine (the RAM optimizer itself), not only this window.</extracomment>
        <translation>Sair</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>O ficheiro não existe.</translation>
    </message>
    <message>
        <source>You are not allowed to run this file.</source>
        <translation>Não tem permissão para executar este ficheiro.</translation>
    </message>
    <message>
        <source>The file is not a program that can be run.</source>
        <translation>O ficheiro não é um programa executável.</translation>
    </message>
    <message>
        <source>There is not enough memory to start it.</source>
        <translation>Não existe memória suficiente para o iniciar.</translation>
    </message>
    <message>
        <source>The system refused to start it (error %1).</source>
        <extracomment>Why the tray engine could not be started. %1: Windows&apos; error number.</extracomment>
        <translation>O sistema recusou-se a iniciá-lo (erro %1).</translation>
    </message>
    <message>
        <source>The RAM optimizer could not be started from %1.</source>
        <extracomment>%1: the full path of the tray engine&apos;s program file; a sentence saying why follows on the next line.</extracomment>
        <translation>Não foi possível iniciar o otimizador de RAM a partir de %1.</translation>
    </message>
    <message>
        <source>Total RAM: %1MB</source>
        <extracomment>%1: megabytes of RAM installed, a whole number.</extracomment>
        <translation>RAM total: %1 MB</translation>
    </message>
    <message>
        <source>Available RAM: %1MB (%2%)</source>
        <extracomment>%1: megabytes of RAM available now; %2: that as a share of all RAM, in percent (the % after it is the percent sign).</extracomment>
        <translation>RAM disponível: %1 MB (%2%)</translation>
    </message>
    <message>
        <source>CPU Usages: %1%</source>
        <extracomment>%1: the processor load of the last second in percent; the % after it is the percent sign.</extracomment>
        <translation>Utilização da CPU: %1%</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <extracomment>%1: megabytes, the value the slider beside it is set to.</extracomment>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>Target free RAM, %1 MB</source>
        <extracomment>Read by screen readers for the slider. %1: the megabytes it is set to.</extracomment>
        <translation>Objetivo de RAM livre, %1 MB</translation>
    </message>
    <message>
        <source>Minimum free RAM, %1 MB</source>
        <extracomment>Read by screen readers for the slider. %1: the megabytes it is set to.</extracomment>
        <translation>RAM livre mínima, %1 MB</translation>
    </message>
    <message>
        <source>Save the target and minimum free RAM</source>
        <translation>Guardar o objetivo e o mínimo de RAM livre</translation>
    </message>
    <message>
        <source>Open the options</source>
        <translation>Abrir as opções</translation>
    </message>
    <message>
        <source>Enable the RAM optimizer</source>
        <translation>Ativar o otimizador de RAM</translation>
    </message>
    <message>
        <source>Disable the RAM optimizer</source>
        <translation>Desativar o otimizador de RAM</translation>
    </message>
    <message>
        <source>Close the RAM optimizer</source>
        <translation>Sair do otimizador de RAM</translation>
    </message>
    <message>
        <source>About Quenby</source>
        <translation>Acerca do Quenby</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Ctrl+Alt+%1 can&apos;t be a hot key: your keyboard layout has no key for “%1”.</source>
        <extracomment>%1: the character the user typed as the hot key, such as K.</extracomment>
        <translation>Ctrl+Alt+%1 não pode ser uma tecla de atalho: o seu esquema de teclado não tem nenhuma tecla para «%1».</translation>
    </message>
    <message>
        <source>Ctrl+Alt+%1 can&apos;t be a hot key: on your keyboard layout it types “%2”, which every program would then lose.</source>
        <extracomment>%1: the character the user typed as the hot key; %2: the character that key combination types on the user&apos;s keyboard layout (as AltGr would).</extracomment>
        <translation>Ctrl+Alt+%1 não pode ser uma tecla de atalho: no seu esquema de teclado, escreve «%2», que nenhum programa poderia então receber.</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Geral</translation>
    </message>
    <message>
        <source>Start Quenby automatically at Windows startup</source>
        <translation>Iniciar o Quenby automaticamente no arranque do Windows</translation>
    </message>
    <message>
        <source>Free-up RAM on startup after</source>
        <extracomment>Start of a sentence the dialog puts together: this check box, a number of seconds, then “seconds”: “Free-up RAM on startup after [60] seconds”.</extracomment>
        <translation>Libertar RAM no arranque após</translation>
    </message>
    <message>
        <source>MB of RAM on startup after</source>
        <extracomment>A hidden part of the start-up sentence, after a number of megabytes.</extracomment>
        <translation>MB de RAM no arranque após</translation>
    </message>
    <message>
        <source>seconds</source>
        <extracomment>End of the sentence “Free-up RAM on startup after [60] seconds”.</extracomment>
        <translation>segundos</translation>
    </message>
    <message>
        <source>Free-up RAM every</source>
        <extracomment>Start of a sentence the dialog puts together: “Free-up RAM every [4] minutes if free RAM below [50] %”.</extracomment>
        <translation>Libertar RAM a cada</translation>
    </message>
    <message>
        <source>MB every</source>
        <extracomment>A hidden part of the periodic sentence, after a number of megabytes.</extracomment>
        <translation>MB a cada</translation>
    </message>
    <message>
        <source>minutes if free RAM below</source>
        <extracomment>Middle of the sentence “Free-up RAM every [4] minutes if free RAM below [50] %”: between two numbers.</extracomment>
        <translation>minutos se a RAM livre for inferior a</translation>
    </message>
    <message>
        <source>Pause automatic recovery while it cannot help</source>
        <translation>Colocar em pausa a libertação automática enquanto não for útil</translation>
    </message>
    <message>
        <source>Pause automatic recovery while a full-screen program runs</source>
        <translation>Colocar em pausa a libertação automática enquanto um programa estiver em execução em ecrã inteiro</translation>
    </message>
    <message>
        <source>CPU usage:</source>
        <extracomment>Beside a bar that shows the processor load.</extracomment>
        <translation>Utilização da CPU:</translation>
    </message>
    <message>
        <source>Disable CPU usage detection</source>
        <translation>Desativar a deteção da utilização da CPU</translation>
    </message>
    <message>
        <source>Enable the CPU usage detection to prevent Quenby recovering RAM when your CPU is busy. Please note that CPU cooling and few other programs use special method that cause the CPU usage always stay at 100% level. When you have this kind of situation, disable the CPU usage detection to allow Quenby recovering RAM at any CPU usage level.</source>
        <translation>Ative a deteção da utilização da CPU para impedir que o Quenby liberte RAM quando a CPU estiver ocupada. Tenha em atenção que os programas de arrefecimento da CPU e alguns outros programas utilizam um método especial que mantém a utilização da CPU sempre nos 100%. Nesse caso, desative a deteção da utilização da CPU para permitir que o Quenby liberte RAM com qualquer nível de utilização da CPU.</translation>
    </message>
    <message>
        <source>Tray Icon</source>
        <translation>Ícone de notificação</translation>
    </message>
    <message>
        <source>Default:</source>
        <extracomment>Beside the picture of the tray icon as it normally looks.</extracomment>
        <translation>Predefinido:</translation>
    </message>
    <message>
        <source>Recovering RAM:</source>
        <extracomment>Beside the picture of the tray icon while it recovers RAM.</extracomment>
        <translation>A libertar RAM:</translation>
    </message>
    <message>
        <source>Tray icon text color</source>
        <translation>Cor do texto do ícone</translation>
    </message>
    <message>
        <source>Display</source>
        <extracomment>Start of “Display [Percentage of Free RAM] in tray icon”: a list to choose from follows.</extracomment>
        <translation>Mostrar</translation>
    </message>
    <message>
        <source>in tray icon</source>
        <extracomment>End of “Display [Percentage of Free RAM] in tray icon”.</extracomment>
        <translation>no ícone</translation>
    </message>
    <message>
        <source>Show how much RAM was recovered</source>
        <translation>Mostrar quanta RAM foi libertada</translation>
    </message>
    <message>
        <source>Popup Menu</source>
        <translation>Menu de contexto</translation>
    </message>
    <message>
        <source>Recover</source>
        <extracomment>Start of “Recover [512] MB menu”: sets the amount of one entry of the tray icon&apos;s menu.</extracomment>
        <translation>Libertar</translation>
    </message>
    <message>
        <source>MB menu</source>
        <extracomment>End of “Recover [512] MB menu”.</extracomment>
        <translation>MB (menu)</translation>
    </message>
    <message>
        <source>Others</source>
        <translation>Outros</translation>
    </message>
    <message>
        <source>Also clear Windows Clipboard when freeing up RAM</source>
        <translation>Limpar também a Área de Transferência do Windows ao libertar RAM</translation>
    </message>
    <message>
        <source>Play alarm sound before freeing up RAM</source>
        <translation>Reproduzir um som de alerta antes de libertar RAM</translation>
    </message>
    <message>
        <source>Free up RAM hot key : Cltr + Alt +</source>
        <translation type="vanished">Tecla de atalho para libertar RAM: Ctrl + Alt +</translation>
    </message>
    <message>
        <source>Disable/enable Quenby hotkey : Cltr + Alt +</source>
        <translation type="vanished">Tecla de atalho para desativar/ativar o Quenby: Ctrl + Alt +</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Preto</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Branco</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Automático</translation>
    </message>
    <message>
        <source>Percentage of CPU Usage</source>
        <translation>Percentagem de utilização da CPU</translation>
    </message>
    <message>
        <source>Percentage of Free RAM</source>
        <translation>Percentagem de RAM livre</translation>
    </message>
    <message>
        <source>RAM to free on startup, in MB</source>
        <translation>RAM a libertar no arranque, em MB</translation>
    </message>
    <message>
        <source>Delay of the startup recovery, in seconds</source>
        <translation>Atraso da libertação no arranque, em segundos</translation>
    </message>
    <message>
        <source>RAM to free periodically, in MB</source>
        <translation>RAM a libertar periodicamente, em MB</translation>
    </message>
    <message>
        <source>Free-up RAM every, in minutes (0 for never)</source>
        <translation>Intervalo para libertar RAM, em minutos (0 = nunca)</translation>
    </message>
    <message>
        <source>Only if free RAM is below, in percent</source>
        <translation>Apenas se a RAM livre for inferior a esta percentagem</translation>
    </message>
    <message>
        <source>CPU usage</source>
        <translation>Utilização da CPU</translation>
    </message>
    <message>
        <source>What the tray icon shows</source>
        <translation>O que o ícone da área de notificação mostra</translation>
    </message>
    <message>
        <source>First recovery amount of the tray menu, in MB</source>
        <translation>Primeira quantidade a libertar no menu da área de notificação, em MB</translation>
    </message>
    <message>
        <source>Second recovery amount of the tray menu, in MB</source>
        <translation>Segunda quantidade a libertar no menu da área de notificação, em MB</translation>
    </message>
    <message>
        <source>Third recovery amount of the tray menu, in MB</source>
        <translation>Terceira quantidade a libertar no menu da área de notificação, em MB</translation>
    </message>
    <message>
        <source>Alarm sound file</source>
        <translation>Ficheiro do som de alerta</translation>
    </message>
    <message>
        <source>Choose the alarm sound file</source>
        <translation>Escolher o ficheiro do som de alerta</translation>
    </message>
    <message>
        <source>Free up RAM hot key: Ctrl + Alt + this key</source>
        <translation>Tecla de atalho para libertar RAM: Ctrl + Alt + esta tecla</translation>
    </message>
    <message>
        <source>Disable/enable hot key: Ctrl + Alt + this key</source>
        <translation>Tecla de atalho para desativar/ativar: Ctrl + Alt + esta tecla</translation>
    </message>
    <message>
        <source>Add Files</source>
        <translation>Adicionar ficheiros</translation>
    </message>
    <message>
        <source>All Files (*.wav)</source>
        <translation>Todos os ficheiros (*.wav)</translation>
    </message>
    <message>
        <source>Pause automatic recovery while one of these programs runs:</source>
        <translation>Colocar em pausa a libertação automática enquanto um destes programas estiver em execução:</translation>
    </message>
    <message>
        <source>game.exe;obs64.exe</source>
        <extracomment>An example of the list: two program file names separated by a semicolon. Keep the names as they are.</extracomment>
        <translation>game.exe;obs64.exe</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Histórico</translation>
    </message>
    <message>
        <source>Program file names as Task Manager shows them, separated by semicolons.</source>
        <translation>Nomes de ficheiro de programas tal como o Gestor de Tarefas os mostra, separados por ponto e vírgula.</translation>
    </message>
    <message>
        <source>Ignored, as they are not program file names: %1</source>
        <comment>followed by the names</comment>
        <translation>Ignorados, porque não são nomes de ficheiro de programas: %1</translation>
    </message>
    <message>
        <source>Free up RAM hot key: Ctrl + Alt +</source>
        <extracomment>A field for one key follows: Ctrl + Alt + that key frees up RAM in every program.</extracomment>
        <translation>Tecla de atalho para libertar RAM: Ctrl + Alt +</translation>
    </message>
    <message>
        <source>Disable/enable Quenby hot key: Ctrl + Alt +</source>
        <extracomment>A field for one key follows: Ctrl + Alt + that key switches the automatic recovery off and on.</extracomment>
        <translation>Tecla de atalho para desativar/ativar o Quenby: Ctrl + Alt +</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Set by your administrator</source>
        <translation>Definido pelo seu administrador</translation>
    </message>
    <message>
        <source>Your administrator set Quenby to start automatically for every user of this PC.</source>
        <translation>O seu administrador configurou o Quenby para iniciar automaticamente para todos os utilizadores deste PC.</translation>
    </message>
</context>
<context>
    <name>QAbstractSpinBox</name>
    <message>
        <source>Step &amp;down</source>
        <translation>&amp;Diminuir</translation>
    </message>
    <message>
        <source>&amp;Step up</source>
        <translation>&amp;Aumentar</translation>
    </message>
    <message>
        <source>&amp;Select All</source>
        <translation>&amp;Selecionar Tudo</translation>
    </message>
</context>
<context>
    <name>QComboBox</name>
    <message>
        <source>True</source>
        <translation>Verdadeiro</translation>
    </message>
    <message>
        <source>False</source>
        <translation>Falso</translation>
    </message>
    <message>
        <source>Open the combo box selection popup</source>
        <translation>Abrir a lista de opções da caixa de combinação</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>Back</source>
        <translation>Retroceder</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Ficheiros</translation>
    </message>
    <message>
        <source>Show </source>
        <translation>Mostrar </translation>
    </message>
    <message>
        <source>&apos;%1&apos; is write protected.
Do you want to delete it anyway?</source>
        <translation>&apos;%1&apos; está protegido contra escrita.
Pretende eliminá-lo mesmo assim?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete &apos;%1&apos;?</source>
        <translation>Tem a certeza de que pretende eliminar &apos;%1&apos;?</translation>
    </message>
    <message>
        <source>List of places and bookmarks</source>
        <translation>Lista de locais e marcadores</translation>
    </message>
    <message>
        <source>File &amp;name:</source>
        <translation>&amp;Nome do ficheiro:</translation>
    </message>
    <message>
        <source>Alt+Left</source>
        <translation>Alt+Left</translation>
    </message>
    <message>
        <source>Alt+Up</source>
        <translation>Alt+Up</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Nova pasta</translation>
    </message>
    <message>
        <source>Parent Directory</source>
        <translation>Pasta principal</translation>
    </message>
    <message>
        <source>&amp;New Folder</source>
        <translation>&amp;Nova pasta</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remover</translation>
    </message>
    <message>
        <source>Look in:</source>
        <translation>Procurar em:</translation>
    </message>
    <message>
        <source>Alt+Right</source>
        <translation>Alt+Right</translation>
    </message>
    <message>
        <source>Create a New Folder</source>
        <translation>Criar uma nova pasta</translation>
    </message>
    <message>
        <source>Files of type:</source>
        <translation>Ficheiros do tipo:</translation>
    </message>
    <message>
        <source>Find Directory</source>
        <translation>Localizar pasta</translation>
    </message>
    <message>
        <source>Show &amp;hidden files</source>
        <translation>Mostrar ficheiros &amp;ocultos</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <source>%1
Directory not found.
Please verify the correct directory name was given.</source>
        <translation>%1
Pasta não encontrada.
Verifique se indicou o nome de pasta correto.</translation>
    </message>
    <message>
        <source>Sidebar</source>
        <translation>Barra lateral</translation>
    </message>
    <message>
        <source>List View</source>
        <translation>Lista</translation>
    </message>
    <message>
        <source>&amp;Choose</source>
        <translation>&amp;Escolher</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos os ficheiros (*)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Todos os ficheiros (*)</translation>
    </message>
    <message>
        <source>Directories</source>
        <translation>Pastas</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>&amp;Mudar o nome</translation>
    </message>
    <message>
        <source>Could not delete directory.</source>
        <translation>Não foi possível eliminar a pasta.</translation>
    </message>
    <message>
        <source>Directory:</source>
        <translation>Pasta:</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 já existe.
Pretende substituí-lo?</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Avançar</translation>
    </message>
    <message>
        <source>Go forward</source>
        <translation>Avançar</translation>
    </message>
    <message>
        <source>Go to the parent directory</source>
        <translation>Ir para a pasta principal</translation>
    </message>
    <message>
        <source>Recent Places</source>
        <translation>Locais recentes</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>Retroceder</translation>
    </message>
    <message>
        <source>Change to detail view mode</source>
        <translation>Mudar para a vista Detalhes</translation>
    </message>
    <message>
        <source>Create New Folder</source>
        <translation>Criar nova pasta</translation>
    </message>
    <message>
        <source>Detail View</source>
        <translation>Detalhes</translation>
    </message>
    <message>
        <source>%1
File not found.
Please verify the correct file name was given.</source>
        <translation>%1
Ficheiro não encontrado.
Verifique se indicou o nome de ficheiro correto.</translation>
    </message>
    <message>
        <source>Change to list view mode</source>
        <translation>Mudar para a vista Lista</translation>
    </message>
</context>
<context>
    <name>QFileSystemModel</name>
    <message>
        <source>Kind</source>
        <translation>Categoria</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamanho</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>O Meu Computador</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computador</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>Data de modificação</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>Cu&amp;t</source>
        <translation>Cor&amp;tar</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Refazer</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>An&amp;ular</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Co&amp;lar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Selecionar Tudo</translation>
    </message>
</context>
<context>
    <name>QMessageBox</name>
    <message>
        <source>Show Details...</source>
        <translation>Mostrar Detalhes...</translation>
    </message>
    <message>
        <source>About Qt</source>
        <translation>Acerca do Qt</translation>
    </message>
    <message>
        <source>Hide Details...</source>
        <translation>Ocultar Detalhes...</translation>
    </message>
    <message>
        <source>&lt;h3&gt;About Qt&lt;/h3&gt;&lt;p&gt;This program uses Qt version %1.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Acerca do Qt&lt;/h3&gt;&lt;p&gt;Este programa utiliza o Qt versão %1.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Qt is a C++ toolkit for cross-platform application development.&lt;/p&gt;&lt;p&gt;Qt provides single-source portability across all major desktop operating systems. It is also available for embedded Linux and other embedded and mobile operating systems.&lt;/p&gt;&lt;p&gt;Qt is available under multiple licensing options designed to accommodate the needs of our various users.&lt;/p&gt;&lt;p&gt;Qt licensed under our commercial license agreement is appropriate for development of proprietary/commercial software where you do not want to share any source code with third parties or otherwise cannot comply with the terms of GNU (L)GPL.&lt;/p&gt;&lt;p&gt;Qt licensed under GNU (L)GPL is appropriate for the development of Qt&amp;nbsp;applications provided you can comply with the terms and conditions of the respective licenses.&lt;/p&gt;&lt;p&gt;Please see &lt;a href=&quot;http://%2/&quot;&gt;%2&lt;/a&gt; for an overview of Qt licensing.&lt;/p&gt;&lt;p&gt;Copyright (C) %1 The Qt Company Ltd and other contributors.&lt;/p&gt;&lt;p&gt;Qt and the Qt logo are trademarks of The Qt Company Ltd.&lt;/p&gt;&lt;p&gt;Qt is The Qt Company Ltd product developed as an open source project. See &lt;a href=&quot;http://%3/&quot;&gt;%3&lt;/a&gt; for more information.&lt;/p&gt;</source>
        <translation>&lt;p&gt;O Qt é um conjunto de ferramentas C++ para o desenvolvimento de aplicações multiplataforma.&lt;/p&gt;&lt;p&gt;O Qt permite que o mesmo código-fonte seja portado para todos os principais sistemas operativos de ambiente de trabalho. Também está disponível para Linux incorporado e para outros sistemas operativos incorporados e móveis.&lt;/p&gt;&lt;p&gt;O Qt está disponível com várias opções de licenciamento, concebidas para responder às necessidades dos nossos diversos utilizadores.&lt;/p&gt;&lt;p&gt;O Qt licenciado ao abrigo do nosso contrato de licença comercial é adequado para o desenvolvimento de software proprietário/comercial em que não pretenda partilhar código-fonte com terceiros ou em que, por outro motivo, não possa cumprir os termos da GNU (L)GPL.&lt;/p&gt;&lt;p&gt;O Qt licenciado ao abrigo da GNU (L)GPL é adequado para o desenvolvimento de aplicações&amp;nbsp;Qt, desde que possa cumprir os termos e condições das respetivas licenças.&lt;/p&gt;&lt;p&gt;Consulte &lt;a href=&quot;http://%2/&quot;&gt;%2&lt;/a&gt; para obter uma descrição geral do licenciamento do Qt.&lt;/p&gt;&lt;p&gt;Copyright (C) %1 The Qt Company Ltd e outros contribuidores.&lt;/p&gt;&lt;p&gt;Qt e o logótipo do Qt são marcas comerciais da The Qt Company Ltd.&lt;/p&gt;&lt;p&gt;O Qt é um produto da The Qt Company Ltd desenvolvido como projeto de código aberto. Consulte &lt;a href=&quot;http://%3/&quot;&gt;%3&lt;/a&gt; para obter mais informações.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Não</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sim</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Abortar</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Repor</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Repetir</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Restaurar Predefinições</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignorar</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>Nã&amp;o para Todos</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>Guardar Tudo</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Descartar</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>Sim para &amp;Todos</translation>
    </message>
</context>
<context>
    <name>Quenbytray</name>
    <message>
        <source>Restart Windows</source>
        <comment>104</comment>
        <translation>Reiniciar o Windows</translation>
    </message>
    <message>
        <source>Suspend Windows</source>
        <comment>105</comment>
        <translation>Suspender o Windows</translation>
    </message>
    <message>
        <source>Shutdown Windows</source>
        <comment>106</comment>
        <translation>Encerrar o Windows</translation>
    </message>
    <message>
        <source>Clear Clipboard</source>
        <comment>107</comment>
        <translation>Limpar a Área de Transferência</translation>
    </message>
    <message>
        <source>Free-up RAM Manually
</source>
        <comment>108</comment>
        <extracomment>A menu item that frees up RAM now; the line end stays.</extracomment>
        <translation>Libertar RAM manualmente
</translation>
    </message>
    <message>
        <source>Configuration...</source>
        <comment>110</comment>
        <translation>Opções...</translation>
    </message>
    <message>
        <source>Disable RAM Optimizer</source>
        <comment>111</comment>
        <translation>Desativar otimizador de RAM</translation>
    </message>
    <message>
        <source>Enable RAM Optimizer</source>
        <comment>112</comment>
        <translation>Ativar otimizador de RAM</translation>
    </message>
    <message>
        <source>Close RAM Optimizer</source>
        <comment>113</comment>
        <extracomment>Ends the tray engine: its icon and the automatic recovery go away.</extracomment>
        <translation>Sair do otimizador de RAM</translation>
    </message>
    <message>
        <source>Do you want to restart your computer now?</source>
        <comment>114</comment>
        <translation>Pretende reiniciar o computador agora?</translation>
    </message>
    <message>
        <source>Do you want to suspend your computer now?</source>
        <comment>115</comment>
        <translation>Pretende suspender o computador agora?</translation>
    </message>
    <message>
        <source>Do you want to shutdown your computer now?</source>
        <comment>116</comment>
        <translation>Pretende encerrar o computador agora?</translation>
    </message>
    <message>
        <source>Confirm</source>
        <comment>117</comment>
        <extracomment>The title of the box that asks before a restart, a sleep or a shutdown.</extracomment>
        <translation>Confirmar</translation>
    </message>
    <message>
        <source>RAM Optimizer
</source>
        <comment>118</comment>
        <extracomment>The first line of the tray icon&apos;s tooltip; the line end stays.</extracomment>
        <translation>Otimizador de RAM
</translation>
    </message>
    <message>
        <source>Free RAM: %1 MB (%2%)
</source>
        <comment>119</comment>
        <extracomment>The second line of the tooltip. %1: megabytes of free RAM; %2: that as a share of all RAM in percent, the % after it being the percent sign. The line end stays.</extracomment>
        <translation>RAM livre: %1 MB (%2%)
</translation>
    </message>
    <message>
        <source>CPU Usage: %1%</source>
        <comment>121</comment>
        <extracomment>The third line of the tooltip. %1: the processor load in percent; the % after it is the percent sign.</extracomment>
        <translation>Utilização da CPU: %1%</translation>
    </message>
    <message>
        <source>CreateProcess failed (%1).</source>
        <comment>122</comment>
        <extracomment>%1: Windows&apos; error number when the control panel could not be started.</extracomment>
        <translation>CreateProcess falhou (%1).</translation>
    </message>
    <message>
        <source>Error</source>
        <comment>123</comment>
        <extracomment>The title of a box that says something failed.</extracomment>
        <translation>Erro</translation>
    </message>
    <message>
        <source>RAM Optimizer</source>
        <comment>124</comment>
        <extracomment>The title of the notices the tray icon shows.</extracomment>
        <translation>Otimizador de RAM</translation>
    </message>
    <message>
        <source>Recovered %1 MB, %2 MB free now</source>
        <comment>125</comment>
        <extracomment>A notice after a recovery. %1: the megabytes recovered; %2: the megabytes free now.</extracomment>
        <translation>Libertados %1 MB, agora %2 MB livres</translation>
    </message>
    <message>
        <source>No RAM could be recovered</source>
        <comment>126</comment>
        <translation>Não foi possível libertar RAM</translation>
    </message>
    <message>
        <source>Windows could not be restarted (error %1). %2</source>
        <comment>127</comment>
        <extracomment>%1: Windows&apos; error number; %2: Windows&apos; own description of the error, a sentence or empty.</extracomment>
        <translation>Não foi possível reiniciar o Windows (erro %1). %2</translation>
    </message>
    <message>
        <source>Windows could not be suspended (error %1). %2</source>
        <comment>128</comment>
        <extracomment>%1: Windows&apos; error number; %2: Windows&apos; own description of the error, a sentence or empty.</extracomment>
        <translation>Não foi possível suspender o Windows (erro %1). %2</translation>
    </message>
    <message>
        <source>Windows could not be shut down (error %1). %2</source>
        <comment>129</comment>
        <extracomment>%1: Windows&apos; error number; %2: Windows&apos; own description of the error, a sentence or empty.</extracomment>
        <translation>Não foi possível encerrar o Windows (erro %1). %2</translation>
    </message>
    <message>
        <source>Hot key not available</source>
        <comment>132</comment>
        <translation>Tecla de atalho indisponível</translation>
    </message>
    <message>
        <source>The hot key Ctrl+Alt+%1 could not be registered: another program uses it.</source>
        <comment>133</comment>
        <extracomment>%1: the character of the hot key, such as K.</extracomment>
        <translation>Não foi possível registar a tecla de atalho Ctrl+Alt+%1: outro programa está a utilizá-la.</translation>
    </message>
    <message>
        <source>The hot key Ctrl+Alt+%1 was not registered: on your keyboard layout it types “%2”.</source>
        <comment>134</comment>
        <extracomment>%1: the character of the hot key; %2: the character the key combination types on the user&apos;s keyboard layout.</extracomment>
        <translation>A tecla de atalho Ctrl+Alt+%1 não foi registada: no seu esquema de teclado, escreve «%2».</translation>
    </message>
    <message>
        <source>The hot key Ctrl+Alt+%1 was not registered: your keyboard layout has no such key.</source>
        <comment>135</comment>
        <extracomment>%1: the character of the hot key.</extracomment>
        <translation>A tecla de atalho Ctrl+Alt+%1 não foi registada: o seu esquema de teclado não tem essa tecla.</translation>
    </message>
    <message>
        <source>This computer uses Modern Standby, which only Windows itself can start: to let it sleep, press its power button or choose Power &gt; Sleep in the Start menu.</source>
        <comment>137</comment>
        <translation>Este computador utiliza o Modern Standby, que só o próprio Windows pode iniciar: para o suspender, prima o botão de alimentação ou escolha Energia &gt; Suspender no menu Iniciar.</translation>
    </message>
    <message>
        <source>This computer may not be able to sleep, and Windows may hibernate it instead. Do you want to go on?</source>
        <comment>138</comment>
        <translation>Poderá não ser possível suspender este computador e, em vez disso, o Windows poderá hibernar o computador. Pretende continuar?</translation>
    </message>
</context>
<context>
    <name>Setup</name>
    <message>
        <source>Quenby is still running and could not be closed.</source>
        <comment>STILL_RUNNING_DETAIL</comment>
        <translation>O Quenby ainda está em execução e não foi possível fechá-lo.</translation>
    </message>
    <message>
        <source>Quenby is still running and could not be closed.

Close it (tray menu: Close RAM Optimizer; and the control panel&apos;s window), then choose Retry.</source>
        <comment>STILL_RUNNING_BOX</comment>
        <translation>O Quenby ainda está em execução e não foi possível fechá-lo.

Feche-o (menu da área de notificação: Sair do otimizador de RAM; e a janela do painel de comando) e, em seguida, escolha Repetir.</translation>
    </message>
    <message>
        <source>Quenby is still running; nothing was changed.</source>
        <comment>STILL_RUNNING_ABORT</comment>
        <translation>O Quenby ainda está em execução; nada foi alterado.</translation>
    </message>
    <message>
        <source>Quenby&apos;s setup or uninstaller is already running.</source>
        <comment>ALREADY_RUNNING</comment>
        <translation>O programa de configuração ou de desinstalação do Quenby já está em execução.</translation>
    </message>
    <message>
        <source>Closing Quenby if it runs...</source>
        <comment>CLOSING</comment>
        <translation>A fechar o Quenby, se estiver em execução...</translation>
    </message>
    <message>
        <source>Quenby control panel: RAM and CPU figures and the options</source>
        <comment>PANEL_LINK_DESCRIPTION</comment>
        <translation>Painel de comando do Quenby: valores de RAM e CPU e as opções</translation>
    </message>
    <message>
        <source>Quenby tray engine</source>
        <comment>ENGINE_LINK_NAME</comment>
        <extracomment>The name of the Start-menu shortcut to the tray engine.</extracomment>
        <translation>Motor da área de notificação do Quenby</translation>
    </message>
    <message>
        <source>Start Quenby&apos;s tray engine, which recovers RAM</source>
        <comment>ENGINE_LINK_DESCRIPTION</comment>
        <translation>Iniciar o motor da área de notificação do Quenby, que liberta RAM</translation>
    </message>
    <message>
        <source>Quenby (required)</source>
        <comment>SECTION_PROGRAM</comment>
        <translation>Quenby (obrigatório)</translation>
    </message>
    <message>
        <source>Start with Windows</source>
        <comment>SECTION_AUTOSTART</comment>
        <translation>Iniciar com o Windows</translation>
    </message>
    <message>
        <source>Starting the tray engine again...</source>
        <comment>RESTARTING_ENGINE</comment>
        <translation>A iniciar novamente o motor da área de notificação...</translation>
    </message>
    <message>
        <source>The tray engine, the control panel, the command-line client quenbyctl and Start-menu shortcuts.</source>
        <comment>SECTION_PROGRAM_DESCRIPTION</comment>
        <translation>O motor da área de notificação, o painel de comando, o cliente de linha de comandos quenbyctl e os atalhos do menu Iniciar.</translation>
    </message>
    <message>
        <source>Start the tray engine when you sign in to Windows.</source>
        <comment>SECTION_AUTOSTART_DESCRIPTION</comment>
        <translation>Iniciar o motor da área de notificação quando iniciar sessão no Windows.</translation>
    </message>
    <message>
        <source>Unknown value /AUTOSTART=%1: use /AUTOSTART=1 or /AUTOSTART=0.</source>
        <comment>BAD_AUTOSTART</comment>
        <extracomment>$1 (%1 for translators): the value given after /AUTOSTART= on the command line.</extracomment>
        <translation>Valor desconhecido /AUTOSTART=%1: utilize /AUTOSTART=1 ou /AUTOSTART=0.</translation>
    </message>
    <message>
        <source>Open the Quenby control panel</source>
        <comment>FINISH_RUN</comment>
        <translation>Abrir o painel de comando do Quenby</translation>
    </message>
    <message>
        <source>Installing or removing Quenby for all users of this computer needs administrator rights. Run it again as an administrator.</source>
        <comment>NEEDS_ADMINISTRATOR</comment>
        <translation>Instalar ou remover o Quenby para todos os utilizadores deste computador requer direitos de administrador. Execute-o novamente como administrador.</translation>
    </message>
    <message>
        <source>Quenby has been installed for all users of this computer.

Setup did not start it. Open it from the Start menu. If Start with Windows was selected, it starts for each user when they sign in.</source>
        <comment>FINISH_MACHINE_TEXT</comment>
        <translation>O Quenby foi instalado para todos os utilizadores deste computador.

O programa de configuração não o iniciou. Abra-o a partir do menu Iniciar. Se «Iniciar com o Windows» foi selecionado, o Quenby é iniciado para cada utilizador quando este iniciar sessão.</translation>
    </message>
    <message>
        <source>The previous version is still running in another user&apos;s session and keeps running there until it is closed. Its files are removed when you restart the computer.</source>
        <comment>FINISH_SET_ASIDE</comment>
        <translation>A versão anterior ainda está em execução na sessão de outro utilizador e continuará em execução até ser fechada. Os respetivos ficheiros serão removidos quando reiniciar o computador.</translation>
    </message>
    <message>
        <source>%1 is in use in another user&apos;s session and was renamed to %2.</source>
        <comment>SET_ASIDE_DETAIL</comment>
        <extracomment>%1: the full path of a file of the previous version; %2: the name it was renamed to.</extracomment>
        <translation>%1 está a ser utilizado na sessão de outro utilizador e o respetivo nome foi alterado para %2.</translation>
    </message>
    <message>
        <source>Some of Quenby&apos;s files are in use in another user&apos;s session. They will be removed when you restart the computer.</source>
        <comment>UNINSTALL_IN_USE</comment>
        <translation>Alguns ficheiros do Quenby estão a ser utilizados na sessão de outro utilizador. Serão removidos quando reiniciar o computador.</translation>
    </message>
</context>
<context>
    <name>Policies</name>
    <message>
        <source>Quenby %1 on Windows 10 and Windows 11</source>
        <extracomment>%1: Quenby&apos;s version number, as in 1.4.2.</extracomment>
        <translation>Quenby %1 no Windows 10 e no Windows 11</translation>
    </message>
    <message>
        <source>Target free RAM (MB)</source>
        <translation>Objetivo de RAM livre (MB)</translation>
    </message>
    <message>
        <source>Sets &quot;%1&quot; of Quenby.</source>
        <extracomment>%1: the policy&apos;s name, as the line above the explanation shows it.</extracomment>
        <translation>Define o valor «%1» do Quenby.</translation>
    </message>
    <message>
        <source>three quarters of the installed RAM in MB</source>
        <translation>três quartos da RAM instalada em MB</translation>
    </message>
    <message>
        <source>From %1 to %2.</source>
        <extracomment>The range a policy accepts. %1 and %2: numbers, or texts such as “the installed RAM in MB divided by 4”.</extracomment>
        <translation>Entre %1 e %2.</translation>
    </message>
    <message>
        <source>the installed RAM in MB divided by %1</source>
        <extracomment>A bound of a range, or a default. %1: a number such as 4.</extracomment>
        <translation>a RAM instalada em MB dividida por %1</translation>
    </message>
    <message>
        <source>Without a policy: %1, unless the user chose otherwise.</source>
        <extracomment>%1: the default value, a number or a text such as “the installed RAM in MB divided by 4”.</extracomment>
        <translation>Sem política: %1, exceto se o utilizador tiver escolhido outro valor.</translation>
    </message>
    <message>
        <source>A computer policy wins over a user policy, and both over the user&apos;s own choice, which the control panel then shows as &quot;Set by your administrator&quot;. When the policy is not configured, the user&apos;s own choice applies.</source>
        <translation>Uma política de computador prevalece sobre uma política de utilizador, e ambas sobre a escolha do próprio utilizador, que o painel de comando mostra então como «Definido pelo seu administrador». Quando a política não está configurada, aplica-se a escolha do próprio utilizador.</translation>
    </message>
    <message>
        <source>Minimum free RAM (MB)</source>
        <translation>RAM livre mínima (MB)</translation>
    </message>
    <message>
        <source>Free up RAM on startup</source>
        <translation>Libertar RAM no arranque</translation>
    </message>
    <message>
        <source>Enabled: on (1). Disabled: off (0).</source>
        <translation>Ativado: ligado (1). Desativado: desligado (0).</translation>
    </message>
    <message>
        <source>RAM to free on startup (MB)</source>
        <translation>RAM a libertar no arranque (MB)</translation>
    </message>
    <message>
        <source>Delay of the startup recovery (seconds)</source>
        <translation>Atraso da libertação no arranque (segundos)</translation>
    </message>
    <message>
        <source>RAM to free periodically (MB)</source>
        <translation>RAM a libertar periodicamente (MB)</translation>
    </message>
    <message>
        <source>Free up RAM every (minutes, 0 for never)</source>
        <translation>Intervalo para libertar RAM (minutos, 0 = nunca)</translation>
    </message>
    <message>
        <source>Free RAM percentage shown with the periodic recovery</source>
        <translation>Percentagem de RAM livre da libertação periódica</translation>
    </message>
    <message>
        <source>Disable CPU usage detection</source>
        <translation>Desativar a deteção da utilização da CPU</translation>
    </message>
    <message>
        <source>Tray icon text color</source>
        <translation>Cor do texto do ícone da área de notificação</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Preto</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Branco</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>Joins the entries of a list: %1 is the list so far, %2 the next entry. Use the language&apos;s list separator.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Automático</translation>
    </message>
    <message>
        <source>One of: %1.</source>
        <extracomment>%1: the values a policy accepts, each its number and its name, as in “0 Black, 1 White, 2 Auto”.</extracomment>
        <translation>Um dos seguintes valores: %1.</translation>
    </message>
    <message>
        <source>Tray icon shows</source>
        <translation>O que o ícone da área de notificação mostra</translation>
    </message>
    <message>
        <source>Percentage of CPU Usage</source>
        <translation>Percentagem de utilização da CPU</translation>
    </message>
    <message>
        <source>Percentage of Free RAM</source>
        <translation>Percentagem de RAM livre</translation>
    </message>
    <message>
        <source>First recovery amount of the tray menu (MB)</source>
        <translation>Primeira quantidade a libertar no menu da área de notificação (MB)</translation>
    </message>
    <message>
        <source>Second recovery amount of the tray menu (MB)</source>
        <translation>Segunda quantidade a libertar no menu da área de notificação (MB)</translation>
    </message>
    <message>
        <source>Third recovery amount of the tray menu (MB)</source>
        <translation>Terceira quantidade a libertar no menu da área de notificação (MB)</translation>
    </message>
    <message>
        <source>Also clear the clipboard when freeing up RAM</source>
        <translation>Limpar também a Área de Transferência ao libertar RAM</translation>
    </message>
    <message>
        <source>Play alarm sound before freeing up RAM</source>
        <translation>Reproduzir um som de alerta antes de libertar RAM</translation>
    </message>
    <message>
        <source>Alarm sound file</source>
        <translation>Ficheiro do som de alerta</translation>
    </message>
    <message>
        <source>A full path, at most %1 characters.</source>
        <extracomment>%1: a number of characters, such as 259.</extracomment>
        <translation>Um caminho completo, com %1 carateres no máximo.</translation>
    </message>
    <message>
        <source>Free up RAM hot key (Ctrl + Alt + the key of this code)</source>
        <translation>Tecla de atalho para libertar RAM (Ctrl + Alt + a tecla deste código)</translation>
    </message>
    <message>
        <source>Disable/enable hot key (Ctrl + Alt + the key of this code)</source>
        <translation>Tecla de atalho para desativar/ativar (Ctrl + Alt + a tecla deste código)</translation>
    </message>
    <message>
        <source>Show how much RAM was recovered</source>
        <translation>Mostrar quanta RAM foi libertada</translation>
    </message>
    <message>
        <source>Pause automatic recovery while it cannot help</source>
        <translation>Colocar em pausa a libertação automática enquanto não for útil</translation>
    </message>
    <message>
        <source>Pause automatic recovery while a full-screen program runs</source>
        <translation>Colocar em pausa a libertação automática enquanto um programa estiver em execução em ecrã inteiro</translation>
    </message>
    <message>
        <source>Pause automatic recovery while one of these programs runs</source>
        <translation>Colocar em pausa a libertação automática enquanto um destes programas estiver em execução</translation>
    </message>
    <message>
        <source>Program file names separated by semicolons, such as game.exe;obs64.exe, at most %1 characters.</source>
        <extracomment>Keep the example file names as they are. %1: a number of characters, such as 1023.</extracomment>
        <translation>Nomes de ficheiro de programas separados por ponto e vírgula, como game.exe;obs64.exe, com %1 carateres no máximo.</translation>
    </message>
    <message>
        <source>Start Quenby automatically at Windows startup</source>
        <translation>Iniciar o Quenby automaticamente no arranque do Windows</translation>
    </message>
    <message>
        <source>Enabled: the tray engine starts when the user signs in to Windows. Disabled: it does not. The engine brings the user&apos;s start-up entry in line when it starts.</source>
        <translation>Ativado: o motor da área de notificação é iniciado quando o utilizador inicia sessão no Windows. Desativado: não é iniciado. Ao ser iniciado, o motor ajusta à política a entrada de arranque do utilizador.</translation>
    </message>
    <message>
        <source>Settings of the Quenby RAM optimizer</source>
        <translation>Definições do otimizador de RAM Quenby</translation>
    </message>
</context>
</TS>
