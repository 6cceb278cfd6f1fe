#include "FileNames.h"

#include <CurrentFolder.h>

std::string fixExtension(const std::string& name, const std::string& ext)
{
    const std::string ending = "." + ext;
    std::string result = name;
    while (result.size() >= ending.size() &&
           result.compare(result.size() - ending.size(), ending.size(), ending) == 0)
        result.erase(result.size() - ending.size());
    return result + ending;
}

void splitPath(const std::string& path, std::string& folder, std::string& fileName)
{
    const size_t cut = path.find_last_of(platform::kPathSeparators);
    if (cut == std::string::npos)
    {
        folder.clear();
        fileName = path;
        return;
    }
    folder = path.substr(0, cut + 1);
    fileName = path.substr(cut + 1);
}
