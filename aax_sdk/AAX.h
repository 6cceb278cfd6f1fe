#pragma once

#include <cstddef>
#include <cstdint>

// Basic types, result codes and numeric constants of the AAX boundary. Both sides of the
// boundary (plug-in and host) compile against this header; the numbers are the contract.

using AAX_Result = int32_t;
using AAX_CTypeID = uint32_t;
using AAX_CFieldIndex = int32_t;
using AAX_CPropertyValue = int32_t;
using AAX_CParamID = const char*;

// Four-character code: the first character is the most significant byte.
constexpr AAX_CTypeID AAX_FourCC(const char (&text)[5])
{
    return (static_cast<AAX_CTypeID>(static_cast<unsigned char>(text[0])) << 24) |
           (static_cast<AAX_CTypeID>(static_cast<unsigned char>(text[1])) << 16) |
           (static_cast<AAX_CTypeID>(static_cast<unsigned char>(text[2])) << 8) |
           static_cast<AAX_CTypeID>(static_cast<unsigned char>(text[3]));
}

enum AAX_EResult : AAX_Result
{
    AAX_SUCCESS = 0,
    AAX_ERROR_INVALID_PARAMETER_ID = -20001,
    AAX_ERROR_NULL_OBJECT = -20004,
    AAX_ERROR_INVALID_CHUNK_INDEX = -20006,
    AAX_ERROR_INVALID_CHUNK_ID = -20007,
    AAX_ERROR_UNIMPLEMENTED = -20009,
    AAX_ERROR_INCORRECT_CHUNK_SIZE = -20011,
    AAX_ERROR_INVALID_FIELD_DATA = -20016,
    AAX_ERROR_FIELD_ACCESS_OUT_OF_BOUNDS = -20018,
};

// What an exception inside an export turns into.
constexpr AAX_Result AAX_ERROR_UNEXPECTED = static_cast<AAX_Result>(0x8000FFFFu);

// Name of a result code ("AAX_ERROR_NULL_OBJECT"); "unknown result" for any other value.
// Any thread.
const char* AAX_ResultName(AAX_Result result);

// Component and meter properties.
enum AAX_EProperty : int32_t
{
    AAX_eProperty_ManufacturerID = 11,
    AAX_eProperty_ProductID = 12,
    AAX_eProperty_PlugInID_Native = 13,
    AAX_eProperty_PlugInID_AudioSuite = 14,
    AAX_eProperty_InputStemFormat = 51,
    AAX_eProperty_OutputStemFormat = 52,
    AAX_eProperty_ComponentFlag60 = 60,
    AAX_eProperty_Meter_Type = 200,
    AAX_eProperty_Meter_Orientation = 201,
    AAX_eProperty_Meter_Ballistics = 202,
};

enum AAX_EStemFormat : int32_t
{
    AAX_eStemFormat_Mono = 0x00000001,
    AAX_eStemFormat_Stereo = 0x00010002,
};

enum AAX_EMeterType : int32_t
{
    AAX_eMeterType_Input = 0,
    AAX_eMeterType_Output = 1,
    AAX_eMeterType_Other = 5,
};

enum AAX_EPlugInCategory : uint32_t
{
    AAX_ePlugInCategory_Reverb = 8,
};

// Procedure pointer selectors of the objects a host creates for an effect.
enum AAX_EProcPtrSelector : int32_t
{
    AAX_eProcPtrID_Create_EffectParameters = 0,
    AAX_eProcPtrID_Create_EffectGUI = 1,
    AAX_eProcPtrID_Create_EffectDirectData = 5,
};

enum AAX_EResourceType : int32_t
{
    AAX_eResourceType_PageTable = 1,
};

enum AAX_EParameterType : int32_t
{
    AAX_eParameterType_Discrete = 0,
    AAX_eParameterType_Continuous = 1,
};

// Who caused a parameter update delivered to the plug-in.
enum AAX_EUpdateSource : int32_t
{
    AAX_eUpdateSource_Unspecified = 0,
    AAX_eUpdateSource_Parameter = 1,
    AAX_eUpdateSource_Chunk = 2,
    AAX_eUpdateSource_Delay = 3,
};

// Actions of a component's instance-initialization callback.
enum AAX_EComponentInstanceInitAction : int32_t
{
    AAX_eComponentInstanceInitAction_AddingNewInstance = 0,
    AAX_eComponentInstanceInitAction_RemovingInstance = 1,
};

enum AAX_EDataInPortType : int32_t
{
    AAX_eDataInPortType_Unbuffered = 1,
};

enum AAX_EViewContainerType : int32_t
{
    AAX_eViewContainer_Type_NULL = 0,
    AAX_eViewContainer_Type_NSView = 1,
    AAX_eViewContainer_Type_NativeWindow = 3,
};

struct AAX_Point
{
    float vert = 0.0f;
    float horz = 0.0f;
};

// A stored state chunk: this header, then fSize bytes of data.
struct AAX_SPlugInChunkHeader
{
    int32_t fSize = 0; // bytes of data after the header
    int32_t fVersion = 0;
    AAX_CTypeID fManufacturerID = 0;
    AAX_CTypeID fProductID = 0;
    AAX_CTypeID fPlugInID = 0;
    AAX_CTypeID fChunkID = 0;
    uint8_t fName[32] = {};
};

struct AAX_SPlugInChunk : AAX_SPlugInChunkHeader
{
};

// The data part of a chunk: fSize bytes right behind the header.
inline uint8_t* AAX_ChunkData(AAX_SPlugInChunk* chunk)
{
    return reinterpret_cast<uint8_t*>(chunk) + sizeof(AAX_SPlugInChunkHeader);
}
inline const uint8_t* AAX_ChunkData(const AAX_SPlugInChunk* chunk)
{
    return reinterpret_cast<const uint8_t*>(chunk) + sizeof(AAX_SPlugInChunkHeader);
}

// Native render callback: the instances' context pointers from begin to end.
using AAX_CProcessProc = void (*)(void* const inInstancesBegin[], const void* inInstancesEnd);
// Called by the host when it adds or removes a render instance (context, action).
using AAX_CInstanceInitProc = AAX_Result (*)(const void* inInstanceContext, int32_t inAction);
using AAX_CBackgroundProc = AAX_Result (*)();
// Creates one of the effect's objects; the selector tells which interface it returns.
using AAX_CCreateProc = void* (*)();

// The SDK version reported by ACFGetSDKVersion.
constexpr uint64_t AAX_SDK_VERSION = 0x0000020200B45B38ull;
