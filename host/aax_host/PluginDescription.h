#pragma once

#include <AAX.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

// What a plug-in told the host when it described itself: plain data, kept by the host for
// the life of the loaded library. Main thread.

using PropertyList = std::vector<std::pair<int32_t, int32_t>>;

enum class FieldKind
{
    AudioIn,
    AudioOut,
    BufferLength,
    SampleRate,
    Meters,
    DataInPort,
    PrivateData,
};

struct FieldDeclaration
{
    int32_t index = 0;
    FieldKind kind = FieldKind::AudioIn;
    uint32_t size = 0;  // data ports and private data
    int32_t option = 0; // port type or private-data option
    std::vector<AAX_CTypeID> meterIDs;
};

struct ComponentDescription
{
    std::vector<FieldDeclaration> fields; // by field index
    PropertyList properties;
    AAX_CProcessProc render = nullptr;
    AAX_CInstanceInitProc instanceInit = nullptr;
    AAX_CBackgroundProc background = nullptr;

    // The property's value, or fallback when it is not set.
    int32_t property(int32_t id, int32_t fallback = 0) const;
};

struct MeterDescription
{
    AAX_CTypeID id = 0;
    std::string name;
    PropertyList properties;
};

struct EffectDescription
{
    std::string id;
    std::vector<std::string> names;
    std::vector<uint32_t> categories;
    std::vector<ComponentDescription> components;
    std::vector<std::pair<int32_t, AAX_CCreateProc>> procs; // by selector, in order
    std::vector<std::pair<int32_t, std::string>> resources;
    std::vector<MeterDescription> meters;

    // The creation procedure of a selector, or null.
    AAX_CCreateProc proc(int32_t selector) const;
};

struct PluginDescription
{
    std::string manufacturer;
    std::vector<std::string> packageNames;
    uint32_t packageVersion = 0;
    std::vector<EffectDescription> effects;
};

// "ORLa" for a four-character code.
std::string fourCCText(AAX_CTypeID id);
const char* fieldKindName(FieldKind kind);
