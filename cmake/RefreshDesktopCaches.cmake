# SPDX-License-Identifier: GPL-3.0-or-later
# Brings the desktop's caches of a prefix's share/ up to date after its
# entries or icons changed: the MIME handler list (update-desktop-database)
# and the icon theme cache (gtk-update-icon-cache). Each tool is optional;
# without it, or when it fails, the desktop still finds the files by itself.
function(quenby_refresh_desktop_caches prefix)
  find_program(update_desktop_database update-desktop-database)
  if(update_desktop_database AND IS_DIRECTORY "${prefix}/share/applications")
    execute_process(COMMAND "${update_desktop_database}" -q "${prefix}/share/applications"
      RESULT_VARIABLE ignored)
  endif()
  find_program(update_icon_cache gtk-update-icon-cache)
  if(update_icon_cache AND IS_DIRECTORY "${prefix}/share/icons/hicolor")
    execute_process(COMMAND "${update_icon_cache}" -q -f -t "${prefix}/share/icons/hicolor"
      RESULT_VARIABLE ignored OUTPUT_QUIET ERROR_QUIET)
  endif()
endfunction()
