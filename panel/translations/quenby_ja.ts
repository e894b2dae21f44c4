<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>Copyright © Quenby. All rights reserved.</source>
        <translation>Copyright © Quenby. All rights reserved.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Website:</source>
        <translation>Web サイト:</translation>
    </message>
    <message>
        <source>Version: %1.%2.%3 (Beta)</source>
        <translation>バージョン %1.%2.%3 (ベータ版)</translation>
    </message>
    <message>
        <source>for Windows %1</source>
        <translation>Windows %1 用</translation>
    </message>
</context>
<context>
    <name>GraphForm</name>
    <message>
        <source>Usage graph of the free RAM</source>
        <translation>空きメモリの推移グラフ</translation>
    </message>
    <message>
        <source>%1% of RAM free</source>
        <translation>空きメモリ %1%</translation>
    </message>
</context>
<context>
    <name>HistoryPage</name>
    <message>
        <source>Low free RAM</source>
        <comment>what started a recovery</comment>
        <translation>空きメモリ不足</translation>
    </message>
    <message>
        <source>Every few minutes</source>
        <comment>what started a recovery: the periodic rule</comment>
        <translation>定期的</translation>
    </message>
    <message>
        <source>Startup</source>
        <comment>what started a recovery: the recovery after Quenby starts</comment>
        <translation>起動時</translation>
    </message>
    <message>
        <source>Tray menu</source>
        <comment>what started a recovery</comment>
        <translation>通知領域のメニュー</translation>
    </message>
    <message>
        <source>Hot key</source>
        <comment>what started a recovery</comment>
        <translation>ホットキー</translation>
    </message>
    <message>
        <source>Request</source>
        <comment>what started a recovery: another program (the command line) asked</comment>
        <translation>他のプログラムからの要求</translation>
    </message>
    <message>
        <source>Ran</source>
        <translation>実行</translation>
    </message>
    <message>
        <source>Did not run: the processor was busy</source>
        <translation>未実行: プロセッサの負荷が高かった</translation>
    </message>
    <message>
        <source>Did not run: another user&apos;s recovery was running</source>
        <translation>未実行: 他のユーザーのメモリ解放が実行中だった</translation>
    </message>
    <message>
        <source>Did not run: a full-screen program was running</source>
        <translation>未実行: 全画面表示のプログラムが実行中だった</translation>
    </message>
    <message>
        <source>Did not run: a protected program was running</source>
        <translation>未実行: 保護対象のプログラムが実行中だった</translation>
    </message>
    <message>
        <source>Did not run: paused after a recovery that could not help</source>
        <translation>未実行: 効果のなかった解放の後で一時停止中だった</translation>
    </message>
    <message>
        <source>Did not run: more than three quarters of the RAM was free</source>
        <translation>未実行: メモリの 4 分の 3 を超える量が空いていた</translation>
    </message>
    <message>
        <source>No recovery yet.</source>
        <translation>メモリ解放の記録はまだありません。</translation>
    </message>
    <message>
        <source>When</source>
        <translation>日時</translation>
    </message>
    <message>
        <source>Started by</source>
        <translation>きっかけ</translation>
    </message>
    <message>
        <source>What happened</source>
        <translation>結果</translation>
    </message>
    <message>
        <source>Before (MB)</source>
        <comment>column: free RAM before the recovery, in megabytes</comment>
        <translation>解放前 (MB)</translation>
    </message>
    <message>
        <source>After (MB)</source>
        <comment>column: free RAM after the recovery, in megabytes</comment>
        <translation>解放後 (MB)</translation>
    </message>
    <message>
        <source>Used (MB)</source>
        <comment>column: the megabytes the recovery allocated and released</comment>
        <translation>使用量 (MB)</translation>
    </message>
    <message>
        <source>Seconds</source>
        <comment>column: how long the recovery took</comment>
        <translation>所要時間 (秒)</translation>
    </message>
    <message>
        <source>Free RAM before the recovery</source>
        <translation>解放前の空きメモリ</translation>
    </message>
    <message>
        <source>Free RAM after the recovery</source>
        <translation>解放後の空きメモリ</translation>
    </message>
    <message>
        <source>The RAM the recovery took for a moment and gave back</source>
        <translation>解放の際に一時的に確保して返したメモリ</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Total RAM: n/a</source>
        <translation>メモリ合計: 不明</translation>
    </message>
    <message>
        <source>Available RAM: n/a</source>
        <translation>利用可能なメモリ: 不明</translation>
    </message>
    <message>
        <source>CPU Usage: n/a</source>
        <translation>CPU 使用率: 不明</translation>
    </message>
    <message>
        <source>Free-up RAM</source>
        <translation>メモリの解放</translation>
    </message>
    <message>
        <source>Target Free RAM:</source>
        <translation>空きメモリの目標値:</translation>
    </message>
    <message>
        <source>Minimum Free RAM:</source>
        <translation>空きメモリの最小値:</translation>
    </message>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>オプション</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Enable RAM Optimizer</source>
        <translation>メモリ最適化を有効にする</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>無効にする</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>ファイルが見つかりません。</translation>
    </message>
    <message>
        <source>You are not allowed to run this file.</source>
        <translation>このファイルを実行する権限がありません。</translation>
    </message>
    <message>
        <source>The file is not a program that can be run.</source>
        <translation>このファイルは実行できるプログラムではありません。</translation>
    </message>
    <message>
        <source>There is not enough memory to start it.</source>
        <translation>起動するためのメモリが不足しています。</translation>
    </message>
    <message>
        <source>The system refused to start it (error %1).</source>
        <translation>システムによって起動が拒否されました (エラー %1)。</translation>
    </message>
    <message>
        <source>The RAM optimizer could not be started from %1.</source>
        <translation>%1 からメモリ最適化を起動できませんでした。</translation>
    </message>
    <message>
        <source>Total RAM: %1MB</source>
        <translation>メモリ合計: %1 MB</translation>
    </message>
    <message>
        <source>Available RAM: %1MB (%2%)</source>
        <translation>利用可能なメモリ: %1 MB (%2%)</translation>
    </message>
    <message>
        <source>CPU Usages: %1%</source>
        <translation>CPU 使用率: %1%</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>Target free RAM, %1 MB</source>
        <translation>空きメモリの目標値、%1 MB</translation>
    </message>
    <message>
        <source>Minimum free RAM, %1 MB</source>
        <translation>空きメモリの最小値、%1 MB</translation>
    </message>
    <message>
        <source>Save the target and minimum free RAM</source>
        <translation>空きメモリの目標値と最小値を保存する</translation>
    </message>
    <message>
        <source>Open the options</source>
        <translation>オプションを開く</translation>
    </message>
    <message>
        <source>Enable the RAM optimizer</source>
        <translation>メモリ最適化を有効にする</translation>
    </message>
    <message>
        <source>Disable the RAM optimizer</source>
        <translation>メモリ最適化を無効にする</translation>
    </message>
    <message>
        <source>Close the RAM optimizer</source>
        <translation>メモリ最適化を終了する</translation>
    </message>
    <message>
        <source>About Quenby</source>
        <translation>Quenby のバージョン情報</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Ctrl+Alt+%1 can&apos;t be a hot key: your keyboard layout has no key for “%1”.</source>
        <translation>Ctrl+Alt+%1 はホットキーにできません: お使いのキーボード レイアウトには「%1」のキーがありません。</translation>
    </message>
    <message>
        <source>Ctrl+Alt+%1 can&apos;t be a hot key: on your keyboard layout it types “%2”, which every program would then lose.</source>
        <translation>Ctrl+Alt+%1 はホットキーにできません: お使いのキーボード レイアウトではこのキーで「%2」が入力されるため、どのプログラムでもこの文字を入力できなくなります。</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>オプション</translation>
    </message>
    <message>
        <source>General</source>
        <translation>全般</translation>
    </message>
    <message>
        <source>Start Quenby automatically at Windows startup</source>
        <translation>Windows の起動時に Quenby を自動的に開始する</translation>
    </message>
    <message>
        <source>Free-up RAM on startup after</source>
        <translation>メモリを解放する: 起動から</translation>
    </message>
    <message>
        <source>MB of RAM on startup after</source>
        <translation>MB のメモリを、起動から</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>秒後</translation>
    </message>
    <message>
        <source>Free-up RAM every</source>
        <translation>定期的にメモリを解放する:</translation>
    </message>
    <message>
        <source>MB every</source>
        <translation>MB を</translation>
    </message>
    <message>
        <source>minutes if free RAM below</source>
        <translation>分ごと、空きメモリが次の値未満のとき:</translation>
    </message>
    <message>
        <source>Pause automatic recovery while it cannot help</source>
        <translation>効果がない間は自動解放を一時停止する</translation>
    </message>
    <message>
        <source>Pause automatic recovery while a full-screen program runs</source>
        <translation>全画面表示のプログラムの実行中は自動解放を一時停止する</translation>
    </message>
    <message>
        <source>CPU usage:</source>
        <translation>CPU 使用率:</translation>
    </message>
    <message>
        <source>Disable CPU usage detection</source>
        <translation>CPU 使用率の検出を無効にする</translation>
    </message>
    <message>
        <source>Enable the CPU usage detection to prevent Quenby recovering RAM when your CPU is busy. Please note that CPU cooling and few other programs use special method that cause the CPU usage always stay at 100% level. When you have this kind of situation, disable the CPU usage detection to allow Quenby recovering RAM at any CPU usage level.</source>
        <translation>CPU 使用率の検出を有効にすると、CPU の負荷が高いときに Quenby がメモリを解放しなくなります。なお、CPU 冷却ソフトなど一部のプログラムは特殊な方法を使うため、CPU 使用率が常に 100% になります。このような場合は CPU 使用率の検出を無効にすると、CPU 使用率にかかわらず Quenby がメモリを解放できるようになります。</translation>
    </message>
    <message>
        <source>Tray Icon</source>
        <translation>通知領域アイコン</translation>
    </message>
    <message>
        <source>Default:</source>
        <translation>通常時:</translation>
    </message>
    <message>
        <source>Recovering RAM:</source>
        <translation>メモリ解放中:</translation>
    </message>
    <message>
        <source>Tray icon text color</source>
        <translation>通知領域アイコンの文字色</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>表示:</translation>
    </message>
    <message>
        <source>in tray icon</source>
        <translation>(通知領域アイコン内)</translation>
    </message>
    <message>
        <source>Show how much RAM was recovered</source>
        <translation>解放したメモリ量を表示する</translation>
    </message>
    <message>
        <source>Popup Menu</source>
        <translation>ポップアップ メニュー</translation>
    </message>
    <message>
        <source>Recover</source>
        <translation>解放:</translation>
    </message>
    <message>
        <source>MB menu</source>
        <translation>MB (メニュー項目)</translation>
    </message>
    <message>
        <source>Others</source>
        <translation>その他</translation>
    </message>
    <message>
        <source>Also clear Windows Clipboard when freeing up RAM</source>
        <translation>メモリの解放時に Windows のクリップボードもクリアする</translation>
    </message>
    <message>
        <source>Play alarm sound before freeing up RAM</source>
        <translation>メモリの解放前にアラーム音を鳴らす</translation>
    </message>
    <message>
        <source>Free up RAM hot key : Cltr + Alt +</source>
        <translation>メモリ解放のホットキー: Ctrl + Alt +</translation>
    </message>
    <message>
        <source>Disable/enable Quenby hotkey : Cltr + Alt +</source>
        <translation>Quenby の無効化/有効化のホットキー: Ctrl + Alt +</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>黒</translation>
    </message>
    <message>
        <source>White</source>
        <translation>白</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>自動</translation>
    </message>
    <message>
        <source>Percentage of CPU Usage</source>
        <translation>CPU 使用率 (%)</translation>
    </message>
    <message>
        <source>Percentage of Free RAM</source>
        <translation>空きメモリ (%)</translation>
    </message>
    <message>
        <source>RAM to free on startup, in MB</source>
        <translation>起動時に解放するメモリ (MB)</translation>
    </message>
    <message>
        <source>Delay of the startup recovery, in seconds</source>
        <translation>起動からメモリ解放までの待ち時間 (秒)</translation>
    </message>
    <message>
        <source>RAM to free periodically, in MB</source>
        <translation>定期的に解放するメモリ (MB)</translation>
    </message>
    <message>
        <source>Free-up RAM every, in minutes (0 for never)</source>
        <translation>メモリを解放する間隔 (分、0 で解放しない)</translation>
    </message>
    <message>
        <source>Only if free RAM is below, in percent</source>
        <translation>空きメモリがこの値を下回る場合のみ (%)</translation>
    </message>
    <message>
        <source>CPU usage</source>
        <translation>CPU 使用率</translation>
    </message>
    <message>
        <source>What the tray icon shows</source>
        <translation>通知領域アイコンに表示する内容</translation>
    </message>
    <message>
        <source>First recovery amount of the tray menu, in MB</source>
        <translation>通知領域メニューの 1 番目の解放量 (MB)</translation>
    </message>
    <message>
        <source>Second recovery amount of the tray menu, in MB</source>
        <translation>通知領域メニューの 2 番目の解放量 (MB)</translation>
    </message>
    <message>
        <source>Third recovery amount of the tray menu, in MB</source>
        <translation>通知領域メニューの 3 番目の解放量 (MB)</translation>
    </message>
    <message>
        <source>Alarm sound file</source>
        <translation>アラーム音のファイル</translation>
    </message>
    <message>
        <source>Choose the alarm sound file</source>
        <translation>アラーム音のファイルを選択する</translation>
    </message>
    <message>
        <source>Free up RAM hot key: Ctrl + Alt + this key</source>
        <translation>メモリ解放のホットキー: Ctrl + Alt + このキー</translation>
    </message>
    <message>
        <source>Disable/enable hot key: Ctrl + Alt + this key</source>
        <translation>無効化/有効化のホットキー: Ctrl + Alt + このキー</translation>
    </message>
    <message>
        <source>Add Files</source>
        <translation>ファイルの追加</translation>
    </message>
    <message>
        <source>All Files (*.wav)</source>
        <translation>サウンド ファイル (*.wav)</translation>
    </message>
    <message>
        <source>Pause automatic recovery while one of these programs runs:</source>
        <translation>次のいずれかのプログラムの実行中は自動解放を一時停止する:</translation>
    </message>
    <message>
        <source>game.exe;obs64.exe</source>
        <extracomment>An example of the list: two program file names separated by a semicolon. Keep the names as they are.</extracomment>
        <translation>game.exe;obs64.exe</translation>
    </message>
    <message>
        <source>History</source>
        <translation>履歴</translation>
    </message>
    <message>
        <source>Program file names as Task Manager shows them, separated by semicolons.</source>
        <translation>タスク マネージャーに表示されるプログラムのファイル名をセミコロンで区切って入力します。</translation>
    </message>
    <message>
        <source>Ignored, as they are not program file names: %1</source>
        <comment>followed by the names</comment>
        <translation>プログラムのファイル名ではないため無視されます: %1</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Set by your administrator</source>
        <translation>管理者によって設定されています</translation>
    </message>
    <message>
        <source>Your administrator set Quenby to start automatically for every user of this PC.</source>
        <translation>管理者によって、この PC のすべてのユーザーで Quenby が自動的に開始されるように設定されています。</translation>
    </message>
</context>
</TS>
