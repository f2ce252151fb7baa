# SPDX-License-Identifier: GPL-3.0-or-later
# Stages the runnable application directory next to the executable.
# The user's own files there (Preferences.ini, edited profiles) survive a
# rebuild: they are copied from data/ only when they are absent.
add_custom_target(stage_app ALL
  COMMAND ${CMAKE_COMMAND}
    -DSRC=${CMAKE_SOURCE_DIR}/data
    -DDST=${QUENBY_APP_DIR}
    -DFFMPEG=${QUENBY_FFMPEG}
    -DQM=${QUENBY_QM_DIR}
    -P ${CMAKE_SOURCE_DIR}/cmake/StageAppFiles.cmake
  COMMENT "Staging the application directory in ${QUENBY_APP_DIR}"
  VERBATIM)
add_dependencies(stage_app quenby_translations)
add_dependencies(quenby stage_app)
