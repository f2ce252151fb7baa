// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QApplication;

// The one look every window shares: Qt's Fusion style with a clean light
// palette, the same on every desktop whatever its theme.
void ApplyLook(QApplication& application);
