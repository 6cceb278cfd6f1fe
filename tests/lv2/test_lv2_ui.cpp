// The LV2 UI as a host embeds it, on the X display ctest starts. (Opening and closing while audio
// runs: tests/lv2_juce_host, in a host we did not write.)
#include "LilvHost.h"
#include "Lv2Paths.h"

#include <PresetBank.h>

#include <dlfcn.h>
#include <gtest/gtest.h>
#include <lv2/atom/atom.h>
#include <lv2/instance-access/instance-access.h>
#include <lv2/options/options.h>
#include <lv2/parameters/parameters.h>
#include <lv2/ui/ui.h>
#include <lv2/urid/urid.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <limits>
#include <string>
#include <thread>
#include <utility>
#include <vector>

// Last: the X11 headers define macros (None, Status) that other headers use as names.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

// The stereo plug-in running in lilv, and a host window for its UI on a bare X server (no window
// manager, none of its atoms) with Xlib's default error handler, as lv2lint opens a UI.
class Lv2Ui : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        if (std::getenv("DISPLAY") == nullptr)
            GTEST_SKIP() << "no X display";
        // The plug-in's toolkit uses Xlib from more than one thread, as it asks first.
        XInitThreads();
        display = XOpenDisplay(nullptr);
        library =
            dlopen((std::string(ORL_LV2_PATH) + "/orl-chordwell.lv2/orl-chordwell.so").c_str(),
                   RTLD_NOW | RTLD_LOCAL);
        ASSERT_TRUE(runner.ok() && display != nullptr && library != nullptr);
        parent = XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 401, 301, 0, 0, 0);
        XMapRaised(display, parent);
        XSync(display, False);
        using Entry = const LV2UI_Descriptor* (*)(uint32_t);
        descriptor = reinterpret_cast<Entry>(dlsym(library, "lv2ui_descriptor"))(0);
    }
    void TearDown() override
    {
        close();
        if (display != nullptr)
        {
            XDestroyWindow(display, parent);
            XCloseDisplay(display);
        }
        if (library != nullptr)
            dlclose(library);
    }

    // instance is what the host passes for instance access; by default the plug-in's handle.
    // A scale is passed as the ui:scaleFactor option, with the host's URID map.
    bool open(void* instance = nullptr, const float* scale = nullptr)
    {
        LV2_Feature parentFeature{LV2_UI__parent, reinterpret_cast<void*>(parent)};
        LV2_Feature access{LV2_INSTANCE_ACCESS_URI,
                           instance != nullptr ? instance
                                               : lilv_instance_get_handle(runner.lilvInstance())};
        LV2_Feature resizeFeature{LV2_UI__resize, &resize};
        LV2_Feature touchFeature{LV2_UI__touch, &touch};
        const LV2_Options_Option options[] = {{LV2_OPTIONS_INSTANCE, 0,
                                               urid(LV2_PARAMETERS__sampleRate), sizeof(float),
                                               urid(LV2_ATOM__Float), &sampleRate},
                                              {LV2_OPTIONS_INSTANCE, 0, urid(LV2_UI__scaleFactor),
                                               sizeof(float), urid(LV2_ATOM__Float), scale},
                                              {LV2_OPTIONS_INSTANCE, 0, 0, 0, 0, nullptr}};
        LV2_Feature optionsFeature{LV2_OPTIONS__options, const_cast<LV2_Options_Option*>(options)};
        LV2_Feature mapFeature{LV2_URID__map, &map};
        const LV2_Feature* features[] = {&parentFeature, &access,         &resizeFeature,
                                         &touchFeature,  &optionsFeature, &mapFeature,
                                         nullptr};
        if (scale == nullptr)
            features[4] = nullptr;
        const LV2UI_Write_Function write = [](LV2UI_Controller self, uint32_t port, uint32_t size,
                                              uint32_t format, const void* buffer)
        {
            if (format == 0 && size == sizeof(float))
                static_cast<Lv2Ui*>(self)->writes.emplace_back(port,
                                                               *static_cast<const float*>(buffer));
        };
        ui = descriptor->instantiate(descriptor, "https://www.orlund.com/lv2/chordwell#stereo",
                                     ORL_LV2_PATH, write, this, &widget, features);
        idle = static_cast<const LV2UI_Idle_Interface*>(
            descriptor->extension_data(LV2_UI__idleInterface));
        return ui != nullptr && idle != nullptr;
    }
    void close()
    {
        if (ui != nullptr)
            descriptor->cleanup(std::exchange(ui, nullptr));
    }
    // Runs the UI's idle calls for a while, as a host's loop does at 100 Hz.
    void pump(int milliseconds)
    {
        for (int t = 0; t < milliseconds; t += 10)
        {
            idle->idle(ui);
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
    }
    // A drag with xdotool from the point (x, y) of the parent window, `up` pixels upwards (the
    // parent is at the root's corner: no window manager moves it).
    void drag(int x, int y, int up)
    {
        std::string command = "xdotool mousemove " + std::to_string(x) + " " + std::to_string(y) +
                              " sleep 0.2 mousedown 1";
        for (int step = 1; step <= 10; ++step)
            command += " sleep 0.03 mousemove " + std::to_string(x) + " " +
                       std::to_string(y - up * step / 10);
        command += " sleep 0.1 mouseup 1 &";
        ASSERT_EQ(std::system(command.c_str()), 0);
        pump(1500);
    }

    // The window's own size on the X server.
    std::pair<unsigned, unsigned> widgetSize()
    {
        Window root = 0;
        int x = 0, y = 0;
        unsigned width = 0, height = 0, border = 0, depth = 0;
        XGetGeometry(display, reinterpret_cast<Window>(widget), &root, &x, &y, &width, &height,
                     &border, &depth);
        return {width, height};
    }
    // The host's URID map: an index into the URIs seen.
    LV2_URID urid(const char* uri)
    {
        const auto found = std::find(uris.begin(), uris.end(), uri);
        if (found != uris.end())
            return static_cast<LV2_URID>(found - uris.begin() + 1);
        uris.emplace_back(uri);
        return static_cast<LV2_URID>(uris.size());
    }

    LilvHost host{kBuiltBundles};
    LilvRunner runner{host, host.plugin(chordwellUri("stereo")), 48000.0, 256};
    // What the UI asked of its host.
    std::vector<std::pair<uint32_t, float>> writes;
    std::vector<std::pair<uint32_t, bool>> touches;
    int resizedWidth = 0, resizedHeight = 0;
    std::vector<std::string> uris;
    float sampleRate = 48000.0f;
    // Features the UI keeps using while it is open.
    LV2UI_Resize resize{this, [](LV2UI_Feature_Handle self, int width, int height)
                        {
                            static_cast<Lv2Ui*>(self)->resizedWidth = width;
                            static_cast<Lv2Ui*>(self)->resizedHeight = height;
                            return 0;
                        }};
    LV2_URID_Map map{this, [](LV2_URID_Map_Handle self, const char* uri)
                     { return static_cast<Lv2Ui*>(self)->urid(uri); }};
    LV2UI_Touch touch{this, [](LV2UI_Feature_Handle self, uint32_t port, bool grabbed)
                      { static_cast<Lv2Ui*>(self)->touches.emplace_back(port, grabbed); }};
    Display* display = nullptr;
    void* library = nullptr;
    Window parent = 0;
    const LV2UI_Descriptor* descriptor = nullptr;
    LV2UI_Handle ui = nullptr;
    LV2UI_Widget widget = nullptr;
    const LV2UI_Idle_Interface* idle = nullptr;
};

constexpr int kDecayX = 91, kDecayY = 117;

TEST_F(Lv2Ui, OnABareXServerADraggedKnobIsOneTouchGestureOfPortWritesWhoseEchoReachesTheBank)
{
    // Xlib's default handler ends the process on any error, as in a host that keeps it: the UI
    // neither raises one nor puts a handler of its own in its place.
    const XErrorHandler before = XSetErrorHandler(nullptr);
    XSetErrorHandler(before);
    ASSERT_TRUE(open());
    pump(800);
    EXPECT_EQ(XSetErrorHandler(before), before);
    // Opening asks nothing of the deprecated resize feature even where a host offers it: the
    // window's own size is the UI's size (jalv's suite sees it).
    EXPECT_EQ(resizedWidth, 0);

    drag(kDecayX, kDecayY, 30);
    ASSERT_FALSE(writes.empty());
    EXPECT_TRUE(std::ranges::all_of(writes, [](const auto& write) { return write.first == 2u; }));
    const float last = writes.back().second;
    EXPECT_GT(last, 0.25f);
    EXPECT_EQ(touches, (std::vector<std::pair<uint32_t, bool>>{{2u, true}, {2u, false}}));

    // The instance's bank as its session state has it (less the chunk's two closing words).
    const std::vector<uint8_t> chunk = saveState(runner).value;
    ASSERT_GT(chunk.size(), 8u);
    PresetBank bank(nullptr, false);
    bank.applyHostState(chunk.data(), chunk.size() - 8);
    EXPECT_EQ(bank.workingPreset(0).values[2], last);
    close();
    EXPECT_EQ(XSetErrorHandler(before), before);
}

TEST_F(Lv2Ui, AnInstanceAccessPointerThatIsNoLiveInstanceOfOursIsRefusedNotFollowed)
{
    // What some hosts pass by mistake: lilv's own instance record, not the plug-in's handle.
    EXPECT_FALSE(open(runner.lilvInstance()));
    EXPECT_EQ(ui, nullptr);
    int unrelated = 0;
    EXPECT_FALSE(open(&unrelated));
    EXPECT_TRUE(open());
}

TEST_F(Lv2Ui, APortEventMovesTheKnobWithoutWritingBackClampedAndANanShowsNothingNew)
{
    ASSERT_TRUE(open());
    pump(800);
    // The parent window's pixels around the knob, as the server's image bytes.
    const auto knob = [this]
    {
        XImage* image =
            XGetImage(display, parent, kDecayX - 30, kDecayY - 30, 60, 75, AllPlanes, ZPixmap);
        const std::string bytes(image->data, static_cast<size_t>(image->bytes_per_line) * 75);
        XDestroyImage(image);
        return bytes;
    };
    // A value reported as a host reports automation.
    const auto shown = [&](float value)
    {
        descriptor->port_event(ui, 2, sizeof value, 0, &value);
        pump(300);
        return knob();
    };
    const auto before = knob();
    const auto atTop = shown(1.0f);
    const auto between = shown(0.3f);
    EXPECT_NE(atTop, before);
    EXPECT_NE(between, atTop);
    EXPECT_EQ(shown(std::numeric_limits<float>::quiet_NaN()), between);
    EXPECT_EQ(shown(1.0e38f), atTop);
    EXPECT_TRUE(writes.empty());
}

TEST_F(Lv2Ui, AtScaleFactorTwoTheWindowIsTwiceAsLargeAndAScaleSetWhileOpenAsksTheHostForItsSize)
{
    const float two = 2.0f;
    ASSERT_TRUE(open(nullptr, &two));
    pump(500);
    EXPECT_EQ(widgetSize(), std::pair(802u, 602u));
    // Opened at the size it has: nothing to ask for.
    EXPECT_EQ(resizedWidth, 0);

    const auto* options = static_cast<const LV2_Options_Interface*>(
        descriptor->extension_data(LV2_OPTIONS__interface));
    ASSERT_NE(options, nullptr);
    const float oneAndAHalf = 1.5f;
    const LV2_Options_Option set[] = {{LV2_OPTIONS_INSTANCE, 0, urid(LV2_UI__scaleFactor),
                                       sizeof(float), urid(LV2_ATOM__Float), &oneAndAHalf},
                                      {LV2_OPTIONS_INSTANCE, 0, 0, 0, 0, nullptr}};
    EXPECT_EQ(options->set(ui, set), uint32_t{LV2_OPTIONS_SUCCESS});
    pump(300);
    // round(401 * 1.5) x round(301 * 1.5), asked of the host and taken by the window.
    EXPECT_EQ(std::pair(resizedWidth, resizedHeight), std::pair(602, 452));
    EXPECT_EQ(widgetSize(), std::pair(602u, 452u));
    LV2_Options_Option get[] = {{LV2_OPTIONS_INSTANCE, 0, urid(LV2_UI__scaleFactor), 0, 0, nullptr},
                                {LV2_OPTIONS_INSTANCE, 0, 0, 0, 0, nullptr}};
    ASSERT_EQ(options->get(ui, get), uint32_t{LV2_OPTIONS_SUCCESS});
    ASSERT_EQ(get[0].type, urid(LV2_ATOM__Float));
    EXPECT_EQ(*static_cast<const float*>(get[0].value), 1.5f);

    // A scale that is no float and a key the UI does not know are refused; nothing changes.
    const double three = 3.0;
    const LV2_Options_Option odd[] = {{LV2_OPTIONS_INSTANCE, 0, urid(LV2_UI__scaleFactor),
                                       sizeof three, urid(LV2_ATOM__Double), &three},
                                      {LV2_OPTIONS_INSTANCE, 0, urid(LV2_PARAMETERS__sampleRate),
                                       sizeof(float), urid(LV2_ATOM__Float), &sampleRate},
                                      {LV2_OPTIONS_INSTANCE, 0, 0, 0, 0, nullptr}};
    EXPECT_EQ(options->set(ui, odd), uint32_t{LV2_OPTIONS_ERR_BAD_VALUE | LV2_OPTIONS_ERR_BAD_KEY});
    pump(300);
    EXPECT_EQ(widgetSize(), std::pair(602u, 452u));
}
