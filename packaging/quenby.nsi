; Quenby's installer. Made by packaging/package.sh, which passes:
;   VERSION      X.Y.Z, the CMake project's version
;   STAGE        folder with the stripped programs, README.txt and LICENSE.txt
;   ICON         the control panel's icon
;   OUTFILE      the installer to write
;   SIGN         (when signing) the command that signs a program in place: the
;                uninstaller is signed with it before it is packed into setup
;
; By default it installs for the current user and needs no administrator rights:
; everything goes to the current user's folders and registry. The settings in
; HKCU\Software\Quenby belong to the user; setup writes only the install folder
; "Path" there, and the uninstaller removes only that, so an upgrade or an
; uninstall never loses a setting.
;
; Command line, besides NSIS's own /S and /D=FOLDER:
;   /AUTOSTART=1   start the engine with Windows (the "Start with Windows" section)
;   /AUTOSTART=0   do not
;   /ALLUSERS      install for every user of the computer (run elevated): into
;                  Program Files, with the common Start menu, and the Apps &
;                  Features and start-with-Windows entries in HKEY_LOCAL_MACHINE.
;                  No "Path" is written: each program finds the other beside
;                  itself. Its uninstaller touches no user's settings. It starts
;                  no program itself, and replaces programs that other users'
;                  sessions run by renaming them aside (see setAsideIfInUse).
; Without /AUTOSTART a new install starts with Windows, and an upgrade keeps what
; the install it replaces did.

Unicode true
; Debian's Wine and today's Windows run 64-bit programs; the 32-bit stub would
; also work on Windows, but a 64-bit one matches the programs it installs.
Target amd64-unicode

!ifndef VERSION | STAGE | ICON | OUTFILE
    !error "packaging/package.sh passes VERSION, STAGE, ICON and OUTFILE"
!endif

; The programs' version blocks must carry the version this package is named after.
!getdllversion "${STAGE}/Quenbytray.exe" QUENBY_TRAY_V_
!if "${QUENBY_TRAY_V_1}.${QUENBY_TRAY_V_2}.${QUENBY_TRAY_V_3}" != "${VERSION}"
    !error "Quenbytray.exe is version ${QUENBY_TRAY_V_1}.${QUENBY_TRAY_V_2}.${QUENBY_TRAY_V_3}, the package ${VERSION}"
!endif
!getdllversion "${STAGE}/Quenby.exe" QUENBY_PANEL_V_
!if "${QUENBY_PANEL_V_1}.${QUENBY_PANEL_V_2}.${QUENBY_PANEL_V_3}" != "${VERSION}"
    !error "Quenby.exe is version ${QUENBY_PANEL_V_1}.${QUENBY_PANEL_V_2}.${QUENBY_PANEL_V_3}, the package ${VERSION}"
!endif

!ifdef SIGN
    ; A signing failure fails the build: never an installer with an unsigned
    ; uninstaller inside.
    !uninstfinalize '"${SIGN}" "%1"' = 0
!endif

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include Sections.nsh
!include WinMessages.nsh

!define PRODUCT "Quenby"
!define SETTINGS_KEY "Software\Quenby"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Quenby"
!define RUN_KEY "SOFTWARE\Microsoft\Windows\CurrentVersion\Run"
!define RUN_VALUE "Quenby"
!define ENGINE_CLASS "TQuenbyEngine"
!define ENGINE_TITLE "Harlowe Quenby Pro"
; The control panel is found by its title alone: its window class comes from the
; Qt version it is built with.
!define PANEL_TITLE "Quenby for Windows 11/10"
!define MENU_FOLDER "$SMPROGRAMS\Quenby"
!define PANEL_LINK "Quenby.lnk"
; How long a running engine or control panel gets to end, in milliseconds. The
; engine answers WM_CLOSE between two ticks, but a recovery in progress holds up
; its message loop for a while.
!define STOP_WAIT 20000
; How long a program file may stay locked once its window is gone, in milliseconds:
; long enough for a process to be torn down, short enough not to keep a user
; waiting for a program that never ends (quenbyctl watch in a console, say).
!define LOCK_WAIT 5000

Name "${PRODUCT}"
OutFile "${OUTFILE}"
RequestExecutionLevel user
InstallDir "$LOCALAPPDATA\Programs\Quenby"
; An upgrade goes where the last install went (a machine-wide one: see .onInit).
InstallDirRegKey HKCU "${SETTINGS_KEY}" "Path"
SetCompressor /SOLID lzma
ManifestDPIAware true
ManifestSupportedOS all
ShowInstDetails show
ShowUninstDetails show
BrandingText "${PRODUCT} ${VERSION}"
; A file that cannot be replaced must stop the install, never be skipped: a
; mixture of two versions would be a broken install.
AllowSkipFiles off

VIProductVersion "${VERSION}.0"
VIFileVersion "${VERSION}.0"
VIAddVersionKey /LANG=1033 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1033 "CompanyName" "Quenby"
VIAddVersionKey /LANG=1033 "FileDescription" "Quenby setup"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "Copyright (C) Quenby. All rights reserved."

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_COMPONENTSPAGE_SMALLDESC

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${STAGE}/LICENSE.txt"
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
; Two finish pages, one shown. A per-user setup runs with the user's own token,
; so it may open the control panel (or the README) for them.
!define MUI_PAGE_CUSTOMFUNCTION_PRE skipUnlessPerUser
!define MUI_FINISHPAGE_RUN "$INSTDIR\Quenby.exe"
!define MUI_FINISHPAGE_RUN_TEXT "$(FINISH_RUN)"
!define MUI_FINISHPAGE_SHOWREADME "$INSTDIR\README.txt"
!define MUI_FINISHPAGE_SHOWREADME_NOTCHECKED
!insertmacro MUI_PAGE_FINISH
; A machine-wide setup runs elevated (or as SYSTEM, deployed): whatever it starts
; gets that token, and an elevated engine or panel does not hear the user's own
; programs (Windows drops messages posted from a lower integrity level), so
; settings, Close and the taskbar's restart would never reach it. It starts
; nothing and says so; the Run entry starts the engine at each user's sign-in.
; (Asking the running Explorer to start a program as the signed-in user would
; work where there is an Explorer, but not for a deployment as SYSTEM, and not
; from the System plug-in without a COM dance we could not test here: the
; conservative choice is not to start anything.) No reboot choice either: the
; only thing a restart does here is remove files set aside (setAsideIfInUse),
; and restarting now would sign out the very users still running them.
Var finishText
!define MUI_PAGE_CUSTOMFUNCTION_PRE machineFinishPre
!define MUI_FINISHPAGE_TEXT "$finishText"
!define MUI_FINISHPAGE_NOREBOOTSUPPORT
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
; The first is the language of any Windows whose display language is none of
; the others; setup and the uninstaller each pick the user's display language.
!include "${LANGUAGES}"

Var engineWasRunning
; 1 for a machine-wide install (/ALLUSERS), or its uninstaller.
Var allUsers
; The machine-wide update's program files that were in use and moved aside
; (full paths), until they are deleted or, should setup fail, put back.
Var asideTray
Var asidePanel
Var asideCtl

; ---------------------------------------------------------------------------------
; Shared by setup and uninstaller (NSIS wants the uninstaller's own copies, named un.)

!macro QUENBY_SHARED_FUNCTIONS un

; Asks every top-level window of class $R0 ("": any) and title $R1 to close (WM_CLOSE, as the
; control panel's Close button does for the engine) and waits, bounded, until
; each one's process has ended, so that its program file is free to replace.
; Out: $R2 = number of windows found; $R3 = 1 when one is still there.
Function ${un}closeWindows
    Push $0
    Push $1
    Push $2
    Push $3
    StrCpy $R2 0
    StrCpy $R3 0
    ; The engine runs once, but every double click on the tray icon opens one
    ; more control panel: close them one after the other, at most 20.
    ${Do}
        ${If} $R0 == ""
            System::Call 'user32::FindWindowW(p 0, w R1) p .r0'
        ${Else}
            System::Call 'user32::FindWindowW(w R0, w R1) p .r0'
        ${EndIf}
        ${If} $0 P= 0
        ${OrIf} $R2 >= 20
            ${Break}
        ${EndIf}
        IntOp $R2 $R2 + 1
        StrCpy $1 0
        System::Call 'user32::GetWindowThreadProcessId(p r0, *i .r1) i'
        ; SYNCHRONIZE (0x00100000): enough to wait for the end of the process.
        System::Call 'kernel32::OpenProcess(i 0x00100000, i 0, i r1) p .r2'
        System::Call 'user32::PostMessageW(p r0, i ${WM_CLOSE}, p 0, p 0) i'
        ${If} $2 P<> 0
            System::Call 'kernel32::WaitForSingleObject(p r2, i ${STOP_WAIT}) i'
            System::Call 'kernel32::CloseHandle(p r2)'
        ${Else}
            ; No handle to wait on: watch the window instead.
            StrCpy $3 0
            ${Do}
                Sleep 100
                IntOp $3 $3 + 100
                System::Call 'user32::IsWindow(p r0) i .r1'
                ${If} $3 >= ${STOP_WAIT}
                    ${Break}
                ${EndIf}
            ${LoopUntil} $1 = 0
        ${EndIf}
        System::Call 'user32::IsWindow(p r0) i .r1'
        ${If} $1 <> 0
            StrCpy $R3 1
            ${Break}
        ${EndIf}
    ${Loop}
    Pop $3
    Pop $2
    Pop $1
    Pop $0
FunctionEnd

; Stops the engine and every control panel before their files are touched.
; Out: $R2 = 1 when an engine was running. When one of them does not end (or a
; program file stays in use), asks to retry, and otherwise aborts with nothing
; changed: an engine it stopped is started again.
Function ${un}stopQuenby
    Push $R4
    StrCpy $R4 0
    ${Do}
        StrCpy $R0 "${ENGINE_CLASS}"
        StrCpy $R1 "${ENGINE_TITLE}"
        Call ${un}closeWindows
        ${If} $R2 > 0
            StrCpy $R4 1
        ${EndIf}
        ${If} $R3 = 0
            StrCpy $R0 ""
            StrCpy $R1 "${PANEL_TITLE}"
            Call ${un}closeWindows
        ${EndIf}
        ${If} $R3 = 0
            ; The windows are gone; the program files may stay locked a moment
            ; longer, until their processes are torn down.
            StrCpy $R0 "$INSTDIR\Quenbytray.exe"
            Call ${un}waitWritable
            ${If} $R3 = 0
                StrCpy $R0 "$INSTDIR\Quenby.exe"
                Call ${un}waitWritable
            ${EndIf}
            ${If} $R3 = 0
                StrCpy $R0 "$INSTDIR\quenbyctl.exe"
                Call ${un}waitWritable
            ${EndIf}
            ; Machine-wide, a program file still in use once this session's
            ; windows are gone is run by another user's session, which no
            ; WM_CLOSE of ours reaches: setup sets it aside (setAsideIfInUse),
            ; the uninstaller deletes it at the next restart.
            ${If} $allUsers = 1
                StrCpy $R3 0
            ${EndIf}
        ${EndIf}
        ${If} $R3 = 0
            ${Break}
        ${EndIf}
        DetailPrint "$(STILL_RUNNING_DETAIL)"
        MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION \
            "$(STILL_RUNNING_BOX)" \
            /SD IDCANCEL IDRETRY retry
        ; Nothing was changed: an engine that was stopped for the update runs
        ; on as before.
        ${If} $R4 = 1
        ${AndIf} $allUsers != 1
        ${AndIf} ${FileExists} "$INSTDIR\Quenbytray.exe"
            ; Machine-wide, never: it would run with setup's elevated token (see
            ; the finish pages).
            Exec '"$INSTDIR\Quenbytray.exe"'
        ${EndIf}
        Abort "$(STILL_RUNNING_ABORT)"
        retry:
    ${Loop}
    StrCpy $R2 $R4
    Pop $R4
FunctionEnd

; Waits, bounded, until file $R0 is missing or can be opened for writing.
; Out: $R3 = 1 when it stays locked.
Function ${un}waitWritable
    Push $0
    Push $1
    StrCpy $R3 0
    StrCpy $1 0
    ${Do}
        ${IfNot} ${FileExists} "$R0"
            ${Break}
        ${EndIf}
        ClearErrors
        FileOpen $0 "$R0" a
        ${IfNot} ${Errors}
            FileClose $0
            ${Break}
        ${EndIf}
        ${If} $1 >= ${LOCK_WAIT}
            StrCpy $R3 1
            ${Break}
        ${EndIf}
        Sleep 100
        IntOp $1 $1 + 100
    ${Loop}
    Pop $1
    Pop $0
FunctionEnd

; One setup or uninstaller at a time: two of them interleaving their file copies
; and deletions would leave a broken install. The lock is the machine's, not the
; session's: a deployment runs as SYSTEM in session 0 while an administrator may
; run setup in session 1, and both write the same machine-wide install.
; The mutex gets its security from its creator's token, and CreateMutexW asks
; for full access to an existing one: another user's setup may get
; ERROR_ACCESS_DENIED where the creator's own would get ERROR_ALREADY_EXISTS.
; Either way the name is taken, and a named mutex lives only while some process
; holds a handle to it, so any failure to create it counts as another setup or
; uninstaller running (no security descriptor of our own needed). The second
; one ends with ERROR_INSTALL_ALREADY_RUNNING, which Intune and Configuration
; Manager take as "try again later".
Function ${un}singleInstance
    System::Call 'kernel32::CreateMutexW(p 0, i 0, w "Global\QuenbySetup") p .r0 ?e'
    Pop $1
    ${If} $0 P= 0
    ${OrIf} $1 = 183 ; ERROR_ALREADY_EXISTS
        MessageBox MB_OK|MB_ICONEXCLAMATION "$(ALREADY_RUNNING)" /SD IDOK
        SetErrorLevel 1618 ; ERROR_INSTALL_ALREADY_RUNNING
        Quit
    ${EndIf}
FunctionEnd

; $R0 = the start-with-Windows entry (the user's, or the computer's for a
; machine-wide install) when it names the engine of $INSTDIR (quoted or not, in
; any letter case: StrCmp ignores case), else "".
Function ${un}runEntryOfThisInstall
    ClearErrors
    ReadRegStr $R0 SHCTX "${RUN_KEY}" "${RUN_VALUE}"
    ${If} ${Errors}
        StrCpy $R0 ""
    ${ElseIf} $R0 != '"$INSTDIR\Quenbytray.exe"'
    ${AndIf} $R0 != "$INSTDIR\Quenbytray.exe"
        StrCpy $R0 ""
    ${EndIf}
FunctionEnd

; A machine-wide install writes where only administrators may: without their
; rights it stops before anything changed, with ERROR_ELEVATION_REQUIRED.
Function ${un}requireAdministrator
    Push $0
    UserInfo::GetAccountType
    Pop $0
    ${If} $0 != "Admin"
        MessageBox MB_OK|MB_ICONSTOP "$(NEEDS_ADMINISTRATOR)" /SD IDOK
        SetErrorLevel 740
        Quit
    ${EndIf}
    Pop $0
FunctionEnd

!macroend

!insertmacro QUENBY_SHARED_FUNCTIONS ""
!insertmacro QUENBY_SHARED_FUNCTIONS "un."

; ---------------------------------------------------------------------------------
; Setup

; Machine-wide only. $R0: a program file name in $INSTDIR. A program that
; another user's session runs cannot be written or replaced, but Windows lets it
; be renamed within its volume, and the process runs on from the renamed file:
; it is moved to a free name beside itself so that the new version can take its
; place. Out: $R1 = where it went, or "" when it was not in use. When it can be
; neither written nor moved, setup stops (.onInstFailed puts back what moved).
Function setAsideIfInUse
    Push $0
    Push $1
    StrCpy $R1 ""
    ${If} ${FileExists} "$INSTDIR\$R0"
        ClearErrors
        FileOpen $0 "$INSTDIR\$R0" a
        ${IfNot} ${Errors}
            FileClose $0
        ${Else}
            ; A name an earlier update set aside may still wait for its restart.
            StrCpy $1 1
            ${Do}
                StrCpy $R1 "$INSTDIR\$R0.$1.old"
                ${IfNot} ${FileExists} "$R1"
                    ${Break}
                ${EndIf}
                IntOp $1 $1 + 1
            ${Loop}
            ClearErrors
            Rename "$INSTDIR\$R0" "$R1"
            ${If} ${Errors}
                StrCpy $R1 ""
                DetailPrint "$(STILL_RUNNING_DETAIL)"
                Abort "$(STILL_RUNNING_ABORT)"
            ${EndIf}
            DetailPrint "$(SET_ASIDE_DETAIL)"
        ${EndIf}
    ${EndIf}
    Pop $1
    Pop $0
FunctionEnd

!macro QUENBY_SET_ASIDE NAME VAR
    StrCpy $R0 "${NAME}"
    Call setAsideIfInUse
    StrCpy ${VAR} $R1
!macroend

; Once every new file is in place: a file set aside is deleted now if its
; process has ended meanwhile, else at the next restart (Delete /REBOOTOK sets
; the reboot flag, which the finish page tells about).
!macro QUENBY_DROP_SET_ASIDE VAR
    ${If} ${VAR} != ""
        Delete /REBOOTOK "${VAR}"
        StrCpy ${VAR} ""
    ${EndIf}
!macroend

; Setup failed: every program file that was set aside goes back to its name, in
; place of a new copy that may have been written already.
!macro QUENBY_PUT_BACK NAME VAR
    ${If} ${VAR} != ""
        Delete "$INSTDIR\${NAME}"
        Rename "${VAR}" "$INSTDIR\${NAME}"
        StrCpy ${VAR} ""
    ${EndIf}
!macroend

; Installed, with old files left to the next restart (programs that another
; user's session still ran): 3010, which deployment tools (Intune,
; Configuration Manager) take as success that a restart completes.
Function .onInstSuccess
    ${If} ${RebootFlag}
        SetErrorLevel 3010
    ${EndIf}
FunctionEnd

Function .onInstFailed
    !insertmacro QUENBY_PUT_BACK "Quenbytray.exe" $asideTray
    !insertmacro QUENBY_PUT_BACK "Quenby.exe" $asidePanel
    !insertmacro QUENBY_PUT_BACK "quenbyctl.exe" $asideCtl
FunctionEnd

Section "$(SECTION_PROGRAM)" SecProgram
    SectionIn RO

    ; "C:\" would otherwise be stored with its backslash.
    StrCpy $0 "$INSTDIR" "" -1
    ${If} $0 == "\"
        StrCpy $INSTDIR "$INSTDIR" -1
    ${EndIf}

    DetailPrint "$(CLOSING)"
    Call stopQuenby
    StrCpy $engineWasRunning $R2
    ${If} $allUsers = 1
        ; Every program first, before any file is written: a failure here
        ; leaves the old version whole.
        !insertmacro QUENBY_SET_ASIDE "Quenbytray.exe" $asideTray
        !insertmacro QUENBY_SET_ASIDE "Quenby.exe" $asidePanel
        !insertmacro QUENBY_SET_ASIDE "quenbyctl.exe" $asideCtl
    ${EndIf}

    SetOutPath "$INSTDIR"
    SetOverwrite on
    File "${STAGE}/Quenby.exe"
    File "${STAGE}/Quenbytray.exe"
    File "${STAGE}/quenbyctl.exe"
    File "${STAGE}/README.txt"
    File "${STAGE}/LICENSE.txt"
    ; For administrators: the templates, laid out as Group Policy's store is,
    ; with one folder per language.
    SetOutPath "$INSTDIR"
    File /r "${STAGE}/PolicyDefinitions"
    WriteUninstaller "$INSTDIR\uninstall.exe"

    ; The one value of the settings key that setup owns: where the programs are.
    ; Every user of a machine-wide install has a key of their own, which setup
    ; cannot reach: there the programs find each other beside themselves.
    ${If} $allUsers != 1
        WriteRegStr HKCU "${SETTINGS_KEY}" "Path" "$INSTDIR"
    ${EndIf}

    ; The engine's shortcut is named in the language setup runs in, so an
    ; update in another language (or over a version that named it in English)
    ; would leave the old one beside it: the folder is ours, its shortcuts go.
    Delete "${MENU_FOLDER}\*.lnk"
    CreateDirectory "${MENU_FOLDER}"
    CreateShortcut "${MENU_FOLDER}\${PANEL_LINK}" "$INSTDIR\Quenby.exe" "" "$INSTDIR\Quenby.exe" 0 \
        SW_SHOWNORMAL "" "$(PANEL_LINK_DESCRIPTION)"
    CreateShortcut "${MENU_FOLDER}\$(ENGINE_LINK_NAME).lnk" "$INSTDIR\Quenbytray.exe" "" "$INSTDIR\Quenby.exe" 0 \
        SW_SHOWNORMAL "" "$(ENGINE_LINK_DESCRIPTION)"

    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "Quenby"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Quenby.exe,0"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    ; _?= (last, unquoted, as NSIS wants it) runs the uninstaller where it is.
    ; Without it, it copies itself to the temporary folder, starts that copy and
    ; ends at once with 0: whoever started it (Intune, Configuration Manager,
    ; winget, Apps & Features) would see it end before anything was removed and
    ; never learn how the uninstall went.
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe" _?=$INSTDIR'
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S _?=$INSTDIR'
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" $0

    !insertmacro QUENBY_DROP_SET_ASIDE $asideTray
    !insertmacro QUENBY_DROP_SET_ASIDE $asidePanel
    !insertmacro QUENBY_DROP_SET_ASIDE $asideCtl
    ${If} $allUsers = 1
        ; What earlier updates set aside and no restart has removed yet, once
        ; nothing runs it any more (only now: until every new file is in place,
        ; what this run set aside must stay to be put back).
        Delete "$INSTDIR\Quenbytray.exe.*.old"
        Delete "$INSTDIR\Quenby.exe.*.old"
        Delete "$INSTDIR\quenbyctl.exe.*.old"
    ${EndIf}
    ${If} ${RebootFlag}
        DetailPrint "$(FINISH_SET_ASIDE)"
    ${EndIf}
SectionEnd

Section "$(SECTION_AUTOSTART)" SecAutostart
    ; Quoted: the folder may hold spaces (a user name, say). A machine-wide
    ; install starts the engine for every user who logs on.
    WriteRegStr SHCTX "${RUN_KEY}" "${RUN_VALUE}" '"$INSTDIR\Quenbytray.exe"'
SectionEnd

; Last: runs whatever was chosen above.
Section "-finish"
    ${IfNot} ${SectionIsSelected} ${SecAutostart}
        ; Unticked: this install no longer starts with Windows. An entry that
        ; names another copy of the engine is the user's and stays.
        Call runEntryOfThisInstall
        ${If} $R0 != ""
            DeleteRegValue SHCTX "${RUN_KEY}" "${RUN_VALUE}"
        ${EndIf}
    ${EndIf}
    ; Machine-wide, the engine it closed is not started again: it would run
    ; with setup's elevated token (see the finish pages).
    ${If} $engineWasRunning = 1
    ${AndIf} $allUsers != 1
        DetailPrint "$(RESTARTING_ENGINE)"
        Exec '"$INSTDIR\Quenbytray.exe"'
    ${EndIf}
SectionEnd

Function skipUnlessPerUser
    ${If} $allUsers = 1
        Abort
    ${EndIf}
FunctionEnd

Function machineFinishPre
    ${If} $allUsers != 1
        Abort
    ${EndIf}
    StrCpy $finishText "$(FINISH_MACHINE_TEXT)"
    ${If} ${RebootFlag}
        StrCpy $finishText "$finishText$\r$\n$\r$\n$(FINISH_SET_ASIDE)"
    ${EndIf}
FunctionEnd

!insertmacro MUI_FUNCTION_DESCRIPTION_BEGIN
    !insertmacro MUI_DESCRIPTION_TEXT ${SecProgram} "$(SECTION_PROGRAM_DESCRIPTION)"
    !insertmacro MUI_DESCRIPTION_TEXT ${SecAutostart} "$(SECTION_AUTOSTART_DESCRIPTION)"
!insertmacro MUI_FUNCTION_DESCRIPTION_END

; NSIS takes the user's interface language, else the first of the table with
; its primary language: Spanish for Mexico, German for Austria, but Simplified
; Chinese for Hong Kong and Macau, which read Traditional Chinese (as the
; engine and the control panel have it).
!macro TRADITIONAL_CHINESE_WHERE_READ
    System::Call 'kernel32::GetUserDefaultUILanguage() i .r0'
    ${If} $0 = 3076 ; zh-HK
    ${OrIf} $0 = 5124 ; zh-MO
        StrCpy $LANGUAGE 1028 ; zh-TW
    ${EndIf}
!macroend

Function .onInit
    SetShellVarContext current
    !insertmacro TRADITIONAL_CHINESE_WHERE_READ
    Call singleInstance

    ${GetParameters} $0
    StrCpy $allUsers 0
    ; Like every option, /ALLUSERS goes before /D=, which NSIS wants last.
    ClearErrors
    ${GetOptions} $0 "/ALLUSERS" $1
    ${IfNot} ${Errors}
        StrCpy $allUsers 1
        Call requireAdministrator
        ; $INSTDIR holds the per-user folder unless /D= named another: a
        ; machine-wide install goes where the last one went, or to Program Files.
        ClearErrors
        ReadRegStr $1 HKCU "${SETTINGS_KEY}" "Path"
        ${If} ${Errors}
            StrCpy $1 "$LOCALAPPDATA\Programs\Quenby"
        ${EndIf}
        SetShellVarContext all
        ${If} $INSTDIR == $1
            ClearErrors
            ReadRegStr $1 HKLM "${UNINSTALL_KEY}" "InstallLocation"
            ${If} ${Errors}
            ${OrIf} $1 == ""
                StrCpy $1 "$PROGRAMFILES64\Quenby"
            ${EndIf}
            StrCpy $INSTDIR $1
        ${EndIf}
    ${EndIf}

    ClearErrors
    ${GetOptions} $0 "/AUTOSTART=" $1
    ${IfNot} ${Errors}
        ${If} $1 == "0"
            !insertmacro UnselectSection ${SecAutostart}
        ${ElseIf} $1 == "1"
            !insertmacro SelectSection ${SecAutostart}
        ${Else}
            MessageBox MB_OK|MB_ICONSTOP "$(BAD_AUTOSTART)" /SD IDOK
            SetErrorLevel 2
            Quit
        ${EndIf}
    ${ElseIf} ${FileExists} "$INSTDIR\Quenbytray.exe"
        ; An upgrade keeps the choice of the install it replaces, which the user
        ; may have changed since in the control panel's options.
        Call runEntryOfThisInstall
        ${If} $R0 == ""
            !insertmacro UnselectSection ${SecAutostart}
        ${EndIf}
    ${EndIf}
FunctionEnd

; ---------------------------------------------------------------------------------
; Uninstaller

; Files left to the next restart (programs that another user's session still
; ran): 3010, as setup ends, so that a deployment tool knows the uninstall
; completes with the restart.
Function un.onUninstSuccess
    ${If} ${RebootFlag}
        SetErrorLevel 3010
    ${EndIf}
FunctionEnd

; NSIS keeps the uninstaller's own file open, shared for reading only, to
; unpack what it carries (its plug-ins); while that handle is open nobody may
; rename the file, not even the uninstaller itself. Called once nothing is
; unpacked any more (the plug-ins it uses are out already), this finds that
; handle among the process's own (a disk file whose final path is $EXEPATH)
; and closes it. NSIS closes it again as it ends, which then fails harmlessly.
Function un.closeOwnFile
    Push $0
    Push $1
    Push $2
    StrCpy $0 4
    ${Do}
        System::Call 'kernel32::GetFileType(p r0) i .r1'
        ${If} $1 = 1 ; FILE_TYPE_DISK
            System::Call 'kernel32::GetFinalPathNameByHandleW(p r0, w .r2, i ${NSIS_MAX_STRLEN}, i 0) i .r1'
            ${If} $1 > 0
            ${AndIf} $2 == "\\?\$EXEPATH"
                System::Call 'kernel32::CloseHandle(p r0)'
                ${Break}
            ${EndIf}
        ${EndIf}
        IntOp $0 $0 + 4
    ${LoopUntil} $0 > 8192
    Pop $2
    Pop $1
    Pop $0
FunctionEnd

; Run as its uninstall entry runs it (with _?=), the uninstaller is
; $INSTDIR\uninstall.exe itself, and Windows does not let a running program's
; file be deleted. It may be renamed, though, also into another folder of the
; same volume: it moves into the temporary folder, which leaves the install
; folder free to go, and Windows deletes it there at the next restart. That is
; housekeeping, not part of the uninstall left undone, so the reboot flag stays
; clear (3010 would have a deployment tool restart the computer, or count a
; restart as pending, for one file in a temporary folder). Scheduling the
; deletion takes an administrator or SYSTEM; a per-user uninstall leaves the
; copy to the cleaning of the user's temporary folder. Only when it cannot
; move (a temporary folder on another volume) does it stay in place for the
; restart, with the folder, and the reboot flag says so.
; Run without _?=, the uninstaller is a copy in the temporary folder already,
; and the plain Delete suffices.
Function un.removeOwnProgram
    Push $0
    Push $1
    Push $2
    StrCpy $1 "$INSTDIR\uninstall.exe"
    Delete $1
    ${If} ${FileExists} $1
        Call un.closeOwnFile
        ; A free name there (an empty file, replaced by the move).
        GetTempFileName $0
        ; MOVEFILE_REPLACE_EXISTING alone: with MOVEFILE_COPY_ALLOWED a move to
        ; another volume would copy, fail to delete the running original, and
        ; still report success.
        System::Call 'kernel32::MoveFileExW(w r1, w r0, i 1) i .r2'
        ${If} $2 <> 0
            ; MOVEFILE_DELAY_UNTIL_REBOOT without a new name: deleted at the restart.
            System::Call 'kernel32::MoveFileExW(w r0, p 0, i 4) i'
        ${Else}
            Delete $0
            Delete /REBOOTOK $1
        ${EndIf}
    ${EndIf}
    Pop $2
    Pop $1
    Pop $0
FunctionEnd

Function un.onInit
    SetShellVarContext current
    !insertmacro TRADITIONAL_CHINESE_WHERE_READ
    Call un.singleInstance
    ; The uninstaller of a machine-wide install is the one its entry names.
    StrCpy $allUsers 0
    ClearErrors
    ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "InstallLocation"
    ${IfNot} ${Errors}
    ${AndIf} $0 == $INSTDIR
        StrCpy $allUsers 1
        Call un.requireAdministrator
        SetShellVarContext all
    ${EndIf}
FunctionEnd

Section "Uninstall"

    DetailPrint "$(CLOSING)"
    Call un.stopQuenby

    ; Whatever language setup named the engine's shortcut in.
    Delete "${MENU_FOLDER}\*.lnk"
    RMDir "${MENU_FOLDER}"

    Call un.runEntryOfThisInstall
    ${If} $R0 != ""
        DeleteRegValue SHCTX "${RUN_KEY}" "${RUN_VALUE}"
    ${EndIf}

    ReadRegStr $0 SHCTX "${UNINSTALL_KEY}" "InstallLocation"
    ${If} $0 == "$INSTDIR"
        DeleteRegKey SHCTX "${UNINSTALL_KEY}"
    ${EndIf}

    ; Every setting stays for a later install; only the install folder goes, and
    ; the key itself only if nothing else was ever stored in it. A machine-wide
    ; install wrote into no user's key, so its uninstaller leaves them all alone.
    ${If} $allUsers != 1
        ReadRegStr $0 HKCU "${SETTINGS_KEY}" "Path"
        ${If} $0 == "$INSTDIR"
            DeleteRegValue HKCU "${SETTINGS_KEY}" "Path"
        ${EndIf}
        DeleteRegKey /ifempty HKCU "${SETTINGS_KEY}"
    ${EndIf}

    ; Only what setup put there: files of the user's own in the folder stay.
    ; Machine-wide, a program that another user's session still runs goes at
    ; the next restart, with the folder.
    ${If} $allUsers = 1
        Delete /REBOOTOK "$INSTDIR\Quenby.exe"
        Delete /REBOOTOK "$INSTDIR\Quenbytray.exe"
        Delete /REBOOTOK "$INSTDIR\quenbyctl.exe"
        Delete /REBOOTOK "$INSTDIR\Quenby.exe.*.old"
        Delete /REBOOTOK "$INSTDIR\Quenbytray.exe.*.old"
        Delete /REBOOTOK "$INSTDIR\quenbyctl.exe.*.old"
    ${Else}
        Delete "$INSTDIR\Quenby.exe"
        Delete "$INSTDIR\Quenbytray.exe"
        Delete "$INSTDIR\quenbyctl.exe"
    ${EndIf}
    Delete "$INSTDIR\README.txt"
    Delete "$INSTDIR\LICENSE.txt"
    ; The templates' folder is setup's own, every language of it.
    RMDir /r "$INSTDIR\PolicyDefinitions"
    Call un.removeOwnProgram
    ; Windows keeps a process's working folder: never ours.
    SetOutPath "$TEMP"
    ${If} ${RebootFlag}
        ; A program goes at the restart: the folder after it (a folder with
        ; files of the user's own stays then too).
        RMDir /REBOOTOK "$INSTDIR"
        DetailPrint "$(UNINSTALL_IN_USE)"
        MessageBox MB_OK|MB_ICONINFORMATION "$(UNINSTALL_IN_USE)" /SD IDOK
    ${Else}
        RMDir "$INSTDIR"
    ${EndIf}
SectionEnd
