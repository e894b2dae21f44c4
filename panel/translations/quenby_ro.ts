<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ro">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation>Despre</translation>
    </message>
    <message>
        <source>Copyright © Quenby. All rights reserved.</source>
        <translation>Copyright © Quenby. Toate drepturile rezervate.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Închidere</translation>
    </message>
    <message>
        <source>Website:</source>
        <translation>Site web:</translation>
    </message>
    <message>
        <source>Version: %1.%2.%3 (Beta)</source>
        <translation>Versiune: %1.%2.%3 (beta)</translation>
    </message>
    <message>
        <source>for Windows %1</source>
        <translation>pentru Windows %1</translation>
    </message>
</context>
<context>
    <name>GraphForm</name>
    <message>
        <source>Usage graph of the free RAM</source>
        <translation>Graficul memoriei RAM libere</translation>
    </message>
    <message>
        <source>%1% of RAM free</source>
        <translation>Memorie RAM liberă: %1%</translation>
    </message>
</context>
<context>
    <name>HistoryPage</name>
    <message>
        <source>Low free RAM</source>
        <comment>what started a recovery</comment>
        <translation>Memorie RAM liberă insuficientă</translation>
    </message>
    <message>
        <source>Every few minutes</source>
        <comment>what started a recovery: the periodic rule</comment>
        <translation>La câteva minute</translation>
    </message>
    <message>
        <source>Startup</source>
        <comment>what started a recovery: the recovery after Quenby starts</comment>
        <translation>Pornire</translation>
    </message>
    <message>
        <source>Tray menu</source>
        <comment>what started a recovery</comment>
        <translation>Meniul din zona de notificare</translation>
    </message>
    <message>
        <source>Hot key</source>
        <comment>what started a recovery</comment>
        <translation>Tastă rapidă</translation>
    </message>
    <message>
        <source>Request</source>
        <comment>what started a recovery: another program (the command line) asked</comment>
        <translation>Solicitarea altui program</translation>
    </message>
    <message>
        <source>Ran</source>
        <translation>S-a efectuat</translation>
    </message>
    <message>
        <source>Did not run: the processor was busy</source>
        <translation>Nu s-a efectuat: procesorul era ocupat</translation>
    </message>
    <message>
        <source>Did not run: another user&apos;s recovery was running</source>
        <translation>Nu s-a efectuat: era în curs eliberarea memoriei RAM pornită de alt utilizator</translation>
    </message>
    <message>
        <source>Did not run: a full-screen program was running</source>
        <translation>Nu s-a efectuat: rula un program pe ecran complet</translation>
    </message>
    <message>
        <source>Did not run: a protected program was running</source>
        <translation>Nu s-a efectuat: rula unul dintre programele specificate</translation>
    </message>
    <message>
        <source>Did not run: paused after a recovery that could not help</source>
        <translation>Nu s-a efectuat: eliberarea automată era întreruptă după una care nu a ajutat</translation>
    </message>
    <message>
        <source>Did not run: more than three quarters of the RAM was free</source>
        <translation>Nu s-a efectuat: peste trei sferturi din memoria RAM era liberă</translation>
    </message>
    <message>
        <source>No recovery yet.</source>
        <translation>Nicio eliberare până acum.</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Când</translation>
    </message>
    <message>
        <source>Started by</source>
        <translation>Declanșată de</translation>
    </message>
    <message>
        <source>What happened</source>
        <translation>Rezultat</translation>
    </message>
    <message>
        <source>Before (MB)</source>
        <comment>column: free RAM before the recovery, in megabytes</comment>
        <translation>Înainte (MB)</translation>
    </message>
    <message>
        <source>After (MB)</source>
        <comment>column: free RAM after the recovery, in megabytes</comment>
        <translation>După (MB)</translation>
    </message>
    <message>
        <source>Used (MB)</source>
        <comment>column: the megabytes the recovery allocated and released</comment>
        <translation>Utilizată (MB)</translation>
    </message>
    <message>
        <source>Seconds</source>
        <comment>column: how long the recovery took</comment>
        <translation>Secunde</translation>
    </message>
    <message>
        <source>Free RAM before the recovery</source>
        <translation>Memorie RAM liberă înainte de eliberare</translation>
    </message>
    <message>
        <source>Free RAM after the recovery</source>
        <translation>Memorie RAM liberă după eliberare</translation>
    </message>
    <message>
        <source>The RAM the recovery took for a moment and gave back</source>
        <translation>Memoria RAM pe care eliberarea a ocupat-o pentru scurt timp și apoi a restituit-o</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Total RAM: n/a</source>
        <translation>Memorie RAM totală: necunoscută</translation>
    </message>
    <message>
        <source>Available RAM: n/a</source>
        <translation>Memorie RAM disponibilă: necunoscută</translation>
    </message>
    <message>
        <source>CPU Usage: n/a</source>
        <translation>Utilizare CPU: necunoscută</translation>
    </message>
    <message>
        <source>Free-up RAM</source>
        <translation>Eliberare memorie RAM</translation>
    </message>
    <message>
        <source>Target Free RAM:</source>
        <translation>Memorie RAM liberă țintă:</translation>
    </message>
    <message>
        <source>Minimum Free RAM:</source>
        <translation>Memorie RAM liberă minimă:</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Despre</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opțiuni</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvare</translation>
    </message>
    <message>
        <source>Enable RAM Optimizer</source>
        <translation>Activare optimizator RAM</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Dezactivare</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Ieșire</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>Fișierul nu există.</translation>
    </message>
    <message>
        <source>You are not allowed to run this file.</source>
        <translation>Nu aveți permisiunea să rulați acest fișier.</translation>
    </message>
    <message>
        <source>The file is not a program that can be run.</source>
        <translation>Fișierul nu este un program care poate fi rulat.</translation>
    </message>
    <message>
        <source>There is not enough memory to start it.</source>
        <translation>Nu există suficientă memorie pentru a-l porni.</translation>
    </message>
    <message>
        <source>The system refused to start it (error %1).</source>
        <translation>Sistemul a refuzat să-l pornească (eroare %1).</translation>
    </message>
    <message>
        <source>The RAM optimizer could not be started from %1.</source>
        <translation>Optimizatorul RAM nu a putut fi pornit din %1.</translation>
    </message>
    <message>
        <source>Total RAM: %1MB</source>
        <translation>Memorie RAM totală: %1 MB</translation>
    </message>
    <message>
        <source>Available RAM: %1MB (%2%)</source>
        <translation>Memorie RAM disponibilă: %1 MB (%2%)</translation>
    </message>
    <message>
        <source>CPU Usages: %1%</source>
        <translation>Utilizare CPU: %1%</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>Target free RAM, %1 MB</source>
        <translation>Memorie RAM liberă țintă, %1 MB</translation>
    </message>
    <message>
        <source>Minimum free RAM, %1 MB</source>
        <translation>Memorie RAM liberă minimă, %1 MB</translation>
    </message>
    <message>
        <source>Save the target and minimum free RAM</source>
        <translation>Salvare memorie RAM liberă țintă și minimă</translation>
    </message>
    <message>
        <source>Open the options</source>
        <translation>Deschidere opțiuni</translation>
    </message>
    <message>
        <source>Enable the RAM optimizer</source>
        <translation>Activare optimizator RAM</translation>
    </message>
    <message>
        <source>Disable the RAM optimizer</source>
        <translation>Dezactivare optimizator RAM</translation>
    </message>
    <message>
        <source>Close the RAM optimizer</source>
        <translation>Ieșire din optimizatorul RAM</translation>
    </message>
    <message>
        <source>About Quenby</source>
        <translation>Despre Quenby</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Ctrl+Alt+%1 can&apos;t be a hot key: your keyboard layout has no key for “%1”.</source>
        <translation>Ctrl+Alt+%1 nu poate fi tastă rapidă: aspectul tastaturii dvs. nu are nicio tastă pentru „%1”.</translation>
    </message>
    <message>
        <source>Ctrl+Alt+%1 can&apos;t be a hot key: on your keyboard layout it types “%2”, which every program would then lose.</source>
        <translation>Ctrl+Alt+%1 nu poate fi tastă rapidă: în aspectul tastaturii dvs. această combinație introduce „%2”, care nu ar mai putea fi tastat în niciun program.</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opțiuni</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Start Quenby automatically at Windows startup</source>
        <translation>Pornire automată Quenby la pornirea Windows</translation>
    </message>
    <message>
        <source>Free-up RAM on startup after</source>
        <translation>Eliberare memorie RAM la pornire după</translation>
    </message>
    <message>
        <source>MB of RAM on startup after</source>
        <translation>MB de memorie RAM la pornire după</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>secunde</translation>
    </message>
    <message>
        <source>Free-up RAM every</source>
        <translation>Eliberare memorie RAM la fiecare</translation>
    </message>
    <message>
        <source>MB every</source>
        <translation>MB la fiecare</translation>
    </message>
    <message>
        <source>minutes if free RAM below</source>
        <translation>minute, dacă memoria RAM liberă scade sub</translation>
    </message>
    <message>
        <source>Pause automatic recovery while it cannot help</source>
        <translation>Întreruperea eliberării automate cât timp aceasta nu ajută</translation>
    </message>
    <message>
        <source>Pause automatic recovery while a full-screen program runs</source>
        <translation>Întreruperea eliberării automate cât timp rulează un program pe ecran complet</translation>
    </message>
    <message>
        <source>CPU usage:</source>
        <translation>Utilizare CPU:</translation>
    </message>
    <message>
        <source>Disable CPU usage detection</source>
        <translation>Dezactivare detectare utilizare CPU</translation>
    </message>
    <message>
        <source>Enable the CPU usage detection to prevent Quenby recovering RAM when your CPU is busy. Please note that CPU cooling and few other programs use special method that cause the CPU usage always stay at 100% level. When you have this kind of situation, disable the CPU usage detection to allow Quenby recovering RAM at any CPU usage level.</source>
        <translation>Activați detectarea utilizării CPU pentru ca Quenby să nu elibereze memoria RAM când procesorul este ocupat. Rețineți că programele de răcire a procesorului și alte câteva programe folosesc o metodă specială din cauza căreia utilizarea CPU rămâne mereu la 100%. În această situație, dezactivați detectarea utilizării CPU pentru ca Quenby să poată elibera memoria RAM la orice nivel de utilizare CPU.</translation>
    </message>
    <message>
        <source>Tray Icon</source>
        <translation>Pictogramă în zona de notificare</translation>
    </message>
    <message>
        <source>Default:</source>
        <translation>Implicit:</translation>
    </message>
    <message>
        <source>Recovering RAM:</source>
        <translation>La eliberarea memoriei RAM:</translation>
    </message>
    <message>
        <source>Tray icon text color</source>
        <translation>Culoarea textului pictogramei din zona de notificare</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Afișare</translation>
    </message>
    <message>
        <source>in tray icon</source>
        <translation>în pictogramă</translation>
    </message>
    <message>
        <source>Show how much RAM was recovered</source>
        <translation>Afișare cantitate de memorie RAM eliberată</translation>
    </message>
    <message>
        <source>Popup Menu</source>
        <translation>Meniu contextual</translation>
    </message>
    <message>
        <source>Recover</source>
        <translation>Eliberare</translation>
    </message>
    <message>
        <source>MB menu</source>
        <translation>MB (meniu)</translation>
    </message>
    <message>
        <source>Others</source>
        <translation>Altele</translation>
    </message>
    <message>
        <source>Also clear Windows Clipboard when freeing up RAM</source>
        <translation>Golire și a clipboardului Windows la eliberarea memoriei RAM</translation>
    </message>
    <message>
        <source>Play alarm sound before freeing up RAM</source>
        <translation>Redare sunet de alarmă înainte de eliberarea memoriei RAM</translation>
    </message>
    <message>
        <source>Free up RAM hot key : Cltr + Alt +</source>
        <translation>Tastă rapidă pentru eliberarea memoriei RAM: Ctrl + Alt +</translation>
    </message>
    <message>
        <source>Disable/enable Quenby hotkey : Cltr + Alt +</source>
        <translation>Tastă rapidă pentru dezactivare/activare Quenby: Ctrl + Alt +</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvare</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anulare</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Negru</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Alb</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Automat</translation>
    </message>
    <message>
        <source>Percentage of CPU Usage</source>
        <translation>Procent utilizare CPU</translation>
    </message>
    <message>
        <source>Percentage of Free RAM</source>
        <translation>Procent memorie RAM liberă</translation>
    </message>
    <message>
        <source>RAM to free on startup, in MB</source>
        <translation>Memorie RAM de eliberat la pornire, în MB</translation>
    </message>
    <message>
        <source>Delay of the startup recovery, in seconds</source>
        <translation>Întârzierea eliberării la pornire, în secunde</translation>
    </message>
    <message>
        <source>RAM to free periodically, in MB</source>
        <translation>Memorie RAM de eliberat periodic, în MB</translation>
    </message>
    <message>
        <source>Free-up RAM every, in minutes (0 for never)</source>
        <translation>Interval de eliberare a memoriei RAM, în minute (0 = niciodată)</translation>
    </message>
    <message>
        <source>Only if free RAM is below, in percent</source>
        <translation>Doar dacă memoria RAM liberă scade sub această valoare, în procente</translation>
    </message>
    <message>
        <source>CPU usage</source>
        <translation>Utilizare CPU</translation>
    </message>
    <message>
        <source>What the tray icon shows</source>
        <translation>Ce afișează pictograma din zona de notificare</translation>
    </message>
    <message>
        <source>First recovery amount of the tray menu, in MB</source>
        <translation>Prima cantitate de eliberat din meniul zonei de notificare, în MB</translation>
    </message>
    <message>
        <source>Second recovery amount of the tray menu, in MB</source>
        <translation>A doua cantitate de eliberat din meniul zonei de notificare, în MB</translation>
    </message>
    <message>
        <source>Third recovery amount of the tray menu, in MB</source>
        <translation>A treia cantitate de eliberat din meniul zonei de notificare, în MB</translation>
    </message>
    <message>
        <source>Alarm sound file</source>
        <translation>Fișier sunet de alarmă</translation>
    </message>
    <message>
        <source>Choose the alarm sound file</source>
        <translation>Alegere fișier sunet de alarmă</translation>
    </message>
    <message>
        <source>Free up RAM hot key: Ctrl + Alt + this key</source>
        <translation>Tastă rapidă pentru eliberarea memoriei RAM: Ctrl + Alt + această tastă</translation>
    </message>
    <message>
        <source>Disable/enable hot key: Ctrl + Alt + this key</source>
        <translation>Tastă rapidă pentru dezactivare/activare: Ctrl + Alt + această tastă</translation>
    </message>
    <message>
        <source>Add Files</source>
        <translation>Adăugare fișiere</translation>
    </message>
    <message>
        <source>All Files (*.wav)</source>
        <translation>Toate fișierele (*.wav)</translation>
    </message>
    <message>
        <source>Pause automatic recovery while one of these programs runs:</source>
        <translation>Întreruperea eliberării automate cât timp rulează unul dintre aceste programe:</translation>
    </message>
    <message>
        <source>game.exe;obs64.exe</source>
        <extracomment>An example of the list: two program file names separated by a semicolon. Keep the names as they are.</extracomment>
        <translation>game.exe;obs64.exe</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Istoric</translation>
    </message>
    <message>
        <source>Program file names as Task Manager shows them, separated by semicolons.</source>
        <translation>Numele fișierelor programelor, așa cum le afișează Managerul de activități, separate prin punct și virgulă.</translation>
    </message>
    <message>
        <source>Ignored, as they are not program file names: %1</source>
        <comment>followed by the names</comment>
        <translation>Ignorate, deoarece nu sunt nume de fișiere de programe: %1</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Set by your administrator</source>
        <translation>Setat de administrator</translation>
    </message>
    <message>
        <source>Your administrator set Quenby to start automatically for every user of this PC.</source>
        <translation>Administratorul a setat ca Quenby să pornească automat pentru fiecare utilizator al acestui PC.</translation>
    </message>
</context>
</TS>
