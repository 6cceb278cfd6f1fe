#include "StringBlock.h"

#include <initializer_list>

namespace chordwell::block
{
bool available(Path path)
{
    switch (path)
    {
    case Path::Scalar:
        return true;
    case Path::Sse2:
#if defined(ORL_ENGINE_X86)
        return true;
#else
        return false;
#endif
    case Path::Avx2:
#if defined(ORL_ENGINE_X86)
        __builtin_cpu_init();
        return __builtin_cpu_supports("avx2");
#else
        return false;
#endif
    }
    return false;
}

Path fastest()
{
    for (Path path : {Path::Avx2, Path::Sse2})
        if (available(path))
            return path;
    return Path::Scalar;
}

const Kernels& kernels(Path path)
{
#if defined(ORL_ENGINE_X86)
    if (path == Path::Avx2 && available(path))
        return avx2Kernels();
    if (path == Path::Sse2)
        return sse2Kernels();
#else
    (void)path;
#endif
    return scalarKernels();
}
} // namespace chordwell::block
