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
        <translation>關閉</translation>
    </message>
    <message>
        <source>Website:</source>
        <translation>網站：</translation>
    </message>
    <message>
        <source>Version: %1.%2.%3 (Beta)</source>
        <translation>版本 %1.%2.%3 (Beta 版)</translation>
    </message>
    <message>
        <source>for Windows %1</source>
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
        <translation>儲存</translation>
    </message>
    <message>
        <source>Enable RAM Optimizer</source>
        <translation>啟用記憶體最佳化工具</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>停用</translation>
    </message>
    <message>
        <source>Close</source>
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
        <translation>系統拒絕啟動此程式 (錯誤 %1)。</translation>
    </message>
    <message>
        <source>The RAM optimizer could not be started from %1.</source>
        <translation>無法從 %1 啟動記憶體最佳化工具。</translation>
    </message>
    <message>
        <source>Total RAM: %1MB</source>
        <translation>記憶體總計：%1 MB</translation>
    </message>
    <message>
        <source>Available RAM: %1MB (%2%)</source>
        <translation>可用記憶體：%1 MB (%2%)</translation>
    </message>
    <message>
        <source>CPU Usages: %1%</source>
        <translation>CPU 使用率：%1%</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>Target free RAM, %1 MB</source>
        <translation>目標閒置記憶體，%1 MB</translation>
    </message>
    <message>
        <source>Minimum free RAM, %1 MB</source>
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
        <translation>Ctrl+Alt+%1 無法作為快速鍵：您的鍵盤配置沒有「%1」鍵。</translation>
    </message>
    <message>
        <source>Ctrl+Alt+%1 can&apos;t be a hot key: on your keyboard layout it types “%2”, which every program would then lose.</source>
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
        <translation>啟動後釋放記憶體，延遲</translation>
    </message>
    <message>
        <source>MB of RAM on startup after</source>
        <translation>MB 記憶體，啟動後延遲</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>Free-up RAM every</source>
        <translation>定期釋放記憶體：每</translation>
    </message>
    <message>
        <source>MB every</source>
        <translation>MB，每</translation>
    </message>
    <message>
        <source>minutes if free RAM below</source>
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
        <translation>預設：</translation>
    </message>
    <message>
        <source>Recovering RAM:</source>
        <translation>釋放記憶體時：</translation>
    </message>
    <message>
        <source>Tray icon text color</source>
        <translation>圖示文字色彩</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>將</translation>
    </message>
    <message>
        <source>in tray icon</source>
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
        <translation>釋放</translation>
    </message>
    <message>
        <source>MB menu</source>
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
        <translation>釋放記憶體的快速鍵：Ctrl + Alt +</translation>
    </message>
    <message>
        <source>Disable/enable Quenby hotkey : Cltr + Alt +</source>
        <translation>停用/啟用 Quenby 的快速鍵：Ctrl + Alt +</translation>
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
</TS>
