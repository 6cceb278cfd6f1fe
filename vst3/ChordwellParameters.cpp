#include "ChordwellParameters.h"

#include "ChordwellIds.h"

#include <ParameterTable.h>
#include <ParameterTextInput.h>
#include <StoredText.h>

#include <pluginterfaces/vst/ivstunits.h>

#include <cmath>
#include <string>

namespace chordwell::vst3params
{
namespace
{
using namespace Steinberg;
using namespace Steinberg::Vst;

constexpr const char* kShortTitles[kPublicSlotCount] = {"Out",    "Mix",  "Decay",  "Damp",
                                                        "Transp", "Tune", "Detune", "Bypass"};

std::string utf8Of(const TChar* text)
{
    std::string out;
    for (; text != nullptr && *text != 0; ++text)
        out.push_back(*text < 0x80 ? static_cast<char>(*text) : '?');
    return out;
}

// Units as the host shows them beside a plain value: the unit text without its blank.
std::string unitOf(int slot)
{
    char unit[16];
    getParameterUnitText(unit, slot);
    std::string s(unit);
    while (!s.empty() && s.front() == ' ')
        s.erase(s.begin());
    while (!s.empty() && s.back() == ' ')
        s.pop_back();
    return s;
}

class SlotParameter final : public Parameter
{
  public:
    explicit SlotParameter(int slot) : slot(slot)
    {
        toString128(getParameterName(slot), info.title);
        toString128(kShortTitles[slot], info.shortTitle);
        toString128(unitOf(slot).c_str(), info.units);
        info.id = static_cast<ParamID>(slot);
        info.stepCount = slot == chordwell::kBypassSlot ? 1 : 0;
        info.defaultNormalizedValue = getParameterDefault(slot);
        info.unitId = kRootUnitId;
        info.flags = ParameterInfo::kCanAutomate |
                     (slot == chordwell::kBypassSlot ? ParameterInfo::kIsBypass : 0);
        valueNormalized = info.defaultNormalizedValue;
    }

    void toString(ParamValue value, String128 string) const override
    {
        char text[64];
        getParameterDisplayText(slot, value, text);
        toString128(text, string);
    }

    bool fromString(const TChar* string, ParamValue& value) const override
    {
        return parseParameterText(slot, utf8Of(string).c_str(), value);
    }

  private:
    int slot;
};

class ProgramParameter final : public Parameter
{
  public:
    explicit ProgramParameter(std::function<const char*(int)> names) : names(std::move(names))
    {
        toString128("Program", info.title);
        toString128("Prg", info.shortTitle);
        info.id = vst3ids::kProgramParameter;
        info.stepCount = vst3ids::kProgramCount - 1;
        info.defaultNormalizedValue = 0.0;
        info.unitId = kRootUnitId;
        info.flags = ParameterInfo::kIsProgramChange | ParameterInfo::kIsList;
    }

    void toString(ParamValue value, String128 string) const override
    {
        const int index = static_cast<int>(std::lround(value * info.stepCount));
        toString128(names ? names(index) : "", string);
    }

    bool fromString(const TChar* string, ParamValue& value) const override
    {
        const std::string wanted = utf8Of(string);
        for (int i = 0; i < vst3ids::kProgramCount && names; ++i)
            if (wanted == names(i))
            {
                value = static_cast<double>(i) / info.stepCount;
                return true;
            }
        return false;
    }

  private:
    std::function<const char*(int)> names;
};
} // namespace

Parameter* makeSlotParameter(int slot)
{
    return new SlotParameter(slot);
}

Parameter* makeProgramParameter(std::function<const char*(int)> nameOf)
{
    return new ProgramParameter(std::move(nameOf));
}

void toString128(const char* text, Steinberg::Vst::String128 out)
{
    const std::string utf8 = storedTextAsUtf8(text != nullptr ? text : "");
    size_t used = 0;
    char32_t c = 0;
    // The text is well-formed, so every sequence is at least one byte long.
    for (size_t at = 0, length = 0; at < utf8.size(); at += length)
    {
        length = utf8SequenceAt(utf8, at, c);
        const size_t units = c >= 0x10000 ? 2 : 1;
        if (used + units > 127)
            break; // a character that does not fit whole is left out
        if (units == 2)
        {
            out[used++] = static_cast<Steinberg::Vst::TChar>(0xD800 + ((c - 0x10000) >> 10));
            out[used++] = static_cast<Steinberg::Vst::TChar>(0xDC00 + ((c - 0x10000) & 0x3FF));
        }
        else
        {
            out[used++] = static_cast<Steinberg::Vst::TChar>(c);
        }
    }
    out[used] = 0;
}
} // namespace chordwell::vst3params
