; The installer's and uninstaller's own texts in Persian (NSIS's language
; files give the rest). UTF-8 with a byte order mark, as makensis reads it;
; keep $\r$\n and $1 as they stand.

LangString STILL_RUNNING_DETAIL ${LANG_FARSI} "برنامه Quenby هنوز در حال اجراست و خروج از آن ممکن نشد."
LangString STILL_RUNNING_BOX ${LANG_FARSI} "برنامه Quenby هنوز در حال اجراست و خروج از آن ممکن نشد.$\r$\n$\r$\nاز آن خارج شوید (در منوی ناحیه اعلان: خروج از بهینه‌ساز حافظه؛ و پنجره پیشخوان را هم ببندید)، سپس «تلاش مجدد» را انتخاب کنید."
LangString STILL_RUNNING_ABORT ${LANG_FARSI} "برنامه Quenby هنوز در حال اجراست؛ هیچ تغییری اعمال نشد."
LangString ALREADY_RUNNING ${LANG_FARSI} "برنامه نصب یا حذف نصب Quenby هم‌اکنون در حال اجراست."
LangString CLOSING ${LANG_FARSI} "خروج از Quenby، اگر در حال اجرا باشد..."
LangString PANEL_LINK_DESCRIPTION ${LANG_FARSI} "پیشخوان Quenby: ارقام حافظه و CPU و گزینه‌ها"
LangString ENGINE_LINK_NAME ${LANG_FARSI} "موتور ناحیه اعلان Quenby"
LangString ENGINE_LINK_DESCRIPTION ${LANG_FARSI} "اجرای موتور ناحیه اعلان Quenby که حافظه را آزاد می‌کند"
LangString SECTION_PROGRAM ${LANG_FARSI} "Quenby (ضروری)"
LangString SECTION_AUTOSTART ${LANG_FARSI} "اجرا همراه با Windows"
LangString RESTARTING_ENGINE ${LANG_FARSI} "اجرای دوباره موتور ناحیه اعلان..."
LangString SECTION_PROGRAM_DESCRIPTION ${LANG_FARSI} "موتور ناحیه اعلان، پیشخوان، سرویس‌گیرنده خط فرمان quenbyctl و میانبرهای منوی شروع."
LangString SECTION_AUTOSTART_DESCRIPTION ${LANG_FARSI} "اجرای موتور ناحیه اعلان هنگام ورود به Windows."
LangString BAD_AUTOSTART ${LANG_FARSI} "مقدار ناشناخته ‎/AUTOSTART=$1: از ‎/AUTOSTART=1 یا ‎/AUTOSTART=0 استفاده کنید."
LangString FINISH_RUN ${LANG_FARSI} "باز کردن پیشخوان Quenby"
LangString NEEDS_ADMINISTRATOR ${LANG_FARSI} "نصب یا حذف Quenby برای همه کاربران این رایانه به حقوق سرپرست نیاز دارد. آن را دوباره به‌عنوان سرپرست اجرا کنید."
LangString FINISH_MACHINE_TEXT ${LANG_FARSI} "برنامه Quenby برای همه کاربران این رایانه نصب شد.$\r$\n$\r$\nبرنامه نصب آن را اجرا نکرد. آن را از منوی شروع باز کنید. اگر «اجرا همراه با Windows» انتخاب شده باشد، برای هر کاربر هنگام ورود به سیستم اجرا می‌شود."
LangString FINISH_SET_ASIDE ${LANG_FARSI} "نسخه قبلی هنوز در جلسه کاربر دیگری در حال اجراست و تا زمانی که از آن خارج نشوند، همان‌جا اجرا می‌شود. فایل‌های آن هنگام راه‌اندازی مجدد رایانه حذف می‌شوند."
LangString SET_ASIDE_DETAIL ${LANG_FARSI} "فایل $R0 در جلسه کاربر دیگری در حال استفاده است و نام آن به $R1 تغییر یافت."
LangString UNINSTALL_IN_USE ${LANG_FARSI} "برخی از فایل‌های Quenby در جلسه کاربر دیگری در حال استفاده هستند. این فایل‌ها هنگام راه‌اندازی مجدد رایانه حذف می‌شوند."
