// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A task's arguments are part of its plan, which the task list's views read
// too; they are built there.
#include "tasks/TaskPlan.h"
