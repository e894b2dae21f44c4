; The installer's and uninstaller's own texts in European Portuguese (NSIS's language
; files give the rest). UTF-8 with a byte order mark, as makensis reads it;
; keep $\r$\n and $1 as they stand.

LangString STILL_RUNNING_DETAIL ${LANG_PORTUGUESE} "O Quenby ainda está em execução e não foi possível fechá-lo."
LangString STILL_RUNNING_BOX ${LANG_PORTUGUESE} "O Quenby ainda está em execução e não foi possível fechá-lo.$\r$\n$\r$\nFeche-o (menu da área de notificação: Sair do otimizador de RAM; e a janela do painel de comando) e, em seguida, escolha Repetir."
LangString STILL_RUNNING_ABORT ${LANG_PORTUGUESE} "O Quenby ainda está em execução; nada foi alterado."
LangString ALREADY_RUNNING ${LANG_PORTUGUESE} "O programa de configuração ou de desinstalação do Quenby já está em execução."
LangString CLOSING ${LANG_PORTUGUESE} "A fechar o Quenby, se estiver em execução..."
LangString PANEL_LINK_DESCRIPTION ${LANG_PORTUGUESE} "Painel de comando do Quenby: valores de RAM e CPU e as opções"
LangString ENGINE_LINK_NAME ${LANG_PORTUGUESE} "Motor da área de notificação do Quenby"
LangString ENGINE_LINK_DESCRIPTION ${LANG_PORTUGUESE} "Iniciar o motor da área de notificação do Quenby, que liberta RAM"
LangString SECTION_PROGRAM ${LANG_PORTUGUESE} "Quenby (obrigatório)"
LangString SECTION_AUTOSTART ${LANG_PORTUGUESE} "Iniciar com o Windows"
LangString RESTARTING_ENGINE ${LANG_PORTUGUESE} "A iniciar novamente o motor da área de notificação..."
LangString SECTION_PROGRAM_DESCRIPTION ${LANG_PORTUGUESE} "O motor da área de notificação, o painel de comando, o cliente de linha de comandos quenbyctl e os atalhos do menu Iniciar."
LangString SECTION_AUTOSTART_DESCRIPTION ${LANG_PORTUGUESE} "Iniciar o motor da área de notificação quando iniciar sessão no Windows."
LangString BAD_AUTOSTART ${LANG_PORTUGUESE} "Valor desconhecido /AUTOSTART=$1: utilize /AUTOSTART=1 ou /AUTOSTART=0."
LangString FINISH_RUN ${LANG_PORTUGUESE} "Abrir o painel de comando do Quenby"
LangString NEEDS_ADMINISTRATOR ${LANG_PORTUGUESE} "Instalar ou remover o Quenby para todos os utilizadores deste computador requer direitos de administrador. Execute-o novamente como administrador."
LangString FINISH_MACHINE_TEXT ${LANG_PORTUGUESE} "O Quenby foi instalado para todos os utilizadores deste computador.$\r$\n$\r$\nO programa de configuração não o iniciou. Abra-o a partir do menu Iniciar. Se «Iniciar com o Windows» foi selecionado, o Quenby é iniciado para cada utilizador quando este iniciar sessão."
LangString FINISH_SET_ASIDE ${LANG_PORTUGUESE} "A versão anterior ainda está em execução na sessão de outro utilizador e continuará em execução até ser fechada. Os respetivos ficheiros serão removidos quando reiniciar o computador."
LangString SET_ASIDE_DETAIL ${LANG_PORTUGUESE} "$R0 está a ser utilizado na sessão de outro utilizador e o respetivo nome foi alterado para $R1."
LangString UNINSTALL_IN_USE ${LANG_PORTUGUESE} "Alguns ficheiros do Quenby estão a ser utilizados na sessão de outro utilizador. Serão removidos quando reiniciar o computador."
