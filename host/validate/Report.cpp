#include "Report.h"

#include <cstdio>

namespace validation
{
void report(const char* name, const ValidateVerdict& verdict,
            std::chrono::steady_clock::time_point start)
{
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("%-4s %s: %s (%.1f s)", verdict.failures > 0 ? "FAIL" : "ok", name,
                verdict.counts.c_str(), seconds);
    if (verdict.failures > 0)
        std::printf("; %llu failures, the first: %s",
                    static_cast<unsigned long long>(verdict.failures),
                    verdict.firstFailure.c_str());
    std::printf("\n");
}
} // namespace validation
