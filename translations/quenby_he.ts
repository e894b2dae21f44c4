<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="he">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation>אודות</translation>
    </message>
    <message>
        <source>Copyright © Quenby. All rights reserved.</source>
        <translation>זכויות יוצרים © Quenby. כל הזכויות שמורות.</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Closes this About box.</extracomment>
        <translation>סגור</translation>
    </message>
    <message>
        <source>Website:</source>
        <translation>אתר אינטרנט:</translation>
    </message>
    <message>
        <source>Version: %1.%2.%3 (Beta)</source>
        <extracomment>%1, %2 and %3: the parts of the version number, as in 1.4.2.</extracomment>
        <translation>גרסה: %1.%2.%3 (בטא)</translation>
    </message>
    <message>
        <source>for Windows %1</source>
        <extracomment>%1: the Windows version the panel runs on, 10 or 11.</extracomment>
        <translation>עבור Windows %1</translation>
    </message>
</context>
<context>
    <name>GraphForm</name>
    <message>
        <source>Usage graph of the free RAM</source>
        <translation>גרף הזיכרון הפנוי</translation>
    </message>
    <message>
        <source>%1% of RAM free</source>
        <extracomment>Read by screen readers for the usage graph. %1: the free share of the RAM in percent; the % after it is the percent sign.</extracomment>
        <translation>%1% מהזיכרון פנוי</translation>
    </message>
</context>
<context>
    <name>HistoryPage</name>
    <message>
        <source>Low free RAM</source>
        <comment>what started a recovery</comment>
        <translation>מעט זיכרון פנוי</translation>
    </message>
    <message>
        <source>Every few minutes</source>
        <comment>what started a recovery: the periodic rule</comment>
        <translation>כל כמה דקות</translation>
    </message>
    <message>
        <source>Startup</source>
        <comment>what started a recovery: the recovery after Quenby starts</comment>
        <translation>בעת ההפעלה</translation>
    </message>
    <message>
        <source>Tray menu</source>
        <comment>what started a recovery</comment>
        <translation>תפריט אזור ההודעות</translation>
    </message>
    <message>
        <source>Hot key</source>
        <comment>what started a recovery</comment>
        <translation>מקש קיצור</translation>
    </message>
    <message>
        <source>Request</source>
        <comment>what started a recovery: another program (the command line) asked</comment>
        <translation>בקשה של תוכנית אחרת</translation>
    </message>
    <message>
        <source>Ran</source>
        <translation>בוצע</translation>
    </message>
    <message>
        <source>Did not run: the processor was busy</source>
        <translation>לא בוצע: המעבד היה עמוס</translation>
    </message>
    <message>
        <source>Did not run: another user&apos;s recovery was running</source>
        <translation>לא בוצע: פינוי של משתמש אחר היה בתהליך</translation>
    </message>
    <message>
        <source>Did not run: a full-screen program was running</source>
        <translation>לא בוצע: פעלה תוכנית במסך מלא</translation>
    </message>
    <message>
        <source>Did not run: a protected program was running</source>
        <translation>לא בוצע: פעלה תוכנית מוגנת</translation>
    </message>
    <message>
        <source>Did not run: paused after a recovery that could not help</source>
        <translation>לא בוצע: מושהה לאחר פינוי שלא עזר</translation>
    </message>
    <message>
        <source>Did not run: more than three quarters of the RAM was free</source>
        <translation>לא בוצע: יותר משלושה רבעים מהזיכרון היו פנויים</translation>
    </message>
    <message>
        <source>No recovery yet.</source>
        <translation>עדיין לא בוצע פינוי.</translation>
    </message>
    <message>
        <source>When</source>
        <translation>מתי</translation>
    </message>
    <message>
        <source>Started by</source>
        <translation>הופעל על-ידי</translation>
    </message>
    <message>
        <source>What happened</source>
        <translation>תוצאה</translation>
    </message>
    <message>
        <source>Before (MB)</source>
        <comment>column: free RAM before the recovery, in megabytes</comment>
        <translation>לפני (MB)</translation>
    </message>
    <message>
        <source>After (MB)</source>
        <comment>column: free RAM after the recovery, in megabytes</comment>
        <translation>אחרי (MB)</translation>
    </message>
    <message>
        <source>Used (MB)</source>
        <comment>column: the megabytes the recovery allocated and released</comment>
        <translation>בשימוש (MB)</translation>
    </message>
    <message>
        <source>Seconds</source>
        <comment>column: how long the recovery took</comment>
        <translation>שניות</translation>
    </message>
    <message>
        <source>Free RAM before the recovery</source>
        <translation>זיכרון פנוי לפני הפינוי</translation>
    </message>
    <message>
        <source>Free RAM after the recovery</source>
        <translation>זיכרון פנוי אחרי הפינוי</translation>
    </message>
    <message>
        <source>The RAM the recovery took for a moment and gave back</source>
        <translation>הזיכרון שהפינוי תפס לרגע והחזיר</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Total RAM: n/a</source>
        <translation>זיכרון כולל: אין נתונים</translation>
    </message>
    <message>
        <source>Available RAM: n/a</source>
        <translation>זיכרון זמין: אין נתונים</translation>
    </message>
    <message>
        <source>CPU Usage: n/a</source>
        <translation>ניצול CPU: אין נתונים</translation>
    </message>
    <message>
        <source>Free-up RAM</source>
        <extracomment>The title of the group with the two sliders that set the free-RAM levels.</extracomment>
        <translation>פנה זיכרון</translation>
    </message>
    <message>
        <source>Target Free RAM:</source>
        <translation>יעד זיכרון פנוי:</translation>
    </message>
    <message>
        <source>Minimum Free RAM:</source>
        <translation>זיכרון פנוי מינימלי:</translation>
    </message>
    <message>
        <source>About</source>
        <translation>אודות</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>אפשרויות</translation>
    </message>
    <message>
        <source>Save</source>
        <extracomment>Stores the two free-RAM levels set with the sliders.</extracomment>
        <translation>שמור</translation>
    </message>
    <message>
        <source>Enable RAM Optimizer</source>
        <translation>הפעל את מייעל הזיכרון</translation>
    </message>
    <message>
        <source>Disable</source>
        <extracomment>Switches the automatic recovery off; the button then reads “Enable RAM Optimizer”.</extracomment>
        <translation>השבת</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Ends the tray engine (the RAM optimizer itself), not only this window.</extracomment>
        <translation>יציאה</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>הקובץ אינו קיים.</translation>
    </message>
    <message>
        <source>You are not allowed to run this file.</source>
        <translation>אין לך הרשאה להפעיל קובץ זה.</translation>
    </message>
    <message>
        <source>The file is not a program that can be run.</source>
        <translation>הקובץ אינו תוכנית שניתן להפעיל.</translation>
    </message>
    <message>
        <source>There is not enough memory to start it.</source>
        <translation>אין מספיק זיכרון כדי להפעיל אותו.</translation>
    </message>
    <message>
        <source>The system refused to start it (error %1).</source>
        <extracomment>Why the tray engine could not be started. %1: Windows&apos; error number.</extracomment>
        <translation>המערכת סירבה להפעיל אותו (שגיאה %1).</translation>
    </message>
    <message>
        <source>The RAM optimizer could not be started from %1.</source>
        <extracomment>%1: the full path of the tray engine&apos;s program file; a sentence saying why follows on the next line.</extracomment>
        <translation>לא ניתן היה להפעיל את מייעל הזיכרון מתוך %1.</translation>
    </message>
    <message>
        <source>Total RAM: %1MB</source>
        <extracomment>%1: megabytes of RAM installed, a whole number.</extracomment>
        <translation>זיכרון כולל: %1 MB</translation>
    </message>
    <message>
        <source>Available RAM: %1MB (%2%)</source>
        <extracomment>%1: megabytes of RAM available now; %2: that as a share of all RAM, in percent (the % after it is the percent sign).</extracomment>
        <translation>זיכרון זמין: %1 MB (%2%)</translation>
    </message>
    <message>
        <source>CPU Usages: %1%</source>
        <extracomment>%1: the processor load of the last second in percent; the % after it is the percent sign.</extracomment>
        <translation>ניצול CPU: %1%</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <extracomment>%1: megabytes, the value the slider beside it is set to.</extracomment>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>Target free RAM, %1 MB</source>
        <extracomment>Read by screen readers for the slider. %1: the megabytes it is set to.</extracomment>
        <translation>יעד זיכרון פנוי, %1 MB</translation>
    </message>
    <message>
        <source>Minimum free RAM, %1 MB</source>
        <extracomment>Read by screen readers for the slider. %1: the megabytes it is set to.</extracomment>
        <translation>זיכרון פנוי מינימלי, %1 MB</translation>
    </message>
    <message>
        <source>Save the target and minimum free RAM</source>
        <translation>שמור את היעד ואת המינימום של הזיכרון הפנוי</translation>
    </message>
    <message>
        <source>Open the options</source>
        <translation>פתח את האפשרויות</translation>
    </message>
    <message>
        <source>Enable the RAM optimizer</source>
        <translation>הפעל את מייעל הזיכרון</translation>
    </message>
    <message>
        <source>Disable the RAM optimizer</source>
        <translation>השבת את מייעל הזיכרון</translation>
    </message>
    <message>
        <source>Close the RAM optimizer</source>
        <translation>יציאה ממייעל הזיכרון</translation>
    </message>
    <message>
        <source>About Quenby</source>
        <translation>אודות Quenby</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Ctrl+Alt+%1 can&apos;t be a hot key: your keyboard layout has no key for “%1”.</source>
        <extracomment>%1: the character the user typed as the hot key, such as K.</extracomment>
        <translation>לא ניתן להשתמש ב-Ctrl+Alt+%1‎ כמקש קיצור: בפריסת המקלדת שלך אין מקש עבור “%1”.</translation>
    </message>
    <message>
        <source>Ctrl+Alt+%1 can&apos;t be a hot key: on your keyboard layout it types “%2”, which every program would then lose.</source>
        <extracomment>%1: the character the user typed as the hot key; %2: the character that key combination types on the user&apos;s keyboard layout (as AltGr would).</extracomment>
        <translation>לא ניתן להשתמש ב-Ctrl+Alt+%1‎ כמקש קיצור: בפריסת המקלדת שלך הוא מקליד “%2”, ואף תוכנית לא הייתה יכולה לקבל אותו עוד.</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>אפשרויות</translation>
    </message>
    <message>
        <source>General</source>
        <translation>כללי</translation>
    </message>
    <message>
        <source>Start Quenby automatically at Windows startup</source>
        <translation>הפעל את Quenby באופן אוטומטי בעת הפעלת Windows</translation>
    </message>
    <message>
        <source>Free-up RAM on startup after</source>
        <extracomment>Start of a sentence the dialog puts together: this check box, a number of seconds, then “seconds”: “Free-up RAM on startup after [60] seconds”.</extracomment>
        <translation>פנה זיכרון בעת ההפעלה לאחר</translation>
    </message>
    <message>
        <source>MB of RAM on startup after</source>
        <extracomment>A hidden part of the start-up sentence, after a number of megabytes.</extracomment>
        <translation>MB של זיכרון בעת ההפעלה לאחר</translation>
    </message>
    <message>
        <source>seconds</source>
        <extracomment>End of the sentence “Free-up RAM on startup after [60] seconds”.</extracomment>
        <translation>שניות</translation>
    </message>
    <message>
        <source>Free-up RAM every</source>
        <extracomment>Start of a sentence the dialog puts together: “Free-up RAM every [4] minutes if free RAM below [50] %”.</extracomment>
        <translation>פנה זיכרון כל</translation>
    </message>
    <message>
        <source>MB every</source>
        <extracomment>A hidden part of the periodic sentence, after a number of megabytes.</extracomment>
        <translation>MB כל</translation>
    </message>
    <message>
        <source>minutes if free RAM below</source>
        <extracomment>Middle of the sentence “Free-up RAM every [4] minutes if free RAM below [50] %”: between two numbers.</extracomment>
        <translation>דקות אם הזיכרון הפנוי נמוך מ-</translation>
    </message>
    <message>
        <source>Pause automatic recovery while it cannot help</source>
        <translation>השהה את הפינוי האוטומטי כל עוד אין בו תועלת</translation>
    </message>
    <message>
        <source>Pause automatic recovery while a full-screen program runs</source>
        <translation>השהה את הפינוי האוטומטי כל עוד פועלת תוכנית במסך מלא</translation>
    </message>
    <message>
        <source>CPU usage:</source>
        <extracomment>Beside a bar that shows the processor load.</extracomment>
        <translation>ניצול CPU:</translation>
    </message>
    <message>
        <source>Disable CPU usage detection</source>
        <translation>השבת את זיהוי ניצול ה-CPU</translation>
    </message>
    <message>
        <source>Enable the CPU usage detection to prevent Quenby recovering RAM when your CPU is busy. Please note that CPU cooling and few other programs use special method that cause the CPU usage always stay at 100% level. When you have this kind of situation, disable the CPU usage detection to allow Quenby recovering RAM at any CPU usage level.</source>
        <translation>הפעל את זיהוי ניצול ה-CPU כדי למנוע מ-Quenby לפנות זיכרון כאשר המעבד עמוס. שים לב: תוכניות לקירור המעבד ומספר תוכניות אחרות משתמשות בשיטה מיוחדת שגורמת לניצול ה-CPU להישאר תמיד ברמה של 100%. במקרה כזה, השבת את זיהוי ניצול ה-CPU כדי לאפשר ל-Quenby לפנות זיכרון בכל רמת ניצול של ה-CPU.</translation>
    </message>
    <message>
        <source>Tray Icon</source>
        <translation>סמל אזור ההודעות</translation>
    </message>
    <message>
        <source>Default:</source>
        <extracomment>Beside the picture of the tray icon as it normally looks.</extracomment>
        <translation>ברירת מחדל:</translation>
    </message>
    <message>
        <source>Recovering RAM:</source>
        <extracomment>Beside the picture of the tray icon while it recovers RAM.</extracomment>
        <translation>בעת פינוי זיכרון:</translation>
    </message>
    <message>
        <source>Tray icon text color</source>
        <translation>צבע הטקסט של סמל אזור ההודעות</translation>
    </message>
    <message>
        <source>Display</source>
        <extracomment>Start of “Display [Percentage of Free RAM] in tray icon”: a list to choose from follows.</extracomment>
        <translation>הצג</translation>
    </message>
    <message>
        <source>in tray icon</source>
        <extracomment>End of “Display [Percentage of Free RAM] in tray icon”.</extracomment>
        <translation>בסמל אזור ההודעות</translation>
    </message>
    <message>
        <source>Show how much RAM was recovered</source>
        <translation>הצג כמה זיכרון פונה</translation>
    </message>
    <message>
        <source>Popup Menu</source>
        <translation>תפריט מוקפץ</translation>
    </message>
    <message>
        <source>Recover</source>
        <extracomment>Start of “Recover [512] MB menu”: sets the amount of one entry of the tray icon&apos;s menu.</extracomment>
        <translation>פנה</translation>
    </message>
    <message>
        <source>MB menu</source>
        <extracomment>End of “Recover [512] MB menu”.</extracomment>
        <translation>MB (תפריט)</translation>
    </message>
    <message>
        <source>Others</source>
        <translation>אחר</translation>
    </message>
    <message>
        <source>Also clear Windows Clipboard when freeing up RAM</source>
        <translation>נקה גם את הלוח של Windows בעת פינוי זיכרון</translation>
    </message>
    <message>
        <source>Play alarm sound before freeing up RAM</source>
        <translation>השמע צליל התראה לפני פינוי זיכרון</translation>
    </message>
    <message>
        <source>Free up RAM hot key : Cltr + Alt +</source>
        <translation type="vanished">מקש קיצור לפינוי זיכרון: Ctrl + Alt +‎</translation>
    </message>
    <message>
        <source>Disable/enable Quenby hotkey : Cltr + Alt +</source>
        <translation type="vanished">מקש קיצור להשבתה/הפעלה של Quenby: Ctrl + Alt +‎</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>שמור</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ביטול</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>שחור</translation>
    </message>
    <message>
        <source>White</source>
        <translation>לבן</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>אוטומטי</translation>
    </message>
    <message>
        <source>Percentage of CPU Usage</source>
        <translation>אחוז ניצול CPU</translation>
    </message>
    <message>
        <source>Percentage of Free RAM</source>
        <translation>אחוז זיכרון פנוי</translation>
    </message>
    <message>
        <source>RAM to free on startup, in MB</source>
        <translation>זיכרון לפינוי בעת ההפעלה, ב-MB</translation>
    </message>
    <message>
        <source>Delay of the startup recovery, in seconds</source>
        <translation>השהיית הפינוי בעת ההפעלה, בשניות</translation>
    </message>
    <message>
        <source>RAM to free periodically, in MB</source>
        <translation>זיכרון לפינוי תקופתי, ב-MB</translation>
    </message>
    <message>
        <source>Free-up RAM every, in minutes (0 for never)</source>
        <translation>מרווח הזמן בין פינויי זיכרון, בדקות (0 = אף פעם)</translation>
    </message>
    <message>
        <source>Only if free RAM is below, in percent</source>
        <translation>רק אם הזיכרון הפנוי נמוך מאחוז זה</translation>
    </message>
    <message>
        <source>CPU usage</source>
        <translation>ניצול CPU</translation>
    </message>
    <message>
        <source>What the tray icon shows</source>
        <translation>מה מוצג בסמל אזור ההודעות</translation>
    </message>
    <message>
        <source>First recovery amount of the tray menu, in MB</source>
        <translation>כמות הפינוי הראשונה בתפריט אזור ההודעות, ב-MB</translation>
    </message>
    <message>
        <source>Second recovery amount of the tray menu, in MB</source>
        <translation>כמות הפינוי השנייה בתפריט אזור ההודעות, ב-MB</translation>
    </message>
    <message>
        <source>Third recovery amount of the tray menu, in MB</source>
        <translation>כמות הפינוי השלישית בתפריט אזור ההודעות, ב-MB</translation>
    </message>
    <message>
        <source>Alarm sound file</source>
        <translation>קובץ צליל ההתראה</translation>
    </message>
    <message>
        <source>Choose the alarm sound file</source>
        <translation>בחר את קובץ צליל ההתראה</translation>
    </message>
    <message>
        <source>Free up RAM hot key: Ctrl + Alt + this key</source>
        <translation>מקש קיצור לפינוי זיכרון: Ctrl + Alt + מקש זה</translation>
    </message>
    <message>
        <source>Disable/enable hot key: Ctrl + Alt + this key</source>
        <translation>מקש קיצור להשבתה/הפעלה: Ctrl + Alt + מקש זה</translation>
    </message>
    <message>
        <source>Add Files</source>
        <translation>הוסף קבצים</translation>
    </message>
    <message>
        <source>All Files (*.wav)</source>
        <translation>כל הקבצים (*.wav)</translation>
    </message>
    <message>
        <source>Pause automatic recovery while one of these programs runs:</source>
        <translation>השהה את הפינוי האוטומטי כל עוד פועלת אחת מהתוכניות האלה:</translation>
    </message>
    <message>
        <source>game.exe;obs64.exe</source>
        <extracomment>An example of the list: two program file names separated by a semicolon. Keep the names as they are.</extracomment>
        <translation>game.exe;obs64.exe</translation>
    </message>
    <message>
        <source>History</source>
        <translation>היסטוריה</translation>
    </message>
    <message>
        <source>Program file names as Task Manager shows them, separated by semicolons.</source>
        <translation>שמות קובצי תוכניות כפי שמנהל המשימות מציג אותם, מופרדים בנקודה ופסיק.</translation>
    </message>
    <message>
        <source>Ignored, as they are not program file names: %1</source>
        <comment>followed by the names</comment>
        <translation>לא נלקחו בחשבון, כי אינם שמות קובצי תוכניות: %1</translation>
    </message>
    <message>
        <source>Free up RAM hot key: Ctrl + Alt +</source>
        <extracomment>A field for one key follows: Ctrl + Alt + that key frees up RAM in every program.</extracomment>
        <translation>מקש קיצור לפינוי זיכרון: Ctrl + Alt +‎</translation>
    </message>
    <message>
        <source>Disable/enable Quenby hot key: Ctrl + Alt +</source>
        <extracomment>A field for one key follows: Ctrl + Alt + that key switches the automatic recovery off and on.</extracomment>
        <translation>מקש קיצור להשבתה/הפעלה של Quenby: Ctrl + Alt +‎</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Set by your administrator</source>
        <translation>הוגדר על-ידי מנהל המערכת שלך</translation>
    </message>
    <message>
        <source>Your administrator set Quenby to start automatically for every user of this PC.</source>
        <translation>מנהל המערכת שלך הגדיר את Quenby כך שיופעל באופן אוטומטי עבור כל משתמש במחשב זה.</translation>
    </message>
</context>
<context>
    <name>Quenbytray</name>
    <message>
        <source>Restart Windows</source>
        <comment>104</comment>
        <translation>הפעלה מחדש של Windows</translation>
    </message>
    <message>
        <source>Suspend Windows</source>
        <comment>105</comment>
        <translation>שינה</translation>
    </message>
    <message>
        <source>Shutdown Windows</source>
        <comment>106</comment>
        <translation>כיבוי Windows</translation>
    </message>
    <message>
        <source>Clear Clipboard</source>
        <comment>107</comment>
        <translation>נקה את הלוח</translation>
    </message>
    <message>
        <source>Free-up RAM Manually
</source>
        <comment>108</comment>
        <extracomment>A menu item that frees up RAM now; the line end stays.</extracomment>
        <translation>פנה זיכרון באופן ידני
</translation>
    </message>
    <message>
        <source>Configuration...</source>
        <comment>110</comment>
        <translation>אפשרויות...</translation>
    </message>
    <message>
        <source>Disable RAM Optimizer</source>
        <comment>111</comment>
        <translation>השבת את מייעל הזיכרון</translation>
    </message>
    <message>
        <source>Enable RAM Optimizer</source>
        <comment>112</comment>
        <translation>הפעל את מייעל הזיכרון</translation>
    </message>
    <message>
        <source>Close RAM Optimizer</source>
        <comment>113</comment>
        <extracomment>Ends the tray engine: its icon and the automatic recovery go away.</extracomment>
        <translation>יציאה ממייעל הזיכרון</translation>
    </message>
    <message>
        <source>Do you want to restart your computer now?</source>
        <comment>114</comment>
        <translation>האם להפעיל מחדש את המחשב כעת?</translation>
    </message>
    <message>
        <source>Do you want to suspend your computer now?</source>
        <comment>115</comment>
        <translation>האם להעביר את המחשב למצב שינה כעת?</translation>
    </message>
    <message>
        <source>Do you want to shutdown your computer now?</source>
        <comment>116</comment>
        <translation>האם לכבות את המחשב כעת?</translation>
    </message>
    <message>
        <source>Confirm</source>
        <comment>117</comment>
        <extracomment>The title of the box that asks before a restart, a sleep or a shutdown.</extracomment>
        <translation>אישור</translation>
    </message>
    <message>
        <source>RAM Optimizer
</source>
        <comment>118</comment>
        <extracomment>The first line of the tray icon&apos;s tooltip; the line end stays.</extracomment>
        <translation>מייעל הזיכרון
</translation>
    </message>
    <message>
        <source>Free RAM: %1 MB (%2%)
</source>
        <comment>119</comment>
        <extracomment>The second line of the tooltip. %1: megabytes of free RAM; %2: that as a share of all RAM in percent, the % after it being the percent sign. The line end stays.</extracomment>
        <translation>זיכרון פנוי: %1 MB (%2%)
</translation>
    </message>
    <message>
        <source>CPU Usage: %1%</source>
        <comment>121</comment>
        <extracomment>The third line of the tooltip. %1: the processor load in percent; the % after it is the percent sign.</extracomment>
        <translation>ניצול CPU: %1%</translation>
    </message>
    <message>
        <source>CreateProcess failed (%1).</source>
        <comment>122</comment>
        <extracomment>%1: Windows&apos; error number when the control panel could not be started.</extracomment>
        <translation>הפעולה CreateProcess נכשלה (%1).</translation>
    </message>
    <message>
        <source>Error</source>
        <comment>123</comment>
        <extracomment>The title of a box that says something failed.</extracomment>
        <translation>שגיאה</translation>
    </message>
    <message>
        <source>RAM Optimizer</source>
        <comment>124</comment>
        <extracomment>The title of the notices the tray icon shows.</extracomment>
        <translation>מייעל הזיכרון</translation>
    </message>
    <message>
        <source>Recovered %1 MB, %2 MB free now</source>
        <comment>125</comment>
        <extracomment>A notice after a recovery. %1: the megabytes recovered; %2: the megabytes free now.</extracomment>
        <translation>פונו %1 MB, כעת %2 MB פנויים</translation>
    </message>
    <message>
        <source>No RAM could be recovered</source>
        <comment>126</comment>
        <translation>לא ניתן היה לפנות זיכרון</translation>
    </message>
    <message>
        <source>Windows could not be restarted (error %1). %2</source>
        <comment>127</comment>
        <extracomment>%1: Windows&apos; error number; %2: Windows&apos; own description of the error, a sentence or empty.</extracomment>
        <translation>לא ניתן היה להפעיל מחדש את Windows (שגיאה %1). %2</translation>
    </message>
    <message>
        <source>Windows could not be suspended (error %1). %2</source>
        <comment>128</comment>
        <extracomment>%1: Windows&apos; error number; %2: Windows&apos; own description of the error, a sentence or empty.</extracomment>
        <translation>לא ניתן היה להעביר את המחשב למצב שינה (שגיאה %1). %2</translation>
    </message>
    <message>
        <source>Windows could not be shut down (error %1). %2</source>
        <comment>129</comment>
        <extracomment>%1: Windows&apos; error number; %2: Windows&apos; own description of the error, a sentence or empty.</extracomment>
        <translation>לא ניתן היה לכבות את Windows (שגיאה %1). %2</translation>
    </message>
    <message>
        <source>Hot key not available</source>
        <comment>132</comment>
        <translation>מקש הקיצור אינו זמין</translation>
    </message>
    <message>
        <source>The hot key Ctrl+Alt+%1 could not be registered: another program uses it.</source>
        <comment>133</comment>
        <extracomment>%1: the character of the hot key, such as K.</extracomment>
        <translation>לא ניתן היה לרשום את מקש הקיצור Ctrl+Alt+%1‎: תוכנית אחרת משתמשת בו.</translation>
    </message>
    <message>
        <source>The hot key Ctrl+Alt+%1 was not registered: on your keyboard layout it types “%2”.</source>
        <comment>134</comment>
        <extracomment>%1: the character of the hot key; %2: the character the key combination types on the user&apos;s keyboard layout.</extracomment>
        <translation>מקש הקיצור Ctrl+Alt+%1‎ לא נרשם: בפריסת המקלדת שלך הוא מקליד “%2”.</translation>
    </message>
    <message>
        <source>The hot key Ctrl+Alt+%1 was not registered: your keyboard layout has no such key.</source>
        <comment>135</comment>
        <extracomment>%1: the character of the hot key.</extracomment>
        <translation>מקש הקיצור Ctrl+Alt+%1‎ לא נרשם: בפריסת המקלדת שלך אין מקש כזה.</translation>
    </message>
    <message>
        <source>This computer uses Modern Standby, which only Windows itself can start: to let it sleep, press its power button or choose Power &gt; Sleep in the Start menu.</source>
        <comment>137</comment>
        <translation>מחשב זה משתמש במצב המתנה מודרני, שרק Windows עצמו יכול להפעיל: כדי להעביר אותו למצב שינה, לחץ על לחצן ההפעלה שלו או בחר בתפריט התחל את “הפעלה/כיבוי” ואז את “שינה”.</translation>
    </message>
    <message>
        <source>This computer may not be able to sleep, and Windows may hibernate it instead. Do you want to go on?</source>
        <comment>138</comment>
        <translation>ייתכן שמחשב זה לא יוכל לעבור למצב שינה, ו-Windows עשוי להעביר אותו למצב שינה עמוקה במקום זאת. האם להמשיך?</translation>
    </message>
</context>
<context>
    <name>Setup</name>
    <message>
        <source>Quenby is still running and could not be closed.</source>
        <comment>STILL_RUNNING_DETAIL</comment>
        <translation>התוכנית Quenby עדיין פועלת ולא ניתן היה לסיים את פעולתה.</translation>
    </message>
    <message>
        <source>Quenby is still running and could not be closed.

Close it (tray menu: Close RAM Optimizer; and the control panel&apos;s window), then choose Retry.</source>
        <comment>STILL_RUNNING_BOX</comment>
        <translation>התוכנית Quenby עדיין פועלת ולא ניתן היה לסיים את פעולתה.

צא ממנה (בתפריט אזור ההודעות: יציאה ממייעל הזיכרון; וסגור גם את חלון לוח המחוונים), ולאחר מכן בחר “נסה שוב”.</translation>
    </message>
    <message>
        <source>Quenby is still running; nothing was changed.</source>
        <comment>STILL_RUNNING_ABORT</comment>
        <translation>התוכנית Quenby עדיין פועלת; לא בוצע שום שינוי.</translation>
    </message>
    <message>
        <source>Quenby&apos;s setup or uninstaller is already running.</source>
        <comment>ALREADY_RUNNING</comment>
        <translation>תוכנית ההתקנה או תוכנית הסרת ההתקנה של Quenby כבר פועלת.</translation>
    </message>
    <message>
        <source>Closing Quenby if it runs...</source>
        <comment>CLOSING</comment>
        <translation>מסיים את פעולת Quenby אם היא פועלת...</translation>
    </message>
    <message>
        <source>Quenby control panel: RAM and CPU figures and the options</source>
        <comment>PANEL_LINK_DESCRIPTION</comment>
        <translation>לוח המחוונים של Quenby: נתוני הזיכרון וה-CPU והאפשרויות</translation>
    </message>
    <message>
        <source>Quenby tray engine</source>
        <comment>ENGINE_LINK_NAME</comment>
        <extracomment>The name of the Start-menu shortcut to the tray engine.</extracomment>
        <translation>מנוע אזור ההודעות של Quenby</translation>
    </message>
    <message>
        <source>Start Quenby&apos;s tray engine, which recovers RAM</source>
        <comment>ENGINE_LINK_DESCRIPTION</comment>
        <translation>הפעל את מנוע אזור ההודעות של Quenby, שמפנה זיכרון</translation>
    </message>
    <message>
        <source>Quenby (required)</source>
        <comment>SECTION_PROGRAM</comment>
        <translation>Quenby (נדרש)</translation>
    </message>
    <message>
        <source>Start with Windows</source>
        <comment>SECTION_AUTOSTART</comment>
        <translation>הפעלה עם Windows</translation>
    </message>
    <message>
        <source>Starting the tray engine again...</source>
        <comment>RESTARTING_ENGINE</comment>
        <translation>מפעיל שוב את מנוע אזור ההודעות...</translation>
    </message>
    <message>
        <source>The tray engine, the control panel, the command-line client quenbyctl and Start-menu shortcuts.</source>
        <comment>SECTION_PROGRAM_DESCRIPTION</comment>
        <translation>מנוע אזור ההודעות, לוח המחוונים, לקוח שורת הפקודה quenbyctl וקיצורי דרך בתפריט התחל.</translation>
    </message>
    <message>
        <source>Start the tray engine when you sign in to Windows.</source>
        <comment>SECTION_AUTOSTART_DESCRIPTION</comment>
        <translation>הפעל את מנוע אזור ההודעות בעת הכניסה ל-Windows.</translation>
    </message>
    <message>
        <source>Unknown value /AUTOSTART=%1: use /AUTOSTART=1 or /AUTOSTART=0.</source>
        <comment>BAD_AUTOSTART</comment>
        <extracomment>$1 (%1 for translators): the value given after /AUTOSTART= on the command line.</extracomment>
        <translation>ערך לא ידוע ‎/AUTOSTART=%1: השתמש ב-‎/AUTOSTART=1 או ב-‎/AUTOSTART=0.</translation>
    </message>
    <message>
        <source>Open the Quenby control panel</source>
        <comment>FINISH_RUN</comment>
        <translation>פתח את לוח המחוונים של Quenby</translation>
    </message>
    <message>
        <source>Installing or removing Quenby for all users of this computer needs administrator rights. Run it again as an administrator.</source>
        <comment>NEEDS_ADMINISTRATOR</comment>
        <translation>התקנה או הסרה של Quenby עבור כל המשתמשים במחשב זה דורשת הרשאות של מנהל מערכת. הפעל אותה שוב כמנהל מערכת.</translation>
    </message>
    <message>
        <source>Quenby has been installed for all users of this computer.

Setup did not start it. Open it from the Start menu. If Start with Windows was selected, it starts for each user when they sign in.</source>
        <comment>FINISH_MACHINE_TEXT</comment>
        <translation>התוכנית Quenby הותקנה עבור כל המשתמשים במחשב זה.

תוכנית ההתקנה לא הפעילה אותה. פתח אותה מתפריט התחל. אם נבחרה האפשרות “הפעלה עם Windows”, היא תופעל עבור כל משתמש בעת הכניסה.</translation>
    </message>
    <message>
        <source>The previous version is still running in another user&apos;s session and keeps running there until it is closed. Its files are removed when you restart the computer.</source>
        <comment>FINISH_SET_ASIDE</comment>
        <translation>הגרסה הקודמת עדיין פועלת בהפעלה של משתמש אחר ותמשיך לפעול שם עד שפעולתה תסתיים. הקבצים שלה יוסרו בעת הפעלה מחדש של המחשב.</translation>
    </message>
    <message>
        <source>%1 is in use in another user&apos;s session and was renamed to %2.</source>
        <comment>SET_ASIDE_DETAIL</comment>
        <extracomment>%1: the full path of a file of the previous version; %2: the name it was renamed to.</extracomment>
        <translation>הקובץ %1 נמצא בשימוש בהפעלה של משתמש אחר ושמו שונה ל-%2.</translation>
    </message>
    <message>
        <source>Some of Quenby&apos;s files are in use in another user&apos;s session. They will be removed when you restart the computer.</source>
        <comment>UNINSTALL_IN_USE</comment>
        <translation>חלק מהקבצים של Quenby נמצאים בשימוש בהפעלה של משתמש אחר. הם יוסרו בעת הפעלה מחדש של המחשב.</translation>
    </message>
</context>
<context>
    <name>Policies</name>
    <message>
        <source>Quenby %1 on Windows 10 and Windows 11</source>
        <extracomment>%1: Quenby&apos;s version number, as in 1.4.2.</extracomment>
        <translation>Quenby %1 ב-Windows 10 וב-Windows 11</translation>
    </message>
    <message>
        <source>Target free RAM (MB)</source>
        <translation>יעד זיכרון פנוי (MB)</translation>
    </message>
    <message>
        <source>Sets &quot;%1&quot; of Quenby.</source>
        <extracomment>%1: the policy&apos;s name, as the line above the explanation shows it.</extracomment>
        <translation>מגדיר את הערך “%1” של Quenby.</translation>
    </message>
    <message>
        <source>three quarters of the installed RAM in MB</source>
        <translation>שלושה רבעים מהזיכרון המותקן ב-MB</translation>
    </message>
    <message>
        <source>From %1 to %2.</source>
        <extracomment>The range a policy accepts. %1 and %2: numbers, or texts such as “the installed RAM in MB divided by 4”.</extracomment>
        <translation>מ-%1 עד %2.</translation>
    </message>
    <message>
        <source>the installed RAM in MB divided by %1</source>
        <extracomment>A bound of a range, or a default. %1: a number such as 4.</extracomment>
        <translation>הזיכרון המותקן ב-MB חלקי %1</translation>
    </message>
    <message>
        <source>Without a policy: %1, unless the user chose otherwise.</source>
        <extracomment>%1: the default value, a number or a text such as “the installed RAM in MB divided by 4”.</extracomment>
        <translation>ללא מדיניות: %1, אלא אם המשתמש בחר אחרת.</translation>
    </message>
    <message>
        <source>A computer policy wins over a user policy, and both over the user&apos;s own choice, which the control panel then shows as &quot;Set by your administrator&quot;. When the policy is not configured, the user&apos;s own choice applies.</source>
        <translation>מדיניות מחשב גוברת על מדיניות משתמש, ושתיהן גוברות על הבחירה של המשתמש עצמו, שלוח המחוונים מציג אז כ“הוגדר על-ידי מנהל המערכת שלך”. כאשר המדיניות אינה מוגדרת, חלה הבחירה של המשתמש עצמו.</translation>
    </message>
    <message>
        <source>Minimum free RAM (MB)</source>
        <translation>זיכרון פנוי מינימלי (MB)</translation>
    </message>
    <message>
        <source>Free up RAM on startup</source>
        <translation>פנה זיכרון בעת ההפעלה</translation>
    </message>
    <message>
        <source>Enabled: on (1). Disabled: off (0).</source>
        <translation>מופעל: פועל (1). מושבת: כבוי (0).</translation>
    </message>
    <message>
        <source>RAM to free on startup (MB)</source>
        <translation>זיכרון לפינוי בעת ההפעלה (MB)</translation>
    </message>
    <message>
        <source>Delay of the startup recovery (seconds)</source>
        <translation>השהיית הפינוי בעת ההפעלה (שניות)</translation>
    </message>
    <message>
        <source>RAM to free periodically (MB)</source>
        <translation>זיכרון לפינוי תקופתי (MB)</translation>
    </message>
    <message>
        <source>Free up RAM every (minutes, 0 for never)</source>
        <translation>מרווח הזמן בין פינויי זיכרון (דקות, 0 = אף פעם)</translation>
    </message>
    <message>
        <source>Free RAM percentage shown with the periodic recovery</source>
        <translation>אחוז הזיכרון הפנוי של הפינוי התקופתי</translation>
    </message>
    <message>
        <source>Disable CPU usage detection</source>
        <translation>השבת את זיהוי ניצול ה-CPU</translation>
    </message>
    <message>
        <source>Tray icon text color</source>
        <translation>צבע הטקסט של סמל אזור ההודעות</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>שחור</translation>
    </message>
    <message>
        <source>White</source>
        <translation>לבן</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>Joins the entries of a list: %1 is the list so far, %2 the next entry. Use the language&apos;s list separator.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>אוטומטי</translation>
    </message>
    <message>
        <source>One of: %1.</source>
        <extracomment>%1: the values a policy accepts, each its number and its name, as in “0 Black, 1 White, 2 Auto”.</extracomment>
        <translation>אחד מהבאים: %1.</translation>
    </message>
    <message>
        <source>Tray icon shows</source>
        <translation>מה מוצג בסמל אזור ההודעות</translation>
    </message>
    <message>
        <source>Percentage of CPU Usage</source>
        <translation>אחוז ניצול CPU</translation>
    </message>
    <message>
        <source>Percentage of Free RAM</source>
        <translation>אחוז זיכרון פנוי</translation>
    </message>
    <message>
        <source>First recovery amount of the tray menu (MB)</source>
        <translation>כמות הפינוי הראשונה בתפריט אזור ההודעות (MB)</translation>
    </message>
    <message>
        <source>Second recovery amount of the tray menu (MB)</source>
        <translation>כמות הפינוי השנייה בתפריט אזור ההודעות (MB)</translation>
    </message>
    <message>
        <source>Third recovery amount of the tray menu (MB)</source>
        <translation>כמות הפינוי השלישית בתפריט אזור ההודעות (MB)</translation>
    </message>
    <message>
        <source>Also clear the clipboard when freeing up RAM</source>
        <translation>נקה גם את הלוח בעת פינוי זיכרון</translation>
    </message>
    <message>
        <source>Play alarm sound before freeing up RAM</source>
        <translation>השמע צליל התראה לפני פינוי זיכרון</translation>
    </message>
    <message>
        <source>Alarm sound file</source>
        <translation>קובץ צליל ההתראה</translation>
    </message>
    <message>
        <source>A full path, at most %1 characters.</source>
        <extracomment>%1: a number of characters, such as 259.</extracomment>
        <translation>נתיב מלא, %1 תווים לכל היותר.</translation>
    </message>
    <message>
        <source>Free up RAM hot key (Ctrl + Alt + the key of this code)</source>
        <translation>מקש קיצור לפינוי זיכרון (Ctrl + Alt + המקש בעל קוד זה)</translation>
    </message>
    <message>
        <source>Disable/enable hot key (Ctrl + Alt + the key of this code)</source>
        <translation>מקש קיצור להשבתה/הפעלה (Ctrl + Alt + המקש בעל קוד זה)</translation>
    </message>
    <message>
        <source>Show how much RAM was recovered</source>
        <translation>הצג כמה זיכרון פונה</translation>
    </message>
    <message>
        <source>Pause automatic recovery while it cannot help</source>
        <translation>השהה את הפינוי האוטומטי כל עוד אין בו תועלת</translation>
    </message>
    <message>
        <source>Pause automatic recovery while a full-screen program runs</source>
        <translation>השהה את הפינוי האוטומטי כל עוד פועלת תוכנית במסך מלא</translation>
    </message>
    <message>
        <source>Pause automatic recovery while one of these programs runs</source>
        <translation>השהה את הפינוי האוטומטי כל עוד פועלת אחת מהתוכניות האלה</translation>
    </message>
    <message>
        <source>Program file names separated by semicolons, such as game.exe;obs64.exe, at most %1 characters.</source>
        <extracomment>Keep the example file names as they are. %1: a number of characters, such as 1023.</extracomment>
        <translation>שמות קובצי תוכניות מופרדים בנקודה ופסיק, כגון game.exe;obs64.exe, %1 תווים לכל היותר.</translation>
    </message>
    <message>
        <source>Start Quenby automatically at Windows startup</source>
        <translation>הפעל את Quenby באופן אוטומטי בעת הפעלת Windows</translation>
    </message>
    <message>
        <source>Enabled: the tray engine starts when the user signs in to Windows. Disabled: it does not. The engine brings the user&apos;s start-up entry in line when it starts.</source>
        <translation>מופעל: מנוע אזור ההודעות מופעל כאשר המשתמש נכנס ל-Windows. מושבת: הוא אינו מופעל. המנוע מעדכן בהתאם את רשומת ההפעלה האוטומטית של המשתמש כאשר הוא מופעל.</translation>
    </message>
    <message>
        <source>Settings of the Quenby RAM optimizer</source>
        <translation>הגדרות מייעל הזיכרון Quenby</translation>
    </message>
</context>
</TS>
