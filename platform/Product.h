// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The program's name and its maker, as the title bar, the welcome panel and
// the About box show them.
inline const QString ProductTitle = QStringLiteral("Quenby AVI Video Converter");
inline const QString MakerName = QStringLiteral("Quenby Software");
inline const QString MakerAddress = QStringLiteral("https://quenby.example/");

// The maker's name, two blanks and the address: what the links show.
inline QString MakerLinkCaption()
{
    return MakerName + QStringLiteral("  ") + MakerAddress;
}
