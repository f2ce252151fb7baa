// SPDX-License-Identifier: GPL-3.0-or-later
// Loading a profile of many parameters: a generated profile (pick lists
// spread over the three groups, CRLF as profiles are shipped) picked in the
// detail panel as the main window shows it, and the profile read on its own
// without grids (the INI store and the walk). Start's argument string from
// those grids is timed too, and the arguments `quenby --convert` makes from
// the file alone. Each figure is the median of 3 runs.
// Goal: a profile of 20,000 parameters loads, and gives the headless
// arguments, in under a second each.
//
// Usage: profile_bench [parameters...]   (default: 5000 20000)

#include "bench/BenchClock.h"
#include "convert/ArgumentBuilder.h"
#include "fixtures/FakePlatform.h"
#include "profiles/ProfileChoice.h"
#include "profiles/ProfileDetail.h"
#include "widgets/ValueListEditor.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QTemporaryDir>
#include <QVBoxLayout>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr int Runs = 3;
constexpr double GoalMs = 1000;
constexpr int GoalParameters = 20000;

std::string ProfileText(int parameters)
{
    std::string main = "[Main]\r\nType=avi\r\nPara=" + std::to_string(parameters) + "\r\n";
    std::string sections;
    for (int i = 0; i < parameters; ++i) {
        const std::string name = "Parameter " + std::to_string(i);
        main += std::to_string(i) + "=" + name + "\r\n";
        sections += "[" + name + "]\r\nSort=" + std::to_string(i % 3 + 1) +
                    "\r\nReadOnly=0\r\nList=1\r\nCaption=Low,Medium,High,\r\nValue=1,2,3,\r\n"
                    "Index=1\r\ncmd=-p" +
                    std::to_string(i) + "\r\n";
    }
    return main + sections;
}

struct Figures
{
    double ReadMs = 0;
    double LoadMs = 0;
    double ArgumentsMs = 0;
    double HeadlessMs = 0;
    bool Complete = false;
};

Figures Run(int parameters)
{
    QTemporaryDir dir;
    const QString path = dir.path() + "/Profiles/Large.apf";
    QFile file(path);
    if (!dir.isValid() || !QDir(dir.path()).mkdir("Profiles") || !file.open(QIODevice::WriteOnly))
        return {};
    const std::string text = ProfileText(parameters);
    file.write(text.data(), qint64(text.size()));
    file.close();

    QGroupBox box(QStringLiteral("Profile Detail"));
    new QVBoxLayout(&box);
    auto* combo = new QComboBox(&box);
    FakePlatform platform;
    auto* detail = new TProfileDetail({&box, combo}, (dir.path() + "/").toStdString(), platform);
    detail->BuildProfileCatalogue();
    combo->setCurrentIndex(0);
    box.show();
    QCoreApplication::processEvents();

    std::vector<double> read, load, arguments, headless;
    std::vector<std::string> built, headlessBuilt;
    for (int run = 0; run < Runs; ++run) {
        read.push_back(Milliseconds([&] { LoadProfileChoice(path.toStdString()); }));
        load.push_back(Milliseconds([&] {
            detail->cmbProfileChange();
            QCoreApplication::processEvents();
        }));
        arguments.push_back(Milliseconds([&] { built = BuildArguments(detail->Choice(), {}); }));
        headless.push_back(Milliseconds(
            [&] { headlessBuilt = BuildArguments(LoadProfileChoice(path.toStdString()), {}); }));
    }
    Figures figures;
    figures.ReadMs = Median(read);
    figures.LoadMs = Median(load);
    figures.ArgumentsMs = Median(arguments);
    figures.HeadlessMs = Median(headless);
    const int rows = detail->vleVideo->RowCount() + detail->vleAudio->RowCount() +
                     detail->vleAdvanced->RowCount();
    figures.Complete = rows == parameters && platform.errors.isEmpty() && headlessBuilt == built &&
                       built.size() == std::size_t(2 * parameters) && built.back() == "2";
    return figures;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    std::vector<int> sizes;
    for (int i = 1; i < argc; ++i)
        sizes.push_back(std::atoi(argv[i]));
    if (sizes.empty())
        sizes = {5000, GoalParameters};
    if (std::any_of(sizes.begin(), sizes.end(), [](int n) { return n < 1; })) {
        std::fprintf(stderr, "usage: profile_bench [parameters >= 1 ...]\n");
        return 1;
    }

    bool ok = true;
    for (int parameters : sizes) {
        const Figures f = Run(parameters);
        if (!f.Complete) {
            std::printf("profile: %d parameters: the load or the arguments went wrong\n",
                        parameters);
            ok = false;
            continue;
        }
        std::printf("profile: %d parameters: picked into the grids in %.0f ms (read without "
                    "grids %.0f ms); Start's arguments from the grids %.0f ms; headless arguments "
                    "%.0f ms (medians of %d)\n",
                    parameters, f.LoadMs, f.ReadMs, f.ArgumentsMs, f.HeadlessMs, Runs);
        if (parameters == GoalParameters)
            std::printf("profile: %d parameters load in %.0f ms, headless arguments in %.0f ms "
                        "(goal < %.0f ms each): %s\n",
                        parameters, f.LoadMs, f.HeadlessMs, GoalMs,
                        std::max(f.LoadMs, f.HeadlessMs) < GoalMs ? "met" : "MISSED");
    }
    return ok ? 0 : 1;
}
