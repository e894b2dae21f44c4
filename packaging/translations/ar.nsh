; The installer's and uninstaller's own texts in Arabic (NSIS's language
; files give the rest). UTF-8 with a byte order mark, as makensis reads it;
; keep $\r$\n and $1 as they stand.

LangString STILL_RUNNING_DETAIL ${LANG_ARABIC} "لا يزال Quenby قيد التشغيل وتعذر إنهاؤه."
LangString STILL_RUNNING_BOX ${LANG_ARABIC} "لا يزال Quenby قيد التشغيل وتعذر إنهاؤه.$\r$\n$\r$\nقم بإنهائه (من قائمة منطقة الإعلام: إنهاء محسّن الذاكرة؛ وأغلق نافذة لوحة القيادة أيضاً)، ثم اختر «إعادة المحاولة»."
LangString STILL_RUNNING_ABORT ${LANG_ARABIC} "لا يزال Quenby قيد التشغيل؛ لم يتم تغيير أي شيء."
LangString ALREADY_RUNNING ${LANG_ARABIC} "برنامج إعداد Quenby أو برنامج إلغاء تثبيته قيد التشغيل بالفعل."
LangString CLOSING ${LANG_ARABIC} "جارٍ إنهاء Quenby إذا كان قيد التشغيل..."
LangString PANEL_LINK_DESCRIPTION ${LANG_ARABIC} "لوحة قيادة Quenby: قيم الذاكرة وCPU والخيارات"
LangString ENGINE_LINK_NAME ${LANG_ARABIC} "محرك منطقة الإعلام لـ Quenby"
LangString ENGINE_LINK_DESCRIPTION ${LANG_ARABIC} "بدء تشغيل محرك منطقة الإعلام لـ Quenby، الذي يحرر الذاكرة"
LangString SECTION_PROGRAM ${LANG_ARABIC} "Quenby (مطلوب)"
LangString SECTION_AUTOSTART ${LANG_ARABIC} "بدء التشغيل مع Windows"
LangString RESTARTING_ENGINE ${LANG_ARABIC} "جارٍ بدء تشغيل محرك منطقة الإعلام مرة أخرى..."
LangString SECTION_PROGRAM_DESCRIPTION ${LANG_ARABIC} "محرك منطقة الإعلام، ولوحة القيادة، وعميل سطر الأوامر quenbyctl، واختصارات قائمة ابدأ."
LangString SECTION_AUTOSTART_DESCRIPTION ${LANG_ARABIC} "بدء تشغيل محرك منطقة الإعلام عند تسجيل الدخول إلى Windows."
LangString BAD_AUTOSTART ${LANG_ARABIC} "قيمة غير معروفة ‎/AUTOSTART=$1: استخدم ‎/AUTOSTART=1 أو ‎/AUTOSTART=0."
LangString FINISH_RUN ${LANG_ARABIC} "فتح لوحة قيادة Quenby"
LangString NEEDS_ADMINISTRATOR ${LANG_ARABIC} "يتطلب تثبيت Quenby أو إزالته لكافة مستخدمي هذا الكمبيوتر امتيازات المسؤول. قم بتشغيله مرة أخرى كمسؤول."
LangString FINISH_MACHINE_TEXT ${LANG_ARABIC} "تم تثبيت Quenby لكافة مستخدمي هذا الكمبيوتر.$\r$\n$\r$\nلم يقم برنامج الإعداد بتشغيله. افتحه من قائمة ابدأ. إذا تم تحديد «بدء التشغيل مع Windows»، فسيبدأ تشغيله لكل مستخدم عند تسجيل الدخول."
LangString FINISH_SET_ASIDE ${LANG_ARABIC} "لا يزال الإصدار السابق قيد التشغيل في جلسة مستخدم آخر، وسيستمر في العمل هناك إلى أن يتم إنهاؤه. ستتم إزالة ملفاته عند إعادة تشغيل الكمبيوتر."
LangString SET_ASIDE_DETAIL ${LANG_ARABIC} "الملف $R0 قيد الاستخدام في جلسة مستخدم آخر وتمت إعادة تسميته إلى $R1."
LangString UNINSTALL_IN_USE ${LANG_ARABIC} "بعض ملفات Quenby قيد الاستخدام في جلسة مستخدم آخر. ستتم إزالتها عند إعادة تشغيل الكمبيوتر."
