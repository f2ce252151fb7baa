// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/TranslationMarks.h"

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
