#pragma once

#include <pluginterfaces/gui/iplugview.h>

#include <functional>

// Drives the plug-in's private toolkit from the host's loop. Linux: the toolkit's file
// descriptors (its message queue and the X11 connection) are watched by the host's run loop,
// which calls back when they are readable, and a timer of the host delivers whatever is due;
// the thread of the host's run loop becomes the toolkit's message thread. Windows: the host's
// message loop dispatches the toolkit's messages already; a toolkit timer gives the tick.
// No thread of ours runs. Main thread only.
class RunLoopBridge
{
  public:
    explicit RunLoopBridge(std::function<void()> onTick);
    ~RunLoopBridge();
    RunLoopBridge(const RunLoopBridge&) = delete;
    RunLoopBridge& operator=(const RunLoopBridge&) = delete;

    // Main thread. Attaches to the run loop that frame offers; false when it offers none
    // (Linux; on Windows the system's loop is always there).
    bool attach(Steinberg::IPlugFrame* frame);
    // Main thread. Unregisters everything from the host's run loop.
    void detach();

    static constexpr int kTickMilliseconds = 10;

  private:
    struct Handlers;
    Handlers* handlers;
};
