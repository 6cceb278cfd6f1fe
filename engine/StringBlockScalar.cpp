// The sub-block kernel in plain C++.
#include "ScalarLanes.h"
#include "StringBlockKernel.h"

void chordwell::block::runScalar(const Job& job)
{
    runBlock<ScalarLanes>(job);
}
