// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/MainToolbar.h"

#include "widgets/ControlNames.h"

#include <QAction>
#include <QCoreApplication>
#include <QMainWindow>
#include <QToolBar>
#include <QToolButton>

namespace {

struct ButtonSpec
{
    QToolButton* ToolbarControls::*member;
    QAction* ToolbarActions::*action;
    const char* name;
    bool separatorAfter;
};

// Left to right, as the user reads the work: fill the list, arrange it,
// convert, then configuration and help.
const ButtonSpec Buttons[] = {
    {&ToolbarControls::tbtnAddFile, &ToolbarActions::AddFile, "tbtnAddFile", false},
    {&ToolbarControls::tbtnAddDir, &ToolbarActions::AddDir, "tbtnAddDir", true},
    {&ToolbarControls::tbtnUp, &ToolbarActions::Up, "tbtnUp", false},
    {&ToolbarControls::tbtnDown, &ToolbarActions::Down, "tbtnDown", false},
    {&ToolbarControls::tbtnRemove, &ToolbarActions::Remove, "tbtnRemove", false},
    {&ToolbarControls::tbtnClear, &ToolbarActions::Clear, "tbtnClear", true},
    {&ToolbarControls::tbtnStart, &ToolbarActions::Start, "tbtnStart", false},
    {&ToolbarControls::tbtnPause, &ToolbarActions::Pause, "tbtnPause", false},
    {&ToolbarControls::tbtnStop, &ToolbarActions::Stop, "tbtnStop", true},
    {&ToolbarControls::tbtnSetting, &ToolbarActions::Setting, "tbtnSetting", true},
    {&ToolbarControls::tbtnAbout, &ToolbarActions::About, "tbtnAbout", false},
    {&ToolbarControls::tbtnHelp, &ToolbarActions::Help, "tbtnHelp", false},
};

constexpr int ToolbarHeight = 75;
constexpr int ToolbarBorder = 5;
constexpr QSize ButtonSize(56, 54);
constexpr QSize ImageSize(48, 48);

} // namespace

QToolBar* BuildToolbar(QMainWindow& window)
{
    auto* bar = new QToolBar(&window);
    bar->setObjectName(QStringLiteral("Toolbar1"));
    const QString name = QCoreApplication::translate("MainToolbar", "Toolbar");
    bar->setWindowTitle(name);
    bar->setAccessibleName(name);
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->toggleViewAction()->setVisible(false);
    bar->setIconSize(ImageSize);
    bar->setFixedHeight(ToolbarHeight);
    bar->setContentsMargins(ToolbarBorder, ToolbarBorder, ToolbarBorder, ToolbarBorder);
    window.addToolBar(Qt::TopToolBarArea, bar);
    return bar;
}

void AddToolbarButtons(ToolbarControls& controls, const ToolbarActions& actions)
{
    QToolBar* bar = controls.Toolbar1;
    for (const ButtonSpec& entry : Buttons) {
        QAction* action = actions.*entry.action;
        // Spoken by the hint alone, without the shortcut the tooltip teaches.
        auto* button = Named(new QToolButton(bar), entry.name, action->text());
        button->setDefaultAction(action);
        button->setIconSize(ImageSize);
        button->setFixedSize(ButtonSize);
        button->setAutoRaise(true);
        button->setToolButtonStyle(Qt::ToolButtonIconOnly);
        bar->addWidget(button);
        if (entry.separatorAfter)
            bar->addSeparator();
        controls.*entry.member = button;
    }
}
