# Writes OUTPUT: a C++ source holding the text of the resource scripts SCRIPTS (separated by |,
# joined in order) and of the header HEADER, as tessilo40ResourceScript and tessilo40ResourceHeader.
string(REPLACE "|" ";" _scripts "${SCRIPTS}")
set(_script "")
foreach(rc ${_scripts})
  file(READ ${rc} _text)
  string(APPEND _script "${_text}\n")
endforeach()
file(READ ${HEADER} _header)
foreach(text _script _header)
  string(FIND "${${text}}" ")tessilo_rc\"" _clash)
  if(NOT _clash EQUAL -1)
    message(FATAL_ERROR "a resource file contains the raw-string delimiter )tessilo_rc\"")
  endif()
endforeach()
file(WRITE ${OUTPUT}.tmp
  "// Generated from resources/*.rc and resources/resource.h; do not edit.\n"
  "extern const char tessilo40ResourceScript[];\n"
  "extern const char tessilo40ResourceHeader[];\n"
  "const char tessilo40ResourceScript[] = R\"tessilo_rc(${_script})tessilo_rc\";\n"
  "const char tessilo40ResourceHeader[] = R\"tessilo_rc(${_header})tessilo_rc\";\n")
execute_process(COMMAND ${CMAKE_COMMAND} -E copy_if_different ${OUTPUT}.tmp ${OUTPUT})
