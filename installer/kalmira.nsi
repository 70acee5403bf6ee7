; The setup program of Kalmira horoskop (kalmira-VERSION-setup.exe), built by CMake with makensis.
; makensis -INPUTCHARSET UTF8 -DVERSION=1.0 -DVERSION_FULL=1.0.0.0 -DEXE=kalmira.exe -DREADME=citajma.txt
;          -DOUTFILE=kalmira-1.0-setup.exe kalmira.nsi
; EXE and README are the staged copies (stage_release.sh), whose file times, kept by File, are the
; commit's: the setup program is then the same bytes whenever and wherever it is made.
Unicode true
SetCompressor /SOLID lzma
RequestExecutionLevel admin
ManifestSupportedOS all

!include "MUI2.nsh"
!include "FileFunc.nsh"
!include "LogicLib.nsh"

!define PRODUCT "Kalmira horoskop"
!define PUBLISHER "Kalmira"
; The one entry in the list of installed programs; a second setup run writes the same key again.
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Kalmira"
!define SHORTCUT "$SMPROGRAMS\${PRODUCT}.lnk"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES\Kalmira"
; An upgrade goes where the previous version went.
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${PRODUCT} ${VERSION}"

VIProductVersion "${VERSION_FULL}"
VIFileVersion "${VERSION_FULL}"
VIAddVersionKey /LANG=1051 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1051 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1051 "FileDescription" "Inštalácia programu ${PRODUCT} ${VERSION}"
VIAddVersionKey /LANG=1051 "FileVersion" "${VERSION_FULL}"
VIAddVersionKey /LANG=1051 "ProductVersion" "${VERSION_FULL}"
VIAddVersionKey /LANG=1051 "LegalCopyright" "Copyright © 2026 Kalmira"

!define MUI_ICON "${EXE_ICON}"
!define MUI_UNICON "${EXE_ICON}"
!define MUI_ABORTWARNING
; The finish page offers no "run the program now": the setup runs with administrator rights, and a
; program started from it would run with them too. The Start menu starts it as the user.

!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Slovak"

; Per machine: Program Files, and the Start menu of all users.
Function .onInit
  SetShellVarContext all
FunctionEnd

Function un.onInit
  SetShellVarContext all
FunctionEnd

Section "${PRODUCT}"
  SetOutPath "$INSTDIR"
  File "/oname=kalmira.exe" "${EXE}"
  File "/oname=citajma.txt" "${README}"
  ; Earlier setups of this version shipped the English README.md instead.
  Delete "$INSTDIR\README.md"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortCut "${SHORTCUT}" "$INSTDIR\kalmira.exe" "" "$INSTDIR\kalmira.exe" 0

  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\kalmira.exe,0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

; Removes exactly what the section above made. The folder goes only when it is empty: whatever
; the user put there stays.
Section "Uninstall"
  Delete "${SHORTCUT}"
  Delete "$INSTDIR\kalmira.exe"
  Delete "$INSTDIR\citajma.txt"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
  ; This runs from NSIS's copy of the uninstaller in %TEMP%\~nsuN.tmp, which asks for that folder's
  ; deletion at the next restart before its file's, so the non-empty folder would stay. Asking again,
  ; file first and then folder, leaves nothing after the restart.
  ${If} $EXEDIR != $INSTDIR
    Delete /REBOOTOK "$EXEPATH"
    RMDir /REBOOTOK "$EXEDIR"
  ${EndIf}
SectionEnd
