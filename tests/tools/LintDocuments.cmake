# Lints the bundled documents and compares the report with the recorded one.
#   -DTOOL=path -DEXPECTED=file [-DFOLDER=examples/documents], run from the
#   source directory. Without FOLDER the documents are named one by one; with
#   it the folder is walked, and the report must be the same.
if(DEFINED FOLDER)
  set(documents ${FOLDER})
else()
  file(GLOB documents RELATIVE ${CMAKE_CURRENT_SOURCE_DIR} examples/documents/*)
  list(SORT documents)
endif()
execute_process(COMMAND ${TOOL} lint ${documents} RESULT_VARIABLE status
                OUTPUT_VARIABLE out ERROR_VARIABLE err)
file(READ ${EXPECTED} expected)
if(NOT status EQUAL 1 OR NOT err STREQUAL "" OR NOT out STREQUAL expected)
  message(FATAL_ERROR "xmlattr lint ${documents}: exit ${status}\n--- stderr:\n${err}"
                      "--- stdout:\n${out}--- expected:\n${expected}")
endif()
