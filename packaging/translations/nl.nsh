; The installer's and uninstaller's own texts in Dutch (NSIS's language
; files give the rest). UTF-8 with a byte order mark, as makensis reads it;
; keep $\r$\n and $1 as they stand.

LangString STILL_RUNNING_DETAIL ${LANG_DUTCH} "Quenby wordt nog uitgevoerd en kon niet worden afgesloten."
LangString STILL_RUNNING_BOX ${LANG_DUTCH} "Quenby wordt nog uitgevoerd en kon niet worden afgesloten.$\r$\n$\r$\nSluit Quenby af (menu in het systeemvak: RAM-optimalisatie afsluiten) en sluit het venster van het bedieningspaneel. Kies daarna Opnieuw proberen."
LangString STILL_RUNNING_ABORT ${LANG_DUTCH} "Quenby wordt nog uitgevoerd. Er is niets gewijzigd."
LangString ALREADY_RUNNING ${LANG_DUTCH} "Het installatie- of verwijderingsprogramma van Quenby wordt al uitgevoerd."
LangString CLOSING ${LANG_DUTCH} "Quenby wordt afgesloten als het actief is..."
LangString PANEL_LINK_DESCRIPTION ${LANG_DUTCH} "Bedieningspaneel van Quenby: RAM- en CPU-gegevens en de opties"
LangString ENGINE_LINK_NAME ${LANG_DUTCH} "Quenby in het systeemvak"
LangString ENGINE_LINK_DESCRIPTION ${LANG_DUTCH} "Het programma van Quenby in het systeemvak starten, dat RAM vrijmaakt"
LangString SECTION_PROGRAM ${LANG_DUTCH} "Quenby (vereist)"
LangString SECTION_AUTOSTART ${LANG_DUTCH} "Starten met Windows"
LangString RESTARTING_ENGINE ${LANG_DUTCH} "Het programma in het systeemvak wordt opnieuw gestart..."
LangString SECTION_PROGRAM_DESCRIPTION ${LANG_DUTCH} "Het programma in het systeemvak, het bedieningspaneel, de opdrachtregelclient quenbyctl en snelkoppelingen in het menu Start."
LangString SECTION_AUTOSTART_DESCRIPTION ${LANG_DUTCH} "Het programma in het systeemvak starten wanneer u zich aanmeldt bij Windows."
LangString BAD_AUTOSTART ${LANG_DUTCH} "Onbekende waarde /AUTOSTART=$1: gebruik /AUTOSTART=1 of /AUTOSTART=0."
LangString FINISH_RUN ${LANG_DUTCH} "Het bedieningspaneel van Quenby openen"
LangString NEEDS_ADMINISTRATOR ${LANG_DUTCH} "Voor het installeren of verwijderen van Quenby voor alle gebruikers van deze computer zijn administratorrechten nodig. Voer het programma opnieuw uit als administrator."
LangString FINISH_MACHINE_TEXT ${LANG_DUTCH} "Quenby is geïnstalleerd voor alle gebruikers van deze computer.$\r$\n$\r$\nHet installatieprogramma heeft Quenby niet gestart. Open het via het menu Start. Als “Starten met Windows” is geselecteerd, wordt het voor elke gebruiker gestart wanneer deze zich aanmeldt."
LangString FINISH_SET_ASIDE ${LANG_DUTCH} "De vorige versie wordt nog uitgevoerd in de sessie van een andere gebruiker en blijft daar actief totdat deze wordt afgesloten. De bestanden ervan worden verwijderd wanneer u de computer opnieuw opstart."
LangString SET_ASIDE_DETAIL ${LANG_DUTCH} "$R0 wordt gebruikt in de sessie van een andere gebruiker en de naam is gewijzigd in $R1."
LangString UNINSTALL_IN_USE ${LANG_DUTCH} "Enkele bestanden van Quenby worden gebruikt in de sessie van een andere gebruiker. Ze worden verwijderd wanneer u de computer opnieuw opstart."
