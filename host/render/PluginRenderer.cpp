#include "PluginRenderer.h"

#include <ParameterTable.h>
#include <StateFile.h>

#include <algorithm>
#include <chrono>

namespace
{
constexpr const char* kMasterBypassID = "MasterBypassID";
constexpr auto kTimerPeriod = std::chrono::milliseconds(10);

size_t meterIndex(const ComponentDescription& component, AAX_CTypeID id, size_t fallback)
{
    for (const FieldDeclaration& field : component.fields)
        if (field.kind == FieldKind::Meters)
            for (size_t i = 0; i < field.meterIDs.size(); ++i)
                if (field.meterIDs[i] == id)
                    return i;
    return fallback;
}
} // namespace

int componentForLayout(const EffectDescription& effect, Layout layout)
{
    const int32_t in = layout == Layout::Stereo ? AAX_eStemFormat_Stereo : AAX_eStemFormat_Mono;
    const int32_t out = layout == Layout::Mono ? AAX_eStemFormat_Mono : AAX_eStemFormat_Stereo;
    for (size_t i = 0; i < effect.components.size(); ++i)
        if (effect.components[i].property(AAX_eProperty_InputStemFormat) == in &&
            effect.components[i].property(AAX_eProperty_OutputStemFormat) == out)
            return static_cast<int>(i);
    return -1;
}

PluginRenderer::PluginRenderer(const PluginLibrary& library, Layout layout, double sampleRate)
{
    const EffectDescription& description = library.effect();
    const int component = componentForLayout(description, layout);
    if (component < 0)
        throw HostError("the plug-in offers no component for this channel layout");
    effect = std::make_unique<EffectInstance>(description, static_cast<size_t>(component),
                                              static_cast<float>(sampleRate));
    inputMeter = meterIndex(effect->component(), AAX_FourCC("mtrI"), 0);
    outputMeter = meterIndex(effect->component(), AAX_FourCC("mtrO"), 1);
    effect->startTimer(kTimerPeriod);
}

PluginRenderer::~PluginRenderer()
{
    if (effect)
        effect->stopTimer();
}

void PluginRenderer::setParameter(int slot, float value)
{
    if (const char* id = getParameterIdentifier(slot); id != nullptr && slot < 8)
        effect->automate(id, static_cast<double>(value));
}

void PluginRenderer::editParameter(int slot, float value)
{
    if (const char* id = getParameterIdentifier(slot); id != nullptr && slot < 8)
        effect->edit(id, static_cast<double>(value));
}

void PluginRenderer::setMasterBypass(bool on)
{
    effect->automate(kMasterBypassID, on ? 1.0 : 0.0);
}

void PluginRenderer::scheduleParameter(int slot, uint64_t frame, float value)
{
    const Scheduled event{frame, slot, value};
    const auto at = std::upper_bound(
        schedule.begin() + static_cast<std::ptrdiff_t>(nextScheduled), schedule.end(), event,
        [](const Scheduled& a, const Scheduled& b) { return a.frame < b.frame; });
    schedule.insert(at, event);
}

void PluginRenderer::renderBlock(const float* const* in, float* const* out, uint32_t frames)
{
    const uint64_t end = position + frames;
    while (nextScheduled < schedule.size() &&
           (schedule[nextScheduled].frame < end ||
            (frames == 0 && schedule[nextScheduled].frame == position)))
    {
        setParameter(schedule[nextScheduled].slot, schedule[nextScheduled].value);
        ++nextScheduled;
    }
    effect->deliverUpdates();
    effect->render(in, out, static_cast<int32_t>(frames));
    position = end;
}

float PluginRenderer::inputPeak() const
{
    return effect->meter(inputMeter);
}

float PluginRenderer::outputPeak() const
{
    return effect->meter(outputMeter);
}

AAX_Result PluginRenderer::restoreState(const std::vector<uint8_t>& chunk)
{
    return effect->setChunk(statefile::kBankChunk, chunk);
}

AAX_Result PluginRenderer::saveState(std::vector<uint8_t>& chunk)
{
    effect->deliverUpdates();
    return effect->getChunk(statefile::kBankChunk, chunk);
}
