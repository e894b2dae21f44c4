<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Copyright © Quenby. All rights reserved.</source>
        <translation>Copyright © Quenby. Alle rechten voorbehouden.</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Closes this About box.</extracomment>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Website:</source>
        <translation>Website:</translation>
    </message>
    <message>
        <source>Version: %1.%2.%3 (Beta)</source>
        <extracomment>%1, %2 and %3: the parts of the version number, as in 1.4.2.</extracomment>
        <translation>Versie: %1.%2.%3 (bèta)</translation>
    </message>
    <message>
        <source>for Windows %1</source>
        <extracomment>%1: the Windows version the panel runs on, 10 or 11.</extracomment>
        <translation>voor Windows %1</translation>
    </message>
</context>
<context>
    <name>GraphForm</name>
    <message>
        <source>Usage graph of the free RAM</source>
        <translation>Grafiek van het vrije RAM</translation>
    </message>
    <message>
        <source>%1% of RAM free</source>
        <extracomment>Read by screen readers for the usage graph. %1: the free share of the RAM in percent; the % after it is the percent sign.</extracomment>
        <translation>%1% van het RAM vrij</translation>
    </message>
</context>
<context>
    <name>HistoryPage</name>
    <message>
        <source>Low free RAM</source>
        <comment>what started a recovery</comment>
        <translation>Weinig vrij RAM</translation>
    </message>
    <message>
        <source>Every few minutes</source>
        <comment>what started a recovery: the periodic rule</comment>
        <translation>Regelmatig</translation>
    </message>
    <message>
        <source>Startup</source>
        <comment>what started a recovery: the recovery after Quenby starts</comment>
        <translation>Opstarten</translation>
    </message>
    <message>
        <source>Tray menu</source>
        <comment>what started a recovery</comment>
        <translation>Menu in het systeemvak</translation>
    </message>
    <message>
        <source>Hot key</source>
        <comment>what started a recovery</comment>
        <translation>Sneltoets</translation>
    </message>
    <message>
        <source>Request</source>
        <comment>what started a recovery: another program (the command line) asked</comment>
        <translation>Verzoek van een ander programma</translation>
    </message>
    <message>
        <source>Ran</source>
        <translation>Uitgevoerd</translation>
    </message>
    <message>
        <source>Did not run: the processor was busy</source>
        <translation>Niet uitgevoerd: de processor was bezet</translation>
    </message>
    <message>
        <source>Did not run: another user&apos;s recovery was running</source>
        <translation>Niet uitgevoerd: een andere gebruiker was RAM aan het vrijmaken</translation>
    </message>
    <message>
        <source>Did not run: a full-screen program was running</source>
        <translation>Niet uitgevoerd: er werd een programma op volledig scherm uitgevoerd</translation>
    </message>
    <message>
        <source>Did not run: a protected program was running</source>
        <translation>Niet uitgevoerd: er werd een beschermd programma uitgevoerd</translation>
    </message>
    <message>
        <source>Did not run: paused after a recovery that could not help</source>
        <translation>Niet uitgevoerd: gepauzeerd na vrijmaken dat niet hielp</translation>
    </message>
    <message>
        <source>Did not run: more than three quarters of the RAM was free</source>
        <translation>Niet uitgevoerd: meer dan driekwart van het RAM was vrij</translation>
    </message>
    <message>
        <source>No recovery yet.</source>
        <translation>Nog niets vrijgemaakt.</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Wanneer</translation>
    </message>
    <message>
        <source>Started by</source>
        <translation>Gestart door</translation>
    </message>
    <message>
        <source>What happened</source>
        <translation>Resultaat</translation>
    </message>
    <message>
        <source>Before (MB)</source>
        <comment>column: free RAM before the recovery, in megabytes</comment>
        <translation>Vóór (MB)</translation>
    </message>
    <message>
        <source>After (MB)</source>
        <comment>column: free RAM after the recovery, in megabytes</comment>
        <translation>Na (MB)</translation>
    </message>
    <message>
        <source>Used (MB)</source>
        <comment>column: the megabytes the recovery allocated and released</comment>
        <translation>Gebruikt (MB)</translation>
    </message>
    <message>
        <source>Seconds</source>
        <comment>column: how long the recovery took</comment>
        <translation>Seconden</translation>
    </message>
    <message>
        <source>Free RAM before the recovery</source>
        <translation>Vrij RAM vóór het vrijmaken</translation>
    </message>
    <message>
        <source>Free RAM after the recovery</source>
        <translation>Vrij RAM na het vrijmaken</translation>
    </message>
    <message>
        <source>The RAM the recovery took for a moment and gave back</source>
        <translation>Het RAM dat het vrijmaken even in gebruik nam en weer teruggaf</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Total RAM: n/a</source>
        <translation>Totaal RAM: n.v.t.</translation>
    </message>
    <message>
        <source>Available RAM: n/a</source>
        <translation>Beschikbaar RAM: n.v.t.</translation>
    </message>
    <message>
        <source>CPU Usage: n/a</source>
        <translation>CPU-gebruik: n.v.t.</translation>
    </message>
    <message>
        <source>Free-up RAM</source>
        <extracomment>The title of the group with the two sliders that set the free-RAM levels.</extracomment>
        <translation>RAM vrijmaken</translation>
    </message>
    <message>
        <source>Target Free RAM:</source>
        <translation>Doel voor vrij RAM:</translation>
    </message>
    <message>
        <source>Minimum Free RAM:</source>
        <translation>Minimaal vrij RAM:</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opties</translation>
    </message>
    <message>
        <source>Save</source>
        <extracomment>Stores the two free-RAM levels set with the sliders.</extracomment>
        <translation>Opslaan</translation>
    </message>
    <message>
        <source>Enable RAM Optimizer</source>
        <translation>RAM-optimalisatie inschakelen</translation>
    </message>
    <message>
        <source>Disable</source>
        <extracomment>Switches the automatic recovery off; the button then reads “Enable RAM Optimizer”.</extracomment>
        <translation>Uitschakelen</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Ends the tray engine (the RAM optimizer itself), not only this window.</extracomment>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>Het bestand bestaat niet.</translation>
    </message>
    <message>
        <source>You are not allowed to run this file.</source>
        <translation>U hebt geen toestemming om dit bestand uit te voeren.</translation>
    </message>
    <message>
        <source>The file is not a program that can be run.</source>
        <translation>Het bestand is geen programma dat kan worden uitgevoerd.</translation>
    </message>
    <message>
        <source>There is not enough memory to start it.</source>
        <translation>Er is onvoldoende geheugen om het te starten.</translation>
    </message>
    <message>
        <source>The system refused to start it (error %1).</source>
        <extracomment>Why the tray engine could not be started. %1: Windows&apos; error number.</extracomment>
        <translation>Het systeem heeft het starten geweigerd (fout %1).</translation>
    </message>
    <message>
        <source>The RAM optimizer could not be started from %1.</source>
        <extracomment>%1: the full path of the tray engine&apos;s program file; a sentence saying why follows on the next line.</extracomment>
        <translation>De RAM-optimalisatie kan niet worden gestart vanuit %1.</translation>
    </message>
    <message>
        <source>Total RAM: %1MB</source>
        <extracomment>%1: megabytes of RAM installed, a whole number.</extracomment>
        <translation>Totaal RAM: %1 MB</translation>
    </message>
    <message>
        <source>Available RAM: %1MB (%2%)</source>
        <extracomment>%1: megabytes of RAM available now; %2: that as a share of all RAM, in percent (the % after it is the percent sign).</extracomment>
        <translation>Beschikbaar RAM: %1 MB (%2%)</translation>
    </message>
    <message>
        <source>CPU Usages: %1%</source>
        <extracomment>%1: the processor load of the last second in percent; the % after it is the percent sign.</extracomment>
        <translation>CPU-gebruik: %1%</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <extracomment>%1: megabytes, the value the slider beside it is set to.</extracomment>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>Target free RAM, %1 MB</source>
        <extracomment>Read by screen readers for the slider. %1: the megabytes it is set to.</extracomment>
        <translation>Doel voor vrij RAM, %1 MB</translation>
    </message>
    <message>
        <source>Minimum free RAM, %1 MB</source>
        <extracomment>Read by screen readers for the slider. %1: the megabytes it is set to.</extracomment>
        <translation>Minimaal vrij RAM, %1 MB</translation>
    </message>
    <message>
        <source>Save the target and minimum free RAM</source>
        <translation>Doel en minimum voor vrij RAM opslaan</translation>
    </message>
    <message>
        <source>Open the options</source>
        <translation>De opties openen</translation>
    </message>
    <message>
        <source>Enable the RAM optimizer</source>
        <translation>De RAM-optimalisatie inschakelen</translation>
    </message>
    <message>
        <source>Disable the RAM optimizer</source>
        <translation>De RAM-optimalisatie uitschakelen</translation>
    </message>
    <message>
        <source>Close the RAM optimizer</source>
        <translation>De RAM-optimalisatie afsluiten</translation>
    </message>
    <message>
        <source>About Quenby</source>
        <translation>Info over Quenby</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Ctrl+Alt+%1 can&apos;t be a hot key: your keyboard layout has no key for “%1”.</source>
        <extracomment>%1: the character the user typed as the hot key, such as K.</extracomment>
        <translation>Ctrl+Alt+%1 kan geen sneltoets zijn: uw toetsenbordindeling heeft geen toets voor “%1”.</translation>
    </message>
    <message>
        <source>Ctrl+Alt+%1 can&apos;t be a hot key: on your keyboard layout it types “%2”, which every program would then lose.</source>
        <extracomment>%1: the character the user typed as the hot key; %2: the character that key combination types on the user&apos;s keyboard layout (as AltGr would).</extracomment>
        <translation>Ctrl+Alt+%1 kan geen sneltoets zijn: met uw toetsenbordindeling typt deze toets “%2”, dat dan in geen enkel programma meer kan worden getypt.</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opties</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Algemeen</translation>
    </message>
    <message>
        <source>Start Quenby automatically at Windows startup</source>
        <translation>Quenby automatisch starten wanneer Windows wordt gestart</translation>
    </message>
    <message>
        <source>Free-up RAM on startup after</source>
        <extracomment>Start of a sentence the dialog puts together: this check box, a number of seconds, then “seconds”: “Free-up RAM on startup after [60] seconds”.</extracomment>
        <translation>RAM bij het opstarten vrijmaken na</translation>
    </message>
    <message>
        <source>MB of RAM on startup after</source>
        <extracomment>A hidden part of the start-up sentence, after a number of megabytes.</extracomment>
        <translation>MB RAM bij het opstarten na</translation>
    </message>
    <message>
        <source>seconds</source>
        <extracomment>End of the sentence “Free-up RAM on startup after [60] seconds”.</extracomment>
        <translation>seconden</translation>
    </message>
    <message>
        <source>Free-up RAM every</source>
        <extracomment>Start of a sentence the dialog puts together: “Free-up RAM every [4] minutes if free RAM below [50] %”.</extracomment>
        <translation>RAM vrijmaken om de</translation>
    </message>
    <message>
        <source>MB every</source>
        <extracomment>A hidden part of the periodic sentence, after a number of megabytes.</extracomment>
        <translation>MB om de</translation>
    </message>
    <message>
        <source>minutes if free RAM below</source>
        <extracomment>Middle of the sentence “Free-up RAM every [4] minutes if free RAM below [50] %”: between two numbers.</extracomment>
        <translation>minuten als het vrije RAM lager is dan</translation>
    </message>
    <message>
        <source>Pause automatic recovery while it cannot help</source>
        <translation>Automatisch vrijmaken pauzeren zolang het niet helpt</translation>
    </message>
    <message>
        <source>Pause automatic recovery while a full-screen program runs</source>
        <translation>Automatisch vrijmaken pauzeren zolang er een programma op volledig scherm wordt uitgevoerd</translation>
    </message>
    <message>
        <source>CPU usage:</source>
        <extracomment>Beside a bar that shows the processor load.</extracomment>
        <translation>CPU-gebruik:</translation>
    </message>
    <message>
        <source>Disable CPU usage detection</source>
        <translation>Detectie van CPU-gebruik uitschakelen</translation>
    </message>
    <message>
        <source>Enable the CPU usage detection to prevent Quenby recovering RAM when your CPU is busy. Please note that CPU cooling and few other programs use special method that cause the CPU usage always stay at 100% level. When you have this kind of situation, disable the CPU usage detection to allow Quenby recovering RAM at any CPU usage level.</source>
        <translation>Schakel de detectie van CPU-gebruik in om te voorkomen dat Quenby RAM vrijmaakt terwijl de CPU bezet is. Houd er rekening mee dat CPU-koelprogramma&apos;s en enkele andere programma&apos;s een speciale methode gebruiken waardoor het CPU-gebruik altijd op 100% staat. Schakel in dat geval de detectie van CPU-gebruik uit, zodat Quenby RAM kan vrijmaken bij elk CPU-gebruik.</translation>
    </message>
    <message>
        <source>Tray Icon</source>
        <translation>Pictogram</translation>
    </message>
    <message>
        <source>Default:</source>
        <extracomment>Beside the picture of the tray icon as it normally looks.</extracomment>
        <translation>Standaard:</translation>
    </message>
    <message>
        <source>Recovering RAM:</source>
        <extracomment>Beside the picture of the tray icon while it recovers RAM.</extracomment>
        <translation>Bij het vrijmaken van RAM:</translation>
    </message>
    <message>
        <source>Tray icon text color</source>
        <translation>Tekstkleur van het pictogram in het systeemvak</translation>
    </message>
    <message>
        <source>Display</source>
        <extracomment>Start of “Display [Percentage of Free RAM] in tray icon”: a list to choose from follows.</extracomment>
        <translation>Weergeven:</translation>
    </message>
    <message>
        <source>in tray icon</source>
        <extracomment>End of “Display [Percentage of Free RAM] in tray icon”.</extracomment>
        <translation>in het pictogram in het systeemvak</translation>
    </message>
    <message>
        <source>Show how much RAM was recovered</source>
        <translation>Weergeven hoeveel RAM er is vrijgemaakt</translation>
    </message>
    <message>
        <source>Popup Menu</source>
        <translation>Snelmenu</translation>
    </message>
    <message>
        <source>Recover</source>
        <extracomment>Start of “Recover [512] MB menu”: sets the amount of one entry of the tray icon&apos;s menu.</extracomment>
        <translation>Vrijmaken:</translation>
    </message>
    <message>
        <source>MB menu</source>
        <extracomment>End of “Recover [512] MB menu”.</extracomment>
        <translation>MB (menuopdracht)</translation>
    </message>
    <message>
        <source>Others</source>
        <translation>Overige</translation>
    </message>
    <message>
        <source>Also clear Windows Clipboard when freeing up RAM</source>
        <translation>Ook het Windows-klembord wissen bij het vrijmaken van RAM</translation>
    </message>
    <message>
        <source>Play alarm sound before freeing up RAM</source>
        <translation>Een alarmgeluid afspelen voordat RAM wordt vrijgemaakt</translation>
    </message>
    <message>
        <source>Free up RAM hot key : Cltr + Alt +</source>
        <translation type="vanished">Sneltoets om RAM vrij te maken: Ctrl + Alt +</translation>
    </message>
    <message>
        <source>Disable/enable Quenby hotkey : Cltr + Alt +</source>
        <translation type="vanished">Sneltoets om Quenby uit of in te schakelen: Ctrl + Alt +</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Zwart</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Wit</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <source>Percentage of CPU Usage</source>
        <translation>Percentage CPU-gebruik</translation>
    </message>
    <message>
        <source>Percentage of Free RAM</source>
        <translation>Percentage vrij RAM</translation>
    </message>
    <message>
        <source>RAM to free on startup, in MB</source>
        <translation>Vrij te maken RAM bij het opstarten, in MB</translation>
    </message>
    <message>
        <source>Delay of the startup recovery, in seconds</source>
        <translation>Wachttijd voor het vrijmaken bij het opstarten, in seconden</translation>
    </message>
    <message>
        <source>RAM to free periodically, in MB</source>
        <translation>Regelmatig vrij te maken RAM, in MB</translation>
    </message>
    <message>
        <source>Free-up RAM every, in minutes (0 for never)</source>
        <translation>Interval voor het vrijmaken van RAM, in minuten (0 voor nooit)</translation>
    </message>
    <message>
        <source>Only if free RAM is below, in percent</source>
        <translation>Alleen als het vrije RAM lager is dan dit percentage</translation>
    </message>
    <message>
        <source>CPU usage</source>
        <translation>CPU-gebruik</translation>
    </message>
    <message>
        <source>What the tray icon shows</source>
        <translation>Wat het pictogram in het systeemvak weergeeft</translation>
    </message>
    <message>
        <source>First recovery amount of the tray menu, in MB</source>
        <translation>Eerste hoeveelheid om vrij te maken in het menu in het systeemvak, in MB</translation>
    </message>
    <message>
        <source>Second recovery amount of the tray menu, in MB</source>
        <translation>Tweede hoeveelheid om vrij te maken in het menu in het systeemvak, in MB</translation>
    </message>
    <message>
        <source>Third recovery amount of the tray menu, in MB</source>
        <translation>Derde hoeveelheid om vrij te maken in het menu in het systeemvak, in MB</translation>
    </message>
    <message>
        <source>Alarm sound file</source>
        <translation>Bestand met alarmgeluid</translation>
    </message>
    <message>
        <source>Choose the alarm sound file</source>
        <translation>Het bestand met het alarmgeluid kiezen</translation>
    </message>
    <message>
        <source>Free up RAM hot key: Ctrl + Alt + this key</source>
        <translation>Sneltoets om RAM vrij te maken: Ctrl + Alt + deze toets</translation>
    </message>
    <message>
        <source>Disable/enable hot key: Ctrl + Alt + this key</source>
        <translation>Sneltoets om uit of in te schakelen: Ctrl + Alt + deze toets</translation>
    </message>
    <message>
        <source>Add Files</source>
        <translation>Bestanden toevoegen</translation>
    </message>
    <message>
        <source>All Files (*.wav)</source>
        <translation>Alle bestanden (*.wav)</translation>
    </message>
    <message>
        <source>Pause automatic recovery while one of these programs runs:</source>
        <translation>Automatisch vrijmaken pauzeren zolang een van deze programma&apos;s wordt uitgevoerd:</translation>
    </message>
    <message>
        <source>game.exe;obs64.exe</source>
        <extracomment>An example of the list: two program file names separated by a semicolon. Keep the names as they are.</extracomment>
        <translation>game.exe;obs64.exe</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Geschiedenis</translation>
    </message>
    <message>
        <source>Program file names as Task Manager shows them, separated by semicolons.</source>
        <translation>Bestandsnamen van programma&apos;s zoals Taakbeheer ze weergeeft, gescheiden door puntkomma&apos;s.</translation>
    </message>
    <message>
        <source>Ignored, as they are not program file names: %1</source>
        <comment>followed by the names</comment>
        <translation>Genegeerd, omdat dit geen bestandsnamen van programma&apos;s zijn: %1</translation>
    </message>
    <message>
        <source>Free up RAM hot key: Ctrl + Alt +</source>
        <extracomment>A field for one key follows: Ctrl + Alt + that key frees up RAM in every program.</extracomment>
        <translation>Sneltoets om RAM vrij te maken: Ctrl + Alt +</translation>
    </message>
    <message>
        <source>Disable/enable Quenby hot key: Ctrl + Alt +</source>
        <extracomment>A field for one key follows: Ctrl + Alt + that key switches the automatic recovery off and on.</extracomment>
        <translation>Sneltoets om Quenby uit of in te schakelen: Ctrl + Alt +</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Set by your administrator</source>
        <translation>Ingesteld door uw beheerder</translation>
    </message>
    <message>
        <source>Your administrator set Quenby to start automatically for every user of this PC.</source>
        <translation>Uw beheerder heeft ingesteld dat Quenby automatisch wordt gestart voor elke gebruiker van deze pc.</translation>
    </message>
</context>
<context>
    <name>Quenbytray</name>
    <message>
        <source>Restart Windows</source>
        <comment>104</comment>
        <translation>Windows opnieuw opstarten</translation>
    </message>
    <message>
        <source>Suspend Windows</source>
        <comment>105</comment>
        <translation>Slaapstand</translation>
    </message>
    <message>
        <source>Shutdown Windows</source>
        <comment>106</comment>
        <translation>Windows afsluiten</translation>
    </message>
    <message>
        <source>Clear Clipboard</source>
        <comment>107</comment>
        <translation>Klembord wissen</translation>
    </message>
    <message>
        <source>Free-up RAM Manually
</source>
        <comment>108</comment>
        <extracomment>A menu item that frees up RAM now; the line end stays.</extracomment>
        <translation>RAM handmatig vrijmaken
</translation>
    </message>
    <message>
        <source>Configuration...</source>
        <comment>110</comment>
        <translation>Opties...</translation>
    </message>
    <message>
        <source>Disable RAM Optimizer</source>
        <comment>111</comment>
        <translation>RAM-optimalisatie uitschakelen</translation>
    </message>
    <message>
        <source>Enable RAM Optimizer</source>
        <comment>112</comment>
        <translation>RAM-optimalisatie inschakelen</translation>
    </message>
    <message>
        <source>Close RAM Optimizer</source>
        <comment>113</comment>
        <extracomment>Ends the tray engine: its icon and the automatic recovery go away.</extracomment>
        <translation>RAM-optimalisatie afsluiten</translation>
    </message>
    <message>
        <source>Do you want to restart your computer now?</source>
        <comment>114</comment>
        <translation>Wilt u de computer nu opnieuw opstarten?</translation>
    </message>
    <message>
        <source>Do you want to suspend your computer now?</source>
        <comment>115</comment>
        <translation>Wilt u de computer nu in de slaapstand zetten?</translation>
    </message>
    <message>
        <source>Do you want to shutdown your computer now?</source>
        <comment>116</comment>
        <translation>Wilt u de computer nu afsluiten?</translation>
    </message>
    <message>
        <source>Confirm</source>
        <comment>117</comment>
        <extracomment>The title of the box that asks before a restart, a sleep or a shutdown.</extracomment>
        <translation>Bevestigen</translation>
    </message>
    <message>
        <source>RAM Optimizer
</source>
        <comment>118</comment>
        <extracomment>The first line of the tray icon&apos;s tooltip; the line end stays.</extracomment>
        <translation>RAM-optimalisatie
</translation>
    </message>
    <message>
        <source>Free RAM: %1 MB (%2%)
</source>
        <comment>119</comment>
        <extracomment>The second line of the tooltip. %1: megabytes of free RAM; %2: that as a share of all RAM in percent, the % after it being the percent sign. The line end stays.</extracomment>
        <translation>Vrij RAM: %1 MB (%2%)
</translation>
    </message>
    <message>
        <source>CPU Usage: %1%</source>
        <comment>121</comment>
        <extracomment>The third line of the tooltip. %1: the processor load in percent; the % after it is the percent sign.</extracomment>
        <translation>CPU-gebruik: %1%</translation>
    </message>
    <message>
        <source>CreateProcess failed (%1).</source>
        <comment>122</comment>
        <extracomment>%1: Windows&apos; error number when the control panel could not be started.</extracomment>
        <translation>CreateProcess is mislukt (%1).</translation>
    </message>
    <message>
        <source>Error</source>
        <comment>123</comment>
        <extracomment>The title of a box that says something failed.</extracomment>
        <translation>Fout</translation>
    </message>
    <message>
        <source>RAM Optimizer</source>
        <comment>124</comment>
        <extracomment>The title of the notices the tray icon shows.</extracomment>
        <translation>RAM-optimalisatie</translation>
    </message>
    <message>
        <source>Recovered %1 MB, %2 MB free now</source>
        <comment>125</comment>
        <extracomment>A notice after a recovery. %1: the megabytes recovered; %2: the megabytes free now.</extracomment>
        <translation>%1 MB vrijgemaakt, nu %2 MB vrij</translation>
    </message>
    <message>
        <source>No RAM could be recovered</source>
        <comment>126</comment>
        <translation>Er kon geen RAM worden vrijgemaakt</translation>
    </message>
    <message>
        <source>Windows could not be restarted (error %1). %2</source>
        <comment>127</comment>
        <extracomment>%1: Windows&apos; error number; %2: Windows&apos; own description of the error, a sentence or empty.</extracomment>
        <translation>Windows kan niet opnieuw worden opgestart (fout %1). %2</translation>
    </message>
    <message>
        <source>Windows could not be suspended (error %1). %2</source>
        <comment>128</comment>
        <extracomment>%1: Windows&apos; error number; %2: Windows&apos; own description of the error, a sentence or empty.</extracomment>
        <translation>De computer kan niet in de slaapstand worden gezet (fout %1). %2</translation>
    </message>
    <message>
        <source>Windows could not be shut down (error %1). %2</source>
        <comment>129</comment>
        <extracomment>%1: Windows&apos; error number; %2: Windows&apos; own description of the error, a sentence or empty.</extracomment>
        <translation>Windows kan niet worden afgesloten (fout %1). %2</translation>
    </message>
    <message>
        <source>Hot key not available</source>
        <comment>132</comment>
        <translation>Sneltoets niet beschikbaar</translation>
    </message>
    <message>
        <source>The hot key Ctrl+Alt+%1 could not be registered: another program uses it.</source>
        <comment>133</comment>
        <extracomment>%1: the character of the hot key, such as K.</extracomment>
        <translation>De sneltoets Ctrl+Alt+%1 kan niet worden geregistreerd: een ander programma gebruikt deze al.</translation>
    </message>
    <message>
        <source>The hot key Ctrl+Alt+%1 was not registered: on your keyboard layout it types “%2”.</source>
        <comment>134</comment>
        <extracomment>%1: the character of the hot key; %2: the character the key combination types on the user&apos;s keyboard layout.</extracomment>
        <translation>De sneltoets Ctrl+Alt+%1 is niet geregistreerd: met uw toetsenbordindeling typt deze toets “%2”.</translation>
    </message>
    <message>
        <source>The hot key Ctrl+Alt+%1 was not registered: your keyboard layout has no such key.</source>
        <comment>135</comment>
        <extracomment>%1: the character of the hot key.</extracomment>
        <translation>De sneltoets Ctrl+Alt+%1 is niet geregistreerd: uw toetsenbordindeling heeft zo&apos;n toets niet.</translation>
    </message>
    <message>
        <source>This computer uses Modern Standby, which only Windows itself can start: to let it sleep, press its power button or choose Power &gt; Sleep in the Start menu.</source>
        <comment>137</comment>
        <translation>Deze computer gebruikt Modern Standby, dat alleen Windows zelf kan starten: druk op de aan/uit-knop van de computer of kies Aan/uit &gt; Slaapstand in het menu Start om de computer in de slaapstand te zetten.</translation>
    </message>
    <message>
        <source>This computer may not be able to sleep, and Windows may hibernate it instead. Do you want to go on?</source>
        <comment>138</comment>
        <translation>Deze computer kan mogelijk niet in de slaapstand worden gezet, en Windows zet de computer dan mogelijk in de sluimerstand. Wilt u doorgaan?</translation>
    </message>
</context>
<context>
    <name>Setup</name>
    <message>
        <source>Quenby is still running and could not be closed.</source>
        <comment>STILL_RUNNING_DETAIL</comment>
        <translation>Quenby wordt nog uitgevoerd en kon niet worden afgesloten.</translation>
    </message>
    <message>
        <source>Quenby is still running and could not be closed.

Close it (tray menu: Close RAM Optimizer; and the control panel&apos;s window), then choose Retry.</source>
        <comment>STILL_RUNNING_BOX</comment>
        <translation>Quenby wordt nog uitgevoerd en kon niet worden afgesloten.

Sluit Quenby af (menu in het systeemvak: RAM-optimalisatie afsluiten) en sluit het venster van het bedieningspaneel. Kies daarna Opnieuw proberen.</translation>
    </message>
    <message>
        <source>Quenby is still running; nothing was changed.</source>
        <comment>STILL_RUNNING_ABORT</comment>
        <translation>Quenby wordt nog uitgevoerd. Er is niets gewijzigd.</translation>
    </message>
    <message>
        <source>Quenby&apos;s setup or uninstaller is already running.</source>
        <comment>ALREADY_RUNNING</comment>
        <translation>Het installatie- of verwijderingsprogramma van Quenby wordt al uitgevoerd.</translation>
    </message>
    <message>
        <source>Closing Quenby if it runs...</source>
        <comment>CLOSING</comment>
        <translation>Quenby wordt afgesloten als het actief is...</translation>
    </message>
    <message>
        <source>Quenby control panel: RAM and CPU figures and the options</source>
        <comment>PANEL_LINK_DESCRIPTION</comment>
        <translation>Bedieningspaneel van Quenby: RAM- en CPU-gegevens en de opties</translation>
    </message>
    <message>
        <source>Quenby tray engine</source>
        <comment>ENGINE_LINK_NAME</comment>
        <extracomment>The name of the Start-menu shortcut to the tray engine.</extracomment>
        <translation>Quenby in het systeemvak</translation>
    </message>
    <message>
        <source>Start Quenby&apos;s tray engine, which recovers RAM</source>
        <comment>ENGINE_LINK_DESCRIPTION</comment>
        <translation>Het programma van Quenby in het systeemvak starten, dat RAM vrijmaakt</translation>
    </message>
    <message>
        <source>Quenby (required)</source>
        <comment>SECTION_PROGRAM</comment>
        <translation>Quenby (vereist)</translation>
    </message>
    <message>
        <source>Start with Windows</source>
        <comment>SECTION_AUTOSTART</comment>
        <translation>Starten met Windows</translation>
    </message>
    <message>
        <source>Starting the tray engine again...</source>
        <comment>RESTARTING_ENGINE</comment>
        <translation>Het programma in het systeemvak wordt opnieuw gestart...</translation>
    </message>
    <message>
        <source>The tray engine, the control panel, the command-line client quenbyctl and Start-menu shortcuts.</source>
        <comment>SECTION_PROGRAM_DESCRIPTION</comment>
        <translation>Het programma in het systeemvak, het bedieningspaneel, de opdrachtregelclient quenbyctl en snelkoppelingen in het menu Start.</translation>
    </message>
    <message>
        <source>Start the tray engine when you sign in to Windows.</source>
        <comment>SECTION_AUTOSTART_DESCRIPTION</comment>
        <translation>Het programma in het systeemvak starten wanneer u zich aanmeldt bij Windows.</translation>
    </message>
    <message>
        <source>Unknown value /AUTOSTART=%1: use /AUTOSTART=1 or /AUTOSTART=0.</source>
        <comment>BAD_AUTOSTART</comment>
        <extracomment>$1 (%1 for translators): the value given after /AUTOSTART= on the command line.</extracomment>
        <translation>Onbekende waarde /AUTOSTART=%1: gebruik /AUTOSTART=1 of /AUTOSTART=0.</translation>
    </message>
    <message>
        <source>Open the Quenby control panel</source>
        <comment>FINISH_RUN</comment>
        <translation>Het bedieningspaneel van Quenby openen</translation>
    </message>
    <message>
        <source>Installing or removing Quenby for all users of this computer needs administrator rights. Run it again as an administrator.</source>
        <comment>NEEDS_ADMINISTRATOR</comment>
        <translation>Voor het installeren of verwijderen van Quenby voor alle gebruikers van deze computer zijn beheerdersrechten nodig. Voer het programma opnieuw uit als beheerder.</translation>
    </message>
    <message>
        <source>Quenby has been installed for all users of this computer.

Setup did not start it. Open it from the Start menu. If Start with Windows was selected, it starts for each user when they sign in.</source>
        <comment>FINISH_MACHINE_TEXT</comment>
        <translation>Quenby is geïnstalleerd voor alle gebruikers van deze computer.

Het installatieprogramma heeft Quenby niet gestart. Open het via het menu Start. Als “Starten met Windows” is geselecteerd, wordt het voor elke gebruiker gestart wanneer deze zich aanmeldt.</translation>
    </message>
    <message>
        <source>The previous version is still running in another user&apos;s session and keeps running there until it is closed. Its files are removed when you restart the computer.</source>
        <comment>FINISH_SET_ASIDE</comment>
        <translation>De vorige versie wordt nog uitgevoerd in de sessie van een andere gebruiker en blijft daar actief totdat deze wordt afgesloten. De bestanden ervan worden verwijderd wanneer u de computer opnieuw opstart.</translation>
    </message>
    <message>
        <source>%1 is in use in another user&apos;s session and was renamed to %2.</source>
        <comment>SET_ASIDE_DETAIL</comment>
        <extracomment>%1: the full path of a file of the previous version; %2: the name it was renamed to.</extracomment>
        <translation>%1 wordt gebruikt in de sessie van een andere gebruiker en de naam is gewijzigd in %2.</translation>
    </message>
    <message>
        <source>Some of Quenby&apos;s files are in use in another user&apos;s session. They will be removed when you restart the computer.</source>
        <comment>UNINSTALL_IN_USE</comment>
        <translation>Enkele bestanden van Quenby worden gebruikt in de sessie van een andere gebruiker. Ze worden verwijderd wanneer u de computer opnieuw opstart.</translation>
    </message>
</context>
<context>
    <name>Policies</name>
    <message>
        <source>Quenby %1 on Windows 10 and Windows 11</source>
        <extracomment>%1: Quenby&apos;s version number, as in 1.4.2.</extracomment>
        <translation>Quenby %1 op Windows 10 en Windows 11</translation>
    </message>
    <message>
        <source>Target free RAM (MB)</source>
        <translation>Doel voor vrij RAM (MB)</translation>
    </message>
    <message>
        <source>Sets &quot;%1&quot; of Quenby.</source>
        <extracomment>%1: the policy&apos;s name, as the line above the explanation shows it.</extracomment>
        <translation>Stelt “%1” van Quenby in.</translation>
    </message>
    <message>
        <source>three quarters of the installed RAM in MB</source>
        <translation>driekwart van het geïnstalleerde RAM in MB</translation>
    </message>
    <message>
        <source>From %1 to %2.</source>
        <extracomment>The range a policy accepts. %1 and %2: numbers, or texts such as “the installed RAM in MB divided by 4”.</extracomment>
        <translation>Van %1 tot %2.</translation>
    </message>
    <message>
        <source>the installed RAM in MB divided by %1</source>
        <extracomment>A bound of a range, or a default. %1: a number such as 4.</extracomment>
        <translation>het geïnstalleerde RAM in MB gedeeld door %1</translation>
    </message>
    <message>
        <source>Without a policy: %1, unless the user chose otherwise.</source>
        <extracomment>%1: the default value, a number or a text such as “the installed RAM in MB divided by 4”.</extracomment>
        <translation>Zonder beleid: %1, tenzij de gebruiker iets anders heeft gekozen.</translation>
    </message>
    <message>
        <source>A computer policy wins over a user policy, and both over the user&apos;s own choice, which the control panel then shows as &quot;Set by your administrator&quot;. When the policy is not configured, the user&apos;s own choice applies.</source>
        <translation>Computerbeleid heeft voorrang op gebruikersbeleid, en beide hebben voorrang op de eigen keuze van de gebruiker, die het bedieningspaneel dan weergeeft als “Ingesteld door uw beheerder”. Als het beleid niet is geconfigureerd, geldt de eigen keuze van de gebruiker.</translation>
    </message>
    <message>
        <source>Minimum free RAM (MB)</source>
        <translation>Minimaal vrij RAM (MB)</translation>
    </message>
    <message>
        <source>Free up RAM on startup</source>
        <translation>RAM vrijmaken bij het opstarten</translation>
    </message>
    <message>
        <source>Enabled: on (1). Disabled: off (0).</source>
        <translation>Ingeschakeld: aan (1). Uitgeschakeld: uit (0).</translation>
    </message>
    <message>
        <source>RAM to free on startup (MB)</source>
        <translation>Vrij te maken RAM bij het opstarten (MB)</translation>
    </message>
    <message>
        <source>Delay of the startup recovery (seconds)</source>
        <translation>Wachttijd voor het vrijmaken bij het opstarten (seconden)</translation>
    </message>
    <message>
        <source>RAM to free periodically (MB)</source>
        <translation>Regelmatig vrij te maken RAM (MB)</translation>
    </message>
    <message>
        <source>Free up RAM every (minutes, 0 for never)</source>
        <translation>Interval voor het vrijmaken van RAM (minuten, 0 voor nooit)</translation>
    </message>
    <message>
        <source>Free RAM percentage shown with the periodic recovery</source>
        <translation>Percentage vrij RAM voor het regelmatig vrijmaken</translation>
    </message>
    <message>
        <source>Disable CPU usage detection</source>
        <translation>Detectie van CPU-gebruik uitschakelen</translation>
    </message>
    <message>
        <source>Tray icon text color</source>
        <translation>Tekstkleur van het pictogram in het systeemvak</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Zwart</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Wit</translation>
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
        <translation>Een van: %1.</translation>
    </message>
    <message>
        <source>Tray icon shows</source>
        <translation>Weergave in het pictogram in het systeemvak</translation>
    </message>
    <message>
        <source>Percentage of CPU Usage</source>
        <translation>Percentage CPU-gebruik</translation>
    </message>
    <message>
        <source>Percentage of Free RAM</source>
        <translation>Percentage vrij RAM</translation>
    </message>
    <message>
        <source>First recovery amount of the tray menu (MB)</source>
        <translation>Eerste hoeveelheid om vrij te maken in het menu in het systeemvak (MB)</translation>
    </message>
    <message>
        <source>Second recovery amount of the tray menu (MB)</source>
        <translation>Tweede hoeveelheid om vrij te maken in het menu in het systeemvak (MB)</translation>
    </message>
    <message>
        <source>Third recovery amount of the tray menu (MB)</source>
        <translation>Derde hoeveelheid om vrij te maken in het menu in het systeemvak (MB)</translation>
    </message>
    <message>
        <source>Also clear the clipboard when freeing up RAM</source>
        <translation>Ook het klembord wissen bij het vrijmaken van RAM</translation>
    </message>
    <message>
        <source>Play alarm sound before freeing up RAM</source>
        <translation>Een alarmgeluid afspelen voordat RAM wordt vrijgemaakt</translation>
    </message>
    <message>
        <source>Alarm sound file</source>
        <translation>Bestand met alarmgeluid</translation>
    </message>
    <message>
        <source>A full path, at most %1 characters.</source>
        <extracomment>%1: a number of characters, such as 259.</extracomment>
        <translation>Een volledig pad van maximaal %1 tekens.</translation>
    </message>
    <message>
        <source>Free up RAM hot key (Ctrl + Alt + the key of this code)</source>
        <translation>Sneltoets om RAM vrij te maken (Ctrl + Alt + de toets met deze code)</translation>
    </message>
    <message>
        <source>Disable/enable hot key (Ctrl + Alt + the key of this code)</source>
        <translation>Sneltoets om uit of in te schakelen (Ctrl + Alt + de toets met deze code)</translation>
    </message>
    <message>
        <source>Show how much RAM was recovered</source>
        <translation>Weergeven hoeveel RAM er is vrijgemaakt</translation>
    </message>
    <message>
        <source>Pause automatic recovery while it cannot help</source>
        <translation>Automatisch vrijmaken pauzeren zolang het niet helpt</translation>
    </message>
    <message>
        <source>Pause automatic recovery while a full-screen program runs</source>
        <translation>Automatisch vrijmaken pauzeren zolang er een programma op volledig scherm wordt uitgevoerd</translation>
    </message>
    <message>
        <source>Pause automatic recovery while one of these programs runs</source>
        <translation>Automatisch vrijmaken pauzeren zolang een van deze programma&apos;s wordt uitgevoerd</translation>
    </message>
    <message>
        <source>Program file names separated by semicolons, such as game.exe;obs64.exe, at most %1 characters.</source>
        <extracomment>Keep the example file names as they are. %1: a number of characters, such as 1023.</extracomment>
        <translation>Bestandsnamen van programma&apos;s, gescheiden door puntkomma&apos;s, zoals game.exe;obs64.exe, maximaal %1 tekens.</translation>
    </message>
    <message>
        <source>Start Quenby automatically at Windows startup</source>
        <translation>Quenby automatisch starten wanneer Windows wordt gestart</translation>
    </message>
    <message>
        <source>Enabled: the tray engine starts when the user signs in to Windows. Disabled: it does not. The engine brings the user&apos;s start-up entry in line when it starts.</source>
        <translation>Ingeschakeld: het programma in het systeemvak wordt gestart wanneer de gebruiker zich aanmeldt bij Windows. Uitgeschakeld: het wordt niet gestart. Bij het starten stemt het programma de opstartvermelding van de gebruiker hierop af.</translation>
    </message>
    <message>
        <source>Settings of the Quenby RAM optimizer</source>
        <translation>Instellingen van de RAM-optimalisatie van Quenby</translation>
    </message>
</context>
</TS>
