// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/DataPlaces.h"

#include <QString>

#include <optional>

// The places for this user and the program's folder `appDir`: beside the
// program when SettingsBesideProgram allows it, otherwise in the user's
// home, with the videos folder that `xdg-user-dir VIDEOS` names (when that
// tool is there and answers in time) as the output. None when the settings
// belong in a home that neither HOME nor the password database names.
std::optional<TDataPlaces> SessionDataPlaces(const QString& appDir);

// Why the program cannot start without SessionDataPlaces.
inline constexpr char NoHomeFolderText[] =
    "Cannot find your home folder: HOME is not set and the password database has no entry "
    "for you. Set HOME to the folder that should hold the settings.";
