// The stream loop shared by the line-oriented attachment encoders (base64, uuencode): the
// input is read in blocks of whole lines and each line is encoded and ended with "\n".
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "common/ByteStream.h"

namespace velmar {

// `encodeLine(in, n, out)` encodes `n` input bytes (at most `lineBytes`) into `out`, at
// most `maxLineChars` characters, and returns how many it wrote. `trailer` follows the
// last line. False when the input could not be read or the output not written.
template <class EncodeLine>
bool EncodeLineBlocks(ByteSource& in, ByteSink& out, const std::function<void()>& onRefill, std::size_t lineBytes,
                      std::size_t maxLineChars, EncodeLine encodeLine, std::string_view trailer = {}) {
    constexpr std::size_t kLines = 512;  // lines per block between the reader's and the writer's buffers
    ByteReader reader(in, onRefill);
    ByteWriter writer(out);
    std::vector<unsigned char> block(kLines * lineBytes);
    std::string text(kLines * (maxLineChars + 1), '\0');
    for (;;) {
        const std::size_t n = reader.ReadInto(reinterpret_cast<char*>(block.data()), block.size());
        std::size_t length = 0;
        for (std::size_t i = 0; i < n; i += lineBytes) {
            const std::size_t bytes = n - i < lineBytes ? n - i : lineBytes;
            length += encodeLine(block.data() + i, bytes, text.data() + length);
            text[length++] = '\n';
        }
        writer.Put(std::string_view(text.data(), length));
        if (n < block.size()) break;
    }
    if (!trailer.empty()) writer.Put(trailer);
    const bool written = writer.Flush();
    return written && !reader.Failed();
}

}  // namespace velmar
