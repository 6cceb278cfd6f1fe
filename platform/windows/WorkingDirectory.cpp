#include "CurrentFolder.h"
#include "SystemServices.h"

#include "Utf16.h"

#include <vector>
#include <windows.h>

namespace platform::system
{
std::string workingDirectory()
{
    // The folder may change between asking for its length and reading it: ask again then.
    for (int attempt = 0; attempt < 4; ++attempt)
    {
        const DWORD needed = GetCurrentDirectoryW(0, nullptr);
        if (needed == 0)
            return {};
        std::vector<wchar_t> buffer(needed);
        const DWORD length = GetCurrentDirectoryW(needed, buffer.data());
        if (length == 0)
            return {};
        if (length >= needed)
            continue;
        std::string folder = windows::narrow(buffer.data(), length);
        if (folder.empty())
            return {};
        if (folder.back() != '\\' && folder.back() != '/')
            folder += kPathSeparator;
        return folder;
    }
    return {};
}
} // namespace platform::system
