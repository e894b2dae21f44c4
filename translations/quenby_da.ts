<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="da">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation>Om</translation>
    </message>
    <message>
        <source>Copyright © Quenby. All rights reserved.</source>
        <translation>Copyright © Quenby. Alle rettigheder forbeholdes.</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Closes this About box.</extracomment>
        <translation>Luk</translation>
    </message>
    <message>
        <source>Website:</source>
        <translation>Websted:</translation>
    </message>
    <message>
        <source>Version: %1.%2.%3 (Beta)</source>
        <extracomment>%1, %2 and %3: the parts of the version number, as in 1.4.2.</extracomment>
        <translation>Version: %1.%2.%3 (beta)</translation>
    </message>
    <message>
        <source>for Windows %1</source>
        <extracomment>%1: the Windows version the panel runs on, 10 or 11.</extracomment>
        <translation>til Windows %1</translation>
    </message>
</context>
<context>
    <name>GraphForm</name>
    <message>
        <source>Usage graph of the free RAM</source>
        <translation>Graf over ledig RAM</translation>
    </message>
    <message>
        <source>%1% of RAM free</source>
        <extracomment>Read by screen readers for the usage graph. %1: the free share of the RAM in percent; the % after it is the percent sign.</extracomment>
        <translation>%1 % ledig RAM</translation>
    </message>
</context>
<context>
    <name>HistoryPage</name>
    <message>
        <source>Low free RAM</source>
        <comment>what started a recovery</comment>
        <translation>Lidt ledig RAM</translation>
    </message>
    <message>
        <source>Every few minutes</source>
        <comment>what started a recovery: the periodic rule</comment>
        <translation>Med få minutters mellemrum</translation>
    </message>
    <message>
        <source>Startup</source>
        <comment>what started a recovery: the recovery after Quenby starts</comment>
        <translation>Opstart</translation>
    </message>
    <message>
        <source>Tray menu</source>
        <comment>what started a recovery</comment>
        <translation>Menuen i meddelelsesområdet</translation>
    </message>
    <message>
        <source>Hot key</source>
        <comment>what started a recovery</comment>
        <translation>Genvejstast</translation>
    </message>
    <message>
        <source>Request</source>
        <comment>what started a recovery: another program (the command line) asked</comment>
        <translation>Anmodning</translation>
    </message>
    <message>
        <source>Ran</source>
        <translation>Udført</translation>
    </message>
    <message>
        <source>Did not run: the processor was busy</source>
        <translation>Ikke udført: Processoren var optaget</translation>
    </message>
    <message>
        <source>Did not run: another user&apos;s recovery was running</source>
        <translation>Ikke udført: En anden brugers frigørelse var i gang</translation>
    </message>
    <message>
        <source>Did not run: a full-screen program was running</source>
        <translation>Ikke udført: Et program kørte i fuld skærm</translation>
    </message>
    <message>
        <source>Did not run: a protected program was running</source>
        <translation>Ikke udført: Et beskyttet program kørte</translation>
    </message>
    <message>
        <source>Did not run: paused after a recovery that could not help</source>
        <translation>Ikke udført: Sat på pause efter en frigørelse, der ikke kunne hjælpe</translation>
    </message>
    <message>
        <source>Did not run: more than three quarters of the RAM was free</source>
        <translation>Ikke udført: Mere end tre fjerdedele af RAM&apos;en var ledig</translation>
    </message>
    <message>
        <source>No recovery yet.</source>
        <translation>Ingen frigørelse endnu.</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Tidspunkt</translation>
    </message>
    <message>
        <source>Started by</source>
        <translation>Startet af</translation>
    </message>
    <message>
        <source>What happened</source>
        <translation>Resultat</translation>
    </message>
    <message>
        <source>Before (MB)</source>
        <comment>column: free RAM before the recovery, in megabytes</comment>
        <translation>Før (MB)</translation>
    </message>
    <message>
        <source>After (MB)</source>
        <comment>column: free RAM after the recovery, in megabytes</comment>
        <translation>Efter (MB)</translation>
    </message>
    <message>
        <source>Used (MB)</source>
        <comment>column: the megabytes the recovery allocated and released</comment>
        <translation>Brugt (MB)</translation>
    </message>
    <message>
        <source>Seconds</source>
        <comment>column: how long the recovery took</comment>
        <translation>Sekunder</translation>
    </message>
    <message>
        <source>Free RAM before the recovery</source>
        <translation>Ledig RAM før frigørelsen</translation>
    </message>
    <message>
        <source>Free RAM after the recovery</source>
        <translation>Ledig RAM efter frigørelsen</translation>
    </message>
    <message>
        <source>The RAM the recovery took for a moment and gave back</source>
        <translation>Den RAM, som frigørelsen brugte et øjeblik og gav tilbage</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Total RAM: n/a</source>
        <translation>RAM i alt: i/t</translation>
    </message>
    <message>
        <source>Available RAM: n/a</source>
        <translation>Tilgængelig RAM: i/t</translation>
    </message>
    <message>
        <source>CPU Usage: n/a</source>
        <translation>CPU-forbrug: i/t</translation>
    </message>
    <message>
        <source>Free-up RAM</source>
        <extracomment>The title of the group with the two sliders that set the free-RAM levels.</extracomment>
        <translation>Frigør RAM</translation>
    </message>
    <message>
        <source>Target Free RAM:</source>
        <translation>Mål for ledig RAM:</translation>
    </message>
    <message>
        <source>Minimum Free RAM:</source>
        <translation>Minimum for ledig RAM:</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Om</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Indstillinger</translation>
    </message>
    <message>
        <source>Save</source>
        <extracomment>Stores the two free-RAM levels set with the sliders.</extracomment>
        <translation>Gem</translation>
    </message>
    <message>
        <source>Enable RAM Optimizer</source>
        <translation>Aktivér RAM-optimering</translation>
    </message>
    <message>
        <source>Disable</source>
        <extracomment>Switches the automatic recovery off; the button then reads “Enable RAM Optimizer”.</extracomment>
        <translation>Deaktiver</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Ends the tray engine (the RAM optimizer itself), not only this window.</extracomment>
        <translation>Afslut</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>Filen findes ikke.</translation>
    </message>
    <message>
        <source>You are not allowed to run this file.</source>
        <translation>Du har ikke tilladelse til at køre denne fil.</translation>
    </message>
    <message>
        <source>The file is not a program that can be run.</source>
        <translation>Filen er ikke et program, der kan køres.</translation>
    </message>
    <message>
        <source>There is not enough memory to start it.</source>
        <translation>Der er ikke nok hukommelse til at starte det.</translation>
    </message>
    <message>
        <source>The system refused to start it (error %1).</source>
        <extracomment>Why the tray engine could not be started. %1: Windows&apos; error number.</extracomment>
        <translation>Systemet nægtede at starte det (fejl %1).</translation>
    </message>
    <message>
        <source>The RAM optimizer could not be started from %1.</source>
        <extracomment>%1: the full path of the tray engine&apos;s program file; a sentence saying why follows on the next line.</extracomment>
        <translation>RAM-optimeringen kunne ikke startes fra %1.</translation>
    </message>
    <message>
        <source>Total RAM: %1MB</source>
        <extracomment>%1: megabytes of RAM installed, a whole number.</extracomment>
        <translation>RAM i alt: %1 MB</translation>
    </message>
    <message>
        <source>Available RAM: %1MB (%2%)</source>
        <extracomment>%1: megabytes of RAM available now; %2: that as a share of all RAM, in percent (the % after it is the percent sign).</extracomment>
        <translation>Tilgængelig RAM: %1 MB (%2 %)</translation>
    </message>
    <message>
        <source>CPU Usages: %1%</source>
        <extracomment>%1: the processor load of the last second in percent; the % after it is the percent sign.</extracomment>
        <translation>CPU-forbrug: %1 %</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <extracomment>%1: megabytes, the value the slider beside it is set to.</extracomment>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>Target free RAM, %1 MB</source>
        <extracomment>Read by screen readers for the slider. %1: the megabytes it is set to.</extracomment>
        <translation>Mål for ledig RAM, %1 MB</translation>
    </message>
    <message>
        <source>Minimum free RAM, %1 MB</source>
        <extracomment>Read by screen readers for the slider. %1: the megabytes it is set to.</extracomment>
        <translation>Minimum for ledig RAM, %1 MB</translation>
    </message>
    <message>
        <source>Save the target and minimum free RAM</source>
        <translation>Gem mål og minimum for ledig RAM</translation>
    </message>
    <message>
        <source>Open the options</source>
        <translation>Åbn indstillingerne</translation>
    </message>
    <message>
        <source>Enable the RAM optimizer</source>
        <translation>Aktivér RAM-optimeringen</translation>
    </message>
    <message>
        <source>Disable the RAM optimizer</source>
        <translation>Deaktiver RAM-optimeringen</translation>
    </message>
    <message>
        <source>Close the RAM optimizer</source>
        <translation>Afslut RAM-optimeringen</translation>
    </message>
    <message>
        <source>About Quenby</source>
        <translation>Om Quenby</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Ctrl+Alt+%1 can&apos;t be a hot key: your keyboard layout has no key for “%1”.</source>
        <extracomment>%1: the character the user typed as the hot key, such as K.</extracomment>
        <translation>Ctrl+Alt+%1 kan ikke bruges som genvejstast: Dit tastaturlayout har ingen tast til »%1«.</translation>
    </message>
    <message>
        <source>Ctrl+Alt+%1 can&apos;t be a hot key: on your keyboard layout it types “%2”, which every program would then lose.</source>
        <extracomment>%1: the character the user typed as the hot key; %2: the character that key combination types on the user&apos;s keyboard layout (as AltGr would).</extracomment>
        <translation>Ctrl+Alt+%1 kan ikke bruges som genvejstast: Med dit tastaturlayout skriver tasten »%2«, som så ikke længere kunne skrives i noget program.</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Indstillinger</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Generelt</translation>
    </message>
    <message>
        <source>Start Quenby automatically at Windows startup</source>
        <translation>Start Quenby automatisk, når Windows starter</translation>
    </message>
    <message>
        <source>Free-up RAM on startup after</source>
        <extracomment>Start of a sentence the dialog puts together: this check box, a number of seconds, then “seconds”: “Free-up RAM on startup after [60] seconds”.</extracomment>
        <translation>Frigør RAM ved opstart efter</translation>
    </message>
    <message>
        <source>MB of RAM on startup after</source>
        <extracomment>A hidden part of the start-up sentence, after a number of megabytes.</extracomment>
        <translation>MB RAM ved opstart efter</translation>
    </message>
    <message>
        <source>seconds</source>
        <extracomment>End of the sentence “Free-up RAM on startup after [60] seconds”.</extracomment>
        <translation>sekunder</translation>
    </message>
    <message>
        <source>Free-up RAM every</source>
        <extracomment>Start of a sentence the dialog puts together: “Free-up RAM every [4] minutes if free RAM below [50] %”.</extracomment>
        <translation>Frigør RAM med</translation>
    </message>
    <message>
        <source>MB every</source>
        <extracomment>A hidden part of the periodic sentence, after a number of megabytes.</extracomment>
        <translation>MB med</translation>
    </message>
    <message>
        <source>minutes if free RAM below</source>
        <extracomment>Middle of the sentence “Free-up RAM every [4] minutes if free RAM below [50] %”: between two numbers.</extracomment>
        <translation>minutters mellemrum, hvis ledig RAM er under</translation>
    </message>
    <message>
        <source>Pause automatic recovery while it cannot help</source>
        <translation>Sæt automatisk frigørelse på pause, så længe den ikke kan hjælpe</translation>
    </message>
    <message>
        <source>Pause automatic recovery while a full-screen program runs</source>
        <translation>Sæt automatisk frigørelse på pause, så længe et program kører i fuld skærm</translation>
    </message>
    <message>
        <source>CPU usage:</source>
        <extracomment>Beside a bar that shows the processor load.</extracomment>
        <translation>CPU-forbrug:</translation>
    </message>
    <message>
        <source>Disable CPU usage detection</source>
        <translation>Deaktiver registrering af CPU-forbrug</translation>
    </message>
    <message>
        <source>Enable the CPU usage detection to prevent Quenby recovering RAM when your CPU is busy. Please note that CPU cooling and few other programs use special method that cause the CPU usage always stay at 100% level. When you have this kind of situation, disable the CPU usage detection to allow Quenby recovering RAM at any CPU usage level.</source>
        <translation>Aktivér registrering af CPU-forbrug for at forhindre, at Quenby frigør RAM, mens CPU&apos;en er optaget. Bemærk, at programmer til CPU-køling og enkelte andre programmer bruger en særlig metode, som får CPU-forbruget til altid at ligge på 100 %. Hvis det er tilfældet hos dig, kan du deaktivere registreringen af CPU-forbrug, så Quenby kan frigøre RAM uanset CPU-forbruget.</translation>
    </message>
    <message>
        <source>Tray Icon</source>
        <translation>Ikon i meddelelsesområdet</translation>
    </message>
    <message>
        <source>Default:</source>
        <extracomment>Beside the picture of the tray icon as it normally looks.</extracomment>
        <translation>Standard:</translation>
    </message>
    <message>
        <source>Recovering RAM:</source>
        <extracomment>Beside the picture of the tray icon while it recovers RAM.</extracomment>
        <translation>Ved frigørelse af RAM:</translation>
    </message>
    <message>
        <source>Tray icon text color</source>
        <translation>Tekstfarve for ikonet i meddelelsesområdet</translation>
    </message>
    <message>
        <source>Display</source>
        <extracomment>Start of “Display [Percentage of Free RAM] in tray icon”: a list to choose from follows.</extracomment>
        <translation>Vis</translation>
    </message>
    <message>
        <source>in tray icon</source>
        <extracomment>End of “Display [Percentage of Free RAM] in tray icon”.</extracomment>
        <translation>i ikonet i meddelelsesområdet</translation>
    </message>
    <message>
        <source>Show how much RAM was recovered</source>
        <translation>Vis, hvor meget RAM der blev frigjort</translation>
    </message>
    <message>
        <source>Popup Menu</source>
        <translation>Genvejsmenu</translation>
    </message>
    <message>
        <source>Recover</source>
        <extracomment>Start of “Recover [512] MB menu”: sets the amount of one entry of the tray icon&apos;s menu.</extracomment>
        <translation>Frigør</translation>
    </message>
    <message>
        <source>MB menu</source>
        <extracomment>End of “Recover [512] MB menu”.</extracomment>
        <translation>MB (menupunkt)</translation>
    </message>
    <message>
        <source>Others</source>
        <translation>Andet</translation>
    </message>
    <message>
        <source>Also clear Windows Clipboard when freeing up RAM</source>
        <translation>Ryd også Windows&apos; udklipsholder, når der frigøres RAM</translation>
    </message>
    <message>
        <source>Play alarm sound before freeing up RAM</source>
        <translation>Afspil en alarmlyd, før der frigøres RAM</translation>
    </message>
    <message>
        <source>Free up RAM hot key : Cltr + Alt +</source>
        <translation type="vanished">Genvejstast til at frigøre RAM: Ctrl + Alt +</translation>
    </message>
    <message>
        <source>Disable/enable Quenby hotkey : Cltr + Alt +</source>
        <translation type="vanished">Genvejstast til at deaktivere/aktivere Quenby: Ctrl + Alt +</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Gem</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuller</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Sort</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Hvid</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Automatisk</translation>
    </message>
    <message>
        <source>Percentage of CPU Usage</source>
        <translation>CPU-forbrug i procent</translation>
    </message>
    <message>
        <source>Percentage of Free RAM</source>
        <translation>Ledig RAM i procent</translation>
    </message>
    <message>
        <source>RAM to free on startup, in MB</source>
        <translation>RAM, der skal frigøres ved opstart, i MB</translation>
    </message>
    <message>
        <source>Delay of the startup recovery, in seconds</source>
        <translation>Ventetid før frigørelsen ved opstart, i sekunder</translation>
    </message>
    <message>
        <source>RAM to free periodically, in MB</source>
        <translation>RAM, der skal frigøres regelmæssigt, i MB</translation>
    </message>
    <message>
        <source>Free-up RAM every, in minutes (0 for never)</source>
        <translation>Frigør RAM med dette interval, i minutter (0 for aldrig)</translation>
    </message>
    <message>
        <source>Only if free RAM is below, in percent</source>
        <translation>Kun hvis ledig RAM er under, i procent</translation>
    </message>
    <message>
        <source>CPU usage</source>
        <translation>CPU-forbrug</translation>
    </message>
    <message>
        <source>What the tray icon shows</source>
        <translation>Hvad ikonet i meddelelsesområdet viser</translation>
    </message>
    <message>
        <source>First recovery amount of the tray menu, in MB</source>
        <translation>Første mængde RAM at frigøre i menuen i meddelelsesområdet, i MB</translation>
    </message>
    <message>
        <source>Second recovery amount of the tray menu, in MB</source>
        <translation>Anden mængde RAM at frigøre i menuen i meddelelsesområdet, i MB</translation>
    </message>
    <message>
        <source>Third recovery amount of the tray menu, in MB</source>
        <translation>Tredje mængde RAM at frigøre i menuen i meddelelsesområdet, i MB</translation>
    </message>
    <message>
        <source>Alarm sound file</source>
        <translation>Fil med alarmlyd</translation>
    </message>
    <message>
        <source>Choose the alarm sound file</source>
        <translation>Vælg filen med alarmlyden</translation>
    </message>
    <message>
        <source>Free up RAM hot key: Ctrl + Alt + this key</source>
        <translation>Genvejstast til at frigøre RAM: Ctrl + Alt + denne tast</translation>
    </message>
    <message>
        <source>Disable/enable hot key: Ctrl + Alt + this key</source>
        <translation>Genvejstast til at deaktivere/aktivere: Ctrl + Alt + denne tast</translation>
    </message>
    <message>
        <source>Add Files</source>
        <translation>Tilføj filer</translation>
    </message>
    <message>
        <source>All Files (*.wav)</source>
        <translation>Alle filer (*.wav)</translation>
    </message>
    <message>
        <source>Pause automatic recovery while one of these programs runs:</source>
        <translation>Sæt automatisk frigørelse på pause, så længe et af disse programmer kører:</translation>
    </message>
    <message>
        <source>game.exe;obs64.exe</source>
        <extracomment>An example of the list: two program file names separated by a semicolon. Keep the names as they are.</extracomment>
        <translation>game.exe;obs64.exe</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historik</translation>
    </message>
    <message>
        <source>Program file names as Task Manager shows them, separated by semicolons.</source>
        <translation>Programfilnavne, som Jobliste viser dem, adskilt af semikolon.</translation>
    </message>
    <message>
        <source>Ignored, as they are not program file names: %1</source>
        <comment>followed by the names</comment>
        <translation>Ignoreret, da det ikke er programfilnavne: %1</translation>
    </message>
    <message>
        <source>Free up RAM hot key: Ctrl + Alt +</source>
        <extracomment>A field for one key follows: Ctrl + Alt + that key frees up RAM in every program.</extracomment>
        <translation>Genvejstast til at frigøre RAM: Ctrl + Alt +</translation>
    </message>
    <message>
        <source>Disable/enable Quenby hot key: Ctrl + Alt +</source>
        <extracomment>A field for one key follows: Ctrl + Alt + that key switches the automatic recovery off and on.</extracomment>
        <translation>Genvejstast til at deaktivere/aktivere Quenby: Ctrl + Alt +</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Set by your administrator</source>
        <translation>Angivet af din administrator</translation>
    </message>
    <message>
        <source>Your administrator set Quenby to start automatically for every user of this PC.</source>
        <translation>Din administrator har angivet, at Quenby skal starte automatisk for alle brugere af denne pc.</translation>
    </message>
</context>
<context>
    <name>Quenbytray</name>
    <message>
        <source>Restart Windows</source>
        <comment>104</comment>
        <translation>Genstart Windows</translation>
    </message>
    <message>
        <source>Suspend Windows</source>
        <comment>105</comment>
        <translation>Slumre</translation>
    </message>
    <message>
        <source>Shutdown Windows</source>
        <comment>106</comment>
        <translation>Luk Windows</translation>
    </message>
    <message>
        <source>Clear Clipboard</source>
        <comment>107</comment>
        <translation>Ryd udklipsholderen</translation>
    </message>
    <message>
        <source>Free-up RAM Manually
</source>
        <comment>108</comment>
        <extracomment>A menu item that frees up RAM now; the line end stays.</extracomment>
        <translation>Frigør RAM manuelt
</translation>
    </message>
    <message>
        <source>Configuration...</source>
        <comment>110</comment>
        <translation>Indstillinger...</translation>
    </message>
    <message>
        <source>Disable RAM Optimizer</source>
        <comment>111</comment>
        <translation>Deaktiver RAM-optimering</translation>
    </message>
    <message>
        <source>Enable RAM Optimizer</source>
        <comment>112</comment>
        <translation>Aktivér RAM-optimering</translation>
    </message>
    <message>
        <source>Close RAM Optimizer</source>
        <comment>113</comment>
        <extracomment>Ends the tray engine: its icon and the automatic recovery go away.</extracomment>
        <translation>Afslut RAM-optimering</translation>
    </message>
    <message>
        <source>Do you want to restart your computer now?</source>
        <comment>114</comment>
        <translation>Vil du genstarte computeren nu?</translation>
    </message>
    <message>
        <source>Do you want to suspend your computer now?</source>
        <comment>115</comment>
        <translation>Vil du sætte computeren i slumretilstand nu?</translation>
    </message>
    <message>
        <source>Do you want to shutdown your computer now?</source>
        <comment>116</comment>
        <translation>Vil du lukke computeren nu?</translation>
    </message>
    <message>
        <source>Confirm</source>
        <comment>117</comment>
        <extracomment>The title of the box that asks before a restart, a sleep or a shutdown.</extracomment>
        <translation>Bekræft</translation>
    </message>
    <message>
        <source>RAM Optimizer
</source>
        <comment>118</comment>
        <extracomment>The first line of the tray icon&apos;s tooltip; the line end stays.</extracomment>
        <translation>RAM-optimering
</translation>
    </message>
    <message>
        <source>Free RAM: %1 MB (%2%)
</source>
        <comment>119</comment>
        <extracomment>The second line of the tooltip. %1: megabytes of free RAM; %2: that as a share of all RAM in percent, the % after it being the percent sign. The line end stays.</extracomment>
        <translation>Ledig RAM: %1 MB (%2 %)
</translation>
    </message>
    <message>
        <source>CPU Usage: %1%</source>
        <comment>121</comment>
        <extracomment>The third line of the tooltip. %1: the processor load in percent; the % after it is the percent sign.</extracomment>
        <translation>CPU-forbrug: %1 %</translation>
    </message>
    <message>
        <source>CreateProcess failed (%1).</source>
        <comment>122</comment>
        <extracomment>%1: Windows&apos; error number when the control panel could not be started.</extracomment>
        <translation>CreateProcess mislykkedes (%1).</translation>
    </message>
    <message>
        <source>Error</source>
        <comment>123</comment>
        <extracomment>The title of a box that says something failed.</extracomment>
        <translation>Fejl</translation>
    </message>
    <message>
        <source>RAM Optimizer</source>
        <comment>124</comment>
        <extracomment>The title of the notices the tray icon shows.</extracomment>
        <translation>RAM-optimering</translation>
    </message>
    <message>
        <source>Recovered %1 MB, %2 MB free now</source>
        <comment>125</comment>
        <extracomment>A notice after a recovery. %1: the megabytes recovered; %2: the megabytes free now.</extracomment>
        <translation>%1 MB frigjort, nu er %2 MB ledig</translation>
    </message>
    <message>
        <source>No RAM could be recovered</source>
        <comment>126</comment>
        <translation>Der kunne ikke frigøres RAM</translation>
    </message>
    <message>
        <source>Windows could not be restarted (error %1). %2</source>
        <comment>127</comment>
        <extracomment>%1: Windows&apos; error number; %2: Windows&apos; own description of the error, a sentence or empty.</extracomment>
        <translation>Windows kunne ikke genstartes (fejl %1). %2</translation>
    </message>
    <message>
        <source>Windows could not be suspended (error %1). %2</source>
        <comment>128</comment>
        <extracomment>%1: Windows&apos; error number; %2: Windows&apos; own description of the error, a sentence or empty.</extracomment>
        <translation>Computeren kunne ikke sættes i slumretilstand (fejl %1). %2</translation>
    </message>
    <message>
        <source>Windows could not be shut down (error %1). %2</source>
        <comment>129</comment>
        <extracomment>%1: Windows&apos; error number; %2: Windows&apos; own description of the error, a sentence or empty.</extracomment>
        <translation>Windows kunne ikke lukkes (fejl %1). %2</translation>
    </message>
    <message>
        <source>Hot key not available</source>
        <comment>132</comment>
        <translation>Genvejstasten er ikke tilgængelig</translation>
    </message>
    <message>
        <source>The hot key Ctrl+Alt+%1 could not be registered: another program uses it.</source>
        <comment>133</comment>
        <extracomment>%1: the character of the hot key, such as K.</extracomment>
        <translation>Genvejstasten Ctrl+Alt+%1 kunne ikke registreres: Et andet program bruger den.</translation>
    </message>
    <message>
        <source>The hot key Ctrl+Alt+%1 was not registered: on your keyboard layout it types “%2”.</source>
        <comment>134</comment>
        <extracomment>%1: the character of the hot key; %2: the character the key combination types on the user&apos;s keyboard layout.</extracomment>
        <translation>Genvejstasten Ctrl+Alt+%1 blev ikke registreret: Med dit tastaturlayout skriver tasten »%2«.</translation>
    </message>
    <message>
        <source>The hot key Ctrl+Alt+%1 was not registered: your keyboard layout has no such key.</source>
        <comment>135</comment>
        <extracomment>%1: the character of the hot key.</extracomment>
        <translation>Genvejstasten Ctrl+Alt+%1 blev ikke registreret: Dit tastaturlayout har ingen sådan tast.</translation>
    </message>
    <message>
        <source>This computer uses Modern Standby, which only Windows itself can start: to let it sleep, press its power button or choose Power &gt; Sleep in the Start menu.</source>
        <comment>137</comment>
        <translation>Denne computer bruger Modern Standby, som kun Windows selv kan starte: Tryk på computerens afbryderknap, eller vælg Tænd/sluk &gt; Slumre i menuen Start for at sætte den i slumretilstand.</translation>
    </message>
    <message>
        <source>This computer may not be able to sleep, and Windows may hibernate it instead. Do you want to go on?</source>
        <comment>138</comment>
        <translation>Denne computer kan muligvis ikke gå i slumretilstand, og Windows sætter den måske i dvale i stedet. Vil du fortsætte?</translation>
    </message>
</context>
<context>
    <name>Setup</name>
    <message>
        <source>Quenby is still running and could not be closed.</source>
        <comment>STILL_RUNNING_DETAIL</comment>
        <translation>Quenby kører stadig og kunne ikke afsluttes.</translation>
    </message>
    <message>
        <source>Quenby is still running and could not be closed.

Close it (tray menu: Close RAM Optimizer; and the control panel&apos;s window), then choose Retry.</source>
        <comment>STILL_RUNNING_BOX</comment>
        <translation>Quenby kører stadig og kunne ikke afsluttes.

Afslut Quenby (i menuen i meddelelsesområdet: Afslut RAM-optimering), luk betjeningspanelets vindue, og vælg derefter Prøv igen.</translation>
    </message>
    <message>
        <source>Quenby is still running; nothing was changed.</source>
        <comment>STILL_RUNNING_ABORT</comment>
        <translation>Quenby kører stadig. Intet blev ændret.</translation>
    </message>
    <message>
        <source>Quenby&apos;s setup or uninstaller is already running.</source>
        <comment>ALREADY_RUNNING</comment>
        <translation>Installations- eller afinstallationsprogrammet til Quenby kører allerede.</translation>
    </message>
    <message>
        <source>Closing Quenby if it runs...</source>
        <comment>CLOSING</comment>
        <translation>Afslutter Quenby, hvis det kører...</translation>
    </message>
    <message>
        <source>Quenby control panel: RAM and CPU figures and the options</source>
        <comment>PANEL_LINK_DESCRIPTION</comment>
        <translation>Quenbys betjeningspanel: tal for RAM og CPU samt indstillingerne</translation>
    </message>
    <message>
        <source>Quenby tray engine</source>
        <comment>ENGINE_LINK_NAME</comment>
        <extracomment>The name of the Start-menu shortcut to the tray engine.</extracomment>
        <translation>Quenby i meddelelsesområdet</translation>
    </message>
    <message>
        <source>Start Quenby&apos;s tray engine, which recovers RAM</source>
        <comment>ENGINE_LINK_DESCRIPTION</comment>
        <translation>Start Quenbys program i meddelelsesområdet, som frigør RAM</translation>
    </message>
    <message>
        <source>Quenby (required)</source>
        <comment>SECTION_PROGRAM</comment>
        <translation>Quenby (påkrævet)</translation>
    </message>
    <message>
        <source>Start with Windows</source>
        <comment>SECTION_AUTOSTART</comment>
        <translation>Start med Windows</translation>
    </message>
    <message>
        <source>Starting the tray engine again...</source>
        <comment>RESTARTING_ENGINE</comment>
        <translation>Starter programmet i meddelelsesområdet igen...</translation>
    </message>
    <message>
        <source>The tray engine, the control panel, the command-line client quenbyctl and Start-menu shortcuts.</source>
        <comment>SECTION_PROGRAM_DESCRIPTION</comment>
        <translation>Programmet i meddelelsesområdet, betjeningspanelet, kommandolinjeklienten quenbyctl og genveje i menuen Start.</translation>
    </message>
    <message>
        <source>Start the tray engine when you sign in to Windows.</source>
        <comment>SECTION_AUTOSTART_DESCRIPTION</comment>
        <translation>Start programmet i meddelelsesområdet, når du logger på Windows.</translation>
    </message>
    <message>
        <source>Unknown value /AUTOSTART=%1: use /AUTOSTART=1 or /AUTOSTART=0.</source>
        <comment>BAD_AUTOSTART</comment>
        <extracomment>$1 (%1 for translators): the value given after /AUTOSTART= on the command line.</extracomment>
        <translation>Ukendt værdi /AUTOSTART=%1: Brug /AUTOSTART=1 eller /AUTOSTART=0.</translation>
    </message>
    <message>
        <source>Open the Quenby control panel</source>
        <comment>FINISH_RUN</comment>
        <translation>Åbn Quenbys betjeningspanel</translation>
    </message>
    <message>
        <source>Installing or removing Quenby for all users of this computer needs administrator rights. Run it again as an administrator.</source>
        <comment>NEEDS_ADMINISTRATOR</comment>
        <translation>Du skal have administratorrettigheder for at installere eller fjerne Quenby for alle brugere af denne computer. Kør programmet igen som administrator.</translation>
    </message>
    <message>
        <source>Quenby has been installed for all users of this computer.

Setup did not start it. Open it from the Start menu. If Start with Windows was selected, it starts for each user when they sign in.</source>
        <comment>FINISH_MACHINE_TEXT</comment>
        <translation>Quenby er installeret for alle brugere af denne computer.

Installationsprogrammet har ikke startet Quenby. Åbn det fra menuen Start. Hvis »Start med Windows« blev valgt, starter det for hver bruger, når vedkommende logger på.</translation>
    </message>
    <message>
        <source>The previous version is still running in another user&apos;s session and keeps running there until it is closed. Its files are removed when you restart the computer.</source>
        <comment>FINISH_SET_ASIDE</comment>
        <translation>Den tidligere version kører stadig i en anden brugers session og fortsætter med at køre der, indtil den afsluttes. Dens filer fjernes, når du genstarter computeren.</translation>
    </message>
    <message>
        <source>%1 is in use in another user&apos;s session and was renamed to %2.</source>
        <comment>SET_ASIDE_DETAIL</comment>
        <extracomment>%1: the full path of a file of the previous version; %2: the name it was renamed to.</extracomment>
        <translation>%1 bruges i en anden brugers session og blev omdøbt til %2.</translation>
    </message>
    <message>
        <source>Some of Quenby&apos;s files are in use in another user&apos;s session. They will be removed when you restart the computer.</source>
        <comment>UNINSTALL_IN_USE</comment>
        <translation>Nogle af Quenbys filer bruges i en anden brugers session. De fjernes, når du genstarter computeren.</translation>
    </message>
</context>
<context>
    <name>Policies</name>
    <message>
        <source>Quenby %1 on Windows 10 and Windows 11</source>
        <extracomment>%1: Quenby&apos;s version number, as in 1.4.2.</extracomment>
        <translation>Quenby %1 på Windows 10 og Windows 11</translation>
    </message>
    <message>
        <source>Target free RAM (MB)</source>
        <translation>Mål for ledig RAM (MB)</translation>
    </message>
    <message>
        <source>Sets &quot;%1&quot; of Quenby.</source>
        <extracomment>%1: the policy&apos;s name, as the line above the explanation shows it.</extracomment>
        <translation>Angiver »%1« for Quenby.</translation>
    </message>
    <message>
        <source>three quarters of the installed RAM in MB</source>
        <translation>tre fjerdedele af den installerede RAM i MB</translation>
    </message>
    <message>
        <source>From %1 to %2.</source>
        <extracomment>The range a policy accepts. %1 and %2: numbers, or texts such as “the installed RAM in MB divided by 4”.</extracomment>
        <translation>Fra %1 til %2.</translation>
    </message>
    <message>
        <source>the installed RAM in MB divided by %1</source>
        <extracomment>A bound of a range, or a default. %1: a number such as 4.</extracomment>
        <translation>den installerede RAM i MB divideret med %1</translation>
    </message>
    <message>
        <source>Without a policy: %1, unless the user chose otherwise.</source>
        <extracomment>%1: the default value, a number or a text such as “the installed RAM in MB divided by 4”.</extracomment>
        <translation>Uden en politik: %1, medmindre brugeren har valgt andet.</translation>
    </message>
    <message>
        <source>A computer policy wins over a user policy, and both over the user&apos;s own choice, which the control panel then shows as &quot;Set by your administrator&quot;. When the policy is not configured, the user&apos;s own choice applies.</source>
        <translation>En computerpolitik har forrang for en brugerpolitik, og begge har forrang for brugerens eget valg, som betjeningspanelet så viser som »Angivet af din administrator«. Når politikken ikke er konfigureret, gælder brugerens eget valg.</translation>
    </message>
    <message>
        <source>Minimum free RAM (MB)</source>
        <translation>Minimum for ledig RAM (MB)</translation>
    </message>
    <message>
        <source>Free up RAM on startup</source>
        <translation>Frigør RAM ved opstart</translation>
    </message>
    <message>
        <source>Enabled: on (1). Disabled: off (0).</source>
        <translation>Aktiveret: til (1). Deaktiveret: fra (0).</translation>
    </message>
    <message>
        <source>RAM to free on startup (MB)</source>
        <translation>RAM, der skal frigøres ved opstart (MB)</translation>
    </message>
    <message>
        <source>Delay of the startup recovery (seconds)</source>
        <translation>Ventetid før frigørelsen ved opstart (sekunder)</translation>
    </message>
    <message>
        <source>RAM to free periodically (MB)</source>
        <translation>RAM, der skal frigøres regelmæssigt (MB)</translation>
    </message>
    <message>
        <source>Free up RAM every (minutes, 0 for never)</source>
        <translation>Frigør RAM med dette interval (minutter, 0 for aldrig)</translation>
    </message>
    <message>
        <source>Free RAM percentage shown with the periodic recovery</source>
        <translation>Procent ledig RAM, der hører til den regelmæssige frigørelse</translation>
    </message>
    <message>
        <source>Disable CPU usage detection</source>
        <translation>Deaktiver registrering af CPU-forbrug</translation>
    </message>
    <message>
        <source>Tray icon text color</source>
        <translation>Tekstfarve for ikonet i meddelelsesområdet</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Sort</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Hvid</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>Joins the entries of a list: %1 is the list so far, %2 the next entry. Use the language&apos;s list separator.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Automatisk</translation>
    </message>
    <message>
        <source>One of: %1.</source>
        <extracomment>%1: the values a policy accepts, each its number and its name, as in “0 Black, 1 White, 2 Auto”.</extracomment>
        <translation>En af: %1.</translation>
    </message>
    <message>
        <source>Tray icon shows</source>
        <translation>Ikonet i meddelelsesområdet viser</translation>
    </message>
    <message>
        <source>Percentage of CPU Usage</source>
        <translation>CPU-forbrug i procent</translation>
    </message>
    <message>
        <source>Percentage of Free RAM</source>
        <translation>Ledig RAM i procent</translation>
    </message>
    <message>
        <source>First recovery amount of the tray menu (MB)</source>
        <translation>Første mængde RAM at frigøre i menuen i meddelelsesområdet (MB)</translation>
    </message>
    <message>
        <source>Second recovery amount of the tray menu (MB)</source>
        <translation>Anden mængde RAM at frigøre i menuen i meddelelsesområdet (MB)</translation>
    </message>
    <message>
        <source>Third recovery amount of the tray menu (MB)</source>
        <translation>Tredje mængde RAM at frigøre i menuen i meddelelsesområdet (MB)</translation>
    </message>
    <message>
        <source>Also clear the clipboard when freeing up RAM</source>
        <translation>Ryd også udklipsholderen, når der frigøres RAM</translation>
    </message>
    <message>
        <source>Play alarm sound before freeing up RAM</source>
        <translation>Afspil en alarmlyd, før der frigøres RAM</translation>
    </message>
    <message>
        <source>Alarm sound file</source>
        <translation>Fil med alarmlyd</translation>
    </message>
    <message>
        <source>A full path, at most %1 characters.</source>
        <extracomment>%1: a number of characters, such as 259.</extracomment>
        <translation>En fuld sti på højst %1 tegn.</translation>
    </message>
    <message>
        <source>Free up RAM hot key (Ctrl + Alt + the key of this code)</source>
        <translation>Genvejstast til at frigøre RAM (Ctrl + Alt + tasten med denne kode)</translation>
    </message>
    <message>
        <source>Disable/enable hot key (Ctrl + Alt + the key of this code)</source>
        <translation>Genvejstast til at deaktivere/aktivere (Ctrl + Alt + tasten med denne kode)</translation>
    </message>
    <message>
        <source>Show how much RAM was recovered</source>
        <translation>Vis, hvor meget RAM der blev frigjort</translation>
    </message>
    <message>
        <source>Pause automatic recovery while it cannot help</source>
        <translation>Sæt automatisk frigørelse på pause, så længe den ikke kan hjælpe</translation>
    </message>
    <message>
        <source>Pause automatic recovery while a full-screen program runs</source>
        <translation>Sæt automatisk frigørelse på pause, så længe et program kører i fuld skærm</translation>
    </message>
    <message>
        <source>Pause automatic recovery while one of these programs runs</source>
        <translation>Sæt automatisk frigørelse på pause, så længe et af disse programmer kører</translation>
    </message>
    <message>
        <source>Program file names separated by semicolons, such as game.exe;obs64.exe, at most %1 characters.</source>
        <extracomment>Keep the example file names as they are. %1: a number of characters, such as 1023.</extracomment>
        <translation>Programfilnavne adskilt af semikolon, f.eks. game.exe;obs64.exe, på højst %1 tegn.</translation>
    </message>
    <message>
        <source>Start Quenby automatically at Windows startup</source>
        <translation>Start Quenby automatisk, når Windows starter</translation>
    </message>
    <message>
        <source>Enabled: the tray engine starts when the user signs in to Windows. Disabled: it does not. The engine brings the user&apos;s start-up entry in line when it starts.</source>
        <translation>Aktiveret: Programmet i meddelelsesområdet starter, når brugeren logger på Windows. Deaktiveret: Det starter ikke. Programmet tilpasser brugerens opstartspost til politikken, når det starter.</translation>
    </message>
    <message>
        <source>Settings of the Quenby RAM optimizer</source>
        <translation>Indstillinger for Quenbys RAM-optimering</translation>
    </message>
</context>
</TS>
