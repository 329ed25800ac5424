# Compares docs/attributes.md with what the tool generates now.
#   -DTOOL=path -DDOC=path/to/docs/attributes.md
execute_process(COMMAND ${TOOL} describe --all --markdown RESULT_VARIABLE status
                OUTPUT_VARIABLE generated ERROR_VARIABLE err)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "xmlattr describe --all --markdown failed (${status}):\n${err}")
endif()
file(READ ${DOC} committed)
if(NOT generated STREQUAL committed)
  message(FATAL_ERROR "${DOC} is out of date: the types, the library's tables or the tool's "
                      "notes changed. Regenerate it from the source directory with\n"
                      "  ${TOOL} describe --all --markdown > docs/attributes.md\n"
                      "and commit it.")
endif()
