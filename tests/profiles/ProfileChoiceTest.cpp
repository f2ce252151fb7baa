// SPDX-License-Identifier: GPL-3.0-or-later
// The window converts with the choice its grids show, `quenby --convert`
// with the choice read from the file: for every shipped profile and every
// pick, both give the encoder the same arguments.

#include "convert/ArgumentBuilder.h"
#include "fixtures/FakePlatform.h"
#include "profiles/ProfileGrids.h"
#include "widgets/ValueListEditor.h"

#include <QDir>

#include <gtest/gtest.h>

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
