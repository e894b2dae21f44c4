; The installer's and uninstaller's own texts in French (NSIS's language
; files give the rest). UTF-8 with a byte order mark, as makensis reads it;
; keep $\r$\n and $1 as they stand.

LangString STILL_RUNNING_DETAIL ${LANG_FRENCH} "Quenby est toujours en cours d'exécution et n'a pas pu être fermé."
LangString STILL_RUNNING_BOX ${LANG_FRENCH} "Quenby est toujours en cours d'exécution et n'a pas pu être fermé.$\r$\n$\r$\nFermez-le (menu de la zone de notification : Quitter l'optimiseur de RAM ; ainsi que la fenêtre du panneau de contrôle), puis choisissez Réessayer."
LangString STILL_RUNNING_ABORT ${LANG_FRENCH} "Quenby est toujours en cours d'exécution ; rien n'a été modifié."
LangString ALREADY_RUNNING ${LANG_FRENCH} "Le programme d'installation ou de désinstallation de Quenby est déjà en cours d'exécution."
LangString CLOSING ${LANG_FRENCH} "Fermeture de Quenby s'il est en cours d'exécution..."
LangString PANEL_LINK_DESCRIPTION ${LANG_FRENCH} "Panneau de contrôle de Quenby : valeurs de la RAM et du processeur, et options"
LangString ENGINE_LINK_NAME ${LANG_FRENCH} "Moteur Quenby de la zone de notification"
LangString ENGINE_LINK_DESCRIPTION ${LANG_FRENCH} "Démarrer le moteur de Quenby dans la zone de notification, qui libère la RAM"
LangString SECTION_PROGRAM ${LANG_FRENCH} "Quenby (requis)"
LangString SECTION_AUTOSTART ${LANG_FRENCH} "Démarrer avec Windows"
LangString RESTARTING_ENGINE ${LANG_FRENCH} "Redémarrage du moteur de la zone de notification..."
LangString SECTION_PROGRAM_DESCRIPTION ${LANG_FRENCH} "Le moteur de la zone de notification, le panneau de contrôle, le client en ligne de commande quenbyctl et les raccourcis du menu Démarrer."
LangString SECTION_AUTOSTART_DESCRIPTION ${LANG_FRENCH} "Démarrer le moteur de la zone de notification à l'ouverture de session Windows."
LangString BAD_AUTOSTART ${LANG_FRENCH} "Valeur inconnue /AUTOSTART=$1 : utilisez /AUTOSTART=1 ou /AUTOSTART=0."
LangString FINISH_RUN ${LANG_FRENCH} "Ouvrir le panneau de contrôle de Quenby"
LangString NEEDS_ADMINISTRATOR ${LANG_FRENCH} "L'installation ou la suppression de Quenby pour tous les utilisateurs de cet ordinateur nécessite des droits d'administrateur. Relancez-le en tant qu'administrateur."
LangString FINISH_MACHINE_TEXT ${LANG_FRENCH} "Quenby a été installé pour tous les utilisateurs de cet ordinateur.$\r$\n$\r$\nLe programme d'installation ne l'a pas démarré. Ouvrez-le depuis le menu Démarrer. Si « Démarrer avec Windows » a été sélectionné, il démarre pour chaque utilisateur à l'ouverture de sa session."
LangString FINISH_SET_ASIDE ${LANG_FRENCH} "La version précédente est toujours en cours d'exécution dans la session d'un autre utilisateur et le reste jusqu'à sa fermeture. Ses fichiers seront supprimés au redémarrage de l'ordinateur."
LangString SET_ASIDE_DETAIL ${LANG_FRENCH} "$R0 est utilisé dans la session d'un autre utilisateur et a été renommé en $R1."
LangString UNINSTALL_IN_USE ${LANG_FRENCH} "Certains fichiers de Quenby sont utilisés dans la session d'un autre utilisateur. Ils seront supprimés au redémarrage de l'ordinateur."
