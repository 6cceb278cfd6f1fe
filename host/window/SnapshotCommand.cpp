#include "SnapshotCommand.h"

#include "HostViewContainer.h"
#include "ToolkitClick.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <cstdio>

namespace
{
// The title band of the front panel, which turns the window to the rear panel.
const juce::Point<int> kTitleBand{200, 30};

int report(int status, const std::string& message)
{
    std::fprintf(stderr, "chordwell-host snapshot: %s\n", message.c_str());
    return status;
}
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
        return report(2, error);

    // Unloaded last: the toolkit's shutdown still runs the plug-in's code.
    std::unique_ptr<PluginLibrary> library;
    juce::ScopedJuceInitialiser_GUI toolkit;
    try
    {
        library = loadSessionLibrary(options.session);
        EditorSession session(*library, options.session);
        const AAX_Point size = session.viewSize();
        juce::Component holder;
        holder.setSize(static_cast<int>(size.horz), static_cast<int>(size.vert));
        holder.setVisible(true);
        HostViewContainer container(AAX_eViewContainer_Type_NSView, &holder);
        container.onSetViewSize = [&holder](const AAX_Point& s)
        { holder.setSize(static_cast<int>(s.horz), static_cast<int>(s.vert)); };
        session.openView(container);
        session.deliver();
        if (options.rear)
            clickAt(holder, kTitleBand);

        const juce::Image picture = holder.createComponentSnapshot(holder.getLocalBounds(), true);
        session.closeView();

        juce::File file = juce::File::getCurrentWorkingDirectory().getChildFile(
            juce::String(juce::CharPointer_UTF8(options.output.c_str())));
        file.deleteFile();
        juce::FileOutputStream out(file);
        if (!out.openedOk() || !juce::PNGImageFormat().writeImageToStream(picture, out))
            return report(1, "could not write " + options.output);
        out.flush();
        std::printf("wrote %s: %d x %d\n", options.output.c_str(), picture.getWidth(),
                    picture.getHeight());
        return 0;
    }
    catch (const HostError& e)
    {
        return report(1, e.what());
    }
}
