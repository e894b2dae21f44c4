; The installer's and uninstaller's own texts in Polish (NSIS's language
; files give the rest). UTF-8 with a byte order mark, as makensis reads it;
; keep $\r$\n and $1 as they stand.

LangString STILL_RUNNING_DETAIL ${LANG_POLISH} "Program Quenby nadal działa i nie udało się go zamknąć."
LangString STILL_RUNNING_BOX ${LANG_POLISH} "Program Quenby nadal działa i nie udało się go zamknąć.$\r$\n$\r$\nZamknij go (w menu w obszarze powiadomień: Zakończ działanie optymalizatora RAM; oraz okno panelu zarządzania Quenby), a następnie wybierz Ponów próbę."
LangString STILL_RUNNING_ABORT ${LANG_POLISH} "Program Quenby nadal działa; niczego nie zmieniono."
LangString ALREADY_RUNNING ${LANG_POLISH} "Instalator lub dezinstalator programu Quenby jest już uruchomiony."
LangString CLOSING ${LANG_POLISH} "Zamykanie programu Quenby, jeśli działa..."
LangString PANEL_LINK_DESCRIPTION ${LANG_POLISH} "Panel zarządzania Quenby: dane pamięci RAM i procesora oraz opcje"
LangString ENGINE_LINK_NAME ${LANG_POLISH} "Quenby w obszarze powiadomień"
LangString ENGINE_LINK_DESCRIPTION ${LANG_POLISH} "Uruchom moduł Quenby w obszarze powiadomień, który zwalnia pamięć RAM"
LangString SECTION_PROGRAM ${LANG_POLISH} "Quenby (wymagane)"
LangString SECTION_AUTOSTART ${LANG_POLISH} "Uruchamianie z systemem Windows"
LangString RESTARTING_ENGINE ${LANG_POLISH} "Ponowne uruchamianie modułu w obszarze powiadomień..."
LangString SECTION_PROGRAM_DESCRIPTION ${LANG_POLISH} "Moduł w obszarze powiadomień, panel zarządzania, klient wiersza polecenia quenbyctl i skróty w menu Start."
LangString SECTION_AUTOSTART_DESCRIPTION ${LANG_POLISH} "Uruchamiaj moduł w obszarze powiadomień po zalogowaniu do systemu Windows."
LangString BAD_AUTOSTART ${LANG_POLISH} "Nieznana wartość /AUTOSTART=$1: użyj /AUTOSTART=1 lub /AUTOSTART=0."
LangString FINISH_RUN ${LANG_POLISH} "Otwórz panel zarządzania Quenby"
LangString NEEDS_ADMINISTRATOR ${LANG_POLISH} "Instalowanie lub usuwanie programu Quenby dla wszystkich użytkowników tego komputera wymaga uprawnień administratora. Uruchom go ponownie jako administrator."
LangString FINISH_MACHINE_TEXT ${LANG_POLISH} "Program Quenby został zainstalowany dla wszystkich użytkowników tego komputera.$\r$\n$\r$\nInstalator go nie uruchomił. Otwórz go z menu Start. Jeśli wybrano opcję „Uruchamianie z systemem Windows”, program uruchamia się dla każdego użytkownika po zalogowaniu."
LangString FINISH_SET_ASIDE ${LANG_POLISH} "Poprzednia wersja nadal działa w sesji innego użytkownika i będzie działać do czasu jej zamknięcia. Jej pliki zostaną usunięte po ponownym uruchomieniu komputera."
LangString SET_ASIDE_DETAIL ${LANG_POLISH} "Plik $R0 jest używany w sesji innego użytkownika i zmieniono jego nazwę na $R1."
LangString UNINSTALL_IN_USE ${LANG_POLISH} "Niektóre pliki programu Quenby są używane w sesji innego użytkownika. Zostaną usunięte po ponownym uruchomieniu komputera."
