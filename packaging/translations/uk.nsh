; The installer's and uninstaller's own texts in Ukrainian (NSIS's language
; files give the rest). UTF-8 with a byte order mark, as makensis reads it;
; keep $\r$\n and $1 as they stand.

LangString STILL_RUNNING_DETAIL ${LANG_UKRAINIAN} "Quenby досі працює, і його не вдалося закрити."
LangString STILL_RUNNING_BOX ${LANG_UKRAINIAN} "Quenby досі працює, і його не вдалося закрити.$\r$\n$\r$\nЗакрийте його (меню піктограми в області сповіщень: «Вийти з оптимізатора ОЗП»; а також вікно панелі Quenby), а потім натисніть «Повторити»."
LangString STILL_RUNNING_ABORT ${LANG_UKRAINIAN} "Quenby досі працює; нічого не змінено."
LangString ALREADY_RUNNING ${LANG_UKRAINIAN} "Програму інсталяції або видалення Quenby вже запущено."
LangString CLOSING ${LANG_UKRAINIAN} "Закриття Quenby, якщо його запущено..."
LangString PANEL_LINK_DESCRIPTION ${LANG_UKRAINIAN} "Панель Quenby: показники ОЗП і ЦП та параметри"
LangString ENGINE_LINK_NAME ${LANG_UKRAINIAN} "Модуль Quenby в області сповіщень"
LangString ENGINE_LINK_DESCRIPTION ${LANG_UKRAINIAN} "Запустити модуль Quenby в області сповіщень, який звільняє ОЗП"
LangString SECTION_PROGRAM ${LANG_UKRAINIAN} "Quenby (обов’язково)"
LangString SECTION_AUTOSTART ${LANG_UKRAINIAN} "Запускати разом із Windows"
LangString RESTARTING_ENGINE ${LANG_UKRAINIAN} "Повторний запуск модуля в області сповіщень..."
LangString SECTION_PROGRAM_DESCRIPTION ${LANG_UKRAINIAN} "Модуль в області сповіщень, панель Quenby, клієнт командного рядка quenbyctl і ярлики в меню «Пуск»."
LangString SECTION_AUTOSTART_DESCRIPTION ${LANG_UKRAINIAN} "Запускати модуль в області сповіщень під час входу в Windows."
LangString BAD_AUTOSTART ${LANG_UKRAINIAN} "Невідоме значення /AUTOSTART=$1: використовуйте /AUTOSTART=1 або /AUTOSTART=0."
LangString FINISH_RUN ${LANG_UKRAINIAN} "Відкрити панель Quenby"
LangString NEEDS_ADMINISTRATOR ${LANG_UKRAINIAN} "Щоб інсталювати або видалити Quenby для всіх користувачів цього комп’ютера, потрібні права адміністратора. Запустіть програму ще раз від імені адміністратора."
LangString FINISH_MACHINE_TEXT ${LANG_UKRAINIAN} "Quenby інстальовано для всіх користувачів цього комп’ютера.$\r$\n$\r$\nПрограма інсталяції не запустила його. Відкрийте його з меню «Пуск». Якщо вибрано параметр «Запускати разом із Windows», Quenby запускатиметься для кожного користувача під час входу в систему."
LangString FINISH_SET_ASIDE ${LANG_UKRAINIAN} "Попередня версія досі працює в сеансі іншого користувача й працюватиме там, доки її не закриють. Її файли буде видалено після перезавантаження комп’ютера."
LangString SET_ASIDE_DETAIL ${LANG_UKRAINIAN} "Файл $R0 використовується в сеансі іншого користувача, тому його перейменовано на $R1."
LangString UNINSTALL_IN_USE ${LANG_UKRAINIAN} "Деякі файли Quenby використовуються в сеансі іншого користувача. Їх буде видалено після перезавантаження комп’ютера."
