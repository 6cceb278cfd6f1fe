#include "FileAccess.h"
#include "InstalledDocument.h"

#include <system_error>

namespace platform
{
std::string documentBesideModule(const std::string& modulePath, const std::string& name)
{
    if (modulePath.empty() || name.empty())
        return {};
    const std::filesystem::path folder = pathFromUtf8(modulePath).parent_path();
    for (const std::filesystem::path& place :
         {folder / pathFromUtf8(name), folder / ".." / "Resources" / pathFromUtf8(name)})
    {
        // The path that is checked is the one given out. A folder or a broken link of that
        // name is no document.
        const std::filesystem::path candidate = place.lexically_normal();
        std::error_code error;
        if (std::filesystem::is_regular_file(candidate, error))
            return utf8FromPath(candidate);
    }
    return {};
}

std::string moduleDocument(const std::string& name)
{
    return documentBesideModule(runningModulePath(), name);
}
} // namespace platform
