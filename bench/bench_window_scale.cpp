// What a window costs at a scale: drawing the artwork for it (once per process and scale),
// and opening a window with its first picture once the artwork is drawn.
// Run: build/release/bench/bench_window_scale (no display needed).
#include "Artwork.h"
#include "ChordwellArtwork.h"
#include "ORLVSTGUIEditorWrapperV4_PresetBar.h"
#include "PresetBank.h"

#include <benchmark/benchmark.h>
#include <juce_gui_basics/juce_gui_basics.h>

namespace
{
using namespace chordwell::artwork;
const int32_t kImages[] = {kFrontPanel, kRearPanel,    kLargeHandle,  kSmallHandle,
                           kBypassLed,  kBypassButton, kWebSiteButton};

void drawArtworkForScale(benchmark::State& state)
{
    const float scale = static_cast<float>(state.range(0)) / 100.0f;
    int64_t bytes = 0;
    for (auto _ : state)
    {
        bytes = 0;
        for (const int32_t id : kImages)
        {
            const juce::Image image = artwork::drawAtScale(id, artwork::bounds(id), scale);
            bytes += static_cast<int64_t>(image.getWidth()) * image.getHeight() * 4;
        }
    }
    state.counters["image_bytes"] = static_cast<double>(bytes);
}
BENCHMARK(drawArtworkForScale)
    ->Arg(100)
    ->Arg(150)
    ->Arg(200)
    ->Arg(300)
    ->Unit(benchmark::kMillisecond);

void openWindowAtScale(benchmark::State& state)
{
    const float scale = static_cast<float>(state.range(0)) / 100.0f;
    PresetBank bank{nullptr, false};
    for (auto _ : state)
    {
        auto* wrapper = new Orlund::ORLVSTGUIEditorWrapperV4_PresetBar;
        wrapper->setPresetBarValue(reinterpret_cast<intptr_t>(static_cast<ORLPresetModel*>(&bank)));
        wrapper->setHostScale(scale);
        wrapper->openWindow(nullptr);
        benchmark::DoNotOptimize(wrapper->snapshot());
        wrapper->release();
    }
}
BENCHMARK(openWindowAtScale)->Arg(100)->Arg(200)->Unit(benchmark::kMillisecond);
} // namespace

int main(int argc, char** argv)
{
    juce::ScopedJuceInitialiser_GUI toolkit;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
