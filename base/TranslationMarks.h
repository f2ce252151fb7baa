// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// The core library shows texts without linking Qt, so it only marks them for lupdate; whoever shows
// a marked text passes it through QCoreApplication::translate with the same context. When a Qt
// header came first its own definitions stand.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

// Turns a marked text into the one shown. The core builds its sentences through one of these, so
// the window and the headless mode can hand in Qt's translation while tests and callers that pass
// none keep English.
using TTranslator = std::string (*)(const char* context, const char* text);

inline std::string Untranslated(const char*, const char* text)
{
    return text;
}

// A sentence from its pattern: %1 to %9 are replaced by the arguments in one pass, so an argument
// that holds
// "%2" itself stays as it is and a translation may put the arguments in any order.
inline std::string FillText(std::string_view pattern, const std::vector<std::string>& args)
{
    std::string text;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const std::size_t n =
            i + 1 < pattern.size() ? std::size_t(pattern[i + 1] - '1') : args.size();
        if (pattern[i] == '%' && n < args.size()) {
            text += args[n];
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}
