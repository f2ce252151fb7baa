// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Headless.h"

#include "cli/HeadlessBatch.h"
#include "cli/HeadlessInputs.h"
#include "cli/HeadlessJob.h"
#include "cli/HeadlessOptions.h"
#include "convert/ArgumentBuilder.h"
#include "encoder/EncoderChannel.h"
#include "platform/DataPlaces.h"
#include "platform/Product.h"
#include "platform/TerminationSignals.h"
#include "profiles/ProfileCatalogue.h"
#include "profiles/ProfileChoice.h"
#include "profiles/ProfileGrids.h"
#include "tasks/TaskPaths.h"

#include <QCoreApplication>
#include <QDir>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <sys/ioctl.h>
#include <unistd.h>

namespace {

const char* const ProgramName = "quenby";

void WriteAll(int fd, const std::string& text)
{
    for (std::size_t done = 0; done < text.size();) {
        const ssize_t written = ::write(fd, text.data() + done, text.size() - done);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return;
        done += static_cast<std::size_t>(written);
    }
}

void Say(const std::string& line)
{
    WriteAll(STDERR_FILENO, std::string(ProgramName) + ": " + line + "\n");
}

int UsageError(const std::string& error)
{
    Say(error);
    WriteAll(STDERR_FILENO, "Try '" + std::string(ProgramName) + " --convert --help'.\n");
    return ExitUsage;
}

bool StderrIsTerminal()
{
    const char* term = std::getenv("TERM");
    return ::isatty(STDERR_FILENO) && !(term && std::string(term) == "dumb");
}

int TerminalWidth()
{
    winsize size{};
    if (::ioctl(STDERR_FILENO, TIOCGWINSZ, &size) == 0 && size.ws_col > 0)
        return size.ws_col;
    return 80;
}

int Convert(const THeadlessOptions& options, const TDataPlaces& places)
{
    const std::string workingDir = QDir::currentPath().toStdString();
    const THeadlessSetup setup = ResolveHeadlessJob(options, places, workingDir);
    if (!setup.Error.empty())
        return UsageError(setup.Error);
    if (!setup.Note.empty())
        Say(setup.Note);
    const THeadlessJob& job = setup.Job;

    // The profile as the window shows it once it is loaded.
    const TProfileChoice choice = LoadProfileChoice(job.ProfilePath);
    if (choice.Walk.Status == TWalkStatus::Missing)
        return UsageError("the profile '" + job.ProfileName + "' cannot be read");
    if (choice.Walk.Status == TWalkStatus::NoMainSection)
        return UsageError(NoMainSectionText(job.ProfileName));
    if (choice.Walk.Status == TWalkStatus::ListIndexError)
        return UsageError("the profile '" + job.ProfileName + "' cannot be loaded: " +
                          ListIndexErrorText(choice.Walk.BadIndex).toStdString());

    TBatchOptions batch;
    batch.EncoderPath = QString::fromStdString(places.AppDir + EncoderFileName);
    batch.OutputDir = job.OutputDir;
    batch.OutputExt = choice.OutputExt();
    batch.Rename = job.Rename;
    batch.SimultaneousTasks = job.Jobs;
    batch.LengthFromReport = true;

    THeadlessInputs inputs = GatherHeadlessInputs(options.Inputs, workingDir, batch.OutputExt);
    LeaveOutFilesWithoutVideo(inputs, batch.EncoderPath, std::max(job.Jobs, 2));
    for (const std::string& note : inputs.Notes)
        Say(note);
    // The window's call: the engine adds each task's trim to these.
    batch.Arguments = BuildArguments(choice, ltvItemData());
    batch.Choice = std::make_shared<const TProfileChoice>(choice);
    batch.CheckQuality = options.CheckQuality;
    if (options.TargetSize) {
        std::vector<ltvItemData> kept;
        for (ltvItemData& task : inputs.Tasks) {
            task.TargetText = *options.TargetSize;
            if (const TSizePlan plan = PlanTaskTarget(choice, task); !plan.Refusal.empty()) {
                Say("'" + task.InputFile + "' skipped: " + plan.Refusal);
                inputs.NotTaken = true;
            } else {
                kept.push_back(std::move(task));
            }
        }
        inputs.Tasks = std::move(kept);
    }

    // A reader of standard error that goes away must not end the program
    // with encoders running and their hidden outputs left behind.
    std::signal(SIGPIPE, SIG_IGN);
    // Watching from here on: a signal during the batch stops it like Stop.
    TTerminationSignals termination;
    THeadlessBatch headless([](const std::string& text) { WriteAll(STDERR_FILENO, text); },
                            StderrIsTerminal(), TerminalWidth());
    QObject::connect(&termination, &TTerminationSignals::Received, &headless,
                     [&headless](int) { headless.Interrupt(); });
    QObject::connect(&headless, &THeadlessBatch::Ended, QCoreApplication::instance(),
                     &QCoreApplication::quit, Qt::QueuedConnection);
    headless.Start(std::move(inputs.Tasks), batch);
    if (const int left = headless.LeftFilesRemoved(); left > 0)
        Say("removed " + std::to_string(left) +
            (left == 1 ? " hidden working file left in '" : " hidden working files left in '") +
            job.OutputDir + (left == 1 ? "' by a run" : "' by runs") +
            " that ended without cleaning up");
    QCoreApplication::exec();
    const int status = headless.ExitStatus();
    return status == ExitCompleted && inputs.NotTaken ? ExitFailed : status;
}

} // namespace

int RunHeadless(const TDataPlaces& places, const std::vector<std::string>& arguments)
{
    const THeadlessParse parse =
        ParseHeadlessOptions(std::vector<std::string>(arguments.begin() + 1, arguments.end()));
    if (!parse.Error.empty())
        return UsageError(parse.Error);
    switch (parse.Options.Action) {
    case THeadlessAction::Help:
        WriteAll(STDOUT_FILENO, HeadlessUsage());
        return ExitCompleted;
    case THeadlessAction::Version:
        WriteAll(STDOUT_FILENO,
                 ProductTitle.toStdString() + " V" + SavedVersionText(places.AppDir) + "\n");
        return ExitCompleted;
    case THeadlessAction::ListProfiles:
        for (const std::string& name : ProfileCatalogue(places))
            WriteAll(STDOUT_FILENO, name + "\n");
        return ExitCompleted;
    case THeadlessAction::ListFormats:
        for (const std::string& ext : SupportedExtensions())
            WriteAll(STDOUT_FILENO, ext + "\n");
        return ExitCompleted;
    case THeadlessAction::Convert:
        break;
    }
    return Convert(parse.Options, places);
}
