# A stylesheet fixed by lint --fix still runs (xsltproc), and what it writes
# then lints clean, where what it wrote before did not.
#   -DTOOL=path -DXSLTPROC=path -DSTYLESHEET=file -DDIR=scratch folder
file(MAKE_DIRECTORY ${DIR})
configure_file(${STYLESHEET} ${DIR}/fixed.xsl COPYONLY)
function(run expected)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT status EQUAL expected)
    message(FATAL_ERROR "${ARGN}: exit ${status}, not ${expected}\n${out}${err}")
  endif()
endfunction()
run(0 ${XSLTPROC} --output ${DIR}/before.fo ${STYLESHEET} ${STYLESHEET})
run(1 ${TOOL} lint ${DIR}/before.fo)
run(0 ${TOOL} lint --fix ${DIR}/fixed.xsl)
run(0 ${XSLTPROC} --output ${DIR}/after.fo ${DIR}/fixed.xsl ${STYLESHEET})
run(0 ${TOOL} lint ${DIR}/after.fo)
