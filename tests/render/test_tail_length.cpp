// The tail a host is told of, reckoned from the literal string network: the longest delay line
// (in samples per pass) over the decibels each pass loses, to fall 160 dB.
#include "LiteralChordwell.h"

#include <TailLength.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>

namespace
{
double literalTail(const double* values, double rate)
{
    auto network = std::make_unique<LiteralChordwell>();
    network->setSampleRate(rate);
    for (uint32_t slot = 0; slot < 8; ++slot)
        network->setParameter(slot, values[slot]);
    const double lossPerPass = -20.0 * std::log10(network->feedbackGain);
    double longest = 0.0;
    for (int k = 0; k < 12; ++k)
    {
        const double spread = 1.0 + 0.015 * LiteralChordwell::kCoefficient[k] * values[6];
        const double delay =
            network->sampleRate * spread /
            (network->tuneTarget * network->transposeTarget * LiteralChordwell::kFrequency[k]);
        longest = std::max(longest, delay);
    }
    return longest * 160.0 / lossPerPass;
}

TEST(TailLength, follows_decay_tune_detune_and_the_rate_and_never_transpose)
{
    for (const double rate : {44100.0, 96000.0, 22050.0})
        for (const double decay : {0.0, 0.5, 1.0})
            for (const double tune : {0.0, 0.3, 0.5, 0.77, 1.0})
                for (const double detune : {0.0, 0.4, 1.0})
                {
                    uint32_t byTranspose[3] = {};
                    for (int t = 0; t < 3; ++t)
                    {
                        const double values[8] = {0.5,     0.25, decay,  0.3 * t,
                                                  0.5 * t, tune, detune, 0.0};
                        const double expected = literalTail(values, rate);
                        byTranspose[t] = tailSamples(values, rate);
                        EXPECT_NEAR(byTranspose[t], std::ceil(expected), 1.0)
                            << rate << " Hz, decay " << decay << ", tune " << tune << ", detune "
                            << detune << ", transpose " << 0.5 * t;
                    }
                    EXPECT_EQ(byTranspose[0], byTranspose[2]);
                }
    const double outside[8] = {0.5, 0.25, 2.0, 0.0, 0.5, -1.0, NAN, 0.0};
    const double clamped[8] = {0.5, 0.25, 1.0, 0.0, 0.5, 0.0, 0.0, 0.0};
    EXPECT_EQ(tailSamples(outside, NAN), tailSamples(clamped, 44100.0));
}
} // namespace
