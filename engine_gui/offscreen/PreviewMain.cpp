// chordwell-editor-preview: draws the editor's front and rear panels into PNG files for
// given parameter values, without a window or an X server.
#include "ORLOffscreenEditorEngine.h"

#include "FactoryPresets.h"
#include "ParameterTable.h"
#include "cli/ParameterArgs.h"

#include <CLI/CLI.hpp>

#include <cstdio>
#include <string>
#include <vector>

namespace
{
bool writePng(const juce::Image& image, const std::string& path)
{
    const juce::File file = juce::File::getCurrentWorkingDirectory().getChildFile(path);
    file.deleteFile();
    juce::FileOutputStream stream(file);
    juce::PNGImageFormat png;
    return stream.openedOk() && png.writeImageToStream(image, stream);
}
} // namespace

int main(int argc, char** argv)
{
    CLI::App app{"Draws the ORL Chordwell editor panels into PNG files (401 x 282)."};
    std::string frontPath;
    std::string rearPath;
    std::string preset;
    std::vector<std::string> sets;
    app.add_option("--front", frontPath, "PNG file for the front panel");
    app.add_option("--rear", rearPath, "PNG file for the rear panel");
    app.add_option("--preset", preset, "factory preset: 0-9 or its name (default: defaults)");
    app.add_option("--set", sets, "SLOT=VALUE, normalized 0..1 (repeatable)");
    CLI11_PARSE(app, argc, argv);
    if (frontPath.empty() && rearPath.empty())
    {
        std::fprintf(stderr, "chordwell-editor-preview: give --front and/or --rear\n");
        return 2;
    }

    double values[chordwell::kPublicSlotCount];
    for (int slot = 0; slot < chordwell::kPublicSlotCount; ++slot)
        values[slot] = getParameterDefault(slot);
    if (!preset.empty())
    {
        const auto index = parsePresetArg(preset);
        if (!index)
        {
            std::fprintf(stderr, "chordwell-editor-preview: unknown preset '%s'\n", preset.c_str());
            return 2;
        }
        getFactoryPreset(*index, values, nullptr);
    }
    for (const std::string& set : sets)
    {
        std::string error;
        const auto assignment = parseSlotAssignment(set, error);
        if (!assignment)
        {
            std::fprintf(stderr, "chordwell-editor-preview: %s\n", error.c_str());
            return 2;
        }
        values[assignment->first] = assignment->second;
    }

    juce::ScopedJuceInitialiser_GUI toolkit;
    Orlund::ORLOffscreenEditorEngine engine;
    engine.open();
    for (int slot = 0; slot < chordwell::kPublicSlotCount; ++slot)
        engine.updateDisplay(slot, values[slot]);

    int status = 0;
    if (!frontPath.empty() && !writePng(engine.render(), frontPath))
    {
        std::fprintf(stderr, "chordwell-editor-preview: cannot write %s\n", frontPath.c_str());
        status = 1;
    }
    if (!rearPath.empty())
    {
        engine.getEditor().controlChanged(ORLChordwellEditor::kTitleBandTag, 1.0);
        if (!writePng(engine.render(), rearPath))
        {
            std::fprintf(stderr, "chordwell-editor-preview: cannot write %s\n", rearPath.c_str());
            status = 1;
        }
    }
    engine.close();
    return status;
}
