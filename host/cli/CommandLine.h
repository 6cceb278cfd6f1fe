#pragma once

#include <string>
#include <vector>

// The program's arguments as UTF-8, whatever the system passed to main (Windows gives main its
// arguments in the ANSI code page, which cannot hold every file name). Main thread.
std::vector<std::string> commandLineArguments(int argc, char** argv);
