# SPDX-License-Identifier: GPL-3.0-or-later
# Run by cpack on the installed tree of the Debian package before it is packed: the program moves
# to where Debian puts games, without the compiler's notes that Debian's packages leave out
# (cpack has stripped its symbols), and the manual page and the changelog are compressed as Debian
# wants them (gzip -9n, without the file's name and time). `cmake --install` keeps them as they
# are, the program in bin.
set(usr "${CPACK_TEMPORARY_INSTALL_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}")
file(MAKE_DIRECTORY "${usr}/games")
file(RENAME "${usr}/${CPACK_PATHWICK_BINDIR}/pathwick" "${usr}/games/pathwick")
execute_process(COMMAND strip --remove-section=.comment --remove-section=.note
                        "${usr}/games/pathwick" RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "strip could not remove the notes from ${usr}/games/pathwick")
endif()
file(GLOB left "${usr}/${CPACK_PATHWICK_BINDIR}/*")
if(NOT left)
  file(REMOVE_RECURSE "${usr}/${CPACK_PATHWICK_BINDIR}")
endif()
foreach(file IN LISTS CPACK_PATHWICK_COMPRESSED)
  execute_process(COMMAND gzip -9nf "${usr}/${file}" RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "gzip could not compress ${usr}/${file}")
  endif()
endforeach()
