<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation>Про програму</translation>
    </message>
    <message>
        <source>Copyright © Quenby. All rights reserved.</source>
        <translation>Copyright © Quenby. Усі права захищено.</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Closes this About box.</extracomment>
        <translation>Закрити</translation>
    </message>
    <message>
        <source>Website:</source>
        <translation>Веб-сайт:</translation>
    </message>
    <message>
        <source>Version: %1.%2.%3 (Beta)</source>
        <extracomment>%1, %2 and %3: the parts of the version number, as in 1.4.2.</extracomment>
        <translation>Версія: %1.%2.%3 (бета)</translation>
    </message>
    <message>
        <source>for Windows %1</source>
        <extracomment>%1: the Windows version the panel runs on, 10 or 11.</extracomment>
        <translation>для Windows %1</translation>
    </message>
</context>
<context>
    <name>GraphForm</name>
    <message>
        <source>Usage graph of the free RAM</source>
        <translation>Графік вільного ОЗП</translation>
    </message>
    <message>
        <source>%1% of RAM free</source>
        <extracomment>Read by screen readers for the usage graph. %1: the free share of the RAM in percent; the % after it is the percent sign.</extracomment>
        <translation>Вільно %1% ОЗП</translation>
    </message>
</context>
<context>
    <name>HistoryPage</name>
    <message>
        <source>Low free RAM</source>
        <comment>what started a recovery</comment>
        <translation>Мало вільного ОЗП</translation>
    </message>
    <message>
        <source>Every few minutes</source>
        <comment>what started a recovery: the periodic rule</comment>
        <translation>Раз на кілька хвилин</translation>
    </message>
    <message>
        <source>Startup</source>
        <comment>what started a recovery: the recovery after Quenby starts</comment>
        <translation>Запуск</translation>
    </message>
    <message>
        <source>Tray menu</source>
        <comment>what started a recovery</comment>
        <translation>Меню піктограми в області сповіщень</translation>
    </message>
    <message>
        <source>Hot key</source>
        <comment>what started a recovery</comment>
        <translation>Сполучення клавіш</translation>
    </message>
    <message>
        <source>Request</source>
        <comment>what started a recovery: another program (the command line) asked</comment>
        <translation>Запит іншої програми</translation>
    </message>
    <message>
        <source>Ran</source>
        <translation>Виконано</translation>
    </message>
    <message>
        <source>Did not run: the processor was busy</source>
        <translation>Не виконано: процесор був зайнятий</translation>
    </message>
    <message>
        <source>Did not run: another user&apos;s recovery was running</source>
        <translation>Не виконано: тривало звільнення ОЗП, запущене іншим користувачем</translation>
    </message>
    <message>
        <source>Did not run: a full-screen program was running</source>
        <translation>Не виконано: програма працювала в повноекранному режимі</translation>
    </message>
    <message>
        <source>Did not run: a protected program was running</source>
        <translation>Не виконано: працювала одна із зазначених програм</translation>
    </message>
    <message>
        <source>Did not run: paused after a recovery that could not help</source>
        <translation>Не виконано: призупинено після звільнення, яке не допомогло</translation>
    </message>
    <message>
        <source>Did not run: more than three quarters of the RAM was free</source>
        <translation>Не виконано: було вільно понад три чверті ОЗП</translation>
    </message>
    <message>
        <source>No recovery yet.</source>
        <translation>Звільнень ОЗП ще не було.</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Коли</translation>
    </message>
    <message>
        <source>Started by</source>
        <translation>Ініціатор</translation>
    </message>
    <message>
        <source>What happened</source>
        <translation>Результат</translation>
    </message>
    <message>
        <source>Before (MB)</source>
        <comment>column: free RAM before the recovery, in megabytes</comment>
        <translation>До (МБ)</translation>
    </message>
    <message>
        <source>After (MB)</source>
        <comment>column: free RAM after the recovery, in megabytes</comment>
        <translation>Після (МБ)</translation>
    </message>
    <message>
        <source>Used (MB)</source>
        <comment>column: the megabytes the recovery allocated and released</comment>
        <translation>Використано (МБ)</translation>
    </message>
    <message>
        <source>Seconds</source>
        <comment>column: how long the recovery took</comment>
        <translation>Секунди</translation>
    </message>
    <message>
        <source>Free RAM before the recovery</source>
        <translation>Обсяг вільного ОЗП до звільнення</translation>
    </message>
    <message>
        <source>Free RAM after the recovery</source>
        <translation>Обсяг вільного ОЗП після звільнення</translation>
    </message>
    <message>
        <source>The RAM the recovery took for a moment and gave back</source>
        <translation>Обсяг ОЗП, який звільнення ненадовго зайняло й потім повернуло</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Total RAM: n/a</source>
        <translation>Усього ОЗП: н/д</translation>
    </message>
    <message>
        <source>Available RAM: n/a</source>
        <translation>Доступно ОЗП: н/д</translation>
    </message>
    <message>
        <source>CPU Usage: n/a</source>
        <translation>Використання ЦП: н/д</translation>
    </message>
    <message>
        <source>Free-up RAM</source>
        <extracomment>The title of the group with the two sliders that set the free-RAM levels.</extracomment>
        <translation>Звільнити ОЗП</translation>
    </message>
    <message>
        <source>Target Free RAM:</source>
        <translation>Цільовий обсяг вільного ОЗП:</translation>
    </message>
    <message>
        <source>Minimum Free RAM:</source>
        <translation>Мінімальний обсяг вільного ОЗП:</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Про програму</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Параметри</translation>
    </message>
    <message>
        <source>Save</source>
        <extracomment>Stores the two free-RAM levels set with the sliders.</extracomment>
        <translation>Зберегти</translation>
    </message>
    <message>
        <source>Enable RAM Optimizer</source>
        <translation>Увімкнути оптимізатор ОЗП</translation>
    </message>
    <message>
        <source>Disable</source>
        <extracomment>Switches the automatic recovery off; the button then reads “Enable RAM Optimizer”.</extracomment>
        <translation>Вимкнути</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Ends the tray engine (the RAM optimizer itself), not only this window.</extracomment>
        <translation>Вийти</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>Файл не існує.</translation>
    </message>
    <message>
        <source>You are not allowed to run this file.</source>
        <translation>У вас немає дозволу на запуск цього файлу.</translation>
    </message>
    <message>
        <source>The file is not a program that can be run.</source>
        <translation>Цей файл не є програмою, яку можна запустити.</translation>
    </message>
    <message>
        <source>There is not enough memory to start it.</source>
        <translation>Недостатньо пам’яті для запуску.</translation>
    </message>
    <message>
        <source>The system refused to start it (error %1).</source>
        <extracomment>Why the tray engine could not be started. %1: Windows&apos; error number.</extracomment>
        <translation>Система не дозволила запуск (помилка %1).</translation>
    </message>
    <message>
        <source>The RAM optimizer could not be started from %1.</source>
        <extracomment>%1: the full path of the tray engine&apos;s program file; a sentence saying why follows on the next line.</extracomment>
        <translation>Не вдалося запустити оптимізатор ОЗП з %1.</translation>
    </message>
    <message>
        <source>Total RAM: %1MB</source>
        <extracomment>%1: megabytes of RAM installed, a whole number.</extracomment>
        <translation>Усього ОЗП: %1 МБ</translation>
    </message>
    <message>
        <source>Available RAM: %1MB (%2%)</source>
        <extracomment>%1: megabytes of RAM available now; %2: that as a share of all RAM, in percent (the % after it is the percent sign).</extracomment>
        <translation>Доступно ОЗП: %1 МБ (%2%)</translation>
    </message>
    <message>
        <source>CPU Usages: %1%</source>
        <extracomment>%1: the processor load of the last second in percent; the % after it is the percent sign.</extracomment>
        <translation>Використання ЦП: %1%</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <extracomment>%1: megabytes, the value the slider beside it is set to.</extracomment>
        <translation>%1 МБ</translation>
    </message>
    <message>
        <source>Target free RAM, %1 MB</source>
        <extracomment>Read by screen readers for the slider. %1: the megabytes it is set to.</extracomment>
        <translation>Цільовий обсяг вільного ОЗП, %1 МБ</translation>
    </message>
    <message>
        <source>Minimum free RAM, %1 MB</source>
        <extracomment>Read by screen readers for the slider. %1: the megabytes it is set to.</extracomment>
        <translation>Мінімальний обсяг вільного ОЗП, %1 МБ</translation>
    </message>
    <message>
        <source>Save the target and minimum free RAM</source>
        <translation>Зберегти цільовий і мінімальний обсяг вільного ОЗП</translation>
    </message>
    <message>
        <source>Open the options</source>
        <translation>Відкрити параметри</translation>
    </message>
    <message>
        <source>Enable the RAM optimizer</source>
        <translation>Увімкнути оптимізатор ОЗП</translation>
    </message>
    <message>
        <source>Disable the RAM optimizer</source>
        <translation>Вимкнути оптимізатор ОЗП</translation>
    </message>
    <message>
        <source>Close the RAM optimizer</source>
        <translation>Вийти з оптимізатора ОЗП</translation>
    </message>
    <message>
        <source>About Quenby</source>
        <translation>Про програму Quenby</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Ctrl+Alt+%1 can&apos;t be a hot key: your keyboard layout has no key for “%1”.</source>
        <extracomment>%1: the character the user typed as the hot key, such as K.</extracomment>
        <translation>Ctrl+Alt+%1 не можна використати як сполучення клавіш: у вашій розкладці клавіатури немає клавіші для «%1».</translation>
    </message>
    <message>
        <source>Ctrl+Alt+%1 can&apos;t be a hot key: on your keyboard layout it types “%2”, which every program would then lose.</source>
        <extracomment>%1: the character the user typed as the hot key; %2: the character that key combination types on the user&apos;s keyboard layout (as AltGr would).</extracomment>
        <translation>Ctrl+Alt+%1 не можна використати як сполучення клавіш: у вашій розкладці клавіатури воно вводить «%2», і цей символ більше не можна було б ввести в жодній програмі.</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Параметри</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Загальні</translation>
    </message>
    <message>
        <source>Start Quenby automatically at Windows startup</source>
        <translation>Автоматично запускати Quenby під час запуску Windows</translation>
    </message>
    <message>
        <source>Free-up RAM on startup after</source>
        <extracomment>Start of a sentence the dialog puts together: this check box, a number of seconds, then “seconds”: “Free-up RAM on startup after [60] seconds”.</extracomment>
        <translation>Звільняти ОЗП під час запуску через</translation>
    </message>
    <message>
        <source>MB of RAM on startup after</source>
        <extracomment>A hidden part of the start-up sentence, after a number of megabytes.</extracomment>
        <translation>МБ ОЗП під час запуску через</translation>
    </message>
    <message>
        <source>seconds</source>
        <extracomment>End of the sentence “Free-up RAM on startup after [60] seconds”.</extracomment>
        <translation>с</translation>
    </message>
    <message>
        <source>Free-up RAM every</source>
        <extracomment>Start of a sentence the dialog puts together: “Free-up RAM every [4] minutes if free RAM below [50] %”.</extracomment>
        <translation>Звільняти ОЗП кожні</translation>
    </message>
    <message>
        <source>MB every</source>
        <extracomment>A hidden part of the periodic sentence, after a number of megabytes.</extracomment>
        <translation>МБ кожні</translation>
    </message>
    <message>
        <source>minutes if free RAM below</source>
        <extracomment>Middle of the sentence “Free-up RAM every [4] minutes if free RAM below [50] %”: between two numbers.</extracomment>
        <translation>хв, якщо вільного ОЗП менше ніж</translation>
    </message>
    <message>
        <source>Pause automatic recovery while it cannot help</source>
        <translation>Призупиняти автоматичне звільнення, поки воно не допомагає</translation>
    </message>
    <message>
        <source>Pause automatic recovery while a full-screen program runs</source>
        <translation>Призупиняти автоматичне звільнення, поки програма працює в повноекранному режимі</translation>
    </message>
    <message>
        <source>CPU usage:</source>
        <extracomment>Beside a bar that shows the processor load.</extracomment>
        <translation>Використання ЦП:</translation>
    </message>
    <message>
        <source>Disable CPU usage detection</source>
        <translation>Вимкнути відстеження використання ЦП</translation>
    </message>
    <message>
        <source>Enable the CPU usage detection to prevent Quenby recovering RAM when your CPU is busy. Please note that CPU cooling and few other programs use special method that cause the CPU usage always stay at 100% level. When you have this kind of situation, disable the CPU usage detection to allow Quenby recovering RAM at any CPU usage level.</source>
        <translation>Увімкніть відстеження використання ЦП, щоб Quenby не звільняв ОЗП, коли процесор зайнятий. Зверніть увагу: програми для охолодження ЦП і деякі інші програми використовують особливий метод, через який використання ЦП постійно залишається на рівні 100%. У такому разі вимкніть відстеження використання ЦП, щоб Quenby міг звільняти ОЗП за будь-якого використання ЦП.</translation>
    </message>
    <message>
        <source>Tray Icon</source>
        <translation>Піктограма</translation>
    </message>
    <message>
        <source>Default:</source>
        <extracomment>Beside the picture of the tray icon as it normally looks.</extracomment>
        <translation>За замовчуванням:</translation>
    </message>
    <message>
        <source>Recovering RAM:</source>
        <extracomment>Beside the picture of the tray icon while it recovers RAM.</extracomment>
        <translation>Під час звільнення ОЗП:</translation>
    </message>
    <message>
        <source>Tray icon text color</source>
        <translation>Колір тексту піктограми</translation>
    </message>
    <message>
        <source>Display</source>
        <extracomment>Start of “Display [Percentage of Free RAM] in tray icon”: a list to choose from follows.</extracomment>
        <translation>Показувати</translation>
    </message>
    <message>
        <source>in tray icon</source>
        <extracomment>End of “Display [Percentage of Free RAM] in tray icon”.</extracomment>
        <translation>на піктограмі</translation>
    </message>
    <message>
        <source>Show how much RAM was recovered</source>
        <translation>Показувати, скільки ОЗП звільнено</translation>
    </message>
    <message>
        <source>Popup Menu</source>
        <translation>Меню піктограми</translation>
    </message>
    <message>
        <source>Recover</source>
        <extracomment>Start of “Recover [512] MB menu”: sets the amount of one entry of the tray icon&apos;s menu.</extracomment>
        <translation>Звільнити</translation>
    </message>
    <message>
        <source>MB menu</source>
        <extracomment>End of “Recover [512] MB menu”.</extracomment>
        <translation>МБ (меню)</translation>
    </message>
    <message>
        <source>Others</source>
        <translation>Інше</translation>
    </message>
    <message>
        <source>Also clear Windows Clipboard when freeing up RAM</source>
        <translation>Також очищати буфер обміну Windows під час звільнення ОЗП</translation>
    </message>
    <message>
        <source>Play alarm sound before freeing up RAM</source>
        <translation>Відтворювати звуковий сигнал перед звільненням ОЗП</translation>
    </message>
    <message>
        <source>Free up RAM hot key : Cltr + Alt +</source>
        <translation type="vanished">Сполучення клавіш для звільнення ОЗП: Ctrl + Alt +</translation>
    </message>
    <message>
        <source>Disable/enable Quenby hotkey : Cltr + Alt +</source>
        <translation type="vanished">Сполучення клавіш для вимкнення/увімкнення Quenby: Ctrl + Alt +</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Зберегти</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Чорний</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Білий</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Авто</translation>
    </message>
    <message>
        <source>Percentage of CPU Usage</source>
        <translation>Відсоток використання ЦП</translation>
    </message>
    <message>
        <source>Percentage of Free RAM</source>
        <translation>Відсоток вільного ОЗП</translation>
    </message>
    <message>
        <source>RAM to free on startup, in MB</source>
        <translation>Обсяг ОЗП для звільнення під час запуску, у МБ</translation>
    </message>
    <message>
        <source>Delay of the startup recovery, in seconds</source>
        <translation>Затримка звільнення під час запуску, у секундах</translation>
    </message>
    <message>
        <source>RAM to free periodically, in MB</source>
        <translation>Обсяг ОЗП для періодичного звільнення, у МБ</translation>
    </message>
    <message>
        <source>Free-up RAM every, in minutes (0 for never)</source>
        <translation>Інтервал звільнення ОЗП, у хвилинах (0 — ніколи)</translation>
    </message>
    <message>
        <source>Only if free RAM is below, in percent</source>
        <translation>Лише коли вільного ОЗП менше за цей відсоток</translation>
    </message>
    <message>
        <source>CPU usage</source>
        <translation>Використання ЦП</translation>
    </message>
    <message>
        <source>What the tray icon shows</source>
        <translation>Що показує піктограма</translation>
    </message>
    <message>
        <source>First recovery amount of the tray menu, in MB</source>
        <translation>Перший обсяг звільнення в меню піктограми в області сповіщень, у МБ</translation>
    </message>
    <message>
        <source>Second recovery amount of the tray menu, in MB</source>
        <translation>Другий обсяг звільнення в меню піктограми в області сповіщень, у МБ</translation>
    </message>
    <message>
        <source>Third recovery amount of the tray menu, in MB</source>
        <translation>Третій обсяг звільнення в меню піктограми в області сповіщень, у МБ</translation>
    </message>
    <message>
        <source>Alarm sound file</source>
        <translation>Файл звукового сигналу</translation>
    </message>
    <message>
        <source>Choose the alarm sound file</source>
        <translation>Вибрати файл звукового сигналу</translation>
    </message>
    <message>
        <source>Free up RAM hot key: Ctrl + Alt + this key</source>
        <translation>Сполучення клавіш для звільнення ОЗП: Ctrl + Alt + ця клавіша</translation>
    </message>
    <message>
        <source>Disable/enable hot key: Ctrl + Alt + this key</source>
        <translation>Сполучення клавіш для вимкнення/увімкнення: Ctrl + Alt + ця клавіша</translation>
    </message>
    <message>
        <source>Add Files</source>
        <translation>Додати файли</translation>
    </message>
    <message>
        <source>All Files (*.wav)</source>
        <translation>Усі файли (*.wav)</translation>
    </message>
    <message>
        <source>Pause automatic recovery while one of these programs runs:</source>
        <translation>Призупиняти автоматичне звільнення, поки працює одна з цих програм:</translation>
    </message>
    <message>
        <source>game.exe;obs64.exe</source>
        <extracomment>An example of the list: two program file names separated by a semicolon. Keep the names as they are.</extracomment>
        <translation>game.exe;obs64.exe</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Журнал</translation>
    </message>
    <message>
        <source>Program file names as Task Manager shows them, separated by semicolons.</source>
        <translation>Імена файлів програм, як їх показує диспетчер завдань, через крапку з комою.</translation>
    </message>
    <message>
        <source>Ignored, as they are not program file names: %1</source>
        <comment>followed by the names</comment>
        <translation>Пропущено, бо це не імена файлів програм: %1</translation>
    </message>
    <message>
        <source>Free up RAM hot key: Ctrl + Alt +</source>
        <extracomment>A field for one key follows: Ctrl + Alt + that key frees up RAM in every program.</extracomment>
        <translation>Сполучення клавіш для звільнення ОЗП: Ctrl + Alt +</translation>
    </message>
    <message>
        <source>Disable/enable Quenby hot key: Ctrl + Alt +</source>
        <extracomment>A field for one key follows: Ctrl + Alt + that key switches the automatic recovery off and on.</extracomment>
        <translation>Сполучення клавіш для вимкнення/увімкнення Quenby: Ctrl + Alt +</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Set by your administrator</source>
        <translation>Установлено адміністратором</translation>
    </message>
    <message>
        <source>Your administrator set Quenby to start automatically for every user of this PC.</source>
        <translation>Адміністратор налаштував автоматичний запуск Quenby для всіх користувачів цього ПК.</translation>
    </message>
</context>
<context>
    <name>Quenbytray</name>
    <message>
        <source>Restart Windows</source>
        <comment>104</comment>
        <translation>Перезавантажити</translation>
    </message>
    <message>
        <source>Suspend Windows</source>
        <comment>105</comment>
        <translation>Сон</translation>
    </message>
    <message>
        <source>Shutdown Windows</source>
        <comment>106</comment>
        <translation>Завершити роботу</translation>
    </message>
    <message>
        <source>Clear Clipboard</source>
        <comment>107</comment>
        <translation>Очистити буфер обміну</translation>
    </message>
    <message>
        <source>Free-up RAM Manually
</source>
        <comment>108</comment>
        <extracomment>A menu item that frees up RAM now; the line end stays.</extracomment>
        <translation>Звільнити ОЗП вручну
</translation>
    </message>
    <message>
        <source>Configuration...</source>
        <comment>110</comment>
        <translation>Параметри...</translation>
    </message>
    <message>
        <source>Disable RAM Optimizer</source>
        <comment>111</comment>
        <translation>Вимкнути оптимізатор ОЗП</translation>
    </message>
    <message>
        <source>Enable RAM Optimizer</source>
        <comment>112</comment>
        <translation>Увімкнути оптимізатор ОЗП</translation>
    </message>
    <message>
        <source>Close RAM Optimizer</source>
        <comment>113</comment>
        <extracomment>Ends the tray engine: its icon and the automatic recovery go away.</extracomment>
        <translation>Вийти з оптимізатора ОЗП</translation>
    </message>
    <message>
        <source>Do you want to restart your computer now?</source>
        <comment>114</comment>
        <translation>Перезавантажити комп’ютер зараз?</translation>
    </message>
    <message>
        <source>Do you want to suspend your computer now?</source>
        <comment>115</comment>
        <translation>Перевести комп’ютер у режим сну зараз?</translation>
    </message>
    <message>
        <source>Do you want to shutdown your computer now?</source>
        <comment>116</comment>
        <translation>Завершити роботу комп’ютера зараз?</translation>
    </message>
    <message>
        <source>Confirm</source>
        <comment>117</comment>
        <extracomment>The title of the box that asks before a restart, a sleep or a shutdown.</extracomment>
        <translation>Підтвердження</translation>
    </message>
    <message>
        <source>RAM Optimizer
</source>
        <comment>118</comment>
        <extracomment>The first line of the tray icon&apos;s tooltip; the line end stays.</extracomment>
        <translation>Оптимізатор ОЗП
</translation>
    </message>
    <message>
        <source>Free RAM: %1 MB (%2%)
</source>
        <comment>119</comment>
        <extracomment>The second line of the tooltip. %1: megabytes of free RAM; %2: that as a share of all RAM in percent, the % after it being the percent sign. The line end stays.</extracomment>
        <translation>Вільно ОЗП: %1 МБ (%2%)
</translation>
    </message>
    <message>
        <source>CPU Usage: %1%</source>
        <comment>121</comment>
        <extracomment>The third line of the tooltip. %1: the processor load in percent; the % after it is the percent sign.</extracomment>
        <translation>Використання ЦП: %1%</translation>
    </message>
    <message>
        <source>CreateProcess failed (%1).</source>
        <comment>122</comment>
        <extracomment>%1: Windows&apos; error number when the control panel could not be started.</extracomment>
        <translation>Помилка CreateProcess (%1).</translation>
    </message>
    <message>
        <source>Error</source>
        <comment>123</comment>
        <extracomment>The title of a box that says something failed.</extracomment>
        <translation>Помилка</translation>
    </message>
    <message>
        <source>RAM Optimizer</source>
        <comment>124</comment>
        <extracomment>The title of the notices the tray icon shows.</extracomment>
        <translation>Оптимізатор ОЗП</translation>
    </message>
    <message>
        <source>Recovered %1 MB, %2 MB free now</source>
        <comment>125</comment>
        <extracomment>A notice after a recovery. %1: the megabytes recovered; %2: the megabytes free now.</extracomment>
        <translation>Звільнено %1 МБ, зараз вільно %2 МБ</translation>
    </message>
    <message>
        <source>No RAM could be recovered</source>
        <comment>126</comment>
        <translation>Не вдалося звільнити ОЗП</translation>
    </message>
    <message>
        <source>Windows could not be restarted (error %1). %2</source>
        <comment>127</comment>
        <extracomment>%1: Windows&apos; error number; %2: Windows&apos; own description of the error, a sentence or empty.</extracomment>
        <translation>Не вдалося перезавантажити Windows (помилка %1). %2</translation>
    </message>
    <message>
        <source>Windows could not be suspended (error %1). %2</source>
        <comment>128</comment>
        <extracomment>%1: Windows&apos; error number; %2: Windows&apos; own description of the error, a sentence or empty.</extracomment>
        <translation>Не вдалося перевести комп’ютер у режим сну (помилка %1). %2</translation>
    </message>
    <message>
        <source>Windows could not be shut down (error %1). %2</source>
        <comment>129</comment>
        <extracomment>%1: Windows&apos; error number; %2: Windows&apos; own description of the error, a sentence or empty.</extracomment>
        <translation>Не вдалося завершити роботу Windows (помилка %1). %2</translation>
    </message>
    <message>
        <source>Hot key not available</source>
        <comment>132</comment>
        <translation>Сполучення клавіш недоступне</translation>
    </message>
    <message>
        <source>The hot key Ctrl+Alt+%1 could not be registered: another program uses it.</source>
        <comment>133</comment>
        <extracomment>%1: the character of the hot key, such as K.</extracomment>
        <translation>Не вдалося зареєструвати сполучення клавіш Ctrl+Alt+%1: його використовує інша програма.</translation>
    </message>
    <message>
        <source>The hot key Ctrl+Alt+%1 was not registered: on your keyboard layout it types “%2”.</source>
        <comment>134</comment>
        <extracomment>%1: the character of the hot key; %2: the character the key combination types on the user&apos;s keyboard layout.</extracomment>
        <translation>Сполучення клавіш Ctrl+Alt+%1 не зареєстровано: у вашій розкладці клавіатури воно вводить «%2».</translation>
    </message>
    <message>
        <source>The hot key Ctrl+Alt+%1 was not registered: your keyboard layout has no such key.</source>
        <comment>135</comment>
        <extracomment>%1: the character of the hot key.</extracomment>
        <translation>Сполучення клавіш Ctrl+Alt+%1 не зареєстровано: у вашій розкладці клавіатури немає такої клавіші.</translation>
    </message>
    <message>
        <source>This computer uses Modern Standby, which only Windows itself can start: to let it sleep, press its power button or choose Power &gt; Sleep in the Start menu.</source>
        <comment>137</comment>
        <translation>Цей комп’ютер використовує сучасний режим очікування (Modern Standby), який може запускати лише сама Windows: щоб перевести комп’ютер у режим сну, натисніть його кнопку живлення або виберіть «Живлення» &gt; «Сон» у меню «Пуск».</translation>
    </message>
    <message>
        <source>This computer may not be able to sleep, and Windows may hibernate it instead. Do you want to go on?</source>
        <comment>138</comment>
        <translation>Цей комп’ютер, можливо, не зможе перейти в режим сну, і Windows натомість може перевести його в режим глибокого сну. Продовжити?</translation>
    </message>
</context>
<context>
    <name>Setup</name>
    <message>
        <source>Quenby is still running and could not be closed.</source>
        <comment>STILL_RUNNING_DETAIL</comment>
        <translation>Quenby досі працює, і його не вдалося закрити.</translation>
    </message>
    <message>
        <source>Quenby is still running and could not be closed.

Close it (tray menu: Close RAM Optimizer; and the control panel&apos;s window), then choose Retry.</source>
        <comment>STILL_RUNNING_BOX</comment>
        <translation>Quenby досі працює, і його не вдалося закрити.

Закрийте його (меню піктограми в області сповіщень: «Вийти з оптимізатора ОЗП»; а також вікно панелі Quenby), а потім натисніть «Повторити».</translation>
    </message>
    <message>
        <source>Quenby is still running; nothing was changed.</source>
        <comment>STILL_RUNNING_ABORT</comment>
        <translation>Quenby досі працює; нічого не змінено.</translation>
    </message>
    <message>
        <source>Quenby&apos;s setup or uninstaller is already running.</source>
        <comment>ALREADY_RUNNING</comment>
        <translation>Програму інсталяції або видалення Quenby вже запущено.</translation>
    </message>
    <message>
        <source>Closing Quenby if it runs...</source>
        <comment>CLOSING</comment>
        <translation>Закриття Quenby, якщо його запущено...</translation>
    </message>
    <message>
        <source>Quenby control panel: RAM and CPU figures and the options</source>
        <comment>PANEL_LINK_DESCRIPTION</comment>
        <translation>Панель Quenby: показники ОЗП і ЦП та параметри</translation>
    </message>
    <message>
        <source>Quenby tray engine</source>
        <comment>ENGINE_LINK_NAME</comment>
        <extracomment>The name of the Start-menu shortcut to the tray engine.</extracomment>
        <translation>Модуль Quenby в області сповіщень</translation>
    </message>
    <message>
        <source>Start Quenby&apos;s tray engine, which recovers RAM</source>
        <comment>ENGINE_LINK_DESCRIPTION</comment>
        <translation>Запустити модуль Quenby в області сповіщень, який звільняє ОЗП</translation>
    </message>
    <message>
        <source>Quenby (required)</source>
        <comment>SECTION_PROGRAM</comment>
        <translation>Quenby (обов’язково)</translation>
    </message>
    <message>
        <source>Start with Windows</source>
        <comment>SECTION_AUTOSTART</comment>
        <translation>Запускати разом із Windows</translation>
    </message>
    <message>
        <source>Starting the tray engine again...</source>
        <comment>RESTARTING_ENGINE</comment>
        <translation>Повторний запуск модуля в області сповіщень...</translation>
    </message>
    <message>
        <source>The tray engine, the control panel, the command-line client quenbyctl and Start-menu shortcuts.</source>
        <comment>SECTION_PROGRAM_DESCRIPTION</comment>
        <translation>Модуль в області сповіщень, панель Quenby, клієнт командного рядка quenbyctl і ярлики в меню «Пуск».</translation>
    </message>
    <message>
        <source>Start the tray engine when you sign in to Windows.</source>
        <comment>SECTION_AUTOSTART_DESCRIPTION</comment>
        <translation>Запускати модуль в області сповіщень під час входу в Windows.</translation>
    </message>
    <message>
        <source>Unknown value /AUTOSTART=%1: use /AUTOSTART=1 or /AUTOSTART=0.</source>
        <comment>BAD_AUTOSTART</comment>
        <extracomment>$1 (%1 for translators): the value given after /AUTOSTART= on the command line.</extracomment>
        <translation>Невідоме значення /AUTOSTART=%1: використовуйте /AUTOSTART=1 або /AUTOSTART=0.</translation>
    </message>
    <message>
        <source>Open the Quenby control panel</source>
        <comment>FINISH_RUN</comment>
        <translation>Відкрити панель Quenby</translation>
    </message>
    <message>
        <source>Installing or removing Quenby for all users of this computer needs administrator rights. Run it again as an administrator.</source>
        <comment>NEEDS_ADMINISTRATOR</comment>
        <translation>Щоб інсталювати або видалити Quenby для всіх користувачів цього комп’ютера, потрібні права адміністратора. Запустіть програму ще раз від імені адміністратора.</translation>
    </message>
    <message>
        <source>Quenby has been installed for all users of this computer.

Setup did not start it. Open it from the Start menu. If Start with Windows was selected, it starts for each user when they sign in.</source>
        <comment>FINISH_MACHINE_TEXT</comment>
        <translation>Quenby інстальовано для всіх користувачів цього комп’ютера.

Програма інсталяції не запустила його. Відкрийте його з меню «Пуск». Якщо вибрано параметр «Запускати разом із Windows», Quenby запускатиметься для кожного користувача під час входу в систему.</translation>
    </message>
    <message>
        <source>The previous version is still running in another user&apos;s session and keeps running there until it is closed. Its files are removed when you restart the computer.</source>
        <comment>FINISH_SET_ASIDE</comment>
        <translation>Попередня версія досі працює в сеансі іншого користувача й працюватиме там, доки її не закриють. Її файли буде видалено після перезавантаження комп’ютера.</translation>
    </message>
    <message>
        <source>%1 is in use in another user&apos;s session and was renamed to %2.</source>
        <comment>SET_ASIDE_DETAIL</comment>
        <extracomment>%1: the full path of a file of the previous version; %2: the name it was renamed to.</extracomment>
        <translation>Файл %1 використовується в сеансі іншого користувача, тому його перейменовано на %2.</translation>
    </message>
    <message>
        <source>Some of Quenby&apos;s files are in use in another user&apos;s session. They will be removed when you restart the computer.</source>
        <comment>UNINSTALL_IN_USE</comment>
        <translation>Деякі файли Quenby використовуються в сеансі іншого користувача. Їх буде видалено після перезавантаження комп’ютера.</translation>
    </message>
</context>
<context>
    <name>Policies</name>
    <message>
        <source>Quenby %1 on Windows 10 and Windows 11</source>
        <extracomment>%1: Quenby&apos;s version number, as in 1.4.2.</extracomment>
        <translation>Quenby %1 у Windows 10 і Windows 11</translation>
    </message>
    <message>
        <source>Target free RAM (MB)</source>
        <translation>Цільовий обсяг вільного ОЗП (МБ)</translation>
    </message>
    <message>
        <source>Sets &quot;%1&quot; of Quenby.</source>
        <extracomment>%1: the policy&apos;s name, as the line above the explanation shows it.</extracomment>
        <translation>Задає параметр Quenby «%1».</translation>
    </message>
    <message>
        <source>three quarters of the installed RAM in MB</source>
        <translation>три чверті встановленого обсягу ОЗП у МБ</translation>
    </message>
    <message>
        <source>From %1 to %2.</source>
        <extracomment>The range a policy accepts. %1 and %2: numbers, or texts such as “the installed RAM in MB divided by 4”.</extracomment>
        <translation>Від %1 до %2.</translation>
    </message>
    <message>
        <source>the installed RAM in MB divided by %1</source>
        <extracomment>A bound of a range, or a default. %1: a number such as 4.</extracomment>
        <translation>установлений обсяг ОЗП у МБ, поділений на %1</translation>
    </message>
    <message>
        <source>Without a policy: %1, unless the user chose otherwise.</source>
        <extracomment>%1: the default value, a number or a text such as “the installed RAM in MB divided by 4”.</extracomment>
        <translation>Без політики: %1, якщо користувач не вибрав інше значення.</translation>
    </message>
    <message>
        <source>A computer policy wins over a user policy, and both over the user&apos;s own choice, which the control panel then shows as &quot;Set by your administrator&quot;. When the policy is not configured, the user&apos;s own choice applies.</source>
        <translation>Політика комп’ютера має перевагу над політикою користувача, а обидві — над власним вибором користувача; такий параметр панель Quenby показує як «Установлено адміністратором». Якщо політику не налаштовано, діє власний вибір користувача.</translation>
    </message>
    <message>
        <source>Minimum free RAM (MB)</source>
        <translation>Мінімальний обсяг вільного ОЗП (МБ)</translation>
    </message>
    <message>
        <source>Free up RAM on startup</source>
        <translation>Звільняти ОЗП під час запуску</translation>
    </message>
    <message>
        <source>Enabled: on (1). Disabled: off (0).</source>
        <translation>Увімкнуто: увімк. (1). Вимкнуто: вимк. (0).</translation>
    </message>
    <message>
        <source>RAM to free on startup (MB)</source>
        <translation>Обсяг ОЗП для звільнення під час запуску (МБ)</translation>
    </message>
    <message>
        <source>Delay of the startup recovery (seconds)</source>
        <translation>Затримка звільнення під час запуску (у секундах)</translation>
    </message>
    <message>
        <source>RAM to free periodically (MB)</source>
        <translation>Обсяг ОЗП для періодичного звільнення (МБ)</translation>
    </message>
    <message>
        <source>Free up RAM every (minutes, 0 for never)</source>
        <translation>Інтервал звільнення ОЗП (у хвилинах, 0 — ніколи)</translation>
    </message>
    <message>
        <source>Free RAM percentage shown with the periodic recovery</source>
        <translation>Відсоток вільного ОЗП для періодичного звільнення</translation>
    </message>
    <message>
        <source>Disable CPU usage detection</source>
        <translation>Вимкнути відстеження використання ЦП</translation>
    </message>
    <message>
        <source>Tray icon text color</source>
        <translation>Колір тексту піктограми</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Чорний</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Білий</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>Joins the entries of a list: %1 is the list so far, %2 the next entry. Use the language&apos;s list separator.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Авто</translation>
    </message>
    <message>
        <source>One of: %1.</source>
        <extracomment>%1: the values a policy accepts, each its number and its name, as in “0 Black, 1 White, 2 Auto”.</extracomment>
        <translation>Одне зі значень: %1.</translation>
    </message>
    <message>
        <source>Tray icon shows</source>
        <translation>Що показує піктограма</translation>
    </message>
    <message>
        <source>Percentage of CPU Usage</source>
        <translation>Відсоток використання ЦП</translation>
    </message>
    <message>
        <source>Percentage of Free RAM</source>
        <translation>Відсоток вільного ОЗП</translation>
    </message>
    <message>
        <source>First recovery amount of the tray menu (MB)</source>
        <translation>Перший обсяг звільнення в меню піктограми в області сповіщень (МБ)</translation>
    </message>
    <message>
        <source>Second recovery amount of the tray menu (MB)</source>
        <translation>Другий обсяг звільнення в меню піктограми в області сповіщень (МБ)</translation>
    </message>
    <message>
        <source>Third recovery amount of the tray menu (MB)</source>
        <translation>Третій обсяг звільнення в меню піктограми в області сповіщень (МБ)</translation>
    </message>
    <message>
        <source>Also clear the clipboard when freeing up RAM</source>
        <translation>Також очищати буфер обміну під час звільнення ОЗП</translation>
    </message>
    <message>
        <source>Play alarm sound before freeing up RAM</source>
        <translation>Відтворювати звуковий сигнал перед звільненням ОЗП</translation>
    </message>
    <message>
        <source>Alarm sound file</source>
        <translation>Файл звукового сигналу</translation>
    </message>
    <message>
        <source>A full path, at most %1 characters.</source>
        <extracomment>%1: a number of characters, such as 259.</extracomment>
        <translation>Повний шлях завдовжки не більше %1 символів.</translation>
    </message>
    <message>
        <source>Free up RAM hot key (Ctrl + Alt + the key of this code)</source>
        <translation>Сполучення клавіш для звільнення ОЗП (Ctrl + Alt + клавіша з цим кодом)</translation>
    </message>
    <message>
        <source>Disable/enable hot key (Ctrl + Alt + the key of this code)</source>
        <translation>Сполучення клавіш для вимкнення/увімкнення (Ctrl + Alt + клавіша з цим кодом)</translation>
    </message>
    <message>
        <source>Show how much RAM was recovered</source>
        <translation>Показувати, скільки ОЗП звільнено</translation>
    </message>
    <message>
        <source>Pause automatic recovery while it cannot help</source>
        <translation>Призупиняти автоматичне звільнення, поки воно не допомагає</translation>
    </message>
    <message>
        <source>Pause automatic recovery while a full-screen program runs</source>
        <translation>Призупиняти автоматичне звільнення, поки програма працює в повноекранному режимі</translation>
    </message>
    <message>
        <source>Pause automatic recovery while one of these programs runs</source>
        <translation>Призупиняти автоматичне звільнення, поки працює одна з цих програм</translation>
    </message>
    <message>
        <source>Program file names separated by semicolons, such as game.exe;obs64.exe, at most %1 characters.</source>
        <extracomment>Keep the example file names as they are. %1: a number of characters, such as 1023.</extracomment>
        <translation>Імена файлів програм через крапку з комою, наприклад game.exe;obs64.exe, не більше %1 символів.</translation>
    </message>
    <message>
        <source>Start Quenby automatically at Windows startup</source>
        <translation>Автоматично запускати Quenby під час запуску Windows</translation>
    </message>
    <message>
        <source>Enabled: the tray engine starts when the user signs in to Windows. Disabled: it does not. The engine brings the user&apos;s start-up entry in line when it starts.</source>
        <translation>Увімкнуто: модуль Quenby в області сповіщень запускається, коли користувач входить у Windows. Вимкнуто: не запускається. Під час запуску модуль узгоджує елемент автозавантаження користувача з політикою.</translation>
    </message>
    <message>
        <source>Settings of the Quenby RAM optimizer</source>
        <translation>Параметри оптимізатора ОЗП Quenby</translation>
    </message>
</context>
</TS>
