# GoogleTest's and the standard library's headers, parsed once and shared by every test
# executable (a cold build compiles a hundred test files).
function(zrx_add_test_headers)
  set(source ${CMAKE_CURRENT_BINARY_DIR}/zrx_test_headers.cpp)
  file(WRITE ${source} "")
  add_library(zrx_test_headers OBJECT ${source})
  target_link_libraries(zrx_test_headers PRIVATE GTest::gtest GTest::gmock)
  target_precompile_headers(zrx_test_headers PRIVATE
    <gtest/gtest.h> <gmock/gmock.h>
    <algorithm> <array> <filesystem> <fstream> <functional> <map> <memory> <optional>
    <sstream> <string> <string_view> <vector>)
endfunction()

# zrx_add_test(NAME SOURCES ... LIBS ...): one GoogleTest executable registered with CTest.
function(zrx_add_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main GTest::gmock)
  target_precompile_headers(${name} REUSE_FROM zrx_test_headers)
  add_test(NAME ${name} COMMAND ${name})
endfunction()
