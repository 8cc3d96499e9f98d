; Starting at logon. The utility asks for administrator rights, so a Run key
; would raise a prompt at every logon; a scheduled task that runs with the
; highest privileges of the member of Users who signs in does not.

!define LOGON_TASK "Norvale"

!macro CreateLogonTask
  InitPluginsDir
  FileOpen $0 "$PLUGINSDIR\logon-task.xml" w
  FileWriteUTF16LE /BOM $0 '<?xml version="1.0" encoding="UTF-16"?>$\r$\n'
  FileWriteUTF16LE $0 '<Task version="1.2" xmlns="http://schemas.microsoft.com/windows/2004/02/mit/task">$\r$\n'
  FileWriteUTF16LE $0 '  <RegistrationInfo><Description>Norvale</Description></RegistrationInfo>$\r$\n'
  FileWriteUTF16LE $0 '  <Triggers><LogonTrigger><Enabled>true</Enabled></LogonTrigger></Triggers>$\r$\n'
  FileWriteUTF16LE $0 '  <Principals><Principal id="Author"><GroupId>S-1-5-32-545</GroupId><RunLevel>HighestAvailable</RunLevel></Principal></Principals>$\r$\n'
  FileWriteUTF16LE $0 '  <Settings><MultipleInstancesPolicy>IgnoreNew</MultipleInstancesPolicy><DisallowStartIfOnBatteries>false</DisallowStartIfOnBatteries><StopIfGoingOnBatteries>false</StopIfGoingOnBatteries><ExecutionTimeLimit>PT0S</ExecutionTimeLimit></Settings>$\r$\n'
  FileWriteUTF16LE $0 '  <Actions Context="Author"><Exec><Command>"$INSTDIR\Norvale.exe"</Command></Exec></Actions>$\r$\n'
  FileWriteUTF16LE $0 '</Task>$\r$\n'
  FileClose $0
  nsExec::ExecToLog '"$SYSDIR\schtasks.exe" /Create /TN "${LOGON_TASK}" /XML "$PLUGINSDIR\logon-task.xml" /F'
  Pop $0
  ${If} $0 != 0
    DetailPrint "schtasks /Create: $0"
  ${EndIf}
!macroend

!macro DeleteLogonTask
  nsExec::ExecToLog '"$SYSDIR\schtasks.exe" /Delete /TN "${LOGON_TASK}" /F'
  Pop $0
!macroend
