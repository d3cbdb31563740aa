# SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The program as a Debian program: the command line, the standard ADIF
# export, the daily backups and the log's lock; what `cmake --install` puts
# on the system (program, desktop entry, icons, AppStream metainfo, man
# page, copyright and changelog) and the .deb that `make package` builds
# with CPack.
target_sources(ktl_core PRIVATE
  src/adif/adif_standard.cpp
  src/state/daily_backup.cpp
  src/state/log_access.cpp
  src/state/log_lock.cpp
  src/state/station_name.cpp
  src/state/station_upkeep.cpp
  src/texts/program_texts.cpp
)
target_sources(ktl_gui PRIVATE src/app/command_line.cpp)

# The version is written twice, here and as the program's revision: they
# must agree.
file(STRINGS ${CMAKE_SOURCE_DIR}/src/texts/program_texts.h KTL_REVISION_LINE REGEX "programRevision\\(\\)")
string(REGEX MATCH "\" ([0-9.]+)\"" _ "${KTL_REVISION_LINE}")
if(NOT CMAKE_MATCH_1 STREQUAL PROJECT_VERSION)
  message(FATAL_ERROR "project version ${PROJECT_VERSION} differs from the program's revision '${CMAKE_MATCH_1}'")
endif()
# The package's changelog and the AppStream releases name it too, newest
# first.
file(STRINGS ${CMAKE_SOURCE_DIR}/packaging/changelog KTL_CHANGELOG_TOP LIMIT_COUNT 1)
string(REGEX MATCH "^orb-ktl \\(([^)]+)\\)" _ "${KTL_CHANGELOG_TOP}")
if(NOT CMAKE_MATCH_1 STREQUAL PROJECT_VERSION)
  message(FATAL_ERROR "project version ${PROJECT_VERSION} differs from the newest in packaging/changelog '${CMAKE_MATCH_1}'")
endif()
file(STRINGS ${CMAKE_SOURCE_DIR}/packaging/org.orbktl.orb_ktl.metainfo.xml KTL_RELEASE_LINES REGEX "<release ")
list(GET KTL_RELEASE_LINES 0 KTL_RELEASE_TOP)
string(REGEX MATCH "version=\"([^\"]+)\"" _ "${KTL_RELEASE_TOP}")
if(NOT CMAKE_MATCH_1 STREQUAL PROJECT_VERSION)
  message(FATAL_ERROR "project version ${PROJECT_VERSION} differs from the newest release in the AppStream metainfo '${CMAKE_MATCH_1}'")
endif()
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
  ${CMAKE_SOURCE_DIR}/packaging/changelog ${CMAKE_SOURCE_DIR}/packaging/org.orbktl.orb_ktl.metainfo.xml)

ktl_gui_test(test_log_upkeep tests/state/test_log_upkeep.cpp)
ktl_core_test(test_log_lock tests/state/test_log_lock.cpp)
# A window and the built program's import on one log, killed at random.
ktl_gui_test(test_log_ownership tests/state/test_log_ownership.cpp)
add_dependencies(test_log_ownership orb-ktl)
target_compile_definitions(test_log_ownership PRIVATE KTL_PROGRAM="$<TARGET_FILE:orb-ktl>")
# The built program itself, run over a data folder of its own.
ktl_core_test(test_command_line tests/app/test_command_line.cpp)
add_dependencies(test_command_line orb-ktl)
target_link_libraries(test_command_line PRIVATE ktl_gui)
target_compile_definitions(test_command_line PRIVATE KTL_PROGRAM="$<TARGET_FILE:orb-ktl>"
                           KTL_SHARED_DIR="${CMAKE_SOURCE_DIR}/../shared")

# --- Installation -----------------------------------------------------------
include(GNUInstallDirs)
set(KTL_PACKAGING ${CMAKE_SOURCE_DIR}/packaging)
install(TARGETS orb-ktl RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The stripped program keeps no compiler notes (.comment, .note), as Debian
# strips its programs.
install(CODE "if(CMAKE_INSTALL_DO_STRIP)
  execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment --remove-section=.note
    \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/orb-ktl\" COMMAND_ERROR_IS_FATAL ANY)
endif()")
install(FILES ${KTL_PACKAGING}/org.orbktl.orb_ktl.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${KTL_PACKAGING}/org.orbktl.orb_ktl.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${KTL_PACKAGING}/orb-ktl.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
set(KTL_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/orb-ktl)
install(FILES ${KTL_PACKAGING}/copyright DESTINATION ${KTL_DOC_DIR})
install(FILES ${KTL_PACKAGING}/orb-ktl.lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
        RENAME orb-ktl)

# The PNG icons are drawn from the SVG at build time; the man page and the
# changelog are compressed as Debian keeps them (gzip -9n: no name, no time).
find_program(KTL_RSVG rsvg-convert)
find_program(KTL_GZIP gzip)
set(KTL_ICON_SIZES 16 22 24 32 48 64 128 256)
set(KTL_GENERATED)
if(KTL_RSVG)
  foreach(size ${KTL_ICON_SIZES})
    set(png ${CMAKE_BINARY_DIR}/icons/${size}x${size}/orb-ktl.png)
    add_custom_command(OUTPUT ${png}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/icons/${size}x${size}
      COMMAND ${KTL_RSVG} -w ${size} -h ${size} -o ${png} ${KTL_PACKAGING}/orb-ktl.svg
      DEPENDS ${KTL_PACKAGING}/orb-ktl.svg VERBATIM)
    list(APPEND KTL_GENERATED ${png})
    install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
  endforeach()
else()
  message(WARNING "rsvg-convert not found (package librsvg2-bin): the PNG icons are not built")
endif()
set(KTL_MAN ${CMAKE_BINARY_DIR}/orb-ktl.1.gz)
add_custom_command(OUTPUT ${KTL_MAN}
  COMMAND ${KTL_GZIP} -9nc ${KTL_PACKAGING}/orb-ktl.1 > ${KTL_MAN}
  DEPENDS ${KTL_PACKAGING}/orb-ktl.1)
list(APPEND KTL_GENERATED ${KTL_MAN})
install(FILES ${KTL_MAN} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
set(KTL_CHANGELOG ${CMAKE_BINARY_DIR}/changelog.gz)
add_custom_command(OUTPUT ${KTL_CHANGELOG}
  COMMAND ${KTL_GZIP} -9nc ${KTL_PACKAGING}/changelog > ${KTL_CHANGELOG}
  DEPENDS ${KTL_PACKAGING}/changelog)
list(APPEND KTL_GENERATED ${KTL_CHANGELOG})
install(FILES ${KTL_CHANGELOG} DESTINATION ${KTL_DOC_DIR})
add_custom_target(ktl-packaging-files ALL DEPENDS ${KTL_GENERATED})

# --- The .deb ---------------------------------------------------------------
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME orb-ktl)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "ORB_KTL maintainers <maintainers@orbktl.org>")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://orbktl.org/")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "logbook for the KTL castles award")
set(CPACK_PACKAGE_DESCRIPTION
  "ORB_KTL is the logbook of one amateur-radio operator who works castles\nfor the KTL award: QSOs typed field by field into one entry window, kept\nas fixed-column lines in the station's own log. It searches the log,\nlists the contacted castles and country prefixes, imports and exports\nADIF (also standard ADIF 3.1 for logging services), keeps a daily\nbackup of each log and shows DX-cluster pages. French, English and\nItalian interface; a command line imports and exports without window.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries come from dpkg-shlibdeps; the Qt plugins are loaded at run
# time and are named here: the platform plugins draw every window. Qt's own
# translations (the dialog buttons) and the list font are welcome, not needed;
# so is Hamlib's rigctld, for a rig under the program's control.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, fonts-liberation2, libhamlib-utils")
include(CPack)
