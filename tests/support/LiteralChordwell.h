#pragma once

#include <ExactMath.h>

// The string network written out literally, one step after the other, with no shortcuts:
// the reference that the product engine must match bit for bit. Deliberately plain; do not
// optimise it.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

class LiteralChordwell
{
  public:
    static constexpr double kFrequency[12] = {110.0,     116.5406,   123.4706,  130.81277,
                                              138.5912,  146.832378, 155.5631,  164.81377,
                                              174.61411, 184.99723,  195.99767, 207.652346};
    static constexpr double kCoefficient[12] = {1.11,  0.599,  -1.402, -0.797, 1.65,  0.35,
                                                -1.26, -0.498, 1.48,   0.866,  -1.59, -0.43};

    double sampleRate = 44100.0;
    double parameters[8] = {};
    double outputGain = 0, mix = 0, feedbackGain = 0;
    double dampCoef[12] = {};
    double transposeTarget = 1.0, transposeCurrent = 1.0;
    double tuneTarget = 1.0, tuneCurrent = 1.0;
    double detuneTarget = 0.0, detuneCurrent = 0.0;
    int32_t bypassOn = 0;
    std::vector<std::vector<double>> lines =
        std::vector<std::vector<double>>(12, std::vector<double>(16384));
    int32_t writePos = 0;
    int32_t readPos[12] = {};
    double lowpass[12] = {};

    LiteralChordwell()
    {
        const double defaults[8] = {0.5, 0.25, 0.25, 0.25, 0.5, 0.5, 0.0, 0.0};
        for (uint32_t index = 0; index < 8; ++index)
            setParameter(index, defaults[index]);
        reset();
    }

    void clearLines()
    {
        for (auto& line : lines)
            std::fill(line.begin(), line.end(), 0.0);
    }

    void reset()
    {
        clearLines();
        writePos = 16383;
        for (int k = 0; k < 12; ++k)
            readPos[k] = static_cast<int32_t>(16383 - sampleRate / (kFrequency[k] / 2));
        std::fill(lowpass, lowpass + 12, 0.0);
        detuneCurrent = detuneTarget;
        tuneCurrent = tuneTarget;
        transposeCurrent = transposeTarget;
    }

    bool setSampleRate(double rate)
    {
        sampleRate = std::clamp(rate, 44100.0, 192000.0);
        return sampleRate == rate;
    }

    void tuneAll()
    {
        for (int k = 0; k < 12; ++k)
        {
            double s = sampleRate, t = tuneCurrent, r = transposeCurrent, d = detuneCurrent;
            double a = s * 0.015;
            const double c = kCoefficient[k];
            const double numerator = c > 0 ? (a * c) * d + s : s - (a * std::fabs(c)) * d;
            double denominator = (t * r) * kFrequency[k];
            double delay = numerator / denominator;
            readPos[k] = static_cast<int32_t>(std::trunc(writePos - delay + 16384.0)) & 16383;
        }
    }

    double decayGain() const
    {
        return exactmath::pow(exactmath::pow(1.02, std::sqrt(parameters[2])) / 1.0205,
                              1 / (0.25 * transposeTarget));
    }

    void setParameter(uint32_t index, double v)
    {
        if (index > 7)
            return;
        parameters[index] = v;
        if (index == 0)
            outputGain = v * v * 4.0;
        if (index == 1)
            mix = v;
        if (index == 2)
            feedbackGain = decayGain();
        if (index == 3)
            for (auto& c : dampCoef)
                c = exactmath::pow(1.84, 1 - v) / 1.845;
        if (index == 4)
        {
            double n = std::trunc(v * 48.0 + 0.5);
            double ratio = exactmath::pow(16.0, n / 48.0) * 0.25;
            if (ratio == transposeTarget)
                return;
            transposeTarget = ratio;
            feedbackGain = decayGain();
            transposeCurrent = ratio;
            clearLines();
            tuneAll();
        }
        if (index == 5)
            tuneTarget = exactmath::pow(1.12246, v) / 1.05946;
        if (index == 6)
            detuneTarget = v;
        if (index == 7)
            bypassOn = static_cast<int32_t>(std::trunc(v + 0.5));
    }

    // A non-finite input sample is read as silence, a huge one is clipped at 2^30.
    static double readable(double x)
    {
        return std::isfinite(x) ? std::clamp(x, -1073741824.0, 1073741824.0) : 0.0;
    }

    template <typename Sample>
    void process(const Sample* in0, const Sample* in1, Sample* out0, Sample* out1, uint32_t frames)
    {
        if (in1 == nullptr)
            in1 = in0;
        if (out1 == nullptr)
            out1 = out0;
        bool single = out1 == out0;
        double guard = 1e-9;
        for (uint32_t i = 0; i < frames; ++i)
        {
            const double x0 = readable(in0[i]), x1 = readable(in1[i]);
            const bool on = bypassOn == 0;
            const double dry0 = on ? x0 + guard : x0, dry1 = on ? x1 + guard : x1;
            const double send0 = on ? dry0 : guard, send1 = on ? dry1 : guard;
            guard = -guard;
            for (int k = 0; k < 12; ++k)
                lowpass[k] = (lines[k][readPos[k]] - lowpass[k]) * dampCoef[k] + lowpass[k];
            double feed = (send1 + send0) * 0.5;
            for (int k = 0; k < 12; ++k)
                lines[k][writePos] = lowpass[k] * feedbackGain + feed;
            double wet0 =
                lowpass[2] + lowpass[0] + lowpass[4] + lowpass[6] + lowpass[8] + lowpass[10];
            for (int j = 0; j < 6; ++j)
                wet0 = wet0 + lines[2 * j + 1][readPos[10 - 2 * j]];
            double wet1 =
                lowpass[3] + lowpass[1] + lowpass[5] + lowpass[7] + lowpass[9] + lowpass[11];
            for (int j = 0; j < 6; ++j)
                wet1 = wet1 + lines[2 * j][readPos[11 - 2 * j]];
            double y0 = (wet0 * 0.075 - dry0) * mix + dry0;
            double y1 = (wet1 * 0.075 - dry1) * mix + dry1;
            double diff = detuneTarget - detuneCurrent;
            detuneCurrent = std::fabs(diff) > 0.002 ? diff * 0.00075 + detuneCurrent : detuneTarget;
            if (std::fabs(tuneTarget - tuneCurrent) > 0.0015)
            {
                double next = (tuneTarget - tuneCurrent) * 0.00025 + tuneCurrent;
                if (std::fabs(tuneCurrent - next) > 0.00002)
                    next = next > tuneCurrent ? tuneCurrent + 0.00002 : tuneCurrent - 0.00002;
                tuneCurrent = next;
            }
            else
                tuneCurrent = tuneTarget;
            tuneAll();
            if (single)
                out0[i] = static_cast<Sample>((y1 + y0) * outputGain * 0.5);
            else
            {
                out1[i] = static_cast<Sample>(y1 * outputGain);
                out0[i] = static_cast<Sample>(y0 * outputGain);
            }
            writePos = (writePos + 1) & 16383;
            for (int k = 0; k < 12; ++k)
                readPos[k] = (readPos[k] + 1) & 16383;
        }
    }
};
