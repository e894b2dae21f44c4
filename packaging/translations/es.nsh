; The installer's and uninstaller's own texts in Spanish (NSIS's language
; files give the rest). UTF-8 with a byte order mark, as makensis reads it;
; keep $\r$\n and $1 as they stand.

LangString STILL_RUNNING_DETAIL ${LANG_SPANISH} "Quenby sigue en ejecución y no se pudo cerrar."
LangString STILL_RUNNING_BOX ${LANG_SPANISH} "Quenby sigue en ejecución y no se pudo cerrar.$\r$\n$\r$\nCiérralo (menú del área de notificación: Salir del optimizador de RAM; y también la ventana del panel de mandos) y después elige Reintentar."
LangString STILL_RUNNING_ABORT ${LANG_SPANISH} "Quenby sigue en ejecución; no se ha cambiado nada."
LangString ALREADY_RUNNING ${LANG_SPANISH} "El programa de instalación o desinstalación de Quenby ya se está ejecutando."
LangString CLOSING ${LANG_SPANISH} "Cerrando Quenby si está en ejecución..."
LangString PANEL_LINK_DESCRIPTION ${LANG_SPANISH} "Panel de mandos de Quenby: datos de RAM y CPU, y opciones"
LangString ENGINE_LINK_NAME ${LANG_SPANISH} "Motor del área de notificación de Quenby"
LangString ENGINE_LINK_DESCRIPTION ${LANG_SPANISH} "Iniciar el motor de Quenby en el área de notificación, que libera RAM"
LangString SECTION_PROGRAM ${LANG_SPANISH} "Quenby (obligatorio)"
LangString SECTION_AUTOSTART ${LANG_SPANISH} "Iniciar con Windows"
LangString RESTARTING_ENGINE ${LANG_SPANISH} "Reiniciando el motor del área de notificación..."
LangString SECTION_PROGRAM_DESCRIPTION ${LANG_SPANISH} "El motor del área de notificación, el panel de mandos, el cliente de línea de comandos quenbyctl y los accesos directos del menú Inicio."
LangString SECTION_AUTOSTART_DESCRIPTION ${LANG_SPANISH} "Iniciar el motor del área de notificación al iniciar sesión en Windows."
LangString BAD_AUTOSTART ${LANG_SPANISH} "Valor desconocido /AUTOSTART=$1: usa /AUTOSTART=1 o /AUTOSTART=0."
LangString FINISH_RUN ${LANG_SPANISH} "Abrir el panel de mandos de Quenby"
LangString NEEDS_ADMINISTRATOR ${LANG_SPANISH} "Instalar o quitar Quenby para todos los usuarios de este equipo requiere derechos de administrador. Vuelve a ejecutarlo como administrador."
LangString FINISH_MACHINE_TEXT ${LANG_SPANISH} "Quenby se ha instalado para todos los usuarios de este equipo.$\r$\n$\r$\nEl programa de instalación no lo ha iniciado. Ábrelo desde el menú Inicio. Si se seleccionó «Iniciar con Windows», se inicia para cada usuario cuando inicia sesión."
LangString FINISH_SET_ASIDE ${LANG_SPANISH} "La versión anterior sigue en ejecución en la sesión de otro usuario y seguirá así hasta que se cierre. Sus archivos se quitarán cuando reinicies el equipo."
LangString SET_ASIDE_DETAIL ${LANG_SPANISH} "$R0 está en uso en la sesión de otro usuario y se ha cambiado su nombre a $R1."
LangString UNINSTALL_IN_USE ${LANG_SPANISH} "Algunos archivos de Quenby están en uso en la sesión de otro usuario. Se quitarán cuando reinicies el equipo."
