#pragma once

#include <functional>
#include <memory>
#include <vector>

// The private toolkit driven from a host's own loop. A shell's window lives on the host's UI
// thread, which never enters the toolkit's message loop, so the shell pumps the toolkit from
// the host's calls: the VST 3 run loop's descriptors and timer, the LV2 idle call. Shells use
// this instead of the toolkit's headers. Toolkit thread (the host's UI thread) only.
namespace orl::toolkitpump
{
// The calling thread becomes the toolkit's message thread.
void adoptThisThread();

// Delivers at most `most` queued toolkit messages, so that the host's loop keeps its pace;
// returns at once when none is queued.
void dispatchQueued(int most = 64);

#ifndef _WIN32
// The descriptors the toolkit waits on (its message queue, the X11 connection).
std::vector<int> descriptors();
// Runs the toolkit's callback of descriptor fd; it returns when it has nothing.
void serviceDescriptor(int fd);
// Every descriptor's callback, readable or not (the X11 library may hold events it read while
// drawing, and those never make the descriptor readable again), then the queue.
void pumpAll();

// Calls changed() whenever the toolkit's set of descriptors changes, while it lives.
class DescriptorWatch
{
  public:
    explicit DescriptorWatch(std::function<void()> changed);
    ~DescriptorWatch();
    DescriptorWatch(const DescriptorWatch&) = delete;
    DescriptorWatch& operator=(const DescriptorWatch&) = delete;

  private:
    struct Listener;
    std::unique_ptr<Listener> listener;
};
#else
// A periodic call on the toolkit's thread (a toolkit timer: the host's message loop runs it).
class Ticker
{
  public:
    explicit Ticker(std::function<void()> tick);
    ~Ticker();
    Ticker(const Ticker&) = delete;
    Ticker& operator=(const Ticker&) = delete;

    // Starts (or keeps) the calls every `milliseconds`; stop ends them.
    void start(int milliseconds);
    void stop();

  private:
    struct Timer;
    std::unique_ptr<Timer> timer;
};
#endif
} // namespace orl::toolkitpump
