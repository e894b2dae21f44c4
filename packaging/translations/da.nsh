; The installer's and uninstaller's own texts in Danish (NSIS's language
; files give the rest). UTF-8 with a byte order mark, as makensis reads it;
; keep $\r$\n and $1 as they stand.

LangString STILL_RUNNING_DETAIL ${LANG_DANISH} "Quenby kører stadig og kunne ikke afsluttes."
LangString STILL_RUNNING_BOX ${LANG_DANISH} "Quenby kører stadig og kunne ikke afsluttes.$\r$\n$\r$\nAfslut Quenby (i menuen i meddelelsesområdet: Afslut RAM-optimering), luk betjeningspanelets vindue, og vælg derefter Prøv igen."
LangString STILL_RUNNING_ABORT ${LANG_DANISH} "Quenby kører stadig. Intet blev ændret."
LangString ALREADY_RUNNING ${LANG_DANISH} "Installations- eller afinstallationsprogrammet til Quenby kører allerede."
LangString CLOSING ${LANG_DANISH} "Afslutter Quenby, hvis det kører..."
LangString PANEL_LINK_DESCRIPTION ${LANG_DANISH} "Quenbys betjeningspanel: tal for RAM og CPU samt indstillingerne"
LangString ENGINE_LINK_NAME ${LANG_DANISH} "Quenby i meddelelsesområdet"
LangString ENGINE_LINK_DESCRIPTION ${LANG_DANISH} "Start Quenbys program i meddelelsesområdet, som frigør RAM"
LangString SECTION_PROGRAM ${LANG_DANISH} "Quenby (påkrævet)"
LangString SECTION_AUTOSTART ${LANG_DANISH} "Start med Windows"
LangString RESTARTING_ENGINE ${LANG_DANISH} "Starter programmet i meddelelsesområdet igen..."
LangString SECTION_PROGRAM_DESCRIPTION ${LANG_DANISH} "Programmet i meddelelsesområdet, betjeningspanelet, kommandolinjeklienten quenbyctl og genveje i menuen Start."
LangString SECTION_AUTOSTART_DESCRIPTION ${LANG_DANISH} "Start programmet i meddelelsesområdet, når du logger på Windows."
LangString BAD_AUTOSTART ${LANG_DANISH} "Ukendt værdi /AUTOSTART=$1: Brug /AUTOSTART=1 eller /AUTOSTART=0."
LangString FINISH_RUN ${LANG_DANISH} "Åbn Quenbys betjeningspanel"
LangString NEEDS_ADMINISTRATOR ${LANG_DANISH} "Du skal have administratorrettigheder for at installere eller fjerne Quenby for alle brugere af denne computer. Kør programmet igen som administrator."
LangString FINISH_MACHINE_TEXT ${LANG_DANISH} "Quenby er installeret for alle brugere af denne computer.$\r$\n$\r$\nInstallationsprogrammet har ikke startet Quenby. Åbn det fra menuen Start. Hvis »Start med Windows« blev valgt, starter det for hver bruger, når vedkommende logger på."
LangString FINISH_SET_ASIDE ${LANG_DANISH} "Den tidligere version kører stadig i en anden brugers session og fortsætter med at køre der, indtil den afsluttes. Dens filer fjernes, når du genstarter computeren."
LangString SET_ASIDE_DETAIL ${LANG_DANISH} "$R0 bruges i en anden brugers session og blev omdøbt til $R1."
LangString UNINSTALL_IN_USE ${LANG_DANISH} "Nogle af Quenbys filer bruges i en anden brugers session. De fjernes, når du genstarter computeren."
