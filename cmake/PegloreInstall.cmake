# Installing the game as a desktop game (cmake --install) and its Debian
# package (cpack -G DEB). Included once from the top, after every target.
if(NOT TARGET peglore)
  return()  # a build limited to other modules
endif()

include(GNUInstallDirs)

# One id names the desktop file, the icons and the running program's
# desktop file name, so that shells match the window to its entry.
set(PEGLORE_APP_ID io.github.peglore.Peglore)
# The software centres' id of the game, which AppStream writes in lower
# case; its metainfo names the desktop file above.
set(PEGLORE_COMPONENT_ID io.github.peglore.peglore)
set(PEGLORE_RELEASE_DATE 2026-12-09)  # of PROJECT_VERSION; moves with it
set(PEGLORE_DATA_INSTALL_DIR ${CMAKE_INSTALL_DATADIR}/peglore)
# Debian's policy puts games in <prefix>/games, beside <prefix>/bin.
set(PEGLORE_PROGRAM_INSTALL_DIR games)
set(PEGLORE_DOC_INSTALL_DIR ${CMAKE_INSTALL_DATADIR}/doc/peglore)
set(PEGLORE_MAINTAINER "Peglore developers <peglore@example.org>")

# An installed game finds its music and help file from its own folder.
file(RELATIVE_PATH data_from_program /${PEGLORE_PROGRAM_INSTALL_DIR} /${PEGLORE_DATA_INSTALL_DIR})
foreach(game peglore peglore_installed)
  target_compile_definitions(${game} PRIVATE
    PEGLORE_VERSION="${PROJECT_VERSION}"
    PEGLORE_APP_ID="${PEGLORE_APP_ID}"
    PEGLORE_DATA_FROM_PROGRAM="${data_from_program}/")
endforeach()

set(packaging ${PROJECT_SOURCE_DIR}/packaging)
set(configured ${PROJECT_BINARY_DIR}/packaging)
configure_file(${packaging}/${PEGLORE_COMPONENT_ID}.metainfo.xml.in ${configured}/english/${PEGLORE_COMPONENT_ID}.metainfo.xml
               @ONLY)
# The menu entry and the store page in every language of
# translations/desktop/LINGUAS, merged from its LANG.po by gettext's msgfmt.
set(desktop_po ${PROJECT_SOURCE_DIR}/translations/desktop)
file(GLOB desktop_po_files CONFIGURE_DEPENDS ${desktop_po}/*.po)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${desktop_po}/LINGUAS ${desktop_po_files}
             ${packaging}/${PEGLORE_APP_ID}.desktop)
find_program(PEGLORE_MSGFMT msgfmt REQUIRED)
execute_process(COMMAND ${PEGLORE_MSGFMT} --desktop --template=${packaging}/${PEGLORE_APP_ID}.desktop -d ${desktop_po}
                        -o ${configured}/${PEGLORE_APP_ID}.desktop COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND ${PEGLORE_MSGFMT} --xml --template=${configured}/english/${PEGLORE_COMPONENT_ID}.metainfo.xml
                        -d ${desktop_po} -o ${configured}/${PEGLORE_COMPONENT_ID}.metainfo.xml COMMAND_ERROR_IS_FATAL ANY)
configure_file(${packaging}/peglore.6.in ${configured}/peglore.6 @ONLY)

# The changelog's latest entry is the version being built.
file(STRINGS ${packaging}/debian/changelog latest LIMIT_COUNT 1)
if(NOT latest MATCHES "^peglore \\(${PROJECT_VERSION}\\) ")
  message(FATAL_ERROR "packaging/debian/changelog begins with '${latest}', not version ${PROJECT_VERSION}")
endif()
# Manual pages and changelogs are installed compressed, reproducibly
# (no name or time in the gzip header).
foreach(file ${configured}/peglore.6 ${packaging}/debian/changelog)
  get_filename_component(name ${file} NAME)
  execute_process(COMMAND gzip -9nc ${file} OUTPUT_FILE ${configured}/${name}.gz COMMAND_ERROR_IS_FATAL ANY)
endforeach()

install(TARGETS peglore_installed RUNTIME DESTINATION ${PEGLORE_PROGRAM_INSTALL_DIR})
install(FILES ${PEGLORE_TUNE} ${PEGLORE_HELP_FILES} DESTINATION ${PEGLORE_DATA_INSTALL_DIR})
install(FILES ${configured}/${PEGLORE_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${configured}/${PEGLORE_COMPONENT_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${configured}/peglore.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${packaging}/debian/copyright DESTINATION ${PEGLORE_DOC_INSTALL_DIR})
install(FILES ${configured}/changelog.gz DESTINATION ${PEGLORE_DOC_INSTALL_DIR})
# Each size also drawn at twice the size, for the theme's folders of scale 2.
foreach(size 16 32 48 64 128 256)
  install(FILES ${packaging}/icons/peglore-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME ${PEGLORE_APP_ID}.png)
  install(FILES ${packaging}/icons/peglore-${size}@2x.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}@2/apps
          RENAME ${PEGLORE_APP_ID}.png)
endforeach()

# The Debian package: what the executable links to, found by dpkg-shlibdeps,
# plus what the game loads by name at run time.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME peglore)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Peglore authors")
set(CPACK_PACKAGE_CONTACT "${PEGLORE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${PEGLORE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "code-breaking board game of coloured pegs")
# Lines of at most 80 characters, as a terminal shows them.
set(CPACK_PACKAGE_DESCRIPTION "Peglore hides a row of coloured pegs, which the player guesses row by row
on the guess board. The score board answers every guess with black and white
key pegs. Four levels, a game clock, background music and statistics kept from
run to run.")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# FluidSynth and ALSA, which the music loads when it first opens (so that
# the window need not wait for them), the General MIDI soundfont, the fonts
# the windows are laid out for, and Qt's platform plugins, without which no
# window opens, and Qt's SQLite driver, which the records file is opened with.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libfluidsynth3, libasound2, timgm6mb-soundfont, fonts-liberation, qt6-qpa-plugins, libqt6sql6-sqlite")
# Qt's Wayland platform plugin: on a Wayland desktop the game then runs as a
# Wayland client of its own instead of through Xwayland.
# Qt's own catalogues, which word Qt's standard buttons in the player's
# language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, qt6-translations-l10n")
include(CPack)
