#include "LiteralChordwell.h"

#include "EngineRenderer.h"
#include <AudioFile.h>
#include <DemoSignal.h>
#include <RenderCommand.h>
#include <RenderLoop.h>

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <memory>

namespace
{
namespace fs = std::filesystem;

struct TempDir
{
    fs::path path =
        fs::temp_directory_path() / ("chordwell-host-test-" + std::to_string(::getpid()));
    TempDir() { fs::create_directories(path); }
    ~TempDir() { fs::remove_all(path); }
};

AudioBuffer shortInput()
{
    AudioBuffer audio = makeDemoSignal();
    for (auto& channel : audio.channels)
        channel.resize(9000);
    return audio;
}

AudioBuffer render(Layout layout, uint32_t block, const float (&values)[8], bool bypass = false)
{
    const AudioBuffer input = shortInput();
    EngineRenderer renderer(layout, input.sampleRate);
    for (int slot = 0; slot < 8; ++slot)
        renderer.setParameter(slot, values[slot]);
    renderer.setMasterBypass(bypass);
    RenderRequest request{layout, 0.25, block};
    return renderThrough(renderer, input, request, nullptr);
}

TEST(RenderCommand, output_is_the_literal_algorithm_whatever_the_block_size)
{
    const float values[8] = {0.6f, 0.7f, 0.8f, 0.1f, 0.75f, 0.3f, 0.4f, 0.0f};
    const AudioBuffer input = shortInput();
    const size_t total = input.frames() + 12000; // 0.25 s of tail at 48 kHz

    auto reference = std::make_unique<LiteralChordwell>();
    reference->setSampleRate(input.sampleRate);
    for (int slot = 0; slot < 8; ++slot)
        reference->setParameter(static_cast<uint32_t>(slot), values[slot]);
    std::vector<float> left(total, 0.0f), right(total, 0.0f), out0(total), out1(total);
    std::copy(input.channels[0].begin(), input.channels[0].end(), left.begin());
    std::copy(input.channels[1].begin(), input.channels[1].end(), right.begin());
    reference->process<float>(left.data(), right.data(), out0.data(), out1.data(),
                              static_cast<uint32_t>(total));

    for (uint32_t block : {512u, 38u, 4096u})
    {
        const AudioBuffer output = render(Layout::Stereo, block, values);
        ASSERT_EQ(output.frames(), total);
        EXPECT_EQ(0, std::memcmp(output.channels[0].data(), out0.data(), total * sizeof(float)))
            << "block " << block;
        EXPECT_EQ(0, std::memcmp(output.channels[1].data(), out1.data(), total * sizeof(float)))
            << "block " << block;
    }
}

TEST(RenderCommand, master_bypass_copies_channel_0_in_every_one_input_layout)
{
    const float values[8] = {0.5f, 0.25f, 0.25f, 0.25f, 0.5f, 0.5f, 0.0f, 0.0f};
    const AudioBuffer input = shortInput();
    for (Layout layout : {Layout::Mono, Layout::MonoStereo})
    {
        const AudioBuffer output = render(layout, 512, values, true);
        for (const auto& channel : output.channels)
            EXPECT_EQ(0, std::memcmp(channel.data(), input.channels[0].data(),
                                     input.frames() * sizeof(float)));
    }
}

TEST(RenderCommand, refused_arguments_and_bad_files_leave_no_output)
{
    TempDir dir;
    const std::string out = (dir.path / "out.wav").string();
    auto run = [&](RenderOptions options)
    {
        options.tailSeconds = 0.1;
        options.plugin = ORL_TEST_PLUGIN_PATH;
        if (options.files.empty())
            options.files = {out};
        return runRender(options);
    };
    RenderOptions badSlot;
    badSlot.sets = {"loudness=0.5"};
    EXPECT_EQ(run(badSlot), 2);
    RenderOptions badValue;
    badValue.sets = {"Decay=1.01"};
    EXPECT_EQ(run(badValue), 2);
    RenderOptions notNumber;
    notNumber.sets = {"2=nan"};
    EXPECT_EQ(run(notNumber), 2);
    RenderOptions noBlock;
    noBlock.blockFrames = 0;
    EXPECT_EQ(run(noBlock), 2);
    RenderOptions badPreset;
    badPreset.preset = "Cathedral";
    EXPECT_EQ(run(badPreset), 2);
    RenderOptions missingInput;
    missingInput.files = {(dir.path / "missing.wav").string(), out};
    EXPECT_EQ(run(missingInput), 1);
    EXPECT_FALSE(fs::exists(out));

    RenderOptions good;
    good.preset = "almost REVERB";
    good.sets = {"mix=1", "3=0.5"};
    EXPECT_EQ(run(good), 0);
    AudioBuffer written;
    std::string error;
    ASSERT_TRUE(readAudioFile(out, written, error)) << error;
    EXPECT_EQ(written.channels.size(), 2u);
    EXPECT_EQ(written.sampleRate, 48000.0);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path), fs::directory_iterator{}), 1)
        << "no temporary file is left beside the output";
}
} // namespace
