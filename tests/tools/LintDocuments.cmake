# Lints the bundled documents and compares the report with the recorded one.
#   -DTOOL=path -DEXPECTED=file, run from the source directory
file(GLOB documents RELATIVE ${CMAKE_CURRENT_SOURCE_DIR} examples/documents/*)
list(SORT documents)
execute_process(COMMAND ${TOOL} lint ${documents} RESULT_VARIABLE status
                OUTPUT_VARIABLE out ERROR_VARIABLE err)
file(READ ${EXPECTED} expected)
if(NOT status EQUAL 1 OR NOT err STREQUAL "" OR NOT out STREQUAL expected)
  message(FATAL_ERROR "xmlattr lint ${documents}: exit ${status}\n--- stderr:\n${err}"
                      "--- stdout:\n${out}--- expected:\n${expected}")
endif()
