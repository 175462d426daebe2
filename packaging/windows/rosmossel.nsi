; The Windows installer of Ros Mossel, made by scripts/package-windows.sh:
;   makensis -DVERSION=1.2.3 -DSTAGE=<folder with the files> -DOUTFILE=<setup.exe> rosmossel.nsi
; A 64-bit installer for 64-bit programs: it sees the 64-bit Program Files and
; registry without redirection.
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma

!ifndef VERSION | STAGE | OUTFILE
  !error "Give -DVERSION, -DSTAGE and -DOUTFILE"
!endif

!define PRODUCT "Ros Mossel"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\RosMossel"
; Where the tool keeps its preferences (HKLM, or HKCU where a standard user may
; not write HKLM); the uninstaller removes both.
!define PREFERENCES_KEY "Software\Microsoft\Windows\CurrentVersion\App Paths\Ros Mossel.exe"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\${PRODUCT}"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
RequestExecutionLevel admin
ShowInstDetails show
ShowUninstDetails show

VIProductVersion "${VERSION}.0"
VIAddVersionKey "ProductName" "${PRODUCT}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "FileDescription" "${PRODUCT} ${VERSION} installer"
VIAddVersionKey "LegalCopyright" "GPL-3.0-or-later"

!include "MUI2.nsh"
; The tool's own icon where the source has one.
!if /FileExists "${__FILEDIR__}\..\..\resources\windows\rosmossel.ico"
  !define MUI_ICON "${__FILEDIR__}\..\..\resources\windows\rosmossel.ico"
  !define MUI_UNICON "${__FILEDIR__}\..\..\resources\windows\rosmossel.ico"
!endif
!define MUI_FINISHPAGE_RUN "$INSTDIR\rosmossel.exe"
!insertmacro MUI_PAGE_LICENSE "${STAGE}\LICENSE.txt"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

Section "Install"
  SetShellVarContext all
  SetOutPath "$INSTDIR"
  File "${STAGE}\rosmossel.exe"
  File "${STAGE}\rosmossel-cli.exe"
  File "${STAGE}\README.txt"
  File "${STAGE}\LICENSE.txt"
  File "${STAGE}\THIRD-PARTY.txt"
  File "${STAGE}\serviceproviders.xml"
  ; The example profiles, to start a set-up for rosmossel-cli from.
  SetOutPath "$INSTDIR\examples"
  File "${STAGE}\examples\camera-menu.json"
  File "${STAGE}\examples\mms.json"
  File "${STAGE}\examples\smtp.json"
  SetOutPath "$INSTDIR\guide"
  File "${STAGE}\guide\*.html"
  File "${STAGE}\guide\*.png"
  SetOutPath "$INSTDIR"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortcut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\rosmossel.exe"
  CreateShortcut "$SMPROGRAMS\${PRODUCT} guide.lnk" "$INSTDIR\guide\guide.html"

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PRODUCT}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\rosmossel.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  SectionGetSize 0 $0
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

; Removes only what the installer put there: a folder that the user chose and
; that holds other files keeps them.
Section "Uninstall"
  SetShellVarContext all
  Delete "$SMPROGRAMS\${PRODUCT}.lnk"
  Delete "$SMPROGRAMS\${PRODUCT} guide.lnk"
  Delete "$INSTDIR\rosmossel.exe"
  Delete "$INSTDIR\rosmossel-cli.exe"
  Delete "$INSTDIR\README.txt"
  Delete "$INSTDIR\LICENSE.txt"
  Delete "$INSTDIR\THIRD-PARTY.txt"
  Delete "$INSTDIR\serviceproviders.xml"
  Delete "$INSTDIR\examples\camera-menu.json"
  Delete "$INSTDIR\examples\mms.json"
  Delete "$INSTDIR\examples\smtp.json"
  RMDir "$INSTDIR\examples"
  Delete "$INSTDIR\guide\*.html"
  Delete "$INSTDIR\guide\*.png"
  RMDir "$INSTDIR\guide"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${PREFERENCES_KEY}"
  DeleteRegKey HKCU "${PREFERENCES_KEY}"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
