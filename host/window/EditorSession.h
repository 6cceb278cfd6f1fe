#pragma once

#include "aax_host/PluginLibrary.h"
#include "render/PluginRenderer.h"

#include <AAX.h>

#include <CLI/CLI.hpp>

#include <memory>
#include <string>
#include <utility>
#include <vector>

class AAX_IViewContainer;

// What the window commands share on the command line.
struct SessionOptions
{
    std::string plugin;            // the library beside chordwell-host by default
    std::string stateIn;           // state file restored before the view opens
    std::vector<std::string> sets; // SLOT=VALUE as the user's own edits
    double scale = 0.0;            // the window's scale, 1 to 3; 0: the command's default
};

void addSessionOptions(CLI::App& command, SessionOptions& options);

// One stereo instance of the plug-in with its GUI object, for showing its editor: the state
// and the settings of the command line applied as a host restores a project and automates,
// host updates delivered on request. The toolkit runtime must be initialised first.
// Main thread.
class EditorSession
{
  public:
    static constexpr double kSampleRate = 44100.0;

    // Throws RefusedContent when the state file or the plug-in refuses the state, HostError
    // when an option is refused or the library, the instance, reading the state or the GUI
    // object fails.
    // The library must stay loaded until the toolkit has shut down: the plug-in's toolkit
    // objects end with it.
    EditorSession(const PluginLibrary& library, const SessionOptions& options);
    ~EditorSession();
    EditorSession(const EditorSession&) = delete;
    EditorSession& operator=(const EditorSession&) = delete;

    // The size the GUI object asks for.
    AAX_Point viewSize() const;
    // Tells the GUI object the view's scale, as a host tells its content scale.
    void setViewScale(float scale);
    // Opens the editor in the container's view; closes it again (before the container goes).
    void openView(AAX_IViewContainer& container);
    void closeView();
    // Delivers the host's queued parameter updates to the plug-in.
    void deliver();
    // The plug-in's whole state as the bytes of a state file.
    std::vector<uint8_t> saveState();

    EffectInstance& instance() { return renderer->instance(); }
    PluginRenderer& audio() { return *renderer; }

  private:
    std::unique_ptr<PluginRenderer> renderer;
    bool viewOpen = false;
};

// Refuses bad options before anything is loaded: false with the reason in error.
bool checkSessionOptions(const SessionOptions& options, std::string& error);

// Main thread. The plug-in library the options name. Throws HostError.
std::unique_ptr<PluginLibrary> loadSessionLibrary(const SessionOptions& options);
