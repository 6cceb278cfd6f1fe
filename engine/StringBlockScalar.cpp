// The sub-block kernel in plain C++.
#include "FrameKernel.h"
#include "ScalarLanes.h"
#include "StringBlockKernel.h"

const chordwell::block::Kernels& chordwell::block::scalarKernels()
{
    static constexpr Kernels table{
        runBlock<ScalarLanes>,
        readFrames<ScalarLanes, float>,
        readFrames<ScalarLanes, double>,
        writeFrames<ScalarLanes, float>,
        writeFrames<ScalarLanes, double>,
    };
    return table;
}
