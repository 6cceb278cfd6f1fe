#pragma once

#include <ChordwellState.h>
#include <ORLShellController.h>

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

// The plug-in instance without a render path of its own: the master controller with its
// preset bank, the session a host keeps, and the bank's presets as the host's programs. A
// shell whose host renders in memory of its own (AAX's private data) holds this alone; the
// others hold a ChordwellInstance, which adds the render path. Main thread, except
// readSession (any thread).
class InstanceCore
{
  public:
    // A session checked whole and ready to restore.
    using Session = chordwell::sessionstate::Decoded;

    // Main thread. Makes the bank (allocates).
    InstanceCore() = default;
    InstanceCore(const InstanceCore&) = delete;
    InstanceCore& operator=(const InstanceCore&) = delete;

    // Main thread. The master controller (with its bank), for the shell's host side and editor.
    // The host side it is given also hears the internal slots' values (8-16) as they are set:
    // a shell whose render side cannot take posts hands them over itself.
    ORLShellController& masterController() { return master; }

    // --- session ------------------------------------------------------------------------------
    // Main thread. The whole session: the given host values of slot 0-7 and the bank. Empty
    // when the bank has no state to give.
    std::vector<uint8_t> saveSession(const std::array<float, 8>& values);
    // Main thread. The bank alone: the bank state a host keeps as one chunk (the state image
    // and the two closing words). Empty as above.
    std::vector<uint8_t> saveBank();
    // Any thread. The session in bytes, checked whole (on a scratch bank), or nothing when it
    // is not one of ours; nothing changes either way.
    static std::optional<Session> readSession(std::span<const uint8_t> bytes);
    // Main thread. Gives the bank the session's bank; the bank's current preset then reaches
    // the master controller and, through it, the host side. The session's own values are the
    // shell's to announce, in its format's way.
    void restoreBank(const Session& session);
    // Main thread. A bank state alone (as saveBank gives it), checked whole first: false, with
    // nothing changed, when the bank refuses it or it keeps nothing; otherwise restored as
    // above.
    bool restoreBankState(std::span<const uint8_t> bankState);

    // --- latency ------------------------------------------------------------------------------
    // Main thread. The samples the plug-in delays its output by at this rate, from an engine
    // made for the question (allocates; a shell asks once and keeps the answer).
    static uint32_t latencySamples(double rate);

    // --- programs -----------------------------------------------------------------------------
    // Main thread. The bank's presets as a host's programs.
    static int32_t programCount();
    // Main thread. The name of program index (0-9), valid until the bank next changes; another
    // index gives an empty name.
    const char* programName(int32_t index);
    int32_t currentProgram();
    // Main thread. The host chose program index (0-9): it becomes current and its values are
    // sent as the preset bar sends them. Out of range: nothing.
    void selectProgram(int32_t index) { master.recallPreset(index); }
    // Main thread. The host laid factory preset index (0-9)'s values on its parameters itself:
    // the preset becomes current, nothing is sent. Out of range: nothing.
    void hostChoseFactoryPreset(int32_t index) { master.hostChoseFactoryPreset(index); }

  private:
    ORLShellController master;
};
