# SPDX-License-Identifier: GPL-3.0-or-later
# `make deb` builds the Debian package quenby_<version>_<arch>.deb with CPack:
# the same install rules as `make install`, under /usr, for the whole
# machine. dpkg-shlibdeps finds the libraries the program links; the encoder,
# the SVG icon plugin, the GStreamer plug-ins the preview plays with and Qt's
# own translations (of the standard buttons) are loaded at run time, so they
# are named here. The desktop's menu, MIME and
# icon caches are refreshed by the triggers of the packages that own them:
# the package needs no scripts of its own, and removing it touches nothing
# in any home folder.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quenby)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Quenby Software")
set(CPACK_PACKAGE_CONTACT "Quenby Software <packages@quenby.example>")
# The install rules see the real prefix (the desktop entry and the encoder
# link name it) and stage under DESTDIR, which tells them a package is built.
set(CPACK_SET_DESTDIR ON)
set(CPACK_INSTALL_PREFIX /usr)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE
  GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION video)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://quenby.example/)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "ffmpeg, libqt6svg6, gstreamer1.0-plugins-good, \
gstreamer1.0-plugins-bad, gstreamer1.0-plugins-ugly, gstreamer1.0-libav, gstreamer1.0-alsa, \
qt6-translations-l10n")
# Names the user's videos folder, the default output; without it, ~/Videos.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS xdg-user-dirs)
# CPack indents the lines after the summary itself.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "batch video converter driving FFmpeg
Quenby AVI Video Converter converts a whole list of videos in one run:
collect AVI, MPEG, MP4, WMV, QuickTime, VOB and ASF files into a task list,
pick a conversion profile and an output folder, and start. Each profile's
video, audio and advanced settings can be changed and saved, each task can
be trimmed or renamed, and the progress of each file and of the batch is
shown with the time left. A preview plays the selected video, and a
command-line mode converts without a window.")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# Building the package builds what it installs, not the tests.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)
include(CPack)
