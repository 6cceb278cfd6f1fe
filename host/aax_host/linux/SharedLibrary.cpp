#include "aax_host/SharedLibrary.h"

#include <dlfcn.h>
#include <unistd.h>

#include <climits>
#include <vector>

namespace sharedlibrary
{
const char* const kPluginFileName = "ORLChordwell.so";
const char* const kInstalledPluginFolder = "../lib/orl-chordwell";

void* open(const std::string& path, std::string& error)
{
    // A name without a slash is a file in the working folder, as for every other file the
    // host is given; dlopen would search the library path for it instead.
    const std::string file = path.find('/') == std::string::npos ? "./" + path : path;
    void* handle = dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr)
    {
        const char* reason = dlerror();
        error = reason != nullptr ? reason : "unknown reason";
    }
    return handle;
}

Symbol find(void* library, const char* name)
{
    return reinterpret_cast<Symbol>(dlsym(library, name));
}

void close(void* library)
{
    dlclose(library);
}

std::string besideExecutable(const std::string& name)
{
    std::vector<char> buffer(PATH_MAX + 1, '\0');
    const ssize_t length = readlink("/proc/self/exe", buffer.data(), PATH_MAX);
    std::string self = length > 0 ? std::string(buffer.data(), static_cast<size_t>(length)) : "";
    const size_t slash = self.find_last_of('/');
    const std::string folder = slash == std::string::npos ? "." : self.substr(0, slash);
    return folder + "/" + name;
}
} // namespace sharedlibrary
