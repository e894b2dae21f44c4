; The installer's and uninstaller's own texts in Traditional Chinese (NSIS's language
; files give the rest). UTF-8 with a byte order mark, as makensis reads it;
; keep $\r$\n and $1 as they stand.

LangString STILL_RUNNING_DETAIL ${LANG_TRADCHINESE} "Quenby 仍在執行，無法將其結束。"
LangString STILL_RUNNING_BOX ${LANG_TRADCHINESE} "Quenby 仍在執行，無法將其結束。$\r$\n$\r$\n請先結束 Quenby (在通知區域功能表中選擇「結束記憶體最佳化工具」，並關閉操作面板視窗)，然後選擇「重試」。"
LangString STILL_RUNNING_ABORT ${LANG_TRADCHINESE} "Quenby 仍在執行，未進行任何變更。"
LangString ALREADY_RUNNING ${LANG_TRADCHINESE} "Quenby 的安裝程式或解除安裝程式已在執行中。"
LangString CLOSING ${LANG_TRADCHINESE} "正在結束執行中的 Quenby..."
LangString PANEL_LINK_DESCRIPTION ${LANG_TRADCHINESE} "Quenby 操作面板：記憶體與 CPU 數據，以及選項"
LangString ENGINE_LINK_NAME ${LANG_TRADCHINESE} "Quenby 通知區域引擎"
LangString ENGINE_LINK_DESCRIPTION ${LANG_TRADCHINESE} "啟動負責釋放記憶體的 Quenby 通知區域引擎"
LangString SECTION_PROGRAM ${LANG_TRADCHINESE} "Quenby (必要)"
LangString SECTION_AUTOSTART ${LANG_TRADCHINESE} "隨 Windows 啟動"
LangString RESTARTING_ENGINE ${LANG_TRADCHINESE} "正在再次啟動通知區域引擎..."
LangString SECTION_PROGRAM_DESCRIPTION ${LANG_TRADCHINESE} "通知區域引擎、操作面板、命令列用戶端 quenbyctl，以及「開始」功能表捷徑。"
LangString SECTION_AUTOSTART_DESCRIPTION ${LANG_TRADCHINESE} "在您登入 Windows 時啟動通知區域引擎。"
LangString BAD_AUTOSTART ${LANG_TRADCHINESE} "未知的值 /AUTOSTART=$1：請使用 /AUTOSTART=1 或 /AUTOSTART=0。"
LangString FINISH_RUN ${LANG_TRADCHINESE} "開啟 Quenby 操作面板"
LangString NEEDS_ADMINISTRATOR ${LANG_TRADCHINESE} "若要為這部電腦的所有使用者安裝或移除 Quenby，需要系統管理員權限。請以系統管理員身分重新執行。"
LangString FINISH_MACHINE_TEXT ${LANG_TRADCHINESE} "已為這部電腦的所有使用者安裝 Quenby。$\r$\n$\r$\n安裝程式並未啟動 Quenby。請從「開始」功能表開啟。如果已選取「隨 Windows 啟動」，Quenby 會在每位使用者登入時啟動。"
LangString FINISH_SET_ASIDE ${LANG_TRADCHINESE} "舊版仍在另一位使用者的工作階段中執行，並會持續執行到在該工作階段中結束為止。重新啟動電腦時，會移除舊版的檔案。"
LangString SET_ASIDE_DETAIL ${LANG_TRADCHINESE} "$R0 正由另一位使用者的工作階段使用中，已重新命名為 $R1。"
LangString UNINSTALL_IN_USE ${LANG_TRADCHINESE} "Quenby 的部分檔案正由另一位使用者的工作階段使用中。重新啟動電腦時，會移除這些檔案。"
