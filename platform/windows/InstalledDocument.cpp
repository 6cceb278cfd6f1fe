#include "InstalledDocument.h"

#include "Utf16.h"

#include <windows.h>

namespace platform
{
std::string installedDocument(const std::string&)
{
    // The installer records the manual's path in the settings store; nothing is searched.
    return {};
}

std::string runningModulePath()
{
    // Any address inside this module names it: the plug-in's DLL when a host loaded one, the
    // program itself when linked in statically.
    static const char anchor = 0;
    HMODULE module = nullptr;
    if (!GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                                GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                            reinterpret_cast<LPCWSTR>(&anchor), &module))
        return {};
    // Long paths may exceed MAX_PATH: grow until the name fits.
    std::wstring path(260, L'\0');
    while (path.size() <= 32768)
    {
        const DWORD length =
            GetModuleFileNameW(module, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0)
            return {};
        if (length < path.size())
            return windows::narrow(path.data(), length);
        path.resize(path.size() * 2);
    }
    return {};
}
} // namespace platform
