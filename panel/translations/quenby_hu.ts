<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hu">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation>Névjegy</translation>
    </message>
    <message>
        <source>Copyright © Quenby. All rights reserved.</source>
        <translation>Copyright © Quenby. Minden jog fenntartva.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Bezárás</translation>
    </message>
    <message>
        <source>Website:</source>
        <translation>Webhely:</translation>
    </message>
    <message>
        <source>Version: %1.%2.%3 (Beta)</source>
        <translation>Verzió: %1.%2.%3 (béta)</translation>
    </message>
    <message>
        <source>for Windows %1</source>
        <translation>Windows %1 rendszerhez</translation>
    </message>
</context>
<context>
    <name>GraphForm</name>
    <message>
        <source>Usage graph of the free RAM</source>
        <translation>A szabad memória grafikonja</translation>
    </message>
    <message>
        <source>%1% of RAM free</source>
        <translation>Szabad memória: %1%</translation>
    </message>
</context>
<context>
    <name>HistoryPage</name>
    <message>
        <source>Low free RAM</source>
        <comment>what started a recovery</comment>
        <translation>Kevés a szabad memória</translation>
    </message>
    <message>
        <source>Every few minutes</source>
        <comment>what started a recovery: the periodic rule</comment>
        <translation>Rendszeres időközönként</translation>
    </message>
    <message>
        <source>Startup</source>
        <comment>what started a recovery: the recovery after Quenby starts</comment>
        <translation>Indításkor</translation>
    </message>
    <message>
        <source>Tray menu</source>
        <comment>what started a recovery</comment>
        <translation>Értesítési terület menüje</translation>
    </message>
    <message>
        <source>Hot key</source>
        <comment>what started a recovery</comment>
        <translation>Billentyűparancs</translation>
    </message>
    <message>
        <source>Request</source>
        <comment>what started a recovery: another program (the command line) asked</comment>
        <translation>Másik program kérése</translation>
    </message>
    <message>
        <source>Ran</source>
        <translation>Lefutott</translation>
    </message>
    <message>
        <source>Did not run: the processor was busy</source>
        <translation>Nem futott le: a processzor foglalt volt</translation>
    </message>
    <message>
        <source>Did not run: another user&apos;s recovery was running</source>
        <translation>Nem futott le: egy másik felhasználó felszabadítása futott</translation>
    </message>
    <message>
        <source>Did not run: a full-screen program was running</source>
        <translation>Nem futott le: egy program teljes képernyős módban futott</translation>
    </message>
    <message>
        <source>Did not run: a protected program was running</source>
        <translation>Nem futott le: egy védett program futott</translation>
    </message>
    <message>
        <source>Did not run: paused after a recovery that could not help</source>
        <translation>Nem futott le: szüneteltetve egy eredménytelen felszabadítás után</translation>
    </message>
    <message>
        <source>Did not run: more than three quarters of the RAM was free</source>
        <translation>Nem futott le: a memória több mint háromnegyede szabad volt</translation>
    </message>
    <message>
        <source>No recovery yet.</source>
        <translation>Még nem volt felszabadítás.</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Időpont</translation>
    </message>
    <message>
        <source>Started by</source>
        <translation>Indította</translation>
    </message>
    <message>
        <source>What happened</source>
        <translation>Eredmény</translation>
    </message>
    <message>
        <source>Before (MB)</source>
        <comment>column: free RAM before the recovery, in megabytes</comment>
        <translation>Előtte (MB)</translation>
    </message>
    <message>
        <source>After (MB)</source>
        <comment>column: free RAM after the recovery, in megabytes</comment>
        <translation>Utána (MB)</translation>
    </message>
    <message>
        <source>Used (MB)</source>
        <comment>column: the megabytes the recovery allocated and released</comment>
        <translation>Felhasznált (MB)</translation>
    </message>
    <message>
        <source>Seconds</source>
        <comment>column: how long the recovery took</comment>
        <translation>Másodperc</translation>
    </message>
    <message>
        <source>Free RAM before the recovery</source>
        <translation>Szabad memória a felszabadítás előtt</translation>
    </message>
    <message>
        <source>Free RAM after the recovery</source>
        <translation>Szabad memória a felszabadítás után</translation>
    </message>
    <message>
        <source>The RAM the recovery took for a moment and gave back</source>
        <translation>A memória, amelyet a felszabadítás egy pillanatra lefoglalt, majd visszaadott</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Total RAM: n/a</source>
        <translation>Összes memória: nincs adat</translation>
    </message>
    <message>
        <source>Available RAM: n/a</source>
        <translation>Rendelkezésre álló memória: nincs adat</translation>
    </message>
    <message>
        <source>CPU Usage: n/a</source>
        <translation>CPU-használat: nincs adat</translation>
    </message>
    <message>
        <source>Free-up RAM</source>
        <translation>Memória felszabadítása</translation>
    </message>
    <message>
        <source>Target Free RAM:</source>
        <translation>Szabad memória célértéke:</translation>
    </message>
    <message>
        <source>Minimum Free RAM:</source>
        <translation>Minimális szabad memória:</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Névjegy</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Beállítások</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Mentés</translation>
    </message>
    <message>
        <source>Enable RAM Optimizer</source>
        <translation>RAM-optimalizáló engedélyezése</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Letiltás</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Kilépés</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>A fájl nem létezik.</translation>
    </message>
    <message>
        <source>You are not allowed to run this file.</source>
        <translation>Nincs engedélye a fájl futtatására.</translation>
    </message>
    <message>
        <source>The file is not a program that can be run.</source>
        <translation>A fájl nem futtatható program.</translation>
    </message>
    <message>
        <source>There is not enough memory to start it.</source>
        <translation>Nincs elég memória az elindításához.</translation>
    </message>
    <message>
        <source>The system refused to start it (error %1).</source>
        <translation>A rendszer megtagadta az indítását (hiba: %1).</translation>
    </message>
    <message>
        <source>The RAM optimizer could not be started from %1.</source>
        <translation>A RAM-optimalizálót nem sikerült elindítani innen: %1.</translation>
    </message>
    <message>
        <source>Total RAM: %1MB</source>
        <translation>Összes memória: %1 MB</translation>
    </message>
    <message>
        <source>Available RAM: %1MB (%2%)</source>
        <translation>Rendelkezésre álló memória: %1 MB (%2%)</translation>
    </message>
    <message>
        <source>CPU Usages: %1%</source>
        <translation>CPU-használat: %1%</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>Target free RAM, %1 MB</source>
        <translation>Szabad memória célértéke, %1 MB</translation>
    </message>
    <message>
        <source>Minimum free RAM, %1 MB</source>
        <translation>Minimális szabad memória, %1 MB</translation>
    </message>
    <message>
        <source>Save the target and minimum free RAM</source>
        <translation>A szabad memória célértékének és minimumának mentése</translation>
    </message>
    <message>
        <source>Open the options</source>
        <translation>Beállítások megnyitása</translation>
    </message>
    <message>
        <source>Enable the RAM optimizer</source>
        <translation>RAM-optimalizáló engedélyezése</translation>
    </message>
    <message>
        <source>Disable the RAM optimizer</source>
        <translation>RAM-optimalizáló letiltása</translation>
    </message>
    <message>
        <source>Close the RAM optimizer</source>
        <translation>Kilépés a RAM-optimalizálóból</translation>
    </message>
    <message>
        <source>About Quenby</source>
        <translation>A Quenby névjegye</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Ctrl+Alt+%1 can&apos;t be a hot key: your keyboard layout has no key for “%1”.</source>
        <translation>A Ctrl+Alt+%1 nem lehet billentyűparancs: az Ön billentyűzetkiosztásán nincs billentyű ehhez: „%1”.</translation>
    </message>
    <message>
        <source>Ctrl+Alt+%1 can&apos;t be a hot key: on your keyboard layout it types “%2”, which every program would then lose.</source>
        <translation>A Ctrl+Alt+%1 nem lehet billentyűparancs: az Ön billentyűzetkiosztásán ez a billentyű ezt írja be: „%2”, így azt utána egyetlen programban sem lehetne beírni.</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Beállítások</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Általános</translation>
    </message>
    <message>
        <source>Start Quenby automatically at Windows startup</source>
        <translation>A Quenby automatikus indítása a Windows indításakor</translation>
    </message>
    <message>
        <source>Free-up RAM on startup after</source>
        <translation>Memória felszabadítása indításkor</translation>
    </message>
    <message>
        <source>MB of RAM on startup after</source>
        <translation>MB memória indításkor</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>másodperc elteltével</translation>
    </message>
    <message>
        <source>Free-up RAM every</source>
        <translation>Memória felszabadítása</translation>
    </message>
    <message>
        <source>MB every</source>
        <translation>MB-ot</translation>
    </message>
    <message>
        <source>minutes if free RAM below</source>
        <translation>percenként, ha a szabad memória kevesebb, mint</translation>
    </message>
    <message>
        <source>Pause automatic recovery while it cannot help</source>
        <translation>Az automatikus felszabadítás szüneteltetése, amikor nem segít</translation>
    </message>
    <message>
        <source>Pause automatic recovery while a full-screen program runs</source>
        <translation>Az automatikus felszabadítás szüneteltetése, amikor egy program teljes képernyős módban fut</translation>
    </message>
    <message>
        <source>CPU usage:</source>
        <translation>CPU-használat:</translation>
    </message>
    <message>
        <source>Disable CPU usage detection</source>
        <translation>CPU-használat figyelésének letiltása</translation>
    </message>
    <message>
        <source>Enable the CPU usage detection to prevent Quenby recovering RAM when your CPU is busy. Please note that CPU cooling and few other programs use special method that cause the CPU usage always stay at 100% level. When you have this kind of situation, disable the CPU usage detection to allow Quenby recovering RAM at any CPU usage level.</source>
        <translation>Engedélyezze a CPU-használat figyelését, ha nem szeretné, hogy a Quenby akkor is felszabadítsa a memóriát, amikor a processzor terhelt. Egyes processzorhűtő programok és néhány más program olyan különleges módszert használ, amely miatt a CPU-használat mindig 100%-on áll. Ilyen esetben tiltsa le a CPU-használat figyelését, hogy a Quenby bármilyen CPU-használat mellett felszabadíthassa a memóriát.</translation>
    </message>
    <message>
        <source>Tray Icon</source>
        <translation>Ikon az értesítési területen</translation>
    </message>
    <message>
        <source>Default:</source>
        <translation>Alapértelmezett:</translation>
    </message>
    <message>
        <source>Recovering RAM:</source>
        <translation>Memória felszabadítása közben:</translation>
    </message>
    <message>
        <source>Tray icon text color</source>
        <translation>Az értesítési területen lévő ikon szövegszíne</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Megjelenítés:</translation>
    </message>
    <message>
        <source>in tray icon</source>
        <translation>az ikonon</translation>
    </message>
    <message>
        <source>Show how much RAM was recovered</source>
        <translation>A felszabadított memória mennyiségének megjelenítése</translation>
    </message>
    <message>
        <source>Popup Menu</source>
        <translation>Helyi menü</translation>
    </message>
    <message>
        <source>Recover</source>
        <translation>Felszabadítás:</translation>
    </message>
    <message>
        <source>MB menu</source>
        <translation>MB (menü)</translation>
    </message>
    <message>
        <source>Others</source>
        <translation>Egyebek</translation>
    </message>
    <message>
        <source>Also clear Windows Clipboard when freeing up RAM</source>
        <translation>A memória felszabadításakor a Windows vágólapjának törlése is</translation>
    </message>
    <message>
        <source>Play alarm sound before freeing up RAM</source>
        <translation>Figyelmeztető hang lejátszása a memória felszabadítása előtt</translation>
    </message>
    <message>
        <source>Free up RAM hot key : Cltr + Alt +</source>
        <translation>Billentyűparancs a memória felszabadításához: Ctrl + Alt +</translation>
    </message>
    <message>
        <source>Disable/enable Quenby hotkey : Cltr + Alt +</source>
        <translation>Billentyűparancs a Quenby letiltásához/engedélyezéséhez: Ctrl + Alt +</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Mentés</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Mégse</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Fekete</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Fehér</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Automatikus</translation>
    </message>
    <message>
        <source>Percentage of CPU Usage</source>
        <translation>CPU-használat százalékban</translation>
    </message>
    <message>
        <source>Percentage of Free RAM</source>
        <translation>Szabad memória százalékban</translation>
    </message>
    <message>
        <source>RAM to free on startup, in MB</source>
        <translation>Indításkor felszabadítandó memória, MB</translation>
    </message>
    <message>
        <source>Delay of the startup recovery, in seconds</source>
        <translation>Az indításkori felszabadítás késleltetése, másodperc</translation>
    </message>
    <message>
        <source>RAM to free periodically, in MB</source>
        <translation>Rendszeresen felszabadítandó memória, MB</translation>
    </message>
    <message>
        <source>Free-up RAM every, in minutes (0 for never)</source>
        <translation>Memória felszabadításának gyakorisága, perc (0 = soha)</translation>
    </message>
    <message>
        <source>Only if free RAM is below, in percent</source>
        <translation>Csak ha a szabad memória ennél kevesebb, százalék</translation>
    </message>
    <message>
        <source>CPU usage</source>
        <translation>CPU-használat</translation>
    </message>
    <message>
        <source>What the tray icon shows</source>
        <translation>Az értesítési területen lévő ikonon megjelenő adat</translation>
    </message>
    <message>
        <source>First recovery amount of the tray menu, in MB</source>
        <translation>Az értesítési terület menüjének első felszabadítási mennyisége, MB</translation>
    </message>
    <message>
        <source>Second recovery amount of the tray menu, in MB</source>
        <translation>Az értesítési terület menüjének második felszabadítási mennyisége, MB</translation>
    </message>
    <message>
        <source>Third recovery amount of the tray menu, in MB</source>
        <translation>Az értesítési terület menüjének harmadik felszabadítási mennyisége, MB</translation>
    </message>
    <message>
        <source>Alarm sound file</source>
        <translation>Figyelmeztető hang fájlja</translation>
    </message>
    <message>
        <source>Choose the alarm sound file</source>
        <translation>Figyelmeztető hang fájljának kiválasztása</translation>
    </message>
    <message>
        <source>Free up RAM hot key: Ctrl + Alt + this key</source>
        <translation>Billentyűparancs a memória felszabadításához: Ctrl + Alt + ez a billentyű</translation>
    </message>
    <message>
        <source>Disable/enable hot key: Ctrl + Alt + this key</source>
        <translation>Billentyűparancs a letiltáshoz/engedélyezéshez: Ctrl + Alt + ez a billentyű</translation>
    </message>
    <message>
        <source>Add Files</source>
        <translation>Fájlok hozzáadása</translation>
    </message>
    <message>
        <source>All Files (*.wav)</source>
        <translation>Minden fájl (*.wav)</translation>
    </message>
    <message>
        <source>Pause automatic recovery while one of these programs runs:</source>
        <translation>Az automatikus felszabadítás szüneteltetése, amikor a következő programok egyike fut:</translation>
    </message>
    <message>
        <source>game.exe;obs64.exe</source>
        <extracomment>An example of the list: two program file names separated by a semicolon. Keep the names as they are.</extracomment>
        <translation>game.exe;obs64.exe</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Előzmények</translation>
    </message>
    <message>
        <source>Program file names as Task Manager shows them, separated by semicolons.</source>
        <translation>A programok fájlnevei, ahogy a Feladatkezelő mutatja őket, pontosvesszővel elválasztva.</translation>
    </message>
    <message>
        <source>Ignored, as they are not program file names: %1</source>
        <comment>followed by the names</comment>
        <translation>Figyelmen kívül hagyva, mert nem programfájlnevek: %1</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Set by your administrator</source>
        <translation>A rendszergazda állította be</translation>
    </message>
    <message>
        <source>Your administrator set Quenby to start automatically for every user of this PC.</source>
        <translation>A rendszergazda beállította, hogy a Quenby a számítógép minden felhasználójánál automatikusan elinduljon.</translation>
    </message>
</context>
</TS>
