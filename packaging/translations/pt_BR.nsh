; The installer's and uninstaller's own texts in Brazilian Portuguese (NSIS's language
; files give the rest). UTF-8 with a byte order mark, as makensis reads it;
; keep $\r$\n and $1 as they stand.

LangString STILL_RUNNING_DETAIL ${LANG_PORTUGUESEBR} "O Quenby ainda está em execução e não pôde ser fechado."
LangString STILL_RUNNING_BOX ${LANG_PORTUGUESEBR} "O Quenby ainda está em execução e não pôde ser fechado.$\r$\n$\r$\nFeche-o (menu da área de notificação: Sair do otimizador de RAM; e a janela do painel de comando do Quenby) e escolha Repetir."
LangString STILL_RUNNING_ABORT ${LANG_PORTUGUESEBR} "O Quenby ainda está em execução; nada foi alterado."
LangString ALREADY_RUNNING ${LANG_PORTUGUESEBR} "A instalação ou o desinstalador do Quenby já está em execução."
LangString CLOSING ${LANG_PORTUGUESEBR} "Fechando o Quenby, se estiver em execução..."
LangString PANEL_LINK_DESCRIPTION ${LANG_PORTUGUESEBR} "Painel de comando do Quenby: dados de RAM e CPU e as opções"
LangString ENGINE_LINK_NAME ${LANG_PORTUGUESEBR} "Módulo da área de notificação do Quenby"
LangString ENGINE_LINK_DESCRIPTION ${LANG_PORTUGUESEBR} "Iniciar o módulo da área de notificação do Quenby, que libera RAM"
LangString SECTION_PROGRAM ${LANG_PORTUGUESEBR} "Quenby (obrigatório)"
LangString SECTION_AUTOSTART ${LANG_PORTUGUESEBR} "Iniciar com o Windows"
LangString RESTARTING_ENGINE ${LANG_PORTUGUESEBR} "Iniciando o módulo da área de notificação novamente..."
LangString SECTION_PROGRAM_DESCRIPTION ${LANG_PORTUGUESEBR} "O módulo da área de notificação, o painel de comando, o cliente de linha de comando quenbyctl e os atalhos do menu Iniciar."
LangString SECTION_AUTOSTART_DESCRIPTION ${LANG_PORTUGUESEBR} "Iniciar o módulo da área de notificação quando você entrar no Windows."
LangString BAD_AUTOSTART ${LANG_PORTUGUESEBR} "Valor desconhecido /AUTOSTART=$1: use /AUTOSTART=1 ou /AUTOSTART=0."
LangString FINISH_RUN ${LANG_PORTUGUESEBR} "Abrir o painel de comando do Quenby"
LangString NEEDS_ADMINISTRATOR ${LANG_PORTUGUESEBR} "Instalar ou remover o Quenby para todos os usuários deste computador requer direitos de administrador. Execute-o novamente como administrador."
LangString FINISH_MACHINE_TEXT ${LANG_PORTUGUESEBR} "O Quenby foi instalado para todos os usuários deste computador.$\r$\n$\r$\nA instalação não o iniciou. Abra-o pelo menu Iniciar. Se “Iniciar com o Windows” foi selecionado, ele será iniciado para cada usuário ao entrar no Windows."
LangString FINISH_SET_ASIDE ${LANG_PORTUGUESEBR} "A versão anterior ainda está em execução na sessão de outro usuário e continuará assim até ser fechada. Os arquivos dela serão removidos quando você reiniciar o computador."
LangString SET_ASIDE_DETAIL ${LANG_PORTUGUESEBR} "$R0 está em uso na sessão de outro usuário e foi renomeado para $R1."
LangString UNINSTALL_IN_USE ${LANG_PORTUGUESEBR} "Alguns arquivos do Quenby estão em uso na sessão de outro usuário. Eles serão removidos quando você reiniciar o computador."
