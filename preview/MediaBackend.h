// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Chooses the media framework the preview plays through, unless the user
// has chosen one in QT_MEDIA_BACKEND. Must run before the first media object
// is created (in practice: before the application object).
void SelectMediaBackend();

// Whether the chosen media framework (or, with none chosen, any) is
// installed and loads. Creating any media object without one ends the
// program, so nothing of Qt Multimedia may be touched before this is true.
bool MediaBackendAvailable();
