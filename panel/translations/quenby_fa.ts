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
        <translation>بستن</translation>
    </message>
    <message>
        <source>Website:</source>
        <translation>وب‌سایت:</translation>
    </message>
    <message>
        <source>Version: %1.%2.%3 (Beta)</source>
        <translation>نسخه: %1.%2.%3 (بتا)</translation>
    </message>
    <message>
        <source>for Windows %1</source>
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
        <translation>ذخیره</translation>
    </message>
    <message>
        <source>Enable RAM Optimizer</source>
        <translation>فعال کردن بهینه‌ساز حافظه</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>غیرفعال کردن</translation>
    </message>
    <message>
        <source>Close</source>
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
        <translation>سیستم از اجرای آن خودداری کرد (خطای %1).</translation>
    </message>
    <message>
        <source>The RAM optimizer could not be started from %1.</source>
        <translation>بهینه‌ساز حافظه از %1 اجرا نشد.</translation>
    </message>
    <message>
        <source>Total RAM: %1MB</source>
        <translation>کل حافظه: %1 مگابایت</translation>
    </message>
    <message>
        <source>Available RAM: %1MB (%2%)</source>
        <translation>حافظه در دسترس: %1 مگابایت (%2%)</translation>
    </message>
    <message>
        <source>CPU Usages: %1%</source>
        <translation>استفاده از CPU: %1%</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 مگابایت</translation>
    </message>
    <message>
        <source>Target free RAM, %1 MB</source>
        <translation>هدف حافظه آزاد، %1 مگابایت</translation>
    </message>
    <message>
        <source>Minimum free RAM, %1 MB</source>
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
        <translation>کلید میانبر Ctrl+Alt+%1‎ قابل استفاده نیست: طرح‌بندی صفحه‌کلید شما کلیدی برای «%1» ندارد.</translation>
    </message>
    <message>
        <source>Ctrl+Alt+%1 can&apos;t be a hot key: on your keyboard layout it types “%2”, which every program would then lose.</source>
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
        <translation>آزادسازی حافظه هنگام راه‌اندازی پس از</translation>
    </message>
    <message>
        <source>MB of RAM on startup after</source>
        <translation>مگابایت از حافظه هنگام راه‌اندازی پس از</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>ثانیه</translation>
    </message>
    <message>
        <source>Free-up RAM every</source>
        <translation>آزادسازی حافظه هر</translation>
    </message>
    <message>
        <source>MB every</source>
        <translation>مگابایت هر</translation>
    </message>
    <message>
        <source>minutes if free RAM below</source>
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
        <translation>پیش‌فرض:</translation>
    </message>
    <message>
        <source>Recovering RAM:</source>
        <translation>هنگام آزادسازی حافظه:</translation>
    </message>
    <message>
        <source>Tray icon text color</source>
        <translation>رنگ متن نماد ناحیه اعلان</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>نمایش</translation>
    </message>
    <message>
        <source>in tray icon</source>
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
        <translation>آزادسازی</translation>
    </message>
    <message>
        <source>MB menu</source>
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
        <translation>کلید میانبر آزادسازی حافظه: Ctrl + Alt +‎</translation>
    </message>
    <message>
        <source>Disable/enable Quenby hotkey : Cltr + Alt +</source>
        <translation>کلید میانبر غیرفعال/فعال کردن Quenby: Ctrl + Alt +‎</translation>
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
</TS>
