// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/DataPlaces.h"

#include <QString>

// The places for this user and the program's folder `appDir`: beside the
// program when SettingsBesideProgram allows it, otherwise in the user's
// home, with the videos folder that `xdg-user-dir VIDEOS` names (when that
// tool is there and answers in time) as the output.
TDataPlaces SessionDataPlaces(const QString& appDir);
