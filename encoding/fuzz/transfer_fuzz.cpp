// Base64 and uuencode on arbitrary bytes: the same lines at every chunk size, lines of the
// documented lengths, and output that decodes back to the input.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "common/ByteStream.h"
#include "encoding/Base64.h"
#include "encoding/Uuencode.h"

namespace {

using Stream = bool (*)(velmar::ByteSource&, velmar::ByteSink&, const std::function<void()>&);

std::string Encode(Stream stream, const std::string& input, std::size_t chunk) {
    velmar::MemorySource in(input, chunk);
    velmar::StringSink out;
    if (!stream(in, out, {})) std::abort();
    return out.text;
}

int Base64Value(char c) {
    if (c >= 'A' && c <= 'Z') return c - 'A';
    if (c >= 'a' && c <= 'z') return c - 'a' + 26;
    if (c >= '0' && c <= '9') return c - '0' + 52;
    if (c == '+') return 62;
    if (c == '/') return 63;
    std::abort();
}

std::string DecodeBase64(const std::string& text) {
    std::string out;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find('\n', start);
        if (end == std::string::npos || end - start > 72 || (end - start) % 4 != 0) std::abort();
        for (std::size_t i = start; i < end; i += 4) {
            const int a = Base64Value(text[i]), b = Base64Value(text[i + 1]);
            out += static_cast<char>((a << 2) | (b >> 4));
            if (text[i + 2] == '=') break;
            const int c = Base64Value(text[i + 2]);
            out += static_cast<char>(((b & 15) << 4) | (c >> 2));
            if (text[i + 3] == '=') break;
            out += static_cast<char>(((c & 3) << 6) | Base64Value(text[i + 3]));
        }
        start = end + 1;
    }
    return out;
}

int UuValue(char c) {
    if (c < 0x21 || c > 0x60) std::abort();
    return (c - 0x20) & 63;
}

std::string DecodeUu(const std::string& text) {
    std::string out;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find('\n', start);
        if (end == std::string::npos || end == start) std::abort();
        const int n = UuValue(text[start]);
        if (n == 0) {
            if (end + 1 != text.size()) std::abort();  // the closing line comes last
            return out;
        }
        if (n > 45 || end - start - 1 != static_cast<std::size_t>(n / 3 * 4 + (n % 3 ? n % 3 + 1 : 0))) std::abort();
        const char* p = text.data() + start + 1;
        for (int left = n; left > 0; left -= 3, p += 4) {
            out += static_cast<char>((UuValue(p[0]) << 2) | (UuValue(p[1]) >> 4));
            if (left > 1) out += static_cast<char>((UuValue(p[1]) << 4) | (UuValue(p[2]) >> 2));
            if (left > 2) out += static_cast<char>((UuValue(p[2]) << 6) | UuValue(p[3]));
        }
        start = end + 1;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    const std::size_t chunk = data[0] % 61 + 1;
    const std::string input(reinterpret_cast<const char*>(data + 1), size - 1);
    const std::string b64 = Encode(velmar::Base64EncodeStream, input, static_cast<std::size_t>(-1));
    if (Encode(velmar::Base64EncodeStream, input, chunk) != b64 || DecodeBase64(b64) != input) std::abort();
    const std::string uu = Encode(velmar::UuencodeStream, input, static_cast<std::size_t>(-1));
    if (Encode(velmar::UuencodeStream, input, chunk) != uu || DecodeUu(uu) != input) std::abort();
    return 0;
}
