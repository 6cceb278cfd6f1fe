#include "WindowManagerAtoms.h"

#if !defined(_WIN32)
#include <dlfcn.h>
#endif

namespace orl
{
#if defined(_WIN32)
bool createWindowManagerAtoms()
{
    return true;
}
#else
namespace
{
// The atoms the toolkit looks up once, when it opens its display, and then uses unchecked.
constexpr const char* kLookedUpAtoms[] = {
    "WM_PROTOCOLS",        "WM_TAKE_FOCUS",   "WM_DELETE_WINDOW",
    "_NET_WM_PING",        "WM_CHANGE_STATE", "WM_STATE",
    "_NET_WM_WINDOW_TYPE", "_NET_WM_STATE",   "_NET_WM_STATE_HIDDEN"};

// Xlib loaded as the toolkit loads it, so that a process that never opens a window needs no
// libX11; one connection with the atoms made on it, closed when the library is unloaded.
class AtomKeeper
{
  public:
    AtomKeeper()
    {
        library = dlopen("libX11.so.6", RTLD_LAZY | RTLD_LOCAL);
        if (library == nullptr)
            return;
        const auto open = reinterpret_cast<void* (*)(const char*)>(dlsym(library, "XOpenDisplay"));
        const auto intern = reinterpret_cast<unsigned long (*)(void*, const char*, int)>(
            dlsym(library, "XInternAtom"));
        const auto sync = reinterpret_cast<int (*)(void*, int)>(dlsym(library, "XSync"));
        close = reinterpret_cast<int (*)(void*)>(dlsym(library, "XCloseDisplay"));
        if (!open || !intern || !sync || !close)
            return;
        display = open(nullptr);
        if (display == nullptr)
            return;
        for (const char* name : kLookedUpAtoms)
            intern(display, name, 0);
        sync(display, 0);
    }
    ~AtomKeeper()
    {
        if (display != nullptr)
            close(display);
        if (library != nullptr)
            dlclose(library);
    }
    AtomKeeper(const AtomKeeper&) = delete;
    AtomKeeper& operator=(const AtomKeeper&) = delete;

    bool hasDisplay() const { return display != nullptr; }

  private:
    void* library = nullptr;
    void* display = nullptr;
    int (*close)(void*) = nullptr;
};
} // namespace

bool createWindowManagerAtoms()
{
    static const AtomKeeper keeper;
    return keeper.hasDisplay();
}
#endif
} // namespace orl
