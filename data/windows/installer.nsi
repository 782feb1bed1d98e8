; The TovelCreator installer. Built by tools/windows/build.sh, which passes
;   VERSION      the program's version, "1.01"
;   PROGRAM      the path of tovelcreator.exe
;   ICON         the path of tovelcreator.ico
;   README       the path of the README as a Windows text file
;   LICENSE      the path of the licence as a Windows text file
;   FILES        an include file naming the sample tovels and bitmaps, with
;                the macros InstallSamples and RemoveSamples
;   OUTFILE      the installer to write
;
; It installs for the current user (no administrator needed) or for all
; users of the computer, adds a Start-menu entry and an uninstaller, and
; registers the document type "TovelCreator.Document", shown as "Tovel",
; with the program's icon and an open command. The uninstaller removes all
; of it again. Silent use: /S, with /CurrentUser or /AllUsers and /D=FOLDER
; (last, without quotes).

; A 64-bit installer for the 64-bit program: it sees the 64-bit registry and
; program folder as they are.
Target amd64-unicode
SetCompressor /SOLID lzma

!define APP "TovelCreator"
!define PUBLISHER "The TovelCreator authors"
!define DOCTYPE "TovelCreator.Document"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${APP}"

!define MULTIUSER_EXECUTIONLEVEL Highest
!define MULTIUSER_MUI
!define MULTIUSER_INSTALLMODE_COMMANDLINE
!define MULTIUSER_USE_PROGRAMFILES64
!define MULTIUSER_INSTALLMODE_INSTDIR "${APP}"
; Where an earlier install went decides the mode and the folder of the next
; one and of the uninstaller.
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_VALUENAME "InstallLocation"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_VALUENAME "InstallLocation"
!include MultiUser.nsh
!include MUI2.nsh
!include x64.nsh
!include "${FILES}"

Name "${APP} ${VERSION}"
OutFile "${OUTFILE}"
BrandingText "${APP} ${VERSION}"
!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"

!insertmacro MULTIUSER_PAGE_INSTALLMODE
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\tovelcreator.exe"
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

VIProductVersion "${VERSION}.0.0"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductName" "${APP}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileDescription" "${APP} installer"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "LegalCopyright" "${PUBLISHER}"

Var GivenDir

Function .onInit
  ; MultiUser sets the folder from the mode; a folder given with /D= wins.
  StrCpy $GivenDir $INSTDIR
  SetRegView 64
  !insertmacro MULTIUSER_INIT
  StrCmp $GivenDir "" +2
  StrCpy $INSTDIR $GivenDir
FunctionEnd

Function un.onInit
  SetRegView 64
  !insertmacro MULTIUSER_UNINIT
FunctionEnd

Section "TovelCreator"
  SetOutPath "$INSTDIR"
  File "/oname=tovelcreator.exe" "${PROGRAM}"
  File "/oname=README.txt" "${README}"
  File "/oname=LICENSE.txt" "${LICENSE}"
  !insertmacro InstallSamples
  SetOutPath "$INSTDIR"
  WriteUninstaller "$INSTDIR\uninstall.exe"

  CreateShortcut "$SMPROGRAMS\${APP}.lnk" "$INSTDIR\tovelcreator.exe"

  ; The document type: tovels have no extension, so the type is offered in
  ; "Open with" and to the control program rather than tied to a suffix.
  WriteRegStr SHCTX "Software\Classes\${DOCTYPE}" "" "Tovel"
  WriteRegStr SHCTX "Software\Classes\${DOCTYPE}\DefaultIcon" "" "$INSTDIR\tovelcreator.exe,0"
  WriteRegStr SHCTX "Software\Classes\${DOCTYPE}\shell\open\command" "" '"$INSTDIR\tovelcreator.exe" "%1"'
  WriteRegStr SHCTX "Software\Classes\Applications\tovelcreator.exe\shell\open\command" "" '"$INSTDIR\tovelcreator.exe" "%1"'
  WriteRegStr SHCTX "Software\Classes\Applications\tovelcreator.exe" "FriendlyAppName" "${APP}"
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)' ; SHCNE_ASSOCCHANGED

  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "${APP}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\tovelcreator.exe,0"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe" /$MultiUser.InstallMode'
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /$MultiUser.InstallMode /S'
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
  Delete "$SMPROGRAMS\${APP}.lnk"
  DeleteRegKey SHCTX "Software\Classes\${DOCTYPE}"
  DeleteRegKey SHCTX "Software\Classes\Applications\tovelcreator.exe"
  DeleteRegKey SHCTX "${UNINSTALL_KEY}"
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'

  ; Only what the installer put there: tovels the user saved stay.
  Delete "$INSTDIR\tovelcreator.exe"
  Delete "$INSTDIR\README.txt"
  Delete "$INSTDIR\LICENSE.txt"
  Delete "$INSTDIR\uninstall.exe"
  !insertmacro RemoveSamples
  RMDir "$INSTDIR"
SectionEnd
