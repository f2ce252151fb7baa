// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/RunSetup.h"

#include "base/PathText.h"
#include "convert/ArgumentBuilder.h"
#include "encoder/MediaProbe.h"
#include "platform/Translators.h"
#include "profiles/ProfileChoice.h"
#include "tasks/TaskModel.h"
#include "tasks/TaskPlans.h"

#include <QCoreApplication>

std::vector<TTaskPlan> RowPlans(const TTaskModel& tasks, TTaskPlans* plans,
                                const TProfileChoice& choice, const TPreferences& preferences,
                                const std::function<std::string(const std::string&)>& profilePath)
{
    const TPlanPreferences planPreferences{preferences.CheckQuality};
    std::vector<TTaskPlan> rows;
    rows.reserve(static_cast<std::size_t>(tasks.TaskCount()));
    if (plans) {
        plans->SetPreferences(planPreferences);
        for (int row = 0; row < tasks.TaskCount(); ++row)
            rows.push_back(plans->At(row));
        return rows;
    }
    TPlanProfiles profiles(MakeProfilePlan(choice),
                           profilePath ? TPlanProfiles::TLoader([&](const std::string& name) {
                               return LoadProfileChoice(profilePath(name));
                           })
                                       : TPlanProfiles::TLoader(),
                           TranslatedText);
    for (int row = 0; row < tasks.TaskCount(); ++row)
        rows.push_back(MakeTaskPlan(profiles, tasks.At(row).Data, planPreferences, TranslatedText));
    return rows;
}

std::optional<QString> StartRefusal(const TProfileChoice& choice, const QString& profile,
                                    const std::vector<TTaskPlan>& plans)
{
    if (choice.Walk.Status == TWalkStatus::NoMainSection)
        return QString::fromStdString(NoMainSectionText(profile.toStdString(), TranslatedText));
    for (const TTaskPlan& plan : plans)
        if (!plan.Profile->Name.empty() && !plan.Profile->Refusal.empty())
            return QCoreApplication::translate(
                       "TBatchRunner", "The profile \"%1\" that a task uses cannot be found.")
                .arg(QString::fromStdString(plan.Profile->Name));
    return std::nullopt;
}

TBatchOptions RunOptions(const TProfileChoice& choice, const TPreferences& preferences,
                         const QString& encoderPath)
{
    TBatchOptions options;
    options.EncoderPath = encoderPath;
    options.OutputDir = WithTrailingBackslash(preferences.OutputPath);
    options.OutputExt = choice.OutputExt();
    options.Rename = !preferences.Overwrite;
    options.SimultaneousTasks = preferences.SimultaneousTasks;
    options.Arguments = BuildArguments(choice, ltvItemData());
    options.Choice = std::make_shared<const TProfileChoice>(choice);
    options.CheckQuality = preferences.CheckQuality;
    ReadAudioChoice(preferences.AudioTracks, options.Tracks);
    ReadSubtitleChoice(preferences.Subtitles, options.Tracks);
    options.ReadTracks = [encoderPath](const std::string& path) {
        return ProbeMedia(encoderPath, QString::fromStdString(path)).Tracks;
    };
    return options;
}
