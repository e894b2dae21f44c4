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
        <translation>Затвори</translation>
    </message>
    <message>
        <source>Website:</source>
        <translation>Уеб сайт:</translation>
    </message>
    <message>
        <source>Version: %1.%2.%3 (Beta)</source>
        <translation>Версия: %1.%2.%3 (бета)</translation>
    </message>
    <message>
        <source>for Windows %1</source>
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
        <translation>Запиши</translation>
    </message>
    <message>
        <source>Enable RAM Optimizer</source>
        <translation>Активирай оптимизатора на RAM паметта</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Деактивирай</translation>
    </message>
    <message>
        <source>Close</source>
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
        <translation>Системата отказа да го стартира (грешка %1).</translation>
    </message>
    <message>
        <source>The RAM optimizer could not be started from %1.</source>
        <translation>Оптимизаторът на RAM паметта не можа да бъде стартиран от %1.</translation>
    </message>
    <message>
        <source>Total RAM: %1MB</source>
        <translation>Общо RAM памет: %1 МБ</translation>
    </message>
    <message>
        <source>Available RAM: %1MB (%2%)</source>
        <translation>Налична RAM памет: %1 МБ (%2%)</translation>
    </message>
    <message>
        <source>CPU Usages: %1%</source>
        <translation>Използване на ЦП: %1%</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 МБ</translation>
    </message>
    <message>
        <source>Target free RAM, %1 MB</source>
        <translation>Целева свободна RAM памет, %1 МБ</translation>
    </message>
    <message>
        <source>Minimum free RAM, %1 MB</source>
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
        <translation>Ctrl+Alt+%1 не може да бъде клавишна комбинация: вашата клавиатурна подредба няма клавиш за „%1“.</translation>
    </message>
    <message>
        <source>Ctrl+Alt+%1 can&apos;t be a hot key: on your keyboard layout it types “%2”, which every program would then lose.</source>
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
        <translation>Освобождавай RAM памет при стартиране след</translation>
    </message>
    <message>
        <source>MB of RAM on startup after</source>
        <translation>МБ RAM памет при стартиране след</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>сек.</translation>
    </message>
    <message>
        <source>Free-up RAM every</source>
        <translation>Освобождавай RAM памет на всеки</translation>
    </message>
    <message>
        <source>MB every</source>
        <translation>МБ на всеки</translation>
    </message>
    <message>
        <source>minutes if free RAM below</source>
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
        <translation>По подразбиране:</translation>
    </message>
    <message>
        <source>Recovering RAM:</source>
        <translation>При освобождаване на RAM памет:</translation>
    </message>
    <message>
        <source>Tray icon text color</source>
        <translation>Цвят на текста в иконата</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Показвай</translation>
    </message>
    <message>
        <source>in tray icon</source>
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
        <translation>Освободи</translation>
    </message>
    <message>
        <source>MB menu</source>
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
        <translation>Клавишна комбинация за освобождаване на RAM памет: Ctrl + Alt +</translation>
    </message>
    <message>
        <source>Disable/enable Quenby hotkey : Cltr + Alt +</source>
        <translation>Клавишна комбинация за деактивиране/активиране на Quenby: Ctrl + Alt +</translation>
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
</TS>
