#include "RenderCallbacks.h"

#include "ChordwellContext.h"

#include <ChordwellAudioPath.h>
#include <EnginePorts.h>
#include <ParameterTable.h>
#include <PeakMeter.h>

namespace
{
using Layout = ChordwellAudioPath::Layout;

template <Layout L> void renderInstance(SChordwellContext& context)
{
    const int32_t frames = *context.bufferLength;
    ORLChordwellEffect& engine = *context.engine;
    EnginePorts ports(engine, context.parameterCache, *context.lastSampleRate);
    ports.setRate(*context.sampleRate);
    for (int32_t slot = 0; slot < chordwell::kPublicSlotCount; ++slot)
        ports.setHostValue(slot, static_cast<double>(*context.parameterPorts[slot]));
    for (int32_t slot = chordwell::kPublicSlotCount; slot < chordwell::kSlotCount; ++slot)
        ports.takeHandedOver(slot);

    // A missing second channel is what the engine takes for a one-channel side.
    const ChannelPair<float> input{
        context.inputs[0], ChordwellAudioPath::inputChannels(L) == 2 ? context.inputs[1] : nullptr};
    const ChannelPair<float> output{context.outputs[0], ChordwellAudioPath::outputChannels(L) == 2
                                                            ? context.outputs[1]
                                                            : nullptr};
    const auto count = frames > 0 ? static_cast<uint32_t>(frames) : 0u;
    if (*context.masterBypass != 0)
        engine.processBypass(input, output, count);
    else
        engine.process(input, output, count);

    float* meters = *context.meters;
    holdPeak(meters[0], input.channel0, frames);
    holdPeak(meters[1], output.channel0, frames);
}

template <Layout L> void render(void* const begin[], const void* end)
{
    for (void* const* instance = begin; instance < static_cast<void* const*>(end); ++instance)
        renderInstance<L>(*static_cast<SChordwellContext*>(*instance));
}
} // namespace

void ORL_AAX_RenderMono(void* const instancesBegin[], const void* instancesEnd)
{
    render<Layout::Mono>(instancesBegin, instancesEnd);
}

void ORL_AAX_RenderStereo(void* const instancesBegin[], const void* instancesEnd)
{
    render<Layout::Stereo>(instancesBegin, instancesEnd);
}

void ORL_AAX_RenderMonoStereo(void* const instancesBegin[], const void* instancesEnd)
{
    render<Layout::MonoToStereo>(instancesBegin, instancesEnd);
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
