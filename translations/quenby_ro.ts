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
        <extracomment>Closes this About box.</extracomment>
        <translation>Închidere</translation>
    </message>
    <message>
        <source>Website:</source>
        <translation>Site web:</translation>
    </message>
    <message>
        <source>Version: %1.%2.%3 (Beta)</source>
        <extracomment>%1, %2 and %3: the parts of the version number, as in 1.4.2.</extracomment>
        <translation>Versiune: %1.%2.%3 (beta)</translation>
    </message>
    <message>
        <source>for Windows %1</source>
        <extracomment>%1: the Windows version the panel runs on, 10 or 11.</extracomment>
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
        <extracomment>Read by screen readers for the usage graph. %1: the free share of the RAM in percent; the % after it is the percent sign.</extracomment>
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
        <extracomment>The title of the group with the two sliders that set the free-RAM levels.</extracomment>
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
        <extracomment>Stores the two free-RAM levels set with the sliders.</extracomment>
        <translation>Salvare</translation>
    </message>
    <message>
        <source>Enable RAM Optimizer</source>
        <translation>Activare optimizator RAM</translation>
    </message>
    <message>
        <source>Disable</source>
        <extracomment>Switches the automatic recovery off; the button then reads “Enable RAM Optimizer”.</extracomment>
        <translation>Dezactivare</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Ends the tray engine (the RAM optimizer itself), not only this window.</extracomment>
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
        <extracomment>Why the tray engine could not be started. %1: Windows&apos; error number.</extracomment>
        <translation>Sistemul a refuzat să-l pornească (eroare %1).</translation>
    </message>
    <message>
        <source>The RAM optimizer could not be started from %1.</source>
        <extracomment>%1: the full path of the tray engine&apos;s program file; a sentence saying why follows on the next line.</extracomment>
        <translation>Optimizatorul RAM nu a putut fi pornit din %1.</translation>
    </message>
    <message>
        <source>Total RAM: %1MB</source>
        <extracomment>%1: megabytes of RAM installed, a whole number.</extracomment>
        <translation>Memorie RAM totală: %1 MB</translation>
    </message>
    <message>
        <source>Available RAM: %1MB (%2%)</source>
        <extracomment>%1: megabytes of RAM available now; %2: that as a share of all RAM, in percent (the % after it is the percent sign).</extracomment>
        <translation>Memorie RAM disponibilă: %1 MB (%2%)</translation>
    </message>
    <message>
        <source>CPU Usages: %1%</source>
        <extracomment>%1: the processor load of the last second in percent; the % after it is the percent sign.</extracomment>
        <translation>Utilizare CPU: %1%</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <extracomment>%1: megabytes, the value the slider beside it is set to.</extracomment>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>Target free RAM, %1 MB</source>
        <extracomment>Read by screen readers for the slider. %1: the megabytes it is set to.</extracomment>
        <translation>Memorie RAM liberă țintă, %1 MB</translation>
    </message>
    <message>
        <source>Minimum free RAM, %1 MB</source>
        <extracomment>Read by screen readers for the slider. %1: the megabytes it is set to.</extracomment>
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
        <extracomment>%1: the character the user typed as the hot key, such as K.</extracomment>
        <translation>Ctrl+Alt+%1 nu poate fi tastă rapidă: aspectul tastaturii dvs. nu are nicio tastă pentru „%1”.</translation>
    </message>
    <message>
        <source>Ctrl+Alt+%1 can&apos;t be a hot key: on your keyboard layout it types “%2”, which every program would then lose.</source>
        <extracomment>%1: the character the user typed as the hot key; %2: the character that key combination types on the user&apos;s keyboard layout (as AltGr would).</extracomment>
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
        <extracomment>Start of a sentence the dialog puts together: this check box, a number of seconds, then “seconds”: “Free-up RAM on startup after [60] seconds”.</extracomment>
        <translation>Eliberare memorie RAM la pornire după</translation>
    </message>
    <message>
        <source>MB of RAM on startup after</source>
        <extracomment>A hidden part of the start-up sentence, after a number of megabytes.</extracomment>
        <translation>MB de memorie RAM la pornire după</translation>
    </message>
    <message>
        <source>seconds</source>
        <extracomment>End of the sentence “Free-up RAM on startup after [60] seconds”.</extracomment>
        <translation>secunde</translation>
    </message>
    <message>
        <source>Free-up RAM every</source>
        <extracomment>Start of a sentence the dialog puts together: “Free-up RAM every [4] minutes if free RAM below [50] %”.</extracomment>
        <translation>Eliberare memorie RAM la fiecare</translation>
    </message>
    <message>
        <source>MB every</source>
        <extracomment>A hidden part of the periodic sentence, after a number of megabytes.</extracomment>
        <translation>MB la fiecare</translation>
    </message>
    <message>
        <source>minutes if free RAM below</source>
        <extracomment>Middle of the sentence “Free-up RAM every [4] minutes if free RAM below [50] %”: between two numbers.</extracomment>
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
        <extracomment>Beside a bar that shows the processor load.</extracomment>
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
        <extracomment>Beside the picture of the tray icon as it normally looks.</extracomment>
        <translation>Implicit:</translation>
    </message>
    <message>
        <source>Recovering RAM:</source>
        <extracomment>Beside the picture of the tray icon while it recovers RAM.</extracomment>
        <translation>La eliberarea memoriei RAM:</translation>
    </message>
    <message>
        <source>Tray icon text color</source>
        <translation>Culoarea textului pictogramei din zona de notificare</translation>
    </message>
    <message>
        <source>Display</source>
        <extracomment>Start of “Display [Percentage of Free RAM] in tray icon”: a list to choose from follows.</extracomment>
        <translation>Afișare</translation>
    </message>
    <message>
        <source>in tray icon</source>
        <extracomment>End of “Display [Percentage of Free RAM] in tray icon”.</extracomment>
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
        <extracomment>Start of “Recover [512] MB menu”: sets the amount of one entry of the tray icon&apos;s menu.</extracomment>
        <translation>Eliberare</translation>
    </message>
    <message>
        <source>MB menu</source>
        <extracomment>End of “Recover [512] MB menu”.</extracomment>
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
        <translation type="vanished">Tastă rapidă pentru eliberarea memoriei RAM: Ctrl + Alt +</translation>
    </message>
    <message>
        <source>Disable/enable Quenby hotkey : Cltr + Alt +</source>
        <translation type="vanished">Tastă rapidă pentru dezactivare/activare Quenby: Ctrl + Alt +</translation>
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
    <message>
        <source>Free up RAM hot key: Ctrl + Alt +</source>
        <extracomment>A field for one key follows: Ctrl + Alt + that key frees up RAM in every program.</extracomment>
        <translation>Tastă rapidă pentru eliberarea memoriei RAM: Ctrl + Alt +</translation>
    </message>
    <message>
        <source>Disable/enable Quenby hot key: Ctrl + Alt +</source>
        <extracomment>A field for one key follows: Ctrl + Alt + that key switches the automatic recovery off and on.</extracomment>
        <translation>Tastă rapidă pentru dezactivare/activare Quenby: Ctrl + Alt +</translation>
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
<context>
    <name>QAbstractSpinBox</name>
    <message>
        <source>Step &amp;down</source>
        <translation>Descreș&amp;tere</translation>
    </message>
    <message>
        <source>&amp;Step up</source>
        <translation>Cr&amp;eștere</translation>
    </message>
    <message>
        <source>&amp;Select All</source>
        <translation>&amp;Selectare totală</translation>
    </message>
</context>
<context>
    <name>QComboBox</name>
    <message>
        <source>True</source>
        <translation>Adevărat</translation>
    </message>
    <message>
        <source>False</source>
        <translation>Fals</translation>
    </message>
    <message>
        <source>Open the combo box selection popup</source>
        <translation>Deschiderea listei casetei combo</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>Back</source>
        <translation>Înapoi</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Deschidere</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Deschidere</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salvare</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Fișiere</translation>
    </message>
    <message>
        <source>Show </source>
        <translation>Afișare </translation>
    </message>
    <message>
        <source>&apos;%1&apos; is write protected.
Do you want to delete it anyway?</source>
        <translation>„%1” este protejat la scriere.
Doriți totuși să-l ștergeți?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete &apos;%1&apos;?</source>
        <translation>Sigur doriți să ștergeți „%1”?</translation>
    </message>
    <message>
        <source>List of places and bookmarks</source>
        <translation>Lista de locații și marcaje</translation>
    </message>
    <message>
        <source>File &amp;name:</source>
        <translation>&amp;Nume fișier:</translation>
    </message>
    <message>
        <source>Alt+Left</source>
        <translation>Alt+Left</translation>
    </message>
    <message>
        <source>Alt+Up</source>
        <translation>Alt+Up</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Ștergere</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Folder nou</translation>
    </message>
    <message>
        <source>Parent Directory</source>
        <translation>Folderul părinte</translation>
    </message>
    <message>
        <source>&amp;New Folder</source>
        <translation>&amp;Folder nou</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Eliminare</translation>
    </message>
    <message>
        <source>Look in:</source>
        <translation>Căutare în:</translation>
    </message>
    <message>
        <source>Alt+Right</source>
        <translation>Alt+Right</translation>
    </message>
    <message>
        <source>Create a New Folder</source>
        <translation>Creare folder nou</translation>
    </message>
    <message>
        <source>Files of type:</source>
        <translation>Fișiere de tipul:</translation>
    </message>
    <message>
        <source>Find Directory</source>
        <translation>Găsire folder</translation>
    </message>
    <message>
        <source>Show &amp;hidden files</source>
        <translation>Afișare fișiere &amp;ascunse</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Salvare ca</translation>
    </message>
    <message>
        <source>%1
Directory not found.
Please verify the correct directory name was given.</source>
        <translation>%1
Folderul nu a fost găsit.
Verificați dacă numele folderului este corect.</translation>
    </message>
    <message>
        <source>Sidebar</source>
        <translation>Bară laterală</translation>
    </message>
    <message>
        <source>List View</source>
        <translation>Vizualizare listă</translation>
    </message>
    <message>
        <source>&amp;Choose</source>
        <translation>&amp;Alegere</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>Ș&amp;tergere</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Toate fișierele (*)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Toate fișierele (*)</translation>
    </message>
    <message>
        <source>Directories</source>
        <translation>Foldere</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>&amp;Redenumire</translation>
    </message>
    <message>
        <source>Could not delete directory.</source>
        <translation>Folderul nu a putut fi șters.</translation>
    </message>
    <message>
        <source>Directory:</source>
        <translation>Folder:</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 există deja.
Doriți să-l înlocuiți?</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Înainte</translation>
    </message>
    <message>
        <source>Go forward</source>
        <translation>Deplasare înainte</translation>
    </message>
    <message>
        <source>Go to the parent directory</source>
        <translation>Salt la folderul părinte</translation>
    </message>
    <message>
        <source>Recent Places</source>
        <translation>Locații recente</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>Deplasare înapoi</translation>
    </message>
    <message>
        <source>Change to detail view mode</source>
        <translation>Comutare la vizualizarea detaliată</translation>
    </message>
    <message>
        <source>Create New Folder</source>
        <translation>Creare folder nou</translation>
    </message>
    <message>
        <source>Detail View</source>
        <translation>Vizualizare detaliată</translation>
    </message>
    <message>
        <source>%1
File not found.
Please verify the correct file name was given.</source>
        <translation>%1
Fișierul nu a fost găsit.
Verificați dacă numele fișierului este corect.</translation>
    </message>
    <message>
        <source>Change to list view mode</source>
        <translation>Comutare la vizualizarea listă</translation>
    </message>
</context>
<context>
    <name>QFileSystemModel</name>
    <message>
        <source>Kind</source>
        <translation>Categorie</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nume</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Dimensiune</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tip</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>Computerul meu</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>Data modificării</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Decupare</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiere</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Refacere</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Anulare</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Lipire</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Ștergere</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Selectare totală</translation>
    </message>
</context>
<context>
    <name>QMessageBox</name>
    <message>
        <source>Show Details...</source>
        <translation>Afișare detalii...</translation>
    </message>
    <message>
        <source>About Qt</source>
        <translation>Despre Qt</translation>
    </message>
    <message>
        <source>Hide Details...</source>
        <translation>Ascundere detalii...</translation>
    </message>
    <message>
        <source>&lt;h3&gt;About Qt&lt;/h3&gt;&lt;p&gt;This program uses Qt version %1.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Despre Qt&lt;/h3&gt;&lt;p&gt;Acest program utilizează Qt versiunea %1.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Qt is a C++ toolkit for cross-platform application development.&lt;/p&gt;&lt;p&gt;Qt provides single-source portability across all major desktop operating systems. It is also available for embedded Linux and other embedded and mobile operating systems.&lt;/p&gt;&lt;p&gt;Qt is available under multiple licensing options designed to accommodate the needs of our various users.&lt;/p&gt;&lt;p&gt;Qt licensed under our commercial license agreement is appropriate for development of proprietary/commercial software where you do not want to share any source code with third parties or otherwise cannot comply with the terms of GNU (L)GPL.&lt;/p&gt;&lt;p&gt;Qt licensed under GNU (L)GPL is appropriate for the development of Qt&amp;nbsp;applications provided you can comply with the terms and conditions of the respective licenses.&lt;/p&gt;&lt;p&gt;Please see &lt;a href=&quot;http://%2/&quot;&gt;%2&lt;/a&gt; for an overview of Qt licensing.&lt;/p&gt;&lt;p&gt;Copyright (C) %1 The Qt Company Ltd and other contributors.&lt;/p&gt;&lt;p&gt;Qt and the Qt logo are trademarks of The Qt Company Ltd.&lt;/p&gt;&lt;p&gt;Qt is The Qt Company Ltd product developed as an open source project. See &lt;a href=&quot;http://%3/&quot;&gt;%3&lt;/a&gt; for more information.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Qt este un set de instrumente C++ pentru dezvoltarea de aplicații pe mai multe platforme.&lt;/p&gt;&lt;p&gt;Qt oferă portabilitate dintr-o singură sursă pe toate sistemele de operare desktop importante. Este disponibil și pentru Linux încorporat și pentru alte sisteme de operare încorporate și mobile.&lt;/p&gt;&lt;p&gt;Qt este disponibil sub mai multe opțiuni de licențiere, concepute pentru a răspunde nevoilor diverșilor noștri utilizatori.&lt;/p&gt;&lt;p&gt;Qt licențiat conform acordului nostru de licență comercială este potrivit pentru dezvoltarea de software proprietar/comercial, când nu doriți să partajați codul sursă cu terți sau nu puteți respecta în alt mod condițiile GNU (L)GPL.&lt;/p&gt;&lt;p&gt;Qt licențiat sub GNU (L)GPL este potrivit pentru dezvoltarea de aplicații Qt&amp;nbsp;dacă puteți respecta termenii și condițiile licențelor respective.&lt;/p&gt;&lt;p&gt;Consultați &lt;a href=&quot;http://%2/&quot;&gt;%2&lt;/a&gt; pentru o prezentare generală a licențierii Qt.&lt;/p&gt;&lt;p&gt;Copyright (C) %1 The Qt Company Ltd și alți colaboratori.&lt;/p&gt;&lt;p&gt;Qt și sigla Qt sunt mărci comerciale ale The Qt Company Ltd.&lt;/p&gt;&lt;p&gt;Qt este un produs al The Qt Company Ltd, dezvoltat ca proiect open source. Consultați &lt;a href=&quot;http://%3/&quot;&gt;%3&lt;/a&gt; pentru mai multe informații.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nu</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Da</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajutor</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Deschidere</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvare</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Abandonare</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicare</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Închidere</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Resetare</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Reîncercare</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Restabilire valori implicite</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anulare</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignorare</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>N&amp;u la toate</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>Salvare toate</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Renunțare</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>Da la &amp;toate</translation>
    </message>
</context>
<context>
    <name>Quenbytray</name>
    <message>
        <source>Restart Windows</source>
        <comment>104</comment>
        <translation>Repornire Windows</translation>
    </message>
    <message>
        <source>Suspend Windows</source>
        <comment>105</comment>
        <translation>Repaus</translation>
    </message>
    <message>
        <source>Shutdown Windows</source>
        <comment>106</comment>
        <translation>Închidere Windows</translation>
    </message>
    <message>
        <source>Clear Clipboard</source>
        <comment>107</comment>
        <translation>Golire clipboard</translation>
    </message>
    <message>
        <source>Free-up RAM Manually
</source>
        <comment>108</comment>
        <extracomment>A menu item that frees up RAM now; the line end stays.</extracomment>
        <translation>Eliberare manuală memorie RAM
</translation>
    </message>
    <message>
        <source>Configuration...</source>
        <comment>110</comment>
        <translation>Opțiuni...</translation>
    </message>
    <message>
        <source>Disable RAM Optimizer</source>
        <comment>111</comment>
        <translation>Dezactivare optimizator RAM</translation>
    </message>
    <message>
        <source>Enable RAM Optimizer</source>
        <comment>112</comment>
        <translation>Activare optimizator RAM</translation>
    </message>
    <message>
        <source>Close RAM Optimizer</source>
        <comment>113</comment>
        <extracomment>Ends the tray engine: its icon and the automatic recovery go away.</extracomment>
        <translation>Ieșire din optimizatorul RAM</translation>
    </message>
    <message>
        <source>Do you want to restart your computer now?</source>
        <comment>114</comment>
        <translation>Doriți să reporniți computerul acum?</translation>
    </message>
    <message>
        <source>Do you want to suspend your computer now?</source>
        <comment>115</comment>
        <translation>Doriți să treceți computerul în repaus acum?</translation>
    </message>
    <message>
        <source>Do you want to shutdown your computer now?</source>
        <comment>116</comment>
        <translation>Doriți să închideți computerul acum?</translation>
    </message>
    <message>
        <source>Confirm</source>
        <comment>117</comment>
        <extracomment>The title of the box that asks before a restart, a sleep or a shutdown.</extracomment>
        <translation>Confirmare</translation>
    </message>
    <message>
        <source>RAM Optimizer
</source>
        <comment>118</comment>
        <extracomment>The first line of the tray icon&apos;s tooltip; the line end stays.</extracomment>
        <translation>Optimizator RAM
</translation>
    </message>
    <message>
        <source>Free RAM: %1 MB (%2%)
</source>
        <comment>119</comment>
        <extracomment>The second line of the tooltip. %1: megabytes of free RAM; %2: that as a share of all RAM in percent, the % after it being the percent sign. The line end stays.</extracomment>
        <translation>Memorie RAM liberă: %1 MB (%2%)
</translation>
    </message>
    <message>
        <source>CPU Usage: %1%</source>
        <comment>121</comment>
        <extracomment>The third line of the tooltip. %1: the processor load in percent; the % after it is the percent sign.</extracomment>
        <translation>Utilizare CPU: %1%</translation>
    </message>
    <message>
        <source>CreateProcess failed (%1).</source>
        <comment>122</comment>
        <extracomment>%1: Windows&apos; error number when the control panel could not be started.</extracomment>
        <translation>CreateProcess a eșuat (%1).</translation>
    </message>
    <message>
        <source>Error</source>
        <comment>123</comment>
        <extracomment>The title of a box that says something failed.</extracomment>
        <translation>Eroare</translation>
    </message>
    <message>
        <source>RAM Optimizer</source>
        <comment>124</comment>
        <extracomment>The title of the notices the tray icon shows.</extracomment>
        <translation>Optimizator RAM</translation>
    </message>
    <message>
        <source>Recovered %1 MB, %2 MB free now</source>
        <comment>125</comment>
        <extracomment>A notice after a recovery. %1: the megabytes recovered; %2: the megabytes free now.</extracomment>
        <translation>S-au eliberat %1 MB, acum sunt liberi %2 MB</translation>
    </message>
    <message>
        <source>No RAM could be recovered</source>
        <comment>126</comment>
        <translation>Nu s-a putut elibera memorie RAM</translation>
    </message>
    <message>
        <source>Windows could not be restarted (error %1). %2</source>
        <comment>127</comment>
        <extracomment>%1: Windows&apos; error number; %2: Windows&apos; own description of the error, a sentence or empty.</extracomment>
        <translation>Windows nu a putut fi repornit (eroare %1). %2</translation>
    </message>
    <message>
        <source>Windows could not be suspended (error %1). %2</source>
        <comment>128</comment>
        <extracomment>%1: Windows&apos; error number; %2: Windows&apos; own description of the error, a sentence or empty.</extracomment>
        <translation>Computerul nu a putut fi trecut în repaus (eroare %1). %2</translation>
    </message>
    <message>
        <source>Windows could not be shut down (error %1). %2</source>
        <comment>129</comment>
        <extracomment>%1: Windows&apos; error number; %2: Windows&apos; own description of the error, a sentence or empty.</extracomment>
        <translation>Windows nu a putut fi închis (eroare %1). %2</translation>
    </message>
    <message>
        <source>Hot key not available</source>
        <comment>132</comment>
        <translation>Tastă rapidă indisponibilă</translation>
    </message>
    <message>
        <source>The hot key Ctrl+Alt+%1 could not be registered: another program uses it.</source>
        <comment>133</comment>
        <extracomment>%1: the character of the hot key, such as K.</extracomment>
        <translation>Tasta rapidă Ctrl+Alt+%1 nu a putut fi înregistrată: o folosește alt program.</translation>
    </message>
    <message>
        <source>The hot key Ctrl+Alt+%1 was not registered: on your keyboard layout it types “%2”.</source>
        <comment>134</comment>
        <extracomment>%1: the character of the hot key; %2: the character the key combination types on the user&apos;s keyboard layout.</extracomment>
        <translation>Tasta rapidă Ctrl+Alt+%1 nu a fost înregistrată: în aspectul tastaturii dvs. această combinație introduce „%2”.</translation>
    </message>
    <message>
        <source>The hot key Ctrl+Alt+%1 was not registered: your keyboard layout has no such key.</source>
        <comment>135</comment>
        <extracomment>%1: the character of the hot key.</extracomment>
        <translation>Tasta rapidă Ctrl+Alt+%1 nu a fost înregistrată: aspectul tastaturii dvs. nu are o astfel de tastă.</translation>
    </message>
    <message>
        <source>This computer uses Modern Standby, which only Windows itself can start: to let it sleep, press its power button or choose Power &gt; Sleep in the Start menu.</source>
        <comment>137</comment>
        <translation>Acest computer utilizează Modern Standby, pe care doar Windows însuși îl poate porni: pentru a-l trece în repaus, apăsați butonul său de alimentare sau alegeți Alimentare &gt; Repaus din meniul Start.</translation>
    </message>
    <message>
        <source>This computer may not be able to sleep, and Windows may hibernate it instead. Do you want to go on?</source>
        <comment>138</comment>
        <translation>Este posibil ca acest computer să nu poată trece în repaus, iar Windows l-ar putea trece în schimb în hibernare. Doriți să continuați?</translation>
    </message>
</context>
<context>
    <name>Setup</name>
    <message>
        <source>Quenby is still running and could not be closed.</source>
        <comment>STILL_RUNNING_DETAIL</comment>
        <translation>Quenby încă rulează și nu a putut fi închis.</translation>
    </message>
    <message>
        <source>Quenby is still running and could not be closed.

Close it (tray menu: Close RAM Optimizer; and the control panel&apos;s window), then choose Retry.</source>
        <comment>STILL_RUNNING_BOX</comment>
        <translation>Quenby încă rulează și nu a putut fi închis.

Închideți-l (din meniul din zona de notificare: Ieșire din optimizatorul RAM; și fereastra panoului de comandă), apoi alegeți Reîncercare.</translation>
    </message>
    <message>
        <source>Quenby is still running; nothing was changed.</source>
        <comment>STILL_RUNNING_ABORT</comment>
        <translation>Quenby încă rulează; nu s-a modificat nimic.</translation>
    </message>
    <message>
        <source>Quenby&apos;s setup or uninstaller is already running.</source>
        <comment>ALREADY_RUNNING</comment>
        <translation>Programul de instalare sau de dezinstalare Quenby rulează deja.</translation>
    </message>
    <message>
        <source>Closing Quenby if it runs...</source>
        <comment>CLOSING</comment>
        <translation>Se închide Quenby, dacă rulează...</translation>
    </message>
    <message>
        <source>Quenby control panel: RAM and CPU figures and the options</source>
        <comment>PANEL_LINK_DESCRIPTION</comment>
        <translation>Panoul de comandă Quenby: date despre memoria RAM și CPU și opțiunile</translation>
    </message>
    <message>
        <source>Quenby tray engine</source>
        <comment>ENGINE_LINK_NAME</comment>
        <extracomment>The name of the Start-menu shortcut to the tray engine.</extracomment>
        <translation>Quenby în zona de notificare</translation>
    </message>
    <message>
        <source>Start Quenby&apos;s tray engine, which recovers RAM</source>
        <comment>ENGINE_LINK_DESCRIPTION</comment>
        <translation>Pornește modulul Quenby din zona de notificare, care eliberează memoria RAM</translation>
    </message>
    <message>
        <source>Quenby (required)</source>
        <comment>SECTION_PROGRAM</comment>
        <translation>Quenby (obligatoriu)</translation>
    </message>
    <message>
        <source>Start with Windows</source>
        <comment>SECTION_AUTOSTART</comment>
        <translation>Pornire odată cu Windows</translation>
    </message>
    <message>
        <source>Starting the tray engine again...</source>
        <comment>RESTARTING_ENGINE</comment>
        <translation>Se pornește din nou modulul din zona de notificare...</translation>
    </message>
    <message>
        <source>The tray engine, the control panel, the command-line client quenbyctl and Start-menu shortcuts.</source>
        <comment>SECTION_PROGRAM_DESCRIPTION</comment>
        <translation>Modulul din zona de notificare, panoul de comandă, clientul de linie de comandă quenbyctl și comenzile rapide din meniul Start.</translation>
    </message>
    <message>
        <source>Start the tray engine when you sign in to Windows.</source>
        <comment>SECTION_AUTOSTART_DESCRIPTION</comment>
        <translation>Pornește modulul din zona de notificare când vă conectați la Windows.</translation>
    </message>
    <message>
        <source>Unknown value /AUTOSTART=%1: use /AUTOSTART=1 or /AUTOSTART=0.</source>
        <comment>BAD_AUTOSTART</comment>
        <extracomment>$1 (%1 for translators): the value given after /AUTOSTART= on the command line.</extracomment>
        <translation>Valoare necunoscută /AUTOSTART=%1: utilizați /AUTOSTART=1 sau /AUTOSTART=0.</translation>
    </message>
    <message>
        <source>Open the Quenby control panel</source>
        <comment>FINISH_RUN</comment>
        <translation>Deschide panoul de comandă Quenby</translation>
    </message>
    <message>
        <source>Installing or removing Quenby for all users of this computer needs administrator rights. Run it again as an administrator.</source>
        <comment>NEEDS_ADMINISTRATOR</comment>
        <translation>Instalarea sau eliminarea Quenby pentru toți utilizatorii acestui computer necesită drepturi de administrator. Rulați-l din nou ca administrator.</translation>
    </message>
    <message>
        <source>Quenby has been installed for all users of this computer.

Setup did not start it. Open it from the Start menu. If Start with Windows was selected, it starts for each user when they sign in.</source>
        <comment>FINISH_MACHINE_TEXT</comment>
        <translation>Quenby a fost instalat pentru toți utilizatorii acestui computer.

Programul de instalare nu l-a pornit. Deschideți-l din meniul Start. Dacă ați selectat „Pornire odată cu Windows”, acesta pornește pentru fiecare utilizator când se conectează.</translation>
    </message>
    <message>
        <source>The previous version is still running in another user&apos;s session and keeps running there until it is closed. Its files are removed when you restart the computer.</source>
        <comment>FINISH_SET_ASIDE</comment>
        <translation>Versiunea anterioară încă rulează în sesiunea altui utilizator și va rula acolo până când este închisă. Fișierele sale vor fi eliminate când reporniți computerul.</translation>
    </message>
    <message>
        <source>%1 is in use in another user&apos;s session and was renamed to %2.</source>
        <comment>SET_ASIDE_DETAIL</comment>
        <extracomment>%1: the full path of a file of the previous version; %2: the name it was renamed to.</extracomment>
        <translation>%1 este utilizat în sesiunea altui utilizator și a fost redenumit în %2.</translation>
    </message>
    <message>
        <source>Some of Quenby&apos;s files are in use in another user&apos;s session. They will be removed when you restart the computer.</source>
        <comment>UNINSTALL_IN_USE</comment>
        <translation>Unele fișiere Quenby sunt utilizate în sesiunea altui utilizator. Vor fi eliminate când reporniți computerul.</translation>
    </message>
</context>
<context>
    <name>Policies</name>
    <message>
        <source>Quenby %1 on Windows 10 and Windows 11</source>
        <extracomment>%1: Quenby&apos;s version number, as in 1.4.2.</extracomment>
        <translation>Quenby %1 pe Windows 10 și Windows 11</translation>
    </message>
    <message>
        <source>Target free RAM (MB)</source>
        <translation>Memorie RAM liberă țintă (MB)</translation>
    </message>
    <message>
        <source>Sets &quot;%1&quot; of Quenby.</source>
        <extracomment>%1: the policy&apos;s name, as the line above the explanation shows it.</extracomment>
        <translation>Setează valoarea „%1” din Quenby.</translation>
    </message>
    <message>
        <source>three quarters of the installed RAM in MB</source>
        <translation>trei sferturi din memoria RAM instalată, în MB</translation>
    </message>
    <message>
        <source>From %1 to %2.</source>
        <extracomment>The range a policy accepts. %1 and %2: numbers, or texts such as “the installed RAM in MB divided by 4”.</extracomment>
        <translation>De la %1 la %2.</translation>
    </message>
    <message>
        <source>the installed RAM in MB divided by %1</source>
        <extracomment>A bound of a range, or a default. %1: a number such as 4.</extracomment>
        <translation>memoria RAM instalată, în MB, împărțită la %1</translation>
    </message>
    <message>
        <source>Without a policy: %1, unless the user chose otherwise.</source>
        <extracomment>%1: the default value, a number or a text such as “the installed RAM in MB divided by 4”.</extracomment>
        <translation>Fără politică: %1, dacă utilizatorul nu a ales altceva.</translation>
    </message>
    <message>
        <source>A computer policy wins over a user policy, and both over the user&apos;s own choice, which the control panel then shows as &quot;Set by your administrator&quot;. When the policy is not configured, the user&apos;s own choice applies.</source>
        <translation>O politică de computer are prioritate față de o politică de utilizator, iar ambele față de alegerea proprie a utilizatorului, pe care panoul de comandă o afișează atunci ca „Setat de administrator”. Când politica nu este configurată, se aplică alegerea proprie a utilizatorului.</translation>
    </message>
    <message>
        <source>Minimum free RAM (MB)</source>
        <translation>Memorie RAM liberă minimă (MB)</translation>
    </message>
    <message>
        <source>Free up RAM on startup</source>
        <translation>Eliberare memorie RAM la pornire</translation>
    </message>
    <message>
        <source>Enabled: on (1). Disabled: off (0).</source>
        <translation>Activat: pornit (1). Dezactivat: oprit (0).</translation>
    </message>
    <message>
        <source>RAM to free on startup (MB)</source>
        <translation>Memorie RAM de eliberat la pornire (MB)</translation>
    </message>
    <message>
        <source>Delay of the startup recovery (seconds)</source>
        <translation>Întârzierea eliberării la pornire (secunde)</translation>
    </message>
    <message>
        <source>RAM to free periodically (MB)</source>
        <translation>Memorie RAM de eliberat periodic (MB)</translation>
    </message>
    <message>
        <source>Free up RAM every (minutes, 0 for never)</source>
        <translation>Interval de eliberare a memoriei RAM (minute, 0 = niciodată)</translation>
    </message>
    <message>
        <source>Free RAM percentage shown with the periodic recovery</source>
        <translation>Procent de memorie RAM liberă pentru eliberarea periodică</translation>
    </message>
    <message>
        <source>Disable CPU usage detection</source>
        <translation>Dezactivare detectare utilizare CPU</translation>
    </message>
    <message>
        <source>Tray icon text color</source>
        <translation>Culoarea textului pictogramei din zona de notificare</translation>
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
        <source>%1, %2</source>
        <extracomment>Joins the entries of a list: %1 is the list so far, %2 the next entry. Use the language&apos;s list separator.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Automat</translation>
    </message>
    <message>
        <source>One of: %1.</source>
        <extracomment>%1: the values a policy accepts, each its number and its name, as in “0 Black, 1 White, 2 Auto”.</extracomment>
        <translation>Una dintre valorile: %1.</translation>
    </message>
    <message>
        <source>Tray icon shows</source>
        <translation>Ce afișează pictograma din zona de notificare</translation>
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
        <source>First recovery amount of the tray menu (MB)</source>
        <translation>Prima cantitate de eliberat din meniul zonei de notificare (MB)</translation>
    </message>
    <message>
        <source>Second recovery amount of the tray menu (MB)</source>
        <translation>A doua cantitate de eliberat din meniul zonei de notificare (MB)</translation>
    </message>
    <message>
        <source>Third recovery amount of the tray menu (MB)</source>
        <translation>A treia cantitate de eliberat din meniul zonei de notificare (MB)</translation>
    </message>
    <message>
        <source>Also clear the clipboard when freeing up RAM</source>
        <translation>Golire și a clipboardului la eliberarea memoriei RAM</translation>
    </message>
    <message>
        <source>Play alarm sound before freeing up RAM</source>
        <translation>Redare sunet de alarmă înainte de eliberarea memoriei RAM</translation>
    </message>
    <message>
        <source>Alarm sound file</source>
        <translation>Fișier sunet de alarmă</translation>
    </message>
    <message>
        <source>A full path, at most %1 characters.</source>
        <extracomment>%1: a number of characters, such as 259.</extracomment>
        <translation>O cale completă; număr maxim de caractere: %1.</translation>
    </message>
    <message>
        <source>Free up RAM hot key (Ctrl + Alt + the key of this code)</source>
        <translation>Tastă rapidă pentru eliberarea memoriei RAM (Ctrl + Alt + tasta cu acest cod)</translation>
    </message>
    <message>
        <source>Disable/enable hot key (Ctrl + Alt + the key of this code)</source>
        <translation>Tastă rapidă pentru dezactivare/activare (Ctrl + Alt + tasta cu acest cod)</translation>
    </message>
    <message>
        <source>Show how much RAM was recovered</source>
        <translation>Afișare cantitate de memorie RAM eliberată</translation>
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
        <source>Pause automatic recovery while one of these programs runs</source>
        <translation>Întreruperea eliberării automate cât timp rulează unul dintre aceste programe</translation>
    </message>
    <message>
        <source>Program file names separated by semicolons, such as game.exe;obs64.exe, at most %1 characters.</source>
        <extracomment>Keep the example file names as they are. %1: a number of characters, such as 1023.</extracomment>
        <translation>Numele fișierelor programelor, separate prin punct și virgulă, de exemplu game.exe;obs64.exe, cel mult %1 caractere.</translation>
    </message>
    <message>
        <source>Start Quenby automatically at Windows startup</source>
        <translation>Pornire automată Quenby la pornirea Windows</translation>
    </message>
    <message>
        <source>Enabled: the tray engine starts when the user signs in to Windows. Disabled: it does not. The engine brings the user&apos;s start-up entry in line when it starts.</source>
        <translation>Activat: modulul din zona de notificare pornește când utilizatorul se conectează la Windows. Dezactivat: nu pornește. La pornire, modulul aliniază intrarea de pornire a utilizatorului la această politică.</translation>
    </message>
    <message>
        <source>Settings of the Quenby RAM optimizer</source>
        <translation>Setările optimizatorului RAM Quenby</translation>
    </message>
</context>
</TS>
