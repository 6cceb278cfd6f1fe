// The LV2 UI as a host embeds it (needs an X display: ctest starts an Xvfb for it): it opens in the
// host's parent at 401 x 301, a dragged knob is one touch gesture of port writes whose echo reaches
// the instance's bank, and a port event moves the knob. (Opening and closing while audio runs:
// tests/lv2_juce_host, in a host we did not write.)
#include "LilvHost.h"
#include "Lv2Paths.h"

#include <PresetBank.h>

#include <dlfcn.h>
#include <gtest/gtest.h>
#include <lv2/instance-access/instance-access.h>
#include <lv2/ui/ui.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>
#include <thread>
#include <vector>

// Last: the X11 headers define macros (None, Status) that other headers use as names.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace
{
// What the UI asked of its host.
struct HostLog
{
    std::vector<std::pair<uint32_t, float>> writes;
    std::vector<std::pair<uint32_t, bool>> touches;
    int width = 0, height = 0;
};

void writePort(LV2UI_Controller controller, uint32_t port, uint32_t size, uint32_t format,
               const void* buffer)
{
    if (format == 0 && size == sizeof(float))
    {
        float v;
        std::memcpy(&v, buffer, sizeof v);
        static_cast<HostLog*>(controller)->writes.emplace_back(port, v);
    }
}

int resizeUi(LV2UI_Feature_Handle handle, int width, int height)
{
    static_cast<HostLog*>(handle)->width = width;
    static_cast<HostLog*>(handle)->height = height;
    return 0;
}

void touchPort(LV2UI_Feature_Handle handle, uint32_t port, bool grabbed)
{
    static_cast<HostLog*>(handle)->touches.emplace_back(port, grabbed);
}

// A host window on the X display with the plug-in's UI in it.
class UiHost
{
  public:
    UiHost(LilvRunner& runner) : runner(runner)
    {
        // The plug-in's toolkit uses Xlib from more than one thread, as it asks first.
        XInitThreads();
        display = XOpenDisplay(nullptr);
        library =
            dlopen((std::string(ORL_LV2_PATH) + "/orl-chordwell.lv2/orl-chordwell.so").c_str(),
                   RTLD_NOW | RTLD_LOCAL);
        if (display == nullptr || library == nullptr)
            return;
        // Nothing more: on a bare X server (no window manager, none of its atoms) with Xlib's
        // default error handler, as lv2lint opens a UI.
        parent = XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 401, 301, 0, 0, 0);
        XMapRaised(display, parent);
        XSync(display, False);
        using Entry = const LV2UI_Descriptor* (*)(uint32_t);
        descriptor = reinterpret_cast<Entry>(dlsym(library, "lv2ui_descriptor"))(0);
    }
    ~UiHost()
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
    bool open(void* instance = nullptr)
    {
        if (descriptor == nullptr)
            return false;
        LV2_Feature parentFeature{LV2_UI__parent, reinterpret_cast<void*>(parent)};
        LV2_Feature access{LV2_INSTANCE_ACCESS_URI,
                           instance != nullptr ? instance
                                               : lilv_instance_get_handle(runner.lilvInstance())};
        LV2_Feature resizeFeature{LV2_UI__resize, &resize};
        LV2_Feature touchFeature{LV2_UI__touch, &touch};
        const LV2_Feature* features[] = {&parentFeature, &access, &resizeFeature, &touchFeature,
                                         nullptr};
        ui = descriptor->instantiate(descriptor, "https://www.orlund.com/lv2/chordwell#stereo",
                                     ORL_LV2_PATH, writePort, &log, &widget, features);
        idle = static_cast<const LV2UI_Idle_Interface*>(
            descriptor->extension_data(LV2_UI__idleInterface));
        return ui != nullptr && idle != nullptr;
    }
    void close()
    {
        if (ui != nullptr)
            descriptor->cleanup(ui);
        ui = nullptr;
    }
    // Through the descriptor's port_event, as the host reports an automated value.
    void portEvent(uint32_t port, float value)
    {
        descriptor->port_event(ui, port, sizeof value, 0, &value);
    }
    // Runs the UI's idle calls for a while, as a host's loop does at 100 Hz.
    void pump(int milliseconds)
    {
        for (int t = 0; t < milliseconds; t += 10)
        {
            if (ui != nullptr)
                idle->idle(ui);
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
    }
    // A drag with xdotool from the point (x, y) of the parent window, `up` pixels upwards.
    void drag(int x, int y, int up)
    {
        int rootX = 0, rootY = 0;
        Window child;
        XTranslateCoordinates(display, parent, DefaultRootWindow(display), x, y, &rootX, &rootY,
                              &child);
        std::string command = "xdotool mousemove " + std::to_string(rootX) + " " +
                              std::to_string(rootY) + " sleep 0.2 mousedown 1";
        for (int step = 1; step <= 10; ++step)
            command += " sleep 0.03 mousemove " + std::to_string(rootX) + " " +
                       std::to_string(rootY - up * step / 10);
        command += " sleep 0.1 mouseup 1 &";
        ASSERT_EQ(std::system(command.c_str()), 0);
        pump(1500);
    }
    // The UI window's own size and its X11 size hints.
    bool windowSize(int& width, int& height, XSizeHints& hints)
    {
        XWindowAttributes attributes{};
        long supplied = 0;
        const auto window = reinterpret_cast<Window>(widget);
        return window != 0 && XGetWindowAttributes(display, window, &attributes) != 0 &&
               XGetWMNormalHints(display, window, &hints, &supplied) != 0 &&
               ((width = attributes.width), (height = attributes.height), true);
    }
    // The parent window's pixels in a rectangle.
    std::vector<unsigned long> pixels(int x, int y, int w, int h)
    {
        std::vector<unsigned long> out;
        XImage* image = XGetImage(display, parent, x, y, static_cast<unsigned>(w),
                                  static_cast<unsigned>(h), AllPlanes, ZPixmap);
        if (image == nullptr)
            return out;
        for (int j = 0; j < h; ++j)
            for (int i = 0; i < w; ++i)
                out.push_back(XGetPixel(image, i, j));
        XDestroyImage(image);
        return out;
    }

    HostLog log;
    // Features the UI keeps using while it is open.
    LV2UI_Resize resize{&log, resizeUi};
    LV2UI_Touch touch{&log, touchPort};
    LV2UI_Handle ui = nullptr;
    LV2UI_Widget widget = nullptr;

  private:
    LilvRunner& runner;
    Display* display = nullptr;
    void* library = nullptr;
    Window parent = 0;
    const LV2UI_Descriptor* descriptor = nullptr;
    const LV2UI_Idle_Interface* idle = nullptr;
};

constexpr int kDecayX = 91, kDecayY = 117;
} // namespace

// The stereo plug-in from the built bundle, running in lilv, for the UI to open on.
class Lv2Ui : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        if (std::getenv("DISPLAY") == nullptr)
            GTEST_SKIP() << "no X display";
    }

    LilvHost host{kBuiltBundles};
    LilvRunner runner{host, host.plugin(chordwellUri("stereo")), 48000.0, 256};
};

TEST_F(Lv2Ui, ADraggedKnobIsOneTouchGestureOfPortWritesWhoseEchoReachesTheInstancesBank)
{
    ASSERT_TRUE(runner.ok());
    UiHost ui(runner);
    ASSERT_TRUE(ui.open());
    EXPECT_NE(ui.widget, nullptr);
    ui.pump(800);
    // Its size is its window's own, which its size hints give: the deprecated resize feature
    // is not used even where a host offers it.
    int width = 0, height = 0;
    XSizeHints hints{};
    ASSERT_TRUE(ui.windowSize(width, height, hints));
    EXPECT_EQ(width, 401);
    EXPECT_EQ(height, 301);
    EXPECT_TRUE(hints.flags & USSize);
    EXPECT_EQ(hints.width, 401);
    EXPECT_EQ(hints.height, 301);
    EXPECT_EQ(ui.log.width, 0);

    ui.drag(kDecayX, kDecayY, 30);
    ASSERT_FALSE(ui.log.writes.empty());
    float last = -1.0f;
    for (const auto& [port, value] : ui.log.writes)
    {
        EXPECT_EQ(port, 2u);
        last = value;
    }
    EXPECT_GT(last, 0.25f);
    EXPECT_EQ(ui.log.touches, (std::vector<std::pair<uint32_t, bool>>{{2u, true}, {2u, false}}));

    // The instance's bank as its session state has it (the chunk ends in two closing words).
    const std::vector<uint8_t> chunk = saveState(runner).value;
    ASSERT_GT(chunk.size(), 8u);
    PresetBank bank(nullptr, false);
    bank.applyHostState(chunk.data(), chunk.size() - 8);
    EXPECT_EQ(bank.workingPreset(0).values[2], last);
}

TEST_F(Lv2Ui, AnInstanceAccessPointerThatIsNoLiveInstanceOfOursIsRefusedNotFollowed)
{
    UiHost ui(runner);
    // What some hosts pass by mistake: lilv's own instance record, not the plug-in's handle.
    EXPECT_FALSE(ui.open(runner.lilvInstance()));
    EXPECT_EQ(ui.ui, nullptr);
    int unrelated = 0;
    EXPECT_FALSE(ui.open(&unrelated));
    EXPECT_TRUE(ui.open());
}

TEST_F(Lv2Ui, OpensOnAServerWithoutWindowManagerAndLeavesTheXErrorHandlerAsItWas)
{
    // Xlib's default handler ends the process on any error, as in a host that keeps it.
    const XErrorHandler before = XSetErrorHandler(nullptr);
    XSetErrorHandler(before);
    {
        UiHost ui(runner);
        ASSERT_TRUE(ui.open());
        ui.pump(300);
        const XErrorHandler during = XSetErrorHandler(before);
        EXPECT_EQ(during, before);
        ui.close();
        ui.pump(100);
    }
    const XErrorHandler after = XSetErrorHandler(before);
    EXPECT_EQ(after, before);
}

TEST_F(Lv2Ui, APortEventMovesTheKnobWithoutWritingBackClampedAndANanShowsNothingNew)
{
    UiHost ui(runner);
    ASSERT_TRUE(ui.open());
    ui.pump(800);
    const auto knob = [&ui] { return ui.pixels(kDecayX - 30, kDecayY - 30, 60, 75); };
    const auto before = knob();
    ui.portEvent(2, 1.0f);
    ui.pump(300);
    const auto atTop = knob();
    EXPECT_NE(atTop, before);
    ui.portEvent(2, 0.3f);
    ui.pump(300);
    const auto between = knob();
    EXPECT_NE(between, atTop);
    ui.portEvent(2, std::numeric_limits<float>::quiet_NaN());
    ui.pump(300);
    EXPECT_EQ(knob(), between);
    ui.portEvent(2, 1.0e38f);
    ui.pump(300);
    EXPECT_EQ(knob(), atTop);
    EXPECT_TRUE(ui.log.writes.empty());
}
