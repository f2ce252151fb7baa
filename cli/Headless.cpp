// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Headless.h"

#include "base/PathText.h"
#include "cli/FolderWatch.h"
#include "cli/HeadlessBatch.h"
#include "cli/HeadlessInputs.h"
#include "cli/HeadlessJob.h"
#include "cli/HeadlessOptions.h"
#include "convert/ArgumentBuilder.h"
#include "encoder/EncoderChannel.h"
#include "encoder/MediaProbe.h"
#include "platform/DataPlaces.h"
#include "platform/Product.h"
#include "platform/TerminationSignals.h"
#include "platform/Translators.h"
#include "profiles/ProfileCatalogue.h"
#include "profiles/ProfileChoice.h"
#include "tasks/TaskPaths.h"

#include <QCoreApplication>
#include <QDir>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
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

// A message of this file in the language installed, its %1... filled in.
std::string Text(const char* source, const std::vector<std::string>& args = {})
{
    return FillText(TranslatedText("Headless", source), args);
}

void Say(const std::string& line)
{
    WriteAll(STDERR_FILENO, std::string(ProgramName) + ": " + line + "\n");
}

int UsageError(const std::string& error)
{
    Say(error);
    WriteAll(STDERR_FILENO,
             Text(QT_TRANSLATE_NOOP("Headless", "Try '%1 --convert --help'."), {ProgramName}) +
                 "\n");
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

// The profile as the window shows it once it is loaded, and the batch's
// options for it; the usage error's text when it cannot be loaded.
std::string PrepareBatch(const THeadlessJob& job, const TDataPlaces& places, TBatchOptions& batch)
{
    const TProfileChoice choice = LoadProfileChoice(job.ProfilePath);
    if (choice.Walk.Status == TWalkStatus::Missing)
        return Text(QT_TRANSLATE_NOOP("Headless", "the profile '%1' cannot be read"),
                    {job.ProfileName});
    if (choice.Walk.Status == TWalkStatus::NoMainSection)
        return NoMainSectionText(job.ProfileName, TranslatedText);
    if (choice.Walk.Status == TWalkStatus::ListIndexError)
        return Text(QT_TRANSLATE_NOOP("Headless", "the profile '%1' cannot be loaded: %2"),
                    {job.ProfileName, ListIndexErrorText(choice.Walk.BadIndex, TranslatedText)});

    batch.EncoderPath = QString::fromStdString(places.AppDir + EncoderFileName);
    batch.OutputDir = job.OutputDir;
    batch.OutputExt = choice.OutputExt();
    batch.Rename = job.Rename;
    batch.SimultaneousTasks = job.Jobs;
    batch.LengthFromReport = true;
    batch.NeedsPicture = true;
    // The window's call: the engine adds each task's trim to these.
    batch.Arguments = BuildArguments(choice, ltvItemData());
    batch.Choice = std::make_shared<const TProfileChoice>(choice);
    return {};
}

// The job the options and the saved preferences give, its batch options
// and the note to tell; the usage error's text when there is none.
std::string SetUpBatch(const THeadlessOptions& options, const TDataPlaces& places,
                       TBatchOptions& batch)
{
    const THeadlessSetup setup =
        ResolveHeadlessJob(options, places, QDir::currentPath().toStdString(), TranslatedText);
    if (!setup.Error.empty())
        return setup.Error;
    if (!setup.Note.empty())
        Say(setup.Note);
    batch.CheckQuality = options.CheckQuality;
    // The options were checked when they were read; a saved word the
    // program does not know leaves the default.
    ReadAudioChoice(setup.Job.AudioTracks, batch.Tracks);
    ReadSubtitleChoice(setup.Job.Subtitles, batch.Tracks);
    const std::string error = PrepareBatch(setup.Job, places, batch);
    batch.ReadTracks = [encoder = batch.EncoderPath](const std::string& path) {
        return ProbeMedia(encoder, QString::fromStdString(path)).Tracks;
    };
    return error;
}

THeadlessBatch MakeBatchView()
{
    return THeadlessBatch([](const std::string& text) { WriteAll(STDERR_FILENO, text); },
                          StderrIsTerminal(), TerminalWidth());
}

// The first pin of the list file that names no profile of the catalogue.
std::string UnknownProfile(const THeadlessInputs& inputs, const TDataPlaces& places)
{
    const std::vector<std::string> catalogue = ProfileCatalogue(places);
    for (const ltvItemData& task : inputs.Tasks)
        if (!task.Profile.empty() &&
            std::find(catalogue.begin(), catalogue.end(), task.Profile) == catalogue.end())
            return Text(QT_TRANSLATE_NOOP("Headless", "unknown profile '%1' in the list "
                                                      "file (see --list-profiles)"),
                        {task.Profile});
    return {};
}

// One plan per task, as the window makes it: the pin's profile, the target
// checked against it, the arguments the engine runs. A task whose plan is
// refused is told and left out.
std::vector<TTaskPlan> PlanTasks(THeadlessInputs& inputs, const THeadlessOptions& options,
                                 const TBatchOptions& batch, const TDataPlaces& places)
{
    TPlanProfiles profiles(
        MakeProfilePlan(*batch.Choice),
        [&places](const std::string& name) {
            return LoadProfileChoice(ProfileFilePath(places, name));
        },
        TranslatedText);
    std::vector<ltvItemData> kept;
    std::vector<TTaskPlan> plans;
    for (std::size_t i = 0; i < inputs.Tasks.size(); ++i) {
        ltvItemData& task = inputs.Tasks[i];
        if (options.TargetSize)
            task.TargetText = *options.TargetSize;
        const bool silent = i < inputs.Silent.size() && inputs.Silent[i];
        TTaskPlan plan = MakeTaskPlan(profiles, task, {batch.CheckQuality, batch.Tracks},
                                      TranslatedText, {silent, 0});
        if (!plan.Refusal.empty()) {
            Say(Text(QT_TRANSLATE_NOOP("Headless", "'%1' skipped: %2"),
                     {task.InputFile, plan.Refusal}));
            inputs.NotTaken = true;
            continue;
        }
        kept.push_back(std::move(task));
        plans.push_back(std::move(plan));
    }
    inputs.Tasks = std::move(kept);
    return plans;
}

int Convert(const THeadlessOptions& options, const TDataPlaces& places)
{
    if (options.DoneFolder)
        return UsageError(
            Text(QT_TRANSLATE_NOOP("Headless", "--done-folder goes with --watch only")));
    const std::string workingDir = QDir::currentPath().toStdString();
    TBatchOptions batch;
    if (const std::string error = SetUpBatch(options, places, batch); !error.empty())
        return UsageError(error);

    THeadlessInputs inputs = GatherHeadlessInputs(options.Inputs, workingDir, batch.OutputExt);
    // A target is planned from the length before any encoder runs; without
    // one, each conversion's own description of its input tells its length
    // and whether it holds a picture, and nothing waits for probes.
    if (options.TargetSize)
        LeaveOutFilesWithoutVideo(inputs, batch.EncoderPath, std::max(batch.SimultaneousTasks, 2));
    for (const std::string& note : inputs.Notes)
        Say(note);
    if (const std::string error = UnknownProfile(inputs, places); !error.empty())
        return UsageError(error);
    std::vector<TTaskPlan> plans = PlanTasks(inputs, options, batch, places);

    // A reader of standard error that goes away must not end the program
    // with encoders running and their hidden outputs left behind.
    std::signal(SIGPIPE, SIG_IGN);
    // Watching from here on: a signal during the batch stops it like Stop.
    TTerminationSignals termination;
    THeadlessBatch headless = MakeBatchView();
    QObject::connect(&termination, &TTerminationSignals::Received, &headless,
                     [&headless](int) { headless.Interrupt(); });
    QObject::connect(&headless, &THeadlessBatch::Ended, QCoreApplication::instance(),
                     &QCoreApplication::quit, Qt::QueuedConnection);
    headless.Start(std::move(inputs.Tasks), batch, std::move(plans));
    if (const int left = headless.LeftFilesRemoved(); left > 0)
        Say(QCoreApplication::translate("Headless",
                                        "removed %n hidden working file(s) left in '%1' by run(s) "
                                        "that ended without cleaning up",
                                        nullptr, left)
                .arg(QString::fromStdString(batch.OutputDir))
                .toStdString());
    QCoreApplication::exec();
    const int status = headless.ExitStatus();
    return status == ExitCompleted && inputs.NotTaken ? ExitFailed : status;
}

int Watch(const THeadlessOptions& options, const TDataPlaces& places)
{
    if (const std::string error = CheckWatchOptions(options, TranslatedText); !error.empty())
        return UsageError(error);
    const std::string workingDir = QDir::currentPath().toStdString();
    TFolderWatch::TSetup setup;
    setup.InDir = WithTrailingBackslash(AbsolutePath(options.Inputs.front(), workingDir));
    // A folder that is not there yet may be a network share still to be
    // mounted: the watch waits for it, and says so.
    THeadlessOptions renaming = options;
    renaming.Overwrite = false;
    if (const std::string error = SetUpBatch(renaming, places, setup.Options); !error.empty())
        return UsageError(error);
    setup.TargetText = options.TargetSize.value_or("");
    // A copy cut off converts short of the length its file states: it is
    // taken again once it changes, not published.
    setup.Options.WholeInputs = true;
    if (options.DoneFolder) {
        const std::string done = AbsolutePath(*options.DoneFolder, workingDir);
        std::error_code error;
        if (!std::filesystem::is_directory(done, error))
            return UsageError(
                Text(QT_TRANSLATE_NOOP("Headless", "the done folder '%1' does not exist"),
                     {*options.DoneFolder}));
        setup.DoneDir = WithTrailingBackslash(done);
    }

    // Outputs written into the watched folder itself would be taken as new
    // videos, without end.
    for (const std::string& folder : {setup.Options.OutputDir, setup.DoneDir}) {
        std::error_code error;
        if (!folder.empty() && std::filesystem::equivalent(folder, setup.InDir, error))
            return UsageError(Text(QT_TRANSLATE_NOOP("Headless", "the folder '%1' is the watched "
                                                                 "folder; choose another one"),
                                   {folder}));
    }

    std::signal(SIGPIPE, SIG_IGN);
    TTerminationSignals termination;
    THeadlessBatch headless = MakeBatchView();
    TFolderWatch watch(setup, headless, Say);
    QObject::connect(&termination, &TTerminationSignals::Received, &watch,
                     [&watch](int) { watch.Interrupt(); });
    QObject::connect(&watch, &TFolderWatch::Finished, QCoreApplication::instance(),
                     &QCoreApplication::quit, Qt::QueuedConnection);
    if (const std::string refusal = watch.Begin(); !refusal.empty()) {
        Say(refusal);
        return ExitFailed;
    }
    Say(Text(QT_TRANSLATE_NOOP("Headless", "watching '%1', converting into '%2'"),
             {setup.InDir, setup.Options.OutputDir}));
    QCoreApplication::exec();
    return ExitInterrupted;
}

} // namespace

int RunHeadless(const TDataPlaces& places, const std::vector<std::string>& arguments)
{
    const bool watch = arguments.front() == WatchSwitch;
    const THeadlessParse parse = ParseHeadlessOptions(
        std::vector<std::string>(arguments.begin() + 1, arguments.end()), TranslatedText);
    if (!parse.Error.empty())
        return UsageError(parse.Error);
    switch (parse.Options.Action) {
    case THeadlessAction::Help:
        WriteAll(STDOUT_FILENO, HeadlessUsage(TranslatedText));
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
    return watch ? Watch(parse.Options, places) : Convert(parse.Options, places);
}
