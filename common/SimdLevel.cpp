#include "common/SimdLevel.h"

#if VELMAR_X86_SIMD
#include <cpuid.h>
#endif

namespace velmar {
namespace {

SimdLevel Detect() {
#if VELMAR_X86_SIMD
    unsigned a = 0, b = 0, c = 0, d = 0;
    if (!__get_cpuid(1, &a, &b, &c, &d)) return SimdLevel::Scalar;
    if ((d & bit_SSE2) == 0) return SimdLevel::Scalar;
    if ((c & bit_SSSE3) == 0) return SimdLevel::Sse2;
    // AVX2 needs the processor's support and the system's: OSXSAVE set and the XMM and YMM
    // state both enabled in XCR0.
    const bool osxsave = (c & bit_OSXSAVE) != 0;
    const bool avx = (c & bit_AVX) != 0;
    if (!osxsave || !avx) return SimdLevel::Ssse3;
    unsigned xcrLow = 0, xcrHigh = 0;
    __asm__ volatile("xgetbv" : "=a"(xcrLow), "=d"(xcrHigh) : "c"(0));
    if ((xcrLow & 6) != 6) return SimdLevel::Ssse3;
    if (!__get_cpuid_count(7, 0, &a, &b, &c, &d)) return SimdLevel::Ssse3;
    return (b & bit_AVX2) != 0 ? SimdLevel::Avx2 : SimdLevel::Ssse3;
#else
    return SimdLevel::Scalar;
#endif
}

}  // namespace

SimdLevel DetectedSimdLevel() {
    static const SimdLevel level = Detect();
    return level;
}

SimdLevel UsableSimdLevel(SimdLevel wanted) {
    const SimdLevel detected = DetectedSimdLevel();
    return wanted < detected ? wanted : detected;
}

std::vector<SimdLevel> SupportedSimdLevels() {
    std::vector<SimdLevel> levels;
    for (SimdLevel level : {SimdLevel::Scalar, SimdLevel::Sse2, SimdLevel::Ssse3, SimdLevel::Avx2})
        if (level <= DetectedSimdLevel()) levels.push_back(level);
    return levels;
}

}  // namespace velmar
