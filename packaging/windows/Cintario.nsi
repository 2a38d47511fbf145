; Cintario's installer: the program folder into Program Files, a Start-menu
; shortcut that starts the program in "Películas" of the user's documents
; (where its catalogue lives: a normal user cannot write into the program's
; folder), and an uninstaller that leaves that folder and its files alone.
; makensis -INPUTCHARSET UTF8 -DPROGRAM_FOLDER=... -DVERSION=... -DICON=...
;          -DUNINSTALL_LIST=... -DOUTFILE=... Cintario.nsi
; A 64-bit installer for a 64-bit program (runs where 32-bit programs do not).
Target amd64-unicode
!include "MUI2.nsh"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Cintario"
Name "Cintario"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Cintario"
RequestExecutionLevel admin
SetCompressor /SOLID lzma

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Spanish"

Section "Cintario"
  SetShellVarContext current
  SetOutPath "$INSTDIR"
  File /r "${PROGRAM_FOLDER}/*"
  WriteUninstaller "$INSTDIR\Desinstalar.exe"

  ; The shortcut starts in the folder that is current when it is made.
  CreateDirectory "$DOCUMENTS\Películas"
  SetOutPath "$DOCUMENTS\Películas"
  CreateShortCut "$SMPROGRAMS\Cintario.lnk" "$INSTDIR\Cintario.exe"

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Cintario"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "^Brisvel^"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Cintario.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Desinstalar.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Desinstalar.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
  SetShellVarContext current
  Delete "$SMPROGRAMS\Cintario.lnk"
  ; The installed files one by one, never the whole folder: it may hold
  ; something else the user put there.
  !include "${UNINSTALL_LIST}"
  Delete "$INSTDIR\Desinstalar.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
