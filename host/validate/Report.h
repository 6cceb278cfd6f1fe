#pragma once

#include "ValidateCommand.h"

#include <chrono>

namespace validation
{
// Prints one check's line: ok or FAIL, its counts, its time since start and its first failure.
// Main thread.
void report(const char* name, const ValidateVerdict& verdict,
            std::chrono::steady_clock::time_point start);
} // namespace validation
