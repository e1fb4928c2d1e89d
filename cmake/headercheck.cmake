# Every public header must compile on its own, with no Qt or curl on the include path.
set(_hc_dir ${CMAKE_BINARY_DIR}/headercheck)
set(_hc_sources)
foreach(hdr ${TESSILO_HEADERS} ${WINPORT_HEADERS} ${WINPORT_OWN_HEADERS} ${CMAKE_SOURCE_DIR}/include/tessilo40.h
    ${CMAKE_SOURCE_DIR}/include/tessilo40_api.h)
  file(RELATIVE_PATH rel ${CMAKE_SOURCE_DIR} ${hdr})
  string(MAKE_C_IDENTIFIER ${rel} id)
  set(src ${_hc_dir}/${id}.cpp)
  file(CONFIGURE OUTPUT ${src} CONTENT "#include \"${hdr}\"\n#include \"${hdr}\"\n")
  list(APPEND _hc_sources ${src})
endforeach()
add_library(headercheck OBJECT ${_hc_sources})
target_include_directories(headercheck PRIVATE ${CMAKE_SOURCE_DIR} ${CMAKE_SOURCE_DIR}/include
  ${CMAKE_SOURCE_DIR}/winport/include)
# Compiling a header on its own is the check: no code to optimise or describe.
target_compile_options(headercheck PRIVATE -O0 -g0)
