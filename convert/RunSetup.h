// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/Preferences.h"
#include "convert/BatchEngine.h"

#include <QString>

#include <functional>
#include <optional>
#include <string>
#include <vector>

class TTaskModel;
class TTaskPlans;
struct TProfileChoice;

// What the window's Start hands the engine, worked out from the list, the
// profile choice and the preferences in force.

// The plan of every row, as `plans` (the list's) keeps them; without them
// each row is planned the same way, a pinned profile found by `profilePath`.
std::vector<TTaskPlan> RowPlans(const TTaskModel& tasks, TTaskPlans* plans,
                                const TProfileChoice& choice, const TPreferences& preferences,
                                const std::function<std::string(const std::string&)>& profilePath);

// Why nothing starts, when something stops it: a profile file that is no
// profile (`profile` is its name in the list) would convert with defaults
// the user never picked, and a pinned profile deleted since with nothing
// the user picked.
std::optional<QString> StartRefusal(const TProfileChoice& choice, const QString& profile,
                                    const std::vector<TTaskPlan>& plans);

// The run's options; tasks enqueued later are planned by the engine with
// the same choice.
TBatchOptions RunOptions(const TProfileChoice& choice, const TPreferences& preferences,
                         const QString& encoderPath);
