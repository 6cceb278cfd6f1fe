#include "CurrentFolder.h"

#include "SystemServices.h"

#include <mutex>

namespace platform
{
namespace
{
std::mutex folderLock;
std::string rememberedFolder;
} // namespace

std::string currentFolder()
{
    std::lock_guard<std::mutex> guard(folderLock);
    return rememberedFolder.empty() ? system::workingDirectory() : rememberedFolder;
}

void setCurrentFolder(const std::string& folder)
{
    if (folder.empty())
        return;
    std::lock_guard<std::mutex> guard(folderLock);
    rememberedFolder = folder;
}
} // namespace platform
