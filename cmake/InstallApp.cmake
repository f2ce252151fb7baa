# Included by `cmake --install` (see Install.cmake): quenby_note_new_folders()
# runs before the executable and the icons are copied, quenby_finish_install()
# after them.
set(quenby_prefix "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
set(quenby_app "${quenby_prefix}/${QUENBY_APP_SUBDIR}")
set(quenby_manifest "${quenby_app}/install-manifest.txt")

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

function(quenby_finish_install)
  # Stage afresh once to learn exactly which files the application directory
  # ships and what they hold, then stage into the installed directory itself,
  # where the user's Preferences.ini and newer profile edits survive.
  set(SRC "${QUENBY_SOURCE_DIR}/data")
  set(FFMPEG "${QUENBY_FFMPEG}")
  set(reference "${QUENBY_BINARY_DIR}/install-reference")
  file(REMOVE_RECURSE "${reference}")
  set(DST "${reference}")
  include("${QUENBY_SOURCE_DIR}/cmake/StageAppFiles.cmake")
  set(DST "${quenby_app}")
  include("${QUENBY_SOURCE_DIR}/cmake/StageAppFiles.cmake")
  message(STATUS "Installing: ${quenby_app} (staged files)")

  # The launcher: the program finds its application directory through
  # /proc/self/exe, which names the link's target.
  file(MAKE_DIRECTORY "${quenby_prefix}/bin")
  file(REMOVE "${quenby_prefix}/bin/quenby")
  file(CREATE_LINK "../${QUENBY_APP_SUBDIR}/quenby" "${quenby_prefix}/bin/quenby" SYMBOLIC)
  message(STATUS "Installing: ${quenby_prefix}/bin/quenby")

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

  # A package build (DESTDIR) leaves the caches to the package's own scripts.
  if("$ENV{DESTDIR}" STREQUAL "")
    include("${QUENBY_SOURCE_DIR}/cmake/RefreshDesktopCaches.cmake")
    quenby_refresh_desktop_caches("${quenby_prefix}")
  endif()
endfunction()
