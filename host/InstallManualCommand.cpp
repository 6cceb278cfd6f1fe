#include "InstallManualCommand.h"

#include <FileAccess.h>
#include <Manual.h>

#include <cstdio>
#include <filesystem>

void addInstallManualOptions(CLI::App& command, InstallManualOptions& options)
{
    command.add_option("file", options.file, "the manual (default: " ORL_DEFAULT_MANUAL ")");
}

int runInstallManual(const InstallManualOptions& options)
{
    std::error_code error;
    const std::filesystem::path given =
        platform::pathFromUtf8(options.file.empty() ? ORL_DEFAULT_MANUAL : options.file);
    const std::filesystem::path path = std::filesystem::absolute(given, error).lexically_normal();
    if (error || !std::filesystem::is_regular_file(path, error))
    {
        std::fprintf(stderr, "chordwell-host install-manual: no such file: %s\n",
                     platform::utf8FromPath(given).c_str());
        return 1;
    }
    if (storeManualPath(platform::utf8FromPath(path)) != 0)
    {
        std::fprintf(stderr, "chordwell-host install-manual: the settings store could not be "
                             "written\n");
        return 1;
    }
    std::printf("manual: %s\n", platform::utf8FromPath(path).c_str());
    return 0;
}
