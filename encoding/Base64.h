// Base64 (RFC 2045) for attachment parts: 54 input bytes per line, so 72 characters.
#pragma once

#include <cstddef>
#include <functional>

#include "common/ByteStream.h"
#include "common/SimdLevel.h"

namespace velmar {

inline constexpr std::size_t kBase64LineBytes = 54;

// Encodes the next group of `input`, of which `count` bytes are left (at most three are
// used), into `output` as four characters and a terminating NUL ("=" pads a short group).
// `output` has room for 5 bytes. Nothing is read or written for a count below 1 (the
// output is then the empty text). Returns count - 3.
int Base64Group(const unsigned char* input, char* output, int count);

// The data lines of a base64 part: `in` to its end, 54 bytes per line, each line ending in
// "\n". Whole lines go through the vector path of `level` (at most the detected one); the
// bytes written are the same at every level. False when reading or writing failed.
[[nodiscard]] bool Base64EncodeStream(ByteSource& in, ByteSink& out, const std::function<void()>& onRefill = {},
                                      SimdLevel level = DetectedSimdLevel());

}  // namespace velmar
