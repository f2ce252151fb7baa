// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>
#include <vector>

// The core library cannot translate its texts itself: whoever shows them
// hands in the translation, as a function of the text's context and its
// English source text (marked with QT_TRANSLATE_NOOP, base/TranslationMarks.h).
using TTranslateText = std::function<std::string(const char* context, const char* text)>;

// The source text itself, for callers that show the English.
inline std::string EnglishText(const char*, const char* text)
{
    return text;
}

// `pattern` with each %1 ... %9 replaced by that argument, in one pass, so
// that an argument holding "%2" stays as it is; a translation may order the
// arguments as its language needs.
inline std::string FillText(const std::string& pattern, const std::vector<std::string>& args)
{
    std::string text;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        const std::size_t index = static_cast<std::size_t>(next - '1');
        if (pattern[i] == '%' && next >= '1' && next <= '9' && index < args.size()) {
            text += args[index];
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}
