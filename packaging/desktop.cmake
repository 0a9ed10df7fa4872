# SPDX-License-Identifier: GPL-3.0-or-later
# The program as a Linux desktop program: its icon inside the windows, the files a desktop
# needs to list it (desktop entry, icons, AppStream metainfo), the install rules, the Debian
# package, and the checks on all of them.
#
# One application id names the desktop entry, the metainfo, the icon and the running program
# (QGuiApplication::setDesktopFileName), so that menus, task bars and software centres match them.
set(ZESTRA_APP_ID jp.zestra.Zestra)
# The release entry at the top of the metainfo names the same version.
set(ZESTRA_VERSION 0.1.0)
set(ZESTRA_PACKAGING_DIR ${CMAKE_CURRENT_LIST_DIR})

# The window icon is the same picture as the menu icon, built into the program.
target_sources(zestra_windows PRIVATE ${ZESTRA_PACKAGING_DIR}/icons/program_icon.qrc)
target_compile_definitions(zestra PRIVATE ZESTRA_APP_ID="${ZESTRA_APP_ID}"
                                          ZESTRA_VERSION="${ZESTRA_VERSION}")

include(GNUInstallDirs)
install(TARGETS zestra RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${ZESTRA_PACKAGING_DIR}/${ZESTRA_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${ZESTRA_PACKAGING_DIR}/${ZESTRA_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(DIRECTORY ${ZESTRA_PACKAGING_DIR}/icons/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
install(FILES ${ZESTRA_PACKAGING_DIR}/icons/${ZESTRA_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES README.md LICENSE DESTINATION ${CMAKE_INSTALL_DOCDIR})
# The copyright file, the changelog and the manual page a Debian package carries, compressed as
# Debian asks (gzip -9, no time stamp, so that rebuilds give the same bytes).
set(ZESTRA_CHANGELOG_GZ ${CMAKE_BINARY_DIR}/changelog.gz)
add_custom_command(OUTPUT ${ZESTRA_CHANGELOG_GZ}
                   COMMAND gzip -9nc ${ZESTRA_PACKAGING_DIR}/changelog > ${ZESTRA_CHANGELOG_GZ}
                   DEPENDS ${ZESTRA_PACKAGING_DIR}/changelog)
set(ZESTRA_MANPAGE_GZ ${CMAKE_BINARY_DIR}/zestra.1.gz)
add_custom_command(OUTPUT ${ZESTRA_MANPAGE_GZ}
                   COMMAND gzip -9nc ${ZESTRA_PACKAGING_DIR}/zestra.1 > ${ZESTRA_MANPAGE_GZ}
                   DEPENDS ${ZESTRA_PACKAGING_DIR}/zestra.1)
add_custom_target(zestra_package_docs DEPENDS ${ZESTRA_CHANGELOG_GZ} ${ZESTRA_MANPAGE_GZ})
add_dependencies(zestra zestra_package_docs)
install(FILES ${ZESTRA_PACKAGING_DIR}/copyright ${ZESTRA_CHANGELOG_GZ} DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES ${ZESTRA_MANPAGE_GZ} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
# The package names its developers with no address (the program has none of its own to give),
# which lintian would report on the Maintainer field.
install(FILES ${ZESTRA_PACKAGING_DIR}/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
        RENAME zestra)

# cpack -G DEB (from build/) makes zestra_<version>_<arch>.deb.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zestra)
set(CPACK_PACKAGE_VERSION ${ZESTRA_VERSION})
set(CPACK_PACKAGE_VENDOR "The ZESTRA developers")
set(CPACK_PACKAGE_CONTACT "The ZESTRA developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Japanese recipe book with photos, a cooking log and ratings")
set(CPACK_PACKAGE_DESCRIPTION
    "ZESTRA (料理レシピソフト) keeps home cooks' recipes with a photo of\n\
each dish, a log of the days it was cooked and two ratings, and scores\n\
them with points and a level. Its data are plain Shift-JIS text files\n\
in one folder.")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
# dpkg-shlibdeps finds the Qt libraries the program links. The rest it cannot see: the Qt GUI
# library also carries the JPEG and GIF readers and the X11 window plugin; the Japanese font
# that the windows' fonts map to; Qt's Japanese texts for the standard buttons.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libqt6gui6 (>= 6.4), fonts-noto-cjk | fonts-ipafont-gothic | fonts-takao-gothic | fonts-vlgothic, \
qt6-translations-l10n, qt6-image-formats-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
include(CPack)

if(ZESTRA_BUILD_TESTS)
  add_test(NAME DesktopEntryIsValid
           COMMAND desktop-file-validate ${ZESTRA_PACKAGING_DIR}/${ZESTRA_APP_ID}.desktop)
  add_test(NAME MetainfoIsValid
           COMMAND appstreamcli validate --no-net ${ZESTRA_PACKAGING_DIR}/${ZESTRA_APP_ID}.metainfo.xml)
  add_test(NAME InstalledProgramStarts
           COMMAND ${ZESTRA_PACKAGING_DIR}/check-install ${CMAKE_BINARY_DIR} ${ZESTRA_APP_ID} ${ZESTRA_VERSION})
  set_tests_properties(InstalledProgramStarts PROPERTIES TIMEOUT 180)
endif()
