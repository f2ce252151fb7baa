// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SingleWindow.h"

#include "platform/HandOver.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>

#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const char Accepted = 'y';
const char Declined = 'n';
// The window may be starting up or busy for a moment; a start that waits
// longer than this tells the user instead of hanging.
constexpr int ConnectAttempts = 50;
constexpr int AttemptPauseMs = 100;
constexpr int ReplyTimeoutMs = 10000;

// Whether `path` is a folder itself (not a link to one) that only this
// user owns and can enter: what another user can write in, or has made, is
// never talked to.
bool IsPrivateFolder(const QString& path)
{
    struct stat status = {};
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0 && S_ISDIR(status.st_mode) &&
           status.st_uid == ::getuid() && (status.st_mode & 077) == 0;
}

// Per user and per settings folder, in a folder of the user's own; empty
// without one.
QString ChannelName(const std::string& settingsDir)
{
    // However the folder is reached: through a link, or with a separator.
    const QString canonical = QFileInfo(QString::fromStdString(settingsDir)).canonicalFilePath();
    const QByteArray path =
        canonical.isEmpty() ? QByteArray::fromStdString(settingsDir) : canonical.toUtf8();
    const QByteArray folder =
        QCryptographicHash::hash(path, QCryptographicHash::Sha256).toHex().left(16);
    // The toolkit answers no temporary folder for a TMPDIR that is not there.
    const QString temp = QDir::tempPath();
    const QString dir = TSingleWindow::PrivateFolder(
        qEnvironmentVariable("XDG_RUNTIME_DIR"), temp.isEmpty() ? QStringLiteral("/tmp") : temp);
    if (dir.isEmpty())
        return QString();
    return dir + QStringLiteral("/quenby-%1-%2").arg(::getuid()).arg(QString::fromLatin1(folder));
}

} // namespace

QString TSingleWindow::PrivateFolder(const QString& runtimeDir, const QString& tempDir)
{
    if (QDir::isAbsolutePath(runtimeDir) && IsPrivateFolder(runtimeDir))
        return runtimeDir;
    if (!QDir::isAbsolutePath(tempDir))
        return QString();
    // A name anyone can guess, which is why what is there is checked: made
    // by another user first, it is not used.
    const QString folder = tempDir + QStringLiteral("/quenby-%1").arg(::getuid());
    ::mkdir(QFile::encodeName(folder).constData(), 0700);
    return IsPrivateFolder(folder) ? folder : QString();
}

TSingleWindow::TSingleWindow(const std::string& settingsDir, QObject* parent)
    : QObject(parent), FName(ChannelName(settingsDir)),
      FLock(FName.isEmpty() ? QString() : FName + QStringLiteral(".lock"))
{
    // Held for the window's life: only a lock whose process is gone is stale.
    FLock.setStaleLockTime(0);
}

TSingleWindow::~TSingleWindow()
{
    if (FServer)
        FServer->close();
}

TSingleWindow::Claim TSingleWindow::ClaimWindow(const std::string& workingDir,
                                                const std::vector<std::string>& arguments)
{
    if (FName.isEmpty()) {
        // Better a second window than files handed to a stranger.
        std::fprintf(stderr, "quenby: %s\n",
                     qPrintable(tr("No private folder for the window's socket was found; "
                                   "this start opens a window of its own.")));
        return Claim::First;
    }
    for (int attempt = 0; attempt < ConnectAttempts; ++attempt) {
        if (FLock.tryLock(0)) {
            // Whatever socket is there was left by a window that is gone.
            QLocalServer::removeServer(FName);
            FServer = new QLocalServer(this);
            FServer->setSocketOptions(QLocalServer::UserAccessOption);
            connect(FServer, &QLocalServer::newConnection, this, &TSingleWindow::Accept);
            // A window that cannot listen still runs; later starts are told
            // that it does not answer.
            FServer->listen(FName);
            return Claim::First;
        }
        QLocalSocket socket;
        socket.connectToServer(FName);
        if (!socket.waitForConnected(AttemptPauseMs)) {
            // The window holding the lock is not listening yet.
            QThread::msleep(AttemptPauseMs);
            continue;
        }
        socket.write(QByteArray::fromStdString(HandOverMessage({workingDir, arguments})));
        socket.flush();
        char reply = Declined;
        while (socket.bytesAvailable() < 1 && socket.waitForReadyRead(ReplyTimeoutMs)) {
        }
        if (!socket.getChar(&reply))
            reply = Declined;
        return reply == Accepted ? Claim::HandedOver : Claim::Refused;
    }
    return Claim::Refused;
}

void TSingleWindow::Receive(Receiver receiver)
{
    FReceiver = std::move(receiver);
    std::vector<THandOver> early;
    early.swap(FEarly);
    for (const THandOver& line : early)
        FReceiver(line.WorkingDir, line.Arguments);
}

void TSingleWindow::Accept()
{
    while (QLocalSocket* socket = FServer->nextPendingConnection()) {
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { Read(socket); });
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        Read(socket);
    }
}

void TSingleWindow::Read(QLocalSocket* socket)
{
    // A start sends one message, and then waits for the answer.
    const QByteArray bytes = socket->peek(socket->bytesAvailable());
    THandOverRead read =
        ReadHandOver(std::string_view(bytes.constData(), std::size_t(bytes.size())));
    if (read.Status == THandOverStatus::Incomplete)
        return; // the rest is still on its way
    socket->readAll();
    bool taken = read.Status == THandOverStatus::Whole;
    if (taken) {
        if (FReceiver)
            taken = FReceiver(read.Line.WorkingDir, read.Line.Arguments);
        else
            FEarly.push_back(std::move(read.Line));
    }
    socket->putChar(taken ? Accepted : Declined);
    socket->flush();
    socket->disconnectFromServer();
}
