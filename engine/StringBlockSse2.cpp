// The sub-block kernel on SSE2 vectors; compiled only for x86-64.
#include "Sse2Lanes.h"
#include "StringBlockKernel.h"

void chordwell::block::runSse2(const Job& job)
{
    runBlock<Sse2Lanes>(job);
}
