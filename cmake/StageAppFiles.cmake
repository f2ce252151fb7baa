# SPDX-License-Identifier: GPL-3.0-or-later
# Run in script mode by the stage_app target (see StageApp.cmake). The
# install stages with this same script (cmake/InstallApp.cmake), so whatever
# it stages is also installed, listed in the manifest and uninstalled.
file(MAKE_DIRECTORY ${DST}/Profiles)

if(FFMPEG AND NOT EXISTS ${DST}/tolvex.dll)
  file(CREATE_LINK ${FFMPEG} ${DST}/tolvex.dll SYMBOLIC)
endif()

# A user's edits to a staged profile win over the shipped copy unless the
# shipped one changed since it was staged.
file(GLOB profiles ${SRC}/Profiles/*.apf)
foreach(src ${profiles})
  get_filename_component(name ${src} NAME)
  set(dst ${DST}/Profiles/${name})
  if(NOT EXISTS ${dst} OR ${src} IS_NEWER_THAN ${dst})
    file(COPY_FILE ${src} ${dst})
  endif()
endforeach()

# The user's Preferences.ini is theirs: the shipped one only starts it.
if(EXISTS ${SRC}/Preferences.ini AND NOT EXISTS ${DST}/Preferences.ini)
  file(COPY_FILE ${SRC}/Preferences.ini ${DST}/Preferences.ini)
endif()

# The guide, compiled and as the HTML pages with their pictures, follows the
# shipped one: nobody edits it in place. The help project files only serve
# the CHM compiler and stay behind.
set(help_files VivOrizirude.chm)
file(GLOB_RECURSE help_pages RELATIVE ${SRC} ${SRC}/help/*.html ${SRC}/help/*.css
  ${SRC}/help/images/*.png)
list(APPEND help_files ${help_pages})
foreach(name IN LISTS help_files)
  if(EXISTS ${SRC}/${name})
    get_filename_component(folder ${DST}/${name} DIRECTORY)
    file(MAKE_DIRECTORY ${folder})
    file(COPY_FILE ${SRC}/${name} ${DST}/${name} ONLY_IF_DIFFERENT)
  endif()
endforeach()

# The compiled translations (`QM`, the build's folder of them) go with the
# program: a changed one replaces the staged copy.
if(QM)
  file(GLOB translations ${QM}/*.qm)
  file(MAKE_DIRECTORY ${DST}/translations)
  foreach(src ${translations})
    get_filename_component(name ${src} NAME)
    file(COPY_FILE ${src} ${DST}/translations/${name} ONLY_IF_DIFFERENT)
  endforeach()
endif()
