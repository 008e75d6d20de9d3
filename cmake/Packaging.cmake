# Installing and packaging: the programs in bin, their data in share/velmoria (where
# qtsupport/DataFiles looks relative to the executable), and what a desktop needs to list the program,
# open .vmr files with it and show its icon. `cpack -G DEB` turns the same rules into a .deb.
include(GNUInstallDirs)

set(VELMORIA_DATA_SOURCE ${PROJECT_SOURCE_DIR}/data)
set(VELMORIA_DATA_BUILD ${PROJECT_BINARY_DIR}/data)
set(VELMORIA_INSTALL_DATADIR ${CMAKE_INSTALL_DATADIR}/velmoria)
set(VELMORIA_ICON_SIZES 16 32 48 64 128 256)

if(TARGET velmoria)
  install(TARGETS velmoria RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(TARGETS velmoria-parts LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}/velmoria)
endif()
install(TARGETS velmoria-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# The data files are made beside the executable in the build tree (cmake/Help.cmake for the tips
# and the help file).
install(FILES ${PROJECT_BINARY_DIR}/src/Clap.wav ${PROJECT_BINARY_DIR}/src/Pow.wav
  ${PROJECT_BINARY_DIR}/src/velmoria.tip ${PROJECT_BINARY_DIR}/src/velmoria.qch ${VELMORIA_LOCALISED_DATA}
  DESTINATION ${VELMORIA_INSTALL_DATADIR})
install(FILES ${PROJECT_SOURCE_DIR}/examples/German-English.vmr
  DESTINATION ${VELMORIA_INSTALL_DATADIR}/examples)

# The menu entry, the AppStream metadata and the file type's name carry their translations from
# po/<code>.po (gettext's msgfmt merges them; po/LINGUAS lists the languages).
find_program(VELMORIA_MSGFMT msgfmt REQUIRED)
configure_file(${VELMORIA_DATA_SOURCE}/velmoria.metainfo.xml ${VELMORIA_DATA_BUILD}/velmoria.metainfo.xml.in @ONLY)
file(GLOB VELMORIA_PO_FILES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/po/*.po)
set(VELMORIA_DESKTOP_FILES)
foreach(merge "desktop|velmoria.desktop|${VELMORIA_DATA_SOURCE}/velmoria.desktop"
    "xml|velmoria.metainfo.xml|${VELMORIA_DATA_BUILD}/velmoria.metainfo.xml.in"
    "xml|velmoria-mime.xml|${VELMORIA_DATA_SOURCE}/velmoria-mime.xml")
  string(REPLACE "|" ";" merge "${merge}")
  list(GET merge 0 kind)
  list(GET merge 1 name)
  list(GET merge 2 template)
  add_custom_command(OUTPUT ${VELMORIA_DATA_BUILD}/${name}
    COMMAND ${VELMORIA_MSGFMT} --${kind} --template=${template} -d ${PROJECT_SOURCE_DIR}/po
      -o ${VELMORIA_DATA_BUILD}/${name}
    DEPENDS ${template} ${VELMORIA_PO_FILES} ${PROJECT_SOURCE_DIR}/po/LINGUAS
    COMMENT "Translating ${name}")
  list(APPEND VELMORIA_DESKTOP_FILES ${VELMORIA_DATA_BUILD}/${name})
endforeach()
add_custom_target(velmoria_desktop_files ALL DEPENDS ${VELMORIA_DESKTOP_FILES})
install(FILES ${VELMORIA_DATA_BUILD}/velmoria.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${VELMORIA_DATA_BUILD}/velmoria-mime.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME velmoria.xml)
install(FILES ${VELMORIA_DATA_BUILD}/velmoria.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The icon: one drawing, rendered to the sizes a desktop asks for; at 16 pixels a version drawn on
# the pixel grid stays sharp.
install(FILES ${VELMORIA_DATA_SOURCE}/icons/velmoria.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
find_program(RSVG_CONVERT rsvg-convert)
if(RSVG_CONVERT)
  set(VELMORIA_ICON_PNGS)
  foreach(size IN LISTS VELMORIA_ICON_SIZES)
    set(png ${VELMORIA_DATA_BUILD}/icons/${size}x${size}/velmoria.png)
    set(svg ${VELMORIA_DATA_SOURCE}/icons/velmoria.svg)
    if(size EQUAL 16)
      set(svg ${VELMORIA_DATA_SOURCE}/icons/velmoria-16.svg)
    endif()
    add_custom_command(OUTPUT ${png}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${VELMORIA_DATA_BUILD}/icons/${size}x${size}
      COMMAND ${RSVG_CONVERT} -w ${size} -h ${size} -o ${png} ${svg}
      DEPENDS ${svg}
      COMMENT "Rendering the ${size} pixel icon")
    list(APPEND VELMORIA_ICON_PNGS ${png})
    install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
  endforeach()
  add_custom_target(velmoria_icons ALL DEPENDS ${VELMORIA_ICON_PNGS})
else()
  message(WARNING "rsvg-convert (Debian package librsvg2-bin) is missing: the PNG icons are not built")
endif()

# Manual pages and the changelog, compressed as Debian keeps them.
set(VELMORIA_DOCS)
foreach(page velmoria velmoria-cli)
  configure_file(${PROJECT_SOURCE_DIR}/man/${page}.1 ${VELMORIA_DATA_BUILD}/man/${page}.1 @ONLY)
  list(APPEND VELMORIA_DOCS ${VELMORIA_DATA_BUILD}/man/${page}.1)
  install(FILES ${VELMORIA_DATA_BUILD}/man/${page}.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()
configure_file(${PROJECT_SOURCE_DIR}/packaging/changelog ${VELMORIA_DATA_BUILD}/changelog @ONLY)
list(APPEND VELMORIA_DOCS ${VELMORIA_DATA_BUILD}/changelog)
set(VELMORIA_DOCS_GZ)
foreach(doc IN LISTS VELMORIA_DOCS)
  add_custom_command(OUTPUT ${doc}.gz
    COMMAND gzip -9nkf ${doc}
    DEPENDS ${doc}
    COMMENT "Compressing ${doc}")
  list(APPEND VELMORIA_DOCS_GZ ${doc}.gz)
endforeach()
add_custom_target(velmoria_docs ALL DEPENDS ${VELMORIA_DOCS_GZ})
install(FILES ${VELMORIA_DATA_BUILD}/changelog.gz ${PROJECT_SOURCE_DIR}/packaging/copyright
  DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/velmoria)

# The Debian package.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME velmoria)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Velmoria developers")
set(CPACK_PACKAGE_CONTACT "Velmoria developers <dev@velmoria.example.org>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES TRUE)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "vocabulary trainer for bilingual word lists")
# CPack puts the summary before this as the synopsis line.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Velmoria keeps bilingual vocabulary lists, edits them in a grid and tests
the learner on them item by item, typed or by multiple choice, into either
language, with a lenient answer check set per language, penalty points,
hints and statistics. Lists are imported from and exported to delimited
text, RTF and HTML.
.
The package also holds velmoria-cli, which does the same list work from a
shell, and an example list.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Velmoria developers <dev@velmoria.example.org>")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://velmoria.example.org/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The window icon and the tip picture are SVG, drawn by a plug-in that no binary links against; the help
# engine reads its files through Qt's SQLite driver, another plug-in; a Wayland session needs Qt's
# Wayland platform plug-in.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6, libqt6sql6-sqlite, qt6-wayland")
# Speech goes through the desktop's speech service; without it the program only stays silent.
# The service's espeak-ng module is what reads the languages of the table; the window reaches the
# service through Qt's speech plug-in, which no binary links against. Qt's own translations put
# Qt's dialogs and standard buttons in the window's language (without them they stay English).
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
  "speech-dispatcher, speech-dispatcher-espeak-ng, espeak-ng, qt6-speech-speechd-plugin, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA
  ${PROJECT_SOURCE_DIR}/packaging/postinst ${PROJECT_SOURCE_DIR}/packaging/postrm)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION TRUE)
include(CPack)
