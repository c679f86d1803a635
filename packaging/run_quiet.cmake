# Runs COMMAND ARGS and fails if it exits non-zero or prints anything.
execute_process(COMMAND ${COMMAND} ${ARGS}
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0 OR NOT "${out}${err}" STREQUAL "")
  message(FATAL_ERROR "${COMMAND} ${ARGS} (exit ${rc}):\n${out}${err}")
endif()
