# Runs the xmlattr tool once, from the source directory, and compares its
# exit status and its output, byte for byte, with the recorded ones.
#   -DTOOL=path -DARGS=a;b -DEXIT=n -DSTDOUT=file [-DSTDERR=file] [-DINPUT=file]
# Without STDERR, standard error must be empty.
if(INPUT)
  set(input INPUT_FILE ${INPUT})
endif()
execute_process(COMMAND ${TOOL} ${ARGS} ${input} RESULT_VARIABLE status OUTPUT_VARIABLE out
                ERROR_VARIABLE err)
file(READ ${STDOUT} expected_out)
set(expected_err "")
if(STDERR)
  file(READ ${STDERR} expected_err)
endif()
if(NOT status STREQUAL EXIT OR NOT out STREQUAL expected_out OR NOT err STREQUAL expected_err)
  message(FATAL_ERROR "xmlattr ${ARGS}: exit ${status} (expected ${EXIT})\n--- stdout:\n${out}"
                      "--- expected:\n${expected_out}--- stderr:\n${err}--- expected:\n${expected_err}")
endif()
