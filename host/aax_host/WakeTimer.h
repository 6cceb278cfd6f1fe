#pragma once

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

// A thread of its own that calls a function at once and then once per period until stopped,
// as a host's timer wakes a plug-in's direct-data object.
class WakeTimer
{
  public:
    WakeTimer() = default;
    ~WakeTimer() { stop(); }
    WakeTimer(const WakeTimer&) = delete;
    WakeTimer& operator=(const WakeTimer&) = delete;

    // Main thread. Nothing when the thread runs already.
    void start(std::chrono::milliseconds period, std::function<void()> wake);
    // Main thread. Returns once the thread has ended (a call under way finishes first).
    void stop();
    // Main thread.
    bool running() const { return thread.joinable(); }

  private:
    std::thread thread;
    std::mutex lock;
    std::condition_variable woken;
    bool runFlag = false;
};
