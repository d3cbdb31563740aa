# SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The texts of the interface languages and the checks behind the Enter key
# of each entry field. Every text is written in French in the sources; the
# other languages are the translation files of translations/, compiled by
# lrelease into the core library's resources (":/i18n/orb_ktl_<code>.qm").
# `cmake --build build --target update_translations` runs lupdate over the
# sources after a text was added or changed; Qt Linguist edits the files.
target_sources(ktl_core PRIVATE src/entry/entry_checks.cpp src/texts/language.cpp src/texts/command_line_texts.cpp)
set(KTL_TS_FILES
  ${CMAKE_SOURCE_DIR}/translations/orb_ktl_en.ts
  ${CMAKE_SOURCE_DIR}/translations/orb_ktl_it.ts
  ${CMAKE_SOURCE_DIR}/translations/orb_ktl_de.ts)
# Every source of the program, windows included, is read for its texts.
file(GLOB_RECURSE KTL_TR_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/*.cpp ${CMAKE_SOURCE_DIR}/src/*.h)
qt_add_translations(ktl_core
  TS_FILES ${KTL_TS_FILES}
  SOURCES ${KTL_TR_SOURCES}
  RESOURCE_PREFIX /i18n
  LUPDATE_OPTIONS -no-obsolete -locations none
  LRELEASE_OPTIONS -nounfinished -silent)
ktl_core_test(test_entry_checks tests/entry/test_entry_checks.cpp)
ktl_core_test(test_translations tests/texts/test_translations.cpp)
target_compile_definitions(test_translations PRIVATE KTL_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
target_link_libraries(test_entry_checks PRIVATE Qt6::Gui)  # the keyboard rules
