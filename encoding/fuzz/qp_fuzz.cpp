// The quoted-printable encoder on arbitrary bytes: lines of at most 76 printable 7-bit characters
// (or TAB), none starting "From ", and an output that decodes back to the body with each line end
// made CR LF and ">" in front of each line that began with "From " (chunk sizes: fastpaths_fuzz).
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "common/ByteStream.h"
#include "encoding/QuotedPrintable.h"

namespace {

// "=XX" escapes (upper-case hex) and "=" CR LF soft breaks; any other "=" is a fault.
std::string Decode(std::string_view s) {
    static constexpr std::string_view hex = "0123456789ABCDEF";
    std::string out;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] != '=') out += s[i];
        else if (s.substr(i, 3) == "=\r\n") i += 2;
        else if (i + 2 < s.size() && hex.find(s[i + 1]) < 16 && hex.find(s[i + 2]) < 16) {
            out += static_cast<char>(hex.find(s[i + 1]) * 16 + hex.find(s[i + 2]));
            i += 2;
        } else std::abort();
    }
    return out;
}

// CR LF and LF CR are one line end, any other CR or LF one each.
std::string Expected(const std::string& body) {
    std::string out;
    bool lineStart = true;
    for (std::size_t i = 0; i < body.size(); ++i) {
        const char c = body[i];
        if (lineStart && body.compare(i, 5, "From ") == 0) out += '>';
        lineStart = c == '\r' || c == '\n';
        out += lineStart ? std::string("\r\n") : std::string(1, c);
        if (lineStart && i + 1 < body.size() && (body[i + 1] == '\r' || body[i + 1] == '\n') && body[i + 1] != c) ++i;
    }
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace velmar;
    const std::string body(reinterpret_cast<const char*>(data), size);
    MemorySource whole(body);
    StringSink out;
    if (!QpEncodeStream(whole, out)) std::abort();
    const std::string& text = out.text;
    if (text.size() < 2 || text.front() != '\n' || text.back() != '\n') std::abort();
    const std::string inner = text.substr(1, text.size() - 2);
    for (std::size_t start = 0, end; start <= inner.size(); start = end + 2) {
        end = std::min(inner.find("\r\n", start), inner.size());
        if (end - start > 76 || inner.compare(start, 5, "From ") == 0) std::abort();
        for (std::size_t i = start; i < end; ++i)
            if (inner[i] != '\t' && (inner[i] < 0x20 || inner[i] > 0x7E)) std::abort();
    }
    if (Decode(inner) != Expected(body)) std::abort();
    return 0;
}
