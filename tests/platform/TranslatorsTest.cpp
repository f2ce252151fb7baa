// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Translators.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

// A damaged translation is never handed to the toolkit, which would read past
// its end: the interface stays in English. The whole file is taken.
TEST(Translators, ADamagedTranslationLeavesEnglish)
{
    QFile good(QUENBY_TRANSLATIONS_DIR "quenby_de.qm");
    ASSERT_TRUE(good.open(QIODevice::ReadOnly));
    const QByteArray qm = good.readAll();
    // Where the data of the block tagged `tag` starts.
    const auto block = [&qm](char tag) {
        qsizetype at = 16;
        while (at + 5 < qm.size() && qm[at] != tag)
            at += 5 + qFromBigEndian<quint32>(qm.constData() + at + 1);
        return at + 5;
    };
    const auto set = [](QByteArray bytes, qsizetype at, quint32 value) {
        qToBigEndian(value, bytes.data() + at);
        return bytes;
    };
    const struct
    {
        QByteArray bytes;
        const char* language;
    } cases[] = {{{}, "en"},
                 {qm.left(qm.size() / 2), "en"},
                 {set(qm, 0, 0), "en"},
                 {set(qm, 17, quint32(qm.size())), "en"},      // the first block's length
                 {set(qm, block(0x42) + 4, 0x7ffffff0), "en"}, // a look-up's message
                 {set(qm, block(0x69) + 1, 0x7ffffff0), "en"}, // a translation's length
                 {qm, "de"}};
    QTemporaryDir dir;
    for (const auto& c : cases) {
        QFile file(dir.filePath("quenby_de.qm"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(file.write(c.bytes), c.bytes.size());
        file.close();
        const TTranslators translators(dir.path() + "/", "de");
        EXPECT_EQ(translators.Language(), c.language);
        EXPECT_EQ(QCoreApplication::translate("TKeptTasks", "Discard") == "Discard",
                  translators.Language() == "en");
    }
}
