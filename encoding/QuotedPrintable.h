// Quoted-printable body encoding and the 8-bit test that decides whether a text needs it.
#pragma once

#include <functional>
#include <string_view>

#include "common/ByteStream.h"
#include "common/SimdLevel.h"

namespace velmar {

// Whether `text` holds a byte of value 0x7F or more before its end (or before a NUL byte,
// where a zero-terminated text would end). 0x7F itself counts as 8-bit.
[[nodiscard]] bool HasEightBit(std::string_view text);

// Encodes the body read from `in` to its end as quoted-printable, appending to `out`:
// a line feed first (it ends the part's header block), then the encoded lines, each
// ending in CR LF, with soft breaks so that no line exceeds 76 characters and no escape
// is split; a line starting with "From " gets a ">" in front (behind a soft break its "F"
// is written "=46" instead, so the decoded text is unchanged); a line feed last.
// Line ends of the input are CR LF, LF CR, CR or LF; two line ends of the same kind in a
// row (LF LF, CR CR) are two line ends, so the blank lines of LF-only or CR-only bodies
// survive. `onRefill` runs once per 64 KiB of input read (the Windows shell yields there).
// False when reading or writing failed; the closing line feed is written either way.
// Any level but Scalar copies literal runs whole (sixteen bytes at a time where SSE2 is
// there); Scalar feeds the bytes one by one. The bytes written are the same.
[[nodiscard]] bool QpEncodeStream(ByteSource& in, ByteSink& out, const std::function<void()>& onRefill = {},
                                  SimdLevel level = DetectedSimdLevel());

}  // namespace velmar
