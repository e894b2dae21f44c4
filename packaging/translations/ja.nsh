; The installer's and uninstaller's own texts in Japanese (NSIS's language
; files give the rest). UTF-8 with a byte order mark, as makensis reads it;
; keep $\r$\n and $1 as they stand.

LangString STILL_RUNNING_DETAIL ${LANG_JAPANESE} "Quenby はまだ実行中のため、終了できませんでした。"
LangString STILL_RUNNING_BOX ${LANG_JAPANESE} "Quenby はまだ実行中のため、終了できませんでした。$\r$\n$\r$\n通知領域メニューの [メモリ最適化を終了する] で Quenby を終了し、操作パネルのウィンドウも閉じてから、[再試行] を選んでください。"
LangString STILL_RUNNING_ABORT ${LANG_JAPANESE} "Quenby はまだ実行中です。何も変更されていません。"
LangString ALREADY_RUNNING ${LANG_JAPANESE} "Quenby のセットアップまたはアンインストーラーは既に実行中です。"
LangString CLOSING ${LANG_JAPANESE} "実行中の Quenby を終了しています..."
LangString PANEL_LINK_DESCRIPTION ${LANG_JAPANESE} "Quenby 操作パネル: メモリと CPU の状況、およびオプション"
LangString ENGINE_LINK_NAME ${LANG_JAPANESE} "Quenby 通知領域エンジン"
LangString ENGINE_LINK_DESCRIPTION ${LANG_JAPANESE} "メモリを解放する Quenby の通知領域エンジンを起動します"
LangString SECTION_PROGRAM ${LANG_JAPANESE} "Quenby (必須)"
LangString SECTION_AUTOSTART ${LANG_JAPANESE} "Windows の起動時に開始"
LangString RESTARTING_ENGINE ${LANG_JAPANESE} "通知領域エンジンをもう一度起動しています..."
LangString SECTION_PROGRAM_DESCRIPTION ${LANG_JAPANESE} "通知領域エンジン、操作パネル、コマンドライン クライアント quenbyctl、およびスタート メニューのショートカット。"
LangString SECTION_AUTOSTART_DESCRIPTION ${LANG_JAPANESE} "Windows にサインインしたときに通知領域エンジンを起動します。"
LangString BAD_AUTOSTART ${LANG_JAPANESE} "/AUTOSTART=$1 は不明な値です。/AUTOSTART=1 または /AUTOSTART=0 を使用してください。"
LangString FINISH_RUN ${LANG_JAPANESE} "Quenby 操作パネルを開く"
LangString NEEDS_ADMINISTRATOR ${LANG_JAPANESE} "この PC のすべてのユーザーを対象に Quenby をインストールまたは削除するには、管理者権限が必要です。管理者として実行し直してください。"
LangString FINISH_MACHINE_TEXT ${LANG_JAPANESE} "この PC のすべてのユーザーを対象に Quenby をインストールしました。$\r$\n$\r$\nセットアップでは Quenby を起動していません。スタート メニューから開いてください。[Windows の起動時に開始] を選んだ場合は、各ユーザーのサインイン時に起動します。"
LangString FINISH_SET_ASIDE ${LANG_JAPANESE} "以前のバージョンが別のユーザーのセッションでまだ実行中で、そのセッションでは終了されるまで実行され続けます。以前のバージョンのファイルは PC の再起動時に削除されます。"
LangString SET_ASIDE_DETAIL ${LANG_JAPANESE} "$R0 は別のユーザーのセッションで使用中のため、名前を $R1 に変更しました。"
LangString UNINSTALL_IN_USE ${LANG_JAPANESE} "Quenby の一部のファイルが別のユーザーのセッションで使用中です。これらのファイルは PC の再起動時に削除されます。"
