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
        <extracomment>Closes this About box.</extracomment>
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>Website:</source>
        <translation>موقع الويب:</translation>
    </message>
    <message>
        <source>Version: %1.%2.%3 (Beta)</source>
        <extracomment>%1, %2 and %3: the parts of the version number, as in 1.4.2.</extracomment>
        <translation>الإصدار: %1.%2.%3 (تجريبي)</translation>
    </message>
    <message>
        <source>for Windows %1</source>
        <extracomment>%1: the Windows version the panel runs on, 10 or 11.</extracomment>
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
        <extracomment>Read by screen readers for the usage graph. %1: the free share of the RAM in percent; the % after it is the percent sign.</extracomment>
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
        <extracomment>The title of the group with the two sliders that set the free-RAM levels.</extracomment>
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
        <extracomment>Stores the two free-RAM levels set with the sliders.</extracomment>
        <translation>حفظ</translation>
    </message>
    <message>
        <source>Enable RAM Optimizer</source>
        <translation>تمكين محسّن الذاكرة</translation>
    </message>
    <message>
        <source>Disable</source>
        <extracomment>Switches the automatic recovery off; the button then reads “Enable RAM Optimizer”.</extracomment>
        <translation>تعطيل</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Ends the tray engine (the RAM optimizer itself), not only this window.</extracomment>
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
        <extracomment>Why the tray engine could not be started. %1: Windows&apos; error number.</extracomment>
        <translation>رفض النظام تشغيله (الخطأ %1).</translation>
    </message>
    <message>
        <source>The RAM optimizer could not be started from %1.</source>
        <extracomment>%1: the full path of the tray engine&apos;s program file; a sentence saying why follows on the next line.</extracomment>
        <translation>تعذر تشغيل محسّن الذاكرة من %1.</translation>
    </message>
    <message>
        <source>Total RAM: %1MB</source>
        <extracomment>%1: megabytes of RAM installed, a whole number.</extracomment>
        <translation>إجمالي الذاكرة: %1 ميغابايت</translation>
    </message>
    <message>
        <source>Available RAM: %1MB (%2%)</source>
        <extracomment>%1: megabytes of RAM available now; %2: that as a share of all RAM, in percent (the % after it is the percent sign).</extracomment>
        <translation>الذاكرة المتوفرة: %1 ميغابايت (%2%)</translation>
    </message>
    <message>
        <source>CPU Usages: %1%</source>
        <extracomment>%1: the processor load of the last second in percent; the % after it is the percent sign.</extracomment>
        <translation>استخدام CPU: %1%</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <extracomment>%1: megabytes, the value the slider beside it is set to.</extracomment>
        <translation>%1 ميغابايت</translation>
    </message>
    <message>
        <source>Target free RAM, %1 MB</source>
        <extracomment>Read by screen readers for the slider. %1: the megabytes it is set to.</extracomment>
        <translation>الذاكرة الحرة المستهدفة، %1 ميغابايت</translation>
    </message>
    <message>
        <source>Minimum free RAM, %1 MB</source>
        <extracomment>Read by screen readers for the slider. %1: the megabytes it is set to.</extracomment>
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
        <extracomment>%1: the character the user typed as the hot key, such as K.</extracomment>
        <translation>لا يمكن استخدام Ctrl+Alt+%1‎ كمفتاح اختصار: لا يحتوي تخطيط لوحة المفاتيح لديك على مفتاح لـ «%1».</translation>
    </message>
    <message>
        <source>Ctrl+Alt+%1 can&apos;t be a hot key: on your keyboard layout it types “%2”, which every program would then lose.</source>
        <extracomment>%1: the character the user typed as the hot key; %2: the character that key combination types on the user&apos;s keyboard layout (as AltGr would).</extracomment>
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
        <extracomment>Start of a sentence the dialog puts together: this check box, a number of seconds, then “seconds”: “Free-up RAM on startup after [60] seconds”.</extracomment>
        <translation>تحرير الذاكرة عند بدء التشغيل بعد</translation>
    </message>
    <message>
        <source>MB of RAM on startup after</source>
        <extracomment>A hidden part of the start-up sentence, after a number of megabytes.</extracomment>
        <translation>ميغابايت من الذاكرة عند بدء التشغيل بعد</translation>
    </message>
    <message>
        <source>seconds</source>
        <extracomment>End of the sentence “Free-up RAM on startup after [60] seconds”.</extracomment>
        <translation>ثانية</translation>
    </message>
    <message>
        <source>Free-up RAM every</source>
        <extracomment>Start of a sentence the dialog puts together: “Free-up RAM every [4] minutes if free RAM below [50] %”.</extracomment>
        <translation>تحرير الذاكرة كل</translation>
    </message>
    <message>
        <source>MB every</source>
        <extracomment>A hidden part of the periodic sentence, after a number of megabytes.</extracomment>
        <translation>ميغابايت كل</translation>
    </message>
    <message>
        <source>minutes if free RAM below</source>
        <extracomment>Middle of the sentence “Free-up RAM every [4] minutes if free RAM below [50] %”: between two numbers.</extracomment>
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
        <extracomment>Beside a bar that shows the processor load.</extracomment>
        <translation>استخدام CPU:</translation>
    </message>
    <message>
        <source>Disable CPU usage detection</source>
        <translation>تعطيل الكشف عن استخدام CPU</translation>
    </message>
    <message>
        <source>Enable the CPU usage detection to prevent Quenby recovering RAM when your CPU is busy. Please note that CPU cooling and few other programs use special method that cause the CPU usage always stay at 100% level. When you have this kind of situation, disable the CPU usage detection to allow Quenby recovering RAM at any CPU usage level.</source>
        <translation>مكّن الكشف عن استخدام CPU لمنع Quenby من تحرير الذاكرة عندما يكون CPU مشغولاً. لاحظ أن برامج تبريد CPU وبعض البرامج الأخرى تستخدم طريقة خاصة تُبقي استخدام CPU عند مستوى 100% دائماً. في هذه الحالة، عطّل الكشف عن استخدام CPU للسماح لـ Quenby بتحرير الذاكرة عند أي مستوى لاستخدام CPU.</translation>
    </message>
    <message>
        <source>Tray Icon</source>
        <translation>رمز منطقة الإعلام</translation>
    </message>
    <message>
        <source>Default:</source>
        <extracomment>Beside the picture of the tray icon as it normally looks.</extracomment>
        <translation>افتراضي:</translation>
    </message>
    <message>
        <source>Recovering RAM:</source>
        <extracomment>Beside the picture of the tray icon while it recovers RAM.</extracomment>
        <translation>أثناء تحرير الذاكرة:</translation>
    </message>
    <message>
        <source>Tray icon text color</source>
        <translation>لون نص رمز منطقة الإعلام</translation>
    </message>
    <message>
        <source>Display</source>
        <extracomment>Start of “Display [Percentage of Free RAM] in tray icon”: a list to choose from follows.</extracomment>
        <translation>عرض</translation>
    </message>
    <message>
        <source>in tray icon</source>
        <extracomment>End of “Display [Percentage of Free RAM] in tray icon”.</extracomment>
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
        <extracomment>Start of “Recover [512] MB menu”: sets the amount of one entry of the tray icon&apos;s menu.</extracomment>
        <translation>تحرير</translation>
    </message>
    <message>
        <source>MB menu</source>
        <extracomment>End of “Recover [512] MB menu”.</extracomment>
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
        <translation type="vanished">مفتاح الاختصار لتحرير الذاكرة: Ctrl + Alt +‎</translation>
    </message>
    <message>
        <source>Disable/enable Quenby hotkey : Cltr + Alt +</source>
        <translation type="vanished">مفتاح الاختصار لتعطيل/تمكين Quenby: Ctrl + Alt +‎</translation>
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
    <message>
        <source>Free up RAM hot key: Ctrl + Alt +</source>
        <extracomment>A field for one key follows: Ctrl + Alt + that key frees up RAM in every program.</extracomment>
        <translation>مفتاح الاختصار لتحرير الذاكرة: Ctrl + Alt +‎</translation>
    </message>
    <message>
        <source>Disable/enable Quenby hot key: Ctrl + Alt +</source>
        <extracomment>A field for one key follows: Ctrl + Alt + that key switches the automatic recovery off and on.</extracomment>
        <translation>مفتاح الاختصار لتعطيل/تمكين Quenby: Ctrl + Alt +‎</translation>
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
<context>
    <name>Quenbytray</name>
    <message>
        <source>Restart Windows</source>
        <comment>104</comment>
        <translation>إعادة تشغيل Windows</translation>
    </message>
    <message>
        <source>Suspend Windows</source>
        <comment>105</comment>
        <translation>السكون</translation>
    </message>
    <message>
        <source>Shutdown Windows</source>
        <comment>106</comment>
        <translation>إيقاف تشغيل Windows</translation>
    </message>
    <message>
        <source>Clear Clipboard</source>
        <comment>107</comment>
        <translation>مسح الحافظة</translation>
    </message>
    <message>
        <source>Free-up RAM Manually
</source>
        <comment>108</comment>
        <extracomment>A menu item that frees up RAM now; the line end stays.</extracomment>
        <translation>تحرير الذاكرة يدوياً
</translation>
    </message>
    <message>
        <source>Configuration...</source>
        <comment>110</comment>
        <translation>خيارات...</translation>
    </message>
    <message>
        <source>Disable RAM Optimizer</source>
        <comment>111</comment>
        <translation>تعطيل محسّن الذاكرة</translation>
    </message>
    <message>
        <source>Enable RAM Optimizer</source>
        <comment>112</comment>
        <translation>تمكين محسّن الذاكرة</translation>
    </message>
    <message>
        <source>Close RAM Optimizer</source>
        <comment>113</comment>
        <extracomment>Ends the tray engine: its icon and the automatic recovery go away.</extracomment>
        <translation>إنهاء محسّن الذاكرة</translation>
    </message>
    <message>
        <source>Do you want to restart your computer now?</source>
        <comment>114</comment>
        <translation>هل تريد إعادة تشغيل الكمبيوتر الآن؟</translation>
    </message>
    <message>
        <source>Do you want to suspend your computer now?</source>
        <comment>115</comment>
        <translation>هل تريد وضع الكمبيوتر في وضع السكون الآن؟</translation>
    </message>
    <message>
        <source>Do you want to shutdown your computer now?</source>
        <comment>116</comment>
        <translation>هل تريد إيقاف تشغيل الكمبيوتر الآن؟</translation>
    </message>
    <message>
        <source>Confirm</source>
        <comment>117</comment>
        <extracomment>The title of the box that asks before a restart, a sleep or a shutdown.</extracomment>
        <translation>تأكيد</translation>
    </message>
    <message>
        <source>RAM Optimizer
</source>
        <comment>118</comment>
        <extracomment>The first line of the tray icon&apos;s tooltip; the line end stays.</extracomment>
        <translation>محسّن الذاكرة
</translation>
    </message>
    <message>
        <source>Free RAM: %1 MB (%2%)
</source>
        <comment>119</comment>
        <extracomment>The second line of the tooltip. %1: megabytes of free RAM; %2: that as a share of all RAM in percent, the % after it being the percent sign. The line end stays.</extracomment>
        <translation>الذاكرة الحرة: %1 ميغابايت (%2%)
</translation>
    </message>
    <message>
        <source>CPU Usage: %1%</source>
        <comment>121</comment>
        <extracomment>The third line of the tooltip. %1: the processor load in percent; the % after it is the percent sign.</extracomment>
        <translation>استخدام CPU: %1%</translation>
    </message>
    <message>
        <source>CreateProcess failed (%1).</source>
        <comment>122</comment>
        <extracomment>%1: Windows&apos; error number when the control panel could not be started.</extracomment>
        <translation>فشل استدعاء CreateProcess (%1).</translation>
    </message>
    <message>
        <source>Error</source>
        <comment>123</comment>
        <extracomment>The title of a box that says something failed.</extracomment>
        <translation>خطأ</translation>
    </message>
    <message>
        <source>RAM Optimizer</source>
        <comment>124</comment>
        <extracomment>The title of the notices the tray icon shows.</extracomment>
        <translation>محسّن الذاكرة</translation>
    </message>
    <message>
        <source>Recovered %1 MB, %2 MB free now</source>
        <comment>125</comment>
        <extracomment>A notice after a recovery. %1: the megabytes recovered; %2: the megabytes free now.</extracomment>
        <translation>تم تحرير %1 ميغابايت، والذاكرة الحرة الآن %2 ميغابايت</translation>
    </message>
    <message>
        <source>No RAM could be recovered</source>
        <comment>126</comment>
        <translation>تعذر تحرير أي ذاكرة</translation>
    </message>
    <message>
        <source>Windows could not be restarted (error %1). %2</source>
        <comment>127</comment>
        <extracomment>%1: Windows&apos; error number; %2: Windows&apos; own description of the error, a sentence or empty.</extracomment>
        <translation>تعذرت إعادة تشغيل Windows (الخطأ %1). %2</translation>
    </message>
    <message>
        <source>Windows could not be suspended (error %1). %2</source>
        <comment>128</comment>
        <extracomment>%1: Windows&apos; error number; %2: Windows&apos; own description of the error, a sentence or empty.</extracomment>
        <translation>تعذر وضع الكمبيوتر في وضع السكون (الخطأ %1). %2</translation>
    </message>
    <message>
        <source>Windows could not be shut down (error %1). %2</source>
        <comment>129</comment>
        <extracomment>%1: Windows&apos; error number; %2: Windows&apos; own description of the error, a sentence or empty.</extracomment>
        <translation>تعذر إيقاف تشغيل Windows (الخطأ %1). %2</translation>
    </message>
    <message>
        <source>Hot key not available</source>
        <comment>132</comment>
        <translation>مفتاح الاختصار غير متاح</translation>
    </message>
    <message>
        <source>The hot key Ctrl+Alt+%1 could not be registered: another program uses it.</source>
        <comment>133</comment>
        <extracomment>%1: the character of the hot key, such as K.</extracomment>
        <translation>تعذر تسجيل مفتاح الاختصار Ctrl+Alt+%1‎: يستخدمه برنامج آخر.</translation>
    </message>
    <message>
        <source>The hot key Ctrl+Alt+%1 was not registered: on your keyboard layout it types “%2”.</source>
        <comment>134</comment>
        <extracomment>%1: the character of the hot key; %2: the character the key combination types on the user&apos;s keyboard layout.</extracomment>
        <translation>لم يتم تسجيل مفتاح الاختصار Ctrl+Alt+%1‎: فهو يكتب «%2» في تخطيط لوحة المفاتيح لديك.</translation>
    </message>
    <message>
        <source>The hot key Ctrl+Alt+%1 was not registered: your keyboard layout has no such key.</source>
        <comment>135</comment>
        <extracomment>%1: the character of the hot key.</extracomment>
        <translation>لم يتم تسجيل مفتاح الاختصار Ctrl+Alt+%1‎: لا يحتوي تخطيط لوحة المفاتيح لديك على هذا المفتاح.</translation>
    </message>
    <message>
        <source>This computer uses Modern Standby, which only Windows itself can start: to let it sleep, press its power button or choose Power &gt; Sleep in the Start menu.</source>
        <comment>137</comment>
        <translation>يستخدم هذا الكمبيوتر وضع الاستعداد الحديث، الذي لا يمكن أن يبدأه إلا Windows نفسه: لوضعه في وضع السكون، اضغط على زر الطاقة الخاص به أو اختر «الطاقة» ثم «السكون» في قائمة ابدأ.</translation>
    </message>
    <message>
        <source>This computer may not be able to sleep, and Windows may hibernate it instead. Do you want to go on?</source>
        <comment>138</comment>
        <translation>قد لا يتمكن هذا الكمبيوتر من الدخول في وضع السكون، وقد يضعه Windows في وضع الإسبات بدلاً من ذلك. هل تريد المتابعة؟</translation>
    </message>
</context>
<context>
    <name>Setup</name>
    <message>
        <source>Quenby is still running and could not be closed.</source>
        <comment>STILL_RUNNING_DETAIL</comment>
        <translation>لا يزال Quenby قيد التشغيل وتعذر إنهاؤه.</translation>
    </message>
    <message>
        <source>Quenby is still running and could not be closed.

Close it (tray menu: Close RAM Optimizer; and the control panel&apos;s window), then choose Retry.</source>
        <comment>STILL_RUNNING_BOX</comment>
        <translation>لا يزال Quenby قيد التشغيل وتعذر إنهاؤه.

قم بإنهائه (من قائمة منطقة الإعلام: إنهاء محسّن الذاكرة؛ وأغلق نافذة لوحة القيادة أيضاً)، ثم اختر «إعادة المحاولة».</translation>
    </message>
    <message>
        <source>Quenby is still running; nothing was changed.</source>
        <comment>STILL_RUNNING_ABORT</comment>
        <translation>لا يزال Quenby قيد التشغيل؛ لم يتم تغيير أي شيء.</translation>
    </message>
    <message>
        <source>Quenby&apos;s setup or uninstaller is already running.</source>
        <comment>ALREADY_RUNNING</comment>
        <translation>برنامج إعداد Quenby أو برنامج إلغاء تثبيته قيد التشغيل بالفعل.</translation>
    </message>
    <message>
        <source>Closing Quenby if it runs...</source>
        <comment>CLOSING</comment>
        <translation>جارٍ إنهاء Quenby إذا كان قيد التشغيل...</translation>
    </message>
    <message>
        <source>Quenby control panel: RAM and CPU figures and the options</source>
        <comment>PANEL_LINK_DESCRIPTION</comment>
        <translation>لوحة قيادة Quenby: قيم الذاكرة وCPU والخيارات</translation>
    </message>
    <message>
        <source>Quenby tray engine</source>
        <comment>ENGINE_LINK_NAME</comment>
        <extracomment>The name of the Start-menu shortcut to the tray engine.</extracomment>
        <translation>Quenby في منطقة الإعلام</translation>
    </message>
    <message>
        <source>Start Quenby&apos;s tray engine, which recovers RAM</source>
        <comment>ENGINE_LINK_DESCRIPTION</comment>
        <translation>بدء تشغيل Quenby في منطقة الإعلام، حيث يحرر الذاكرة</translation>
    </message>
    <message>
        <source>Quenby (required)</source>
        <comment>SECTION_PROGRAM</comment>
        <translation>Quenby (مطلوب)</translation>
    </message>
    <message>
        <source>Start with Windows</source>
        <comment>SECTION_AUTOSTART</comment>
        <translation>بدء التشغيل مع Windows</translation>
    </message>
    <message>
        <source>Starting the tray engine again...</source>
        <comment>RESTARTING_ENGINE</comment>
        <translation>جارٍ بدء تشغيل برنامج منطقة الإعلام مرة أخرى...</translation>
    </message>
    <message>
        <source>The tray engine, the control panel, the command-line client quenbyctl and Start-menu shortcuts.</source>
        <comment>SECTION_PROGRAM_DESCRIPTION</comment>
        <translation>برنامج منطقة الإعلام، ولوحة القيادة، وعميل سطر الأوامر quenbyctl، واختصارات قائمة ابدأ.</translation>
    </message>
    <message>
        <source>Start the tray engine when you sign in to Windows.</source>
        <comment>SECTION_AUTOSTART_DESCRIPTION</comment>
        <translation>بدء تشغيل برنامج منطقة الإعلام عند تسجيل الدخول إلى Windows.</translation>
    </message>
    <message>
        <source>Unknown value /AUTOSTART=%1: use /AUTOSTART=1 or /AUTOSTART=0.</source>
        <comment>BAD_AUTOSTART</comment>
        <extracomment>$1 (%1 for translators): the value given after /AUTOSTART= on the command line.</extracomment>
        <translation>قيمة غير معروفة ‎/AUTOSTART=%1: استخدم ‎/AUTOSTART=1 أو ‎/AUTOSTART=0.</translation>
    </message>
    <message>
        <source>Open the Quenby control panel</source>
        <comment>FINISH_RUN</comment>
        <translation>فتح لوحة قيادة Quenby</translation>
    </message>
    <message>
        <source>Installing or removing Quenby for all users of this computer needs administrator rights. Run it again as an administrator.</source>
        <comment>NEEDS_ADMINISTRATOR</comment>
        <translation>يتطلب تثبيت Quenby أو إزالته لكافة مستخدمي هذا الكمبيوتر امتيازات المسؤول. قم بتشغيله مرة أخرى كمسؤول.</translation>
    </message>
    <message>
        <source>Quenby has been installed for all users of this computer.

Setup did not start it. Open it from the Start menu. If Start with Windows was selected, it starts for each user when they sign in.</source>
        <comment>FINISH_MACHINE_TEXT</comment>
        <translation>تم تثبيت Quenby لكافة مستخدمي هذا الكمبيوتر.

لم يقم برنامج الإعداد بتشغيله. افتحه من قائمة ابدأ. إذا تم تحديد «بدء التشغيل مع Windows»، فسيبدأ تشغيله لكل مستخدم عند تسجيل الدخول.</translation>
    </message>
    <message>
        <source>The previous version is still running in another user&apos;s session and keeps running there until it is closed. Its files are removed when you restart the computer.</source>
        <comment>FINISH_SET_ASIDE</comment>
        <translation>لا يزال الإصدار السابق قيد التشغيل في جلسة مستخدم آخر، وسيستمر في العمل هناك إلى أن يتم إنهاؤه. ستتم إزالة ملفاته عند إعادة تشغيل الكمبيوتر.</translation>
    </message>
    <message>
        <source>%1 is in use in another user&apos;s session and was renamed to %2.</source>
        <comment>SET_ASIDE_DETAIL</comment>
        <extracomment>%1: the full path of a file of the previous version; %2: the name it was renamed to.</extracomment>
        <translation>الملف %1 قيد الاستخدام في جلسة مستخدم آخر وتمت إعادة تسميته إلى %2.</translation>
    </message>
    <message>
        <source>Some of Quenby&apos;s files are in use in another user&apos;s session. They will be removed when you restart the computer.</source>
        <comment>UNINSTALL_IN_USE</comment>
        <translation>بعض ملفات Quenby قيد الاستخدام في جلسة مستخدم آخر. ستتم إزالتها عند إعادة تشغيل الكمبيوتر.</translation>
    </message>
</context>
<context>
    <name>Policies</name>
    <message>
        <source>Quenby %1 on Windows 10 and Windows 11</source>
        <extracomment>%1: Quenby&apos;s version number, as in 1.4.2.</extracomment>
        <translation>Quenby %1 على Windows 10 وWindows 11</translation>
    </message>
    <message>
        <source>Target free RAM (MB)</source>
        <translation>الذاكرة الحرة المستهدفة (ميغابايت)</translation>
    </message>
    <message>
        <source>Sets &quot;%1&quot; of Quenby.</source>
        <extracomment>%1: the policy&apos;s name, as the line above the explanation shows it.</extracomment>
        <translation>يعيّن القيمة «%1» لـ Quenby.</translation>
    </message>
    <message>
        <source>three quarters of the installed RAM in MB</source>
        <translation>ثلاثة أرباع الذاكرة المثبتة بالميغابايت</translation>
    </message>
    <message>
        <source>From %1 to %2.</source>
        <extracomment>The range a policy accepts. %1 and %2: numbers, or texts such as “the installed RAM in MB divided by 4”.</extracomment>
        <translation>من %1 إلى %2.</translation>
    </message>
    <message>
        <source>the installed RAM in MB divided by %1</source>
        <extracomment>A bound of a range, or a default. %1: a number such as 4.</extracomment>
        <translation>الذاكرة المثبتة بالميغابايت مقسومة على %1</translation>
    </message>
    <message>
        <source>Without a policy: %1, unless the user chose otherwise.</source>
        <extracomment>%1: the default value, a number or a text such as “the installed RAM in MB divided by 4”.</extracomment>
        <translation>بدون نهج: %1، ما لم يختر المستخدم غير ذلك.</translation>
    </message>
    <message>
        <source>A computer policy wins over a user policy, and both over the user&apos;s own choice, which the control panel then shows as &quot;Set by your administrator&quot;. When the policy is not configured, the user&apos;s own choice applies.</source>
        <translation>يتقدّم نهج الكمبيوتر على نهج المستخدم، ويتقدّم كلاهما على اختيار المستخدم نفسه، الذي تعرضه لوحة القيادة عندئذٍ على أنه «تم تعيينه بواسطة المسؤول». عندما يكون النهج غير مكوّن، يُطبَّق اختيار المستخدم نفسه.</translation>
    </message>
    <message>
        <source>Minimum free RAM (MB)</source>
        <translation>الحد الأدنى للذاكرة الحرة (ميغابايت)</translation>
    </message>
    <message>
        <source>Free up RAM on startup</source>
        <translation>تحرير الذاكرة عند بدء التشغيل</translation>
    </message>
    <message>
        <source>Enabled: on (1). Disabled: off (0).</source>
        <translation>ممكّن: تشغيل (1). معطّل: إيقاف (0).</translation>
    </message>
    <message>
        <source>RAM to free on startup (MB)</source>
        <translation>الذاكرة المراد تحريرها عند بدء التشغيل (ميغابايت)</translation>
    </message>
    <message>
        <source>Delay of the startup recovery (seconds)</source>
        <translation>تأخير التحرير عند بدء التشغيل (ثوانٍ)</translation>
    </message>
    <message>
        <source>RAM to free periodically (MB)</source>
        <translation>الذاكرة المراد تحريرها دورياً (ميغابايت)</translation>
    </message>
    <message>
        <source>Free up RAM every (minutes, 0 for never)</source>
        <translation>الفاصل الزمني لتحرير الذاكرة (دقائق، 0 = أبداً)</translation>
    </message>
    <message>
        <source>Free RAM percentage shown with the periodic recovery</source>
        <translation>نسبة الذاكرة الحرة الخاصة بالتحرير الدوري</translation>
    </message>
    <message>
        <source>Disable CPU usage detection</source>
        <translation>تعطيل الكشف عن استخدام CPU</translation>
    </message>
    <message>
        <source>Tray icon text color</source>
        <translation>لون نص رمز منطقة الإعلام</translation>
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
        <source>%1, %2</source>
        <extracomment>Joins the entries of a list: %1 is the list so far, %2 the next entry. Use the language&apos;s list separator.</extracomment>
        <translation>%1، %2</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>تلقائي</translation>
    </message>
    <message>
        <source>One of: %1.</source>
        <extracomment>%1: the values a policy accepts, each its number and its name, as in “0 Black, 1 White, 2 Auto”.</extracomment>
        <translation>إحدى القيم: %1.</translation>
    </message>
    <message>
        <source>Tray icon shows</source>
        <translation>ما يعرضه رمز منطقة الإعلام</translation>
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
        <source>First recovery amount of the tray menu (MB)</source>
        <translation>مقدار التحرير الأول في قائمة منطقة الإعلام (ميغابايت)</translation>
    </message>
    <message>
        <source>Second recovery amount of the tray menu (MB)</source>
        <translation>مقدار التحرير الثاني في قائمة منطقة الإعلام (ميغابايت)</translation>
    </message>
    <message>
        <source>Third recovery amount of the tray menu (MB)</source>
        <translation>مقدار التحرير الثالث في قائمة منطقة الإعلام (ميغابايت)</translation>
    </message>
    <message>
        <source>Also clear the clipboard when freeing up RAM</source>
        <translation>مسح الحافظة أيضاً عند تحرير الذاكرة</translation>
    </message>
    <message>
        <source>Play alarm sound before freeing up RAM</source>
        <translation>تشغيل صوت تنبيه قبل تحرير الذاكرة</translation>
    </message>
    <message>
        <source>Alarm sound file</source>
        <translation>ملف صوت التنبيه</translation>
    </message>
    <message>
        <source>A full path, at most %1 characters.</source>
        <extracomment>%1: a number of characters, such as 259.</extracomment>
        <translation>مسار كامل، الحد الأقصى لعدد أحرفه %1.</translation>
    </message>
    <message>
        <source>Free up RAM hot key (Ctrl + Alt + the key of this code)</source>
        <translation>مفتاح الاختصار لتحرير الذاكرة (Ctrl + Alt + المفتاح الذي يحمل هذا الرمز)</translation>
    </message>
    <message>
        <source>Disable/enable hot key (Ctrl + Alt + the key of this code)</source>
        <translation>مفتاح الاختصار للتعطيل/التمكين (Ctrl + Alt + المفتاح الذي يحمل هذا الرمز)</translation>
    </message>
    <message>
        <source>Show how much RAM was recovered</source>
        <translation>إظهار مقدار الذاكرة التي تم تحريرها</translation>
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
        <source>Pause automatic recovery while one of these programs runs</source>
        <translation>إيقاف التحرير التلقائي مؤقتاً أثناء تشغيل أحد هذه البرامج</translation>
    </message>
    <message>
        <source>Program file names separated by semicolons, such as game.exe;obs64.exe, at most %1 characters.</source>
        <extracomment>Keep the example file names as they are. %1: a number of characters, such as 1023.</extracomment>
        <translation>أسماء ملفات برامج مفصولة بفاصلة منقوطة (;)، مثل game.exe;obs64.exe، الحد الأقصى لعدد أحرفها %1.</translation>
    </message>
    <message>
        <source>Start Quenby automatically at Windows startup</source>
        <translation>بدء تشغيل Quenby تلقائياً عند بدء تشغيل Windows</translation>
    </message>
    <message>
        <source>Enabled: the tray engine starts when the user signs in to Windows. Disabled: it does not. The engine brings the user&apos;s start-up entry in line when it starts.</source>
        <translation>ممكّن: يبدأ تشغيل برنامج منطقة الإعلام عند تسجيل دخول المستخدم إلى Windows. معطّل: لا يبدأ تشغيله. يضبط البرنامج إدخال بدء التشغيل الخاص بالمستخدم ليتوافق مع ذلك عند بدء تشغيله.</translation>
    </message>
    <message>
        <source>Settings of the Quenby RAM optimizer</source>
        <translation>إعدادات محسّن الذاكرة Quenby</translation>
    </message>
</context>
</TS>
