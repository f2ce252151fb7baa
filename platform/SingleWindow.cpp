// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SingleWindow.h"

#include <QByteArrayList>
#include <QCryptographicHash>
#include <QDataStream>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>

#include <unistd.h>

namespace {

constexpr quint32 ProtocolVersion = 1;
const char Accepted = 'y';
const char Declined = 'n';
// The window may be starting up or busy for a moment; a start that waits
// longer than this tells the user instead of hanging.
constexpr int ConnectAttempts = 50;
constexpr int AttemptPauseMs = 100;
constexpr int ReplyTimeoutMs = 10000;

// Per user and per settings folder. The user's runtime folder is private;
// the shared temporary folder gets the user's id in the name.
QString ChannelName(const std::string& settingsDir)
{
    // However the folder is reached: through a link, or with a separator.
    const QString canonical = QFileInfo(QString::fromStdString(settingsDir)).canonicalFilePath();
    const QByteArray path =
        canonical.isEmpty() ? QByteArray::fromStdString(settingsDir) : canonical.toUtf8();
    const QByteArray folder =
        QCryptographicHash::hash(path, QCryptographicHash::Sha256).toHex().left(16);
    QString dir = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (dir.isEmpty() || !QDir(dir).exists())
        dir = QDir::tempPath();
    return dir + QStringLiteral("/quenby-%1-%2").arg(::getuid()).arg(QString::fromLatin1(folder));
}

} // namespace

TSingleWindow::TSingleWindow(const std::string& settingsDir, QObject* parent)
    : QObject(parent), FName(ChannelName(settingsDir)), FLock(FName + QStringLiteral(".lock"))
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
        QByteArrayList bytes;
        for (const std::string& argument : arguments)
            bytes << QByteArray::fromStdString(argument);
        QDataStream out(&socket);
        out << ProtocolVersion << QByteArray::fromStdString(workingDir) << bytes;
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
    std::vector<TCommandLine> early;
    early.swap(FEarly);
    for (const TCommandLine& line : early)
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
    QDataStream in(socket);
    in.startTransaction();
    quint32 version = 0;
    QByteArray workingDir;
    QByteArrayList bytes;
    in >> version >> workingDir >> bytes;
    if (!in.commitTransaction())
        return; // the rest is still on its way
    bool taken = version == ProtocolVersion;
    if (taken) {
        TCommandLine line{workingDir.toStdString(), {}};
        for (const QByteArray& argument : bytes)
            line.Arguments.push_back(argument.toStdString());
        if (FReceiver)
            taken = FReceiver(line.WorkingDir, line.Arguments);
        else
            FEarly.push_back(std::move(line));
    }
    socket->putChar(taken ? Accepted : Declined);
    socket->flush();
    socket->disconnectFromServer();
}
