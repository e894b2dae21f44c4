<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
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
        <translation>Gráfico de uso da RAM livre</translation>
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
        <translation>Inicialização</translation>
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
        <translation>Solicitação de outro programa</translation>
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
        <translation>Não executada: a liberação de outro usuário estava em andamento</translation>
    </message>
    <message>
        <source>Did not run: a full-screen program was running</source>
        <translation>Não executada: um programa em tela inteira estava em execução</translation>
    </message>
    <message>
        <source>Did not run: a protected program was running</source>
        <translation>Não executada: um programa protegido estava em execução</translation>
    </message>
    <message>
        <source>Did not run: paused after a recovery that could not help</source>
        <translation>Não executada: pausada após uma liberação que não ajudou</translation>
    </message>
    <message>
        <source>Did not run: more than three quarters of the RAM was free</source>
        <translation>Não executada: mais de três quartos da RAM estavam livres</translation>
    </message>
    <message>
        <source>No recovery yet.</source>
        <translation>Nenhuma liberação ainda.</translation>
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
        <translation>Usada (MB)</translation>
    </message>
    <message>
        <source>Seconds</source>
        <comment>column: how long the recovery took</comment>
        <translation>Segundos</translation>
    </message>
    <message>
        <source>Free RAM before the recovery</source>
        <translation>RAM livre antes da liberação</translation>
    </message>
    <message>
        <source>Free RAM after the recovery</source>
        <translation>RAM livre depois da liberação</translation>
    </message>
    <message>
        <source>The RAM the recovery took for a moment and gave back</source>
        <translation>A RAM que a liberação ocupou por um momento e devolveu</translation>
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
        <translation>Uso da CPU: n/d</translation>
    </message>
    <message>
        <source>Free-up RAM</source>
        <translation>Liberar RAM</translation>
    </message>
    <message>
        <source>Target Free RAM:</source>
        <translation>Meta de RAM livre:</translation>
    </message>
    <message>
        <source>Minimum Free RAM:</source>
        <translation>Mínimo de RAM livre:</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
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
        <translation>O arquivo não existe.</translation>
    </message>
    <message>
        <source>You are not allowed to run this file.</source>
        <translation>Você não tem permissão para executar este arquivo.</translation>
    </message>
    <message>
        <source>The file is not a program that can be run.</source>
        <translation>O arquivo não é um programa executável.</translation>
    </message>
    <message>
        <source>There is not enough memory to start it.</source>
        <translation>Não há memória suficiente para iniciá-lo.</translation>
    </message>
    <message>
        <source>The system refused to start it (error %1).</source>
        <translation>O sistema se recusou a iniciá-lo (erro %1).</translation>
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
        <translation>Uso da CPU: %1%</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>Target free RAM, %1 MB</source>
        <translation>Meta de RAM livre, %1 MB</translation>
    </message>
    <message>
        <source>Minimum free RAM, %1 MB</source>
        <translation>Mínimo de RAM livre, %1 MB</translation>
    </message>
    <message>
        <source>Save the target and minimum free RAM</source>
        <translation>Salvar a meta e o mínimo de RAM livre</translation>
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
        <translation>Sobre o Quenby</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Ctrl+Alt+%1 can&apos;t be a hot key: your keyboard layout has no key for “%1”.</source>
        <translation>Ctrl+Alt+%1 não pode ser uma tecla de atalho: seu layout de teclado não tem nenhuma tecla para “%1”.</translation>
    </message>
    <message>
        <source>Ctrl+Alt+%1 can&apos;t be a hot key: on your keyboard layout it types “%2”, which every program would then lose.</source>
        <translation>Ctrl+Alt+%1 não pode ser uma tecla de atalho: no seu layout de teclado, ela digita “%2”, que nenhum programa poderia mais receber.</translation>
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
        <translation>Iniciar o Quenby automaticamente com o Windows</translation>
    </message>
    <message>
        <source>Free-up RAM on startup after</source>
        <translation>Liberar RAM na inicialização após</translation>
    </message>
    <message>
        <source>MB of RAM on startup after</source>
        <translation>MB de RAM na inicialização após</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>segundos</translation>
    </message>
    <message>
        <source>Free-up RAM every</source>
        <translation>Liberar RAM a cada</translation>
    </message>
    <message>
        <source>MB every</source>
        <translation>MB a cada</translation>
    </message>
    <message>
        <source>minutes if free RAM below</source>
        <translation>minutos se a RAM livre estiver abaixo de</translation>
    </message>
    <message>
        <source>Pause automatic recovery while it cannot help</source>
        <translation>Pausar a liberação automática quando não for útil</translation>
    </message>
    <message>
        <source>Pause automatic recovery while a full-screen program runs</source>
        <translation>Pausar a liberação automática quando um programa estiver em execução em tela inteira</translation>
    </message>
    <message>
        <source>CPU usage:</source>
        <translation>Uso da CPU:</translation>
    </message>
    <message>
        <source>Disable CPU usage detection</source>
        <translation>Desativar a detecção de uso da CPU</translation>
    </message>
    <message>
        <source>Enable the CPU usage detection to prevent Quenby recovering RAM when your CPU is busy. Please note that CPU cooling and few other programs use special method that cause the CPU usage always stay at 100% level. When you have this kind of situation, disable the CPU usage detection to allow Quenby recovering RAM at any CPU usage level.</source>
        <translation>Ative a detecção de uso da CPU para impedir que o Quenby libere RAM quando a CPU estiver ocupada. Observe que programas de resfriamento da CPU e alguns outros programas usam um método especial que mantém o uso da CPU sempre em 100%. Nesse caso, desative a detecção de uso da CPU para permitir que o Quenby libere RAM com qualquer nível de uso da CPU.</translation>
    </message>
    <message>
        <source>Tray Icon</source>
        <translation>Ícone de notificação</translation>
    </message>
    <message>
        <source>Default:</source>
        <translation>Padrão:</translation>
    </message>
    <message>
        <source>Recovering RAM:</source>
        <translation>Liberando RAM:</translation>
    </message>
    <message>
        <source>Tray icon text color</source>
        <translation>Cor do texto do ícone</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Exibir</translation>
    </message>
    <message>
        <source>in tray icon</source>
        <translation>no ícone</translation>
    </message>
    <message>
        <source>Show how much RAM was recovered</source>
        <translation>Mostrar quanta RAM foi liberada</translation>
    </message>
    <message>
        <source>Popup Menu</source>
        <translation>Menu pop-up</translation>
    </message>
    <message>
        <source>Recover</source>
        <translation>Liberar</translation>
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
        <translation>Limpar também a Área de Transferência ao liberar RAM</translation>
    </message>
    <message>
        <source>Play alarm sound before freeing up RAM</source>
        <translation>Tocar som de alerta antes de liberar RAM</translation>
    </message>
    <message>
        <source>Free up RAM hot key : Cltr + Alt +</source>
        <translation>Tecla de atalho para liberar RAM: Ctrl + Alt +</translation>
    </message>
    <message>
        <source>Disable/enable Quenby hotkey : Cltr + Alt +</source>
        <translation>Tecla de atalho para desativar/ativar o Quenby: Ctrl + Alt +</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
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
        <translation>Porcentagem de uso da CPU</translation>
    </message>
    <message>
        <source>Percentage of Free RAM</source>
        <translation>Porcentagem de RAM livre</translation>
    </message>
    <message>
        <source>RAM to free on startup, in MB</source>
        <translation>RAM a liberar na inicialização, em MB</translation>
    </message>
    <message>
        <source>Delay of the startup recovery, in seconds</source>
        <translation>Atraso da liberação na inicialização, em segundos</translation>
    </message>
    <message>
        <source>RAM to free periodically, in MB</source>
        <translation>RAM a liberar periodicamente, em MB</translation>
    </message>
    <message>
        <source>Free-up RAM every, in minutes (0 for never)</source>
        <translation>Liberar RAM a cada, em minutos (0 = nunca)</translation>
    </message>
    <message>
        <source>Only if free RAM is below, in percent</source>
        <translation>Somente se a RAM livre estiver abaixo desta porcentagem</translation>
    </message>
    <message>
        <source>CPU usage</source>
        <translation>Uso da CPU</translation>
    </message>
    <message>
        <source>What the tray icon shows</source>
        <translation>O que o ícone da área de notificação mostra</translation>
    </message>
    <message>
        <source>First recovery amount of the tray menu, in MB</source>
        <translation>Primeira quantidade a liberar do menu da área de notificação, em MB</translation>
    </message>
    <message>
        <source>Second recovery amount of the tray menu, in MB</source>
        <translation>Segunda quantidade a liberar do menu da área de notificação, em MB</translation>
    </message>
    <message>
        <source>Third recovery amount of the tray menu, in MB</source>
        <translation>Terceira quantidade a liberar do menu da área de notificação, em MB</translation>
    </message>
    <message>
        <source>Alarm sound file</source>
        <translation>Arquivo de som de alerta</translation>
    </message>
    <message>
        <source>Choose the alarm sound file</source>
        <translation>Escolher o arquivo de som de alerta</translation>
    </message>
    <message>
        <source>Free up RAM hot key: Ctrl + Alt + this key</source>
        <translation>Tecla de atalho para liberar RAM: Ctrl + Alt + esta tecla</translation>
    </message>
    <message>
        <source>Disable/enable hot key: Ctrl + Alt + this key</source>
        <translation>Tecla de atalho para desativar/ativar: Ctrl + Alt + esta tecla</translation>
    </message>
    <message>
        <source>Add Files</source>
        <translation>Adicionar arquivos</translation>
    </message>
    <message>
        <source>All Files (*.wav)</source>
        <translation>Todos os arquivos (*.wav)</translation>
    </message>
    <message>
        <source>Pause automatic recovery while one of these programs runs:</source>
        <translation>Pausar a liberação automática quando um destes programas estiver em execução:</translation>
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
        <translation>Nomes de arquivo de programas como o Gerenciador de Tarefas os mostra, separados por ponto e vírgula.</translation>
    </message>
    <message>
        <source>Ignored, as they are not program file names: %1</source>
        <comment>followed by the names</comment>
        <translation>Ignorados, pois não são nomes de arquivo de programas: %1</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Set by your administrator</source>
        <translation>Definido pelo administrador</translation>
    </message>
    <message>
        <source>Your administrator set Quenby to start automatically for every user of this PC.</source>
        <translation>O administrador configurou o Quenby para iniciar automaticamente para todos os usuários deste computador.</translation>
    </message>
</context>
</TS>
