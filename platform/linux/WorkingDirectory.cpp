#include "CurrentFolder.h"
#include "SystemServices.h"

#include <unistd.h>
#include <vector>

namespace platform::system
{
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
} // namespace platform::system
