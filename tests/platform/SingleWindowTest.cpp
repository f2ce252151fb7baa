// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SingleWindow.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

// The lock and the socket live only in a folder that no other user owns or
// can enter; a planted one is refused, never used.
TEST(SingleWindow, ChannelLivesInAFolderOnlyTheUserOwns)
{
    const uid_t nobody = 65534;
    enum Planted
    {
        None,
        Open,
        Link,
        Foreign
    };
    const struct
    {
        mode_t runtimeMode;
        bool foreignRuntime;
        Planted planted;
        const char* expected;
    } cases[] = {{0700, false, None, "runtime"}, {0700, true, None, "ours"},
                 {0755, false, None, "ours"},    {0755, false, Open, ""},
                 {0755, false, Link, ""},        {0755, false, Foreign, ""}};
    for (const auto& c : cases) {
        if ((c.foreignRuntime || c.planted == Foreign) && ::geteuid() != 0)
            continue; // only the superuser can give a folder away
        QTemporaryDir scratch;
        const QString runtime = scratch.filePath("run"), tmp = scratch.filePath("tmp");
        const QString ours = tmp + QStringLiteral("/quenby-%1").arg(::getuid());
        const auto make = [](const QString& path, mode_t mode, uid_t owner) {
            const QByteArray name = QFile::encodeName(path);
            return ::mkdir(name, mode) == 0 && ::chmod(name, mode) == 0 &&
                   (owner == ::getuid() || ::chown(name, owner, owner) == 0);
        };
        ASSERT_TRUE(make(runtime, c.runtimeMode, c.foreignRuntime ? nobody : ::getuid()));
        ASSERT_TRUE(make(tmp, 01777, ::getuid()));
        const QString elsewhere = scratch.filePath("elsewhere");
        ASSERT_TRUE(c.planted == None ||
                    (c.planted == Link
                         ? make(elsewhere, 0700, ::getuid()) && QFile::link(elsewhere, ours)
                         : make(ours, c.planted == Open ? 0777 : 0700,
                                c.planted == Foreign ? nobody : ::getuid())));
        const QString expected = QString(c.expected) == "runtime" ? runtime
                                 : QString(c.expected) == "ours"  ? ours
                                                                  : QString();
        EXPECT_EQ(TSingleWindow::PrivateFolder(runtime, tmp), expected);
        struct stat status = {};
        EXPECT_TRUE(expected.isEmpty() || (::stat(QFile::encodeName(expected), &status) == 0 &&
                                           (status.st_mode & 0777) == 0700));
    }
}
