; The installer's and uninstaller's own texts in English (NSIS's language
; files give the rest), the source of the Setup texts in every catalogue
; (tools/translations.py makes each language's file from its catalogue). UTF-8
; with a byte order mark, as makensis reads it. A line ";: ..." just before a
; text is the note the translators read with it.

LangString STILL_RUNNING_DETAIL ${LANG_ENGLISH} "Quenby is still running and could not be closed."
LangString STILL_RUNNING_BOX ${LANG_ENGLISH} "Quenby is still running and could not be closed.$\r$\n$\r$\nClose it (tray menu: Close RAM Optimizer; and the control panel's window), then choose Retry."
LangString STILL_RUNNING_ABORT ${LANG_ENGLISH} "Quenby is still running; nothing was changed."
LangString ALREADY_RUNNING ${LANG_ENGLISH} "Quenby's setup or uninstaller is already running."
LangString CLOSING ${LANG_ENGLISH} "Closing Quenby if it runs..."
LangString PANEL_LINK_DESCRIPTION ${LANG_ENGLISH} "Quenby control panel: RAM and CPU figures and the options"
;: The name of the Start-menu shortcut to the tray engine.
LangString ENGINE_LINK_NAME ${LANG_ENGLISH} "Quenby tray engine"
LangString ENGINE_LINK_DESCRIPTION ${LANG_ENGLISH} "Start Quenby's tray engine, which recovers RAM"
LangString SECTION_PROGRAM ${LANG_ENGLISH} "Quenby (required)"
LangString SECTION_AUTOSTART ${LANG_ENGLISH} "Start with Windows"
LangString RESTARTING_ENGINE ${LANG_ENGLISH} "Starting the tray engine again..."
LangString SECTION_PROGRAM_DESCRIPTION ${LANG_ENGLISH} "The tray engine, the control panel, the command-line client quenbyctl and Start-menu shortcuts."
LangString SECTION_AUTOSTART_DESCRIPTION ${LANG_ENGLISH} "Start the tray engine when you sign in to Windows."
;: $1 (%1 for translators): the value given after /AUTOSTART= on the command line.
LangString BAD_AUTOSTART ${LANG_ENGLISH} "Unknown value /AUTOSTART=$1: use /AUTOSTART=1 or /AUTOSTART=0."
LangString FINISH_RUN ${LANG_ENGLISH} "Open the Quenby control panel"
LangString NEEDS_ADMINISTRATOR ${LANG_ENGLISH} "Installing or removing Quenby for all users of this computer needs administrator rights. Run it again as an administrator."
LangString FINISH_MACHINE_TEXT ${LANG_ENGLISH} "Quenby has been installed for all users of this computer.$\r$\n$\r$\nSetup did not start it. Open it from the Start menu. If Start with Windows was selected, it starts for each user when they sign in."
LangString FINISH_SET_ASIDE ${LANG_ENGLISH} "The previous version is still running in another user's session and keeps running there until it is closed. Its files are removed when you restart the computer."
;: %1: the full path of a file of the previous version; %2: the name it was renamed to.
LangString SET_ASIDE_DETAIL ${LANG_ENGLISH} "$R0 is in use in another user's session and was renamed to $R1."
LangString UNINSTALL_IN_USE ${LANG_ENGLISH} "Some of Quenby's files are in use in another user's session. They will be removed when you restart the computer."
