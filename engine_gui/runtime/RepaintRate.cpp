#include "RepaintRate.h"

#include <juce_gui_basics/juce_gui_basics.h>

namespace orl
{
namespace
{
constexpr double kUsualRefreshHz = 60.0;
}

void assumeUsualRefreshRate()
{
    // The toolkit keeps its list of displays open to change (it refreshes it itself when the
    // screens change, and then asks again).
    auto& displays = const_cast<juce::Displays&>(juce::Desktop::getInstance().getDisplays());
    for (auto& display : displays.displays)
        if (!display.verticalFrequencyHz.has_value() || *display.verticalFrequencyHz <= 0.0)
            display.verticalFrequencyHz = kUsualRefreshHz;
}
} // namespace orl
