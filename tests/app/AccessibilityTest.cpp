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
#include <QTest>
#include <QTreeView>

#include <gtest/gtest.h>

#include <memory>

namespace {

TEST(AccessibleTree, FindsEachKindOfFault)
{
    QWidget window;
    new QLineEdit(&window);                            // focusable, no name
    Named(new QPushButton("A", &window), "a", "Same"); // two siblings
    Named(new QPushButton("B", &window), "b", "Same"); // of one name
    auto* value = new QLabel("00:00:05", &window);     // named by its caption
    CaptionFor(value, "Time:", &window);
    value->setAccessibleName("Time");
    window.show();
    EXPECT_EQ(AccessibleTree::Faults(&window).size(), 3)
        << AccessibleTree::Faults(&window).join("\n").toStdString();
}

// The program's windows over a folder with the shipped profiles.
class Accessibility : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.IsValid());
        windows = std::make_unique<ApplicationWindows>(dir.Path(), platform, QStringList{});
        windows->MainForm->show();
    }
    void ExpectNoFaults(QWidget* window, const char* what)
    {
        EXPECT_EQ(AccessibleTree::Faults(window).join("\n").toStdString(), "") << what;
    }

    TempAppDir dir{TempAppDir::Encoder::None, true};
    FakePlatform platform;
    std::unique_ptr<ApplicationWindows> windows;
};

TEST_F(Accessibility, EveryWindowSpeaksEachControlAndValue)
{
    TMainForm& main = *windows->MainForm;
    ExpectNoFaults(&main, "main, idle");
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(main.ltvTask);
    QStringList headers;
    for (int i = 0; i < list->childCount(); ++i)
        headers << list->child(i)->text(QAccessible::Name);
    EXPECT_EQ(headers, QStringList({"Input File", "Length", "Size", "Status"})) << "none hidden";
    main.BottomStrip.panBottomLeft->show();
    main.BottomStrip.panBottomCenter->hide();
    ExpectNoFaults(&main, "main, converting");
    TSettingForm& settings = *windows->SettingForm;
    settings.ShowGeneralPage();
    ExpectNoFaults(&settings, "settings, General");
    settings.ShowProfilesPage();
    ExpectNoFaults(&settings, "settings, Profiles");
    settings.hide();

    windows->SizeForm->ShowSizeForm();
    ExpectNoFaults(windows->SizeForm, "custom size");
    windows->SizeForm->hide();

    auto* log = new TLogForm(1, "/videos/clip.avi", "frame=1", platform, windows->MainForm.get());
    log->show();
    ExpectNoFaults(log, "log");
}

} // namespace
