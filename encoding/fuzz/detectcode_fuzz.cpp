// Code detection on arbitrary bytes: always one of the seven results, never a read past the
// text (libFuzzer's input buffer is exactly `size` bytes, so the sanitizer sees any overread).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "encoding/ShiftJis.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const int code = velmar::DetectJapaneseCode(std::string_view(reinterpret_cast<const char*>(data), size));
    if (code < 1 || code > 7) std::abort();
    return 0;
}
