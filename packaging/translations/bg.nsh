; The installer's and uninstaller's own texts in Bulgarian (NSIS's language
; files give the rest). UTF-8 with a byte order mark, as makensis reads it;
; keep $\r$\n and $1 as they stand.

LangString STILL_RUNNING_DETAIL ${LANG_BULGARIAN} "Quenby все още работи и не можа да бъде затворен."
LangString STILL_RUNNING_BOX ${LANG_BULGARIAN} "Quenby все още работи и не можа да бъде затворен.$\r$\n$\r$\nЗатворете го (менюто на иконата в областта за уведомяване: „Изход от оптимизатора на RAM паметта“; а също и прозореца на панела на Quenby), след което изберете „Повторен опит“."
LangString STILL_RUNNING_ABORT ${LANG_BULGARIAN} "Quenby все още работи; нищо не е променено."
LangString ALREADY_RUNNING ${LANG_BULGARIAN} "Инсталаторът или програмата за деинсталиране на Quenby вече работи."
LangString CLOSING ${LANG_BULGARIAN} "Затваряне на Quenby, ако работи..."
LangString PANEL_LINK_DESCRIPTION ${LANG_BULGARIAN} "Панел на Quenby: стойности за RAM паметта и ЦП, както и опциите"
LangString ENGINE_LINK_NAME ${LANG_BULGARIAN} "Модул на Quenby в областта за уведомяване"
LangString ENGINE_LINK_DESCRIPTION ${LANG_BULGARIAN} "Стартиране на модула на Quenby в областта за уведомяване, който освобождава RAM памет"
LangString SECTION_PROGRAM ${LANG_BULGARIAN} "Quenby (задължително)"
LangString SECTION_AUTOSTART ${LANG_BULGARIAN} "Стартиране с Windows"
LangString RESTARTING_ENGINE ${LANG_BULGARIAN} "Повторно стартиране на модула в областта за уведомяване..."
LangString SECTION_PROGRAM_DESCRIPTION ${LANG_BULGARIAN} "Модулът в областта за уведомяване, панелът на Quenby, клиентът за команден ред quenbyctl и преките пътища в менюто „Старт“."
LangString SECTION_AUTOSTART_DESCRIPTION ${LANG_BULGARIAN} "Стартиране на модула в областта за уведомяване при влизане в Windows."
LangString BAD_AUTOSTART ${LANG_BULGARIAN} "Неизвестна стойност /AUTOSTART=$1: използвайте /AUTOSTART=1 или /AUTOSTART=0."
LangString FINISH_RUN ${LANG_BULGARIAN} "Отваряне на панела на Quenby"
LangString NEEDS_ADMINISTRATOR ${LANG_BULGARIAN} "За инсталиране или премахване на Quenby за всички потребители на този компютър са необходими администраторски права. Стартирайте отново като администратор."
LangString FINISH_MACHINE_TEXT ${LANG_BULGARIAN} "Quenby е инсталиран за всички потребители на този компютър.$\r$\n$\r$\nИнсталаторът не го стартира. Отворете го от менюто „Старт“. Ако е избрано „Стартиране с Windows“, той се стартира за всеки потребител при влизането му."
LangString FINISH_SET_ASIDE ${LANG_BULGARIAN} "Предишната версия все още работи в сесията на друг потребител и ще продължи да работи там, докато не бъде затворена. Файловете ѝ ще бъдат премахнати при рестартиране на компютъра."
LangString SET_ASIDE_DETAIL ${LANG_BULGARIAN} "Файлът $R0 се използва в сесията на друг потребител и беше преименуван на $R1."
LangString UNINSTALL_IN_USE ${LANG_BULGARIAN} "Някои от файловете на Quenby се използват в сесията на друг потребител. Те ще бъдат премахнати при рестартиране на компютъра."
