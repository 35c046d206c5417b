// uuencode blocks for attachments sent without MIME: 45 input bytes per line.
#pragma once

#include <cstddef>
#include <functional>

#include "common/ByteStream.h"
#include "common/SimdLevel.h"

namespace velmar {

inline constexpr std::size_t kUuencodeLineBytes = 45;

// Encodes the next group of `input`, of which `count` bytes are left (at most three are
// used), into `output`: four characters for a full group, two for one byte, three for
// two bytes, then a terminating NUL. Each six-bit value is written as value + 0x20, a zero
// as "`". `output` has room for 5 bytes; a count below 1 gives the empty text.
// Returns count - 3.
int UuencodeGroup(const unsigned char* input, char* output, int count);

// The data lines of a uuencoded block: `in` to its end, 45 bytes per line, each line
// starting with its length character (bytes + 0x20, "M" for 45) and ending in "\n", then
// the empty line "`" that tells decoders the data is complete. The "begin" and "end"
// lines are the caller's. Whole lines go through the vector path of `level` (at most the
// detected one); the bytes written are the same at every level. False when reading or
// writing failed.
[[nodiscard]] bool UuencodeStream(ByteSource& in, ByteSink& out, const std::function<void()>& onRefill = {},
                                  SimdLevel level = DetectedSimdLevel());

}  // namespace velmar
