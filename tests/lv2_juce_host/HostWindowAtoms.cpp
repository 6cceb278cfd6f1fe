// Kept apart from the tests: Xlib's macros clash with other headers (included last here).
#include <gtest/gtest.h>

#include <X11/Xlib.h>

#include <cstdlib>

namespace
{
// JUCE's LV2 hosting puts its own X window (the XEmbed holder) on the desktop before any code
// of the plug-in's UI runs, and its toolkit uses the window manager's atoms without creating
// them. A JUCE application installs X error handlers that make that harmless; this program,
// like any host that keeps Xlib's default handler, would end on its own window on a bare X
// server. So the host makes the atoms its window needs, as a desktop has them; the plug-in's
// own need is tested without them (tests/lv2, tests/vst3_host). The connection stays open:
// a server that loses its last client forgets its atoms.
class HostWindowAtoms : public ::testing::Environment
{
  public:
    void SetUp() override
    {
        if (std::getenv("DISPLAY") == nullptr || (display = XOpenDisplay(nullptr)) == nullptr)
            return;
        for (const char* name : {"WM_PROTOCOLS", "WM_TAKE_FOCUS", "WM_DELETE_WINDOW",
                                 "_NET_WM_PING", "WM_CHANGE_STATE", "WM_STATE",
                                 "_NET_WM_WINDOW_TYPE", "_NET_WM_STATE", "_NET_WM_STATE_HIDDEN"})
            XInternAtom(display, name, False);
        XSync(display, False);
    }
    void TearDown() override
    {
        if (display != nullptr)
            XCloseDisplay(display);
    }

  private:
    Display* display = nullptr;
};

[[maybe_unused]] ::testing::Environment* const atoms =
    ::testing::AddGlobalTestEnvironment(new HostWindowAtoms);
} // namespace
