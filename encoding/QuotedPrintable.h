// Quoted-printable body encoding and the 8-bit test that decides whether a text needs it.
#pragma once

#include <string_view>

namespace velmar {

// Whether `text` holds a byte of value 0x7F or more before its end (or before a NUL byte,
// where a zero-terminated text would end). 0x7F itself counts as 8-bit.
[[nodiscard]] bool HasEightBit(std::string_view text);

}  // namespace velmar
