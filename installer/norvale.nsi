; The Windows installer: Norvale.exe, its skin and the data files into
; Program Files\Norvale, in the language the owner picks.
;   makensis /INPUTCHARSET UTF8 -DSTAGE=<staged folder> -DOUTFILE=<Norvale-Setup.exe> \
;            -DART=<folder of norvale.ico and installer-side.bmp> norvale.nsi
; Silent use: Norvale-Setup.exe /S [/LANG=EN|DE|CHS|CHT] [/LOGON=1|0] [/D=folder]
;             Uninstall.exe /S [/KEEPSETTINGS]

Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!ifndef STAGE
  !error "define STAGE, OUTFILE and ART"
!endif

!getdllversion "${STAGE}/Norvale.exe" VERSION_
!define VERSION "${VERSION_1}.${VERSION_2}.${VERSION_3}.${VERSION_4}"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Norvale"

Name "Norvale"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Norvale"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "Norvale ${VERSION}"

VIProductVersion "${VERSION}"
VIAddVersionKey /LANG=0 "ProductName" "Norvale"
VIAddVersionKey /LANG=0 "FileDescription" "Norvale Setup"
VIAddVersionKey /LANG=0 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "CompanyName" "Norvale"
VIAddVersionKey /LANG=0 "LegalCopyright" "Norvale"

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include Sections.nsh

!define MUI_ICON "${ART}/norvale.ico"
!define MUI_UNICON "${ART}/norvale.ico"
!define MUI_WELCOMEFINISHPAGE_BITMAP "${ART}/installer-side.bmp"
!define MUI_UNWELCOMEFINISHPAGE_BITMAP "${ART}/installer-side.bmp"
!define MUI_ABORTWARNING
!define MUI_COMPONENTSPAGE_NODESC
!define MUI_FINISHPAGE_RUN "$INSTDIR\Norvale.exe"

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

!include languages.nsh
!include data_files.nsh
!include running_copy.nsh
!include logon_task.nsh

Section "-Norvale" SecProgram
  SetShellVarContext all
  Call EndRunningCopy
  SetOutPath "$INSTDIR"
  File "${STAGE}/Norvale.exe"
  RMDir /r "$INSTDIR\Skins"
  File /r "${STAGE}/Skins"
  !insertmacro InstallDataFiles
  !insertmacro WriteLanguageCode "$INSTDIR" $LanguageCode

  WriteUninstaller "$INSTDIR\Uninstall.exe"
  CreateShortcut "$SMPROGRAMS\Norvale.lnk" "$INSTDIR\Norvale.exe"

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Norvale"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "Norvale"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Norvale.exe,0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section /o "$(StartAtLogon)" SecLogon
  !insertmacro CreateLogonTask
SectionEnd

; Runs after the sections: an unchecked logon box removes a task an earlier
; installation made.
Section "-LogonChoice"
  ${If} ${SectionIsSelected} ${SecLogon}
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "StartAtLogon" 1
  ${Else}
    !insertmacro DeleteLogonTask
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "StartAtLogon" 0
  ${EndIf}
SectionEnd

Function .onInit
  !insertmacro ChooseInstallerLanguage
  ReadRegDWORD $0 HKLM "${UNINSTALL_KEY}" "StartAtLogon"
  ${GetParameters} $1
  ClearErrors
  ${GetOptions} $1 "/LOGON=" $2
  ${IfNot} ${Errors}
    StrCpy $0 $2
  ${EndIf}
  ${If} $0 == 1
    !insertmacro SelectSection ${SecLogon}
  ${EndIf}
FunctionEnd

Section "Uninstall"
  SetShellVarContext all
  Call un.EndRunningCopy
  !insertmacro DeleteLogonTask
  Delete "$SMPROGRAMS\Norvale.lnk"
  Delete "$INSTDIR\Norvale.exe"
  RMDir /r "$INSTDIR\Skins"
  Delete "$INSTDIR\config.bin"

  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/KEEPSETTINGS" $1
  ${If} ${Errors}
    MessageBox MB_YESNO|MB_ICONQUESTION|MB_DEFBUTTON2 "$(RemoveSettings)" /SD IDYES IDNO keep
    !insertmacro RemoveUserDataFiles
  keep:
  ${EndIf}

  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd

Function un.onInit
  !insertmacro UninstallerLanguage
FunctionEnd
