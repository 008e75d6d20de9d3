# The help file and the tip file, made beside the executable in the build tree (where
# qtsupport/DataFiles finds them) and installed with the program. qhelpgenerator (Debian package
# qt6-documentation-tools) compiles the topics in help/ into velmoria.qch.
find_package(Qt6 QUIET COMPONENTS ToolsTools)
if(TARGET Qt6::qhelpgenerator)
  set(VELMORIA_QHELPGENERATOR Qt6::qhelpgenerator)
else()
  find_program(VELMORIA_QHELPGENERATOR qhelpgenerator HINTS /usr/lib/qt6/libexec /usr/lib/qt6/bin)
endif()
if(NOT VELMORIA_QHELPGENERATOR)
  message(FATAL_ERROR "qhelpgenerator is missing (Debian package qt6-documentation-tools; make deps installs it)")
endif()

file(GLOB VELMORIA_HELP_SOURCES CONFIGURE_DEPENDS
  ${PROJECT_SOURCE_DIR}/help/*.html ${PROJECT_SOURCE_DIR}/help/*.css ${PROJECT_SOURCE_DIR}/help/*.png)
set(VELMORIA_HELP_FILE ${PROJECT_BINARY_DIR}/src/velmoria.qch)
set(VELMORIA_TIP_FILE ${PROJECT_BINARY_DIR}/src/velmoria.tip)
add_custom_command(OUTPUT ${VELMORIA_HELP_FILE}
  COMMAND ${VELMORIA_QHELPGENERATOR} ${PROJECT_SOURCE_DIR}/help/velmoria.qhp -o ${VELMORIA_HELP_FILE}
  DEPENDS ${PROJECT_SOURCE_DIR}/help/velmoria.qhp ${VELMORIA_HELP_SOURCES}
  COMMENT "Compiling the help file")
add_custom_command(OUTPUT ${VELMORIA_TIP_FILE}
  COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/data/velmoria.tip ${VELMORIA_TIP_FILE}
  DEPENDS ${PROJECT_SOURCE_DIR}/data/velmoria.tip
  COMMENT "Copying the tip file")
add_custom_target(velmoria_help ALL DEPENDS ${VELMORIA_HELP_FILE} ${VELMORIA_TIP_FILE})
