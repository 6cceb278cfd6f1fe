// A person's drag, made the system's way: xdotool's fake X input on Linux, SendInput on Windows
// (which Wine turns into X input of its own).
#include "JuceVst3Host.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace vst3host
{
namespace
{
// What the host hears of a parameter, in dragDecay's letters.
struct GestureLog final : juce::AudioProcessorParameter::Listener
{
    void parameterValueChanged(int, float) override { events += 'v'; }
    void parameterGestureChanged(int, bool starting) override { events += starting ? 'b' : 'e'; }
    std::string events;
};
} // namespace

#ifdef _WIN32
namespace
{
// Absolute positions are in 65536ths of the primary screen.
bool sendMouse(juce::Point<int> at, DWORD flags)
{
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = MulDiv(at.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = MulDiv(at.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    input.mi.dwFlags = MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE | flags;
    return SendInput(1, &input, sizeof(input)) == 1;
}
} // namespace
#endif

bool dragUp(juce::Point<int> at, int steps)
{
#ifdef _WIN32
    bool sent = sendMouse(at, 0);
    pump(200);
    sent = sendMouse(at, MOUSEEVENTF_LEFTDOWN) && sent;
    for (int step = 1; step <= steps; ++step)
    {
        pump(30);
        sent = sendMouse(at.translated(0, -3 * step), 0) && sent;
    }
    pump(100);
    return sendMouse(at.translated(0, -3 * steps), MOUSEEVENTF_LEFTUP) && sent;
#else
    juce::StringArray drag{"xdotool", "mousemove", juce::String(at.x), juce::String(at.y),
                           "sleep",   "0.2",       "mousedown",        "1"};
    for (int step = 1; step <= steps; ++step)
        drag.addArray(
            {"sleep", "0.03", "mousemove", juce::String(at.x), juce::String(at.y - 3 * step)});
    drag.addArray({"sleep", "0.1", "mouseup", "1"});
    juce::ChildProcess xdotool;
    if (!xdotool.start(drag))
        return false;
    while (xdotool.isRunning())
        pump(20);
    return true;
#endif
}

std::string dragDecay(juce::AudioPluginInstance& plugin, const juce::AudioProcessorEditor& editor,
                      float scale)
{
    // The knob's centre in the 1x window.
    const juce::Point<float> decayKnob{91.0f, 117.0f};
    auto* decay = plugin.getParameters()[2];
    GestureLog log;
    decay->addListener(&log);
    const auto at = juce::Desktop::getInstance().getDisplays().logicalToPhysical(
        editor.getScreenPosition() + (decayKnob * scale).roundToInt());
    const bool dragged = dragUp(at, 10);
    pump(500);
    decay->removeListener(&log);
    return dragged ? log.events : "!";
}
} // namespace vst3host
