// The Shift-JIS converter on arbitrary bytes: the memory form keeps to its capacity and agrees
// with the stream form whenever it was not cut (chunk sizes of the stream form: fastpaths_fuzz).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "common/ByteStream.h"
#include "encoding/ShiftJis.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace velmar;
    if (size < 1) return 0;
    const std::size_t capacity = data[0] * 8u;
    const std::string input(reinterpret_cast<const char*>(data + 1), size - 1);
    MemorySource whole(input);
    StringSink expected;
    if (!SjisToJisStream(whole, expected)) std::abort();
    const std::string text = SjisToJisText(input, capacity);
    if (text.size() > capacity || (expected.text.size() + 3 < capacity && text != expected.text)) std::abort();
    if (SjisToJisText(input, expected.text.size() + 4) != expected.text) std::abort();
    return 0;
}
