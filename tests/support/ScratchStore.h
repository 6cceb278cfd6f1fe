#pragma once

#include "TempFolder.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <SettingsStore.h>
#include <windows.h>
#endif

// Points the product's settings store at a fresh scratch store for the life of the object, so
// that tests never touch the user's own settings: a temporary folder on Linux, a registry key
// named after that folder on Windows (deleted at the end). root() is a scratch folder for
// files on both.
class ScratchStore
{
  public:
    static constexpr const char* kVariable = "ORL_CHORDWELL_STORE_DIR";

    ScratchStore()
    {
        if (const char* old = std::getenv(kVariable))
            previous = old;
        folder = makeTempFolder("orl-store-");
        if (folder.empty())
        {
            // Without its own store a test would write the user's settings.
            std::fprintf(stderr, "ScratchStore: no temporary folder can be made\n");
            std::abort();
        }
        setVariable(folder);
#ifdef _WIN32
        key = platform::userStorePath("Orlund", "ORLChordwell", kVariable);
        deleteKey();
#endif
    }
    ~ScratchStore()
    {
#ifdef _WIN32
        deleteKey();
#endif
        setVariable(previous);
        std::error_code ignored;
        std::filesystem::remove_all(
            std::filesystem::path(std::u8string(folder.begin(), folder.end())), ignored);
    }
    ScratchStore(const ScratchStore&) = delete;
    ScratchStore& operator=(const ScratchStore&) = delete;

    // The store's path: the key on Windows, the file on Linux.
    std::string storeFile() const
    {
#ifdef _WIN32
        return key;
#else
        return folder + "/ORLChordwell.settings";
#endif
    }
    const std::string& root() const
    {
        return folder;
    }

  private:
    // An empty value removes the variable.
    static void setVariable(const std::string& value)
    {
#ifdef _WIN32
        _putenv_s(kVariable, value.c_str());
#else
        if (value.empty())
            unsetenv(kVariable);
        else
            setenv(kVariable, value.c_str(), 1);
#endif
    }

#ifdef _WIN32
    void deleteKey() const
    {
        // Only ever a test key: its name is ASCII by construction.
        if (key.find("-test-") != std::string::npos)
            RegDeleteTreeW(HKEY_CURRENT_USER, std::wstring(key.begin(), key.end()).c_str());
    }
    std::string key;
#endif
    std::string folder;
    std::string previous;
};
