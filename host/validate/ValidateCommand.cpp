#include "ValidateCommand.h"

#include "PresetNameStates.h"
#include "aax_host/EffectInstance.h"
#include "aax_host/PluginLibrary.h"
#include "realtime/RealtimeWatch.h"
#include "render/SessionState.h"

#include <ParameterTable.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <functional>
#include <limits>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace
{
using Random = std::mt19937;

// Rates a host may run at, and some no host should, which must still do no harm.
constexpr float kRates[] = {22050.0f, 32000.0f,  44100.0f,  48000.0f,  88200.0f,
                            96000.0f, 176400.0f, 192000.0f, 352800.0f, 384000.0f};
constexpr float kAbsurdRates[] = {1.0f, 100.0f, 1.0e6f, 1.0e9f};
constexpr int32_t kBlocks[] = {0, 1, 2, 3, 32, 64, 128, 256, 512, 1000, 1024, 2048, 4096};
// Peak an input of peak 1 may reach at the output: 40 dB of resonance and gain.
constexpr float kPeakBound = 100.0f;
// After the input stops, the output falls below kTailFloor within kTail seconds, whatever the
// settings. The plug-in declares no tail; a resonator at full Decay rings for minutes by
// design, so this is the host's bound: ten minutes.
constexpr double kTail = 600.0;
constexpr float kTailFloor = 1.0e-7f;

enum class Input
{
    Silence,
    Noise,
    Impulses,
    NaN,
    Inf,
    Huge,
};
constexpr Input kInputs[] = {Input::Silence, Input::Noise, Input::Impulses,
                             Input::NaN,     Input::Inf,   Input::Huge};

const char* inputName(Input input)
{
    switch (input)
    {
    case Input::Silence:
        return "silence";
    case Input::Noise:
        return "noise";
    case Input::Impulses:
        return "impulses";
    case Input::NaN:
        return "NaN";
    case Input::Inf:
        return "Inf";
    case Input::Huge:
        return "1e30";
    }
    return "?";
}

void fill(std::vector<float>& samples, Input input, Random& random)
{
    std::uniform_real_distribution<float> noise(-1.0f, 1.0f);
    for (size_t i = 0; i < samples.size(); ++i)
    {
        switch (input)
        {
        case Input::Silence:
            samples[i] = 0.0f;
            break;
        case Input::Noise:
            samples[i] = noise(random);
            break;
        case Input::Impulses:
            samples[i] = i % 997 == 0 ? 1.0f : 0.0f;
            break;
        case Input::NaN:
            samples[i] = i % 61 == 0 ? std::numeric_limits<float>::quiet_NaN() : noise(random);
            break;
        case Input::Inf:
            samples[i] = i % 61 == 0 ? (i % 2 == 0 ? 1.0f : -1.0f) * INFINITY : noise(random);
            break;
        case Input::Huge:
            samples[i] = i % 61 == 0 ? 1.0e30f : noise(random);
            break;
        }
    }
}

// One instance and its buffers, rendering blocks as a host's audio engine does.
class Rig
{
  public:
    Rig(const EffectDescription& effect, size_t component, float rate)
        : instance(effect, component, rate),
          outputCount(instance.component().property(AAX_eProperty_OutputStemFormat) ==
                              AAX_eStemFormat_Mono
                          ? 1
                          : 2)
    {
    }
    EffectInstance instance;

    // Renders frames of the input in blocks of block frames (0-frame blocks render once);
    // calls check on each output block.
    void render(const std::vector<float>& input, int32_t block,
                const std::function<void(const float* const*, int, size_t)>& check)
    {
        const auto size = static_cast<size_t>(std::max<int32_t>(block, 1));
        if (out[0].size() < size)
            for (auto* v : {&in[0], &in[1], &out[0], &out[1]})
                v->assign(size, 0.0f);
        size_t done = 0;
        do
        {
            const size_t frames = block == 0 ? 0 : std::min(size, input.size() - done);
            for (int c = 0; c < channels; ++c)
                std::copy(input.begin() + static_cast<long>(done),
                          input.begin() + static_cast<long>(done + frames), in[c].begin());
            instance.deliverUpdates();
            const float* ins[2] = {in[0].data(), in[1].data()};
            float* outs[2] = {out[0].data(), out[1].data()};
            instance.render(ins, outs, static_cast<int32_t>(frames));
            check(outs, outputCount, frames);
            done += frames;
        } while (block != 0 && done < input.size());
    }

  private:
    static constexpr int channels = 2;
    int outputCount;
    std::vector<float> in[2], out[2];
};

using Verdict = ValidateVerdict;

uint64_t badSamples(const float* samples, size_t count)
{
    uint64_t bad = 0;
    for (size_t i = 0; i < count; ++i)
    {
        const int kind = std::fpclassify(samples[i]);
        bad += kind == FP_NAN || kind == FP_INFINITE || kind == FP_SUBNORMAL;
    }
    return bad;
}

std::string rateText(float rate)
{
    char text[32];
    std::snprintf(text, sizeof text, "%g Hz", static_cast<double>(rate));
    return text;
}

Verdict checkLifecycles(const EffectDescription& effect, int level, Random& random)
{
    Verdict v;
    const int count = 100 * level;
    uint64_t blocks = 0, bad = 0;
    std::vector<float> input(256);
    for (int i = 0; i < count; ++i)
    {
        const size_t component = static_cast<size_t>(i) % effect.components.size();
        const float rate = kRates[static_cast<size_t>(i) % std::size(kRates)];
        Rig rig(effect, component, rate);
        fill(input, Input::Noise, random);
        auto check = [&](const float* const* s, int c, size_t n)
        {
            for (int k = 0; k < c; ++k)
                bad += badSamples(s[k], n);
        };
        rig.render(input, 128, check);
        // Re-initialised at another rate, as a host does when the session's rate changes.
        rig.instance.setSampleRate(kRates[(static_cast<size_t>(i) + 3) % std::size(kRates)]);
        rig.render(input, 128, check);
        blocks += 4;
    }
    if (bad > 0)
        v.fail(std::to_string(bad) + " bad samples");
    v.counts = std::to_string(count) + " instances created, rendered at two rates and " +
               "discarded, " + std::to_string(blocks) + " blocks, 0 crashes";
    return v;
}

Verdict checkRatesAndBlocks(const EffectDescription& effect, int level, Random& random)
{
    Verdict v;
    std::vector<int32_t> blocks(std::begin(kBlocks), std::end(kBlocks));
    std::uniform_int_distribution<int32_t> anyBlock(1, 4096);
    for (int i = 0; i < 10 * level; ++i)
        blocks.push_back(anyBlock(random));
    std::vector<float> rates(std::begin(kRates), std::end(kRates));
    rates.insert(rates.end(), std::begin(kAbsurdRates), std::end(kAbsurdRates));
    uint64_t renders = 0, samples = 0, bad = 0;
    for (float rate : rates)
        for (int32_t block : blocks)
            for (Input kind : kInputs)
            {
                const size_t component = renders % effect.components.size();
                Rig rig(effect, component, rate);
                std::vector<float> input(static_cast<size_t>(std::max(4 * block, 2048)));
                fill(input, kind, random);
                // The input, then silence: what the input left behind must be clean too.
                input.resize(input.size() * 2, 0.0f);
                uint64_t here = 0;
                rig.render(input, block,
                           [&](const float* const* s, int c, size_t n)
                           {
                               for (int k = 0; k < c; ++k)
                                   here += badSamples(s[k], n);
                               samples += n * static_cast<size_t>(c);
                           });
                ++renders;
                if (here > 0)
                {
                    bad += here;
                    v.fail(std::to_string(here) + " bad samples at " + rateText(rate) + ", block " +
                           std::to_string(block) + ", " + inputName(kind));
                }
            }
    v.counts = std::to_string(rates.size()) + " rates x " + std::to_string(blocks.size()) +
               " block sizes x " + std::to_string(std::size(kInputs)) +
               " inputs = " + std::to_string(renders) + " renders, " + std::to_string(samples) +
               " samples, " + std::to_string(bad) + " NaN, Inf or subnormal";
    return v;
}

Verdict checkParametersAndTail(const EffectDescription& effect, int level, Random& random)
{
    Verdict v;
    const int count = 1000 * level;
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    std::uniform_int_distribution<int> slotOf(0, chordwell::kPublicSlotCount - 1);
    constexpr float kRate = 22050.0f;
    constexpr int32_t kBlock = 512;
    const auto burst = static_cast<size_t>(0.05 * kRate);
    const std::vector<float> settle(static_cast<size_t>(0.5 * kRate), 0.0f);
    const std::vector<float> second(static_cast<size_t>(kRate), 0.0f);
    const auto cap = static_cast<size_t>(kTail * kRate);
    std::vector<float> input(burst);
    float worstPeak = 0.0f;
    double longestTail = 0.0;
    std::string longestValues;
    int tails = 0;
    // Every hundredth set rings down to silence, and first of all the longest ringing there
    // is: full Decay, no Damp, the highest Transpose, wet only.
    const double longest[8] = {1.0, 1.0, 1.0, 0.0, 1.0, 0.5, 0.0, 0.0};
    for (int i = 0; i < count; ++i)
    {
        const bool ringsOut = i % 100 == 0;
        // The engine keeps a tiny signal of its own circulating (its guard against subnormal
        // numbers), which full Decay and Mix can hold near 1e-7 for ever. The input's tail is
        // what the output differs by from a twin that heard only silence with the same
        // settings and automation.
        Rig rig(effect, 0, kRate);
        std::unique_ptr<Rig> twin = ringsOut ? std::make_unique<Rig>(effect, 0, kRate) : nullptr;
        std::string values;
        for (int slot = 0; slot < chordwell::kPublicSlotCount; ++slot)
        {
            const double value = i == 0      ? longest[slot]
                                 : slot == 7 ? std::round(unit(random))
                                             : unit(random);
            rig.instance.edit(getParameterIdentifier(slot), value);
            if (twin)
                twin->instance.edit(getParameterIdentifier(slot), value);
            char text[16];
            std::snprintf(text, sizeof text, "%s%.3f", slot == 0 ? "" : " ", value);
            values += text;
        }
        fill(input, Input::Noise, random);
        float peak = 0.0f;
        size_t position = 0, lastLoud = 0;
        std::vector<float> heard, quiet;
        auto keep = [](std::vector<float>& into)
        {
            return [&into](const float* const* s, int c, size_t n)
            {
                for (size_t k = 0; k < n; ++k)
                    for (int channel = 0; channel < c; ++channel)
                        into.push_back(s[channel][k]);
            };
        };
        // Renders the same stretch through both; the twin hears silence.
        auto run = [&](const std::vector<float>& in, int32_t block)
        {
            heard.clear();
            quiet.clear();
            rig.render(in, block, keep(heard));
            const size_t channels = in.empty() ? 1 : heard.size() / in.size();
            if (twin)
                twin->render(std::vector<float>(in.size(), 0.0f), block, keep(quiet));
            for (size_t k = 0; k < heard.size(); ++k)
            {
                peak = std::max(peak, std::fabs(heard[k]));
                const float own = twin ? std::fabs(heard[k] - quiet[k]) : std::fabs(heard[k]);
                if (!(own < kTailFloor))
                    lastLoud = std::max(lastLoud, position + k / channels);
            }
            position += in.size();
        };
        // Automation while the input plays: a random slot moves in the middle of it.
        run(std::vector<float>(input.begin(), input.begin() + burst / 2), kBlock);
        if (i > 0)
        {
            const int slot = slotOf(random);
            const double value = unit(random);
            rig.instance.automate(getParameterIdentifier(slot), value);
            if (twin)
                twin->instance.automate(getParameterIdentifier(slot), value);
        }
        run(std::vector<float>(input.begin() + burst / 2, input.end()), kBlock);
        run(settle, 4096);
        worstPeak = std::max(worstPeak, peak);
        if (!(peak <= kPeakBound))
            v.fail("peak " + std::to_string(peak) + " with values " + values);
        if (!ringsOut)
            continue;
        ++tails;
        // Rings down until a whole second of the input's tail stays below the floor, or the
        // bound is passed.
        while (position - lastLoud < second.size() && position < burst + cap + second.size())
            run(second, 4096);
        const double ring = static_cast<double>(lastLoud > burst ? lastLoud - burst : 0) / kRate;
        if (ring > longestTail)
        {
            longestTail = ring;
            longestValues = values;
        }
        if (lastLoud >= burst + cap)
            v.fail("still above 1e-7 after " + std::to_string(kTail) + " s with values " + values);
    }
    char text[320];
    std::snprintf(text, sizeof text,
                  "%d random parameter sets with automation, peak %.2f (bound %.0f); %d tails "
                  "rung down to 1e-7, the longest in %.1f s (bound %.0f s; values %s)",
                  count, static_cast<double>(worstPeak), static_cast<double>(kPeakBound), tails,
                  longestTail, kTail, longestValues.c_str());
    v.counts = text;
    return v;
}

// What a host may send for a parameter besides 0..1: each must reach the engine clamped (a NaN
// changes nothing), and leave an instance that sounds again once the value is back.
std::vector<double> hostValuesToTry(int level, Random& random)
{
    std::vector<double> values = {-1.0,
                                  1.0e5,
                                  1.0e38,
                                  -1.0e38,
                                  1.0e300,
                                  std::numeric_limits<double>::quiet_NaN(),
                                  std::numeric_limits<double>::infinity(),
                                  -std::numeric_limits<double>::infinity(),
                                  std::numeric_limits<double>::denorm_min(),
                                  -std::numeric_limits<double>::denorm_min(),
                                  static_cast<double>(std::numeric_limits<float>::denorm_min()),
                                  1.0 + 1.0e-7};
    std::uniform_real_distribution<double> exponent(0.0, 38.0);
    for (int i = 0; i < level; ++i)
        values.push_back((i % 2 == 0 ? 1.0 : -1.0) * std::pow(10.0, exponent(random)));
    return values;
}

Verdict checkHostValues(const EffectDescription& effect, int level, Random& random)
{
    Verdict v;
    const std::vector<double> values = hostValuesToTry(level, random);
    enum Road
    {
        Automation,
        Edit,
        Port,
    };
    const char* roadNames[] = {"automation", "an edit", "a port write"};
    std::vector<float> input(1024), settle(4096, 0.0f);
    uint64_t cases = 0, bad = 0;
    float worstPeak = 0.0f;
    for (size_t component = 0; component < effect.components.size(); ++component)
        for (int slot = 0; slot < chordwell::kPublicSlotCount; ++slot)
            for (const Road road : {Automation, Edit, Port})
            {
                // One instance takes every value in turn, as a host's would.
                Rig rig(effect, component, 48000.0f);
                const std::string id = getParameterIdentifier(slot);
                for (const double value : values)
                {
                    fill(input, Input::Noise, random);
                    uint64_t here = 0;
                    float peak = 0.0f;
                    const auto check = [&](const float* const* s, int c, size_t n)
                    {
                        for (int k = 0; k < c; ++k)
                        {
                            here += badSamples(s[k], n);
                            for (size_t i = 0; i < n; ++i)
                                peak = std::max(peak, std::fabs(s[k][i]));
                        }
                    };
                    rig.render(input, 256, check);
                    if (road == Automation)
                        rig.instance.automate(id, value);
                    else if (road == Edit)
                        rig.instance.edit(id, value);
                    else
                    {
                        // Ports 1-8 carry the public slots as 32-bit floats.
                        const auto word = static_cast<float>(value);
                        rig.instance.writePort(1 + slot, &word, sizeof word);
                    }
                    rig.render(input, 256, check);
                    // Back to the default: the instance sounds again, and its tail is clean.
                    rig.instance.automate(id, getParameterDefault(slot));
                    if (road == Port)
                    {
                        const auto word = static_cast<float>(getParameterDefault(slot));
                        rig.instance.writePort(1 + slot, &word, sizeof word);
                    }
                    rig.render(input, 256, check);
                    rig.render(settle, 512, check);
                    ++cases;
                    worstPeak = std::max(worstPeak, peak);
                    if (here > 0 || !(peak <= kPeakBound))
                    {
                        bad += here;
                        char text[160];
                        std::snprintf(
                            text, sizeof text, "%llu bad samples, peak %g, after %s of %g to '%s'",
                            static_cast<unsigned long long>(here), static_cast<double>(peak),
                            roadNames[road], value, id.c_str());
                        v.fail(text);
                    }
                }
            }
    char text[240];
    std::snprintf(text, sizeof text,
                  "%llu cases (%zu values out of range, non-finite or subnormal, by automation, "
                  "edit and port write, on every parameter of every component): %llu NaN, Inf "
                  "or subnormal samples, peak %.2f (bound %.0f)",
                  static_cast<unsigned long long>(cases), values.size(),
                  static_cast<unsigned long long>(bad), static_cast<double>(worstPeak),
                  static_cast<double>(kPeakBound));
    v.counts = text;
    return v;
}

std::vector<statefile::Chunk> randomState(const EffectDescription& effect, Random& random)
{
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    EffectInstance instance(effect, 0, 48000.0f);
    for (int edits = 0; edits < 12; ++edits)
    {
        const int slot = static_cast<int>(unit(random) * chordwell::kPublicSlotCount) % 8;
        instance.edit(getParameterIdentifier(slot), unit(random));
    }
    instance.automate("MasterBypassID", unit(random) < 0.5 ? 0.0 : 1.0);
    return saveStateChunks(instance);
}

Verdict checkStateRoundTrips(const EffectDescription& effect, int level, Random& random)
{
    Verdict v;
    const int count = 100 * level;
    for (int i = 0; i < count; ++i)
    {
        const auto saved = randomState(effect, random);
        EffectInstance again(effect, static_cast<size_t>(i) % effect.components.size(), 48000.0f);
        try
        {
            restoreStateChunks(again, saved);
            const auto restored = saveStateChunks(again);
            if (statefile::encode(restored) != statefile::encode(saved))
                v.fail("round trip " + std::to_string(i) + " changed the state");
        }
        catch (const std::exception& e)
        {
            v.fail("round trip " + std::to_string(i) + ": " + e.what());
        }
    }
    v.counts = std::to_string(count) +
               " random states saved, restored into a new instance and "
               "saved again: " +
               std::to_string(count - static_cast<int>(v.failures)) + " byte-identical";
    return v;
}

std::vector<uint8_t> mutate(std::vector<uint8_t> data, Random& random)
{
    std::uniform_int_distribution<int> kind(0, 4);
    std::uniform_int_distribution<int> byte(0, 255);
    auto at = [&](size_t size)
    { return std::uniform_int_distribution<size_t>(0, size == 0 ? 0 : size - 1)(random); };
    switch (kind(random))
    {
    case 0: // a few bytes changed
        for (int n = 1 + byte(random) % 8; n > 0 && !data.empty(); --n)
            data[at(data.size())] = static_cast<uint8_t>(byte(random));
        break;
    case 1: // cut short
        data.resize(at(data.size() + 1));
        break;
    case 2: // bytes added
        for (int n = 1 + byte(random); n > 0; --n)
            data.push_back(static_cast<uint8_t>(byte(random)));
        break;
    case 3: // nothing but noise
        for (uint8_t& b : data)
            b = static_cast<uint8_t>(byte(random));
        break;
    default: // a word set to an extreme
        if (data.size() >= 4)
        {
            const size_t p = at(data.size() - 3);
            const uint32_t extremes[] = {0, 0xFFFFFFFFu, 0x7FFFFFFFu, 0x80000000u, 0x7FC00000u};
            const uint32_t word = extremes[static_cast<size_t>(byte(random)) % 5];
            for (int k = 0; k < 4; ++k)
                data[p + static_cast<size_t>(k)] = static_cast<uint8_t>(word >> (8 * k));
        }
        break;
    }
    return data;
}

Verdict checkFuzzedStates(const EffectDescription& effect, int level, Random& random)
{
    Verdict v;
    const int count = 1000 * level;
    int refused = 0, accepted = 0;
    const auto base = randomState(effect, random);
    EffectInstance instance(effect, 0, 48000.0f);
    for (int i = 0; i < count; ++i)
    {
        const statefile::Chunk& chunk = base[static_cast<size_t>(i) % base.size()];
        const std::vector<uint8_t> damaged = mutate(chunk.data, random);
        const auto before = statefile::encode(saveStateChunks(instance));
        const AAX_Result result = instance.setChunk(chunk.id, damaged);
        if (result == AAX_SUCCESS)
        {
            ++accepted;
            continue;
        }
        ++refused;
        if (statefile::encode(saveStateChunks(instance)) != before)
            v.fail("a refused '" + chunkName(chunk.id) + "' chunk (" + std::to_string(result) +
                   ") changed the state, state " + std::to_string(i));
    }
    v.counts = std::to_string(count) + " damaged chunks: " + std::to_string(refused) +
               " refused with nothing changed, " + std::to_string(accepted) +
               " accepted, 0 crashes";
    return v;
}

// Preset names are free bytes: whatever a name field holds, the bank's state is taken and
// given back with each name as it was (the 24th byte is the terminator; a name without one
// is cut to 23).
Verdict checkPresetNames(const EffectDescription& effect, int level, Random& random)
{
    Verdict v;
    EffectInstance instance(effect, 0, 48000.0f);
    std::vector<uint8_t> fresh;
    if (instance.getChunk(statefile::kBankChunk, fresh) != AAX_SUCCESS)
    {
        v.fail("no bank state to start from");
        return v;
    }
    const PresetNameStates names =
        makePresetNameStates(fresh, level, static_cast<uint32_t>(random()));
    size_t kept = 0;
    for (size_t i = 0; i < names.states.size(); ++i)
    {
        const std::vector<uint8_t>& state = names.states[i];
        const AAX_Result result = instance.setChunk(statefile::kBankChunk, state);
        std::vector<uint8_t> back;
        if (result != AAX_SUCCESS || instance.getChunk(statefile::kBankChunk, back) != AAX_SUCCESS)
        {
            v.fail("names state " + std::to_string(i) + " was refused (" + std::to_string(result) +
                   ")");
            continue;
        }
        for (const size_t at : names.offsets)
        {
            const size_t text = PresetNameStates::kNameSize - 1;
            if (back.size() < at + PresetNameStates::kNameSize ||
                std::memcmp(back.data() + at, state.data() + at, text) != 0 || back[at + text] != 0)
                v.fail("names state " + std::to_string(i) + " changed a name's bytes");
            else
                ++kept;
        }
    }
    v.counts = std::to_string(names.states.size()) + " bank states with every byte value at " +
               "every place of a name: " + std::to_string(kept) + " names kept byte for byte";
    return v;
}

void report(const char* name, const Verdict& verdict, std::chrono::steady_clock::time_point start)
{
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("%-4s %s: %s (%.1f s)", verdict.failures > 0 ? "FAIL" : "ok", name,
                verdict.counts.c_str(), seconds);
    if (verdict.failures > 0)
        std::printf("; %llu failures, the first: %s",
                    static_cast<unsigned long long>(verdict.failures),
                    verdict.firstFailure.c_str());
    std::printf("\n");
}

Verdict checkRenderCallback(const EffectDescription& effect, int level, Random& random)
{
    Verdict v;
    if (!realtime::available())
    {
        v.counts = std::string("skipped: ") + realtime::unavailableReason();
        return v;
    }
    const int count = 100 * level;
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    const realtime::Counts before = realtime::counted();
    uint64_t blocks = 0;
    for (size_t component = 0; component < effect.components.size(); ++component)
    {
        Rig rig(effect, component, 48000.0f);
        rig.instance.watchRenderCallback(realtime::watch);
        const auto state = randomState(effect, random);
        std::vector<float> input(512);
        for (int i = 0; i < count; ++i)
        {
            // Between blocks: automation, edits, a rate change, a restored state; each
            // reaches the callback as new port values, a new rate or a new bank.
            rig.instance.automate(getParameterIdentifier(i % 8), unit(random));
            if (i % 7 == 0)
                rig.instance.setSampleRate(kRates[static_cast<size_t>(i) % std::size(kRates)]);
            if (i % 13 == 0)
                restoreStateChunks(rig.instance, state);
            fill(input, Input::Noise, random);
            rig.render(input, 128 + 64 * (i % 7), [](const float* const*, int, size_t) {});
            ++blocks;
        }
        rig.instance.watchRenderCallback(nullptr);
    }
    const realtime::Counts after = realtime::counted();
    const uint64_t allocations = after.allocations - before.allocations;
    const uint64_t locks = after.locks - before.locks;
    const uint64_t calls = after.systemCalls - before.systemCalls;
    if (allocations + locks + calls > 0)
        v.fail("the render callback allocated, locked or called the system");
    v.counts = std::to_string(blocks) + " render calls between automation, rate changes and " +
               "state restores: " + std::to_string(allocations) + " allocations, " +
               std::to_string(locks) + " locks, " + std::to_string(calls) + " system calls";
    return v;
}
} // namespace

void addValidateOptions(CLI::App& command, ValidateOptions& options)
{
    command.add_option("--level", options.level, "1..10: scales every count (CI runs 1)")
        ->capture_default_str();
    command.add_option("--seed", options.seed, "random seed, for repeating a run")
        ->capture_default_str();
    command.add_option("--plugin", options.plugin, pluginOptionHelp());
    command
        .add_option("--check", options.only,
                    "run only the checks whose name contains this text (repeatable)")
        ->allow_extra_args(false);
}

int runValidate(const ValidateOptions& options, const std::vector<ValidateExtraCheck>& extraChecks)
{
    if (options.level < 1 || options.level > 10)
    {
        std::fprintf(stderr, "chordwell-host validate: --level must be 1 to 10\n");
        return 2;
    }
    struct Check
    {
        const char* name;
        Verdict (*run)(const EffectDescription&, int, Random&);
    };
    const Check checks[] = {
        {"lifecycles", checkLifecycles},
        {"rates, blocks and inputs", checkRatesAndBlocks},
        {"parameters and tail", checkParametersAndTail},
        {"host values", checkHostValues},
        {"state round trips", checkStateRoundTrips},
        {"damaged states", checkFuzzedStates},
        {"preset names", checkPresetNames},
        {"render callback", checkRenderCallback},
    };
    try
    {
        PluginLibrary library(pluginPath(options.plugin));
        const EffectDescription& effect = library.effect();
        std::printf("validate %s at level %d, seed %u\n", pluginPath(options.plugin).c_str(),
                    options.level, options.seed);
        const auto chosen = [&options](const char* name)
        {
            return options.only.empty() ||
                   std::any_of(options.only.begin(), options.only.end(),
                               [name](const std::string& part)
                               { return std::string(name).find(part) != std::string::npos; });
        };
        int failed = 0;
        size_t ran = 0;
        for (const Check& check : checks)
        {
            if (!chosen(check.name))
                continue;
            ++ran;
            Random random(options.seed);
            std::fflush(stdout);
            const auto start = std::chrono::steady_clock::now();
            Verdict verdict;
            try
            {
                verdict = check.run(effect, options.level, random);
            }
            catch (const std::exception& e)
            {
                verdict.fail(e.what());
            }
            failed += verdict.failures > 0;
            report(check.name, verdict, start);
        }
        for (const ValidateExtraCheck& check : extraChecks)
        {
            if (!chosen(check.name))
                continue;
            ++ran;
            std::fflush(stdout);
            const auto start = std::chrono::steady_clock::now();
            Verdict verdict;
            try
            {
                verdict = check.run(library, pluginPath(options.plugin), options.level);
            }
            catch (const std::exception& e)
            {
                verdict.fail(e.what());
            }
            failed += verdict.failures > 0;
            report(check.name, verdict, start);
        }
        if (ran == 0)
        {
            std::fprintf(stderr, "chordwell-host validate: no check is named like that\n");
            return 2;
        }
        std::printf("validate: %zu checks, %d failed\n", ran, failed);
        return failed > 0 ? 1 : 0;
    }
    catch (const HostError& e)
    {
        std::fprintf(stderr, "chordwell-host validate: %s\n", e.what());
        return 1;
    }
}
