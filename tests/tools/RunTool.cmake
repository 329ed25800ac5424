# Runs the xmlattr tool once and checks its exit status, and optionally that
# its standard output and standard error match regular expressions.
#   -DTOOL=path -DARGS=a;b -DEXIT=n [-DINPUT=file] [-DSTDOUT=regex] [-DSTDERR=regex]
if(INPUT)
  execute_process(COMMAND ${TOOL} ${ARGS} INPUT_FILE ${INPUT} RESULT_VARIABLE status
                  OUTPUT_VARIABLE out ERROR_VARIABLE err)
else()
  execute_process(COMMAND ${TOOL} ${ARGS} RESULT_VARIABLE status OUTPUT_VARIABLE out
                  ERROR_VARIABLE err)
endif()
set(shown "xmlattr ${ARGS}\n--- exit status: ${status}\n--- stdout:\n${out}\n--- stderr:\n${err}")
if(NOT status STREQUAL EXIT)
  message(FATAL_ERROR "expected exit status ${EXIT}\n${shown}")
endif()
if(STDOUT AND NOT out MATCHES "${STDOUT}")
  message(FATAL_ERROR "standard output does not match '${STDOUT}'\n${shown}")
endif()
if(STDERR AND NOT err MATCHES "${STDERR}")
  message(FATAL_ERROR "standard error does not match '${STDERR}'\n${shown}")
endif()
