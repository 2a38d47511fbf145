; Cintario's installer, for the user who runs it and without administrator
; rights: the program folder into that user's own programs folder, a
; Start-menu shortcut that starts the program in "Películas" of the user's
; documents (where its catalogue lives), the uninstall entry under HKCU (the
; user's own "Apps"), and an uninstaller that leaves "Películas" alone.
; Installed over an earlier version, it goes into the same folder and first
; removes the files that version listed as installed, so nothing of it stays.
; It never replaces or removes files under a running Cintario: it says so and
; waits for the user to close it, or ends with a failure status (silently, /S).
; makensis -INPUTCHARSET UTF8 -DPROGRAM_FOLDER=... -DVERSION=... -DICON=...
;          -DMANIFEST=... -DSIZE_KB=... -DOUTFILE=... Cintario.nsi
; A 64-bit installer for a 64-bit program (runs where 32-bit programs do not).
Target amd64-unicode
!include "MUI2.nsh"
!include "LogicLib.nsh"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Cintario"
; The list of installed files and folders (one a line, relative to the
; program folder, folders deepest first, UTF-16LE), kept in the program folder.
!define INSTALLED_LIST "archivos-instalados.txt"
Name "Cintario"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Cintario"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
RequestExecutionLevel user
SetCompressor /SOLID lzma

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
; An upgrade goes where the installed version is: no folder to choose.
!define MUI_PAGE_CUSTOMFUNCTION_PRE skipFolderPageIfInstalled
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Spanish"

; The installer's and the uninstaller's own copies (the latter named un.*) of
; the functions both need; "action" is what the program does, for its messages.
!macro SHARED_FUNCTIONS un action
  ; Pushes 1 if a Cintario.exe of $INSTDIR runs, else 0: the program file of
  ; every process that can be asked (a user's own can) is compared with it.
  Function ${un}cintarioRuns
    Push $0
    Push $1
    Push $2
    Push $3
    Push $4
    Push $5
    StrCpy $5 0
    System::Alloc 16384
    Pop $0
    ; $1: bytes of process ids written, 4 each.
    System::Call 'kernel32::K32EnumProcesses(p r0, i 16384, *i .r1)'
    StrCpy $2 0
    ${DoWhile} $2 < $1
      IntPtrOp $3 $0 + $2
      System::Call '*$3(i .r3)'
      ; 0x1000: PROCESS_QUERY_LIMITED_INFORMATION
      System::Call 'kernel32::OpenProcess(i 0x1000, i 0, i r3) p .r3'
      ${If} $3 P<> 0
        StrCpy $4 ""
        System::Call 'kernel32::QueryFullProcessImageNameW(p r3, i 0, w .r4, *i ${NSIS_MAX_STRLEN})'
        System::Call 'kernel32::CloseHandle(p r3)'
        ${IfThen} $4 == "$INSTDIR\Cintario.exe" ${|} StrCpy $5 1 ${|}
      ${EndIf}
      IntOp $2 $2 + 4
    ${Loop}
    System::Free $0
    Pop $4
    Pop $3
    Pop $2
    Pop $1
    Pop $0
    Exch $5
  FunctionEnd

  ; Asks the user to close a running Cintario and waits until it is closed;
  ; if the user cancels (or nobody can be asked: /S), the installer ends with
  ; status 2 before it has changed anything.
  Function ${un}waitUntilClosed
    Push $0
    check:
    Call ${un}cintarioRuns
    Pop $0
    ${If} $0 = 1
      MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION \
        "Cintario está abierto (el programa $\"$INSTDIR\Cintario.exe$\") y sus archivos no se pueden cambiar mientras lo usas.$\r$\n$\r$\nCiérralo y vuelve a intentarlo, o cancela para salir sin ${action}. No se ha modificado nada." \
        /SD IDCANCEL IDRETRY check
      SetErrorLevel 2
      Quit
    ${EndIf}
    Pop $0
  FunctionEnd

  ; Removes the files and then the folders that the installed version listed,
  ; and the list itself; a folder that still holds something else stays.
  Function ${un}removeInstalledFiles
    Push $0
    Push $1
    Push $2
    ClearErrors
    FileOpen $0 "$INSTDIR\${INSTALLED_LIST}" r
    ${IfNot} ${Errors}
      ${Do}
        ClearErrors
        FileReadUTF16LE $0 $1
        ${IfThen} ${Errors} ${|} ${ExitDo} ${|}
        ; Without its line end.
        ${Do}
          StrCpy $2 $1 1 -1
          ${If} $2 == "$\n"
          ${OrIf} $2 == "$\r"
            StrCpy $1 $1 -1
          ${Else}
            ${ExitDo}
          ${EndIf}
        ${Loop}
        ${If} $1 != ""
          Delete "$INSTDIR\$1"
          RMDir "$INSTDIR\$1"
        ${EndIf}
      ${Loop}
      FileClose $0
      Delete "$INSTDIR\${INSTALLED_LIST}"
    ${EndIf}
    Pop $2
    Pop $1
    Pop $0
  FunctionEnd
!macroend
!insertmacro SHARED_FUNCTIONS "" "instalar"
!insertmacro SHARED_FUNCTIONS "un." "desinstalar"

Function .onInit
  Call waitUntilClosed
FunctionEnd

Function skipFolderPageIfInstalled
  ${If} ${FileExists} "$INSTDIR\${INSTALLED_LIST}"
    Abort
  ${EndIf}
FunctionEnd

Section "Cintario"
  ; Asked again: the user may have started it since the installer began.
  Call waitUntilClosed
  SetShellVarContext current
  Call removeInstalledFiles
  SetOutPath "$INSTDIR"
  File /r "${PROGRAM_FOLDER}/*"
  File "/oname=${INSTALLED_LIST}" "${MANIFEST}"
  WriteUninstaller "$INSTDIR\Desinstalar.exe"

  ; The shortcut starts in the folder that is current when it is made.
  CreateDirectory "$DOCUMENTS\Películas"
  SetOutPath "$DOCUMENTS\Películas"
  CreateShortCut "$SMPROGRAMS\Cintario.lnk" "$INSTDIR\Cintario.exe"

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Cintario"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "^Brisvel^"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Cintario.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Desinstalar.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Desinstalar.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" ${SIZE_KB}
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Function un.onInit
  Call un.waitUntilClosed
FunctionEnd

Section "Uninstall"
  SetShellVarContext current
  Delete "$SMPROGRAMS\Cintario.lnk"
  ; The installed files one by one, never the whole folder: it may hold
  ; something else the user put there.
  Call un.removeInstalledFiles
  Delete "$INSTDIR\Desinstalar.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
