cmake_minimum_required(VERSION 3.25)
# Installs the build into a scratch prefix and checks what lands where.
# Run as: cmake -DBUILD=<build folder> -DPREFIX=<scratch> -P check_install.cmake
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND ${CMAKE_COMMAND} --install "${BUILD}" --prefix "${PREFIX}" RESULT_VARIABLE rc OUTPUT_QUIET)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cmake --install failed")
endif()
foreach(f bin/slidora share/applications/io.slidora.Slidora.desktop share/metainfo/io.slidora.Slidora.metainfo.xml
          share/icons/hicolor/scalable/apps/io.slidora.Slidora.svg share/mime/packages/io.slidora.Slidora.xml
          share/icons/hicolor/16x16/apps/io.slidora.Slidora.png share/icons/hicolor/24x24/apps/io.slidora.Slidora.png
          share/icons/hicolor/128x128/apps/io.slidora.Slidora.png)
  if(NOT EXISTS "${PREFIX}/${f}")
    message(FATAL_ERROR "not installed: ${f}")
  endif()
endforeach()
message(STATUS "installed under ${PREFIX}")
