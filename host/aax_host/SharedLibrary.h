#pragma once

#include <string>

// The system's loader of shared libraries (dlopen, LoadLibrary). Main thread.
namespace sharedlibrary
{
using Symbol = void (*)();

// The library's handle, or null with the loader's reason in error.
void* open(const std::string& path, std::string& error);
// An exported function of the library, or null.
Symbol find(void* library, const char* name);
void close(void* library);

// The path of a file of that name in the running executable's folder.
std::string besideExecutable(const std::string& name);

// The plug-in library's file name on this system.
extern const char* const kPluginFileName;
// Where an installation puts the plug-in library when it is not beside the executable,
// relative to the executable's folder ("../lib/orl-chordwell" on Linux); empty where the
// installation keeps it beside (Windows).
extern const char* const kInstalledPluginFolder;
} // namespace sharedlibrary
