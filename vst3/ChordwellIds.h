#pragma once

#include <pluginterfaces/base/funknown.h>
#include <pluginterfaces/vst/vsttypes.h>

#include <cstdint>

// The identities a VST 3 host stores in its sessions: never change them.
namespace chordwell::vst3ids
{
// The effect's class id.
inline const Steinberg::FUID kEffectClass(0x4F524C43, 0x686F7264, 0x77656C6C, 0x56535433);
// Parameters: slot 0-7 keeps its slot number as its id; the program change has its own.
inline constexpr Steinberg::Vst::ParamID kProgramParameter = 100;
inline constexpr Steinberg::Vst::ProgramListID kProgramList = 1;
inline constexpr int32_t kProgramCount = 10;
} // namespace chordwell::vst3ids
