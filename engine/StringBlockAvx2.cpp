// The sub-block kernel on 256-bit vectors; this source alone is compiled for AVX2, and the
// engine calls it only on machines that have it.
#include "Avx2Lanes.h"
#include "FrameKernel.h"
#include "StringBlockKernel.h"

const chordwell::block::Kernels& chordwell::block::avx2Kernels()
{
    static constexpr Kernels table{
        runBlock<Avx2Lanes>,
        readFrames<Avx2Lanes, float>,
        readFrames<Avx2Lanes, double>,
        writeFrames<Avx2Lanes, float>,
        writeFrames<Avx2Lanes, double>,
    };
    return table;
}
