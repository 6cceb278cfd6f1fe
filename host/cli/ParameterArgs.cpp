#include "ParameterArgs.h"

#include <FactoryPresets.h>
#include <ParameterTable.h>
#include <ParameterTextInput.h>

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <vector>

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

std::string lowered(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

std::string withoutBlanks(const std::string& text)
{
    std::string out;
    for (char c : text)
        if (!std::isspace(static_cast<unsigned char>(c)))
            out += c;
    return out;
}

// The panel prints two captions that differ from the parameters' names.
struct Caption
{
    const char* text;
    int slot;
};
constexpr Caption kCaptions[] = {{"decay time", 2}, {"damping", 3}};

// The leading number of the slot's display text for normalized value v ("-24" of "-24 st").
std::optional<double> displayedNumber(int slot, double v)
{
    char text[64];
    getParameterValueText(slot, v, text);
    char* end = nullptr;
    const double number = std::strtod(text, &end);
    if (end == text || !std::isfinite(number))
        return std::nullopt;
    return number;
}

// True when unit (lowered, blanks removed) names the slot's own unit; "c" is short for cents.
bool isUnitOf(int slot, const std::string& unit)
{
    char own[32];
    getParameterUnitText(own, slot);
    const std::string expected = lowered(withoutBlanks(own));
    return unit == expected || (expected == "cents" && (unit == "c" || unit == "cent"));
}
} // namespace

std::optional<int> parsePresetArg(const std::string& text, std::string* error)
{
    if (auto index = parseIndex(text, 9))
        return index;
    std::vector<int> matches;
    for (int index = 0; index < 10; ++index)
    {
        char name[32];
        getFactoryPreset(index, nullptr, name);
        if (equalsIgnoringCase(text, name))
            matches.push_back(index);
    }
    if (matches.size() == 1)
        return matches.front();
    if (error != nullptr)
    {
        if (matches.empty())
        {
            *error = "unknown preset '" + text + "' (use 0-9 or a name; `chordwell-host " +
                     "presets` lists them)";
        }
        else
        {
            *error = "'" + text + "' names presets";
            for (size_t i = 0; i < matches.size(); ++i)
                *error += (i == 0                    ? " "
                           : i + 1 == matches.size() ? " and "
                                                     : ", ") +
                          std::to_string(matches[i]);
            *error += ": give the number";
        }
    }
    return std::nullopt;
}

std::optional<int> parseSlotArg(const std::string& text)
{
    if (auto index = parseIndex(text, chordwell::kPublicSlotCount - 1))
        return index;
    for (int slot = 0; slot < chordwell::kPublicSlotCount; ++slot)
        if (equalsIgnoringCase(text, getParameterName(slot)))
            return slot;
    for (const Caption& caption : kCaptions)
        if (equalsIgnoringCase(text, caption.text))
            return caption.slot;
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

std::optional<double> parseSlotValue(int slot, const std::string& text)
{
    if (slot < 0 || slot >= chordwell::kPublicSlotCount)
        return std::nullopt;
    if (const auto plain = parseDecimal(text))
        return parseUnitValue(text);
    const std::string word = lowered(withoutBlanks(text));
    double value = 0.0;
    if (slot == 7)
    {
        if (word != "on" && word != "off" && word != "bypassed" && word != "process")
            return std::nullopt;
        return parseParameterText(slot, word.c_str(), value) ? std::optional<double>(value)
                                                             : std::nullopt;
    }
    // A signed decimal number directly followed by the slot's unit; "-inf" / "-oo" for the
    // silence of Output, with or without "dB".
    const size_t unitStart = word.find_first_not_of("0123456789.+-");
    const std::string number = word.substr(0, unitStart);
    const std::string unit = unitStart == std::string::npos ? "" : word.substr(unitStart);
    const bool silence =
        slot == 0 && (word == "-inf" || word == "-infdb" || word == "-oo" || word == "-oodb");
    if (!silence)
    {
        const auto typed = parseDecimal(number);
        if (!typed || !isUnitOf(slot, unit))
            return std::nullopt;
        // The panel's ends, within the rounding of its display (Output's top is +12.04 dB).
        const auto low = displayedNumber(slot, 0.0);
        const auto high = displayedNumber(slot, 1.0);
        if ((low && *typed < *low - 0.05) || (high && *typed > *high + 0.05))
            return std::nullopt;
    }
    if (!parseParameterText(slot, word.c_str(), value))
        return std::nullopt;
    return value;
}

std::string slotRangesText()
{
    std::string text;
    for (int slot = 0; slot < chordwell::kPublicSlotCount; ++slot)
    {
        char low[64];
        char high[64];
        char unit[32];
        getParameterValueText(slot, 0.0, low);
        getParameterValueText(slot, 1.0, high);
        getParameterUnitText(unit, slot);
        text += std::string("  ") + getParameterName(slot);
        for (const Caption& caption : kCaptions)
            if (caption.slot == slot)
                text += std::string(" (\"") + caption.text + "\")";
        if (slot == 7)
            text += ": off | on\n";
        else
            text += std::string(": ") + (slot == 0 ? "-inf" : low) + " .. " + high + unit + "\n";
    }
    text += "  or any of them as a plain number within 0..1 (normalized)";
    return text;
}

std::string slotValuesText(const double* values)
{
    std::string text;
    for (int slot = 0; slot < chordwell::kPublicSlotCount; ++slot)
    {
        char display[64];
        getParameterDisplayText(slot, values[slot], display);
        std::string shown = display;
        while (!shown.empty() && shown.back() == ' ')
            shown.pop_back();
        text += (slot == 0 ? "" : ", ") + std::string(getParameterName(slot)) + " " + shown;
    }
    return text;
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
        error =
            "unknown slot '" + text.substr(0, equals) + "'; the slots are:\n" + slotRangesText();
        return std::nullopt;
    }
    const auto value = parseSlotValue(*slot, text.substr(equals + 1));
    if (!value)
    {
        const std::string given = text.substr(equals + 1);
        error = "value '" + given + "' for " + getParameterName(*slot) +
                " is outside its range or not in its unit";
        // A plain number above 1 is most likely meant in the panel's unit.
        char unit[32];
        getParameterUnitText(unit, *slot);
        if (parseDecimal(given) && *slot != 7)
            error += " (a plain number is normalized 0..1; in the panel's unit write " + given +
                     withoutBlanks(unit) + ")";
        error += "; the slots are:\n" + slotRangesText();
        return std::nullopt;
    }
    return std::make_pair(*slot, *value);
}
