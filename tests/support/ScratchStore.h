#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>

// Points the product's settings store at a fresh temporary folder for the life of the object,
// so that tests never touch the user's own settings.
class ScratchStore
{
  public:
    static constexpr const char* kVariable = "ORL_CHORDWELL_STORE_DIR";

    ScratchStore()
    {
        if (const char* old = std::getenv(kVariable))
            previous = old;
        std::string pattern =
            (std::filesystem::temp_directory_path() / "orl-store-XXXXXX").string();
        if (mkdtemp(pattern.data()) != nullptr)
            folder = pattern;
        setenv(kVariable, folder.c_str(), 1);
    }
    ~ScratchStore()
    {
        if (previous.empty())
            unsetenv(kVariable);
        else
            setenv(kVariable, previous.c_str(), 1);
        std::error_code ignored;
        if (!folder.empty())
            std::filesystem::remove_all(folder, ignored);
    }
    ScratchStore(const ScratchStore&) = delete;
    ScratchStore& operator=(const ScratchStore&) = delete;

    const std::string& root() const { return folder; }
    std::string storeFile() const { return folder + "/ORLChordwell.settings"; }

  private:
    std::string folder;
    std::string previous;
};
