#pragma once

// Chooses the media framework the preview plays through, unless the user
// has chosen one in QT_MEDIA_BACKEND. Must run before the first media object
// is created (in practice: before the application object).
void SelectMediaBackend();
