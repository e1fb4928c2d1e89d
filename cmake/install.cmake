# Installs headers, the two libraries, the pkg-config file and the CMake package.
include(CMakePackageConfigHelpers)

foreach(hdr ${TESSILO_HEADERS})
  file(RELATIVE_PATH rel ${CMAKE_SOURCE_DIR} ${hdr})
  get_filename_component(reldir ${rel} DIRECTORY)
  install(FILES ${hdr} DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/tessilo40/${reldir})
endforeach()
install(FILES ${CMAKE_SOURCE_DIR}/include/tessilo40.h ${CMAKE_SOURCE_DIR}/include/tessilo40_api.h DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/tessilo40)

install(TARGETS tessilo40 winport EXPORT tessilo40Targets
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
  RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
  INCLUDES DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/tessilo40)
install(EXPORT tessilo40Targets NAMESPACE tessilo40:: DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/tessilo40)

configure_package_config_file(${CMAKE_SOURCE_DIR}/cmake/tessilo40Config.cmake.in
  ${CMAKE_BINARY_DIR}/tessilo40Config.cmake INSTALL_DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/tessilo40)
write_basic_package_version_file(${CMAKE_BINARY_DIR}/tessilo40ConfigVersion.cmake
  COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_BINARY_DIR}/tessilo40Config.cmake ${CMAKE_BINARY_DIR}/tessilo40ConfigVersion.cmake
  DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/tessilo40)

# The pkg-config file finds the prefix from its own place, so an installed tree can move.
file(RELATIVE_PATH TESSILO_PC_PREFIX_FROM_PCDIR ${CMAKE_INSTALL_FULL_LIBDIR}/pkgconfig ${CMAKE_INSTALL_PREFIX})
string(REGEX REPLACE "/$" "" TESSILO_PC_PREFIX_FROM_PCDIR "${TESSILO_PC_PREFIX_FROM_PCDIR}")
configure_file(${CMAKE_SOURCE_DIR}/cmake/tessilo40.pc.in ${CMAKE_BINARY_DIR}/tessilo40.pc @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/tessilo40.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
