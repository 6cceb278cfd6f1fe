#include "SnapshotCommand.h"

#include "OffscreenView.h"
#include "ToolkitClick.h"
#include "audio/OutputFile.h"
#include "cli/CommandExit.h"
#include "render/SessionState.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <cstdio>

namespace
{
// The title band of the front panel, which turns the window to the rear panel.
const juce::Point<int> kTitleBand{200, 30};

} // namespace

void addSnapshotOptions(CLI::App& command, SnapshotOptions& options)
{
    command.add_option("output", options.output, "PNG file to write")->required();
    command.add_flag("--rear", options.rear, "show the rear panel (a click on the title band)");
    addSessionOptions(command, options.session);
}

int runSnapshot(const SnapshotOptions& options)
{
    std::string error;
    if (!checkSessionOptions(options.session, error))
        return refuse("snapshot", error);
    if (sameFile(options.output, options.session.stateIn))
        return refuse("snapshot", "'" + options.output + "' is the same file as --state-in");

    // Unloaded last: the toolkit's shutdown still runs the plug-in's code.
    std::unique_ptr<PluginLibrary> library;
    juce::ScopedJuceInitialiser_GUI toolkit;
    try
    {
        library = loadSessionLibrary(options.session);
        EditorSession session(*library, options.session);
        OffscreenView view(session.viewSize());
        view.container.onSetViewSize = [&view](const AAX_Point& s)
        { view.holder.setSize(static_cast<int>(s.horz), static_cast<int>(s.vert)); };
        session.openView(view.container);
        session.deliver();
        if (options.rear)
            clickAt(view.holder, kTitleBand);

        const juce::Image picture = view.draw();
        session.closeView();

        // The picture goes through the host's own output rules: a folder or a special file at
        // the path is never removed.
        juce::MemoryOutputStream png;
        if (!juce::PNGImageFormat().writeImageToStream(picture, png))
            return fail("snapshot", "could not encode the picture");
        const auto* data = static_cast<const uint8_t*>(png.getData());
        if (!writeOutputFile(options.output, std::vector<uint8_t>(data, data + png.getDataSize()),
                             error))
            return fail("snapshot", error);
        std::printf("wrote %s: %d x %d\n", options.output.c_str(), picture.getWidth(),
                    picture.getHeight());
        return 0;
    }
    catch (const RefusedContent& e)
    {
        return refuse("snapshot", e.what());
    }
    catch (const HostError& e)
    {
        return fail("snapshot", e.what());
    }
}
