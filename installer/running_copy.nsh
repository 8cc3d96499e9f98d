; A running utility holds Norvale.exe open. Ask it to end the way its tray
; menu's "Exit" does (the cancel command), so that it takes its tray icon away
; and releases the mouse; end it by force only if it does not go.

!define RUNNING_MUTEX "Norvale_Mutex"
!define SYNCHRONIZE 0x00100000
!define SYNCHRONIZE_AND_TERMINATE 0x00100001

!macro DefineEndRunningCopy PREFIX
Function ${PREFIX}EndRunningCopy
  ; A copy still in its splash has the mutex but no window yet: wait for it.
  StrCpy $R2 0
  ${ForEach} $R0 1 50 + 1
    System::Call 'kernel32::OpenMutexW(i ${SYNCHRONIZE}, i 0, w "${RUNNING_MUTEX}") p .R1'
    ${If} $R1 P= 0
      Return
    ${EndIf}
    System::Call 'kernel32::CloseHandle(p R1)'
    FindWindow $R2 "#32770" "Norvale"
    ${If} $R2 P<> 0
      ${Break}
    ${EndIf}
    Sleep 100
  ${Next}
  ${If} $R2 P= 0
    Return  ; out of reach (another desktop); replacing the file will say so
  ${EndIf}
  System::Call 'user32::GetWindowThreadProcessId(p R2, *i .R3)'
  System::Call 'kernel32::OpenProcess(i ${SYNCHRONIZE_AND_TERMINATE}, i 0, i R3) p .R4'
  SendMessage $R2 ${WM_COMMAND} 2 0 /TIMEOUT=2000
  ${If} $R4 P<> 0
    System::Call 'kernel32::WaitForSingleObject(p R4, i 5000) i .R5'
    ${If} $R5 <> 0
      System::Call 'kernel32::TerminateProcess(p R4, i 1)'
      System::Call 'kernel32::WaitForSingleObject(p R4, i 5000)'
    ${EndIf}
    System::Call 'kernel32::CloseHandle(p R4)'
  ${EndIf}
FunctionEnd
!macroend

!insertmacro DefineEndRunningCopy ""
!insertmacro DefineEndRunningCopy "un."
