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
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Website:</source>
        <translation>Site:</translation>
    </message>
    <message>
        <source>Version: %1.%2.%3 (Beta)</source>
        <translation>Versão: %1.%2.%3 (Beta)</translation>
    </message>
    <message>
        <source>for Windows %1</source>
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
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Enable RAM Optimizer</source>
        <translation>Ativar otimizador de RAM</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Desativar</translation>
    </message>
    <message>
        <source>Close</source>
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
        <translation>O sistema recusou-se a iniciá-lo (erro %1).</translation>
    </message>
    <message>
        <source>The RAM optimizer could not be started from %1.</source>
        <translation>Não foi possível iniciar o otimizador de RAM a partir de %1.</translation>
    </message>
    <message>
        <source>Total RAM: %1MB</source>
        <translation>RAM total: %1 MB</translation>
    </message>
    <message>
        <source>Available RAM: %1MB (%2%)</source>
        <translation>RAM disponível: %1 MB (%2%)</translation>
    </message>
    <message>
        <source>CPU Usages: %1%</source>
        <translation>Utilização da CPU: %1%</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>Target free RAM, %1 MB</source>
        <translation>Objetivo de RAM livre, %1 MB</translation>
    </message>
    <message>
        <source>Minimum free RAM, %1 MB</source>
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
        <translation>Ctrl+Alt+%1 não pode ser uma tecla de atalho: o seu esquema de teclado não tem nenhuma tecla para «%1».</translation>
    </message>
    <message>
        <source>Ctrl+Alt+%1 can&apos;t be a hot key: on your keyboard layout it types “%2”, which every program would then lose.</source>
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
        <translation>Libertar RAM no arranque após</translation>
    </message>
    <message>
        <source>MB of RAM on startup after</source>
        <translation>MB de RAM no arranque após</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>segundos</translation>
    </message>
    <message>
        <source>Free-up RAM every</source>
        <translation>Libertar RAM a cada</translation>
    </message>
    <message>
        <source>MB every</source>
        <translation>MB a cada</translation>
    </message>
    <message>
        <source>minutes if free RAM below</source>
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
        <translation>Predefinido:</translation>
    </message>
    <message>
        <source>Recovering RAM:</source>
        <translation>A libertar RAM:</translation>
    </message>
    <message>
        <source>Tray icon text color</source>
        <translation>Cor do texto do ícone</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Mostrar</translation>
    </message>
    <message>
        <source>in tray icon</source>
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
        <translation>Libertar</translation>
    </message>
    <message>
        <source>MB menu</source>
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
        <translation>Tecla de atalho para libertar RAM: Ctrl + Alt +</translation>
    </message>
    <message>
        <source>Disable/enable Quenby hotkey : Cltr + Alt +</source>
        <translation>Tecla de atalho para desativar/ativar o Quenby: Ctrl + Alt +</translation>
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
</TS>
