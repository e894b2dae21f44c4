; The installer's and uninstaller's own texts in Simplified Chinese (NSIS's language
; files give the rest). UTF-8 with a byte order mark, as makensis reads it;
; keep $\r$\n and $1 as they stand.

LangString STILL_RUNNING_DETAIL ${LANG_SIMPCHINESE} "Quenby 仍在运行，无法让它退出。"
LangString STILL_RUNNING_BOX ${LANG_SIMPCHINESE} "Quenby 仍在运行，无法让它退出。$\r$\n$\r$\n请先退出 Quenby（在通知区域菜单中选择“退出内存优化器”，并关闭操作面板窗口），然后选择“重试”。"
LangString STILL_RUNNING_ABORT ${LANG_SIMPCHINESE} "Quenby 仍在运行，未做任何更改。"
LangString ALREADY_RUNNING ${LANG_SIMPCHINESE} "Quenby 的安装程序或卸载程序已在运行。"
LangString CLOSING ${LANG_SIMPCHINESE} "正在退出 Quenby（如果正在运行）..."
LangString PANEL_LINK_DESCRIPTION ${LANG_SIMPCHINESE} "Quenby 操作面板：查看内存和 CPU 数据，设置选项"
LangString ENGINE_LINK_NAME ${LANG_SIMPCHINESE} "Quenby 通知区域引擎"
LangString ENGINE_LINK_DESCRIPTION ${LANG_SIMPCHINESE} "启动 Quenby 的通知区域引擎，由它释放内存"
LangString SECTION_PROGRAM ${LANG_SIMPCHINESE} "Quenby（必需）"
LangString SECTION_AUTOSTART ${LANG_SIMPCHINESE} "随 Windows 启动"
LangString RESTARTING_ENGINE ${LANG_SIMPCHINESE} "正在重新启动通知区域引擎..."
LangString SECTION_PROGRAM_DESCRIPTION ${LANG_SIMPCHINESE} "通知区域引擎、操作面板、命令行客户端 quenbyctl 和“开始”菜单快捷方式。"
LangString SECTION_AUTOSTART_DESCRIPTION ${LANG_SIMPCHINESE} "登录 Windows 时启动通知区域引擎。"
LangString BAD_AUTOSTART ${LANG_SIMPCHINESE} "未知值 /AUTOSTART=$1：请使用 /AUTOSTART=1 或 /AUTOSTART=0。"
LangString FINISH_RUN ${LANG_SIMPCHINESE} "打开 Quenby 操作面板"
LangString NEEDS_ADMINISTRATOR ${LANG_SIMPCHINESE} "为此电脑的所有用户安装或删除 Quenby 需要管理员权限。请以管理员身份重新运行。"
LangString FINISH_MACHINE_TEXT ${LANG_SIMPCHINESE} "已为此电脑的所有用户安装 Quenby。$\r$\n$\r$\n安装程序没有启动 Quenby。请从“开始”菜单打开它。如果选择了“随 Windows 启动”，它会在每个用户登录时启动。"
LangString FINISH_SET_ASIDE ${LANG_SIMPCHINESE} "旧版本仍在另一个用户的会话中运行，并将继续运行，直到在该会话中退出为止。重启电脑后，旧版本的文件将被删除。"
LangString SET_ASIDE_DETAIL ${LANG_SIMPCHINESE} "$R0 正在另一个用户的会话中使用，已重命名为 $R1。"
LangString UNINSTALL_IN_USE ${LANG_SIMPCHINESE} "Quenby 的某些文件正在另一个用户的会话中使用。重启电脑后，这些文件将被删除。"
