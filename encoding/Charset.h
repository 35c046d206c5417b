// Charset choice by the machine's ANSI code page, and the code page's lead-byte table.
#pragma once

#include <string_view>

namespace velmar {

// The charset name announced for 8-bit text typed in ANSI code page `codePage`
// ("us-ascii" for a code page the table does not list).
[[nodiscard]] const char* CharsetForCodePage(unsigned codePage);

// The same table as the header encoders use it: nullptr for a code page it does not list,
// whose text then goes out unencoded.
[[nodiscard]] const char* HeaderCharsetForCodePage(unsigned codePage);

// Whether `text` holds a byte that the ISO charset named for `codePage` does not give
// the character the code page gives it: in code page 1252 a byte 0x80-0x9F (the euro
// sign, curly quotes, dashes), which ISO-8859-1 leaves to control characters.
[[nodiscard]] bool BeyondIsoLabel(unsigned codePage, std::string_view text);

// The charset name of 8-bit text in `codePage`: the code page's own Windows name
// ("windows-1252") for text that holds a byte beyond its ISO label, else the ISO label as
// CharsetForCodePage gives it.
[[nodiscard]] const char* CharsetForText(unsigned codePage, std::string_view text);
// The same for header words: nullptr where HeaderCharsetForCodePage gives none.
[[nodiscard]] const char* HeaderCharsetForText(unsigned codePage, std::string_view text);
// The Windows charset name of `codePage` where the table lists one, else CharsetForCodePage.
[[nodiscard]] const char* WindowsCharsetForCodePage(unsigned codePage);

// Whether `c` starts a double-byte character in `codePage`; single-byte pages have none.
[[nodiscard]] bool IsLeadByte(unsigned codePage, unsigned char c);

}  // namespace velmar
