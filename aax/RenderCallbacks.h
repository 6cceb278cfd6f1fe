#pragma once

#include <AAX.h>

// The three native render callbacks, one per channel variant. Audio thread: each reads
// ports and private data only through the instances' contexts, allocates nothing and takes
// no lock.
void ORL_AAX_RenderMono(void* const instancesBegin[], const void* instancesEnd);
void ORL_AAX_RenderStereo(void* const instancesBegin[], const void* instancesEnd);
void ORL_AAX_RenderMonoStereo(void* const instancesBegin[], const void* instancesEnd);

// Instance-initialization callback: when the host removes a render instance, destroys the
// engine built in its private data, so the engine's memory is freed with the instance.
// Main thread, never during a render call of that instance.
AAX_Result ORL_AAX_InstanceInit(const void* instanceContext, int32_t action);
