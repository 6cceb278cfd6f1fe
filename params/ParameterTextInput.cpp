#include "ParameterTextInput.h"

#include <ExactMath.h>

#include "ParameterTable.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>

namespace
{
std::string trimmed(const char* text)
{
    std::string s(text);
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back())))
        s.pop_back();
    size_t start = 0;
    while (start < s.size() && std::isspace(static_cast<unsigned char>(s[start])))
        ++start;
    return s.substr(start);
}

// The leading number of s; false when there is none or it is not finite.
bool leadingNumber(const std::string& s, double& number)
{
    const char* begin = s.c_str();
    char* end = nullptr;
    number = std::strtod(begin, &end);
    return end != begin && std::isfinite(number);
}

double clamped(double v)
{
    return std::clamp(v, 0.0, 1.0);
}
} // namespace

bool parseParameterText(int slot, const char* text, double& value)
{
    if (text == nullptr || slot < 0 || slot >= chordwell::kPublicSlotCount)
        return false;
    const std::string s = trimmed(text);
    if (slot == 7)
    {
        if (s.rfind("bypass", 0) == 0 || s == "on" || s == "1")
            value = 1.0;
        else if (s.rfind("process", 0) == 0 || s == "off" || s == "0")
            value = 0.0;
        else
            return false;
        return true;
    }
    if (slot == 0 && (s.rfind("-oo", 0) == 0 || s.rfind("-inf", 0) == 0))
    {
        value = 0.0;
        return true;
    }
    double number = 0.0;
    if (!leadingNumber(s, number))
        return false;
    switch (slot)
    {
    case 0: // dB of value^2 * 4
        value = clamped(0.5 * exactmath::pow(10.0, number / 40.0));
        break;
    case 4: // semitones, -24..24
    {
        // The text truncates toward zero and the engine rounds to its step: a quarter step
        // away from zero both show and play the semitone typed.
        const double semitones = std::round(number);
        const double away = semitones > 0.0 ? 0.25 : semitones < 0.0 ? -0.25 : 0.0;
        value = clamped(0.5 + (semitones + away) / 48.0);
        break;
    }
    case 5: // cents, -100..100
        value = clamped(0.5 + number / 200.0);
        break;
    default: // percent
        value = clamped(number / 100.0);
        break;
    }
    return true;
}
