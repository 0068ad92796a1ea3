; Pendra's installer: for the current user alone, without elevation, into
; %LOCALAPPDATA%\Programs\Pendra, with a Start-menu shortcut, an optional start with Windows
; (hidden, -m) and an entry in the user's list of installed programs.
;
; scripts/package compiles it (paths are relative to this folder) and defines:
;   VERSION, FILE_VERSION, VERSION_MAJOR, VERSION_MINOR   from src/lang/Version.h
;   STAGE            the folder holding the release's files
;   FILE_LISTS       the folder holding install.nsh and uninstall.nsh, made from STAGE, and
;                    maker.nsh, which defines MAKER and COPYRIGHT_NOTICE from src/lang/Maker.h
;   ESTIMATED_SIZE   the installed size in KiB
;   OUTFILE          the installer to write

Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user
ManifestDPIAware true

!include MUI2.nsh
!include LogicLib.nsh
!include Sections.nsh
!include "${FILE_LISTS}\maker.nsh"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Pendra"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
!define MAIN_WINDOW_CLASS "TToDoForm"
!define MAIN_WINDOW_CAPTION "Pendra"
!define SYNCHRONIZE_AND_QUERY 0x00101000
!define CLOSE_WAIT_MS 30000

Name "Pendra"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Pendra"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "Pendra ${VERSION}"

!define MUI_ICON "../assets/Pendra.ico"
!define MUI_UNICON "../assets/Pendra.ico"
!define MUI_ABORTWARNING
!define MUI_COMPONENTSPAGE_NODESC
!define MUI_FINISHPAGE_RUN "$INSTDIR\Pendra.exe"

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${STAGE}\LICENSE.txt"
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_PAGE_CUSTOMFUNCTION_SHOW OfferToStartUnlessStarted
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

; The first language is the one of a system that speaks neither.
!insertmacro MUI_LANGUAGE "German"
!insertmacro MUI_LANGUAGE "English"

LangString SectionProgram ${LANG_GERMAN} "Pendra"
LangString SectionProgram ${LANG_ENGLISH} "Pendra"
LangString SectionStartWithWindows ${LANG_GERMAN} "Mit Windows starten"
LangString SectionStartWithWindows ${LANG_ENGLISH} "Start with Windows"
LangString StillRunning ${LANG_GERMAN} "Pendra läuft noch und konnte nicht beendet werden.$\r$\nBitte beenden Sie Pendra und wählen Sie dann Wiederholen."
LangString StillRunning ${LANG_ENGLISH} "Pendra is still running and could not be ended.$\r$\nPlease end Pendra, then choose Retry."

VIProductVersion "${FILE_VERSION}"
VIFileVersion "${FILE_VERSION}"
VIAddVersionKey /LANG=${LANG_GERMAN} "ProductName" "Pendra"
VIAddVersionKey /LANG=${LANG_GERMAN} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_GERMAN} "FileVersion" "${FILE_VERSION}"
VIAddVersionKey /LANG=${LANG_GERMAN} "FileDescription" "Pendra ${VERSION} Setup"
VIAddVersionKey /LANG=${LANG_GERMAN} "CompanyName" "${MAKER}"
VIAddVersionKey /LANG=${LANG_GERMAN} "LegalCopyright" "${COPYRIGHT_NOTICE}"

Var PendraWasRunning
Var PendraWasHidden

; Ends every Pendra that runs from $INSTDIR the normal way: its window closes as the user would
; close it, so the list is saved; then waits for its process to end, since its files cannot be
; replaced before. A Pendra running from elsewhere (unzipped, portable) is left alone.
; Remembers whether one ran and whether its window was hidden, to start the new one alike.
!macro CLOSE_RUNNING_PENDRA prefix
Function ${prefix}CloseRunningPendra
  StrCpy $0 0
  look:
    FindWindow $0 "${MAIN_WINDOW_CLASS}" "${MAIN_WINDOW_CAPTION}" 0 $0
    ${If} $0 == 0
      Return
    ${EndIf}
    System::Call "user32::GetWindowThreadProcessId(p r0, *i .r1)"
    System::Call "kernel32::OpenProcess(i ${SYNCHRONIZE_AND_QUERY}, i 0, i r1) p .r2"
    ${If} $2 P= 0
      Goto look
    ${EndIf}
    StrCpy $3 ""
    System::Call "kernel32::QueryFullProcessImageNameW(p r2, i 0, w .r3, *i ${NSIS_MAX_STRLEN})"
    ${If} $3 != "$INSTDIR\Pendra.exe"
      System::Call "kernel32::CloseHandle(p r2)"
      Goto look
    ${EndIf}
    StrCpy $PendraWasRunning 1
    System::Call "user32::IsWindowVisible(p r0) i .r4"
    ${If} $4 == 0
      StrCpy $PendraWasHidden 1
    ${EndIf}
  close:
    SendMessage $0 ${WM_CLOSE} 0 0 /TIMEOUT=5000
    System::Call "kernel32::WaitForSingleObject(p r2, i ${CLOSE_WAIT_MS}) i .r4"
    ${If} $4 != 0
      MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "$(StillRunning)" /SD IDCANCEL IDRETRY close
      System::Call "kernel32::CloseHandle(p r2)"
      Abort
    ${EndIf}
    System::Call "kernel32::CloseHandle(p r2)"
    StrCpy $0 0
    Goto look
FunctionEnd
!macroend
!insertmacro CLOSE_RUNNING_PENDRA ""
!insertmacro CLOSE_RUNNING_PENDRA "un."

Section "!$(SectionProgram)" SectionProgram
  SectionIn RO
  Call CloseRunningPendra
  !include "${FILE_LISTS}\install.nsh"
  WriteUninstaller "$INSTDIR\Uninstall.exe"
  CreateShortcut "$SMPROGRAMS\Pendra.lnk" "$INSTDIR\Pendra.exe"

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Pendra"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "VersionMajor" ${VERSION_MAJOR}
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "VersionMinor" ${VERSION_MINOR}
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${MAKER}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Pendra.exe,0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" ${ESTIMATED_SIZE}
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1

  ; The next section writes it again when it is chosen.
  DeleteRegValue HKCU "${RUN_KEY}" "Pendra"
SectionEnd

Section "$(SectionStartWithWindows)" SectionStartWithWindows
  WriteRegStr HKCU "${RUN_KEY}" "Pendra" '"$INSTDIR\Pendra.exe" -m'
SectionEnd

; The finish page offers to start Pendra unless the installer has started it again already.
Function OfferToStartUnlessStarted
  ${If} $PendraWasRunning == 1
    SendMessage $mui.FinishPage.Run ${BM_SETCHECK} ${BST_UNCHECKED} 0
    ShowWindow $mui.FinishPage.Run ${SW_HIDE}
  ${EndIf}
FunctionEnd

; An update keeps the choice of the installation before: without its start with Windows, the
; box starts unticked.
Function .onInit
  ReadRegStr $0 HKCU "${UNINSTALL_KEY}" "DisplayName"
  ReadRegStr $1 HKCU "${RUN_KEY}" "Pendra"
  ${If} $0 != ""
  ${AndIf} $1 == ""
    !insertmacro UnselectSection ${SectionStartWithWindows}
  ${EndIf}
FunctionEnd

Section "-StartAgain"
  ${If} $PendraWasRunning == 1
    ${If} $PendraWasHidden == 1
      Exec '"$INSTDIR\Pendra.exe" -m'
    ${Else}
      Exec '"$INSTDIR\Pendra.exe"'
    ${EndIf}
  ${EndIf}
SectionEnd

; Removes what the installer put there; the user's list (in %APPDATA%\Pendra, or a Pendra.xml
; beside Pendra.exe) and skins of the user's own stay.
Section "Uninstall"
  Call un.CloseRunningPendra
  Delete "$SMPROGRAMS\Pendra.lnk"
  DeleteRegValue HKCU "${RUN_KEY}" "Pendra"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
  !include "${FILE_LISTS}\uninstall.nsh"
  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR"
SectionEnd
