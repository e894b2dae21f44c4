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
        <translation>Gráfico de uso da RAM livre</translation>
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
        <extracomment>The title of the group with the two sliders that set the free-RAM levels.</extracomment>
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
        <extracomment>Stores the two free-RAM levels set with the sliders.</extracomment>
        <translation>Salvar</translation>
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
        <extracomment>Why the tray engine could not be started. %1: Windows&apos; error number.</extracomment>
        <translation>O sistema se recusou a iniciá-lo (erro %1).</translation>
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
        <translation>Uso da CPU: %1%</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <extracomment>%1: megabytes, the value the slider beside it is set to.</extracomment>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>Target free RAM, %1 MB</source>
        <extracomment>Read by screen readers for the slider. %1: the megabytes it is set to.</extracomment>
        <translation>Meta de RAM livre, %1 MB</translation>
    </message>
    <message>
        <source>Minimum free RAM, %1 MB</source>
        <extracomment>Read by screen readers for the slider. %1: the megabytes it is set to.</extracomment>
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
        <extracomment>%1: the character the user typed as the hot key, such as K.</extracomment>
        <translation>Ctrl+Alt+%1 não pode ser uma tecla de atalho: seu layout de teclado não tem nenhuma tecla para “%1”.</translation>
    </message>
    <message>
        <source>Ctrl+Alt+%1 can&apos;t be a hot key: on your keyboard layout it types “%2”, which every program would then lose.</source>
        <extracomment>%1: the character the user typed as the hot key; %2: the character that key combination types on the user&apos;s keyboard layout (as AltGr would).</extracomment>
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
        <extracomment>Start of a sentence the dialog puts together: this check box, a number of seconds, then “seconds”: “Free-up RAM on startup after [60] seconds”.</extracomment>
        <translation>Liberar RAM na inicialização após</translation>
    </message>
    <message>
        <source>MB of RAM on startup after</source>
        <extracomment>A hidden part of the start-up sentence, after a number of megabytes.</extracomment>
        <translation>MB de RAM na inicialização após</translation>
    </message>
    <message>
        <source>seconds</source>
        <extracomment>End of the sentence “Free-up RAM on startup after [60] seconds”.</extracomment>
        <translation>segundos</translation>
    </message>
    <message>
        <source>Free-up RAM every</source>
        <extracomment>Start of a sentence the dialog puts together: “Free-up RAM every [4] minutes if free RAM below [50] %”.</extracomment>
        <translation>Liberar RAM a cada</translation>
    </message>
    <message>
        <source>MB every</source>
        <extracomment>A hidden part of the periodic sentence, after a number of megabytes.</extracomment>
        <translation>MB a cada</translation>
    </message>
    <message>
        <source>minutes if free RAM below</source>
        <extracomment>Middle of the sentence “Free-up RAM every [4] minutes if free RAM below [50] %”: between two numbers.</extracomment>
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
        <extracomment>Beside a bar that shows the processor load.</extracomment>
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
        <extracomment>Beside the picture of the tray icon as it normally looks.</extracomment>
        <translation>Padrão:</translation>
    </message>
    <message>
        <source>Recovering RAM:</source>
        <extracomment>Beside the picture of the tray icon while it recovers RAM.</extracomment>
        <translation>Liberando RAM:</translation>
    </message>
    <message>
        <source>Tray icon text color</source>
        <translation>Cor do texto do ícone</translation>
    </message>
    <message>
        <source>Display</source>
        <extracomment>Start of “Display [Percentage of Free RAM] in tray icon”: a list to choose from follows.</extracomment>
        <translation>Exibir</translation>
    </message>
    <message>
        <source>in tray icon</source>
        <extracomment>End of “Display [Percentage of Free RAM] in tray icon”.</extracomment>
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
        <extracomment>Start of “Recover [512] MB menu”: sets the amount of one entry of the tray icon&apos;s menu.</extracomment>
        <translation>Liberar</translation>
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
        <translation>Limpar também a Área de Transferência ao liberar RAM</translation>
    </message>
    <message>
        <source>Play alarm sound before freeing up RAM</source>
        <translation>Tocar som de alerta antes de liberar RAM</translation>
    </message>
    <message>
        <source>Free up RAM hot key : Cltr + Alt +</source>
        <translation type="vanished">Tecla de atalho para liberar RAM: Ctrl + Alt +</translation>
    </message>
    <message>
        <source>Disable/enable Quenby hotkey : Cltr + Alt +</source>
        <translation type="vanished">Tecla de atalho para desativar/ativar o Quenby: Ctrl + Alt +</translation>
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
    <message>
        <source>Free up RAM hot key: Ctrl + Alt +</source>
        <extracomment>A field for one key follows: Ctrl + Alt + that key frees up RAM in every program.</extracomment>
        <translation>Tecla de atalho para liberar RAM: Ctrl + Alt +</translation>
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
        <translation>Definido pelo administrador</translation>
    </message>
    <message>
        <source>Your administrator set Quenby to start automatically for every user of this PC.</source>
        <translation>O administrador configurou o Quenby para iniciar automaticamente para todos os usuários deste computador.</translation>
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
        <translation>Desligar o Windows</translation>
    </message>
    <message>
        <source>Clear Clipboard</source>
        <comment>107</comment>
        <translation>Limpar Área de Transferência</translation>
    </message>
    <message>
        <source>Free-up RAM Manually
</source>
        <comment>108</comment>
        <extracomment>A menu item that frees up RAM now; the line end stays.</extracomment>
        <translation>Liberar RAM manualmente
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
        <translation>Deseja reiniciar o computador agora?</translation>
    </message>
    <message>
        <source>Do you want to suspend your computer now?</source>
        <comment>115</comment>
        <translation>Deseja suspender o computador agora?</translation>
    </message>
    <message>
        <source>Do you want to shutdown your computer now?</source>
        <comment>116</comment>
        <translation>Deseja desligar o computador agora?</translation>
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
        <translation>Uso da CPU: %1%</translation>
    </message>
    <message>
        <source>CreateProcess failed (%1).</source>
        <comment>122</comment>
        <extracomment>%1: Windows&apos; error number when the control panel could not be started.</extracomment>
        <translation>Falha em CreateProcess (%1).</translation>
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
        <translation>Liberados %1 MB, agora %2 MB livres</translation>
    </message>
    <message>
        <source>No RAM could be recovered</source>
        <comment>126</comment>
        <translation>Não foi possível liberar RAM</translation>
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
        <translation>Não foi possível desligar o Windows (erro %1). %2</translation>
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
        <translation>Não foi possível registrar a tecla de atalho Ctrl+Alt+%1: outro programa a está usando.</translation>
    </message>
    <message>
        <source>The hot key Ctrl+Alt+%1 was not registered: on your keyboard layout it types “%2”.</source>
        <comment>134</comment>
        <extracomment>%1: the character of the hot key; %2: the character the key combination types on the user&apos;s keyboard layout.</extracomment>
        <translation>A tecla de atalho Ctrl+Alt+%1 não foi registrada: no seu layout de teclado, ela digita “%2”.</translation>
    </message>
    <message>
        <source>The hot key Ctrl+Alt+%1 was not registered: your keyboard layout has no such key.</source>
        <comment>135</comment>
        <extracomment>%1: the character of the hot key.</extracomment>
        <translation>A tecla de atalho Ctrl+Alt+%1 não foi registrada: seu layout de teclado não tem essa tecla.</translation>
    </message>
    <message>
        <source>This computer uses Modern Standby, which only Windows itself can start: to let it sleep, press its power button or choose Power &gt; Sleep in the Start menu.</source>
        <comment>137</comment>
        <translation>Este computador usa o Modern Standby, que só o próprio Windows pode iniciar: para suspendê-lo, pressione o botão de energia ou escolha Ligar/Desligar &gt; Suspender no menu Iniciar.</translation>
    </message>
    <message>
        <source>This computer may not be able to sleep, and Windows may hibernate it instead. Do you want to go on?</source>
        <comment>138</comment>
        <translation>Talvez não seja possível suspender este computador, e o Windows pode hibernar o computador em vez disso. Deseja continuar?</translation>
    </message>
</context>
<context>
    <name>Setup</name>
    <message>
        <source>Quenby is still running and could not be closed.</source>
        <comment>STILL_RUNNING_DETAIL</comment>
        <translation>O Quenby ainda está em execução e não pôde ser fechado.</translation>
    </message>
    <message>
        <source>Quenby is still running and could not be closed.

Close it (tray menu: Close RAM Optimizer; and the control panel&apos;s window), then choose Retry.</source>
        <comment>STILL_RUNNING_BOX</comment>
        <translation>O Quenby ainda está em execução e não pôde ser fechado.

Feche-o (menu da área de notificação: Sair do otimizador de RAM; e a janela do painel do Quenby) e escolha Repetir.</translation>
    </message>
    <message>
        <source>Quenby is still running; nothing was changed.</source>
        <comment>STILL_RUNNING_ABORT</comment>
        <translation>O Quenby ainda está em execução; nada foi alterado.</translation>
    </message>
    <message>
        <source>Quenby&apos;s setup or uninstaller is already running.</source>
        <comment>ALREADY_RUNNING</comment>
        <translation>A instalação ou o desinstalador do Quenby já está em execução.</translation>
    </message>
    <message>
        <source>Closing Quenby if it runs...</source>
        <comment>CLOSING</comment>
        <translation>Fechando o Quenby, se estiver em execução...</translation>
    </message>
    <message>
        <source>Quenby control panel: RAM and CPU figures and the options</source>
        <comment>PANEL_LINK_DESCRIPTION</comment>
        <translation>Painel do Quenby: dados de RAM e CPU e as opções</translation>
    </message>
    <message>
        <source>Quenby tray engine</source>
        <comment>ENGINE_LINK_NAME</comment>
        <extracomment>The name of the Start-menu shortcut to the tray engine.</extracomment>
        <translation>Módulo da área de notificação do Quenby</translation>
    </message>
    <message>
        <source>Start Quenby&apos;s tray engine, which recovers RAM</source>
        <comment>ENGINE_LINK_DESCRIPTION</comment>
        <translation>Iniciar o módulo da área de notificação do Quenby, que libera RAM</translation>
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
        <translation>Iniciando o módulo da área de notificação novamente...</translation>
    </message>
    <message>
        <source>The tray engine, the control panel, the command-line client quenbyctl and Start-menu shortcuts.</source>
        <comment>SECTION_PROGRAM_DESCRIPTION</comment>
        <translation>O módulo da área de notificação, o painel do Quenby, o cliente de linha de comando quenbyctl e os atalhos do menu Iniciar.</translation>
    </message>
    <message>
        <source>Start the tray engine when you sign in to Windows.</source>
        <comment>SECTION_AUTOSTART_DESCRIPTION</comment>
        <translation>Iniciar o módulo da área de notificação quando você entrar no Windows.</translation>
    </message>
    <message>
        <source>Unknown value /AUTOSTART=%1: use /AUTOSTART=1 or /AUTOSTART=0.</source>
        <comment>BAD_AUTOSTART</comment>
        <extracomment>$1 (%1 for translators): the value given after /AUTOSTART= on the command line.</extracomment>
        <translation>Valor desconhecido /AUTOSTART=%1: use /AUTOSTART=1 ou /AUTOSTART=0.</translation>
    </message>
    <message>
        <source>Open the Quenby control panel</source>
        <comment>FINISH_RUN</comment>
        <translation>Abrir o painel do Quenby</translation>
    </message>
    <message>
        <source>Installing or removing Quenby for all users of this computer needs administrator rights. Run it again as an administrator.</source>
        <comment>NEEDS_ADMINISTRATOR</comment>
        <translation>Instalar ou remover o Quenby para todos os usuários deste computador requer direitos de administrador. Execute-o novamente como administrador.</translation>
    </message>
    <message>
        <source>Quenby has been installed for all users of this computer.

Setup did not start it. Open it from the Start menu. If Start with Windows was selected, it starts for each user when they sign in.</source>
        <comment>FINISH_MACHINE_TEXT</comment>
        <translation>O Quenby foi instalado para todos os usuários deste computador.

A instalação não o iniciou. Abra-o pelo menu Iniciar. Se “Iniciar com o Windows” foi selecionado, ele será iniciado para cada usuário ao entrar no Windows.</translation>
    </message>
    <message>
        <source>The previous version is still running in another user&apos;s session and keeps running there until it is closed. Its files are removed when you restart the computer.</source>
        <comment>FINISH_SET_ASIDE</comment>
        <translation>A versão anterior ainda está em execução na sessão de outro usuário e continuará assim até ser fechada. Os arquivos dela serão removidos quando você reiniciar o computador.</translation>
    </message>
    <message>
        <source>%1 is in use in another user&apos;s session and was renamed to %2.</source>
        <comment>SET_ASIDE_DETAIL</comment>
        <extracomment>%1: the full path of a file of the previous version; %2: the name it was renamed to.</extracomment>
        <translation>%1 está em uso na sessão de outro usuário e foi renomeado para %2.</translation>
    </message>
    <message>
        <source>Some of Quenby&apos;s files are in use in another user&apos;s session. They will be removed when you restart the computer.</source>
        <comment>UNINSTALL_IN_USE</comment>
        <translation>Alguns arquivos do Quenby estão em uso na sessão de outro usuário. Eles serão removidos quando você reiniciar o computador.</translation>
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
        <translation>Meta de RAM livre (MB)</translation>
    </message>
    <message>
        <source>Sets &quot;%1&quot; of Quenby.</source>
        <extracomment>%1: the policy&apos;s name, as the line above the explanation shows it.</extracomment>
        <translation>Define o valor “%1” do Quenby.</translation>
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
        <translation>Sem política: %1, a menos que o usuário tenha escolhido outro valor.</translation>
    </message>
    <message>
        <source>A computer policy wins over a user policy, and both over the user&apos;s own choice, which the control panel then shows as &quot;Set by your administrator&quot;. When the policy is not configured, the user&apos;s own choice applies.</source>
        <translation>Uma política de computador prevalece sobre uma política de usuário, e ambas sobre a escolha do próprio usuário, que o painel do Quenby então mostra como “Definido pelo administrador”. Quando a política não está configurada, vale a escolha do próprio usuário.</translation>
    </message>
    <message>
        <source>Minimum free RAM (MB)</source>
        <translation>Mínimo de RAM livre (MB)</translation>
    </message>
    <message>
        <source>Free up RAM on startup</source>
        <translation>Liberar RAM na inicialização</translation>
    </message>
    <message>
        <source>Enabled: on (1). Disabled: off (0).</source>
        <translation>Habilitado: ativado (1). Desabilitado: desativado (0).</translation>
    </message>
    <message>
        <source>RAM to free on startup (MB)</source>
        <translation>RAM a liberar na inicialização (MB)</translation>
    </message>
    <message>
        <source>Delay of the startup recovery (seconds)</source>
        <translation>Atraso da liberação na inicialização (segundos)</translation>
    </message>
    <message>
        <source>RAM to free periodically (MB)</source>
        <translation>RAM a liberar periodicamente (MB)</translation>
    </message>
    <message>
        <source>Free up RAM every (minutes, 0 for never)</source>
        <translation>Liberar RAM a cada (minutos, 0 = nunca)</translation>
    </message>
    <message>
        <source>Free RAM percentage shown with the periodic recovery</source>
        <translation>Porcentagem de RAM livre da liberação periódica</translation>
    </message>
    <message>
        <source>Disable CPU usage detection</source>
        <translation>Desativar a detecção de uso da CPU</translation>
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
        <translation>Um destes valores: %1.</translation>
    </message>
    <message>
        <source>Tray icon shows</source>
        <translation>O que o ícone da área de notificação mostra</translation>
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
        <source>First recovery amount of the tray menu (MB)</source>
        <translation>Primeira quantidade a liberar do menu da área de notificação (MB)</translation>
    </message>
    <message>
        <source>Second recovery amount of the tray menu (MB)</source>
        <translation>Segunda quantidade a liberar do menu da área de notificação (MB)</translation>
    </message>
    <message>
        <source>Third recovery amount of the tray menu (MB)</source>
        <translation>Terceira quantidade a liberar do menu da área de notificação (MB)</translation>
    </message>
    <message>
        <source>Also clear the clipboard when freeing up RAM</source>
        <translation>Limpar também a Área de Transferência ao liberar RAM</translation>
    </message>
    <message>
        <source>Play alarm sound before freeing up RAM</source>
        <translation>Tocar som de alerta antes de liberar RAM</translation>
    </message>
    <message>
        <source>Alarm sound file</source>
        <translation>Arquivo de som de alerta</translation>
    </message>
    <message>
        <source>A full path, at most %1 characters.</source>
        <extracomment>%1: a number of characters, such as 259.</extracomment>
        <translation>Um caminho completo, com no máximo %1 caracteres.</translation>
    </message>
    <message>
        <source>Free up RAM hot key (Ctrl + Alt + the key of this code)</source>
        <translation>Tecla de atalho para liberar RAM (Ctrl + Alt + a tecla deste código)</translation>
    </message>
    <message>
        <source>Disable/enable hot key (Ctrl + Alt + the key of this code)</source>
        <translation>Tecla de atalho para desativar/ativar (Ctrl + Alt + a tecla deste código)</translation>
    </message>
    <message>
        <source>Show how much RAM was recovered</source>
        <translation>Mostrar quanta RAM foi liberada</translation>
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
        <source>Pause automatic recovery while one of these programs runs</source>
        <translation>Pausar a liberação automática quando um destes programas estiver em execução</translation>
    </message>
    <message>
        <source>Program file names separated by semicolons, such as game.exe;obs64.exe, at most %1 characters.</source>
        <extracomment>Keep the example file names as they are. %1: a number of characters, such as 1023.</extracomment>
        <translation>Nomes de arquivo de programas separados por ponto e vírgula, como game.exe;obs64.exe, com no máximo %1 caracteres.</translation>
    </message>
    <message>
        <source>Start Quenby automatically at Windows startup</source>
        <translation>Iniciar o Quenby automaticamente com o Windows</translation>
    </message>
    <message>
        <source>Enabled: the tray engine starts when the user signs in to Windows. Disabled: it does not. The engine brings the user&apos;s start-up entry in line when it starts.</source>
        <translation>Habilitado: o módulo da área de notificação é iniciado quando o usuário entra no Windows. Desabilitado: ele não é iniciado. Ao ser iniciado, o módulo ajusta à política a entrada de inicialização do usuário.</translation>
    </message>
    <message>
        <source>Settings of the Quenby RAM optimizer</source>
        <translation>Configurações do otimizador de RAM Quenby</translation>
    </message>
</context>
</TS>
