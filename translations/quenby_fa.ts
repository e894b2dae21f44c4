<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fa">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation>درباره</translation>
    </message>
    <message>
        <source>Copyright © Quenby. All rights reserved.</source>
        <translation>حق نسخه‌برداری © Quenby. تمامی حقوق محفوظ است.</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Closes this About box.</extracomment>
        <translation>بستن</translation>
    </message>
    <message>
        <source>Website:</source>
        <translation>وب‌سایت:</translation>
    </message>
    <message>
        <source>Version: %1.%2.%3 (Beta)</source>
        <extracomment>%1, %2 and %3: the parts of the version number, as in 1.4.2.</extracomment>
        <translation>نسخه: %1.%2.%3 (بتا)</translation>
    </message>
    <message>
        <source>for Windows %1</source>
        <extracomment>%1: the Windows version the panel runs on, 10 or 11.</extracomment>
        <translation>برای Windows %1</translation>
    </message>
</context>
<context>
    <name>GraphForm</name>
    <message>
        <source>Usage graph of the free RAM</source>
        <translation>نمودار حافظه آزاد</translation>
    </message>
    <message>
        <source>%1% of RAM free</source>
        <extracomment>Read by screen readers for the usage graph. %1: the free share of the RAM in percent; the % after it is the percent sign.</extracomment>
        <translation>%1% از حافظه آزاد است</translation>
    </message>
</context>
<context>
    <name>HistoryPage</name>
    <message>
        <source>Low free RAM</source>
        <comment>what started a recovery</comment>
        <translation>حافظه آزاد کم</translation>
    </message>
    <message>
        <source>Every few minutes</source>
        <comment>what started a recovery: the periodic rule</comment>
        <translation>هر چند دقیقه</translation>
    </message>
    <message>
        <source>Startup</source>
        <comment>what started a recovery: the recovery after Quenby starts</comment>
        <translation>راه‌اندازی</translation>
    </message>
    <message>
        <source>Tray menu</source>
        <comment>what started a recovery</comment>
        <translation>منوی ناحیه اعلان</translation>
    </message>
    <message>
        <source>Hot key</source>
        <comment>what started a recovery</comment>
        <translation>کلید میانبر</translation>
    </message>
    <message>
        <source>Request</source>
        <comment>what started a recovery: another program (the command line) asked</comment>
        <translation>درخواست</translation>
    </message>
    <message>
        <source>Ran</source>
        <translation>اجرا شد</translation>
    </message>
    <message>
        <source>Did not run: the processor was busy</source>
        <translation>اجرا نشد: پردازنده مشغول بود</translation>
    </message>
    <message>
        <source>Did not run: another user&apos;s recovery was running</source>
        <translation>اجرا نشد: آزادسازی حافظه برای کاربر دیگری در حال انجام بود</translation>
    </message>
    <message>
        <source>Did not run: a full-screen program was running</source>
        <translation>اجرا نشد: برنامه‌ای در حالت تمام‌صفحه اجرا می‌شد</translation>
    </message>
    <message>
        <source>Did not run: a protected program was running</source>
        <translation>اجرا نشد: یک برنامه محافظت‌شده اجرا می‌شد</translation>
    </message>
    <message>
        <source>Did not run: paused after a recovery that could not help</source>
        <translation>اجرا نشد: توقف موقت پس از آزادسازی‌ای که فایده‌ای نداشت</translation>
    </message>
    <message>
        <source>Did not run: more than three quarters of the RAM was free</source>
        <translation>اجرا نشد: بیش از سه‌چهارم حافظه آزاد بود</translation>
    </message>
    <message>
        <source>No recovery yet.</source>
        <translation>هنوز هیچ آزادسازی‌ای انجام نشده است.</translation>
    </message>
    <message>
        <source>When</source>
        <translation>زمان</translation>
    </message>
    <message>
        <source>Started by</source>
        <translation>عامل شروع</translation>
    </message>
    <message>
        <source>What happened</source>
        <translation>نتیجه</translation>
    </message>
    <message>
        <source>Before (MB)</source>
        <comment>column: free RAM before the recovery, in megabytes</comment>
        <translation>قبل (مگابایت)</translation>
    </message>
    <message>
        <source>After (MB)</source>
        <comment>column: free RAM after the recovery, in megabytes</comment>
        <translation>بعد (مگابایت)</translation>
    </message>
    <message>
        <source>Used (MB)</source>
        <comment>column: the megabytes the recovery allocated and released</comment>
        <translation>استفاده‌شده (مگابایت)</translation>
    </message>
    <message>
        <source>Seconds</source>
        <comment>column: how long the recovery took</comment>
        <translation>ثانیه</translation>
    </message>
    <message>
        <source>Free RAM before the recovery</source>
        <translation>حافظه آزاد پیش از آزادسازی</translation>
    </message>
    <message>
        <source>Free RAM after the recovery</source>
        <translation>حافظه آزاد پس از آزادسازی</translation>
    </message>
    <message>
        <source>The RAM the recovery took for a moment and gave back</source>
        <translation>حافظه‌ای که آزادسازی برای لحظه‌ای گرفت و پس داد</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Total RAM: n/a</source>
        <translation>کل حافظه: نامشخص</translation>
    </message>
    <message>
        <source>Available RAM: n/a</source>
        <translation>حافظه در دسترس: نامشخص</translation>
    </message>
    <message>
        <source>CPU Usage: n/a</source>
        <translation>استفاده از CPU: نامشخص</translation>
    </message>
    <message>
        <source>Free-up RAM</source>
        <extracomment>The title of the group with the two sliders that set the free-RAM levels.</extracomment>
        <translation>آزادسازی حافظه</translation>
    </message>
    <message>
        <source>Target Free RAM:</source>
        <translation>هدف حافظه آزاد:</translation>
    </message>
    <message>
        <source>Minimum Free RAM:</source>
        <translation>حداقل حافظه آزاد:</translation>
    </message>
    <message>
        <source>About</source>
        <translation>درباره</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>گزینه‌ها</translation>
    </message>
    <message>
        <source>Save</source>
        <extracomment>Stores the two free-RAM levels set with the sliders.</extracomment>
        <translation>ذخیره</translation>
    </message>
    <message>
        <source>Enable RAM Optimizer</source>
        <translation>فعال کردن بهینه‌ساز حافظه</translation>
    </message>
    <message>
        <source>Disable</source>
        <extracomment>Switches the automatic recovery off; the button then reads “Enable RAM Optimizer”.</extracomment>
        <translation>غیرفعال کردن</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Ends the tray engine (the RAM optimizer itself), not only this window.</extracomment>
        <translation>خروج</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>فایل وجود ندارد.</translation>
    </message>
    <message>
        <source>You are not allowed to run this file.</source>
        <translation>اجازه اجرای این فایل را ندارید.</translation>
    </message>
    <message>
        <source>The file is not a program that can be run.</source>
        <translation>این فایل برنامه‌ای قابل اجرا نیست.</translation>
    </message>
    <message>
        <source>There is not enough memory to start it.</source>
        <translation>حافظه کافی برای اجرای آن وجود ندارد.</translation>
    </message>
    <message>
        <source>The system refused to start it (error %1).</source>
        <extracomment>Why the tray engine could not be started. %1: Windows&apos; error number.</extracomment>
        <translation>سیستم از اجرای آن خودداری کرد (خطای %1).</translation>
    </message>
    <message>
        <source>The RAM optimizer could not be started from %1.</source>
        <extracomment>%1: the full path of the tray engine&apos;s program file; a sentence saying why follows on the next line.</extracomment>
        <translation>بهینه‌ساز حافظه از %1 اجرا نشد.</translation>
    </message>
    <message>
        <source>Total RAM: %1MB</source>
        <extracomment>%1: megabytes of RAM installed, a whole number.</extracomment>
        <translation>کل حافظه: %1 مگابایت</translation>
    </message>
    <message>
        <source>Available RAM: %1MB (%2%)</source>
        <extracomment>%1: megabytes of RAM available now; %2: that as a share of all RAM, in percent (the % after it is the percent sign).</extracomment>
        <translation>حافظه در دسترس: %1 مگابایت (%2%)</translation>
    </message>
    <message>
        <source>CPU Usages: %1%</source>
        <extracomment>%1: the processor load of the last second in percent; the % after it is the percent sign.</extracomment>
        <translation>استفاده از CPU: %1%</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <extracomment>%1: megabytes, the value the slider beside it is set to.</extracomment>
        <translation>%1 مگابایت</translation>
    </message>
    <message>
        <source>Target free RAM, %1 MB</source>
        <extracomment>Read by screen readers for the slider. %1: the megabytes it is set to.</extracomment>
        <translation>هدف حافظه آزاد، %1 مگابایت</translation>
    </message>
    <message>
        <source>Minimum free RAM, %1 MB</source>
        <extracomment>Read by screen readers for the slider. %1: the megabytes it is set to.</extracomment>
        <translation>حداقل حافظه آزاد، %1 مگابایت</translation>
    </message>
    <message>
        <source>Save the target and minimum free RAM</source>
        <translation>ذخیره هدف و حداقل حافظه آزاد</translation>
    </message>
    <message>
        <source>Open the options</source>
        <translation>باز کردن گزینه‌ها</translation>
    </message>
    <message>
        <source>Enable the RAM optimizer</source>
        <translation>فعال کردن بهینه‌ساز حافظه</translation>
    </message>
    <message>
        <source>Disable the RAM optimizer</source>
        <translation>غیرفعال کردن بهینه‌ساز حافظه</translation>
    </message>
    <message>
        <source>Close the RAM optimizer</source>
        <translation>خروج از بهینه‌ساز حافظه</translation>
    </message>
    <message>
        <source>About Quenby</source>
        <translation>درباره Quenby</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Ctrl+Alt+%1 can&apos;t be a hot key: your keyboard layout has no key for “%1”.</source>
        <extracomment>%1: the character the user typed as the hot key, such as K.</extracomment>
        <translation>کلید میانبر Ctrl+Alt+%1‎ قابل استفاده نیست: طرح‌بندی صفحه‌کلید شما کلیدی برای «%1» ندارد.</translation>
    </message>
    <message>
        <source>Ctrl+Alt+%1 can&apos;t be a hot key: on your keyboard layout it types “%2”, which every program would then lose.</source>
        <extracomment>%1: the character the user typed as the hot key; %2: the character that key combination types on the user&apos;s keyboard layout (as AltGr would).</extracomment>
        <translation>کلید میانبر Ctrl+Alt+%1‎ قابل استفاده نیست: این کلید در طرح‌بندی صفحه‌کلید شما «%2» را تایپ می‌کند و در آن صورت دیگر هیچ برنامه‌ای آن را دریافت نمی‌کند.</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>گزینه‌ها</translation>
    </message>
    <message>
        <source>General</source>
        <translation>عمومی</translation>
    </message>
    <message>
        <source>Start Quenby automatically at Windows startup</source>
        <translation>اجرای خودکار Quenby هنگام راه‌اندازی Windows</translation>
    </message>
    <message>
        <source>Free-up RAM on startup after</source>
        <extracomment>Start of a sentence the dialog puts together: this check box, a number of seconds, then “seconds”: “Free-up RAM on startup after [60] seconds”.</extracomment>
        <translation>آزادسازی حافظه هنگام راه‌اندازی پس از</translation>
    </message>
    <message>
        <source>MB of RAM on startup after</source>
        <extracomment>A hidden part of the start-up sentence, after a number of megabytes.</extracomment>
        <translation>مگابایت از حافظه هنگام راه‌اندازی پس از</translation>
    </message>
    <message>
        <source>seconds</source>
        <extracomment>End of the sentence “Free-up RAM on startup after [60] seconds”.</extracomment>
        <translation>ثانیه</translation>
    </message>
    <message>
        <source>Free-up RAM every</source>
        <extracomment>Start of a sentence the dialog puts together: “Free-up RAM every [4] minutes if free RAM below [50] %”.</extracomment>
        <translation>آزادسازی حافظه هر</translation>
    </message>
    <message>
        <source>MB every</source>
        <extracomment>A hidden part of the periodic sentence, after a number of megabytes.</extracomment>
        <translation>مگابایت هر</translation>
    </message>
    <message>
        <source>minutes if free RAM below</source>
        <extracomment>Middle of the sentence “Free-up RAM every [4] minutes if free RAM below [50] %”: between two numbers.</extracomment>
        <translation>دقیقه، وقتی حافظه آزاد کمتر از</translation>
    </message>
    <message>
        <source>Pause automatic recovery while it cannot help</source>
        <translation>توقف موقت آزادسازی خودکار تا وقتی که فایده‌ای ندارد</translation>
    </message>
    <message>
        <source>Pause automatic recovery while a full-screen program runs</source>
        <translation>توقف موقت آزادسازی خودکار تا وقتی که برنامه‌ای در حالت تمام‌صفحه اجرا می‌شود</translation>
    </message>
    <message>
        <source>CPU usage:</source>
        <extracomment>Beside a bar that shows the processor load.</extracomment>
        <translation>استفاده از CPU:</translation>
    </message>
    <message>
        <source>Disable CPU usage detection</source>
        <translation>غیرفعال کردن تشخیص استفاده از CPU</translation>
    </message>
    <message>
        <source>Enable the CPU usage detection to prevent Quenby recovering RAM when your CPU is busy. Please note that CPU cooling and few other programs use special method that cause the CPU usage always stay at 100% level. When you have this kind of situation, disable the CPU usage detection to allow Quenby recovering RAM at any CPU usage level.</source>
        <translation>تشخیص استفاده از CPU را فعال کنید تا Quenby هنگامی که پردازنده مشغول است حافظه را آزاد نکند. توجه داشته باشید که برنامه‌های خنک‌کننده پردازنده و چند برنامه دیگر از روش خاصی استفاده می‌کنند که باعث می‌شود استفاده از CPU همیشه در سطح 100% بماند. در این صورت، تشخیص استفاده از CPU را غیرفعال کنید تا Quenby بتواند در هر سطحی از استفاده از CPU حافظه را آزاد کند.</translation>
    </message>
    <message>
        <source>Tray Icon</source>
        <translation>نماد ناحیه اعلان</translation>
    </message>
    <message>
        <source>Default:</source>
        <extracomment>Beside the picture of the tray icon as it normally looks.</extracomment>
        <translation>پیش‌فرض:</translation>
    </message>
    <message>
        <source>Recovering RAM:</source>
        <extracomment>Beside the picture of the tray icon while it recovers RAM.</extracomment>
        <translation>هنگام آزادسازی حافظه:</translation>
    </message>
    <message>
        <source>Tray icon text color</source>
        <translation>رنگ متن نماد ناحیه اعلان</translation>
    </message>
    <message>
        <source>Display</source>
        <extracomment>Start of “Display [Percentage of Free RAM] in tray icon”: a list to choose from follows.</extracomment>
        <translation>نمایش</translation>
    </message>
    <message>
        <source>in tray icon</source>
        <extracomment>End of “Display [Percentage of Free RAM] in tray icon”.</extracomment>
        <translation>در نماد ناحیه اعلان</translation>
    </message>
    <message>
        <source>Show how much RAM was recovered</source>
        <translation>نمایش مقدار حافظه آزادشده</translation>
    </message>
    <message>
        <source>Popup Menu</source>
        <translation>منوی بازشو</translation>
    </message>
    <message>
        <source>Recover</source>
        <extracomment>Start of “Recover [512] MB menu”: sets the amount of one entry of the tray icon&apos;s menu.</extracomment>
        <translation>آزادسازی</translation>
    </message>
    <message>
        <source>MB menu</source>
        <extracomment>End of “Recover [512] MB menu”.</extracomment>
        <translation>مگابایت (منو)</translation>
    </message>
    <message>
        <source>Others</source>
        <translation>سایر</translation>
    </message>
    <message>
        <source>Also clear Windows Clipboard when freeing up RAM</source>
        <translation>هنگام آزادسازی حافظه، کلیپ‌بورد Windows نیز پاک شود</translation>
    </message>
    <message>
        <source>Play alarm sound before freeing up RAM</source>
        <translation>پخش صدای هشدار پیش از آزادسازی حافظه</translation>
    </message>
    <message>
        <source>Free up RAM hot key : Cltr + Alt +</source>
        <translation type="vanished">کلید میانبر آزادسازی حافظه: Ctrl + Alt +‎</translation>
    </message>
    <message>
        <source>Disable/enable Quenby hotkey : Cltr + Alt +</source>
        <translation type="vanished">کلید میانبر غیرفعال/فعال کردن Quenby: Ctrl + Alt +‎</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>ذخیره</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>لغو</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>سیاه</translation>
    </message>
    <message>
        <source>White</source>
        <translation>سفید</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>خودکار</translation>
    </message>
    <message>
        <source>Percentage of CPU Usage</source>
        <translation>درصد استفاده از CPU</translation>
    </message>
    <message>
        <source>Percentage of Free RAM</source>
        <translation>درصد حافظه آزاد</translation>
    </message>
    <message>
        <source>RAM to free on startup, in MB</source>
        <translation>حافظه‌ای که هنگام راه‌اندازی آزاد می‌شود، به مگابایت</translation>
    </message>
    <message>
        <source>Delay of the startup recovery, in seconds</source>
        <translation>تأخیر آزادسازی هنگام راه‌اندازی، به ثانیه</translation>
    </message>
    <message>
        <source>RAM to free periodically, in MB</source>
        <translation>حافظه‌ای که به‌طور دوره‌ای آزاد می‌شود، به مگابایت</translation>
    </message>
    <message>
        <source>Free-up RAM every, in minutes (0 for never)</source>
        <translation>فاصله آزادسازی حافظه، به دقیقه (0 یعنی هرگز)</translation>
    </message>
    <message>
        <source>Only if free RAM is below, in percent</source>
        <translation>فقط اگر حافظه آزاد کمتر از این درصد باشد</translation>
    </message>
    <message>
        <source>CPU usage</source>
        <translation>استفاده از CPU</translation>
    </message>
    <message>
        <source>What the tray icon shows</source>
        <translation>آنچه نماد ناحیه اعلان نشان می‌دهد</translation>
    </message>
    <message>
        <source>First recovery amount of the tray menu, in MB</source>
        <translation>مقدار اول آزادسازی در منوی ناحیه اعلان، به مگابایت</translation>
    </message>
    <message>
        <source>Second recovery amount of the tray menu, in MB</source>
        <translation>مقدار دوم آزادسازی در منوی ناحیه اعلان، به مگابایت</translation>
    </message>
    <message>
        <source>Third recovery amount of the tray menu, in MB</source>
        <translation>مقدار سوم آزادسازی در منوی ناحیه اعلان، به مگابایت</translation>
    </message>
    <message>
        <source>Alarm sound file</source>
        <translation>فایل صدای هشدار</translation>
    </message>
    <message>
        <source>Choose the alarm sound file</source>
        <translation>انتخاب فایل صدای هشدار</translation>
    </message>
    <message>
        <source>Free up RAM hot key: Ctrl + Alt + this key</source>
        <translation>کلید میانبر آزادسازی حافظه: Ctrl + Alt + این کلید</translation>
    </message>
    <message>
        <source>Disable/enable hot key: Ctrl + Alt + this key</source>
        <translation>کلید میانبر غیرفعال/فعال کردن: Ctrl + Alt + این کلید</translation>
    </message>
    <message>
        <source>Add Files</source>
        <translation>افزودن فایل‌ها</translation>
    </message>
    <message>
        <source>All Files (*.wav)</source>
        <translation>همه فایل‌ها (*.wav)</translation>
    </message>
    <message>
        <source>Pause automatic recovery while one of these programs runs:</source>
        <translation>توقف موقت آزادسازی خودکار تا وقتی که یکی از این برنامه‌ها اجرا می‌شود:</translation>
    </message>
    <message>
        <source>game.exe;obs64.exe</source>
        <extracomment>An example of the list: two program file names separated by a semicolon. Keep the names as they are.</extracomment>
        <translation>game.exe;obs64.exe</translation>
    </message>
    <message>
        <source>History</source>
        <translation>تاریخچه</translation>
    </message>
    <message>
        <source>Program file names as Task Manager shows them, separated by semicolons.</source>
        <translation>نام فایل برنامه‌ها همان‌گونه که مدیر وظیفه (Task Manager) نشان می‌دهد، جداشده با نقطه‌ویرگول.</translation>
    </message>
    <message>
        <source>Ignored, as they are not program file names: %1</source>
        <comment>followed by the names</comment>
        <translation>نادیده گرفته شدند، چون نام فایل برنامه نیستند: %1</translation>
    </message>
    <message>
        <source>Free up RAM hot key: Ctrl + Alt +</source>
        <extracomment>A field for one key follows: Ctrl + Alt + that key frees up RAM in every program.</extracomment>
        <translation>کلید میانبر آزادسازی حافظه: Ctrl + Alt +‎</translation>
    </message>
    <message>
        <source>Disable/enable Quenby hot key: Ctrl + Alt +</source>
        <extracomment>A field for one key follows: Ctrl + Alt + that key switches the automatic recovery off and on.</extracomment>
        <translation>کلید میانبر غیرفعال/فعال کردن Quenby: Ctrl + Alt +‎</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Set by your administrator</source>
        <translation>تنظیم‌شده توسط سرپرست شما</translation>
    </message>
    <message>
        <source>Your administrator set Quenby to start automatically for every user of this PC.</source>
        <translation>سرپرست شما Quenby را طوری تنظیم کرده است که برای هر کاربر این رایانه به‌طور خودکار اجرا شود.</translation>
    </message>
</context>
<context>
    <name>Quenbytray</name>
    <message>
        <source>Restart Windows</source>
        <comment>104</comment>
        <translation>راه‌اندازی مجدد Windows</translation>
    </message>
    <message>
        <source>Suspend Windows</source>
        <comment>105</comment>
        <translation>خواب</translation>
    </message>
    <message>
        <source>Shutdown Windows</source>
        <comment>106</comment>
        <translation>خاموش کردن Windows</translation>
    </message>
    <message>
        <source>Clear Clipboard</source>
        <comment>107</comment>
        <translation>پاک کردن کلیپ‌بورد</translation>
    </message>
    <message>
        <source>Free-up RAM Manually
</source>
        <comment>108</comment>
        <extracomment>A menu item that frees up RAM now; the line end stays.</extracomment>
        <translation>آزادسازی دستی حافظه
</translation>
    </message>
    <message>
        <source>Configuration...</source>
        <comment>110</comment>
        <translation>گزینه‌ها...</translation>
    </message>
    <message>
        <source>Disable RAM Optimizer</source>
        <comment>111</comment>
        <translation>غیرفعال کردن بهینه‌ساز حافظه</translation>
    </message>
    <message>
        <source>Enable RAM Optimizer</source>
        <comment>112</comment>
        <translation>فعال کردن بهینه‌ساز حافظه</translation>
    </message>
    <message>
        <source>Close RAM Optimizer</source>
        <comment>113</comment>
        <extracomment>Ends the tray engine: its icon and the automatic recovery go away.</extracomment>
        <translation>خروج از بهینه‌ساز حافظه</translation>
    </message>
    <message>
        <source>Do you want to restart your computer now?</source>
        <comment>114</comment>
        <translation>آیا می‌خواهید اکنون رایانه را راه‌اندازی مجدد کنید؟</translation>
    </message>
    <message>
        <source>Do you want to suspend your computer now?</source>
        <comment>115</comment>
        <translation>آیا می‌خواهید اکنون رایانه را به حالت خواب ببرید؟</translation>
    </message>
    <message>
        <source>Do you want to shutdown your computer now?</source>
        <comment>116</comment>
        <translation>آیا می‌خواهید اکنون رایانه را خاموش کنید؟</translation>
    </message>
    <message>
        <source>Confirm</source>
        <comment>117</comment>
        <extracomment>The title of the box that asks before a restart, a sleep or a shutdown.</extracomment>
        <translation>تأیید</translation>
    </message>
    <message>
        <source>RAM Optimizer
</source>
        <comment>118</comment>
        <extracomment>The first line of the tray icon&apos;s tooltip; the line end stays.</extracomment>
        <translation>بهینه‌ساز حافظه
</translation>
    </message>
    <message>
        <source>Free RAM: %1 MB (%2%)
</source>
        <comment>119</comment>
        <extracomment>The second line of the tooltip. %1: megabytes of free RAM; %2: that as a share of all RAM in percent, the % after it being the percent sign. The line end stays.</extracomment>
        <translation>حافظه آزاد: %1 مگابایت (%2%)
</translation>
    </message>
    <message>
        <source>CPU Usage: %1%</source>
        <comment>121</comment>
        <extracomment>The third line of the tooltip. %1: the processor load in percent; the % after it is the percent sign.</extracomment>
        <translation>استفاده از CPU: %1%</translation>
    </message>
    <message>
        <source>CreateProcess failed (%1).</source>
        <comment>122</comment>
        <extracomment>%1: Windows&apos; error number when the control panel could not be started.</extracomment>
        <translation>اجرای CreateProcess ناموفق بود (%1).</translation>
    </message>
    <message>
        <source>Error</source>
        <comment>123</comment>
        <extracomment>The title of a box that says something failed.</extracomment>
        <translation>خطا</translation>
    </message>
    <message>
        <source>RAM Optimizer</source>
        <comment>124</comment>
        <extracomment>The title of the notices the tray icon shows.</extracomment>
        <translation>بهینه‌ساز حافظه</translation>
    </message>
    <message>
        <source>Recovered %1 MB, %2 MB free now</source>
        <comment>125</comment>
        <extracomment>A notice after a recovery. %1: the megabytes recovered; %2: the megabytes free now.</extracomment>
        <translation>%1 مگابایت آزاد شد، اکنون %2 مگابایت آزاد است</translation>
    </message>
    <message>
        <source>No RAM could be recovered</source>
        <comment>126</comment>
        <translation>هیچ حافظه‌ای آزاد نشد</translation>
    </message>
    <message>
        <source>Windows could not be restarted (error %1). %2</source>
        <comment>127</comment>
        <extracomment>%1: Windows&apos; error number; %2: Windows&apos; own description of the error, a sentence or empty.</extracomment>
        <translation>راه‌اندازی مجدد Windows ممکن نشد (خطای %1). %2</translation>
    </message>
    <message>
        <source>Windows could not be suspended (error %1). %2</source>
        <comment>128</comment>
        <extracomment>%1: Windows&apos; error number; %2: Windows&apos; own description of the error, a sentence or empty.</extracomment>
        <translation>بردن رایانه به حالت خواب ممکن نشد (خطای %1). %2</translation>
    </message>
    <message>
        <source>Windows could not be shut down (error %1). %2</source>
        <comment>129</comment>
        <extracomment>%1: Windows&apos; error number; %2: Windows&apos; own description of the error, a sentence or empty.</extracomment>
        <translation>خاموش کردن Windows ممکن نشد (خطای %1). %2</translation>
    </message>
    <message>
        <source>Hot key not available</source>
        <comment>132</comment>
        <translation>کلید میانبر در دسترس نیست</translation>
    </message>
    <message>
        <source>The hot key Ctrl+Alt+%1 could not be registered: another program uses it.</source>
        <comment>133</comment>
        <extracomment>%1: the character of the hot key, such as K.</extracomment>
        <translation>کلید میانبر Ctrl+Alt+%1‎ ثبت نشد: برنامه دیگری از آن استفاده می‌کند.</translation>
    </message>
    <message>
        <source>The hot key Ctrl+Alt+%1 was not registered: on your keyboard layout it types “%2”.</source>
        <comment>134</comment>
        <extracomment>%1: the character of the hot key; %2: the character the key combination types on the user&apos;s keyboard layout.</extracomment>
        <translation>کلید میانبر Ctrl+Alt+%1‎ ثبت نشد: این کلید در طرح‌بندی صفحه‌کلید شما «%2» را تایپ می‌کند.</translation>
    </message>
    <message>
        <source>The hot key Ctrl+Alt+%1 was not registered: your keyboard layout has no such key.</source>
        <comment>135</comment>
        <extracomment>%1: the character of the hot key.</extracomment>
        <translation>کلید میانبر Ctrl+Alt+%1‎ ثبت نشد: طرح‌بندی صفحه‌کلید شما چنین کلیدی ندارد.</translation>
    </message>
    <message>
        <source>This computer uses Modern Standby, which only Windows itself can start: to let it sleep, press its power button or choose Power &gt; Sleep in the Start menu.</source>
        <comment>137</comment>
        <translation>این رایانه از حالت آماده‌به‌کار مدرن استفاده می‌کند که فقط خود Windows می‌تواند آن را آغاز کند: برای بردن رایانه به حالت خواب، دکمه روشن/خاموش آن را فشار دهید یا در منوی شروع، «نیرو» و سپس «خواب» را انتخاب کنید.</translation>
    </message>
    <message>
        <source>This computer may not be able to sleep, and Windows may hibernate it instead. Do you want to go on?</source>
        <comment>138</comment>
        <translation>ممکن است این رایانه نتواند به حالت خواب برود و Windows به جای آن، رایانه را به حالت خواب زمستانی ببرد. آیا می‌خواهید ادامه دهید؟</translation>
    </message>
</context>
<context>
    <name>Setup</name>
    <message>
        <source>Quenby is still running and could not be closed.</source>
        <comment>STILL_RUNNING_DETAIL</comment>
        <translation>برنامه Quenby هنوز در حال اجراست و خروج از آن ممکن نشد.</translation>
    </message>
    <message>
        <source>Quenby is still running and could not be closed.

Close it (tray menu: Close RAM Optimizer; and the control panel&apos;s window), then choose Retry.</source>
        <comment>STILL_RUNNING_BOX</comment>
        <translation>برنامه Quenby هنوز در حال اجراست و خروج از آن ممکن نشد.

از آن خارج شوید (در منوی ناحیه اعلان: خروج از بهینه‌ساز حافظه؛ و پنجره پیشخوان را هم ببندید)، سپس «تلاش مجدد» را انتخاب کنید.</translation>
    </message>
    <message>
        <source>Quenby is still running; nothing was changed.</source>
        <comment>STILL_RUNNING_ABORT</comment>
        <translation>برنامه Quenby هنوز در حال اجراست؛ هیچ تغییری اعمال نشد.</translation>
    </message>
    <message>
        <source>Quenby&apos;s setup or uninstaller is already running.</source>
        <comment>ALREADY_RUNNING</comment>
        <translation>برنامه نصب یا حذف نصب Quenby هم‌اکنون در حال اجراست.</translation>
    </message>
    <message>
        <source>Closing Quenby if it runs...</source>
        <comment>CLOSING</comment>
        <translation>خروج از Quenby، اگر در حال اجرا باشد...</translation>
    </message>
    <message>
        <source>Quenby control panel: RAM and CPU figures and the options</source>
        <comment>PANEL_LINK_DESCRIPTION</comment>
        <translation>پیشخوان Quenby: ارقام حافظه و CPU و گزینه‌ها</translation>
    </message>
    <message>
        <source>Quenby tray engine</source>
        <comment>ENGINE_LINK_NAME</comment>
        <extracomment>The name of the Start-menu shortcut to the tray engine.</extracomment>
        <translation>Quenby در ناحیه اعلان</translation>
    </message>
    <message>
        <source>Start Quenby&apos;s tray engine, which recovers RAM</source>
        <comment>ENGINE_LINK_DESCRIPTION</comment>
        <translation>اجرای Quenby در ناحیه اعلان برای آزادسازی حافظه</translation>
    </message>
    <message>
        <source>Quenby (required)</source>
        <comment>SECTION_PROGRAM</comment>
        <translation>Quenby (ضروری)</translation>
    </message>
    <message>
        <source>Start with Windows</source>
        <comment>SECTION_AUTOSTART</comment>
        <translation>اجرا همراه با Windows</translation>
    </message>
    <message>
        <source>Starting the tray engine again...</source>
        <comment>RESTARTING_ENGINE</comment>
        <translation>اجرای دوباره برنامه ناحیه اعلان...</translation>
    </message>
    <message>
        <source>The tray engine, the control panel, the command-line client quenbyctl and Start-menu shortcuts.</source>
        <comment>SECTION_PROGRAM_DESCRIPTION</comment>
        <translation>برنامه ناحیه اعلان، پیشخوان، سرویس‌گیرنده خط فرمان quenbyctl و میانبرهای منوی شروع.</translation>
    </message>
    <message>
        <source>Start the tray engine when you sign in to Windows.</source>
        <comment>SECTION_AUTOSTART_DESCRIPTION</comment>
        <translation>اجرای برنامه ناحیه اعلان هنگام ورود شما به Windows.</translation>
    </message>
    <message>
        <source>Unknown value /AUTOSTART=%1: use /AUTOSTART=1 or /AUTOSTART=0.</source>
        <comment>BAD_AUTOSTART</comment>
        <extracomment>$1 (%1 for translators): the value given after /AUTOSTART= on the command line.</extracomment>
        <translation>مقدار ناشناخته ‎/AUTOSTART=%1: از ‎/AUTOSTART=1 یا ‎/AUTOSTART=0 استفاده کنید.</translation>
    </message>
    <message>
        <source>Open the Quenby control panel</source>
        <comment>FINISH_RUN</comment>
        <translation>باز کردن پیشخوان Quenby</translation>
    </message>
    <message>
        <source>Installing or removing Quenby for all users of this computer needs administrator rights. Run it again as an administrator.</source>
        <comment>NEEDS_ADMINISTRATOR</comment>
        <translation>نصب یا حذف Quenby برای همه کاربران این رایانه به حقوق سرپرست نیاز دارد. آن را دوباره به‌عنوان سرپرست اجرا کنید.</translation>
    </message>
    <message>
        <source>Quenby has been installed for all users of this computer.

Setup did not start it. Open it from the Start menu. If Start with Windows was selected, it starts for each user when they sign in.</source>
        <comment>FINISH_MACHINE_TEXT</comment>
        <translation>برنامه Quenby برای همه کاربران این رایانه نصب شد.

برنامه نصب آن را اجرا نکرد. آن را از منوی شروع باز کنید. اگر «اجرا همراه با Windows» انتخاب شده باشد، برای هر کاربر هنگام ورود به سیستم اجرا می‌شود.</translation>
    </message>
    <message>
        <source>The previous version is still running in another user&apos;s session and keeps running there until it is closed. Its files are removed when you restart the computer.</source>
        <comment>FINISH_SET_ASIDE</comment>
        <translation>نسخه قبلی هنوز در جلسه کاربر دیگری در حال اجراست و تا زمانی که از آن خارج نشوند، همان‌جا اجرا می‌شود. فایل‌های آن هنگام راه‌اندازی مجدد رایانه حذف می‌شوند.</translation>
    </message>
    <message>
        <source>%1 is in use in another user&apos;s session and was renamed to %2.</source>
        <comment>SET_ASIDE_DETAIL</comment>
        <extracomment>%1: the full path of a file of the previous version; %2: the name it was renamed to.</extracomment>
        <translation>فایل %1 در جلسه کاربر دیگری در حال استفاده است و نام آن به %2 تغییر یافت.</translation>
    </message>
    <message>
        <source>Some of Quenby&apos;s files are in use in another user&apos;s session. They will be removed when you restart the computer.</source>
        <comment>UNINSTALL_IN_USE</comment>
        <translation>برخی از فایل‌های Quenby در جلسه کاربر دیگری در حال استفاده هستند. این فایل‌ها هنگام راه‌اندازی مجدد رایانه حذف می‌شوند.</translation>
    </message>
</context>
<context>
    <name>Policies</name>
    <message>
        <source>Quenby %1 on Windows 10 and Windows 11</source>
        <extracomment>%1: Quenby&apos;s version number, as in 1.4.2.</extracomment>
        <translation>Quenby %1 روی Windows 10 و Windows 11</translation>
    </message>
    <message>
        <source>Target free RAM (MB)</source>
        <translation>هدف حافظه آزاد (مگابایت)</translation>
    </message>
    <message>
        <source>Sets &quot;%1&quot; of Quenby.</source>
        <extracomment>%1: the policy&apos;s name, as the line above the explanation shows it.</extracomment>
        <translation>مقدار «%1» را در Quenby تنظیم می‌کند.</translation>
    </message>
    <message>
        <source>three quarters of the installed RAM in MB</source>
        <translation>سه‌چهارم حافظه نصب‌شده به مگابایت</translation>
    </message>
    <message>
        <source>From %1 to %2.</source>
        <extracomment>The range a policy accepts. %1 and %2: numbers, or texts such as “the installed RAM in MB divided by 4”.</extracomment>
        <translation>از %1 تا %2.</translation>
    </message>
    <message>
        <source>the installed RAM in MB divided by %1</source>
        <extracomment>A bound of a range, or a default. %1: a number such as 4.</extracomment>
        <translation>حافظه نصب‌شده به مگابایت تقسیم بر %1</translation>
    </message>
    <message>
        <source>Without a policy: %1, unless the user chose otherwise.</source>
        <extracomment>%1: the default value, a number or a text such as “the installed RAM in MB divided by 4”.</extracomment>
        <translation>بدون خط‌مشی: %1، مگر اینکه کاربر گزینه دیگری انتخاب کرده باشد.</translation>
    </message>
    <message>
        <source>A computer policy wins over a user policy, and both over the user&apos;s own choice, which the control panel then shows as &quot;Set by your administrator&quot;. When the policy is not configured, the user&apos;s own choice applies.</source>
        <translation>خط‌مشی رایانه بر خط‌مشی کاربر مقدم است و هر دو بر انتخاب خود کاربر مقدم‌اند؛ پیشخوان در این حالت آن را به‌صورت «تنظیم‌شده توسط سرپرست شما» نشان می‌دهد. وقتی خط‌مشی پیکربندی نشده باشد، انتخاب خود کاربر اعمال می‌شود.</translation>
    </message>
    <message>
        <source>Minimum free RAM (MB)</source>
        <translation>حداقل حافظه آزاد (مگابایت)</translation>
    </message>
    <message>
        <source>Free up RAM on startup</source>
        <translation>آزادسازی حافظه هنگام راه‌اندازی</translation>
    </message>
    <message>
        <source>Enabled: on (1). Disabled: off (0).</source>
        <translation>فعال: روشن (1). غیرفعال: خاموش (0).</translation>
    </message>
    <message>
        <source>RAM to free on startup (MB)</source>
        <translation>حافظه‌ای که هنگام راه‌اندازی آزاد می‌شود (مگابایت)</translation>
    </message>
    <message>
        <source>Delay of the startup recovery (seconds)</source>
        <translation>تأخیر آزادسازی هنگام راه‌اندازی (ثانیه)</translation>
    </message>
    <message>
        <source>RAM to free periodically (MB)</source>
        <translation>حافظه‌ای که به‌طور دوره‌ای آزاد می‌شود (مگابایت)</translation>
    </message>
    <message>
        <source>Free up RAM every (minutes, 0 for never)</source>
        <translation>فاصله آزادسازی حافظه (دقیقه، 0 یعنی هرگز)</translation>
    </message>
    <message>
        <source>Free RAM percentage shown with the periodic recovery</source>
        <translation>درصد حافظه آزاد برای آزادسازی دوره‌ای</translation>
    </message>
    <message>
        <source>Disable CPU usage detection</source>
        <translation>غیرفعال کردن تشخیص استفاده از CPU</translation>
    </message>
    <message>
        <source>Tray icon text color</source>
        <translation>رنگ متن نماد ناحیه اعلان</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>سیاه</translation>
    </message>
    <message>
        <source>White</source>
        <translation>سفید</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>Joins the entries of a list: %1 is the list so far, %2 the next entry. Use the language&apos;s list separator.</extracomment>
        <translation>%1، %2</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>خودکار</translation>
    </message>
    <message>
        <source>One of: %1.</source>
        <extracomment>%1: the values a policy accepts, each its number and its name, as in “0 Black, 1 White, 2 Auto”.</extracomment>
        <translation>یکی از: %1.</translation>
    </message>
    <message>
        <source>Tray icon shows</source>
        <translation>آنچه نماد ناحیه اعلان نشان می‌دهد</translation>
    </message>
    <message>
        <source>Percentage of CPU Usage</source>
        <translation>درصد استفاده از CPU</translation>
    </message>
    <message>
        <source>Percentage of Free RAM</source>
        <translation>درصد حافظه آزاد</translation>
    </message>
    <message>
        <source>First recovery amount of the tray menu (MB)</source>
        <translation>مقدار اول آزادسازی در منوی ناحیه اعلان (مگابایت)</translation>
    </message>
    <message>
        <source>Second recovery amount of the tray menu (MB)</source>
        <translation>مقدار دوم آزادسازی در منوی ناحیه اعلان (مگابایت)</translation>
    </message>
    <message>
        <source>Third recovery amount of the tray menu (MB)</source>
        <translation>مقدار سوم آزادسازی در منوی ناحیه اعلان (مگابایت)</translation>
    </message>
    <message>
        <source>Also clear the clipboard when freeing up RAM</source>
        <translation>هنگام آزادسازی حافظه، کلیپ‌بورد نیز پاک شود</translation>
    </message>
    <message>
        <source>Play alarm sound before freeing up RAM</source>
        <translation>پخش صدای هشدار پیش از آزادسازی حافظه</translation>
    </message>
    <message>
        <source>Alarm sound file</source>
        <translation>فایل صدای هشدار</translation>
    </message>
    <message>
        <source>A full path, at most %1 characters.</source>
        <extracomment>%1: a number of characters, such as 259.</extracomment>
        <translation>یک مسیر کامل، حداکثر %1 نویسه.</translation>
    </message>
    <message>
        <source>Free up RAM hot key (Ctrl + Alt + the key of this code)</source>
        <translation>کلید میانبر آزادسازی حافظه (Ctrl + Alt + کلیدی با این کد)</translation>
    </message>
    <message>
        <source>Disable/enable hot key (Ctrl + Alt + the key of this code)</source>
        <translation>کلید میانبر غیرفعال/فعال کردن (Ctrl + Alt + کلیدی با این کد)</translation>
    </message>
    <message>
        <source>Show how much RAM was recovered</source>
        <translation>نمایش مقدار حافظه آزادشده</translation>
    </message>
    <message>
        <source>Pause automatic recovery while it cannot help</source>
        <translation>توقف موقت آزادسازی خودکار تا وقتی که فایده‌ای ندارد</translation>
    </message>
    <message>
        <source>Pause automatic recovery while a full-screen program runs</source>
        <translation>توقف موقت آزادسازی خودکار تا وقتی که برنامه‌ای در حالت تمام‌صفحه اجرا می‌شود</translation>
    </message>
    <message>
        <source>Pause automatic recovery while one of these programs runs</source>
        <translation>توقف موقت آزادسازی خودکار تا وقتی که یکی از این برنامه‌ها اجرا می‌شود</translation>
    </message>
    <message>
        <source>Program file names separated by semicolons, such as game.exe;obs64.exe, at most %1 characters.</source>
        <extracomment>Keep the example file names as they are. %1: a number of characters, such as 1023.</extracomment>
        <translation>نام فایل برنامه‌ها جداشده با نقطه‌ویرگول، مانند game.exe;obs64.exe، حداکثر %1 نویسه.</translation>
    </message>
    <message>
        <source>Start Quenby automatically at Windows startup</source>
        <translation>اجرای خودکار Quenby هنگام راه‌اندازی Windows</translation>
    </message>
    <message>
        <source>Enabled: the tray engine starts when the user signs in to Windows. Disabled: it does not. The engine brings the user&apos;s start-up entry in line when it starts.</source>
        <translation>فعال: برنامه ناحیه اعلان هنگام ورود کاربر به Windows اجرا می‌شود. غیرفعال: اجرا نمی‌شود. این برنامه هنگام اجرا، ورودی راه‌اندازی کاربر را با این تنظیم هماهنگ می‌کند.</translation>
    </message>
    <message>
        <source>Settings of the Quenby RAM optimizer</source>
        <translation>تنظیمات بهینه‌ساز حافظه Quenby</translation>
    </message>
</context>
</TS>
