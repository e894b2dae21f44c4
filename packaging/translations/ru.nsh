; The installer's and uninstaller's own texts in Russian (NSIS's language
; files give the rest). UTF-8 with a byte order mark, as makensis reads it;
; keep $\r$\n and $1 as they stand.

LangString STILL_RUNNING_DETAIL ${LANG_RUSSIAN} "Quenby по-прежнему работает, и его не удалось закрыть."
LangString STILL_RUNNING_BOX ${LANG_RUSSIAN} "Quenby по-прежнему работает, и его не удалось закрыть.$\r$\n$\r$\nЗакройте его (меню значка в области уведомлений: «Выйти из оптимизатора ОЗУ»; а также окно панели Quenby), затем нажмите «Повторить»."
LangString STILL_RUNNING_ABORT ${LANG_RUSSIAN} "Quenby по-прежнему работает; ничего не изменено."
LangString ALREADY_RUNNING ${LANG_RUSSIAN} "Программа установки или удаления Quenby уже запущена."
LangString CLOSING ${LANG_RUSSIAN} "Закрытие Quenby, если он запущен..."
LangString PANEL_LINK_DESCRIPTION ${LANG_RUSSIAN} "Панель Quenby: показатели ОЗУ и ЦП, параметры"
LangString ENGINE_LINK_NAME ${LANG_RUSSIAN} "Модуль Quenby в области уведомлений"
LangString ENGINE_LINK_DESCRIPTION ${LANG_RUSSIAN} "Запустить модуль Quenby в области уведомлений, освобождающий ОЗУ"
LangString SECTION_PROGRAM ${LANG_RUSSIAN} "Quenby (обязательно)"
LangString SECTION_AUTOSTART ${LANG_RUSSIAN} "Запускать с Windows"
LangString RESTARTING_ENGINE ${LANG_RUSSIAN} "Перезапуск модуля в области уведомлений..."
LangString SECTION_PROGRAM_DESCRIPTION ${LANG_RUSSIAN} "Модуль в области уведомлений, панель Quenby, клиент командной строки quenbyctl и ярлыки в меню «Пуск»."
LangString SECTION_AUTOSTART_DESCRIPTION ${LANG_RUSSIAN} "Запускать модуль в области уведомлений при входе в Windows."
LangString BAD_AUTOSTART ${LANG_RUSSIAN} "Неизвестное значение /AUTOSTART=$1: используйте /AUTOSTART=1 или /AUTOSTART=0."
LangString FINISH_RUN ${LANG_RUSSIAN} "Открыть панель Quenby"
LangString NEEDS_ADMINISTRATOR ${LANG_RUSSIAN} "Для установки или удаления Quenby для всех пользователей этого компьютера нужны права администратора. Запустите программу снова от имени администратора."
LangString FINISH_MACHINE_TEXT ${LANG_RUSSIAN} "Quenby установлен для всех пользователей этого компьютера.$\r$\n$\r$\nПрограмма установки не запустила его. Откройте его из меню «Пуск». Если выбран параметр «Запускать с Windows», он запускается для каждого пользователя при входе в систему."
LangString FINISH_SET_ASIDE ${LANG_RUSSIAN} "Предыдущая версия все еще работает в сеансе другого пользователя и будет работать там, пока ее не закроют. Ее файлы будут удалены после перезагрузки компьютера."
LangString SET_ASIDE_DETAIL ${LANG_RUSSIAN} "Файл $R0 используется в сеансе другого пользователя и был переименован в $R1."
LangString UNINSTALL_IN_USE ${LANG_RUSSIAN} "Некоторые файлы Quenby используются в сеансе другого пользователя. Они будут удалены после перезагрузки компьютера."
