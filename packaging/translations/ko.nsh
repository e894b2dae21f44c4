; The installer's and uninstaller's own texts in Korean (NSIS's language
; files give the rest). UTF-8 with a byte order mark, as makensis reads it;
; keep $\r$\n and $1 as they stand.

LangString STILL_RUNNING_DETAIL ${LANG_KOREAN} "Quenby가 아직 실행 중이어서 끝낼 수 없습니다."
LangString STILL_RUNNING_BOX ${LANG_KOREAN} "Quenby가 아직 실행 중이어서 끝낼 수 없습니다.$\r$\n$\r$\n알림 영역 메뉴에서 [메모리 최적화 끝내기]를 선택하고 Quenby 패널 창을 닫아 Quenby를 끝낸 다음 [다시 시도]를 선택하세요."
LangString STILL_RUNNING_ABORT ${LANG_KOREAN} "Quenby가 아직 실행 중입니다. 아무것도 변경하지 않았습니다."
LangString ALREADY_RUNNING ${LANG_KOREAN} "Quenby 설치 프로그램 또는 제거 프로그램이 이미 실행 중입니다."
LangString CLOSING ${LANG_KOREAN} "실행 중인 Quenby를 끝내는 중..."
LangString PANEL_LINK_DESCRIPTION ${LANG_KOREAN} "Quenby 패널: 메모리 및 CPU 수치와 옵션"
LangString ENGINE_LINK_NAME ${LANG_KOREAN} "Quenby 알림 영역 엔진"
LangString ENGINE_LINK_DESCRIPTION ${LANG_KOREAN} "메모리를 확보하는 Quenby 알림 영역 엔진을 시작합니다."
LangString SECTION_PROGRAM ${LANG_KOREAN} "Quenby(필수)"
LangString SECTION_AUTOSTART ${LANG_KOREAN} "Windows와 함께 시작"
LangString RESTARTING_ENGINE ${LANG_KOREAN} "알림 영역 엔진을 다시 시작하는 중..."
LangString SECTION_PROGRAM_DESCRIPTION ${LANG_KOREAN} "알림 영역 엔진, Quenby 패널, 명령줄 클라이언트 quenbyctl 및 시작 메뉴 바로 가기입니다."
LangString SECTION_AUTOSTART_DESCRIPTION ${LANG_KOREAN} "Windows에 로그인할 때 알림 영역 엔진을 시작합니다."
LangString BAD_AUTOSTART ${LANG_KOREAN} "알 수 없는 값 /AUTOSTART=$1: /AUTOSTART=1 또는 /AUTOSTART=0을 사용하세요."
LangString FINISH_RUN ${LANG_KOREAN} "Quenby 패널 열기"
LangString NEEDS_ADMINISTRATOR ${LANG_KOREAN} "이 컴퓨터의 모든 사용자를 대상으로 Quenby를 설치하거나 제거하려면 관리자 권한이 필요합니다. 관리자 권한으로 다시 실행하세요."
LangString FINISH_MACHINE_TEXT ${LANG_KOREAN} "이 컴퓨터의 모든 사용자를 대상으로 Quenby를 설치했습니다.$\r$\n$\r$\n설치 프로그램은 Quenby를 시작하지 않았습니다. 시작 메뉴에서 여세요. [Windows와 함께 시작]을 선택했다면 각 사용자가 로그인할 때 시작됩니다."
LangString FINISH_SET_ASIDE ${LANG_KOREAN} "이전 버전이 다른 사용자의 세션에서 아직 실행 중이며, 그 세션에서 끝낼 때까지 계속 실행됩니다. 이전 버전의 파일은 컴퓨터를 다시 시작할 때 제거됩니다."
LangString SET_ASIDE_DETAIL ${LANG_KOREAN} "$R0은(는) 다른 사용자의 세션에서 사용 중이므로 이름을 $R1(으)로 바꿨습니다."
LangString UNINSTALL_IN_USE ${LANG_KOREAN} "Quenby의 일부 파일이 다른 사용자의 세션에서 사용 중입니다. 이 파일은 컴퓨터를 다시 시작할 때 제거됩니다."
