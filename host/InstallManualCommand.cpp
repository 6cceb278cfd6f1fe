#include "InstallManualCommand.h"

#include <Manual.h>

#include <cstdio>
#include <filesystem>

namespace
{
// Paths as UTF-8 both ways: from a std::string, Windows would read one in the ANSI code page.
std::filesystem::path pathOf(const std::string& text)
{
    return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

std::string textOf(const std::filesystem::path& path)
{
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}
} // namespace

void addInstallManualOptions(CLI::App& command, InstallManualOptions& options)
{
    command.add_option("file", options.file, "the manual (default: " ORL_DEFAULT_MANUAL ")");
}

int runInstallManual(const InstallManualOptions& options)
{
    std::error_code error;
    const std::filesystem::path given =
        pathOf(options.file.empty() ? ORL_DEFAULT_MANUAL : options.file);
    const std::filesystem::path path = std::filesystem::absolute(given, error).lexically_normal();
    if (error || !std::filesystem::is_regular_file(path, error))
    {
        std::fprintf(stderr, "chordwell-host install-manual: no such file: %s\n",
                     textOf(given).c_str());
        return 1;
    }
    if (storeManualPath(textOf(path)) != 0)
    {
        std::fprintf(stderr, "chordwell-host install-manual: the settings store could not be "
                             "written\n");
        return 1;
    }
    std::printf("manual: %s\n", textOf(path).c_str());
    return 0;
}
