; The installer's and uninstaller's own texts in Japanese (NSIS's language
; files give the rest). UTF-8 with a byte order mark, as makensis reads it;
; keep $\r$\n and $1 as they stand.

LangString STILL_RUNNING_DETAIL ${LANG_JAPANESE} "Quenby はまだ実行中で、終了できませんでした。"
LangString STILL_RUNNING_BOX ${LANG_JAPANESE} "Quenby はまだ実行中で、終了できませんでした。$\r$\n$\r$\nQuenby を終了してから (通知領域メニュー: メモリ最適化を終了、およびコントロール パネルのウィンドウ)、[再試行] を選択してください。"
LangString STILL_RUNNING_ABORT ${LANG_JAPANESE} "Quenby はまだ実行中です。何も変更されていません。"
LangString ALREADY_RUNNING ${LANG_JAPANESE} "Quenby のセットアップまたはアンインストーラーは既に実行中です。"
LangString CLOSING ${LANG_JAPANESE} "実行中の Quenby を終了しています..."
LangString PANEL_LINK_DESCRIPTION ${LANG_JAPANESE} "Quenby コントロール パネル: メモリと CPU の数値、およびオプション"
LangString ENGINE_LINK_DESCRIPTION ${LANG_JAPANESE} "メモリを回収する Quenby の通知領域エンジンを起動します"
LangString SECTION_PROGRAM ${LANG_JAPANESE} "Quenby (必須)"
LangString SECTION_AUTOSTART ${LANG_JAPANESE} "Windows と同時に起動"
LangString RESTARTING_ENGINE ${LANG_JAPANESE} "通知領域エンジンを再起動しています..."
LangString SECTION_PROGRAM_DESCRIPTION ${LANG_JAPANESE} "通知領域エンジン、コントロール パネル、コマンドライン クライアント quenbyctl、およびスタート メニューのショートカット。"
LangString SECTION_AUTOSTART_DESCRIPTION ${LANG_JAPANESE} "Windows にサインインしたときに通知領域エンジンを起動します。"
LangString BAD_AUTOSTART ${LANG_JAPANESE} "不明な値 /AUTOSTART=$1: /AUTOSTART=1 または /AUTOSTART=0 を使用してください。"
LangString FINISH_RUN ${LANG_JAPANESE} "Quenby コントロール パネルを開く"
LangString NEEDS_ADMINISTRATOR ${LANG_JAPANESE} "このコンピューターのすべてのユーザーに対して Quenby をインストールまたは削除するには、管理者権限が必要です。管理者として再度実行してください。"
LangString FINISH_MACHINE_TEXT ${LANG_JAPANESE} "このコンピューターのすべてのユーザーに Quenby をインストールしました。$\r$\n$\r$\nセットアップは Quenby を起動していません。スタート メニューから開いてください。[Windows と同時に起動] を選択した場合は、各ユーザーのサインイン時に起動します。"
LangString FINISH_SET_ASIDE ${LANG_JAPANESE} "以前のバージョンは別のユーザーのセッションでまだ実行中で、終了されるまで実行され続けます。そのファイルはコンピューターの再起動時に削除されます。"
LangString SET_ASIDE_DETAIL ${LANG_JAPANESE} "$R0 は別のユーザーのセッションで使用中のため、$R1 に名前を変更しました。"
LangString UNINSTALL_IN_USE ${LANG_JAPANESE} "Quenby の一部のファイルは別のユーザーのセッションで使用中です。これらのファイルはコンピューターの再起動時に削除されます。"
