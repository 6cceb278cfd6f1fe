#include "CommandExit.h"

#include <cstdarg>

namespace
{
// Where a captured render's lines go; null: stdout and stderr.
thread_local std::string* captured = nullptr;
} // namespace

// printf to the stream, or into the captured lines.
void report(FILE* stream, const char* format, ...)
{
    char small[1024];
    va_list arguments;
    va_start(arguments, format);
    va_list again;
    va_copy(again, arguments);
    const int length = std::vsnprintf(small, sizeof small, format, arguments);
    va_end(arguments);
    std::string text;
    if (length >= 0 && static_cast<size_t>(length) < sizeof small)
        text = small;
    else if (length >= 0)
    {
        text.resize(static_cast<size_t>(length) + 1);
        std::vsnprintf(text.data(), text.size(), format, again);
        text.resize(static_cast<size_t>(length));
    }
    va_end(again);
    if (captured != nullptr)
        *captured += text;
    else
        std::fputs(text.c_str(), stream);
}

void flushReport()
{
    if (captured == nullptr)
        std::fflush(stdout);
}

bool reportCaptured()
{
    return captured != nullptr;
}

CapturedReport::CapturedReport(std::string& lines)
{
    captured = &lines;
}

CapturedReport::~CapturedReport()
{
    captured = nullptr;
}

int refuse(const char* command, const std::string& message)
{
    report(stderr, "chordwell-host %s: %s\n", command, message.c_str());
    return kRefused;
}

int fail(const char* command, const std::string& message)
{
    report(stderr, "chordwell-host %s: %s\n", command, message.c_str());
    return kFailed;
}
