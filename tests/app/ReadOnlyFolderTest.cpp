// The program run by a user who cannot write its folder, as in a system-wide
// install, keeps its settings in ~/.config/quenby and leaves the folder as it
// was, byte for byte.
#include <QCryptographicHash>
#include <QDirIterator>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

constexpr int Wait = 120000;
constexpr const char* Nobody = "65534";

// Every entry under `dir`, with what a file holds or where a link leads.
QByteArray TreeDigest(const QString& dir)
{
    QStringList entries;
    for (QDirIterator it(dir, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                         QDirIterator::Subdirectories);
         it.hasNext();) {
        const QFileInfo entry(it.next());
        QFile file(entry.filePath());
        const QByteArray bytes = entry.isSymLink() ? entry.symLinkTarget().toUtf8()
                                 : entry.isFile() && file.open(QIODevice::ReadOnly) ? file.readAll()
                                                                                    : QByteArray();
        entries << entry.filePath() + " " +
                       QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
    }
    entries.sort();
    return entries.join('\n').toUtf8();
}

} // namespace

TEST(ReadOnlyFolder, SavesIntoTheUsersConfigurationAndLeavesTheFolderUnchanged)
{
    // Permission bits stop no write of the superuser: it runs the program as
    // "nobody", for whom they hold.
    QStringList command{QStringLiteral(QUENBY_SESSION_END_DRIVER)};
    if (::geteuid() == 0) {
        if (QStandardPaths::findExecutable("setpriv").isEmpty())
            GTEST_SKIP() << "setpriv is missing";
        command = QStringList{"setpriv", QString("--reuid=") + Nobody, QString("--regid=") + Nobody,
                              "--clear-groups", "--"} +
                  command;
    }
    QTemporaryDir work;
    ASSERT_TRUE(work.isValid());
    const QString app = work.filePath("app"), home = work.filePath("home"),
                  out = work.filePath("out/");
    ASSERT_EQ(QProcess::execute("cp", {"-a", QFileInfo(QUENBY_PROGRAM).absolutePath(), app}), 0);
    ASSERT_EQ(QProcess::execute("chmod", {"-R", "a-w,a+rX", app}), 0);
    ASSERT_TRUE(QDir().mkpath(home) && QDir().mkpath(out));
    ASSERT_EQ(QProcess::execute("chmod", {"a+rwx", work.path(), home, out}), 0);
    const QByteArray before = TreeDigest(app);

    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("HOME", home);
    environment.remove("XDG_CONFIG_HOME");
    program.setProcessEnvironment(environment);
    program.setProcessChannelMode(QProcess::ForwardedChannels);
    program.start(command.takeFirst(), command + QStringList{app + "/", out});
    ASSERT_TRUE(program.waitForFinished(Wait));
    EXPECT_EQ(program.exitCode(), 0);

    const QString settings = home + "/.config/quenby/";
    QFile preferences(settings + "Preferences.ini");
    ASSERT_TRUE(preferences.open(QIODevice::ReadOnly));
    EXPECT_TRUE(preferences.readAll().contains(("\r\nOutput Path=" + out + "\r\n").toUtf8()));
    // The shown profile, saved at OK, is the user's own copy now.
    EXPECT_EQ(QDir(settings + "Profiles").entryList({"*.apf"}).size(), 1);
    EXPECT_EQ(TreeDigest(app), before);
    QProcess::execute("chmod", {"-R", "u+w", app});
}
