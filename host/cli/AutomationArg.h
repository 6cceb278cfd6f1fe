#pragma once

#include <optional>
#include <string>

// One host automation point of the command line. Main thread.
struct AutomationPoint
{
    int slot = 0;
    double seconds = 0.0;
    double value = 0.0;
};

// "SLOT@SECONDS=VALUE": a public slot (name or 0-7), a time in seconds from the start
// (0 to 3600), a value as parseSlotValue reads it (normalized or in the panel's unit); error
// receives the reason when refused.
std::optional<AutomationPoint> parseAutomationArg(const std::string& text, std::string& error);
