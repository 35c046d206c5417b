// Header-word encoders on arbitrary text, code page and area size: the result always fits
// the area (capacity - 1 bytes) and the text converted in place stays within 1023 bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "encoding/HeaderWords.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace velmar;
    if (size < 3) return 0;
    static const unsigned codePages[] = {1252, 932, 936, 949, 950, 1250, 65001, 437};
    const unsigned cp = codePages[data[0] % 8];
    const std::size_t capacity = data[1] * 20u + data[2] % 20;
    const std::string input(reinterpret_cast<const char*>(data + 3), size - 3);
    const auto check = [&](const std::string& result) {
        if (result.size() + 1 > (capacity == 0 ? 1 : capacity)) std::abort();
    };
    std::string text = input;
    check(EncodeWordWhole(text, capacity, cp));
    if (cp == 932 && input.size() <= 1023 && text.size() > 1023) std::abort();
    text = input;
    check(EncodeWordAfterAscii(text, capacity, cp));
    check(QEncodeFolded(input, capacity, "ISO-8859-1", cp));
    check(QEncodeFoldedJis(input, capacity, "ISO-2022-JP", cp));
    std::string chunk;
    if (QEncodeChunk(input, chunk, capacity) > input.size() || chunk.size() > 63) std::abort();
    return 0;
}
