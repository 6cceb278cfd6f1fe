#include "NumberFormat.h"

#include <ExactMath.h>

#include <cmath>
#include <cstring>

namespace
{
constexpr int kMaxChars = 8;
}

void formatNumber(float value, int decimals, char* text)
{
    double v = value;
    const double scale = std::trunc(exactmath::pow(10.0, decimals));
    const double scaled = scale * v;
    const double fraction = scaled - std::trunc(scaled);
    if (fraction >= 0.49999)
        v = (scaled + 1.0) * exactmath::pow(0.1, decimals);
    else if (fraction <= -0.49999)
        v = (scaled - 1.0) * exactmath::pow(0.1, decimals);

    if (v > 99999999.0 || v < -9999999.0)
        return;

    char out[kMaxChars + 1];
    int length = 0;
    const bool negative = v < 0.0;
    const double magnitude = std::fabs(v);
    double whole = std::floor(magnitude);

    // Digits of the integer part, least significant first, then reversed.
    char digits[16];
    int count = 0;
    do
    {
        digits[count++] = static_cast<char>('0' + static_cast<int>(std::fmod(whole, 10.0)));
        whole = std::floor(whole / 10.0);
    } while (whole > 0.0 && count < 16);
    // Sign, digits and point fit in 8 characters; the highest digits give way.
    const int room = kMaxChars - 1 - (negative ? 1 : 0);
    if (count > room)
        count = room;
    if (negative)
        out[length++] = '-';
    for (int i = count - 1; i >= 0; --i)
        out[length++] = digits[i];
    const int point = length;
    out[length++] = '.';

    double rest = magnitude - std::floor(magnitude);
    while (length < kMaxChars)
    {
        rest *= 10.0;
        const double digit = std::trunc(rest);
        out[length++] = static_cast<char>('0' + static_cast<int>(digit));
        rest -= digit;
    }

    int keep = decimals > 0 ? point + 1 + decimals : point;
    if (keep > length)
        keep = length;
    std::memcpy(text, out, static_cast<size_t>(keep));
    text[keep] = '\0';
}
