#pragma once

#include <string>

// The system's message box: an OK-only box without owner window. Until a toolkit or a test
// installs its own box, Windows shows MessageBoxW and Linux, which has no system box, writes
// the caption and text to stderr. Text and caption are UTF-8.
namespace platform
{
using MessageBoxHandler = void (*)(const std::string& text, const std::string& caption);

// Main thread. Installs handler (null restores the stand-in); returns the previous one.
MessageBoxHandler setMessageBoxHandler(MessageBoxHandler handler);

// Main thread. Shows text under caption and returns when the user has closed the box.
void showMessageBox(const std::string& text, const std::string& caption);
} // namespace platform
