#pragma once

#include <QString>
#include <QStringList>

#include <memory>

class Platform;
class TAboutForm;
class TBatchRunner;
class TMainForm;
class TSettingForm;
class TSizeForm;
struct TDataPlaces;

// Every window of the program, created once in the order the program needs:
// the main window first (its start-up runs in its constructor), then the
// About box, the settings dialog (which copies the profile names the main
// window has just listed) and the custom size dialog. They live until the
// program ends. Tests create this object to get exactly what the program
// runs.
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

    // Declared in creation order. The dialogs are the main window's Qt
    // children, for stacking and centring; they are destroyed first, which
    // takes them out of the main window's children.
    std::unique_ptr<TMainForm> MainForm;
    std::unique_ptr<TAboutForm> AboutForm;
    std::unique_ptr<TSettingForm> SettingForm;
    std::unique_ptr<TSizeForm> SizeForm;
    // The main window's batch runner; it reads the settings dialog's options
    // and goes before any window.
    std::unique_ptr<TBatchRunner> Runner;
};
