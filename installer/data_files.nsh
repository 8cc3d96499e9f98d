; The data files beside Norvale.exe. The utility never creates them; a newer
; installer keeps the owner's profiles, labels and macros and adds only what
; is missing. config.bin holds the factory settings and is always replaced.

!macro InstallDataFiles
  SetOverwrite on
  File "${STAGE}/config.bin"
  SetOverwrite off
  File "${STAGE}/config?.bin"
  File "${STAGE}/str.ini"
  File "${STAGE}/str?.ini"
  File "${STAGE}/record.ini"
  SetOverwrite on
!macroend

!macro RemoveUserDataFiles
  ${ForEach} $0 0 5 + 1
    Delete "$INSTDIR\config$0.bin"
    Delete "$INSTDIR\str$0.ini"
  ${Next}
  Delete "$INSTDIR\str.ini"
  Delete "$INSTDIR\record.ini"
!macroend
