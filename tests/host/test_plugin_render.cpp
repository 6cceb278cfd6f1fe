#include "EngineRenderer.h"
#include "HostFolderTest.h"
#include "LiteralChordwell.h"
#include <FactoryPresets.h>
#include <render/PluginRenderer.h>
#include <render/PresetState.h>
#include <render/RenderLoop.h>

#include <dlfcn.h>
#include <link.h>
#include <nlohmann/json.hpp>

#include <memory>

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

class PluginRender : public HostFolderTest<>
{
  protected:
    PluginLibrary library{ORL_PLUGIN_PATH};
    AudioBuffer input = shortDemo();
};

TEST_F(PluginRender, plugin_path_matches_the_engine_bit_for_bit_in_every_layout)
{
    // The engine written out literally, in the same blocks, its tail included: the reference for
    // the render loop.
    const auto literal = std::make_unique<LiteralChordwell>();
    literal->setSampleRate(input.sampleRate);
    const size_t total = input.frames() * 3 / 2;
    std::vector<float> in[2], out[2];
    for (int c = 0; c < 2; ++c)
    {
        in[c] = input.channels[c];
        in[c].resize(total);
        out[c].resize(total);
    }
    for (const auto& [slot, value] : {std::pair{2, 0.7f}, {4, 0.625f}, {6, 0.3f}})
        literal->setParameter(slot, value);
    for (size_t at = 0; at < total; at += 333)
        literal->process<float>(in[0].data() + at, in[1].data() + at, out[0].data() + at,
                                out[1].data() + at,
                                static_cast<uint32_t>(std::min<size_t>(333, total - at)));

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
            const AudioBuffer a = renderThrough(engine, input, {layout, 0.5, 333}, {});
            const AudioBuffer b = renderThrough(plugin, input, {layout, 0.5, 333}, {});
            EXPECT_EQ(a.channels, b.channels) << static_cast<int>(layout) << " " << bypass;
            if (layout == Layout::Stereo && !bypass)
            {
                EXPECT_TRUE(a.channels[0] == out[0] && a.channels[1] == out[1]);
            }
            EXPECT_EQ(engine.inputPeak(), plugin.inputPeak());
            EXPECT_EQ(engine.outputPeak(), plugin.outputPeak());
        }
}

TEST_F(PluginRender, automation_lands_at_its_block_and_leaves_the_saved_state_alone)
{
    // Automation at frame 20000 lands at the start of its block, at 19968: the engine's
    // reference is rendered in two parts with the value set between them.
    constexpr size_t kBlockStart = 19968;
    EngineRenderer engine(Layout::Stereo, input.sampleRate);
    PluginRenderer plugin(library, Layout::Stereo, input.sampleRate);
    ASSERT_EQ(plugin.restoreState(factoryPresetChunk(0)), 0);
    double values[8];
    getFactoryPreset(0, values, nullptr);
    for (int slot = 0; slot < 8; ++slot)
        engine.setParameter(slot, static_cast<float>(values[slot]));
    plugin.scheduleParameter(2, 20000, 0.9f);
    AudioBuffer head = input, rest = input;
    for (size_t c = 0; c < 2; ++c)
    {
        head.channels[c].resize(kBlockStart);
        rest.channels[c].erase(rest.channels[c].begin(), rest.channels[c].begin() + kBlockStart);
    }
    AudioBuffer a = renderThrough(engine, head, {Layout::Stereo, 0.0, 256}, {});
    engine.setParameter(2, 0.9f);
    const AudioBuffer tail = renderThrough(engine, rest, {Layout::Stereo, 0.5, 256}, {});
    for (size_t c = 0; c < 2; ++c)
        a.channels[c].insert(a.channels[c].end(), tail.channels[c].begin(), tail.channels[c].end());
    const AudioBuffer b = renderThrough(plugin, input, {Layout::Stereo, 0.5, 256}, {});
    EXPECT_EQ(a.channels, b.channels);
    std::vector<uint8_t> state;
    ASSERT_EQ(plugin.saveState(state), 0);
    EXPECT_EQ(state, factoryPresetChunk(0));
}

TEST_F(PluginRender, repeatable_options_take_one_value_and_any_block_size_renders)
{
    std::string error;
    ASSERT_TRUE(writeFloatWav(path("in.wav"), input, error)) << error;
    for (const std::string option : {"--automate decay@0.5=0.2", "--automate=decay@0.5=0.2",
                                     "--set decay=0.2", "--set=decay=0.2"})
    {
        std::filesystem::remove(path("out.wav"));
        EXPECT_TRUE(hostExits(0, "render --tail 0 " + option + " " + path("in.wav") + " " +
                                     path("out.wav")));
        EXPECT_TRUE(std::filesystem::exists(path("out.wav"))) << option;
    }

    // An odd block length is what hosts give: it renders, and as the host does.
    for (uint32_t block : {1u, 37u})
    {
        ASSERT_TRUE(hostExits(0, "render --tail 0.1 --block " + std::to_string(block) + " " +
                                     path("in.wav") + " " + path("odd.wav")));
        PluginRenderer plugin(library, Layout::Stereo, input.sampleRate);
        const AudioBuffer expected = renderThrough(plugin, input, {Layout::Stereo, 0.1, block}, {});
        EXPECT_EQ(audioOf("odd.wav").channels, expected.channels) << "block " << block;
    }
}

TEST_F(PluginRender, describe_json_tells_what_the_plugin_described)
{
    const RunResult r = runHost("describe --json");
    ASSERT_EQ(r.status, 0) << r.out;
    const auto d = nlohmann::json::parse(r.out);
    EXPECT_EQ(d["effect"]["name"], "ORL Chordwell");
    ASSERT_EQ(d["parameters"].size(), 9u);
    EXPECT_EQ(d["parameters"][0]["id"], "MasterBypassID");
    EXPECT_TRUE(d["parameters"][0]["defaultText"].is_null());
    EXPECT_EQ(d["parameters"][1]["defaultText"], "0.0 dB");
}

TEST_F(PluginRender, host_errors_name_the_library_and_the_result)
{
    EXPECT_TRUE(hostExits(1, "describe --plugin /nonexistent/ORLChordwell.so",
                          "cannot load plug-in library"));
    // A bare name is a file of the working folder: the system's libm is not in this one.
    EXPECT_TRUE(hostExits(1, "describe --plugin libm.so.6", "cannot load",
                          "cd " + folder.string() + " && "));
    // A library without the entry point, by its full path.
    void* libm = ::dlopen("libm.so.6", RTLD_NOW);
    link_map* map = nullptr;
    ASSERT_TRUE(libm != nullptr && ::dlinfo(libm, RTLD_DI_LINKMAP, &map) == 0);
    EXPECT_TRUE(hostExits(1, std::string("render --plugin ") + map->l_name + " " + path("x.wav"),
                          "no entry point"));
    EXPECT_TRUE(hostExits(1, std::string("describe --plugin ") + ORL_FAILING_PLUGIN_PATH,
                          std::string("ACFRegisterPlugin of '") + ORL_FAILING_PLUGIN_PATH +
                              "' failed: -20004 (AAX_ERROR_NULL_OBJECT)"));
}
} // namespace
