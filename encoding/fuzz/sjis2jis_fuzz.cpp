// The Shift-JIS converter on arbitrary bytes: the memory form keeps to its capacity and
// agrees with the stream form whenever it was not cut; the stream form gives the same
// bytes at every chunk size.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "common/ByteStream.h"
#include "encoding/ShiftJis.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    const std::size_t capacity = data[0] * 8u;
    const std::string input(reinterpret_cast<const char*>(data + 1), size - 1);

    velmar::MemorySource whole(input);
    velmar::StringSink expected;
    if (!velmar::SjisToJisStream(whole, expected)) std::abort();
    velmar::MemorySource bytes(input, 1);
    velmar::StringSink byByte;
    if (!velmar::SjisToJisStream(bytes, byByte) || byByte.text != expected.text) std::abort();

    const std::string text = velmar::SjisToJisText(input, capacity);
    if (text.size() > capacity) std::abort();
    if (expected.text.size() + 3 < capacity && text != expected.text) std::abort();
    const std::string full = velmar::SjisToJisText(input, expected.text.size() + 4);
    if (full != expected.text) std::abort();
    return 0;
}
