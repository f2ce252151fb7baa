// SPDX-License-Identifier: GPL-3.0-or-later
// The window converts with the choice its grids show, `quenby --convert`
// with the choice read from the file: for every shipped profile and every
// pick, both give the encoder the same arguments.

#include "convert/ArgumentBuilder.h"
#include "fixtures/FakePlatform.h"
#include "fixtures/GridInput.h"
#include "profiles/ProfileGrids.h"
#include "widgets/ValueListEditor.h"

#include <QDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

TEST(ProfileChoice, GridsAndTheFileGiveTheSameArgumentsForEveryPick)
{
    const QDir shipped(QStringLiteral(QUENBY_SOURCE_DIR "/data/Profiles"));
    ValueListEditor video, audio, advanced;
    const TProfileGrids grids{&video, &audio, &advanced};
    TChoiceGrids shown(grids);
    FakePlatform platform;
    ltvItemData trimmed; // the window and the command line trim alike
    trimmed.Start = TTimeValue::FromText("00:00:01.0");
    int picks = 0;
    for (const QString& file : shipped.entryList({QStringLiteral("*.apf")}, QDir::Files)) {
        ASSERT_TRUE(shown.Load(shipped.filePath(file), platform)) << file.toStdString();
        const TProfileChoice loaded = LoadProfileChoice(shipped.filePath(file).toStdString());
        std::map<int, int> rows;
        for (std::size_t i = 0; i < loaded.Parameters.size(); ++i) {
            const TProfileParameter& p = loaded.Parameters[i];
            const int row = rows[p.Group]++;
            for (std::size_t k = 0; k < p.Items.size(); ++k, ++picks) {
                // What the grid's drop-down does with a pick.
                grids.ForGroup(p.Group)->SetCells(1, row, QString::fromStdString(p.Items[k]));
                TProfileChoice headless = loaded;
                headless.Items[i] = int(k);
                EXPECT_EQ(BuildArguments(shown.Choice(), trimmed),
                          BuildArguments(headless, trimmed))
                    << file.toStdString() << ": " << p.Name << " = " << p.Items[k];
            }
            grids.ForGroup(p.Group)->SetCells(1, row, QString::fromStdString(loaded.ShownText(i)));
        }
    }
    EXPECT_GT(picks, 200);
}

// A pick in the grid is found in the choice, and a change of the choice is
// what the grid shows: the grid's model reads and writes the choice itself.
TEST(ProfileChoice, TheGridIsAViewOfTheChoice)
{
    ValueListEditor video, audio, advanced;
    TChoiceGrids shown({&video, &audio, &advanced});
    FakePlatform platform;
    ASSERT_TRUE(shown.Load(
        QStringLiteral(QUENBY_SOURCE_DIR "/data/Profiles/AVI (MPEG-4 + MP3).apf"), platform));
    ASSERT_EQ(video.model(), shown.ModelOf(pgVideo));
    const std::vector<TProfileParameter>& parameters = shown.Choice().Parameters;
    const std::size_t bitRate =
        std::size_t(std::find_if(parameters.begin(), parameters.end(),
                                 [](const TProfileParameter& p) { return p.Name == "Bit Rate"; }) -
                    parameters.begin());
    video.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&video));
    ASSERT_TRUE(PickInCell(video, "Bit Rate", "2400 kbps"));
    EXPECT_EQ(shown.Choice().ShownText(bitRate), "2400 kbps");
    EXPECT_EQ(shown.Choice().ArgumentValue(bitRate), "2400k");
    shown.Pick(bitRate, "500 kbps");
    EXPECT_EQ(video.Values("Bit Rate"), "500 kbps");
    EXPECT_EQ(qobject_cast<QComboBox*>(video.Editor())->currentText(), "500 kbps");
}
