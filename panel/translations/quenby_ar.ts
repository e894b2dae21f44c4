<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation>حول</translation>
    </message>
    <message>
        <source>Copyright © Quenby. All rights reserved.</source>
        <translation>حقوق النشر © Quenby. جميع الحقوق محفوظة.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>Website:</source>
        <translation>موقع الويب:</translation>
    </message>
    <message>
        <source>Version: %1.%2.%3 (Beta)</source>
        <translation>الإصدار: %1.%2.%3 (تجريبي)</translation>
    </message>
    <message>
        <source>for Windows %1</source>
        <translation>لنظام التشغيل Windows %1</translation>
    </message>
</context>
<context>
    <name>GraphForm</name>
    <message>
        <source>Usage graph of the free RAM</source>
        <translation>الرسم البياني للذاكرة الحرة</translation>
    </message>
    <message>
        <source>%1% of RAM free</source>
        <translation>%1% من الذاكرة حرة</translation>
    </message>
</context>
<context>
    <name>HistoryPage</name>
    <message>
        <source>Low free RAM</source>
        <comment>what started a recovery</comment>
        <translation>انخفاض الذاكرة الحرة</translation>
    </message>
    <message>
        <source>Every few minutes</source>
        <comment>what started a recovery: the periodic rule</comment>
        <translation>كل بضع دقائق</translation>
    </message>
    <message>
        <source>Startup</source>
        <comment>what started a recovery: the recovery after Quenby starts</comment>
        <translation>بدء التشغيل</translation>
    </message>
    <message>
        <source>Tray menu</source>
        <comment>what started a recovery</comment>
        <translation>قائمة منطقة الإعلام</translation>
    </message>
    <message>
        <source>Hot key</source>
        <comment>what started a recovery</comment>
        <translation>مفتاح الاختصار</translation>
    </message>
    <message>
        <source>Request</source>
        <comment>what started a recovery: another program (the command line) asked</comment>
        <translation>طلب</translation>
    </message>
    <message>
        <source>Ran</source>
        <translation>تم التنفيذ</translation>
    </message>
    <message>
        <source>Did not run: the processor was busy</source>
        <translation>لم يتم التنفيذ: كان المعالج مشغولاً</translation>
    </message>
    <message>
        <source>Did not run: another user&apos;s recovery was running</source>
        <translation>لم يتم التنفيذ: كان تحرير الذاكرة لمستخدم آخر قيد التشغيل</translation>
    </message>
    <message>
        <source>Did not run: a full-screen program was running</source>
        <translation>لم يتم التنفيذ: كان برنامج قيد التشغيل بملء الشاشة</translation>
    </message>
    <message>
        <source>Did not run: a protected program was running</source>
        <translation>لم يتم التنفيذ: كان برنامج محمي قيد التشغيل</translation>
    </message>
    <message>
        <source>Did not run: paused after a recovery that could not help</source>
        <translation>لم يتم التنفيذ: إيقاف مؤقت بعد تحرير لم يُفِد</translation>
    </message>
    <message>
        <source>Did not run: more than three quarters of the RAM was free</source>
        <translation>لم يتم التنفيذ: كان أكثر من ثلاثة أرباع الذاكرة حراً</translation>
    </message>
    <message>
        <source>No recovery yet.</source>
        <translation>لم يتم أي تحرير للذاكرة بعد.</translation>
    </message>
    <message>
        <source>When</source>
        <translation>الوقت</translation>
    </message>
    <message>
        <source>Started by</source>
        <translation>مصدر البدء</translation>
    </message>
    <message>
        <source>What happened</source>
        <translation>النتيجة</translation>
    </message>
    <message>
        <source>Before (MB)</source>
        <comment>column: free RAM before the recovery, in megabytes</comment>
        <translation>قبل (ميغابايت)</translation>
    </message>
    <message>
        <source>After (MB)</source>
        <comment>column: free RAM after the recovery, in megabytes</comment>
        <translation>بعد (ميغابايت)</translation>
    </message>
    <message>
        <source>Used (MB)</source>
        <comment>column: the megabytes the recovery allocated and released</comment>
        <translation>المستخدمة (ميغابايت)</translation>
    </message>
    <message>
        <source>Seconds</source>
        <comment>column: how long the recovery took</comment>
        <translation>الثواني</translation>
    </message>
    <message>
        <source>Free RAM before the recovery</source>
        <translation>الذاكرة الحرة قبل التحرير</translation>
    </message>
    <message>
        <source>Free RAM after the recovery</source>
        <translation>الذاكرة الحرة بعد التحرير</translation>
    </message>
    <message>
        <source>The RAM the recovery took for a moment and gave back</source>
        <translation>الذاكرة التي أخذها التحرير لحظةً ثم أعادها</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Total RAM: n/a</source>
        <translation>إجمالي الذاكرة: غير متاح</translation>
    </message>
    <message>
        <source>Available RAM: n/a</source>
        <translation>الذاكرة المتوفرة: غير متاح</translation>
    </message>
    <message>
        <source>CPU Usage: n/a</source>
        <translation>استخدام CPU: غير متاح</translation>
    </message>
    <message>
        <source>Free-up RAM</source>
        <translation>تحرير الذاكرة</translation>
    </message>
    <message>
        <source>Target Free RAM:</source>
        <translation>الذاكرة الحرة المستهدفة:</translation>
    </message>
    <message>
        <source>Minimum Free RAM:</source>
        <translation>الحد الأدنى للذاكرة الحرة:</translation>
    </message>
    <message>
        <source>About</source>
        <translation>حول</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>خيارات</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>حفظ</translation>
    </message>
    <message>
        <source>Enable RAM Optimizer</source>
        <translation>تمكين محسّن الذاكرة</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>تعطيل</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إنهاء</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>الملف غير موجود.</translation>
    </message>
    <message>
        <source>You are not allowed to run this file.</source>
        <translation>ليس لديك إذن لتشغيل هذا الملف.</translation>
    </message>
    <message>
        <source>The file is not a program that can be run.</source>
        <translation>الملف ليس برنامجاً قابلاً للتشغيل.</translation>
    </message>
    <message>
        <source>There is not enough memory to start it.</source>
        <translation>لا توجد ذاكرة كافية لتشغيله.</translation>
    </message>
    <message>
        <source>The system refused to start it (error %1).</source>
        <translation>رفض النظام تشغيله (الخطأ %1).</translation>
    </message>
    <message>
        <source>The RAM optimizer could not be started from %1.</source>
        <translation>تعذر تشغيل محسّن الذاكرة من %1.</translation>
    </message>
    <message>
        <source>Total RAM: %1MB</source>
        <translation>إجمالي الذاكرة: %1 ميغابايت</translation>
    </message>
    <message>
        <source>Available RAM: %1MB (%2%)</source>
        <translation>الذاكرة المتوفرة: %1 ميغابايت (%2%)</translation>
    </message>
    <message>
        <source>CPU Usages: %1%</source>
        <translation>استخدام CPU: %1%</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 ميغابايت</translation>
    </message>
    <message>
        <source>Target free RAM, %1 MB</source>
        <translation>الذاكرة الحرة المستهدفة، %1 ميغابايت</translation>
    </message>
    <message>
        <source>Minimum free RAM, %1 MB</source>
        <translation>الحد الأدنى للذاكرة الحرة، %1 ميغابايت</translation>
    </message>
    <message>
        <source>Save the target and minimum free RAM</source>
        <translation>حفظ الذاكرة الحرة المستهدفة والحد الأدنى للذاكرة الحرة</translation>
    </message>
    <message>
        <source>Open the options</source>
        <translation>فتح الخيارات</translation>
    </message>
    <message>
        <source>Enable the RAM optimizer</source>
        <translation>تمكين محسّن الذاكرة</translation>
    </message>
    <message>
        <source>Disable the RAM optimizer</source>
        <translation>تعطيل محسّن الذاكرة</translation>
    </message>
    <message>
        <source>Close the RAM optimizer</source>
        <translation>إنهاء محسّن الذاكرة</translation>
    </message>
    <message>
        <source>About Quenby</source>
        <translation>حول Quenby</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Ctrl+Alt+%1 can&apos;t be a hot key: your keyboard layout has no key for “%1”.</source>
        <translation>لا يمكن استخدام Ctrl+Alt+%1‎ كمفتاح اختصار: لا يحتوي تخطيط لوحة المفاتيح لديك على مفتاح لـ «%1».</translation>
    </message>
    <message>
        <source>Ctrl+Alt+%1 can&apos;t be a hot key: on your keyboard layout it types “%2”, which every program would then lose.</source>
        <translation>لا يمكن استخدام Ctrl+Alt+%1‎ كمفتاح اختصار: فهو يكتب «%2» في تخطيط لوحة المفاتيح لديك، ولن يتمكن أي برنامج بعد ذلك من استقباله.</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>خيارات</translation>
    </message>
    <message>
        <source>General</source>
        <translation>عام</translation>
    </message>
    <message>
        <source>Start Quenby automatically at Windows startup</source>
        <translation>بدء تشغيل Quenby تلقائياً عند بدء تشغيل Windows</translation>
    </message>
    <message>
        <source>Free-up RAM on startup after</source>
        <translation>تحرير الذاكرة عند بدء التشغيل بعد</translation>
    </message>
    <message>
        <source>MB of RAM on startup after</source>
        <translation>ميغابايت من الذاكرة عند بدء التشغيل بعد</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>ثانية</translation>
    </message>
    <message>
        <source>Free-up RAM every</source>
        <translation>تحرير الذاكرة كل</translation>
    </message>
    <message>
        <source>MB every</source>
        <translation>ميغابايت كل</translation>
    </message>
    <message>
        <source>minutes if free RAM below</source>
        <translation>دقيقة إذا كانت الذاكرة الحرة أقل من</translation>
    </message>
    <message>
        <source>Pause automatic recovery while it cannot help</source>
        <translation>إيقاف التحرير التلقائي مؤقتاً ما دام لا يفيد</translation>
    </message>
    <message>
        <source>Pause automatic recovery while a full-screen program runs</source>
        <translation>إيقاف التحرير التلقائي مؤقتاً أثناء تشغيل برنامج بملء الشاشة</translation>
    </message>
    <message>
        <source>CPU usage:</source>
        <translation>استخدام CPU:</translation>
    </message>
    <message>
        <source>Disable CPU usage detection</source>
        <translation>تعطيل الكشف عن استخدام CPU</translation>
    </message>
    <message>
        <source>Enable the CPU usage detection to prevent Quenby recovering RAM when your CPU is busy. Please note that CPU cooling and few other programs use special method that cause the CPU usage always stay at 100% level. When you have this kind of situation, disable the CPU usage detection to allow Quenby recovering RAM at any CPU usage level.</source>
        <translation>مكّن الكشف عن استخدام CPU لمنع Quenby من تحرير الذاكرة عندما يكون المعالج مشغولاً. لاحظ أن برامج تبريد المعالج وبعض البرامج الأخرى تستخدم طريقة خاصة تُبقي استخدام CPU عند مستوى 100% دائماً. في هذه الحالة، عطّل الكشف عن استخدام CPU للسماح لـ Quenby بتحرير الذاكرة عند أي مستوى لاستخدام CPU.</translation>
    </message>
    <message>
        <source>Tray Icon</source>
        <translation>رمز منطقة الإعلام</translation>
    </message>
    <message>
        <source>Default:</source>
        <translation>افتراضي:</translation>
    </message>
    <message>
        <source>Recovering RAM:</source>
        <translation>أثناء تحرير الذاكرة:</translation>
    </message>
    <message>
        <source>Tray icon text color</source>
        <translation>لون نص رمز منطقة الإعلام</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>عرض</translation>
    </message>
    <message>
        <source>in tray icon</source>
        <translation>في رمز منطقة الإعلام</translation>
    </message>
    <message>
        <source>Show how much RAM was recovered</source>
        <translation>إظهار مقدار الذاكرة التي تم تحريرها</translation>
    </message>
    <message>
        <source>Popup Menu</source>
        <translation>القائمة المنبثقة</translation>
    </message>
    <message>
        <source>Recover</source>
        <translation>تحرير</translation>
    </message>
    <message>
        <source>MB menu</source>
        <translation>ميغابايت (القائمة)</translation>
    </message>
    <message>
        <source>Others</source>
        <translation>أخرى</translation>
    </message>
    <message>
        <source>Also clear Windows Clipboard when freeing up RAM</source>
        <translation>مسح حافظة Windows أيضاً عند تحرير الذاكرة</translation>
    </message>
    <message>
        <source>Play alarm sound before freeing up RAM</source>
        <translation>تشغيل صوت تنبيه قبل تحرير الذاكرة</translation>
    </message>
    <message>
        <source>Free up RAM hot key : Cltr + Alt +</source>
        <translation>مفتاح الاختصار لتحرير الذاكرة: Ctrl + Alt +‎</translation>
    </message>
    <message>
        <source>Disable/enable Quenby hotkey : Cltr + Alt +</source>
        <translation>مفتاح الاختصار لتعطيل/تمكين Quenby: Ctrl + Alt +‎</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>حفظ</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء الأمر</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>أسود</translation>
    </message>
    <message>
        <source>White</source>
        <translation>أبيض</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>تلقائي</translation>
    </message>
    <message>
        <source>Percentage of CPU Usage</source>
        <translation>النسبة المئوية لاستخدام CPU</translation>
    </message>
    <message>
        <source>Percentage of Free RAM</source>
        <translation>النسبة المئوية للذاكرة الحرة</translation>
    </message>
    <message>
        <source>RAM to free on startup, in MB</source>
        <translation>الذاكرة المراد تحريرها عند بدء التشغيل، بالميغابايت</translation>
    </message>
    <message>
        <source>Delay of the startup recovery, in seconds</source>
        <translation>تأخير التحرير عند بدء التشغيل، بالثواني</translation>
    </message>
    <message>
        <source>RAM to free periodically, in MB</source>
        <translation>الذاكرة المراد تحريرها دورياً، بالميغابايت</translation>
    </message>
    <message>
        <source>Free-up RAM every, in minutes (0 for never)</source>
        <translation>الفاصل الزمني لتحرير الذاكرة، بالدقائق (0 = أبداً)</translation>
    </message>
    <message>
        <source>Only if free RAM is below, in percent</source>
        <translation>فقط إذا كانت الذاكرة الحرة أقل من هذه النسبة المئوية</translation>
    </message>
    <message>
        <source>CPU usage</source>
        <translation>استخدام CPU</translation>
    </message>
    <message>
        <source>What the tray icon shows</source>
        <translation>ما يعرضه رمز منطقة الإعلام</translation>
    </message>
    <message>
        <source>First recovery amount of the tray menu, in MB</source>
        <translation>مقدار التحرير الأول في قائمة منطقة الإعلام، بالميغابايت</translation>
    </message>
    <message>
        <source>Second recovery amount of the tray menu, in MB</source>
        <translation>مقدار التحرير الثاني في قائمة منطقة الإعلام، بالميغابايت</translation>
    </message>
    <message>
        <source>Third recovery amount of the tray menu, in MB</source>
        <translation>مقدار التحرير الثالث في قائمة منطقة الإعلام، بالميغابايت</translation>
    </message>
    <message>
        <source>Alarm sound file</source>
        <translation>ملف صوت التنبيه</translation>
    </message>
    <message>
        <source>Choose the alarm sound file</source>
        <translation>اختيار ملف صوت التنبيه</translation>
    </message>
    <message>
        <source>Free up RAM hot key: Ctrl + Alt + this key</source>
        <translation>مفتاح الاختصار لتحرير الذاكرة: Ctrl + Alt + هذا المفتاح</translation>
    </message>
    <message>
        <source>Disable/enable hot key: Ctrl + Alt + this key</source>
        <translation>مفتاح الاختصار للتعطيل/التمكين: Ctrl + Alt + هذا المفتاح</translation>
    </message>
    <message>
        <source>Add Files</source>
        <translation>إضافة ملفات</translation>
    </message>
    <message>
        <source>All Files (*.wav)</source>
        <translation>كافة الملفات (*.wav)</translation>
    </message>
    <message>
        <source>Pause automatic recovery while one of these programs runs:</source>
        <translation>إيقاف التحرير التلقائي مؤقتاً أثناء تشغيل أحد هذه البرامج:</translation>
    </message>
    <message>
        <source>game.exe;obs64.exe</source>
        <extracomment>An example of the list: two program file names separated by a semicolon. Keep the names as they are.</extracomment>
        <translation>game.exe;obs64.exe</translation>
    </message>
    <message>
        <source>History</source>
        <translation>السجل</translation>
    </message>
    <message>
        <source>Program file names as Task Manager shows them, separated by semicolons.</source>
        <translation>أسماء ملفات البرامج كما تعرضها «إدارة المهام»، مفصولة بفاصلة منقوطة (;).</translation>
    </message>
    <message>
        <source>Ignored, as they are not program file names: %1</source>
        <comment>followed by the names</comment>
        <translation>تم تجاهلها لأنها ليست أسماء ملفات برامج: %1</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Set by your administrator</source>
        <translation>تم تعيينه بواسطة المسؤول</translation>
    </message>
    <message>
        <source>Your administrator set Quenby to start automatically for every user of this PC.</source>
        <translation>قام المسؤول بتعيين Quenby ليبدأ تشغيله تلقائياً لكل مستخدم على هذا الكمبيوتر.</translation>
    </message>
</context>
</TS>
