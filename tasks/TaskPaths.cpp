#include "tasks/TaskPaths.h"

#include "profiles/NewInifiles.h"

std::string WithTrailingBackslash(const std::string& dir)
{
    if (!dir.empty() && dir.back() == '/')
        return dir;
    return dir + "/";
}

std::string ExtractFileName(const std::string& path)
{
    // Only "/" separates: a ":" is an ordinary character in a Linux file name
    // ("12:30 talk.avi"), not a drive separator.
    const std::size_t at = path.rfind('/');
    return at == std::string::npos ? path : path.substr(at + 1);
}

std::string ExtractFileExt(const std::string& path)
{
    const std::string name = ExtractFileName(path);
    const std::size_t dot = name.rfind('.');
    return dot == std::string::npos ? std::string() : name.substr(dot);
}

std::string StripExtension(const std::string& name)
{
    const std::size_t dot = name.rfind('.');
    return dot == std::string::npos ? name : name.substr(0, dot);
}

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
