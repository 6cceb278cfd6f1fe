#pragma once

#include "AAX.h"
#include "IACFUnknown.h"

// The description interfaces a host implements and hands to the plug-in at registration.
// Every add operation answers 0 on success; an object that cannot be made comes back null.
// The host owns every object it hands out. All on the host's main thread.

class AAX_VPropertyMap
{
  public:
    virtual AAX_Result AddProperty(AAX_EProperty property, AAX_CPropertyValue value) = 0;

  protected:
    ~AAX_VPropertyMap() = default;
};

class AAX_VComponentDescriptor
{
  public:
    virtual AAX_Result AddAudioIn(AAX_CFieldIndex field) = 0;
    virtual AAX_Result AddAudioOut(AAX_CFieldIndex field) = 0;
    virtual AAX_Result AddAudioBufferLength(AAX_CFieldIndex field) = 0;
    virtual AAX_Result AddSampleRate(AAX_CFieldIndex field) = 0;
    virtual AAX_Result AddMeters(AAX_CFieldIndex field, const AAX_CTypeID* meterIDs,
                                 uint32_t meterCount) = 0;
    virtual AAX_Result AddDataInPort(AAX_CFieldIndex field, uint32_t packetSize,
                                     int32_t portType) = 0;
    virtual AAX_Result AddPrivateData(AAX_CFieldIndex field, int32_t dataSize,
                                      uint32_t options) = 0;
    virtual AAX_VPropertyMap* NewPropertyMap() = 0;
    virtual AAX_Result AddProcessProc_Native(AAX_CProcessProc proc, AAX_VPropertyMap* properties,
                                             AAX_CInstanceInitProc instanceInit,
                                             AAX_CBackgroundProc background,
                                             AAX_CTypeID* outProcID) = 0;

  protected:
    ~AAX_VComponentDescriptor() = default;
};

class AAX_VEffectDescriptor
{
  public:
    virtual AAX_VComponentDescriptor* NewComponentDescriptor() = 0;
    virtual AAX_Result AddComponent(AAX_VComponentDescriptor* component) = 0;
    virtual AAX_Result AddName(const char* name) = 0;
    virtual AAX_Result AddCategory(uint32_t category) = 0;
    virtual AAX_Result AddProcPtr(AAX_CCreateProc proc, int32_t selector) = 0;
    virtual AAX_VPropertyMap* NewPropertyMap() = 0;
    virtual AAX_Result AddResourceInfo(int32_t resourceType, const char* fileName) = 0;
    virtual AAX_Result AddMeterDescription(AAX_CTypeID meterID, const char* name,
                                           AAX_VPropertyMap* properties) = 0;

  protected:
    ~AAX_VEffectDescriptor() = default;
};

// The host's collection behind IID_IAAXCollection.
class AAX_IACFCollection
{
  public:
    virtual AAX_VEffectDescriptor* NewDescriptor() = 0;
    virtual AAX_Result AddEffect(const char* effectID, AAX_VEffectDescriptor* effect) = 0;
    virtual AAX_Result SetManufacturerName(const char* name) = 0;
    virtual AAX_Result AddPackageName(const char* name) = 0;
    virtual AAX_Result SetPackageVersion(uint32_t version) = 0;

  protected:
    ~AAX_IACFCollection() = default;
};
