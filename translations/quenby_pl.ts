<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation>Informacje</translation>
    </message>
    <message>
        <source>Copyright © Quenby. All rights reserved.</source>
        <translation>Copyright © Quenby. Wszelkie prawa zastrzeżone.</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Closes this About box.</extracomment>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Website:</source>
        <translation>Witryna:</translation>
    </message>
    <message>
        <source>Version: %1.%2.%3 (Beta)</source>
        <extracomment>%1, %2 and %3: the parts of the version number, as in 1.4.2.</extracomment>
        <translation>Wersja: %1.%2.%3 (beta)</translation>
    </message>
    <message>
        <source>for Windows %1</source>
        <extracomment>%1: the Windows version the panel runs on, 10 or 11.</extracomment>
        <translation>dla Windows %1</translation>
    </message>
</context>
<context>
    <name>GraphForm</name>
    <message>
        <source>Usage graph of the free RAM</source>
        <translation>Wykres wolnej pamięci RAM</translation>
    </message>
    <message>
        <source>%1% of RAM free</source>
        <extracomment>Read by screen readers for the usage graph. %1: the free share of the RAM in percent; the % after it is the percent sign.</extracomment>
        <translation>%1% wolnej pamięci</translation>
    </message>
</context>
<context>
    <name>HistoryPage</name>
    <message>
        <source>Low free RAM</source>
        <comment>what started a recovery</comment>
        <translation>Mało wolnej pamięci</translation>
    </message>
    <message>
        <source>Every few minutes</source>
        <comment>what started a recovery: the periodic rule</comment>
        <translation>Okresowo</translation>
    </message>
    <message>
        <source>Startup</source>
        <comment>what started a recovery: the recovery after Quenby starts</comment>
        <translation>Przy starcie</translation>
    </message>
    <message>
        <source>Tray menu</source>
        <comment>what started a recovery</comment>
        <translation>Menu w obszarze powiadomień</translation>
    </message>
    <message>
        <source>Hot key</source>
        <comment>what started a recovery</comment>
        <translation>Klawisz skrótu</translation>
    </message>
    <message>
        <source>Request</source>
        <comment>what started a recovery: another program (the command line) asked</comment>
        <translation>Żądanie innego programu</translation>
    </message>
    <message>
        <source>Ran</source>
        <translation>Wykonano</translation>
    </message>
    <message>
        <source>Did not run: the processor was busy</source>
        <translation>Nie wykonano: procesor był zajęty</translation>
    </message>
    <message>
        <source>Did not run: another user&apos;s recovery was running</source>
        <translation>Nie wykonano: trwało zwalnianie pamięci innego użytkownika</translation>
    </message>
    <message>
        <source>Did not run: a full-screen program was running</source>
        <translation>Nie wykonano: działał program w trybie pełnoekranowym</translation>
    </message>
    <message>
        <source>Did not run: a protected program was running</source>
        <translation>Nie wykonano: działał program chroniony</translation>
    </message>
    <message>
        <source>Did not run: paused after a recovery that could not help</source>
        <translation>Nie wykonano: wstrzymano po zwalnianiu, które nie pomogło</translation>
    </message>
    <message>
        <source>Did not run: more than three quarters of the RAM was free</source>
        <translation>Nie wykonano: ponad trzy czwarte pamięci było wolne</translation>
    </message>
    <message>
        <source>No recovery yet.</source>
        <translation>Nie było jeszcze zwalniania pamięci.</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Kiedy</translation>
    </message>
    <message>
        <source>Started by</source>
        <translation>Uruchomione przez</translation>
    </message>
    <message>
        <source>What happened</source>
        <translation>Wynik</translation>
    </message>
    <message>
        <source>Before (MB)</source>
        <comment>column: free RAM before the recovery, in megabytes</comment>
        <translation>Przed (MB)</translation>
    </message>
    <message>
        <source>After (MB)</source>
        <comment>column: free RAM after the recovery, in megabytes</comment>
        <translation>Po (MB)</translation>
    </message>
    <message>
        <source>Used (MB)</source>
        <comment>column: the megabytes the recovery allocated and released</comment>
        <translation>Użyte (MB)</translation>
    </message>
    <message>
        <source>Seconds</source>
        <comment>column: how long the recovery took</comment>
        <translation>Sekundy</translation>
    </message>
    <message>
        <source>Free RAM before the recovery</source>
        <translation>Wolna pamięć przed zwalnianiem</translation>
    </message>
    <message>
        <source>Free RAM after the recovery</source>
        <translation>Wolna pamięć po zwalnianiu</translation>
    </message>
    <message>
        <source>The RAM the recovery took for a moment and gave back</source>
        <translation>Pamięć, którą zwalnianie na chwilę zajęło i oddało</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Total RAM: n/a</source>
        <translation>Pamięć ogółem: b.d.</translation>
    </message>
    <message>
        <source>Available RAM: n/a</source>
        <translation>Dostępna pamięć: b.d.</translation>
    </message>
    <message>
        <source>CPU Usage: n/a</source>
        <translation>Użycie CPU: b.d.</translation>
    </message>
    <message>
        <source>Free-up RAM</source>
        <extracomment>The title of the group with the two sliders that set the free-RAM levels.</extracomment>
        <translation>Zwolnij pamięć</translation>
    </message>
    <message>
        <source>Target Free RAM:</source>
        <translation>Docelowa wolna pamięć:</translation>
    </message>
    <message>
        <source>Minimum Free RAM:</source>
        <translation>Minimalna wolna pamięć:</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informacje</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opcje</translation>
    </message>
    <message>
        <source>Save</source>
        <extracomment>Stores the two free-RAM levels set with the sliders.</extracomment>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Enable RAM Optimizer</source>
        <translation>Włącz optymalizator RAM</translation>
    </message>
    <message>
        <source>Disable</source>
        <extracomment>Switches the automatic recovery off; the button then reads “Enable RAM Optimizer”.</extracomment>
        <translation>Wyłącz</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Ends the tray engine (the RAM optimizer itself), not only this window.</extracomment>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>Plik nie istnieje.</translation>
    </message>
    <message>
        <source>You are not allowed to run this file.</source>
        <translation>Nie masz uprawnień do uruchomienia tego pliku.</translation>
    </message>
    <message>
        <source>The file is not a program that can be run.</source>
        <translation>Ten plik nie jest programem, który można uruchomić.</translation>
    </message>
    <message>
        <source>There is not enough memory to start it.</source>
        <translation>Za mało pamięci, aby go uruchomić.</translation>
    </message>
    <message>
        <source>The system refused to start it (error %1).</source>
        <extracomment>Why the tray engine could not be started. %1: Windows&apos; error number.</extracomment>
        <translation>System odmówił jego uruchomienia (błąd %1).</translation>
    </message>
    <message>
        <source>The RAM optimizer could not be started from %1.</source>
        <extracomment>%1: the full path of the tray engine&apos;s program file; a sentence saying why follows on the next line.</extracomment>
        <translation>Nie można uruchomić optymalizatora RAM z lokalizacji %1.</translation>
    </message>
    <message>
        <source>Total RAM: %1MB</source>
        <extracomment>%1: megabytes of RAM installed, a whole number.</extracomment>
        <translation>Pamięć ogółem: %1 MB</translation>
    </message>
    <message>
        <source>Available RAM: %1MB (%2%)</source>
        <extracomment>%1: megabytes of RAM available now; %2: that as a share of all RAM, in percent (the % after it is the percent sign).</extracomment>
        <translation>Dostępna pamięć: %1 MB (%2%)</translation>
    </message>
    <message>
        <source>CPU Usages: %1%</source>
        <extracomment>%1: the processor load of the last second in percent; the % after it is the percent sign.</extracomment>
        <translation>Użycie CPU: %1%</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <extracomment>%1: megabytes, the value the slider beside it is set to.</extracomment>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>Target free RAM, %1 MB</source>
        <extracomment>Read by screen readers for the slider. %1: the megabytes it is set to.</extracomment>
        <translation>Docelowa wolna pamięć, %1 MB</translation>
    </message>
    <message>
        <source>Minimum free RAM, %1 MB</source>
        <extracomment>Read by screen readers for the slider. %1: the megabytes it is set to.</extracomment>
        <translation>Minimalna wolna pamięć, %1 MB</translation>
    </message>
    <message>
        <source>Save the target and minimum free RAM</source>
        <translation>Zapisz docelową i minimalną wolną pamięć</translation>
    </message>
    <message>
        <source>Open the options</source>
        <translation>Otwórz opcje</translation>
    </message>
    <message>
        <source>Enable the RAM optimizer</source>
        <translation>Włącz optymalizator RAM</translation>
    </message>
    <message>
        <source>Disable the RAM optimizer</source>
        <translation>Wyłącz optymalizator RAM</translation>
    </message>
    <message>
        <source>Close the RAM optimizer</source>
        <translation>Zakończ działanie optymalizatora RAM</translation>
    </message>
    <message>
        <source>About Quenby</source>
        <translation>Informacje o Quenby</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Ctrl+Alt+%1 can&apos;t be a hot key: your keyboard layout has no key for “%1”.</source>
        <extracomment>%1: the character the user typed as the hot key, such as K.</extracomment>
        <translation>Ctrl+Alt+%1 nie może być klawiszem skrótu: Twój układ klawiatury nie ma klawisza dla „%1”.</translation>
    </message>
    <message>
        <source>Ctrl+Alt+%1 can&apos;t be a hot key: on your keyboard layout it types “%2”, which every program would then lose.</source>
        <extracomment>%1: the character the user typed as the hot key; %2: the character that key combination types on the user&apos;s keyboard layout (as AltGr would).</extracomment>
        <translation>Ctrl+Alt+%1 nie może być klawiszem skrótu: w Twoim układzie klawiatury wpisuje on „%2”, którego żaden program nie mógłby wtedy otrzymać.</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opcje</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Ogólne</translation>
    </message>
    <message>
        <source>Start Quenby automatically at Windows startup</source>
        <translation>Uruchamiaj Quenby automatycznie wraz z systemem Windows</translation>
    </message>
    <message>
        <source>Free-up RAM on startup after</source>
        <extracomment>Start of a sentence the dialog puts together: this check box, a number of seconds, then “seconds”: “Free-up RAM on startup after [60] seconds”.</extracomment>
        <translation>Zwalniaj pamięć przy starcie po</translation>
    </message>
    <message>
        <source>MB of RAM on startup after</source>
        <extracomment>A hidden part of the start-up sentence, after a number of megabytes.</extracomment>
        <translation>MB pamięci przy starcie po</translation>
    </message>
    <message>
        <source>seconds</source>
        <extracomment>End of the sentence “Free-up RAM on startup after [60] seconds”.</extracomment>
        <translation>sekundach</translation>
    </message>
    <message>
        <source>Free-up RAM every</source>
        <extracomment>Start of a sentence the dialog puts together: “Free-up RAM every [4] minutes if free RAM below [50] %”.</extracomment>
        <translation>Zwalniaj pamięć co</translation>
    </message>
    <message>
        <source>MB every</source>
        <extracomment>A hidden part of the periodic sentence, after a number of megabytes.</extracomment>
        <translation>MB co</translation>
    </message>
    <message>
        <source>minutes if free RAM below</source>
        <extracomment>Middle of the sentence “Free-up RAM every [4] minutes if free RAM below [50] %”: between two numbers.</extracomment>
        <translation>min, gdy wolna pamięć jest poniżej</translation>
    </message>
    <message>
        <source>Pause automatic recovery while it cannot help</source>
        <translation>Wstrzymuj automatyczne zwalnianie, gdy nie pomaga</translation>
    </message>
    <message>
        <source>Pause automatic recovery while a full-screen program runs</source>
        <translation>Wstrzymuj automatyczne zwalnianie, gdy działa program w trybie pełnoekranowym</translation>
    </message>
    <message>
        <source>CPU usage:</source>
        <extracomment>Beside a bar that shows the processor load.</extracomment>
        <translation>Użycie CPU:</translation>
    </message>
    <message>
        <source>Disable CPU usage detection</source>
        <translation>Wyłącz wykrywanie użycia CPU</translation>
    </message>
    <message>
        <source>Enable the CPU usage detection to prevent Quenby recovering RAM when your CPU is busy. Please note that CPU cooling and few other programs use special method that cause the CPU usage always stay at 100% level. When you have this kind of situation, disable the CPU usage detection to allow Quenby recovering RAM at any CPU usage level.</source>
        <translation>Włącz wykrywanie użycia CPU, aby Quenby nie zwalniał pamięci, gdy procesor jest zajęty. Uwaga: programy do chłodzenia procesora i kilka innych programów używają specjalnej metody, przez którą użycie CPU stale wynosi 100%. W takiej sytuacji wyłącz wykrywanie użycia CPU, aby Quenby mógł zwalniać pamięć przy dowolnym użyciu CPU.</translation>
    </message>
    <message>
        <source>Tray Icon</source>
        <translation>Ikona</translation>
    </message>
    <message>
        <source>Default:</source>
        <extracomment>Beside the picture of the tray icon as it normally looks.</extracomment>
        <translation>Domyślny:</translation>
    </message>
    <message>
        <source>Recovering RAM:</source>
        <extracomment>Beside the picture of the tray icon while it recovers RAM.</extracomment>
        <translation>Podczas zwalniania pamięci:</translation>
    </message>
    <message>
        <source>Tray icon text color</source>
        <translation>Kolor tekstu ikony</translation>
    </message>
    <message>
        <source>Display</source>
        <extracomment>Start of “Display [Percentage of Free RAM] in tray icon”: a list to choose from follows.</extracomment>
        <translation>Wyświetlaj</translation>
    </message>
    <message>
        <source>in tray icon</source>
        <extracomment>End of “Display [Percentage of Free RAM] in tray icon”.</extracomment>
        <translation>na ikonie</translation>
    </message>
    <message>
        <source>Show how much RAM was recovered</source>
        <translation>Pokazuj, ile pamięci zwolniono</translation>
    </message>
    <message>
        <source>Popup Menu</source>
        <translation>Menu podręczne</translation>
    </message>
    <message>
        <source>Recover</source>
        <extracomment>Start of “Recover [512] MB menu”: sets the amount of one entry of the tray icon&apos;s menu.</extracomment>
        <translation>Zwolnij</translation>
    </message>
    <message>
        <source>MB menu</source>
        <extracomment>End of “Recover [512] MB menu”.</extracomment>
        <translation>MB (menu)</translation>
    </message>
    <message>
        <source>Others</source>
        <translation>Inne</translation>
    </message>
    <message>
        <source>Also clear Windows Clipboard when freeing up RAM</source>
        <translation>Czyść również schowek systemu Windows przy zwalnianiu pamięci</translation>
    </message>
    <message>
        <source>Play alarm sound before freeing up RAM</source>
        <translation>Odtwarzaj dźwięk alarmu przed zwolnieniem pamięci</translation>
    </message>
    <message>
        <source>Free up RAM hot key : Cltr + Alt +</source>
        <translation type="vanished">Klawisz skrótu zwalniania pamięci: Ctrl + Alt +</translation>
    </message>
    <message>
        <source>Disable/enable Quenby hotkey : Cltr + Alt +</source>
        <translation type="vanished">Klawisz skrótu wyłączania/włączania Quenby: Ctrl + Alt +</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Czarny</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Biały</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Automatyczny</translation>
    </message>
    <message>
        <source>Percentage of CPU Usage</source>
        <translation>Procent użycia CPU</translation>
    </message>
    <message>
        <source>Percentage of Free RAM</source>
        <translation>Procent wolnej pamięci</translation>
    </message>
    <message>
        <source>RAM to free on startup, in MB</source>
        <translation>Pamięć do zwolnienia przy starcie, w MB</translation>
    </message>
    <message>
        <source>Delay of the startup recovery, in seconds</source>
        <translation>Opóźnienie zwalniania przy starcie, w sekundach</translation>
    </message>
    <message>
        <source>RAM to free periodically, in MB</source>
        <translation>Pamięć do okresowego zwalniania, w MB</translation>
    </message>
    <message>
        <source>Free-up RAM every, in minutes (0 for never)</source>
        <translation>Zwalniaj pamięć co, w minutach (0 – nigdy)</translation>
    </message>
    <message>
        <source>Only if free RAM is below, in percent</source>
        <translation>Tylko gdy wolna pamięć jest poniżej, w procentach</translation>
    </message>
    <message>
        <source>CPU usage</source>
        <translation>Użycie CPU</translation>
    </message>
    <message>
        <source>What the tray icon shows</source>
        <translation>Co pokazuje ikona w obszarze powiadomień</translation>
    </message>
    <message>
        <source>First recovery amount of the tray menu, in MB</source>
        <translation>Pierwsza ilość do zwolnienia w menu w obszarze powiadomień, w MB</translation>
    </message>
    <message>
        <source>Second recovery amount of the tray menu, in MB</source>
        <translation>Druga ilość do zwolnienia w menu w obszarze powiadomień, w MB</translation>
    </message>
    <message>
        <source>Third recovery amount of the tray menu, in MB</source>
        <translation>Trzecia ilość do zwolnienia w menu w obszarze powiadomień, w MB</translation>
    </message>
    <message>
        <source>Alarm sound file</source>
        <translation>Plik dźwięku alarmu</translation>
    </message>
    <message>
        <source>Choose the alarm sound file</source>
        <translation>Wybierz plik dźwięku alarmu</translation>
    </message>
    <message>
        <source>Free up RAM hot key: Ctrl + Alt + this key</source>
        <translation>Klawisz skrótu zwalniania pamięci: Ctrl + Alt + ten klawisz</translation>
    </message>
    <message>
        <source>Disable/enable hot key: Ctrl + Alt + this key</source>
        <translation>Klawisz skrótu wyłączania/włączania: Ctrl + Alt + ten klawisz</translation>
    </message>
    <message>
        <source>Add Files</source>
        <translation>Dodaj pliki</translation>
    </message>
    <message>
        <source>All Files (*.wav)</source>
        <translation>Wszystkie pliki (*.wav)</translation>
    </message>
    <message>
        <source>Pause automatic recovery while one of these programs runs:</source>
        <translation>Wstrzymuj automatyczne zwalnianie, gdy działa jeden z tych programów:</translation>
    </message>
    <message>
        <source>game.exe;obs64.exe</source>
        <extracomment>An example of the list: two program file names separated by a semicolon. Keep the names as they are.</extracomment>
        <translation>game.exe;obs64.exe</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historia</translation>
    </message>
    <message>
        <source>Program file names as Task Manager shows them, separated by semicolons.</source>
        <translation>Nazwy plików programów, tak jak pokazuje je Menedżer zadań, rozdzielone średnikami.</translation>
    </message>
    <message>
        <source>Ignored, as they are not program file names: %1</source>
        <comment>followed by the names</comment>
        <translation>Zignorowano, ponieważ nie są to nazwy plików programów: %1</translation>
    </message>
    <message>
        <source>Free up RAM hot key: Ctrl + Alt +</source>
        <extracomment>A field for one key follows: Ctrl + Alt + that key frees up RAM in every program.</extracomment>
        <translation>Klawisz skrótu zwalniania pamięci: Ctrl + Alt +</translation>
    </message>
    <message>
        <source>Disable/enable Quenby hot key: Ctrl + Alt +</source>
        <extracomment>A field for one key follows: Ctrl + Alt + that key switches the automatic recovery off and on.</extracomment>
        <translation>Klawisz skrótu wyłączania/włączania Quenby: Ctrl + Alt +</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Set by your administrator</source>
        <translation>Ustawione przez administratora</translation>
    </message>
    <message>
        <source>Your administrator set Quenby to start automatically for every user of this PC.</source>
        <translation>Administrator ustawił automatyczne uruchamianie programu Quenby dla wszystkich użytkowników tego komputera.</translation>
    </message>
</context>
<context>
    <name>Quenbytray</name>
    <message>
        <source>Restart Windows</source>
        <comment>104</comment>
        <translation>Uruchom ponownie system</translation>
    </message>
    <message>
        <source>Suspend Windows</source>
        <comment>105</comment>
        <translation>Uśpij komputer</translation>
    </message>
    <message>
        <source>Shutdown Windows</source>
        <comment>106</comment>
        <translation>Zamknij system</translation>
    </message>
    <message>
        <source>Clear Clipboard</source>
        <comment>107</comment>
        <translation>Wyczyść schowek</translation>
    </message>
    <message>
        <source>Free-up RAM Manually
</source>
        <comment>108</comment>
        <extracomment>A menu item that frees up RAM now; the line end stays.</extracomment>
        <translation>Zwolnij pamięć ręcznie
</translation>
    </message>
    <message>
        <source>Configuration...</source>
        <comment>110</comment>
        <translation>Opcje...</translation>
    </message>
    <message>
        <source>Disable RAM Optimizer</source>
        <comment>111</comment>
        <translation>Wyłącz optymalizator RAM</translation>
    </message>
    <message>
        <source>Enable RAM Optimizer</source>
        <comment>112</comment>
        <translation>Włącz optymalizator RAM</translation>
    </message>
    <message>
        <source>Close RAM Optimizer</source>
        <comment>113</comment>
        <extracomment>Ends the tray engine: its icon and the automatic recovery go away.</extracomment>
        <translation>Zakończ działanie optymalizatora RAM</translation>
    </message>
    <message>
        <source>Do you want to restart your computer now?</source>
        <comment>114</comment>
        <translation>Czy chcesz teraz ponownie uruchomić komputer?</translation>
    </message>
    <message>
        <source>Do you want to suspend your computer now?</source>
        <comment>115</comment>
        <translation>Czy chcesz teraz uśpić komputer?</translation>
    </message>
    <message>
        <source>Do you want to shutdown your computer now?</source>
        <comment>116</comment>
        <translation>Czy chcesz teraz zamknąć komputer?</translation>
    </message>
    <message>
        <source>Confirm</source>
        <comment>117</comment>
        <extracomment>The title of the box that asks before a restart, a sleep or a shutdown.</extracomment>
        <translation>Potwierdzenie</translation>
    </message>
    <message>
        <source>RAM Optimizer
</source>
        <comment>118</comment>
        <extracomment>The first line of the tray icon&apos;s tooltip; the line end stays.</extracomment>
        <translation>Optymalizator RAM
</translation>
    </message>
    <message>
        <source>Free RAM: %1 MB (%2%)
</source>
        <comment>119</comment>
        <extracomment>The second line of the tooltip. %1: megabytes of free RAM; %2: that as a share of all RAM in percent, the % after it being the percent sign. The line end stays.</extracomment>
        <translation>Wolna pamięć: %1 MB (%2%)
</translation>
    </message>
    <message>
        <source>CPU Usage: %1%</source>
        <comment>121</comment>
        <extracomment>The third line of the tooltip. %1: the processor load in percent; the % after it is the percent sign.</extracomment>
        <translation>Użycie CPU: %1%</translation>
    </message>
    <message>
        <source>CreateProcess failed (%1).</source>
        <comment>122</comment>
        <extracomment>%1: Windows&apos; error number when the control panel could not be started.</extracomment>
        <translation>Błąd funkcji CreateProcess (%1).</translation>
    </message>
    <message>
        <source>Error</source>
        <comment>123</comment>
        <extracomment>The title of a box that says something failed.</extracomment>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>RAM Optimizer</source>
        <comment>124</comment>
        <extracomment>The title of the notices the tray icon shows.</extracomment>
        <translation>Optymalizator RAM</translation>
    </message>
    <message>
        <source>Recovered %1 MB, %2 MB free now</source>
        <comment>125</comment>
        <extracomment>A notice after a recovery. %1: the megabytes recovered; %2: the megabytes free now.</extracomment>
        <translation>Zwolniono %1 MB, teraz wolne: %2 MB</translation>
    </message>
    <message>
        <source>No RAM could be recovered</source>
        <comment>126</comment>
        <translation>Nie udało się zwolnić pamięci</translation>
    </message>
    <message>
        <source>Windows could not be restarted (error %1). %2</source>
        <comment>127</comment>
        <extracomment>%1: Windows&apos; error number; %2: Windows&apos; own description of the error, a sentence or empty.</extracomment>
        <translation>Nie można ponownie uruchomić systemu Windows (błąd %1). %2</translation>
    </message>
    <message>
        <source>Windows could not be suspended (error %1). %2</source>
        <comment>128</comment>
        <extracomment>%1: Windows&apos; error number; %2: Windows&apos; own description of the error, a sentence or empty.</extracomment>
        <translation>Nie można uśpić komputera (błąd %1). %2</translation>
    </message>
    <message>
        <source>Windows could not be shut down (error %1). %2</source>
        <comment>129</comment>
        <extracomment>%1: Windows&apos; error number; %2: Windows&apos; own description of the error, a sentence or empty.</extracomment>
        <translation>Nie można zamknąć systemu Windows (błąd %1). %2</translation>
    </message>
    <message>
        <source>Hot key not available</source>
        <comment>132</comment>
        <translation>Klawisz skrótu niedostępny</translation>
    </message>
    <message>
        <source>The hot key Ctrl+Alt+%1 could not be registered: another program uses it.</source>
        <comment>133</comment>
        <extracomment>%1: the character of the hot key, such as K.</extracomment>
        <translation>Nie można zarejestrować klawisza skrótu Ctrl+Alt+%1: używa go inny program.</translation>
    </message>
    <message>
        <source>The hot key Ctrl+Alt+%1 was not registered: on your keyboard layout it types “%2”.</source>
        <comment>134</comment>
        <extracomment>%1: the character of the hot key; %2: the character the key combination types on the user&apos;s keyboard layout.</extracomment>
        <translation>Nie zarejestrowano klawisza skrótu Ctrl+Alt+%1: w Twoim układzie klawiatury wpisuje on „%2”.</translation>
    </message>
    <message>
        <source>The hot key Ctrl+Alt+%1 was not registered: your keyboard layout has no such key.</source>
        <comment>135</comment>
        <extracomment>%1: the character of the hot key.</extracomment>
        <translation>Nie zarejestrowano klawisza skrótu Ctrl+Alt+%1: Twój układ klawiatury nie ma takiego klawisza.</translation>
    </message>
    <message>
        <source>This computer uses Modern Standby, which only Windows itself can start: to let it sleep, press its power button or choose Power &gt; Sleep in the Start menu.</source>
        <comment>137</comment>
        <translation>Ten komputer korzysta z funkcji Modern Standby, którą może uruchomić tylko sam system Windows: aby go uśpić, naciśnij jego przycisk zasilania lub wybierz Zasilanie &gt; Uśpij w menu Start.</translation>
    </message>
    <message>
        <source>This computer may not be able to sleep, and Windows may hibernate it instead. Do you want to go on?</source>
        <comment>138</comment>
        <translation>Tego komputera może nie dać się uśpić, a system Windows może zamiast tego przełączyć go w stan hibernacji. Czy chcesz kontynuować?</translation>
    </message>
</context>
<context>
    <name>Setup</name>
    <message>
        <source>Quenby is still running and could not be closed.</source>
        <comment>STILL_RUNNING_DETAIL</comment>
        <translation>Program Quenby nadal działa i nie udało się go zamknąć.</translation>
    </message>
    <message>
        <source>Quenby is still running and could not be closed.

Close it (tray menu: Close RAM Optimizer; and the control panel&apos;s window), then choose Retry.</source>
        <comment>STILL_RUNNING_BOX</comment>
        <translation>Program Quenby nadal działa i nie udało się go zamknąć.

Zamknij go (w menu w obszarze powiadomień: Zakończ działanie optymalizatora RAM; oraz okno panelu zarządzania Quenby), a następnie wybierz Ponów próbę.</translation>
    </message>
    <message>
        <source>Quenby is still running; nothing was changed.</source>
        <comment>STILL_RUNNING_ABORT</comment>
        <translation>Program Quenby nadal działa; niczego nie zmieniono.</translation>
    </message>
    <message>
        <source>Quenby&apos;s setup or uninstaller is already running.</source>
        <comment>ALREADY_RUNNING</comment>
        <translation>Instalator lub dezinstalator programu Quenby jest już uruchomiony.</translation>
    </message>
    <message>
        <source>Closing Quenby if it runs...</source>
        <comment>CLOSING</comment>
        <translation>Zamykanie programu Quenby, jeśli działa...</translation>
    </message>
    <message>
        <source>Quenby control panel: RAM and CPU figures and the options</source>
        <comment>PANEL_LINK_DESCRIPTION</comment>
        <translation>Panel zarządzania Quenby: dane pamięci RAM i procesora oraz opcje</translation>
    </message>
    <message>
        <source>Quenby tray engine</source>
        <comment>ENGINE_LINK_NAME</comment>
        <extracomment>The name of the Start-menu shortcut to the tray engine.</extracomment>
        <translation>Quenby w obszarze powiadomień</translation>
    </message>
    <message>
        <source>Start Quenby&apos;s tray engine, which recovers RAM</source>
        <comment>ENGINE_LINK_DESCRIPTION</comment>
        <translation>Uruchom moduł Quenby w obszarze powiadomień, który zwalnia pamięć RAM</translation>
    </message>
    <message>
        <source>Quenby (required)</source>
        <comment>SECTION_PROGRAM</comment>
        <translation>Quenby (wymagane)</translation>
    </message>
    <message>
        <source>Start with Windows</source>
        <comment>SECTION_AUTOSTART</comment>
        <translation>Uruchamianie z systemem Windows</translation>
    </message>
    <message>
        <source>Starting the tray engine again...</source>
        <comment>RESTARTING_ENGINE</comment>
        <translation>Ponowne uruchamianie modułu w obszarze powiadomień...</translation>
    </message>
    <message>
        <source>The tray engine, the control panel, the command-line client quenbyctl and Start-menu shortcuts.</source>
        <comment>SECTION_PROGRAM_DESCRIPTION</comment>
        <translation>Moduł w obszarze powiadomień, panel zarządzania, klient wiersza polecenia quenbyctl i skróty w menu Start.</translation>
    </message>
    <message>
        <source>Start the tray engine when you sign in to Windows.</source>
        <comment>SECTION_AUTOSTART_DESCRIPTION</comment>
        <translation>Uruchamiaj moduł w obszarze powiadomień po zalogowaniu do systemu Windows.</translation>
    </message>
    <message>
        <source>Unknown value /AUTOSTART=%1: use /AUTOSTART=1 or /AUTOSTART=0.</source>
        <comment>BAD_AUTOSTART</comment>
        <extracomment>$1 (%1 for translators): the value given after /AUTOSTART= on the command line.</extracomment>
        <translation>Nieznana wartość /AUTOSTART=%1: użyj /AUTOSTART=1 lub /AUTOSTART=0.</translation>
    </message>
    <message>
        <source>Open the Quenby control panel</source>
        <comment>FINISH_RUN</comment>
        <translation>Otwórz panel zarządzania Quenby</translation>
    </message>
    <message>
        <source>Installing or removing Quenby for all users of this computer needs administrator rights. Run it again as an administrator.</source>
        <comment>NEEDS_ADMINISTRATOR</comment>
        <translation>Instalowanie lub usuwanie programu Quenby dla wszystkich użytkowników tego komputera wymaga uprawnień administratora. Uruchom go ponownie jako administrator.</translation>
    </message>
    <message>
        <source>Quenby has been installed for all users of this computer.

Setup did not start it. Open it from the Start menu. If Start with Windows was selected, it starts for each user when they sign in.</source>
        <comment>FINISH_MACHINE_TEXT</comment>
        <translation>Program Quenby został zainstalowany dla wszystkich użytkowników tego komputera.

Instalator go nie uruchomił. Otwórz go z menu Start. Jeśli wybrano opcję „Uruchamianie z systemem Windows”, program uruchamia się dla każdego użytkownika po zalogowaniu.</translation>
    </message>
    <message>
        <source>The previous version is still running in another user&apos;s session and keeps running there until it is closed. Its files are removed when you restart the computer.</source>
        <comment>FINISH_SET_ASIDE</comment>
        <translation>Poprzednia wersja nadal działa w sesji innego użytkownika i będzie działać do czasu jej zamknięcia. Jej pliki zostaną usunięte po ponownym uruchomieniu komputera.</translation>
    </message>
    <message>
        <source>%1 is in use in another user&apos;s session and was renamed to %2.</source>
        <comment>SET_ASIDE_DETAIL</comment>
        <extracomment>%1: the full path of a file of the previous version; %2: the name it was renamed to.</extracomment>
        <translation>Plik %1 jest używany w sesji innego użytkownika i zmieniono jego nazwę na %2.</translation>
    </message>
    <message>
        <source>Some of Quenby&apos;s files are in use in another user&apos;s session. They will be removed when you restart the computer.</source>
        <comment>UNINSTALL_IN_USE</comment>
        <translation>Niektóre pliki programu Quenby są używane w sesji innego użytkownika. Zostaną usunięte po ponownym uruchomieniu komputera.</translation>
    </message>
</context>
<context>
    <name>Policies</name>
    <message>
        <source>Quenby %1 on Windows 10 and Windows 11</source>
        <extracomment>%1: Quenby&apos;s version number, as in 1.4.2.</extracomment>
        <translation>Quenby %1 w systemach Windows 10 i Windows 11</translation>
    </message>
    <message>
        <source>Target free RAM (MB)</source>
        <translation>Docelowa ilość wolnej pamięci (MB)</translation>
    </message>
    <message>
        <source>Sets &quot;%1&quot; of Quenby.</source>
        <extracomment>%1: the policy&apos;s name, as the line above the explanation shows it.</extracomment>
        <translation>Ustawia wartość „%1” programu Quenby.</translation>
    </message>
    <message>
        <source>three quarters of the installed RAM in MB</source>
        <translation>trzy czwarte zainstalowanej pamięci RAM w MB</translation>
    </message>
    <message>
        <source>From %1 to %2.</source>
        <extracomment>The range a policy accepts. %1 and %2: numbers, or texts such as “the installed RAM in MB divided by 4”.</extracomment>
        <translation>Zakres: %1 – %2.</translation>
    </message>
    <message>
        <source>the installed RAM in MB divided by %1</source>
        <extracomment>A bound of a range, or a default. %1: a number such as 4.</extracomment>
        <translation>zainstalowana pamięć RAM w MB podzielona przez %1</translation>
    </message>
    <message>
        <source>Without a policy: %1, unless the user chose otherwise.</source>
        <extracomment>%1: the default value, a number or a text such as “the installed RAM in MB divided by 4”.</extracomment>
        <translation>Bez zasad: %1, chyba że użytkownik wybrał inaczej.</translation>
    </message>
    <message>
        <source>A computer policy wins over a user policy, and both over the user&apos;s own choice, which the control panel then shows as &quot;Set by your administrator&quot;. When the policy is not configured, the user&apos;s own choice applies.</source>
        <translation>Zasady komputera mają pierwszeństwo przed zasadami użytkownika, a jedne i drugie przed własnym wyborem użytkownika, który panel zarządzania pokazuje wtedy jako „Ustawione przez administratora”. Gdy zasady nie są skonfigurowane, obowiązuje własny wybór użytkownika.</translation>
    </message>
    <message>
        <source>Minimum free RAM (MB)</source>
        <translation>Minimalna ilość wolnej pamięci (MB)</translation>
    </message>
    <message>
        <source>Free up RAM on startup</source>
        <translation>Zwalnianie pamięci przy starcie</translation>
    </message>
    <message>
        <source>Enabled: on (1). Disabled: off (0).</source>
        <translation>Włączone: ustawienie włączone (1). Wyłączone: ustawienie wyłączone (0).</translation>
    </message>
    <message>
        <source>RAM to free on startup (MB)</source>
        <translation>Pamięć do zwolnienia przy starcie (MB)</translation>
    </message>
    <message>
        <source>Delay of the startup recovery (seconds)</source>
        <translation>Opóźnienie zwalniania przy starcie (sekundy)</translation>
    </message>
    <message>
        <source>RAM to free periodically (MB)</source>
        <translation>Pamięć do okresowego zwalniania (MB)</translation>
    </message>
    <message>
        <source>Free up RAM every (minutes, 0 for never)</source>
        <translation>Zwalniaj pamięć co (minuty, 0 – nigdy)</translation>
    </message>
    <message>
        <source>Free RAM percentage shown with the periodic recovery</source>
        <translation>Procent wolnej pamięci przy okresowym zwalnianiu</translation>
    </message>
    <message>
        <source>Disable CPU usage detection</source>
        <translation>Wyłącz wykrywanie użycia CPU</translation>
    </message>
    <message>
        <source>Tray icon text color</source>
        <translation>Kolor tekstu ikony w obszarze powiadomień</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Czarny</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Biały</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>Joins the entries of a list: %1 is the list so far, %2 the next entry. Use the language&apos;s list separator.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Automatyczny</translation>
    </message>
    <message>
        <source>One of: %1.</source>
        <extracomment>%1: the values a policy accepts, each its number and its name, as in “0 Black, 1 White, 2 Auto”.</extracomment>
        <translation>Jedna z wartości: %1.</translation>
    </message>
    <message>
        <source>Tray icon shows</source>
        <translation>Ikona w obszarze powiadomień pokazuje</translation>
    </message>
    <message>
        <source>Percentage of CPU Usage</source>
        <translation>Procent użycia CPU</translation>
    </message>
    <message>
        <source>Percentage of Free RAM</source>
        <translation>Procent wolnej pamięci</translation>
    </message>
    <message>
        <source>First recovery amount of the tray menu (MB)</source>
        <translation>Pierwsza ilość do zwolnienia w menu w obszarze powiadomień (MB)</translation>
    </message>
    <message>
        <source>Second recovery amount of the tray menu (MB)</source>
        <translation>Druga ilość do zwolnienia w menu w obszarze powiadomień (MB)</translation>
    </message>
    <message>
        <source>Third recovery amount of the tray menu (MB)</source>
        <translation>Trzecia ilość do zwolnienia w menu w obszarze powiadomień (MB)</translation>
    </message>
    <message>
        <source>Also clear the clipboard when freeing up RAM</source>
        <translation>Czyść również schowek przy zwalnianiu pamięci</translation>
    </message>
    <message>
        <source>Play alarm sound before freeing up RAM</source>
        <translation>Odtwarzaj dźwięk alarmu przed zwolnieniem pamięci</translation>
    </message>
    <message>
        <source>Alarm sound file</source>
        <translation>Plik dźwięku alarmu</translation>
    </message>
    <message>
        <source>A full path, at most %1 characters.</source>
        <extracomment>%1: a number of characters, such as 259.</extracomment>
        <translation>Pełna ścieżka, maksymalnie %1 znaków.</translation>
    </message>
    <message>
        <source>Free up RAM hot key (Ctrl + Alt + the key of this code)</source>
        <translation>Klawisz skrótu zwalniania pamięci (Ctrl + Alt + klawisz o tym kodzie)</translation>
    </message>
    <message>
        <source>Disable/enable hot key (Ctrl + Alt + the key of this code)</source>
        <translation>Klawisz skrótu wyłączania/włączania (Ctrl + Alt + klawisz o tym kodzie)</translation>
    </message>
    <message>
        <source>Show how much RAM was recovered</source>
        <translation>Pokazuj, ile pamięci zwolniono</translation>
    </message>
    <message>
        <source>Pause automatic recovery while it cannot help</source>
        <translation>Wstrzymuj automatyczne zwalnianie, gdy nie pomaga</translation>
    </message>
    <message>
        <source>Pause automatic recovery while a full-screen program runs</source>
        <translation>Wstrzymuj automatyczne zwalnianie, gdy działa program w trybie pełnoekranowym</translation>
    </message>
    <message>
        <source>Pause automatic recovery while one of these programs runs</source>
        <translation>Wstrzymuj automatyczne zwalnianie, gdy działa jeden z tych programów</translation>
    </message>
    <message>
        <source>Program file names separated by semicolons, such as game.exe;obs64.exe, at most %1 characters.</source>
        <extracomment>Keep the example file names as they are. %1: a number of characters, such as 1023.</extracomment>
        <translation>Nazwy plików programów rozdzielone średnikami, np. game.exe;obs64.exe, maksymalnie %1 znaków.</translation>
    </message>
    <message>
        <source>Start Quenby automatically at Windows startup</source>
        <translation>Uruchamiaj Quenby automatycznie wraz z systemem Windows</translation>
    </message>
    <message>
        <source>Enabled: the tray engine starts when the user signs in to Windows. Disabled: it does not. The engine brings the user&apos;s start-up entry in line when it starts.</source>
        <translation>Włączone: moduł w obszarze powiadomień uruchamia się, gdy użytkownik zaloguje się do systemu Windows. Wyłączone: nie uruchamia się. Po uruchomieniu moduł dostosowuje do tego ustawienia wpis autostartu użytkownika.</translation>
    </message>
    <message>
        <source>Settings of the Quenby RAM optimizer</source>
        <translation>Ustawienia optymalizatora RAM Quenby</translation>
    </message>
</context>
</TS>
