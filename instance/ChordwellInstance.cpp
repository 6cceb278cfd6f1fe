#include "ChordwellInstance.h"

#include "TailLength.h"

#include <PresetBank.h>

void ChordwellInstance::setSampleRate(double newRate)
{
    rate = newRate;
    audio.setSampleRate(newRate);
}

uint32_t ChordwellInstance::tailSamples(const std::array<double, 8>& values) const
{
    return ::tailSamples(values.data(), rate);
}

std::vector<uint8_t> ChordwellInstance::saveSession(const std::array<float, 8>& values)
{
    const std::vector<uint8_t> bank = saveBank();
    if (bank.empty())
        return {};
    return chordwell::sessionstate::encode(values, bank);
}

std::vector<uint8_t> ChordwellInstance::saveBank()
{
    return chordwell::sessionstate::bankStateOf(master.productController());
}

std::optional<ChordwellInstance::Session>
ChordwellInstance::readSession(std::span<const uint8_t> bytes)
{
    return chordwell::sessionstate::decode(bytes);
}

void ChordwellInstance::restoreBank(const Session& session)
{
    chordwell::sessionstate::restoreBank(master.productController(), session);
}

int32_t ChordwellInstance::programCount()
{
    return PresetBank::kPresetCount;
}

const char* ChordwellInstance::programName(int32_t index)
{
    if (index < 0 || index >= programCount())
        return "";
    return master.presetBank().presetName(index);
}

int32_t ChordwellInstance::currentProgram()
{
    return master.presetBank().currentIndex();
}
