#include "AAX_VCollection.h"

AAX_VCollection::AAX_VCollection(IACFUnknown* host) : host(host)
{
    void* found = nullptr;
    if (host != nullptr && host->QueryInterface(IID_IAAXCollection, &found) == AAX_SUCCESS)
        collection = static_cast<AAX_IACFCollection*>(found);
}

AAX_IACFCollection& AAX_VCollection::checked()
{
    if (collection == nullptr)
        throw AAX_CheckedResultException(AAX_ERROR_NULL_OBJECT);
    return *collection;
}

AAX_VEffectDescriptor* AAX_VCollection::NewDescriptor()
{
    return collection != nullptr ? collection->NewDescriptor() : nullptr;
}

AAX_Result AAX_VCollection::AddEffect(const char* effectID, AAX_VEffectDescriptor* effect)
{
    return checked().AddEffect(effectID, effect);
}

AAX_Result AAX_VCollection::SetManufacturerName(const char* name)
{
    return checked().SetManufacturerName(name);
}

AAX_Result AAX_VCollection::AddPackageName(const char* name)
{
    return checked().AddPackageName(name);
}

AAX_Result AAX_VCollection::SetPackageVersion(uint32_t version)
{
    return checked().SetPackageVersion(version);
}
