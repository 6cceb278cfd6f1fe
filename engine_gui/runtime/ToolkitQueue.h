#pragma once

namespace juce
{
// The toolkit's own step of its message loop (defined in juce_events).
bool dispatchNextMessageOnSystemQueue(bool returnIfNoPendingMessages);
} // namespace juce

// A plug-in's private toolkit driven from a host's loop (the VST 3 run loop, the LV2 idle
// call) delivers what is queued without waiting for more.
namespace toolkitqueue
{
// Toolkit message thread. Delivers at most `most` queued toolkit messages, so that the host's
// loop keeps its pace; returns at once when none is queued.
inline void dispatchQueued(int most = 64)
{
    for (int i = 0; i < most && juce::dispatchNextMessageOnSystemQueue(true); ++i)
    {
    }
}
} // namespace toolkitqueue
