#include "EngineRenderer.h"
#include <BinaryFile.h>
#include <DemoSignal.h>
#include <FactoryPresets.h>
#include <PluginRenderer.h>
#include <PresetState.h>
#include <RenderLoop.h>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>

namespace
{
// The first second of the demo with half a second of tail: enough to ring every string.
AudioBuffer shortDemo()
{
    AudioBuffer demo = makeDemoSignal();
    for (auto& channel : demo.channels)
        channel.resize(static_cast<size_t>(demo.sampleRate));
    return demo;
}

RenderRequest request(Layout layout, uint32_t block)
{
    RenderRequest r;
    r.layout = layout;
    r.tailSeconds = 0.5;
    r.blockFrames = block;
    return r;
}

// Applies a parameter change at the start of the block containing a frame: the reference for
// host automation.
struct AutomatedEngine final : Renderer
{
    EngineRenderer& engine;
    uint64_t frame;
    int slot;
    float value;
    uint64_t position = 0;
    AutomatedEngine(EngineRenderer& e, uint64_t f, int s, float v)
        : engine(e), frame(f), slot(s), value(v)
    {
    }
    void setParameter(int s, float v) override { engine.setParameter(s, v); }
    void setMasterBypass(bool on) override { engine.setMasterBypass(on); }
    void renderBlock(const float* const* in, float* const* out, uint32_t frames) override
    {
        if (frame >= position && frame < position + frames)
            engine.setParameter(slot, value);
        engine.renderBlock(in, out, frames);
        position += frames;
    }
    float inputPeak() const override { return engine.inputPeak(); }
    float outputPeak() const override { return engine.outputPeak(); }
};

struct RunResult
{
    int status;
    std::string out;
};

RunResult runHost(const std::string& arguments)
{
    const std::string command = std::string(CHORDWELL_HOST_PATH) + " " + arguments + " 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    std::string out;
    char buffer[4096];
    size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
        out.append(buffer, got);
    const int status = pclose(pipe);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, out};
}

class PluginRender : public ::testing::Test
{
  protected:
    PluginLibrary library{ORL_PLUGIN_PATH};
    AudioBuffer input = shortDemo();
    std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("orl-render-" + std::to_string(::getpid()));
    void SetUp() override { std::filesystem::create_directories(folder); }
    void TearDown() override { std::filesystem::remove_all(folder); }
    std::string path(const char* name) const { return (folder / name).string(); }
};

TEST_F(PluginRender, plugin_path_matches_the_engine_bit_for_bit_in_every_layout)
{
    for (Layout layout : {Layout::Mono, Layout::Stereo, Layout::MonoStereo})
        for (bool bypass : {false, true})
        {
            EngineRenderer engine(layout, input.sampleRate);
            PluginRenderer plugin(library, layout, input.sampleRate);
            for (Renderer* r : {static_cast<Renderer*>(&engine), static_cast<Renderer*>(&plugin)})
            {
                r->setParameter(2, 0.7f);
                r->setParameter(4, 0.625f);
                r->setParameter(6, 0.3f);
                r->setMasterBypass(bypass);
            }
            const AudioBuffer a = renderThrough(engine, input, request(layout, 333), {});
            const AudioBuffer b = renderThrough(plugin, input, request(layout, 333), {});
            EXPECT_EQ(a.channels, b.channels) << static_cast<int>(layout) << " " << bypass;
            EXPECT_EQ(engine.inputPeak(), plugin.inputPeak());
            EXPECT_EQ(engine.outputPeak(), plugin.outputPeak());
        }
}

TEST_F(PluginRender, factory_presets_restored_as_state_play_their_values)
{
    for (int preset : {0, 2, 5, 8})
    {
        EngineRenderer engine(Layout::Stereo, input.sampleRate);
        double values[8];
        getFactoryPreset(preset, values, nullptr);
        for (int slot = 0; slot < 8; ++slot)
            engine.setParameter(slot, static_cast<float>(values[slot]));
        PluginRenderer plugin(library, Layout::Stereo, input.sampleRate);
        ASSERT_EQ(plugin.restoreState(factoryPresetChunk(preset)), 0);
        const AudioBuffer a = renderThrough(engine, input, request(Layout::Stereo, 512), {});
        const AudioBuffer b = renderThrough(plugin, input, request(Layout::Stereo, 512), {});
        EXPECT_EQ(a.channels, b.channels) << "preset " << preset;
    }
}

TEST_F(PluginRender, automation_lands_at_its_block_and_leaves_the_saved_state_alone)
{
    const uint64_t frame = 20000; // inside the block starting at 19968
    EngineRenderer engine(Layout::Stereo, input.sampleRate);
    AutomatedEngine reference(engine, frame, 2, 0.9f);
    PluginRenderer plugin(library, Layout::Stereo, input.sampleRate);
    ASSERT_EQ(plugin.restoreState(factoryPresetChunk(0)), 0);
    double values[8];
    getFactoryPreset(0, values, nullptr);
    for (int slot = 0; slot < 8; ++slot)
        engine.setParameter(slot, static_cast<float>(values[slot]));
    plugin.scheduleParameter(2, frame, 0.9f);
    const AudioBuffer a = renderThrough(reference, input, request(Layout::Stereo, 256), {});
    const AudioBuffer b = renderThrough(plugin, input, request(Layout::Stereo, 256), {});
    EXPECT_EQ(a.channels, b.channels);
    std::vector<uint8_t> state;
    ASSERT_EQ(plugin.saveState(state), 0);
    EXPECT_EQ(state, factoryPresetChunk(0));
}

TEST_F(PluginRender, render_command_saves_and_restores_state_files)
{
    const std::string first = path("first.state");
    RunResult r = runHost("render --preset 3 --set decay=0.6 --tail 0.1 --state-out " + first +
                          " " + path("a.wav"));
    ASSERT_EQ(r.status, 0) << r.out;
    EXPECT_NE(r.out.find("output peak:"), std::string::npos);
    const std::string second = path("second.state");
    r = runHost("render --state-in " + first + " --tail 0.1 --state-out " + second + " " +
                path("b.wav"));
    ASSERT_EQ(r.status, 0) << r.out;
    std::vector<uint8_t> a, b;
    std::string error;
    ASSERT_TRUE(readBinaryFile(first, a, 1 << 20, error));
    ASSERT_TRUE(readBinaryFile(second, b, 1 << 20, error));
    EXPECT_EQ(a.size(), 4297u);
    EXPECT_EQ(a, b);

    std::vector<uint8_t> shortState(11, 0);
    ASSERT_TRUE(writeBinaryFile(path("short.state"), shortState, error));
    r = runHost("render --state-in " + path("short.state") + " " + path("c.wav"));
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.out.find("-20011"), std::string::npos) << r.out;
    r = runHost("render --automate decay@0.5=2 " + path("c.wav"));
    EXPECT_EQ(r.status, 2);
}

TEST_F(PluginRender, describe_json_tells_what_the_plugin_described)
{
    const RunResult r = runHost("describe --json");
    ASSERT_EQ(r.status, 0) << r.out;
    const auto d = nlohmann::json::parse(r.out);
    EXPECT_EQ(d["effect"]["name"], "ORL Chordwell");
    EXPECT_EQ(d["effect"]["category"], 8);
    EXPECT_EQ(d["manufacturer"], "Orlund");
    EXPECT_EQ(d["packageVersion"]["number"], 69637);
    EXPECT_EQ(d["pageTables"][0]["file"], "ORLChordwellPageTables.xml");
    ASSERT_EQ(d["components"].size(), 3u);
    EXPECT_EQ(d["components"][2]["properties"][5]["text"], "QWcx");
    EXPECT_EQ(d["fields"].size(), 17u);
    EXPECT_EQ(d["fields"][16]["size"], 528);
    EXPECT_EQ(d["meters"].size(), 66u);
    EXPECT_EQ(d["meters"][1]["id"], "mtrO");
    EXPECT_EQ(d["procedures"].size(), 3u);
    ASSERT_EQ(d["parameters"].size(), 9u);
    EXPECT_EQ(d["parameters"][0]["id"], "MasterBypassID");
    EXPECT_TRUE(d["parameters"][0]["defaultText"].is_null());
    EXPECT_EQ(d["parameters"][1]["defaultText"], "0.0 dB");
}

TEST_F(PluginRender, host_errors_name_the_library_and_the_result)
{
    RunResult r = runHost("describe --plugin /nonexistent/ORLChordwell.so");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.out.find("cannot load plug-in library"), std::string::npos) << r.out;
    r = runHost("render --plugin libm.so.6 " + path("x.wav"));
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.out.find("no entry point"), std::string::npos) << r.out;
    r = runHost(std::string("describe --plugin ") + ORL_FAILING_PLUGIN_PATH);
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.out.find("ACFRegisterPlugin"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("-20004 (AAX_ERROR_NULL_OBJECT)"), std::string::npos) << r.out;
}
} // namespace
