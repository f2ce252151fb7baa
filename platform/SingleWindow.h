// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/HandOver.h"

#include <QLockFile>
#include <QObject>
#include <QString>

#include <functional>
#include <string>
#include <vector>

class QLocalServer;
class QLocalSocket;

// One window per settings folder, as a file manager or a player keeps one:
// two windows would share one kept task list and one set of preferences.
// The first start of a folder takes a lock and listens on a local socket
// named after the folder; a later start hands its command line (its
// working directory and its arguments' bytes) to that window over the
// socket and ends. A lock or a socket left by a killed window is taken
// over. The headless mode never asks: it keeps no list. The lock and the
// socket live in a folder that only the user can enter.
class TSingleWindow : public QObject
{
    Q_OBJECT

public:
    explicit TSingleWindow(const std::string& settingsDir, QObject* parent = nullptr);
    ~TSingleWindow() override;

    enum class Claim
    {
        First,      // this start is the folder's window
        HandedOver, // the window took the command line
        Refused     // the window does not answer, or is closing
    };
    Claim ClaimWindow(const std::string& workingDir, const std::vector<std::string>& arguments);

    // Where the lock and the socket live: `runtimeDir` when it is a folder
    // that only this user owns and enters, else a folder of that kind in
    // `tempDir`, made when missing; empty when neither is so.
    static QString PrivateFolder(const QString& runtimeDir, const QString& tempDir);

    // Takes a handed-over command line; false refuses it. Those that came
    // before a receiver was set (while the window starts up) are kept and
    // handed to it now, in the order they came.
    using Receiver = std::function<bool(const std::string& workingDir,
                                        const std::vector<std::string>& arguments)>;
    void Receive(Receiver receiver);

private:
    void Accept();
    void Read(QLocalSocket* socket);

    const QString FName;
    QLockFile FLock;
    QLocalServer* FServer = nullptr;
    Receiver FReceiver;
    std::vector<THandOver> FEarly;
};
