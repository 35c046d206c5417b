// Whole base64 and uuencode lines with SSSE3 and AVX2: twelve input bytes (four groups)
// become sixteen six-bit values in one step, mapped to their characters in the same
// registers. The loads stay inside each whole line, so the input needs no padding. The
// callers pick a level with DetectedSimdLevel(); x86 builds only.
#pragma once

#include <cstddef>

#include "common/SimdLevel.h"

namespace velmar {

#if VELMAR_X86_SIMD
// `lines` lines of 54 bytes to 72 characters and "\n" each; returns the characters written.
std::size_t Base64LinesSsse3(const unsigned char* in, std::size_t lines, char* out);
std::size_t Base64LinesAvx2(const unsigned char* in, std::size_t lines, char* out);
// `lines` lines of 45 bytes to "M", 60 characters and "\n" each; returns the characters written.
std::size_t UuencodeLinesSsse3(const unsigned char* in, std::size_t lines, char* out);
std::size_t UuencodeLinesAvx2(const unsigned char* in, std::size_t lines, char* out);
#endif

}  // namespace velmar
