// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SingleWindow.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

// The lock and the socket live only in a folder that no one else can enter
// or has made: one planted under the user's name is refused, never used.
TEST(SingleWindow, ChannelLivesInAFolderOnlyTheUserOwns)
{
    const auto folder = [](const QString& path, mode_t mode) {
        const QByteArray name = QFile::encodeName(path);
        return ::mkdir(name, mode) == 0 && ::chmod(name, mode) == 0;
    };
    const struct
    {
        mode_t runtime, planted; // 0: nothing planted
        bool foreign, link;
        const char* expected;
    } cases[] = {{0700, 0, false, false, "run"},
                 {0755, 0, false, false, "tmp/quenby-%1"},
                 {0755, 0777, false, false, ""},
                 {0755, 0700, true, false, ""},
                 {0755, 0, false, true, ""}};
    for (const auto& c : cases) {
        QTemporaryDir dir;
        const QString run = dir.filePath("run"), tmp = dir.filePath("tmp");
        const QString ours = tmp + QStringLiteral("/quenby-%1").arg(::getuid());
        ASSERT_TRUE(folder(run, c.runtime) && folder(tmp, 01777));
        ASSERT_TRUE(!c.planted || folder(ours, c.planted));
        ASSERT_TRUE(!c.link || QFile::link(dir.path(), ours));
        if (c.foreign && ::chown(QFile::encodeName(ours), 65534, 65534) != 0)
            continue; // only the superuser can give a folder away
        EXPECT_EQ(TSingleWindow::PrivateFolder(run, tmp),
                  *c.expected ? dir.filePath(QString(c.expected).arg(::getuid())) : QString());
    }
}
