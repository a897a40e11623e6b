# Where Debian puts a game: the program under games/, its data under
# share/games/vantor (found from the program as ../share/games/vantor),
# and what desktops need to list it.
include(GNUInstallDirs)
set(VANTOR_MAINTAINER "Vantor developers <vantor@example.org>")
set(packaging ${CMAKE_BINARY_DIR}/packaging)
configure_file(${PROJECT_SOURCE_DIR}/packaging/vantor.6.in ${packaging}/vantor.6 @ONLY)
# The releases in the Debian changelog and the AppStream metadata come from
# NEWS.md, read again whenever it changes.
set(news ${PROJECT_SOURCE_DIR}/NEWS.md)
set(news_tool ${PROJECT_SOURCE_DIR}/packaging/news.py)
add_custom_command(OUTPUT ${packaging}/vantor.metainfo.xml
  COMMAND python3 ${news_tool} ${news} ${PROJECT_VERSION} metainfo
          ${PROJECT_SOURCE_DIR}/packaging/vantor.metainfo.xml.in ${packaging}/vantor.metainfo.xml
  DEPENDS ${news} ${news_tool} ${PROJECT_SOURCE_DIR}/packaging/vantor.metainfo.xml.in VERBATIM)
add_custom_command(OUTPUT ${packaging}/changelog
  COMMAND python3 ${news_tool} ${news} ${PROJECT_VERSION} changelog "${VANTOR_MAINTAINER}" ${packaging}/changelog
  DEPENDS ${news} ${news_tool} VERBATIM)
# Debian's machine-readable copyright file, with the licence's own words.
file(READ ${PROJECT_SOURCE_DIR}/LICENSE licence)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/LICENSE)
string(FIND "${licence}" "Permission is hereby granted" start)
string(SUBSTRING "${licence}" ${start} -1 licence)
string(STRIP "${licence}" licence)
string(REGEX REPLACE "\n\n" "\n.\n" licence "${licence}")
string(REPLACE "\n" "\n " licence "${licence}")
configure_file(${PROJECT_SOURCE_DIR}/packaging/copyright.in ${packaging}/copyright @ONLY)

install(TARGETS vantor RUNTIME DESTINATION games)
# Debian's packaged programs carry no notes of the compilers that made them.
install(CODE "execute_process(COMMAND ${CMAKE_OBJCOPY} --remove-section=.comment
                              \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/games/vantor\")")
install(FILES ${CMAKE_BINARY_DIR}/DATA30.RES ${CMAKE_BINARY_DIR}/kelvo.res
        DESTINATION ${CMAKE_INSTALL_DATADIR}/games/vantor)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/vantor.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${packaging}/vantor.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${packaging}/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})
# Debian keeps manual pages and changelogs compressed, with no time stamp inside.
foreach(name vantor.6 changelog)
  add_custom_command(OUTPUT ${packaging}/${name}.gz
    COMMAND gzip -9 -n -c ${packaging}/${name} > ${packaging}/${name}.gz
    DEPENDS ${packaging}/${name})
endforeach()
add_custom_target(packaging_docs ALL
  DEPENDS ${packaging}/vantor.6.gz ${packaging}/changelog.gz ${packaging}/vantor.metainfo.xml)
install(FILES ${packaging}/vantor.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${packaging}/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})
foreach(size 32 48 128 256)
  install(FILES ${CMAKE_BINARY_DIR}/icons/vantor-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME vantor.png)
endforeach()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vantor)
set(CPACK_PACKAGE_VENDOR "Vantor developers")
set(CPACK_PACKAGE_CONTACT "${VANTOR_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "puzzle game: swap and clear coloured pieces on a wheel")
set(CPACK_PACKAGE_DESCRIPTION "Pieces of five colours fly in and stack on a wheel of thirteen spokes.
Swap two pieces of different colours with the left mouse button, or remove
a connected group of five or more of one colour with the right button and
watch the carrier eat it. The game ends when an arriving piece finds no
free cell; the fifteen best results are kept with the players' names.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
# The package's folders as Debian makes them, whatever the builder's umask.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE
    GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
include(CPack)
