#include "EditorSession.h"

#include "cli/ParameterArgs.h"
#include "render/SessionState.h"

#include <AAX_IEffectGUI.h>
#include <ParameterTable.h>

namespace
{
std::vector<std::pair<int, double>> parseSets(const std::vector<std::string>& sets,
                                              std::string& error)
{
    std::vector<std::pair<int, double>> parsed;
    for (const std::string& set : sets)
    {
        const auto assignment = parseSlotAssignment(set, error);
        if (!assignment)
            return {};
        parsed.push_back(*assignment);
    }
    return parsed;
}
} // namespace

void addSessionOptions(CLI::App& command, SessionOptions& options)
{
    command.add_option("--plugin", options.plugin, pluginOptionHelp());
    command.add_option("--state-in", options.stateIn,
                       "restore the plug-in's state (a state file, or an old 'All ' chunk file) "
                       "first");
    command
        .add_option("--set", options.sets,
                    "SLOT=VALUE (repeatable): 60%, -6dB, -12st, +10c, on/off or normalized 0..1")
        ->allow_extra_args(false);
    command.add_option("--scale", options.scale,
                       "draw the window at this scale, 1 to 3 (a host's content scale)");
}

bool checkSessionOptions(const SessionOptions& options, std::string& error)
{
    error.clear();
    parseSets(options.sets, error);
    if (error.empty() && options.scale != 0.0 && !(options.scale >= 1.0 && options.scale <= 3.0))
        error = "--scale must be between 1 and 3";
    return error.empty();
}

std::unique_ptr<PluginLibrary> loadSessionLibrary(const SessionOptions& options)
{
    return std::make_unique<PluginLibrary>(pluginPath(options.plugin));
}

EditorSession::EditorSession(const PluginLibrary& library, const SessionOptions& options)
{
    std::string error;
    const auto sets = parseSets(options.sets, error);
    if (!error.empty())
        throw HostError(error);
    std::vector<statefile::Chunk> state;
    if (!options.stateIn.empty())
        state = readStateFile(options.stateIn);

    renderer = std::make_unique<PluginRenderer>(library, Layout::Stereo, kSampleRate);
    if (!state.empty())
        restoreStateChunks(instance(), state);
    // The user's own edits, as in render: they reach the preset bank and the saved state.
    for (const auto& [slot, value] : sets)
        instance().edit(getParameterIdentifier(slot), value);
    deliver();
    if (!instance().openGUI())
        throw HostError("the plug-in has no editor");
    if (options.scale != 0.0)
        setViewScale(static_cast<float>(options.scale));
}

void EditorSession::setViewScale(float scale)
{
    if (AAX_IEffectGUI* gui = instance().gui())
        gui->NotificationReceived(AAX_eNotificationEvent_ViewScale, &scale, sizeof scale);
}

EditorSession::~EditorSession()
{
    closeView();
}

AAX_Point EditorSession::viewSize() const
{
    AAX_Point size;
    if (AAX_IEffectGUI* gui = renderer->instance().gui())
        gui->GetViewSize(&size);
    return size;
}

void EditorSession::openView(AAX_IViewContainer& container)
{
    if (AAX_IEffectGUI* gui = instance().gui())
    {
        gui->SetViewContainer(&container);
        viewOpen = true;
    }
}

void EditorSession::closeView()
{
    if (!viewOpen)
        return;
    viewOpen = false;
    if (AAX_IEffectGUI* gui = instance().gui())
        gui->SetViewContainer(nullptr);
}

void EditorSession::deliver()
{
    instance().deliverUpdates();
}

std::vector<uint8_t> EditorSession::saveState()
{
    return statefile::encode(saveStateChunks(instance()));
}
