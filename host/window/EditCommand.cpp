#include "EditCommand.h"

#include "AudioLoop.h"
#include "DesktopScale.h"
#include "HostViewContainer.h"
#include "RepaintRate.h"
#include "WindowManagerAtoms.h"
#include "audio/AudioFile.h"
#include "audio/BinaryFile.h"
#include "audio/DemoSignal.h"
#include "audio/OutputFile.h"
#include "cli/CommandExit.h"
#include "cli/OptionChecks.h"
#include "render/SessionState.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <atomic>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace
{
std::atomic<bool> stopRequested{false};

void requestStop(int)
{
    stopRequested.store(true);
}

// The host's own window around the plug-in's view.
class HostWindow : public juce::Component
{
  public:
    HostWindow()
    {
        setName("ORL Chordwell");
        setOpaque(true);
    }
    void paint(juce::Graphics& g) override { g.fillAll(juce::Colours::black); }
    void userTriedToCloseWindow() override { stopRequested.store(true); }
    // The plug-in's view is a window of its own inside this one, on the same toolkit: the
    // toolkit sends the pointer (wheel, moves) only to the front-most of its windows under
    // it, so whenever this window comes to the front the view must come back in front of
    // it, or the wheel does nothing until a click raises the view.
    void broughtToFront() override { raiseEmbeddedViews(); }
    void raiseEmbeddedViews()
    {
        auto& desktop = juce::Desktop::getInstance();
        std::vector<juce::Component*> views;
        for (int i = 0; i < desktop.getNumComponents(); ++i)
            if (juce::Component* view = desktop.getComponent(i);
                view != nullptr && view != this && view->isVisible() &&
                getScreenBounds().contains(view->getScreenBounds().getCentre()))
                views.push_back(view);
        for (juce::Component* view : views)
            view->toFront(false);
    }
};

// Delivers the host's queued updates as soon as the plug-in queues one, prints the
// parameters that changed and ends the message loop once a stop was asked for. Nothing here
// polls fast, so an open window that nothing changes wakes the process rarely.
class Pump : private juce::Timer, private juce::AsyncUpdater
{
  public:
    explicit Pump(EditorSession& s) : session(s)
    {
        for (const auto& p : session.instance().parameters())
            shown.push_back(p.value);
    }
    ~Pump() override { stop(); }
    Pump(const Pump&) = delete;
    Pump& operator=(const Pump&) = delete;

    void start()
    {
        session.instance().onUpdateQueued([this] { triggerAsyncUpdate(); });
        triggerAsyncUpdate(); // what opening the view queued
        // The signal handler can only set a flag: it is looked at this often.
        startTimer(kStopCheckMilliseconds);
    }
    void stop()
    {
        session.instance().onUpdateQueued({});
        stopTimer();
        cancelPendingUpdate();
    }

  private:
    static constexpr int kStopCheckMilliseconds = 500;

    void handleAsyncUpdate() override { deliver(); }
    void timerCallback() override
    {
        deliver();
        if (stopRequested.load())
        {
            stop();
            juce::MessageManager::getInstance()->stopDispatchLoop();
        }
    }
    void deliver()
    {
        session.deliver();
        const auto& parameters = session.instance().parameters();
        for (size_t i = 0; i < parameters.size() && i < shown.size(); ++i)
        {
            if (parameters[i].value == shown[i])
                continue;
            shown[i] = parameters[i].value;
            std::printf("param %s = %g\n", parameters[i].id.c_str(), parameters[i].value);
            std::fflush(stdout);
        }
    }

    EditorSession& session;
    std::vector<double> shown;
};
} // namespace

void addEditOptions(CLI::App& command, EditOptions& options)
{
    command.add_option(
        "input", options.input,
        "audio file to play in a loop through the plug-in where an output device exists "
        "(the built-in demo without it)");
    command
        .add_option("--state-out", options.stateOut,
                    "save every chunk of the plug-in's state to this file when the window closes")
        ->check(nonEmptyWord());
    addSessionOptions(command, options.session);
}

namespace
{
// Reads what the window plays; returns an exit code when the command ends here.
std::optional<int> readEditInputs(const EditOptions& options, AudioBuffer& audio)
{
    std::string error;
    if (!checkSessionOptions(options.session, error))
        return refuse("edit", error);
    if (!options.stateOut.empty() && (sameFile(options.stateOut, options.session.stateIn) ||
                                      sameFile(options.stateOut, options.input)))
        return refuse("edit",
                      "--state-out '" + options.stateOut + "' is the same file as an input");
    if (options.input.empty())
        audio = makeDemoSignal();
    else if (!readAudioFile(options.input, audio, error))
        return fail("edit", error);
    if (audio.channels.size() > 2 || audio.frames() == 0)
        return fail("edit", options.input + ": the host plays one or two channels");
    return std::nullopt;
}

void showWindow(HostWindow& window, const AAX_Point& size)
{
    window.setSize(static_cast<int>(size.horz), static_cast<int>(size.vert));
    window.addToDesktop(juce::ComponentPeer::windowHasTitleBar |
                        juce::ComponentPeer::windowHasCloseButton |
                        juce::ComponentPeer::windowAppearsOnTaskbar);
    window.setVisible(true);
}

// The view resizes the window and reports the clicks it gives the host.
void connectContainer(HostViewContainer& container, HostWindow& window)
{
    container.onSetViewSize = [&window](const AAX_Point& s)
    { window.setSize(static_cast<int>(s.horz), static_cast<int>(s.vert)); };
    container.onParameterMouseDown = [](const char* id, uint32_t modifiers)
    {
        std::printf("click %s modifiers %u\n", id, modifiers);
        std::fflush(stdout);
    };
}

void startPlaying(AudioLoop& player, const std::string& input)
{
    std::string error;
    if (player.start(error))
        std::printf("playing %s in a loop on %s\n",
                    input.empty() ? "the built-in demo" : input.c_str(),
                    player.deviceName().c_str());
    else
        std::printf("no audio output device%s: the window runs silently\n",
                    error.empty() ? "" : (" (" + error + ")").c_str());
    std::fflush(stdout);
}

void stopOnSignals()
{
    std::signal(SIGINT, requestStop);
    std::signal(SIGTERM, requestStop);
#ifdef SIGBREAK
    // Ctrl+Break, or the CTRL_BREAK_EVENT with which a parent asks a Windows console
    // program to end, as SIGTERM does on Linux.
    std::signal(SIGBREAK, requestStop);
#endif
}

// Runs the window until it is closed or a stop is asked for, then saves the state if asked.
int editInWindow(PluginLibrary& library, const EditOptions& options, const AudioBuffer& audio)
{
    EditorSession session(library, options.session);
    // As a desktop's own windows: the display's DPI setting scales the window.
    if (options.session.scale == 0.0)
        session.setViewScale(platform::desktopScale());
    const AAX_Point size = session.viewSize();
    orl::assumeUsualRefreshRate();
    HostWindow window;
    showWindow(window, size);
    void* native = window.getWindowHandle();
    if (native == nullptr)
        return fail("edit", "the window system gave the window no handle");

    HostViewContainer container(AAX_eViewContainer_Type_NativeWindow, native);
    connectContainer(container, window);
    session.openView(container);
    window.raiseEmbeddedViews();
    std::printf("window 0x%llx %d x %d\n",
                static_cast<unsigned long long>(reinterpret_cast<uintptr_t>(native)),
                window.getWidth(), window.getHeight());
    AudioLoop player(session.audio(), audio);
    startPlaying(player, options.input);

    stopOnSignals();
    Pump pump(session);
    pump.start();
    juce::MessageManager::getInstance()->runDispatchLoop();
    pump.stop();
    player.stop();

    session.closeView();
    window.removeFromDesktop();
    if (!options.stateOut.empty())
    {
        std::string error;
        if (!writeBinaryFile(options.stateOut, session.saveState(), error))
            return fail("edit", error);
        std::printf("saved the state to %s\n", options.stateOut.c_str());
    }
    return 0;
}
} // namespace

int runEdit(const EditOptions& options)
{
    AudioBuffer audio;
    if (const std::optional<int> ended = readEditInputs(options, audio))
        return *ended;
    platform::drawForDevicePixels();
    if (!orl::createWindowManagerAtoms())
        return fail("edit", "no display: set DISPLAY to an X server (or use xvfb-run)");
    // Unloaded last: the toolkit's shutdown still runs the plug-in's code.
    std::unique_ptr<PluginLibrary> library;
    juce::ScopedJuceInitialiser_GUI toolkit;
    try
    {
        library = loadSessionLibrary(options.session);
        return editInWindow(*library, options, audio);
    }
    catch (const RefusedContent& e)
    {
        return refuse("edit", e.what());
    }
    catch (const HostError& e)
    {
        return fail("edit", e.what());
    }
}
