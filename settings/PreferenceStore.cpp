// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/PreferenceStore.h"

#include "base/NewInifiles.h"
#include "platform/Platform.h"
#include "platform/Translators.h"
#include "settings/PreferenceValues.h"
#include "settings/SettingsFolder.h"

#include <QThread>

#include <algorithm>
#include <cstdio>
#include <utility>

int MostSimultaneousTasks()
{
    // More encoders than cores only share the same cores.
    return std::max(1, QThread::idealThreadCount());
}

TPreferenceStore::TPreferenceStore(const TDataPlaces& places, Platform& platform, QObject* parent)
    : QObject(parent), FPlaces(places), FPlatform(platform)
{
    auto store = Open();
    FValue = LoadPreferences(*store, FPlaces.DefaultOutputDir);
    // In force is what the dialog can show: a mode it does not offer is its
    // first, and a count beyond this machine's cores (a file brought from a
    // larger one) or below 1 is brought into its range.
    if (FValue.SynMode < 0 || FValue.SynMode >= SynModeCount)
        FValue.SynMode = 0;
    FValue.SimultaneousTasks = std::clamp(FValue.SimultaneousTasks, 1, MostSimultaneousTasks());
    if (const std::string unread = store->ReadError(); !unread.empty())
        FReadErrorText = PreferencesReadErrorText(store->FileName(), unread, TranslatedText);
    Release(std::move(store));
}

TPreferenceStore::~TPreferenceStore() = default;

std::unique_ptr<TNewInifile> TPreferenceStore::Open() const
{
    return std::make_unique<TNewInifile>(PreferencesPath(FPlaces));
}

void TPreferenceStore::Release(std::unique_ptr<TNewInifile> store) const
{
    try {
        TNewInifile::SaveAndFree(std::move(store));
    } catch (const EIniWriteError& error) {
        if (!error.HadWrites)
            return;
        if (FSessionEnding)
            std::fprintf(stderr, "quenby: %s\n", error.what());
        else
            FPlatform.ShowError(QString::fromStdString(error.what()));
    }
}

void TPreferenceStore::Set(const TPreferences& value)
{
    if (value == FValue)
        return;
    FValue = value;
    emit Changed(FValue);
}

void TPreferenceStore::Commit(const TPreferences& edited)
{
    Set(edited);
    auto store = Open();
    WritePreferenceValues(*store, FValue);
    Release(std::move(store));
}

void TPreferenceStore::SetOutputPath(const std::string& path)
{
    TPreferences value = FValue;
    value.OutputPath = path;
    Set(value);
}

void TPreferenceStore::SetProfile(int32_t index)
{
    TPreferences value = FValue;
    value.Profile = index;
    Set(value);
}

TPreferences TPreferenceStore::Defaults() const
{
    // A package's copy is never written: it is read and let go.
    auto store = std::make_unique<TNewInifile>(InstalledPreferencesPath(FPlaces));
    TPreferences defaults = ReadPreferenceValues(*store, DefaultSection, FPlaces.DefaultOutputDir);
    if (!FPlaces.SettingsApart())
        Release(std::move(store));
    return defaults;
}

void TPreferenceStore::SaveAll()
{
    auto store = Open();
    WriteProfileIndex(*store, FValue.Profile);
    WritePreferenceValues(*store, FValue);
    Release(std::move(store));
}
