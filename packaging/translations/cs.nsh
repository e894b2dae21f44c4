; The installer's and uninstaller's own texts in Czech (NSIS's language
; files give the rest). UTF-8 with a byte order mark, as makensis reads it;
; keep $\r$\n and $1 as they stand.

LangString STILL_RUNNING_DETAIL ${LANG_CZECH} "Quenby stále běží a nepodařilo se ho ukončit."
LangString STILL_RUNNING_BOX ${LANG_CZECH} "Quenby stále běží a nepodařilo se ho ukončit.$\r$\n$\r$\nUkončete ho (v nabídce v oznamovací oblasti: Ukončit optimalizátor RAM; a zavřete okno řídicího panelu) a potom zvolte Opakovat."
LangString STILL_RUNNING_ABORT ${LANG_CZECH} "Quenby stále běží; nic nebylo změněno."
LangString ALREADY_RUNNING ${LANG_CZECH} "Instalační nebo odinstalační program Quenby už běží."
LangString CLOSING ${LANG_CZECH} "Ukončování aplikace Quenby, pokud běží..."
LangString PANEL_LINK_DESCRIPTION ${LANG_CZECH} "Řídicí panel Quenby: údaje o paměti RAM a procesoru a možnosti"
LangString ENGINE_LINK_NAME ${LANG_CZECH} "Quenby v oznamovací oblasti"
LangString ENGINE_LINK_DESCRIPTION ${LANG_CZECH} "Spustit modul Quenby v oznamovací oblasti, který uvolňuje paměť RAM"
LangString SECTION_PROGRAM ${LANG_CZECH} "Quenby (povinné)"
LangString SECTION_AUTOSTART ${LANG_CZECH} "Spouštět se systémem Windows"
LangString RESTARTING_ENGINE ${LANG_CZECH} "Znovu se spouští modul v oznamovací oblasti..."
LangString SECTION_PROGRAM_DESCRIPTION ${LANG_CZECH} "Modul v oznamovací oblasti, řídicí panel, klient příkazového řádku quenbyctl a zástupci v nabídce Start."
LangString SECTION_AUTOSTART_DESCRIPTION ${LANG_CZECH} "Spouštět modul v oznamovací oblasti při přihlášení do systému Windows."
LangString BAD_AUTOSTART ${LANG_CZECH} "Neznámá hodnota /AUTOSTART=$1: použijte /AUTOSTART=1 nebo /AUTOSTART=0."
LangString FINISH_RUN ${LANG_CZECH} "Otevřít řídicí panel Quenby"
LangString NEEDS_ADMINISTRATOR ${LANG_CZECH} "Instalace nebo odebrání aplikace Quenby pro všechny uživatele tohoto počítače vyžaduje oprávnění správce. Spusťte program znovu jako správce."
LangString FINISH_MACHINE_TEXT ${LANG_CZECH} "Aplikace Quenby byla nainstalována pro všechny uživatele tohoto počítače.$\r$\n$\r$\nInstalační program ji nespustil. Otevřete ji z nabídky Start. Pokud byla vybrána možnost Spouštět se systémem Windows, spustí se každému uživateli, jakmile se přihlásí."
LangString FINISH_SET_ASIDE ${LANG_CZECH} "Předchozí verze stále běží v relaci jiného uživatele a poběží tam, dokud nebude ukončena. Její soubory budou odebrány při restartování počítače."
LangString SET_ASIDE_DETAIL ${LANG_CZECH} "Soubor $R0 se používá v relaci jiného uživatele a byl přejmenován na $R1."
LangString UNINSTALL_IN_USE ${LANG_CZECH} "Některé soubory aplikace Quenby se používají v relaci jiného uživatele. Budou odebrány při restartování počítače."
