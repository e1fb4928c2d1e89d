# Precompiled headers for builds without a compiler cache (the CI's cold builds): the Qt headers of
# the platform layer's toolkit sources, and GoogleTest with the common standard headers for the test
# programs. Parsing these is a third to a half of compiling such a source. With a compiler launcher
# (ccache) they stay off: the cache makes rebuilds cheap already and would not take them without
# extra settings.
option(TESSILO_PCH "Precompile the heavy common headers when no compiler launcher is set" ON)
set(TESSILO_USE_PCH OFF)
if(TESSILO_PCH AND NOT CMAKE_CXX_COMPILER_LAUNCHER)
  set(TESSILO_USE_PCH ON)
endif()

# winport: the sources under src/qt/ share the Qt headers; the others (WinInet over libcurl, the
# MFC printing classes) include few of them and would only pay for loading the precompiled header.
function(tessilo_winport_pch)
  if(NOT TESSILO_USE_PCH)
    return()
  endif()
  target_precompile_headers(winport PRIVATE ${CMAKE_SOURCE_DIR}/winport/src/qt/precompiled.h)
  get_target_property(_sources winport SOURCES)
  list(FILTER _sources EXCLUDE REGEX "^src/qt/")
  set_source_files_properties(${_sources} DIRECTORY ${CMAKE_SOURCE_DIR}/winport
    PROPERTIES SKIP_PRECOMPILE_HEADERS ON)
endfunction()

# Test programs: the first one precompiles the header, every later one of the build tree reuses it
# (they share their compile options through testsupport).
function(tessilo_test_pch target)
  if(NOT TESSILO_USE_PCH)
    return()
  endif()
  get_property(_owner GLOBAL PROPERTY TESSILO_TEST_PCH_OWNER)
  if(_owner)
    target_precompile_headers(${target} REUSE_FROM ${_owner})
  else()
    target_precompile_headers(${target} PRIVATE <gtest/gtest.h> <chrono> <cstring> <filesystem>
      <fstream> <functional> <memory> <sstream> <string> <thread> <vector>)
    set_property(GLOBAL PROPERTY TESSILO_TEST_PCH_OWNER ${target})
  endif()
endfunction()
