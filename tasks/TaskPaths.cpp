#include "tasks/TaskPaths.h"

#include "base/PathText.h"
#include "base/TextConvert.h"

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
