# What `cmake --install` puts where, and the Debian package that cpack makes
# of it. Installed, the program finds its shipped data in
# <prefix>/share/marivo/dat (beside ../share from its bin/ folder) and keeps
# the user's files in the per-user data folder.
include(GNUInstallDirs)

set(marivo_desktop ${PROJECT_SOURCE_DIR}/desktop)
set(marivo_generated ${CMAKE_BINARY_DIR}/desktop)

install(TARGETS marivo-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(TARGET marivo)
  install(TARGETS marivo RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
install(DIRECTORY ${PROJECT_SOURCE_DIR}/dat/ DESTINATION ${CMAKE_INSTALL_DATADIR}/marivo/dat)

# The desktop entry, the AppStream metadata and the man pages carry the id and
# the version; the man pages and the changelog are compressed as Debian wants.
configure_file(${marivo_desktop}/marivo.desktop ${marivo_generated}/${MARIVO_APP_ID}.desktop @ONLY)
configure_file(${marivo_desktop}/marivo.metainfo.xml ${marivo_generated}/${MARIVO_APP_ID}.metainfo.xml @ONLY)
foreach(page marivo.1 marivo-cli.1 changelog)
  configure_file(${marivo_desktop}/${page} ${marivo_generated}/${page} @ONLY)
endforeach()

find_program(RSVG_CONVERT rsvg-convert REQUIRED)
find_program(GZIP gzip REQUIRED)
set(marivo_icon_pngs)
foreach(size 48 256)
  set(png ${marivo_generated}/icon-${size}.png)
  add_custom_command(OUTPUT ${png}
    COMMAND ${RSVG_CONVERT} -w ${size} -h ${size} ${marivo_desktop}/marivo.svg -o ${png}
    DEPENDS ${marivo_desktop}/marivo.svg COMMENT "Icon ${size}x${size} from marivo.svg")
  list(APPEND marivo_icon_pngs ${png})
  install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME ${MARIVO_APP_ID}.png)
endforeach()
set(marivo_gzipped)
foreach(file marivo.1 marivo-cli.1 changelog)
  add_custom_command(OUTPUT ${marivo_generated}/${file}.gz
    COMMAND ${GZIP} -9nkf ${marivo_generated}/${file}
    DEPENDS ${marivo_generated}/${file} COMMENT "Compressing ${file}")
  list(APPEND marivo_gzipped ${marivo_generated}/${file}.gz)
endforeach()
add_custom_target(marivo_desktop_files ALL DEPENDS ${marivo_icon_pngs} ${marivo_gzipped})

install(FILES ${marivo_generated}/${MARIVO_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${marivo_desktop}/marivo.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${MARIVO_APP_ID}.svg)
install(FILES ${marivo_generated}/${MARIVO_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${marivo_generated}/marivo.1.gz ${marivo_generated}/marivo-cli.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${marivo_desktop}/copyright ${marivo_generated}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/marivo)  # the package name, not the project's

# The Debian package (cpack -G DEB): installed under /usr, its dependencies
# the shared libraries' packages (dpkg-shlibdeps) plus what the program
# loads without linking: Qt's platform plugins, the CJK font and Qt's
# Chinese translation.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME marivo)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Marivo developers")
set(CPACK_PACKAGE_CONTACT "Marivo developers <dev@marivo.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "four-pillar (bazi) marriage matching")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "Marivo compares the four-pillar charts of two persons: it converts their\n"
  "birth dates with its own Chinese calendar, builds both charts, computes the\n"
  "marriage index and writes a Chinese report, with a case library and tool\n"
  "windows (perpetual calendar, reverse pillar search, places, name strokes).\n"
  "marivo-cli offers the same from the command line.")
string(JOIN "" CPACK_DEBIAN_PACKAGE_DESCRIPTION ${CPACK_DEBIAN_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://marivo.org/)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-noto-cjk, qt6-translations-l10n")
set(CPACK_STRIP_FILES ON)
include(CPack)
