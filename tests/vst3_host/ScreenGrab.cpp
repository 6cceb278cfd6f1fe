// The screen as a person sees it: the X server's root window read back, so that what a host
// shows (its own window and the plug-in's child window in it) is checked together.
#include "JuceVst3Host.h"

#ifndef _WIN32
// Last: the X11 headers define macros (None, Status) that other headers use as names.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#endif

namespace vst3host
{
juce::Image grabScreen(juce::Rectangle<int> area)
{
#ifdef _WIN32
    (void)area;
    return {};
#else
    Display* display = area.isEmpty() ? nullptr : XOpenDisplay(nullptr);
    if (display == nullptr)
        return {};
    XImage* shot = XGetImage(display, DefaultRootWindow(display), area.getX(), area.getY(),
                             static_cast<unsigned>(area.getWidth()),
                             static_cast<unsigned>(area.getHeight()), AllPlanes, ZPixmap);
    juce::Image image;
    if (shot != nullptr)
    {
        image = juce::Image(juce::Image::RGB, area.getWidth(), area.getHeight(), false);
        for (int y = 0; y < area.getHeight(); ++y)
            for (int x = 0; x < area.getWidth(); ++x)
            {
                const unsigned long pixel = XGetPixel(shot, x, y);
                image.setPixelAt(x, y,
                                 juce::Colour(static_cast<juce::uint8>((pixel >> 16) & 0xff),
                                              static_cast<juce::uint8>((pixel >> 8) & 0xff),
                                              static_cast<juce::uint8>(pixel & 0xff)));
            }
        XDestroyImage(shot);
    }
    XCloseDisplay(display);
    return image;
#endif
}
} // namespace vst3host
