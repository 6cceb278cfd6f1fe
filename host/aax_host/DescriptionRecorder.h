#pragma once

#include "PluginDescription.h"

#include <AAX_VDescription.h>

#include <memory>
#include <vector>

// The host's description collection: hands out descriptors and property maps to the
// plug-in during registration and records everything into a PluginDescription. Owns every
// object it hands out. Main thread.
class DescriptionRecorder final : public AAX_IACFCollection
{
  public:
    DescriptionRecorder();
    ~DescriptionRecorder();

    AAX_VEffectDescriptor* NewDescriptor() override;
    AAX_Result AddEffect(const char* effectID, AAX_VEffectDescriptor* effect) override;
    AAX_Result SetManufacturerName(const char* name) override;
    AAX_Result AddPackageName(const char* name) override;
    AAX_Result SetPackageVersion(uint32_t version) override;

    const PluginDescription& description() const { return recorded; }

    class Effect;

  private:
    std::vector<std::unique_ptr<Effect>> effects;
    PluginDescription recorded;
};
