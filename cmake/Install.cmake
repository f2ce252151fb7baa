# SPDX-License-Identifier: GPL-3.0-or-later
# `make install` (over `cmake --install`) lays the program out under a prefix,
# ~/.local unless another is named:
#   lib/quenby/                the application directory: the executable and
#                              everything staged beside it (encoder link,
#                              profiles, preferences, help, translations); the
#                              program writes
#                              its preferences and profiles here, so it lies in
#                              the prefix's private program area, not in share/
#   bin/quenby                 a link to the executable
#   share/applications/quenby.desktop
#   share/metainfo/example.quenby.Quenby.metainfo.xml, for software centres
#   share/icons/hicolor/{scalable,48x48,256x256}/apps/quenby.{svg,png}
#   share/systemd/user/quenby-watch@.service, the watched folder's user unit
# The application directory also gets install-manifest.txt, the list that
# `make uninstall` (cmake/Uninstall.cmake) takes back. A staged install
# (DESTDIR, as `make deb` makes one, cmake/Package.cmake) builds a package
# instead: see quenby_finish_package in cmake/InstallApp.cmake.
if(CMAKE_INSTALL_PREFIX_INITIALIZED_TO_DEFAULT)
  set(CMAKE_INSTALL_PREFIX "$ENV{HOME}/.local" CACHE PATH "Where to install" FORCE)
endif()
set(QUENBY_INSTALL_APP_DIR lib/quenby)
set(icon_dir share/icons/hicolor)
set(metainfo example.quenby.Quenby.metainfo.xml)

# The bitmap icons are rendered from the scalable one at build time.
add_executable(render_icon tools/RenderIcon.cpp)
target_link_libraries(render_icon PRIVATE Qt6::Gui)
set(rendered_icons "")
foreach(size 48 256)
  set(png ${CMAKE_BINARY_DIR}/icons/${size}x${size}/quenby.png)
  add_custom_command(OUTPUT ${png}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/icons/${size}x${size}
    COMMAND render_icon ${CMAKE_SOURCE_DIR}/data/icons/quenby.svg ${size} ${png}
    DEPENDS render_icon ${CMAKE_SOURCE_DIR}/data/icons/quenby.svg
    COMMENT "Rendering the ${size} pixel icon"
    VERBATIM)
  list(APPEND rendered_icons ${png})
endforeach()
add_custom_target(quenby_icons ALL DEPENDS ${rendered_icons})

# Everything installed outside the staged files, relative to the prefix.
set(installed
  bin/quenby
  ${QUENBY_INSTALL_APP_DIR}/quenby
  share/applications/quenby.desktop
  share/metainfo/${metainfo}
  ${icon_dir}/scalable/apps/quenby.svg
  ${icon_dir}/48x48/apps/quenby.png
  ${icon_dir}/256x256/apps/quenby.png
  share/systemd/user/quenby-watch@.service)

# cmake/InstallApp.cmake does the rest around the plain copies below.
install(CODE "
  set(QUENBY_SOURCE_DIR \"${CMAKE_SOURCE_DIR}\")
  set(QUENBY_BINARY_DIR \"${CMAKE_BINARY_DIR}\")
  set(QUENBY_FFMPEG \"${QUENBY_FFMPEG}\")
  set(QUENBY_QM_DIR \"${QUENBY_QM_DIR}\")
  set(QUENBY_APP_SUBDIR \"${QUENBY_INSTALL_APP_DIR}\")
  set(QUENBY_INSTALLED_FILES \"${installed}\")
  include(\"${CMAKE_SOURCE_DIR}/cmake/InstallApp.cmake\")
  quenby_note_new_folders()")
install(TARGETS quenby DESTINATION ${QUENBY_INSTALL_APP_DIR})
install(FILES data/${metainfo} DESTINATION share/metainfo)
install(FILES data/icons/quenby.svg DESTINATION ${icon_dir}/scalable/apps)
foreach(size 48 256)
  install(FILES ${CMAKE_BINARY_DIR}/icons/${size}x${size}/quenby.png
    DESTINATION ${icon_dir}/${size}x${size}/apps)
endforeach()
install(CODE "quenby_finish_install()")
