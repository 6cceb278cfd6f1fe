#include "aax_host/SharedLibrary.h"

#include "SystemText.h"

#include <windows.h>

namespace sharedlibrary
{
const char* const kPluginFileName = "ORLChordwell.dll";
const char* const kInstalledPluginFolder = "";

void* open(const std::string& path, std::string& error)
{
    // By its full path, so that the DLLs beside the plug-in are the ones it gets; no dialog
    // box for a missing or damaged file, only the error.
    const std::wstring widePath = wide(path);
    std::wstring full(32768, L'\0');
    const DWORD length =
        GetFullPathNameW(widePath.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
    full.resize(length > 0 && length < full.size() ? length : 0);
    DWORD oldMode = 0;
    SetThreadErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX, &oldMode);
    HMODULE module = full.empty()
                         ? nullptr
                         : LoadLibraryExW(full.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    const DWORD code = module == nullptr ? GetLastError() : 0;
    SetThreadErrorMode(oldMode, nullptr);
    if (module == nullptr)
        error = systemMessage(full.empty() ? ERROR_BAD_PATHNAME : code);
    return module;
}

Symbol find(void* library, const char* name)
{
    return reinterpret_cast<Symbol>(GetProcAddress(static_cast<HMODULE>(library), name));
}

void close(void* library)
{
    FreeLibrary(static_cast<HMODULE>(library));
}

std::string besideExecutable(const std::string& name)
{
    std::wstring self(MAX_PATH, L'\0');
    for (;;)
    {
        const DWORD length =
            GetModuleFileNameW(nullptr, self.data(), static_cast<DWORD>(self.size()));
        if (length == 0)
            return name;
        if (length < self.size())
        {
            self.resize(length);
            break;
        }
        self.resize(self.size() * 2);
    }
    const size_t slash = self.find_last_of(L"\\/");
    return slash == std::wstring::npos
               ? name
               : platform::windows::narrow(self.substr(0, slash + 1)) + name;
}
} // namespace sharedlibrary
