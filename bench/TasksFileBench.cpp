// SPDX-License-Identifier: GPL-3.0-or-later
// What keeping the task list costs: saving a list of 5,000 tasks to
// Tasks.ini as the window does after a change (a new file written, synced
// and renamed over the old one), and reading it back as a start does. Each
// save changes one task's status, so that none is skipped as unchanged. The
// file lies in WORK DIR, on the file system of a real installation.
//
// Usage: tasks_file_bench [TASKS] [WORK DIR]   (default: 5000, a fresh
// directory under the system's temporary directory)
#include "bench/BenchClock.h"
#include "tasks/SavedTasks.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

constexpr int Runs = 21;
constexpr double SaveGoalMs = 50;

} // namespace

int main(int argc, char** argv)
{
    const int count = argc > 1 ? std::atoi(argv[1]) : 5000;
    const std::filesystem::path dir =
        argc > 2 ? std::filesystem::path(argv[2])
                 : std::filesystem::temp_directory_path() /
                       ("quenby-tasks-file-bench-" + std::to_string(::getpid()));
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    const std::string path = (dir / TasksFileName).string();

    TSavedTasks list{"/home/u/Videos/converted/", {}};
    for (int i = 0; i < count; ++i) {
        list.Tasks.push_back(
            NewTaskRecord("/home/u/Videos/Holidays 2023/clip " + std::to_string(i) + ".mp4",
                          "00:12:34.5", " 1920x1080", ".avi"));
        list.Tasks.back().NewName += " (short)";
        list.Tasks.back().Start = TTimeValue::FromText("00:00:05.0");
    }
    SaveTasks(path, list);

    std::vector<double> saves, loads;
    for (int run = 0; run < Runs; ++run) {
        list.Tasks[std::size_t(run % count)].Status =
            run % 2 ? TaskState::Complete : TaskState::Converting;
        saves.push_back(Milliseconds([&] { SaveTasks(path, list); }));
        loads.push_back(Milliseconds([&] {
            if (LoadTasks(path).Saved.Tasks.size() != std::size_t(count))
                std::exit(1);
        }));
    }
    const double save = Median(saves);
    std::printf("tasks_file: %d tasks, %ju bytes\n", count,
                std::uintmax_t(std::filesystem::file_size(path)));
    std::printf("tasks_file: save median %.1f ms, longest %.1f ms (goal < %.0f ms): %s\n", save,
                *std::max_element(saves.begin(), saves.end()), SaveGoalMs,
                save < SaveGoalMs ? "met" : "MISSED");
    std::printf("tasks_file: read back median %.1f ms\n", Median(loads));
    std::filesystem::remove_all(dir);
    return 0;
}
