# SPDX-License-Identifier: GPL-3.0-or-later
# `make uninstall`: takes back what `make install` put under a prefix, by the
# manifest it left in the application directory.
#   cmake -DPREFIX=<prefix> -P cmake/Uninstall.cmake
# A file is removed only while it still holds what was installed: the user's
# Preferences.ini, profiles they edited or added, and anything else they keep
# in the application directory (converted videos, by default) stay.
if(NOT PREFIX)
  message(FATAL_ERROR "usage: cmake -DPREFIX=<prefix> -P cmake/Uninstall.cmake")
endif()
set(app "${PREFIX}/lib/quenby")
set(manifest "${app}/install-manifest.txt")
if(NOT EXISTS "${manifest}")
  message(STATUS "Nothing to uninstall: ${manifest} does not exist")
  return()
endif()

file(STRINGS "${manifest}" entries)
set(folders "")
foreach(entry IN LISTS entries)
  if(NOT entry MATCHES "^([^ ]+) (.+)$")
    continue()
  endif()
  set(hash "${CMAKE_MATCH_1}")
  set(path "${PREFIX}/${CMAKE_MATCH_2}")
  if(hash STREQUAL "folder")
    list(APPEND folders "${path}")
  elseif(hash STREQUAL "link")
    if(IS_SYMLINK "${path}")
      file(REMOVE "${path}")
      message(STATUS "Removed: ${path}")
    endif()
  elseif(EXISTS "${path}" AND NOT IS_SYMLINK "${path}" AND NOT IS_DIRECTORY "${path}")
    file(SHA256 "${path}" current)
    if(current STREQUAL hash)
      file(REMOVE "${path}")
      message(STATUS "Removed: ${path}")
    else()
      message(STATUS "Kept, changed since it was installed: ${path}")
    endif()
  endif()
endforeach()
file(REMOVE "${manifest}")

# Empty folders go, the deepest first: the application directory's own, and
# those the install created elsewhere. A cache the refresh left in such a
# folder belongs to nothing but our files.
include("${CMAKE_CURRENT_LIST_DIR}/RefreshDesktopCaches.cmake")
quenby_refresh_desktop_caches("${PREFIX}")
file(GLOB_RECURSE app_folders LIST_DIRECTORIES true "${app}/*")
list(APPEND folders ${app_folders} "${app}")
list(SORT folders ORDER DESCENDING)
foreach(folder IN LISTS folders)
  if(IS_DIRECTORY "${folder}" AND NOT IS_SYMLINK "${folder}")
    file(GLOB left "${folder}/*")
    list(REMOVE_ITEM left "${folder}/mimeinfo.cache" "${folder}/icon-theme.cache")
    if(NOT left)
      file(REMOVE_RECURSE "${folder}")
    endif()
  endif()
endforeach()
