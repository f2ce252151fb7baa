// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QFrame;
class QLabel;
class QWidget;
class TLinkLabel;

// The welcome panel over the task list and the texts the main window sets at
// start-up.
struct WelcomePanelControls
{
    QFrame* panbg = nullptr;
    QLabel* labProgramName = nullptr;
    TLinkLabel* labLink = nullptr;
};

// Creates the welcome panel `panbg` at its fixed place in `panMain`, with the
// program name, the three steps, the picture and the maker's link.
WelcomePanelControls BuildWelcomePanel(QWidget* panMain);
