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
        <extracomment>Closes this About box.</extracomment>
        <translation>Bezárás</translation>
    </message>
    <message>
        <source>Website:</source>
        <translation>Webhely:</translation>
    </message>
    <message>
        <source>Version: %1.%2.%3 (Beta)</source>
        <extracomment>%1, %2 and %3: the parts of the version number, as in 1.4.2.</extracomment>
        <translation>Verzió: %1.%2.%3 (béta)</translation>
    </message>
    <message>
        <source>for Windows %1</source>
        <extracomment>%1: the Windows version the panel runs on, 10 or 11.</extracomment>
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
        <extracomment>Read by screen readers for the usage graph. %1: the free share of the RAM in percent; the % after it is the percent sign.</extracomment>
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
        <extracomment>The title of the group with the two sliders that set the free-RAM levels.</extracomment>
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
        <extracomment>Stores the two free-RAM levels set with the sliders.</extracomment>
        <translation>Mentés</translation>
    </message>
    <message>
        <source>Enable RAM Optimizer</source>
        <translation>RAM-optimalizáló engedélyezése</translation>
    </message>
    <message>
        <source>Disable</source>
        <extracomment>Switches the automatic recovery off; the button then reads “Enable RAM Optimizer”.</extracomment>
        <translation>Letiltás</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Ends the tray engine (the RAM optimizer itself), not only this window.</extracomment>
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
        <extracomment>Why the tray engine could not be started. %1: Windows&apos; error number.</extracomment>
        <translation>A rendszer megtagadta az indítását (hiba: %1).</translation>
    </message>
    <message>
        <source>The RAM optimizer could not be started from %1.</source>
        <extracomment>%1: the full path of the tray engine&apos;s program file; a sentence saying why follows on the next line.</extracomment>
        <translation>A RAM-optimalizálót nem sikerült elindítani innen: %1.</translation>
    </message>
    <message>
        <source>Total RAM: %1MB</source>
        <extracomment>%1: megabytes of RAM installed, a whole number.</extracomment>
        <translation>Összes memória: %1 MB</translation>
    </message>
    <message>
        <source>Available RAM: %1MB (%2%)</source>
        <extracomment>%1: megabytes of RAM available now; %2: that as a share of all RAM, in percent (the % after it is the percent sign).</extracomment>
        <translation>Rendelkezésre álló memória: %1 MB (%2%)</translation>
    </message>
    <message>
        <source>CPU Usages: %1%</source>
        <extracomment>%1: the processor load of the last second in percent; the % after it is the percent sign.</extracomment>
        <translation>CPU-használat: %1%</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <extracomment>%1: megabytes, the value the slider beside it is set to.</extracomment>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>Target free RAM, %1 MB</source>
        <extracomment>Read by screen readers for the slider. %1: the megabytes it is set to.</extracomment>
        <translation>Szabad memória célértéke, %1 MB</translation>
    </message>
    <message>
        <source>Minimum free RAM, %1 MB</source>
        <extracomment>Read by screen readers for the slider. %1: the megabytes it is set to.</extracomment>
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
        <extracomment>%1: the character the user typed as the hot key, such as K.</extracomment>
        <translation>A Ctrl+Alt+%1 nem lehet billentyűparancs: az Ön billentyűzetkiosztásán nincs billentyű ehhez: „%1”.</translation>
    </message>
    <message>
        <source>Ctrl+Alt+%1 can&apos;t be a hot key: on your keyboard layout it types “%2”, which every program would then lose.</source>
        <extracomment>%1: the character the user typed as the hot key; %2: the character that key combination types on the user&apos;s keyboard layout (as AltGr would).</extracomment>
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
        <extracomment>Start of a sentence the dialog puts together: this check box, a number of seconds, then “seconds”: “Free-up RAM on startup after [60] seconds”.</extracomment>
        <translation>Memória felszabadítása indításkor</translation>
    </message>
    <message>
        <source>MB of RAM on startup after</source>
        <extracomment>A hidden part of the start-up sentence, after a number of megabytes.</extracomment>
        <translation>MB memória indításkor</translation>
    </message>
    <message>
        <source>seconds</source>
        <extracomment>End of the sentence “Free-up RAM on startup after [60] seconds”.</extracomment>
        <translation>másodperc elteltével</translation>
    </message>
    <message>
        <source>Free-up RAM every</source>
        <extracomment>Start of a sentence the dialog puts together: “Free-up RAM every [4] minutes if free RAM below [50] %”.</extracomment>
        <translation>Memória felszabadítása</translation>
    </message>
    <message>
        <source>MB every</source>
        <extracomment>A hidden part of the periodic sentence, after a number of megabytes.</extracomment>
        <translation>MB-ot</translation>
    </message>
    <message>
        <source>minutes if free RAM below</source>
        <extracomment>Middle of the sentence “Free-up RAM every [4] minutes if free RAM below [50] %”: between two numbers.</extracomment>
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
        <extracomment>Beside a bar that shows the processor load.</extracomment>
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
        <translation>Ikon</translation>
    </message>
    <message>
        <source>Default:</source>
        <extracomment>Beside the picture of the tray icon as it normally looks.</extracomment>
        <translation>Alapértelmezett:</translation>
    </message>
    <message>
        <source>Recovering RAM:</source>
        <extracomment>Beside the picture of the tray icon while it recovers RAM.</extracomment>
        <translation>Memória felszabadítása közben:</translation>
    </message>
    <message>
        <source>Tray icon text color</source>
        <translation>Az értesítési területen lévő ikon szövegszíne</translation>
    </message>
    <message>
        <source>Display</source>
        <extracomment>Start of “Display [Percentage of Free RAM] in tray icon”: a list to choose from follows.</extracomment>
        <translation>Megjelenítés:</translation>
    </message>
    <message>
        <source>in tray icon</source>
        <extracomment>End of “Display [Percentage of Free RAM] in tray icon”.</extracomment>
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
        <extracomment>Start of “Recover [512] MB menu”: sets the amount of one entry of the tray icon&apos;s menu.</extracomment>
        <translation>Felszabadítás:</translation>
    </message>
    <message>
        <source>MB menu</source>
        <extracomment>End of “Recover [512] MB menu”.</extracomment>
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
        <translation type="vanished">Billentyűparancs a memória felszabadításához: Ctrl + Alt +</translation>
    </message>
    <message>
        <source>Disable/enable Quenby hotkey : Cltr + Alt +</source>
        <translation type="vanished">Billentyűparancs a Quenby letiltásához/engedélyezéséhez: Ctrl + Alt +</translation>
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
    <message>
        <source>Free up RAM hot key: Ctrl + Alt +</source>
        <extracomment>A field for one key follows: Ctrl + Alt + that key frees up RAM in every program.</extracomment>
        <translation>Billentyűparancs a memória felszabadításához: Ctrl + Alt +</translation>
    </message>
    <message>
        <source>Disable/enable Quenby hot key: Ctrl + Alt +</source>
        <extracomment>A field for one key follows: Ctrl + Alt + that key switches the automatic recovery off and on.</extracomment>
        <translation>Billentyűparancs a Quenby letiltásához/engedélyezéséhez: Ctrl + Alt +</translation>
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
<context>
    <name>Quenbytray</name>
    <message>
        <source>Restart Windows</source>
        <comment>104</comment>
        <translation>Windows újraindítása</translation>
    </message>
    <message>
        <source>Suspend Windows</source>
        <comment>105</comment>
        <translation>Alvó állapot</translation>
    </message>
    <message>
        <source>Shutdown Windows</source>
        <comment>106</comment>
        <translation>Windows leállítása</translation>
    </message>
    <message>
        <source>Clear Clipboard</source>
        <comment>107</comment>
        <translation>Vágólap törlése</translation>
    </message>
    <message>
        <source>Free-up RAM Manually
</source>
        <comment>108</comment>
        <extracomment>A menu item that frees up RAM now; the line end stays.</extracomment>
        <translation>Memória felszabadítása kézzel
</translation>
    </message>
    <message>
        <source>Configuration...</source>
        <comment>110</comment>
        <translation>Beállítások...</translation>
    </message>
    <message>
        <source>Disable RAM Optimizer</source>
        <comment>111</comment>
        <translation>RAM-optimalizáló letiltása</translation>
    </message>
    <message>
        <source>Enable RAM Optimizer</source>
        <comment>112</comment>
        <translation>RAM-optimalizáló engedélyezése</translation>
    </message>
    <message>
        <source>Close RAM Optimizer</source>
        <comment>113</comment>
        <extracomment>Ends the tray engine: its icon and the automatic recovery go away.</extracomment>
        <translation>Kilépés a RAM-optimalizálóból</translation>
    </message>
    <message>
        <source>Do you want to restart your computer now?</source>
        <comment>114</comment>
        <translation>Újraindítja most a számítógépet?</translation>
    </message>
    <message>
        <source>Do you want to suspend your computer now?</source>
        <comment>115</comment>
        <translation>Alvó állapotba helyezi most a számítógépet?</translation>
    </message>
    <message>
        <source>Do you want to shutdown your computer now?</source>
        <comment>116</comment>
        <translation>Leállítja most a számítógépet?</translation>
    </message>
    <message>
        <source>Confirm</source>
        <comment>117</comment>
        <extracomment>The title of the box that asks before a restart, a sleep or a shutdown.</extracomment>
        <translation>Megerősítés</translation>
    </message>
    <message>
        <source>RAM Optimizer
</source>
        <comment>118</comment>
        <extracomment>The first line of the tray icon&apos;s tooltip; the line end stays.</extracomment>
        <translation>RAM-optimalizáló
</translation>
    </message>
    <message>
        <source>Free RAM: %1 MB (%2%)
</source>
        <comment>119</comment>
        <extracomment>The second line of the tooltip. %1: megabytes of free RAM; %2: that as a share of all RAM in percent, the % after it being the percent sign. The line end stays.</extracomment>
        <translation>Szabad memória: %1 MB (%2%)
</translation>
    </message>
    <message>
        <source>CPU Usage: %1%</source>
        <comment>121</comment>
        <extracomment>The third line of the tooltip. %1: the processor load in percent; the % after it is the percent sign.</extracomment>
        <translation>CPU-használat: %1%</translation>
    </message>
    <message>
        <source>CreateProcess failed (%1).</source>
        <comment>122</comment>
        <extracomment>%1: Windows&apos; error number when the control panel could not be started.</extracomment>
        <translation>A CreateProcess hívása sikertelen (%1).</translation>
    </message>
    <message>
        <source>Error</source>
        <comment>123</comment>
        <extracomment>The title of a box that says something failed.</extracomment>
        <translation>Hiba</translation>
    </message>
    <message>
        <source>RAM Optimizer</source>
        <comment>124</comment>
        <extracomment>The title of the notices the tray icon shows.</extracomment>
        <translation>RAM-optimalizáló</translation>
    </message>
    <message>
        <source>Recovered %1 MB, %2 MB free now</source>
        <comment>125</comment>
        <extracomment>A notice after a recovery. %1: the megabytes recovered; %2: the megabytes free now.</extracomment>
        <translation>%1 MB felszabadítva, most %2 MB szabad</translation>
    </message>
    <message>
        <source>No RAM could be recovered</source>
        <comment>126</comment>
        <translation>Nem sikerült memóriát felszabadítani</translation>
    </message>
    <message>
        <source>Windows could not be restarted (error %1). %2</source>
        <comment>127</comment>
        <extracomment>%1: Windows&apos; error number; %2: Windows&apos; own description of the error, a sentence or empty.</extracomment>
        <translation>A Windows újraindítása nem sikerült (hiba: %1). %2</translation>
    </message>
    <message>
        <source>Windows could not be suspended (error %1). %2</source>
        <comment>128</comment>
        <extracomment>%1: Windows&apos; error number; %2: Windows&apos; own description of the error, a sentence or empty.</extracomment>
        <translation>A számítógép alvó állapotba helyezése nem sikerült (hiba: %1). %2</translation>
    </message>
    <message>
        <source>Windows could not be shut down (error %1). %2</source>
        <comment>129</comment>
        <extracomment>%1: Windows&apos; error number; %2: Windows&apos; own description of the error, a sentence or empty.</extracomment>
        <translation>A Windows leállítása nem sikerült (hiba: %1). %2</translation>
    </message>
    <message>
        <source>Hot key not available</source>
        <comment>132</comment>
        <translation>A billentyűparancs nem érhető el</translation>
    </message>
    <message>
        <source>The hot key Ctrl+Alt+%1 could not be registered: another program uses it.</source>
        <comment>133</comment>
        <extracomment>%1: the character of the hot key, such as K.</extracomment>
        <translation>A Ctrl+Alt+%1 billentyűparancsot nem sikerült regisztrálni: egy másik program használja.</translation>
    </message>
    <message>
        <source>The hot key Ctrl+Alt+%1 was not registered: on your keyboard layout it types “%2”.</source>
        <comment>134</comment>
        <extracomment>%1: the character of the hot key; %2: the character the key combination types on the user&apos;s keyboard layout.</extracomment>
        <translation>A Ctrl+Alt+%1 billentyűparancs nincs regisztrálva: az Ön billentyűzetkiosztásán ez a billentyű ezt írja be: „%2”.</translation>
    </message>
    <message>
        <source>The hot key Ctrl+Alt+%1 was not registered: your keyboard layout has no such key.</source>
        <comment>135</comment>
        <extracomment>%1: the character of the hot key.</extracomment>
        <translation>A Ctrl+Alt+%1 billentyűparancs nincs regisztrálva: az Ön billentyűzetkiosztásán nincs ilyen billentyű.</translation>
    </message>
    <message>
        <source>This computer uses Modern Standby, which only Windows itself can start: to let it sleep, press its power button or choose Power &gt; Sleep in the Start menu.</source>
        <comment>137</comment>
        <translation>Ez a számítógép a Modern Standby szolgáltatást használja, amelyet csak maga a Windows indíthat el: alvó állapotba helyezéséhez nyomja meg a bekapcsológombját, vagy válassza a Start menü Főkapcsoló &gt; Alvó állapot parancsát.</translation>
    </message>
    <message>
        <source>This computer may not be able to sleep, and Windows may hibernate it instead. Do you want to go on?</source>
        <comment>138</comment>
        <translation>Előfordulhat, hogy ez a számítógép nem tud alvó állapotba váltani, és a Windows helyette hibernálja. Folytatja?</translation>
    </message>
</context>
<context>
    <name>Setup</name>
    <message>
        <source>Quenby is still running and could not be closed.</source>
        <comment>STILL_RUNNING_DETAIL</comment>
        <translation>A Quenby még fut, és nem sikerült bezárni.</translation>
    </message>
    <message>
        <source>Quenby is still running and could not be closed.

Close it (tray menu: Close RAM Optimizer; and the control panel&apos;s window), then choose Retry.</source>
        <comment>STILL_RUNNING_BOX</comment>
        <translation>A Quenby még fut, és nem sikerült bezárni.

Lépjen ki belőle (az értesítési terület menüjében: Kilépés a RAM-optimalizálóból; és zárja be a kezelőpanel ablakát), majd kattintson az Újra gombra.</translation>
    </message>
    <message>
        <source>Quenby is still running; nothing was changed.</source>
        <comment>STILL_RUNNING_ABORT</comment>
        <translation>A Quenby még fut; semmi sem változott.</translation>
    </message>
    <message>
        <source>Quenby&apos;s setup or uninstaller is already running.</source>
        <comment>ALREADY_RUNNING</comment>
        <translation>A Quenby telepítője vagy eltávolítója már fut.</translation>
    </message>
    <message>
        <source>Closing Quenby if it runs...</source>
        <comment>CLOSING</comment>
        <translation>A Quenby bezárása, ha fut...</translation>
    </message>
    <message>
        <source>Quenby control panel: RAM and CPU figures and the options</source>
        <comment>PANEL_LINK_DESCRIPTION</comment>
        <translation>A Quenby kezelőpanelje: memória- és CPU-adatok, valamint a beállítások</translation>
    </message>
    <message>
        <source>Quenby tray engine</source>
        <comment>ENGINE_LINK_NAME</comment>
        <extracomment>The name of the Start-menu shortcut to the tray engine.</extracomment>
        <translation>Quenby az értesítési területen</translation>
    </message>
    <message>
        <source>Start Quenby&apos;s tray engine, which recovers RAM</source>
        <comment>ENGINE_LINK_DESCRIPTION</comment>
        <translation>A Quenby értesítési területen futó moduljának indítása, amely felszabadítja a memóriát</translation>
    </message>
    <message>
        <source>Quenby (required)</source>
        <comment>SECTION_PROGRAM</comment>
        <translation>Quenby (kötelező)</translation>
    </message>
    <message>
        <source>Start with Windows</source>
        <comment>SECTION_AUTOSTART</comment>
        <translation>Indítás a Windows indításakor</translation>
    </message>
    <message>
        <source>Starting the tray engine again...</source>
        <comment>RESTARTING_ENGINE</comment>
        <translation>Az értesítési területen futó modul újraindítása...</translation>
    </message>
    <message>
        <source>The tray engine, the control panel, the command-line client quenbyctl and Start-menu shortcuts.</source>
        <comment>SECTION_PROGRAM_DESCRIPTION</comment>
        <translation>Az értesítési területen futó modul, a kezelőpanel, a quenbyctl parancssori ügyfél és a Start menü parancsikonjai.</translation>
    </message>
    <message>
        <source>Start the tray engine when you sign in to Windows.</source>
        <comment>SECTION_AUTOSTART_DESCRIPTION</comment>
        <translation>Az értesítési területen futó modul indítása a Windowsba való bejelentkezéskor.</translation>
    </message>
    <message>
        <source>Unknown value /AUTOSTART=%1: use /AUTOSTART=1 or /AUTOSTART=0.</source>
        <comment>BAD_AUTOSTART</comment>
        <extracomment>$1 (%1 for translators): the value given after /AUTOSTART= on the command line.</extracomment>
        <translation>Ismeretlen érték: /AUTOSTART=%1. Érvényes értékek: /AUTOSTART=1 vagy /AUTOSTART=0.</translation>
    </message>
    <message>
        <source>Open the Quenby control panel</source>
        <comment>FINISH_RUN</comment>
        <translation>A Quenby kezelőpaneljének megnyitása</translation>
    </message>
    <message>
        <source>Installing or removing Quenby for all users of this computer needs administrator rights. Run it again as an administrator.</source>
        <comment>NEEDS_ADMINISTRATOR</comment>
        <translation>A Quenby a számítógép minden felhasználója számára csak rendszergazdai jogokkal telepíthető vagy távolítható el. Futtassa újra rendszergazdaként.</translation>
    </message>
    <message>
        <source>Quenby has been installed for all users of this computer.

Setup did not start it. Open it from the Start menu. If Start with Windows was selected, it starts for each user when they sign in.</source>
        <comment>FINISH_MACHINE_TEXT</comment>
        <translation>A Quenby telepítése a számítógép minden felhasználója számára befejeződött.

A telepítő nem indította el. Indítsa el a Start menüből. Ha az „Indítás a Windows indításakor” lehetőség ki volt jelölve, minden felhasználónál elindul, amikor bejelentkezik.</translation>
    </message>
    <message>
        <source>The previous version is still running in another user&apos;s session and keeps running there until it is closed. Its files are removed when you restart the computer.</source>
        <comment>FINISH_SET_ASIDE</comment>
        <translation>Az előző verzió még fut egy másik felhasználó munkamenetében, és ott fut tovább, amíg be nem zárják. Fájljai a számítógép újraindításakor törlődnek.</translation>
    </message>
    <message>
        <source>%1 is in use in another user&apos;s session and was renamed to %2.</source>
        <comment>SET_ASIDE_DETAIL</comment>
        <extracomment>%1: the full path of a file of the previous version; %2: the name it was renamed to.</extracomment>
        <translation>%1: egy másik felhasználó munkamenetében használatban van, ezért új nevet kapott: %2.</translation>
    </message>
    <message>
        <source>Some of Quenby&apos;s files are in use in another user&apos;s session. They will be removed when you restart the computer.</source>
        <comment>UNINSTALL_IN_USE</comment>
        <translation>A Quenby néhány fájlja egy másik felhasználó munkamenetében használatban van. Ezek a számítógép újraindításakor törlődnek.</translation>
    </message>
</context>
<context>
    <name>Policies</name>
    <message>
        <source>Quenby %1 on Windows 10 and Windows 11</source>
        <extracomment>%1: Quenby&apos;s version number, as in 1.4.2.</extracomment>
        <translation>Quenby %1, Windows 10 és Windows 11 rendszeren</translation>
    </message>
    <message>
        <source>Target free RAM (MB)</source>
        <translation>Szabad memória célértéke (MB)</translation>
    </message>
    <message>
        <source>Sets &quot;%1&quot; of Quenby.</source>
        <extracomment>%1: the policy&apos;s name, as the line above the explanation shows it.</extracomment>
        <translation>A Quenby „%1” értékét állítja be.</translation>
    </message>
    <message>
        <source>three quarters of the installed RAM in MB</source>
        <translation>a telepített memória háromnegyede MB-ban</translation>
    </message>
    <message>
        <source>From %1 to %2.</source>
        <extracomment>The range a policy accepts. %1 and %2: numbers, or texts such as “the installed RAM in MB divided by 4”.</extracomment>
        <translation>Tartomány: %1 – %2.</translation>
    </message>
    <message>
        <source>the installed RAM in MB divided by %1</source>
        <extracomment>A bound of a range, or a default. %1: a number such as 4.</extracomment>
        <translation>a telepített memória 1/%1 része MB-ban</translation>
    </message>
    <message>
        <source>Without a policy: %1, unless the user chose otherwise.</source>
        <extracomment>%1: the default value, a number or a text such as “the installed RAM in MB divided by 4”.</extracomment>
        <translation>Házirend nélkül: %1, hacsak a felhasználó másként nem döntött.</translation>
    </message>
    <message>
        <source>A computer policy wins over a user policy, and both over the user&apos;s own choice, which the control panel then shows as &quot;Set by your administrator&quot;. When the policy is not configured, the user&apos;s own choice applies.</source>
        <translation>A számítógép-házirend elsőbbséget élvez a felhasználói házirenddel szemben, és mindkettő a felhasználó saját választásával szemben, amelyet a kezelőpanel ekkor „A rendszergazda állította be” felirattal jelenít meg. Ha a házirend nincs konfigurálva, a felhasználó saját választása érvényes.</translation>
    </message>
    <message>
        <source>Minimum free RAM (MB)</source>
        <translation>Minimális szabad memória (MB)</translation>
    </message>
    <message>
        <source>Free up RAM on startup</source>
        <translation>Memória felszabadítása indításkor</translation>
    </message>
    <message>
        <source>Enabled: on (1). Disabled: off (0).</source>
        <translation>Engedélyezve: be (1). Letiltva: ki (0).</translation>
    </message>
    <message>
        <source>RAM to free on startup (MB)</source>
        <translation>Indításkor felszabadítandó memória (MB)</translation>
    </message>
    <message>
        <source>Delay of the startup recovery (seconds)</source>
        <translation>Az indításkori felszabadítás késleltetése (másodperc)</translation>
    </message>
    <message>
        <source>RAM to free periodically (MB)</source>
        <translation>Rendszeresen felszabadítandó memória (MB)</translation>
    </message>
    <message>
        <source>Free up RAM every (minutes, 0 for never)</source>
        <translation>Memória felszabadításának gyakorisága (perc, 0 = soha)</translation>
    </message>
    <message>
        <source>Free RAM percentage shown with the periodic recovery</source>
        <translation>Szabad memória százaléka a rendszeres felszabadításnál</translation>
    </message>
    <message>
        <source>Disable CPU usage detection</source>
        <translation>CPU-használat figyelésének letiltása</translation>
    </message>
    <message>
        <source>Tray icon text color</source>
        <translation>Az értesítési területen lévő ikon szövegszíne</translation>
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
        <source>%1, %2</source>
        <extracomment>Joins the entries of a list: %1 is the list so far, %2 the next entry. Use the language&apos;s list separator.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Automatikus</translation>
    </message>
    <message>
        <source>One of: %1.</source>
        <extracomment>%1: the values a policy accepts, each its number and its name, as in “0 Black, 1 White, 2 Auto”.</extracomment>
        <translation>A következők egyike: %1.</translation>
    </message>
    <message>
        <source>Tray icon shows</source>
        <translation>Az értesítési területen lévő ikonon megjelenő adat</translation>
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
        <source>First recovery amount of the tray menu (MB)</source>
        <translation>Az értesítési terület menüjének első felszabadítási mennyisége (MB)</translation>
    </message>
    <message>
        <source>Second recovery amount of the tray menu (MB)</source>
        <translation>Az értesítési terület menüjének második felszabadítási mennyisége (MB)</translation>
    </message>
    <message>
        <source>Third recovery amount of the tray menu (MB)</source>
        <translation>Az értesítési terület menüjének harmadik felszabadítási mennyisége (MB)</translation>
    </message>
    <message>
        <source>Also clear the clipboard when freeing up RAM</source>
        <translation>A memória felszabadításakor a vágólap törlése is</translation>
    </message>
    <message>
        <source>Play alarm sound before freeing up RAM</source>
        <translation>Figyelmeztető hang lejátszása a memória felszabadítása előtt</translation>
    </message>
    <message>
        <source>Alarm sound file</source>
        <translation>Figyelmeztető hang fájlja</translation>
    </message>
    <message>
        <source>A full path, at most %1 characters.</source>
        <extracomment>%1: a number of characters, such as 259.</extracomment>
        <translation>Teljes elérési út, legfeljebb %1 karakter.</translation>
    </message>
    <message>
        <source>Free up RAM hot key (Ctrl + Alt + the key of this code)</source>
        <translation>Billentyűparancs a memória felszabadításához (Ctrl + Alt + az ezzel a kóddal jelölt billentyű)</translation>
    </message>
    <message>
        <source>Disable/enable hot key (Ctrl + Alt + the key of this code)</source>
        <translation>Billentyűparancs a letiltáshoz/engedélyezéshez (Ctrl + Alt + az ezzel a kóddal jelölt billentyű)</translation>
    </message>
    <message>
        <source>Show how much RAM was recovered</source>
        <translation>A felszabadított memória mennyiségének megjelenítése</translation>
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
        <source>Pause automatic recovery while one of these programs runs</source>
        <translation>Az automatikus felszabadítás szüneteltetése, amikor a következő programok egyike fut</translation>
    </message>
    <message>
        <source>Program file names separated by semicolons, such as game.exe;obs64.exe, at most %1 characters.</source>
        <extracomment>Keep the example file names as they are. %1: a number of characters, such as 1023.</extracomment>
        <translation>Programfájlnevek pontosvesszővel elválasztva, például game.exe;obs64.exe, legfeljebb %1 karakter.</translation>
    </message>
    <message>
        <source>Start Quenby automatically at Windows startup</source>
        <translation>A Quenby automatikus indítása a Windows indításakor</translation>
    </message>
    <message>
        <source>Enabled: the tray engine starts when the user signs in to Windows. Disabled: it does not. The engine brings the user&apos;s start-up entry in line when it starts.</source>
        <translation>Engedélyezve: az értesítési területen futó modul elindul, amikor a felhasználó bejelentkezik a Windowsba. Letiltva: nem indul el. A modul induláskor a felhasználó indítási bejegyzését is ehhez igazítja.</translation>
    </message>
    <message>
        <source>Settings of the Quenby RAM optimizer</source>
        <translation>A Quenby RAM-optimalizáló beállításai</translation>
    </message>
</context>
</TS>
