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
        <translation>Luk</translation>
    </message>
    <message>
        <source>Website:</source>
        <translation>Websted:</translation>
    </message>
    <message>
        <source>Version: %1.%2.%3 (Beta)</source>
        <translation>Version: %1.%2.%3 (beta)</translation>
    </message>
    <message>
        <source>for Windows %1</source>
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
        <translation>Gem</translation>
    </message>
    <message>
        <source>Enable RAM Optimizer</source>
        <translation>Aktivér RAM-optimering</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Deaktiver</translation>
    </message>
    <message>
        <source>Close</source>
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
        <translation>Systemet nægtede at starte det (fejl %1).</translation>
    </message>
    <message>
        <source>The RAM optimizer could not be started from %1.</source>
        <translation>RAM-optimeringen kunne ikke startes fra %1.</translation>
    </message>
    <message>
        <source>Total RAM: %1MB</source>
        <translation>RAM i alt: %1 MB</translation>
    </message>
    <message>
        <source>Available RAM: %1MB (%2%)</source>
        <translation>Tilgængelig RAM: %1 MB (%2 %)</translation>
    </message>
    <message>
        <source>CPU Usages: %1%</source>
        <translation>CPU-forbrug: %1 %</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>Target free RAM, %1 MB</source>
        <translation>Mål for ledig RAM, %1 MB</translation>
    </message>
    <message>
        <source>Minimum free RAM, %1 MB</source>
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
        <translation>Ctrl+Alt+%1 kan ikke bruges som genvejstast: Dit tastaturlayout har ingen tast til »%1«.</translation>
    </message>
    <message>
        <source>Ctrl+Alt+%1 can&apos;t be a hot key: on your keyboard layout it types “%2”, which every program would then lose.</source>
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
        <translation>Frigør RAM ved opstart efter</translation>
    </message>
    <message>
        <source>MB of RAM on startup after</source>
        <translation>MB RAM ved opstart efter</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>sekunder</translation>
    </message>
    <message>
        <source>Free-up RAM every</source>
        <translation>Frigør RAM med</translation>
    </message>
    <message>
        <source>MB every</source>
        <translation>MB med</translation>
    </message>
    <message>
        <source>minutes if free RAM below</source>
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
        <translation>Standard:</translation>
    </message>
    <message>
        <source>Recovering RAM:</source>
        <translation>Ved frigørelse af RAM:</translation>
    </message>
    <message>
        <source>Tray icon text color</source>
        <translation>Tekstfarve for ikonet i meddelelsesområdet</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Vis</translation>
    </message>
    <message>
        <source>in tray icon</source>
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
        <translation>Frigør</translation>
    </message>
    <message>
        <source>MB menu</source>
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
        <translation>Genvejstast til at frigøre RAM: Ctrl + Alt +</translation>
    </message>
    <message>
        <source>Disable/enable Quenby hotkey : Cltr + Alt +</source>
        <translation>Genvejstast til at deaktivere/aktivere Quenby: Ctrl + Alt +</translation>
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
</TS>
