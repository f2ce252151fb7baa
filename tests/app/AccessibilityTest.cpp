// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ApplicationWindows.h"
#include "app/Main.h"
#include "convert/BatchEndActions.h"
#include "convert/PowerOffCountdown.h"
#include "encoder/OutputSize.h"
#include "fixtures/FakePlatform.h"
#include "fixtures/TempAppDir.h"
#include "platform/Translators.h"
#include "profiles/CustomSize.h"
#include "profiles/ProfileDetail.h"
#include "settings/Settings.h"
#include "tasks/LogForm.h"
#include "widgets/ControlNames.h"
#include "widgets/ValueListEditor.h"

#include <QAccessible>
#include <QComboBox>
#include <QHash>
#include <QLineEdit>
#include <QPushButton>
#include <QTextDocumentFragment>
#include <QTreeView>

#include <gtest/gtest.h>

namespace {

// The accessibility tree of a window as a screen reader walks it (through
// QAccessible, as the AT-SPI bridge does), checked for what leaves a user
// of one guessing. Hidden parts are skipped: show a page or panel to check it.
QString Describe(QAccessibleInterface* item)
{
    return item->object()->objectName() + " \"" + item->text(QAccessible::Name) + "\"";
}

void Walk(QAccessibleInterface* parent, QStringList& faults)
{
    QHash<QString, QString> siblings; // name -> the first control that has it
    for (int i = 0; i < parent->childCount(); ++i) {
        QAccessibleInterface* item = parent->child(i);
        if (!item || item->state().invisible)
            continue;
        const QString name = item->text(QAccessible::Name);
        // A caption that labels a control names it too.
        if (item->object() && item->state().focusable && name.isEmpty() &&
            item->relations(QAccessible::Label).isEmpty())
            faults << "no name: " + Describe(item);
        // A label speaks what it shows; values may repeat.
        if (auto* label = qobject_cast<QLabel*>(item->object())) {
            const QString shown = QTextDocumentFragment::fromHtml(label->text()).toPlainText();
            if (!name.simplified().contains(QString(shown).remove('&').simplified()))
                faults << "text not spoken: " + Describe(item);
        } else if (item->object() && !name.isEmpty()) {
            if (siblings.contains(name))
                faults << "same name: " + siblings.value(name) + " and " + Describe(item);
            siblings.insert(name, Describe(item));
        }
        Walk(item, faults);
    }
}

// Every fault under `window`, one a line: a focusable control without a
// name, two sibling controls of one name, a label not speaking its text.
std::string Faults(QWidget* window)
{
    QStringList faults;
    Walk(QAccessible::queryAccessibleInterface(window), faults);
    return faults.join("\n").toStdString();
}

TEST(AccessibleTree, FindsEachKindOfFault)
{
    QWidget window;
    new QLineEdit(&window);                                    // focusable, no name
    Named(new QPushButton("A", &window), "a", "Same");         // two siblings
    Named(new QPushButton("B", &window), "b", "Same");         // of one name
    Named(new QLabel("00:00:05", &window), "labTime", "Time"); // a value named by its caption
    window.show();
    EXPECT_EQ(QString::fromStdString(Faults(&window)).count('\n'), 2) << Faults(&window);
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
    EXPECT_EQ(QAccessible::queryAccessibleInterface(main.ltvTask)->childCount(), 4)
        << "the four headers, no hidden column";
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

using Translated = ::testing::TestWithParam<const char*>;

// Each window speaks the language, names, numbers and profiles aside, and cuts no text.
TEST_P(Translated, EveryWindowShowsItsOwnWordsUncut)
{
    // Words said alike in these languages, and codec and format names, are no fault.
    const QRegularExpression words(
        "^(?!Quenby|Status$|\\s*(Audio|Mono|Original|Stereo|Video|Volume)$|[\\d.]+ fps$|\\d+x\\d+ |"
        "(Dolby|Motion|MPEG Audio|Opus|Sorenson|Vorbis|Windows|Xvid)\\b).*[a-z]{2}");
    QStringList faults;
    // Pixels by which each grid caption overflows its column: a translation
    // may not be cut where the English is whole, nor further than it.
    QList<std::pair<int, QString>> overEnglish, overTranslated;
    const auto open = [&](const char* language, QList<std::pair<int, QString>>& overflow) {
        const TTranslators translated(QUENBY_TRANSLATIONS_DIR, language);
        TempAppDir dir(TempAppDir::Encoder::None, true);
        FakePlatform platform;
        ApplicationWindows windows(dir.Path(), platform, {});
        windows.MainForm->show();
        windows.MainForm->resize(windows.MainForm->minimumSize());
        windows.MainForm->BottomStrip.panBottomLeft->show();
        (new TLogForm(1, dir.File("clip.avi"), "frame=1", platform, &*windows.MainForm))->show();
        (new TPowerOffCountdown(&*windows.MainForm))->StartCountdown();
        windows.SizeForm->ShowSizeForm();
        windows.SettingForm->ShowGeneralPage();
        windows.EndActions->Completed(1, 2, dir.Path());
        QStringList texts{platform.messages.value(0).title, platform.messages.value(0).text};
        // The grids' names, values and picks: the start-up rows, then each shipped profile's.
        const auto grids = [&] {
            for (auto* grid : windows.MainForm->findChildren<ValueListEditor*>())
                for (int row = 0; row < grid->RowCount(); ++row) {
                    const QModelIndex key = grid->model()->index(row, 0);
                    const QString caption = key.data().toString();
                    texts << caption << grid->ShownValue(row)
                          << key.data(ShownPickListRole).toStringList();
                    overflow.emplace_back(grid->isVisible() && caption.contains(words)
                                              ? grid->sizeHintForIndex(key).width() -
                                                    grid->columnWidth(0)
                                              : 0,
                                          caption);
                }
        };
        grids();
        for (int k = 0; k < windows.MainForm->BottomStrip.cmbProfile->count(); ++k) {
            windows.MainForm->BottomStrip.cmbProfile->setCurrentIndex(k);
            windows.ProfileDetail->cmbProfileChange();
            grids();
        }
        for (QObject* object : windows.MainForm->findChildren<QObject*>()) {
            for (const char* name : {"windowTitle", "toolTip", "currentText", "title", "text"})
                texts << object->property(name).toString();
            if (const auto* widget = qobject_cast<QWidget*>(object);
                widget && widget->isVisible() && !widget->inherits("TElidedLabel") &&
                widget->width() < widget->minimumSizeHint().width() &&
                (texts.end()[-2] + texts.last()).contains(words))
                faults << "cut: " + texts.end()[-2] + texts.last();
            const auto* model = qobject_cast<QAbstractItemModel*>(object);
            for (int column = 0; model && column < model->columnCount(); ++column)
                texts << model->headerData(column, Qt::Horizontal).toString();
        }
        return texts;
    };
    const QStringList english = open("en", overEnglish),
                      translated = open(GetParam(), overTranslated);
    for (int i = 0; i < overEnglish.size(); ++i)
        if (overTranslated.value(i).first > std::max(overEnglish[i].first, 0))
            faults << "cut: " + overTranslated[i].second;
    for (int i = 0; i < english.size(); ++i)
        if (translated.value(i) == english[i] && english[i].contains(words) &&
            !QDir(QUENBY_SOURCE_DIR "/data/Profiles").exists(english[i] + ".apf"))
            faults << "untranslated: " + english[i];
    EXPECT_EQ(faults.join('\n').toStdString(), "");
}

// Sizes are written as the language's locale writes them: "1,95 Mo" in French.
TEST_P(Translated, SizesReadAsTheLocaleWritesThem)
{
    const TTranslators translated(QUENBY_TRANSLATIONS_DIR, GetParam());
    const QLocale locale(GetParam());
    for (const auto& [bytes, decimals] :
         {std::pair<qint64, int>{1500, 0}, {1950000, 2}, {25000000, 1}, {1500000000, 2}})
        EXPECT_EQ(QString::fromStdString(FormatSizeText(bytes, TranslatedText)),
                  locale.formattedDataSize(bytes, decimals, QLocale::DataSizeSIFormat));
}

INSTANTIATE_TEST_SUITE_P(Languages, Translated, ::testing::Values("de", "fr", "es"));

} // namespace
