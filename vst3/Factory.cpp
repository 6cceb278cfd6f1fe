#include "Factory.h"

#include "ChordwellIds.h"
#include "ORL_VST3_Effect.h"

#include <ProductIdentity.h>

#include <pluginterfaces/vst/ivstaudioprocessor.h>
#include <pluginterfaces/vst/vsttypes.h>

#include <cstring>

using namespace Steinberg;

namespace
{
template <size_t N> void copyText(char8 (&to)[N], const char* from)
{
    std::strncpy(to, from, N - 1);
    to[N - 1] = 0;
}

// What both kinds of class information say of the effect.
template <typename Info> tresult describeEffect(int32 index, Info* info)
{
    if (index != 0 || info == nullptr)
        return kInvalidArgument;
    *info = Info();
    chordwell::vst3ids::kEffectClass.toTUID(info->cid);
    info->cardinality = PClassInfo::kManyInstances;
    copyText(info->category, kVstAudioEffectClass);
    copyText(info->name, chordwell::product::kName);
    return kResultOk;
}
} // namespace

tresult PLUGIN_API ChordwellFactory::queryInterface(const TUID iid, void** obj)
{
    if (FUnknownPrivate::iidEqual(iid, IPluginFactory2::iid) ||
        FUnknownPrivate::iidEqual(iid, IPluginFactory::iid) ||
        FUnknownPrivate::iidEqual(iid, FUnknown::iid))
    {
        *obj = static_cast<IPluginFactory2*>(this);
        return kResultOk;
    }
    *obj = nullptr;
    return kNoInterface;
}

tresult PLUGIN_API ChordwellFactory::getFactoryInfo(PFactoryInfo* info)
{
    if (info == nullptr)
        return kInvalidArgument;
    *info = PFactoryInfo();
    copyText(info->vendor, chordwell::product::kMaker);
    copyText(info->url, chordwell::product::kWebAddress);
    copyText(info->email, "");
    info->flags = PFactoryInfo::kUnicode;
    return kResultOk;
}

int32 PLUGIN_API ChordwellFactory::countClasses()
{
    return 1;
}

tresult PLUGIN_API ChordwellFactory::getClassInfo(int32 index, PClassInfo* info)
{
    return describeEffect(index, info);
}

tresult PLUGIN_API ChordwellFactory::getClassInfo2(int32 index, PClassInfo2* info)
{
    const tresult result = describeEffect(index, info);
    if (result != kResultOk)
        return result;
    copyText(info->subCategories, "Fx|Reverb");
    copyText(info->vendor, chordwell::product::kMaker);
    copyText(info->version, chordwell::version::kText);
    copyText(info->sdkVersion, kVstVersionString);
    return kResultOk;
}

tresult PLUGIN_API ChordwellFactory::createInstance(FIDString cid, FIDString iid, void** obj)
{
    if (obj == nullptr)
        return kInvalidArgument;
    *obj = nullptr;
    if (cid == nullptr || iid == nullptr ||
        !FUnknownPrivate::iidEqual(cid, chordwell::vst3ids::kEffectClass.toTUID()))
        return kInvalidArgument;
    FUnknown* instance = ORL_VST3_Effect::create(nullptr);
    const tresult result = instance->queryInterface(iid, obj);
    instance->release();
    return result == kResultOk ? kResultOk : kNoInterface;
}
