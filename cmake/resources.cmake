# The library's resource scripts (TESSILO_RC_FILES, listed in resources/, with resources/resource.h)
# are embedded into the shared object as text and registered with winport when it loads, so that
# templates are found "from the library's module".
if(TESSILO_RC_FILES)
  set(_rc_source ${CMAKE_BINARY_DIR}/tessilo40_resources.cpp)
  add_custom_command(OUTPUT ${_rc_source}
    COMMAND ${CMAKE_COMMAND} -DOUT=${_rc_source} -DHEADER=${CMAKE_SOURCE_DIR}/resources/resource.h
      "-DSCRIPTS=${TESSILO_RC_FILES}" -P ${CMAKE_SOURCE_DIR}/cmake/embedrc.cmake
    DEPENDS ${TESSILO_RC_FILES} ${CMAKE_SOURCE_DIR}/resources/resource.h
      ${CMAKE_SOURCE_DIR}/cmake/embedrc.cmake
    COMMENT "Embedding the resource scripts"
    VERBATIM)
  target_sources(tessilo40 PRIVATE ${_rc_source})
endif()
