# Where Debian puts a game: the program under games/, its data under
# share/games/vantor (found from the program as ../share/games/vantor),
# and what desktops need to list it.
include(GNUInstallDirs)
set(VANTOR_RELEASE_DATE 2026-12-08)
set(VANTOR_RELEASE_DATE_RFC "Tue, 08 Dec 2026 00:00:00 +0000")
set(VANTOR_MAINTAINER "Vantor developers <vantor@example.org>")
configure_file(${PROJECT_SOURCE_DIR}/packaging/vantor.6.in ${CMAKE_BINARY_DIR}/packaging/vantor.6 @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/packaging/vantor.metainfo.xml.in
               ${CMAKE_BINARY_DIR}/packaging/vantor.metainfo.xml @ONLY)

install(TARGETS vantor RUNTIME DESTINATION games)
# Debian's packaged programs carry no notes of the compilers that made them.
install(CODE "execute_process(COMMAND ${CMAKE_OBJCOPY} --remove-section=.comment
                              \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/games/vantor\")")
install(FILES ${CMAKE_BINARY_DIR}/DATA30.RES ${CMAKE_BINARY_DIR}/kelvo.res
        DESTINATION ${CMAKE_INSTALL_DATADIR}/games/vantor)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/vantor.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_BINARY_DIR}/packaging/vantor.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
configure_file(${PROJECT_SOURCE_DIR}/packaging/changelog.in ${CMAKE_BINARY_DIR}/packaging/changelog @ONLY)
# Debian keeps manual pages and changelogs compressed, with no time stamp inside.
foreach(name vantor.6 changelog)
  add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/packaging/${name}.gz
    COMMAND gzip -9 -n -c ${CMAKE_BINARY_DIR}/packaging/${name} > ${CMAKE_BINARY_DIR}/packaging/${name}.gz
    DEPENDS ${CMAKE_BINARY_DIR}/packaging/${name})
endforeach()
add_custom_target(compressed_docs ALL
  DEPENDS ${CMAKE_BINARY_DIR}/packaging/vantor.6.gz ${CMAKE_BINARY_DIR}/packaging/changelog.gz)
install(FILES ${CMAKE_BINARY_DIR}/packaging/vantor.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${CMAKE_BINARY_DIR}/packaging/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})
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
include(CPack)
