#include "Description.h"

#include "ChordwellContext.h"
#include "EffectIdentity.h"
#include "MeterTable.h"
#include "ObjectFactories.h"
#include "RenderCallbacks.h"

#include <ParameterTable.h>

namespace
{
using namespace chordwell;

struct Variant
{
    AAX_CPropertyValue inputStem;
    AAX_CPropertyValue outputStem;
    AAX_CTypeID nativeID;
    AAX_CProcessProc render;
};

constexpr Variant kVariants[3] = {
    {AAX_eStemFormat_Mono, AAX_eStemFormat_Mono, AAX_FourCC("QWcm"), ORL_AAX_RenderMono},
    {AAX_eStemFormat_Stereo, AAX_eStemFormat_Stereo, AAX_FourCC("QWcs"), ORL_AAX_RenderStereo},
    {AAX_eStemFormat_Mono, AAX_eStemFormat_Stereo, AAX_FourCC("QWcx"), ORL_AAX_RenderMonoStereo},
};

AAX_Result fillVariant(AAX_VComponentDescriptor& component, const Variant& variant)
{
    component.AddAudioIn(field::kAudioIn);
    component.AddAudioOut(field::kAudioOut);
    component.AddAudioBufferLength(field::kBufferLength);
    component.AddSampleRate(field::kSampleRate);
    component.AddMeters(field::kMeters, kMeterIDs, kMeterCount);
    for (int32_t port = field::kMasterBypass; port < field::kFirstParameterPort + kPublicSlotCount;
         ++port)
        component.AddDataInPort(port, 4, AAX_eDataInPortType_Unbuffered);
    component.AddPrivateData(field::kParameterCache, field::kParameterCacheSize, 0);
    component.AddPrivateData(field::kLastSampleRate, field::kLastSampleRateSize, 0);
    component.AddPrivateData(field::kEngine, field::kEngineSize, 0);

    AAX_VPropertyMap* properties = component.NewPropertyMap();
    if (properties == nullptr)
        return AAX_ERROR_NULL_OBJECT;
    properties->AddProperty(AAX_eProperty_ManufacturerID,
                            static_cast<AAX_CPropertyValue>(identity::kManufacturerID));
    properties->AddProperty(AAX_eProperty_ProductID,
                            static_cast<AAX_CPropertyValue>(identity::kProductID));
    properties->AddProperty(AAX_eProperty_ComponentFlag60, 1);
    properties->AddProperty(AAX_eProperty_InputStemFormat, variant.inputStem);
    properties->AddProperty(AAX_eProperty_OutputStemFormat, variant.outputStem);
    properties->AddProperty(AAX_eProperty_PlugInID_Native,
                            static_cast<AAX_CPropertyValue>(variant.nativeID));
    properties->AddProperty(AAX_eProperty_PlugInID_AudioSuite,
                            static_cast<AAX_CPropertyValue>(identity::kAudioSuiteID));
    // The instance-initialization callback destroys the engine when an instance goes away.
    return component.AddProcessProc_Native(variant.render, properties, ORL_AAX_InstanceInit,
                                           nullptr, nullptr);
}

AAX_Result describeMeters(AAX_VEffectDescriptor& effect)
{
    for (int i = 0; i < kMeterCount; ++i)
    {
        AAX_VPropertyMap* properties = effect.NewPropertyMap();
        if (properties == nullptr)
            return AAX_ERROR_NULL_OBJECT;
        if (i < 2)
        {
            properties->AddProperty(AAX_eProperty_Meter_Type,
                                    i == 0 ? AAX_eMeterType_Input : AAX_eMeterType_Output);
            properties->AddProperty(AAX_eProperty_Meter_Orientation, 0);
            effect.AddMeterDescription(kMeterIDs[i], i == 0 ? "Input" : "Output", properties);
        }
        else
        {
            properties->AddProperty(AAX_eProperty_Meter_Type, AAX_eMeterType_Other);
            properties->AddProperty(AAX_eProperty_Meter_Orientation, 0);
            properties->AddProperty(AAX_eProperty_Meter_Ballistics, 1);
            effect.AddMeterDescription(kMeterIDs[i], "Custom", properties);
        }
    }
    return AAX_SUCCESS;
}
} // namespace

AAX_Result ORL_DescribeEffect(AAX_VEffectDescriptor& effect)
{
    AAX_VComponentDescriptor* component = effect.NewComponentDescriptor();
    if (component == nullptr)
        return AAX_ERROR_NULL_OBJECT;
    effect.AddName(identity::kEffectName);
    effect.AddCategory(AAX_ePlugInCategory_Reverb);
    // The same component descriptor is filled again for each variant.
    for (const Variant& variant : kVariants)
    {
        const AAX_Result filled = fillVariant(*component, variant);
        if (filled != AAX_SUCCESS)
            return filled;
        effect.AddComponent(component);
    }
    effect.AddProcPtr(ORL_CreateParameters, AAX_eProcPtrID_Create_EffectParameters);
    effect.AddResourceInfo(AAX_eResourceType_PageTable, identity::kPageTableFile);
    effect.AddProcPtr(ORL_CreateDirectData, AAX_eProcPtrID_Create_EffectDirectData);
    effect.AddProcPtr(ORL_CreateGUI, AAX_eProcPtrID_Create_EffectGUI);
    return describeMeters(effect);
}

AAX_Result ORL_DescribeEffects(AAX_VCollection& collection)
{
    AAX_Result result = AAX_ERROR_NULL_OBJECT;
    AAX_VEffectDescriptor* effect = collection.NewDescriptor();
    if (effect != nullptr)
    {
        result = ORL_DescribeEffect(*effect);
        if (result == AAX_SUCCESS)
            result = collection.AddEffect(identity::kEffectID, effect);
    }
    collection.SetManufacturerName(identity::kManufacturerName);
    for (const char* name : identity::kPackageNames)
        collection.AddPackageName(name);
    collection.SetPackageVersion(identity::kPackageVersion);
    return result;
}
