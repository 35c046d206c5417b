// Code detection on arbitrary bytes: always one of the seven results, never a read past the text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "encoding/ShiftJis.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // A copy of exactly `size` bytes so that the sanitizer sees any read past the end.
    char* copy = static_cast<char*>(std::malloc(size == 0 ? 1 : size));
    if (copy == nullptr) return 0;
    for (std::size_t i = 0; i < size; ++i) copy[i] = static_cast<char>(data[i]);
    const int code = velmar::DetectJapaneseCode(std::string_view(copy, size));
    std::free(copy);
    if (code < 1 || code > 7) std::abort();
    return 0;
}
