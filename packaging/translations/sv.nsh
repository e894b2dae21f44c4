; The installer's and uninstaller's own texts in Swedish (NSIS's language
; files give the rest). UTF-8 with a byte order mark, as makensis reads it;
; keep $\r$\n and $1 as they stand.

LangString STILL_RUNNING_DETAIL ${LANG_SWEDISH} "Quenby körs fortfarande och kunde inte avslutas."
LangString STILL_RUNNING_BOX ${LANG_SWEDISH} "Quenby körs fortfarande och kunde inte avslutas.$\r$\n$\r$\nAvsluta Quenby (i menyn i meddelandefältet: Avsluta RAM-optimering), stäng manöverpanelens fönster och välj sedan Försök igen."
LangString STILL_RUNNING_ABORT ${LANG_SWEDISH} "Quenby körs fortfarande. Ingenting har ändrats."
LangString ALREADY_RUNNING ${LANG_SWEDISH} "Installations- eller avinstallationsprogrammet för Quenby körs redan."
LangString CLOSING ${LANG_SWEDISH} "Avslutar Quenby om det körs..."
LangString PANEL_LINK_DESCRIPTION ${LANG_SWEDISH} "Quenbys manöverpanel: värden för RAM och CPU samt alternativen"
LangString ENGINE_LINK_NAME ${LANG_SWEDISH} "Quenby i meddelandefältet"
LangString ENGINE_LINK_DESCRIPTION ${LANG_SWEDISH} "Starta Quenbys program i meddelandefältet, som frigör RAM"
LangString SECTION_PROGRAM ${LANG_SWEDISH} "Quenby (krävs)"
LangString SECTION_AUTOSTART ${LANG_SWEDISH} "Starta med Windows"
LangString RESTARTING_ENGINE ${LANG_SWEDISH} "Startar programmet i meddelandefältet igen..."
LangString SECTION_PROGRAM_DESCRIPTION ${LANG_SWEDISH} "Programmet i meddelandefältet, manöverpanelen, kommandoradsklienten quenbyctl och genvägar på Start-menyn."
LangString SECTION_AUTOSTART_DESCRIPTION ${LANG_SWEDISH} "Starta programmet i meddelandefältet när du loggar in i Windows."
LangString BAD_AUTOSTART ${LANG_SWEDISH} "Okänt värde /AUTOSTART=$1: använd /AUTOSTART=1 eller /AUTOSTART=0."
LangString FINISH_RUN ${LANG_SWEDISH} "Öppna Quenbys manöverpanel"
LangString NEEDS_ADMINISTRATOR ${LANG_SWEDISH} "Du behöver administratörsbehörighet för att installera eller ta bort Quenby för alla användare av den här datorn. Kör programmet igen som administratör."
LangString FINISH_MACHINE_TEXT ${LANG_SWEDISH} "Quenby har installerats för alla användare av den här datorn.$\r$\n$\r$\nInstallationsprogrammet startade inte Quenby. Öppna det från Start-menyn. Om ”Starta med Windows” valdes startar det för varje användare när de loggar in."
LangString FINISH_SET_ASIDE ${LANG_SWEDISH} "Den tidigare versionen körs fortfarande i en annan användares session och fortsätter att köras där tills den avslutas. Dess filer tas bort när du startar om datorn."
LangString SET_ASIDE_DETAIL ${LANG_SWEDISH} "$R0 används i en annan användares session och har bytt namn till $R1."
LangString UNINSTALL_IN_USE ${LANG_SWEDISH} "Vissa av Quenbys filer används i en annan användares session. De tas bort när du startar om datorn."
