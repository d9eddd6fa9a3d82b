cmake_minimum_required(VERSION 3.25)
# Fails when a source file differs from .clang-format's style.
# Run as: cmake -DROOT=<source folder> -DCLANG_FORMAT=<program> -P check_format.cmake
file(GLOB_RECURSE files "${ROOT}/src/*.cpp" "${ROOT}/src/*.h" "${ROOT}/tests/*.cpp" "${ROOT}/tests/*.h"
     "${ROOT}/bench/*.cpp" "${ROOT}/bench/*.h" "${ROOT}/fuzz/*.cpp")
execute_process(COMMAND "${CLANG_FORMAT}" --dry-run --Werror ${files} RESULT_VARIABLE rc ERROR_VARIABLE out)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "not in the house style (run clang-format -i on these):\n${out}")
endif()
list(LENGTH files n)
message(STATUS "${n} files in the house style")
