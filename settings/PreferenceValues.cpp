// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/PreferenceValues.h"

#include "base/NewInifiles.h"
#include "base/TranslationMarks.h"

namespace {

const char* const KeyProfile = "Profile";
const char* const KeyOutputPath = "Output Path";
const char* const KeySynMode = "Syn Mode";
const char* const KeyAutoOpenDir = "Auto Open Dir";
const char* const KeyAutoExit = "Auto Exit";
const char* const KeyAutoTurnOff = "Auto Turn Off";
const char* const KeyOverwrite = "Overwrite";
const char* const KeySimultaneousTasks = "Simultaneous Tasks";
const char* const KeyShowThumbnails = "Show Thumbnails";
const char* const KeyVersion = "Version";
const char* const KeyCheckQuality = "Check Quality";
const char* const KeyLanguage = "Language";
const char* const KeyAudioTracks = "Audio Tracks";
const char* const KeySubtitles = "Subtitles";

} // namespace

TPreferences ReadPreferenceValues(const TNewInifile& store, const std::string& section,
                                  const std::string& defaultOutputDir)
{
    const bool openDirDefault = section != DefaultSection;
    TPreferences values;
    values.OutputPath = store.ReadString(section, KeyOutputPath, defaultOutputDir);
    values.SynMode = store.ReadInteger(section, KeySynMode, 0);
    values.AutoOpenDir = store.ReadBool(section, KeyAutoOpenDir, openDirDefault);
    values.AutoExit = store.ReadBool(section, KeyAutoExit, false);
    values.AutoTurnOff = store.ReadBool(section, KeyAutoTurnOff, false);
    values.Overwrite = store.ReadBool(section, KeyOverwrite, true);
    values.SimultaneousTasks = store.ReadInteger(section, KeySimultaneousTasks, 1);
    values.ShowThumbnails = store.ReadBool(section, KeyShowThumbnails, true);
    values.CheckQuality = store.ReadBool(section, KeyCheckQuality, false);
    values.Language = store.ReadString(section, KeyLanguage, "");
    values.AudioTracks = store.ReadString(section, KeyAudioTracks, values.AudioTracks);
    values.Subtitles = store.ReadString(section, KeySubtitles, values.Subtitles);
    return values;
}

void WritePreferenceValues(TNewInifile& store, const TPreferences& values)
{
    store.WriteString(MainSection, KeyOutputPath, values.OutputPath);
    store.WriteInteger(MainSection, KeySynMode, values.SynMode);
    store.WriteBool(MainSection, KeyAutoOpenDir, values.AutoOpenDir);
    store.WriteBool(MainSection, KeyAutoExit, values.AutoExit);
    store.WriteBool(MainSection, KeyAutoTurnOff, values.AutoTurnOff);
    store.WriteBool(MainSection, KeyOverwrite, values.Overwrite);
    if (values.SimultaneousTasks != 1 || store.ValueExists(MainSection, KeySimultaneousTasks))
        store.WriteInteger(MainSection, KeySimultaneousTasks, values.SimultaneousTasks);
    // Written once it differs from the default, as above: a file the user
    // never changed keeps its shipped text.
    if (!values.ShowThumbnails || store.ValueExists(MainSection, KeyShowThumbnails))
        store.WriteBool(MainSection, KeyShowThumbnails, values.ShowThumbnails);
    // Like the count above: a file whose user never ticked it stays as it was.
    if (values.CheckQuality || store.ValueExists(MainSection, KeyCheckQuality))
        store.WriteBool(MainSection, KeyCheckQuality, values.CheckQuality);
    // The system's language until the user picks one.
    if (!values.Language.empty() || store.ValueExists(MainSection, KeyLanguage))
        store.WriteString(MainSection, KeyLanguage, values.Language);
    // Today's picks until the user asks for others.
    if (values.AudioTracks != TPreferences().AudioTracks ||
        store.ValueExists(MainSection, KeyAudioTracks))
        store.WriteString(MainSection, KeyAudioTracks, values.AudioTracks);
    if (values.Subtitles != TPreferences().Subtitles ||
        store.ValueExists(MainSection, KeySubtitles))
        store.WriteString(MainSection, KeySubtitles, values.Subtitles);
}

TPreferences LoadPreferences(const TNewInifile& store, const std::string& defaultOutputDir)
{
    TPreferences values = ReadPreferenceValues(store, MainSection, defaultOutputDir);
    values.Profile = ReadProfileIndex(store);
    values.Overwrite = values.Overwrite && store.ReadError().empty();
    return values;
}

int32_t ReadProfileIndex(const TNewInifile& store)
{
    return store.ReadInteger(MainSection, KeyProfile, 0);
}

void WriteProfileIndex(TNewInifile& store, int32_t index)
{
    store.WriteInteger(MainSection, KeyProfile, index);
}

std::string ReadVersionText(const TNewInifile& store)
{
    return store.ReadString(MainSection, KeyVersion, DefaultVersionText);
}

std::string PreferencesReadErrorText(const std::string& path, const std::string& reason,
                                     TTranslator translate)
{
    const char* const context = "Preferences";
    return FillText(
        translate(context,
                  QT_TRANSLATE_NOOP("Preferences", "The preferences \"%1\" cannot be read: %2. No "
                                                   "existing output file is overwritten: a new "
                                                   "output takes an indexed name.")),
        {path, reason});
}
