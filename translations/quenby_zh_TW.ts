<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation>關於</translation>
    </message>
    <message>
        <source>Copyright © Quenby. All rights reserved.</source>
        <translation>Copyright © Quenby. 著作權所有，並保留一切權利。</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Closes this About box.</extracomment>
        <translation>關閉</translation>
    </message>
    <message>
        <source>Website:</source>
        <translation>網站：</translation>
    </message>
    <message>
        <source>Version: %1.%2.%3 (Beta)</source>
        <extracomment>%1, %2 and %3: the parts of the version number, as in 1.4.2.</extracomment>
        <translation>版本 %1.%2.%3 (Beta 版)</translation>
    </message>
    <message>
        <source>for Windows %1</source>
        <extracomment>%1: the Windows version the panel runs on, 10 or 11.</extracomment>
        <translation>適用於 Windows %1</translation>
    </message>
</context>
<context>
    <name>GraphForm</name>
    <message>
        <source>Usage graph of the free RAM</source>
        <translation>閒置記憶體變化圖</translation>
    </message>
    <message>
        <source>%1% of RAM free</source>
        <extracomment>Read by screen readers for the usage graph. %1: the free share of the RAM in percent; the % after it is the percent sign.</extracomment>
        <translation>閒置記憶體 %1%</translation>
    </message>
</context>
<context>
    <name>HistoryPage</name>
    <message>
        <source>Low free RAM</source>
        <comment>what started a recovery</comment>
        <translation>閒置記憶體不足</translation>
    </message>
    <message>
        <source>Every few minutes</source>
        <comment>what started a recovery: the periodic rule</comment>
        <translation>每隔幾分鐘</translation>
    </message>
    <message>
        <source>Startup</source>
        <comment>what started a recovery: the recovery after Quenby starts</comment>
        <translation>啟動時</translation>
    </message>
    <message>
        <source>Tray menu</source>
        <comment>what started a recovery</comment>
        <translation>通知區域功能表</translation>
    </message>
    <message>
        <source>Hot key</source>
        <comment>what started a recovery</comment>
        <translation>快速鍵</translation>
    </message>
    <message>
        <source>Request</source>
        <comment>what started a recovery: another program (the command line) asked</comment>
        <translation>其他程式要求</translation>
    </message>
    <message>
        <source>Ran</source>
        <translation>已執行</translation>
    </message>
    <message>
        <source>Did not run: the processor was busy</source>
        <translation>未執行：CPU 忙碌</translation>
    </message>
    <message>
        <source>Did not run: another user&apos;s recovery was running</source>
        <translation>未執行：另一位使用者的記憶體釋放正在進行</translation>
    </message>
    <message>
        <source>Did not run: a full-screen program was running</source>
        <translation>未執行：有全螢幕程式正在執行</translation>
    </message>
    <message>
        <source>Did not run: a protected program was running</source>
        <translation>未執行：指定的程式之一正在執行</translation>
    </message>
    <message>
        <source>Did not run: paused after a recovery that could not help</source>
        <translation>未執行：因上次釋放未見效而暫停</translation>
    </message>
    <message>
        <source>Did not run: more than three quarters of the RAM was free</source>
        <translation>未執行：超過四分之三的記憶體處於閒置狀態</translation>
    </message>
    <message>
        <source>No recovery yet.</source>
        <translation>尚無釋放記錄。</translation>
    </message>
    <message>
        <source>When</source>
        <translation>時間</translation>
    </message>
    <message>
        <source>Started by</source>
        <translation>觸發方式</translation>
    </message>
    <message>
        <source>What happened</source>
        <translation>結果</translation>
    </message>
    <message>
        <source>Before (MB)</source>
        <comment>column: free RAM before the recovery, in megabytes</comment>
        <translation>釋放前 (MB)</translation>
    </message>
    <message>
        <source>After (MB)</source>
        <comment>column: free RAM after the recovery, in megabytes</comment>
        <translation>釋放後 (MB)</translation>
    </message>
    <message>
        <source>Used (MB)</source>
        <comment>column: the megabytes the recovery allocated and released</comment>
        <translation>佔用 (MB)</translation>
    </message>
    <message>
        <source>Seconds</source>
        <comment>column: how long the recovery took</comment>
        <translation>耗時 (秒)</translation>
    </message>
    <message>
        <source>Free RAM before the recovery</source>
        <translation>釋放前的閒置記憶體</translation>
    </message>
    <message>
        <source>Free RAM after the recovery</source>
        <translation>釋放後的閒置記憶體</translation>
    </message>
    <message>
        <source>The RAM the recovery took for a moment and gave back</source>
        <translation>釋放過程中短暫佔用後歸還的記憶體</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Total RAM: n/a</source>
        <translation>記憶體總計：不明</translation>
    </message>
    <message>
        <source>Available RAM: n/a</source>
        <translation>可用記憶體：不明</translation>
    </message>
    <message>
        <source>CPU Usage: n/a</source>
        <translation>CPU 使用率：不明</translation>
    </message>
    <message>
        <source>Free-up RAM</source>
        <extracomment>The title of the group with the two sliders that set the free-RAM levels.</extracomment>
        <translation>釋放記憶體</translation>
    </message>
    <message>
        <source>Target Free RAM:</source>
        <translation>目標閒置記憶體：</translation>
    </message>
    <message>
        <source>Minimum Free RAM:</source>
        <translation>最低閒置記憶體：</translation>
    </message>
    <message>
        <source>About</source>
        <translation>關於</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>選項</translation>
    </message>
    <message>
        <source>Save</source>
        <extracomment>Stores the two free-RAM levels set with the sliders.</extracomment>
        <translation>儲存</translation>
    </message>
    <message>
        <source>Enable RAM Optimizer</source>
        <translation>啟用記憶體最佳化工具</translation>
    </message>
    <message>
        <source>Disable</source>
        <extracomment>Switches the automatic recovery off; the button then reads “Enable RAM Optimizer”.</extracomment>
        <translation>停用</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Ends the tray engine (the RAM optimizer itself), not only this window.</extracomment>
        <translation>結束</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>找不到檔案。</translation>
    </message>
    <message>
        <source>You are not allowed to run this file.</source>
        <translation>您沒有執行此檔案的權限。</translation>
    </message>
    <message>
        <source>The file is not a program that can be run.</source>
        <translation>此檔案不是可執行的程式。</translation>
    </message>
    <message>
        <source>There is not enough memory to start it.</source>
        <translation>記憶體不足，無法啟動。</translation>
    </message>
    <message>
        <source>The system refused to start it (error %1).</source>
        <extracomment>Why the tray engine could not be started. %1: Windows&apos; error number.</extracomment>
        <translation>系統拒絕啟動此程式 (錯誤 %1)。</translation>
    </message>
    <message>
        <source>The RAM optimizer could not be started from %1.</source>
        <extracomment>%1: the full path of the tray engine&apos;s program file; a sentence saying why follows on the next line.</extracomment>
        <translation>無法從 %1 啟動記憶體最佳化工具。</translation>
    </message>
    <message>
        <source>Total RAM: %1MB</source>
        <extracomment>%1: megabytes of RAM installed, a whole number.</extracomment>
        <translation>記憶體總計：%1 MB</translation>
    </message>
    <message>
        <source>Available RAM: %1MB (%2%)</source>
        <extracomment>%1: megabytes of RAM available now; %2: that as a share of all RAM, in percent (the % after it is the percent sign).</extracomment>
        <translation>可用記憶體：%1 MB (%2%)</translation>
    </message>
    <message>
        <source>CPU Usages: %1%</source>
        <extracomment>%1: the processor load of the last second in percent; the % after it is the percent sign.</extracomment>
        <translation>CPU 使用率：%1%</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <extracomment>%1: megabytes, the value the slider beside it is set to.</extracomment>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>Target free RAM, %1 MB</source>
        <extracomment>Read by screen readers for the slider. %1: the megabytes it is set to.</extracomment>
        <translation>目標閒置記憶體，%1 MB</translation>
    </message>
    <message>
        <source>Minimum free RAM, %1 MB</source>
        <extracomment>Read by screen readers for the slider. %1: the megabytes it is set to.</extracomment>
        <translation>最低閒置記憶體，%1 MB</translation>
    </message>
    <message>
        <source>Save the target and minimum free RAM</source>
        <translation>儲存目標與最低閒置記憶體</translation>
    </message>
    <message>
        <source>Open the options</source>
        <translation>開啟選項</translation>
    </message>
    <message>
        <source>Enable the RAM optimizer</source>
        <translation>啟用記憶體最佳化工具</translation>
    </message>
    <message>
        <source>Disable the RAM optimizer</source>
        <translation>停用記憶體最佳化工具</translation>
    </message>
    <message>
        <source>Close the RAM optimizer</source>
        <translation>結束記憶體最佳化工具</translation>
    </message>
    <message>
        <source>About Quenby</source>
        <translation>關於 Quenby</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Ctrl+Alt+%1 can&apos;t be a hot key: your keyboard layout has no key for “%1”.</source>
        <extracomment>%1: the character the user typed as the hot key, such as K.</extracomment>
        <translation>Ctrl+Alt+%1 無法作為快速鍵：您的鍵盤配置沒有「%1」鍵。</translation>
    </message>
    <message>
        <source>Ctrl+Alt+%1 can&apos;t be a hot key: on your keyboard layout it types “%2”, which every program would then lose.</source>
        <extracomment>%1: the character the user typed as the hot key; %2: the character that key combination types on the user&apos;s keyboard layout (as AltGr would).</extracomment>
        <translation>Ctrl+Alt+%1 無法作為快速鍵：在您的鍵盤配置中，這個按鍵會輸入「%2」，設為快速鍵後，所有程式都將無法再輸入這個字元。</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>選項</translation>
    </message>
    <message>
        <source>General</source>
        <translation>一般</translation>
    </message>
    <message>
        <source>Start Quenby automatically at Windows startup</source>
        <translation>在 Windows 啟動時自動啟動 Quenby</translation>
    </message>
    <message>
        <source>Free-up RAM on startup after</source>
        <extracomment>Start of a sentence the dialog puts together: this check box, a number of seconds, then “seconds”: “Free-up RAM on startup after [60] seconds”.</extracomment>
        <translation>啟動後釋放記憶體，延遲</translation>
    </message>
    <message>
        <source>MB of RAM on startup after</source>
        <extracomment>A hidden part of the start-up sentence, after a number of megabytes.</extracomment>
        <translation>MB 記憶體，啟動後延遲</translation>
    </message>
    <message>
        <source>seconds</source>
        <extracomment>End of the sentence “Free-up RAM on startup after [60] seconds”.</extracomment>
        <translation>秒</translation>
    </message>
    <message>
        <source>Free-up RAM every</source>
        <extracomment>Start of a sentence the dialog puts together: “Free-up RAM every [4] minutes if free RAM below [50] %”.</extracomment>
        <translation>定期釋放記憶體：每</translation>
    </message>
    <message>
        <source>MB every</source>
        <extracomment>A hidden part of the periodic sentence, after a number of megabytes.</extracomment>
        <translation>MB，每</translation>
    </message>
    <message>
        <source>minutes if free RAM below</source>
        <extracomment>Middle of the sentence “Free-up RAM every [4] minutes if free RAM below [50] %”: between two numbers.</extracomment>
        <translation>分鐘一次，僅在閒置記憶體低於</translation>
    </message>
    <message>
        <source>Pause automatic recovery while it cannot help</source>
        <translation>無法發揮效果時暫停自動釋放</translation>
    </message>
    <message>
        <source>Pause automatic recovery while a full-screen program runs</source>
        <translation>全螢幕程式執行時暫停自動釋放</translation>
    </message>
    <message>
        <source>CPU usage:</source>
        <extracomment>Beside a bar that shows the processor load.</extracomment>
        <translation>CPU 使用率：</translation>
    </message>
    <message>
        <source>Disable CPU usage detection</source>
        <translation>停用 CPU 使用率偵測</translation>
    </message>
    <message>
        <source>Enable the CPU usage detection to prevent Quenby recovering RAM when your CPU is busy. Please note that CPU cooling and few other programs use special method that cause the CPU usage always stay at 100% level. When you have this kind of situation, disable the CPU usage detection to allow Quenby recovering RAM at any CPU usage level.</source>
        <translation>啟用 CPU 使用率偵測後，Quenby 就不會在 CPU 忙碌時釋放記憶體。請注意，CPU 散熱程式和少數其他程式使用的特殊方法，會讓 CPU 使用率一直維持在 100%。遇到這種情況時，請停用 CPU 使用率偵測，讓 Quenby 不論 CPU 使用率多高都能釋放記憶體。</translation>
    </message>
    <message>
        <source>Tray Icon</source>
        <translation>通知區域圖示</translation>
    </message>
    <message>
        <source>Default:</source>
        <extracomment>Beside the picture of the tray icon as it normally looks.</extracomment>
        <translation>預設：</translation>
    </message>
    <message>
        <source>Recovering RAM:</source>
        <extracomment>Beside the picture of the tray icon while it recovers RAM.</extracomment>
        <translation>釋放記憶體時：</translation>
    </message>
    <message>
        <source>Tray icon text color</source>
        <translation>圖示文字色彩</translation>
    </message>
    <message>
        <source>Display</source>
        <extracomment>Start of “Display [Percentage of Free RAM] in tray icon”: a list to choose from follows.</extracomment>
        <translation>將</translation>
    </message>
    <message>
        <source>in tray icon</source>
        <extracomment>End of “Display [Percentage of Free RAM] in tray icon”.</extracomment>
        <translation>顯示在通知區域圖示中</translation>
    </message>
    <message>
        <source>Show how much RAM was recovered</source>
        <translation>顯示釋放了多少記憶體</translation>
    </message>
    <message>
        <source>Popup Menu</source>
        <translation>快顯功能表</translation>
    </message>
    <message>
        <source>Recover</source>
        <extracomment>Start of “Recover [512] MB menu”: sets the amount of one entry of the tray icon&apos;s menu.</extracomment>
        <translation>釋放</translation>
    </message>
    <message>
        <source>MB menu</source>
        <extracomment>End of “Recover [512] MB menu”.</extracomment>
        <translation>MB (功能表項目)</translation>
    </message>
    <message>
        <source>Others</source>
        <translation>其他</translation>
    </message>
    <message>
        <source>Also clear Windows Clipboard when freeing up RAM</source>
        <translation>釋放記憶體時一併清除 Windows 剪貼簿</translation>
    </message>
    <message>
        <source>Play alarm sound before freeing up RAM</source>
        <translation>釋放記憶體前播放警示音</translation>
    </message>
    <message>
        <source>Free up RAM hot key : Cltr + Alt +</source>
        <translation type="vanished">釋放記憶體的快速鍵：Ctrl + Alt +</translation>
    </message>
    <message>
        <source>Disable/enable Quenby hotkey : Cltr + Alt +</source>
        <translation type="vanished">停用/啟用 Quenby 的快速鍵：Ctrl + Alt +</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>儲存</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>黑色</translation>
    </message>
    <message>
        <source>White</source>
        <translation>白色</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>自動</translation>
    </message>
    <message>
        <source>Percentage of CPU Usage</source>
        <translation>CPU 使用率百分比</translation>
    </message>
    <message>
        <source>Percentage of Free RAM</source>
        <translation>閒置記憶體百分比</translation>
    </message>
    <message>
        <source>RAM to free on startup, in MB</source>
        <translation>啟動時要釋放的記憶體 (MB)</translation>
    </message>
    <message>
        <source>Delay of the startup recovery, in seconds</source>
        <translation>啟動後釋放記憶體前的延遲 (秒)</translation>
    </message>
    <message>
        <source>RAM to free periodically, in MB</source>
        <translation>定期釋放的記憶體 (MB)</translation>
    </message>
    <message>
        <source>Free-up RAM every, in minutes (0 for never)</source>
        <translation>釋放記憶體的間隔 (分鐘，0 表示永不)</translation>
    </message>
    <message>
        <source>Only if free RAM is below, in percent</source>
        <translation>僅在閒置記憶體低於此百分比時</translation>
    </message>
    <message>
        <source>CPU usage</source>
        <translation>CPU 使用率</translation>
    </message>
    <message>
        <source>What the tray icon shows</source>
        <translation>通知區域圖示顯示的內容</translation>
    </message>
    <message>
        <source>First recovery amount of the tray menu, in MB</source>
        <translation>通知區域功能表中的第一個釋放量 (MB)</translation>
    </message>
    <message>
        <source>Second recovery amount of the tray menu, in MB</source>
        <translation>通知區域功能表中的第二個釋放量 (MB)</translation>
    </message>
    <message>
        <source>Third recovery amount of the tray menu, in MB</source>
        <translation>通知區域功能表中的第三個釋放量 (MB)</translation>
    </message>
    <message>
        <source>Alarm sound file</source>
        <translation>警示音檔案</translation>
    </message>
    <message>
        <source>Choose the alarm sound file</source>
        <translation>選擇警示音檔案</translation>
    </message>
    <message>
        <source>Free up RAM hot key: Ctrl + Alt + this key</source>
        <translation>釋放記憶體的快速鍵：Ctrl + Alt + 此鍵</translation>
    </message>
    <message>
        <source>Disable/enable hot key: Ctrl + Alt + this key</source>
        <translation>停用/啟用的快速鍵：Ctrl + Alt + 此鍵</translation>
    </message>
    <message>
        <source>Add Files</source>
        <translation>新增檔案</translation>
    </message>
    <message>
        <source>All Files (*.wav)</source>
        <translation>音效檔 (*.wav)</translation>
    </message>
    <message>
        <source>Pause automatic recovery while one of these programs runs:</source>
        <translation>下列任一程式執行時暫停自動釋放：</translation>
    </message>
    <message>
        <source>game.exe;obs64.exe</source>
        <extracomment>An example of the list: two program file names separated by a semicolon. Keep the names as they are.</extracomment>
        <translation>game.exe;obs64.exe</translation>
    </message>
    <message>
        <source>History</source>
        <translation>歷程記錄</translation>
    </message>
    <message>
        <source>Program file names as Task Manager shows them, separated by semicolons.</source>
        <translation>程式檔案名稱，與工作管理員中顯示的相同，以分號分隔。</translation>
    </message>
    <message>
        <source>Ignored, as they are not program file names: %1</source>
        <comment>followed by the names</comment>
        <translation>已忽略，因為這些不是程式檔案名稱：%1</translation>
    </message>
    <message>
        <source>Free up RAM hot key: Ctrl + Alt +</source>
        <extracomment>A field for one key follows: Ctrl + Alt + that key frees up RAM in every program.</extracomment>
        <translation>釋放記憶體的快速鍵：Ctrl + Alt +</translation>
    </message>
    <message>
        <source>Disable/enable Quenby hot key: Ctrl + Alt +</source>
        <extracomment>A field for one key follows: Ctrl + Alt + that key switches the automatic recovery off and on.</extracomment>
        <translation>停用/啟用 Quenby 的快速鍵：Ctrl + Alt +</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Set by your administrator</source>
        <translation>由您的系統管理員設定</translation>
    </message>
    <message>
        <source>Your administrator set Quenby to start automatically for every user of this PC.</source>
        <translation>您的系統管理員已將 Quenby 設定為對這部電腦的每位使用者自動啟動。</translation>
    </message>
</context>
<context>
    <name>Quenbytray</name>
    <message>
        <source>Restart Windows</source>
        <comment>104</comment>
        <translation>重新啟動電腦</translation>
    </message>
    <message>
        <source>Suspend Windows</source>
        <comment>105</comment>
        <translation>讓電腦進入睡眠</translation>
    </message>
    <message>
        <source>Shutdown Windows</source>
        <comment>106</comment>
        <translation>將電腦關機</translation>
    </message>
    <message>
        <source>Clear Clipboard</source>
        <comment>107</comment>
        <translation>清除剪貼簿</translation>
    </message>
    <message>
        <source>Free-up RAM Manually
</source>
        <comment>108</comment>
        <extracomment>A menu item that frees up RAM now; the line end stays.</extracomment>
        <translation>手動釋放記憶體
</translation>
    </message>
    <message>
        <source>Configuration...</source>
        <comment>110</comment>
        <translation>選項...</translation>
    </message>
    <message>
        <source>Disable RAM Optimizer</source>
        <comment>111</comment>
        <translation>停用記憶體最佳化工具</translation>
    </message>
    <message>
        <source>Enable RAM Optimizer</source>
        <comment>112</comment>
        <translation>啟用記憶體最佳化工具</translation>
    </message>
    <message>
        <source>Close RAM Optimizer</source>
        <comment>113</comment>
        <extracomment>Ends the tray engine: its icon and the automatic recovery go away.</extracomment>
        <translation>結束記憶體最佳化工具</translation>
    </message>
    <message>
        <source>Do you want to restart your computer now?</source>
        <comment>114</comment>
        <translation>要立即重新啟動電腦嗎？</translation>
    </message>
    <message>
        <source>Do you want to suspend your computer now?</source>
        <comment>115</comment>
        <translation>要立即讓電腦進入睡眠嗎？</translation>
    </message>
    <message>
        <source>Do you want to shutdown your computer now?</source>
        <comment>116</comment>
        <translation>要立即將電腦關機嗎？</translation>
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
        <translation>記憶體最佳化工具
</translation>
    </message>
    <message>
        <source>Free RAM: %1 MB (%2%)
</source>
        <comment>119</comment>
        <extracomment>The second line of the tooltip. %1: megabytes of free RAM; %2: that as a share of all RAM in percent, the % after it being the percent sign. The line end stays.</extracomment>
        <translation>閒置記憶體：%1 MB (%2%)
</translation>
    </message>
    <message>
        <source>CPU Usage: %1%</source>
        <comment>121</comment>
        <extracomment>The third line of the tooltip. %1: the processor load in percent; the % after it is the percent sign.</extracomment>
        <translation>CPU 使用率：%1%</translation>
    </message>
    <message>
        <source>CreateProcess failed (%1).</source>
        <comment>122</comment>
        <extracomment>%1: Windows&apos; error number when the control panel could not be started.</extracomment>
        <translation>CreateProcess 失敗 (%1)。</translation>
    </message>
    <message>
        <source>Error</source>
        <comment>123</comment>
        <extracomment>The title of a box that says something failed.</extracomment>
        <translation>錯誤</translation>
    </message>
    <message>
        <source>RAM Optimizer</source>
        <comment>124</comment>
        <extracomment>The title of the notices the tray icon shows.</extracomment>
        <translation>記憶體最佳化工具</translation>
    </message>
    <message>
        <source>Recovered %1 MB, %2 MB free now</source>
        <comment>125</comment>
        <extracomment>A notice after a recovery. %1: the megabytes recovered; %2: the megabytes free now.</extracomment>
        <translation>已釋放 %1 MB 記憶體，目前閒置記憶體 %2 MB</translation>
    </message>
    <message>
        <source>No RAM could be recovered</source>
        <comment>126</comment>
        <translation>無法釋放任何記憶體</translation>
    </message>
    <message>
        <source>Windows could not be restarted (error %1). %2</source>
        <comment>127</comment>
        <extracomment>%1: Windows&apos; error number; %2: Windows&apos; own description of the error, a sentence or empty.</extracomment>
        <translation>無法重新啟動電腦 (錯誤 %1)。%2</translation>
    </message>
    <message>
        <source>Windows could not be suspended (error %1). %2</source>
        <comment>128</comment>
        <extracomment>%1: Windows&apos; error number; %2: Windows&apos; own description of the error, a sentence or empty.</extracomment>
        <translation>無法讓電腦進入睡眠 (錯誤 %1)。%2</translation>
    </message>
    <message>
        <source>Windows could not be shut down (error %1). %2</source>
        <comment>129</comment>
        <extracomment>%1: Windows&apos; error number; %2: Windows&apos; own description of the error, a sentence or empty.</extracomment>
        <translation>無法將電腦關機 (錯誤 %1)。%2</translation>
    </message>
    <message>
        <source>Hot key not available</source>
        <comment>132</comment>
        <translation>無法使用快速鍵</translation>
    </message>
    <message>
        <source>The hot key Ctrl+Alt+%1 could not be registered: another program uses it.</source>
        <comment>133</comment>
        <extracomment>%1: the character of the hot key, such as K.</extracomment>
        <translation>無法註冊快速鍵 Ctrl+Alt+%1：另一個程式正在使用它。</translation>
    </message>
    <message>
        <source>The hot key Ctrl+Alt+%1 was not registered: on your keyboard layout it types “%2”.</source>
        <comment>134</comment>
        <extracomment>%1: the character of the hot key; %2: the character the key combination types on the user&apos;s keyboard layout.</extracomment>
        <translation>未註冊快速鍵 Ctrl+Alt+%1：在您的鍵盤配置中，這個按鍵會輸入「%2」。</translation>
    </message>
    <message>
        <source>The hot key Ctrl+Alt+%1 was not registered: your keyboard layout has no such key.</source>
        <comment>135</comment>
        <extracomment>%1: the character of the hot key.</extracomment>
        <translation>未註冊快速鍵 Ctrl+Alt+%1：您的鍵盤配置沒有這個按鍵。</translation>
    </message>
    <message>
        <source>This computer uses Modern Standby, which only Windows itself can start: to let it sleep, press its power button or choose Power &gt; Sleep in the Start menu.</source>
        <comment>137</comment>
        <translation>這部電腦使用新式待命 (Modern Standby)，只有 Windows 本身才能啟動它：若要讓電腦進入睡眠，請按下電腦的電源按鈕，或在 [開始] 功能表中選擇 [電源] &gt; [睡眠]。</translation>
    </message>
    <message>
        <source>This computer may not be able to sleep, and Windows may hibernate it instead. Do you want to go on?</source>
        <comment>138</comment>
        <translation>這部電腦可能無法進入睡眠，Windows 可能會改為讓它休眠。要繼續嗎？</translation>
    </message>
</context>
<context>
    <name>Setup</name>
    <message>
        <source>Quenby is still running and could not be closed.</source>
        <comment>STILL_RUNNING_DETAIL</comment>
        <translation>Quenby 仍在執行，無法將其結束。</translation>
    </message>
    <message>
        <source>Quenby is still running and could not be closed.

Close it (tray menu: Close RAM Optimizer; and the control panel&apos;s window), then choose Retry.</source>
        <comment>STILL_RUNNING_BOX</comment>
        <translation>Quenby 仍在執行，無法將其結束。

請先結束 Quenby (在通知區域功能表中選擇「結束記憶體最佳化工具」，並關閉操作面板視窗)，然後選擇「重試」。</translation>
    </message>
    <message>
        <source>Quenby is still running; nothing was changed.</source>
        <comment>STILL_RUNNING_ABORT</comment>
        <translation>Quenby 仍在執行，未進行任何變更。</translation>
    </message>
    <message>
        <source>Quenby&apos;s setup or uninstaller is already running.</source>
        <comment>ALREADY_RUNNING</comment>
        <translation>Quenby 的安裝程式或解除安裝程式已在執行中。</translation>
    </message>
    <message>
        <source>Closing Quenby if it runs...</source>
        <comment>CLOSING</comment>
        <translation>正在結束執行中的 Quenby...</translation>
    </message>
    <message>
        <source>Quenby control panel: RAM and CPU figures and the options</source>
        <comment>PANEL_LINK_DESCRIPTION</comment>
        <translation>Quenby 操作面板：記憶體與 CPU 數值，以及選項</translation>
    </message>
    <message>
        <source>Quenby tray engine</source>
        <comment>ENGINE_LINK_NAME</comment>
        <extracomment>The name of the Start-menu shortcut to the tray engine.</extracomment>
        <translation>Quenby 通知區域程式</translation>
    </message>
    <message>
        <source>Start Quenby&apos;s tray engine, which recovers RAM</source>
        <comment>ENGINE_LINK_DESCRIPTION</comment>
        <translation>啟動負責釋放記憶體的 Quenby 通知區域程式</translation>
    </message>
    <message>
        <source>Quenby (required)</source>
        <comment>SECTION_PROGRAM</comment>
        <translation>Quenby (必要)</translation>
    </message>
    <message>
        <source>Start with Windows</source>
        <comment>SECTION_AUTOSTART</comment>
        <translation>隨 Windows 啟動</translation>
    </message>
    <message>
        <source>Starting the tray engine again...</source>
        <comment>RESTARTING_ENGINE</comment>
        <translation>正在再次啟動通知區域程式...</translation>
    </message>
    <message>
        <source>The tray engine, the control panel, the command-line client quenbyctl and Start-menu shortcuts.</source>
        <comment>SECTION_PROGRAM_DESCRIPTION</comment>
        <translation>通知區域程式、操作面板、命令列用戶端 quenbyctl，以及「開始」功能表捷徑。</translation>
    </message>
    <message>
        <source>Start the tray engine when you sign in to Windows.</source>
        <comment>SECTION_AUTOSTART_DESCRIPTION</comment>
        <translation>在您登入 Windows 時啟動通知區域程式。</translation>
    </message>
    <message>
        <source>Unknown value /AUTOSTART=%1: use /AUTOSTART=1 or /AUTOSTART=0.</source>
        <comment>BAD_AUTOSTART</comment>
        <extracomment>$1 (%1 for translators): the value given after /AUTOSTART= on the command line.</extracomment>
        <translation>未知的值 /AUTOSTART=%1：請使用 /AUTOSTART=1 或 /AUTOSTART=0。</translation>
    </message>
    <message>
        <source>Open the Quenby control panel</source>
        <comment>FINISH_RUN</comment>
        <translation>開啟 Quenby 操作面板</translation>
    </message>
    <message>
        <source>Installing or removing Quenby for all users of this computer needs administrator rights. Run it again as an administrator.</source>
        <comment>NEEDS_ADMINISTRATOR</comment>
        <translation>若要為這部電腦的所有使用者安裝或移除 Quenby，需要系統管理員權限。請以系統管理員身分重新執行。</translation>
    </message>
    <message>
        <source>Quenby has been installed for all users of this computer.

Setup did not start it. Open it from the Start menu. If Start with Windows was selected, it starts for each user when they sign in.</source>
        <comment>FINISH_MACHINE_TEXT</comment>
        <translation>已為這部電腦的所有使用者安裝 Quenby。

安裝程式並未啟動 Quenby。請從「開始」功能表開啟。如果已選取「隨 Windows 啟動」，Quenby 會在每位使用者登入時啟動。</translation>
    </message>
    <message>
        <source>The previous version is still running in another user&apos;s session and keeps running there until it is closed. Its files are removed when you restart the computer.</source>
        <comment>FINISH_SET_ASIDE</comment>
        <translation>舊版仍在另一位使用者的工作階段中執行，並會持續執行到在該工作階段中結束為止。重新啟動電腦時，會移除舊版的檔案。</translation>
    </message>
    <message>
        <source>%1 is in use in another user&apos;s session and was renamed to %2.</source>
        <comment>SET_ASIDE_DETAIL</comment>
        <extracomment>%1: the full path of a file of the previous version; %2: the name it was renamed to.</extracomment>
        <translation>%1 正由另一位使用者的工作階段使用中，已重新命名為 %2。</translation>
    </message>
    <message>
        <source>Some of Quenby&apos;s files are in use in another user&apos;s session. They will be removed when you restart the computer.</source>
        <comment>UNINSTALL_IN_USE</comment>
        <translation>Quenby 的部分檔案正由另一位使用者的工作階段使用中。重新啟動電腦時，會移除這些檔案。</translation>
    </message>
</context>
<context>
    <name>Policies</name>
    <message>
        <source>Quenby %1 on Windows 10 and Windows 11</source>
        <extracomment>%1: Quenby&apos;s version number, as in 1.4.2.</extracomment>
        <translation>Windows 10 和 Windows 11 上的 Quenby %1</translation>
    </message>
    <message>
        <source>Target free RAM (MB)</source>
        <translation>目標閒置記憶體 (MB)</translation>
    </message>
    <message>
        <source>Sets &quot;%1&quot; of Quenby.</source>
        <extracomment>%1: the policy&apos;s name, as the line above the explanation shows it.</extracomment>
        <translation>設定 Quenby 的「%1」。</translation>
    </message>
    <message>
        <source>three quarters of the installed RAM in MB</source>
        <translation>已安裝記憶體 MB 數的四分之三</translation>
    </message>
    <message>
        <source>From %1 to %2.</source>
        <extracomment>The range a policy accepts. %1 and %2: numbers, or texts such as “the installed RAM in MB divided by 4”.</extracomment>
        <translation>從 %1 到 %2。</translation>
    </message>
    <message>
        <source>the installed RAM in MB divided by %1</source>
        <extracomment>A bound of a range, or a default. %1: a number such as 4.</extracomment>
        <translation>已安裝記憶體的 MB 數除以 %1</translation>
    </message>
    <message>
        <source>Without a policy: %1, unless the user chose otherwise.</source>
        <extracomment>%1: the default value, a number or a text such as “the installed RAM in MB divided by 4”.</extracomment>
        <translation>未設定原則時：%1，除非使用者另有選擇。</translation>
    </message>
    <message>
        <source>A computer policy wins over a user policy, and both over the user&apos;s own choice, which the control panel then shows as &quot;Set by your administrator&quot;. When the policy is not configured, the user&apos;s own choice applies.</source>
        <translation>電腦原則優先於使用者原則，兩者都優先於使用者自己的選擇，此時操作面板會將該選項顯示為「由您的系統管理員設定」。原則為「尚未設定」時，會套用使用者自己的選擇。</translation>
    </message>
    <message>
        <source>Minimum free RAM (MB)</source>
        <translation>最低閒置記憶體 (MB)</translation>
    </message>
    <message>
        <source>Free up RAM on startup</source>
        <translation>啟動時釋放記憶體</translation>
    </message>
    <message>
        <source>Enabled: on (1). Disabled: off (0).</source>
        <translation>已啟用：開啟 (1)。已停用：關閉 (0)。</translation>
    </message>
    <message>
        <source>RAM to free on startup (MB)</source>
        <translation>啟動時要釋放的記憶體 (MB)</translation>
    </message>
    <message>
        <source>Delay of the startup recovery (seconds)</source>
        <translation>啟動後釋放記憶體前的延遲 (秒)</translation>
    </message>
    <message>
        <source>RAM to free periodically (MB)</source>
        <translation>定期釋放的記憶體 (MB)</translation>
    </message>
    <message>
        <source>Free up RAM every (minutes, 0 for never)</source>
        <translation>釋放記憶體的間隔 (分鐘，0 表示永不)</translation>
    </message>
    <message>
        <source>Free RAM percentage shown with the periodic recovery</source>
        <translation>定期釋放記憶體的閒置記憶體百分比門檻</translation>
    </message>
    <message>
        <source>Disable CPU usage detection</source>
        <translation>停用 CPU 使用率偵測</translation>
    </message>
    <message>
        <source>Tray icon text color</source>
        <translation>通知區域圖示文字色彩</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>黑色</translation>
    </message>
    <message>
        <source>White</source>
        <translation>白色</translation>
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
        <translation>下列其中之一：%1。</translation>
    </message>
    <message>
        <source>Tray icon shows</source>
        <translation>通知區域圖示顯示的內容</translation>
    </message>
    <message>
        <source>Percentage of CPU Usage</source>
        <translation>CPU 使用率百分比</translation>
    </message>
    <message>
        <source>Percentage of Free RAM</source>
        <translation>閒置記憶體百分比</translation>
    </message>
    <message>
        <source>First recovery amount of the tray menu (MB)</source>
        <translation>通知區域功能表中的第一個釋放量 (MB)</translation>
    </message>
    <message>
        <source>Second recovery amount of the tray menu (MB)</source>
        <translation>通知區域功能表中的第二個釋放量 (MB)</translation>
    </message>
    <message>
        <source>Third recovery amount of the tray menu (MB)</source>
        <translation>通知區域功能表中的第三個釋放量 (MB)</translation>
    </message>
    <message>
        <source>Also clear the clipboard when freeing up RAM</source>
        <translation>釋放記憶體時一併清除剪貼簿</translation>
    </message>
    <message>
        <source>Play alarm sound before freeing up RAM</source>
        <translation>釋放記憶體前播放警示音</translation>
    </message>
    <message>
        <source>Alarm sound file</source>
        <translation>警示音檔案</translation>
    </message>
    <message>
        <source>A full path, at most %1 characters.</source>
        <extracomment>%1: a number of characters, such as 259.</extracomment>
        <translation>完整路徑，最多 %1 個字元。</translation>
    </message>
    <message>
        <source>Free up RAM hot key (Ctrl + Alt + the key of this code)</source>
        <translation>釋放記憶體的快速鍵 (Ctrl + Alt + 此代碼對應的按鍵)</translation>
    </message>
    <message>
        <source>Disable/enable hot key (Ctrl + Alt + the key of this code)</source>
        <translation>停用/啟用的快速鍵 (Ctrl + Alt + 此代碼對應的按鍵)</translation>
    </message>
    <message>
        <source>Show how much RAM was recovered</source>
        <translation>顯示釋放了多少記憶體</translation>
    </message>
    <message>
        <source>Pause automatic recovery while it cannot help</source>
        <translation>無法發揮效果時暫停自動釋放</translation>
    </message>
    <message>
        <source>Pause automatic recovery while a full-screen program runs</source>
        <translation>全螢幕程式執行時暫停自動釋放</translation>
    </message>
    <message>
        <source>Pause automatic recovery while one of these programs runs</source>
        <translation>下列任一程式執行時暫停自動釋放</translation>
    </message>
    <message>
        <source>Program file names separated by semicolons, such as game.exe;obs64.exe, at most %1 characters.</source>
        <extracomment>Keep the example file names as they are. %1: a number of characters, such as 1023.</extracomment>
        <translation>程式檔案名稱，以分號分隔，例如 game.exe;obs64.exe，最多 %1 個字元。</translation>
    </message>
    <message>
        <source>Start Quenby automatically at Windows startup</source>
        <translation>在 Windows 啟動時自動啟動 Quenby</translation>
    </message>
    <message>
        <source>Enabled: the tray engine starts when the user signs in to Windows. Disabled: it does not. The engine brings the user&apos;s start-up entry in line when it starts.</source>
        <translation>已啟用：使用者登入 Windows 時，會啟動通知區域程式。已停用：不會啟動。該程式啟動時，會讓使用者的啟動項目與此設定一致。</translation>
    </message>
    <message>
        <source>Settings of the Quenby RAM optimizer</source>
        <translation>Quenby 記憶體最佳化工具設定</translation>
    </message>
</context>
</TS>
