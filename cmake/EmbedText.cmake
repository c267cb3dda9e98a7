# Compiles a text file into the program, so that a command or a menu can show it from any working
# directory: `corvel_embed_text(TARGET target INPUT file FUNCTION name)` adds to `target` a
# generated source defining `std::string_view name()`, the file's bytes as they are. The source is
# regenerated whenever the file changes; the caller declares the function in a header of its own.
set(CORVEL_EMBED_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/EmbedTextScript.cmake)

function(corvel_embed_text)
  cmake_parse_arguments(ARG "" "TARGET;INPUT;FUNCTION" "" ${ARGN})
  set(output ${CMAKE_CURRENT_BINARY_DIR}/embedded/${ARG_FUNCTION}.cpp)
  add_custom_command(
    OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -DINPUT=${ARG_INPUT} -DOUTPUT=${output} -DFUNCTION=${ARG_FUNCTION}
            -P ${CORVEL_EMBED_SCRIPT}
    DEPENDS ${ARG_INPUT} ${CORVEL_EMBED_SCRIPT}
    COMMENT "Embedding ${ARG_INPUT}"
    VERBATIM)
  target_sources(${ARG_TARGET} PRIVATE ${output})
endfunction()
