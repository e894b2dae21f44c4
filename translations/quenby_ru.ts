<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Copyright © Quenby. All rights reserved.</source>
        <translation>Copyright © Quenby. Все права защищены.</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Closes this About box.</extracomment>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Website:</source>
        <translation>Веб-сайт:</translation>
    </message>
    <message>
        <source>Version: %1.%2.%3 (Beta)</source>
        <extracomment>%1, %2 and %3: the parts of the version number, as in 1.4.2.</extracomment>
        <translation>Версия: %1.%2.%3 (бета)</translation>
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
        <translation>График свободного ОЗУ</translation>
    </message>
    <message>
        <source>%1% of RAM free</source>
        <extracomment>Read by screen readers for the usage graph. %1: the free share of the RAM in percent; the % after it is the percent sign.</extracomment>
        <translation>Свободно %1% ОЗУ</translation>
    </message>
</context>
<context>
    <name>HistoryPage</name>
    <message>
        <source>Low free RAM</source>
        <comment>what started a recovery</comment>
        <translation>Мало свободного ОЗУ</translation>
    </message>
    <message>
        <source>Every few minutes</source>
        <comment>what started a recovery: the periodic rule</comment>
        <translation>Раз в несколько минут</translation>
    </message>
    <message>
        <source>Startup</source>
        <comment>what started a recovery: the recovery after Quenby starts</comment>
        <translation>Запуск</translation>
    </message>
    <message>
        <source>Tray menu</source>
        <comment>what started a recovery</comment>
        <translation>Меню значка в области уведомлений</translation>
    </message>
    <message>
        <source>Hot key</source>
        <comment>what started a recovery</comment>
        <translation>Сочетание клавиш</translation>
    </message>
    <message>
        <source>Request</source>
        <comment>what started a recovery: another program (the command line) asked</comment>
        <translation>Запрос другой программы</translation>
    </message>
    <message>
        <source>Ran</source>
        <translation>Выполнено</translation>
    </message>
    <message>
        <source>Did not run: the processor was busy</source>
        <translation>Не выполнено: процессор был занят</translation>
    </message>
    <message>
        <source>Did not run: another user&apos;s recovery was running</source>
        <translation>Не выполнено: шло освобождение ОЗУ, запущенное другим пользователем</translation>
    </message>
    <message>
        <source>Did not run: a full-screen program was running</source>
        <translation>Не выполнено: программа работала в полноэкранном режиме</translation>
    </message>
    <message>
        <source>Did not run: a protected program was running</source>
        <translation>Не выполнено: работала одна из указанных программ</translation>
    </message>
    <message>
        <source>Did not run: paused after a recovery that could not help</source>
        <translation>Не выполнено: приостановлено после освобождения, которое не помогло</translation>
    </message>
    <message>
        <source>Did not run: more than three quarters of the RAM was free</source>
        <translation>Не выполнено: было свободно более трех четвертей ОЗУ</translation>
    </message>
    <message>
        <source>No recovery yet.</source>
        <translation>Освобождений ОЗУ пока не было.</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Когда</translation>
    </message>
    <message>
        <source>Started by</source>
        <translation>Инициатор</translation>
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
        <translation>После (МБ)</translation>
    </message>
    <message>
        <source>Used (MB)</source>
        <comment>column: the megabytes the recovery allocated and released</comment>
        <translation>Использовано (МБ)</translation>
    </message>
    <message>
        <source>Seconds</source>
        <comment>column: how long the recovery took</comment>
        <translation>Секунды</translation>
    </message>
    <message>
        <source>Free RAM before the recovery</source>
        <translation>Свободное ОЗУ до освобождения</translation>
    </message>
    <message>
        <source>Free RAM after the recovery</source>
        <translation>Свободное ОЗУ после освобождения</translation>
    </message>
    <message>
        <source>The RAM the recovery took for a moment and gave back</source>
        <translation>ОЗУ, которое освобождение ненадолго заняло и затем вернуло</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Total RAM: n/a</source>
        <translation>Всего ОЗУ: н/д</translation>
    </message>
    <message>
        <source>Available RAM: n/a</source>
        <translation>Доступно ОЗУ: н/д</translation>
    </message>
    <message>
        <source>CPU Usage: n/a</source>
        <translation>Загрузка ЦП: н/д</translation>
    </message>
    <message>
        <source>Free-up RAM</source>
        <extracomment>The title of the group with the two sliders that set the free-RAM levels.</extracomment>
        <translation>Освободить ОЗУ</translation>
    </message>
    <message>
        <source>Target Free RAM:</source>
        <translation>Целевой объем свободного ОЗУ:</translation>
    </message>
    <message>
        <source>Minimum Free RAM:</source>
        <translation>Минимальный объем свободного ОЗУ:</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Параметры</translation>
    </message>
    <message>
        <source>Save</source>
        <extracomment>Stores the two free-RAM levels set with the sliders.</extracomment>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Enable RAM Optimizer</source>
        <translation>Включить оптимизатор ОЗУ</translation>
    </message>
    <message>
        <source>Disable</source>
        <extracomment>Switches the automatic recovery off; the button then reads “Enable RAM Optimizer”.</extracomment>
        <translation>Отключить</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Ends the tray engine (the RAM optimizer itself), not only this window.</extracomment>
        <translation>Выйти</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>Файл не существует.</translation>
    </message>
    <message>
        <source>You are not allowed to run this file.</source>
        <translation>У вас нет прав на запуск этого файла.</translation>
    </message>
    <message>
        <source>The file is not a program that can be run.</source>
        <translation>Этот файл не является исполняемой программой.</translation>
    </message>
    <message>
        <source>There is not enough memory to start it.</source>
        <translation>Недостаточно памяти для его запуска.</translation>
    </message>
    <message>
        <source>The system refused to start it (error %1).</source>
        <extracomment>Why the tray engine could not be started. %1: Windows&apos; error number.</extracomment>
        <translation>Система отказалась его запускать (ошибка %1).</translation>
    </message>
    <message>
        <source>The RAM optimizer could not be started from %1.</source>
        <extracomment>%1: the full path of the tray engine&apos;s program file; a sentence saying why follows on the next line.</extracomment>
        <translation>Не удалось запустить оптимизатор ОЗУ из %1.</translation>
    </message>
    <message>
        <source>Total RAM: %1MB</source>
        <extracomment>%1: megabytes of RAM installed, a whole number.</extracomment>
        <translation>Всего ОЗУ: %1 МБ</translation>
    </message>
    <message>
        <source>Available RAM: %1MB (%2%)</source>
        <extracomment>%1: megabytes of RAM available now; %2: that as a share of all RAM, in percent (the % after it is the percent sign).</extracomment>
        <translation>Доступно ОЗУ: %1 МБ (%2%)</translation>
    </message>
    <message>
        <source>CPU Usages: %1%</source>
        <extracomment>%1: the processor load of the last second in percent; the % after it is the percent sign.</extracomment>
        <translation>Загрузка ЦП: %1%</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <extracomment>%1: megabytes, the value the slider beside it is set to.</extracomment>
        <translation>%1 МБ</translation>
    </message>
    <message>
        <source>Target free RAM, %1 MB</source>
        <extracomment>Read by screen readers for the slider. %1: the megabytes it is set to.</extracomment>
        <translation>Целевой объем свободного ОЗУ, %1 МБ</translation>
    </message>
    <message>
        <source>Minimum free RAM, %1 MB</source>
        <extracomment>Read by screen readers for the slider. %1: the megabytes it is set to.</extracomment>
        <translation>Минимальный объем свободного ОЗУ, %1 МБ</translation>
    </message>
    <message>
        <source>Save the target and minimum free RAM</source>
        <translation>Сохранить целевой и минимальный объем свободного ОЗУ</translation>
    </message>
    <message>
        <source>Open the options</source>
        <translation>Открыть параметры</translation>
    </message>
    <message>
        <source>Enable the RAM optimizer</source>
        <translation>Включить оптимизатор ОЗУ</translation>
    </message>
    <message>
        <source>Disable the RAM optimizer</source>
        <translation>Отключить оптимизатор ОЗУ</translation>
    </message>
    <message>
        <source>Close the RAM optimizer</source>
        <translation>Выйти из оптимизатора ОЗУ</translation>
    </message>
    <message>
        <source>About Quenby</source>
        <translation>О программе Quenby</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Ctrl+Alt+%1 can&apos;t be a hot key: your keyboard layout has no key for “%1”.</source>
        <extracomment>%1: the character the user typed as the hot key, such as K.</extracomment>
        <translation>Ctrl+Alt+%1 нельзя использовать как сочетание клавиш: в вашей раскладке клавиатуры нет клавиши для «%1».</translation>
    </message>
    <message>
        <source>Ctrl+Alt+%1 can&apos;t be a hot key: on your keyboard layout it types “%2”, which every program would then lose.</source>
        <extracomment>%1: the character the user typed as the hot key; %2: the character that key combination types on the user&apos;s keyboard layout (as AltGr would).</extracomment>
        <translation>Ctrl+Alt+%1 нельзя использовать как сочетание клавиш: в вашей раскладке клавиатуры оно вводит «%2», и этот символ больше нельзя было бы ввести ни в одной программе.</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Параметры</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Общие</translation>
    </message>
    <message>
        <source>Start Quenby automatically at Windows startup</source>
        <translation>Автоматически запускать Quenby при запуске Windows</translation>
    </message>
    <message>
        <source>Free-up RAM on startup after</source>
        <extracomment>Start of a sentence the dialog puts together: this check box, a number of seconds, then “seconds”: “Free-up RAM on startup after [60] seconds”.</extracomment>
        <translation>Освобождать ОЗУ при запуске через</translation>
    </message>
    <message>
        <source>MB of RAM on startup after</source>
        <extracomment>A hidden part of the start-up sentence, after a number of megabytes.</extracomment>
        <translation>МБ ОЗУ при запуске через</translation>
    </message>
    <message>
        <source>seconds</source>
        <extracomment>End of the sentence “Free-up RAM on startup after [60] seconds”.</extracomment>
        <translation>сек.</translation>
    </message>
    <message>
        <source>Free-up RAM every</source>
        <extracomment>Start of a sentence the dialog puts together: “Free-up RAM every [4] minutes if free RAM below [50] %”.</extracomment>
        <translation>Освобождать ОЗУ каждые</translation>
    </message>
    <message>
        <source>MB every</source>
        <extracomment>A hidden part of the periodic sentence, after a number of megabytes.</extracomment>
        <translation>МБ каждые</translation>
    </message>
    <message>
        <source>minutes if free RAM below</source>
        <extracomment>Middle of the sentence “Free-up RAM every [4] minutes if free RAM below [50] %”: between two numbers.</extracomment>
        <translation>мин., если свободного ОЗУ меньше</translation>
    </message>
    <message>
        <source>Pause automatic recovery while it cannot help</source>
        <translation>Приостанавливать автоматическое освобождение, пока оно не помогает</translation>
    </message>
    <message>
        <source>Pause automatic recovery while a full-screen program runs</source>
        <translation>Приостанавливать автоматическое освобождение, пока программа работает в полноэкранном режиме</translation>
    </message>
    <message>
        <source>CPU usage:</source>
        <extracomment>Beside a bar that shows the processor load.</extracomment>
        <translation>Загрузка ЦП:</translation>
    </message>
    <message>
        <source>Disable CPU usage detection</source>
        <translation>Отключить отслеживание загрузки ЦП</translation>
    </message>
    <message>
        <source>Enable the CPU usage detection to prevent Quenby recovering RAM when your CPU is busy. Please note that CPU cooling and few other programs use special method that cause the CPU usage always stay at 100% level. When you have this kind of situation, disable the CPU usage detection to allow Quenby recovering RAM at any CPU usage level.</source>
        <translation>Включите отслеживание загрузки ЦП, чтобы Quenby не освобождал ОЗУ, когда процессор занят. Обратите внимание: программы охлаждения ЦП и некоторые другие программы используют особый метод, из-за которого загрузка ЦП всегда остается на уровне 100%. В таком случае отключите отслеживание загрузки ЦП, чтобы Quenby мог освобождать ОЗУ при любой загрузке ЦП.</translation>
    </message>
    <message>
        <source>Tray Icon</source>
        <translation>Значок</translation>
    </message>
    <message>
        <source>Default:</source>
        <extracomment>Beside the picture of the tray icon as it normally looks.</extracomment>
        <translation>Обычный:</translation>
    </message>
    <message>
        <source>Recovering RAM:</source>
        <extracomment>Beside the picture of the tray icon while it recovers RAM.</extracomment>
        <translation>При освобождении ОЗУ:</translation>
    </message>
    <message>
        <source>Tray icon text color</source>
        <translation>Цвет текста значка</translation>
    </message>
    <message>
        <source>Display</source>
        <extracomment>Start of “Display [Percentage of Free RAM] in tray icon”: a list to choose from follows.</extracomment>
        <translation>Показывать</translation>
    </message>
    <message>
        <source>in tray icon</source>
        <extracomment>End of “Display [Percentage of Free RAM] in tray icon”.</extracomment>
        <translation>на значке</translation>
    </message>
    <message>
        <source>Show how much RAM was recovered</source>
        <translation>Показывать, сколько ОЗУ освобождено</translation>
    </message>
    <message>
        <source>Popup Menu</source>
        <translation>Меню значка</translation>
    </message>
    <message>
        <source>Recover</source>
        <extracomment>Start of “Recover [512] MB menu”: sets the amount of one entry of the tray icon&apos;s menu.</extracomment>
        <translation>Освободить</translation>
    </message>
    <message>
        <source>MB menu</source>
        <extracomment>End of “Recover [512] MB menu”.</extracomment>
        <translation>МБ (меню)</translation>
    </message>
    <message>
        <source>Others</source>
        <translation>Прочее</translation>
    </message>
    <message>
        <source>Also clear Windows Clipboard when freeing up RAM</source>
        <translation>Также очищать буфер обмена Windows при освобождении ОЗУ</translation>
    </message>
    <message>
        <source>Play alarm sound before freeing up RAM</source>
        <translation>Подавать звуковой сигнал перед освобождением ОЗУ</translation>
    </message>
    <message>
        <source>Free up RAM hot key : Cltr + Alt +</source>
        <translation type="vanished">Сочетание клавиш для освобождения ОЗУ: Ctrl + Alt +</translation>
    </message>
    <message>
        <source>Disable/enable Quenby hotkey : Cltr + Alt +</source>
        <translation type="vanished">Сочетание клавиш для отключения/включения Quenby: Ctrl + Alt +</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Черный</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Белый</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Авто</translation>
    </message>
    <message>
        <source>Percentage of CPU Usage</source>
        <translation>Процент загрузки ЦП</translation>
    </message>
    <message>
        <source>Percentage of Free RAM</source>
        <translation>Процент свободного ОЗУ</translation>
    </message>
    <message>
        <source>RAM to free on startup, in MB</source>
        <translation>ОЗУ для освобождения при запуске, в МБ</translation>
    </message>
    <message>
        <source>Delay of the startup recovery, in seconds</source>
        <translation>Задержка освобождения при запуске, в секундах</translation>
    </message>
    <message>
        <source>RAM to free periodically, in MB</source>
        <translation>ОЗУ для периодического освобождения, в МБ</translation>
    </message>
    <message>
        <source>Free-up RAM every, in minutes (0 for never)</source>
        <translation>Интервал освобождения ОЗУ, в минутах (0 — никогда)</translation>
    </message>
    <message>
        <source>Only if free RAM is below, in percent</source>
        <translation>Только если свободного ОЗУ меньше, в процентах</translation>
    </message>
    <message>
        <source>CPU usage</source>
        <translation>Загрузка ЦП</translation>
    </message>
    <message>
        <source>What the tray icon shows</source>
        <translation>Что показывает значок</translation>
    </message>
    <message>
        <source>First recovery amount of the tray menu, in MB</source>
        <translation>Первый объем освобождения в меню значка в области уведомлений, в МБ</translation>
    </message>
    <message>
        <source>Second recovery amount of the tray menu, in MB</source>
        <translation>Второй объем освобождения в меню значка в области уведомлений, в МБ</translation>
    </message>
    <message>
        <source>Third recovery amount of the tray menu, in MB</source>
        <translation>Третий объем освобождения в меню значка в области уведомлений, в МБ</translation>
    </message>
    <message>
        <source>Alarm sound file</source>
        <translation>Файл звукового сигнала</translation>
    </message>
    <message>
        <source>Choose the alarm sound file</source>
        <translation>Выбрать файл звукового сигнала</translation>
    </message>
    <message>
        <source>Free up RAM hot key: Ctrl + Alt + this key</source>
        <translation>Сочетание клавиш для освобождения ОЗУ: Ctrl + Alt + эта клавиша</translation>
    </message>
    <message>
        <source>Disable/enable hot key: Ctrl + Alt + this key</source>
        <translation>Сочетание клавиш для отключения/включения: Ctrl + Alt + эта клавиша</translation>
    </message>
    <message>
        <source>Add Files</source>
        <translation>Добавить файлы</translation>
    </message>
    <message>
        <source>All Files (*.wav)</source>
        <translation>Все файлы (*.wav)</translation>
    </message>
    <message>
        <source>Pause automatic recovery while one of these programs runs:</source>
        <translation>Приостанавливать автоматическое освобождение, пока работает одна из этих программ:</translation>
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
        <translation>Имена файлов программ, как их показывает диспетчер задач, через точку с запятой.</translation>
    </message>
    <message>
        <source>Ignored, as they are not program file names: %1</source>
        <comment>followed by the names</comment>
        <translation>Пропущены, так как это не имена файлов программ: %1</translation>
    </message>
    <message>
        <source>Free up RAM hot key: Ctrl + Alt +</source>
        <extracomment>A field for one key follows: Ctrl + Alt + that key frees up RAM in every program.</extracomment>
        <translation>Сочетание клавиш для освобождения ОЗУ: Ctrl + Alt +</translation>
    </message>
    <message>
        <source>Disable/enable Quenby hot key: Ctrl + Alt +</source>
        <extracomment>A field for one key follows: Ctrl + Alt + that key switches the automatic recovery off and on.</extracomment>
        <translation>Сочетание клавиш для отключения/включения Quenby: Ctrl + Alt +</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Set by your administrator</source>
        <translation>Задано администратором</translation>
    </message>
    <message>
        <source>Your administrator set Quenby to start automatically for every user of this PC.</source>
        <translation>Администратор настроил автоматический запуск Quenby для всех пользователей этого компьютера.</translation>
    </message>
</context>
<context>
    <name>Quenbytray</name>
    <message>
        <source>Restart Windows</source>
        <comment>104</comment>
        <translation>Перезагрузка</translation>
    </message>
    <message>
        <source>Suspend Windows</source>
        <comment>105</comment>
        <translation>Спящий режим</translation>
    </message>
    <message>
        <source>Shutdown Windows</source>
        <comment>106</comment>
        <translation>Завершение работы</translation>
    </message>
    <message>
        <source>Clear Clipboard</source>
        <comment>107</comment>
        <translation>Очистить буфер обмена</translation>
    </message>
    <message>
        <source>Free-up RAM Manually
</source>
        <comment>108</comment>
        <extracomment>A menu item that frees up RAM now; the line end stays.</extracomment>
        <translation>Освободить ОЗУ вручную
</translation>
    </message>
    <message>
        <source>Configuration...</source>
        <comment>110</comment>
        <translation>Параметры...</translation>
    </message>
    <message>
        <source>Disable RAM Optimizer</source>
        <comment>111</comment>
        <translation>Отключить оптимизатор ОЗУ</translation>
    </message>
    <message>
        <source>Enable RAM Optimizer</source>
        <comment>112</comment>
        <translation>Включить оптимизатор ОЗУ</translation>
    </message>
    <message>
        <source>Close RAM Optimizer</source>
        <comment>113</comment>
        <extracomment>Ends the tray engine: its icon and the automatic recovery go away.</extracomment>
        <translation>Выйти из оптимизатора ОЗУ</translation>
    </message>
    <message>
        <source>Do you want to restart your computer now?</source>
        <comment>114</comment>
        <translation>Перезагрузить компьютер сейчас?</translation>
    </message>
    <message>
        <source>Do you want to suspend your computer now?</source>
        <comment>115</comment>
        <translation>Перевести компьютер в спящий режим сейчас?</translation>
    </message>
    <message>
        <source>Do you want to shutdown your computer now?</source>
        <comment>116</comment>
        <translation>Завершить работу компьютера сейчас?</translation>
    </message>
    <message>
        <source>Confirm</source>
        <comment>117</comment>
        <extracomment>The title of the box that asks before a restart, a sleep or a shutdown.</extracomment>
        <translation>Подтверждение</translation>
    </message>
    <message>
        <source>RAM Optimizer
</source>
        <comment>118</comment>
        <extracomment>The first line of the tray icon&apos;s tooltip; the line end stays.</extracomment>
        <translation>Оптимизатор ОЗУ
</translation>
    </message>
    <message>
        <source>Free RAM: %1 MB (%2%)
</source>
        <comment>119</comment>
        <extracomment>The second line of the tooltip. %1: megabytes of free RAM; %2: that as a share of all RAM in percent, the % after it being the percent sign. The line end stays.</extracomment>
        <translation>Свободно ОЗУ: %1 МБ (%2%)
</translation>
    </message>
    <message>
        <source>CPU Usage: %1%</source>
        <comment>121</comment>
        <extracomment>The third line of the tooltip. %1: the processor load in percent; the % after it is the percent sign.</extracomment>
        <translation>Загрузка ЦП: %1%</translation>
    </message>
    <message>
        <source>CreateProcess failed (%1).</source>
        <comment>122</comment>
        <extracomment>%1: Windows&apos; error number when the control panel could not be started.</extracomment>
        <translation>Ошибка CreateProcess (%1).</translation>
    </message>
    <message>
        <source>Error</source>
        <comment>123</comment>
        <extracomment>The title of a box that says something failed.</extracomment>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>RAM Optimizer</source>
        <comment>124</comment>
        <extracomment>The title of the notices the tray icon shows.</extracomment>
        <translation>Оптимизатор ОЗУ</translation>
    </message>
    <message>
        <source>Recovered %1 MB, %2 MB free now</source>
        <comment>125</comment>
        <extracomment>A notice after a recovery. %1: the megabytes recovered; %2: the megabytes free now.</extracomment>
        <translation>Освобождено %1 МБ, теперь свободно %2 МБ</translation>
    </message>
    <message>
        <source>No RAM could be recovered</source>
        <comment>126</comment>
        <translation>Не удалось освободить ОЗУ</translation>
    </message>
    <message>
        <source>Windows could not be restarted (error %1). %2</source>
        <comment>127</comment>
        <extracomment>%1: Windows&apos; error number; %2: Windows&apos; own description of the error, a sentence or empty.</extracomment>
        <translation>Не удалось перезагрузить Windows (ошибка %1). %2</translation>
    </message>
    <message>
        <source>Windows could not be suspended (error %1). %2</source>
        <comment>128</comment>
        <extracomment>%1: Windows&apos; error number; %2: Windows&apos; own description of the error, a sentence or empty.</extracomment>
        <translation>Не удалось перевести компьютер в спящий режим (ошибка %1). %2</translation>
    </message>
    <message>
        <source>Windows could not be shut down (error %1). %2</source>
        <comment>129</comment>
        <extracomment>%1: Windows&apos; error number; %2: Windows&apos; own description of the error, a sentence or empty.</extracomment>
        <translation>Не удалось завершить работу Windows (ошибка %1). %2</translation>
    </message>
    <message>
        <source>Hot key not available</source>
        <comment>132</comment>
        <translation>Сочетание клавиш недоступно</translation>
    </message>
    <message>
        <source>The hot key Ctrl+Alt+%1 could not be registered: another program uses it.</source>
        <comment>133</comment>
        <extracomment>%1: the character of the hot key, such as K.</extracomment>
        <translation>Не удалось зарегистрировать сочетание клавиш Ctrl+Alt+%1: его использует другая программа.</translation>
    </message>
    <message>
        <source>The hot key Ctrl+Alt+%1 was not registered: on your keyboard layout it types “%2”.</source>
        <comment>134</comment>
        <extracomment>%1: the character of the hot key; %2: the character the key combination types on the user&apos;s keyboard layout.</extracomment>
        <translation>Сочетание клавиш Ctrl+Alt+%1 не зарегистрировано: в вашей раскладке клавиатуры оно вводит «%2».</translation>
    </message>
    <message>
        <source>The hot key Ctrl+Alt+%1 was not registered: your keyboard layout has no such key.</source>
        <comment>135</comment>
        <extracomment>%1: the character of the hot key.</extracomment>
        <translation>Сочетание клавиш Ctrl+Alt+%1 не зарегистрировано: в вашей раскладке клавиатуры нет такой клавиши.</translation>
    </message>
    <message>
        <source>This computer uses Modern Standby, which only Windows itself can start: to let it sleep, press its power button or choose Power &gt; Sleep in the Start menu.</source>
        <comment>137</comment>
        <translation>Этот компьютер использует современный режим ожидания (Modern Standby), который может запускать только сама Windows: чтобы перевести компьютер в спящий режим, нажмите его кнопку питания или выберите «Выключение» &gt; «Спящий режим» в меню «Пуск».</translation>
    </message>
    <message>
        <source>This computer may not be able to sleep, and Windows may hibernate it instead. Do you want to go on?</source>
        <comment>138</comment>
        <translation>Этот компьютер, возможно, не сможет перейти в спящий режим, и вместо этого Windows может перевести его в режим гибернации. Продолжить?</translation>
    </message>
</context>
<context>
    <name>Setup</name>
    <message>
        <source>Quenby is still running and could not be closed.</source>
        <comment>STILL_RUNNING_DETAIL</comment>
        <translation>Quenby по-прежнему работает, и его не удалось закрыть.</translation>
    </message>
    <message>
        <source>Quenby is still running and could not be closed.

Close it (tray menu: Close RAM Optimizer; and the control panel&apos;s window), then choose Retry.</source>
        <comment>STILL_RUNNING_BOX</comment>
        <translation>Quenby по-прежнему работает, и его не удалось закрыть.

Закройте его (меню значка в области уведомлений: «Выйти из оптимизатора ОЗУ»; а также окно панели Quenby), затем нажмите «Повторить».</translation>
    </message>
    <message>
        <source>Quenby is still running; nothing was changed.</source>
        <comment>STILL_RUNNING_ABORT</comment>
        <translation>Quenby по-прежнему работает; ничего не изменено.</translation>
    </message>
    <message>
        <source>Quenby&apos;s setup or uninstaller is already running.</source>
        <comment>ALREADY_RUNNING</comment>
        <translation>Программа установки или удаления Quenby уже запущена.</translation>
    </message>
    <message>
        <source>Closing Quenby if it runs...</source>
        <comment>CLOSING</comment>
        <translation>Закрытие Quenby, если он запущен...</translation>
    </message>
    <message>
        <source>Quenby control panel: RAM and CPU figures and the options</source>
        <comment>PANEL_LINK_DESCRIPTION</comment>
        <translation>Панель Quenby: показатели ОЗУ и ЦП, параметры</translation>
    </message>
    <message>
        <source>Quenby tray engine</source>
        <comment>ENGINE_LINK_NAME</comment>
        <extracomment>The name of the Start-menu shortcut to the tray engine.</extracomment>
        <translation>Модуль Quenby в области уведомлений</translation>
    </message>
    <message>
        <source>Start Quenby&apos;s tray engine, which recovers RAM</source>
        <comment>ENGINE_LINK_DESCRIPTION</comment>
        <translation>Запустить модуль Quenby в области уведомлений, освобождающий ОЗУ</translation>
    </message>
    <message>
        <source>Quenby (required)</source>
        <comment>SECTION_PROGRAM</comment>
        <translation>Quenby (обязательно)</translation>
    </message>
    <message>
        <source>Start with Windows</source>
        <comment>SECTION_AUTOSTART</comment>
        <translation>Запускать с Windows</translation>
    </message>
    <message>
        <source>Starting the tray engine again...</source>
        <comment>RESTARTING_ENGINE</comment>
        <translation>Перезапуск модуля в области уведомлений...</translation>
    </message>
    <message>
        <source>The tray engine, the control panel, the command-line client quenbyctl and Start-menu shortcuts.</source>
        <comment>SECTION_PROGRAM_DESCRIPTION</comment>
        <translation>Модуль в области уведомлений, панель Quenby, клиент командной строки quenbyctl и ярлыки в меню «Пуск».</translation>
    </message>
    <message>
        <source>Start the tray engine when you sign in to Windows.</source>
        <comment>SECTION_AUTOSTART_DESCRIPTION</comment>
        <translation>Запускать модуль в области уведомлений при входе в Windows.</translation>
    </message>
    <message>
        <source>Unknown value /AUTOSTART=%1: use /AUTOSTART=1 or /AUTOSTART=0.</source>
        <comment>BAD_AUTOSTART</comment>
        <extracomment>$1 (%1 for translators): the value given after /AUTOSTART= on the command line.</extracomment>
        <translation>Неизвестное значение /AUTOSTART=%1: используйте /AUTOSTART=1 или /AUTOSTART=0.</translation>
    </message>
    <message>
        <source>Open the Quenby control panel</source>
        <comment>FINISH_RUN</comment>
        <translation>Открыть панель Quenby</translation>
    </message>
    <message>
        <source>Installing or removing Quenby for all users of this computer needs administrator rights. Run it again as an administrator.</source>
        <comment>NEEDS_ADMINISTRATOR</comment>
        <translation>Для установки или удаления Quenby для всех пользователей этого компьютера нужны права администратора. Запустите программу снова от имени администратора.</translation>
    </message>
    <message>
        <source>Quenby has been installed for all users of this computer.

Setup did not start it. Open it from the Start menu. If Start with Windows was selected, it starts for each user when they sign in.</source>
        <comment>FINISH_MACHINE_TEXT</comment>
        <translation>Quenby установлен для всех пользователей этого компьютера.

Программа установки не запустила его. Откройте его из меню «Пуск». Если выбран параметр «Запускать с Windows», он запускается для каждого пользователя при входе в систему.</translation>
    </message>
    <message>
        <source>The previous version is still running in another user&apos;s session and keeps running there until it is closed. Its files are removed when you restart the computer.</source>
        <comment>FINISH_SET_ASIDE</comment>
        <translation>Предыдущая версия все еще работает в сеансе другого пользователя и будет работать там, пока ее не закроют. Ее файлы будут удалены после перезагрузки компьютера.</translation>
    </message>
    <message>
        <source>%1 is in use in another user&apos;s session and was renamed to %2.</source>
        <comment>SET_ASIDE_DETAIL</comment>
        <extracomment>%1: the full path of a file of the previous version; %2: the name it was renamed to.</extracomment>
        <translation>Файл %1 используется в сеансе другого пользователя и был переименован в %2.</translation>
    </message>
    <message>
        <source>Some of Quenby&apos;s files are in use in another user&apos;s session. They will be removed when you restart the computer.</source>
        <comment>UNINSTALL_IN_USE</comment>
        <translation>Некоторые файлы Quenby используются в сеансе другого пользователя. Они будут удалены после перезагрузки компьютера.</translation>
    </message>
</context>
<context>
    <name>Policies</name>
    <message>
        <source>Quenby %1 on Windows 10 and Windows 11</source>
        <extracomment>%1: Quenby&apos;s version number, as in 1.4.2.</extracomment>
        <translation>Quenby %1 в Windows 10 и Windows 11</translation>
    </message>
    <message>
        <source>Target free RAM (MB)</source>
        <translation>Целевой объем свободного ОЗУ (МБ)</translation>
    </message>
    <message>
        <source>Sets &quot;%1&quot; of Quenby.</source>
        <extracomment>%1: the policy&apos;s name, as the line above the explanation shows it.</extracomment>
        <translation>Задает параметр Quenby «%1».</translation>
    </message>
    <message>
        <source>three quarters of the installed RAM in MB</source>
        <translation>три четверти установленного объема ОЗУ в МБ</translation>
    </message>
    <message>
        <source>From %1 to %2.</source>
        <extracomment>The range a policy accepts. %1 and %2: numbers, or texts such as “the installed RAM in MB divided by 4”.</extracomment>
        <translation>От %1 до %2.</translation>
    </message>
    <message>
        <source>the installed RAM in MB divided by %1</source>
        <extracomment>A bound of a range, or a default. %1: a number such as 4.</extracomment>
        <translation>установленный объем ОЗУ в МБ, деленный на %1</translation>
    </message>
    <message>
        <source>Without a policy: %1, unless the user chose otherwise.</source>
        <extracomment>%1: the default value, a number or a text such as “the installed RAM in MB divided by 4”.</extracomment>
        <translation>Без политики: %1, если пользователь не выбрал другое значение.</translation>
    </message>
    <message>
        <source>A computer policy wins over a user policy, and both over the user&apos;s own choice, which the control panel then shows as &quot;Set by your administrator&quot;. When the policy is not configured, the user&apos;s own choice applies.</source>
        <translation>Политика компьютера имеет приоритет над политикой пользователя, а обе они — над выбором самого пользователя; такой параметр панель Quenby показывает как «Задано администратором». Если политика не задана, действует выбор пользователя.</translation>
    </message>
    <message>
        <source>Minimum free RAM (MB)</source>
        <translation>Минимальный объем свободного ОЗУ (МБ)</translation>
    </message>
    <message>
        <source>Free up RAM on startup</source>
        <translation>Освобождать ОЗУ при запуске</translation>
    </message>
    <message>
        <source>Enabled: on (1). Disabled: off (0).</source>
        <translation>Включено: вкл. (1). Отключено: выкл. (0).</translation>
    </message>
    <message>
        <source>RAM to free on startup (MB)</source>
        <translation>ОЗУ для освобождения при запуске (МБ)</translation>
    </message>
    <message>
        <source>Delay of the startup recovery (seconds)</source>
        <translation>Задержка освобождения при запуске (в секундах)</translation>
    </message>
    <message>
        <source>RAM to free periodically (MB)</source>
        <translation>ОЗУ для периодического освобождения (МБ)</translation>
    </message>
    <message>
        <source>Free up RAM every (minutes, 0 for never)</source>
        <translation>Интервал освобождения ОЗУ (в минутах, 0 — никогда)</translation>
    </message>
    <message>
        <source>Free RAM percentage shown with the periodic recovery</source>
        <translation>Процент свободного ОЗУ для периодического освобождения</translation>
    </message>
    <message>
        <source>Disable CPU usage detection</source>
        <translation>Отключить отслеживание загрузки ЦП</translation>
    </message>
    <message>
        <source>Tray icon text color</source>
        <translation>Цвет текста значка</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Черный</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Белый</translation>
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
        <translation>Одно из значений: %1.</translation>
    </message>
    <message>
        <source>Tray icon shows</source>
        <translation>Что показывает значок</translation>
    </message>
    <message>
        <source>Percentage of CPU Usage</source>
        <translation>Процент загрузки ЦП</translation>
    </message>
    <message>
        <source>Percentage of Free RAM</source>
        <translation>Процент свободного ОЗУ</translation>
    </message>
    <message>
        <source>First recovery amount of the tray menu (MB)</source>
        <translation>Первый объем освобождения в меню значка в области уведомлений (МБ)</translation>
    </message>
    <message>
        <source>Second recovery amount of the tray menu (MB)</source>
        <translation>Второй объем освобождения в меню значка в области уведомлений (МБ)</translation>
    </message>
    <message>
        <source>Third recovery amount of the tray menu (MB)</source>
        <translation>Третий объем освобождения в меню значка в области уведомлений (МБ)</translation>
    </message>
    <message>
        <source>Also clear the clipboard when freeing up RAM</source>
        <translation>Также очищать буфер обмена при освобождении ОЗУ</translation>
    </message>
    <message>
        <source>Play alarm sound before freeing up RAM</source>
        <translation>Подавать звуковой сигнал перед освобождением ОЗУ</translation>
    </message>
    <message>
        <source>Alarm sound file</source>
        <translation>Файл звукового сигнала</translation>
    </message>
    <message>
        <source>A full path, at most %1 characters.</source>
        <extracomment>%1: a number of characters, such as 259.</extracomment>
        <translation>Полный путь длиной не более %1 символов.</translation>
    </message>
    <message>
        <source>Free up RAM hot key (Ctrl + Alt + the key of this code)</source>
        <translation>Сочетание клавиш для освобождения ОЗУ (Ctrl + Alt + клавиша с этим кодом)</translation>
    </message>
    <message>
        <source>Disable/enable hot key (Ctrl + Alt + the key of this code)</source>
        <translation>Сочетание клавиш для отключения/включения (Ctrl + Alt + клавиша с этим кодом)</translation>
    </message>
    <message>
        <source>Show how much RAM was recovered</source>
        <translation>Показывать, сколько ОЗУ освобождено</translation>
    </message>
    <message>
        <source>Pause automatic recovery while it cannot help</source>
        <translation>Приостанавливать автоматическое освобождение, пока оно не помогает</translation>
    </message>
    <message>
        <source>Pause automatic recovery while a full-screen program runs</source>
        <translation>Приостанавливать автоматическое освобождение, пока программа работает в полноэкранном режиме</translation>
    </message>
    <message>
        <source>Pause automatic recovery while one of these programs runs</source>
        <translation>Приостанавливать автоматическое освобождение, пока работает одна из этих программ</translation>
    </message>
    <message>
        <source>Program file names separated by semicolons, such as game.exe;obs64.exe, at most %1 characters.</source>
        <extracomment>Keep the example file names as they are. %1: a number of characters, such as 1023.</extracomment>
        <translation>Имена файлов программ через точку с запятой, например game.exe;obs64.exe, не более %1 символов.</translation>
    </message>
    <message>
        <source>Start Quenby automatically at Windows startup</source>
        <translation>Автоматически запускать Quenby при запуске Windows</translation>
    </message>
    <message>
        <source>Enabled: the tray engine starts when the user signs in to Windows. Disabled: it does not. The engine brings the user&apos;s start-up entry in line when it starts.</source>
        <translation>Включено: модуль Quenby в области уведомлений запускается при входе пользователя в Windows. Отключено: не запускается. При запуске модуль приводит элемент автозагрузки пользователя в соответствие с политикой.</translation>
    </message>
    <message>
        <source>Settings of the Quenby RAM optimizer</source>
        <translation>Параметры оптимизатора ОЗУ Quenby</translation>
    </message>
</context>
</TS>
