#include "InstalledDocument.h"

namespace platform
{
std::string installedDocument(const std::string&)
{
    // The installer records the manual's path in the settings store; nothing is searched.
    return {};
}
} // namespace platform
