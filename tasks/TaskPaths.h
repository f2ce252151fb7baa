// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/TranslationMarks.h"

#include <string>
#include <vector>

// What the program accepts as input, and how the open dialog offers it.

// The supported input extensions, in their fixed order: the eight the
// program always took (".avi" ... ".asf"), then the other containers the
// system's encoder reads (".mkv" ... ".wtv").
const std::vector<std::string>& SupportedExtensions();

// A kind of container that the open dialog offers as one filter, with its
// supported extensions.
struct TVideoFamily
{
    std::string Description;
    std::vector<std::string> Extensions;
};
const std::vector<TVideoFamily>& VideoFamilies();

// True when the lower-cased extension (A to Z only) is a supported one.
bool IsSupportedVideo(const std::string& path);

// "*.avi;*.mpg;...;*.wtv;" with the final ";".
std::string InputMask();

// The open dialog's filter, "description|pattern|..." in the Windows form:
// every supported file first, then each of the eight as before, then one
// entry per family, and every file last; the descriptions in the words `translated` gives.
std::string OpenDialogFilter(TTranslator translated = Untranslated);

// The supported files directly inside `directory` whose names are not valid
// UTF-8, as full paths in the name's own bytes, sorted. The toolkit lists a
// directory by texts and leaves such names out, and they could not be handed
// to the encoder anyway; the user is told about them instead. Hidden files
// are not included, as a listing leaves them out too.
std::vector<std::string> UnnamableVideoFiles(const std::string& directory);
