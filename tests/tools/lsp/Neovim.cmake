# Runs nvim-session.lua in Neovim on a copy of the bundled report.
#   cmake -DNVIM=... -DTOOL=... -DSOURCE=... -DWORK=... -P run.cmake
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
configure_file(${SOURCE}/examples/documents/report.fo ${WORK}/report.fo COPYONLY)
set(ENV{XMLATTR} ${TOOL})
set(ENV{DOCUMENT} ${WORK}/report.fo)
execute_process(COMMAND ${NVIM} --headless --clean -n -i NONE
                        -c "luafile ${SOURCE}/tests/tools/lsp/nvim-session.lua"
                RESULT_VARIABLE status ERROR_VARIABLE errors OUTPUT_QUIET TIMEOUT 60)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "Neovim exited ${status}: ${errors}")
endif()
