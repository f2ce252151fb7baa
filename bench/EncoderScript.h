// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the batch benchmarks share: the clips they convert, the shell script
// that runs the same encoder commands back to back, and their arithmetic.

#include "base/ShellText.h"
#include "bench/BenchClock.h"
#include "encoder/EncoderArguments.h"
#include "fixtures/Clips.h"
#include "tasks/TaskPaths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

inline void EmptyDirectory(const QString& dir)
{
    for (const QString& name : QDir(dir).entryList(QDir::Files | QDir::Hidden))
        QFile::remove(dir + name);
}

// `count` test clips in `dir`, named clip000 ... with the supported
// extensions in turn; empty when one cannot be made.
inline QStringList MakeBenchClips(const QString& dir, int count)
{
    QStringList clips;
    QDir().mkpath(dir);
    for (int i = 0; i < count; ++i) {
        const QString ext = QString::fromStdString(SupportedExtensions()[i % 8]);
        const QString path = dir + QStringLiteral("clip%1").arg(i, 3, 10, QChar('0')) + ext;
        if (!CopyTestClip(ext, path)) {
            std::fprintf(stderr, "cannot make the clip %s\n", qPrintable(path));
            return {};
        }
        clips << path;
    }
    return clips;
}

// A batch benchmark's clips, made in "<appDir>in/", and its output folder
// "<appDir>out/"; Inputs is empty when a clip cannot be made.
struct BenchClips
{
    QString In;
    QString Out;
    QStringList Inputs;
};

inline BenchClips StageBenchClips(const QString& appDir, int count)
{
    BenchClips clips{appDir + "in/", appDir + "out/", {}};
    if (QDir().mkpath(clips.Out))
        clips.Inputs = MakeBenchClips(clips.In, count);
    return clips;
}

// Writes a bash script that converts each input into `outDir` with the
// encoder's command line as the batch builds it, one after another.
inline bool WriteEncoderScript(const QString& scriptPath, const QString& encoder,
                               const QStringList& inputs, const std::vector<std::string>& arguments,
                               const QString& outDir, const QString& outputExt)
{
    QFile script(scriptPath);
    if (!script.open(QIODevice::WriteOnly))
        return false;
    script.write("set -e\n");
    for (const QString& input : inputs) {
        const std::string output =
            (outDir + QFileInfo(input).completeBaseName() + outputExt).toStdString();
        std::vector<std::string> command =
            ConversionArguments(input.toStdString(), arguments, output);
        command.insert(command.begin(), encoder.toStdString());
        script.write((ShellCommandLine(command) + " </dev/null >/dev/null 2>&1\n").c_str());
    }
    return true;
}
