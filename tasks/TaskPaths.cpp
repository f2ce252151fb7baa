// SPDX-License-Identifier: GPL-3.0-or-later
#include "tasks/TaskPaths.h"

#include "base/PathText.h"
#include "base/TextConvert.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

const std::vector<std::string>& SupportedExtensions()
{
    static const std::vector<std::string> extensions{".avi", ".mpg", ".mpeg", ".mp4",
                                                     ".wmv", ".mov", ".vob",  ".asf"};
    return extensions;
}

bool IsSupportedVideo(const std::string& path)
{
    const std::string ext = LowerAscii(ExtractFileExt(path));
    for (const std::string& supported : SupportedExtensions())
        if (ext == supported)
            return true;
    return false;
}

std::string InputMask()
{
    std::string mask;
    for (const std::string& ext : SupportedExtensions())
        mask += "*" + ext + ";";
    return mask;
}

std::string OpenDialogFilter()
{
    const std::string mask = InputMask();
    std::string filter = "All Support Files(" + mask + ")|" + mask;
    for (const std::string& ext : SupportedExtensions()) {
        std::string upper = ext.substr(1);
        for (char& c : upper)
            if (c >= 'a' && c <= 'z')
                c = static_cast<char>(c - 'a' + 'A');
        filter += "|" + upper + " Files (*" + ext + ")|*" + ext;
    }
    return filter + "|All Files (*.*)|*.*";
}

std::vector<std::string> UnnamableVideoFiles(const std::string& directory)
{
    namespace fs = std::filesystem;
    std::vector<std::string> unnamable;
    std::error_code error;
    fs::directory_iterator it(directory, error);
    for (; !error && it != fs::directory_iterator(); it.increment(error)) {
        const std::string name = it->path().filename().string();
        std::error_code ignored;
        if (name.starts_with('.') || IsUtf8(name) || !IsSupportedVideo(name) ||
            !it->is_regular_file(ignored))
            continue;
        unnamable.push_back(WithTrailingBackslash(directory) + name);
    }
    std::sort(unnamable.begin(), unnamable.end());
    return unnamable;
}
