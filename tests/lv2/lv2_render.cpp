// chordwell-lv2-render [--block N] [--preset LABEL] [-c SYMBOL VALUE]... URI IN OUT: renders a
// sound file through an LV2 plug-in found by lilv on LV2_PATH, in blocks of N frames (a
// zero-length run before each block), into a 32-bit float WAV. lv2apply does the same one frame
// at a time; this one lets the tests choose the block boundaries.
#include "LilvHost.h"

#include <sndfile.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

static int fail(const std::string& text)
{
    std::fprintf(stderr, "chordwell-lv2-render: %s\n", text.c_str());
    return 1;
}

int main(int argc, char** argv)
{
    uint32_t block = 512;
    std::string preset;
    std::vector<std::pair<std::string, float>> controls;
    std::vector<std::string> rest;
    for (int i = 1; i < argc; ++i)
    {
        const std::string arg = argv[i];
        if (arg == "--block" && i + 1 < argc)
            block = static_cast<uint32_t>(std::strtoul(argv[++i], nullptr, 10));
        else if (arg == "--preset" && i + 1 < argc)
            preset = argv[++i];
        else if (arg == "-c" && i + 2 < argc)
        {
            controls.emplace_back(argv[i + 1], std::strtof(argv[i + 2], nullptr));
            i += 2;
        }
        else
            rest.push_back(arg);
    }
    if (rest.size() != 3 || block == 0)
        return fail("usage: [--block N] [--preset LABEL] [-c SYMBOL VALUE]... URI IN OUT");

    SF_INFO inInfo{};
    SNDFILE* in = sf_open(rest[1].c_str(), SFM_READ, &inInfo);
    if (in == nullptr)
        return fail("cannot read " + rest[1]);
    std::vector<float> interleaved(static_cast<size_t>(inInfo.frames * inInfo.channels));
    sf_readf_float(in, interleaved.data(), inInfo.frames);
    sf_close(in);

    LilvHost host;
    LilvRunner runner(host, host.plugin(rest[0]), inInfo.samplerate, block);
    if (!runner.ok())
        return fail("cannot instantiate " + rest[0]);
    if (!preset.empty() && !runner.applyPreset(host.presetByLabel(host.plugin(rest[0]), preset)))
        return fail("no preset " + preset);
    for (const auto& [symbol, value] : controls)
        if (!runner.setControl(symbol, value))
            return fail("no port " + symbol);

    const auto channels = static_cast<size_t>(inInfo.channels);
    if (channels != runner.inputs.size() && channels != 1)
        return fail("the file's channels do not fit the plug-in's inputs");
    SF_INFO outInfo{};
    outInfo.samplerate = inInfo.samplerate;
    outInfo.channels = static_cast<int>(runner.outputs.size());
    outInfo.format = SF_FORMAT_WAV | SF_FORMAT_FLOAT;
    SNDFILE* out = sf_open(rest[2].c_str(), SFM_WRITE, &outInfo);
    if (out == nullptr)
        return fail("cannot write " + rest[2]);
    std::vector<float> frameOut(runner.outputs.size() * block);
    for (sf_count_t start = 0; start < inInfo.frames; start += block)
    {
        const auto frames =
            static_cast<uint32_t>(std::min<sf_count_t>(block, inInfo.frames - start));
        for (size_t c = 0; c < runner.inputs.size(); ++c)
            for (uint32_t f = 0; f < frames; ++f)
                runner.inputs[c][f] = interleaved[(static_cast<size_t>(start) + f) * channels +
                                                  std::min(c, channels - 1)];
        runner.run(0);
        runner.run(frames);
        for (uint32_t f = 0; f < frames; ++f)
            for (size_t c = 0; c < runner.outputs.size(); ++c)
                frameOut[f * runner.outputs.size() + c] = runner.outputs[c][f];
        sf_writef_float(out, frameOut.data(), frames);
    }
    sf_close(out);
    return 0;
}
