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

# A language with its own help has its topics and project in help/<code>/ (the style sheet and
# pictures are the English ones) and is compiled into velmoria_<code>.qch; its tips, when translated,
# are data/velmoria_<code>.tip. The window takes those of its language where they exist.
set(VELMORIA_LOCALISED_DATA)
file(GLOB VELMORIA_HELP_PROJECTS CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/help/*/velmoria.qhp)
foreach(project ${VELMORIA_HELP_PROJECTS})
  get_filename_component(topics ${project} DIRECTORY)
  get_filename_component(code ${topics} NAME)
  file(GLOB pages CONFIGURE_DEPENDS ${topics}/*.html)
  file(GLOB shared CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/help/*.css ${PROJECT_SOURCE_DIR}/help/*.png)
  set(staged ${PROJECT_BINARY_DIR}/help-${code})
  set(output ${PROJECT_BINARY_DIR}/src/velmoria_${code}.qch)
  add_custom_command(OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${staged}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${staged}
    COMMAND ${CMAKE_COMMAND} -E copy ${project} ${pages} ${shared} ${staged}
    COMMAND ${VELMORIA_QHELPGENERATOR} ${staged}/velmoria.qhp -o ${output}
    DEPENDS ${project} ${pages} ${shared}
    COMMENT "Compiling the help file (${code})")
  list(APPEND VELMORIA_LOCALISED_DATA ${output})
endforeach()
file(GLOB VELMORIA_TIP_TRANSLATIONS CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/data/velmoria_*.tip)
foreach(tips ${VELMORIA_TIP_TRANSLATIONS})
  get_filename_component(name ${tips} NAME)
  add_custom_command(OUTPUT ${PROJECT_BINARY_DIR}/src/${name}
    COMMAND ${CMAKE_COMMAND} -E copy ${tips} ${PROJECT_BINARY_DIR}/src/${name}
    DEPENDS ${tips})
  list(APPEND VELMORIA_LOCALISED_DATA ${PROJECT_BINARY_DIR}/src/${name})
endforeach()
add_custom_target(velmoria_help ALL DEPENDS ${VELMORIA_HELP_FILE} ${VELMORIA_TIP_FILE} ${VELMORIA_LOCALISED_DATA})
