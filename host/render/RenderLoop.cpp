#include "RenderLoop.h"

#include <algorithm>
#include <cmath>

bool renderStream(Renderer& renderer, FrameSource& source, uint64_t inputFrames,
                  uint64_t tailFrames, const RenderRequest& request, FrameSink& sink,
                  const ProgressFn& progress)
{
    const uint64_t total = inputFrames + tailFrames;
    const int ins = inputChannels(request.layout);
    const int outs = outputChannels(request.layout);
    const auto sourceChannels = static_cast<size_t>(std::max(1, source.channels()));
    const size_t block = std::max<uint32_t>(1, request.blockFrames);

    std::vector<float> interleavedIn(block * sourceChannels);
    std::vector<std::vector<float>> in(static_cast<size_t>(ins), std::vector<float>(block));
    std::vector<std::vector<float>> out(static_cast<size_t>(outs), std::vector<float>(block));
    std::vector<float> interleavedOut(block * static_cast<size_t>(outs));
    bool sourceEnded = false;

    for (uint64_t start = 0; start < total; start += block)
    {
        const auto frames = static_cast<size_t>(std::min<uint64_t>(block, total - start));
        // The input while it lasts (a source shorter than announced ends in silence).
        size_t got = 0;
        if (start < inputFrames && !sourceEnded)
        {
            const auto wanted =
                static_cast<size_t>(std::min<uint64_t>(frames, inputFrames - start));
            while (got < wanted)
            {
                const size_t n =
                    source.read(interleavedIn.data() + got * sourceChannels, wanted - got);
                if (n == 0)
                {
                    sourceEnded = true;
                    break;
                }
                got += n;
            }
        }
        for (size_t c = 0; c < static_cast<size_t>(ins); ++c)
        {
            const size_t from = std::min(c, sourceChannels - 1);
            for (size_t i = 0; i < got; ++i)
                in[c][i] = interleavedIn[i * sourceChannels + from];
            std::fill(in[c].begin() + static_cast<std::ptrdiff_t>(got), in[c].end(), 0.0f);
        }
        const float* inPointers[2] = {in[0].data(), ins > 1 ? in[1].data() : nullptr};
        float* outPointers[2] = {out[0].data(), outs > 1 ? out[1].data() : nullptr};
        renderer.renderBlock(inPointers, outPointers, static_cast<uint32_t>(frames));
        for (size_t i = 0; i < frames; ++i)
            for (size_t c = 0; c < static_cast<size_t>(outs); ++c)
                interleavedOut[i * static_cast<size_t>(outs) + c] = out[c][i];
        if (!sink.write(interleavedOut.data(), frames))
            return false;
        if (sink.finished())
            break;
        if (progress)
            progress(static_cast<double>(start + frames) / static_cast<double>(total));
    }
    return true;
}

namespace
{
class BufferSink final : public FrameSink
{
  public:
    explicit BufferSink(AudioBuffer& audio) : audio(audio) {}
    bool write(const float* interleaved, size_t frames) override
    {
        const size_t count = audio.channels.size();
        for (size_t i = 0; i < frames; ++i)
            for (size_t c = 0; c < count; ++c)
                audio.channels[c].push_back(interleaved[i * count + c]);
        return true;
    }

  private:
    AudioBuffer& audio;
};
} // namespace

size_t BufferSource::read(float* interleaved, size_t frames)
{
    const size_t n = std::min(frames, audio.frames() - position);
    const size_t count = audio.channels.size();
    for (size_t i = 0; i < n; ++i)
        for (size_t c = 0; c < count; ++c)
            interleaved[i * count + c] = audio.channels[c][position + i];
    position += n;
    return n;
}

AudioBuffer renderThrough(Renderer& renderer, const AudioBuffer& input,
                          const RenderRequest& request, const ProgressFn& progress)
{
    const auto tailFrames =
        static_cast<uint64_t>(std::llround(std::max(0.0, request.tailSeconds) * input.sampleRate));
    AudioBuffer output;
    output.sampleRate = input.sampleRate;
    output.channels.assign(static_cast<size_t>(outputChannels(request.layout)), {});
    BufferSource source(input);
    BufferSink sink(output);
    renderStream(renderer, source, input.frames(), tailFrames, request, sink, progress);
    return output;
}
