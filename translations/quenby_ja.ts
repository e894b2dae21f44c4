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
        <extracomment>Closes this About box.</extracomment>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Website:</source>
        <translation>Web サイト:</translation>
    </message>
    <message>
        <source>Version: %1.%2.%3 (Beta)</source>
        <extracomment>%1, %2 and %3: the parts of the version number, as in 1.4.2.</extracomment>
        <translation>バージョン %1.%2.%3 (ベータ版)</translation>
    </message>
    <message>
        <source>for Windows %1</source>
        <extracomment>%1: the Windows version the panel runs on, 10 or 11.</extracomment>
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
        <extracomment>Read by screen readers for the usage graph. %1: the free share of the RAM in percent; the % after it is the percent sign.</extracomment>
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
        <extracomment>The title of the group with the two sliders that set the free-RAM levels.</extracomment>
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
        <extracomment>Stores the two free-RAM levels set with the sliders.</extracomment>
        <translation>保存</translation>
    </message>
    <message>
        <source>Enable RAM Optimizer</source>
        <translation>メモリ最適化ツールを有効にする</translation>
    </message>
    <message>
        <source>Disable</source>
        <extracomment>Switches the automatic recovery off; the button then reads “Enable RAM Optimizer”.</extracomment>
        <translation>無効にする</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Ends the tray engine (the RAM optimizer itself), not only this window.</extracomment>
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
        <extracomment>Why the tray engine could not be started. %1: Windows&apos; error number.</extracomment>
        <translation>システムによって起動が拒否されました (エラー %1)。</translation>
    </message>
    <message>
        <source>The RAM optimizer could not be started from %1.</source>
        <extracomment>%1: the full path of the tray engine&apos;s program file; a sentence saying why follows on the next line.</extracomment>
        <translation>%1 からメモリ最適化ツールを起動できませんでした。</translation>
    </message>
    <message>
        <source>Total RAM: %1MB</source>
        <extracomment>%1: megabytes of RAM installed, a whole number.</extracomment>
        <translation>メモリ合計: %1 MB</translation>
    </message>
    <message>
        <source>Available RAM: %1MB (%2%)</source>
        <extracomment>%1: megabytes of RAM available now; %2: that as a share of all RAM, in percent (the % after it is the percent sign).</extracomment>
        <translation>利用可能なメモリ: %1 MB (%2%)</translation>
    </message>
    <message>
        <source>CPU Usages: %1%</source>
        <extracomment>%1: the processor load of the last second in percent; the % after it is the percent sign.</extracomment>
        <translation>CPU 使用率: %1%</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <extracomment>%1: megabytes, the value the slider beside it is set to.</extracomment>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>Target free RAM, %1 MB</source>
        <extracomment>Read by screen readers for the slider. %1: the megabytes it is set to.</extracomment>
        <translation>空きメモリの目標値、%1 MB</translation>
    </message>
    <message>
        <source>Minimum free RAM, %1 MB</source>
        <extracomment>Read by screen readers for the slider. %1: the megabytes it is set to.</extracomment>
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
        <translation>メモリ最適化ツールを有効にする</translation>
    </message>
    <message>
        <source>Disable the RAM optimizer</source>
        <translation>メモリ最適化ツールを無効にする</translation>
    </message>
    <message>
        <source>Close the RAM optimizer</source>
        <translation>メモリ最適化ツールを終了する</translation>
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
        <extracomment>%1: the character the user typed as the hot key, such as K.</extracomment>
        <translation>Ctrl+Alt+%1 はホットキーにできません: お使いのキーボード レイアウトには「%1」のキーがありません。</translation>
    </message>
    <message>
        <source>Ctrl+Alt+%1 can&apos;t be a hot key: on your keyboard layout it types “%2”, which every program would then lose.</source>
        <extracomment>%1: the character the user typed as the hot key; %2: the character that key combination types on the user&apos;s keyboard layout (as AltGr would).</extracomment>
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
        <extracomment>Start of a sentence the dialog puts together: this check box, a number of seconds, then “seconds”: “Free-up RAM on startup after [60] seconds”.</extracomment>
        <translation>メモリを解放する: 起動から</translation>
    </message>
    <message>
        <source>MB of RAM on startup after</source>
        <extracomment>A hidden part of the start-up sentence, after a number of megabytes.</extracomment>
        <translation>MB のメモリを、起動から</translation>
    </message>
    <message>
        <source>seconds</source>
        <extracomment>End of the sentence “Free-up RAM on startup after [60] seconds”.</extracomment>
        <translation>秒後</translation>
    </message>
    <message>
        <source>Free-up RAM every</source>
        <extracomment>Start of a sentence the dialog puts together: “Free-up RAM every [4] minutes if free RAM below [50] %”.</extracomment>
        <translation>定期的にメモリを解放する:</translation>
    </message>
    <message>
        <source>MB every</source>
        <extracomment>A hidden part of the periodic sentence, after a number of megabytes.</extracomment>
        <translation>MB を</translation>
    </message>
    <message>
        <source>minutes if free RAM below</source>
        <extracomment>Middle of the sentence “Free-up RAM every [4] minutes if free RAM below [50] %”: between two numbers.</extracomment>
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
        <extracomment>Beside a bar that shows the processor load.</extracomment>
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
        <extracomment>Beside the picture of the tray icon as it normally looks.</extracomment>
        <translation>通常時:</translation>
    </message>
    <message>
        <source>Recovering RAM:</source>
        <extracomment>Beside the picture of the tray icon while it recovers RAM.</extracomment>
        <translation>メモリ解放中:</translation>
    </message>
    <message>
        <source>Tray icon text color</source>
        <translation>通知領域アイコンの文字色</translation>
    </message>
    <message>
        <source>Display</source>
        <extracomment>Start of “Display [Percentage of Free RAM] in tray icon”: a list to choose from follows.</extracomment>
        <translation>表示:</translation>
    </message>
    <message>
        <source>in tray icon</source>
        <extracomment>End of “Display [Percentage of Free RAM] in tray icon”.</extracomment>
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
        <extracomment>Start of “Recover [512] MB menu”: sets the amount of one entry of the tray icon&apos;s menu.</extracomment>
        <translation>解放:</translation>
    </message>
    <message>
        <source>MB menu</source>
        <extracomment>End of “Recover [512] MB menu”.</extracomment>
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
        <translation type="vanished">メモリ解放のホットキー: Ctrl + Alt +</translation>
    </message>
    <message>
        <source>Disable/enable Quenby hotkey : Cltr + Alt +</source>
        <translation type="vanished">Quenby の無効化/有効化のホットキー: Ctrl + Alt +</translation>
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
    <message>
        <source>Free up RAM hot key: Ctrl + Alt +</source>
        <extracomment>A field for one key follows: Ctrl + Alt + that key frees up RAM in every program.</extracomment>
        <translation>メモリ解放のホットキー: Ctrl + Alt +</translation>
    </message>
    <message>
        <source>Disable/enable Quenby hot key: Ctrl + Alt +</source>
        <extracomment>A field for one key follows: Ctrl + Alt + that key switches the automatic recovery off and on.</extracomment>
        <translation>Quenby の無効化/有効化のホットキー: Ctrl + Alt +</translation>
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
<context>
    <name>Quenbytray</name>
    <message>
        <source>Restart Windows</source>
        <comment>104</comment>
        <translation>PC を再起動する</translation>
    </message>
    <message>
        <source>Suspend Windows</source>
        <comment>105</comment>
        <translation>PC をスリープ状態にする</translation>
    </message>
    <message>
        <source>Shutdown Windows</source>
        <comment>106</comment>
        <translation>PC をシャットダウンする</translation>
    </message>
    <message>
        <source>Clear Clipboard</source>
        <comment>107</comment>
        <translation>クリップボードをクリアする</translation>
    </message>
    <message>
        <source>Free-up RAM Manually
</source>
        <comment>108</comment>
        <extracomment>A menu item that frees up RAM now; the line end stays.</extracomment>
        <translation>メモリを手動で解放する
</translation>
    </message>
    <message>
        <source>Configuration...</source>
        <comment>110</comment>
        <translation>オプション...</translation>
    </message>
    <message>
        <source>Disable RAM Optimizer</source>
        <comment>111</comment>
        <translation>メモリ最適化ツールを無効にする</translation>
    </message>
    <message>
        <source>Enable RAM Optimizer</source>
        <comment>112</comment>
        <translation>メモリ最適化ツールを有効にする</translation>
    </message>
    <message>
        <source>Close RAM Optimizer</source>
        <comment>113</comment>
        <extracomment>Ends the tray engine: its icon and the automatic recovery go away.</extracomment>
        <translation>メモリ最適化ツールを終了する</translation>
    </message>
    <message>
        <source>Do you want to restart your computer now?</source>
        <comment>114</comment>
        <translation>今すぐ PC を再起動しますか?</translation>
    </message>
    <message>
        <source>Do you want to suspend your computer now?</source>
        <comment>115</comment>
        <translation>今すぐ PC をスリープ状態にしますか?</translation>
    </message>
    <message>
        <source>Do you want to shutdown your computer now?</source>
        <comment>116</comment>
        <translation>今すぐ PC をシャットダウンしますか?</translation>
    </message>
    <message>
        <source>Confirm</source>
        <comment>117</comment>
        <extracomment>The title of the box that asks before a restart, a sleep or a shutdown.</extracomment>
        <translation>確認</translation>
    </message>
    <message>
        <source>RAM Optimizer
</source>
        <comment>118</comment>
        <extracomment>The first line of the tray icon&apos;s tooltip; the line end stays.</extracomment>
        <translation>メモリ最適化ツール
</translation>
    </message>
    <message>
        <source>Free RAM: %1 MB (%2%)
</source>
        <comment>119</comment>
        <extracomment>The second line of the tooltip. %1: megabytes of free RAM; %2: that as a share of all RAM in percent, the % after it being the percent sign. The line end stays.</extracomment>
        <translation>空きメモリ: %1 MB (%2%)
</translation>
    </message>
    <message>
        <source>CPU Usage: %1%</source>
        <comment>121</comment>
        <extracomment>The third line of the tooltip. %1: the processor load in percent; the % after it is the percent sign.</extracomment>
        <translation>CPU 使用率: %1%</translation>
    </message>
    <message>
        <source>CreateProcess failed (%1).</source>
        <comment>122</comment>
        <extracomment>%1: Windows&apos; error number when the control panel could not be started.</extracomment>
        <translation>CreateProcess に失敗しました (%1)。</translation>
    </message>
    <message>
        <source>Error</source>
        <comment>123</comment>
        <extracomment>The title of a box that says something failed.</extracomment>
        <translation>エラー</translation>
    </message>
    <message>
        <source>RAM Optimizer</source>
        <comment>124</comment>
        <extracomment>The title of the notices the tray icon shows.</extracomment>
        <translation>メモリ最適化ツール</translation>
    </message>
    <message>
        <source>Recovered %1 MB, %2 MB free now</source>
        <comment>125</comment>
        <extracomment>A notice after a recovery. %1: the megabytes recovered; %2: the megabytes free now.</extracomment>
        <translation>%1 MB のメモリを解放しました。現在の空きメモリ: %2 MB</translation>
    </message>
    <message>
        <source>No RAM could be recovered</source>
        <comment>126</comment>
        <translation>メモリを解放できませんでした</translation>
    </message>
    <message>
        <source>Windows could not be restarted (error %1). %2</source>
        <comment>127</comment>
        <extracomment>%1: Windows&apos; error number; %2: Windows&apos; own description of the error, a sentence or empty.</extracomment>
        <translation>PC を再起動できませんでした (エラー %1)。%2</translation>
    </message>
    <message>
        <source>Windows could not be suspended (error %1). %2</source>
        <comment>128</comment>
        <extracomment>%1: Windows&apos; error number; %2: Windows&apos; own description of the error, a sentence or empty.</extracomment>
        <translation>PC をスリープ状態にできませんでした (エラー %1)。%2</translation>
    </message>
    <message>
        <source>Windows could not be shut down (error %1). %2</source>
        <comment>129</comment>
        <extracomment>%1: Windows&apos; error number; %2: Windows&apos; own description of the error, a sentence or empty.</extracomment>
        <translation>PC をシャットダウンできませんでした (エラー %1)。%2</translation>
    </message>
    <message>
        <source>Hot key not available</source>
        <comment>132</comment>
        <translation>ホットキーを使用できません</translation>
    </message>
    <message>
        <source>The hot key Ctrl+Alt+%1 could not be registered: another program uses it.</source>
        <comment>133</comment>
        <extracomment>%1: the character of the hot key, such as K.</extracomment>
        <translation>ホットキー Ctrl+Alt+%1 を登録できませんでした: 別のプログラムで使用されています。</translation>
    </message>
    <message>
        <source>The hot key Ctrl+Alt+%1 was not registered: on your keyboard layout it types “%2”.</source>
        <comment>134</comment>
        <extracomment>%1: the character of the hot key; %2: the character the key combination types on the user&apos;s keyboard layout.</extracomment>
        <translation>ホットキー Ctrl+Alt+%1 は登録されませんでした: お使いのキーボード レイアウトでは、このキーで「%2」が入力されます。</translation>
    </message>
    <message>
        <source>The hot key Ctrl+Alt+%1 was not registered: your keyboard layout has no such key.</source>
        <comment>135</comment>
        <extracomment>%1: the character of the hot key.</extracomment>
        <translation>ホットキー Ctrl+Alt+%1 は登録されませんでした: お使いのキーボード レイアウトにはこのキーがありません。</translation>
    </message>
    <message>
        <source>This computer uses Modern Standby, which only Windows itself can start: to let it sleep, press its power button or choose Power &gt; Sleep in the Start menu.</source>
        <comment>137</comment>
        <translation>この PC はモダン スタンバイを使用しており、スリープを開始できるのは Windows 自身だけです。スリープ状態にするには、電源ボタンを押すか、スタート メニューの [電源] &gt; [スリープ] を選んでください。</translation>
    </message>
    <message>
        <source>This computer may not be able to sleep, and Windows may hibernate it instead. Do you want to go on?</source>
        <comment>138</comment>
        <translation>この PC はスリープ状態にできない可能性があり、代わりに Windows が休止状態にすることがあります。続行しますか?</translation>
    </message>
</context>
<context>
    <name>Setup</name>
    <message>
        <source>Quenby is still running and could not be closed.</source>
        <comment>STILL_RUNNING_DETAIL</comment>
        <translation>Quenby がまだ実行中で、終了できませんでした。</translation>
    </message>
    <message>
        <source>Quenby is still running and could not be closed.

Close it (tray menu: Close RAM Optimizer; and the control panel&apos;s window), then choose Retry.</source>
        <comment>STILL_RUNNING_BOX</comment>
        <translation>Quenby がまだ実行中で、終了できませんでした。

通知領域メニューの [メモリ最適化ツールを終了する] で Quenby を終了し、操作パネルのウィンドウも閉じてから、[再試行] を選んでください。</translation>
    </message>
    <message>
        <source>Quenby is still running; nothing was changed.</source>
        <comment>STILL_RUNNING_ABORT</comment>
        <translation>Quenby はまだ実行中です。何も変更されていません。</translation>
    </message>
    <message>
        <source>Quenby&apos;s setup or uninstaller is already running.</source>
        <comment>ALREADY_RUNNING</comment>
        <translation>Quenby のセットアップまたはアンインストーラーは既に実行中です。</translation>
    </message>
    <message>
        <source>Closing Quenby if it runs...</source>
        <comment>CLOSING</comment>
        <translation>実行中の Quenby を終了しています...</translation>
    </message>
    <message>
        <source>Quenby control panel: RAM and CPU figures and the options</source>
        <comment>PANEL_LINK_DESCRIPTION</comment>
        <translation>Quenby 操作パネル: メモリと CPU の状況、およびオプション</translation>
    </message>
    <message>
        <source>Quenby tray engine</source>
        <comment>ENGINE_LINK_NAME</comment>
        <extracomment>The name of the Start-menu shortcut to the tray engine.</extracomment>
        <translation>Quenby 常駐プログラム</translation>
    </message>
    <message>
        <source>Start Quenby&apos;s tray engine, which recovers RAM</source>
        <comment>ENGINE_LINK_DESCRIPTION</comment>
        <translation>メモリを解放する Quenby の常駐プログラムを起動します</translation>
    </message>
    <message>
        <source>Quenby (required)</source>
        <comment>SECTION_PROGRAM</comment>
        <translation>Quenby (必須)</translation>
    </message>
    <message>
        <source>Start with Windows</source>
        <comment>SECTION_AUTOSTART</comment>
        <translation>Windows の起動時に開始</translation>
    </message>
    <message>
        <source>Starting the tray engine again...</source>
        <comment>RESTARTING_ENGINE</comment>
        <translation>常駐プログラムをもう一度起動しています...</translation>
    </message>
    <message>
        <source>The tray engine, the control panel, the command-line client quenbyctl and Start-menu shortcuts.</source>
        <comment>SECTION_PROGRAM_DESCRIPTION</comment>
        <translation>常駐プログラム、操作パネル、コマンドライン クライアント quenbyctl、およびスタート メニューのショートカット。</translation>
    </message>
    <message>
        <source>Start the tray engine when you sign in to Windows.</source>
        <comment>SECTION_AUTOSTART_DESCRIPTION</comment>
        <translation>Windows にサインインしたときに常駐プログラムを起動します。</translation>
    </message>
    <message>
        <source>Unknown value /AUTOSTART=%1: use /AUTOSTART=1 or /AUTOSTART=0.</source>
        <comment>BAD_AUTOSTART</comment>
        <extracomment>$1 (%1 for translators): the value given after /AUTOSTART= on the command line.</extracomment>
        <translation>/AUTOSTART=%1 は不明な値です。/AUTOSTART=1 または /AUTOSTART=0 を使用してください。</translation>
    </message>
    <message>
        <source>Open the Quenby control panel</source>
        <comment>FINISH_RUN</comment>
        <translation>Quenby 操作パネルを開く</translation>
    </message>
    <message>
        <source>Installing or removing Quenby for all users of this computer needs administrator rights. Run it again as an administrator.</source>
        <comment>NEEDS_ADMINISTRATOR</comment>
        <translation>この PC のすべてのユーザーを対象に Quenby をインストールまたは削除するには、管理者権限が必要です。管理者として実行し直してください。</translation>
    </message>
    <message>
        <source>Quenby has been installed for all users of this computer.

Setup did not start it. Open it from the Start menu. If Start with Windows was selected, it starts for each user when they sign in.</source>
        <comment>FINISH_MACHINE_TEXT</comment>
        <translation>この PC のすべてのユーザーを対象に Quenby をインストールしました。

セットアップでは Quenby を起動していません。スタート メニューから開いてください。[Windows の起動時に開始] を選んだ場合は、各ユーザーのサインイン時に起動します。</translation>
    </message>
    <message>
        <source>The previous version is still running in another user&apos;s session and keeps running there until it is closed. Its files are removed when you restart the computer.</source>
        <comment>FINISH_SET_ASIDE</comment>
        <translation>以前のバージョンが別のユーザーのセッションでまだ実行中で、そのセッションでは終了されるまで実行され続けます。以前のバージョンのファイルは PC の再起動時に削除されます。</translation>
    </message>
    <message>
        <source>%1 is in use in another user&apos;s session and was renamed to %2.</source>
        <comment>SET_ASIDE_DETAIL</comment>
        <extracomment>%1: the full path of a file of the previous version; %2: the name it was renamed to.</extracomment>
        <translation>%1 は別のユーザーのセッションで使用中のため、名前を %2 に変更しました。</translation>
    </message>
    <message>
        <source>Some of Quenby&apos;s files are in use in another user&apos;s session. They will be removed when you restart the computer.</source>
        <comment>UNINSTALL_IN_USE</comment>
        <translation>Quenby の一部のファイルが別のユーザーのセッションで使用中です。これらのファイルは PC の再起動時に削除されます。</translation>
    </message>
</context>
<context>
    <name>Policies</name>
    <message>
        <source>Quenby %1 on Windows 10 and Windows 11</source>
        <extracomment>%1: Quenby&apos;s version number, as in 1.4.2.</extracomment>
        <translation>Windows 10 および Windows 11 の Quenby %1</translation>
    </message>
    <message>
        <source>Target free RAM (MB)</source>
        <translation>空きメモリの目標値 (MB)</translation>
    </message>
    <message>
        <source>Sets &quot;%1&quot; of Quenby.</source>
        <extracomment>%1: the policy&apos;s name, as the line above the explanation shows it.</extracomment>
        <translation>Quenby の「%1」を設定します。</translation>
    </message>
    <message>
        <source>three quarters of the installed RAM in MB</source>
        <translation>搭載メモリの MB 数の 4 分の 3</translation>
    </message>
    <message>
        <source>From %1 to %2.</source>
        <extracomment>The range a policy accepts. %1 and %2: numbers, or texts such as “the installed RAM in MB divided by 4”.</extracomment>
        <translation>%1 から %2 まで。</translation>
    </message>
    <message>
        <source>the installed RAM in MB divided by %1</source>
        <extracomment>A bound of a range, or a default. %1: a number such as 4.</extracomment>
        <translation>搭載メモリの MB 数を %1 で割った値</translation>
    </message>
    <message>
        <source>Without a policy: %1, unless the user chose otherwise.</source>
        <extracomment>%1: the default value, a number or a text such as “the installed RAM in MB divided by 4”.</extracomment>
        <translation>ポリシーがない場合: ユーザーが変更していなければ %1。</translation>
    </message>
    <message>
        <source>A computer policy wins over a user policy, and both over the user&apos;s own choice, which the control panel then shows as &quot;Set by your administrator&quot;. When the policy is not configured, the user&apos;s own choice applies.</source>
        <translation>コンピューターのポリシーはユーザーのポリシーより優先され、どちらもユーザー自身の選択より優先されます。その場合、操作パネルには「管理者によって設定されています」と表示されます。ポリシーが未構成の場合は、ユーザー自身の選択が適用されます。</translation>
    </message>
    <message>
        <source>Minimum free RAM (MB)</source>
        <translation>空きメモリの最小値 (MB)</translation>
    </message>
    <message>
        <source>Free up RAM on startup</source>
        <translation>起動時にメモリを解放する</translation>
    </message>
    <message>
        <source>Enabled: on (1). Disabled: off (0).</source>
        <translation>有効: オン (1)。無効: オフ (0)。</translation>
    </message>
    <message>
        <source>RAM to free on startup (MB)</source>
        <translation>起動時に解放するメモリ (MB)</translation>
    </message>
    <message>
        <source>Delay of the startup recovery (seconds)</source>
        <translation>起動からメモリ解放までの待ち時間 (秒)</translation>
    </message>
    <message>
        <source>RAM to free periodically (MB)</source>
        <translation>定期的に解放するメモリ (MB)</translation>
    </message>
    <message>
        <source>Free up RAM every (minutes, 0 for never)</source>
        <translation>メモリを解放する間隔 (分、0 で解放しない)</translation>
    </message>
    <message>
        <source>Free RAM percentage shown with the periodic recovery</source>
        <translation>定期的な解放の条件となる空きメモリの割合 (%)</translation>
    </message>
    <message>
        <source>Disable CPU usage detection</source>
        <translation>CPU 使用率の検出を無効にする</translation>
    </message>
    <message>
        <source>Tray icon text color</source>
        <translation>通知領域アイコンの文字色</translation>
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
        <source>%1, %2</source>
        <extracomment>Joins the entries of a list: %1 is the list so far, %2 the next entry. Use the language&apos;s list separator.</extracomment>
        <translation>%1、%2</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>自動</translation>
    </message>
    <message>
        <source>One of: %1.</source>
        <extracomment>%1: the values a policy accepts, each its number and its name, as in “0 Black, 1 White, 2 Auto”.</extracomment>
        <translation>次のいずれか: %1。</translation>
    </message>
    <message>
        <source>Tray icon shows</source>
        <translation>通知領域アイコンの表示内容</translation>
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
        <source>First recovery amount of the tray menu (MB)</source>
        <translation>通知領域メニューの 1 番目の解放量 (MB)</translation>
    </message>
    <message>
        <source>Second recovery amount of the tray menu (MB)</source>
        <translation>通知領域メニューの 2 番目の解放量 (MB)</translation>
    </message>
    <message>
        <source>Third recovery amount of the tray menu (MB)</source>
        <translation>通知領域メニューの 3 番目の解放量 (MB)</translation>
    </message>
    <message>
        <source>Also clear the clipboard when freeing up RAM</source>
        <translation>メモリの解放時にクリップボードもクリアする</translation>
    </message>
    <message>
        <source>Play alarm sound before freeing up RAM</source>
        <translation>メモリの解放前にアラーム音を鳴らす</translation>
    </message>
    <message>
        <source>Alarm sound file</source>
        <translation>アラーム音のファイル</translation>
    </message>
    <message>
        <source>A full path, at most %1 characters.</source>
        <extracomment>%1: a number of characters, such as 259.</extracomment>
        <translation>完全なパス (%1 文字以内)。</translation>
    </message>
    <message>
        <source>Free up RAM hot key (Ctrl + Alt + the key of this code)</source>
        <translation>メモリ解放のホットキー (Ctrl + Alt + このコードのキー)</translation>
    </message>
    <message>
        <source>Disable/enable hot key (Ctrl + Alt + the key of this code)</source>
        <translation>無効化/有効化のホットキー (Ctrl + Alt + このコードのキー)</translation>
    </message>
    <message>
        <source>Show how much RAM was recovered</source>
        <translation>解放したメモリ量を表示する</translation>
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
        <source>Pause automatic recovery while one of these programs runs</source>
        <translation>次のいずれかのプログラムの実行中は自動解放を一時停止する</translation>
    </message>
    <message>
        <source>Program file names separated by semicolons, such as game.exe;obs64.exe, at most %1 characters.</source>
        <extracomment>Keep the example file names as they are. %1: a number of characters, such as 1023.</extracomment>
        <translation>セミコロンで区切ったプログラムのファイル名 (例: game.exe;obs64.exe、%1 文字以内)。</translation>
    </message>
    <message>
        <source>Start Quenby automatically at Windows startup</source>
        <translation>Windows の起動時に Quenby を自動的に開始する</translation>
    </message>
    <message>
        <source>Enabled: the tray engine starts when the user signs in to Windows. Disabled: it does not. The engine brings the user&apos;s start-up entry in line when it starts.</source>
        <translation>有効: ユーザーが Windows にサインインすると、常駐プログラムが起動します。無効: 起動しません。常駐プログラムは起動時に、ユーザーのスタートアップ項目をこの設定に合わせます。</translation>
    </message>
    <message>
        <source>Settings of the Quenby RAM optimizer</source>
        <translation>Quenby メモリ最適化ツールの設定</translation>
    </message>
</context>
</TS>
