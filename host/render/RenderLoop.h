#pragma once

#include "Layout.h"
#include "Renderer.h"
#include "audio/AudioFile.h"

#include <cstdint>
#include <functional>

struct RenderRequest
{
    Layout layout = Layout::Stereo;
    double tailSeconds = 3.0;
    uint32_t blockFrames = 512;
};

// Called now and then with the share done, 0..1.
using ProgressFn = std::function<void(double)>;

// Where a render's input comes from: up to `frames` interleaved frames of `channels()`
// channels per call, 0 at the end.
class FrameSource
{
  public:
    virtual ~FrameSource() = default;
    virtual int channels() const = 0;
    virtual size_t read(float* interleaved, size_t frames) = 0;
};

// Audio in memory as a source.
class BufferSource final : public FrameSource
{
  public:
    explicit BufferSource(const AudioBuffer& audio) : audio(audio) {}
    int channels() const override { return static_cast<int>(audio.channels.size()); }
    size_t read(float* interleaved, size_t frames) override;

  private:
    const AudioBuffer& audio;
    size_t position = 0;
};

// Where a render's output goes: interleaved frames of the layout's output channels. False
// stops the render.
class FrameSink
{
  public:
    virtual ~FrameSink() = default;
    virtual bool write(const float* interleaved, size_t frames) = 0;
    // True once the sink has all it wants: the render ends after the block just written.
    virtual bool finished() const { return false; }
};

// Feeds inputFrames of the source (channel 0 alone for the one-input layouts, channel 0
// twice for a mono source in stereo) and then tailFrames of silence through the renderer in
// blocks, handing each block's output to the sink, until the sink is finished. Memory stays one
// block whatever the length. False when the sink refused a block. Main thread.
bool renderStream(Renderer& renderer, FrameSource& source, uint64_t inputFrames,
                  uint64_t tailFrames, const RenderRequest& request, FrameSink& sink,
                  const ProgressFn& progress);

// The same for audio in memory, returning the output at the input's rate. Main thread.
AudioBuffer renderThrough(Renderer& renderer, const AudioBuffer& input,
                          const RenderRequest& request, const ProgressFn& progress);
