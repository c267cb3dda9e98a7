# Fails unless the dynamic symbols defined by LIBRARY are the public interface of weftcore.h.
execute_process(COMMAND nm -DC --defined-only ${LIBRARY} OUTPUT_VARIABLE symbols RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "nm failed on ${LIBRARY}")
endif()
string(REPLACE "\n" ";" lines "${symbols}")
set(required "UDMixel(" "RNDProperties(" "WFProperties(" "WFPropertiesWithProgress("
             "CWeave::CWeave(" "CWeave::~CWeave(" "CWeave::MaxReduction(")
foreach(name IN LISTS required)
  string(FIND "${symbols}" "${name}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "missing export: ${name}")
  endif()
endforeach()
# The finite-element driver is a member of CWeave but internal to the library.
string(FIND "${symbols}" "FeAbdProperties" at)
if(NOT at EQUAL -1)
  message(FATAL_ERROR "internal member exported: CWeave::FeAbdProperties")
endif()
foreach(line IN LISTS lines)
  if(line STREQUAL "")
    continue()
  endif()
  # Allowed: the entry points, CWeave's members, its vtable and type info.
  if(NOT line MATCHES "UDMixel\\(|RNDProperties\\(|WFProperties(WithProgress)?\\(|CWeave" AND
     NOT line MATCHES " [_A-Za-z]*(init|fini|_edata|_end|__bss_start)[_A-Za-z]*$")
    message(FATAL_ERROR "unexpected export: ${line}")
  endif()
endforeach()
