#pragma once

#include "ORLBaseAudioProcessor.h"
#include "StringBlock.h"

#include <cstdint>

struct ORLChordwellEffectInspector; // test-side read access to the fields

// The resonant reverberator: twelve tuned strings (delay line, one-pole lowpass, feedback
// gain) excited by the mono average of the input, spread over two channels with cross taps,
// cross-faded with the dry signal and scaled by the output gain. Input is read as NaN and
// infinity giving silence and anything beyond 2^30 in size clipped there, so that the strings
// and the output stay finite whatever the host sends.
//
// All memory (twelve lines of 16384 doubles, in one block) is allocated by the constructor;
// nothing is allocated, locked or called outside the engine afterwards. The object itself
// lives in 528 bytes of host private data, so its size is fixed by that contract.
//
// Threads: see ORLBaseAudioProcessor. Construction and destruction on the owner's thread.
class ORLChordwellEffect final : public ORLBaseAudioProcessor
{
  public:
    static constexpr int kStrings = 12;
    static constexpr int kLineLength = 16384;
    static constexpr int32_t kLineMask = kLineLength - 1;
    // The lines lie in one block, each followed by a cache line of padding so that the
    // twelve writes of a frame do not all fall into the same cache set.
    static constexpr int kLineStride = kLineLength + 8;
    static constexpr uint32_t kSlotCount = 17;
    static constexpr double kMinSampleRate = 44100.0;
    static constexpr double kMaxSampleRate = 192000.0;

    // Owner thread. Throws std::bad_alloc when a line cannot be allocated.
    ORLChordwellEffect();
    ~ORLChordwellEffect() override;
    ORLChordwellEffect(const ORLChordwellEffect&) = delete;
    ORLChordwellEffect& operator=(const ORLChordwellEffect&) = delete;

    void process(const ChannelPair<float>& input, const ChannelPair<float>& output,
                 uint32_t frames) override;
    void processDouble(const ChannelPair<double>& input, const ChannelPair<double>& output,
                       uint32_t frames) override;
    void processBypass(const ChannelPair<float>& input, const ChannelPair<float>& output,
                       uint32_t frames) override;
    void processBypassDouble(const ChannelPair<double>& input, const ChannelPair<double>& output,
                             uint32_t frames) override;
    uint32_t getLatency() override;
    uint32_t getTailSize() override;
    bool setSampleRate(double rate) override;
    void reset() override;
    bool reservedQueryA() override;
    bool reservedQueryB() override;
    void setParameter(uint32_t index, double value) override;
    bool getMeterValue(uint32_t meterId, double& value) override;
    virtual double reservedValueA();
    virtual double reservedValueB();

    // Default normalized value of an engine slot 0 to 16.
    static double defaultValue(uint32_t index);
    // The strings' feedback gain at Transpose's top ratio (4) for a normalized Decay; at ratio
    // r it is this to the power 4 / r. Any thread.
    static double feedbackBase(double decay);
    // The strings' frequency ratio for a normalized Tune (about 1 at the default). Any thread.
    static double tuneRatio(double tune);

    // Runs the strings on the given compiled path from now on; false (and nothing changes)
    // when the path is not available here. All paths give the same bits: tests and
    // benchmarks use this to compare them. Owner thread, never during process.
    bool useKernelPath(chordwell::block::Path path);

  private:
    friend struct ::ORLChordwellEffectInspector;

    template <typename Sample>
    void run(const ChannelPair<Sample>& input, const ChannelPair<Sample>& output, uint32_t frames);
    void clearLines();
    // Recomputes every read index from the tuning rule at the present write index. Marks
    // the indices as tracking when advancing them by one per frame is provably the same as
    // recomputing them while the tuning inputs stay unchanged.
    void retune();
    double decayGain(double decay) const;

    double sampleRate;
    double parameters[8];
    double outputGain;
    double mix;
    double feedbackGain;
    double dampCoef[kStrings];
    double transposeTarget;
    double transposeCurrent;
    double tuneTarget;
    double tuneCurrent;
    double detuneTarget;
    double detuneCurrent;
    int32_t bypassOn;
    // 1 while readPos was last set by the tuning rule with results that advance exactly by
    // one per frame as long as rate, tune, detune and transpose stay as they are.
    int32_t indicesTracking;
    // The compiled form of the per-sub-block kernels in use: the widest this machine runs,
    // unless useKernelPath chose another.
    const chordwell::block::Kernels* kernels;
    double* lines[kStrings];
    int32_t writePos;
    int32_t readPos[kStrings];
    double lowpass[kStrings];
};

// The host's private-data field for the engine is 528 bytes.
static_assert(sizeof(ORLChordwellEffect) <= 528, "the engine must fit its private-data field");
