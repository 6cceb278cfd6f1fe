#include "AutomationArg.h"

#include "ParameterArgs.h"

#include <cmath>
#include <cstdlib>

std::optional<AutomationPoint> parseAutomationArg(const std::string& text, std::string& error)
{
    const size_t at = text.find('@');
    const size_t equals = text.find('=', at == std::string::npos ? 0 : at);
    if (at == std::string::npos || equals == std::string::npos)
    {
        error = "--automate '" + text + "': use SLOT@SECONDS=VALUE";
        return std::nullopt;
    }
    const auto slot = parseSlotArg(text.substr(0, at));
    if (!slot)
    {
        error = "--automate '" + text + "': unknown slot; the slots are:\n" + slotRangesText();
        return std::nullopt;
    }
    const std::string time = text.substr(at + 1, equals - at - 1);
    const double seconds = parseDecimal(time).value_or(-1.0);
    if (seconds < 0.0 || seconds > 3600.0)
    {
        error = "--automate '" + text + "': the time must be 0 to 3600 seconds";
        return std::nullopt;
    }
    const auto value = parseSlotValue(*slot, text.substr(equals + 1));
    if (!value)
    {
        error = "--automate '" + text +
                "': the value is outside its range or not in its unit; the slots are:\n" +
                slotRangesText();
        return std::nullopt;
    }
    return AutomationPoint{*slot, seconds, *value};
}
