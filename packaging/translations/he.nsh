; The installer's and uninstaller's own texts in Hebrew (NSIS's language
; files give the rest). UTF-8 with a byte order mark, as makensis reads it;
; keep $\r$\n and $1 as they stand.

LangString STILL_RUNNING_DETAIL ${LANG_HEBREW} "התוכנית Quenby עדיין פועלת ולא ניתן היה לסיים את פעולתה."
LangString STILL_RUNNING_BOX ${LANG_HEBREW} "התוכנית Quenby עדיין פועלת ולא ניתן היה לסיים את פעולתה.$\r$\n$\r$\nצא ממנה (בתפריט אזור ההודעות: יציאה ממייעל הזיכרון; וסגור גם את חלון לוח המחוונים), ולאחר מכן בחר $\"נסה שוב$\"."
LangString STILL_RUNNING_ABORT ${LANG_HEBREW} "התוכנית Quenby עדיין פועלת; לא בוצע שום שינוי."
LangString ALREADY_RUNNING ${LANG_HEBREW} "תוכנית ההתקנה או תוכנית הסרת ההתקנה של Quenby כבר פועלת."
LangString CLOSING ${LANG_HEBREW} "מסיים את פעולת Quenby אם היא פועלת..."
LangString PANEL_LINK_DESCRIPTION ${LANG_HEBREW} "לוח המחוונים של Quenby: נתוני הזיכרון וה-CPU והאפשרויות"
LangString ENGINE_LINK_NAME ${LANG_HEBREW} "מנוע אזור ההודעות של Quenby"
LangString ENGINE_LINK_DESCRIPTION ${LANG_HEBREW} "הפעל את מנוע אזור ההודעות של Quenby, שמפנה זיכרון"
LangString SECTION_PROGRAM ${LANG_HEBREW} "Quenby (נדרש)"
LangString SECTION_AUTOSTART ${LANG_HEBREW} "הפעלה עם Windows"
LangString RESTARTING_ENGINE ${LANG_HEBREW} "מפעיל שוב את מנוע אזור ההודעות..."
LangString SECTION_PROGRAM_DESCRIPTION ${LANG_HEBREW} "מנוע אזור ההודעות, לוח המחוונים, לקוח שורת הפקודה quenbyctl וקיצורי דרך בתפריט התחל."
LangString SECTION_AUTOSTART_DESCRIPTION ${LANG_HEBREW} "הפעל את מנוע אזור ההודעות בעת הכניסה ל-Windows."
LangString BAD_AUTOSTART ${LANG_HEBREW} "ערך לא ידוע ‎/AUTOSTART=$1: השתמש ב-‎/AUTOSTART=1 או ב-‎/AUTOSTART=0."
LangString FINISH_RUN ${LANG_HEBREW} "פתח את לוח המחוונים של Quenby"
LangString NEEDS_ADMINISTRATOR ${LANG_HEBREW} "התקנה או הסרה של Quenby עבור כל המשתמשים במחשב זה דורשת הרשאות של מנהל מערכת. הפעל אותה שוב כמנהל מערכת."
LangString FINISH_MACHINE_TEXT ${LANG_HEBREW} "התוכנית Quenby הותקנה עבור כל המשתמשים במחשב זה.$\r$\n$\r$\nתוכנית ההתקנה לא הפעילה אותה. פתח אותה מתפריט התחל. אם נבחרה האפשרות $\"הפעלה עם Windows$\", היא תופעל עבור כל משתמש בעת הכניסה."
LangString FINISH_SET_ASIDE ${LANG_HEBREW} "הגרסה הקודמת עדיין פועלת בהפעלה של משתמש אחר ותמשיך לפעול שם עד שפעולתה תסתיים. הקבצים שלה יוסרו בעת הפעלה מחדש של המחשב."
LangString SET_ASIDE_DETAIL ${LANG_HEBREW} "הקובץ $R0 נמצא בשימוש בהפעלה של משתמש אחר ושמו שונה ל-$R1."
LangString UNINSTALL_IN_USE ${LANG_HEBREW} "חלק מהקבצים של Quenby נמצאים בשימוש בהפעלה של משתמש אחר. הם יוסרו בעת הפעלה מחדש של המחשב."
