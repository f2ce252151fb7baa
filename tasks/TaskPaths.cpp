// SPDX-License-Identifier: GPL-3.0-or-later
#include "tasks/TaskPaths.h"

#include "base/PathText.h"
#include "base/TextConvert.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace {

// The first extensions of the list, each offered by its own filter as ever.
constexpr std::size_t OriginalExtensionCount = 8;

} // namespace

const std::vector<std::string>& SupportedExtensions()
{
    static const std::vector<std::string> extensions{
        ".avi", ".mpg",  ".mpeg", ".mp4", ".wmv", ".mov",  ".vob", ".asf",
        ".mkv", ".webm", ".m4v",  ".ts",  ".mts", ".m2ts", ".flv", ".3gp",
        ".3g2", ".ogv",  ".dv",   ".mxf", ".f4v", ".divx", ".wtv"};
    return extensions;
}

const std::vector<TVideoFamily>& VideoFamilies()
{
    // Grouped as people know the files, by where they come from, rather than
    // by the container each format technically is.
    static const std::vector<TVideoFamily> families{
        {QT_TRANSLATE_NOOP("TaskPaths", "AVI and DivX Files"), {".avi", ".divx"}},
        {QT_TRANSLATE_NOOP("TaskPaths", "MPEG and DVD Files"), {".mpg", ".mpeg", ".vob"}},
        {QT_TRANSLATE_NOOP("TaskPaths", "MPEG-TS and AVCHD Files"), {".ts", ".mts", ".m2ts"}},
        {QT_TRANSLATE_NOOP("TaskPaths", "MP4 and QuickTime Files"), {".mp4", ".m4v", ".mov"}},
        {QT_TRANSLATE_NOOP("TaskPaths", "3GPP Phone Files"), {".3gp", ".3g2"}},
        {QT_TRANSLATE_NOOP("TaskPaths", "Windows Media Files"), {".wmv", ".asf", ".wtv"}},
        {QT_TRANSLATE_NOOP("TaskPaths", "Matroska and WebM Files"), {".mkv", ".webm"}},
        {QT_TRANSLATE_NOOP("TaskPaths", "Flash Video Files"), {".flv", ".f4v"}},
        {QT_TRANSLATE_NOOP("TaskPaths", "Ogg Video Files"), {".ogv"}},
        {QT_TRANSLATE_NOOP("TaskPaths", "DV Files"), {".dv"}},
        {QT_TRANSLATE_NOOP("TaskPaths", "MXF Files"), {".mxf"}}};
    return families;
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

std::string OpenDialogFilter(TTranslator translated)
{
    const std::string mask = InputMask();
    std::string filter =
        //: A filter of the open dialog; %1 lists patterns such as "*.avi *.mp4"
        FillText(translated("TaskPaths", QT_TRANSLATE_NOOP("TaskPaths", "All Support Files(%1)")),
                 {mask}) +
        "|" + mask;
    for (std::size_t i = 0; i < OriginalExtensionCount; ++i) {
        const std::string& ext = SupportedExtensions()[i];
        std::string upper = ext.substr(1);
        for (char& c : upper)
            if (c >= 'a' && c <= 'z')
                c = static_cast<char>(c - 'a' + 'A');
        //: %1 is a file type such as AVI, %2 its pattern
        filter += "|" +
                  FillText(translated("TaskPaths", QT_TRANSLATE_NOOP("TaskPaths", "%1 Files (%2)")),
                           {upper, "*" + ext}) +
                  "|*" + ext;
    }
    for (const TVideoFamily& family : VideoFamilies()) {
        std::string patterns;
        for (const std::string& ext : family.Extensions)
            patterns += (patterns.empty() ? "*" : ";*") + ext;
        filter += "|" + translated("TaskPaths", family.Description.c_str()) + " (" + patterns +
                  ")|" + patterns;
    }
    return filter + "|" +
           //: A filter of the open dialog; %1 is the pattern "*"
           FillText(translated("TaskPaths", QT_TRANSLATE_NOOP("TaskPaths", "All Files (%1)")),
                    {"*.*"}) +
           "|*.*";
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
