#include "ParameterArgs.h"

#include <FactoryPresets.h>
#include <ParameterTable.h>

#include <cctype>
#include <cmath>
#include <cstdlib>

namespace
{
bool equalsIgnoringCase(const std::string& a, const std::string& b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

std::optional<int> parseIndex(const std::string& text, int last)
{
    if (text.empty() || text.size() > 2)
        return std::nullopt;
    for (char c : text)
        if (!std::isdigit(static_cast<unsigned char>(c)))
            return std::nullopt;
    const int value = std::atoi(text.c_str());
    return value <= last ? std::optional<int>(value) : std::nullopt;
}
} // namespace

std::optional<int> parsePresetArg(const std::string& text)
{
    if (auto index = parseIndex(text, 9))
        return index;
    for (int index = 0; index < 6; ++index)
    {
        char name[32];
        getFactoryPreset(index, nullptr, name);
        if (equalsIgnoringCase(text, name))
            return index;
    }
    if (equalsIgnoringCase(text, "Init"))
        return 6;
    return std::nullopt;
}

std::optional<int> parseSlotArg(const std::string& text)
{
    if (auto index = parseIndex(text, chordwell::kPublicSlotCount - 1))
        return index;
    for (int slot = 0; slot < chordwell::kPublicSlotCount; ++slot)
        if (equalsIgnoringCase(text, getParameterName(slot)))
            return slot;
    return std::nullopt;
}

std::optional<double> parseDecimal(const std::string& text)
{
    if (text.empty() || text.find_first_not_of("0123456789.eE+-") != std::string::npos)
        return std::nullopt;
    char* end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    if (end != text.c_str() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<double> parseUnitValue(const std::string& text)
{
    const auto value = parseDecimal(text);
    if (!value || *value < 0.0 || *value > 1.0)
        return std::nullopt;
    return value;
}

std::optional<std::pair<int, double>> parseSlotAssignment(const std::string& text,
                                                          std::string& error)
{
    const auto equals = text.find('=');
    if (equals == std::string::npos)
    {
        error = "'" + text + "' is not SLOT=VALUE";
        return std::nullopt;
    }
    const auto slot = parseSlotArg(text.substr(0, equals));
    if (!slot)
    {
        error = "unknown slot '" + text.substr(0, equals) +
                "' (use a name such as Decay or an index 0-7)";
        return std::nullopt;
    }
    const auto value = parseUnitValue(text.substr(equals + 1));
    if (!value)
    {
        error = "value '" + text.substr(equals + 1) + "' for " + getParameterName(*slot) +
                " is not a number within 0..1";
        return std::nullopt;
    }
    return std::make_pair(*slot, *value);
}
