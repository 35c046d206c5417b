// Shift-JIS (code page 932) to ISO-2022-JP, in memory and over streams, and the detection
// of the Japanese code a text is in.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

#include "common/ByteStream.h"
#include "common/SimdLevel.h"

namespace velmar {

// Japanese code of a text: 1 JIS with ESC "$B", 2 JIS with ESC "$@", 3 JIS with ESC "K",
// 4 EUC, 5 Shift-JIS, 6 EUC or Shift-JIS (undecided), 7 no 8-bit evidence.
[[nodiscard]] int DetectJapaneseCode(std::string_view text);

// One Shift-JIS character (lead c1, trail c2) to its two JIS X 0208 bytes, in place.
void SjisToJisPair(unsigned char& c1, unsigned char& c2);

// Full-width Shift-JIS bytes of half-width katakana `c`; returns true when `next` (a voiced/semi-voiced mark) was used up.
bool WidenKatakana(unsigned char c, unsigned char next, unsigned char& lead, unsigned char& trail);

// The ISO-2022-JP form of `text`, cut so that the result length is at most `capacity`
// (conversion stops while there is still room to return to ASCII).
[[nodiscard]] std::string SjisToJisText(std::string_view text, std::size_t capacity);

// Converts in to its end, appending to out; false when reading or writing failed. Any
// level but Scalar converts in blocks (ASCII runs copied whole, pairs in a tight loop);
// Scalar goes character by character. The bytes written are the same.
[[nodiscard]] bool SjisToJisStream(ByteSource& in, ByteSink& out, const std::function<void()>& onRefill = {},
                                   SimdLevel level = DetectedSimdLevel());

}  // namespace velmar
