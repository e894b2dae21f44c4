<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Copyright © Quenby. All rights reserved.</source>
        <translation>版权所有 © Quenby。保留所有权利。</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Website:</source>
        <translation>网站：</translation>
    </message>
    <message>
        <source>Version: %1.%2.%3 (Beta)</source>
        <translation>版本 %1.%2.%3（测试版）</translation>
    </message>
    <message>
        <source>for Windows %1</source>
        <translation>适用于 Windows %1</translation>
    </message>
</context>
<context>
    <name>GraphForm</name>
    <message>
        <source>Usage graph of the free RAM</source>
        <translation>空闲内存变化图</translation>
    </message>
    <message>
        <source>%1% of RAM free</source>
        <translation>空闲内存 %1%</translation>
    </message>
</context>
<context>
    <name>HistoryPage</name>
    <message>
        <source>Low free RAM</source>
        <comment>what started a recovery</comment>
        <translation>空闲内存不足</translation>
    </message>
    <message>
        <source>Every few minutes</source>
        <comment>what started a recovery: the periodic rule</comment>
        <translation>每隔几分钟</translation>
    </message>
    <message>
        <source>Startup</source>
        <comment>what started a recovery: the recovery after Quenby starts</comment>
        <translation>启动时</translation>
    </message>
    <message>
        <source>Tray menu</source>
        <comment>what started a recovery</comment>
        <translation>通知区域菜单</translation>
    </message>
    <message>
        <source>Hot key</source>
        <comment>what started a recovery</comment>
        <translation>快捷键</translation>
    </message>
    <message>
        <source>Request</source>
        <comment>what started a recovery: another program (the command line) asked</comment>
        <translation>其他程序请求</translation>
    </message>
    <message>
        <source>Ran</source>
        <translation>已执行</translation>
    </message>
    <message>
        <source>Did not run: the processor was busy</source>
        <translation>未执行：CPU 繁忙</translation>
    </message>
    <message>
        <source>Did not run: another user&apos;s recovery was running</source>
        <translation>未执行：另一用户的内存释放正在进行</translation>
    </message>
    <message>
        <source>Did not run: a full-screen program was running</source>
        <translation>未执行：有全屏程序正在运行</translation>
    </message>
    <message>
        <source>Did not run: a protected program was running</source>
        <translation>未执行：指定的程序之一正在运行</translation>
    </message>
    <message>
        <source>Did not run: paused after a recovery that could not help</source>
        <translation>未执行：因上次释放未见效而暂停</translation>
    </message>
    <message>
        <source>Did not run: more than three quarters of the RAM was free</source>
        <translation>未执行：超过四分之三的内存处于空闲状态</translation>
    </message>
    <message>
        <source>No recovery yet.</source>
        <translation>尚无释放记录。</translation>
    </message>
    <message>
        <source>When</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>Started by</source>
        <translation>触发方式</translation>
    </message>
    <message>
        <source>What happened</source>
        <translation>结果</translation>
    </message>
    <message>
        <source>Before (MB)</source>
        <comment>column: free RAM before the recovery, in megabytes</comment>
        <translation>释放前（MB）</translation>
    </message>
    <message>
        <source>After (MB)</source>
        <comment>column: free RAM after the recovery, in megabytes</comment>
        <translation>释放后（MB）</translation>
    </message>
    <message>
        <source>Used (MB)</source>
        <comment>column: the megabytes the recovery allocated and released</comment>
        <translation>占用（MB）</translation>
    </message>
    <message>
        <source>Seconds</source>
        <comment>column: how long the recovery took</comment>
        <translation>耗时（秒）</translation>
    </message>
    <message>
        <source>Free RAM before the recovery</source>
        <translation>释放前的空闲内存</translation>
    </message>
    <message>
        <source>Free RAM after the recovery</source>
        <translation>释放后的空闲内存</translation>
    </message>
    <message>
        <source>The RAM the recovery took for a moment and gave back</source>
        <translation>释放过程中短暂占用后归还的内存</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Total RAM: n/a</source>
        <translation>内存总量：未知</translation>
    </message>
    <message>
        <source>Available RAM: n/a</source>
        <translation>可用内存：未知</translation>
    </message>
    <message>
        <source>CPU Usage: n/a</source>
        <translation>CPU 使用率：未知</translation>
    </message>
    <message>
        <source>Free-up RAM</source>
        <translation>释放内存</translation>
    </message>
    <message>
        <source>Target Free RAM:</source>
        <translation>目标空闲内存：</translation>
    </message>
    <message>
        <source>Minimum Free RAM:</source>
        <translation>最小空闲内存：</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>选项</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Enable RAM Optimizer</source>
        <translation>启用内存优化器</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>禁用</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>找不到该文件。</translation>
    </message>
    <message>
        <source>You are not allowed to run this file.</source>
        <translation>你没有运行此文件的权限。</translation>
    </message>
    <message>
        <source>The file is not a program that can be run.</source>
        <translation>该文件不是可运行的程序。</translation>
    </message>
    <message>
        <source>There is not enough memory to start it.</source>
        <translation>内存不足，无法启动。</translation>
    </message>
    <message>
        <source>The system refused to start it (error %1).</source>
        <translation>系统拒绝启动该程序（错误 %1）。</translation>
    </message>
    <message>
        <source>The RAM optimizer could not be started from %1.</source>
        <translation>无法从 %1 启动内存优化器。</translation>
    </message>
    <message>
        <source>Total RAM: %1MB</source>
        <translation>内存总量：%1 MB</translation>
    </message>
    <message>
        <source>Available RAM: %1MB (%2%)</source>
        <translation>可用内存：%1 MB（%2%）</translation>
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
        <translation>目标空闲内存，%1 MB</translation>
    </message>
    <message>
        <source>Minimum free RAM, %1 MB</source>
        <translation>最小空闲内存，%1 MB</translation>
    </message>
    <message>
        <source>Save the target and minimum free RAM</source>
        <translation>保存目标空闲内存和最小空闲内存</translation>
    </message>
    <message>
        <source>Open the options</source>
        <translation>打开选项</translation>
    </message>
    <message>
        <source>Enable the RAM optimizer</source>
        <translation>启用内存优化器</translation>
    </message>
    <message>
        <source>Disable the RAM optimizer</source>
        <translation>禁用内存优化器</translation>
    </message>
    <message>
        <source>Close the RAM optimizer</source>
        <translation>退出内存优化器</translation>
    </message>
    <message>
        <source>About Quenby</source>
        <translation>关于 Quenby</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Ctrl+Alt+%1 can&apos;t be a hot key: your keyboard layout has no key for “%1”.</source>
        <translation>Ctrl+Alt+%1 不能用作快捷键：你的键盘布局中没有“%1”键。</translation>
    </message>
    <message>
        <source>Ctrl+Alt+%1 can&apos;t be a hot key: on your keyboard layout it types “%2”, which every program would then lose.</source>
        <translation>Ctrl+Alt+%1 不能用作快捷键：在你的键盘布局中，该键会输入“%2”，设为快捷键后所有程序都将无法再输入该字符。</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>选项</translation>
    </message>
    <message>
        <source>General</source>
        <translation>常规</translation>
    </message>
    <message>
        <source>Start Quenby automatically at Windows startup</source>
        <translation>Windows 启动时自动运行 Quenby</translation>
    </message>
    <message>
        <source>Free-up RAM on startup after</source>
        <translation>启动后释放内存，延迟</translation>
    </message>
    <message>
        <source>MB of RAM on startup after</source>
        <translation>MB 内存，启动后延迟</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>Free-up RAM every</source>
        <translation>定期释放内存：每</translation>
    </message>
    <message>
        <source>MB every</source>
        <translation>MB，每</translation>
    </message>
    <message>
        <source>minutes if free RAM below</source>
        <translation>分钟一次，仅当空闲内存低于</translation>
    </message>
    <message>
        <source>Pause automatic recovery while it cannot help</source>
        <translation>无法见效时暂停自动释放</translation>
    </message>
    <message>
        <source>Pause automatic recovery while a full-screen program runs</source>
        <translation>全屏程序运行时暂停自动释放</translation>
    </message>
    <message>
        <source>CPU usage:</source>
        <translation>CPU 使用率：</translation>
    </message>
    <message>
        <source>Disable CPU usage detection</source>
        <translation>禁用 CPU 使用率检测</translation>
    </message>
    <message>
        <source>Enable the CPU usage detection to prevent Quenby recovering RAM when your CPU is busy. Please note that CPU cooling and few other programs use special method that cause the CPU usage always stay at 100% level. When you have this kind of situation, disable the CPU usage detection to allow Quenby recovering RAM at any CPU usage level.</source>
        <translation>启用 CPU 使用率检测后，Quenby 不会在 CPU 繁忙时释放内存。请注意，CPU 降温程序和少数其他程序使用的特殊方法会使 CPU 使用率始终保持在 100%。遇到这种情况时，请禁用 CPU 使用率检测，让 Quenby 在任何 CPU 使用率下都能释放内存。</translation>
    </message>
    <message>
        <source>Tray Icon</source>
        <translation>通知区域图标</translation>
    </message>
    <message>
        <source>Default:</source>
        <translation>默认：</translation>
    </message>
    <message>
        <source>Recovering RAM:</source>
        <translation>释放内存时：</translation>
    </message>
    <message>
        <source>Tray icon text color</source>
        <translation>图标文字颜色</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>将</translation>
    </message>
    <message>
        <source>in tray icon</source>
        <translation>显示在通知区域图标中</translation>
    </message>
    <message>
        <source>Show how much RAM was recovered</source>
        <translation>显示释放了多少内存</translation>
    </message>
    <message>
        <source>Popup Menu</source>
        <translation>弹出菜单</translation>
    </message>
    <message>
        <source>Recover</source>
        <translation>释放</translation>
    </message>
    <message>
        <source>MB menu</source>
        <translation>MB（菜单项）</translation>
    </message>
    <message>
        <source>Others</source>
        <translation>其他</translation>
    </message>
    <message>
        <source>Also clear Windows Clipboard when freeing up RAM</source>
        <translation>释放内存时同时清除 Windows 剪贴板</translation>
    </message>
    <message>
        <source>Play alarm sound before freeing up RAM</source>
        <translation>释放内存前播放提示音</translation>
    </message>
    <message>
        <source>Free up RAM hot key : Cltr + Alt +</source>
        <translation>释放内存的快捷键：Ctrl + Alt +</translation>
    </message>
    <message>
        <source>Disable/enable Quenby hotkey : Cltr + Alt +</source>
        <translation>禁用/启用 Quenby 的快捷键：Ctrl + Alt +</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
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
        <translation>自动</translation>
    </message>
    <message>
        <source>Percentage of CPU Usage</source>
        <translation>CPU 使用率百分比</translation>
    </message>
    <message>
        <source>Percentage of Free RAM</source>
        <translation>空闲内存百分比</translation>
    </message>
    <message>
        <source>RAM to free on startup, in MB</source>
        <translation>启动时要释放的内存量（MB）</translation>
    </message>
    <message>
        <source>Delay of the startup recovery, in seconds</source>
        <translation>启动后释放内存前的延迟（秒）</translation>
    </message>
    <message>
        <source>RAM to free periodically, in MB</source>
        <translation>定期释放的内存量（MB）</translation>
    </message>
    <message>
        <source>Free-up RAM every, in minutes (0 for never)</source>
        <translation>释放内存的间隔（分钟，0 表示从不）</translation>
    </message>
    <message>
        <source>Only if free RAM is below, in percent</source>
        <translation>仅当空闲内存低于此百分比时</translation>
    </message>
    <message>
        <source>CPU usage</source>
        <translation>CPU 使用率</translation>
    </message>
    <message>
        <source>What the tray icon shows</source>
        <translation>通知区域图标显示的内容</translation>
    </message>
    <message>
        <source>First recovery amount of the tray menu, in MB</source>
        <translation>通知区域菜单中的第一个释放量（MB）</translation>
    </message>
    <message>
        <source>Second recovery amount of the tray menu, in MB</source>
        <translation>通知区域菜单中的第二个释放量（MB）</translation>
    </message>
    <message>
        <source>Third recovery amount of the tray menu, in MB</source>
        <translation>通知区域菜单中的第三个释放量（MB）</translation>
    </message>
    <message>
        <source>Alarm sound file</source>
        <translation>提示音文件</translation>
    </message>
    <message>
        <source>Choose the alarm sound file</source>
        <translation>选择提示音文件</translation>
    </message>
    <message>
        <source>Free up RAM hot key: Ctrl + Alt + this key</source>
        <translation>释放内存的快捷键：Ctrl + Alt + 此键</translation>
    </message>
    <message>
        <source>Disable/enable hot key: Ctrl + Alt + this key</source>
        <translation>禁用/启用的快捷键：Ctrl + Alt + 此键</translation>
    </message>
    <message>
        <source>Add Files</source>
        <translation>添加文件</translation>
    </message>
    <message>
        <source>All Files (*.wav)</source>
        <translation>声音文件 (*.wav)</translation>
    </message>
    <message>
        <source>Pause automatic recovery while one of these programs runs:</source>
        <translation>以下任一程序运行时暂停自动释放：</translation>
    </message>
    <message>
        <source>game.exe;obs64.exe</source>
        <extracomment>An example of the list: two program file names separated by a semicolon. Keep the names as they are.</extracomment>
        <translation>game.exe;obs64.exe</translation>
    </message>
    <message>
        <source>History</source>
        <translation>历史记录</translation>
    </message>
    <message>
        <source>Program file names as Task Manager shows them, separated by semicolons.</source>
        <translation>程序文件名，与任务管理器中显示的一致，以分号分隔。</translation>
    </message>
    <message>
        <source>Ignored, as they are not program file names: %1</source>
        <comment>followed by the names</comment>
        <translation>已忽略，因为这些不是程序文件名：%1</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Set by your administrator</source>
        <translation>由你的管理员设置</translation>
    </message>
    <message>
        <source>Your administrator set Quenby to start automatically for every user of this PC.</source>
        <translation>你的管理员已将 Quenby 设置为对此电脑的每个用户自动启动。</translation>
    </message>
</context>
</TS>
