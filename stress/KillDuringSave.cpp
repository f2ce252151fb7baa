// SPDX-License-Identifier: GPL-3.0-or-later
// Kills a process with SIGKILL at random moments while it saves files
// through the store, again and again, and checks after every kill that each
// file holds exactly one of the two texts being saved: never a mix of both,
// never a cut-off or empty file. First "Preferences.ini" and a profile, then
// "Tasks.ini" with a list of 1,000 tasks, which must also read back whole.
//
//   kill_during_save PROFILE [KILLS] [WORK DIR]
//
// PROFILE is a profile file to start from (a shipped one); KILLS, for each
// of the two rounds, defaults to 200; WORK DIR (created) defaults to a fresh
// directory under the system's temporary directory. Prints the figures;
// exits with 1 when a file was found in another state, when one held the
// same text after every kill, or when hidden files of killed writers are
// left after the next save.

#include "base/NewInifiles.h"
#include "profiles/ProfileWalker.h"
#include "settings/PreferenceValues.h"
#include "tasks/SavedTasks.h"

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <random>
#include <string>
#include <sys/wait.h>
#include <tuple>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

// One of the two states the files are saved in, alternately.
struct Version
{
    TPreferences Preferences;
    int32_t ProfileIndex = 0;
    int PickOffset = 0;      // added to every pick list's Index
    std::string TypedSuffix; // appended to every editable text
};

std::string ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The parameters the profile editor writes back: the editable ones.
std::vector<TProfileParameter> EditableParameters(const std::string& profile)
{
    std::vector<TProfileParameter> parameters;
    WalkProfile(profile, [&](const TProfileParameter& p) {
        if (!p.ReadOnly)
            parameters.push_back(p);
    });
    return parameters;
}

// Saves both files as the program does: a store opened on each, the values
// written, the store released.
void Save(const Version& version, const std::string& preferences, const std::string& profile,
          const std::vector<TProfileParameter>& parameters)
{
    auto store = std::make_unique<TNewInifile>(preferences);
    WritePreferenceValues(*store, version.Preferences);
    WriteProfileIndex(*store, version.ProfileIndex);
    TNewInifile::SaveAndFree(std::move(store));

    store = std::make_unique<TNewInifile>(profile);
    for (const TProfileParameter& p : parameters) {
        if (p.IsList && !p.Items.empty()) {
            store->WriteInteger(p.Name, "Index",
                                int32_t((p.Index + version.PickOffset) % int(p.Items.size())));
        } else {
            store->WriteString(p.Name, "Caption", p.Caption + version.TypedSuffix);
            store->WriteString(p.Name, "Value", p.Caption + version.TypedSuffix);
        }
    }
    TNewInifile::SaveAndFree(std::move(store));
}

// The hidden files beside the saved ones: what killed writers left.
int CountTemporaries(const fs::path& dir)
{
    int count = 0;
    for (const fs::directory_entry& entry : fs::directory_iterator(dir))
        count += entry.path().filename().string().starts_with(".");
    return count;
}

constexpr int TaskCount = 1000;

// A list of 1,000 tasks; the second version renames and trims every one.
TSavedTasks TaskList(bool second)
{
    TSavedTasks list{second ? "/media/backup/converted/" : "/home/u/Videos/", {}};
    for (int i = 0; i < TaskCount; ++i) {
        const std::string name = "/home/u/Videos/holiday " + std::to_string(i);
        list.Tasks.push_back(NewTaskRecord(name + ".mp4", "00:12:34.5", " 1920x1080", ".avi"));
        if (second) {
            list.Tasks.back().NewName += " (cut)";
            list.Tasks.back().Start = TTimeValue::FromText("00:00:05.0");
            list.Tasks.back().Status = i < TaskCount / 2 ? TaskState::Complete : TaskState::Waiting;
        }
    }
    return list;
}

// Whether the file reads back as the list, as a start after the kill reads it.
bool ReadsBackAs(const std::string& path, const TSavedTasks& list)
{
    const TTasksFile file = LoadTasks(path);
    if (file.State != TTasksFileState::Read || file.Saved.OutputDir != list.OutputDir ||
        file.Saved.Tasks.size() != list.Tasks.size())
        return false;
    for (std::size_t i = 0; i < list.Tasks.size(); ++i) {
        const ltvItemData &a = file.Saved.Tasks[i], &b = list.Tasks[i];
        if (a.InputFile != b.InputFile || a.NewName != b.NewName ||
            a.Start.Text() != b.Start.Text() || a.Status != b.Status)
            return false;
    }
    return true;
}

// Runs `save(i)` for i = 0, 1, 2... in a child that is killed `kills` times
// at a random moment within three rounds of the saves; `check(k)` after each
// kill counts what it finds in the files. The moment counts from the child's
// first save, which it tells through a pipe: counted from the fork, the
// child's start (the fork itself, its first scheduling, its copied pages)
// took up so much of the window on a quick disk that the kills all landed
// before the second file of a round was ever written.
void KillDuring(int kills, const std::function<void(int)>& save,
                const std::function<void(int)>& check, long long& windowMicros)
{
    // How long one round of the saves takes, so the kills spread over it.
    const auto started = std::chrono::steady_clock::now();
    constexpr int Rounds = 20;
    for (int i = 0; i < Rounds; ++i)
        save(i);
    const auto round = (std::chrono::steady_clock::now() - started) / Rounds;
    windowMicros = 3 * std::max<long long>(
                           1, std::chrono::duration_cast<std::chrono::microseconds>(round).count());

    std::mt19937_64 random(std::random_device{}());
    std::uniform_int_distribution<long long> moment(0, windowMicros);
    for (int k = 0; k < kills; ++k) {
        int saving[2];
        const pid_t child = ::pipe(saving) == 0 ? ::fork() : -1;
        if (child < 0) {
            std::perror("fork");
            std::exit(2);
        }
        if (child == 0) {
            (void)!::write(saving[1], "s", 1);
            for (int i = k;; ++i)
                save(i);
        }
        char told = 0;
        (void)!::read(saving[0], &told, 1);
        ::close(saving[0]);
        ::close(saving[1]);
        ::usleep(static_cast<useconds_t>(moment(random)));
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
        check(k);
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s PROFILE [KILLS] [WORK DIR]\n", argv[0]);
        return 2;
    }
    const int kills = argc > 2 ? std::atoi(argv[2]) : 200;
    fs::path dir = argc > 3 ? fs::path(argv[3])
                            : fs::temp_directory_path() /
                                  ("quenby-kill-during-save-" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    const std::string preferences = (dir / "Preferences.ini").string();
    const std::string profile = (dir / "Profile.apf").string();
    const std::string tasks = (dir / TasksFileName).string();
    fs::copy_file(argv[1], profile);
    const std::vector<TProfileParameter> parameters = EditableParameters(profile);

    Version a, b;
    a.Preferences.OutputPath = "/home/u/Videos [HD]/";
    a.ProfileIndex = 3;
    a.TypedSuffix = "";
    b.Preferences = {"/media/backup/converted/", 2, false, true, false, false};
    b.ProfileIndex = 11;
    b.PickOffset = 1;
    b.TypedSuffix = "x";
    const TSavedTasks listA = TaskList(false), listB = TaskList(true);
    // Saving A over B and B over A must each reach a fixed text, or "the old
    // or the new text" would not be defined.
    Save(b, preferences, profile, parameters);
    Save(a, preferences, profile, parameters);
    SaveTasks(tasks, listB);
    SaveTasks(tasks, listA);
    const std::string prefsA = ReadBytes(preferences), profileA = ReadBytes(profile),
                      tasksA = ReadBytes(tasks);
    Save(b, preferences, profile, parameters);
    SaveTasks(tasks, listB);
    const std::string prefsB = ReadBytes(preferences), profileB = ReadBytes(profile),
                      tasksB = ReadBytes(tasks);
    Save(a, preferences, profile, parameters);
    SaveTasks(tasks, listA);
    if (ReadBytes(preferences) != prefsA || ReadBytes(profile) != profileA ||
        ReadBytes(tasks) != tasksA || prefsA == prefsB || profileA == profileB ||
        tasksA == tasksB) {
        std::fprintf(stderr, "the two versions do not give two fixed texts\n");
        return 2;
    }

    int prefsHeldA = 0, profileHeldA = 0, tasksHeldA = 0, broken = 0, unread = 0, temporaries = 0;
    const auto heldOne = [&](int k, const char* name, const std::string& text,
                             const std::string& textA, const std::string& textB) {
        if (text != textA && text != textB) {
            ++broken;
            std::fprintf(stderr, "kill %d: %s holds %zu bytes of neither text\n", k + 1, name,
                         text.size());
        }
        temporaries = std::max(temporaries, CountTemporaries(dir));
        return text == textA;
    };
    long long settingsWindow = 0, tasksWindow = 0;
    KillDuring(
        kills, [&](int i) { Save(i % 2 ? a : b, preferences, profile, parameters); },
        [&](int k) {
            prefsHeldA += heldOne(k, "Preferences.ini", ReadBytes(preferences), prefsA, prefsB);
            profileHeldA += heldOne(k, "the profile", ReadBytes(profile), profileA, profileB);
        },
        settingsWindow);
    KillDuring(
        kills, [&](int i) { SaveTasks(tasks, i % 2 ? listA : listB); },
        [&](int k) {
            const bool heldA = heldOne(k, "Tasks.ini", ReadBytes(tasks), tasksA, tasksB);
            tasksHeldA += heldA;
            if (!ReadsBackAs(tasks, heldA ? listA : listB)) {
                ++unread;
                std::fprintf(stderr, "kill %d: Tasks.ini does not read back\n", k + 1);
            }
        },
        tasksWindow);
    // The next save of each file clears what killed writers left. A save of
    // the text a file already holds writes nothing and clears nothing, so
    // each file gets both texts, one of which is a change.
    Save(b, preferences, profile, parameters);
    Save(a, preferences, profile, parameters);
    SaveTasks(tasks, listB);
    SaveTasks(tasks, listA);
    const int remaining = CountTemporaries(dir);
    std::printf("kill-during-save: %d kills at random moments within %lld us (three rounds of "
                "both saves)\n",
                kills, settingsWindow);
    std::printf("kill-during-save: Preferences.ini held text A/B %d/%d times, the "
                "profile %d/%d times\n",
                prefsHeldA, kills - prefsHeldA, profileHeldA, kills - profileHeldA);
    std::printf("kill-during-save: %d kills at random moments within %lld us (three saves of "
                "Tasks.ini, %d tasks, %zu bytes)\n",
                kills, tasksWindow, TaskCount, tasksA.size());
    std::printf("kill-during-save: Tasks.ini held list A/B %d/%d times, and read back as that "
                "list all but %d times\n",
                tasksHeldA, kills - tasksHeldA, unread);
    std::printf("kill-during-save: files in neither text: %d; temporary files beside them: at "
                "most %d at once, %d after the next save\n",
                broken, temporaries, remaining);
    fs::remove_all(dir);
    // A file that never showed one of its texts was never caught mid-save
    // there: the run tested nothing of that write.
    bool bothSeen = true;
    for (const auto& [name, heldA] : {std::pair{"Preferences.ini", prefsHeldA},
                                      {"the profile", profileHeldA},
                                      {"Tasks.ini", tasksHeldA}})
        if (heldA == 0 || heldA == kills) {
            std::fprintf(stderr, "kill-during-save: %s held one text only\n", name);
            bothSeen = false;
        }
    return broken == 0 && unread == 0 && remaining == 0 && bothSeen ? 0 : 1;
}
