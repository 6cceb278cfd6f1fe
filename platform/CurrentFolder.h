#pragma once

#include <string>

// The folder that file choosers and new preset banks start in. The product remembers the last
// folder it used instead of changing the process's working directory, which the host and the
// other instances share.
namespace platform
{
#ifdef _WIN32
// The separator the system writes; a path a user typed may hold either of kPathSeparators.
inline constexpr char kPathSeparator = '\\';
inline constexpr const char* kPathSeparators = "\\/";
#else
inline constexpr char kPathSeparator = '/';
inline constexpr const char* kPathSeparators = "/";
#endif

// Main thread. The last folder passed to setCurrentFolder, else the process's working
// directory; either way with its trailing separator (empty when neither is known). UTF-8.
std::string currentFolder();

// Main thread. Remembers folder for later calls; an empty folder changes nothing.
void setCurrentFolder(const std::string& folder);
} // namespace platform
