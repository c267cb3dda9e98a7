# docs/validation.md is the Markdown that `corvel-cli validate --markdown` prints: fails when the
# checked-in file differs from what the program produces now, or when a verification check fails.
# Arguments: -DCLI=<corvel-cli> -DREPORT=<docs/validation.md>.
execute_process(COMMAND ${CLI} validate --markdown
                OUTPUT_VARIABLE printed
                ERROR_VARIABLE errors
                RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "corvel-cli validate exited with ${status}:\n${errors}")
endif()
file(READ ${REPORT} stored)
if(NOT printed STREQUAL stored)
  set(fresh ${CMAKE_CURRENT_BINARY_DIR}/validation.printed.md)
  file(WRITE ${fresh} "${printed}")
  message(FATAL_ERROR "${REPORT} differs from what corvel-cli validate --markdown prints now "
                      "(written to ${fresh}); run `make docs` and commit the file.")
endif()
