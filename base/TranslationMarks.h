// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The core library shows texts without linking Qt, so it only marks them for lupdate; whoever shows
// a marked text passes it through QCoreApplication::translate with the same context. When a Qt
// header came first its own definitions stand.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif
#ifndef QT_TRANSLATE_N_NOOP
#define QT_TRANSLATE_N_NOOP(scope, x) x
#endif
