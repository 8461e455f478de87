# Install rules for the program and its desktop integration, and the .deb
# that CPack makes of them. Included from the top-level CMakeLists.txt once
# the vennaro target exists.

include(GNUInstallDirs)

set(VENNARO_PACKAGE_MAINTAINER "The Vennaro developers <maintainers@vennaro.invalid>" CACHE STRING
    "Maintainer of the .deb, as its control file and changelog name them")
set(VENNARO_SCREENSHOT_URL "" CACHE STRING
    "Public web address of docs/screenshot.png; AppStream takes no local files, so without one the metadata has no screenshot")

if(WIN32)
  # A version resource counts its parts as numbers: 1.00 is 1,0,0,0.
  math(EXPR VENNARO_VERSION_MINOR "${PROJECT_VERSION_MINOR} + 0")
  configure_file(${CMAKE_CURRENT_LIST_DIR}/vennaro.rc.in ${CMAKE_CURRENT_BINARY_DIR}/vennaro.rc @ONLY)
  target_sources(vennaro PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/vennaro.rc)
  # Resource compilers look for the icon on the include path.
  set_property(SOURCE ${CMAKE_CURRENT_BINARY_DIR}/vennaro.rc APPEND PROPERTY
               INCLUDE_DIRECTORIES ${PROJECT_SOURCE_DIR}/assets/icon)
endif()

# Debian keeps games apart from other programs, in /usr/games.
set(VENNARO_INSTALL_GAMESDIR games)
install(TARGETS vennaro RUNTIME DESTINATION ${VENNARO_INSTALL_GAMESDIR})

if(UNIX AND NOT APPLE)
  # The compiler's version stamp is of no use in the installed program; Debian's
  # own packages leave it out too.
  install(CODE "execute_process(COMMAND \"${CMAKE_OBJCOPY}\" --remove-section=.comment
    \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${VENNARO_INSTALL_GAMESDIR}/vennaro\" COMMAND_ERROR_IS_FATAL ANY)")

  install(FILES ${CMAKE_CURRENT_LIST_DIR}/${VENNARO_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

  foreach(size 16 22 24 32 48 64 128 256)
    install(FILES ${PROJECT_SOURCE_DIR}/assets/icon/hicolor/${size}x${size}/apps/vennaro.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME ${VENNARO_APP_ID}.png)
  endforeach()
  install(FILES ${PROJECT_SOURCE_DIR}/assets/icon/vennaro.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps RENAME ${VENNARO_APP_ID}.svg)

  if(VENNARO_SCREENSHOT_URL)
    set(VENNARO_APPSTREAM_SCREENSHOTS [[
  <screenshots>
    <screenshot type="default">
      <caption>A game of Vennaro under way</caption>
      <image>@VENNARO_SCREENSHOT_URL@</image>
    </screenshot>
  </screenshots>]])
    string(CONFIGURE "${VENNARO_APPSTREAM_SCREENSHOTS}" VENNARO_APPSTREAM_SCREENSHOTS @ONLY)
  else()
    set(VENNARO_APPSTREAM_SCREENSHOTS "")
  endif()
  configure_file(${CMAKE_CURRENT_LIST_DIR}/${VENNARO_APP_ID}.metainfo.xml.in
                 ${CMAKE_CURRENT_BINARY_DIR}/${VENNARO_APP_ID}.metainfo.xml @ONLY)
  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${VENNARO_APP_ID}.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

  # Compressed as Debian wants them: at most, with no name or time inside.
  foreach(document vennaro.6 changelog)
    configure_file(${CMAKE_CURRENT_LIST_DIR}/${document}.in ${CMAKE_CURRENT_BINARY_DIR}/${document} @ONLY)
    execute_process(COMMAND gzip -9nkf ${document} WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
                    COMMAND_ERROR_IS_FATAL ANY)
  endforeach()
  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/vennaro.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})
  install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION ${CMAKE_INSTALL_DOCDIR} RENAME copyright)
endif()

set(CPACK_PACKAGE_NAME vennaro)
set(CPACK_PACKAGE_CONTACT "${VENNARO_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "sliding picture puzzle on a 4 x 4 board")
set(CPACK_PACKAGE_DESCRIPTION [[
Vennaro cuts one of three pictures into sixteen pieces, deals them out in a
random order with one piece standing for the hole, and asks you to slide them
back into place one move at a time, by mouse, keyboard or screen reader.
Every deal can be solved; a counter keeps the number of moves.]])
set(CPACK_GENERATOR DEB)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded by name at run time, so dpkg-shlibdeps cannot see it.
set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-liberation)
# Qt's Wayland plugin: without it the game runs through XWayland on a Wayland
# desktop. Qt's own translations: without them the message boxes' buttons stay
# English in a translated game.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, qt6-translations-l10n")
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
include(CPack)
