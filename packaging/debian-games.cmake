# Run by CPack on the staged files of the Debian package, before it is packed: Debian keeps
# the programs of its "games" section in /usr/games. The programs find their data by a path
# from their own folder (../share/glyphmosaic), the same from /usr/games as from /usr/bin.
set(staged ${CPACK_TEMPORARY_INSTALL_DIRECTORY}/usr)
if(NOT IS_DIRECTORY ${staged}/bin)
    message(FATAL_ERROR "no programs staged in ${staged}/bin")
endif()
file(RENAME ${staged}/bin ${staged}/games)
