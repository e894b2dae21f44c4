; The installer's and uninstaller's own texts in German (NSIS's language
; files give the rest). UTF-8 with a byte order mark, as makensis reads it;
; keep $\r$\n and $1 as they stand.

LangString STILL_RUNNING_DETAIL ${LANG_GERMAN} "Quenby wird noch ausgeführt und konnte nicht beendet werden."
LangString STILL_RUNNING_BOX ${LANG_GERMAN} "Quenby wird noch ausgeführt und konnte nicht beendet werden.$\r$\n$\r$\nBeenden Sie es (Menü im Infobereich: RAM-Optimierer beenden), schließen Sie das Fenster des Bedienfelds und wählen Sie dann Wiederholen."
LangString STILL_RUNNING_ABORT ${LANG_GERMAN} "Quenby wird noch ausgeführt; es wurde nichts geändert."
LangString ALREADY_RUNNING ${LANG_GERMAN} "Das Setup oder Deinstallationsprogramm von Quenby wird bereits ausgeführt."
LangString CLOSING ${LANG_GERMAN} "Quenby wird beendet, falls es ausgeführt wird..."
LangString PANEL_LINK_DESCRIPTION ${LANG_GERMAN} "Quenby-Bedienfeld: RAM- und CPU-Werte sowie Optionen"
LangString ENGINE_LINK_NAME ${LANG_GERMAN} "Quenby-Infobereichsprogramm"
LangString ENGINE_LINK_DESCRIPTION ${LANG_GERMAN} "Infobereichsprogramm von Quenby starten, das RAM freigibt"
LangString SECTION_PROGRAM ${LANG_GERMAN} "Quenby (erforderlich)"
LangString SECTION_AUTOSTART ${LANG_GERMAN} "Mit Windows starten"
LangString RESTARTING_ENGINE ${LANG_GERMAN} "Infobereichsprogramm wird erneut gestartet..."
LangString SECTION_PROGRAM_DESCRIPTION ${LANG_GERMAN} "Das Infobereichsprogramm, das Bedienfeld, der Befehlszeilenclient quenbyctl und Verknüpfungen im Startmenü."
LangString SECTION_AUTOSTART_DESCRIPTION ${LANG_GERMAN} "Infobereichsprogramm bei der Anmeldung an Windows starten."
LangString BAD_AUTOSTART ${LANG_GERMAN} "Unbekannter Wert /AUTOSTART=$1: Verwenden Sie /AUTOSTART=1 oder /AUTOSTART=0."
LangString FINISH_RUN ${LANG_GERMAN} "Quenby-Bedienfeld öffnen"
LangString NEEDS_ADMINISTRATOR ${LANG_GERMAN} "Zum Installieren oder Entfernen von Quenby für alle Benutzer dieses Computers sind Administratorrechte erforderlich. Führen Sie das Programm erneut als Administrator aus."
LangString FINISH_MACHINE_TEXT ${LANG_GERMAN} "Quenby wurde für alle Benutzer dieses Computers installiert.$\r$\n$\r$\nDas Setup hat Quenby nicht gestartet. Öffnen Sie es über das Startmenü. Wenn „Mit Windows starten“ ausgewählt wurde, wird es für jeden Benutzer bei der Anmeldung gestartet."
LangString FINISH_SET_ASIDE ${LANG_GERMAN} "Die vorherige Version wird in der Sitzung eines anderen Benutzers noch ausgeführt und läuft dort weiter, bis sie beendet wird. Ihre Dateien werden beim Neustart des Computers entfernt."
LangString SET_ASIDE_DETAIL ${LANG_GERMAN} "$R0 wird in der Sitzung eines anderen Benutzers verwendet und wurde in $R1 umbenannt."
LangString UNINSTALL_IN_USE ${LANG_GERMAN} "Einige Dateien von Quenby werden in der Sitzung eines anderen Benutzers verwendet. Sie werden beim Neustart des Computers entfernt."
