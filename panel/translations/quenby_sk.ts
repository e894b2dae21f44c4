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
        <translation>Zavrieť</translation>
    </message>
    <message>
        <source>Website:</source>
        <translation>Web:</translation>
    </message>
    <message>
        <source>Version: %1.%2.%3 (Beta)</source>
        <translation>Verzia: %1.%2.%3 (beta)</translation>
    </message>
    <message>
        <source>for Windows %1</source>
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
        <translation>Uložiť</translation>
    </message>
    <message>
        <source>Enable RAM Optimizer</source>
        <translation>Povoliť optimalizátor RAM</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Zakázať</translation>
    </message>
    <message>
        <source>Close</source>
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
        <translation>Systém spustenie odmietol (chyba %1).</translation>
    </message>
    <message>
        <source>The RAM optimizer could not be started from %1.</source>
        <translation>Optimalizátor RAM sa nepodarilo spustiť z umiestnenia %1.</translation>
    </message>
    <message>
        <source>Total RAM: %1MB</source>
        <translation>Celková pamäť RAM: %1 MB</translation>
    </message>
    <message>
        <source>Available RAM: %1MB (%2%)</source>
        <translation>Pamäť RAM k dispozícii: %1 MB (%2 %)</translation>
    </message>
    <message>
        <source>CPU Usages: %1%</source>
        <translation>Využitie procesora: %1 %</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>Target free RAM, %1 MB</source>
        <translation>Cieľová voľná pamäť RAM, %1 MB</translation>
    </message>
    <message>
        <source>Minimum free RAM, %1 MB</source>
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
        <translation>Ctrl+Alt+%1 nemôže byť klávesovou skratkou: vaše rozloženie klávesnice nemá kláves pre „%1“.</translation>
    </message>
    <message>
        <source>Ctrl+Alt+%1 can&apos;t be a hot key: on your keyboard layout it types “%2”, which every program would then lose.</source>
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
        <translation>Uvoľniť pamäť RAM pri spustení po</translation>
    </message>
    <message>
        <source>MB of RAM on startup after</source>
        <translation>MB pamäte RAM pri spustení po</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>sekundách</translation>
    </message>
    <message>
        <source>Free-up RAM every</source>
        <translation>Uvoľňovať pamäť RAM každých</translation>
    </message>
    <message>
        <source>MB every</source>
        <translation>MB každých</translation>
    </message>
    <message>
        <source>minutes if free RAM below</source>
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
        <translation>Predvolená:</translation>
    </message>
    <message>
        <source>Recovering RAM:</source>
        <translation>Pri uvoľňovaní pamäte RAM:</translation>
    </message>
    <message>
        <source>Tray icon text color</source>
        <translation>Farba textu ikony v oblasti oznámení</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Zobrazovať</translation>
    </message>
    <message>
        <source>in tray icon</source>
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
        <translation>Uvoľniť</translation>
    </message>
    <message>
        <source>MB menu</source>
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
        <translation>Klávesová skratka na uvoľnenie pamäte RAM: Ctrl + Alt +</translation>
    </message>
    <message>
        <source>Disable/enable Quenby hotkey : Cltr + Alt +</source>
        <translation>Klávesová skratka na zakázanie/povolenie Quenby: Ctrl + Alt +</translation>
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
</TS>
