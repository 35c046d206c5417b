// The stream loop shared by the line-oriented attachment encoders (base64, uuencode): whole
// lines are encoded straight from the reader's buffer into the writer's; only a line split
// between two reads, and the short last line, are gathered first.
#pragma once

#include <cstddef>
#include <functional>
#include <string_view>

#include "common/ByteStream.h"

namespace velmar {

struct LineCodec {
    std::size_t lineBytes = 0;  // input bytes of a whole line (at most kMaxLineBytes)
    std::size_t lineChars = 0;  // characters of a whole encoded line, its "\n" included
    // Encodes `lines` whole lines of `in` into `out`; returns the characters written. May
    // read up to kWindowSlack bytes past the last line (`in` is the reader's window).
    std::size_t (*wholeLines)(const unsigned char* in, std::size_t lines, char* out) = nullptr;
    // Encodes one line of 1 to lineBytes bytes, "\n" included; returns the characters written.
    std::size_t (*oneLine)(const unsigned char* in, std::size_t n, char* out) = nullptr;
    std::string_view trailer;  // follows the last line
};

inline constexpr std::size_t kMaxLineBytes = 64;

// `in` to its end through `codec`. False when the input could not be read or the output
// not written.
[[nodiscard]] bool EncodeLineBlocks(ByteSource& in, ByteSink& out, const std::function<void()>& onRefill,
                                    const LineCodec& codec);

}  // namespace velmar
