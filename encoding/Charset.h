// Charset choice by the machine's ANSI code page, and the code page's lead-byte table.
#pragma once

namespace velmar {

// The charset name announced for 8-bit text typed in ANSI code page `codePage`
// ("us-ascii" for a code page the table does not list).
[[nodiscard]] const char* CharsetForCodePage(unsigned codePage);

// The same table as the header encoders use it: nullptr for a code page it does not list,
// whose text then goes out unencoded.
[[nodiscard]] const char* HeaderCharsetForCodePage(unsigned codePage);

// Whether `c` starts a double-byte character in `codePage`; single-byte pages have none.
[[nodiscard]] bool IsLeadByte(unsigned codePage, unsigned char c);

}  // namespace velmar
