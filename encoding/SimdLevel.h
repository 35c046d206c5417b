// The vector instructions the encoders may use on this processor, asked of the processor
// itself (cpuid, and xgetbv for whether the system saves the AVX registers). Builds for
// other processors, and processors older than SSSE3, take the plain byte-by-byte paths.
#pragma once

#include <vector>

#if defined(__x86_64__) || defined(__i386__)
#define VELMAR_X86_SIMD 1
#else
#define VELMAR_X86_SIMD 0
#endif

namespace velmar {

enum class SimdLevel { Scalar, Ssse3, Avx2 };

// The best level this processor runs, found once.
[[nodiscard]] SimdLevel DetectedSimdLevel();

// `wanted`, or the detected level when that is lower.
[[nodiscard]] SimdLevel UsableSimdLevel(SimdLevel wanted);

// Every level this processor runs, the plain one first (for comparing the paths).
[[nodiscard]] std::vector<SimdLevel> SupportedSimdLevels();

}  // namespace velmar
