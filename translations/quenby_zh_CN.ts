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
        <extracomment>Closes this About box.</extracomment>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Website:</source>
        <translation>网站：</translation>
    </message>
    <message>
        <source>Version: %1.%2.%3 (Beta)</source>
        <extracomment>%1, %2 and %3: the parts of the version number, as in 1.4.2.</extracomment>
        <translation>版本 %1.%2.%3（测试版）</translation>
    </message>
    <message>
        <source>for Windows %1</source>
        <extracomment>%1: the Windows version the panel runs on, 10 or 11.</extracomment>
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
        <extracomment>Read by screen readers for the usage graph. %1: the free share of the RAM in percent; the % after it is the percent sign.</extracomment>
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
        <extracomment>The title of the group with the two sliders that set the free-RAM levels.</extracomment>
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
        <extracomment>Stores the two free-RAM levels set with the sliders.</extracomment>
        <translation>保存</translation>
    </message>
    <message>
        <source>Enable RAM Optimizer</source>
        <translation>启用内存优化器</translation>
    </message>
    <message>
        <source>Disable</source>
        <extracomment>Switches the automatic recovery off; the button then reads “Enable RAM Optimizer”.</extracomment>
        <translation>禁用</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Ends the tray engine (the RAM optimizer itself), not only this window.</extracomment>
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
        <extracomment>Why the tray engine could not be started. %1: Windows&apos; error number.</extracomment>
        <translation>系统拒绝启动该程序（错误 %1）。</translation>
    </message>
    <message>
        <source>The RAM optimizer could not be started from %1.</source>
        <extracomment>%1: the full path of the tray engine&apos;s program file; a sentence saying why follows on the next line.</extracomment>
        <translation>无法从 %1 启动内存优化器。</translation>
    </message>
    <message>
        <source>Total RAM: %1MB</source>
        <extracomment>%1: megabytes of RAM installed, a whole number.</extracomment>
        <translation>内存总量：%1 MB</translation>
    </message>
    <message>
        <source>Available RAM: %1MB (%2%)</source>
        <extracomment>%1: megabytes of RAM available now; %2: that as a share of all RAM, in percent (the % after it is the percent sign).</extracomment>
        <translation>可用内存：%1 MB（%2%）</translation>
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
        <translation>目标空闲内存，%1 MB</translation>
    </message>
    <message>
        <source>Minimum free RAM, %1 MB</source>
        <extracomment>Read by screen readers for the slider. %1: the megabytes it is set to.</extracomment>
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
        <extracomment>%1: the character the user typed as the hot key, such as K.</extracomment>
        <translation>Ctrl+Alt+%1 不能用作快捷键：你的键盘布局中没有“%1”键。</translation>
    </message>
    <message>
        <source>Ctrl+Alt+%1 can&apos;t be a hot key: on your keyboard layout it types “%2”, which every program would then lose.</source>
        <extracomment>%1: the character the user typed as the hot key; %2: the character that key combination types on the user&apos;s keyboard layout (as AltGr would).</extracomment>
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
        <extracomment>Start of a sentence the dialog puts together: this check box, a number of seconds, then “seconds”: “Free-up RAM on startup after [60] seconds”.</extracomment>
        <translation>启动后释放内存，延迟</translation>
    </message>
    <message>
        <source>MB of RAM on startup after</source>
        <extracomment>A hidden part of the start-up sentence, after a number of megabytes.</extracomment>
        <translation>MB 内存，启动后延迟</translation>
    </message>
    <message>
        <source>seconds</source>
        <extracomment>End of the sentence “Free-up RAM on startup after [60] seconds”.</extracomment>
        <translation>秒</translation>
    </message>
    <message>
        <source>Free-up RAM every</source>
        <extracomment>Start of a sentence the dialog puts together: “Free-up RAM every [4] minutes if free RAM below [50] %”.</extracomment>
        <translation>定期释放内存：每</translation>
    </message>
    <message>
        <source>MB every</source>
        <extracomment>A hidden part of the periodic sentence, after a number of megabytes.</extracomment>
        <translation>MB，每</translation>
    </message>
    <message>
        <source>minutes if free RAM below</source>
        <extracomment>Middle of the sentence “Free-up RAM every [4] minutes if free RAM below [50] %”: between two numbers.</extracomment>
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
        <extracomment>Beside a bar that shows the processor load.</extracomment>
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
        <extracomment>Beside the picture of the tray icon as it normally looks.</extracomment>
        <translation>默认：</translation>
    </message>
    <message>
        <source>Recovering RAM:</source>
        <extracomment>Beside the picture of the tray icon while it recovers RAM.</extracomment>
        <translation>释放内存时：</translation>
    </message>
    <message>
        <source>Tray icon text color</source>
        <translation>图标文字颜色</translation>
    </message>
    <message>
        <source>Display</source>
        <extracomment>Start of “Display [Percentage of Free RAM] in tray icon”: a list to choose from follows.</extracomment>
        <translation>将</translation>
    </message>
    <message>
        <source>in tray icon</source>
        <extracomment>End of “Display [Percentage of Free RAM] in tray icon”.</extracomment>
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
        <extracomment>Start of “Recover [512] MB menu”: sets the amount of one entry of the tray icon&apos;s menu.</extracomment>
        <translation>释放</translation>
    </message>
    <message>
        <source>MB menu</source>
        <extracomment>End of “Recover [512] MB menu”.</extracomment>
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
        <translation type="vanished">释放内存的快捷键：Ctrl + Alt +</translation>
    </message>
    <message>
        <source>Disable/enable Quenby hotkey : Cltr + Alt +</source>
        <translation type="vanished">禁用/启用 Quenby 的快捷键：Ctrl + Alt +</translation>
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
    <message>
        <source>Free up RAM hot key: Ctrl + Alt +</source>
        <extracomment>A field for one key follows: Ctrl + Alt + that key frees up RAM in every program.</extracomment>
        <translation>释放内存的快捷键：Ctrl + Alt +</translation>
    </message>
    <message>
        <source>Disable/enable Quenby hot key: Ctrl + Alt +</source>
        <extracomment>A field for one key follows: Ctrl + Alt + that key switches the automatic recovery off and on.</extracomment>
        <translation>禁用/启用 Quenby 的快捷键：Ctrl + Alt +</translation>
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
<context>
    <name>Quenbytray</name>
    <message>
        <source>Restart Windows</source>
        <comment>104</comment>
        <translation>重启电脑</translation>
    </message>
    <message>
        <source>Suspend Windows</source>
        <comment>105</comment>
        <translation>让电脑进入睡眠状态</translation>
    </message>
    <message>
        <source>Shutdown Windows</source>
        <comment>106</comment>
        <translation>关闭电脑</translation>
    </message>
    <message>
        <source>Clear Clipboard</source>
        <comment>107</comment>
        <translation>清除剪贴板</translation>
    </message>
    <message>
        <source>Free-up RAM Manually
</source>
        <comment>108</comment>
        <extracomment>A menu item that frees up RAM now; the line end stays.</extracomment>
        <translation>手动释放内存
</translation>
    </message>
    <message>
        <source>Configuration...</source>
        <comment>110</comment>
        <translation>选项...</translation>
    </message>
    <message>
        <source>Disable RAM Optimizer</source>
        <comment>111</comment>
        <translation>禁用内存优化器</translation>
    </message>
    <message>
        <source>Enable RAM Optimizer</source>
        <comment>112</comment>
        <translation>启用内存优化器</translation>
    </message>
    <message>
        <source>Close RAM Optimizer</source>
        <comment>113</comment>
        <extracomment>Ends the tray engine: its icon and the automatic recovery go away.</extracomment>
        <translation>退出内存优化器</translation>
    </message>
    <message>
        <source>Do you want to restart your computer now?</source>
        <comment>114</comment>
        <translation>要立即重启电脑吗？</translation>
    </message>
    <message>
        <source>Do you want to suspend your computer now?</source>
        <comment>115</comment>
        <translation>要立即让电脑进入睡眠状态吗？</translation>
    </message>
    <message>
        <source>Do you want to shutdown your computer now?</source>
        <comment>116</comment>
        <translation>要立即关闭电脑吗？</translation>
    </message>
    <message>
        <source>Confirm</source>
        <comment>117</comment>
        <extracomment>The title of the box that asks before a restart, a sleep or a shutdown.</extracomment>
        <translation>确认</translation>
    </message>
    <message>
        <source>RAM Optimizer
</source>
        <comment>118</comment>
        <extracomment>The first line of the tray icon&apos;s tooltip; the line end stays.</extracomment>
        <translation>内存优化器
</translation>
    </message>
    <message>
        <source>Free RAM: %1 MB (%2%)
</source>
        <comment>119</comment>
        <extracomment>The second line of the tooltip. %1: megabytes of free RAM; %2: that as a share of all RAM in percent, the % after it being the percent sign. The line end stays.</extracomment>
        <translation>空闲内存：%1 MB（%2%）
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
        <translation>CreateProcess 失败（%1）。</translation>
    </message>
    <message>
        <source>Error</source>
        <comment>123</comment>
        <extracomment>The title of a box that says something failed.</extracomment>
        <translation>错误</translation>
    </message>
    <message>
        <source>RAM Optimizer</source>
        <comment>124</comment>
        <extracomment>The title of the notices the tray icon shows.</extracomment>
        <translation>内存优化器</translation>
    </message>
    <message>
        <source>Recovered %1 MB, %2 MB free now</source>
        <comment>125</comment>
        <extracomment>A notice after a recovery. %1: the megabytes recovered; %2: the megabytes free now.</extracomment>
        <translation>已释放 %1 MB 内存，当前空闲内存 %2 MB</translation>
    </message>
    <message>
        <source>No RAM could be recovered</source>
        <comment>126</comment>
        <translation>未能释放任何内存</translation>
    </message>
    <message>
        <source>Windows could not be restarted (error %1). %2</source>
        <comment>127</comment>
        <extracomment>%1: Windows&apos; error number; %2: Windows&apos; own description of the error, a sentence or empty.</extracomment>
        <translation>无法重启电脑（错误 %1）。%2</translation>
    </message>
    <message>
        <source>Windows could not be suspended (error %1). %2</source>
        <comment>128</comment>
        <extracomment>%1: Windows&apos; error number; %2: Windows&apos; own description of the error, a sentence or empty.</extracomment>
        <translation>无法让电脑进入睡眠状态（错误 %1）。%2</translation>
    </message>
    <message>
        <source>Windows could not be shut down (error %1). %2</source>
        <comment>129</comment>
        <extracomment>%1: Windows&apos; error number; %2: Windows&apos; own description of the error, a sentence or empty.</extracomment>
        <translation>无法关闭电脑（错误 %1）。%2</translation>
    </message>
    <message>
        <source>Hot key not available</source>
        <comment>132</comment>
        <translation>快捷键不可用</translation>
    </message>
    <message>
        <source>The hot key Ctrl+Alt+%1 could not be registered: another program uses it.</source>
        <comment>133</comment>
        <extracomment>%1: the character of the hot key, such as K.</extracomment>
        <translation>无法注册快捷键 Ctrl+Alt+%1：另一个程序正在使用它。</translation>
    </message>
    <message>
        <source>The hot key Ctrl+Alt+%1 was not registered: on your keyboard layout it types “%2”.</source>
        <comment>134</comment>
        <extracomment>%1: the character of the hot key; %2: the character the key combination types on the user&apos;s keyboard layout.</extracomment>
        <translation>未注册快捷键 Ctrl+Alt+%1：在你的键盘布局中，该键会输入“%2”。</translation>
    </message>
    <message>
        <source>The hot key Ctrl+Alt+%1 was not registered: your keyboard layout has no such key.</source>
        <comment>135</comment>
        <extracomment>%1: the character of the hot key.</extracomment>
        <translation>未注册快捷键 Ctrl+Alt+%1：你的键盘布局中没有此键。</translation>
    </message>
    <message>
        <source>This computer uses Modern Standby, which only Windows itself can start: to let it sleep, press its power button or choose Power &gt; Sleep in the Start menu.</source>
        <comment>137</comment>
        <translation>这台电脑使用新式待机（Modern Standby），只有 Windows 自身才能启动它：要让电脑进入睡眠状态，请按电脑的电源按钮，或在“开始”菜单中选择“电源”&gt;“睡眠”。</translation>
    </message>
    <message>
        <source>This computer may not be able to sleep, and Windows may hibernate it instead. Do you want to go on?</source>
        <comment>138</comment>
        <translation>这台电脑可能无法进入睡眠状态，Windows 可能会改为让它休眠。要继续吗？</translation>
    </message>
</context>
<context>
    <name>Setup</name>
    <message>
        <source>Quenby is still running and could not be closed.</source>
        <comment>STILL_RUNNING_DETAIL</comment>
        <translation>Quenby 仍在运行，无法让它退出。</translation>
    </message>
    <message>
        <source>Quenby is still running and could not be closed.

Close it (tray menu: Close RAM Optimizer; and the control panel&apos;s window), then choose Retry.</source>
        <comment>STILL_RUNNING_BOX</comment>
        <translation>Quenby 仍在运行，无法让它退出。

请先退出 Quenby（在通知区域菜单中选择“退出内存优化器”，并关闭操作面板窗口），然后选择“重试”。</translation>
    </message>
    <message>
        <source>Quenby is still running; nothing was changed.</source>
        <comment>STILL_RUNNING_ABORT</comment>
        <translation>Quenby 仍在运行，未做任何更改。</translation>
    </message>
    <message>
        <source>Quenby&apos;s setup or uninstaller is already running.</source>
        <comment>ALREADY_RUNNING</comment>
        <translation>Quenby 的安装程序或卸载程序已在运行。</translation>
    </message>
    <message>
        <source>Closing Quenby if it runs...</source>
        <comment>CLOSING</comment>
        <translation>正在退出 Quenby（如果正在运行）...</translation>
    </message>
    <message>
        <source>Quenby control panel: RAM and CPU figures and the options</source>
        <comment>PANEL_LINK_DESCRIPTION</comment>
        <translation>Quenby 操作面板：查看内存和 CPU 数据，设置选项</translation>
    </message>
    <message>
        <source>Quenby tray engine</source>
        <comment>ENGINE_LINK_NAME</comment>
        <extracomment>The name of the Start-menu shortcut to the tray engine.</extracomment>
        <translation>Quenby 通知区域程序</translation>
    </message>
    <message>
        <source>Start Quenby&apos;s tray engine, which recovers RAM</source>
        <comment>ENGINE_LINK_DESCRIPTION</comment>
        <translation>启动 Quenby 的通知区域程序，由它释放内存</translation>
    </message>
    <message>
        <source>Quenby (required)</source>
        <comment>SECTION_PROGRAM</comment>
        <translation>Quenby（必需）</translation>
    </message>
    <message>
        <source>Start with Windows</source>
        <comment>SECTION_AUTOSTART</comment>
        <translation>随 Windows 启动</translation>
    </message>
    <message>
        <source>Starting the tray engine again...</source>
        <comment>RESTARTING_ENGINE</comment>
        <translation>正在重新启动通知区域程序...</translation>
    </message>
    <message>
        <source>The tray engine, the control panel, the command-line client quenbyctl and Start-menu shortcuts.</source>
        <comment>SECTION_PROGRAM_DESCRIPTION</comment>
        <translation>通知区域程序、操作面板、命令行客户端 quenbyctl 和“开始”菜单快捷方式。</translation>
    </message>
    <message>
        <source>Start the tray engine when you sign in to Windows.</source>
        <comment>SECTION_AUTOSTART_DESCRIPTION</comment>
        <translation>登录 Windows 时启动通知区域程序。</translation>
    </message>
    <message>
        <source>Unknown value /AUTOSTART=%1: use /AUTOSTART=1 or /AUTOSTART=0.</source>
        <comment>BAD_AUTOSTART</comment>
        <extracomment>$1 (%1 for translators): the value given after /AUTOSTART= on the command line.</extracomment>
        <translation>未知值 /AUTOSTART=%1：请使用 /AUTOSTART=1 或 /AUTOSTART=0。</translation>
    </message>
    <message>
        <source>Open the Quenby control panel</source>
        <comment>FINISH_RUN</comment>
        <translation>打开 Quenby 操作面板</translation>
    </message>
    <message>
        <source>Installing or removing Quenby for all users of this computer needs administrator rights. Run it again as an administrator.</source>
        <comment>NEEDS_ADMINISTRATOR</comment>
        <translation>为此电脑的所有用户安装或删除 Quenby 需要管理员权限。请以管理员身份重新运行。</translation>
    </message>
    <message>
        <source>Quenby has been installed for all users of this computer.

Setup did not start it. Open it from the Start menu. If Start with Windows was selected, it starts for each user when they sign in.</source>
        <comment>FINISH_MACHINE_TEXT</comment>
        <translation>已为此电脑的所有用户安装 Quenby。

安装程序没有启动 Quenby。请从“开始”菜单打开它。如果选择了“随 Windows 启动”，它会在每个用户登录时启动。</translation>
    </message>
    <message>
        <source>The previous version is still running in another user&apos;s session and keeps running there until it is closed. Its files are removed when you restart the computer.</source>
        <comment>FINISH_SET_ASIDE</comment>
        <translation>旧版本仍在另一个用户的会话中运行，并将继续运行，直到在该会话中退出为止。重启电脑后，旧版本的文件将被删除。</translation>
    </message>
    <message>
        <source>%1 is in use in another user&apos;s session and was renamed to %2.</source>
        <comment>SET_ASIDE_DETAIL</comment>
        <extracomment>%1: the full path of a file of the previous version; %2: the name it was renamed to.</extracomment>
        <translation>%1 正在另一个用户的会话中使用，已重命名为 %2。</translation>
    </message>
    <message>
        <source>Some of Quenby&apos;s files are in use in another user&apos;s session. They will be removed when you restart the computer.</source>
        <comment>UNINSTALL_IN_USE</comment>
        <translation>Quenby 的某些文件正在另一个用户的会话中使用。重启电脑后，这些文件将被删除。</translation>
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
        <translation>目标空闲内存（MB）</translation>
    </message>
    <message>
        <source>Sets &quot;%1&quot; of Quenby.</source>
        <extracomment>%1: the policy&apos;s name, as the line above the explanation shows it.</extracomment>
        <translation>设置 Quenby 的“%1”。</translation>
    </message>
    <message>
        <source>three quarters of the installed RAM in MB</source>
        <translation>已安装内存 MB 数的四分之三</translation>
    </message>
    <message>
        <source>From %1 to %2.</source>
        <extracomment>The range a policy accepts. %1 and %2: numbers, or texts such as “the installed RAM in MB divided by 4”.</extracomment>
        <translation>范围为 %1 到 %2。</translation>
    </message>
    <message>
        <source>the installed RAM in MB divided by %1</source>
        <extracomment>A bound of a range, or a default. %1: a number such as 4.</extracomment>
        <translation>已安装内存的 MB 数除以 %1</translation>
    </message>
    <message>
        <source>Without a policy: %1, unless the user chose otherwise.</source>
        <extracomment>%1: the default value, a number or a text such as “the installed RAM in MB divided by 4”.</extracomment>
        <translation>未设置策略时：%1，除非用户另有选择。</translation>
    </message>
    <message>
        <source>A computer policy wins over a user policy, and both over the user&apos;s own choice, which the control panel then shows as &quot;Set by your administrator&quot;. When the policy is not configured, the user&apos;s own choice applies.</source>
        <translation>计算机策略优先于用户策略，二者都优先于用户自己的选择，此时操作面板会将该选项显示为“由你的管理员设置”。策略为“未配置”时，将应用用户自己的选择。</translation>
    </message>
    <message>
        <source>Minimum free RAM (MB)</source>
        <translation>最小空闲内存（MB）</translation>
    </message>
    <message>
        <source>Free up RAM on startup</source>
        <translation>启动时释放内存</translation>
    </message>
    <message>
        <source>Enabled: on (1). Disabled: off (0).</source>
        <translation>已启用：开（1）。已禁用：关（0）。</translation>
    </message>
    <message>
        <source>RAM to free on startup (MB)</source>
        <translation>启动时要释放的内存量（MB）</translation>
    </message>
    <message>
        <source>Delay of the startup recovery (seconds)</source>
        <translation>启动后释放内存前的延迟（秒）</translation>
    </message>
    <message>
        <source>RAM to free periodically (MB)</source>
        <translation>定期释放的内存量（MB）</translation>
    </message>
    <message>
        <source>Free up RAM every (minutes, 0 for never)</source>
        <translation>释放内存的间隔（分钟，0 表示从不）</translation>
    </message>
    <message>
        <source>Free RAM percentage shown with the periodic recovery</source>
        <translation>定期释放内存的空闲内存百分比阈值</translation>
    </message>
    <message>
        <source>Disable CPU usage detection</source>
        <translation>禁用 CPU 使用率检测</translation>
    </message>
    <message>
        <source>Tray icon text color</source>
        <translation>通知区域图标文字颜色</translation>
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
        <translation>自动</translation>
    </message>
    <message>
        <source>One of: %1.</source>
        <extracomment>%1: the values a policy accepts, each its number and its name, as in “0 Black, 1 White, 2 Auto”.</extracomment>
        <translation>以下值之一：%1。</translation>
    </message>
    <message>
        <source>Tray icon shows</source>
        <translation>通知区域图标显示的内容</translation>
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
        <source>First recovery amount of the tray menu (MB)</source>
        <translation>通知区域菜单中的第一个释放量（MB）</translation>
    </message>
    <message>
        <source>Second recovery amount of the tray menu (MB)</source>
        <translation>通知区域菜单中的第二个释放量（MB）</translation>
    </message>
    <message>
        <source>Third recovery amount of the tray menu (MB)</source>
        <translation>通知区域菜单中的第三个释放量（MB）</translation>
    </message>
    <message>
        <source>Also clear the clipboard when freeing up RAM</source>
        <translation>释放内存时同时清除剪贴板</translation>
    </message>
    <message>
        <source>Play alarm sound before freeing up RAM</source>
        <translation>释放内存前播放提示音</translation>
    </message>
    <message>
        <source>Alarm sound file</source>
        <translation>提示音文件</translation>
    </message>
    <message>
        <source>A full path, at most %1 characters.</source>
        <extracomment>%1: a number of characters, such as 259.</extracomment>
        <translation>完整路径，最多 %1 个字符。</translation>
    </message>
    <message>
        <source>Free up RAM hot key (Ctrl + Alt + the key of this code)</source>
        <translation>释放内存的快捷键（Ctrl + Alt + 此代码对应的键）</translation>
    </message>
    <message>
        <source>Disable/enable hot key (Ctrl + Alt + the key of this code)</source>
        <translation>禁用/启用的快捷键（Ctrl + Alt + 此代码对应的键）</translation>
    </message>
    <message>
        <source>Show how much RAM was recovered</source>
        <translation>显示释放了多少内存</translation>
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
        <source>Pause automatic recovery while one of these programs runs</source>
        <translation>以下任一程序运行时暂停自动释放</translation>
    </message>
    <message>
        <source>Program file names separated by semicolons, such as game.exe;obs64.exe, at most %1 characters.</source>
        <extracomment>Keep the example file names as they are. %1: a number of characters, such as 1023.</extracomment>
        <translation>程序文件名，以分号分隔，例如 game.exe;obs64.exe，最多 %1 个字符。</translation>
    </message>
    <message>
        <source>Start Quenby automatically at Windows startup</source>
        <translation>Windows 启动时自动运行 Quenby</translation>
    </message>
    <message>
        <source>Enabled: the tray engine starts when the user signs in to Windows. Disabled: it does not. The engine brings the user&apos;s start-up entry in line when it starts.</source>
        <translation>已启用：用户登录 Windows 时启动通知区域程序。已禁用：不启动。该程序启动时会使用户的启动项与此设置保持一致。</translation>
    </message>
    <message>
        <source>Settings of the Quenby RAM optimizer</source>
        <translation>Quenby 内存优化器设置</translation>
    </message>
</context>
</TS>
