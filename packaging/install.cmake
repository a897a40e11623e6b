# Where Debian puts a game: the program under games/, its data under
# share/games/vantor (found from the program as ../share/games/vantor),
# and what desktops need to list it.
include(GNUInstallDirs)
set(VANTOR_RELEASE_DATE 2026-12-08)
configure_file(${PROJECT_SOURCE_DIR}/packaging/vantor.6.in ${CMAKE_BINARY_DIR}/packaging/vantor.6 @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/packaging/vantor.metainfo.xml.in
               ${CMAKE_BINARY_DIR}/packaging/vantor.metainfo.xml @ONLY)

install(TARGETS vantor RUNTIME DESTINATION games)
install(FILES ${CMAKE_BINARY_DIR}/DATA30.RES ${CMAKE_BINARY_DIR}/kelvo.res
        DESTINATION ${CMAKE_INSTALL_DATADIR}/games/vantor)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/vantor.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_BINARY_DIR}/packaging/vantor.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${CMAKE_BINARY_DIR}/packaging/vantor.6 DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
foreach(size 32 48 128 256)
  install(FILES ${CMAKE_BINARY_DIR}/icons/vantor-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME vantor.png)
endforeach()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vantor)
set(CPACK_PACKAGE_VENDOR "Vantor developers")
set(CPACK_PACKAGE_CONTACT "Vantor developers <vantor@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "puzzle game: swap and clear coloured pieces on a wheel")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
include(CPack)
