// Whole base64 and uuencode lines with SSSE3 and AVX2: twelve input bytes (four groups)
// become sixteen six-bit values in one step, mapped to their characters in the same
// registers. The last step of a line reads up to four bytes past it, so the input must
// stay readable that far (the reader's window keeps kWindowSlack bytes for this).
#pragma once

#include <cstddef>

#include "common/SimdLevel.h"

namespace velmar {

// Encodes `lines` whole lines of `in` into `out`; returns the characters written.
using WholeLinesFn = std::size_t (*)(const unsigned char* in, std::size_t lines, char* out);

// The vector encoder of whole lines for `level` (at most the detected one), or null where
// that level has none (below SSSE3, or not an x86 build). Base64: lines of 54 bytes to 72
// characters and "\n"; uuencode: lines of 45 bytes to "M", 60 characters and "\n".
[[nodiscard]] WholeLinesFn Base64VectorLines(SimdLevel level);
[[nodiscard]] WholeLinesFn UuencodeVectorLines(SimdLevel level);

}  // namespace velmar
