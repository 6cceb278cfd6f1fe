#pragma once

#include "AAX.h"

#include <cstring>

// The boundary's object model: every object handed across it answers QueryInterface for the
// interface ids it implements. Lifetime is owned by whoever created the object.
struct acfIID
{
    uint32_t data1;
    uint16_t data2;
    uint16_t data3;
    uint8_t data4[8];

    bool operator==(const acfIID& other) const
    {
        return std::memcmp(this, &other, sizeof(acfIID)) == 0;
    }
};

class IACFUnknown
{
  public:
    // Thread of the caller's owner. Sets *out to the interface or null; 0 on success.
    virtual AAX_Result QueryInterface(const acfIID& iid, void** out) = 0;

  protected:
    ~IACFUnknown() = default;
};

// The host's plug-in definition object, asked for at registration.
inline constexpr acfIID IID_IACFPluginDefinition = {
    0x00EEF015, 0x7FD0, 0x11D6, {0x84, 0x85, 0x00, 0x30, 0x65, 0x42, 0xA0, 0x24}};
// The host's description collection (AAX_IACFCollection).
inline constexpr acfIID IID_IAAXCollection = {
    0x4F524C01, 0x0001, 0x4141, {0x58, 0x43, 0x6F, 0x6C, 0x6C, 0x65, 0x63, 0x74}};
// The host's services (AAX_IACFHostServices).
inline constexpr acfIID IID_IAAXHostServices = {
    0x4F524C01, 0x0002, 0x4141, {0x58, 0x48, 0x6F, 0x73, 0x74, 0x53, 0x76, 0x63}};
