# What an installation adds around the program's folder, and the Debian
# package CPack makes of it (scripts/package).

# The program on the path: a link into its folder, where it finds its files.
install(CODE "
  file(MAKE_DIRECTORY \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/games\")
  file(CREATE_LINK ../${GURX_PROGRAM_FOLDER}/gurgelix
       \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/games/gurgelix\" SYMBOLIC)")

configure_file(data/desktop/gurgelix.desktop.in gurgelix.desktop @ONLY)
configure_file(data/desktop/gurgelix.metainfo.xml.in net.gurgelix.Gurgelix.metainfo.xml @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/gurgelix.desktop DESTINATION share/applications)
install(FILES ${CMAKE_BINARY_DIR}/net.gurgelix.Gurgelix.metainfo.xml DESTINATION share/metainfo)
install(FILES data/icons/icon.svg DESTINATION share/icons/hicolor/scalable/apps
        RENAME gurgelix.svg)
install(FILES ${CMAKE_BINARY_DIR}/screenshot.png DESTINATION share/gurgelix)

# Debian wants its copyright, a compressed changelog and a manual page.
foreach(page changelog gurgelix.6)
  add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/${page}.gz
    COMMAND gzip -9nc ${PROJECT_SOURCE_DIR}/data/desktop/${page} > ${CMAKE_BINARY_DIR}/${page}.gz
    DEPENDS data/desktop/${page})
endforeach()
add_custom_target(package_texts ALL
  DEPENDS ${CMAKE_BINARY_DIR}/changelog.gz ${CMAKE_BINARY_DIR}/gurgelix.6.gz)
install(FILES data/desktop/copyright ${CMAKE_BINARY_DIR}/changelog.gz
        DESTINATION share/doc/gurgelix)
install(FILES ${CMAKE_BINARY_DIR}/gurgelix.6.gz DESTINATION share/man/man6)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME gurgelix)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Gurgelix developers <developers@gurgelix.net>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "pipe puzzle: turn the pipes until water reaches every tile")
set(CPACK_PACKAGE_DESCRIPTION "A pipe puzzle on a board of ten by eight cells. Press a tile
that carries water to turn it; the water then flows again from there. A
level is solved when every tile carries water. Practice and challenge
modes, 200 levels, a level editor, German and English.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
include(CPack)
