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
        <translation>Zavřít</translation>
    </message>
    <message>
        <source>Website:</source>
        <translation>Web:</translation>
    </message>
    <message>
        <source>Version: %1.%2.%3 (Beta)</source>
        <translation>Verze: %1.%2.%3 (beta)</translation>
    </message>
    <message>
        <source>for Windows %1</source>
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
        <translation>Uložit</translation>
    </message>
    <message>
        <source>Enable RAM Optimizer</source>
        <translation>Povolit optimalizátor RAM</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Zakázat</translation>
    </message>
    <message>
        <source>Close</source>
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
        <translation>Systém spuštění odmítl (chyba %1).</translation>
    </message>
    <message>
        <source>The RAM optimizer could not be started from %1.</source>
        <translation>Optimalizátor RAM se nepodařilo spustit z umístění %1.</translation>
    </message>
    <message>
        <source>Total RAM: %1MB</source>
        <translation>Celková paměť RAM: %1 MB</translation>
    </message>
    <message>
        <source>Available RAM: %1MB (%2%)</source>
        <translation>Paměť RAM k dispozici: %1 MB (%2 %)</translation>
    </message>
    <message>
        <source>CPU Usages: %1%</source>
        <translation>Využití procesoru: %1 %</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>Target free RAM, %1 MB</source>
        <translation>Cílová volná paměť RAM, %1 MB</translation>
    </message>
    <message>
        <source>Minimum free RAM, %1 MB</source>
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
        <translation>Ctrl+Alt+%1 nemůže být klávesovou zkratkou: vaše rozložení klávesnice nemá klávesu pro „%1“.</translation>
    </message>
    <message>
        <source>Ctrl+Alt+%1 can&apos;t be a hot key: on your keyboard layout it types “%2”, which every program would then lose.</source>
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
        <translation>Uvolnit paměť RAM při spuštění po</translation>
    </message>
    <message>
        <source>MB of RAM on startup after</source>
        <translation>MB paměti RAM při spuštění po</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>sekundách</translation>
    </message>
    <message>
        <source>Free-up RAM every</source>
        <translation>Uvolňovat paměť RAM každých</translation>
    </message>
    <message>
        <source>MB every</source>
        <translation>MB každých</translation>
    </message>
    <message>
        <source>minutes if free RAM below</source>
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
        <translation>Výchozí:</translation>
    </message>
    <message>
        <source>Recovering RAM:</source>
        <translation>Při uvolňování paměti RAM:</translation>
    </message>
    <message>
        <source>Tray icon text color</source>
        <translation>Barva textu ikony v oznamovací oblasti</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Zobrazovat</translation>
    </message>
    <message>
        <source>in tray icon</source>
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
        <translation>Uvolnit</translation>
    </message>
    <message>
        <source>MB menu</source>
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
        <translation>Klávesová zkratka pro uvolnění paměti RAM: Ctrl + Alt +</translation>
    </message>
    <message>
        <source>Disable/enable Quenby hotkey : Cltr + Alt +</source>
        <translation>Klávesová zkratka pro zakázání/povolení Quenby: Ctrl + Alt +</translation>
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
</TS>
