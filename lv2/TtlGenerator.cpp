// chordwell-lv2-ttl OUTDIR: writes the bundle's Turtle (manifest.ttl, orl-chordwell.ttl,
// presets.ttl) from the parameter table and the factory presets, so the bundle never keeps a
// second copy of names, ranges, defaults or preset values. Run by the build.
#include "ChordwellLv2.h"

#include <FactoryPresets.h>
#include <ParameterTable.h>
#include <ParameterTextInput.h>
#include <ProductIdentity.h>
#include <StoredText.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace
{
using namespace chordwell::lv2;

std::string uriOf(const LayoutInfo& layout)
{
    return std::string("<") + kUriBase + "#" + layout.suffix + ">";
}

std::string uiUri()
{
    return std::string("<") + kUriBase + "#ui>";
}

// LV2 versions have a minor and a micro number, where an odd number or a minor number of 0
// marks a development build. Ours (major.minor.patch) maps onto even numbers that grow with
// it: minor = 2 x (100 x major + minor), micro = 2 x patch, so 1.1.5 is 202.10.
constexpr int kLv2MinorVersion =
    2 * (100 * chordwell::version::kMajor + chordwell::version::kMinor);
constexpr int kLv2MicroVersion = 2 * chordwell::version::kPatch;
static_assert(chordwell::version::kMinor < 100,
              "the minor version must stay below the next major's");

// The binaries link JUCE's GPL-3 modules, so they are distributed under the GPL-3, as the
// Debian package's copyright file says.
constexpr const char* kLicence = "https://spdx.org/licenses/GPL-3.0-only";

// The maker, as the project and each of its plug-ins name it.
const std::string kMaintainer = std::string("[ foaf:name \"") + chordwell::product::kMaker +
                                "\" ; foaf:homepage <" + chordwell::product::kWebAddress + "> ]";

std::string projectUri()
{
    return std::string("<") + kUriBase + ">";
}

std::string presetUri(int place)
{
    return std::string("<") + kUriBase + "#preset" + std::to_string(place) + ">";
}

// Shortest text that reads back as the same float.
std::string number(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.9g", static_cast<double>(static_cast<float>(value)));
    std::string s = text;
    if (s.find_first_of(".e") == std::string::npos)
        s += ".0";
    return s;
}

// A Turtle string: valid UTF-8 whatever the bytes (StoredText.h), with quotes, backslashes
// and control characters escaped.
std::string quoted(const std::string& text)
{
    std::string out = "\"";
    for (char c : storedTextAsUtf8(text))
    {
        const auto u = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\')
        {
            out += '\\';
            out += c;
        }
        else if (u < 0x20 || u == 0x7F)
        {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04X", u);
            out += escaped;
        }
        else
        {
            out += c;
        }
    }
    return out + "\"";
}

std::string displayText(int slot, double value)
{
    char text[64];
    getParameterDisplayText(slot, value, text);
    std::string s = text;
    while (!s.empty() && s.back() == ' ')
        s.pop_back();
    return s;
}

// The value that typing text into a host's generic editor sets.
double typedValue(int slot, const char* text)
{
    double value = 0.0;
    parseParameterText(slot, text, value);
    return value;
}

// Values where the product's own texts tell a generic UI what the normalized number means.
std::vector<double> scaleValues(int slot)
{
    if (slot == chordwell::kBypassSlot)
        return {0.0, 1.0};
    // -24, -12, 0, 12, 24 st: -12 and 12 where a typed semitone lands, which the text and the
    // engine both name as that semitone.
    if (slot == 4)
        return {0.0, typedValue(4, "-12"), 0.5, typedValue(4, "12"), 1.0};
    return {0.0, 0.25, 0.5, 0.75, 1.0};
}

std::string controlPort(int slot)
{
    std::ostringstream out;
    out << "    a lv2:InputPort, lv2:ControlPort ;\n"
        << "    lv2:index " << slot << " ;\n"
        << "    lv2:symbol \"" << kControlSymbols[slot] << "\" ;\n"
        << "    lv2:name " << quoted(getParameterName(slot)) << " ;\n"
        << "    lv2:default " << number(getParameterDefault(slot)) << " ;\n"
        << "    lv2:minimum 0.0 ;\n"
        << "    lv2:maximum 1.0 ;\n";
    if (slot == chordwell::kBypassSlot)
        out << "    lv2:portProperty lv2:toggled ;\n";
    const auto values = scaleValues(slot);
    for (size_t i = 0; i < values.size(); ++i)
        out << (i == 0 ? "    lv2:scalePoint " : "        ") << "[ rdfs:label "
            << quoted(displayText(slot, values[i])) << " ; rdf:value " << number(values[i]) << " ]"
            << (i + 1 < values.size() ? " ,\n" : " ;\n");
    return out.str();
}

std::string audioPort(uint32_t index, bool input, uint32_t channel, uint32_t channels)
{
    std::ostringstream out;
    const char* side = input ? "in" : "out";
    const char* names[2] = {channels == 1 ? "" : " Left", " Right"};
    out << "    a lv2:" << (input ? "Input" : "Output") << "Port, lv2:AudioPort ;\n"
        << "    lv2:index " << index << " ;\n"
        << "    lv2:symbol \"" << side << "_" << channel + 1 << "\" ;\n"
        << "    lv2:name \"" << (input ? "In" : "Out") << names[channel] << "\" ;\n";
    return out.str();
}

std::string pluginTtl()
{
    std::ostringstream out;
    out << "@prefix doap: <http://usefulinc.com/ns/doap#> .\n"
        << "@prefix foaf: <http://xmlns.com/foaf/0.1/> .\n"
        << "@prefix lv2: <http://lv2plug.in/ns/lv2core#> .\n"
        << "@prefix opts: <http://lv2plug.in/ns/ext/options#> .\n"
        << "@prefix rdf: <http://www.w3.org/1999/02/22-rdf-syntax-ns#> .\n"
        << "@prefix rdfs: <http://www.w3.org/2000/01/rdf-schema#> .\n"
        << "@prefix state: <http://lv2plug.in/ns/ext/state#> .\n"
        << "@prefix ui: <http://lv2plug.in/ns/extensions/ui#> .\n"
        << "@prefix urid: <http://lv2plug.in/ns/ext/urid#> .\n\n";
    // The three layouts are one product of one maker.
    out << projectUri() << "\n"
        << "  a doap:Project ;\n"
        << "  doap:name \"" << chordwell::product::kName << "\" ;\n"
        << "  doap:license <" << kLicence << "> ;\n"
        << "  doap:maintainer " << kMaintainer << " .\n\n";
    // The editor, 401 x 301 times the host's scale (ui:scaleFactor, read with the host's URID
    // map, changed through the options interface), in the host's X11 window; it shares the
    // instance's bank. Its size is its window's own (the X11 size hints); the user does not
    // resize it.
    out << uiUri() << "\n"
        << "  a ui:X11UI ;\n"
        << "  lv2:requiredFeature ui:idleInterface, ui:parent, "
           "<http://lv2plug.in/ns/ext/instance-access> ;\n"
        << "  lv2:optionalFeature ui:noUserResize, ui:touch, opts:options, urid:map ;\n"
        << "  opts:supportedOption ui:scaleFactor ;\n"
        << "  lv2:extensionData ui:idleInterface, opts:interface .\n\n";
    for (const LayoutInfo& layout : kLayouts)
    {
        out << uriOf(layout) << "\n"
            << "  a lv2:Plugin, lv2:ReverbPlugin, doap:Project ;\n"
            << "  doap:name \"" << layout.name << "\" ;\n"
            << "  lv2:project " << projectUri() << " ;\n"
            << "  doap:license <" << kLicence << "> ;\n"
            << "  doap:maintainer " << kMaintainer << " ;\n"
            << "  lv2:optionalFeature lv2:hardRTCapable, urid:map ;\n"
            << "  lv2:extensionData state:interface ;\n"
            << "  ui:ui " << uiUri() << " ;\n"
            << "  lv2:port [\n";
        for (int slot = 0; slot < 8; ++slot)
            out << controlPort(slot) << "  ] , [\n";
        out << "    a lv2:OutputPort, lv2:ControlPort ;\n"
            << "    lv2:index " << kLatencyPort << " ;\n"
            << "    lv2:symbol \"latency\" ;\n"
            << "    lv2:name \"Latency\" ;\n"
            << "    lv2:minimum 0 ;\n"
            << "    lv2:maximum 0 ;\n"
            << "    lv2:portProperty lv2:reportsLatency, lv2:integer ;\n"
            << "    lv2:designation lv2:latency\n";
        uint32_t index = kFirstAudioPort;
        for (uint32_t c = 0; c < layout.inputs; ++c)
            out << "  ] , [\n" << audioPort(index++, true, c, layout.inputs);
        for (uint32_t c = 0; c < layout.outputs; ++c)
            out << "  ] , [\n" << audioPort(index++, false, c, layout.outputs);
        out << "  ] .\n\n";
    }
    return out.str();
}

std::string presetsTtl()
{
    std::ostringstream out;
    out << "@prefix lv2: <http://lv2plug.in/ns/lv2core#> .\n"
        << "@prefix pset: <http://lv2plug.in/ns/ext/presets#> .\n"
        << "@prefix rdfs: <http://www.w3.org/2000/01/rdf-schema#> .\n"
        << "@prefix rdf: <http://www.w3.org/1999/02/22-rdf-syntax-ns#> .\n"
        << "@prefix state: <http://lv2plug.in/ns/ext/state#> .\n"
        << "@prefix xsd: <http://www.w3.org/2001/XMLSchema#> .\n\n";
    out << "<" << kStateFactoryPresetKey << ">\n  a rdf:Property ;\n"
        << "  rdfs:label \"factory preset\" ;\n"
        << "  rdfs:comment \"The place in the bank (0-9) of the factory preset whose values "
           "these are: restoring it makes that preset current.\" ;\n"
        << "  rdfs:range xsd:integer .\n\n";
    for (int place = 0; place < 10; ++place)
    {
        // As a bank reset to factory holds them: unknown places read "Init".
        double values[8] = {};
        char name[32] = "Init";
        getFactoryPreset(place, values, name);
        // A host's menu lists presets by label alone: a name that an earlier place has too
        // gets its count ("Init 2"), so the four Init places are told apart. Every place stays
        // listed, as the bank holds it and sessions name it.
        int earlier = 0;
        for (int other = 0; other < place; ++other)
        {
            char otherName[32] = "Init";
            getFactoryPreset(other, nullptr, otherName);
            earlier += std::string(otherName) == name ? 1 : 0;
        }
        const std::string label = earlier == 0
                                      ? std::string(name)
                                      : std::string(name) + " " + std::to_string(earlier + 1);
        out << presetUri(place) << "\n  a pset:Preset ;\n  lv2:appliesTo ";
        for (int i = 0; i < 3; ++i)
            out << uriOf(kLayouts[i]) << (i < 2 ? ", " : " ;\n");
        out << "  rdfs:label " << quoted(label) << " ;\n  lv2:port ";
        for (int slot = 0; slot < 8; ++slot)
            out << "[ lv2:symbol \"" << kControlSymbols[slot] << "\" ; pset:value "
                << number(values[slot]) << " ]" << (slot < 7 ? " ,\n    " : " ;\n");
        // The preset's place, so that the instance's bank makes this preset current.
        out << "  state:state [ <" << kStateFactoryPresetKey << "> " << place << " ] .\n\n";
    }
    return out.str();
}

std::string manifestTtl()
{
    std::ostringstream out;
    out << "@prefix lv2: <http://lv2plug.in/ns/lv2core#> .\n"
        << "@prefix pset: <http://lv2plug.in/ns/ext/presets#> .\n"
        << "@prefix rdfs: <http://www.w3.org/2000/01/rdf-schema#> .\n"
        << "@prefix ui: <http://lv2plug.in/ns/extensions/ui#> .\n\n";
    out << uiUri() << "\n  a ui:X11UI ;\n  ui:binary <" << kBinary
        << "> ;\n  rdfs:seeAlso <orl-chordwell.ttl> .\n\n";
    for (const LayoutInfo& layout : kLayouts)
        out << uriOf(layout) << "\n  a lv2:Plugin ;\n  lv2:binary <" << kBinary
            << "> ;\n  lv2:minorVersion " << kLv2MinorVersion << " ;\n  lv2:microVersion "
            << kLv2MicroVersion << " ;\n  rdfs:seeAlso <orl-chordwell.ttl> .\n\n";
    for (int place = 0; place < 10; ++place)
    {
        out << presetUri(place) << "\n  a pset:Preset ;\n  lv2:appliesTo ";
        for (int i = 0; i < 3; ++i)
            out << uriOf(kLayouts[i]) << (i < 2 ? ", " : " ;\n");
        out << "  rdfs:seeAlso <presets.ttl> .\n\n";
    }
    return out.str();
}

bool writeFile(const std::string& path, const std::string& text)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << text;
    return static_cast<bool>(file.flush());
}
} // namespace

int main(int argc, char** argv)
{
    if (argc != 2)
    {
        std::fprintf(stderr, "usage: chordwell-lv2-ttl OUTDIR\n");
        return 2;
    }
    const std::string dir = argv[1];
    if (!writeFile(dir + "/manifest.ttl", manifestTtl()) ||
        !writeFile(dir + "/orl-chordwell.ttl", pluginTtl()) ||
        !writeFile(dir + "/presets.ttl", presetsTtl()))
    {
        std::fprintf(stderr, "chordwell-lv2-ttl: cannot write into %s\n", dir.c_str());
        return 1;
    }
    return 0;
}
