# SPDX-License-Identifier: GPL-3.0-or-later
# The interface's translations. translations/quenby_<lang>.ts are compiled
# into ${QUENBY_QM_DIR}; the staging (cmake/StageAppFiles.cmake) copies them
# into the application directory's translations/ folder, where the program
# looks for them, and so into every install and the package.
# `make translations` (the `translations` target) reads the source folders
# with lupdate and updates the .ts files: new texts come in unfinished,
# vanished ones go. quenby_en.ts holds only the plural forms of the English
# texts ("%n task(s)"), which the source texts cannot carry.
# To add a language, see translations/README.
find_package(Qt6 REQUIRED COMPONENTS LinguistTools)

set(QUENBY_LANGUAGES en de fr es)
set(QUENBY_QM_DIR ${CMAKE_BINARY_DIR}/translations)
set(QUENBY_SOURCE_FOLDERS app base cli convert encoder platform preview profiles settings tasks
  widgets)

set(qm_files "")
set(ts_files "")
foreach(lang IN LISTS QUENBY_LANGUAGES)
  set(ts ${CMAKE_SOURCE_DIR}/translations/quenby_${lang}.ts)
  set(qm ${QUENBY_QM_DIR}/quenby_${lang}.qm)
  add_custom_command(OUTPUT ${qm}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${QUENBY_QM_DIR}
    COMMAND Qt6::lrelease -silent ${ts} -qm ${qm}
    DEPENDS ${ts}
    COMMENT "Compiling the ${lang} translation"
    VERBATIM)
  list(APPEND qm_files ${qm})
  if(NOT lang STREQUAL "en")
    list(APPEND ts_files ${ts})
  endif()
endforeach()
add_custom_target(quenby_translations ALL DEPENDS ${qm_files})

# Locations are left out so that a moved line does not rewrite the files.
add_custom_target(translations
  COMMAND Qt6::lupdate -silent -locations none -no-obsolete -I ${CMAKE_SOURCE_DIR}
    ${QUENBY_SOURCE_FOLDERS} -ts ${ts_files}
  COMMAND Qt6::lupdate -silent -locations none -no-obsolete -pluralonly -I ${CMAKE_SOURCE_DIR}
    ${QUENBY_SOURCE_FOLDERS} -ts ${CMAKE_SOURCE_DIR}/translations/quenby_en.ts
  WORKING_DIRECTORY ${CMAKE_SOURCE_DIR}
  COMMENT "Updating translations/*.ts from the sources"
  VERBATIM)

# The check that `translations` would leave nothing unfinished or obsolete
# and that the compiled files read back (ctest, beside the other checks).
add_test(NAME translations_complete
  COMMAND ${CMAKE_SOURCE_DIR}/scripts/check-translations.sh ${CMAKE_SOURCE_DIR}
          $<TARGET_FILE:Qt6::lupdate> $<TARGET_FILE:Qt6::lrelease> $<TARGET_FILE:Qt6::lconvert>
          ${QUENBY_SOURCE_FOLDERS})
