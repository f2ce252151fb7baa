#include "app/ApplicationWindows.h"
#include "app/Main.h"
#include "fixtures/AccessibleTree.h"
#include "fixtures/FakePlatform.h"
#include "fixtures/TempAppDir.h"
#include "profiles/CustomSize.h"
#include "settings/Settings.h"
#include "tasks/LogForm.h"
#include "widgets/ControlNames.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTreeView>

#include <gtest/gtest.h>

namespace {

std::string Faults(QWidget* window)
{
    return AccessibleTree::Faults(window).join("\n").toStdString();
}

TEST(AccessibleTree, FindsEachKindOfFault)
{
    QWidget window;
    new QLineEdit(&window);                                    // focusable, no name
    Named(new QPushButton("A", &window), "a", "Same");         // two siblings
    Named(new QPushButton("B", &window), "b", "Same");         // of one name
    Named(new QLabel("00:00:05", &window), "labTime", "Time"); // a value named by its caption
    window.show();
    EXPECT_EQ(AccessibleTree::Faults(&window).size(), 3) << Faults(&window);
}

TEST(Accessibility, EveryWindowSpeaksEachControlAndValue)
{
    TempAppDir dir(TempAppDir::Encoder::None, true);
    ASSERT_TRUE(dir.IsValid());
    FakePlatform platform;
    ApplicationWindows windows(dir.Path(), platform, {});
    TMainForm& main = *windows.MainForm;
    main.show();
    EXPECT_EQ(Faults(&main), "") << "idle";
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(main.ltvTask);
    QStringList headers;
    for (int i = 0; i < list->childCount(); ++i)
        headers << list->child(i)->text(QAccessible::Name);
    EXPECT_EQ(headers, QStringList({"Input File", "Length", "Size", "Status"})) << "none hidden";
    main.BottomStrip.panBottomCenter->hide();
    main.BottomStrip.panBottomLeft->show();
    EXPECT_EQ(Faults(&main), "") << "converting";

    windows.SettingForm->ShowGeneralPage();
    EXPECT_EQ(Faults(windows.SettingForm), "") << "General";
    windows.SettingForm->ShowProfilesPage();
    EXPECT_EQ(Faults(windows.SettingForm), "") << "Profiles";
    windows.SettingForm->hide();
    windows.SizeForm->ShowSizeForm();
    EXPECT_EQ(Faults(windows.SizeForm), "");
    windows.SizeForm->hide();
    auto* log = new TLogForm(1, "/videos/clip.avi", "frame=1", platform, &main);
    log->show();
    EXPECT_EQ(Faults(log), "");
}

} // namespace
