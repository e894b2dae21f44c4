<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Copyright © Quenby. All rights reserved.</source>
        <translation>Copyright © Quenby. Tutti i diritti riservati.</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Closes this About box.</extracomment>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Website:</source>
        <translation>Sito Web:</translation>
    </message>
    <message>
        <source>Version: %1.%2.%3 (Beta)</source>
        <extracomment>%1, %2 and %3: the parts of the version number, as in 1.4.2.</extracomment>
        <translation>Versione: %1.%2.%3 (beta)</translation>
    </message>
    <message>
        <source>for Windows %1</source>
        <extracomment>%1: the Windows version the panel runs on, 10 or 11.</extracomment>
        <translation>per Windows %1</translation>
    </message>
</context>
<context>
    <name>GraphForm</name>
    <message>
        <source>Usage graph of the free RAM</source>
        <translation>Grafico della RAM libera</translation>
    </message>
    <message>
        <source>%1% of RAM free</source>
        <extracomment>Read by screen readers for the usage graph. %1: the free share of the RAM in percent; the % after it is the percent sign.</extracomment>
        <translation>%1% di RAM libera</translation>
    </message>
</context>
<context>
    <name>HistoryPage</name>
    <message>
        <source>Low free RAM</source>
        <comment>what started a recovery</comment>
        <translation>RAM libera scarsa</translation>
    </message>
    <message>
        <source>Every few minutes</source>
        <comment>what started a recovery: the periodic rule</comment>
        <translation>A intervalli regolari</translation>
    </message>
    <message>
        <source>Startup</source>
        <comment>what started a recovery: the recovery after Quenby starts</comment>
        <translation>Avvio</translation>
    </message>
    <message>
        <source>Tray menu</source>
        <comment>what started a recovery</comment>
        <translation>Menu dell&apos;area di notifica</translation>
    </message>
    <message>
        <source>Hot key</source>
        <comment>what started a recovery</comment>
        <translation>Tasto di scelta rapida</translation>
    </message>
    <message>
        <source>Request</source>
        <comment>what started a recovery: another program (the command line) asked</comment>
        <translation>Richiesta di un altro programma</translation>
    </message>
    <message>
        <source>Ran</source>
        <translation>Eseguita</translation>
    </message>
    <message>
        <source>Did not run: the processor was busy</source>
        <translation>Non eseguita: il processore era occupato</translation>
    </message>
    <message>
        <source>Did not run: another user&apos;s recovery was running</source>
        <translation>Non eseguita: era in corso la liberazione di un altro utente</translation>
    </message>
    <message>
        <source>Did not run: a full-screen program was running</source>
        <translation>Non eseguita: era in esecuzione un programma a schermo intero</translation>
    </message>
    <message>
        <source>Did not run: a protected program was running</source>
        <translation>Non eseguita: era in esecuzione un programma protetto</translation>
    </message>
    <message>
        <source>Did not run: paused after a recovery that could not help</source>
        <translation>Non eseguita: in pausa dopo una liberazione rivelatasi inutile</translation>
    </message>
    <message>
        <source>Did not run: more than three quarters of the RAM was free</source>
        <translation>Non eseguita: più di tre quarti della RAM erano liberi</translation>
    </message>
    <message>
        <source>No recovery yet.</source>
        <translation>Nessuna liberazione finora.</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Quando</translation>
    </message>
    <message>
        <source>Started by</source>
        <translation>Avviata da</translation>
    </message>
    <message>
        <source>What happened</source>
        <translation>Esito</translation>
    </message>
    <message>
        <source>Before (MB)</source>
        <comment>column: free RAM before the recovery, in megabytes</comment>
        <translation>Prima (MB)</translation>
    </message>
    <message>
        <source>After (MB)</source>
        <comment>column: free RAM after the recovery, in megabytes</comment>
        <translation>Dopo (MB)</translation>
    </message>
    <message>
        <source>Used (MB)</source>
        <comment>column: the megabytes the recovery allocated and released</comment>
        <translation>Usata (MB)</translation>
    </message>
    <message>
        <source>Seconds</source>
        <comment>column: how long the recovery took</comment>
        <translation>Secondi</translation>
    </message>
    <message>
        <source>Free RAM before the recovery</source>
        <translation>RAM libera prima della liberazione</translation>
    </message>
    <message>
        <source>Free RAM after the recovery</source>
        <translation>RAM libera dopo la liberazione</translation>
    </message>
    <message>
        <source>The RAM the recovery took for a moment and gave back</source>
        <translation>La RAM occupata per un momento dalla liberazione e poi restituita</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Total RAM: n/a</source>
        <translation>RAM totale: n/d</translation>
    </message>
    <message>
        <source>Available RAM: n/a</source>
        <translation>RAM disponibile: n/d</translation>
    </message>
    <message>
        <source>CPU Usage: n/a</source>
        <translation>Utilizzo CPU: n/d</translation>
    </message>
    <message>
        <source>Free-up RAM</source>
        <extracomment>The title of the group with the two sliders that set the free-RAM levels.</extracomment>
        <translation>Libera RAM</translation>
    </message>
    <message>
        <source>Target Free RAM:</source>
        <translation>RAM libera desiderata:</translation>
    </message>
    <message>
        <source>Minimum Free RAM:</source>
        <translation>RAM libera minima:</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>Save</source>
        <extracomment>Stores the two free-RAM levels set with the sliders.</extracomment>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Enable RAM Optimizer</source>
        <translation>Attiva ottimizzatore RAM</translation>
    </message>
    <message>
        <source>Disable</source>
        <extracomment>Switches the automatic recovery off; the button then reads “Enable RAM Optimizer”.</extracomment>
        <translation>Disattiva</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Ends the tray engine (the RAM optimizer itself), not only this window.</extracomment>
        <translation>Esci</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>Il file non esiste.</translation>
    </message>
    <message>
        <source>You are not allowed to run this file.</source>
        <translation>Non hai l&apos;autorizzazione per eseguire questo file.</translation>
    </message>
    <message>
        <source>The file is not a program that can be run.</source>
        <translation>Il file non è un programma eseguibile.</translation>
    </message>
    <message>
        <source>There is not enough memory to start it.</source>
        <translation>Memoria insufficiente per avviarlo.</translation>
    </message>
    <message>
        <source>The system refused to start it (error %1).</source>
        <extracomment>Why the tray engine could not be started. %1: Windows&apos; error number.</extracomment>
        <translation>Il sistema ha rifiutato di avviarlo (errore %1).</translation>
    </message>
    <message>
        <source>The RAM optimizer could not be started from %1.</source>
        <extracomment>%1: the full path of the tray engine&apos;s program file; a sentence saying why follows on the next line.</extracomment>
        <translation>Impossibile avviare l&apos;ottimizzatore RAM da %1.</translation>
    </message>
    <message>
        <source>Total RAM: %1MB</source>
        <extracomment>%1: megabytes of RAM installed, a whole number.</extracomment>
        <translation>RAM totale: %1 MB</translation>
    </message>
    <message>
        <source>Available RAM: %1MB (%2%)</source>
        <extracomment>%1: megabytes of RAM available now; %2: that as a share of all RAM, in percent (the % after it is the percent sign).</extracomment>
        <translation>RAM disponibile: %1 MB (%2%)</translation>
    </message>
    <message>
        <source>CPU Usages: %1%</source>
        <extracomment>%1: the processor load of the last second in percent; the % after it is the percent sign.</extracomment>
        <translation>Utilizzo CPU: %1%</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <extracomment>%1: megabytes, the value the slider beside it is set to.</extracomment>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>Target free RAM, %1 MB</source>
        <extracomment>Read by screen readers for the slider. %1: the megabytes it is set to.</extracomment>
        <translation>RAM libera desiderata, %1 MB</translation>
    </message>
    <message>
        <source>Minimum free RAM, %1 MB</source>
        <extracomment>Read by screen readers for the slider. %1: the megabytes it is set to.</extracomment>
        <translation>RAM libera minima, %1 MB</translation>
    </message>
    <message>
        <source>Save the target and minimum free RAM</source>
        <translation>Salva i valori di RAM libera desiderata e minima</translation>
    </message>
    <message>
        <source>Open the options</source>
        <translation>Apri le opzioni</translation>
    </message>
    <message>
        <source>Enable the RAM optimizer</source>
        <translation>Attiva l&apos;ottimizzatore RAM</translation>
    </message>
    <message>
        <source>Disable the RAM optimizer</source>
        <translation>Disattiva l&apos;ottimizzatore RAM</translation>
    </message>
    <message>
        <source>Close the RAM optimizer</source>
        <translation>Esci dall&apos;ottimizzatore RAM</translation>
    </message>
    <message>
        <source>About Quenby</source>
        <translation>Informazioni su Quenby</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Ctrl+Alt+%1 can&apos;t be a hot key: your keyboard layout has no key for “%1”.</source>
        <extracomment>%1: the character the user typed as the hot key, such as K.</extracomment>
        <translation>Ctrl+Alt+%1 non può essere un tasto di scelta rapida: il layout di tastiera in uso non ha alcun tasto per «%1».</translation>
    </message>
    <message>
        <source>Ctrl+Alt+%1 can&apos;t be a hot key: on your keyboard layout it types “%2”, which every program would then lose.</source>
        <extracomment>%1: the character the user typed as the hot key; %2: the character that key combination types on the user&apos;s keyboard layout (as AltGr would).</extracomment>
        <translation>Ctrl+Alt+%1 non può essere un tasto di scelta rapida: con il layout di tastiera in uso digita «%2», che nessun programma potrebbe più ricevere.</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Generale</translation>
    </message>
    <message>
        <source>Start Quenby automatically at Windows startup</source>
        <translation>Avvia Quenby automaticamente all&apos;avvio di Windows</translation>
    </message>
    <message>
        <source>Free-up RAM on startup after</source>
        <extracomment>Start of a sentence the dialog puts together: this check box, a number of seconds, then “seconds”: “Free-up RAM on startup after [60] seconds”.</extracomment>
        <translation>Libera RAM all&apos;avvio dopo</translation>
    </message>
    <message>
        <source>MB of RAM on startup after</source>
        <extracomment>A hidden part of the start-up sentence, after a number of megabytes.</extracomment>
        <translation>MB di RAM all&apos;avvio dopo</translation>
    </message>
    <message>
        <source>seconds</source>
        <extracomment>End of the sentence “Free-up RAM on startup after [60] seconds”.</extracomment>
        <translation>secondi</translation>
    </message>
    <message>
        <source>Free-up RAM every</source>
        <extracomment>Start of a sentence the dialog puts together: “Free-up RAM every [4] minutes if free RAM below [50] %”.</extracomment>
        <translation>Libera RAM ogni</translation>
    </message>
    <message>
        <source>MB every</source>
        <extracomment>A hidden part of the periodic sentence, after a number of megabytes.</extracomment>
        <translation>MB ogni</translation>
    </message>
    <message>
        <source>minutes if free RAM below</source>
        <extracomment>Middle of the sentence “Free-up RAM every [4] minutes if free RAM below [50] %”: between two numbers.</extracomment>
        <translation>minuti se la RAM libera è sotto</translation>
    </message>
    <message>
        <source>Pause automatic recovery while it cannot help</source>
        <translation>Metti in pausa la liberazione automatica quando è inutile</translation>
    </message>
    <message>
        <source>Pause automatic recovery while a full-screen program runs</source>
        <translation>Metti in pausa la liberazione automatica quando è in esecuzione un programma a schermo intero</translation>
    </message>
    <message>
        <source>CPU usage:</source>
        <extracomment>Beside a bar that shows the processor load.</extracomment>
        <translation>Utilizzo CPU:</translation>
    </message>
    <message>
        <source>Disable CPU usage detection</source>
        <translation>Disattiva rilevamento utilizzo CPU</translation>
    </message>
    <message>
        <source>Enable the CPU usage detection to prevent Quenby recovering RAM when your CPU is busy. Please note that CPU cooling and few other programs use special method that cause the CPU usage always stay at 100% level. When you have this kind of situation, disable the CPU usage detection to allow Quenby recovering RAM at any CPU usage level.</source>
        <translation>Attiva il rilevamento dell&apos;utilizzo CPU per impedire a Quenby di liberare RAM quando la CPU è occupata. Nota: i programmi di raffreddamento della CPU e alcuni altri usano un metodo speciale che mantiene l&apos;utilizzo CPU sempre al 100%. In questo caso, disattiva il rilevamento dell&apos;utilizzo CPU per consentire a Quenby di liberare RAM con qualsiasi livello di utilizzo CPU.</translation>
    </message>
    <message>
        <source>Tray Icon</source>
        <translation>Icona di notifica</translation>
    </message>
    <message>
        <source>Default:</source>
        <extracomment>Beside the picture of the tray icon as it normally looks.</extracomment>
        <translation>Predefinito:</translation>
    </message>
    <message>
        <source>Recovering RAM:</source>
        <extracomment>Beside the picture of the tray icon while it recovers RAM.</extracomment>
        <translation>Liberazione RAM:</translation>
    </message>
    <message>
        <source>Tray icon text color</source>
        <translation>Colore del testo dell&apos;icona</translation>
    </message>
    <message>
        <source>Display</source>
        <extracomment>Start of “Display [Percentage of Free RAM] in tray icon”: a list to choose from follows.</extracomment>
        <translation>Mostra</translation>
    </message>
    <message>
        <source>in tray icon</source>
        <extracomment>End of “Display [Percentage of Free RAM] in tray icon”.</extracomment>
        <translation>nell&apos;icona</translation>
    </message>
    <message>
        <source>Show how much RAM was recovered</source>
        <translation>Mostra quanta RAM è stata liberata</translation>
    </message>
    <message>
        <source>Popup Menu</source>
        <translation>Menu contestuale</translation>
    </message>
    <message>
        <source>Recover</source>
        <extracomment>Start of “Recover [512] MB menu”: sets the amount of one entry of the tray icon&apos;s menu.</extracomment>
        <translation>Libera</translation>
    </message>
    <message>
        <source>MB menu</source>
        <extracomment>End of “Recover [512] MB menu”.</extracomment>
        <translation>MB (menu)</translation>
    </message>
    <message>
        <source>Others</source>
        <translation>Altro</translation>
    </message>
    <message>
        <source>Also clear Windows Clipboard when freeing up RAM</source>
        <translation>Cancella anche gli Appunti di Windows liberando la RAM</translation>
    </message>
    <message>
        <source>Play alarm sound before freeing up RAM</source>
        <translation>Riproduci un suono di avviso prima di liberare la RAM</translation>
    </message>
    <message>
        <source>Free up RAM hot key : Cltr + Alt +</source>
        <translation type="vanished">Tasto di scelta rapida per liberare RAM: Ctrl + Alt +</translation>
    </message>
    <message>
        <source>Disable/enable Quenby hotkey : Cltr + Alt +</source>
        <translation type="vanished">Tasto di scelta rapida per disattivare/attivare Quenby: Ctrl + Alt +</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Nero</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Bianco</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Automatico</translation>
    </message>
    <message>
        <source>Percentage of CPU Usage</source>
        <translation>Percentuale di utilizzo CPU</translation>
    </message>
    <message>
        <source>Percentage of Free RAM</source>
        <translation>Percentuale di RAM libera</translation>
    </message>
    <message>
        <source>RAM to free on startup, in MB</source>
        <translation>RAM da liberare all&apos;avvio, in MB</translation>
    </message>
    <message>
        <source>Delay of the startup recovery, in seconds</source>
        <translation>Ritardo della liberazione all&apos;avvio, in secondi</translation>
    </message>
    <message>
        <source>RAM to free periodically, in MB</source>
        <translation>RAM da liberare periodicamente, in MB</translation>
    </message>
    <message>
        <source>Free-up RAM every, in minutes (0 for never)</source>
        <translation>Intervallo per liberare RAM, in minuti (0 = mai)</translation>
    </message>
    <message>
        <source>Only if free RAM is below, in percent</source>
        <translation>Solo se la RAM libera è sotto questa percentuale</translation>
    </message>
    <message>
        <source>CPU usage</source>
        <translation>Utilizzo CPU</translation>
    </message>
    <message>
        <source>What the tray icon shows</source>
        <translation>Cosa mostra l&apos;icona di notifica</translation>
    </message>
    <message>
        <source>First recovery amount of the tray menu, in MB</source>
        <translation>Prima quantità da liberare nel menu dell&apos;area di notifica, in MB</translation>
    </message>
    <message>
        <source>Second recovery amount of the tray menu, in MB</source>
        <translation>Seconda quantità da liberare nel menu dell&apos;area di notifica, in MB</translation>
    </message>
    <message>
        <source>Third recovery amount of the tray menu, in MB</source>
        <translation>Terza quantità da liberare nel menu dell&apos;area di notifica, in MB</translation>
    </message>
    <message>
        <source>Alarm sound file</source>
        <translation>File del suono di avviso</translation>
    </message>
    <message>
        <source>Choose the alarm sound file</source>
        <translation>Scegli il file del suono di avviso</translation>
    </message>
    <message>
        <source>Free up RAM hot key: Ctrl + Alt + this key</source>
        <translation>Tasto di scelta rapida per liberare RAM: Ctrl + Alt + questo tasto</translation>
    </message>
    <message>
        <source>Disable/enable hot key: Ctrl + Alt + this key</source>
        <translation>Tasto di scelta rapida per disattivare/attivare: Ctrl + Alt + questo tasto</translation>
    </message>
    <message>
        <source>Add Files</source>
        <translation>Aggiungi file</translation>
    </message>
    <message>
        <source>All Files (*.wav)</source>
        <translation>Tutti i file (*.wav)</translation>
    </message>
    <message>
        <source>Pause automatic recovery while one of these programs runs:</source>
        <translation>Metti in pausa la liberazione automatica quando è in esecuzione uno di questi programmi:</translation>
    </message>
    <message>
        <source>game.exe;obs64.exe</source>
        <extracomment>An example of the list: two program file names separated by a semicolon. Keep the names as they are.</extracomment>
        <translation>game.exe;obs64.exe</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Cronologia</translation>
    </message>
    <message>
        <source>Program file names as Task Manager shows them, separated by semicolons.</source>
        <translation>Nomi dei file dei programmi come li mostra Gestione attività, separati da punto e virgola.</translation>
    </message>
    <message>
        <source>Ignored, as they are not program file names: %1</source>
        <comment>followed by the names</comment>
        <translation>Ignorati, perché non sono nomi di file di programmi: %1</translation>
    </message>
    <message>
        <source>Free up RAM hot key: Ctrl + Alt +</source>
        <extracomment>A field for one key follows: Ctrl + Alt + that key frees up RAM in every program.</extracomment>
        <translation>Tasto di scelta rapida per liberare RAM: Ctrl + Alt +</translation>
    </message>
    <message>
        <source>Disable/enable Quenby hot key: Ctrl + Alt +</source>
        <extracomment>A field for one key follows: Ctrl + Alt + that key switches the automatic recovery off and on.</extracomment>
        <translation>Tasto di scelta rapida per disattivare/attivare Quenby: Ctrl + Alt +</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Set by your administrator</source>
        <translation>Impostato dall&apos;amministratore</translation>
    </message>
    <message>
        <source>Your administrator set Quenby to start automatically for every user of this PC.</source>
        <translation>L&apos;amministratore ha impostato l&apos;avvio automatico di Quenby per tutti gli utenti di questo PC.</translation>
    </message>
</context>
<context>
    <name>Quenbytray</name>
    <message>
        <source>Restart Windows</source>
        <comment>104</comment>
        <translation>Riavvia Windows</translation>
    </message>
    <message>
        <source>Suspend Windows</source>
        <comment>105</comment>
        <translation>Sospendi Windows</translation>
    </message>
    <message>
        <source>Shutdown Windows</source>
        <comment>106</comment>
        <translation>Arresta Windows</translation>
    </message>
    <message>
        <source>Clear Clipboard</source>
        <comment>107</comment>
        <translation>Cancella gli Appunti</translation>
    </message>
    <message>
        <source>Free-up RAM Manually
</source>
        <comment>108</comment>
        <extracomment>A menu item that frees up RAM now; the line end stays.</extracomment>
        <translation>Libera RAM manualmente
</translation>
    </message>
    <message>
        <source>Configuration...</source>
        <comment>110</comment>
        <translation>Opzioni...</translation>
    </message>
    <message>
        <source>Disable RAM Optimizer</source>
        <comment>111</comment>
        <translation>Disattiva ottimizzatore RAM</translation>
    </message>
    <message>
        <source>Enable RAM Optimizer</source>
        <comment>112</comment>
        <translation>Attiva ottimizzatore RAM</translation>
    </message>
    <message>
        <source>Close RAM Optimizer</source>
        <comment>113</comment>
        <extracomment>Ends the tray engine: its icon and the automatic recovery go away.</extracomment>
        <translation>Esci dall&apos;ottimizzatore RAM</translation>
    </message>
    <message>
        <source>Do you want to restart your computer now?</source>
        <comment>114</comment>
        <translation>Vuoi riavviare il computer ora?</translation>
    </message>
    <message>
        <source>Do you want to suspend your computer now?</source>
        <comment>115</comment>
        <translation>Vuoi sospendere il computer ora?</translation>
    </message>
    <message>
        <source>Do you want to shutdown your computer now?</source>
        <comment>116</comment>
        <translation>Vuoi arrestare il computer ora?</translation>
    </message>
    <message>
        <source>Confirm</source>
        <comment>117</comment>
        <extracomment>The title of the box that asks before a restart, a sleep or a shutdown.</extracomment>
        <translation>Conferma</translation>
    </message>
    <message>
        <source>RAM Optimizer
</source>
        <comment>118</comment>
        <extracomment>The first line of the tray icon&apos;s tooltip; the line end stays.</extracomment>
        <translation>Ottimizzatore RAM
</translation>
    </message>
    <message>
        <source>Free RAM: %1 MB (%2%)
</source>
        <comment>119</comment>
        <extracomment>The second line of the tooltip. %1: megabytes of free RAM; %2: that as a share of all RAM in percent, the % after it being the percent sign. The line end stays.</extracomment>
        <translation>RAM libera: %1 MB (%2%)
</translation>
    </message>
    <message>
        <source>CPU Usage: %1%</source>
        <comment>121</comment>
        <extracomment>The third line of the tooltip. %1: the processor load in percent; the % after it is the percent sign.</extracomment>
        <translation>Utilizzo CPU: %1%</translation>
    </message>
    <message>
        <source>CreateProcess failed (%1).</source>
        <comment>122</comment>
        <extracomment>%1: Windows&apos; error number when the control panel could not be started.</extracomment>
        <translation>CreateProcess non riuscito (%1).</translation>
    </message>
    <message>
        <source>Error</source>
        <comment>123</comment>
        <extracomment>The title of a box that says something failed.</extracomment>
        <translation>Errore</translation>
    </message>
    <message>
        <source>RAM Optimizer</source>
        <comment>124</comment>
        <extracomment>The title of the notices the tray icon shows.</extracomment>
        <translation>Ottimizzatore RAM</translation>
    </message>
    <message>
        <source>Recovered %1 MB, %2 MB free now</source>
        <comment>125</comment>
        <extracomment>A notice after a recovery. %1: the megabytes recovered; %2: the megabytes free now.</extracomment>
        <translation>Liberati %1 MB, ora %2 MB liberi</translation>
    </message>
    <message>
        <source>No RAM could be recovered</source>
        <comment>126</comment>
        <translation>Impossibile liberare RAM</translation>
    </message>
    <message>
        <source>Windows could not be restarted (error %1). %2</source>
        <comment>127</comment>
        <extracomment>%1: Windows&apos; error number; %2: Windows&apos; own description of the error, a sentence or empty.</extracomment>
        <translation>Impossibile riavviare Windows (errore %1). %2</translation>
    </message>
    <message>
        <source>Windows could not be suspended (error %1). %2</source>
        <comment>128</comment>
        <extracomment>%1: Windows&apos; error number; %2: Windows&apos; own description of the error, a sentence or empty.</extracomment>
        <translation>Impossibile sospendere Windows (errore %1). %2</translation>
    </message>
    <message>
        <source>Windows could not be shut down (error %1). %2</source>
        <comment>129</comment>
        <extracomment>%1: Windows&apos; error number; %2: Windows&apos; own description of the error, a sentence or empty.</extracomment>
        <translation>Impossibile arrestare Windows (errore %1). %2</translation>
    </message>
    <message>
        <source>Hot key not available</source>
        <comment>132</comment>
        <translation>Tasto di scelta rapida non disponibile</translation>
    </message>
    <message>
        <source>The hot key Ctrl+Alt+%1 could not be registered: another program uses it.</source>
        <comment>133</comment>
        <extracomment>%1: the character of the hot key, such as K.</extracomment>
        <translation>Impossibile registrare il tasto di scelta rapida Ctrl+Alt+%1: è già usato da un altro programma.</translation>
    </message>
    <message>
        <source>The hot key Ctrl+Alt+%1 was not registered: on your keyboard layout it types “%2”.</source>
        <comment>134</comment>
        <extracomment>%1: the character of the hot key; %2: the character the key combination types on the user&apos;s keyboard layout.</extracomment>
        <translation>Il tasto di scelta rapida Ctrl+Alt+%1 non è stato registrato: con il layout di tastiera in uso digita «%2».</translation>
    </message>
    <message>
        <source>The hot key Ctrl+Alt+%1 was not registered: your keyboard layout has no such key.</source>
        <comment>135</comment>
        <extracomment>%1: the character of the hot key.</extracomment>
        <translation>Il tasto di scelta rapida Ctrl+Alt+%1 non è stato registrato: il layout di tastiera in uso non ha questo tasto.</translation>
    </message>
    <message>
        <source>This computer uses Modern Standby, which only Windows itself can start: to let it sleep, press its power button or choose Power &gt; Sleep in the Start menu.</source>
        <comment>137</comment>
        <translation>Questo computer usa lo Standby moderno (Modern Standby), che solo Windows stesso può avviare: per sospenderlo, premi il pulsante di alimentazione o scegli Arresta &gt; Sospendi nel menu Start.</translation>
    </message>
    <message>
        <source>This computer may not be able to sleep, and Windows may hibernate it instead. Do you want to go on?</source>
        <comment>138</comment>
        <translation>Questo computer potrebbe non riuscire a sospendersi e Windows potrebbe invece metterlo in ibernazione. Vuoi continuare?</translation>
    </message>
</context>
<context>
    <name>Setup</name>
    <message>
        <source>Quenby is still running and could not be closed.</source>
        <comment>STILL_RUNNING_DETAIL</comment>
        <translation>Quenby è ancora in esecuzione e non è stato possibile chiuderlo.</translation>
    </message>
    <message>
        <source>Quenby is still running and could not be closed.

Close it (tray menu: Close RAM Optimizer; and the control panel&apos;s window), then choose Retry.</source>
        <comment>STILL_RUNNING_BOX</comment>
        <translation>Quenby è ancora in esecuzione e non è stato possibile chiuderlo.

Chiudilo (menu dell&apos;area di notifica: Esci dall&apos;ottimizzatore RAM; e anche la finestra del pannello di comando), quindi scegli Riprova.</translation>
    </message>
    <message>
        <source>Quenby is still running; nothing was changed.</source>
        <comment>STILL_RUNNING_ABORT</comment>
        <translation>Quenby è ancora in esecuzione; non è stato modificato nulla.</translation>
    </message>
    <message>
        <source>Quenby&apos;s setup or uninstaller is already running.</source>
        <comment>ALREADY_RUNNING</comment>
        <translation>Il programma di installazione o disinstallazione di Quenby è già in esecuzione.</translation>
    </message>
    <message>
        <source>Closing Quenby if it runs...</source>
        <comment>CLOSING</comment>
        <translation>Chiusura di Quenby, se in esecuzione...</translation>
    </message>
    <message>
        <source>Quenby control panel: RAM and CPU figures and the options</source>
        <comment>PANEL_LINK_DESCRIPTION</comment>
        <translation>Pannello di comando di Quenby: dati di RAM e CPU e opzioni</translation>
    </message>
    <message>
        <source>Quenby tray engine</source>
        <comment>ENGINE_LINK_NAME</comment>
        <extracomment>The name of the Start-menu shortcut to the tray engine.</extracomment>
        <translation>Motore dell&apos;area di notifica di Quenby</translation>
    </message>
    <message>
        <source>Start Quenby&apos;s tray engine, which recovers RAM</source>
        <comment>ENGINE_LINK_DESCRIPTION</comment>
        <translation>Avvia il motore di Quenby nell&apos;area di notifica, che libera la RAM</translation>
    </message>
    <message>
        <source>Quenby (required)</source>
        <comment>SECTION_PROGRAM</comment>
        <translation>Quenby (obbligatorio)</translation>
    </message>
    <message>
        <source>Start with Windows</source>
        <comment>SECTION_AUTOSTART</comment>
        <translation>Avvia con Windows</translation>
    </message>
    <message>
        <source>Starting the tray engine again...</source>
        <comment>RESTARTING_ENGINE</comment>
        <translation>Riavvio del motore dell&apos;area di notifica...</translation>
    </message>
    <message>
        <source>The tray engine, the control panel, the command-line client quenbyctl and Start-menu shortcuts.</source>
        <comment>SECTION_PROGRAM_DESCRIPTION</comment>
        <translation>Il motore dell&apos;area di notifica, il pannello di comando, il client della riga di comando quenbyctl e i collegamenti del menu Start.</translation>
    </message>
    <message>
        <source>Start the tray engine when you sign in to Windows.</source>
        <comment>SECTION_AUTOSTART_DESCRIPTION</comment>
        <translation>Avvia il motore dell&apos;area di notifica all&apos;accesso a Windows.</translation>
    </message>
    <message>
        <source>Unknown value /AUTOSTART=%1: use /AUTOSTART=1 or /AUTOSTART=0.</source>
        <comment>BAD_AUTOSTART</comment>
        <extracomment>$1 (%1 for translators): the value given after /AUTOSTART= on the command line.</extracomment>
        <translation>Valore sconosciuto /AUTOSTART=%1: usa /AUTOSTART=1 o /AUTOSTART=0.</translation>
    </message>
    <message>
        <source>Open the Quenby control panel</source>
        <comment>FINISH_RUN</comment>
        <translation>Apri il pannello di comando di Quenby</translation>
    </message>
    <message>
        <source>Installing or removing Quenby for all users of this computer needs administrator rights. Run it again as an administrator.</source>
        <comment>NEEDS_ADMINISTRATOR</comment>
        <translation>Per installare o rimuovere Quenby per tutti gli utenti di questo computer sono necessari i diritti di amministratore. Eseguilo di nuovo come amministratore.</translation>
    </message>
    <message>
        <source>Quenby has been installed for all users of this computer.

Setup did not start it. Open it from the Start menu. If Start with Windows was selected, it starts for each user when they sign in.</source>
        <comment>FINISH_MACHINE_TEXT</comment>
        <translation>Quenby è stato installato per tutti gli utenti di questo computer.

Il programma di installazione non lo ha avviato. Aprilo dal menu Start. Se è stato selezionato «Avvia con Windows», si avvia per ogni utente al momento dell&apos;accesso.</translation>
    </message>
    <message>
        <source>The previous version is still running in another user&apos;s session and keeps running there until it is closed. Its files are removed when you restart the computer.</source>
        <comment>FINISH_SET_ASIDE</comment>
        <translation>La versione precedente è ancora in esecuzione nella sessione di un altro utente e lo resterà finché non verrà chiusa. I suoi file verranno rimossi al riavvio del computer.</translation>
    </message>
    <message>
        <source>%1 is in use in another user&apos;s session and was renamed to %2.</source>
        <comment>SET_ASIDE_DETAIL</comment>
        <extracomment>%1: the full path of a file of the previous version; %2: the name it was renamed to.</extracomment>
        <translation>%1 è in uso nella sessione di un altro utente ed è stato rinominato in %2.</translation>
    </message>
    <message>
        <source>Some of Quenby&apos;s files are in use in another user&apos;s session. They will be removed when you restart the computer.</source>
        <comment>UNINSTALL_IN_USE</comment>
        <translation>Alcuni file di Quenby sono in uso nella sessione di un altro utente. Verranno rimossi al riavvio del computer.</translation>
    </message>
</context>
<context>
    <name>Policies</name>
    <message>
        <source>Quenby %1 on Windows 10 and Windows 11</source>
        <extracomment>%1: Quenby&apos;s version number, as in 1.4.2.</extracomment>
        <translation>Quenby %1 su Windows 10 e Windows 11</translation>
    </message>
    <message>
        <source>Target free RAM (MB)</source>
        <translation>RAM libera desiderata (MB)</translation>
    </message>
    <message>
        <source>Sets &quot;%1&quot; of Quenby.</source>
        <extracomment>%1: the policy&apos;s name, as the line above the explanation shows it.</extracomment>
        <translation>Imposta il valore «%1» di Quenby.</translation>
    </message>
    <message>
        <source>three quarters of the installed RAM in MB</source>
        <translation>tre quarti della RAM installata in MB</translation>
    </message>
    <message>
        <source>From %1 to %2.</source>
        <extracomment>The range a policy accepts. %1 and %2: numbers, or texts such as “the installed RAM in MB divided by 4”.</extracomment>
        <translation>Tra %1 e %2.</translation>
    </message>
    <message>
        <source>the installed RAM in MB divided by %1</source>
        <extracomment>A bound of a range, or a default. %1: a number such as 4.</extracomment>
        <translation>la RAM installata in MB divisa per %1</translation>
    </message>
    <message>
        <source>Without a policy: %1, unless the user chose otherwise.</source>
        <extracomment>%1: the default value, a number or a text such as “the installed RAM in MB divided by 4”.</extracomment>
        <translation>Senza criterio: %1, a meno che l&apos;utente non abbia scelto diversamente.</translation>
    </message>
    <message>
        <source>A computer policy wins over a user policy, and both over the user&apos;s own choice, which the control panel then shows as &quot;Set by your administrator&quot;. When the policy is not configured, the user&apos;s own choice applies.</source>
        <translation>Un criterio del computer prevale su un criterio utente, ed entrambi sulla scelta dell&apos;utente, che il pannello di comando mostra allora come «Impostato dall&apos;amministratore». Se il criterio non è configurato, si applica la scelta dell&apos;utente.</translation>
    </message>
    <message>
        <source>Minimum free RAM (MB)</source>
        <translation>RAM libera minima (MB)</translation>
    </message>
    <message>
        <source>Free up RAM on startup</source>
        <translation>Libera RAM all&apos;avvio</translation>
    </message>
    <message>
        <source>Enabled: on (1). Disabled: off (0).</source>
        <translation>Attivata: attivo (1). Disattivata: non attivo (0).</translation>
    </message>
    <message>
        <source>RAM to free on startup (MB)</source>
        <translation>RAM da liberare all&apos;avvio (MB)</translation>
    </message>
    <message>
        <source>Delay of the startup recovery (seconds)</source>
        <translation>Ritardo della liberazione all&apos;avvio (secondi)</translation>
    </message>
    <message>
        <source>RAM to free periodically (MB)</source>
        <translation>RAM da liberare periodicamente (MB)</translation>
    </message>
    <message>
        <source>Free up RAM every (minutes, 0 for never)</source>
        <translation>Intervallo per liberare RAM (minuti, 0 = mai)</translation>
    </message>
    <message>
        <source>Free RAM percentage shown with the periodic recovery</source>
        <translation>Percentuale di RAM libera della liberazione periodica</translation>
    </message>
    <message>
        <source>Disable CPU usage detection</source>
        <translation>Disattiva rilevamento utilizzo CPU</translation>
    </message>
    <message>
        <source>Tray icon text color</source>
        <translation>Colore del testo dell&apos;icona di notifica</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Nero</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Bianco</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>Joins the entries of a list: %1 is the list so far, %2 the next entry. Use the language&apos;s list separator.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Automatico</translation>
    </message>
    <message>
        <source>One of: %1.</source>
        <extracomment>%1: the values a policy accepts, each its number and its name, as in “0 Black, 1 White, 2 Auto”.</extracomment>
        <translation>Uno dei valori seguenti: %1.</translation>
    </message>
    <message>
        <source>Tray icon shows</source>
        <translation>Cosa mostra l&apos;icona di notifica</translation>
    </message>
    <message>
        <source>Percentage of CPU Usage</source>
        <translation>Percentuale di utilizzo CPU</translation>
    </message>
    <message>
        <source>Percentage of Free RAM</source>
        <translation>Percentuale di RAM libera</translation>
    </message>
    <message>
        <source>First recovery amount of the tray menu (MB)</source>
        <translation>Prima quantità da liberare nel menu dell&apos;area di notifica (MB)</translation>
    </message>
    <message>
        <source>Second recovery amount of the tray menu (MB)</source>
        <translation>Seconda quantità da liberare nel menu dell&apos;area di notifica (MB)</translation>
    </message>
    <message>
        <source>Third recovery amount of the tray menu (MB)</source>
        <translation>Terza quantità da liberare nel menu dell&apos;area di notifica (MB)</translation>
    </message>
    <message>
        <source>Also clear the clipboard when freeing up RAM</source>
        <translation>Cancella anche gli Appunti liberando la RAM</translation>
    </message>
    <message>
        <source>Play alarm sound before freeing up RAM</source>
        <translation>Riproduci un suono di avviso prima di liberare la RAM</translation>
    </message>
    <message>
        <source>Alarm sound file</source>
        <translation>File del suono di avviso</translation>
    </message>
    <message>
        <source>A full path, at most %1 characters.</source>
        <extracomment>%1: a number of characters, such as 259.</extracomment>
        <translation>Un percorso completo, al massimo %1 caratteri.</translation>
    </message>
    <message>
        <source>Free up RAM hot key (Ctrl + Alt + the key of this code)</source>
        <translation>Tasto di scelta rapida per liberare RAM (Ctrl + Alt + il tasto di questo codice)</translation>
    </message>
    <message>
        <source>Disable/enable hot key (Ctrl + Alt + the key of this code)</source>
        <translation>Tasto di scelta rapida per disattivare/attivare (Ctrl + Alt + il tasto di questo codice)</translation>
    </message>
    <message>
        <source>Show how much RAM was recovered</source>
        <translation>Mostra quanta RAM è stata liberata</translation>
    </message>
    <message>
        <source>Pause automatic recovery while it cannot help</source>
        <translation>Metti in pausa la liberazione automatica quando è inutile</translation>
    </message>
    <message>
        <source>Pause automatic recovery while a full-screen program runs</source>
        <translation>Metti in pausa la liberazione automatica quando è in esecuzione un programma a schermo intero</translation>
    </message>
    <message>
        <source>Pause automatic recovery while one of these programs runs</source>
        <translation>Metti in pausa la liberazione automatica quando è in esecuzione uno di questi programmi</translation>
    </message>
    <message>
        <source>Program file names separated by semicolons, such as game.exe;obs64.exe, at most %1 characters.</source>
        <extracomment>Keep the example file names as they are. %1: a number of characters, such as 1023.</extracomment>
        <translation>Nomi dei file dei programmi separati da punto e virgola, ad esempio game.exe;obs64.exe, al massimo %1 caratteri.</translation>
    </message>
    <message>
        <source>Start Quenby automatically at Windows startup</source>
        <translation>Avvia Quenby automaticamente all&apos;avvio di Windows</translation>
    </message>
    <message>
        <source>Enabled: the tray engine starts when the user signs in to Windows. Disabled: it does not. The engine brings the user&apos;s start-up entry in line when it starts.</source>
        <translation>Attivata: il motore dell&apos;area di notifica si avvia quando l&apos;utente accede a Windows. Disattivata: non si avvia. All&apos;avvio, il motore allinea al criterio la voce di avvio dell&apos;utente.</translation>
    </message>
    <message>
        <source>Settings of the Quenby RAM optimizer</source>
        <translation>Impostazioni dell&apos;ottimizzatore RAM Quenby</translation>
    </message>
</context>
</TS>
