# The translations: i18n/*.ts, made from every source file by lupdate
# (`cmake --build build --target update_translations`), compiled by lrelease
# into the program's resources under :/i18n.

set(SLIDORA_TS_FILES ${PROJECT_SOURCE_DIR}/i18n/slidora_de.ts)
file(GLOB_RECURSE translatable_sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/*.cpp ${PROJECT_SOURCE_DIR}/src/*.h)
# Qt-free code marks its texts with TRANSLATABLE (engine/translatable.h)
set(SLIDORA_LUPDATE_OPTIONS -locations none -no-obsolete -tr-function-alias QT_TRANSLATE_NOOP+=TRANSLATABLE)
qt_add_lupdate(slidora_gui TS_FILES ${SLIDORA_TS_FILES} SOURCES ${translatable_sources}
  OPTIONS ${SLIDORA_LUPDATE_OPTIONS})
qt_add_lrelease(slidora_gui TS_FILES ${SLIDORA_TS_FILES} QM_FILES_OUTPUT_VARIABLE slidora_qm_files)
qt_add_resources(slidora_gui translations PREFIX /i18n BASE ${CMAKE_CURRENT_BINARY_DIR} FILES ${slidora_qm_files})
