#include "InstanceCore.h"

#include <BankState.h>
#include <ORLChordwellEffect.h>
#include <PresetBank.h>

std::vector<uint8_t> InstanceCore::saveSession(const std::array<float, 8>& values)
{
    const std::vector<uint8_t> bank = saveBank();
    if (bank.empty())
        return {};
    return chordwell::sessionstate::encode(values, bank);
}

std::vector<uint8_t> InstanceCore::saveBank()
{
    return chordwell::sessionstate::bankStateOf(master.productController());
}

std::optional<InstanceCore::Session> InstanceCore::readSession(std::span<const uint8_t> bytes)
{
    return chordwell::sessionstate::decode(bytes);
}

void InstanceCore::restoreBank(const Session& session)
{
    chordwell::sessionstate::restoreBank(master.productController(), session);
}

bool InstanceCore::restoreBankState(std::span<const uint8_t> bankState)
{
    if (bankState.size() < bankstate::kClosingWordsSize || !bankstate::isAccepted(bankState))
        return false;
    const auto image = bankState.first(bankState.size() - bankstate::kClosingWordsSize);
    return master.productController().setStateImage(image.data(),
                                                    static_cast<int32_t>(image.size()), nullptr);
}

uint32_t InstanceCore::latencySamples(double rate)
{
    ORLChordwellEffect engine;
    engine.setSampleRate(rate);
    engine.reset();
    return engine.getLatency();
}

int32_t InstanceCore::programCount()
{
    return PresetBank::kPresetCount;
}

const char* InstanceCore::programName(int32_t index)
{
    if (index < 0 || index >= programCount())
        return "";
    return master.presetBank().presetName(index);
}

int32_t InstanceCore::currentProgram()
{
    return master.presetBank().currentIndex();
}
