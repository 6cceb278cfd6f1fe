#pragma once

// Base frequency and detune coefficient of each of the twelve strings: the equal-tempered
// semitones of one octave upward from 110 Hz, and a fixed pattern of spreads.
namespace chordwell::strings
{
inline constexpr int kCount = 12;

inline constexpr double kBaseFrequency[kCount] = {
    110.0,    116.5406,  123.4706,  130.81277, 138.5912,  146.832378,
    155.5631, 164.81377, 174.61411, 184.99723, 195.99767, 207.652346,
};

inline constexpr double kDetuneCoefficient[kCount] = {
    1.11, 0.599, -1.402, -0.797, 1.65, 0.35, -1.26, -0.498, 1.48, 0.866, -1.59, -0.43,
};
} // namespace chordwell::strings
