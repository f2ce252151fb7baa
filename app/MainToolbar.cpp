#include "app/MainToolbar.h"

#include "widgets/AppIcons.h"
#include "widgets/ControlNames.h"

#include <QKeySequence>
#include <QMainWindow>
#include <QToolBar>
#include <QToolButton>

namespace {

struct ButtonSpec
{
    QToolButton* ToolbarControls::*member;
    const char* name;
    const char* hint;
    const char* icon;
    bool enabled;
    bool separatorAfter;
    const char* shortcut; // empty: none
};

// Left to right, as the user reads the work: fill the list, arrange it,
// convert, then configuration and help.
const ButtonSpec Buttons[] = {
    {&ToolbarControls::tbtnAddFile, "tbtnAddFile", "Add Video Files", "add-file", true, false,
     "Ctrl+O"},
    {&ToolbarControls::tbtnAddDir, "tbtnAddDir", "Add Directory", "add-directory", true, true,
     "Ctrl+Shift+O"},
    {&ToolbarControls::tbtnUp, "tbtnUp", "Move Up", "move-up", false, false, ""},
    {&ToolbarControls::tbtnDown, "tbtnDown", "Move Down", "move-down", false, false, ""},
    {&ToolbarControls::tbtnRemove, "tbtnRemove", "Remove", "remove", false, false, ""},
    {&ToolbarControls::tbtnClear, "tbtnClear", "Clear", "clear", false, true, ""},
    {&ToolbarControls::tbtnStart, "tbtnStart", "Start", "start", false, false, ""},
    {&ToolbarControls::tbtnPause, "tbtnPause", "Pause / Resume", "pause", false, false, ""},
    {&ToolbarControls::tbtnStop, "tbtnStop", "Stop", "stop", false, true, ""},
    {&ToolbarControls::tbtnSetting, "tbtnSetting", "Settings", "settings", true, true, ""},
    {&ToolbarControls::tbtnAbout, "tbtnAbout", "About", "about", true, false, ""},
    {&ToolbarControls::tbtnHelp, "tbtnHelp", "Help", "help", true, false, "F1"},
};

constexpr int ToolbarHeight = 75;
constexpr int ToolbarBorder = 5;
constexpr QSize ButtonSize(56, 54);
constexpr QSize ImageSize(48, 48);

} // namespace

ToolbarControls BuildToolbar(QMainWindow& window)
{
    ToolbarControls controls;
    auto* bar = new QToolBar(&window);
    bar->setObjectName(QStringLiteral("Toolbar1"));
    bar->setWindowTitle(QStringLiteral("Toolbar"));
    bar->setAccessibleName(QStringLiteral("Toolbar"));
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->toggleViewAction()->setVisible(false);
    bar->setIconSize(ImageSize);
    bar->setFixedHeight(ToolbarHeight);
    bar->setContentsMargins(ToolbarBorder, ToolbarBorder, ToolbarBorder, ToolbarBorder);
    window.addToolBar(Qt::TopToolBarArea, bar);
    controls.Toolbar1 = bar;

    for (const ButtonSpec& entry : Buttons) {
        const QString hint = QString::fromUtf8(entry.hint);
        auto* button = Named(new QToolButton(bar), entry.name, hint);
        const QKeySequence shortcut(QString::fromLatin1(entry.shortcut));
        button->setShortcut(shortcut);
        // The hint teaches the shortcut; the spoken name stays the hint alone.
        button->setToolTip(
            shortcut.isEmpty()
                ? hint
                : QStringLiteral("%1 (%2)").arg(hint, shortcut.toString(QKeySequence::NativeText)));
        button->setIcon(ToolbarIcon(QString::fromLatin1(entry.icon)));
        button->setIconSize(ImageSize);
        button->setFixedSize(ButtonSize);
        button->setAutoRaise(true);
        button->setToolButtonStyle(Qt::ToolButtonIconOnly);
        button->setEnabled(entry.enabled);
        bar->addWidget(button);
        if (entry.separatorAfter)
            bar->addSeparator();
        controls.*entry.member = button;
    }
    // Held down while the batch is paused.
    controls.tbtnPause->setCheckable(true);
    return controls;
}
