#include "InstallManualCommand.h"

#include "CommandExit.h"
#include "audio/OutputFile.h"

#include "aax_host/SharedLibrary.h"

#include <FileAccess.h>
#include <InstalledDocument.h>
#include <Manual.h>

#include <unistd.h>

#include <cstdio>
#include <filesystem>

namespace
{
// The manual that travels with this program: beside it (the build tree, a portable copy),
// where an installation beside bin/ puts it, or in the system's data folders.
std::string manualWithTheProgram()
{
    std::error_code error;
    for (const std::string& candidate :
         {sharedlibrary::besideExecutable("manual.html"),
          sharedlibrary::besideExecutable(std::string("../share/") + kInstalledManual)})
        if (std::filesystem::is_regular_file(platform::pathFromUtf8(candidate), error))
            return candidate;
    return platform::installedDocument(kInstalledManual);
}
} // namespace

void addInstallManualOptions(CLI::App& command, InstallManualOptions& options)
{
    command.add_option("file", options.file,
                       "the manual (default: the one beside this program or installed with it)");
}

int runInstallManual(const InstallManualOptions& options)
{
    const std::string chosen = options.file.empty() ? manualWithTheProgram() : options.file;
    if (chosen.empty())
    {
        return refuse("install-manual", "no manual beside this program or installed with it; "
                                        "give its path: install-manual FILE");
    }
    std::error_code error;
    const std::filesystem::path given = platform::pathFromUtf8(chosen);
    const std::filesystem::path path = std::filesystem::absolute(given, error).lexically_normal();
    if (error || !std::filesystem::is_regular_file(path, error))
    {
        return fail("install-manual", "no such file: " + platform::utf8FromPath(given));
    }
    // A manual the window's "?" button could not open is not recorded.
    std::string unreadable;
    const int fd = openRegularFile(platform::utf8FromPath(path), unreadable);
    if (fd < 0)
    {
        return fail("install-manual", unreadable);
    }
    ::close(fd);
    if (platform::utf8FromPath(path).size() > 1024)
    {
        return fail("install-manual",
                    "the path is longer than the 1024 bytes the settings store keeps");
    }
    // The store has said why on stderr, once.
    if (storeManualPath(platform::utf8FromPath(path)) != 0)
        return kFailed;
    std::printf("manual: %s\n", platform::utf8FromPath(path).c_str());
    return 0;
}
