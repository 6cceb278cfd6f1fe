#pragma once

#include <AAX.h>
#include <ProductIdentity.h>
#include <StateFile.h>

// Who the effect is, as the description tells the host.
namespace chordwell::identity
{
inline constexpr const char* kEffectID = "com.orlund.aax.orlchordwell";
inline constexpr const char* kEffectName = chordwell::product::kName;
inline constexpr const char* kManufacturerName = chordwell::product::kMaker;
inline constexpr const char* kPackageNames[3] = {"ORL Chordwell -  - free resonant reverberator",
                                                 "ORL Chordwell", "ORL Chordwell"};
inline constexpr uint32_t kPackageVersion = chordwell::version::kPackageVersion;
inline constexpr const char* kPageTableFile = "ORLChordwellPageTables.xml";
inline constexpr AAX_CTypeID kManufacturerID = AAX_FourCC("ORLa");
inline constexpr AAX_CTypeID kProductID = AAX_FourCC("QcWl");
inline constexpr AAX_CTypeID kAudioSuiteID = AAX_FourCC("QWca");
// The bank's chunk, under the id a state file stores it by.
inline constexpr AAX_CTypeID kStateChunkID = statefile::kBankChunk;
} // namespace chordwell::identity
