// The sub-block kernel on SSE2 vectors; compiled only for x86-64.
#include "FrameKernel.h"
#include "Sse2Lanes.h"
#include "StringBlockKernel.h"

const chordwell::block::Kernels& chordwell::block::sse2Kernels()
{
    static constexpr Kernels table{
        runBlock<Sse2Lanes>,
        readFrames<Sse2Lanes, float>,
        readFrames<Sse2Lanes, double>,
        writeFrames<Sse2Lanes, float>,
        writeFrames<Sse2Lanes, double>,
    };
    return table;
}
