#pragma once

#include <filesystem>
#include <random>
#include <string>

// A new, empty folder under the system's temporary folder for a test, as a UTF-8 path; empty
// when none could be made. The caller removes it.
inline std::string makeTempFolder(const std::string& prefix)
{
    std::error_code error;
    const std::filesystem::path base = std::filesystem::temp_directory_path(error);
    if (error)
        return {};
    std::random_device random;
    for (int attempt = 0; attempt < 100; ++attempt)
    {
        // create_directory says whether it made the folder: one that was there is never shared.
        const std::filesystem::path folder = base / (prefix + std::to_string(random()));
        if (std::filesystem::create_directory(folder, error))
        {
            const std::u8string name = folder.u8string();
            return std::string(name.begin(), name.end());
        }
    }
    return {};
}

// A new, empty folder as makeTempFolder makes it, removed with all it holds when the test's
// scope ends, pass or fail. path is empty when none could be made.
struct TempFolder
{
    explicit TempFolder(const std::string& prefix) : path(makeTempFolder(prefix)) {}
    ~TempFolder()
    {
        if (path.empty())
            return;
        std::error_code error;
        std::filesystem::remove_all(std::filesystem::path(std::u8string(path.begin(), path.end())),
                                    error);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string path;
};
