#pragma once

#include <cstdint>
#include <functional>
#include <vector>

class ORLShellController;

// The echoes that a host which does not report a plug-in's own edits back (VST 3, LV2) would
// owe the master controller. A shell queues one per value it sends, then delivers them after
// the call that made the change has returned, as a host that echoes would: each goes to
// hostParameterEcho and is then shown, never in the middle of a transfer that is still being
// sent. The master controller's re-send of an echo being delivered is recognised, so it
// reaches neither the host nor the queue again. Main thread.
class OwedEchoes
{
  public:
    // Main thread. Owes the echo of slot's value.
    void owe(int32_t slot, double value) { echoes.push_back({slot, value}); }
    // Main thread. Whether a change of slot is the re-send of the echo being delivered.
    bool isResend(int32_t slot) const { return slot == delivering; }
    bool empty() const { return echoes.empty(); }
    // Main thread. Delivers what is owed (and what the deliveries owe in turn, a few rounds),
    // unless master is still recording a transfer; show gets each echo after master had it.
    void deliver(ORLShellController& master, const std::function<void(int32_t, double)>& show);

  private:
    struct Echo
    {
        int32_t slot;
        double value;
    };
    std::vector<Echo> echoes;
    int32_t delivering = -1;
};
