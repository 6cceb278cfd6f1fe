#include "RenderLoop.h"

#include <algorithm>
#include <cmath>

AudioBuffer renderThrough(Renderer& renderer, const AudioBuffer& input,
                          const RenderRequest& request, const ProgressFn& progress)
{
    const size_t inputFrames = input.frames();
    const auto tailFrames =
        static_cast<size_t>(std::llround(std::max(0.0, request.tailSeconds) * input.sampleRate));
    const size_t total = inputFrames + tailFrames;
    const int ins = inputChannels(request.layout);
    const int outs = outputChannels(request.layout);
    const uint32_t block = std::max<uint32_t>(1, request.blockFrames);

    AudioBuffer output;
    output.sampleRate = input.sampleRate;
    output.channels.assign(static_cast<size_t>(outs), std::vector<float>(total, 0.0f));

    // The input with its tail of silence, in the channels the layout takes.
    std::vector<std::vector<float>> source(static_cast<size_t>(ins),
                                           std::vector<float>(total, 0.0f));
    for (int c = 0; c < ins; ++c)
    {
        const auto& from =
            input.channels[std::min<size_t>(static_cast<size_t>(c), input.channels.size() - 1)];
        std::copy(from.begin(), from.end(), source[static_cast<size_t>(c)].begin());
    }

    for (size_t start = 0; start < total; start += block)
    {
        const auto frames = static_cast<uint32_t>(std::min<size_t>(block, total - start));
        const float* in[2] = {source[0].data() + start,
                              ins > 1 ? source[1].data() + start : nullptr};
        float* out[2] = {output.channels[0].data() + start,
                         outs > 1 ? output.channels[1].data() + start : nullptr};
        renderer.renderBlock(in, out, frames);
        if (progress)
            progress(static_cast<double>(start + frames) / static_cast<double>(total));
    }
    return output;
}
