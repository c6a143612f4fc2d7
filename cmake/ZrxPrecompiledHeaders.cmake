# Precompiled headers. A header set is compiled once, in a host target of its own, and
# reused by every target whose flags match the host's; -Winvalid-pch (an error here) fails
# the build when a target's flags drift from its host's, instead of silently parsing every
# header again. The GoogleTest suites share one set.
file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/zrx_pch_host.cpp CONTENT "// Compiles only the precompiled header.\n")

# zrx_pch_host(NAME HEADERS ... LIBS ...): a target that compiles HEADERS with the usage
# requirements of LIBS, for zrx_use_pch to reuse.
function(zrx_pch_host name)
  cmake_parse_arguments(ARG "" "" "HEADERS;LIBS" ${ARGN})
  add_library(${name} OBJECT ${CMAKE_BINARY_DIR}/zrx_pch_host.cpp)
  target_link_libraries(${name} PRIVATE ${ARG_LIBS})
  target_precompile_headers(${name} PRIVATE ${ARG_HEADERS})
  target_compile_options(${name} PRIVATE -Winvalid-pch)
endfunction()

function(zrx_use_pch target host)
  target_precompile_headers(${target} REUSE_FROM ${host})
  target_compile_options(${target} PRIVATE -Winvalid-pch)
endfunction()

zrx_pch_host(zrx_gtest_pch
  HEADERS <gtest/gtest.h> <gmock/gmock.h> <string> <vector> <filesystem>
  LIBS GTest::gtest GTest::gmock)
