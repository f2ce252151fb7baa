// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "convert/ConversionJob.h"

#include <QString>

// The status tip of an ended job's row: the output's name, what it weighs
// against its input and its target, and what the quality check found.
QString CompleteTip(const TConversionJob& job);
