#include "RenderCallbacks.h"

#include "ChordwellContext.h"

#include <HostValue.h>
#include <ORLChordwellEffect.h>

#include <cmath>

namespace
{
enum class Variant
{
    Mono,
    Stereo,
    MonoStereo,
};

void meter(float& value, const float* samples, int32_t frames)
{
    for (int32_t i = 0; i < frames; ++i)
    {
        const auto magnitude = static_cast<float>(std::fabs(static_cast<double>(samples[i])));
        if (magnitude >= value)
            value = magnitude;
    }
}

template <Variant V> void renderInstance(SChordwellContext& context)
{
    const int32_t bypass = *context.masterBypass;
    const int32_t frames = *context.bufferLength;
    const float rate = *context.sampleRate;
    float* in0 = context.inputs[0];
    float* in1 = V == Variant::Stereo ? context.inputs[1] : nullptr;
    float* out0 = context.outputs[0];
    float* out1 = V == Variant::Mono ? nullptr : context.outputs[1];
    float* meters = *context.meters;
    float* cache = context.parameterCache;
    ORLChordwellEffect& engine = *context.engine;

    // An unordered pair (NaN) counts as a change.
    if (!(*context.lastSampleRate == rate))
    {
        *context.lastSampleRate = rate;
        engine.setSampleRate(static_cast<double>(rate));
    }
    for (uint32_t slot = 0; slot < 8; ++slot)
    {
        // A host may write anything into its ports: clamped to the range, and a NaN keeps
        // the last good value.
        float value = 0.0f;
        if (!hostvalue::normalized(*context.parameterPorts[slot], value))
            continue;
        if (value != cache[slot])
        {
            cache[slot] = value;
            engine.setParameter(slot, static_cast<double>(value));
        }
    }
    for (uint32_t slot = 8; slot < 17; ++slot)
    {
        if (cache[slot] >= 0.0f)
        {
            engine.setParameter(slot, static_cast<double>(cache[slot]));
            cache[slot] = -1.0f;
        }
    }

    const ChannelPair<float> input{in0, in1};
    const ChannelPair<float> output{out0, out1};
    const auto count = frames > 0 ? static_cast<uint32_t>(frames) : 0u;
    if (bypass != 0)
        engine.processBypass(input, output, count);
    else
        engine.process(input, output, count);

    meter(meters[0], in0, frames);
    meter(meters[1], out0, frames);
}

template <Variant V> void render(void* const begin[], const void* end)
{
    for (void* const* instance = begin; instance < static_cast<void* const*>(end); ++instance)
        renderInstance<V>(*static_cast<SChordwellContext*>(*instance));
}
} // namespace

void ORL_AAX_RenderMono(void* const instancesBegin[], const void* instancesEnd)
{
    render<Variant::Mono>(instancesBegin, instancesEnd);
}

void ORL_AAX_RenderStereo(void* const instancesBegin[], const void* instancesEnd)
{
    render<Variant::Stereo>(instancesBegin, instancesEnd);
}

void ORL_AAX_RenderMonoStereo(void* const instancesBegin[], const void* instancesEnd)
{
    render<Variant::MonoStereo>(instancesBegin, instancesEnd);
}

AAX_Result ORL_AAX_InstanceInit(const void* instanceContext, int32_t action)
{
    if (instanceContext == nullptr)
        return AAX_ERROR_NULL_OBJECT;
    if (action == AAX_eComponentInstanceInitAction_RemovingInstance)
    {
        auto* context = static_cast<const SChordwellContext*>(instanceContext);
        if (context->engine != nullptr)
            context->engine->~ORLChordwellEffect();
    }
    return AAX_SUCCESS;
}
