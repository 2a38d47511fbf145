# regsvr32 /u removes every entry of Gesticon's registration, and regsvr32
# writes them all again (which also leaves the shared prefix as it was).
# Run as: cmake -DRUN=run-in-prefix -DPREFIX=... -DCHECK=registry_check.exe -P this file
set(_dll "C:\\windows\\system32\\Gesticon.dll")
function(step)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    string(JOIN " " _command ${ARGN})
    message(FATAL_ERROR "failed (${status}): ${_command}")
  endif()
endfunction()
step(${RUN} ${PREFIX} ${CHECK} present)
step(${RUN} ${PREFIX} regsvr32 /s /u ${_dll})
execute_process(COMMAND ${RUN} ${PREFIX} ${CHECK} absent RESULT_VARIABLE absent_status)
step(${RUN} ${PREFIX} regsvr32 /s ${_dll})
if(NOT absent_status EQUAL 0)
  message(FATAL_ERROR "entries were left after regsvr32 /u")
endif()
step(${RUN} ${PREFIX} ${CHECK} present)
