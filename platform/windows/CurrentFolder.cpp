#include "CurrentFolder.h"

#include "Utf16.h"

#include <mutex>
#include <vector>
#include <windows.h>

namespace platform
{
namespace
{
std::mutex folderLock;
std::string rememberedFolder;

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
} // namespace

std::string currentFolder()
{
    std::lock_guard<std::mutex> guard(folderLock);
    return rememberedFolder.empty() ? workingDirectory() : rememberedFolder;
}

void setCurrentFolder(const std::string& folder)
{
    if (folder.empty())
        return;
    std::lock_guard<std::mutex> guard(folderLock);
    rememberedFolder = folder;
}
} // namespace platform
