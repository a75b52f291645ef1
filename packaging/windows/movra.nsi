; The Movra installer: per user, no administrator rights, silent with /S.
; scripts/package-windows.sh defines VERSION, VERSION_QUAD, FILES (the File and
; Delete lines of what it installs), ICON and OUTFILE.
Unicode true
Target amd64-unicode
ManifestDPIAware true
SetCompressor /SOLID lzma

!include MUI2.nsh
!include LogicLib.nsh
!include ${FILES}

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Movra"
!define PUBLISHER "The Movra developers"

Name "Movra"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Movra"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
RequestExecutionLevel user
BrandingText "Movra ${VERSION}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\movra.exe"
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
; The first is the fallback; Windows's display language picks the other.
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "Japanese"

VIProductVersion ${VERSION_QUAD}
VIFileVersion ${VERSION_QUAD}
!macro VersionKeys LANGUAGE DESCRIPTION
  VIAddVersionKey /LANG=${LANGUAGE} "ProductName" "Movra"
  VIAddVersionKey /LANG=${LANGUAGE} "ProductVersion" "${VERSION}"
  VIAddVersionKey /LANG=${LANGUAGE} "FileVersion" "${VERSION}"
  VIAddVersionKey /LANG=${LANGUAGE} "FileDescription" "${DESCRIPTION}"
  VIAddVersionKey /LANG=${LANGUAGE} "CompanyName" "${PUBLISHER}"
  VIAddVersionKey /LANG=${LANGUAGE} "LegalCopyright" "Copyright (c) 2026 ${PUBLISHER}. MIT License."
!macroend
!insertmacro VersionKeys ${LANG_ENGLISH} "Movra ${VERSION} Setup"
!insertmacro VersionKeys ${LANG_JAPANESE} "Movra ${VERSION} セットアップ"

Section
  ; An older copy goes first, wherever it was, with its own uninstaller:
  ; run in place (_?=) so that it finishes before the new files arrive.
  ReadRegStr $0 HKCU "${UNINSTALL_KEY}" "InstallLocation"
  ${If} $0 != ""
  ${AndIf} ${FileExists} "$0\uninstall.exe"
    ExecWait '"$0\uninstall.exe" /S _?=$0'
    Delete "$0\uninstall.exe"
    RMDir "$0"
  ${EndIf}

  !insertmacro InstallFiles
  WriteUninstaller "$INSTDIR\uninstall.exe"
  ; The shortcut starts the program in its own folder.
  SetOutPath "$INSTDIR"
  CreateShortcut "$SMPROGRAMS\Movra.lnk" "$INSTDIR\movra.exe" "" "$INSTDIR\movra.exe" 0

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Movra"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\movra.exe,0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  SectionGetSize 0 $1  ; in KiB, as the key wants it
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $1
SectionEnd

Section "Uninstall"
  ; The screen saver chosen, if it is this movra.scr (long or short name): no
  ; setting may name a file that is gone. Before the files go, while the
  ; folder still has its short name. StrCmp ignores case, as Windows does.
  ReadRegStr $0 HKCU "Control Panel\Desktop" "SCRNSAVE.EXE"
  GetFullPathName /SHORT $1 "$INSTDIR"
  ${If} $0 == "$INSTDIR\movra.scr"
  ${OrIf} $0 == "$1\movra.scr"
    DeleteRegValue HKCU "Control Panel\Desktop" "SCRNSAVE.EXE"
  ${EndIf}
  !insertmacro RemoveFiles
  Delete "$INSTDIR\uninstall.exe"
  ; Only if empty: files of the user's own, recordings say, keep their folder.
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\Movra.lnk"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
  ; The program's one setting, the zoom last chosen.
  DeleteRegKey HKCU "Software\Movra"
SectionEnd
