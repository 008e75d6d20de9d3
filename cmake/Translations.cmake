# The window's translations: translations/velmoria_<lang>.ts, compiled by lrelease and embedded in
# velmoria_qtsupport under :/i18n. lupdate reads every file of src/ (the model marks its message
# templates with VM_TRANSLATE_NOOP). Locations are left out of the .ts files, so moving code
# changes none of them and the check (tests/CMakeLists.txt) only fails when a string changed.
find_package(Qt6 REQUIRED COMPONENTS LinguistTools)

# English is the source language: its file holds only what English needs, the plural forms of the
# "%n" strings (the others stay unfinished and show their source).
set(VELMORIA_LANGUAGES en de fr es ru)
set(VELMORIA_TS_FILES)
foreach(lang IN LISTS VELMORIA_LANGUAGES)
  list(APPEND VELMORIA_TS_FILES ${PROJECT_SOURCE_DIR}/translations/velmoria_${lang}.ts)
endforeach()
set(VELMORIA_LUPDATE_OPTIONS -silent -no-obsolete -locations none -I ${PROJECT_SOURCE_DIR}/src
  -tr-function-alias QT_TRANSLATE_NOOP+=VM_TRANSLATE_NOOP,QT_TRANSLATE_N_NOOP+=VM_TRANSLATE_N_NOOP)
get_property(VELMORIA_LUPDATE_SOURCES GLOBAL PROPERTY VELMORIA_LAYER_FILES)
# The command line stays English: scripts read it.
list(FILTER VELMORIA_LUPDATE_SOURCES EXCLUDE REGEX "/src/cli/")
list(SORT VELMORIA_LUPDATE_SOURCES)
set(VELMORIA_LUPDATE_LIST ${PROJECT_BINARY_DIR}/translations/sources.lst)
string(REPLACE ";" "\n" lupdate_lines "${VELMORIA_LUPDATE_SOURCES}")
file(WRITE ${VELMORIA_LUPDATE_LIST}.new "${lupdate_lines}\n")
file(COPY_FILE ${VELMORIA_LUPDATE_LIST}.new ${VELMORIA_LUPDATE_LIST} ONLY_IF_DIFFERENT)

qt6_add_translations(velmoria_qtsupport TS_FILES ${VELMORIA_TS_FILES}
  SOURCES ${VELMORIA_LUPDATE_SOURCES} LUPDATE_OPTIONS ${VELMORIA_LUPDATE_OPTIONS}
  RESOURCE_PREFIX /i18n)

# `make translations`: the .ts files take the strings of the sources as they are now.
# Lists reach the script joined with "|": a ";" would split the command's arguments.
string(REPLACE ";" "|" lupdate_options "${VELMORIA_LUPDATE_OPTIONS}")
string(REPLACE ";" "|" lupdate_ts_files "${VELMORIA_TS_FILES}")
set(lupdate_script_args -DLUPDATE=$<TARGET_FILE:Qt6::lupdate> -DLIST=${VELMORIA_LUPDATE_LIST}
  "-DOPTIONS=${lupdate_options}" "-DTS_FILES=${lupdate_ts_files}"
  -DSHIPPED=${PROJECT_SOURCE_DIR}/translations/shipped)
# The tests (tests/CMakeLists.txt) run the same script.
set(VELMORIA_LUPDATE_SCRIPT_ARGS ${lupdate_script_args} CACHE INTERNAL "")
add_custom_target(translations
  COMMAND ${CMAKE_COMMAND} -DMODE=update ${lupdate_script_args} -P ${PROJECT_SOURCE_DIR}/cmake/Lupdate.cmake
  COMMAND ${PROJECT_SOURCE_DIR}/po/po.sh update ${PROJECT_SOURCE_DIR}
  COMMENT "Updating the .ts and .po files from the sources" VERBATIM)

# The pseudo language of the tests (never shipped): every translation is its source, marked and
# stretched, so a test sees any text of the window that does not come from a translation.
set(VELMORIA_PSEUDO_TS ${PROJECT_BINARY_DIR}/translations/velmoria_pseudo.ts)
set(VELMORIA_PSEUDO_QM ${PROJECT_BINARY_DIR}/translations/velmoria_pseudo.qm CACHE INTERNAL "")
add_custom_command(OUTPUT ${VELMORIA_PSEUDO_QM}
  COMMAND ${CMAKE_COMMAND} -E rm -f ${VELMORIA_PSEUDO_TS}
  COMMAND Qt6::lupdate ${VELMORIA_LUPDATE_OPTIONS} -target-language en_001 @${VELMORIA_LUPDATE_LIST}
    -ts ${VELMORIA_PSEUDO_TS}
  COMMAND velmoria-pseudo-translation ${VELMORIA_PSEUDO_TS}
  COMMAND Qt6::lrelease -silent ${VELMORIA_PSEUDO_TS} -qm ${VELMORIA_PSEUDO_QM}
  DEPENDS ${VELMORIA_LUPDATE_SOURCES} ${VELMORIA_LUPDATE_LIST} velmoria-pseudo-translation
  COMMENT "Making the pseudo translation of the tests" VERBATIM)
add_custom_target(velmoria_pseudo_translation DEPENDS ${VELMORIA_PSEUDO_QM})
