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

// Main thread. The document named name that travels with the running module (the plug-in
// library or bundle binary holding this code): beside the module's file, else in
// ../Resources from it (a VST 3 bundle keeps its binary in Contents/<architecture>/ and its
// documents in Contents/Resources/); empty when there is none or the module is unknown.
std::string moduleDocument(const std::string& name);

// Main thread. As moduleDocument, for the module file at modulePath (UTF-8).
std::string documentBesideModule(const std::string& modulePath, const std::string& name);

// Main thread. The UTF-8 path of the module file holding this code; empty when unknown.
std::string runningModulePath();
} // namespace platform
