<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation>O aplikaci</translation>
    </message>
    <message>
        <source>Copyright © Quenby. All rights reserved.</source>
        <translation>Copyright © Quenby. Všechna práva vyhrazena.</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Closes this About box.</extracomment>
        <translation>Zavřít</translation>
    </message>
    <message>
        <source>Website:</source>
        <translation>Web:</translation>
    </message>
    <message>
        <source>Version: %1.%2.%3 (Beta)</source>
        <extracomment>%1, %2 and %3: the parts of the version number, as in 1.4.2.</extracomment>
        <translation>Verze: %1.%2.%3 (beta)</translation>
    </message>
    <message>
        <source>for Windows %1</source>
        <extracomment>%1: the Windows version the panel runs on, 10 or 11.</extracomment>
        <translation>pro Windows %1</translation>
    </message>
</context>
<context>
    <name>GraphForm</name>
    <message>
        <source>Usage graph of the free RAM</source>
        <translation>Graf volné paměti RAM</translation>
    </message>
    <message>
        <source>%1% of RAM free</source>
        <extracomment>Read by screen readers for the usage graph. %1: the free share of the RAM in percent; the % after it is the percent sign.</extracomment>
        <translation>Volná paměť RAM: %1 %</translation>
    </message>
</context>
<context>
    <name>HistoryPage</name>
    <message>
        <source>Low free RAM</source>
        <comment>what started a recovery</comment>
        <translation>Málo volné paměti RAM</translation>
    </message>
    <message>
        <source>Every few minutes</source>
        <comment>what started a recovery: the periodic rule</comment>
        <translation>Každých několik minut</translation>
    </message>
    <message>
        <source>Startup</source>
        <comment>what started a recovery: the recovery after Quenby starts</comment>
        <translation>Spuštění</translation>
    </message>
    <message>
        <source>Tray menu</source>
        <comment>what started a recovery</comment>
        <translation>Nabídka v oznamovací oblasti</translation>
    </message>
    <message>
        <source>Hot key</source>
        <comment>what started a recovery</comment>
        <translation>Klávesová zkratka</translation>
    </message>
    <message>
        <source>Request</source>
        <comment>what started a recovery: another program (the command line) asked</comment>
        <translation>Požadavek</translation>
    </message>
    <message>
        <source>Ran</source>
        <translation>Provedeno</translation>
    </message>
    <message>
        <source>Did not run: the processor was busy</source>
        <translation>Neprovedeno: procesor byl vytížený</translation>
    </message>
    <message>
        <source>Did not run: another user&apos;s recovery was running</source>
        <translation>Neprovedeno: probíhalo uvolňování jiného uživatele</translation>
    </message>
    <message>
        <source>Did not run: a full-screen program was running</source>
        <translation>Neprovedeno: běžel program na celou obrazovku</translation>
    </message>
    <message>
        <source>Did not run: a protected program was running</source>
        <translation>Neprovedeno: běžel chráněný program</translation>
    </message>
    <message>
        <source>Did not run: paused after a recovery that could not help</source>
        <translation>Neprovedeno: pozastaveno po uvolnění, které nepomohlo</translation>
    </message>
    <message>
        <source>Did not run: more than three quarters of the RAM was free</source>
        <translation>Neprovedeno: více než tři čtvrtiny paměti RAM byly volné</translation>
    </message>
    <message>
        <source>No recovery yet.</source>
        <translation>Zatím neproběhlo žádné uvolnění.</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Čas</translation>
    </message>
    <message>
        <source>Started by</source>
        <translation>Spouštěč</translation>
    </message>
    <message>
        <source>What happened</source>
        <translation>Výsledek</translation>
    </message>
    <message>
        <source>Before (MB)</source>
        <comment>column: free RAM before the recovery, in megabytes</comment>
        <translation>Před (MB)</translation>
    </message>
    <message>
        <source>After (MB)</source>
        <comment>column: free RAM after the recovery, in megabytes</comment>
        <translation>Po (MB)</translation>
    </message>
    <message>
        <source>Used (MB)</source>
        <comment>column: the megabytes the recovery allocated and released</comment>
        <translation>Použito (MB)</translation>
    </message>
    <message>
        <source>Seconds</source>
        <comment>column: how long the recovery took</comment>
        <translation>Sekundy</translation>
    </message>
    <message>
        <source>Free RAM before the recovery</source>
        <translation>Volná paměť RAM před uvolněním</translation>
    </message>
    <message>
        <source>Free RAM after the recovery</source>
        <translation>Volná paměť RAM po uvolnění</translation>
    </message>
    <message>
        <source>The RAM the recovery took for a moment and gave back</source>
        <translation>Paměť RAM, kterou uvolňování na chvíli zabralo a pak vrátilo</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Total RAM: n/a</source>
        <translation>Celková paměť RAM: nezjištěno</translation>
    </message>
    <message>
        <source>Available RAM: n/a</source>
        <translation>Paměť RAM k dispozici: nezjištěno</translation>
    </message>
    <message>
        <source>CPU Usage: n/a</source>
        <translation>Využití procesoru: nezjištěno</translation>
    </message>
    <message>
        <source>Free-up RAM</source>
        <extracomment>The title of the group with the two sliders that set the free-RAM levels.</extracomment>
        <translation>Uvolnit paměť RAM</translation>
    </message>
    <message>
        <source>Target Free RAM:</source>
        <translation>Cílová volná paměť RAM:</translation>
    </message>
    <message>
        <source>Minimum Free RAM:</source>
        <translation>Minimální volná paměť RAM:</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O aplikaci</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Možnosti</translation>
    </message>
    <message>
        <source>Save</source>
        <extracomment>Stores the two free-RAM levels set with the sliders.</extracomment>
        <translation>Uložit</translation>
    </message>
    <message>
        <source>Enable RAM Optimizer</source>
        <translation>Povolit optimalizátor RAM</translation>
    </message>
    <message>
        <source>Disable</source>
        <extracomment>Switches the automatic recovery off; the button then reads “Enable RAM Optimizer”.</extracomment>
        <translation>Zakázat</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Ends the tray engine (the RAM optimizer itself), not only this window.</extracomment>
        <translation>Ukončit</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>Soubor neexistuje.</translation>
    </message>
    <message>
        <source>You are not allowed to run this file.</source>
        <translation>Nemáte oprávnění spustit tento soubor.</translation>
    </message>
    <message>
        <source>The file is not a program that can be run.</source>
        <translation>Soubor není spustitelný program.</translation>
    </message>
    <message>
        <source>There is not enough memory to start it.</source>
        <translation>Pro spuštění není dostatek paměti.</translation>
    </message>
    <message>
        <source>The system refused to start it (error %1).</source>
        <extracomment>Why the tray engine could not be started. %1: Windows&apos; error number.</extracomment>
        <translation>Systém spuštění odmítl (chyba %1).</translation>
    </message>
    <message>
        <source>The RAM optimizer could not be started from %1.</source>
        <extracomment>%1: the full path of the tray engine&apos;s program file; a sentence saying why follows on the next line.</extracomment>
        <translation>Optimalizátor RAM se nepodařilo spustit z umístění %1.</translation>
    </message>
    <message>
        <source>Total RAM: %1MB</source>
        <extracomment>%1: megabytes of RAM installed, a whole number.</extracomment>
        <translation>Celková paměť RAM: %1 MB</translation>
    </message>
    <message>
        <source>Available RAM: %1MB (%2%)</source>
        <extracomment>%1: megabytes of RAM available now; %2: that as a share of all RAM, in percent (the % after it is the percent sign).</extracomment>
        <translation>Paměť RAM k dispozici: %1 MB (%2 %)</translation>
    </message>
    <message>
        <source>CPU Usages: %1%</source>
        <extracomment>%1: the processor load of the last second in percent; the % after it is the percent sign.</extracomment>
        <translation>Využití procesoru: %1 %</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <extracomment>%1: megabytes, the value the slider beside it is set to.</extracomment>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>Target free RAM, %1 MB</source>
        <extracomment>Read by screen readers for the slider. %1: the megabytes it is set to.</extracomment>
        <translation>Cílová volná paměť RAM, %1 MB</translation>
    </message>
    <message>
        <source>Minimum free RAM, %1 MB</source>
        <extracomment>Read by screen readers for the slider. %1: the megabytes it is set to.</extracomment>
        <translation>Minimální volná paměť RAM, %1 MB</translation>
    </message>
    <message>
        <source>Save the target and minimum free RAM</source>
        <translation>Uložit cílovou a minimální volnou paměť RAM</translation>
    </message>
    <message>
        <source>Open the options</source>
        <translation>Otevřít možnosti</translation>
    </message>
    <message>
        <source>Enable the RAM optimizer</source>
        <translation>Povolit optimalizátor RAM</translation>
    </message>
    <message>
        <source>Disable the RAM optimizer</source>
        <translation>Zakázat optimalizátor RAM</translation>
    </message>
    <message>
        <source>Close the RAM optimizer</source>
        <translation>Ukončit optimalizátor RAM</translation>
    </message>
    <message>
        <source>About Quenby</source>
        <translation>O aplikaci Quenby</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Ctrl+Alt+%1 can&apos;t be a hot key: your keyboard layout has no key for “%1”.</source>
        <extracomment>%1: the character the user typed as the hot key, such as K.</extracomment>
        <translation>Ctrl+Alt+%1 nemůže být klávesovou zkratkou: vaše rozložení klávesnice nemá klávesu pro „%1“.</translation>
    </message>
    <message>
        <source>Ctrl+Alt+%1 can&apos;t be a hot key: on your keyboard layout it types “%2”, which every program would then lose.</source>
        <extracomment>%1: the character the user typed as the hot key; %2: the character that key combination types on the user&apos;s keyboard layout (as AltGr would).</extracomment>
        <translation>Ctrl+Alt+%1 nemůže být klávesovou zkratkou: ve vašem rozložení klávesnice píše znak „%2“, který by pak nešel napsat v žádném programu.</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Možnosti</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Obecné</translation>
    </message>
    <message>
        <source>Start Quenby automatically at Windows startup</source>
        <translation>Automaticky spouštět Quenby při spuštění systému Windows</translation>
    </message>
    <message>
        <source>Free-up RAM on startup after</source>
        <extracomment>Start of a sentence the dialog puts together: this check box, a number of seconds, then “seconds”: “Free-up RAM on startup after [60] seconds”.</extracomment>
        <translation>Uvolnit paměť RAM při spuštění po</translation>
    </message>
    <message>
        <source>MB of RAM on startup after</source>
        <extracomment>A hidden part of the start-up sentence, after a number of megabytes.</extracomment>
        <translation>MB paměti RAM při spuštění po</translation>
    </message>
    <message>
        <source>seconds</source>
        <extracomment>End of the sentence “Free-up RAM on startup after [60] seconds”.</extracomment>
        <translation>sekundách</translation>
    </message>
    <message>
        <source>Free-up RAM every</source>
        <extracomment>Start of a sentence the dialog puts together: “Free-up RAM every [4] minutes if free RAM below [50] %”.</extracomment>
        <translation>Uvolňovat paměť RAM každých</translation>
    </message>
    <message>
        <source>MB every</source>
        <extracomment>A hidden part of the periodic sentence, after a number of megabytes.</extracomment>
        <translation>MB každých</translation>
    </message>
    <message>
        <source>minutes if free RAM below</source>
        <extracomment>Middle of the sentence “Free-up RAM every [4] minutes if free RAM below [50] %”: between two numbers.</extracomment>
        <translation>minut, pokud je volná paměť RAM pod</translation>
    </message>
    <message>
        <source>Pause automatic recovery while it cannot help</source>
        <translation>Pozastavit automatické uvolňování, když nepomáhá</translation>
    </message>
    <message>
        <source>Pause automatic recovery while a full-screen program runs</source>
        <translation>Pozastavit automatické uvolňování, když běží program na celou obrazovku</translation>
    </message>
    <message>
        <source>CPU usage:</source>
        <extracomment>Beside a bar that shows the processor load.</extracomment>
        <translation>Využití procesoru:</translation>
    </message>
    <message>
        <source>Disable CPU usage detection</source>
        <translation>Zakázat sledování využití procesoru</translation>
    </message>
    <message>
        <source>Enable the CPU usage detection to prevent Quenby recovering RAM when your CPU is busy. Please note that CPU cooling and few other programs use special method that cause the CPU usage always stay at 100% level. When you have this kind of situation, disable the CPU usage detection to allow Quenby recovering RAM at any CPU usage level.</source>
        <translation>Povolte sledování využití procesoru, aby Quenby neuvolňoval paměť RAM, když je procesor vytížený. Programy pro chlazení procesoru a některé další programy používají zvláštní metodu, kvůli které je využití procesoru stále na 100 %. V takovém případě sledování využití procesoru zakažte, aby Quenby mohl uvolňovat paměť RAM při jakémkoli využití procesoru.</translation>
    </message>
    <message>
        <source>Tray Icon</source>
        <translation>Ikona v oznamovací oblasti</translation>
    </message>
    <message>
        <source>Default:</source>
        <extracomment>Beside the picture of the tray icon as it normally looks.</extracomment>
        <translation>Výchozí:</translation>
    </message>
    <message>
        <source>Recovering RAM:</source>
        <extracomment>Beside the picture of the tray icon while it recovers RAM.</extracomment>
        <translation>Při uvolňování paměti RAM:</translation>
    </message>
    <message>
        <source>Tray icon text color</source>
        <translation>Barva textu ikony v oznamovací oblasti</translation>
    </message>
    <message>
        <source>Display</source>
        <extracomment>Start of “Display [Percentage of Free RAM] in tray icon”: a list to choose from follows.</extracomment>
        <translation>Zobrazovat</translation>
    </message>
    <message>
        <source>in tray icon</source>
        <extracomment>End of “Display [Percentage of Free RAM] in tray icon”.</extracomment>
        <translation>v ikoně</translation>
    </message>
    <message>
        <source>Show how much RAM was recovered</source>
        <translation>Zobrazit, kolik paměti RAM bylo uvolněno</translation>
    </message>
    <message>
        <source>Popup Menu</source>
        <translation>Místní nabídka</translation>
    </message>
    <message>
        <source>Recover</source>
        <extracomment>Start of “Recover [512] MB menu”: sets the amount of one entry of the tray icon&apos;s menu.</extracomment>
        <translation>Uvolnit</translation>
    </message>
    <message>
        <source>MB menu</source>
        <extracomment>End of “Recover [512] MB menu”.</extracomment>
        <translation>MB (nabídka)</translation>
    </message>
    <message>
        <source>Others</source>
        <translation>Ostatní</translation>
    </message>
    <message>
        <source>Also clear Windows Clipboard when freeing up RAM</source>
        <translation>Při uvolňování paměti RAM vymazat také schránku systému Windows</translation>
    </message>
    <message>
        <source>Play alarm sound before freeing up RAM</source>
        <translation>Před uvolněním paměti RAM přehrát výstražný zvuk</translation>
    </message>
    <message>
        <source>Free up RAM hot key : Cltr + Alt +</source>
        <translation type="vanished">Klávesová zkratka pro uvolnění paměti RAM: Ctrl + Alt +</translation>
    </message>
    <message>
        <source>Disable/enable Quenby hotkey : Cltr + Alt +</source>
        <translation type="vanished">Klávesová zkratka pro zakázání/povolení Quenby: Ctrl + Alt +</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Uložit</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Storno</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Černá</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Bílá</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Automaticky</translation>
    </message>
    <message>
        <source>Percentage of CPU Usage</source>
        <translation>Využití procesoru v procentech</translation>
    </message>
    <message>
        <source>Percentage of Free RAM</source>
        <translation>Volná paměť RAM v procentech</translation>
    </message>
    <message>
        <source>RAM to free on startup, in MB</source>
        <translation>Paměť RAM k uvolnění při spuštění, v MB</translation>
    </message>
    <message>
        <source>Delay of the startup recovery, in seconds</source>
        <translation>Zpoždění uvolnění při spuštění, v sekundách</translation>
    </message>
    <message>
        <source>RAM to free periodically, in MB</source>
        <translation>Paměť RAM k pravidelnému uvolňování, v MB</translation>
    </message>
    <message>
        <source>Free-up RAM every, in minutes (0 for never)</source>
        <translation>Interval uvolňování paměti RAM, v minutách (0 = nikdy)</translation>
    </message>
    <message>
        <source>Only if free RAM is below, in percent</source>
        <translation>Jen pokud je volná paměť RAM pod touto hodnotou, v procentech</translation>
    </message>
    <message>
        <source>CPU usage</source>
        <translation>Využití procesoru</translation>
    </message>
    <message>
        <source>What the tray icon shows</source>
        <translation>Co zobrazuje ikona v oznamovací oblasti</translation>
    </message>
    <message>
        <source>First recovery amount of the tray menu, in MB</source>
        <translation>První množství k uvolnění v nabídce v oznamovací oblasti, v MB</translation>
    </message>
    <message>
        <source>Second recovery amount of the tray menu, in MB</source>
        <translation>Druhé množství k uvolnění v nabídce v oznamovací oblasti, v MB</translation>
    </message>
    <message>
        <source>Third recovery amount of the tray menu, in MB</source>
        <translation>Třetí množství k uvolnění v nabídce v oznamovací oblasti, v MB</translation>
    </message>
    <message>
        <source>Alarm sound file</source>
        <translation>Soubor výstražného zvuku</translation>
    </message>
    <message>
        <source>Choose the alarm sound file</source>
        <translation>Vybrat soubor výstražného zvuku</translation>
    </message>
    <message>
        <source>Free up RAM hot key: Ctrl + Alt + this key</source>
        <translation>Klávesová zkratka pro uvolnění paměti RAM: Ctrl + Alt + tato klávesa</translation>
    </message>
    <message>
        <source>Disable/enable hot key: Ctrl + Alt + this key</source>
        <translation>Klávesová zkratka pro zakázání/povolení: Ctrl + Alt + tato klávesa</translation>
    </message>
    <message>
        <source>Add Files</source>
        <translation>Přidat soubory</translation>
    </message>
    <message>
        <source>All Files (*.wav)</source>
        <translation>Všechny soubory (*.wav)</translation>
    </message>
    <message>
        <source>Pause automatic recovery while one of these programs runs:</source>
        <translation>Pozastavit automatické uvolňování, když běží některý z těchto programů:</translation>
    </message>
    <message>
        <source>game.exe;obs64.exe</source>
        <extracomment>An example of the list: two program file names separated by a semicolon. Keep the names as they are.</extracomment>
        <translation>game.exe;obs64.exe</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historie</translation>
    </message>
    <message>
        <source>Program file names as Task Manager shows them, separated by semicolons.</source>
        <translation>Názvy souborů programů tak, jak je zobrazuje Správce úloh, oddělené středníky.</translation>
    </message>
    <message>
        <source>Ignored, as they are not program file names: %1</source>
        <comment>followed by the names</comment>
        <translation>Ignorováno, protože nejde o názvy souborů programů: %1</translation>
    </message>
    <message>
        <source>Free up RAM hot key: Ctrl + Alt +</source>
        <extracomment>A field for one key follows: Ctrl + Alt + that key frees up RAM in every program.</extracomment>
        <translation>Klávesová zkratka pro uvolnění paměti RAM: Ctrl + Alt +</translation>
    </message>
    <message>
        <source>Disable/enable Quenby hot key: Ctrl + Alt +</source>
        <extracomment>A field for one key follows: Ctrl + Alt + that key switches the automatic recovery off and on.</extracomment>
        <translation>Klávesová zkratka pro zakázání/povolení Quenby: Ctrl + Alt +</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Set by your administrator</source>
        <translation>Nastaveno správcem</translation>
    </message>
    <message>
        <source>Your administrator set Quenby to start automatically for every user of this PC.</source>
        <translation>Správce nastavil automatické spouštění aplikace Quenby pro všechny uživatele tohoto počítače.</translation>
    </message>
</context>
<context>
    <name>Quenbytray</name>
    <message>
        <source>Restart Windows</source>
        <comment>104</comment>
        <translation>Restartovat systém Windows</translation>
    </message>
    <message>
        <source>Suspend Windows</source>
        <comment>105</comment>
        <translation>Režim spánku</translation>
    </message>
    <message>
        <source>Shutdown Windows</source>
        <comment>106</comment>
        <translation>Vypnout systém Windows</translation>
    </message>
    <message>
        <source>Clear Clipboard</source>
        <comment>107</comment>
        <translation>Vymazat schránku</translation>
    </message>
    <message>
        <source>Free-up RAM Manually
</source>
        <comment>108</comment>
        <extracomment>A menu item that frees up RAM now; the line end stays.</extracomment>
        <translation>Uvolnit paměť RAM ručně
</translation>
    </message>
    <message>
        <source>Configuration...</source>
        <comment>110</comment>
        <translation>Možnosti...</translation>
    </message>
    <message>
        <source>Disable RAM Optimizer</source>
        <comment>111</comment>
        <translation>Zakázat optimalizátor RAM</translation>
    </message>
    <message>
        <source>Enable RAM Optimizer</source>
        <comment>112</comment>
        <translation>Povolit optimalizátor RAM</translation>
    </message>
    <message>
        <source>Close RAM Optimizer</source>
        <comment>113</comment>
        <extracomment>Ends the tray engine: its icon and the automatic recovery go away.</extracomment>
        <translation>Ukončit optimalizátor RAM</translation>
    </message>
    <message>
        <source>Do you want to restart your computer now?</source>
        <comment>114</comment>
        <translation>Chcete nyní restartovat počítač?</translation>
    </message>
    <message>
        <source>Do you want to suspend your computer now?</source>
        <comment>115</comment>
        <translation>Chcete nyní přepnout počítač do režimu spánku?</translation>
    </message>
    <message>
        <source>Do you want to shutdown your computer now?</source>
        <comment>116</comment>
        <translation>Chcete nyní vypnout počítač?</translation>
    </message>
    <message>
        <source>Confirm</source>
        <comment>117</comment>
        <extracomment>The title of the box that asks before a restart, a sleep or a shutdown.</extracomment>
        <translation>Potvrzení</translation>
    </message>
    <message>
        <source>RAM Optimizer
</source>
        <comment>118</comment>
        <extracomment>The first line of the tray icon&apos;s tooltip; the line end stays.</extracomment>
        <translation>Optimalizátor RAM
</translation>
    </message>
    <message>
        <source>Free RAM: %1 MB (%2%)
</source>
        <comment>119</comment>
        <extracomment>The second line of the tooltip. %1: megabytes of free RAM; %2: that as a share of all RAM in percent, the % after it being the percent sign. The line end stays.</extracomment>
        <translation>Volná paměť RAM: %1 MB (%2 %)
</translation>
    </message>
    <message>
        <source>CPU Usage: %1%</source>
        <comment>121</comment>
        <extracomment>The third line of the tooltip. %1: the processor load in percent; the % after it is the percent sign.</extracomment>
        <translation>Využití procesoru: %1 %</translation>
    </message>
    <message>
        <source>CreateProcess failed (%1).</source>
        <comment>122</comment>
        <extracomment>%1: Windows&apos; error number when the control panel could not be started.</extracomment>
        <translation>Volání CreateProcess se nezdařilo (%1).</translation>
    </message>
    <message>
        <source>Error</source>
        <comment>123</comment>
        <extracomment>The title of a box that says something failed.</extracomment>
        <translation>Chyba</translation>
    </message>
    <message>
        <source>RAM Optimizer</source>
        <comment>124</comment>
        <extracomment>The title of the notices the tray icon shows.</extracomment>
        <translation>Optimalizátor RAM</translation>
    </message>
    <message>
        <source>Recovered %1 MB, %2 MB free now</source>
        <comment>125</comment>
        <extracomment>A notice after a recovery. %1: the megabytes recovered; %2: the megabytes free now.</extracomment>
        <translation>Uvolněno %1 MB, nyní volných %2 MB</translation>
    </message>
    <message>
        <source>No RAM could be recovered</source>
        <comment>126</comment>
        <translation>Nepodařilo se uvolnit žádnou paměť RAM</translation>
    </message>
    <message>
        <source>Windows could not be restarted (error %1). %2</source>
        <comment>127</comment>
        <extracomment>%1: Windows&apos; error number; %2: Windows&apos; own description of the error, a sentence or empty.</extracomment>
        <translation>Systém Windows se nepodařilo restartovat (chyba %1). %2</translation>
    </message>
    <message>
        <source>Windows could not be suspended (error %1). %2</source>
        <comment>128</comment>
        <extracomment>%1: Windows&apos; error number; %2: Windows&apos; own description of the error, a sentence or empty.</extracomment>
        <translation>Počítač se nepodařilo přepnout do režimu spánku (chyba %1). %2</translation>
    </message>
    <message>
        <source>Windows could not be shut down (error %1). %2</source>
        <comment>129</comment>
        <extracomment>%1: Windows&apos; error number; %2: Windows&apos; own description of the error, a sentence or empty.</extracomment>
        <translation>Systém Windows se nepodařilo vypnout (chyba %1). %2</translation>
    </message>
    <message>
        <source>Hot key not available</source>
        <comment>132</comment>
        <translation>Klávesová zkratka není dostupná</translation>
    </message>
    <message>
        <source>The hot key Ctrl+Alt+%1 could not be registered: another program uses it.</source>
        <comment>133</comment>
        <extracomment>%1: the character of the hot key, such as K.</extracomment>
        <translation>Klávesovou zkratku Ctrl+Alt+%1 nelze zaregistrovat: používá ji jiný program.</translation>
    </message>
    <message>
        <source>The hot key Ctrl+Alt+%1 was not registered: on your keyboard layout it types “%2”.</source>
        <comment>134</comment>
        <extracomment>%1: the character of the hot key; %2: the character the key combination types on the user&apos;s keyboard layout.</extracomment>
        <translation>Klávesová zkratka Ctrl+Alt+%1 nebyla zaregistrována: ve vašem rozložení klávesnice píše znak „%2“.</translation>
    </message>
    <message>
        <source>The hot key Ctrl+Alt+%1 was not registered: your keyboard layout has no such key.</source>
        <comment>135</comment>
        <extracomment>%1: the character of the hot key.</extracomment>
        <translation>Klávesová zkratka Ctrl+Alt+%1 nebyla zaregistrována: vaše rozložení klávesnice takovou klávesu nemá.</translation>
    </message>
    <message>
        <source>This computer uses Modern Standby, which only Windows itself can start: to let it sleep, press its power button or choose Power &gt; Sleep in the Start menu.</source>
        <comment>137</comment>
        <translation>Tento počítač používá Modern Standby, který může spustit jen samotný systém Windows: chcete-li ho přepnout do režimu spánku, stiskněte jeho tlačítko napájení nebo v nabídce Start zvolte Napájení &gt; Režim spánku.</translation>
    </message>
    <message>
        <source>This computer may not be able to sleep, and Windows may hibernate it instead. Do you want to go on?</source>
        <comment>138</comment>
        <translation>Tento počítač možná nepůjde přepnout do režimu spánku a systém Windows ho místo toho může přepnout do režimu hibernace. Chcete pokračovat?</translation>
    </message>
</context>
<context>
    <name>Setup</name>
    <message>
        <source>Quenby is still running and could not be closed.</source>
        <comment>STILL_RUNNING_DETAIL</comment>
        <translation>Quenby stále běží a nepodařilo se ho ukončit.</translation>
    </message>
    <message>
        <source>Quenby is still running and could not be closed.

Close it (tray menu: Close RAM Optimizer; and the control panel&apos;s window), then choose Retry.</source>
        <comment>STILL_RUNNING_BOX</comment>
        <translation>Quenby stále běží a nepodařilo se ho ukončit.

Ukončete ho (v nabídce v oznamovací oblasti: Ukončit optimalizátor RAM; a zavřete okno řídicího panelu) a potom zvolte Opakovat.</translation>
    </message>
    <message>
        <source>Quenby is still running; nothing was changed.</source>
        <comment>STILL_RUNNING_ABORT</comment>
        <translation>Quenby stále běží; nic nebylo změněno.</translation>
    </message>
    <message>
        <source>Quenby&apos;s setup or uninstaller is already running.</source>
        <comment>ALREADY_RUNNING</comment>
        <translation>Instalační nebo odinstalační program Quenby už běží.</translation>
    </message>
    <message>
        <source>Closing Quenby if it runs...</source>
        <comment>CLOSING</comment>
        <translation>Ukončování aplikace Quenby, pokud běží...</translation>
    </message>
    <message>
        <source>Quenby control panel: RAM and CPU figures and the options</source>
        <comment>PANEL_LINK_DESCRIPTION</comment>
        <translation>Řídicí panel Quenby: údaje o paměti RAM a procesoru a možnosti</translation>
    </message>
    <message>
        <source>Quenby tray engine</source>
        <comment>ENGINE_LINK_NAME</comment>
        <extracomment>The name of the Start-menu shortcut to the tray engine.</extracomment>
        <translation>Quenby v oznamovací oblasti</translation>
    </message>
    <message>
        <source>Start Quenby&apos;s tray engine, which recovers RAM</source>
        <comment>ENGINE_LINK_DESCRIPTION</comment>
        <translation>Spustit modul Quenby v oznamovací oblasti, který uvolňuje paměť RAM</translation>
    </message>
    <message>
        <source>Quenby (required)</source>
        <comment>SECTION_PROGRAM</comment>
        <translation>Quenby (povinné)</translation>
    </message>
    <message>
        <source>Start with Windows</source>
        <comment>SECTION_AUTOSTART</comment>
        <translation>Spouštět se systémem Windows</translation>
    </message>
    <message>
        <source>Starting the tray engine again...</source>
        <comment>RESTARTING_ENGINE</comment>
        <translation>Znovu se spouští modul v oznamovací oblasti...</translation>
    </message>
    <message>
        <source>The tray engine, the control panel, the command-line client quenbyctl and Start-menu shortcuts.</source>
        <comment>SECTION_PROGRAM_DESCRIPTION</comment>
        <translation>Modul v oznamovací oblasti, řídicí panel, klient příkazového řádku quenbyctl a zástupci v nabídce Start.</translation>
    </message>
    <message>
        <source>Start the tray engine when you sign in to Windows.</source>
        <comment>SECTION_AUTOSTART_DESCRIPTION</comment>
        <translation>Spouštět modul v oznamovací oblasti při přihlášení do systému Windows.</translation>
    </message>
    <message>
        <source>Unknown value /AUTOSTART=%1: use /AUTOSTART=1 or /AUTOSTART=0.</source>
        <comment>BAD_AUTOSTART</comment>
        <extracomment>$1 (%1 for translators): the value given after /AUTOSTART= on the command line.</extracomment>
        <translation>Neznámá hodnota /AUTOSTART=%1: použijte /AUTOSTART=1 nebo /AUTOSTART=0.</translation>
    </message>
    <message>
        <source>Open the Quenby control panel</source>
        <comment>FINISH_RUN</comment>
        <translation>Otevřít řídicí panel Quenby</translation>
    </message>
    <message>
        <source>Installing or removing Quenby for all users of this computer needs administrator rights. Run it again as an administrator.</source>
        <comment>NEEDS_ADMINISTRATOR</comment>
        <translation>Instalace nebo odebrání aplikace Quenby pro všechny uživatele tohoto počítače vyžaduje oprávnění správce. Spusťte program znovu jako správce.</translation>
    </message>
    <message>
        <source>Quenby has been installed for all users of this computer.

Setup did not start it. Open it from the Start menu. If Start with Windows was selected, it starts for each user when they sign in.</source>
        <comment>FINISH_MACHINE_TEXT</comment>
        <translation>Aplikace Quenby byla nainstalována pro všechny uživatele tohoto počítače.

Instalační program ji nespustil. Otevřete ji z nabídky Start. Pokud byla vybrána možnost Spouštět se systémem Windows, spustí se každému uživateli, jakmile se přihlásí.</translation>
    </message>
    <message>
        <source>The previous version is still running in another user&apos;s session and keeps running there until it is closed. Its files are removed when you restart the computer.</source>
        <comment>FINISH_SET_ASIDE</comment>
        <translation>Předchozí verze stále běží v relaci jiného uživatele a poběží tam, dokud nebude ukončena. Její soubory budou odebrány při restartování počítače.</translation>
    </message>
    <message>
        <source>%1 is in use in another user&apos;s session and was renamed to %2.</source>
        <comment>SET_ASIDE_DETAIL</comment>
        <extracomment>%1: the full path of a file of the previous version; %2: the name it was renamed to.</extracomment>
        <translation>Soubor %1 se používá v relaci jiného uživatele a byl přejmenován na %2.</translation>
    </message>
    <message>
        <source>Some of Quenby&apos;s files are in use in another user&apos;s session. They will be removed when you restart the computer.</source>
        <comment>UNINSTALL_IN_USE</comment>
        <translation>Některé soubory aplikace Quenby se používají v relaci jiného uživatele. Budou odebrány při restartování počítače.</translation>
    </message>
</context>
<context>
    <name>Policies</name>
    <message>
        <source>Quenby %1 on Windows 10 and Windows 11</source>
        <extracomment>%1: Quenby&apos;s version number, as in 1.4.2.</extracomment>
        <translation>Quenby %1 v systémech Windows 10 a Windows 11</translation>
    </message>
    <message>
        <source>Target free RAM (MB)</source>
        <translation>Cílová volná paměť RAM (MB)</translation>
    </message>
    <message>
        <source>Sets &quot;%1&quot; of Quenby.</source>
        <extracomment>%1: the policy&apos;s name, as the line above the explanation shows it.</extracomment>
        <translation>Nastaví hodnotu „%1“ aplikace Quenby.</translation>
    </message>
    <message>
        <source>three quarters of the installed RAM in MB</source>
        <translation>tři čtvrtiny nainstalované paměti RAM v MB</translation>
    </message>
    <message>
        <source>From %1 to %2.</source>
        <extracomment>The range a policy accepts. %1 and %2: numbers, or texts such as “the installed RAM in MB divided by 4”.</extracomment>
        <translation>Rozsah: %1 až %2.</translation>
    </message>
    <message>
        <source>the installed RAM in MB divided by %1</source>
        <extracomment>A bound of a range, or a default. %1: a number such as 4.</extracomment>
        <translation>nainstalovaná paměť RAM v MB dělená %1</translation>
    </message>
    <message>
        <source>Without a policy: %1, unless the user chose otherwise.</source>
        <extracomment>%1: the default value, a number or a text such as “the installed RAM in MB divided by 4”.</extracomment>
        <translation>Bez zásady: %1, pokud uživatel nezvolil jinak.</translation>
    </message>
    <message>
        <source>A computer policy wins over a user policy, and both over the user&apos;s own choice, which the control panel then shows as &quot;Set by your administrator&quot;. When the policy is not configured, the user&apos;s own choice applies.</source>
        <translation>Zásada počítače má přednost před zásadou uživatele a obě mají přednost před vlastní volbou uživatele, kterou pak řídicí panel zobrazuje jako „Nastaveno správcem“. Pokud zásada není nakonfigurována, platí vlastní volba uživatele.</translation>
    </message>
    <message>
        <source>Minimum free RAM (MB)</source>
        <translation>Minimální volná paměť RAM (MB)</translation>
    </message>
    <message>
        <source>Free up RAM on startup</source>
        <translation>Uvolnit paměť RAM při spuštění</translation>
    </message>
    <message>
        <source>Enabled: on (1). Disabled: off (0).</source>
        <translation>Povoleno: zapnuto (1). Zakázáno: vypnuto (0).</translation>
    </message>
    <message>
        <source>RAM to free on startup (MB)</source>
        <translation>Paměť RAM k uvolnění při spuštění (MB)</translation>
    </message>
    <message>
        <source>Delay of the startup recovery (seconds)</source>
        <translation>Zpoždění uvolnění při spuštění (sekundy)</translation>
    </message>
    <message>
        <source>RAM to free periodically (MB)</source>
        <translation>Paměť RAM k pravidelnému uvolňování (MB)</translation>
    </message>
    <message>
        <source>Free up RAM every (minutes, 0 for never)</source>
        <translation>Interval uvolňování paměti RAM (minuty, 0 = nikdy)</translation>
    </message>
    <message>
        <source>Free RAM percentage shown with the periodic recovery</source>
        <translation>Procento volné paměti RAM u pravidelného uvolňování</translation>
    </message>
    <message>
        <source>Disable CPU usage detection</source>
        <translation>Zakázat sledování využití procesoru</translation>
    </message>
    <message>
        <source>Tray icon text color</source>
        <translation>Barva textu ikony v oznamovací oblasti</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Černá</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Bílá</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>Joins the entries of a list: %1 is the list so far, %2 the next entry. Use the language&apos;s list separator.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Automaticky</translation>
    </message>
    <message>
        <source>One of: %1.</source>
        <extracomment>%1: the values a policy accepts, each its number and its name, as in “0 Black, 1 White, 2 Auto”.</extracomment>
        <translation>Jedna z hodnot: %1.</translation>
    </message>
    <message>
        <source>Tray icon shows</source>
        <translation>Ikona v oznamovací oblasti zobrazuje</translation>
    </message>
    <message>
        <source>Percentage of CPU Usage</source>
        <translation>Využití procesoru v procentech</translation>
    </message>
    <message>
        <source>Percentage of Free RAM</source>
        <translation>Volná paměť RAM v procentech</translation>
    </message>
    <message>
        <source>First recovery amount of the tray menu (MB)</source>
        <translation>První množství k uvolnění v nabídce v oznamovací oblasti (MB)</translation>
    </message>
    <message>
        <source>Second recovery amount of the tray menu (MB)</source>
        <translation>Druhé množství k uvolnění v nabídce v oznamovací oblasti (MB)</translation>
    </message>
    <message>
        <source>Third recovery amount of the tray menu (MB)</source>
        <translation>Třetí množství k uvolnění v nabídce v oznamovací oblasti (MB)</translation>
    </message>
    <message>
        <source>Also clear the clipboard when freeing up RAM</source>
        <translation>Při uvolňování paměti RAM vymazat také schránku</translation>
    </message>
    <message>
        <source>Play alarm sound before freeing up RAM</source>
        <translation>Před uvolněním paměti RAM přehrát výstražný zvuk</translation>
    </message>
    <message>
        <source>Alarm sound file</source>
        <translation>Soubor výstražného zvuku</translation>
    </message>
    <message>
        <source>A full path, at most %1 characters.</source>
        <extracomment>%1: a number of characters, such as 259.</extracomment>
        <translation>Úplná cesta, nejvýše %1 znaků.</translation>
    </message>
    <message>
        <source>Free up RAM hot key (Ctrl + Alt + the key of this code)</source>
        <translation>Klávesová zkratka pro uvolnění paměti RAM (Ctrl + Alt + klávesa s tímto kódem)</translation>
    </message>
    <message>
        <source>Disable/enable hot key (Ctrl + Alt + the key of this code)</source>
        <translation>Klávesová zkratka pro zakázání/povolení (Ctrl + Alt + klávesa s tímto kódem)</translation>
    </message>
    <message>
        <source>Show how much RAM was recovered</source>
        <translation>Zobrazit, kolik paměti RAM bylo uvolněno</translation>
    </message>
    <message>
        <source>Pause automatic recovery while it cannot help</source>
        <translation>Pozastavit automatické uvolňování, když nepomáhá</translation>
    </message>
    <message>
        <source>Pause automatic recovery while a full-screen program runs</source>
        <translation>Pozastavit automatické uvolňování, když běží program na celou obrazovku</translation>
    </message>
    <message>
        <source>Pause automatic recovery while one of these programs runs</source>
        <translation>Pozastavit automatické uvolňování, když běží některý z těchto programů</translation>
    </message>
    <message>
        <source>Program file names separated by semicolons, such as game.exe;obs64.exe, at most %1 characters.</source>
        <extracomment>Keep the example file names as they are. %1: a number of characters, such as 1023.</extracomment>
        <translation>Názvy souborů programů oddělené středníky, například game.exe;obs64.exe, nejvýše %1 znaků.</translation>
    </message>
    <message>
        <source>Start Quenby automatically at Windows startup</source>
        <translation>Automaticky spouštět Quenby při spuštění systému Windows</translation>
    </message>
    <message>
        <source>Enabled: the tray engine starts when the user signs in to Windows. Disabled: it does not. The engine brings the user&apos;s start-up entry in line when it starts.</source>
        <translation>Povoleno: modul v oznamovací oblasti se spustí, když se uživatel přihlásí do systému Windows. Zakázáno: nespustí se. Modul při svém spuštění uvede položku spouštění daného uživatele do souladu se zásadou.</translation>
    </message>
    <message>
        <source>Settings of the Quenby RAM optimizer</source>
        <translation>Nastavení optimalizátoru RAM Quenby</translation>
    </message>
</context>
</TS>
