#include "InstalledDocument.h"

#include <cstdlib>
#include <dlfcn.h>
#include <sys/stat.h>
#include <vector>

namespace platform
{
namespace
{
std::string environment(const char* name)
{
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

// The XDG base directories: absolute paths only, as the XDG base directory rules ask.
std::vector<std::string> dataFolders()
{
    std::vector<std::string> folders;
    std::string home = environment("XDG_DATA_HOME");
    if (home.empty() && !environment("HOME").empty())
        home = environment("HOME") + "/.local/share";
    folders.push_back(home);
    std::string dirs = environment("XDG_DATA_DIRS");
    if (dirs.empty())
        dirs = "/usr/local/share:/usr/share";
    size_t start = 0;
    while (start <= dirs.size())
    {
        const size_t colon = dirs.find(':', start);
        const size_t end = colon == std::string::npos ? dirs.size() : colon;
        folders.push_back(dirs.substr(start, end - start));
        start = end + 1;
    }
    return folders;
}
} // namespace

std::string installedDocument(const std::string& relative)
{
    for (const std::string& folder : dataFolders())
    {
        if (folder.empty() || folder.front() != '/')
            continue;
        const std::string path = folder + "/" + relative;
        struct stat status
        {
        };
        if (stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode))
            return path;
    }
    return {};
}

std::string runningModulePath()
{
    // Any address inside this module names it: the plug-in's shared object when a host loaded
    // one, the program itself when linked in statically.
    static const char anchor = 0;
    Dl_info info{};
    if (dladdr(&anchor, &info) == 0 || info.dli_fname == nullptr)
        return {};
    return info.dli_fname;
}
} // namespace platform
