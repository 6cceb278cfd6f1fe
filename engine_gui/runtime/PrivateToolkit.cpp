#include "PrivateToolkit.h"

#include "WindowManagerAtoms.h"

#include <juce_events/juce_events.h>

namespace orl
{
namespace
{
int starts = 0;
} // namespace

void startPrivateToolkit()
{
    if (starts++ > 0)
        return;
    juce::initialiseJuce_GUI();
    createWindowManagerAtoms();
}

void stopPrivateToolkit()
{
    if (starts > 0 && --starts == 0)
        juce::shutdownJuce_GUI();
}
} // namespace orl
