// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/TranslationMarks.h"

#include <QCoreApplication>

#include <string>

// The translator the window and the headless mode hand to the core library's texts.
inline std::string TranslatedText(const char* context, const char* text)
{
    return QCoreApplication::translate(context, text).toStdString();
}
