// The sub-block kernel on 256-bit vectors; this source alone is compiled for AVX2, and the
// engine calls it only on machines that have it.
#include "Avx2Lanes.h"
#include "StringBlockKernel.h"

void chordwell::block::runAvx2(const Job& job)
{
    runBlock<Avx2Lanes>(job);
}
