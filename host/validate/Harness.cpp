#include "Harness.h"

#include <ParameterTable.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

namespace validation
{
const char* inputName(Input input)
{
    switch (input)
    {
    case Input::Silence:
        return "silence";
    case Input::Noise:
        return "noise";
    case Input::Impulses:
        return "impulses";
    case Input::NaN:
        return "NaN";
    case Input::Inf:
        return "Inf";
    case Input::Huge:
        return "1e30";
    }
    return "?";
}

void fill(std::vector<float>& samples, Input input, Random& random)
{
    std::uniform_real_distribution<float> noise(-1.0f, 1.0f);
    for (size_t i = 0; i < samples.size(); ++i)
    {
        switch (input)
        {
        case Input::Silence:
            samples[i] = 0.0f;
            break;
        case Input::Noise:
            samples[i] = noise(random);
            break;
        case Input::Impulses:
            samples[i] = i % 997 == 0 ? 1.0f : 0.0f;
            break;
        case Input::NaN:
            samples[i] = i % 61 == 0 ? std::numeric_limits<float>::quiet_NaN() : noise(random);
            break;
        case Input::Inf:
            samples[i] = i % 61 == 0 ? (i % 2 == 0 ? 1.0f : -1.0f) * INFINITY : noise(random);
            break;
        case Input::Huge:
            samples[i] = i % 61 == 0 ? 1.0e30f : noise(random);
            break;
        }
    }
}

Rig::Rig(const EffectDescription& effect, size_t component, float rate)
    : instance(effect, component, rate),
      outputCount(
          instance.component().property(AAX_eProperty_OutputStemFormat) == AAX_eStemFormat_Mono ? 1
                                                                                                : 2)
{
}

void Rig::render(const std::vector<float>& input, int32_t block,
                 const std::function<void(const float* const*, int, size_t)>& check)
{
    const auto size = static_cast<size_t>(std::max<int32_t>(block, 1));
    if (out[0].size() < size)
        for (auto* v : {&in[0], &in[1], &out[0], &out[1]})
            v->assign(size, 0.0f);
    size_t done = 0;
    do
    {
        const size_t frames = block == 0 ? 0 : std::min(size, input.size() - done);
        for (int c = 0; c < channels; ++c)
            std::copy(input.begin() + static_cast<long>(done),
                      input.begin() + static_cast<long>(done + frames), in[c].begin());
        instance.deliverUpdates();
        const float* ins[2] = {in[0].data(), in[1].data()};
        float* outs[2] = {out[0].data(), out[1].data()};
        instance.render(ins, outs, static_cast<int32_t>(frames));
        check(outs, outputCount, frames);
        done += frames;
    } while (block != 0 && done < input.size());
}

uint64_t badSamples(const float* samples, size_t count)
{
    uint64_t bad = 0;
    for (size_t i = 0; i < count; ++i)
    {
        const int kind = std::fpclassify(samples[i]);
        bad += kind == FP_NAN || kind == FP_INFINITE || kind == FP_SUBNORMAL;
    }
    return bad;
}

std::string rateText(float rate)
{
    char text[32];
    std::snprintf(text, sizeof text, "%g Hz", static_cast<double>(rate));
    return text;
}

std::vector<statefile::Chunk> randomState(const EffectDescription& effect, Random& random)
{
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    EffectInstance instance(effect, 0, 48000.0f);
    for (int edits = 0; edits < 12; ++edits)
    {
        const int slot = static_cast<int>(unit(random) * chordwell::kPublicSlotCount) % 8;
        instance.edit(getParameterIdentifier(slot), unit(random));
    }
    instance.automate("MasterBypassID", unit(random) < 0.5 ? 0.0 : 1.0);
    return saveStateChunks(instance);
}
} // namespace validation
