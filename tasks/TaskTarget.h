// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "encoder/OutputSize.h"
#include "profiles/ProfileChoice.h"
#include "tasks/TaskRecord.h"

#include <cstdint>
#include <string>

// What a task's output weighs with a profile: the plan of its target size
// and the estimate shown before it is converted.

// Whether `choice` makes an output without a picture: it has no video codec
// or its "-vn" is picked.
bool MakesNoPicture(const TProfileChoice& choice);

// The audio bitrate `choice` asks for: 0 with "-an" picked, the profile's
// "Auto" counted as the 128 kbit/s the encoders take then.
int64_t ChosenAudioBitrate(const TProfileChoice& choice);

// What the task's target size leaves for its video with `choice`, over its
// span; a refusal for a profile without a picture and for a text that is no
// size. Refusal "" and bitrate 0 for a task without a target. A source
// without sound (`noAudio`) keeps nothing back for audio.
TSizePlan PlanTaskTarget(const TProfileChoice& choice, const ltvItemData& task,
                         TTranslator translated = Untranslated, bool noAudio = false);

// An estimate in words: "about 1.95 MB", DependsOnPicture, or "not known
// yet" for 0, in the words `translated` gives.
std::string EstimateText(int64_t bytes, TTranslator translated = Untranslated);
