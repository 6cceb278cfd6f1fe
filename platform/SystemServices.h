#pragma once

#include <string>

// What each system's implementation provides to the common parts of the platform layer.
namespace platform::system
{
// Main thread. The system's own message box (Linux, until a toolkit installs its box: stderr).
void showMessageBox(const std::string& text, const std::string& caption);

// Any thread. The process's working directory with its trailing separator; empty when unknown.
std::string workingDirectory();
} // namespace platform::system
