; The four languages of the utility: the installer speaks the one the owner
; picks, and writes its code into the "Lan" key of every label file.

!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "German"
!insertmacro MUI_LANGUAGE "SimpChinese"
!insertmacro MUI_LANGUAGE "TradChinese"
!insertmacro MUI_RESERVEFILE_LANGDLL

LangString StartAtLogon ${LANG_ENGLISH} "Start Norvale when I sign in"
LangString StartAtLogon ${LANG_GERMAN} "Norvale bei der Anmeldung starten"
LangString StartAtLogon ${LANG_SIMPCHINESE} "登录时启动 Norvale"
LangString StartAtLogon ${LANG_TRADCHINESE} "登入時啟動 Norvale"

LangString RemoveSettings ${LANG_ENGLISH} "Remove your profiles, button labels and macros as well?"
LangString RemoveSettings ${LANG_GERMAN} "Auch Ihre Profile, Tastenbeschriftungen und Makros entfernen?"
LangString RemoveSettings ${LANG_SIMPCHINESE} "同时删除您的配置文件、按键名称和宏吗？"
LangString RemoveSettings ${LANG_TRADCHINESE} "同時刪除您的設定檔、按鍵名稱和巨集嗎？"

; The utility's code of the chosen language.
Var LanguageCode

!macro LanguageOfCode CODE ID
  ${If} ${CODE} == "DE"
    StrCpy ${ID} ${LANG_GERMAN}
  ${ElseIf} ${CODE} == "CHS"
    StrCpy ${ID} ${LANG_SIMPCHINESE}
  ${ElseIf} ${CODE} == "CHT"
    StrCpy ${ID} ${LANG_TRADCHINESE}
  ${ElseIf} ${CODE} == "EN"
    StrCpy ${ID} ${LANG_ENGLISH}
  ${EndIf}
!macroend

!macro CodeOfLanguage ID CODE
  ${Select} ${ID}
    ${Case} ${LANG_GERMAN}
      StrCpy ${CODE} "DE"
    ${Case} ${LANG_SIMPCHINESE}
      StrCpy ${CODE} "CHS"
    ${Case} ${LANG_TRADCHINESE}
      StrCpy ${CODE} "CHT"
    ${CaseElse}
      StrCpy ${CODE} "EN"
  ${EndSelect}
!macroend

; The language offered first: the /LANG= switch, else the one the installation
; already speaks, else the system's. Silent runs take it without asking.
!macro ChooseInstallerLanguage
  ReadINIStr $0 "$INSTDIR\str.ini" "Skins" "Lan"
  !insertmacro LanguageOfCode $0 $LANGUAGE
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/LANG=" $1
  ${IfNot} ${Errors}
    StrCpy $2 ""
    !insertmacro LanguageOfCode $1 $2
    ${If} $2 == ""
      MessageBox MB_ICONSTOP "/LANG= takes EN, DE, CHS or CHT." /SD IDOK
      Abort
    ${EndIf}
    StrCpy $LANGUAGE $2
  ${EndIf}
  ${IfNot} ${Silent}
    LangDLL::LangDialog "Installer Language" "Please select a language." A \
      "English" ${LANG_ENGLISH} "Deutsch" ${LANG_GERMAN} \
      "简体中文" ${LANG_SIMPCHINESE} "繁體中文" ${LANG_TRADCHINESE} ""
    Pop $LANGUAGE
    ${If} $LANGUAGE == "cancel"
      Abort
    ${EndIf}
  ${EndIf}
  !insertmacro CodeOfLanguage $LANGUAGE $LanguageCode
!macroend

; The uninstaller speaks the language of the installation it removes.
!macro UninstallerLanguage
  ReadINIStr $0 "$INSTDIR\str.ini" "Skins" "Lan"
  !insertmacro LanguageOfCode $0 $LANGUAGE
!macroend

; Every label file names the language; the utility reads it from the current one.
!macro WriteLanguageCode FOLDER CODE
  WriteINIStr "${FOLDER}\str.ini" "Skins" "Lan" ${CODE}
  ${ForEach} $0 0 5 + 1
    WriteINIStr "${FOLDER}\str$0.ini" "Skins" "Lan" ${CODE}
  ${Next}
!macroend
