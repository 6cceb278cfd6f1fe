#pragma once

#include <juce_audio_processors/juce_audio_processors.h>

#include <memory>
#include <string>
#include <vector>

// What the tests need of JUCE's VST 3 hosting: the bundle's description, instances in a
// chosen layout, block renders, and the reference renders of chordwell-host.
namespace vst3host
{
enum class Layout
{
    Mono,
    MonoToStereo,
    Stereo
};

juce::PluginDescription describeBundle();
// The build's bundle, or the one described, prepared in the layout.
std::unique_ptr<juce::AudioPluginInstance> load(Layout layout = Layout::Stereo,
                                                double rate = 48000.0, int block = 512);
std::unique_ptr<juce::AudioPluginInstance> load(const juce::PluginDescription& description,
                                                Layout layout, double rate, int block);

// Planar audio: channels of equal length.
using Audio = std::vector<std::vector<float>>;

// Runs input (then `tail` frames of silence) through the instance in blocks of `block`.
Audio render(juce::AudioPluginInstance& plugin, const Audio& input, int tail, int block,
             int outputChannels);

// A test signal: noise bursts and a decaying tone, deterministic.
Audio testSignal(int channels, int frames, double rate);

// 32-bit float WAV files through chordwell-host's own audio file code.
bool writeWav(const std::string& path, const Audio& audio, int rate);
Audio readWav(const std::string& path);

// Runs chordwell-host with the arguments, without a shell; its exit status (its output is
// printed when that is not 0).
int chordwellHost(const std::vector<std::string>& arguments);

// Runs JUCE's message loop for a while, as a host's main thread does between its calls.
void pump(int milliseconds);

// Presses the left mouse button at the screen point (the system's pixels), moves up by 3
// pixels `steps` times and lets go, as a person drags; JUCE's message loop runs meanwhile.
// False when the drag could not be made.
bool dragUp(juce::Point<int> at, int steps);

// The instance's editor on the desktop at (60, 60) of the screen, visible; the host's scale
// (AudioProcessorEditor::setScaleFactor) set before the view is attached. Null when the
// plug-in has none.
std::unique_ptr<juce::AudioProcessorEditor> openEditor(juce::AudioPluginInstance& plugin,
                                                       float scale = 1.0f);

// The screen's pixels in the area (the system's pixels) as an RGB image; an invalid image where
// the screen cannot be read (only X11 screens can).
juce::Image grabScreen(juce::Rectangle<int> area);

// Drags the Decay knob of the open editor, drawn at scale, up as a person does; what the host
// heard of Decay meanwhile ("b" a gesture begins, "v" a value, "e" the gesture ends), or "!"
// when the drag could not be made.
std::string dragDecay(juce::AudioPluginInstance& plugin, const juce::AudioProcessorEditor& editor,
                      float scale = 1.0f);

// The instance's raw VST 3 objects (JUCE hands out the component).
Steinberg::Vst::IComponent* componentOf(juce::AudioPluginInstance& plugin);
} // namespace vst3host
