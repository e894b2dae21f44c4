<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation>정보</translation>
    </message>
    <message>
        <source>Copyright © Quenby. All rights reserved.</source>
        <translation>Copyright © Quenby. 모든 권리 보유.</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Closes this About box.</extracomment>
        <translation>닫기</translation>
    </message>
    <message>
        <source>Website:</source>
        <translation>웹 사이트:</translation>
    </message>
    <message>
        <source>Version: %1.%2.%3 (Beta)</source>
        <extracomment>%1, %2 and %3: the parts of the version number, as in 1.4.2.</extracomment>
        <translation>버전 %1.%2.%3(베타)</translation>
    </message>
    <message>
        <source>for Windows %1</source>
        <extracomment>%1: the Windows version the panel runs on, 10 or 11.</extracomment>
        <translation>Windows %1용</translation>
    </message>
</context>
<context>
    <name>GraphForm</name>
    <message>
        <source>Usage graph of the free RAM</source>
        <translation>여유 메모리 변화 그래프</translation>
    </message>
    <message>
        <source>%1% of RAM free</source>
        <extracomment>Read by screen readers for the usage graph. %1: the free share of the RAM in percent; the % after it is the percent sign.</extracomment>
        <translation>여유 메모리 %1%</translation>
    </message>
</context>
<context>
    <name>HistoryPage</name>
    <message>
        <source>Low free RAM</source>
        <comment>what started a recovery</comment>
        <translation>여유 메모리 부족</translation>
    </message>
    <message>
        <source>Every few minutes</source>
        <comment>what started a recovery: the periodic rule</comment>
        <translation>주기적</translation>
    </message>
    <message>
        <source>Startup</source>
        <comment>what started a recovery: the recovery after Quenby starts</comment>
        <translation>시작 시</translation>
    </message>
    <message>
        <source>Tray menu</source>
        <comment>what started a recovery</comment>
        <translation>알림 영역 메뉴</translation>
    </message>
    <message>
        <source>Hot key</source>
        <comment>what started a recovery</comment>
        <translation>바로 가기 키</translation>
    </message>
    <message>
        <source>Request</source>
        <comment>what started a recovery: another program (the command line) asked</comment>
        <translation>다른 프로그램의 요청</translation>
    </message>
    <message>
        <source>Ran</source>
        <translation>실행됨</translation>
    </message>
    <message>
        <source>Did not run: the processor was busy</source>
        <translation>실행 안 됨: 프로세서 사용률이 높았음</translation>
    </message>
    <message>
        <source>Did not run: another user&apos;s recovery was running</source>
        <translation>실행 안 됨: 다른 사용자의 메모리 확보가 진행 중이었음</translation>
    </message>
    <message>
        <source>Did not run: a full-screen program was running</source>
        <translation>실행 안 됨: 전체 화면 프로그램이 실행 중이었음</translation>
    </message>
    <message>
        <source>Did not run: a protected program was running</source>
        <translation>실행 안 됨: 보호된 프로그램이 실행 중이었음</translation>
    </message>
    <message>
        <source>Did not run: paused after a recovery that could not help</source>
        <translation>실행 안 됨: 효과가 없던 확보 후 일시 중지됨</translation>
    </message>
    <message>
        <source>Did not run: more than three quarters of the RAM was free</source>
        <translation>실행 안 됨: 메모리의 4분의 3 넘게 비어 있었음</translation>
    </message>
    <message>
        <source>No recovery yet.</source>
        <translation>아직 메모리 확보 기록이 없습니다.</translation>
    </message>
    <message>
        <source>When</source>
        <translation>시간</translation>
    </message>
    <message>
        <source>Started by</source>
        <translation>시작 원인</translation>
    </message>
    <message>
        <source>What happened</source>
        <translation>결과</translation>
    </message>
    <message>
        <source>Before (MB)</source>
        <comment>column: free RAM before the recovery, in megabytes</comment>
        <translation>확보 전(MB)</translation>
    </message>
    <message>
        <source>After (MB)</source>
        <comment>column: free RAM after the recovery, in megabytes</comment>
        <translation>확보 후(MB)</translation>
    </message>
    <message>
        <source>Used (MB)</source>
        <comment>column: the megabytes the recovery allocated and released</comment>
        <translation>사용량(MB)</translation>
    </message>
    <message>
        <source>Seconds</source>
        <comment>column: how long the recovery took</comment>
        <translation>소요 시간(초)</translation>
    </message>
    <message>
        <source>Free RAM before the recovery</source>
        <translation>확보 전 여유 메모리</translation>
    </message>
    <message>
        <source>Free RAM after the recovery</source>
        <translation>확보 후 여유 메모리</translation>
    </message>
    <message>
        <source>The RAM the recovery took for a moment and gave back</source>
        <translation>확보하는 동안 잠시 사용했다가 돌려준 메모리</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Total RAM: n/a</source>
        <translation>전체 메모리: 알 수 없음</translation>
    </message>
    <message>
        <source>Available RAM: n/a</source>
        <translation>사용 가능한 메모리: 알 수 없음</translation>
    </message>
    <message>
        <source>CPU Usage: n/a</source>
        <translation>CPU 사용률: 알 수 없음</translation>
    </message>
    <message>
        <source>Free-up RAM</source>
        <extracomment>The title of the group with the two sliders that set the free-RAM levels.</extracomment>
        <translation>메모리 확보</translation>
    </message>
    <message>
        <source>Target Free RAM:</source>
        <translation>목표 여유 메모리:</translation>
    </message>
    <message>
        <source>Minimum Free RAM:</source>
        <translation>최소 여유 메모리:</translation>
    </message>
    <message>
        <source>About</source>
        <translation>정보</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>옵션</translation>
    </message>
    <message>
        <source>Save</source>
        <extracomment>Stores the two free-RAM levels set with the sliders.</extracomment>
        <translation>저장</translation>
    </message>
    <message>
        <source>Enable RAM Optimizer</source>
        <translation>메모리 최적화 도구 사용</translation>
    </message>
    <message>
        <source>Disable</source>
        <extracomment>Switches the automatic recovery off; the button then reads “Enable RAM Optimizer”.</extracomment>
        <translation>사용 안 함</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Ends the tray engine (the RAM optimizer itself), not only this window.</extracomment>
        <translation>끝내기</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>파일을 찾을 수 없습니다.</translation>
    </message>
    <message>
        <source>You are not allowed to run this file.</source>
        <translation>이 파일을 실행할 권한이 없습니다.</translation>
    </message>
    <message>
        <source>The file is not a program that can be run.</source>
        <translation>이 파일은 실행할 수 있는 프로그램이 아닙니다.</translation>
    </message>
    <message>
        <source>There is not enough memory to start it.</source>
        <translation>시작하는 데 필요한 메모리가 부족합니다.</translation>
    </message>
    <message>
        <source>The system refused to start it (error %1).</source>
        <extracomment>Why the tray engine could not be started. %1: Windows&apos; error number.</extracomment>
        <translation>시스템에서 시작을 거부했습니다(오류 %1).</translation>
    </message>
    <message>
        <source>The RAM optimizer could not be started from %1.</source>
        <extracomment>%1: the full path of the tray engine&apos;s program file; a sentence saying why follows on the next line.</extracomment>
        <translation>%1에서 메모리 최적화 도구를 시작할 수 없습니다.</translation>
    </message>
    <message>
        <source>Total RAM: %1MB</source>
        <extracomment>%1: megabytes of RAM installed, a whole number.</extracomment>
        <translation>전체 메모리: %1MB</translation>
    </message>
    <message>
        <source>Available RAM: %1MB (%2%)</source>
        <extracomment>%1: megabytes of RAM available now; %2: that as a share of all RAM, in percent (the % after it is the percent sign).</extracomment>
        <translation>사용 가능한 메모리: %1MB(%2%)</translation>
    </message>
    <message>
        <source>CPU Usages: %1%</source>
        <extracomment>%1: the processor load of the last second in percent; the % after it is the percent sign.</extracomment>
        <translation>CPU 사용률: %1%</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <extracomment>%1: megabytes, the value the slider beside it is set to.</extracomment>
        <translation>%1MB</translation>
    </message>
    <message>
        <source>Target free RAM, %1 MB</source>
        <extracomment>Read by screen readers for the slider. %1: the megabytes it is set to.</extracomment>
        <translation>목표 여유 메모리, %1MB</translation>
    </message>
    <message>
        <source>Minimum free RAM, %1 MB</source>
        <extracomment>Read by screen readers for the slider. %1: the megabytes it is set to.</extracomment>
        <translation>최소 여유 메모리, %1MB</translation>
    </message>
    <message>
        <source>Save the target and minimum free RAM</source>
        <translation>목표 여유 메모리와 최소 여유 메모리 저장</translation>
    </message>
    <message>
        <source>Open the options</source>
        <translation>옵션 열기</translation>
    </message>
    <message>
        <source>Enable the RAM optimizer</source>
        <translation>메모리 최적화 도구 사용</translation>
    </message>
    <message>
        <source>Disable the RAM optimizer</source>
        <translation>메모리 최적화 도구 사용 안 함</translation>
    </message>
    <message>
        <source>Close the RAM optimizer</source>
        <translation>메모리 최적화 도구 끝내기</translation>
    </message>
    <message>
        <source>About Quenby</source>
        <translation>Quenby 정보</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Ctrl+Alt+%1 can&apos;t be a hot key: your keyboard layout has no key for “%1”.</source>
        <extracomment>%1: the character the user typed as the hot key, such as K.</extracomment>
        <translation>Ctrl+Alt+%1은(는) 바로 가기 키로 사용할 수 없습니다. 현재 키보드 레이아웃에는 “%1” 키가 없습니다.</translation>
    </message>
    <message>
        <source>Ctrl+Alt+%1 can&apos;t be a hot key: on your keyboard layout it types “%2”, which every program would then lose.</source>
        <extracomment>%1: the character the user typed as the hot key; %2: the character that key combination types on the user&apos;s keyboard layout (as AltGr would).</extracomment>
        <translation>Ctrl+Alt+%1은(는) 바로 가기 키로 사용할 수 없습니다. 현재 키보드 레이아웃에서는 이 키로 “%2”이(가) 입력되므로, 바로 가기 키로 쓰면 어떤 프로그램에서도 이 문자를 입력할 수 없게 됩니다.</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>옵션</translation>
    </message>
    <message>
        <source>General</source>
        <translation>일반</translation>
    </message>
    <message>
        <source>Start Quenby automatically at Windows startup</source>
        <translation>Windows 시작 시 Quenby 자동 시작</translation>
    </message>
    <message>
        <source>Free-up RAM on startup after</source>
        <extracomment>Start of a sentence the dialog puts together: this check box, a number of seconds, then “seconds”: “Free-up RAM on startup after [60] seconds”.</extracomment>
        <translation>시작 시 메모리 확보:</translation>
    </message>
    <message>
        <source>MB of RAM on startup after</source>
        <extracomment>A hidden part of the start-up sentence, after a number of megabytes.</extracomment>
        <translation>MB 메모리, 시작하고</translation>
    </message>
    <message>
        <source>seconds</source>
        <extracomment>End of the sentence “Free-up RAM on startup after [60] seconds”.</extracomment>
        <translation>초 후</translation>
    </message>
    <message>
        <source>Free-up RAM every</source>
        <extracomment>Start of a sentence the dialog puts together: “Free-up RAM every [4] minutes if free RAM below [50] %”.</extracomment>
        <translation>주기적 메모리 확보:</translation>
    </message>
    <message>
        <source>MB every</source>
        <extracomment>A hidden part of the periodic sentence, after a number of megabytes.</extracomment>
        <translation>MB씩,</translation>
    </message>
    <message>
        <source>minutes if free RAM below</source>
        <extracomment>Middle of the sentence “Free-up RAM every [4] minutes if free RAM below [50] %”: between two numbers.</extracomment>
        <translation>분마다, 여유 메모리가 다음 값 미만일 때:</translation>
    </message>
    <message>
        <source>Pause automatic recovery while it cannot help</source>
        <translation>효과가 없는 동안 자동 메모리 확보 일시 중지</translation>
    </message>
    <message>
        <source>Pause automatic recovery while a full-screen program runs</source>
        <translation>전체 화면 프로그램이 실행되는 동안 자동 메모리 확보 일시 중지</translation>
    </message>
    <message>
        <source>CPU usage:</source>
        <extracomment>Beside a bar that shows the processor load.</extracomment>
        <translation>CPU 사용률:</translation>
    </message>
    <message>
        <source>Disable CPU usage detection</source>
        <translation>CPU 사용률 감지 사용 안 함</translation>
    </message>
    <message>
        <source>Enable the CPU usage detection to prevent Quenby recovering RAM when your CPU is busy. Please note that CPU cooling and few other programs use special method that cause the CPU usage always stay at 100% level. When you have this kind of situation, disable the CPU usage detection to allow Quenby recovering RAM at any CPU usage level.</source>
        <translation>CPU 사용률 감지를 사용하면 CPU 사용률이 높을 때는 Quenby가 메모리를 확보하지 않습니다. CPU 냉각 프로그램 등 일부 프로그램은 특수한 방식을 사용하기 때문에 CPU 사용률이 항상 100%로 유지됩니다. 이런 경우에는 CPU 사용률 감지를 사용하지 않도록 설정하여, CPU 사용률과 관계없이 Quenby가 메모리를 확보할 수 있게 하세요.</translation>
    </message>
    <message>
        <source>Tray Icon</source>
        <translation>알림 영역 아이콘</translation>
    </message>
    <message>
        <source>Default:</source>
        <extracomment>Beside the picture of the tray icon as it normally looks.</extracomment>
        <translation>기본:</translation>
    </message>
    <message>
        <source>Recovering RAM:</source>
        <extracomment>Beside the picture of the tray icon while it recovers RAM.</extracomment>
        <translation>메모리 확보 중:</translation>
    </message>
    <message>
        <source>Tray icon text color</source>
        <translation>알림 영역 아이콘의 글자 색</translation>
    </message>
    <message>
        <source>Display</source>
        <extracomment>Start of “Display [Percentage of Free RAM] in tray icon”: a list to choose from follows.</extracomment>
        <translation>표시:</translation>
    </message>
    <message>
        <source>in tray icon</source>
        <extracomment>End of “Display [Percentage of Free RAM] in tray icon”.</extracomment>
        <translation>(알림 영역 아이콘)</translation>
    </message>
    <message>
        <source>Show how much RAM was recovered</source>
        <translation>확보한 메모리 양 표시</translation>
    </message>
    <message>
        <source>Popup Menu</source>
        <translation>팝업 메뉴</translation>
    </message>
    <message>
        <source>Recover</source>
        <extracomment>Start of “Recover [512] MB menu”: sets the amount of one entry of the tray icon&apos;s menu.</extracomment>
        <translation>확보:</translation>
    </message>
    <message>
        <source>MB menu</source>
        <extracomment>End of “Recover [512] MB menu”.</extracomment>
        <translation>MB(메뉴 항목)</translation>
    </message>
    <message>
        <source>Others</source>
        <translation>기타</translation>
    </message>
    <message>
        <source>Also clear Windows Clipboard when freeing up RAM</source>
        <translation>메모리를 확보할 때 Windows 클립보드도 지우기</translation>
    </message>
    <message>
        <source>Play alarm sound before freeing up RAM</source>
        <translation>메모리를 확보하기 전에 알림음 재생</translation>
    </message>
    <message>
        <source>Free up RAM hot key : Cltr + Alt +</source>
        <translation type="vanished">메모리 확보 바로 가기 키: Ctrl + Alt +</translation>
    </message>
    <message>
        <source>Disable/enable Quenby hotkey : Cltr + Alt +</source>
        <translation type="vanished">Quenby 사용 안 함/사용 바로 가기 키: Ctrl + Alt +</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>저장</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>검정</translation>
    </message>
    <message>
        <source>White</source>
        <translation>흰색</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>자동</translation>
    </message>
    <message>
        <source>Percentage of CPU Usage</source>
        <translation>CPU 사용률(%)</translation>
    </message>
    <message>
        <source>Percentage of Free RAM</source>
        <translation>여유 메모리(%)</translation>
    </message>
    <message>
        <source>RAM to free on startup, in MB</source>
        <translation>시작 시 확보할 메모리(MB)</translation>
    </message>
    <message>
        <source>Delay of the startup recovery, in seconds</source>
        <translation>시작 후 메모리 확보까지 대기 시간(초)</translation>
    </message>
    <message>
        <source>RAM to free periodically, in MB</source>
        <translation>주기적으로 확보할 메모리(MB)</translation>
    </message>
    <message>
        <source>Free-up RAM every, in minutes (0 for never)</source>
        <translation>메모리 확보 간격(분, 0이면 안 함)</translation>
    </message>
    <message>
        <source>Only if free RAM is below, in percent</source>
        <translation>여유 메모리가 이 값 미만일 때만(%)</translation>
    </message>
    <message>
        <source>CPU usage</source>
        <translation>CPU 사용률</translation>
    </message>
    <message>
        <source>What the tray icon shows</source>
        <translation>알림 영역 아이콘에 표시할 정보</translation>
    </message>
    <message>
        <source>First recovery amount of the tray menu, in MB</source>
        <translation>알림 영역 메뉴의 첫 번째 확보량(MB)</translation>
    </message>
    <message>
        <source>Second recovery amount of the tray menu, in MB</source>
        <translation>알림 영역 메뉴의 두 번째 확보량(MB)</translation>
    </message>
    <message>
        <source>Third recovery amount of the tray menu, in MB</source>
        <translation>알림 영역 메뉴의 세 번째 확보량(MB)</translation>
    </message>
    <message>
        <source>Alarm sound file</source>
        <translation>알림음 파일</translation>
    </message>
    <message>
        <source>Choose the alarm sound file</source>
        <translation>알림음 파일 선택</translation>
    </message>
    <message>
        <source>Free up RAM hot key: Ctrl + Alt + this key</source>
        <translation>메모리 확보 바로 가기 키: Ctrl + Alt + 이 키</translation>
    </message>
    <message>
        <source>Disable/enable hot key: Ctrl + Alt + this key</source>
        <translation>사용 안 함/사용 바로 가기 키: Ctrl + Alt + 이 키</translation>
    </message>
    <message>
        <source>Add Files</source>
        <translation>파일 추가</translation>
    </message>
    <message>
        <source>All Files (*.wav)</source>
        <translation>소리 파일(*.wav)</translation>
    </message>
    <message>
        <source>Pause automatic recovery while one of these programs runs:</source>
        <translation>다음 프로그램 중 하나가 실행되는 동안 자동 메모리 확보 일시 중지:</translation>
    </message>
    <message>
        <source>game.exe;obs64.exe</source>
        <extracomment>An example of the list: two program file names separated by a semicolon. Keep the names as they are.</extracomment>
        <translation>game.exe;obs64.exe</translation>
    </message>
    <message>
        <source>History</source>
        <translation>기록</translation>
    </message>
    <message>
        <source>Program file names as Task Manager shows them, separated by semicolons.</source>
        <translation>작업 관리자에 표시되는 프로그램 파일 이름을 세미콜론으로 구분하여 입력합니다.</translation>
    </message>
    <message>
        <source>Ignored, as they are not program file names: %1</source>
        <comment>followed by the names</comment>
        <translation>프로그램 파일 이름이 아니므로 무시됨: %1</translation>
    </message>
    <message>
        <source>Free up RAM hot key: Ctrl + Alt +</source>
        <extracomment>A field for one key follows: Ctrl + Alt + that key frees up RAM in every program.</extracomment>
        <translation>메모리 확보 바로 가기 키: Ctrl + Alt +</translation>
    </message>
    <message>
        <source>Disable/enable Quenby hot key: Ctrl + Alt +</source>
        <extracomment>A field for one key follows: Ctrl + Alt + that key switches the automatic recovery off and on.</extracomment>
        <translation>Quenby 사용 안 함/사용 바로 가기 키: Ctrl + Alt +</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Set by your administrator</source>
        <translation>관리자가 설정함</translation>
    </message>
    <message>
        <source>Your administrator set Quenby to start automatically for every user of this PC.</source>
        <translation>관리자가 이 PC의 모든 사용자에 대해 Quenby가 자동으로 시작되도록 설정했습니다.</translation>
    </message>
</context>
<context>
    <name>Quenbytray</name>
    <message>
        <source>Restart Windows</source>
        <comment>104</comment>
        <translation>다시 시작</translation>
    </message>
    <message>
        <source>Suspend Windows</source>
        <comment>105</comment>
        <translation>절전</translation>
    </message>
    <message>
        <source>Shutdown Windows</source>
        <comment>106</comment>
        <translation>시스템 종료</translation>
    </message>
    <message>
        <source>Clear Clipboard</source>
        <comment>107</comment>
        <translation>클립보드 지우기</translation>
    </message>
    <message>
        <source>Free-up RAM Manually
</source>
        <comment>108</comment>
        <extracomment>A menu item that frees up RAM now; the line end stays.</extracomment>
        <translation>수동으로 메모리 확보
</translation>
    </message>
    <message>
        <source>Configuration...</source>
        <comment>110</comment>
        <translation>옵션...</translation>
    </message>
    <message>
        <source>Disable RAM Optimizer</source>
        <comment>111</comment>
        <translation>메모리 최적화 도구 사용 안 함</translation>
    </message>
    <message>
        <source>Enable RAM Optimizer</source>
        <comment>112</comment>
        <translation>메모리 최적화 도구 사용</translation>
    </message>
    <message>
        <source>Close RAM Optimizer</source>
        <comment>113</comment>
        <extracomment>Ends the tray engine: its icon and the automatic recovery go away.</extracomment>
        <translation>메모리 최적화 도구 끝내기</translation>
    </message>
    <message>
        <source>Do you want to restart your computer now?</source>
        <comment>114</comment>
        <translation>지금 컴퓨터를 다시 시작하시겠습니까?</translation>
    </message>
    <message>
        <source>Do you want to suspend your computer now?</source>
        <comment>115</comment>
        <translation>지금 컴퓨터를 절전 모드로 전환하시겠습니까?</translation>
    </message>
    <message>
        <source>Do you want to shutdown your computer now?</source>
        <comment>116</comment>
        <translation>지금 시스템을 종료하시겠습니까?</translation>
    </message>
    <message>
        <source>Confirm</source>
        <comment>117</comment>
        <extracomment>The title of the box that asks before a restart, a sleep or a shutdown.</extracomment>
        <translation>확인</translation>
    </message>
    <message>
        <source>RAM Optimizer
</source>
        <comment>118</comment>
        <extracomment>The first line of the tray icon&apos;s tooltip; the line end stays.</extracomment>
        <translation>메모리 최적화 도구
</translation>
    </message>
    <message>
        <source>Free RAM: %1 MB (%2%)
</source>
        <comment>119</comment>
        <extracomment>The second line of the tooltip. %1: megabytes of free RAM; %2: that as a share of all RAM in percent, the % after it being the percent sign. The line end stays.</extracomment>
        <translation>여유 메모리: %1MB(%2%)
</translation>
    </message>
    <message>
        <source>CPU Usage: %1%</source>
        <comment>121</comment>
        <extracomment>The third line of the tooltip. %1: the processor load in percent; the % after it is the percent sign.</extracomment>
        <translation>CPU 사용률: %1%</translation>
    </message>
    <message>
        <source>CreateProcess failed (%1).</source>
        <comment>122</comment>
        <extracomment>%1: Windows&apos; error number when the control panel could not be started.</extracomment>
        <translation>CreateProcess 실패(%1).</translation>
    </message>
    <message>
        <source>Error</source>
        <comment>123</comment>
        <extracomment>The title of a box that says something failed.</extracomment>
        <translation>오류</translation>
    </message>
    <message>
        <source>RAM Optimizer</source>
        <comment>124</comment>
        <extracomment>The title of the notices the tray icon shows.</extracomment>
        <translation>메모리 최적화 도구</translation>
    </message>
    <message>
        <source>Recovered %1 MB, %2 MB free now</source>
        <comment>125</comment>
        <extracomment>A notice after a recovery. %1: the megabytes recovered; %2: the megabytes free now.</extracomment>
        <translation>메모리를 %1MB 확보했습니다. 현재 여유 메모리는 %2MB입니다.</translation>
    </message>
    <message>
        <source>No RAM could be recovered</source>
        <comment>126</comment>
        <translation>메모리를 확보하지 못했습니다.</translation>
    </message>
    <message>
        <source>Windows could not be restarted (error %1). %2</source>
        <comment>127</comment>
        <extracomment>%1: Windows&apos; error number; %2: Windows&apos; own description of the error, a sentence or empty.</extracomment>
        <translation>Windows를 다시 시작할 수 없습니다(오류 %1). %2</translation>
    </message>
    <message>
        <source>Windows could not be suspended (error %1). %2</source>
        <comment>128</comment>
        <extracomment>%1: Windows&apos; error number; %2: Windows&apos; own description of the error, a sentence or empty.</extracomment>
        <translation>절전 모드로 전환할 수 없습니다(오류 %1). %2</translation>
    </message>
    <message>
        <source>Windows could not be shut down (error %1). %2</source>
        <comment>129</comment>
        <extracomment>%1: Windows&apos; error number; %2: Windows&apos; own description of the error, a sentence or empty.</extracomment>
        <translation>시스템을 종료할 수 없습니다(오류 %1). %2</translation>
    </message>
    <message>
        <source>Hot key not available</source>
        <comment>132</comment>
        <translation>바로 가기 키를 사용할 수 없음</translation>
    </message>
    <message>
        <source>The hot key Ctrl+Alt+%1 could not be registered: another program uses it.</source>
        <comment>133</comment>
        <extracomment>%1: the character of the hot key, such as K.</extracomment>
        <translation>바로 가기 키 Ctrl+Alt+%1을(를) 등록할 수 없습니다. 다른 프로그램에서 사용하고 있습니다.</translation>
    </message>
    <message>
        <source>The hot key Ctrl+Alt+%1 was not registered: on your keyboard layout it types “%2”.</source>
        <comment>134</comment>
        <extracomment>%1: the character of the hot key; %2: the character the key combination types on the user&apos;s keyboard layout.</extracomment>
        <translation>바로 가기 키 Ctrl+Alt+%1을(를) 등록하지 않았습니다. 현재 키보드 레이아웃에서는 이 키로 “%2”이(가) 입력됩니다.</translation>
    </message>
    <message>
        <source>The hot key Ctrl+Alt+%1 was not registered: your keyboard layout has no such key.</source>
        <comment>135</comment>
        <extracomment>%1: the character of the hot key.</extracomment>
        <translation>바로 가기 키 Ctrl+Alt+%1을(를) 등록하지 않았습니다. 현재 키보드 레이아웃에는 이 키가 없습니다.</translation>
    </message>
    <message>
        <source>This computer uses Modern Standby, which only Windows itself can start: to let it sleep, press its power button or choose Power &gt; Sleep in the Start menu.</source>
        <comment>137</comment>
        <translation>이 컴퓨터는 최신 대기(Modern Standby)를 사용하므로 Windows만 절전 모드를 시작할 수 있습니다. 절전 모드로 전환하려면 전원 단추를 누르거나 시작 메뉴에서 [전원] &gt; [절전]을 선택하세요.</translation>
    </message>
    <message>
        <source>This computer may not be able to sleep, and Windows may hibernate it instead. Do you want to go on?</source>
        <comment>138</comment>
        <translation>이 컴퓨터는 절전 모드로 전환되지 않을 수 있으며, 대신 Windows가 최대 절전 모드로 전환할 수 있습니다. 계속하시겠습니까?</translation>
    </message>
</context>
<context>
    <name>Setup</name>
    <message>
        <source>Quenby is still running and could not be closed.</source>
        <comment>STILL_RUNNING_DETAIL</comment>
        <translation>Quenby가 아직 실행 중이며 끝내지 못했습니다.</translation>
    </message>
    <message>
        <source>Quenby is still running and could not be closed.

Close it (tray menu: Close RAM Optimizer; and the control panel&apos;s window), then choose Retry.</source>
        <comment>STILL_RUNNING_BOX</comment>
        <translation>Quenby가 아직 실행 중이며 끝내지 못했습니다.

알림 영역 메뉴에서 [메모리 최적화 도구 끝내기]를 선택하고 Quenby 패널 창을 닫아 Quenby를 끝낸 다음 [다시 시도]를 선택하세요.</translation>
    </message>
    <message>
        <source>Quenby is still running; nothing was changed.</source>
        <comment>STILL_RUNNING_ABORT</comment>
        <translation>Quenby가 아직 실행 중입니다. 아무것도 변경하지 않았습니다.</translation>
    </message>
    <message>
        <source>Quenby&apos;s setup or uninstaller is already running.</source>
        <comment>ALREADY_RUNNING</comment>
        <translation>Quenby 설치 프로그램 또는 제거 프로그램이 이미 실행 중입니다.</translation>
    </message>
    <message>
        <source>Closing Quenby if it runs...</source>
        <comment>CLOSING</comment>
        <translation>실행 중인 Quenby를 끝내는 중...</translation>
    </message>
    <message>
        <source>Quenby control panel: RAM and CPU figures and the options</source>
        <comment>PANEL_LINK_DESCRIPTION</comment>
        <translation>Quenby 패널: 메모리 및 CPU 수치와 옵션</translation>
    </message>
    <message>
        <source>Quenby tray engine</source>
        <comment>ENGINE_LINK_NAME</comment>
        <extracomment>The name of the Start-menu shortcut to the tray engine.</extracomment>
        <translation>Quenby 알림 영역 프로그램</translation>
    </message>
    <message>
        <source>Start Quenby&apos;s tray engine, which recovers RAM</source>
        <comment>ENGINE_LINK_DESCRIPTION</comment>
        <translation>메모리를 확보하는 Quenby 알림 영역 프로그램을 시작합니다.</translation>
    </message>
    <message>
        <source>Quenby (required)</source>
        <comment>SECTION_PROGRAM</comment>
        <translation>Quenby(필수)</translation>
    </message>
    <message>
        <source>Start with Windows</source>
        <comment>SECTION_AUTOSTART</comment>
        <translation>Windows와 함께 시작</translation>
    </message>
    <message>
        <source>Starting the tray engine again...</source>
        <comment>RESTARTING_ENGINE</comment>
        <translation>알림 영역 프로그램을 다시 시작하는 중...</translation>
    </message>
    <message>
        <source>The tray engine, the control panel, the command-line client quenbyctl and Start-menu shortcuts.</source>
        <comment>SECTION_PROGRAM_DESCRIPTION</comment>
        <translation>알림 영역 프로그램, Quenby 패널, 명령줄 클라이언트 quenbyctl 및 시작 메뉴 바로 가기입니다.</translation>
    </message>
    <message>
        <source>Start the tray engine when you sign in to Windows.</source>
        <comment>SECTION_AUTOSTART_DESCRIPTION</comment>
        <translation>Windows에 로그인할 때 알림 영역 프로그램을 시작합니다.</translation>
    </message>
    <message>
        <source>Unknown value /AUTOSTART=%1: use /AUTOSTART=1 or /AUTOSTART=0.</source>
        <comment>BAD_AUTOSTART</comment>
        <extracomment>$1 (%1 for translators): the value given after /AUTOSTART= on the command line.</extracomment>
        <translation>알 수 없는 값 /AUTOSTART=%1: /AUTOSTART=1 또는 /AUTOSTART=0을 사용하세요.</translation>
    </message>
    <message>
        <source>Open the Quenby control panel</source>
        <comment>FINISH_RUN</comment>
        <translation>Quenby 패널 열기</translation>
    </message>
    <message>
        <source>Installing or removing Quenby for all users of this computer needs administrator rights. Run it again as an administrator.</source>
        <comment>NEEDS_ADMINISTRATOR</comment>
        <translation>이 컴퓨터의 모든 사용자를 대상으로 Quenby를 설치하거나 제거하려면 관리자 권한이 필요합니다. 관리자 권한으로 다시 실행하세요.</translation>
    </message>
    <message>
        <source>Quenby has been installed for all users of this computer.

Setup did not start it. Open it from the Start menu. If Start with Windows was selected, it starts for each user when they sign in.</source>
        <comment>FINISH_MACHINE_TEXT</comment>
        <translation>이 컴퓨터의 모든 사용자를 대상으로 Quenby를 설치했습니다.

설치 프로그램은 Quenby를 시작하지 않았습니다. 시작 메뉴에서 여세요. [Windows와 함께 시작]을 선택했다면 각 사용자가 로그인할 때 시작됩니다.</translation>
    </message>
    <message>
        <source>The previous version is still running in another user&apos;s session and keeps running there until it is closed. Its files are removed when you restart the computer.</source>
        <comment>FINISH_SET_ASIDE</comment>
        <translation>이전 버전이 다른 사용자의 세션에서 아직 실행 중이며, 그 세션에서 끝낼 때까지 계속 실행됩니다. 이전 버전의 파일은 컴퓨터를 다시 시작할 때 제거됩니다.</translation>
    </message>
    <message>
        <source>%1 is in use in another user&apos;s session and was renamed to %2.</source>
        <comment>SET_ASIDE_DETAIL</comment>
        <extracomment>%1: the full path of a file of the previous version; %2: the name it was renamed to.</extracomment>
        <translation>%1은(는) 다른 사용자의 세션에서 사용 중이므로 이름을 %2(으)로 바꿨습니다.</translation>
    </message>
    <message>
        <source>Some of Quenby&apos;s files are in use in another user&apos;s session. They will be removed when you restart the computer.</source>
        <comment>UNINSTALL_IN_USE</comment>
        <translation>Quenby의 일부 파일이 다른 사용자의 세션에서 사용 중입니다. 이 파일은 컴퓨터를 다시 시작할 때 제거됩니다.</translation>
    </message>
</context>
<context>
    <name>Policies</name>
    <message>
        <source>Quenby %1 on Windows 10 and Windows 11</source>
        <extracomment>%1: Quenby&apos;s version number, as in 1.4.2.</extracomment>
        <translation>Windows 10 및 Windows 11의 Quenby %1</translation>
    </message>
    <message>
        <source>Target free RAM (MB)</source>
        <translation>목표 여유 메모리(MB)</translation>
    </message>
    <message>
        <source>Sets &quot;%1&quot; of Quenby.</source>
        <extracomment>%1: the policy&apos;s name, as the line above the explanation shows it.</extracomment>
        <translation>Quenby의 “%1”을(를) 설정합니다.</translation>
    </message>
    <message>
        <source>three quarters of the installed RAM in MB</source>
        <translation>설치된 메모리(MB)의 4분의 3</translation>
    </message>
    <message>
        <source>From %1 to %2.</source>
        <extracomment>The range a policy accepts. %1 and %2: numbers, or texts such as “the installed RAM in MB divided by 4”.</extracomment>
        <translation>%1에서 %2까지.</translation>
    </message>
    <message>
        <source>the installed RAM in MB divided by %1</source>
        <extracomment>A bound of a range, or a default. %1: a number such as 4.</extracomment>
        <translation>설치된 메모리(MB)를 %1(으)로 나눈 값</translation>
    </message>
    <message>
        <source>Without a policy: %1, unless the user chose otherwise.</source>
        <extracomment>%1: the default value, a number or a text such as “the installed RAM in MB divided by 4”.</extracomment>
        <translation>정책이 없는 경우: 사용자가 따로 선택하지 않았다면 %1.</translation>
    </message>
    <message>
        <source>A computer policy wins over a user policy, and both over the user&apos;s own choice, which the control panel then shows as &quot;Set by your administrator&quot;. When the policy is not configured, the user&apos;s own choice applies.</source>
        <translation>컴퓨터 정책은 사용자 정책보다 우선하고, 두 정책 모두 사용자 자신의 선택보다 우선합니다. 이때 Quenby 패널에는 “관리자가 설정함”이 표시됩니다. 정책이 구성되지 않은 경우에는 사용자 자신의 선택이 적용됩니다.</translation>
    </message>
    <message>
        <source>Minimum free RAM (MB)</source>
        <translation>최소 여유 메모리(MB)</translation>
    </message>
    <message>
        <source>Free up RAM on startup</source>
        <translation>시작 시 메모리 확보</translation>
    </message>
    <message>
        <source>Enabled: on (1). Disabled: off (0).</source>
        <translation>사용: 켜기(1). 사용 안 함: 끄기(0).</translation>
    </message>
    <message>
        <source>RAM to free on startup (MB)</source>
        <translation>시작 시 확보할 메모리(MB)</translation>
    </message>
    <message>
        <source>Delay of the startup recovery (seconds)</source>
        <translation>시작 후 메모리 확보까지 대기 시간(초)</translation>
    </message>
    <message>
        <source>RAM to free periodically (MB)</source>
        <translation>주기적으로 확보할 메모리(MB)</translation>
    </message>
    <message>
        <source>Free up RAM every (minutes, 0 for never)</source>
        <translation>메모리 확보 간격(분, 0이면 안 함)</translation>
    </message>
    <message>
        <source>Free RAM percentage shown with the periodic recovery</source>
        <translation>주기적 메모리 확보의 기준이 되는 여유 메모리 비율(%)</translation>
    </message>
    <message>
        <source>Disable CPU usage detection</source>
        <translation>CPU 사용률 감지 사용 안 함</translation>
    </message>
    <message>
        <source>Tray icon text color</source>
        <translation>알림 영역 아이콘의 글자 색</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>검정</translation>
    </message>
    <message>
        <source>White</source>
        <translation>흰색</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>Joins the entries of a list: %1 is the list so far, %2 the next entry. Use the language&apos;s list separator.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>자동</translation>
    </message>
    <message>
        <source>One of: %1.</source>
        <extracomment>%1: the values a policy accepts, each its number and its name, as in “0 Black, 1 White, 2 Auto”.</extracomment>
        <translation>다음 중 하나: %1.</translation>
    </message>
    <message>
        <source>Tray icon shows</source>
        <translation>알림 영역 아이콘에 표시할 정보</translation>
    </message>
    <message>
        <source>Percentage of CPU Usage</source>
        <translation>CPU 사용률(%)</translation>
    </message>
    <message>
        <source>Percentage of Free RAM</source>
        <translation>여유 메모리(%)</translation>
    </message>
    <message>
        <source>First recovery amount of the tray menu (MB)</source>
        <translation>알림 영역 메뉴의 첫 번째 확보량(MB)</translation>
    </message>
    <message>
        <source>Second recovery amount of the tray menu (MB)</source>
        <translation>알림 영역 메뉴의 두 번째 확보량(MB)</translation>
    </message>
    <message>
        <source>Third recovery amount of the tray menu (MB)</source>
        <translation>알림 영역 메뉴의 세 번째 확보량(MB)</translation>
    </message>
    <message>
        <source>Also clear the clipboard when freeing up RAM</source>
        <translation>메모리를 확보할 때 클립보드도 지우기</translation>
    </message>
    <message>
        <source>Play alarm sound before freeing up RAM</source>
        <translation>메모리를 확보하기 전에 알림음 재생</translation>
    </message>
    <message>
        <source>Alarm sound file</source>
        <translation>알림음 파일</translation>
    </message>
    <message>
        <source>A full path, at most %1 characters.</source>
        <extracomment>%1: a number of characters, such as 259.</extracomment>
        <translation>전체 경로(최대 %1자).</translation>
    </message>
    <message>
        <source>Free up RAM hot key (Ctrl + Alt + the key of this code)</source>
        <translation>메모리 확보 바로 가기 키(Ctrl + Alt + 이 코드의 키)</translation>
    </message>
    <message>
        <source>Disable/enable hot key (Ctrl + Alt + the key of this code)</source>
        <translation>사용 안 함/사용 바로 가기 키(Ctrl + Alt + 이 코드의 키)</translation>
    </message>
    <message>
        <source>Show how much RAM was recovered</source>
        <translation>확보한 메모리 양 표시</translation>
    </message>
    <message>
        <source>Pause automatic recovery while it cannot help</source>
        <translation>효과가 없는 동안 자동 메모리 확보 일시 중지</translation>
    </message>
    <message>
        <source>Pause automatic recovery while a full-screen program runs</source>
        <translation>전체 화면 프로그램이 실행되는 동안 자동 메모리 확보 일시 중지</translation>
    </message>
    <message>
        <source>Pause automatic recovery while one of these programs runs</source>
        <translation>다음 프로그램 중 하나가 실행되는 동안 자동 메모리 확보 일시 중지</translation>
    </message>
    <message>
        <source>Program file names separated by semicolons, such as game.exe;obs64.exe, at most %1 characters.</source>
        <extracomment>Keep the example file names as they are. %1: a number of characters, such as 1023.</extracomment>
        <translation>세미콜론으로 구분한 프로그램 파일 이름(예: game.exe;obs64.exe, 최대 %1자).</translation>
    </message>
    <message>
        <source>Start Quenby automatically at Windows startup</source>
        <translation>Windows 시작 시 Quenby 자동 시작</translation>
    </message>
    <message>
        <source>Enabled: the tray engine starts when the user signs in to Windows. Disabled: it does not. The engine brings the user&apos;s start-up entry in line when it starts.</source>
        <translation>사용: 사용자가 Windows에 로그인하면 알림 영역 프로그램이 시작됩니다. 사용 안 함: 시작되지 않습니다. 이 프로그램은 시작될 때 사용자의 시작 프로그램 항목을 이 설정에 맞춥니다.</translation>
    </message>
    <message>
        <source>Settings of the Quenby RAM optimizer</source>
        <translation>Quenby 메모리 최적화 도구 설정</translation>
    </message>
</context>
</TS>
