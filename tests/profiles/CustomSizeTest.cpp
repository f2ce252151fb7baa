// SPDX-License-Identifier: GPL-3.0-or-later
#include "profiles/CustomSize.h"

#include "fixtures/FakePlatform.h"
#include "widgets/ValueListEditor.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// The dialog over a window holding a video grid whose "Video Size" reads
// "Custom Size", as the panel opens it.
class SizeDialog : public ::testing::Test
{
protected:
    void SetUp() override
    {
        window.resize(400, 300);
        grid = new ValueListEditor(&window);
        grid->InsertRow("Video Size", "Custom Size");
        form = new TSizeForm({&window, grid}, platform, &window);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    void Open()
    {
        grid->SetValue("Video Size", "Custom Size");
        form->ShowSizeForm();
    }
    QString Value() const { return grid->Values("Video Size"); }

    QWidget window;
    ValueListEditor* grid = nullptr;
    TSizeForm* form = nullptr;
    FakePlatform platform;
};

TEST_F(SizeDialog, OKWritesTheTypedTextsOrNamesTheFirstBadField)
{
    const struct
    {
        const char* width;
        const char* height;
        const char* value; // after OK
        const char* title; // of the message, "" for none
    } cases[] = {
        {"640", "480", "640x480", ""},
        {" 640", "480", " 640x480", ""}, // leading blanks pass and are kept
        {"0", "-640", "0x-640", ""},     // no range check
        {"-640", "480", "-640x480", ""},
        {"640", "", "Custom Size", "Incorrect Height"},
        {"", "", "Custom Size", "Incorrect Width"},
        {"640 ", "480", "Custom Size", "Incorrect Width"}, // trailing blanks do not
        {"6.4", "480", "Custom Size", "Incorrect Width"},
        {"640", "99999999999", "Custom Size", "Incorrect Height"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.width) + "x" + c.height);
        platform.messages.clear();
        Open();
        ASSERT_FALSE(window.isEnabled());
        form->edtWidth->setText(c.width);
        form->edtHeight->setText(c.height);
        QTest::mouseClick(form->btnOK, Qt::LeftButton);
        EXPECT_EQ(Value(), c.value);
        const bool refused = *c.title != 0;
        EXPECT_EQ(form->isVisible(), refused);
        EXPECT_EQ(window.isEnabled(), !refused);
        if (!refused) {
            EXPECT_TRUE(platform.messages.isEmpty());
            continue;
        }
        ASSERT_EQ(platform.messages.size(), 1);
        const FakePlatform::Message& message = platform.messages[0];
        EXPECT_EQ(message.title, c.title);
        EXPECT_EQ(message.text, QString("Please specify a proper %1 for output videos.")
                                    .arg(message.title == "Incorrect Width" ? "width" : "height"));
        EXPECT_EQ(message.icon, Platform::Icon::Information);
        EXPECT_EQ(form->focusWidget(),
                  message.title == "Incorrect Width" ? form->edtWidth : form->edtHeight);
        form->close();
        EXPECT_EQ(Value(), "Original Size");
    }
}

TEST_F(SizeDialog, LeavingWithoutAGoodOKPutsTheOriginalSizeBack)
{
    const std::function<void()> ways[] = {
        [this] { QTest::mouseClick(form->btnCancel, Qt::LeftButton); },
        [this] { form->close(); }, // the close box
        [this] { QTest::keyClick(form, Qt::Key_Escape); },
    };
    for (const auto& leave : ways) {
        Open();
        form->edtWidth->setText("640");
        leave();
        EXPECT_FALSE(form->isVisible());
        EXPECT_EQ(Value(), "Original Size");
        EXPECT_TRUE(window.isEnabled());
    }
}

TEST_F(SizeDialog, ASecondOpeningShowsTheLastTexts)
{
    Open();
    form->edtWidth->setText("720");
    form->edtHeight->setText("576");
    QTest::mouseClick(form->btnOK, Qt::LeftButton);
    Open();
    EXPECT_EQ(form->edtWidth->text(), "720");
    EXPECT_EQ(form->edtHeight->text(), "576");
    EXPECT_EQ(form->windowTitle(), "Video Size of output files");
    EXPECT_EQ(form->size(), QSize(336, 106));
    EXPECT_LT((form->frameGeometry().center() - window.frameGeometry().center()).manhattanLength(),
              4);
}

} // namespace
