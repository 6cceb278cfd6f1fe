#include "CurrentFolder.h"

#include <mutex>
#include <unistd.h>
#include <vector>

namespace platform
{
namespace
{
std::mutex folderLock;
std::string rememberedFolder;

std::string workingDirectory()
{
    std::vector<char> buffer(4096);
    if (getcwd(buffer.data(), buffer.size()) == nullptr)
        return {};
    std::string folder = buffer.data();
    if (folder.empty() || folder.back() != kPathSeparator)
        folder += kPathSeparator;
    return folder;
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
