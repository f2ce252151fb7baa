// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "convert/EncoderLog.h"
#include "tasks/TaskPlan.h"
#include "tasks/TaskRecord.h"
#include "tasks/TaskState.h"

#include <string>

// One task of a run, from the moment it is queued to its end. The engine
// keeps one per task and hands it out with each of its reports, so whoever
// shows a run reads everything about a task from the report itself.
struct TConversionJob
{
    // The task's place in the run's queue: the list given to Start, then
    // each Enqueue's in turn.
    int Id = -1;
    // The task as the run took it; a length learnt from the encoder's
    // description of the input is kept here.
    ltvItemData Task;
    // What the task converts by; the run adds the track switches it chose.
    TTaskPlan Plan;
    // Waiting, Converting (Paused while the run is), then Complete, Failed
    // or Stopped.
    TaskState State = TaskState::Waiting;
    // The last progress in percent of the task's span.
    int Percent = 0;
    // What its encoder wrote, within the log's limit.
    TEncoderLog Log;
    // The hidden name the encoder writes to, and the name the output is
    // meant for when the task starts.
    std::string Working;
    std::string Planned;
    // The name the output was saved as, which another run into the folder
    // may have made differ from Planned. Empty until the output is in place,
    // and for an encoder that wrote nothing.
    std::string Output;
    // What the output came to against its target ("planned 2.00 MB, reached
    // 1.93 MB"), and what the quality check found ("good (SSIM 0.962, PSNR
    // 35.1 dB)", or why it found nothing); empty when there is nothing to tell.
    std::string SizeNote;
    std::string QualityNote;
    // The task failed as its input holds no picture.
    bool NoPicture = false;
    // Why a failed task failed.
    std::string Reason;
};
