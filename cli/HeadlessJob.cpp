// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/HeadlessJob.h"

#include "base/NewInifiles.h"
#include "base/PathText.h"
#include "base/TranslationMarks.h"
#include "cli/HeadlessOptions.h"
#include "profiles/ProfileCatalogue.h"
#include "settings/PreferenceValues.h"
#include "settings/SettingsFolder.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace {

const char* const Context = "HeadlessJob";

std::string ChooseProfile(const THeadlessOptions& options, const std::vector<std::string>& names,
                          int32_t savedIndex, std::string& error, TTranslator translate)
{
    if (options.Profile) {
        if (std::find(names.begin(), names.end(), *options.Profile) == names.end())
            error = FillText(
                translate(Context, QT_TRANSLATE_NOOP("HeadlessJob", "unknown profile '%1' (see "
                                                                    "--list-profiles)")),
                {*options.Profile});
        return *options.Profile;
    }
    if (names.empty()) {
        error = translate(Context,
                          QT_TRANSLATE_NOOP("HeadlessJob", "there is no profile to convert with"));
        return {};
    }
    if (savedIndex >= 0 && savedIndex < static_cast<int32_t>(names.size()))
        return names[static_cast<std::size_t>(savedIndex)];
    return names.front();
}

bool IsDirectory(const std::string& path)
{
    std::error_code error;
    return !path.empty() && std::filesystem::is_directory(path, error);
}

} // namespace

THeadlessSetup ResolveHeadlessJob(const THeadlessOptions& options, const TDataPlaces& places,
                                  const std::string& workingDir, TTranslator translate)
{
    // Read without SaveAndFree: a batch without a window leaves the file as
    // the window wrote it.
    const TNewInifile preferences(PreferencesPath(places));
    const TPreferences saved = LoadPreferences(preferences, places.DefaultOutputDir);

    THeadlessSetup setup;
    THeadlessJob& job = setup.Job;
    job.ProfileName =
        ChooseProfile(options, ProfileCatalogue(places), saved.Profile, setup.Error, translate);
    if (!setup.Error.empty())
        return setup;
    job.ProfilePath = ProfileFilePath(places, job.ProfileName);

    const std::string output = options.OutputDir.value_or(saved.OutputPath);
    if (!IsDirectory(AbsolutePath(output, workingDir))) {
        setup.Error = FillText(
            translate(Context, QT_TRANSLATE_NOOP("HeadlessJob", "the output directory '%1' "
                                                                "does not exist")),
            {output});
        return setup;
    }
    job.OutputDir = WithTrailingBackslash(AbsolutePath(output, workingDir));
    if (const std::string unread = preferences.ReadError(); !unread.empty())
        setup.Note = PreferencesReadErrorText(preferences.FileName(), unread, translate);
    job.Rename = !options.Overwrite.value_or(saved.Overwrite);
    job.Jobs = options.Jobs;
    job.AudioTracks = options.Audio.value_or(saved.AudioTracks);
    job.Subtitles = options.Subtitles.value_or(saved.Subtitles);
    return setup;
}

std::string SavedVersionText(const std::string& appDir)
{
    const TNewInifile preferences(appDir + PreferencesFileName);
    return ReadVersionText(preferences);
}
