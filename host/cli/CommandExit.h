#pragma once

#include <cstdio>
#include <string>

// How every command ends: 0 when it did what it was asked, kFailed when something could not
// be read, loaded or written, kRefused when the command line or what it names is wrong. Its
// message names the command: "chordwell-host NAME: why". Main thread, or a batch render's
// own thread.
constexpr int kFailed = 1;
constexpr int kRefused = 2;

// Prints "chordwell-host COMMAND: message" on stderr and returns kRefused or kFailed.
int refuse(const char* command, const std::string& message);
int fail(const char* command, const std::string& message);

// printf to the stream, or into this thread's captured lines while a CapturedReport lives.
[[gnu::format(gnu_printf, 2, 3)]] void report(FILE* stream, const char* format, ...);
// Flushes stdout, unless this thread's lines are captured.
void flushReport();
bool reportCaptured();

// While it lives, what this thread reports goes into lines (a batch render prints each
// render's lines together).
class CapturedReport
{
  public:
    explicit CapturedReport(std::string& lines);
    ~CapturedReport();
    CapturedReport(const CapturedReport&) = delete;
    CapturedReport& operator=(const CapturedReport&) = delete;
};
