; The installer's and uninstaller's own texts in Romanian (NSIS's language
; files give the rest). UTF-8 with a byte order mark, as makensis reads it;
; keep $\r$\n and $1 as they stand.

LangString STILL_RUNNING_DETAIL ${LANG_ROMANIAN} "Quenby încă rulează și nu a putut fi închis."
LangString STILL_RUNNING_BOX ${LANG_ROMANIAN} "Quenby încă rulează și nu a putut fi închis.$\r$\n$\r$\nÎnchideți-l (din meniul din zona de notificare: Ieșire din optimizatorul RAM; și fereastra panoului de comandă), apoi alegeți Reîncercare."
LangString STILL_RUNNING_ABORT ${LANG_ROMANIAN} "Quenby încă rulează; nu s-a modificat nimic."
LangString ALREADY_RUNNING ${LANG_ROMANIAN} "Programul de instalare sau de dezinstalare Quenby rulează deja."
LangString CLOSING ${LANG_ROMANIAN} "Se închide Quenby, dacă rulează..."
LangString PANEL_LINK_DESCRIPTION ${LANG_ROMANIAN} "Panoul de comandă Quenby: date despre memoria RAM și CPU și opțiunile"
LangString ENGINE_LINK_NAME ${LANG_ROMANIAN} "Quenby în zona de notificare"
LangString ENGINE_LINK_DESCRIPTION ${LANG_ROMANIAN} "Pornește modulul Quenby din zona de notificare, care eliberează memoria RAM"
LangString SECTION_PROGRAM ${LANG_ROMANIAN} "Quenby (obligatoriu)"
LangString SECTION_AUTOSTART ${LANG_ROMANIAN} "Pornire odată cu Windows"
LangString RESTARTING_ENGINE ${LANG_ROMANIAN} "Se pornește din nou modulul din zona de notificare..."
LangString SECTION_PROGRAM_DESCRIPTION ${LANG_ROMANIAN} "Modulul din zona de notificare, panoul de comandă, clientul de linie de comandă quenbyctl și comenzile rapide din meniul Start."
LangString SECTION_AUTOSTART_DESCRIPTION ${LANG_ROMANIAN} "Pornește modulul din zona de notificare când vă conectați la Windows."
LangString BAD_AUTOSTART ${LANG_ROMANIAN} "Valoare necunoscută /AUTOSTART=$1: utilizați /AUTOSTART=1 sau /AUTOSTART=0."
LangString FINISH_RUN ${LANG_ROMANIAN} "Deschide panoul de comandă Quenby"
LangString NEEDS_ADMINISTRATOR ${LANG_ROMANIAN} "Instalarea sau eliminarea Quenby pentru toți utilizatorii acestui computer necesită drepturi de administrator. Rulați-l din nou ca administrator."
LangString FINISH_MACHINE_TEXT ${LANG_ROMANIAN} "Quenby a fost instalat pentru toți utilizatorii acestui computer.$\r$\n$\r$\nProgramul de instalare nu l-a pornit. Deschideți-l din meniul Start. Dacă ați selectat „Pornire odată cu Windows”, acesta pornește pentru fiecare utilizator când se conectează."
LangString FINISH_SET_ASIDE ${LANG_ROMANIAN} "Versiunea anterioară încă rulează în sesiunea altui utilizator și va rula acolo până când este închisă. Fișierele sale vor fi eliminate când reporniți computerul."
LangString SET_ASIDE_DETAIL ${LANG_ROMANIAN} "$R0 este utilizat în sesiunea altui utilizator și a fost redenumit în $R1."
LangString UNINSTALL_IN_USE ${LANG_ROMANIAN} "Unele fișiere Quenby sunt utilizate în sesiunea altui utilizator. Vor fi eliminate când reporniți computerul."
