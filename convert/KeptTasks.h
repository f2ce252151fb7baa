#pragma once

#include <QObject>
#include <QTimer>

#include <string>

class Platform;
class QLineEdit;
class QWidget;
class TTaskList;

// Keeps the task list in "Tasks.ini" between sessions, so that a crash, a
// kill, a power cut or a closed window loses none of the user's renames and
// trims. Every change of the list is written within a second, changes that
// come together in one write; the progress of a batch is no change of the
// list. At start-up it offers the tasks the last session left unconverted.
class TKeptTasks : public QObject
{
    Q_OBJECT

public:
    // `path` is the user's Tasks.ini; `window` owns the messages;
    // `edtOutputdir` names where a batch puts its working files.
    TKeptTasks(QWidget* window, const QLineEdit* edtOutputdir, Platform& platform,
               TTaskList& taskList, const std::string& path, QObject* parent = nullptr);

    // Start-up, before the command line's files are added: when the last
    // session left tasks unconverted, asks whether to restore them, and
    // restores them or empties the kept list. A file that holds no list is
    // set aside, never deleted.
    void OfferRestore();
    // Writes a change not yet written, at once: the program ends.
    void SaveNow();
    // How many times the list was written, for the benchmarks.
    int Saves() const { return FSaves; }

private:
    void ListChanged();
    // `ending`: the program ends, and a failure is told on standard error.
    void Save(bool ending);
    void SetAside(const QString& reason);

    QWidget* const FWindow;
    const QLineEdit* const FOutputDir;
    Platform& FPlatform;
    TTaskList& FTaskList;
    const std::string FPath;
    QTimer FDelay;
    // Off when a file that holds no list could not be set aside: writing
    // the list would destroy it.
    bool FKeeping = true;
    // A failed write is told once, until a write succeeds again.
    bool FFailureShown = false;
    int FSaves = 0;
};
