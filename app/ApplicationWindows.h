// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <memory>
#include <string>
#include <vector>

class Platform;
class TAboutForm;
class TBatchEndActions;
class TBatchRunner;
class TEstimateSamples;
class TFilterGraph;
class TKeptTasks;
class TMainForm;
class TPreviewPlayer;
class TPreferenceStore;
class TPreviewTaskList;
class TProfileDetail;
class TSettingForm;
class TSizeEstimate;
class TSizeForm;
class TTaskList;
class TTaskListLook;
struct BottomStripControls;
struct TDataPlaces;

// The composition root: it creates every window and component of the
// program once, in the order the program needs, and wires them together.
// The main window comes first (its start-up runs in its constructor); then
// the components that drive its controls, the About box, the settings dialog
// (which copies the profile names the catalogue has just listed), the
// end-of-batch actions and the batch runner, the custom size dialog, and
// what keeps the task list between sessions, which offers the last
// session's tasks before the command line's files are added. They live until the program ends.
// Tests create this object to get exactly what the program runs.
//
// The main window is the one object without a parent. Every other window and
// component is its Qt child, made after its controls: Qt destroys children
// in the order they were made, so each component goes after the controls
// it drives and before nothing that still uses it.
class ApplicationWindows
{
public:
    ApplicationWindows(const TDataPlaces& places, Platform& platform, const QStringList& arguments);
    // Everything in the one folder `appDir`.
    ApplicationWindows(const QString& appDir, Platform& platform, const QStringList& arguments);
    ~ApplicationWindows();

    ApplicationWindows(const ApplicationWindows&) = delete;
    ApplicationWindows& operator=(const ApplicationWindows&) = delete;

    // The session ends, or the program was asked to end: it closes as the
    // main window's close does (the preferences are saved, an add stops),
    // but a running batch does not outlive it: its encoders are killed and
    // their unfinished outputs removed, without a message, and a save that
    // fails is told on standard error: nothing waits for a click.
    void EndSession();

    // A later start's command line, handed over: false when the window no
    // longer takes files. Its files are kept with the task list before this
    // returns, listed or not yet, so that a close right after loses none.
    bool TakeCommandLine(const std::vector<std::string>& arguments, const std::string& workingDir);

private:
    // The components, each after those it uses, and the signals between them.
    void CreateComponents(Platform& platform);
    void ConnectComponents();

    // What the preview asks of the task list; it outlives the main window,
    // whose children use it.
    std::unique_ptr<TPreviewTaskList> FPreviewTasks;

public:
    std::unique_ptr<TMainForm> MainForm;
    TProfileDetail* ProfileDetail = nullptr;
    TTaskList* TaskList = nullptr;
    // The list's thumbnails, sizes and the preview's still.
    TTaskListLook* TaskListLook = nullptr;
    // The preview's media graph (inactive until the first preview) and the
    // player that drives it from the preview pane.
    TFilterGraph* FilterGraph = nullptr;
    TPreviewPlayer* PreviewPlayer = nullptr;
    TAboutForm* AboutForm = nullptr;
    // The preferences in force; the settings dialog edits a copy.
    TPreferenceStore* Preferences = nullptr;
    TSettingForm* SettingForm = nullptr;
    // What the window does once a batch is over, and the runner that
    // presents the batch itself.
    TBatchEndActions* EndActions = nullptr;
    TBatchRunner* Runner = nullptr;
    TSizeForm* SizeForm = nullptr;
    // Keeps the task list between sessions; the headless mode has none.
    TKeptTasks* KeptTasks = nullptr;
    TSizeEstimate* SizeEstimate = nullptr;
    // Samples of the tasks whose size depends on the picture, encoded while
    // nothing else runs.
    TEstimateSamples* EstimateSamples = nullptr;
};

// The main window's "&Setting" button opens the profile on its pick, and
// its output path and profile pick are views of the preferences in force:
// they count as soon as they change, and what OK commits shows there at once.
void BindPreferences(const BottomStripControls& strip, TPreferenceStore& store,
                     TSettingForm& settings);
