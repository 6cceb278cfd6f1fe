#include "cli/CommandLine.h"

#include "aax_host/windows/SystemText.h"

#include <windows.h>

#include <shellapi.h>

std::vector<std::string> commandLineArguments(int argc, char** argv)
{
    int count = 0;
    wchar_t** units = CommandLineToArgvW(GetCommandLineW(), &count);
    if (units == nullptr)
        return std::vector<std::string>(argv, argv + argc);
    std::vector<std::string> arguments;
    for (int i = 0; i < count; ++i)
        arguments.push_back(platform::windows::narrow(std::wstring(units[i])));
    LocalFree(units);
    return arguments;
}
