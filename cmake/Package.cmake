# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package, built from the install rules with `cpack -G DEB` (scripts/package.sh).
# dpkg-shlibdeps (dpkg-dev) works out the library dependencies; the printout needs its font.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME pathwick)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Pathwick! developers")
set(CPACK_PACKAGE_CONTACT "The Pathwick! developers <pathwick@users.noreply.github.com>")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://pathwick.github.io/")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "maze game: find your way through a random maze")
# The long description, one line of the control file per list item.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "Every game of Pathwick! is a fresh random maze of 25 x 25 cells with a start"
  "and an end. You walk a mouse through a magnified view of the one cell it"
  "stands in, using the arrow keys; the blue walls stop you. Drop coloured"
  "markers to recognise places, switch to a map of the whole maze, save a game"
  "and open it again later, print the maze and read the rules.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-dejavu-core)
# Qt's Wayland platform, so that the game runs natively in a Wayland session instead of through
# XWayland; Qt's own translations, for its dialogs (Open, Save, Print) in the player's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, qt6-translations-l10n")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# Debian's layout: the program in /usr/games, the manual page and the changelog compressed.
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/DebianLayout.cmake)
set(CPACK_PATHWICK_BINDIR ${CMAKE_INSTALL_BINDIR})
set(CPACK_PATHWICK_COMPRESSED ${CMAKE_INSTALL_MANDIR}/man6/pathwick.6 ${PATHWICK_DOCDIR}/changelog)

include(CPack)
