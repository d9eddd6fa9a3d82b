# The Debian package (scripts/package): the installed files plus what
# Debian asks of every package, through CPack.

set(SLIDORA_MAINTAINER "The Slidora developers <team@slidora.io>" CACHE STRING "The package's maintainer")
set(doc ${CMAKE_INSTALL_DATADIR}/doc/slidora)

# compressed as Debian wants them: no name or time in the gzip header, so builds repeat
find_program(GZIP gzip REQUIRED)
foreach(pair "changelog:data/debian/changelog" "slidora.1:data/slidora.1")
  string(REPLACE ":" ";" pair "${pair}")
  list(GET pair 0 out)
  list(GET pair 1 in)
  add_custom_command(OUTPUT ${out}.gz
    COMMAND ${GZIP} -9nc ${PROJECT_SOURCE_DIR}/${in} > ${PROJECT_BINARY_DIR}/${out}.gz
    DEPENDS ${PROJECT_SOURCE_DIR}/${in} VERBATIM)
  list(APPEND compressed ${PROJECT_BINARY_DIR}/${out}.gz)
endforeach()
add_custom_target(package_docs ALL DEPENDS ${compressed})

install(FILES ${PROJECT_BINARY_DIR}/slidora.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES data/debian/copyright ${PROJECT_BINARY_DIR}/changelog.gz docs/guide.md DESTINATION ${doc})
install(DIRECTORY docs/images DESTINATION ${doc})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME slidora)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)   # slidora_<version>_<arch>.deb
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)   # the standard dialogs in German too
# the captions and pictures are laid out for Arial's metrics: Liberation Sans has them
set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-liberation)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${SLIDORA_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://slidora.io)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "tilting air table simulator for teaching")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Slidora simulates an air table with a red and a black puck. Place and aim
them, set masses, speeds and charges, choose how they interact (elastic,
sticking, partly elastic, a spring, electrostatic forces, a puck on a
circle) and the table's tilt, run it, and study the strobe trace, the data
table, the graphs and the momentum vectors.")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_PACKAGE_DIRECTORY ${PROJECT_BINARY_DIR}/package)
include(CPack)
