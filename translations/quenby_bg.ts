<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="bg">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation>Относно</translation>
    </message>
    <message>
        <source>Copyright © Quenby. All rights reserved.</source>
        <translation>Copyright © Quenby. Всички права запазени.</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Closes this About box.</extracomment>
        <translation>Затвори</translation>
    </message>
    <message>
        <source>Website:</source>
        <translation>Уеб сайт:</translation>
    </message>
    <message>
        <source>Version: %1.%2.%3 (Beta)</source>
        <extracomment>%1, %2 and %3: the parts of the version number, as in 1.4.2.</extracomment>
        <translation>Версия: %1.%2.%3 (бета)</translation>
    </message>
    <message>
        <source>for Windows %1</source>
        <extracomment>%1: the Windows version the panel runs on, 10 or 11.</extracomment>
        <translation>за Windows %1</translation>
    </message>
</context>
<context>
    <name>GraphForm</name>
    <message>
        <source>Usage graph of the free RAM</source>
        <translation>Графика на свободната RAM памет</translation>
    </message>
    <message>
        <source>%1% of RAM free</source>
        <extracomment>Read by screen readers for the usage graph. %1: the free share of the RAM in percent; the % after it is the percent sign.</extracomment>
        <translation>%1% свободна RAM памет</translation>
    </message>
</context>
<context>
    <name>HistoryPage</name>
    <message>
        <source>Low free RAM</source>
        <comment>what started a recovery</comment>
        <translation>Малко свободна RAM памет</translation>
    </message>
    <message>
        <source>Every few minutes</source>
        <comment>what started a recovery: the periodic rule</comment>
        <translation>На всеки няколко минути</translation>
    </message>
    <message>
        <source>Startup</source>
        <comment>what started a recovery: the recovery after Quenby starts</comment>
        <translation>Стартиране</translation>
    </message>
    <message>
        <source>Tray menu</source>
        <comment>what started a recovery</comment>
        <translation>Меню в областта за уведомяване</translation>
    </message>
    <message>
        <source>Hot key</source>
        <comment>what started a recovery</comment>
        <translation>Клавишна комбинация</translation>
    </message>
    <message>
        <source>Request</source>
        <comment>what started a recovery: another program (the command line) asked</comment>
        <translation>Заявка</translation>
    </message>
    <message>
        <source>Ran</source>
        <translation>Изпълнено</translation>
    </message>
    <message>
        <source>Did not run: the processor was busy</source>
        <translation>Не е изпълнено: процесорът беше зает</translation>
    </message>
    <message>
        <source>Did not run: another user&apos;s recovery was running</source>
        <translation>Не е изпълнено: течеше освобождаване на друг потребител</translation>
    </message>
    <message>
        <source>Did not run: a full-screen program was running</source>
        <translation>Не е изпълнено: работеше програма на цял екран</translation>
    </message>
    <message>
        <source>Did not run: a protected program was running</source>
        <translation>Не е изпълнено: работеше защитена програма</translation>
    </message>
    <message>
        <source>Did not run: paused after a recovery that could not help</source>
        <translation>Не е изпълнено: временно спряно след освобождаване, което не помогна</translation>
    </message>
    <message>
        <source>Did not run: more than three quarters of the RAM was free</source>
        <translation>Не е изпълнено: повече от три четвърти от RAM паметта беше свободна</translation>
    </message>
    <message>
        <source>No recovery yet.</source>
        <translation>Все още няма освобождавания.</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Кога</translation>
    </message>
    <message>
        <source>Started by</source>
        <translation>Стартирано от</translation>
    </message>
    <message>
        <source>What happened</source>
        <translation>Резултат</translation>
    </message>
    <message>
        <source>Before (MB)</source>
        <comment>column: free RAM before the recovery, in megabytes</comment>
        <translation>Преди (МБ)</translation>
    </message>
    <message>
        <source>After (MB)</source>
        <comment>column: free RAM after the recovery, in megabytes</comment>
        <translation>След (МБ)</translation>
    </message>
    <message>
        <source>Used (MB)</source>
        <comment>column: the megabytes the recovery allocated and released</comment>
        <translation>Използвани (МБ)</translation>
    </message>
    <message>
        <source>Seconds</source>
        <comment>column: how long the recovery took</comment>
        <translation>Секунди</translation>
    </message>
    <message>
        <source>Free RAM before the recovery</source>
        <translation>Свободна RAM памет преди освобождаването</translation>
    </message>
    <message>
        <source>Free RAM after the recovery</source>
        <translation>Свободна RAM памет след освобождаването</translation>
    </message>
    <message>
        <source>The RAM the recovery took for a moment and gave back</source>
        <translation>RAM паметта, която освобождаването зае за момент и върна</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Total RAM: n/a</source>
        <translation>Общо RAM памет: н/д</translation>
    </message>
    <message>
        <source>Available RAM: n/a</source>
        <translation>Налична RAM памет: н/д</translation>
    </message>
    <message>
        <source>CPU Usage: n/a</source>
        <translation>Използване на ЦП: н/д</translation>
    </message>
    <message>
        <source>Free-up RAM</source>
        <extracomment>The title of the group with the two sliders that set the free-RAM levels.</extracomment>
        <translation>Освободи RAM памет</translation>
    </message>
    <message>
        <source>Target Free RAM:</source>
        <translation>Целева свободна RAM памет:</translation>
    </message>
    <message>
        <source>Minimum Free RAM:</source>
        <translation>Минимална свободна RAM памет:</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Относно</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Опции</translation>
    </message>
    <message>
        <source>Save</source>
        <extracomment>Stores the two free-RAM levels set with the sliders.</extracomment>
        <translation>Запиши</translation>
    </message>
    <message>
        <source>Enable RAM Optimizer</source>
        <translation>Активирай оптимизатора на RAM паметта</translation>
    </message>
    <message>
        <source>Disable</source>
        <extracomment>Switches the automatic recovery off; the button then reads “Enable RAM Optimizer”.</extracomment>
        <translation>Деактивирай</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Ends the tray engine (the RAM optimizer itself), not only this window.</extracomment>
        <translation>Изход</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>Файлът не съществува.</translation>
    </message>
    <message>
        <source>You are not allowed to run this file.</source>
        <translation>Нямате разрешение да стартирате този файл.</translation>
    </message>
    <message>
        <source>The file is not a program that can be run.</source>
        <translation>Файлът не е програма, която може да бъде стартирана.</translation>
    </message>
    <message>
        <source>There is not enough memory to start it.</source>
        <translation>Няма достатъчно памет за стартирането му.</translation>
    </message>
    <message>
        <source>The system refused to start it (error %1).</source>
        <extracomment>Why the tray engine could not be started. %1: Windows&apos; error number.</extracomment>
        <translation>Системата отказа да го стартира (грешка %1).</translation>
    </message>
    <message>
        <source>The RAM optimizer could not be started from %1.</source>
        <extracomment>%1: the full path of the tray engine&apos;s program file; a sentence saying why follows on the next line.</extracomment>
        <translation>Оптимизаторът на RAM паметта не можа да бъде стартиран от %1.</translation>
    </message>
    <message>
        <source>Total RAM: %1MB</source>
        <extracomment>%1: megabytes of RAM installed, a whole number.</extracomment>
        <translation>Общо RAM памет: %1 МБ</translation>
    </message>
    <message>
        <source>Available RAM: %1MB (%2%)</source>
        <extracomment>%1: megabytes of RAM available now; %2: that as a share of all RAM, in percent (the % after it is the percent sign).</extracomment>
        <translation>Налична RAM памет: %1 МБ (%2%)</translation>
    </message>
    <message>
        <source>CPU Usages: %1%</source>
        <extracomment>%1: the processor load of the last second in percent; the % after it is the percent sign.</extracomment>
        <translation>Използване на ЦП: %1%</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <extracomment>%1: megabytes, the value the slider beside it is set to.</extracomment>
        <translation>%1 МБ</translation>
    </message>
    <message>
        <source>Target free RAM, %1 MB</source>
        <extracomment>Read by screen readers for the slider. %1: the megabytes it is set to.</extracomment>
        <translation>Целева свободна RAM памет, %1 МБ</translation>
    </message>
    <message>
        <source>Minimum free RAM, %1 MB</source>
        <extracomment>Read by screen readers for the slider. %1: the megabytes it is set to.</extracomment>
        <translation>Минимална свободна RAM памет, %1 МБ</translation>
    </message>
    <message>
        <source>Save the target and minimum free RAM</source>
        <translation>Запиши целевата и минималната свободна RAM памет</translation>
    </message>
    <message>
        <source>Open the options</source>
        <translation>Отвори опциите</translation>
    </message>
    <message>
        <source>Enable the RAM optimizer</source>
        <translation>Активирай оптимизатора на RAM паметта</translation>
    </message>
    <message>
        <source>Disable the RAM optimizer</source>
        <translation>Деактивирай оптимизатора на RAM паметта</translation>
    </message>
    <message>
        <source>Close the RAM optimizer</source>
        <translation>Изход от оптимизатора на RAM паметта</translation>
    </message>
    <message>
        <source>About Quenby</source>
        <translation>Относно Quenby</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Ctrl+Alt+%1 can&apos;t be a hot key: your keyboard layout has no key for “%1”.</source>
        <extracomment>%1: the character the user typed as the hot key, such as K.</extracomment>
        <translation>Ctrl+Alt+%1 не може да бъде клавишна комбинация: вашата клавиатурна подредба няма клавиш за „%1“.</translation>
    </message>
    <message>
        <source>Ctrl+Alt+%1 can&apos;t be a hot key: on your keyboard layout it types “%2”, which every program would then lose.</source>
        <extracomment>%1: the character the user typed as the hot key; %2: the character that key combination types on the user&apos;s keyboard layout (as AltGr would).</extracomment>
        <translation>Ctrl+Alt+%1 не може да бъде клавишна комбинация: с вашата клавиатурна подредба тя въвежда „%2“ и този знак вече не би могъл да се въвежда в никоя програма.</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Опции</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Общи</translation>
    </message>
    <message>
        <source>Start Quenby automatically at Windows startup</source>
        <translation>Стартирай Quenby автоматично при стартиране на Windows</translation>
    </message>
    <message>
        <source>Free-up RAM on startup after</source>
        <extracomment>Start of a sentence the dialog puts together: this check box, a number of seconds, then “seconds”: “Free-up RAM on startup after [60] seconds”.</extracomment>
        <translation>Освобождавай RAM памет при стартиране след</translation>
    </message>
    <message>
        <source>MB of RAM on startup after</source>
        <extracomment>A hidden part of the start-up sentence, after a number of megabytes.</extracomment>
        <translation>МБ RAM памет при стартиране след</translation>
    </message>
    <message>
        <source>seconds</source>
        <extracomment>End of the sentence “Free-up RAM on startup after [60] seconds”.</extracomment>
        <translation>сек.</translation>
    </message>
    <message>
        <source>Free-up RAM every</source>
        <extracomment>Start of a sentence the dialog puts together: “Free-up RAM every [4] minutes if free RAM below [50] %”.</extracomment>
        <translation>Освобождавай RAM памет на всеки</translation>
    </message>
    <message>
        <source>MB every</source>
        <extracomment>A hidden part of the periodic sentence, after a number of megabytes.</extracomment>
        <translation>МБ на всеки</translation>
    </message>
    <message>
        <source>minutes if free RAM below</source>
        <extracomment>Middle of the sentence “Free-up RAM every [4] minutes if free RAM below [50] %”: between two numbers.</extracomment>
        <translation>мин., ако свободната RAM памет е под</translation>
    </message>
    <message>
        <source>Pause automatic recovery while it cannot help</source>
        <translation>Временно спирай автоматичното освобождаване, докато то не помага</translation>
    </message>
    <message>
        <source>Pause automatic recovery while a full-screen program runs</source>
        <translation>Временно спирай автоматичното освобождаване, докато работи програма на цял екран</translation>
    </message>
    <message>
        <source>CPU usage:</source>
        <extracomment>Beside a bar that shows the processor load.</extracomment>
        <translation>Използване на ЦП:</translation>
    </message>
    <message>
        <source>Disable CPU usage detection</source>
        <translation>Деактивирай следенето на използването на ЦП</translation>
    </message>
    <message>
        <source>Enable the CPU usage detection to prevent Quenby recovering RAM when your CPU is busy. Please note that CPU cooling and few other programs use special method that cause the CPU usage always stay at 100% level. When you have this kind of situation, disable the CPU usage detection to allow Quenby recovering RAM at any CPU usage level.</source>
        <translation>Активирайте следенето на използването на ЦП, за да не освобождава Quenby RAM памет, докато процесорът е зает. Имайте предвид, че програмите за охлаждане на ЦП и някои други програми използват специален метод, поради който използването на ЦП винаги остава на 100%. В такъв случай деактивирайте следенето на използването на ЦП, за да може Quenby да освобождава RAM памет при всяко натоварване на ЦП.</translation>
    </message>
    <message>
        <source>Tray Icon</source>
        <translation>Икона</translation>
    </message>
    <message>
        <source>Default:</source>
        <extracomment>Beside the picture of the tray icon as it normally looks.</extracomment>
        <translation>По подразбиране:</translation>
    </message>
    <message>
        <source>Recovering RAM:</source>
        <extracomment>Beside the picture of the tray icon while it recovers RAM.</extracomment>
        <translation>При освобождаване на RAM памет:</translation>
    </message>
    <message>
        <source>Tray icon text color</source>
        <translation>Цвят на текста в иконата</translation>
    </message>
    <message>
        <source>Display</source>
        <extracomment>Start of “Display [Percentage of Free RAM] in tray icon”: a list to choose from follows.</extracomment>
        <translation>Показвай</translation>
    </message>
    <message>
        <source>in tray icon</source>
        <extracomment>End of “Display [Percentage of Free RAM] in tray icon”.</extracomment>
        <translation>в иконата</translation>
    </message>
    <message>
        <source>Show how much RAM was recovered</source>
        <translation>Показвай колко RAM памет е освободена</translation>
    </message>
    <message>
        <source>Popup Menu</source>
        <translation>Меню на иконата</translation>
    </message>
    <message>
        <source>Recover</source>
        <extracomment>Start of “Recover [512] MB menu”: sets the amount of one entry of the tray icon&apos;s menu.</extracomment>
        <translation>Освободи</translation>
    </message>
    <message>
        <source>MB menu</source>
        <extracomment>End of “Recover [512] MB menu”.</extracomment>
        <translation>МБ (меню)</translation>
    </message>
    <message>
        <source>Others</source>
        <translation>Други</translation>
    </message>
    <message>
        <source>Also clear Windows Clipboard when freeing up RAM</source>
        <translation>Изчиствай и клипборда на Windows при освобождаване на RAM памет</translation>
    </message>
    <message>
        <source>Play alarm sound before freeing up RAM</source>
        <translation>Възпроизвеждай звуков сигнал преди освобождаване на RAM памет</translation>
    </message>
    <message>
        <source>Free up RAM hot key : Cltr + Alt +</source>
        <translation type="vanished">Клавишна комбинация за освобождаване на RAM памет: Ctrl + Alt +</translation>
    </message>
    <message>
        <source>Disable/enable Quenby hotkey : Cltr + Alt +</source>
        <translation type="vanished">Клавишна комбинация за деактивиране/активиране на Quenby: Ctrl + Alt +</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Запиши</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отказ</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Черен</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Бял</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Автоматично</translation>
    </message>
    <message>
        <source>Percentage of CPU Usage</source>
        <translation>Процент използване на ЦП</translation>
    </message>
    <message>
        <source>Percentage of Free RAM</source>
        <translation>Процент свободна RAM памет</translation>
    </message>
    <message>
        <source>RAM to free on startup, in MB</source>
        <translation>RAM памет за освобождаване при стартиране, в МБ</translation>
    </message>
    <message>
        <source>Delay of the startup recovery, in seconds</source>
        <translation>Забавяне на освобождаването при стартиране, в секунди</translation>
    </message>
    <message>
        <source>RAM to free periodically, in MB</source>
        <translation>RAM памет за периодично освобождаване, в МБ</translation>
    </message>
    <message>
        <source>Free-up RAM every, in minutes (0 for never)</source>
        <translation>Интервал за освобождаване на RAM памет, в минути (0 – никога)</translation>
    </message>
    <message>
        <source>Only if free RAM is below, in percent</source>
        <translation>Само ако свободната RAM памет е под този процент</translation>
    </message>
    <message>
        <source>CPU usage</source>
        <translation>Използване на ЦП</translation>
    </message>
    <message>
        <source>What the tray icon shows</source>
        <translation>Какво показва иконата</translation>
    </message>
    <message>
        <source>First recovery amount of the tray menu, in MB</source>
        <translation>Първо количество за освобождаване в менюто на иконата в областта за уведомяване, в МБ</translation>
    </message>
    <message>
        <source>Second recovery amount of the tray menu, in MB</source>
        <translation>Второ количество за освобождаване в менюто на иконата в областта за уведомяване, в МБ</translation>
    </message>
    <message>
        <source>Third recovery amount of the tray menu, in MB</source>
        <translation>Трето количество за освобождаване в менюто на иконата в областта за уведомяване, в МБ</translation>
    </message>
    <message>
        <source>Alarm sound file</source>
        <translation>Файл със звуков сигнал</translation>
    </message>
    <message>
        <source>Choose the alarm sound file</source>
        <translation>Избери файл със звуков сигнал</translation>
    </message>
    <message>
        <source>Free up RAM hot key: Ctrl + Alt + this key</source>
        <translation>Клавишна комбинация за освобождаване на RAM памет: Ctrl + Alt + този клавиш</translation>
    </message>
    <message>
        <source>Disable/enable hot key: Ctrl + Alt + this key</source>
        <translation>Клавишна комбинация за деактивиране/активиране: Ctrl + Alt + този клавиш</translation>
    </message>
    <message>
        <source>Add Files</source>
        <translation>Добавяне на файлове</translation>
    </message>
    <message>
        <source>All Files (*.wav)</source>
        <translation>Всички файлове (*.wav)</translation>
    </message>
    <message>
        <source>Pause automatic recovery while one of these programs runs:</source>
        <translation>Временно спирай автоматичното освобождаване, докато работи някоя от тези програми:</translation>
    </message>
    <message>
        <source>game.exe;obs64.exe</source>
        <extracomment>An example of the list: two program file names separated by a semicolon. Keep the names as they are.</extracomment>
        <translation>game.exe;obs64.exe</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Хронология</translation>
    </message>
    <message>
        <source>Program file names as Task Manager shows them, separated by semicolons.</source>
        <translation>Имена на програмни файлове, както ги показва Диспечерът на задачите, разделени с точка и запетая.</translation>
    </message>
    <message>
        <source>Ignored, as they are not program file names: %1</source>
        <comment>followed by the names</comment>
        <translation>Пренебрегнати, защото не са имена на програмни файлове: %1</translation>
    </message>
    <message>
        <source>Free up RAM hot key: Ctrl + Alt +</source>
        <extracomment>A field for one key follows: Ctrl + Alt + that key frees up RAM in every program.</extracomment>
        <translation>Клавишна комбинация за освобождаване на RAM памет: Ctrl + Alt +</translation>
    </message>
    <message>
        <source>Disable/enable Quenby hot key: Ctrl + Alt +</source>
        <extracomment>A field for one key follows: Ctrl + Alt + that key switches the automatic recovery off and on.</extracomment>
        <translation>Клавишна комбинация за деактивиране/активиране на Quenby: Ctrl + Alt +</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Set by your administrator</source>
        <translation>Зададено от администратора</translation>
    </message>
    <message>
        <source>Your administrator set Quenby to start automatically for every user of this PC.</source>
        <translation>Администраторът е настроил Quenby да се стартира автоматично за всеки потребител на този компютър.</translation>
    </message>
</context>
<context>
    <name>Quenbytray</name>
    <message>
        <source>Restart Windows</source>
        <comment>104</comment>
        <translation>Рестартиране</translation>
    </message>
    <message>
        <source>Suspend Windows</source>
        <comment>105</comment>
        <translation>Заспиване</translation>
    </message>
    <message>
        <source>Shutdown Windows</source>
        <comment>106</comment>
        <translation>Изключване</translation>
    </message>
    <message>
        <source>Clear Clipboard</source>
        <comment>107</comment>
        <translation>Изчисти клипборда</translation>
    </message>
    <message>
        <source>Free-up RAM Manually
</source>
        <comment>108</comment>
        <extracomment>A menu item that frees up RAM now; the line end stays.</extracomment>
        <translation>Освободи RAM памет ръчно
</translation>
    </message>
    <message>
        <source>Configuration...</source>
        <comment>110</comment>
        <translation>Опции...</translation>
    </message>
    <message>
        <source>Disable RAM Optimizer</source>
        <comment>111</comment>
        <translation>Деактивирай оптимизатора на RAM паметта</translation>
    </message>
    <message>
        <source>Enable RAM Optimizer</source>
        <comment>112</comment>
        <translation>Активирай оптимизатора на RAM паметта</translation>
    </message>
    <message>
        <source>Close RAM Optimizer</source>
        <comment>113</comment>
        <extracomment>Ends the tray engine: its icon and the automatic recovery go away.</extracomment>
        <translation>Изход от оптимизатора на RAM паметта</translation>
    </message>
    <message>
        <source>Do you want to restart your computer now?</source>
        <comment>114</comment>
        <translation>Искате ли да рестартирате компютъра сега?</translation>
    </message>
    <message>
        <source>Do you want to suspend your computer now?</source>
        <comment>115</comment>
        <translation>Искате ли да приведете компютъра в режим на заспиване сега?</translation>
    </message>
    <message>
        <source>Do you want to shutdown your computer now?</source>
        <comment>116</comment>
        <translation>Искате ли да изключите компютъра сега?</translation>
    </message>
    <message>
        <source>Confirm</source>
        <comment>117</comment>
        <extracomment>The title of the box that asks before a restart, a sleep or a shutdown.</extracomment>
        <translation>Потвърждение</translation>
    </message>
    <message>
        <source>RAM Optimizer
</source>
        <comment>118</comment>
        <extracomment>The first line of the tray icon&apos;s tooltip; the line end stays.</extracomment>
        <translation>Оптимизатор на RAM памет
</translation>
    </message>
    <message>
        <source>Free RAM: %1 MB (%2%)
</source>
        <comment>119</comment>
        <extracomment>The second line of the tooltip. %1: megabytes of free RAM; %2: that as a share of all RAM in percent, the % after it being the percent sign. The line end stays.</extracomment>
        <translation>Свободна RAM памет: %1 МБ (%2%)
</translation>
    </message>
    <message>
        <source>CPU Usage: %1%</source>
        <comment>121</comment>
        <extracomment>The third line of the tooltip. %1: the processor load in percent; the % after it is the percent sign.</extracomment>
        <translation>Използване на ЦП: %1%</translation>
    </message>
    <message>
        <source>CreateProcess failed (%1).</source>
        <comment>122</comment>
        <extracomment>%1: Windows&apos; error number when the control panel could not be started.</extracomment>
        <translation>Неуспешно изпълнение на CreateProcess (%1).</translation>
    </message>
    <message>
        <source>Error</source>
        <comment>123</comment>
        <extracomment>The title of a box that says something failed.</extracomment>
        <translation>Грешка</translation>
    </message>
    <message>
        <source>RAM Optimizer</source>
        <comment>124</comment>
        <extracomment>The title of the notices the tray icon shows.</extracomment>
        <translation>Оптимизатор на RAM памет</translation>
    </message>
    <message>
        <source>Recovered %1 MB, %2 MB free now</source>
        <comment>125</comment>
        <extracomment>A notice after a recovery. %1: the megabytes recovered; %2: the megabytes free now.</extracomment>
        <translation>Освободени %1 МБ, сега свободни %2 МБ</translation>
    </message>
    <message>
        <source>No RAM could be recovered</source>
        <comment>126</comment>
        <translation>Не можа да бъде освободена RAM памет</translation>
    </message>
    <message>
        <source>Windows could not be restarted (error %1). %2</source>
        <comment>127</comment>
        <extracomment>%1: Windows&apos; error number; %2: Windows&apos; own description of the error, a sentence or empty.</extracomment>
        <translation>Windows не можа да бъде рестартиран (грешка %1). %2</translation>
    </message>
    <message>
        <source>Windows could not be suspended (error %1). %2</source>
        <comment>128</comment>
        <extracomment>%1: Windows&apos; error number; %2: Windows&apos; own description of the error, a sentence or empty.</extracomment>
        <translation>Компютърът не можа да бъде приведен в режим на заспиване (грешка %1). %2</translation>
    </message>
    <message>
        <source>Windows could not be shut down (error %1). %2</source>
        <comment>129</comment>
        <extracomment>%1: Windows&apos; error number; %2: Windows&apos; own description of the error, a sentence or empty.</extracomment>
        <translation>Windows не можа да бъде изключен (грешка %1). %2</translation>
    </message>
    <message>
        <source>Hot key not available</source>
        <comment>132</comment>
        <translation>Клавишната комбинация не е достъпна</translation>
    </message>
    <message>
        <source>The hot key Ctrl+Alt+%1 could not be registered: another program uses it.</source>
        <comment>133</comment>
        <extracomment>%1: the character of the hot key, such as K.</extracomment>
        <translation>Клавишната комбинация Ctrl+Alt+%1 не можа да бъде регистрирана: друга програма я използва.</translation>
    </message>
    <message>
        <source>The hot key Ctrl+Alt+%1 was not registered: on your keyboard layout it types “%2”.</source>
        <comment>134</comment>
        <extracomment>%1: the character of the hot key; %2: the character the key combination types on the user&apos;s keyboard layout.</extracomment>
        <translation>Клавишната комбинация Ctrl+Alt+%1 не е регистрирана: с вашата клавиатурна подредба тя въвежда „%2“.</translation>
    </message>
    <message>
        <source>The hot key Ctrl+Alt+%1 was not registered: your keyboard layout has no such key.</source>
        <comment>135</comment>
        <extracomment>%1: the character of the hot key.</extracomment>
        <translation>Клавишната комбинация Ctrl+Alt+%1 не е регистрирана: вашата клавиатурна подредба няма такъв клавиш.</translation>
    </message>
    <message>
        <source>This computer uses Modern Standby, which only Windows itself can start: to let it sleep, press its power button or choose Power &gt; Sleep in the Start menu.</source>
        <comment>137</comment>
        <translation>Този компютър използва Modern Standby, който само самият Windows може да стартира: за да го приведете в режим на заспиване, натиснете бутона му за захранване или изберете „Захранване“ &gt; „Заспиване“ в менюто „Старт“.</translation>
    </message>
    <message>
        <source>This computer may not be able to sleep, and Windows may hibernate it instead. Do you want to go on?</source>
        <comment>138</comment>
        <translation>Този компютър може да не успее да заспи и вместо това Windows може да го приведе в режим на хибернация. Искате ли да продължите?</translation>
    </message>
</context>
<context>
    <name>Setup</name>
    <message>
        <source>Quenby is still running and could not be closed.</source>
        <comment>STILL_RUNNING_DETAIL</comment>
        <translation>Quenby все още работи и не можа да бъде затворен.</translation>
    </message>
    <message>
        <source>Quenby is still running and could not be closed.

Close it (tray menu: Close RAM Optimizer; and the control panel&apos;s window), then choose Retry.</source>
        <comment>STILL_RUNNING_BOX</comment>
        <translation>Quenby все още работи и не можа да бъде затворен.

Затворете го (менюто на иконата в областта за уведомяване: „Изход от оптимизатора на RAM паметта“; а също и прозореца на панела на Quenby), след което изберете „Повторен опит“.</translation>
    </message>
    <message>
        <source>Quenby is still running; nothing was changed.</source>
        <comment>STILL_RUNNING_ABORT</comment>
        <translation>Quenby все още работи; нищо не е променено.</translation>
    </message>
    <message>
        <source>Quenby&apos;s setup or uninstaller is already running.</source>
        <comment>ALREADY_RUNNING</comment>
        <translation>Инсталаторът или програмата за деинсталиране на Quenby вече работи.</translation>
    </message>
    <message>
        <source>Closing Quenby if it runs...</source>
        <comment>CLOSING</comment>
        <translation>Затваряне на Quenby, ако работи...</translation>
    </message>
    <message>
        <source>Quenby control panel: RAM and CPU figures and the options</source>
        <comment>PANEL_LINK_DESCRIPTION</comment>
        <translation>Панел на Quenby: стойности за RAM паметта и ЦП, както и опциите</translation>
    </message>
    <message>
        <source>Quenby tray engine</source>
        <comment>ENGINE_LINK_NAME</comment>
        <extracomment>The name of the Start-menu shortcut to the tray engine.</extracomment>
        <translation>Модул на Quenby в областта за уведомяване</translation>
    </message>
    <message>
        <source>Start Quenby&apos;s tray engine, which recovers RAM</source>
        <comment>ENGINE_LINK_DESCRIPTION</comment>
        <translation>Стартиране на модула на Quenby в областта за уведомяване, който освобождава RAM памет</translation>
    </message>
    <message>
        <source>Quenby (required)</source>
        <comment>SECTION_PROGRAM</comment>
        <translation>Quenby (задължително)</translation>
    </message>
    <message>
        <source>Start with Windows</source>
        <comment>SECTION_AUTOSTART</comment>
        <translation>Стартиране с Windows</translation>
    </message>
    <message>
        <source>Starting the tray engine again...</source>
        <comment>RESTARTING_ENGINE</comment>
        <translation>Повторно стартиране на модула в областта за уведомяване...</translation>
    </message>
    <message>
        <source>The tray engine, the control panel, the command-line client quenbyctl and Start-menu shortcuts.</source>
        <comment>SECTION_PROGRAM_DESCRIPTION</comment>
        <translation>Модулът в областта за уведомяване, панелът на Quenby, клиентът за команден ред quenbyctl и преките пътища в менюто „Старт“.</translation>
    </message>
    <message>
        <source>Start the tray engine when you sign in to Windows.</source>
        <comment>SECTION_AUTOSTART_DESCRIPTION</comment>
        <translation>Стартиране на модула в областта за уведомяване при влизане в Windows.</translation>
    </message>
    <message>
        <source>Unknown value /AUTOSTART=%1: use /AUTOSTART=1 or /AUTOSTART=0.</source>
        <comment>BAD_AUTOSTART</comment>
        <extracomment>$1 (%1 for translators): the value given after /AUTOSTART= on the command line.</extracomment>
        <translation>Неизвестна стойност /AUTOSTART=%1: използвайте /AUTOSTART=1 или /AUTOSTART=0.</translation>
    </message>
    <message>
        <source>Open the Quenby control panel</source>
        <comment>FINISH_RUN</comment>
        <translation>Отваряне на панела на Quenby</translation>
    </message>
    <message>
        <source>Installing or removing Quenby for all users of this computer needs administrator rights. Run it again as an administrator.</source>
        <comment>NEEDS_ADMINISTRATOR</comment>
        <translation>За инсталиране или премахване на Quenby за всички потребители на този компютър са необходими администраторски права. Стартирайте отново като администратор.</translation>
    </message>
    <message>
        <source>Quenby has been installed for all users of this computer.

Setup did not start it. Open it from the Start menu. If Start with Windows was selected, it starts for each user when they sign in.</source>
        <comment>FINISH_MACHINE_TEXT</comment>
        <translation>Quenby е инсталиран за всички потребители на този компютър.

Инсталаторът не го стартира. Отворете го от менюто „Старт“. Ако е избрано „Стартиране с Windows“, той се стартира за всеки потребител при влизането му.</translation>
    </message>
    <message>
        <source>The previous version is still running in another user&apos;s session and keeps running there until it is closed. Its files are removed when you restart the computer.</source>
        <comment>FINISH_SET_ASIDE</comment>
        <translation>Предишната версия все още работи в сесията на друг потребител и ще продължи да работи там, докато не бъде затворена. Файловете ѝ ще бъдат премахнати при рестартиране на компютъра.</translation>
    </message>
    <message>
        <source>%1 is in use in another user&apos;s session and was renamed to %2.</source>
        <comment>SET_ASIDE_DETAIL</comment>
        <extracomment>%1: the full path of a file of the previous version; %2: the name it was renamed to.</extracomment>
        <translation>Файлът %1 се използва в сесията на друг потребител и беше преименуван на %2.</translation>
    </message>
    <message>
        <source>Some of Quenby&apos;s files are in use in another user&apos;s session. They will be removed when you restart the computer.</source>
        <comment>UNINSTALL_IN_USE</comment>
        <translation>Някои от файловете на Quenby се използват в сесията на друг потребител. Те ще бъдат премахнати при рестартиране на компютъра.</translation>
    </message>
</context>
<context>
    <name>Policies</name>
    <message>
        <source>Quenby %1 on Windows 10 and Windows 11</source>
        <extracomment>%1: Quenby&apos;s version number, as in 1.4.2.</extracomment>
        <translation>Quenby %1 на Windows 10 и Windows 11</translation>
    </message>
    <message>
        <source>Target free RAM (MB)</source>
        <translation>Целева свободна RAM памет (МБ)</translation>
    </message>
    <message>
        <source>Sets &quot;%1&quot; of Quenby.</source>
        <extracomment>%1: the policy&apos;s name, as the line above the explanation shows it.</extracomment>
        <translation>Задава настройката „%1“ на Quenby.</translation>
    </message>
    <message>
        <source>three quarters of the installed RAM in MB</source>
        <translation>три четвърти от инсталираната RAM памет в МБ</translation>
    </message>
    <message>
        <source>From %1 to %2.</source>
        <extracomment>The range a policy accepts. %1 and %2: numbers, or texts such as “the installed RAM in MB divided by 4”.</extracomment>
        <translation>От %1 до %2.</translation>
    </message>
    <message>
        <source>the installed RAM in MB divided by %1</source>
        <extracomment>A bound of a range, or a default. %1: a number such as 4.</extracomment>
        <translation>инсталираната RAM памет в МБ, разделена на %1</translation>
    </message>
    <message>
        <source>Without a policy: %1, unless the user chose otherwise.</source>
        <extracomment>%1: the default value, a number or a text such as “the installed RAM in MB divided by 4”.</extracomment>
        <translation>Без правило: %1, освен ако потребителят не е избрал друго.</translation>
    </message>
    <message>
        <source>A computer policy wins over a user policy, and both over the user&apos;s own choice, which the control panel then shows as &quot;Set by your administrator&quot;. When the policy is not configured, the user&apos;s own choice applies.</source>
        <translation>Правило за компютъра има предимство пред правило за потребителя, а двете – пред собствения избор на потребителя, който в такъв случай панелът на Quenby показва като „Зададено от администратора“. Когато правилото не е конфигурирано, важи собственият избор на потребителя.</translation>
    </message>
    <message>
        <source>Minimum free RAM (MB)</source>
        <translation>Минимална свободна RAM памет (МБ)</translation>
    </message>
    <message>
        <source>Free up RAM on startup</source>
        <translation>Освобождаване на RAM памет при стартиране</translation>
    </message>
    <message>
        <source>Enabled: on (1). Disabled: off (0).</source>
        <translation>Разрешено: вкл. (1). Забранено: изкл. (0).</translation>
    </message>
    <message>
        <source>RAM to free on startup (MB)</source>
        <translation>RAM памет за освобождаване при стартиране (МБ)</translation>
    </message>
    <message>
        <source>Delay of the startup recovery (seconds)</source>
        <translation>Забавяне на освобождаването при стартиране (секунди)</translation>
    </message>
    <message>
        <source>RAM to free periodically (MB)</source>
        <translation>RAM памет за периодично освобождаване (МБ)</translation>
    </message>
    <message>
        <source>Free up RAM every (minutes, 0 for never)</source>
        <translation>Интервал за освобождаване на RAM памет (минути, 0 – никога)</translation>
    </message>
    <message>
        <source>Free RAM percentage shown with the periodic recovery</source>
        <translation>Процент свободна RAM памет за периодичното освобождаване</translation>
    </message>
    <message>
        <source>Disable CPU usage detection</source>
        <translation>Деактивиране на следенето на използването на ЦП</translation>
    </message>
    <message>
        <source>Tray icon text color</source>
        <translation>Цвят на текста в иконата</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Черен</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Бял</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>Joins the entries of a list: %1 is the list so far, %2 the next entry. Use the language&apos;s list separator.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Автоматично</translation>
    </message>
    <message>
        <source>One of: %1.</source>
        <extracomment>%1: the values a policy accepts, each its number and its name, as in “0 Black, 1 White, 2 Auto”.</extracomment>
        <translation>Една от стойностите: %1.</translation>
    </message>
    <message>
        <source>Tray icon shows</source>
        <translation>Какво показва иконата</translation>
    </message>
    <message>
        <source>Percentage of CPU Usage</source>
        <translation>Процент използване на ЦП</translation>
    </message>
    <message>
        <source>Percentage of Free RAM</source>
        <translation>Процент свободна RAM памет</translation>
    </message>
    <message>
        <source>First recovery amount of the tray menu (MB)</source>
        <translation>Първо количество за освобождаване в менюто на иконата в областта за уведомяване (МБ)</translation>
    </message>
    <message>
        <source>Second recovery amount of the tray menu (MB)</source>
        <translation>Второ количество за освобождаване в менюто на иконата в областта за уведомяване (МБ)</translation>
    </message>
    <message>
        <source>Third recovery amount of the tray menu (MB)</source>
        <translation>Трето количество за освобождаване в менюто на иконата в областта за уведомяване (МБ)</translation>
    </message>
    <message>
        <source>Also clear the clipboard when freeing up RAM</source>
        <translation>Изчистване и на клипборда при освобождаване на RAM памет</translation>
    </message>
    <message>
        <source>Play alarm sound before freeing up RAM</source>
        <translation>Възпроизвеждане на звуков сигнал преди освобождаване на RAM памет</translation>
    </message>
    <message>
        <source>Alarm sound file</source>
        <translation>Файл със звуков сигнал</translation>
    </message>
    <message>
        <source>A full path, at most %1 characters.</source>
        <extracomment>%1: a number of characters, such as 259.</extracomment>
        <translation>Пълен път с дължина най-много %1 знака.</translation>
    </message>
    <message>
        <source>Free up RAM hot key (Ctrl + Alt + the key of this code)</source>
        <translation>Клавишна комбинация за освобождаване на RAM памет (Ctrl + Alt + клавишът с този код)</translation>
    </message>
    <message>
        <source>Disable/enable hot key (Ctrl + Alt + the key of this code)</source>
        <translation>Клавишна комбинация за деактивиране/активиране (Ctrl + Alt + клавишът с този код)</translation>
    </message>
    <message>
        <source>Show how much RAM was recovered</source>
        <translation>Показване колко RAM памет е освободена</translation>
    </message>
    <message>
        <source>Pause automatic recovery while it cannot help</source>
        <translation>Временно спиране на автоматичното освобождаване, докато то не помага</translation>
    </message>
    <message>
        <source>Pause automatic recovery while a full-screen program runs</source>
        <translation>Временно спиране на автоматичното освобождаване, докато работи програма на цял екран</translation>
    </message>
    <message>
        <source>Pause automatic recovery while one of these programs runs</source>
        <translation>Временно спиране на автоматичното освобождаване, докато работи някоя от тези програми</translation>
    </message>
    <message>
        <source>Program file names separated by semicolons, such as game.exe;obs64.exe, at most %1 characters.</source>
        <extracomment>Keep the example file names as they are. %1: a number of characters, such as 1023.</extracomment>
        <translation>Имена на програмни файлове, разделени с точка и запетая, например game.exe;obs64.exe, с дължина най-много %1 знака.</translation>
    </message>
    <message>
        <source>Start Quenby automatically at Windows startup</source>
        <translation>Автоматично стартиране на Quenby при стартиране на Windows</translation>
    </message>
    <message>
        <source>Enabled: the tray engine starts when the user signs in to Windows. Disabled: it does not. The engine brings the user&apos;s start-up entry in line when it starts.</source>
        <translation>Разрешено: модулът на Quenby в областта за уведомяване се стартира, когато потребителят влезе в Windows. Забранено: не се стартира. При стартиране модулът привежда записа за автоматично стартиране на потребителя в съответствие с правилото.</translation>
    </message>
    <message>
        <source>Settings of the Quenby RAM optimizer</source>
        <translation>Настройки на оптимизатора на RAM памет Quenby</translation>
    </message>
</context>
</TS>
