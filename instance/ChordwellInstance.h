#pragma once

#include <ChordwellAudioPath.h>
#include <ChordwellState.h>
#include <ORLShellController.h>

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

// One instance of the plug-in as every format's shell holds it: the render path, the master
// controller with its preset bank, the channel layout and sample rate, the session state a
// host keeps, the bank's presets as the host's programs, and the tail. A shell translates its
// format's calls onto these and keeps only what its format itself asks for (how a host is
// told of changes, how it hands over audio and values).
//
// Threads: render() on the audio thread (real-time safe); post() on the main thread at any
// time; the layout, rate and reset on the main thread while not processing; everything else
// on the main thread.
class ChordwellInstance
{
  public:
    using Layout = ChordwellAudioPath::Layout;
    using Point = ChordwellAudioPath::Point;
    using PointSource = ChordwellAudioPath::PointSource;
    // A session checked whole and ready to restore.
    using Session = chordwell::sessionstate::Decoded;

    // Main thread. Makes the engine and the bank (allocates).
    ChordwellInstance() = default;
    ChordwellInstance(const ChordwellInstance&) = delete;
    ChordwellInstance& operator=(const ChordwellInstance&) = delete;

    // Main thread. The master controller (with its bank), for the shell's host side and editor.
    ORLShellController& masterController() { return master; }

    // --- audio --------------------------------------------------------------------------------
    // Any thread. The layout with these channel counts, or nothing (two in, one out).
    static std::optional<Layout> layoutOf(int32_t inputs, int32_t outputs)
    {
        return ChordwellAudioPath::layoutOf(inputs, outputs);
    }
    // Main thread, while not processing.
    void setLayout(Layout layout) { audio.setLayout(layout); }
    // Any thread; changes only while not processing.
    Layout layout() const { return audio.layout(); }
    int32_t inputChannels() const { return ChordwellAudioPath::inputChannels(layout()); }
    int32_t outputChannels() const { return ChordwellAudioPath::outputChannels(layout()); }
    // Main thread, while not processing. Takes effect before the next block.
    void setSampleRate(double rate);
    // Main thread. The rate last set (44100 until a host sets one).
    double sampleRate() const { return rate; }
    // Main thread, while not processing. Silences the strings.
    void reset() { audio.reset(); }
    // Main thread (any time). Slot 0-7's value reaches the engine before the next block.
    // Lock-free.
    void post(int32_t slot, double value) { audio.post(slot, value); }
    // Audio thread. Real-time safe: no allocation, no lock, no system call.
    template <typename Sample>
    void render(const ChannelPair<Sample>& input, const ChannelPair<Sample>& output, int32_t frames,
                PointSource& points)
    {
        audio.render(input, output, frames, points);
    }

    // Main thread. How long the strings ring after the input stops, in samples at the current
    // rate, for the given normalized values of slot 0-7.
    uint32_t tailSamples(const std::array<double, 8>& values) const;

    // --- session ------------------------------------------------------------------------------
    // Main thread. The whole session: the given host values of slot 0-7 and the bank. Empty
    // when the bank has no state to give.
    std::vector<uint8_t> saveSession(const std::array<float, 8>& values);
    // Main thread. The bank alone (a host that keeps the values itself). Empty as above.
    std::vector<uint8_t> saveBank();
    // Any thread. The session in bytes, checked whole (on a scratch bank), or nothing when it
    // is not one of ours; nothing changes either way.
    static std::optional<Session> readSession(std::span<const uint8_t> bytes);
    // Main thread. Gives the bank the session's bank; the bank's current preset then reaches
    // the master controller and, through it, the host side. The session's own values are the
    // shell's to announce, in its format's way.
    void restoreBank(const Session& session);

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
    ChordwellAudioPath audio;
    ORLShellController master;
    double rate = 44100.0;
};
