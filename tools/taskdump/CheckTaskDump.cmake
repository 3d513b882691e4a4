# cmake -DTASKDUMP=... -DEXPECT_STATUS=... -DEXPECT_REGEX=... -DARGS=a;b;c -P CheckTaskDump.cmake
execute_process(COMMAND ${TASKDUMP} ${ARGS}
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT status EQUAL EXPECT_STATUS)
  message(FATAL_ERROR "taskdump ${ARGS}: exit status ${status}, expected ${EXPECT_STATUS}\n${out}${err}")
endif()
if(NOT "${out}${err}" MATCHES "${EXPECT_REGEX}")
  message(FATAL_ERROR "taskdump ${ARGS}: output does not match ${EXPECT_REGEX}\n${out}${err}")
endif()
