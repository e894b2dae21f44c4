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
        <translation>Закрити</translation>
    </message>
    <message>
        <source>Website:</source>
        <translation>Веб-сайт:</translation>
    </message>
    <message>
        <source>Version: %1.%2.%3 (Beta)</source>
        <translation>Версія: %1.%2.%3 (бета)</translation>
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
        <translation>Графік вільного ОЗП</translation>
    </message>
    <message>
        <source>%1% of RAM free</source>
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
        <translation>Зберегти</translation>
    </message>
    <message>
        <source>Enable RAM Optimizer</source>
        <translation>Увімкнути оптимізатор ОЗП</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Вимкнути</translation>
    </message>
    <message>
        <source>Close</source>
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
        <translation>Система не дозволила запуск (помилка %1).</translation>
    </message>
    <message>
        <source>The RAM optimizer could not be started from %1.</source>
        <translation>Не вдалося запустити оптимізатор ОЗП з %1.</translation>
    </message>
    <message>
        <source>Total RAM: %1MB</source>
        <translation>Усього ОЗП: %1 МБ</translation>
    </message>
    <message>
        <source>Available RAM: %1MB (%2%)</source>
        <translation>Доступно ОЗП: %1 МБ (%2%)</translation>
    </message>
    <message>
        <source>CPU Usages: %1%</source>
        <translation>Використання ЦП: %1%</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 МБ</translation>
    </message>
    <message>
        <source>Target free RAM, %1 MB</source>
        <translation>Цільовий обсяг вільного ОЗП, %1 МБ</translation>
    </message>
    <message>
        <source>Minimum free RAM, %1 MB</source>
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
        <translation>Ctrl+Alt+%1 не можна використати як сполучення клавіш: у вашій розкладці клавіатури немає клавіші для «%1».</translation>
    </message>
    <message>
        <source>Ctrl+Alt+%1 can&apos;t be a hot key: on your keyboard layout it types “%2”, which every program would then lose.</source>
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
        <translation>Звільняти ОЗП під час запуску через</translation>
    </message>
    <message>
        <source>MB of RAM on startup after</source>
        <translation>МБ ОЗП під час запуску через</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>с</translation>
    </message>
    <message>
        <source>Free-up RAM every</source>
        <translation>Звільняти ОЗП кожні</translation>
    </message>
    <message>
        <source>MB every</source>
        <translation>МБ кожні</translation>
    </message>
    <message>
        <source>minutes if free RAM below</source>
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
        <translation>За замовчуванням:</translation>
    </message>
    <message>
        <source>Recovering RAM:</source>
        <translation>Під час звільнення ОЗП:</translation>
    </message>
    <message>
        <source>Tray icon text color</source>
        <translation>Колір тексту піктограми</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Показувати</translation>
    </message>
    <message>
        <source>in tray icon</source>
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
        <translation>Звільнити</translation>
    </message>
    <message>
        <source>MB menu</source>
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
        <translation>Сполучення клавіш для звільнення ОЗП: Ctrl + Alt +</translation>
    </message>
    <message>
        <source>Disable/enable Quenby hotkey : Cltr + Alt +</source>
        <translation>Сполучення клавіш для вимкнення/увімкнення Quenby: Ctrl + Alt +</translation>
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
</TS>
