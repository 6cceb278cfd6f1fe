#pragma once

#include "aax_host/EffectInstance.h"
#include "render/SessionState.h"

#include <cstdint>
#include <functional>
#include <random>
#include <string>
#include <vector>

// What every check of validate shares: the rates, blocks and inputs a host may give, and one
// instance rendering blocks as a host's audio engine does. Main thread.
namespace validation
{
using Random = std::mt19937;

// Rates a host may run at, and some no host should, which must still do no harm.
inline constexpr float kRates[] = {22050.0f, 32000.0f,  44100.0f,  48000.0f,  88200.0f,
                                   96000.0f, 176400.0f, 192000.0f, 352800.0f, 384000.0f};
inline constexpr float kAbsurdRates[] = {1.0f, 100.0f, 1.0e6f, 1.0e9f};
inline constexpr int32_t kBlocks[] = {0, 1, 2, 3, 32, 64, 128, 256, 512, 1000, 1024, 2048, 4096};
// Peak an input of peak 1 may reach at the output: 40 dB of resonance and gain.
inline constexpr float kPeakBound = 100.0f;
// After the input stops, the output falls below kTailFloor within kTail seconds, whatever the
// settings. The plug-in declares no tail; a resonator at full Decay rings for minutes by
// design, so this is the host's bound: ten minutes.
inline constexpr double kTail = 600.0;
inline constexpr float kTailFloor = 1.0e-7f;

enum class Input
{
    Silence,
    Noise,
    Impulses,
    NaN,
    Inf,
    Huge,
};
inline constexpr Input kInputs[] = {Input::Silence, Input::Noise, Input::Impulses,
                                    Input::NaN,     Input::Inf,   Input::Huge};

const char* inputName(Input input);
void fill(std::vector<float>& samples, Input input, Random& random);

// One instance and its buffers, rendering blocks as a host's audio engine does.
class Rig
{
  public:
    Rig(const EffectDescription& effect, size_t component, float rate);
    EffectInstance instance;

    // Renders frames of the input in blocks of block frames (0-frame blocks render once);
    // calls check on each output block.
    void render(const std::vector<float>& input, int32_t block,
                const std::function<void(const float* const*, int, size_t)>& check);

  private:
    static constexpr int channels = 2;
    int outputCount;
    std::vector<float> in[2], out[2];
};

// How many samples are NaN, infinite or subnormal.
uint64_t badSamples(const float* samples, size_t count);
std::string rateText(float rate);
// The state chunks of a fresh instance after random edits and a random bypass.
std::vector<statefile::Chunk> randomState(const EffectDescription& effect, Random& random);
} // namespace validation
