# What an installation adds around the program's folder. The Debian package
# is built from debian/ (scripts/package), which adds the copyright and the
# changelog.

# The program on the path: a link into its folder, where it finds its files.
install(CODE "
  file(MAKE_DIRECTORY \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/games\")
  file(CREATE_LINK ../${GURX_PROGRAM_FOLDER}/gurgelix
       \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/games/gurgelix\" SYMBOLIC)")

# The release date in the metainfo and the manual page is the newest
# changelog entry's.
file(STRINGS debian/changelog trailers REGEX "^ -- ")
list(GET trailers 0 newest)
string(REGEX MATCH "([0-9]+) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9])" _ "${newest}")
set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
list(FIND months ${CMAKE_MATCH_2} month)
math(EXPR month "${month} + 1")
string(LENGTH "${CMAKE_MATCH_1}" dayLength)
set(day ${CMAKE_MATCH_1})
if(dayLength EQUAL 1)
  set(day 0${day})
endif()
if(month LESS 10)
  set(month 0${month})
endif()
set(GURX_RELEASE_DATE ${CMAKE_MATCH_3}-${month}-${day})

# How the metainfo names its developer: AppStream 1.0 brought a <developer>
# block and deprecates <developer_name>, the only form that older releases
# (Debian 12's 0.16) know. The release the package is built on decides.
set(GURX_METAINFO_DEVELOPER
    "<developer id=\"net.gurgelix\">\n    <name>Gurgelix developers</name>\n  </developer>")
find_program(GURX_APPSTREAMCLI appstreamcli)
if(GURX_APPSTREAMCLI)
  execute_process(COMMAND ${GURX_APPSTREAMCLI} --version OUTPUT_VARIABLE appstreamVersion
                  ERROR_QUIET)
  string(REGEX MATCH "[0-9]+\\.[0-9]+(\\.[0-9]+)?" appstreamVersion "${appstreamVersion}")
  if(appstreamVersion AND appstreamVersion VERSION_LESS 1.0)
    set(GURX_METAINFO_DEVELOPER "<developer_name>Gurgelix developers</developer_name>")
  endif()
endif()

configure_file(data/desktop/gurgelix.desktop.in gurgelix.desktop @ONLY)
configure_file(data/desktop/gurgelix.metainfo.xml.in net.gurgelix.gurgelix.metainfo.xml @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/gurgelix.desktop DESTINATION share/applications)
install(FILES ${CMAKE_BINARY_DIR}/net.gurgelix.gurgelix.metainfo.xml DESTINATION share/metainfo)
install(FILES data/icons/icon.svg DESTINATION share/icons/hicolor/scalable/apps
        RENAME gurgelix.svg)
install(FILES ${CMAKE_BINARY_DIR}/screenshot.png DESTINATION ${GURX_DATA_FOLDER})

# The manual page, compressed as Debian wants it.
configure_file(data/desktop/gurgelix.6.in gurgelix.6 @ONLY)
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/gurgelix.6.gz
  COMMAND gzip -9nc ${CMAKE_BINARY_DIR}/gurgelix.6 > ${CMAKE_BINARY_DIR}/gurgelix.6.gz
  DEPENDS ${CMAKE_BINARY_DIR}/gurgelix.6)
add_custom_target(manual_page ALL DEPENDS ${CMAKE_BINARY_DIR}/gurgelix.6.gz)
install(FILES ${CMAKE_BINARY_DIR}/gurgelix.6.gz DESTINATION share/man/man6)
