; The installer's and uninstaller's own texts in Italian (NSIS's language
; files give the rest). UTF-8 with a byte order mark, as makensis reads it;
; keep $\r$\n and $1 as they stand.

LangString STILL_RUNNING_DETAIL ${LANG_ITALIAN} "Quenby è ancora in esecuzione e non è stato possibile chiuderlo."
LangString STILL_RUNNING_BOX ${LANG_ITALIAN} "Quenby è ancora in esecuzione e non è stato possibile chiuderlo.$\r$\n$\r$\nChiudilo (menu dell'area di notifica: Esci dall'ottimizzatore RAM; e anche la finestra del pannello di comando), quindi scegli Riprova."
LangString STILL_RUNNING_ABORT ${LANG_ITALIAN} "Quenby è ancora in esecuzione; non è stato modificato nulla."
LangString ALREADY_RUNNING ${LANG_ITALIAN} "Il programma di installazione o disinstallazione di Quenby è già in esecuzione."
LangString CLOSING ${LANG_ITALIAN} "Chiusura di Quenby, se in esecuzione..."
LangString PANEL_LINK_DESCRIPTION ${LANG_ITALIAN} "Pannello di comando di Quenby: dati di RAM e CPU e opzioni"
LangString ENGINE_LINK_NAME ${LANG_ITALIAN} "Motore dell'area di notifica di Quenby"
LangString ENGINE_LINK_DESCRIPTION ${LANG_ITALIAN} "Avvia il motore di Quenby nell'area di notifica, che libera la RAM"
LangString SECTION_PROGRAM ${LANG_ITALIAN} "Quenby (obbligatorio)"
LangString SECTION_AUTOSTART ${LANG_ITALIAN} "Avvia con Windows"
LangString RESTARTING_ENGINE ${LANG_ITALIAN} "Riavvio del motore dell'area di notifica..."
LangString SECTION_PROGRAM_DESCRIPTION ${LANG_ITALIAN} "Il motore dell'area di notifica, il pannello di comando, il client della riga di comando quenbyctl e i collegamenti del menu Start."
LangString SECTION_AUTOSTART_DESCRIPTION ${LANG_ITALIAN} "Avvia il motore dell'area di notifica all'accesso a Windows."
LangString BAD_AUTOSTART ${LANG_ITALIAN} "Valore sconosciuto /AUTOSTART=$1: usa /AUTOSTART=1 o /AUTOSTART=0."
LangString FINISH_RUN ${LANG_ITALIAN} "Apri il pannello di comando di Quenby"
LangString NEEDS_ADMINISTRATOR ${LANG_ITALIAN} "Per installare o rimuovere Quenby per tutti gli utenti di questo computer sono necessari i diritti di amministratore. Eseguilo di nuovo come amministratore."
LangString FINISH_MACHINE_TEXT ${LANG_ITALIAN} "Quenby è stato installato per tutti gli utenti di questo computer.$\r$\n$\r$\nIl programma di installazione non lo ha avviato. Aprilo dal menu Start. Se è stato selezionato «Avvia con Windows», si avvia per ogni utente al momento dell'accesso."
LangString FINISH_SET_ASIDE ${LANG_ITALIAN} "La versione precedente è ancora in esecuzione nella sessione di un altro utente e lo resterà finché non verrà chiusa. I suoi file verranno rimossi al riavvio del computer."
LangString SET_ASIDE_DETAIL ${LANG_ITALIAN} "$R0 è in uso nella sessione di un altro utente ed è stato rinominato in $R1."
LangString UNINSTALL_IN_USE ${LANG_ITALIAN} "Alcuni file di Quenby sono in uso nella sessione di un altro utente. Verranno rimossi al riavvio del computer."
