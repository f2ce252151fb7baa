// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/PreferenceValues.h"

#include "base/NewInifiles.h"
#include "base/TranslationMarks.h"

#include <stdexcept>
#include <type_traits>
#include <variant>

namespace {

// When a key goes into "Main".
enum class TWritten
{
    // At the settings dialog's OK and at the main window's close.
    Always,
    // The same, but only once it differs from its default or stands in the
    // file already: the file of a user who never changed it keeps its text.
    OnceChanged,
    // Only at the main window's close: the window's own pick, which OK
    // leaves alone.
    AtClose
};

// Where a missing or unreadable value comes from.
enum class TDefault
{
    Given,
    // The program's folder, or the user's videos when the settings live
    // apart: known only at run time.
    OutputFolder,
    // The given one, but its opposite in "Default": "Auto Open Dir"
    // is ticked for a new user but not by Load Default.
    NotInDefault
};

template <typename T> struct TField
{
    T TPreferences::*Member;
    T Default;
};

struct TPreferenceKey
{
    const char* Key;
    std::variant<TField<std::string>, TField<int32_t>, TField<bool>> Field;
    TWritten Written = TWritten::Always;
    TDefault From = TDefault::Given;
};

// Every preference the file keeps, in the order the file has always listed
// them.
const TPreferenceKey PreferenceKeys[] = {
    {"Profile", TField<int32_t>{&TPreferences::Profile, 0}, TWritten::AtClose},
    {"Output Path", TField<std::string>{&TPreferences::OutputPath, ""}, TWritten::Always,
     TDefault::OutputFolder},
    {"Syn Mode", TField<int32_t>{&TPreferences::SynMode, 0}},
    {"Auto Open Dir", TField<bool>{&TPreferences::AutoOpenDir, true}, TWritten::Always,
     TDefault::NotInDefault},
    {"Auto Exit", TField<bool>{&TPreferences::AutoExit, false}},
    {"Auto Turn Off", TField<bool>{&TPreferences::AutoTurnOff, false}},
    {"Overwrite", TField<bool>{&TPreferences::Overwrite, true}},
    {"Simultaneous Tasks", TField<int32_t>{&TPreferences::SimultaneousTasks, 1},
     TWritten::OnceChanged},
    {"Show Thumbnails", TField<bool>{&TPreferences::ShowThumbnails, true}, TWritten::OnceChanged},
    {"Check Quality", TField<bool>{&TPreferences::CheckQuality, false}, TWritten::OnceChanged},
    // The system's language until the user picks one.
    {"Language", TField<std::string>{&TPreferences::Language, ""}, TWritten::OnceChanged},
    // Today's picks until the user asks for others.
    {"Audio Tracks", TField<std::string>{&TPreferences::AudioTracks, "first"},
     TWritten::OnceChanged},
    {"Subtitles", TField<std::string>{&TPreferences::Subtitles, "none"}, TWritten::OnceChanged}};

const char* const KeyVersion = "Version";

const TPreferenceKey& KeyOf(int32_t TPreferences::*member)
{
    for (const TPreferenceKey& key : PreferenceKeys)
        if (const auto* field = std::get_if<TField<int32_t>>(&key.Field);
            field && field->Member == member)
            return key;
    throw std::logic_error("a preference without its key");
}

template <typename T>
T ReadValue(const TNewInifile& store, const std::string& section, const std::string& key,
            const T& defaultValue)
{
    if constexpr (std::is_same_v<T, std::string>)
        return store.ReadString(section, key, defaultValue);
    else if constexpr (std::is_same_v<T, bool>)
        return store.ReadBool(section, key, defaultValue);
    else
        return store.ReadInteger(section, key, defaultValue);
}

template <typename T> void WriteValue(TNewInifile& store, const std::string& key, const T& value)
{
    if constexpr (std::is_same_v<T, std::string>)
        store.WriteString(MainSection, key, value);
    else if constexpr (std::is_same_v<T, bool>)
        store.WriteBool(MainSection, key, value);
    else
        store.WriteInteger(MainSection, key, value);
}

void WriteKey(TNewInifile& store, const TPreferenceKey& key, const TPreferences& values)
{
    std::visit(
        [&](const auto& field) {
            const auto& value = values.*field.Member;
            if (key.Written == TWritten::OnceChanged && value == field.Default &&
                !store.ValueExists(MainSection, key.Key))
                return;
            WriteValue(store, key.Key, value);
        },
        key.Field);
}

} // namespace

TPreferences ReadPreferenceValues(const TNewInifile& store, const std::string& section,
                                  const std::string& defaultOutputDir)
{
    TPreferences values;
    for (const TPreferenceKey& key : PreferenceKeys) {
        if (key.Written == TWritten::AtClose)
            continue;
        std::visit(
            [&](const auto& field) {
                auto fallback = field.Default;
                if constexpr (std::is_same_v<decltype(fallback), std::string>) {
                    if (key.From == TDefault::OutputFolder)
                        fallback = defaultOutputDir;
                } else if constexpr (std::is_same_v<decltype(fallback), bool>) {
                    if (key.From == TDefault::NotInDefault && section == DefaultSection)
                        fallback = !fallback;
                }
                values.*field.Member = ReadValue(store, section, key.Key, fallback);
            },
            key.Field);
    }
    return values;
}

void WritePreferenceValues(TNewInifile& store, const TPreferences& values)
{
    for (const TPreferenceKey& key : PreferenceKeys)
        if (key.Written != TWritten::AtClose)
            WriteKey(store, key, values);
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
    const TPreferenceKey& key = KeyOf(&TPreferences::Profile);
    return store.ReadInteger(MainSection, key.Key, std::get<TField<int32_t>>(key.Field).Default);
}

void WriteProfileIndex(TNewInifile& store, int32_t index)
{
    TPreferences values;
    values.Profile = index;
    WriteKey(store, KeyOf(&TPreferences::Profile), values);
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
