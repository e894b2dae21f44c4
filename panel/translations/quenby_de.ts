<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Copyright © Quenby. All rights reserved.</source>
        <translation>Copyright © Quenby. Alle Rechte vorbehalten.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Website:</source>
        <translation>Website:</translation>
    </message>
    <message>
        <source>Version: %1.%2.%3 (Beta)</source>
        <translation>Version: %1.%2.%3 (Beta)</translation>
    </message>
    <message>
        <source>for Windows %1</source>
        <translation>für Windows %1</translation>
    </message>
</context>
<context>
    <name>GraphForm</name>
    <message>
        <source>Usage graph of the free RAM</source>
        <translation>Verlauf des freien RAM</translation>
    </message>
    <message>
        <source>%1% of RAM free</source>
        <translation>%1 % RAM frei</translation>
    </message>
</context>
<context>
    <name>HistoryPage</name>
    <message>
        <source>Low free RAM</source>
        <comment>what started a recovery</comment>
        <translation>Wenig freier RAM</translation>
    </message>
    <message>
        <source>Every few minutes</source>
        <comment>what started a recovery: the periodic rule</comment>
        <translation>Alle paar Minuten</translation>
    </message>
    <message>
        <source>Startup</source>
        <comment>what started a recovery: the recovery after Quenby starts</comment>
        <translation>Start</translation>
    </message>
    <message>
        <source>Tray menu</source>
        <comment>what started a recovery</comment>
        <translation>Menü des Infobereichs</translation>
    </message>
    <message>
        <source>Hot key</source>
        <comment>what started a recovery</comment>
        <translation>Tastenkombination</translation>
    </message>
    <message>
        <source>Request</source>
        <comment>what started a recovery: another program (the command line) asked</comment>
        <translation>Anforderung</translation>
    </message>
    <message>
        <source>Ran</source>
        <translation>Ausgeführt</translation>
    </message>
    <message>
        <source>Did not run: the processor was busy</source>
        <translation>Nicht ausgeführt: Der Prozessor war ausgelastet</translation>
    </message>
    <message>
        <source>Did not run: another user&apos;s recovery was running</source>
        <translation>Nicht ausgeführt: Das Freigeben eines anderen Benutzers lief gerade</translation>
    </message>
    <message>
        <source>Did not run: a full-screen program was running</source>
        <translation>Nicht ausgeführt: Ein Programm lief im Vollbildmodus</translation>
    </message>
    <message>
        <source>Did not run: a protected program was running</source>
        <translation>Nicht ausgeführt: Ein geschütztes Programm lief</translation>
    </message>
    <message>
        <source>Did not run: paused after a recovery that could not help</source>
        <translation>Nicht ausgeführt: Pausiert nach einem Freigeben, das nichts genützt hat</translation>
    </message>
    <message>
        <source>Did not run: more than three quarters of the RAM was free</source>
        <translation>Nicht ausgeführt: Mehr als drei Viertel des RAM waren frei</translation>
    </message>
    <message>
        <source>No recovery yet.</source>
        <translation>Bisher wurde noch kein RAM freigegeben.</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Zeitpunkt</translation>
    </message>
    <message>
        <source>Started by</source>
        <translation>Ausgelöst durch</translation>
    </message>
    <message>
        <source>What happened</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Before (MB)</source>
        <comment>column: free RAM before the recovery, in megabytes</comment>
        <translation>Vorher (MB)</translation>
    </message>
    <message>
        <source>After (MB)</source>
        <comment>column: free RAM after the recovery, in megabytes</comment>
        <translation>Nachher (MB)</translation>
    </message>
    <message>
        <source>Used (MB)</source>
        <comment>column: the megabytes the recovery allocated and released</comment>
        <translation>Belegt (MB)</translation>
    </message>
    <message>
        <source>Seconds</source>
        <comment>column: how long the recovery took</comment>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>Free RAM before the recovery</source>
        <translation>Freier RAM vor dem Freigeben</translation>
    </message>
    <message>
        <source>Free RAM after the recovery</source>
        <translation>Freier RAM nach dem Freigeben</translation>
    </message>
    <message>
        <source>The RAM the recovery took for a moment and gave back</source>
        <translation>RAM, den das Freigeben kurz belegt und wieder zurückgegeben hat</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Total RAM: n/a</source>
        <translation>RAM gesamt: n/v</translation>
    </message>
    <message>
        <source>Available RAM: n/a</source>
        <translation>RAM verfügbar: n/v</translation>
    </message>
    <message>
        <source>CPU Usage: n/a</source>
        <translation>CPU-Auslastung: n/v</translation>
    </message>
    <message>
        <source>Free-up RAM</source>
        <translation>RAM freigeben</translation>
    </message>
    <message>
        <source>Target Free RAM:</source>
        <translation>Ziel für freien RAM:</translation>
    </message>
    <message>
        <source>Minimum Free RAM:</source>
        <translation>Minimal freier RAM:</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Enable RAM Optimizer</source>
        <translation>RAM-Optimierer aktivieren</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Deaktivieren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>Die Datei ist nicht vorhanden.</translation>
    </message>
    <message>
        <source>You are not allowed to run this file.</source>
        <translation>Sie sind nicht berechtigt, diese Datei auszuführen.</translation>
    </message>
    <message>
        <source>The file is not a program that can be run.</source>
        <translation>Die Datei ist kein ausführbares Programm.</translation>
    </message>
    <message>
        <source>There is not enough memory to start it.</source>
        <translation>Zum Starten ist nicht genügend Speicher verfügbar.</translation>
    </message>
    <message>
        <source>The system refused to start it (error %1).</source>
        <translation>Das System hat den Start verweigert (Fehler %1).</translation>
    </message>
    <message>
        <source>The RAM optimizer could not be started from %1.</source>
        <translation>Der RAM-Optimierer konnte nicht aus %1 gestartet werden.</translation>
    </message>
    <message>
        <source>Total RAM: %1MB</source>
        <translation>RAM gesamt: %1 MB</translation>
    </message>
    <message>
        <source>Available RAM: %1MB (%2%)</source>
        <translation>RAM verfügbar: %1 MB (%2 %)</translation>
    </message>
    <message>
        <source>CPU Usages: %1%</source>
        <translation>CPU-Auslastung: %1 %</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>Target free RAM, %1 MB</source>
        <translation>Ziel für freien RAM, %1 MB</translation>
    </message>
    <message>
        <source>Minimum free RAM, %1 MB</source>
        <translation>Minimal freier RAM, %1 MB</translation>
    </message>
    <message>
        <source>Save the target and minimum free RAM</source>
        <translation>Ziel und Minimum für freien RAM speichern</translation>
    </message>
    <message>
        <source>Open the options</source>
        <translation>Optionen öffnen</translation>
    </message>
    <message>
        <source>Enable the RAM optimizer</source>
        <translation>RAM-Optimierer aktivieren</translation>
    </message>
    <message>
        <source>Disable the RAM optimizer</source>
        <translation>RAM-Optimierer deaktivieren</translation>
    </message>
    <message>
        <source>Close the RAM optimizer</source>
        <translation>RAM-Optimierer beenden</translation>
    </message>
    <message>
        <source>About Quenby</source>
        <translation>Info über Quenby</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Ctrl+Alt+%1 can&apos;t be a hot key: your keyboard layout has no key for “%1”.</source>
        <translation>Strg+Alt+%1 kann keine Tastenkombination sein: Ihr Tastaturlayout hat keine Taste für „%1“.</translation>
    </message>
    <message>
        <source>Ctrl+Alt+%1 can&apos;t be a hot key: on your keyboard layout it types “%2”, which every program would then lose.</source>
        <translation>Strg+Alt+%1 kann keine Tastenkombination sein: Mit Ihrem Tastaturlayout gibt diese Taste „%2“ ein, das dann in keinem Programm mehr eingegeben werden könnte.</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Start Quenby automatically at Windows startup</source>
        <translation>Quenby beim Windows-Start automatisch starten</translation>
    </message>
    <message>
        <source>Free-up RAM on startup after</source>
        <translation>RAM beim Start freigeben nach</translation>
    </message>
    <message>
        <source>MB of RAM on startup after</source>
        <translation>MB RAM beim Start nach</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>Free-up RAM every</source>
        <translation>RAM freigeben alle</translation>
    </message>
    <message>
        <source>MB every</source>
        <translation>MB alle</translation>
    </message>
    <message>
        <source>minutes if free RAM below</source>
        <translation>Minuten, wenn freier RAM unter</translation>
    </message>
    <message>
        <source>Pause automatic recovery while it cannot help</source>
        <translation>Automatisches Freigeben pausieren, solange es nichts nützt</translation>
    </message>
    <message>
        <source>Pause automatic recovery while a full-screen program runs</source>
        <translation>Automatisches Freigeben pausieren, solange ein Programm im Vollbildmodus läuft</translation>
    </message>
    <message>
        <source>CPU usage:</source>
        <translation>CPU-Auslastung:</translation>
    </message>
    <message>
        <source>Disable CPU usage detection</source>
        <translation>CPU-Auslastungsprüfung deaktivieren</translation>
    </message>
    <message>
        <source>Enable the CPU usage detection to prevent Quenby recovering RAM when your CPU is busy. Please note that CPU cooling and few other programs use special method that cause the CPU usage always stay at 100% level. When you have this kind of situation, disable the CPU usage detection to allow Quenby recovering RAM at any CPU usage level.</source>
        <translation>Aktivieren Sie die Prüfung der CPU-Auslastung, damit Quenby keinen RAM freigibt, während der Prozessor ausgelastet ist. Hinweis: CPU-Kühlprogramme und einige andere Programme verwenden ein spezielles Verfahren, durch das die CPU-Auslastung ständig bei 100 % liegt. Deaktivieren Sie in diesem Fall die Prüfung, damit Quenby bei jeder CPU-Auslastung RAM freigeben kann.</translation>
    </message>
    <message>
        <source>Tray Icon</source>
        <translation>Infobereichsymbol</translation>
    </message>
    <message>
        <source>Default:</source>
        <translation>Standard:</translation>
    </message>
    <message>
        <source>Recovering RAM:</source>
        <translation>Beim Freigeben von RAM:</translation>
    </message>
    <message>
        <source>Tray icon text color</source>
        <translation>Textfarbe des Symbols</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Anzeige:</translation>
    </message>
    <message>
        <source>in tray icon</source>
        <translation>im Symbol</translation>
    </message>
    <message>
        <source>Show how much RAM was recovered</source>
        <translation>Freigegebene RAM-Menge anzeigen</translation>
    </message>
    <message>
        <source>Popup Menu</source>
        <translation>Kontextmenü</translation>
    </message>
    <message>
        <source>Recover</source>
        <translation>Freigeben:</translation>
    </message>
    <message>
        <source>MB menu</source>
        <translation>MB (Menü)</translation>
    </message>
    <message>
        <source>Others</source>
        <translation>Sonstiges</translation>
    </message>
    <message>
        <source>Also clear Windows Clipboard when freeing up RAM</source>
        <translation>Beim Freigeben von RAM auch die Windows-Zwischenablage leeren</translation>
    </message>
    <message>
        <source>Play alarm sound before freeing up RAM</source>
        <translation>Vor dem Freigeben von RAM einen Warnton wiedergeben</translation>
    </message>
    <message>
        <source>Free up RAM hot key : Cltr + Alt +</source>
        <translation>Tastenkombination zum Freigeben von RAM: Strg + Alt +</translation>
    </message>
    <message>
        <source>Disable/enable Quenby hotkey : Cltr + Alt +</source>
        <translation>Tastenkombination zum Deaktivieren/Aktivieren von Quenby: Strg + Alt +</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Schwarz</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Weiß</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <source>Percentage of CPU Usage</source>
        <translation>CPU-Auslastung in Prozent</translation>
    </message>
    <message>
        <source>Percentage of Free RAM</source>
        <translation>Freier RAM in Prozent</translation>
    </message>
    <message>
        <source>RAM to free on startup, in MB</source>
        <translation>Beim Start freizugebender RAM, in MB</translation>
    </message>
    <message>
        <source>Delay of the startup recovery, in seconds</source>
        <translation>Wartezeit vor dem Freigeben beim Start, in Sekunden</translation>
    </message>
    <message>
        <source>RAM to free periodically, in MB</source>
        <translation>Regelmäßig freizugebender RAM, in MB</translation>
    </message>
    <message>
        <source>Free-up RAM every, in minutes (0 for never)</source>
        <translation>Intervall für das Freigeben von RAM, in Minuten (0 = nie)</translation>
    </message>
    <message>
        <source>Only if free RAM is below, in percent</source>
        <translation>Nur wenn freier RAM unter diesem Prozentwert liegt</translation>
    </message>
    <message>
        <source>CPU usage</source>
        <translation>CPU-Auslastung</translation>
    </message>
    <message>
        <source>What the tray icon shows</source>
        <translation>Anzeige im Infobereichsymbol</translation>
    </message>
    <message>
        <source>First recovery amount of the tray menu, in MB</source>
        <translation>Erste Menge zum Freigeben im Menü des Infobereichs, in MB</translation>
    </message>
    <message>
        <source>Second recovery amount of the tray menu, in MB</source>
        <translation>Zweite Menge zum Freigeben im Menü des Infobereichs, in MB</translation>
    </message>
    <message>
        <source>Third recovery amount of the tray menu, in MB</source>
        <translation>Dritte Menge zum Freigeben im Menü des Infobereichs, in MB</translation>
    </message>
    <message>
        <source>Alarm sound file</source>
        <translation>Datei für den Warnton</translation>
    </message>
    <message>
        <source>Choose the alarm sound file</source>
        <translation>Datei für den Warnton auswählen</translation>
    </message>
    <message>
        <source>Free up RAM hot key: Ctrl + Alt + this key</source>
        <translation>Tastenkombination zum Freigeben von RAM: Strg + Alt + diese Taste</translation>
    </message>
    <message>
        <source>Disable/enable hot key: Ctrl + Alt + this key</source>
        <translation>Tastenkombination zum Deaktivieren/Aktivieren: Strg + Alt + diese Taste</translation>
    </message>
    <message>
        <source>Add Files</source>
        <translation>Dateien hinzufügen</translation>
    </message>
    <message>
        <source>All Files (*.wav)</source>
        <translation>Alle Dateien (*.wav)</translation>
    </message>
    <message>
        <source>Pause automatic recovery while one of these programs runs:</source>
        <translation>Automatisches Freigeben pausieren, solange eines dieser Programme läuft:</translation>
    </message>
    <message>
        <source>game.exe;obs64.exe</source>
        <extracomment>An example of the list: two program file names separated by a semicolon. Keep the names as they are.</extracomment>
        <translation>game.exe;obs64.exe</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>Program file names as Task Manager shows them, separated by semicolons.</source>
        <translation>Programmdateinamen, wie der Task-Manager sie anzeigt, durch Semikolons getrennt.</translation>
    </message>
    <message>
        <source>Ignored, as they are not program file names: %1</source>
        <comment>followed by the names</comment>
        <translation>Ignoriert, da es keine Programmdateinamen sind: %1</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Set by your administrator</source>
        <translation>Von Ihrem Administrator festgelegt</translation>
    </message>
    <message>
        <source>Your administrator set Quenby to start automatically for every user of this PC.</source>
        <translation>Ihr Administrator hat festgelegt, dass Quenby für jeden Benutzer dieses PCs automatisch gestartet wird.</translation>
    </message>
</context>
</TS>
