#pragma once

#include <AAX_IEffectParameters.h>
#include <ChordwellContext.h>
#include <RenderCallbacks.h>

#include <vector>

// One render instance laid out by hand, as a host's audio engine holds it: the test writes
// the data ports itself. Test thread only.
struct HandContext
{
    int32_t bypass = 0;
    float ports[8] = {0.5f, 0.25f, 0.8f, 0.25f, 0.5f, 0.7f, 0.1f, 0.0f};
    std::vector<float> in0 = std::vector<float>(256, 0.2f), in1 = in0;
    std::vector<float> out0 = std::vector<float>(256), out1 = out0;
    float* inputs[2] = {in0.data(), in1.data()};
    float* outputs[2] = {out0.data(), out1.data()};
    int32_t frames = 256;
    float rate = 48000.0f;
    float meters[66] = {};
    float* meterArray = meters;
    alignas(16) float cache[17];
    alignas(16) float lastRate;
    alignas(16) unsigned char engine[528];
    SChordwellContext context{};

    explicit HandContext(const AAX_IEffectParameters& parameters)
    {
        parameters.ResetFieldData(14, cache, sizeof cache);
        parameters.ResetFieldData(15, &lastRate, sizeof lastRate);
        parameters.ResetFieldData(16, engine, sizeof engine);
        context.masterBypass = &bypass;
        for (int i = 0; i < 8; ++i)
            context.parameterPorts[i] = &ports[i];
        context.inputs = inputs;
        context.outputs = outputs;
        context.bufferLength = &frames;
        context.sampleRate = &rate;
        context.meters = &meterArray;
        context.parameterCache = cache;
        context.lastSampleRate = &lastRate;
        context.engine = reinterpret_cast<ORLChordwellEffect*>(engine);
    }
    ~HandContext()
    {
        ORL_AAX_InstanceInit(&context, AAX_eComponentInstanceInitAction_RemovingInstance);
    }
};
