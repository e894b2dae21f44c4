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
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Website:</source>
        <translation>Sito Web:</translation>
    </message>
    <message>
        <source>Version: %1.%2.%3 (Beta)</source>
        <translation>Versione: %1.%2.%3 (beta)</translation>
    </message>
    <message>
        <source>for Windows %1</source>
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
        <translation>Libera RAM</translation>
    </message>
    <message>
        <source>Target Free RAM:</source>
        <translation>Obiettivo RAM libera:</translation>
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
        <translation>Salva</translation>
    </message>
    <message>
        <source>Enable RAM Optimizer</source>
        <translation>Attiva ottimizzatore RAM</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Disattiva</translation>
    </message>
    <message>
        <source>Close</source>
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
        <translation>Il sistema ha rifiutato di avviarlo (errore %1).</translation>
    </message>
    <message>
        <source>The RAM optimizer could not be started from %1.</source>
        <translation>Impossibile avviare l&apos;ottimizzatore RAM da %1.</translation>
    </message>
    <message>
        <source>Total RAM: %1MB</source>
        <translation>RAM totale: %1 MB</translation>
    </message>
    <message>
        <source>Available RAM: %1MB (%2%)</source>
        <translation>RAM disponibile: %1 MB (%2%)</translation>
    </message>
    <message>
        <source>CPU Usages: %1%</source>
        <translation>Utilizzo CPU: %1%</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>Target free RAM, %1 MB</source>
        <translation>Obiettivo RAM libera, %1 MB</translation>
    </message>
    <message>
        <source>Minimum free RAM, %1 MB</source>
        <translation>RAM libera minima, %1 MB</translation>
    </message>
    <message>
        <source>Save the target and minimum free RAM</source>
        <translation>Salva l&apos;obiettivo e il minimo di RAM libera</translation>
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
        <translation>Ctrl+Alt+%1 non può essere un tasto di scelta rapida: il layout di tastiera in uso non ha alcun tasto per «%1».</translation>
    </message>
    <message>
        <source>Ctrl+Alt+%1 can&apos;t be a hot key: on your keyboard layout it types “%2”, which every program would then lose.</source>
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
        <translation>Libera RAM all&apos;avvio dopo</translation>
    </message>
    <message>
        <source>MB of RAM on startup after</source>
        <translation>MB di RAM all&apos;avvio dopo</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>secondi</translation>
    </message>
    <message>
        <source>Free-up RAM every</source>
        <translation>Libera RAM ogni</translation>
    </message>
    <message>
        <source>MB every</source>
        <translation>MB ogni</translation>
    </message>
    <message>
        <source>minutes if free RAM below</source>
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
        <translation>Predefinito:</translation>
    </message>
    <message>
        <source>Recovering RAM:</source>
        <translation>Liberazione RAM:</translation>
    </message>
    <message>
        <source>Tray icon text color</source>
        <translation>Colore del testo dell&apos;icona</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Mostra</translation>
    </message>
    <message>
        <source>in tray icon</source>
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
        <translation>Libera</translation>
    </message>
    <message>
        <source>MB menu</source>
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
        <translation>Suona un avviso prima di liberare la RAM</translation>
    </message>
    <message>
        <source>Free up RAM hot key : Cltr + Alt +</source>
        <translation>Tasto di scelta rapida per liberare RAM: Ctrl + Alt +</translation>
    </message>
    <message>
        <source>Disable/enable Quenby hotkey : Cltr + Alt +</source>
        <translation>Tasto di scelta rapida per disattivare/attivare Quenby: Ctrl + Alt +</translation>
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
</TS>
