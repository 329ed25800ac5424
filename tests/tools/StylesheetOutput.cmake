# What DocBook's XSL-FO stylesheets say is what the XSL-FO they write says:
# each finding of the stylesheets is found in the output of a document that
# uses the constructs holding them, and each finding of the output that is
# not found in the stylesheets is of a value they do not write as a constant.
#   -DTOOL=path -DXSLTPROC=path -DDOCBOOK=folder -DDOCUMENT=file -DOUT=file
cmake_minimum_required(VERSION 3.19)
execute_process(COMMAND ${XSLTPROC} --nonet --output ${OUT} ${DOCBOOK}/fo/docbook.xsl ${DOCUMENT}
                RESULT_VARIABLE status ERROR_VARIABLE err)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "xsltproc: exit ${status}\n${err}")
endif()

# "KIND|ELEMENT|ATTRIBUTE|TEXT" of each finding of lint --json on what.
function(findings what out)
  execute_process(COMMAND ${TOOL} lint --json ${what} WORKING_DIRECTORY ${DOCBOOK}
                  OUTPUT_VARIABLE json ERROR_VARIABLE err RESULT_VARIABLE status)
  if(status GREATER 1 OR NOT err STREQUAL "")
    message(FATAL_ERROR "xmlattr lint ${what}: exit ${status}\n${err}")
  endif()
  # A semicolon would split CMake's list: it stands as a control character
  # until the fields are read.
  string(ASCII 31 semicolon)
  string(REPLACE ";" "${semicolon}" json "${json}")
  string(REPLACE "\n" ";" lines "${json}")
  set(keys)
  foreach(line IN LISTS lines)
    string(JSON kind ERROR_VARIABLE none GET "${line}" kind)
    if(NOT none AND NOT kind STREQUAL "file")
      string(JSON element GET "${line}" element)
      string(JSON attribute GET "${line}" attribute)
      string(JSON text GET "${line}" text)
      string(REPLACE "${semicolon}" "\\;" text "${text}")
      list(APPEND keys "${kind}|${element}|${attribute}|${text}")
    endif()
  endforeach()
  set(${out} ${keys} PARENT_SCOPE)
endfunction()

findings(fo stylesheet)
findings(${OUT} output)
if(NOT stylesheet OR NOT output)
  message(FATAL_ERROR "no finding: stylesheets '${stylesheet}', output '${output}'")
endif()
foreach(key IN LISTS stylesheet)
  if(NOT key IN_LIST output)
    message(FATAL_ERROR "found in the stylesheets, not in their output: ${key}\n"
                        "output: ${output}")
  endif()
endforeach()
file(GLOB modules ${DOCBOOK}/fo/*.xsl)
foreach(key IN LISTS output)
  if(key IN_LIST stylesheet)
    continue()
  endif()
  string(REPLACE "|" ";" parts "${key}")
  list(GET parts 1 element)
  list(GET parts 2 attribute)
  list(GET parts 3 text)
  string(REGEX REPLACE "([][+.*()^$?|\\])" "\\\\\\1" pattern "${text}")
  foreach(module IN LISTS modules)
    file(READ ${module} bytes)
    foreach(written "<${element}[^>]* ${attribute}=\"${pattern}\""
                    "<xsl:attribute name=\"${attribute}\">(<xsl:text>)?${pattern}<")
      string(REGEX MATCH "${written}" at "${bytes}")
      if(at)
        message(FATAL_ERROR "${key}: written as a constant in ${module}, not found there")
      endif()
    endforeach()
  endforeach()
endforeach()
