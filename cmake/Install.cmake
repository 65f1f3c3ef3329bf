# SPDX-License-Identifier: GPL-3.0-or-later
# What `cmake --install` puts where: the program, its rules document, the desktop entry, the
# AppStream metainfo, the maze files' MIME type, the icon in the hicolor theme, the manual page,
# and the copyright and changelog. The program finds the rules document in
# <prefix>/share/pathwick, next to its own bin directory (or games, in the Debian package).
include(GNUInstallDirs)

set(PATHWICK_APP_ID io.github.pathwick.Pathwick)
set(PATHWICK_ICON_SIZES 16 32 48 64 128 256)
set(pathwick_resources ${PROJECT_SOURCE_DIR}/resources)

install(TARGETS pathwick RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The rules documents: Rules.rtf in English, Rules.<language>.rtf in the others. The game's
# translations are built into the program.
file(GLOB pathwick_rules_documents ${pathwick_resources}/Rules*.rtf)
install(FILES ${pathwick_rules_documents} DESTINATION ${CMAKE_INSTALL_DATADIR}/pathwick)
install(FILES ${pathwick_resources}/desktop/${PATHWICK_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${pathwick_resources}/desktop/${PATHWICK_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
# The shared MIME database reads every package file in share/mime/packages; the desktop's
# update-mime-database (a dpkg trigger for the Debian package) builds the database from it.
install(FILES ${pathwick_resources}/desktop/${PATHWICK_APP_ID}.mime.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME ${PATHWICK_APP_ID}.xml)
install(FILES ${pathwick_resources}/icons/${PATHWICK_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size IN LISTS PATHWICK_ICON_SIZES)
  install(FILES ${pathwick_resources}/icons/hicolor/${size}x${size}/apps/${PATHWICK_APP_ID}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
install(FILES ${pathwick_resources}/pathwick.6 DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
set(PATHWICK_DOCDIR ${CMAKE_INSTALL_DATADIR}/doc/pathwick)
install(FILES ${pathwick_resources}/debian/copyright ${pathwick_resources}/debian/changelog
        DESTINATION ${PATHWICK_DOCDIR})

include(${CMAKE_CURRENT_LIST_DIR}/Package.cmake)
