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

foreach(name Preferences.ini VivOrizirude.chm)
  if(EXISTS ${SRC}/${name} AND NOT EXISTS ${DST}/${name})
    file(COPY_FILE ${SRC}/${name} ${DST}/${name})
  endif()
endforeach()
