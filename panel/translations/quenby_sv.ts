<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation>Om</translation>
    </message>
    <message>
        <source>Copyright © Quenby. All rights reserved.</source>
        <translation>Copyright © Quenby. Med ensamrätt.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Stäng</translation>
    </message>
    <message>
        <source>Website:</source>
        <translation>Webbplats:</translation>
    </message>
    <message>
        <source>Version: %1.%2.%3 (Beta)</source>
        <translation>Version: %1.%2.%3 (beta)</translation>
    </message>
    <message>
        <source>for Windows %1</source>
        <translation>för Windows %1</translation>
    </message>
</context>
<context>
    <name>GraphForm</name>
    <message>
        <source>Usage graph of the free RAM</source>
        <translation>Diagram över ledigt RAM</translation>
    </message>
    <message>
        <source>%1% of RAM free</source>
        <translation>%1 % ledigt RAM</translation>
    </message>
</context>
<context>
    <name>HistoryPage</name>
    <message>
        <source>Low free RAM</source>
        <comment>what started a recovery</comment>
        <translation>Lite ledigt RAM</translation>
    </message>
    <message>
        <source>Every few minutes</source>
        <comment>what started a recovery: the periodic rule</comment>
        <translation>Med några minuters mellanrum</translation>
    </message>
    <message>
        <source>Startup</source>
        <comment>what started a recovery: the recovery after Quenby starts</comment>
        <translation>Vid start</translation>
    </message>
    <message>
        <source>Tray menu</source>
        <comment>what started a recovery</comment>
        <translation>Menyn i meddelandefältet</translation>
    </message>
    <message>
        <source>Hot key</source>
        <comment>what started a recovery</comment>
        <translation>Snabbtangent</translation>
    </message>
    <message>
        <source>Request</source>
        <comment>what started a recovery: another program (the command line) asked</comment>
        <translation>Begäran från ett annat program</translation>
    </message>
    <message>
        <source>Ran</source>
        <translation>Kördes</translation>
    </message>
    <message>
        <source>Did not run: the processor was busy</source>
        <translation>Kördes inte: processorn var upptagen</translation>
    </message>
    <message>
        <source>Did not run: another user&apos;s recovery was running</source>
        <translation>Kördes inte: en annan användares frigöring pågick</translation>
    </message>
    <message>
        <source>Did not run: a full-screen program was running</source>
        <translation>Kördes inte: ett program kördes i helskärm</translation>
    </message>
    <message>
        <source>Did not run: a protected program was running</source>
        <translation>Kördes inte: ett av de angivna programmen kördes</translation>
    </message>
    <message>
        <source>Did not run: paused after a recovery that could not help</source>
        <translation>Kördes inte: pausad efter en frigöring som inte kunde hjälpa</translation>
    </message>
    <message>
        <source>Did not run: more than three quarters of the RAM was free</source>
        <translation>Kördes inte: mer än tre fjärdedelar av RAM var ledigt</translation>
    </message>
    <message>
        <source>No recovery yet.</source>
        <translation>Ingen frigöring ännu.</translation>
    </message>
    <message>
        <source>When</source>
        <translation>När</translation>
    </message>
    <message>
        <source>Started by</source>
        <translation>Startades av</translation>
    </message>
    <message>
        <source>What happened</source>
        <translation>Resultat</translation>
    </message>
    <message>
        <source>Before (MB)</source>
        <comment>column: free RAM before the recovery, in megabytes</comment>
        <translation>Före (MB)</translation>
    </message>
    <message>
        <source>After (MB)</source>
        <comment>column: free RAM after the recovery, in megabytes</comment>
        <translation>Efter (MB)</translation>
    </message>
    <message>
        <source>Used (MB)</source>
        <comment>column: the megabytes the recovery allocated and released</comment>
        <translation>Använt (MB)</translation>
    </message>
    <message>
        <source>Seconds</source>
        <comment>column: how long the recovery took</comment>
        <translation>Sekunder</translation>
    </message>
    <message>
        <source>Free RAM before the recovery</source>
        <translation>Ledigt RAM före frigöringen</translation>
    </message>
    <message>
        <source>Free RAM after the recovery</source>
        <translation>Ledigt RAM efter frigöringen</translation>
    </message>
    <message>
        <source>The RAM the recovery took for a moment and gave back</source>
        <translation>RAM som frigöringen tog en kort stund och sedan lämnade tillbaka</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Total RAM: n/a</source>
        <translation>Totalt RAM: saknas</translation>
    </message>
    <message>
        <source>Available RAM: n/a</source>
        <translation>Tillgängligt RAM: saknas</translation>
    </message>
    <message>
        <source>CPU Usage: n/a</source>
        <translation>CPU-användning: saknas</translation>
    </message>
    <message>
        <source>Free-up RAM</source>
        <translation>Frigör RAM</translation>
    </message>
    <message>
        <source>Target Free RAM:</source>
        <translation>Mål för ledigt RAM:</translation>
    </message>
    <message>
        <source>Minimum Free RAM:</source>
        <translation>Minimum för ledigt RAM:</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Om</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Alternativ</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Spara</translation>
    </message>
    <message>
        <source>Enable RAM Optimizer</source>
        <translation>Aktivera RAM-optimering</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Inaktivera</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Avsluta</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>Filen finns inte.</translation>
    </message>
    <message>
        <source>You are not allowed to run this file.</source>
        <translation>Du har inte behörighet att köra den här filen.</translation>
    </message>
    <message>
        <source>The file is not a program that can be run.</source>
        <translation>Filen är inte ett program som kan köras.</translation>
    </message>
    <message>
        <source>There is not enough memory to start it.</source>
        <translation>Det finns inte tillräckligt med minne för att starta det.</translation>
    </message>
    <message>
        <source>The system refused to start it (error %1).</source>
        <translation>Systemet vägrade att starta det (fel %1).</translation>
    </message>
    <message>
        <source>The RAM optimizer could not be started from %1.</source>
        <translation>RAM-optimeringen kunde inte startas från %1.</translation>
    </message>
    <message>
        <source>Total RAM: %1MB</source>
        <translation>Totalt RAM: %1 MB</translation>
    </message>
    <message>
        <source>Available RAM: %1MB (%2%)</source>
        <translation>Tillgängligt RAM: %1 MB (%2 %)</translation>
    </message>
    <message>
        <source>CPU Usages: %1%</source>
        <translation>CPU-användning: %1 %</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>Target free RAM, %1 MB</source>
        <translation>Mål för ledigt RAM, %1 MB</translation>
    </message>
    <message>
        <source>Minimum free RAM, %1 MB</source>
        <translation>Minimum för ledigt RAM, %1 MB</translation>
    </message>
    <message>
        <source>Save the target and minimum free RAM</source>
        <translation>Spara mål och minimum för ledigt RAM</translation>
    </message>
    <message>
        <source>Open the options</source>
        <translation>Öppna alternativen</translation>
    </message>
    <message>
        <source>Enable the RAM optimizer</source>
        <translation>Aktivera RAM-optimeringen</translation>
    </message>
    <message>
        <source>Disable the RAM optimizer</source>
        <translation>Inaktivera RAM-optimeringen</translation>
    </message>
    <message>
        <source>Close the RAM optimizer</source>
        <translation>Avsluta RAM-optimeringen</translation>
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
        <translation>Ctrl+Alt+%1 kan inte vara en snabbtangent: din tangentbordslayout har ingen tangent för ”%1”.</translation>
    </message>
    <message>
        <source>Ctrl+Alt+%1 can&apos;t be a hot key: on your keyboard layout it types “%2”, which every program would then lose.</source>
        <translation>Ctrl+Alt+%1 kan inte vara en snabbtangent: med din tangentbordslayout skriver tangenten ”%2”, som då inte längre skulle gå att skriva i något program.</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Alternativ</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allmänt</translation>
    </message>
    <message>
        <source>Start Quenby automatically at Windows startup</source>
        <translation>Starta Quenby automatiskt när Windows startar</translation>
    </message>
    <message>
        <source>Free-up RAM on startup after</source>
        <translation>Frigör RAM vid start efter</translation>
    </message>
    <message>
        <source>MB of RAM on startup after</source>
        <translation>MB RAM vid start efter</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>sekunder</translation>
    </message>
    <message>
        <source>Free-up RAM every</source>
        <translation>Frigör RAM med</translation>
    </message>
    <message>
        <source>MB every</source>
        <translation>MB med</translation>
    </message>
    <message>
        <source>minutes if free RAM below</source>
        <translation>minuters mellanrum om ledigt RAM är under</translation>
    </message>
    <message>
        <source>Pause automatic recovery while it cannot help</source>
        <translation>Pausa automatisk frigöring så länge den inte kan hjälpa</translation>
    </message>
    <message>
        <source>Pause automatic recovery while a full-screen program runs</source>
        <translation>Pausa automatisk frigöring så länge ett program körs i helskärm</translation>
    </message>
    <message>
        <source>CPU usage:</source>
        <translation>CPU-användning:</translation>
    </message>
    <message>
        <source>Disable CPU usage detection</source>
        <translation>Inaktivera identifiering av CPU-användning</translation>
    </message>
    <message>
        <source>Enable the CPU usage detection to prevent Quenby recovering RAM when your CPU is busy. Please note that CPU cooling and few other programs use special method that cause the CPU usage always stay at 100% level. When you have this kind of situation, disable the CPU usage detection to allow Quenby recovering RAM at any CPU usage level.</source>
        <translation>Aktivera identifiering av CPU-användning för att hindra Quenby från att frigöra RAM när processorn är upptagen. Observera att program för CPU-kylning och några andra program använder en särskild metod som gör att CPU-användningen alltid ligger på 100 %. Om det gäller dig kan du inaktivera identifieringen av CPU-användning så att Quenby kan frigöra RAM oavsett CPU-användning.</translation>
    </message>
    <message>
        <source>Tray Icon</source>
        <translation>Ikon i meddelandefältet</translation>
    </message>
    <message>
        <source>Default:</source>
        <translation>Standard:</translation>
    </message>
    <message>
        <source>Recovering RAM:</source>
        <translation>Vid frigöring av RAM:</translation>
    </message>
    <message>
        <source>Tray icon text color</source>
        <translation>Textfärg för ikonen i meddelandefältet</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Visa</translation>
    </message>
    <message>
        <source>in tray icon</source>
        <translation>i ikonen i meddelandefältet</translation>
    </message>
    <message>
        <source>Show how much RAM was recovered</source>
        <translation>Visa hur mycket RAM som frigjordes</translation>
    </message>
    <message>
        <source>Popup Menu</source>
        <translation>Snabbmeny</translation>
    </message>
    <message>
        <source>Recover</source>
        <translation>Frigör</translation>
    </message>
    <message>
        <source>MB menu</source>
        <translation>MB (menyalternativ)</translation>
    </message>
    <message>
        <source>Others</source>
        <translation>Övrigt</translation>
    </message>
    <message>
        <source>Also clear Windows Clipboard when freeing up RAM</source>
        <translation>Rensa även Urklipp i Windows när RAM frigörs</translation>
    </message>
    <message>
        <source>Play alarm sound before freeing up RAM</source>
        <translation>Spela upp ett larmljud innan RAM frigörs</translation>
    </message>
    <message>
        <source>Free up RAM hot key : Cltr + Alt +</source>
        <translation>Snabbtangent för att frigöra RAM: Ctrl + Alt +</translation>
    </message>
    <message>
        <source>Disable/enable Quenby hotkey : Cltr + Alt +</source>
        <translation>Snabbtangent för att inaktivera/aktivera Quenby: Ctrl + Alt +</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Spara</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Svart</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Vit</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Automatiskt</translation>
    </message>
    <message>
        <source>Percentage of CPU Usage</source>
        <translation>CPU-användning i procent</translation>
    </message>
    <message>
        <source>Percentage of Free RAM</source>
        <translation>Ledigt RAM i procent</translation>
    </message>
    <message>
        <source>RAM to free on startup, in MB</source>
        <translation>RAM som ska frigöras vid start, i MB</translation>
    </message>
    <message>
        <source>Delay of the startup recovery, in seconds</source>
        <translation>Fördröjning av frigöringen vid start, i sekunder</translation>
    </message>
    <message>
        <source>RAM to free periodically, in MB</source>
        <translation>RAM som ska frigöras regelbundet, i MB</translation>
    </message>
    <message>
        <source>Free-up RAM every, in minutes (0 for never)</source>
        <translation>Frigör RAM med detta intervall, i minuter (0 för aldrig)</translation>
    </message>
    <message>
        <source>Only if free RAM is below, in percent</source>
        <translation>Bara om ledigt RAM är under, i procent</translation>
    </message>
    <message>
        <source>CPU usage</source>
        <translation>CPU-användning</translation>
    </message>
    <message>
        <source>What the tray icon shows</source>
        <translation>Vad ikonen i meddelandefältet visar</translation>
    </message>
    <message>
        <source>First recovery amount of the tray menu, in MB</source>
        <translation>Första mängden RAM att frigöra i menyn i meddelandefältet, i MB</translation>
    </message>
    <message>
        <source>Second recovery amount of the tray menu, in MB</source>
        <translation>Andra mängden RAM att frigöra i menyn i meddelandefältet, i MB</translation>
    </message>
    <message>
        <source>Third recovery amount of the tray menu, in MB</source>
        <translation>Tredje mängden RAM att frigöra i menyn i meddelandefältet, i MB</translation>
    </message>
    <message>
        <source>Alarm sound file</source>
        <translation>Fil med larmljud</translation>
    </message>
    <message>
        <source>Choose the alarm sound file</source>
        <translation>Välj filen med larmljudet</translation>
    </message>
    <message>
        <source>Free up RAM hot key: Ctrl + Alt + this key</source>
        <translation>Snabbtangent för att frigöra RAM: Ctrl + Alt + den här tangenten</translation>
    </message>
    <message>
        <source>Disable/enable hot key: Ctrl + Alt + this key</source>
        <translation>Snabbtangent för att inaktivera/aktivera: Ctrl + Alt + den här tangenten</translation>
    </message>
    <message>
        <source>Add Files</source>
        <translation>Lägg till filer</translation>
    </message>
    <message>
        <source>All Files (*.wav)</source>
        <translation>Alla filer (*.wav)</translation>
    </message>
    <message>
        <source>Pause automatic recovery while one of these programs runs:</source>
        <translation>Pausa automatisk frigöring så länge något av de här programmen körs:</translation>
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
        <translation>Programmens filnamn så som Aktivitetshanteraren visar dem, avgränsade med semikolon.</translation>
    </message>
    <message>
        <source>Ignored, as they are not program file names: %1</source>
        <comment>followed by the names</comment>
        <translation>Ignoreras eftersom de inte är filnamn för program: %1</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Set by your administrator</source>
        <translation>Har angetts av din administratör</translation>
    </message>
    <message>
        <source>Your administrator set Quenby to start automatically for every user of this PC.</source>
        <translation>Din administratör har angett att Quenby ska starta automatiskt för alla användare av den här datorn.</translation>
    </message>
</context>
</TS>
