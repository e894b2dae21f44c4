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
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Website:</source>
        <translation>Веб-сайт:</translation>
    </message>
    <message>
        <source>Version: %1.%2.%3 (Beta)</source>
        <translation>Версия: %1.%2.%3 (бета)</translation>
    </message>
    <message>
        <source>for Windows %1</source>
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
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Enable RAM Optimizer</source>
        <translation>Включить оптимизатор ОЗУ</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Отключить</translation>
    </message>
    <message>
        <source>Close</source>
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
        <translation>Система отказалась его запускать (ошибка %1).</translation>
    </message>
    <message>
        <source>The RAM optimizer could not be started from %1.</source>
        <translation>Не удалось запустить оптимизатор ОЗУ из %1.</translation>
    </message>
    <message>
        <source>Total RAM: %1MB</source>
        <translation>Всего ОЗУ: %1 МБ</translation>
    </message>
    <message>
        <source>Available RAM: %1MB (%2%)</source>
        <translation>Доступно ОЗУ: %1 МБ (%2%)</translation>
    </message>
    <message>
        <source>CPU Usages: %1%</source>
        <translation>Загрузка ЦП: %1%</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 МБ</translation>
    </message>
    <message>
        <source>Target free RAM, %1 MB</source>
        <translation>Целевой объем свободного ОЗУ, %1 МБ</translation>
    </message>
    <message>
        <source>Minimum free RAM, %1 MB</source>
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
        <translation>Ctrl+Alt+%1 нельзя использовать как сочетание клавиш: в вашей раскладке клавиатуры нет клавиши для «%1».</translation>
    </message>
    <message>
        <source>Ctrl+Alt+%1 can&apos;t be a hot key: on your keyboard layout it types “%2”, which every program would then lose.</source>
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
        <translation>Освобождать ОЗУ при запуске через</translation>
    </message>
    <message>
        <source>MB of RAM on startup after</source>
        <translation>МБ ОЗУ при запуске через</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>сек.</translation>
    </message>
    <message>
        <source>Free-up RAM every</source>
        <translation>Освобождать ОЗУ каждые</translation>
    </message>
    <message>
        <source>MB every</source>
        <translation>МБ каждые</translation>
    </message>
    <message>
        <source>minutes if free RAM below</source>
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
        <translation>Обычный:</translation>
    </message>
    <message>
        <source>Recovering RAM:</source>
        <translation>При освобождении ОЗУ:</translation>
    </message>
    <message>
        <source>Tray icon text color</source>
        <translation>Цвет текста значка</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Показывать</translation>
    </message>
    <message>
        <source>in tray icon</source>
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
        <translation>Освободить</translation>
    </message>
    <message>
        <source>MB menu</source>
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
        <translation>Сочетание клавиш для освобождения ОЗУ: Ctrl + Alt +</translation>
    </message>
    <message>
        <source>Disable/enable Quenby hotkey : Cltr + Alt +</source>
        <translation>Сочетание клавиш для отключения/включения Quenby: Ctrl + Alt +</translation>
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
</TS>
