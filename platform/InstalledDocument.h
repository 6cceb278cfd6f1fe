#pragma once

#include <string>

namespace platform
{
// Main thread. The path of an installed document, the first existing file named relative
// (e.g. "doc/orl-chordwell/manual.html") under the system's data folders; empty when there is
// none. Linux: $XDG_DATA_HOME (default ~/.local/share, where the portable archive installs),
// then each of $XDG_DATA_DIRS (default /usr/local/share:/usr/share, where the package
// installs). Windows: always empty, as its installer records the path in the settings store.
std::string installedDocument(const std::string& relative);
} // namespace platform
