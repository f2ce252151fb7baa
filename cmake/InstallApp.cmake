# SPDX-License-Identifier: GPL-3.0-or-later
# Included by `cmake --install` (see Install.cmake): quenby_note_new_folders()
# runs before the executable and the icons are copied, quenby_finish_install()
# after them.
set(quenby_prefix "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
set(quenby_app "${quenby_prefix}/${QUENBY_APP_SUBDIR}")
set(quenby_manifest "${quenby_app}/install-manifest.txt")
# A staged install (DESTDIR) builds a package: the package manager then
# tracks the files, owns the program's folder, and refreshes the caches.
if("$ENV{DESTDIR}" STREQUAL "")
  set(quenby_packaging OFF)
else()
  set(quenby_packaging ON)
endif()

# The folders that this install creates,
# and those an earlier one created: uninstalling removes them once empty.
function(quenby_note_new_folders)
  set(folders "")
  if(EXISTS "${quenby_manifest}")
    file(STRINGS "${quenby_manifest}" earlier REGEX "^folder ")
    list(TRANSFORM earlier REPLACE "^folder " "")
    list(APPEND folders ${earlier})
  endif()
  foreach(name IN LISTS QUENBY_INSTALLED_FILES)
    get_filename_component(folder "${name}" DIRECTORY)
    while(folder)
      if(NOT IS_DIRECTORY "${quenby_prefix}/${folder}")
        list(APPEND folders "${folder}")
      endif()
      get_filename_component(folder "${folder}" DIRECTORY)
    endwhile()
  endforeach()
  list(REMOVE_DUPLICATES folders)
  set(QUENBY_NEW_FOLDERS "${folders}" PARENT_SCOPE)
endfunction()

macro(quenby_manifest_entry path name)
  if(IS_SYMLINK "${path}")
    string(APPEND manifest "link ${name}\n")
  else()
    file(SHA256 "${path}" hash)
    string(APPEND manifest "${hash} ${name}\n")
  endif()
endmacro()

# Debian's documentation is compressed as dpkg-buildpackage would: at the
# highest level, without a time stamp.
function(quenby_install_gzipped source target)
  get_filename_component(folder "${target}" DIRECTORY)
  file(MAKE_DIRECTORY "${folder}")
  execute_process(COMMAND gzip -9 -n -c "${source}" OUTPUT_FILE "${target}"
    COMMAND_ERROR_IS_FATAL ANY)
endfunction()

# A package's program folder: the encoder link leads to the ffmpeg that the
# package depends on, by a relative path as Debian wants within /usr; the
# marker sends every user's settings to their home; the documentation
# Debian requires goes beside the other packages', and the manual page.
function(quenby_finish_package)
  set(SRC "${QUENBY_SOURCE_DIR}/data")
  file(RELATIVE_PATH FFMPEG "${CMAKE_INSTALL_PREFIX}/${QUENBY_APP_SUBDIR}" /usr/bin/ffmpeg)
  set(DST "${quenby_app}")
  set(QM "${QUENBY_QM_DIR}")
  include("${QUENBY_SOURCE_DIR}/cmake/StageAppFiles.cmake")
  file(WRITE "${quenby_app}/settings-in-home"
    "Installed by the package manager: each user's preferences and profiles live in ~/.config/quenby.\n")
  set(packaging "${QUENBY_SOURCE_DIR}/packaging")
  set(doc "${quenby_prefix}/share/doc/quenby")
  quenby_install_gzipped("${packaging}/changelog" "${doc}/changelog.gz")
  file(COPY_FILE "${packaging}/copyright" "${doc}/copyright")
  quenby_install_gzipped("${packaging}/quenby.1" "${quenby_prefix}/share/man/man1/quenby.1.gz")
  message(STATUS "Installing: ${quenby_app} (staged files, for a package)")
endfunction()

# The watch's systemd user unit starts the launcher by its full path: the
# user manager's PATH seldom holds ~/.local/bin.
function(quenby_install_watch_unit)
  set(unit "share/systemd/user/quenby-watch@.service")
  string(REPLACE "%" "%%" exec "${CMAKE_INSTALL_PREFIX}/bin/quenby")
  string(REPLACE "$" "$$" exec "${exec}")
  file(READ "${QUENBY_SOURCE_DIR}/data/quenby-watch@.service" text)
  string(REPLACE "exec quenby " "exec \"${exec}\" " text "${text}")
  file(WRITE "${quenby_prefix}/${unit}" "${text}")
  message(STATUS "Installing: ${quenby_prefix}/${unit}")
endfunction()

function(quenby_finish_install)
  # The launcher: the program finds its application directory through
  # /proc/self/exe, which names the link's target.
  file(MAKE_DIRECTORY "${quenby_prefix}/bin")
  file(REMOVE "${quenby_prefix}/bin/quenby")
  file(CREATE_LINK "../${QUENBY_APP_SUBDIR}/quenby" "${quenby_prefix}/bin/quenby" SYMBOLIC)
  message(STATUS "Installing: ${quenby_prefix}/bin/quenby")
  quenby_install_watch_unit()
  if(quenby_packaging)
    quenby_finish_package()
    file(MAKE_DIRECTORY "${quenby_prefix}/share/applications")
    file(COPY_FILE "${QUENBY_SOURCE_DIR}/data/quenby.desktop"
      "${quenby_prefix}/share/applications/quenby.desktop")
    return()
  endif()

  # Stage afresh once to learn exactly which files the application directory
  # ships and what they hold, then stage into the installed directory itself,
  # where the user's Preferences.ini and newer profile edits survive.
  set(SRC "${QUENBY_SOURCE_DIR}/data")
  set(FFMPEG "${QUENBY_FFMPEG}")
  set(QM "${QUENBY_QM_DIR}")
  set(reference "${QUENBY_BINARY_DIR}/install-reference")
  file(REMOVE_RECURSE "${reference}")
  set(DST "${reference}")
  include("${QUENBY_SOURCE_DIR}/cmake/StageAppFiles.cmake")
  set(DST "${quenby_app}")
  include("${QUENBY_SOURCE_DIR}/cmake/StageAppFiles.cmake")
  message(STATUS "Installing: ${quenby_app} (staged files)")

  # The desktop entry starts the launcher by its full path: a fresh
  # ~/.local/bin is often not on the desktop session's PATH. The path is
  # quoted and escaped as desktop entries require.
  set(exec "${CMAKE_INSTALL_PREFIX}/bin/quenby")
  foreach(special "\\" "\"" "`" "$")
    string(REPLACE "${special}" "\\${special}" exec "${exec}")
  endforeach()
  string(REPLACE "\\" "\\\\" exec "${exec}")
  string(REPLACE "%" "%%" exec "${exec}")
  file(READ "${QUENBY_SOURCE_DIR}/data/quenby.desktop" desktop)
  string(REGEX REPLACE "\nExec=quenby" "\nExec=\"${exec}\"" desktop "${desktop}")
  file(WRITE "${quenby_prefix}/share/applications/quenby.desktop" "${desktop}")
  message(STATUS "Installing: ${quenby_prefix}/share/applications/quenby.desktop")

  # One line per installed file, its SHA-256 (or "link") and its path in the
  # prefix: uninstalling removes a file only while it still holds what was
  # installed, so whatever the user changed stays theirs.
  set(manifest "")
  file(GLOB_RECURSE shipped LIST_DIRECTORIES false RELATIVE "${reference}" "${reference}/*")
  foreach(name IN LISTS shipped)
    quenby_manifest_entry("${reference}/${name}" "${QUENBY_APP_SUBDIR}/${name}")
  endforeach()
  foreach(name IN LISTS QUENBY_INSTALLED_FILES)
    quenby_manifest_entry("${quenby_prefix}/${name}" "${name}")
  endforeach()
  foreach(folder IN LISTS QUENBY_NEW_FOLDERS)
    string(APPEND manifest "folder ${folder}\n")
  endforeach()
  file(WRITE "${quenby_manifest}" "${manifest}")
  file(REMOVE_RECURSE "${reference}")

  include("${QUENBY_SOURCE_DIR}/cmake/RefreshDesktopCaches.cmake")
  quenby_refresh_desktop_caches("${quenby_prefix}")
endfunction()
