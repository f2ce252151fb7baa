// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/OutputPlace.h"

#include "base/FileMoves.h"

#include <cstdio>
#include <system_error>

void TOutputPlace::Name(TConversionJob& job, const TFolder& folder, TRunNames& names, int& serial)
{
    FRename = folder.Rename;
    FRequest.OutputDir = folder.Dir;
    FRequest.NewName = job.Task.NewName;
    FRequest.OutputExt = job.Plan.OutputExt;
    FRequest.Position = job.Id + 1;
    FRequest.Rename = folder.Rename;
    const auto taken = [&names](const std::string& path) {
        return names.IsTaken(path);
    };
    FCandidate = ChooseOutputCandidate(FRequest, HasDirectoryEntry, taken);
    FOutput = job.Planned = OutputPathCandidate(FRequest, FCandidate);
    names.Reserve(FOutput);
    do
        job.Working =
            WorkingOutputPath(folder.Dir, job.Plan.OutputExt, folder.Host, folder.Pid, ++serial);
    while (HasDirectoryEntry(job.Working));
}

std::string TOutputPlace::Place(TConversionJob& job, bool succeeded, TRunNames& names,
                                TTranslator translated)
{
    int error = 0;
    if (succeeded) {
        if (!HasDirectoryEntry(job.Working))
            return {};
        if (FRename) {
            // Another run into this folder may have taken the name since the
            // job started; the output then takes the rule's next free one.
            names.Release(FOutput);
            const TPlacement placement = PlaceOutput(
                job.Working, FRequest, FCandidate,
                [&names](const std::string& path) { return names.IsTaken(path); },
                MoveWithoutReplacing);
            FOutput = placement.Path;
            names.Reserve(FOutput);
            error = placement.Error;
        } else {
            error = MoveReplacing(job.Working, FOutput);
        }
        if (error == 0) {
            job.Output = FOutput;
            //: A line of the encoder log; %1 is the output file's path
            job.Log.Append(
                "\n" +
                FillText(translated("TBatchEngine",
                                    QT_TRANSLATE_NOOP("TBatchEngine", "Saved as \"%1\".")),
                         {FOutput}) +
                "\n");
            return {};
        }
    }
    std::remove(job.Working.c_str());
    names.Release(FOutput);
    if (error == 0)
        return {};
    return FillText(
        translated("TBatchEngine",
                   QT_TRANSLATE_NOOP("TBatchEngine", "The output cannot be written to \"%1\": %2")),
        {FOutput, std::system_category().message(error)});
}
