// Header-word encoders on arbitrary text, code page and area size: the result always fits
// the area (capacity - 1 bytes) and the text converted in place stays within 1023 bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "encoding/HeaderWords.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 3) return 0;
    static const unsigned codePages[] = {1252, 932, 936, 949, 950, 1250, 65001, 437};
    const unsigned codePage = codePages[data[0] % 8];
    const std::size_t capacity = static_cast<std::size_t>(data[1]) * 20 + data[2] % 20;
    const std::string input(reinterpret_cast<const char*>(data + 3), size - 3);

    std::string text = input;
    const bool wasLong = text.size() > 1023;
    if (velmar::EncodeWordWhole(text, capacity, codePage).size() + 1 > (capacity == 0 ? 1 : capacity)) std::abort();
    if (codePage == 932 && !wasLong && text.size() > 1023) std::abort();
    text = input;
    if (velmar::EncodeWordAfterAscii(text, capacity, codePage).size() + 1 > (capacity == 0 ? 1 : capacity)) std::abort();
    if (velmar::QEncodeFolded(input, capacity, "ISO-8859-1", codePage).size() + 1 > (capacity == 0 ? 1 : capacity))
        std::abort();
    if (velmar::QEncodeFoldedJis(input, capacity, "ISO-2022-JP", codePage).size() + 1 > (capacity == 0 ? 1 : capacity))
        std::abort();
    std::string chunk;
    const std::size_t stop = velmar::QEncodeChunk(input, chunk, capacity);
    if (stop > input.size() || chunk.size() > 63) std::abort();
    return 0;
}
