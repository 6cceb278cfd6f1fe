#include "DemoSignal.h"

#include <cmath>
#include <numbers>

namespace
{
struct Note
{
    double start;     // seconds
    double frequency; // Hz
    double pan;       // 0 left .. 1 right
};

// A short progression, arpeggiated: A minor, F major, C major, G major.
constexpr Note kNotes[] = {
    {0.00, 220.00, 0.3}, {0.15, 261.63, 0.5}, {0.30, 329.63, 0.7}, {0.45, 440.00, 0.4},
    {1.00, 174.61, 0.3}, {1.15, 220.00, 0.5}, {1.30, 261.63, 0.7}, {1.45, 349.23, 0.4},
    {2.00, 261.63, 0.3}, {2.15, 329.63, 0.5}, {2.30, 392.00, 0.7}, {2.45, 523.25, 0.4},
    {3.00, 196.00, 0.3}, {3.15, 246.94, 0.5}, {3.30, 293.66, 0.7}, {3.45, 392.00, 0.6},
};
constexpr double kRate = 48000.0;
constexpr double kLength = 4.5;
} // namespace

AudioBuffer makeDemoSignal()
{
    AudioBuffer audio;
    audio.sampleRate = kRate;
    const auto frames = static_cast<size_t>(kRate * kLength);
    audio.channels.assign(2, std::vector<float>(frames, 0.0f));
    for (const Note& note : kNotes)
    {
        const auto first = static_cast<size_t>(note.start * kRate);
        for (size_t i = first; i < frames; ++i)
        {
            const double t = static_cast<double>(i - first) / kRate;
            const double envelope = std::exp(-t * 3.0) * std::min(1.0, t * 400.0);
            const double phase = 2.0 * std::numbers::pi * note.frequency * t;
            // A plucked tone: fundamental and a few decaying overtones.
            const double tone = std::sin(phase) + 0.5 * std::exp(-t * 4.0) * std::sin(2 * phase) +
                                0.25 * std::exp(-t * 8.0) * std::sin(3 * phase);
            const double sample = 0.12 * envelope * tone;
            audio.channels[0][i] += static_cast<float>(sample * (1.0 - note.pan));
            audio.channels[1][i] += static_cast<float>(sample * note.pan);
        }
    }
    return audio;
}
