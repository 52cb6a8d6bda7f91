# Run by CPack (CPACK_PRE_BUILD_SCRIPTS) on the staged files of the Debian
# package, before they are packed, to make the Debian layout of the install:
#
# - Debian puts games in /usr/games: the game moves there, and /usr/bin/prismel
#   points to it, so that the command is found on every PATH (root's has no
#   /usr/games). The game finds /usr/share/prismel/data from /usr/games just
#   as from /usr/bin. The tools prismel-sim and prismel-pak stay in /usr/bin.
# - The programs lose the compiler's .comment section, which the strip of
#   CPACK_STRIP_FILES leaves in and nothing reads.
# - Debian keeps manual pages and a package's changelog compressed with
#   gzip -9n (no name, no time stamp: the same package on every build).
set(usr "${CPACK_TEMPORARY_INSTALL_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}")
if(NOT EXISTS "${usr}/bin/prismel")
  message(FATAL_ERROR "deb_layout: no staged game at ${usr}/bin/prismel")
endif()
file(MAKE_DIRECTORY "${usr}/games")
file(RENAME "${usr}/bin/prismel" "${usr}/games/prismel")
file(CREATE_LINK ../games/prismel "${usr}/bin/prismel" SYMBOLIC)

foreach(program "${usr}/games/prismel" "${usr}/bin/prismel-sim" "${usr}/bin/prismel-pak")
  execute_process(COMMAND strip --remove-section=.comment "${program}" RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "deb_layout: strip failed on ${program}")
  endif()
endforeach()

foreach(file "${usr}/share/man/man6/prismel.6" "${usr}/share/man/man1/prismel-sim.1"
             "${usr}/share/man/man1/prismel-pak.1" "${usr}/share/doc/prismel/changelog")
  if(NOT EXISTS "${file}")
    message(FATAL_ERROR "deb_layout: ${file} was not staged")
  endif()
  execute_process(COMMAND gzip -9nf "${file}" RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "deb_layout: gzip failed on ${file}")
  endif()
endforeach()
