// RFC 2047 "Q" encoded words for 8-bit header text (subject, names, attachment names).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace velmar {

// capacity = size of the caller's area including its terminator: results never exceed capacity - 1 bytes.
// On code page 932 `text` is converted in place to its ISO-2022-JP form (at most 1023 bytes).
// The single-word encoders end their result with a line end (except on a code page
// without a header charset, where 8-bit text is returned as it is); text that does not
// fit into one encoded word continues in further words of the same charset, one blank
// apart, until the text or the capacity ends.
[[nodiscard]] std::string EncodeWordWhole(std::string& text, std::size_t capacity, unsigned codePage);
[[nodiscard]] std::string EncodeWordAfterAscii(std::string& text, std::size_t capacity, unsigned codePage);

// The whole text as a run of encoded words, one per header line, folded with CR LF and a
// space; a double-byte character of `codePage` is never split across two words.
[[nodiscard]] std::string QEncodeFolded(std::string_view text, std::size_t capacity, std::string_view charset, unsigned codePage);
// The same for ISO-2022-JP text: every word starts and ends in ASCII mode.
[[nodiscard]] std::string QEncodeFoldedJis(std::string_view text, std::size_t capacity, std::string_view charset, unsigned codePage);

// The longest header line a message may hold, line end not counted.
inline constexpr std::size_t kHeaderLineLimit = 998;

// An unencoded header line ("Name: value") folded so that no line is longer than `limit`:
// a line feed is put before the last blank that keeps a line within it (the blank starts
// the continuation line, so unfolding gives the text back); a line that fits stays as it
// is. Empty when a run without blanks is too long to fit: the value must then go out as
// encoded words.
[[nodiscard]] std::string FoldAtBlanks(std::string_view line, std::size_t limit = kHeaderLineLimit);

// Encodes the start of `text` into one word's body, appending to out; returns position in text where it stopped
std::size_t QEncodeChunk(std::string_view text, std::string& out, std::size_t limit);

}  // namespace velmar
