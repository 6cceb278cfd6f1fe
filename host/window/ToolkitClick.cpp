#include "ToolkitClick.h"

void clickAt(juce::Component& root, juce::Point<int> point)
{
    juce::Component* target = root.getComponentAt(point);
    if (target == nullptr)
        return;
    const auto local = target->getLocalPoint(&root, point).toFloat();
    const auto now = juce::Time::getCurrentTime();
    auto source = juce::Desktop::getInstance().getMainMouseSource();
    const juce::MouseEvent press(source, local,
                                 juce::ModifierKeys(juce::ModifierKeys::leftButtonModifier),
                                 juce::MouseInputSource::defaultPressure, 0.0f, 0.0f, 0.0f, 0.0f,
                                 target, target, now, local, now, 1, false);
    target->mouseDown(press);
    const juce::MouseEvent release(source, local, juce::ModifierKeys(), 0.0f, 0.0f, 0.0f, 0.0f,
                                   0.0f, target, target, now, local, now, 1, false);
    target->mouseUp(release);
}
