// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Translators.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

// A damaged translation is never handed to the toolkit, which would read past
// its end: the interface stays in English. A whole one is taken.
TEST(Translators, ADamagedTranslationLeavesEnglish)
{
    QFile good(QUENBY_TRANSLATIONS_DIR "quenby_de.qm");
    ASSERT_TRUE(good.open(QIODevice::ReadOnly));
    const QByteArray qm = good.readAll();
    // The bytes with the length or offset at `at` into the block tagged `tag` made huge.
    const auto damaged = [&qm](char tag, qsizetype at) {
        qsizetype block = 16;
        while (block + 5 < qm.size() && qm[block] != tag)
            block += 5 + qFromBigEndian<quint32>(qm.constData() + block + 1);
        QByteArray bytes = qm;
        qToBigEndian(quint32(0x7ffffff0), bytes.data() + block + 5 + at);
        return bytes;
    };
    const QByteArray cases[] = {
        {}, qm.left(qm.size() / 2), damaged(qm[16], -4), damaged(0x42, 4), damaged(0x69, 1), qm};
    QTemporaryDir dir;
    for (const QByteArray& bytes : cases) {
        QFile file(dir.filePath("quenby_de.qm"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(file.write(bytes), bytes.size());
        file.close();
        const TTranslators translators(dir.path() + "/", "de");
        EXPECT_EQ(translators.Language(), bytes == qm ? "de" : "en");
        EXPECT_EQ(QCoreApplication::translate("TKeptTasks", "Discard") == "Discard",
                  translators.Language() == "en");
    }
}
