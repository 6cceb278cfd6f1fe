#pragma once

#include <cstdint>
#include <optional>
#include <string>

// The operation manual, opened from the preset bar with the application registered for its
// type. Its path is the "ManualPath" setting, put there by the product's installation step or
// the Windows installer; without one, the manual carried with the plug-in, then the one the
// Linux package or archive installed.

struct ManualMessage
{
    std::string text;
    std::string caption;
};

// Any thread. The message box for a shell-open result: nothing above 32 (opened); for 31 (no
// application) "Make sure Acrobat Reader is installed" captioned "Could not open manual file";
// for every other result "Could not open user manual" with an empty caption.
std::optional<ManualMessage> manualFailureMessage(int shellResult);

// Main thread. The stored manual path, empty when missing or unreadable.
std::string manualPath();

// Main thread. Records path as the "ManualPath" setting (the installation's step); returns the
// store's status (0 success). A path longer than 1024 characters is refused (non-zero).
int32_t storeManualPath(const std::string& path);

// The installed manual's path below a system data folder (/usr/share, ~/.local/share).
inline constexpr const char* kInstalledManual = "doc/orl-chordwell/manual.html";

// The manual's file name beside the plug-in library and in the bundles (a VST 3 bundle's
// Contents/Resources, the LV2 bundle's folder).
inline constexpr const char* kBundledManual = "manual.html";

// Main thread. The manual the "?" button opens: the stored path, else the one travelling with
// the running plug-in (beside its binary or in its bundle's resources), else the installed
// manual, else empty.
std::string manualToOpen();

using ShellOpener = int (*)(const std::string& path);

// Main thread. Opens the manual through opener (the system's shell open by default) and shows
// the failure message, if any, in a message box.
void openManual(ShellOpener opener = nullptr);
