#pragma once

#include <array>

// The user's own zoom of the window, in percent, remembered in the product's settings as the
// string value "WindowZoom". The window is drawn at the host's scale times this zoom.
namespace windowzoom
{
inline constexpr std::array<int, 5> kChoices{100, 125, 150, 200, 300};

// Main thread. The stored zoom; 100 when none is stored or the stored value is not a choice.
int storedPercent();

// Main thread. Stores a choice (anything else is refused: false); false also when the store
// cannot be written.
bool storePercent(int percent);
} // namespace windowzoom
