#include "DescriptionRecorder.h"

#include <algorithm>
#include <map>

namespace
{
class PropertyMap final : public AAX_VPropertyMap
{
  public:
    AAX_Result AddProperty(AAX_EProperty property, AAX_CPropertyValue value) override
    {
        for (auto& entry : properties)
            if (entry.first == property)
            {
                entry.second = value;
                return AAX_SUCCESS;
            }
        properties.emplace_back(property, value);
        return AAX_SUCCESS;
    }
    PropertyList properties;
};

// Owns the property maps it makes; a map handed back is found among them.
class PropertyMaps
{
  public:
    PropertyMap* make()
    {
        maps.push_back(std::make_unique<PropertyMap>());
        return maps.back().get();
    }
    const PropertyMap* find(const AAX_VPropertyMap* map) const
    {
        for (const auto& owned : maps)
            if (owned.get() == map)
                return owned.get();
        return nullptr;
    }

  private:
    std::vector<std::unique_ptr<PropertyMap>> maps;
};

// Fields are kept by index: declaring an index again replaces its declaration. Process
// procedures accumulate; a component added to the effect takes those added since it was
// last added, so a descriptor may be filled again for the next variant.
class Component final : public AAX_VComponentDescriptor
{
  public:
    AAX_Result AddAudioIn(AAX_CFieldIndex field) override
    {
        return declare(field, FieldKind::AudioIn);
    }
    AAX_Result AddAudioOut(AAX_CFieldIndex field) override
    {
        return declare(field, FieldKind::AudioOut);
    }
    AAX_Result AddAudioBufferLength(AAX_CFieldIndex field) override
    {
        return declare(field, FieldKind::BufferLength);
    }
    AAX_Result AddSampleRate(AAX_CFieldIndex field) override
    {
        return declare(field, FieldKind::SampleRate);
    }
    AAX_Result AddMeters(AAX_CFieldIndex field, const AAX_CTypeID* ids, uint32_t count) override
    {
        if (ids == nullptr && count > 0)
            return AAX_ERROR_NULL_OBJECT;
        FieldDeclaration declaration{field, FieldKind::Meters, 0, 0, {}};
        declaration.meterIDs.assign(ids, ids + count);
        return store(declaration);
    }
    AAX_Result AddDataInPort(AAX_CFieldIndex field, uint32_t size, int32_t type) override
    {
        return store({field, FieldKind::DataInPort, size, type, {}});
    }
    AAX_Result AddPrivateData(AAX_CFieldIndex field, int32_t size, uint32_t options) override
    {
        if (size < 0)
            return AAX_ERROR_INVALID_FIELD_DATA;
        return store({field,
                      FieldKind::PrivateData,
                      static_cast<uint32_t>(size),
                      static_cast<int32_t>(options),
                      {}});
    }
    AAX_VPropertyMap* NewPropertyMap() override { return maps.make(); }
    AAX_Result AddProcessProc_Native(AAX_CProcessProc proc, AAX_VPropertyMap* properties,
                                     AAX_CInstanceInitProc init, AAX_CBackgroundProc background,
                                     AAX_CTypeID* outProcID) override
    {
        const PropertyMap* map = maps.find(properties);
        if (proc == nullptr || (properties != nullptr && map == nullptr))
            return AAX_ERROR_NULL_OBJECT;
        ComponentDescription added;
        added.properties = map != nullptr ? map->properties : PropertyList{};
        added.render = proc;
        added.instanceInit = init;
        added.background = background;
        procs.push_back(added);
        if (outProcID != nullptr)
            *outProcID = static_cast<AAX_CTypeID>(procs.size());
        return AAX_SUCCESS;
    }

    // The components this descriptor describes now: one per procedure added since last time.
    std::vector<ComponentDescription> take()
    {
        std::vector<ComponentDescription> taken;
        for (size_t i = taken_; i < procs.size(); ++i)
        {
            ComponentDescription component = procs[i];
            for (const auto& [index, declaration] : fields)
                component.fields.push_back(declaration);
            taken.push_back(std::move(component));
        }
        taken_ = procs.size();
        return taken;
    }

  private:
    AAX_Result declare(AAX_CFieldIndex field, FieldKind kind)
    {
        return store({field, kind, 0, 0, {}});
    }
    AAX_Result store(const FieldDeclaration& declaration)
    {
        if (declaration.index < 0)
            return AAX_ERROR_INVALID_FIELD_DATA;
        fields[declaration.index] = declaration;
        return AAX_SUCCESS;
    }

    std::map<int32_t, FieldDeclaration> fields;
    std::vector<ComponentDescription> procs;
    size_t taken_ = 0;
    PropertyMaps maps;
};
} // namespace

class DescriptionRecorder::Effect final : public AAX_VEffectDescriptor
{
  public:
    AAX_VComponentDescriptor* NewComponentDescriptor() override
    {
        components.push_back(std::make_unique<Component>());
        return components.back().get();
    }
    AAX_Result AddComponent(AAX_VComponentDescriptor* component) override
    {
        for (const auto& owned : components)
            if (owned.get() == component)
            {
                for (auto& taken : owned->take())
                    description.components.push_back(std::move(taken));
                return AAX_SUCCESS;
            }
        return AAX_ERROR_NULL_OBJECT;
    }
    AAX_Result AddName(const char* name) override
    {
        if (name == nullptr)
            return AAX_ERROR_NULL_OBJECT;
        description.names.emplace_back(name);
        return AAX_SUCCESS;
    }
    AAX_Result AddCategory(uint32_t category) override
    {
        description.categories.push_back(category);
        return AAX_SUCCESS;
    }
    AAX_Result AddProcPtr(AAX_CCreateProc proc, int32_t selector) override
    {
        if (proc == nullptr)
            return AAX_ERROR_NULL_OBJECT;
        description.procs.emplace_back(selector, proc);
        return AAX_SUCCESS;
    }
    AAX_VPropertyMap* NewPropertyMap() override { return maps.make(); }
    AAX_Result AddResourceInfo(int32_t type, const char* file) override
    {
        if (file == nullptr)
            return AAX_ERROR_NULL_OBJECT;
        description.resources.emplace_back(type, file);
        return AAX_SUCCESS;
    }
    AAX_Result AddMeterDescription(AAX_CTypeID id, const char* name,
                                   AAX_VPropertyMap* properties) override
    {
        const PropertyMap* map = maps.find(properties);
        if (name == nullptr || (properties != nullptr && map == nullptr))
            return AAX_ERROR_NULL_OBJECT;
        description.meters.push_back({id, name, map != nullptr ? map->properties : PropertyList{}});
        return AAX_SUCCESS;
    }

    EffectDescription description;

  private:
    std::vector<std::unique_ptr<Component>> components;
    PropertyMaps maps;
};

DescriptionRecorder::DescriptionRecorder() = default;
DescriptionRecorder::~DescriptionRecorder() = default;

AAX_VEffectDescriptor* DescriptionRecorder::NewDescriptor()
{
    effects.push_back(std::make_unique<Effect>());
    return effects.back().get();
}

AAX_Result DescriptionRecorder::AddEffect(const char* effectID, AAX_VEffectDescriptor* effect)
{
    if (effectID == nullptr)
        return AAX_ERROR_NULL_OBJECT;
    for (const auto& owned : effects)
        if (owned.get() == effect)
        {
            EffectDescription added = owned->description;
            added.id = effectID;
            recorded.effects.push_back(std::move(added));
            return AAX_SUCCESS;
        }
    return AAX_ERROR_NULL_OBJECT;
}

AAX_Result DescriptionRecorder::SetManufacturerName(const char* name)
{
    if (name == nullptr)
        return AAX_ERROR_NULL_OBJECT;
    recorded.manufacturer = name;
    return AAX_SUCCESS;
}

AAX_Result DescriptionRecorder::AddPackageName(const char* name)
{
    if (name == nullptr)
        return AAX_ERROR_NULL_OBJECT;
    recorded.packageNames.emplace_back(name);
    return AAX_SUCCESS;
}

AAX_Result DescriptionRecorder::SetPackageVersion(uint32_t version)
{
    recorded.packageVersion = version;
    return AAX_SUCCESS;
}
