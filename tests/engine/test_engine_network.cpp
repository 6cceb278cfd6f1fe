// What the engine does that matching the literal reference cannot show: where the first echo
// lands, refusals, sustained huge input, the bypass paths.
#include <ORLChordwellEffect.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>
#include <utility>
#include <vector>

namespace
{
std::vector<float> noise(size_t frames, unsigned seed)
{
    std::vector<float> v(frames);
    for (auto& x : v)
    {
        seed = seed * 1664525u + 1013904223u;
        x = static_cast<float>(static_cast<int>(seed >> 8) - (1 << 23)) / float(1 << 24);
    }
    return v;
}

TEST(EngineNetwork, impulse_first_arrives_at_frames_213_and_226)
{
    auto engine = std::make_unique<ORLChordwellEffect>();
    engine->setParameter(1, 1.0);
    const int frames = 300;
    std::vector<float> in(frames, 0.0f), out0(frames), out1(frames);
    in[0] = 1.0f;
    engine->process({in.data(), nullptr}, {out0.data(), out1.data()}, frames);
    const auto first = [](const std::vector<float>& v) -> int
    {
        return static_cast<int>(std::ranges::find_if(v, [](float x) { return x != 0.0f; }) -
                                v.begin());
    };
    ASSERT_EQ(std::pair(first(out1), first(out0)), std::pair(213, 226));
    // 0.075 * (1 + the default damping coefficient).
    EXPECT_NEAR(out1[213], 0.13922, 1e-5);
    EXPECT_NEAR(out0[226], 0.13922, 1e-5);
}

TEST(EngineNetwork, sample_rates_outside_the_range_or_not_a_number_are_refused)
{
    auto engine = std::make_unique<ORLChordwellEffect>();
    EXPECT_TRUE(engine->setSampleRate(96000.0));
    EXPECT_EQ(engine->getTailSize(), 960000u);
    EXPECT_FALSE(engine->setSampleRate(22050.0));
    EXPECT_EQ(engine->getTailSize(), 441000u) << "clamped to the lowest rate";
    EXPECT_FALSE(engine->setSampleRate(200000.0));
    EXPECT_FALSE(engine->setSampleRate(std::nan("")));
    EXPECT_EQ(engine->getTailSize(), 1920000u) << "the highest rate stays";
}

TEST(EngineNetwork, huge_input_keeps_the_output_finite)
{
    // Two seconds of the largest float, then of the largest double, at full Output, Decay
    // and Mix: the strings saturate but never overflow.
    const size_t frames = 88200;
    auto engine = std::make_unique<ORLChordwellEffect>();
    for (uint32_t slot : {0u, 1u, 2u})
        engine->setParameter(slot, 1.0);
    std::vector<float> loud(frames, 3.4028235e38f), o0(frames), o1(frames);
    for (size_t i = 1; i < frames; i += 2)
        loud[i] = -loud[i] * static_cast<float>(i % 3 == 0);
    engine->process({loud.data(), nullptr}, {o0.data(), o1.data()}, frames);
    const auto finite = [](const auto& v)
    { return std::ranges::all_of(v, [](auto x) { return std::isfinite(x); }); };
    ASSERT_TRUE(finite(o0) && finite(o1)) << "float";

    std::vector<double> huge(frames, 1.7e308), d0(frames), d1(frames);
    engine->processDouble({huge.data(), huge.data()}, {d0.data(), d1.data()}, frames);
    ASSERT_TRUE(finite(d0) && finite(d1)) << "double";
}

TEST(EngineNetwork, bypass_lets_the_tail_ring_while_input_stays_dry)
{
    const size_t frames = 3000;
    const auto loud = noise(frames, 3);
    auto a = std::make_unique<ORLChordwellEffect>(), b = std::make_unique<ORLChordwellEffect>();
    std::vector<float> o(frames), p(frames), silence(frames, 0.0f);
    a->process({const_cast<float*>(loud.data()), nullptr}, {o.data(), nullptr}, frames);
    b->process({const_cast<float*>(loud.data()), nullptr}, {o.data(), nullptr}, frames);
    a->setParameter(7, 1.0);
    // a: bypassed, new input; b: not bypassed, silence. The tails are the same apart from the
    // dry input, which a hears scaled by (1 - mix) * gain.
    const auto fresh = noise(frames, 4);
    a->process({const_cast<float*>(fresh.data()), nullptr}, {o.data(), nullptr}, frames);
    b->setParameter(7, 1.0);
    b->process({silence.data(), nullptr}, {p.data(), nullptr}, frames);
    for (size_t i = 0; i < frames; ++i)
        ASSERT_NEAR(o[i] - p[i], fresh[i] * 0.75, 1e-6) << i;
    EXPECT_GT(std::fabs(p[100]), 1e-4) << "the tail still rings";
}

TEST(EngineNetwork, host_bypass_copies_and_leaves_the_strings_alone)
{
    auto engine = std::make_unique<ORLChordwellEffect>(),
         untouched = std::make_unique<ORLChordwellEffect>();
    float l[3] = {0.1f, 0.2f, 0.3f}, r[3] = {-0.1f, -0.2f, -0.3f}, o0[3], o1[3], single[3];
    engine->processBypass({l, r}, {o0, o1}, 3);
    EXPECT_EQ(0, std::memcmp(o0, l, sizeof l));
    EXPECT_EQ(0, std::memcmp(o1, r, sizeof r));
    engine->processBypass({l, r}, {single, nullptr}, 3);
    EXPECT_EQ(0, std::memcmp(single, r, sizeof r)) << "channel 1 input is what remains";
    double dl[2] = {1, 2}, dout[2];
    engine->processBypassDouble({dl, nullptr}, {dout, nullptr}, 2);
    EXPECT_EQ(dout[1], 2.0);

    auto in = noise(500, 6);
    std::vector<float> a(500), b(500);
    engine->process({in.data(), nullptr}, {a.data(), nullptr}, 500);
    untouched->process({in.data(), nullptr}, {b.data(), nullptr}, 500);
    EXPECT_EQ(a, b);
}
} // namespace
