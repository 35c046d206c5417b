// The vector instructions this processor runs, asked of the processor itself (cpuid, and
// xgetbv for whether the system saves the AVX registers). Builds for other processors, and
// processors without them, take the plain paths.
#pragma once

#include <vector>

#if defined(__x86_64__) || defined(__i386__)
#define VELMAR_X86_SIMD 1
#else
#define VELMAR_X86_SIMD 0
#endif

// SSE2 code: every x86-64 processor has SSE2, so the 64-bit builds use it directly; the
// 32-bit build compiles such functions for SSE2 and calls them when Sse2Usable() says so.
#if defined(__SSE2__)
#define VELMAR_SSE2_TARGET
#elif VELMAR_X86_SIMD
#define VELMAR_SSE2_TARGET __attribute__((target("sse2")))
#endif

namespace velmar {

enum class SimdLevel { Scalar, Sse2, Ssse3, Avx2 };

// The best level this processor runs, found once.
[[nodiscard]] SimdLevel DetectedSimdLevel();

// `wanted`, or the detected level when that is lower.
[[nodiscard]] SimdLevel UsableSimdLevel(SimdLevel wanted);

// Every level this processor runs, the plain one first (for comparing the paths).
[[nodiscard]] std::vector<SimdLevel> SupportedSimdLevels();

// Whether the SSE2 functions may run here.
[[nodiscard]] inline bool Sse2Usable() {
#if defined(__SSE2__)
    return true;
#elif VELMAR_X86_SIMD
    return DetectedSimdLevel() >= SimdLevel::Sse2;
#else
    return false;
#endif
}

}  // namespace velmar
