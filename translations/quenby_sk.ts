<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sk">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation>O aplikácii</translation>
    </message>
    <message>
        <source>Copyright © Quenby. All rights reserved.</source>
        <translation>Copyright © Quenby. Všetky práva vyhradené.</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Closes this About box.</extracomment>
        <translation>Zavrieť</translation>
    </message>
    <message>
        <source>Website:</source>
        <translation>Web:</translation>
    </message>
    <message>
        <source>Version: %1.%2.%3 (Beta)</source>
        <extracomment>%1, %2 and %3: the parts of the version number, as in 1.4.2.</extracomment>
        <translation>Verzia: %1.%2.%3 (beta)</translation>
    </message>
    <message>
        <source>for Windows %1</source>
        <extracomment>%1: the Windows version the panel runs on, 10 or 11.</extracomment>
        <translation>pre Windows %1</translation>
    </message>
</context>
<context>
    <name>GraphForm</name>
    <message>
        <source>Usage graph of the free RAM</source>
        <translation>Graf voľnej pamäte RAM</translation>
    </message>
    <message>
        <source>%1% of RAM free</source>
        <extracomment>Read by screen readers for the usage graph. %1: the free share of the RAM in percent; the % after it is the percent sign.</extracomment>
        <translation>Voľná pamäť RAM: %1 %</translation>
    </message>
</context>
<context>
    <name>HistoryPage</name>
    <message>
        <source>Low free RAM</source>
        <comment>what started a recovery</comment>
        <translation>Málo voľnej pamäte RAM</translation>
    </message>
    <message>
        <source>Every few minutes</source>
        <comment>what started a recovery: the periodic rule</comment>
        <translation>Každých pár minút</translation>
    </message>
    <message>
        <source>Startup</source>
        <comment>what started a recovery: the recovery after Quenby starts</comment>
        <translation>Spustenie</translation>
    </message>
    <message>
        <source>Tray menu</source>
        <comment>what started a recovery</comment>
        <translation>Ponuka v oblasti oznámení</translation>
    </message>
    <message>
        <source>Hot key</source>
        <comment>what started a recovery</comment>
        <translation>Klávesová skratka</translation>
    </message>
    <message>
        <source>Request</source>
        <comment>what started a recovery: another program (the command line) asked</comment>
        <translation>Požiadavka iného programu</translation>
    </message>
    <message>
        <source>Ran</source>
        <translation>Prebehlo</translation>
    </message>
    <message>
        <source>Did not run: the processor was busy</source>
        <translation>Neprebehlo: procesor bol vyťažený</translation>
    </message>
    <message>
        <source>Did not run: another user&apos;s recovery was running</source>
        <translation>Neprebehlo: prebiehalo uvoľňovanie pamäte RAM iného používateľa</translation>
    </message>
    <message>
        <source>Did not run: a full-screen program was running</source>
        <translation>Neprebehlo: bol spustený program na celú obrazovku</translation>
    </message>
    <message>
        <source>Did not run: a protected program was running</source>
        <translation>Neprebehlo: bol spustený jeden z uvedených programov</translation>
    </message>
    <message>
        <source>Did not run: paused after a recovery that could not help</source>
        <translation>Neprebehlo: pozastavené po uvoľnení, ktoré nepomohlo</translation>
    </message>
    <message>
        <source>Did not run: more than three quarters of the RAM was free</source>
        <translation>Neprebehlo: voľné boli viac ako tri štvrtiny pamäte RAM</translation>
    </message>
    <message>
        <source>No recovery yet.</source>
        <translation>Zatiaľ neprebehlo žiadne uvoľnenie.</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Kedy</translation>
    </message>
    <message>
        <source>Started by</source>
        <translation>Podnet</translation>
    </message>
    <message>
        <source>What happened</source>
        <translation>Výsledok</translation>
    </message>
    <message>
        <source>Before (MB)</source>
        <comment>column: free RAM before the recovery, in megabytes</comment>
        <translation>Pred (MB)</translation>
    </message>
    <message>
        <source>After (MB)</source>
        <comment>column: free RAM after the recovery, in megabytes</comment>
        <translation>Po (MB)</translation>
    </message>
    <message>
        <source>Used (MB)</source>
        <comment>column: the megabytes the recovery allocated and released</comment>
        <translation>Použité (MB)</translation>
    </message>
    <message>
        <source>Seconds</source>
        <comment>column: how long the recovery took</comment>
        <translation>Sekundy</translation>
    </message>
    <message>
        <source>Free RAM before the recovery</source>
        <translation>Voľná pamäť RAM pred uvoľnením</translation>
    </message>
    <message>
        <source>Free RAM after the recovery</source>
        <translation>Voľná pamäť RAM po uvoľnení</translation>
    </message>
    <message>
        <source>The RAM the recovery took for a moment and gave back</source>
        <translation>Pamäť RAM, ktorú uvoľňovanie na chvíľu zabralo a potom vrátilo</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Total RAM: n/a</source>
        <translation>Celková pamäť RAM: nezistené</translation>
    </message>
    <message>
        <source>Available RAM: n/a</source>
        <translation>Pamäť RAM k dispozícii: nezistené</translation>
    </message>
    <message>
        <source>CPU Usage: n/a</source>
        <translation>Využitie procesora: nezistené</translation>
    </message>
    <message>
        <source>Free-up RAM</source>
        <extracomment>The title of the group with the two sliders that set the free-RAM levels.</extracomment>
        <translation>Uvoľniť pamäť RAM</translation>
    </message>
    <message>
        <source>Target Free RAM:</source>
        <translation>Cieľová voľná pamäť RAM:</translation>
    </message>
    <message>
        <source>Minimum Free RAM:</source>
        <translation>Minimálna voľná pamäť RAM:</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O aplikácii</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Možnosti</translation>
    </message>
    <message>
        <source>Save</source>
        <extracomment>Stores the two free-RAM levels set with the sliders.</extracomment>
        <translation>Uložiť</translation>
    </message>
    <message>
        <source>Enable RAM Optimizer</source>
        <translation>Povoliť optimalizátor RAM</translation>
    </message>
    <message>
        <source>Disable</source>
        <extracomment>Switches the automatic recovery off; the button then reads “Enable RAM Optimizer”.</extracomment>
        <translation>Zakázať</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Ends the tray engine (the RAM optimizer itself), not only this window.</extracomment>
        <translation>Ukončiť</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>Súbor neexistuje.</translation>
    </message>
    <message>
        <source>You are not allowed to run this file.</source>
        <translation>Nemáte povolenie spustiť tento súbor.</translation>
    </message>
    <message>
        <source>The file is not a program that can be run.</source>
        <translation>Súbor nie je spustiteľný program.</translation>
    </message>
    <message>
        <source>There is not enough memory to start it.</source>
        <translation>Na spustenie nie je dostatok pamäte.</translation>
    </message>
    <message>
        <source>The system refused to start it (error %1).</source>
        <extracomment>Why the tray engine could not be started. %1: Windows&apos; error number.</extracomment>
        <translation>Systém spustenie odmietol (chyba %1).</translation>
    </message>
    <message>
        <source>The RAM optimizer could not be started from %1.</source>
        <extracomment>%1: the full path of the tray engine&apos;s program file; a sentence saying why follows on the next line.</extracomment>
        <translation>Optimalizátor RAM sa nepodarilo spustiť z umiestnenia %1.</translation>
    </message>
    <message>
        <source>Total RAM: %1MB</source>
        <extracomment>%1: megabytes of RAM installed, a whole number.</extracomment>
        <translation>Celková pamäť RAM: %1 MB</translation>
    </message>
    <message>
        <source>Available RAM: %1MB (%2%)</source>
        <extracomment>%1: megabytes of RAM available now; %2: that as a share of all RAM, in percent (the % after it is the percent sign).</extracomment>
        <translation>Pamäť RAM k dispozícii: %1 MB (%2 %)</translation>
    </message>
    <message>
        <source>CPU Usages: %1%</source>
        <extracomment>%1: the processor load of the last second in percent; the % after it is the percent sign.</extracomment>
        <translation>Využitie procesora: %1 %</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <extracomment>%1: megabytes, the value the slider beside it is set to.</extracomment>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>Target free RAM, %1 MB</source>
        <extracomment>Read by screen readers for the slider. %1: the megabytes it is set to.</extracomment>
        <translation>Cieľová voľná pamäť RAM, %1 MB</translation>
    </message>
    <message>
        <source>Minimum free RAM, %1 MB</source>
        <extracomment>Read by screen readers for the slider. %1: the megabytes it is set to.</extracomment>
        <translation>Minimálna voľná pamäť RAM, %1 MB</translation>
    </message>
    <message>
        <source>Save the target and minimum free RAM</source>
        <translation>Uložiť cieľovú a minimálnu voľnú pamäť RAM</translation>
    </message>
    <message>
        <source>Open the options</source>
        <translation>Otvoriť možnosti</translation>
    </message>
    <message>
        <source>Enable the RAM optimizer</source>
        <translation>Povoliť optimalizátor RAM</translation>
    </message>
    <message>
        <source>Disable the RAM optimizer</source>
        <translation>Zakázať optimalizátor RAM</translation>
    </message>
    <message>
        <source>Close the RAM optimizer</source>
        <translation>Ukončiť optimalizátor RAM</translation>
    </message>
    <message>
        <source>About Quenby</source>
        <translation>O aplikácii Quenby</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Ctrl+Alt+%1 can&apos;t be a hot key: your keyboard layout has no key for “%1”.</source>
        <extracomment>%1: the character the user typed as the hot key, such as K.</extracomment>
        <translation>Ctrl+Alt+%1 nemôže byť klávesovou skratkou: vaše rozloženie klávesnice nemá kláves pre „%1“.</translation>
    </message>
    <message>
        <source>Ctrl+Alt+%1 can&apos;t be a hot key: on your keyboard layout it types “%2”, which every program would then lose.</source>
        <extracomment>%1: the character the user typed as the hot key; %2: the character that key combination types on the user&apos;s keyboard layout (as AltGr would).</extracomment>
        <translation>Ctrl+Alt+%1 nemôže byť klávesovou skratkou: vo vašom rozložení klávesnice píše znak „%2“, ktorý by sa potom nedal napísať v žiadnom programe.</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Možnosti</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Všeobecné</translation>
    </message>
    <message>
        <source>Start Quenby automatically at Windows startup</source>
        <translation>Automaticky spúšťať Quenby pri spustení systému Windows</translation>
    </message>
    <message>
        <source>Free-up RAM on startup after</source>
        <extracomment>Start of a sentence the dialog puts together: this check box, a number of seconds, then “seconds”: “Free-up RAM on startup after [60] seconds”.</extracomment>
        <translation>Uvoľniť pamäť RAM pri spustení po</translation>
    </message>
    <message>
        <source>MB of RAM on startup after</source>
        <extracomment>A hidden part of the start-up sentence, after a number of megabytes.</extracomment>
        <translation>MB pamäte RAM pri spustení po</translation>
    </message>
    <message>
        <source>seconds</source>
        <extracomment>End of the sentence “Free-up RAM on startup after [60] seconds”.</extracomment>
        <translation>sekundách</translation>
    </message>
    <message>
        <source>Free-up RAM every</source>
        <extracomment>Start of a sentence the dialog puts together: “Free-up RAM every [4] minutes if free RAM below [50] %”.</extracomment>
        <translation>Uvoľňovať pamäť RAM každých</translation>
    </message>
    <message>
        <source>MB every</source>
        <extracomment>A hidden part of the periodic sentence, after a number of megabytes.</extracomment>
        <translation>MB každých</translation>
    </message>
    <message>
        <source>minutes if free RAM below</source>
        <extracomment>Middle of the sentence “Free-up RAM every [4] minutes if free RAM below [50] %”: between two numbers.</extracomment>
        <translation>minút, ak je voľná pamäť RAM pod</translation>
    </message>
    <message>
        <source>Pause automatic recovery while it cannot help</source>
        <translation>Pozastaviť automatické uvoľňovanie, keď nepomáha</translation>
    </message>
    <message>
        <source>Pause automatic recovery while a full-screen program runs</source>
        <translation>Pozastaviť automatické uvoľňovanie, keď je spustený program na celú obrazovku</translation>
    </message>
    <message>
        <source>CPU usage:</source>
        <extracomment>Beside a bar that shows the processor load.</extracomment>
        <translation>Využitie procesora:</translation>
    </message>
    <message>
        <source>Disable CPU usage detection</source>
        <translation>Zakázať sledovanie využitia procesora</translation>
    </message>
    <message>
        <source>Enable the CPU usage detection to prevent Quenby recovering RAM when your CPU is busy. Please note that CPU cooling and few other programs use special method that cause the CPU usage always stay at 100% level. When you have this kind of situation, disable the CPU usage detection to allow Quenby recovering RAM at any CPU usage level.</source>
        <translation>Povoľte sledovanie využitia procesora, aby Quenby neuvoľňoval pamäť RAM, keď je procesor vyťažený. Programy na chladenie procesora a niektoré ďalšie programy používajú osobitnú metódu, pre ktorú je využitie procesora stále na 100 %. V takom prípade sledovanie využitia procesora zakážte, aby Quenby mohol uvoľňovať pamäť RAM pri akomkoľvek využití procesora.</translation>
    </message>
    <message>
        <source>Tray Icon</source>
        <translation>Ikona v oblasti oznámení</translation>
    </message>
    <message>
        <source>Default:</source>
        <extracomment>Beside the picture of the tray icon as it normally looks.</extracomment>
        <translation>Predvolená:</translation>
    </message>
    <message>
        <source>Recovering RAM:</source>
        <extracomment>Beside the picture of the tray icon while it recovers RAM.</extracomment>
        <translation>Pri uvoľňovaní pamäte RAM:</translation>
    </message>
    <message>
        <source>Tray icon text color</source>
        <translation>Farba textu ikony v oblasti oznámení</translation>
    </message>
    <message>
        <source>Display</source>
        <extracomment>Start of “Display [Percentage of Free RAM] in tray icon”: a list to choose from follows.</extracomment>
        <translation>Zobrazovať</translation>
    </message>
    <message>
        <source>in tray icon</source>
        <extracomment>End of “Display [Percentage of Free RAM] in tray icon”.</extracomment>
        <translation>v ikone</translation>
    </message>
    <message>
        <source>Show how much RAM was recovered</source>
        <translation>Zobraziť, koľko pamäte RAM sa uvoľnilo</translation>
    </message>
    <message>
        <source>Popup Menu</source>
        <translation>Kontextová ponuka</translation>
    </message>
    <message>
        <source>Recover</source>
        <extracomment>Start of “Recover [512] MB menu”: sets the amount of one entry of the tray icon&apos;s menu.</extracomment>
        <translation>Uvoľniť</translation>
    </message>
    <message>
        <source>MB menu</source>
        <extracomment>End of “Recover [512] MB menu”.</extracomment>
        <translation>MB (ponuka)</translation>
    </message>
    <message>
        <source>Others</source>
        <translation>Ostatné</translation>
    </message>
    <message>
        <source>Also clear Windows Clipboard when freeing up RAM</source>
        <translation>Pri uvoľňovaní pamäte RAM vymazať aj schránku systému Windows</translation>
    </message>
    <message>
        <source>Play alarm sound before freeing up RAM</source>
        <translation>Pred uvoľnením pamäte RAM prehrať výstražný zvuk</translation>
    </message>
    <message>
        <source>Free up RAM hot key : Cltr + Alt +</source>
        <translation type="vanished">Klávesová skratka na uvoľnenie pamäte RAM: Ctrl + Alt +</translation>
    </message>
    <message>
        <source>Disable/enable Quenby hotkey : Cltr + Alt +</source>
        <translation type="vanished">Klávesová skratka na zakázanie/povolenie Quenby: Ctrl + Alt +</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Uložiť</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušiť</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Čierna</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Biela</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Automaticky</translation>
    </message>
    <message>
        <source>Percentage of CPU Usage</source>
        <translation>Využitie procesora v percentách</translation>
    </message>
    <message>
        <source>Percentage of Free RAM</source>
        <translation>Voľná pamäť RAM v percentách</translation>
    </message>
    <message>
        <source>RAM to free on startup, in MB</source>
        <translation>Pamäť RAM na uvoľnenie pri spustení, v MB</translation>
    </message>
    <message>
        <source>Delay of the startup recovery, in seconds</source>
        <translation>Oneskorenie uvoľnenia pri spustení, v sekundách</translation>
    </message>
    <message>
        <source>RAM to free periodically, in MB</source>
        <translation>Pamäť RAM na pravidelné uvoľňovanie, v MB</translation>
    </message>
    <message>
        <source>Free-up RAM every, in minutes (0 for never)</source>
        <translation>Interval uvoľňovania pamäte RAM, v minútach (0 = nikdy)</translation>
    </message>
    <message>
        <source>Only if free RAM is below, in percent</source>
        <translation>Len ak je voľná pamäť RAM pod touto hodnotou, v percentách</translation>
    </message>
    <message>
        <source>CPU usage</source>
        <translation>Využitie procesora</translation>
    </message>
    <message>
        <source>What the tray icon shows</source>
        <translation>Čo zobrazuje ikona v oblasti oznámení</translation>
    </message>
    <message>
        <source>First recovery amount of the tray menu, in MB</source>
        <translation>Prvé množstvo na uvoľnenie v ponuke v oblasti oznámení, v MB</translation>
    </message>
    <message>
        <source>Second recovery amount of the tray menu, in MB</source>
        <translation>Druhé množstvo na uvoľnenie v ponuke v oblasti oznámení, v MB</translation>
    </message>
    <message>
        <source>Third recovery amount of the tray menu, in MB</source>
        <translation>Tretie množstvo na uvoľnenie v ponuke v oblasti oznámení, v MB</translation>
    </message>
    <message>
        <source>Alarm sound file</source>
        <translation>Súbor výstražného zvuku</translation>
    </message>
    <message>
        <source>Choose the alarm sound file</source>
        <translation>Vybrať súbor výstražného zvuku</translation>
    </message>
    <message>
        <source>Free up RAM hot key: Ctrl + Alt + this key</source>
        <translation>Klávesová skratka na uvoľnenie pamäte RAM: Ctrl + Alt + tento kláves</translation>
    </message>
    <message>
        <source>Disable/enable hot key: Ctrl + Alt + this key</source>
        <translation>Klávesová skratka na zakázanie/povolenie: Ctrl + Alt + tento kláves</translation>
    </message>
    <message>
        <source>Add Files</source>
        <translation>Pridať súbory</translation>
    </message>
    <message>
        <source>All Files (*.wav)</source>
        <translation>Všetky súbory (*.wav)</translation>
    </message>
    <message>
        <source>Pause automatic recovery while one of these programs runs:</source>
        <translation>Pozastaviť automatické uvoľňovanie, keď je spustený niektorý z týchto programov:</translation>
    </message>
    <message>
        <source>game.exe;obs64.exe</source>
        <extracomment>An example of the list: two program file names separated by a semicolon. Keep the names as they are.</extracomment>
        <translation>game.exe;obs64.exe</translation>
    </message>
    <message>
        <source>History</source>
        <translation>História</translation>
    </message>
    <message>
        <source>Program file names as Task Manager shows them, separated by semicolons.</source>
        <translation>Názvy súborov programov, ako ich zobrazuje Správca úloh, oddelené bodkočiarkami.</translation>
    </message>
    <message>
        <source>Ignored, as they are not program file names: %1</source>
        <comment>followed by the names</comment>
        <translation>Ignorované, pretože nie sú názvami súborov programov: %1</translation>
    </message>
    <message>
        <source>Free up RAM hot key: Ctrl + Alt +</source>
        <extracomment>A field for one key follows: Ctrl + Alt + that key frees up RAM in every program.</extracomment>
        <translation>Klávesová skratka na uvoľnenie pamäte RAM: Ctrl + Alt +</translation>
    </message>
    <message>
        <source>Disable/enable Quenby hot key: Ctrl + Alt +</source>
        <extracomment>A field for one key follows: Ctrl + Alt + that key switches the automatic recovery off and on.</extracomment>
        <translation>Klávesová skratka na zakázanie/povolenie Quenby: Ctrl + Alt +</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Set by your administrator</source>
        <translation>Nastavené správcom</translation>
    </message>
    <message>
        <source>Your administrator set Quenby to start automatically for every user of this PC.</source>
        <translation>Správca nastavil automatické spúšťanie aplikácie Quenby pre všetkých používateľov tohto počítača.</translation>
    </message>
</context>
<context>
    <name>Quenbytray</name>
    <message>
        <source>Restart Windows</source>
        <comment>104</comment>
        <translation>Reštartovať systém Windows</translation>
    </message>
    <message>
        <source>Suspend Windows</source>
        <comment>105</comment>
        <translation>Režim spánku</translation>
    </message>
    <message>
        <source>Shutdown Windows</source>
        <comment>106</comment>
        <translation>Vypnúť systém Windows</translation>
    </message>
    <message>
        <source>Clear Clipboard</source>
        <comment>107</comment>
        <translation>Vymazať schránku</translation>
    </message>
    <message>
        <source>Free-up RAM Manually
</source>
        <comment>108</comment>
        <extracomment>A menu item that frees up RAM now; the line end stays.</extracomment>
        <translation>Uvoľniť pamäť RAM manuálne
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
        <translation>Zakázať optimalizátor RAM</translation>
    </message>
    <message>
        <source>Enable RAM Optimizer</source>
        <comment>112</comment>
        <translation>Povoliť optimalizátor RAM</translation>
    </message>
    <message>
        <source>Close RAM Optimizer</source>
        <comment>113</comment>
        <extracomment>Ends the tray engine: its icon and the automatic recovery go away.</extracomment>
        <translation>Ukončiť optimalizátor RAM</translation>
    </message>
    <message>
        <source>Do you want to restart your computer now?</source>
        <comment>114</comment>
        <translation>Chcete teraz reštartovať počítač?</translation>
    </message>
    <message>
        <source>Do you want to suspend your computer now?</source>
        <comment>115</comment>
        <translation>Chcete teraz prepnúť počítač do režimu spánku?</translation>
    </message>
    <message>
        <source>Do you want to shutdown your computer now?</source>
        <comment>116</comment>
        <translation>Chcete teraz vypnúť počítač?</translation>
    </message>
    <message>
        <source>Confirm</source>
        <comment>117</comment>
        <extracomment>The title of the box that asks before a restart, a sleep or a shutdown.</extracomment>
        <translation>Potvrdenie</translation>
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
        <translation>Voľná pamäť RAM: %1 MB (%2 %)
</translation>
    </message>
    <message>
        <source>CPU Usage: %1%</source>
        <comment>121</comment>
        <extracomment>The third line of the tooltip. %1: the processor load in percent; the % after it is the percent sign.</extracomment>
        <translation>Využitie procesora: %1 %</translation>
    </message>
    <message>
        <source>CreateProcess failed (%1).</source>
        <comment>122</comment>
        <extracomment>%1: Windows&apos; error number when the control panel could not be started.</extracomment>
        <translation>Volanie CreateProcess zlyhalo (%1).</translation>
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
        <translation>Uvoľnené %1 MB, teraz voľných %2 MB</translation>
    </message>
    <message>
        <source>No RAM could be recovered</source>
        <comment>126</comment>
        <translation>Nepodarilo sa uvoľniť žiadnu pamäť RAM</translation>
    </message>
    <message>
        <source>Windows could not be restarted (error %1). %2</source>
        <comment>127</comment>
        <extracomment>%1: Windows&apos; error number; %2: Windows&apos; own description of the error, a sentence or empty.</extracomment>
        <translation>Systém Windows sa nepodarilo reštartovať (chyba %1). %2</translation>
    </message>
    <message>
        <source>Windows could not be suspended (error %1). %2</source>
        <comment>128</comment>
        <extracomment>%1: Windows&apos; error number; %2: Windows&apos; own description of the error, a sentence or empty.</extracomment>
        <translation>Počítač sa nepodarilo prepnúť do režimu spánku (chyba %1). %2</translation>
    </message>
    <message>
        <source>Windows could not be shut down (error %1). %2</source>
        <comment>129</comment>
        <extracomment>%1: Windows&apos; error number; %2: Windows&apos; own description of the error, a sentence or empty.</extracomment>
        <translation>Systém Windows sa nepodarilo vypnúť (chyba %1). %2</translation>
    </message>
    <message>
        <source>Hot key not available</source>
        <comment>132</comment>
        <translation>Klávesová skratka nie je dostupná</translation>
    </message>
    <message>
        <source>The hot key Ctrl+Alt+%1 could not be registered: another program uses it.</source>
        <comment>133</comment>
        <extracomment>%1: the character of the hot key, such as K.</extracomment>
        <translation>Klávesovú skratku Ctrl+Alt+%1 nemožno zaregistrovať: používa ju iný program.</translation>
    </message>
    <message>
        <source>The hot key Ctrl+Alt+%1 was not registered: on your keyboard layout it types “%2”.</source>
        <comment>134</comment>
        <extracomment>%1: the character of the hot key; %2: the character the key combination types on the user&apos;s keyboard layout.</extracomment>
        <translation>Klávesová skratka Ctrl+Alt+%1 nebola zaregistrovaná: vo vašom rozložení klávesnice píše znak „%2“.</translation>
    </message>
    <message>
        <source>The hot key Ctrl+Alt+%1 was not registered: your keyboard layout has no such key.</source>
        <comment>135</comment>
        <extracomment>%1: the character of the hot key.</extracomment>
        <translation>Klávesová skratka Ctrl+Alt+%1 nebola zaregistrovaná: vaše rozloženie klávesnice taký kláves nemá.</translation>
    </message>
    <message>
        <source>This computer uses Modern Standby, which only Windows itself can start: to let it sleep, press its power button or choose Power &gt; Sleep in the Start menu.</source>
        <comment>137</comment>
        <translation>Tento počítač používa Modern Standby, ktorý môže spustiť iba samotný systém Windows: ak ho chcete prepnúť do režimu spánku, stlačte jeho tlačidlo napájania alebo v ponuke Štart vyberte Napájanie &gt; Režim spánku.</translation>
    </message>
    <message>
        <source>This computer may not be able to sleep, and Windows may hibernate it instead. Do you want to go on?</source>
        <comment>138</comment>
        <translation>Tento počítač možno nepôjde prepnúť do režimu spánku a systém Windows ho namiesto toho môže prepnúť do režimu dlhodobého spánku (hibernácie). Chcete pokračovať?</translation>
    </message>
</context>
<context>
    <name>Setup</name>
    <message>
        <source>Quenby is still running and could not be closed.</source>
        <comment>STILL_RUNNING_DETAIL</comment>
        <translation>Quenby je stále spustený a nepodarilo sa ho ukončiť.</translation>
    </message>
    <message>
        <source>Quenby is still running and could not be closed.

Close it (tray menu: Close RAM Optimizer; and the control panel&apos;s window), then choose Retry.</source>
        <comment>STILL_RUNNING_BOX</comment>
        <translation>Quenby je stále spustený a nepodarilo sa ho ukončiť.

Ukončite ho (v ponuke v oblasti oznámení: Ukončiť optimalizátor RAM; a zavrite okno riadiaceho panela) a potom vyberte Opakovať.</translation>
    </message>
    <message>
        <source>Quenby is still running; nothing was changed.</source>
        <comment>STILL_RUNNING_ABORT</comment>
        <translation>Quenby je stále spustený; nič sa nezmenilo.</translation>
    </message>
    <message>
        <source>Quenby&apos;s setup or uninstaller is already running.</source>
        <comment>ALREADY_RUNNING</comment>
        <translation>Inštalačný alebo odinštalačný program Quenby je už spustený.</translation>
    </message>
    <message>
        <source>Closing Quenby if it runs...</source>
        <comment>CLOSING</comment>
        <translation>Ukončuje sa Quenby, ak je spustený...</translation>
    </message>
    <message>
        <source>Quenby control panel: RAM and CPU figures and the options</source>
        <comment>PANEL_LINK_DESCRIPTION</comment>
        <translation>Riadiaci panel Quenby: údaje o pamäti RAM a procesore a možnosti</translation>
    </message>
    <message>
        <source>Quenby tray engine</source>
        <comment>ENGINE_LINK_NAME</comment>
        <extracomment>The name of the Start-menu shortcut to the tray engine.</extracomment>
        <translation>Quenby v oblasti oznámení</translation>
    </message>
    <message>
        <source>Start Quenby&apos;s tray engine, which recovers RAM</source>
        <comment>ENGINE_LINK_DESCRIPTION</comment>
        <translation>Spustiť modul Quenby v oblasti oznámení, ktorý uvoľňuje pamäť RAM</translation>
    </message>
    <message>
        <source>Quenby (required)</source>
        <comment>SECTION_PROGRAM</comment>
        <translation>Quenby (povinné)</translation>
    </message>
    <message>
        <source>Start with Windows</source>
        <comment>SECTION_AUTOSTART</comment>
        <translation>Spúšťať so systémom Windows</translation>
    </message>
    <message>
        <source>Starting the tray engine again...</source>
        <comment>RESTARTING_ENGINE</comment>
        <translation>Znova sa spúšťa modul v oblasti oznámení...</translation>
    </message>
    <message>
        <source>The tray engine, the control panel, the command-line client quenbyctl and Start-menu shortcuts.</source>
        <comment>SECTION_PROGRAM_DESCRIPTION</comment>
        <translation>Modul v oblasti oznámení, riadiaci panel, klient príkazového riadka quenbyctl a odkazy v ponuke Štart.</translation>
    </message>
    <message>
        <source>Start the tray engine when you sign in to Windows.</source>
        <comment>SECTION_AUTOSTART_DESCRIPTION</comment>
        <translation>Spúšťať modul v oblasti oznámení pri prihlásení do systému Windows.</translation>
    </message>
    <message>
        <source>Unknown value /AUTOSTART=%1: use /AUTOSTART=1 or /AUTOSTART=0.</source>
        <comment>BAD_AUTOSTART</comment>
        <extracomment>$1 (%1 for translators): the value given after /AUTOSTART= on the command line.</extracomment>
        <translation>Neznáma hodnota /AUTOSTART=%1: použite /AUTOSTART=1 alebo /AUTOSTART=0.</translation>
    </message>
    <message>
        <source>Open the Quenby control panel</source>
        <comment>FINISH_RUN</comment>
        <translation>Otvoriť riadiaci panel Quenby</translation>
    </message>
    <message>
        <source>Installing or removing Quenby for all users of this computer needs administrator rights. Run it again as an administrator.</source>
        <comment>NEEDS_ADMINISTRATOR</comment>
        <translation>Inštalácia alebo odstránenie aplikácie Quenby pre všetkých používateľov tohto počítača vyžaduje oprávnenia správcu. Spustite program znova ako správca.</translation>
    </message>
    <message>
        <source>Quenby has been installed for all users of this computer.

Setup did not start it. Open it from the Start menu. If Start with Windows was selected, it starts for each user when they sign in.</source>
        <comment>FINISH_MACHINE_TEXT</comment>
        <translation>Aplikácia Quenby bola nainštalovaná pre všetkých používateľov tohto počítača.

Inštalačný program ju nespustil. Otvorte ju z ponuky Štart. Ak bola vybratá možnosť Spúšťať so systémom Windows, spustí sa každému používateľovi, keď sa prihlási.</translation>
    </message>
    <message>
        <source>The previous version is still running in another user&apos;s session and keeps running there until it is closed. Its files are removed when you restart the computer.</source>
        <comment>FINISH_SET_ASIDE</comment>
        <translation>Predchádzajúca verzia je stále spustená v relácii iného používateľa a zostane spustená, kým sa neukončí. Jej súbory sa odstránia pri reštartovaní počítača.</translation>
    </message>
    <message>
        <source>%1 is in use in another user&apos;s session and was renamed to %2.</source>
        <comment>SET_ASIDE_DETAIL</comment>
        <extracomment>%1: the full path of a file of the previous version; %2: the name it was renamed to.</extracomment>
        <translation>Súbor %1 sa používa v relácii iného používateľa a bol premenovaný na %2.</translation>
    </message>
    <message>
        <source>Some of Quenby&apos;s files are in use in another user&apos;s session. They will be removed when you restart the computer.</source>
        <comment>UNINSTALL_IN_USE</comment>
        <translation>Niektoré súbory aplikácie Quenby sa používajú v relácii iného používateľa. Odstránia sa pri reštartovaní počítača.</translation>
    </message>
</context>
<context>
    <name>Policies</name>
    <message>
        <source>Quenby %1 on Windows 10 and Windows 11</source>
        <extracomment>%1: Quenby&apos;s version number, as in 1.4.2.</extracomment>
        <translation>Quenby %1 v systémoch Windows 10 a Windows 11</translation>
    </message>
    <message>
        <source>Target free RAM (MB)</source>
        <translation>Cieľová voľná pamäť RAM (MB)</translation>
    </message>
    <message>
        <source>Sets &quot;%1&quot; of Quenby.</source>
        <extracomment>%1: the policy&apos;s name, as the line above the explanation shows it.</extracomment>
        <translation>Nastaví hodnotu „%1“ aplikácie Quenby.</translation>
    </message>
    <message>
        <source>three quarters of the installed RAM in MB</source>
        <translation>tri štvrtiny nainštalovanej pamäte RAM v MB</translation>
    </message>
    <message>
        <source>From %1 to %2.</source>
        <extracomment>The range a policy accepts. %1 and %2: numbers, or texts such as “the installed RAM in MB divided by 4”.</extracomment>
        <translation>Rozsah: %1 až %2.</translation>
    </message>
    <message>
        <source>the installed RAM in MB divided by %1</source>
        <extracomment>A bound of a range, or a default. %1: a number such as 4.</extracomment>
        <translation>nainštalovaná pamäť RAM v MB delená %1</translation>
    </message>
    <message>
        <source>Without a policy: %1, unless the user chose otherwise.</source>
        <extracomment>%1: the default value, a number or a text such as “the installed RAM in MB divided by 4”.</extracomment>
        <translation>Bez politiky: %1, ak používateľ nezvolil inak.</translation>
    </message>
    <message>
        <source>A computer policy wins over a user policy, and both over the user&apos;s own choice, which the control panel then shows as &quot;Set by your administrator&quot;. When the policy is not configured, the user&apos;s own choice applies.</source>
        <translation>Politika počítača má prednosť pred politikou používateľa a obe majú prednosť pred vlastnou voľbou používateľa, ktorú potom riadiaci panel zobrazuje ako „Nastavené správcom“. Ak politika nie je nakonfigurovaná, platí vlastná voľba používateľa.</translation>
    </message>
    <message>
        <source>Minimum free RAM (MB)</source>
        <translation>Minimálna voľná pamäť RAM (MB)</translation>
    </message>
    <message>
        <source>Free up RAM on startup</source>
        <translation>Uvoľniť pamäť RAM pri spustení</translation>
    </message>
    <message>
        <source>Enabled: on (1). Disabled: off (0).</source>
        <translation>Povolené: zapnuté (1). Zakázané: vypnuté (0).</translation>
    </message>
    <message>
        <source>RAM to free on startup (MB)</source>
        <translation>Pamäť RAM na uvoľnenie pri spustení (MB)</translation>
    </message>
    <message>
        <source>Delay of the startup recovery (seconds)</source>
        <translation>Oneskorenie uvoľnenia pri spustení (sekundy)</translation>
    </message>
    <message>
        <source>RAM to free periodically (MB)</source>
        <translation>Pamäť RAM na pravidelné uvoľňovanie (MB)</translation>
    </message>
    <message>
        <source>Free up RAM every (minutes, 0 for never)</source>
        <translation>Interval uvoľňovania pamäte RAM (minúty, 0 = nikdy)</translation>
    </message>
    <message>
        <source>Free RAM percentage shown with the periodic recovery</source>
        <translation>Percento voľnej pamäte RAM pri pravidelnom uvoľňovaní</translation>
    </message>
    <message>
        <source>Disable CPU usage detection</source>
        <translation>Zakázať sledovanie využitia procesora</translation>
    </message>
    <message>
        <source>Tray icon text color</source>
        <translation>Farba textu ikony v oblasti oznámení</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Čierna</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Biela</translation>
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
        <translation>Jedna z hodnôt: %1.</translation>
    </message>
    <message>
        <source>Tray icon shows</source>
        <translation>Ikona v oblasti oznámení zobrazuje</translation>
    </message>
    <message>
        <source>Percentage of CPU Usage</source>
        <translation>Využitie procesora v percentách</translation>
    </message>
    <message>
        <source>Percentage of Free RAM</source>
        <translation>Voľná pamäť RAM v percentách</translation>
    </message>
    <message>
        <source>First recovery amount of the tray menu (MB)</source>
        <translation>Prvé množstvo na uvoľnenie v ponuke v oblasti oznámení (MB)</translation>
    </message>
    <message>
        <source>Second recovery amount of the tray menu (MB)</source>
        <translation>Druhé množstvo na uvoľnenie v ponuke v oblasti oznámení (MB)</translation>
    </message>
    <message>
        <source>Third recovery amount of the tray menu (MB)</source>
        <translation>Tretie množstvo na uvoľnenie v ponuke v oblasti oznámení (MB)</translation>
    </message>
    <message>
        <source>Also clear the clipboard when freeing up RAM</source>
        <translation>Pri uvoľňovaní pamäte RAM vymazať aj schránku</translation>
    </message>
    <message>
        <source>Play alarm sound before freeing up RAM</source>
        <translation>Pred uvoľnením pamäte RAM prehrať výstražný zvuk</translation>
    </message>
    <message>
        <source>Alarm sound file</source>
        <translation>Súbor výstražného zvuku</translation>
    </message>
    <message>
        <source>A full path, at most %1 characters.</source>
        <extracomment>%1: a number of characters, such as 259.</extracomment>
        <translation>Úplná cesta, najviac %1 znakov.</translation>
    </message>
    <message>
        <source>Free up RAM hot key (Ctrl + Alt + the key of this code)</source>
        <translation>Klávesová skratka na uvoľnenie pamäte RAM (Ctrl + Alt + kláves s týmto kódom)</translation>
    </message>
    <message>
        <source>Disable/enable hot key (Ctrl + Alt + the key of this code)</source>
        <translation>Klávesová skratka na zakázanie/povolenie (Ctrl + Alt + kláves s týmto kódom)</translation>
    </message>
    <message>
        <source>Show how much RAM was recovered</source>
        <translation>Zobraziť, koľko pamäte RAM sa uvoľnilo</translation>
    </message>
    <message>
        <source>Pause automatic recovery while it cannot help</source>
        <translation>Pozastaviť automatické uvoľňovanie, keď nepomáha</translation>
    </message>
    <message>
        <source>Pause automatic recovery while a full-screen program runs</source>
        <translation>Pozastaviť automatické uvoľňovanie, keď je spustený program na celú obrazovku</translation>
    </message>
    <message>
        <source>Pause automatic recovery while one of these programs runs</source>
        <translation>Pozastaviť automatické uvoľňovanie, keď je spustený niektorý z týchto programov</translation>
    </message>
    <message>
        <source>Program file names separated by semicolons, such as game.exe;obs64.exe, at most %1 characters.</source>
        <extracomment>Keep the example file names as they are. %1: a number of characters, such as 1023.</extracomment>
        <translation>Názvy súborov programov oddelené bodkočiarkami, napríklad game.exe;obs64.exe, najviac %1 znakov.</translation>
    </message>
    <message>
        <source>Start Quenby automatically at Windows startup</source>
        <translation>Automaticky spúšťať Quenby pri spustení systému Windows</translation>
    </message>
    <message>
        <source>Enabled: the tray engine starts when the user signs in to Windows. Disabled: it does not. The engine brings the user&apos;s start-up entry in line when it starts.</source>
        <translation>Povolené: modul v oblasti oznámení sa spustí, keď sa používateľ prihlási do systému Windows. Zakázané: nespustí sa. Modul pri svojom spustení uvedie položku spúšťania daného používateľa do súladu s politikou.</translation>
    </message>
    <message>
        <source>Settings of the Quenby RAM optimizer</source>
        <translation>Nastavenia optimalizátora RAM Quenby</translation>
    </message>
</context>
</TS>
