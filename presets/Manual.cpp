#include "Manual.h"

#include "RegistrySettings.h"

#include <InstalledDocument.h>
#include <MessageBox.h>
#include <ShellOpen.h>

std::optional<ManualMessage> manualFailureMessage(int shellResult)
{
    if (shellResult > 32)
        return std::nullopt;
    if (shellResult == platform::kShellNoApplication)
        return ManualMessage{"Make sure Acrobat Reader is installed", "Could not open manual file"};
    return ManualMessage{"Could not open user manual", ""};
}

std::string manualPath()
{
    platform::StoredValue stored;
    if (productSettings().read("ManualPath", stored) != platform::kStoreOk)
        return {};
    // A path ends at its first NUL, as a registry string does; the buffer holds 1024 units.
    std::string path(stored.data.begin(), stored.data.end());
    path = path.substr(0, path.find('\0'));
    return path.size() <= 1024 ? path : std::string();
}

int32_t storeManualPath(const std::string& path)
{
    // What manualPath() would not read back is not stored.
    if (path.size() > 1024 || path.find('\0') != std::string::npos)
        return platform::kStoreFailed;
    return productSettings().write("ManualPath", platform::StoredValue::text(path));
}

std::string manualToOpen()
{
    std::string path = manualPath();
    if (path.empty())
        path = platform::moduleDocument(kBundledManual);
    return path.empty() ? platform::installedDocument(kInstalledManual) : path;
}

void openManual(ShellOpener opener)
{
    const int result = (opener != nullptr ? opener : platform::shellOpen)(manualToOpen());
    if (const auto message = manualFailureMessage(result))
        platform::showMessageBox(message->text, message->caption);
}
