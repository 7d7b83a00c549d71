; The Windows installer of Rulewright, made by the windows-installer target
; (MakeInstaller.cmake), which defines:
;   VERSION  the program's version   VERSION_QUAD  the same in four numbers
;   FILES    the build's files       DATA          this folder
;   OUTFILE  the installer to write
; It installs for all users into Program Files when run by an administrator,
; and for the current user into AppData\Local\Programs otherwise (or when
; given /CurrentUser). /S installs without asking.

Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
ManifestDPIAware true

!define PRODUCT "Rulewright"
!define MENU_NAME "Rulewright（AIスクリプトエディタ）"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Rulewright"
!define APP_PATHS_KEY "Software\Microsoft\Windows\CurrentVersion\App Paths\rulewright.exe"
!define PROJECT_CLASS "Rulewright.Project"
!define TEMPLATE_CLASS "Rulewright.Template"

Name "${PRODUCT}" "${MENU_NAME}"
OutFile "${OUTFILE}"
BrandingText "${PRODUCT} ${VERSION}"
ShowInstDetails nevershow
ShowUninstDetails nevershow

; --- one user or all of them ----------------------------------------------------

!define MULTIUSER_EXECUTIONLEVEL Highest
!define MULTIUSER_MUI
!define MULTIUSER_INSTALLMODE_COMMANDLINE
!define MULTIUSER_USE_PROGRAMFILES64
!define MULTIUSER_INSTALLMODE_INSTDIR "Rulewright"
; A second installation goes where the first one is, in its mode.
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_VALUENAME "InstallLocation"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_VALUENAME "InstallLocation"
!define MULTIUSER_INIT_TEXT_ADMINREQUIRED "$(^Caption) には管理者の権限が必要です。"
!define MULTIUSER_INIT_TEXT_POWERREQUIRED "$(^Caption) には Power Users 以上の権限が必要です。"
!define MULTIUSER_INIT_TEXT_ALLUSERSNOTPOSSIBLE "このユーザーアカウントには、$(^Name) をこのコンピューターのすべてのユーザーにインストールする権限がありません。"
!include MultiUser.nsh
!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh

!include /CHARSET=UTF8 "${FILES}"

; --- pages ------------------------------------------------------------------------

!define MUI_ICON "${DATA}\rulewright.ico"
!define MUI_UNICON "${DATA}\rulewright.ico"
!define MUI_ABORTWARNING

!insertmacro MULTIUSER_PAGE_INSTALLMODE
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\rulewright.exe"
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "Japanese"

VIProductVersion "${VERSION_QUAD}"
VIAddVersionKey /LANG=${LANG_JAPANESE} "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=${LANG_JAPANESE} "FileDescription" "${PRODUCT} セットアップ"
VIAddVersionKey /LANG=${LANG_JAPANESE} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_JAPANESE} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_JAPANESE} "CompanyName" "${PRODUCT}"
VIAddVersionKey /LANG=${LANG_JAPANESE} "LegalCopyright" "© Rulewright の開発者"

; --- file types -------------------------------------------------------------------

; A file type opened by the editor, shown with the editor's icon.
!macro RwFileType EXTENSION CLASS DESCRIPTION
  WriteRegStr SHCTX "Software\Classes\${EXTENSION}" "" "${CLASS}"
  WriteRegStr SHCTX "Software\Classes\${EXTENSION}\OpenWithProgids" "${CLASS}" ""
  WriteRegStr SHCTX "Software\Classes\${CLASS}" "" "${DESCRIPTION}"
  WriteRegStr SHCTX "Software\Classes\${CLASS}\DefaultIcon" "" "$INSTDIR\rulewright.exe,0"
  WriteRegStr SHCTX "Software\Classes\${CLASS}\shell\open\command" "" '"$INSTDIR\rulewright.exe" "%1"'
!macroend

; Takes back what RwFileType wrote; an extension another program has taken
; over since stays with it.
!macro RwRemoveFileType EXTENSION CLASS
  ReadRegStr $0 SHCTX "Software\Classes\${EXTENSION}" ""
  ${If} $0 == "${CLASS}"
    DeleteRegValue SHCTX "Software\Classes\${EXTENSION}" ""
  ${EndIf}
  DeleteRegValue SHCTX "Software\Classes\${EXTENSION}\OpenWithProgids" "${CLASS}"
  DeleteRegKey /ifempty SHCTX "Software\Classes\${EXTENSION}\OpenWithProgids"
  DeleteRegKey /ifempty SHCTX "Software\Classes\${EXTENSION}"
  DeleteRegKey SHCTX "Software\Classes\${CLASS}"
!macroend

!define SHCNE_ASSOCCHANGED 0x08000000
!define SHCNF_IDLIST 0

; --- installing -------------------------------------------------------------------

Function .onInit
  !insertmacro MULTIUSER_INIT
FunctionEnd

Section
  !insertmacro RwInstallFiles
  WriteUninstaller "$INSTDIR\uninstall.exe"

  ; The Start menu of this user or of all users, as the mode says.
  SetOutPath "$INSTDIR"
  CreateShortCut "$SMPROGRAMS\${MENU_NAME}.lnk" "$INSTDIR\rulewright.exe" "" \
    "$INSTDIR\rulewright.exe" 0 SW_SHOWNORMAL "" "Age of Empires II AIスクリプトエディタ"

  !insertmacro RwFileType ".rwp" "${PROJECT_CLASS}" "Rulewright プロジェクト"
  !insertmacro RwFileType ".aitmp" "${TEMPLATE_CLASS}" "Rulewright テンプレート"
  System::Call 'shell32::SHChangeNotify(i ${SHCNE_ASSOCCHANGED}, i ${SHCNF_IDLIST}, p 0, p 0)'

  WriteRegStr SHCTX "${APP_PATHS_KEY}" "" "$INSTDIR\rulewright.exe"

  ; The system's list of programs.
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "${MENU_NAME}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "${PRODUCT}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\rulewright.exe,0"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" \
    '"$INSTDIR\uninstall.exe" /$MultiUser.InstallMode'
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" \
    '"$INSTDIR\uninstall.exe" /$MultiUser.InstallMode /S'
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

; --- uninstalling -----------------------------------------------------------------

Function un.onInit
  !insertmacro MULTIUSER_UNINIT
FunctionEnd

; Removes what the installer put in and nothing else: the user's projects,
; templates and preferences stay.
Section "Uninstall"
  Delete "$SMPROGRAMS\${MENU_NAME}.lnk"
  !insertmacro RwRemoveFileType ".rwp" "${PROJECT_CLASS}"
  !insertmacro RwRemoveFileType ".aitmp" "${TEMPLATE_CLASS}"
  System::Call 'shell32::SHChangeNotify(i ${SHCNE_ASSOCCHANGED}, i ${SHCNF_IDLIST}, p 0, p 0)'
  DeleteRegKey SHCTX "${APP_PATHS_KEY}"
  DeleteRegKey SHCTX "${UNINSTALL_KEY}"

  !insertmacro RwRemoveFiles
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
SectionEnd
