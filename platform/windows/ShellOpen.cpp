#include "ShellOpen.h"

#include "Utf16.h"

#include <windows.h>

#include <shellapi.h>

namespace platform
{
int shellOpen(const std::string& path)
{
    const auto wide = windows::widenName(path);
    if (!wide || wide->empty())
        return kShellFileNotFound;
    // An empty or missing path would otherwise open whatever the shell makes of it (an empty
    // one the current folder in Explorer); a web address has no file to check.
    if (!isWebAddress(path) && GetFileAttributesW(wide->c_str()) == INVALID_FILE_ATTRIBUTES)
        return kShellFileNotFound;
    const HINSTANCE result =
        ShellExecuteW(nullptr, L"open", wide->c_str(), nullptr, nullptr, SW_SHOW);
    // Not a handle: the shell's status in the 16-bit convention (above 32 success).
    return static_cast<int>(reinterpret_cast<INT_PTR>(result));
}
} // namespace platform
