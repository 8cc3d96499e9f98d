; A running utility holds Norvale.exe open. Ask it to end the way its tray
; menu's "Exit" does (the cancel command), so it saves nothing half-way and
; takes its tray icon away; end it by force only if it does not go.

!define RUNNING_MUTEX "Norvale_Mutex"
!define SYNCHRONIZE 0x00100000
!define PROCESS_TERMINATE 0x0001

!macro DefineEndRunningCopy PREFIX
Function ${PREFIX}EndRunningCopy
  ${ForEach} $R0 1 50 + 1
    System::Call 'kernel32::OpenMutexW(i ${SYNCHRONIZE}, i 0, w "${RUNNING_MUTEX}") p .R1'
    ${If} $R1 P= 0
      Return
    ${EndIf}
    System::Call 'kernel32::CloseHandle(p R1)'
    FindWindow $R2 "#32770" "Norvale"
    ${If} $R0 = 1
    ${AndIf} $R2 P<> 0
      SendMessage $R2 ${WM_COMMAND} 2 0 /TIMEOUT=2000
    ${EndIf}
    Sleep 100
  ${Next}
  ${If} $R2 P<> 0
    System::Call 'user32::GetWindowThreadProcessId(p R2, *i .R3)'
    System::Call 'kernel32::OpenProcess(i ${PROCESS_TERMINATE}, i 0, i R3) p .R4'
    ${If} $R4 P<> 0
      System::Call 'kernel32::TerminateProcess(p R4, i 1)'
      System::Call 'kernel32::WaitForSingleObject(p R4, i 5000)'
      System::Call 'kernel32::CloseHandle(p R4)'
    ${EndIf}
  ${EndIf}
FunctionEnd
!macroend

!insertmacro DefineEndRunningCopy ""
!insertmacro DefineEndRunningCopy "un."
