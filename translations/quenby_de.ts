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
        <extracomment>Closes this About box.</extracomment>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Website:</source>
        <translation>Website:</translation>
    </message>
    <message>
        <source>Version: %1.%2.%3 (Beta)</source>
        <extracomment>%1, %2 and %3: the parts of the version number, as in 1.4.2.</extracomment>
        <translation>Version: %1.%2.%3 (Beta)</translation>
    </message>
    <message>
        <source>for Windows %1</source>
        <extracomment>%1: the Windows version the panel runs on, 10 or 11.</extracomment>
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
        <extracomment>Read by screen readers for the usage graph. %1: the free share of the RAM in percent; the % after it is the percent sign.</extracomment>
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
        <extracomment>The title of the group with the two sliders that set the free-RAM levels.</extracomment>
        <translation>RAM freigeben</translation>
    </message>
    <message>
        <source>Target Free RAM:</source>
        <translation>Zielwert für freien RAM:</translation>
    </message>
    <message>
        <source>Minimum Free RAM:</source>
        <translation>Mindestwert für freien RAM:</translation>
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
        <extracomment>Stores the two free-RAM levels set with the sliders.</extracomment>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Enable RAM Optimizer</source>
        <translation>RAM-Optimierer aktivieren</translation>
    </message>
    <message>
        <source>Disable</source>
        <extracomment>Switches the automatic recovery off; the button then reads “Enable RAM Optimizer”.</extracomment>
        <translation>Deaktivieren</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Ends the tray engine (the RAM optimizer itself), not only this window.</extracomment>
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
        <extracomment>Why the tray engine could not be started. %1: Windows&apos; error number.</extracomment>
        <translation>Das System hat den Start verweigert (Fehler %1).</translation>
    </message>
    <message>
        <source>The RAM optimizer could not be started from %1.</source>
        <extracomment>%1: the full path of the tray engine&apos;s program file; a sentence saying why follows on the next line.</extracomment>
        <translation>Der RAM-Optimierer konnte nicht aus %1 gestartet werden.</translation>
    </message>
    <message>
        <source>Total RAM: %1MB</source>
        <extracomment>%1: megabytes of RAM installed, a whole number.</extracomment>
        <translation>RAM gesamt: %1 MB</translation>
    </message>
    <message>
        <source>Available RAM: %1MB (%2%)</source>
        <extracomment>%1: megabytes of RAM available now; %2: that as a share of all RAM, in percent (the % after it is the percent sign).</extracomment>
        <translation>RAM verfügbar: %1 MB (%2 %)</translation>
    </message>
    <message>
        <source>CPU Usages: %1%</source>
        <extracomment>%1: the processor load of the last second in percent; the % after it is the percent sign.</extracomment>
        <translation>CPU-Auslastung: %1 %</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <extracomment>%1: megabytes, the value the slider beside it is set to.</extracomment>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>Target free RAM, %1 MB</source>
        <extracomment>Read by screen readers for the slider. %1: the megabytes it is set to.</extracomment>
        <translation>Zielwert für freien RAM, %1 MB</translation>
    </message>
    <message>
        <source>Minimum free RAM, %1 MB</source>
        <extracomment>Read by screen readers for the slider. %1: the megabytes it is set to.</extracomment>
        <translation>Mindestwert für freien RAM, %1 MB</translation>
    </message>
    <message>
        <source>Save the target and minimum free RAM</source>
        <translation>Ziel- und Mindestwert für freien RAM speichern</translation>
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
        <extracomment>%1: the character the user typed as the hot key, such as K.</extracomment>
        <translation>Strg+Alt+%1 kann keine Tastenkombination sein: Ihr Tastaturlayout hat keine Taste für „%1“.</translation>
    </message>
    <message>
        <source>Ctrl+Alt+%1 can&apos;t be a hot key: on your keyboard layout it types “%2”, which every program would then lose.</source>
        <extracomment>%1: the character the user typed as the hot key; %2: the character that key combination types on the user&apos;s keyboard layout (as AltGr would).</extracomment>
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
        <extracomment>Start of a sentence the dialog puts together: this check box, a number of seconds, then “seconds”: “Free-up RAM on startup after [60] seconds”.</extracomment>
        <translation>RAM beim Start freigeben nach</translation>
    </message>
    <message>
        <source>MB of RAM on startup after</source>
        <extracomment>A hidden part of the start-up sentence, after a number of megabytes.</extracomment>
        <translation>MB RAM beim Start nach</translation>
    </message>
    <message>
        <source>seconds</source>
        <extracomment>End of the sentence “Free-up RAM on startup after [60] seconds”.</extracomment>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>Free-up RAM every</source>
        <extracomment>Start of a sentence the dialog puts together: “Free-up RAM every [4] minutes if free RAM below [50] %”.</extracomment>
        <translation>RAM freigeben alle</translation>
    </message>
    <message>
        <source>MB every</source>
        <extracomment>A hidden part of the periodic sentence, after a number of megabytes.</extracomment>
        <translation>MB alle</translation>
    </message>
    <message>
        <source>minutes if free RAM below</source>
        <extracomment>Middle of the sentence “Free-up RAM every [4] minutes if free RAM below [50] %”: between two numbers.</extracomment>
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
        <extracomment>Beside a bar that shows the processor load.</extracomment>
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
        <translation>Symbol</translation>
    </message>
    <message>
        <source>Default:</source>
        <extracomment>Beside the picture of the tray icon as it normally looks.</extracomment>
        <translation>Standard:</translation>
    </message>
    <message>
        <source>Recovering RAM:</source>
        <extracomment>Beside the picture of the tray icon while it recovers RAM.</extracomment>
        <translation>Beim Freigeben von RAM:</translation>
    </message>
    <message>
        <source>Tray icon text color</source>
        <translation>Textfarbe des Symbols</translation>
    </message>
    <message>
        <source>Display</source>
        <extracomment>Start of “Display [Percentage of Free RAM] in tray icon”: a list to choose from follows.</extracomment>
        <translation>Anzeige:</translation>
    </message>
    <message>
        <source>in tray icon</source>
        <extracomment>End of “Display [Percentage of Free RAM] in tray icon”.</extracomment>
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
        <extracomment>Start of “Recover [512] MB menu”: sets the amount of one entry of the tray icon&apos;s menu.</extracomment>
        <translation>Freigeben:</translation>
    </message>
    <message>
        <source>MB menu</source>
        <extracomment>End of “Recover [512] MB menu”.</extracomment>
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
        <translation type="vanished">Tastenkombination zum Freigeben von RAM: Strg + Alt +</translation>
    </message>
    <message>
        <source>Disable/enable Quenby hotkey : Cltr + Alt +</source>
        <translation type="vanished">Tastenkombination zum Deaktivieren/Aktivieren von Quenby: Strg + Alt +</translation>
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
        <translation>Was das Symbol im Infobereich anzeigt</translation>
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
    <message>
        <source>Free up RAM hot key: Ctrl + Alt +</source>
        <extracomment>A field for one key follows: Ctrl + Alt + that key frees up RAM in every program.</extracomment>
        <translation>Tastenkombination zum Freigeben von RAM: Strg + Alt +</translation>
    </message>
    <message>
        <source>Disable/enable Quenby hot key: Ctrl + Alt +</source>
        <extracomment>A field for one key follows: Ctrl + Alt + that key switches the automatic recovery off and on.</extracomment>
        <translation>Tastenkombination zum Deaktivieren/Aktivieren von Quenby: Strg + Alt +</translation>
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
<context>
    <name>Quenbytray</name>
    <message>
        <source>Restart Windows</source>
        <comment>104</comment>
        <translation>Windows neu starten</translation>
    </message>
    <message>
        <source>Suspend Windows</source>
        <comment>105</comment>
        <translation>Energie sparen</translation>
    </message>
    <message>
        <source>Shutdown Windows</source>
        <comment>106</comment>
        <translation>Windows herunterfahren</translation>
    </message>
    <message>
        <source>Clear Clipboard</source>
        <comment>107</comment>
        <translation>Zwischenablage leeren</translation>
    </message>
    <message>
        <source>Free-up RAM Manually
</source>
        <comment>108</comment>
        <extracomment>A menu item that frees up RAM now; the line end stays.</extracomment>
        <translation>RAM manuell freigeben
</translation>
    </message>
    <message>
        <source>Configuration...</source>
        <comment>110</comment>
        <translation>Optionen...</translation>
    </message>
    <message>
        <source>Disable RAM Optimizer</source>
        <comment>111</comment>
        <translation>RAM-Optimierer deaktivieren</translation>
    </message>
    <message>
        <source>Enable RAM Optimizer</source>
        <comment>112</comment>
        <translation>RAM-Optimierer aktivieren</translation>
    </message>
    <message>
        <source>Close RAM Optimizer</source>
        <comment>113</comment>
        <extracomment>Ends the tray engine: its icon and the automatic recovery go away.</extracomment>
        <translation>RAM-Optimierer beenden</translation>
    </message>
    <message>
        <source>Do you want to restart your computer now?</source>
        <comment>114</comment>
        <translation>Möchten Sie den Computer jetzt neu starten?</translation>
    </message>
    <message>
        <source>Do you want to suspend your computer now?</source>
        <comment>115</comment>
        <translation>Möchten Sie den Computer jetzt in den Energiesparmodus versetzen?</translation>
    </message>
    <message>
        <source>Do you want to shutdown your computer now?</source>
        <comment>116</comment>
        <translation>Möchten Sie den Computer jetzt herunterfahren?</translation>
    </message>
    <message>
        <source>Confirm</source>
        <comment>117</comment>
        <extracomment>The title of the box that asks before a restart, a sleep or a shutdown.</extracomment>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <source>RAM Optimizer
</source>
        <comment>118</comment>
        <extracomment>The first line of the tray icon&apos;s tooltip; the line end stays.</extracomment>
        <translation>RAM-Optimierer
</translation>
    </message>
    <message>
        <source>Free RAM: %1 MB (%2%)
</source>
        <comment>119</comment>
        <extracomment>The second line of the tooltip. %1: megabytes of free RAM; %2: that as a share of all RAM in percent, the % after it being the percent sign. The line end stays.</extracomment>
        <translation>Freier RAM: %1 MB (%2 %)
</translation>
    </message>
    <message>
        <source>CPU Usage: %1%</source>
        <comment>121</comment>
        <extracomment>The third line of the tooltip. %1: the processor load in percent; the % after it is the percent sign.</extracomment>
        <translation>CPU-Auslastung: %1 %</translation>
    </message>
    <message>
        <source>CreateProcess failed (%1).</source>
        <comment>122</comment>
        <extracomment>%1: Windows&apos; error number when the control panel could not be started.</extracomment>
        <translation>CreateProcess fehlgeschlagen (%1).</translation>
    </message>
    <message>
        <source>Error</source>
        <comment>123</comment>
        <extracomment>The title of a box that says something failed.</extracomment>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>RAM Optimizer</source>
        <comment>124</comment>
        <extracomment>The title of the notices the tray icon shows.</extracomment>
        <translation>RAM-Optimierer</translation>
    </message>
    <message>
        <source>Recovered %1 MB, %2 MB free now</source>
        <comment>125</comment>
        <extracomment>A notice after a recovery. %1: the megabytes recovered; %2: the megabytes free now.</extracomment>
        <translation>%1 MB freigegeben, jetzt %2 MB frei</translation>
    </message>
    <message>
        <source>No RAM could be recovered</source>
        <comment>126</comment>
        <translation>Es konnte kein RAM freigegeben werden</translation>
    </message>
    <message>
        <source>Windows could not be restarted (error %1). %2</source>
        <comment>127</comment>
        <extracomment>%1: Windows&apos; error number; %2: Windows&apos; own description of the error, a sentence or empty.</extracomment>
        <translation>Windows konnte nicht neu gestartet werden (Fehler %1). %2</translation>
    </message>
    <message>
        <source>Windows could not be suspended (error %1). %2</source>
        <comment>128</comment>
        <extracomment>%1: Windows&apos; error number; %2: Windows&apos; own description of the error, a sentence or empty.</extracomment>
        <translation>Der Computer konnte nicht in den Energiesparmodus versetzt werden (Fehler %1). %2</translation>
    </message>
    <message>
        <source>Windows could not be shut down (error %1). %2</source>
        <comment>129</comment>
        <extracomment>%1: Windows&apos; error number; %2: Windows&apos; own description of the error, a sentence or empty.</extracomment>
        <translation>Windows konnte nicht heruntergefahren werden (Fehler %1). %2</translation>
    </message>
    <message>
        <source>Hot key not available</source>
        <comment>132</comment>
        <translation>Tastenkombination nicht verfügbar</translation>
    </message>
    <message>
        <source>The hot key Ctrl+Alt+%1 could not be registered: another program uses it.</source>
        <comment>133</comment>
        <extracomment>%1: the character of the hot key, such as K.</extracomment>
        <translation>Die Tastenkombination Strg+Alt+%1 konnte nicht registriert werden: Ein anderes Programm verwendet sie.</translation>
    </message>
    <message>
        <source>The hot key Ctrl+Alt+%1 was not registered: on your keyboard layout it types “%2”.</source>
        <comment>134</comment>
        <extracomment>%1: the character of the hot key; %2: the character the key combination types on the user&apos;s keyboard layout.</extracomment>
        <translation>Die Tastenkombination Strg+Alt+%1 wurde nicht registriert: Mit Ihrem Tastaturlayout gibt diese Taste „%2“ ein.</translation>
    </message>
    <message>
        <source>The hot key Ctrl+Alt+%1 was not registered: your keyboard layout has no such key.</source>
        <comment>135</comment>
        <extracomment>%1: the character of the hot key.</extracomment>
        <translation>Die Tastenkombination Strg+Alt+%1 wurde nicht registriert: Ihr Tastaturlayout hat keine solche Taste.</translation>
    </message>
    <message>
        <source>This computer uses Modern Standby, which only Windows itself can start: to let it sleep, press its power button or choose Power &gt; Sleep in the Start menu.</source>
        <comment>137</comment>
        <translation>Dieser Computer verwendet Modern Standby, das nur Windows selbst starten kann: Um ihn in den Energiesparmodus zu versetzen, drücken Sie seinen Netzschalter, oder wählen Sie im Startmenü „Ein/Aus“ &gt; „Energie sparen“.</translation>
    </message>
    <message>
        <source>This computer may not be able to sleep, and Windows may hibernate it instead. Do you want to go on?</source>
        <comment>138</comment>
        <translation>Dieser Computer kann möglicherweise nicht in den Energiesparmodus wechseln, und Windows versetzt ihn dann eventuell stattdessen in den Ruhezustand. Möchten Sie fortfahren?</translation>
    </message>
</context>
<context>
    <name>Setup</name>
    <message>
        <source>Quenby is still running and could not be closed.</source>
        <comment>STILL_RUNNING_DETAIL</comment>
        <translation>Quenby wird noch ausgeführt und konnte nicht beendet werden.</translation>
    </message>
    <message>
        <source>Quenby is still running and could not be closed.

Close it (tray menu: Close RAM Optimizer; and the control panel&apos;s window), then choose Retry.</source>
        <comment>STILL_RUNNING_BOX</comment>
        <translation>Quenby wird noch ausgeführt und konnte nicht beendet werden.

Beenden Sie es (Menü im Infobereich: RAM-Optimierer beenden), schließen Sie das Fenster des Bedienfelds und wählen Sie dann Wiederholen.</translation>
    </message>
    <message>
        <source>Quenby is still running; nothing was changed.</source>
        <comment>STILL_RUNNING_ABORT</comment>
        <translation>Quenby wird noch ausgeführt; es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>Quenby&apos;s setup or uninstaller is already running.</source>
        <comment>ALREADY_RUNNING</comment>
        <translation>Das Setup oder Deinstallationsprogramm von Quenby wird bereits ausgeführt.</translation>
    </message>
    <message>
        <source>Closing Quenby if it runs...</source>
        <comment>CLOSING</comment>
        <translation>Quenby wird beendet, falls es ausgeführt wird...</translation>
    </message>
    <message>
        <source>Quenby control panel: RAM and CPU figures and the options</source>
        <comment>PANEL_LINK_DESCRIPTION</comment>
        <translation>Quenby-Bedienfeld: RAM- und CPU-Werte sowie Optionen</translation>
    </message>
    <message>
        <source>Quenby tray engine</source>
        <comment>ENGINE_LINK_NAME</comment>
        <extracomment>The name of the Start-menu shortcut to the tray engine.</extracomment>
        <translation>Quenby-Infobereichsprogramm</translation>
    </message>
    <message>
        <source>Start Quenby&apos;s tray engine, which recovers RAM</source>
        <comment>ENGINE_LINK_DESCRIPTION</comment>
        <translation>Infobereichsprogramm von Quenby starten, das RAM freigibt</translation>
    </message>
    <message>
        <source>Quenby (required)</source>
        <comment>SECTION_PROGRAM</comment>
        <translation>Quenby (erforderlich)</translation>
    </message>
    <message>
        <source>Start with Windows</source>
        <comment>SECTION_AUTOSTART</comment>
        <translation>Mit Windows starten</translation>
    </message>
    <message>
        <source>Starting the tray engine again...</source>
        <comment>RESTARTING_ENGINE</comment>
        <translation>Infobereichsprogramm wird erneut gestartet...</translation>
    </message>
    <message>
        <source>The tray engine, the control panel, the command-line client quenbyctl and Start-menu shortcuts.</source>
        <comment>SECTION_PROGRAM_DESCRIPTION</comment>
        <translation>Das Infobereichsprogramm, das Bedienfeld, der Befehlszeilenclient quenbyctl und Verknüpfungen im Startmenü.</translation>
    </message>
    <message>
        <source>Start the tray engine when you sign in to Windows.</source>
        <comment>SECTION_AUTOSTART_DESCRIPTION</comment>
        <translation>Infobereichsprogramm starten, wenn Sie sich bei Windows anmelden.</translation>
    </message>
    <message>
        <source>Unknown value /AUTOSTART=%1: use /AUTOSTART=1 or /AUTOSTART=0.</source>
        <comment>BAD_AUTOSTART</comment>
        <extracomment>$1 (%1 for translators): the value given after /AUTOSTART= on the command line.</extracomment>
        <translation>Unbekannter Wert /AUTOSTART=%1: Verwenden Sie /AUTOSTART=1 oder /AUTOSTART=0.</translation>
    </message>
    <message>
        <source>Open the Quenby control panel</source>
        <comment>FINISH_RUN</comment>
        <translation>Quenby-Bedienfeld öffnen</translation>
    </message>
    <message>
        <source>Installing or removing Quenby for all users of this computer needs administrator rights. Run it again as an administrator.</source>
        <comment>NEEDS_ADMINISTRATOR</comment>
        <translation>Zum Installieren oder Entfernen von Quenby für alle Benutzer dieses Computers sind Administratorrechte erforderlich. Führen Sie das Programm erneut als Administrator aus.</translation>
    </message>
    <message>
        <source>Quenby has been installed for all users of this computer.

Setup did not start it. Open it from the Start menu. If Start with Windows was selected, it starts for each user when they sign in.</source>
        <comment>FINISH_MACHINE_TEXT</comment>
        <translation>Quenby wurde für alle Benutzer dieses Computers installiert.

Das Setup hat Quenby nicht gestartet. Öffnen Sie es über das Startmenü. Wenn „Mit Windows starten“ ausgewählt wurde, wird es für jeden Benutzer bei der Anmeldung gestartet.</translation>
    </message>
    <message>
        <source>The previous version is still running in another user&apos;s session and keeps running there until it is closed. Its files are removed when you restart the computer.</source>
        <comment>FINISH_SET_ASIDE</comment>
        <translation>Die vorherige Version wird in der Sitzung eines anderen Benutzers noch ausgeführt und läuft dort weiter, bis sie beendet wird. Ihre Dateien werden beim Neustart des Computers entfernt.</translation>
    </message>
    <message>
        <source>%1 is in use in another user&apos;s session and was renamed to %2.</source>
        <comment>SET_ASIDE_DETAIL</comment>
        <extracomment>%1: the full path of a file of the previous version; %2: the name it was renamed to.</extracomment>
        <translation>%1 wird in der Sitzung eines anderen Benutzers verwendet und wurde in %2 umbenannt.</translation>
    </message>
    <message>
        <source>Some of Quenby&apos;s files are in use in another user&apos;s session. They will be removed when you restart the computer.</source>
        <comment>UNINSTALL_IN_USE</comment>
        <translation>Einige Dateien von Quenby werden in der Sitzung eines anderen Benutzers verwendet. Sie werden beim Neustart des Computers entfernt.</translation>
    </message>
</context>
<context>
    <name>Policies</name>
    <message>
        <source>Quenby %1 on Windows 10 and Windows 11</source>
        <extracomment>%1: Quenby&apos;s version number, as in 1.4.2.</extracomment>
        <translation>Quenby %1 unter Windows 10 und Windows 11</translation>
    </message>
    <message>
        <source>Target free RAM (MB)</source>
        <translation>Zielwert für freien RAM (MB)</translation>
    </message>
    <message>
        <source>Sets &quot;%1&quot; of Quenby.</source>
        <extracomment>%1: the policy&apos;s name, as the line above the explanation shows it.</extracomment>
        <translation>Legt „%1“ für Quenby fest.</translation>
    </message>
    <message>
        <source>three quarters of the installed RAM in MB</source>
        <translation>drei Viertel des installierten RAM in MB</translation>
    </message>
    <message>
        <source>From %1 to %2.</source>
        <extracomment>The range a policy accepts. %1 and %2: numbers, or texts such as “the installed RAM in MB divided by 4”.</extracomment>
        <translation>Von %1 bis %2.</translation>
    </message>
    <message>
        <source>the installed RAM in MB divided by %1</source>
        <extracomment>A bound of a range, or a default. %1: a number such as 4.</extracomment>
        <translation>der installierte RAM in MB geteilt durch %1</translation>
    </message>
    <message>
        <source>Without a policy: %1, unless the user chose otherwise.</source>
        <extracomment>%1: the default value, a number or a text such as “the installed RAM in MB divided by 4”.</extracomment>
        <translation>Ohne Richtlinie: %1, sofern der Benutzer nichts anderes gewählt hat.</translation>
    </message>
    <message>
        <source>A computer policy wins over a user policy, and both over the user&apos;s own choice, which the control panel then shows as &quot;Set by your administrator&quot;. When the policy is not configured, the user&apos;s own choice applies.</source>
        <translation>Eine Computerrichtlinie hat Vorrang vor einer Benutzerrichtlinie und beide vor der eigenen Wahl des Benutzers, die das Bedienfeld dann als „Von Ihrem Administrator festgelegt“ anzeigt. Wenn die Richtlinie nicht konfiguriert ist, gilt die eigene Wahl des Benutzers.</translation>
    </message>
    <message>
        <source>Minimum free RAM (MB)</source>
        <translation>Mindestwert für freien RAM (MB)</translation>
    </message>
    <message>
        <source>Free up RAM on startup</source>
        <translation>RAM beim Start freigeben</translation>
    </message>
    <message>
        <source>Enabled: on (1). Disabled: off (0).</source>
        <translation>Aktiviert: ein (1). Deaktiviert: aus (0).</translation>
    </message>
    <message>
        <source>RAM to free on startup (MB)</source>
        <translation>Beim Start freizugebender RAM (MB)</translation>
    </message>
    <message>
        <source>Delay of the startup recovery (seconds)</source>
        <translation>Wartezeit vor dem Freigeben beim Start (Sekunden)</translation>
    </message>
    <message>
        <source>RAM to free periodically (MB)</source>
        <translation>Regelmäßig freizugebender RAM (MB)</translation>
    </message>
    <message>
        <source>Free up RAM every (minutes, 0 for never)</source>
        <translation>Intervall für das Freigeben von RAM (Minuten, 0 = nie)</translation>
    </message>
    <message>
        <source>Free RAM percentage shown with the periodic recovery</source>
        <translation>Prozentwert des freien RAM für das regelmäßige Freigeben</translation>
    </message>
    <message>
        <source>Disable CPU usage detection</source>
        <translation>CPU-Auslastungsprüfung deaktivieren</translation>
    </message>
    <message>
        <source>Tray icon text color</source>
        <translation>Textfarbe des Symbols im Infobereich</translation>
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
        <source>%1, %2</source>
        <extracomment>Joins the entries of a list: %1 is the list so far, %2 the next entry. Use the language&apos;s list separator.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <source>One of: %1.</source>
        <extracomment>%1: the values a policy accepts, each its number and its name, as in “0 Black, 1 White, 2 Auto”.</extracomment>
        <translation>Einer der Werte: %1.</translation>
    </message>
    <message>
        <source>Tray icon shows</source>
        <translation>Anzeige des Symbols im Infobereich</translation>
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
        <source>First recovery amount of the tray menu (MB)</source>
        <translation>Erste Menge zum Freigeben im Menü des Infobereichs (MB)</translation>
    </message>
    <message>
        <source>Second recovery amount of the tray menu (MB)</source>
        <translation>Zweite Menge zum Freigeben im Menü des Infobereichs (MB)</translation>
    </message>
    <message>
        <source>Third recovery amount of the tray menu (MB)</source>
        <translation>Dritte Menge zum Freigeben im Menü des Infobereichs (MB)</translation>
    </message>
    <message>
        <source>Also clear the clipboard when freeing up RAM</source>
        <translation>Beim Freigeben von RAM auch die Zwischenablage leeren</translation>
    </message>
    <message>
        <source>Play alarm sound before freeing up RAM</source>
        <translation>Vor dem Freigeben von RAM einen Warnton wiedergeben</translation>
    </message>
    <message>
        <source>Alarm sound file</source>
        <translation>Datei für den Warnton</translation>
    </message>
    <message>
        <source>A full path, at most %1 characters.</source>
        <extracomment>%1: a number of characters, such as 259.</extracomment>
        <translation>Ein vollständiger Pfad mit höchstens %1 Zeichen.</translation>
    </message>
    <message>
        <source>Free up RAM hot key (Ctrl + Alt + the key of this code)</source>
        <translation>Tastenkombination zum Freigeben von RAM (Strg + Alt + die Taste mit diesem Code)</translation>
    </message>
    <message>
        <source>Disable/enable hot key (Ctrl + Alt + the key of this code)</source>
        <translation>Tastenkombination zum Deaktivieren/Aktivieren (Strg + Alt + die Taste mit diesem Code)</translation>
    </message>
    <message>
        <source>Show how much RAM was recovered</source>
        <translation>Freigegebene RAM-Menge anzeigen</translation>
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
        <source>Pause automatic recovery while one of these programs runs</source>
        <translation>Automatisches Freigeben pausieren, solange eines dieser Programme läuft</translation>
    </message>
    <message>
        <source>Program file names separated by semicolons, such as game.exe;obs64.exe, at most %1 characters.</source>
        <extracomment>Keep the example file names as they are. %1: a number of characters, such as 1023.</extracomment>
        <translation>Programmdateinamen, durch Semikolons getrennt, etwa game.exe;obs64.exe, mit höchstens %1 Zeichen.</translation>
    </message>
    <message>
        <source>Start Quenby automatically at Windows startup</source>
        <translation>Quenby beim Windows-Start automatisch starten</translation>
    </message>
    <message>
        <source>Enabled: the tray engine starts when the user signs in to Windows. Disabled: it does not. The engine brings the user&apos;s start-up entry in line when it starts.</source>
        <translation>Aktiviert: Das Infobereichsprogramm wird gestartet, wenn sich der Benutzer bei Windows anmeldet. Deaktiviert: Es wird nicht gestartet. Beim Start passt das Programm den Autostarteintrag des Benutzers entsprechend an.</translation>
    </message>
    <message>
        <source>Settings of the Quenby RAM optimizer</source>
        <translation>Einstellungen des RAM-Optimierers Quenby</translation>
    </message>
</context>
</TS>
