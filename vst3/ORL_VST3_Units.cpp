#include "ORL_VST3_Effect.h"

#include "ChordwellIds.h"
#include "ChordwellParameters.h"

#include <ProductIdentity.h>

// The one unit and its program list: the factory presets as the host's programs.

using namespace Steinberg;
using namespace Steinberg::Vst;
using chordwell::vst3ids::kProgramCount;
using chordwell::vst3ids::kProgramList;

int32 PLUGIN_API ORL_VST3_Effect::getUnitCount()
{
    return 1;
}

tresult PLUGIN_API ORL_VST3_Effect::getUnitInfo(int32 unitIndex, UnitInfo& info)
{
    if (unitIndex != 0)
        return kInvalidArgument;
    info.id = kRootUnitId;
    info.parentUnitId = kNoParentUnitId;
    chordwell::vst3params::toString128(chordwell::product::kName, info.name);
    info.programListId = kProgramList;
    return kResultTrue;
}

int32 PLUGIN_API ORL_VST3_Effect::getProgramListCount()
{
    return 1;
}

tresult PLUGIN_API ORL_VST3_Effect::getProgramListInfo(int32 listIndex, ProgramListInfo& info)
{
    if (listIndex != 0)
        return kInvalidArgument;
    info.id = kProgramList;
    chordwell::vst3params::toString128("Presets", info.name);
    info.programCount = kProgramCount;
    return kResultTrue;
}

tresult PLUGIN_API ORL_VST3_Effect::getProgramName(ProgramListID listId, int32 programIndex,
                                                   String128 name)
{
    if (listId != kProgramList || programIndex < 0 || programIndex >= kProgramCount)
        return kInvalidArgument;
    chordwell::vst3params::toString128(instance.programName(programIndex), name);
    return kResultTrue;
}

tresult PLUGIN_API ORL_VST3_Effect::getProgramInfo(ProgramListID, int32, Vst::CString, String128)
{
    return kResultFalse;
}

tresult PLUGIN_API ORL_VST3_Effect::hasProgramPitchNames(ProgramListID, int32)
{
    return kResultFalse;
}

tresult PLUGIN_API ORL_VST3_Effect::getProgramPitchName(ProgramListID, int32, int16, String128)
{
    return kResultFalse;
}

UnitID PLUGIN_API ORL_VST3_Effect::getSelectedUnit()
{
    return kRootUnitId;
}

tresult PLUGIN_API ORL_VST3_Effect::selectUnit(UnitID unitId)
{
    return unitId == kRootUnitId ? kResultTrue : kResultFalse;
}

tresult PLUGIN_API ORL_VST3_Effect::getUnitByBus(MediaType, BusDirection, int32, int32,
                                                 UnitID& unitId)
{
    unitId = kRootUnitId;
    return kResultTrue;
}

tresult PLUGIN_API ORL_VST3_Effect::setUnitProgramData(int32, int32, IBStream*)
{
    return kResultFalse;
}
