#include "InstallManualCommand.h"

#include "OutputFile.h"

#include <FileAccess.h>
#include <Manual.h>

#include <unistd.h>

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
    // A manual the window's "?" button could not open is not recorded.
    std::string unreadable;
    const int fd = openRegularFile(platform::utf8FromPath(path), unreadable);
    if (fd < 0)
    {
        std::fprintf(stderr, "chordwell-host install-manual: %s\n", unreadable.c_str());
        return 1;
    }
    ::close(fd);
    if (platform::utf8FromPath(path).size() > 1024)
    {
        std::fprintf(stderr, "chordwell-host install-manual: the path is longer than the 1024 "
                             "bytes the settings store keeps\n");
        return 1;
    }
    // The store has said why on stderr, once.
    if (storeManualPath(platform::utf8FromPath(path)) != 0)
        return 1;
    std::printf("manual: %s\n", platform::utf8FromPath(path).c_str());
    return 0;
}
