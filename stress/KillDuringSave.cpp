// Kills a process with SIGKILL at random moments while it saves
// "Preferences.ini" and a profile through the store, again and again, and
// checks after every kill that each file holds exactly one of the two texts
// being saved: never a mix of both, never a cut-off or empty file.
//
//   kill_during_save PROFILE [KILLS] [WORK DIR]
//
// PROFILE is a profile file to start from (a shipped one); KILLS defaults to
// 200; WORK DIR (created) defaults to a fresh directory under the system's
// temporary directory. Prints the figures; exits with 1 when a file was
// found in another state, or when hidden files of killed writers are left
// after the next save.

#include "profiles/NewInifiles.h"
#include "profiles/ProfileWalker.h"
#include "settings/PreferenceValues.h"

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
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
    TPreferenceValues Preferences;
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
    // Saving A over B and B over A must each reach a fixed text, or "the old
    // or the new text" would not be defined.
    Save(b, preferences, profile, parameters);
    Save(a, preferences, profile, parameters);
    const std::string prefsA = ReadBytes(preferences), profileA = ReadBytes(profile);
    Save(b, preferences, profile, parameters);
    const std::string prefsB = ReadBytes(preferences), profileB = ReadBytes(profile);
    Save(a, preferences, profile, parameters);
    if (ReadBytes(preferences) != prefsA || ReadBytes(profile) != profileA || prefsA == prefsB ||
        profileA == profileB) {
        std::fprintf(stderr, "the two versions do not give two fixed texts\n");
        return 2;
    }

    // How long one round of both saves takes, so the kills spread over it.
    const auto started = std::chrono::steady_clock::now();
    constexpr int Rounds = 20;
    for (int i = 0; i < Rounds; ++i)
        Save(i % 2 ? a : b, preferences, profile, parameters);
    const auto round = (std::chrono::steady_clock::now() - started) / Rounds;
    const long long roundMicros = std::max<long long>(
        1, std::chrono::duration_cast<std::chrono::microseconds>(round).count());

    std::mt19937_64 random(std::random_device{}());
    std::uniform_int_distribution<long long> moment(0, 4 * roundMicros);
    int prefsHeldA = 0, profileHeldA = 0, broken = 0, temporaries = 0;
    for (int k = 0; k < kills; ++k) {
        const pid_t child = ::fork();
        if (child < 0) {
            std::perror("fork");
            return 2;
        }
        if (child == 0) {
            for (int i = k;; ++i)
                Save(i % 2 ? a : b, preferences, profile, parameters);
        }
        ::usleep(static_cast<useconds_t>(moment(random)));
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);

        const std::string p = ReadBytes(preferences), q = ReadBytes(profile);
        prefsHeldA += p == prefsA;
        profileHeldA += q == profileA;
        for (const auto& [name, text, textA, textB] :
             {std::tuple{"Preferences.ini", &p, &prefsA, &prefsB},
              std::tuple{"the profile", &q, &profileA, &profileB}}) {
            if (*text != *textA && *text != *textB) {
                ++broken;
                std::fprintf(stderr, "kill %d: %s holds %zu bytes of neither text\n", k + 1, name,
                             text->size());
            }
        }
        temporaries = std::max(temporaries, CountTemporaries(dir));
    }
    // The next save of each file clears what killed writers left.
    Save(a, preferences, profile, parameters);
    const int remaining = CountTemporaries(dir);
    std::printf("kill-during-save: %d kills at random moments within %lld us (four rounds of "
                "both saves)\n",
                kills, 4 * roundMicros);
    std::printf("kill-during-save: Preferences.ini held text A/B %d/%d times, the "
                "profile %d/%d times\n",
                prefsHeldA, kills - prefsHeldA, profileHeldA, kills - profileHeldA);
    std::printf("kill-during-save: files in neither text: %d; temporary files beside them: at "
                "most %d at once, %d after the next save\n",
                broken, temporaries, remaining);
    fs::remove_all(dir);
    return broken == 0 && remaining == 0 ? 0 : 1;
}
