#pragma once

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <vector>

// The peak of each channel of interleaved frames as they pass, and the peak of the most recent
// `recentFrames` frames (how loud a render still is at its end). Main (render) thread.
class ChannelPeaks
{
  public:
    ChannelPeaks(int channels, size_t recentFrames)
        : peaks(static_cast<size_t>(std::max(channels, 1)), 0.0f), recentLength(recentFrames)
    {
    }

    void add(const float* interleaved, size_t frames)
    {
        const size_t channels = peaks.size();
        for (size_t frame = 0; frame < frames; ++frame)
        {
            float framePeak = 0.0f;
            for (size_t c = 0; c < channels; ++c)
            {
                const float level = std::fabs(interleaved[frame * channels + c]);
                peaks[c] = std::max(peaks[c], level);
                framePeak = std::max(framePeak, level);
            }
            // The recent peak restarts once its window is full: it then covers between one and
            // two windows, enough to tell a ringing end from a silent one.
            if (recentCount == recentLength)
            {
                previousRecent = currentRecent;
                currentRecent = 0.0f;
                recentCount = 0;
            }
            currentRecent = std::max(currentRecent, framePeak);
            ++recentCount;
        }
    }

    const std::vector<float>& channels() const { return peaks; }
    float overall() const { return *std::max_element(peaks.begin(), peaks.end()); }
    float recent() const { return std::max(previousRecent, currentRecent); }

  private:
    std::vector<float> peaks;
    size_t recentLength;
    size_t recentCount = 0;
    float currentRecent = 0.0f;
    float previousRecent = 0.0f;
};
