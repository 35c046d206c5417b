// The quoted-printable encoder on arbitrary bytes: the same output at every chunk size,
// only 7-bit printable text in lines of at most 76 characters, and an output that decodes
// back to the body with each line end made CR LF and ">" in front of each line that began
// with "From ".
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "common/ByteStream.h"
#include "encoding/QuotedPrintable.h"

namespace {

int Hex(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Decodes the body between the leading and closing line feeds.
std::string Decode(const std::string& encoded) {
    std::string out;
    for (std::size_t i = 0; i < encoded.size();) {
        if (encoded[i] != '=') {
            out += encoded[i++];
            continue;
        }
        if (encoded.compare(i, 3, "=\r\n") == 0) {
            i += 3;
            continue;
        }
        if (i + 2 >= encoded.size() || Hex(encoded[i + 1]) < 0 || Hex(encoded[i + 2]) < 0) std::abort();
        out += static_cast<char>(Hex(encoded[i + 1]) * 16 + Hex(encoded[i + 2]));
        i += 3;
    }
    return out;
}

// The body with each line end made CR LF and ">" in front of each line starting "From ".
std::string Expected(const std::string& body) {
    std::string out;
    bool lineStart = true;
    for (std::size_t i = 0; i < body.size(); ++i) {
        const char c = body[i];
        if (lineStart && body.compare(i, 5, "From ") == 0) out += '>';
        lineStart = c == '\r' || c == '\n';
        if (lineStart) {
            out += "\r\n";
            if (i + 1 < body.size() && (body[i + 1] == '\r' || body[i + 1] == '\n') && body[i + 1] != c) ++i;
        } else {
            out += c;
        }
    }
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    const std::size_t chunk = data[0] % 17 + 1;
    const std::string body(reinterpret_cast<const char*>(data + 1), size - 1);

    velmar::MemorySource whole(body);
    velmar::StringSink out;
    if (!velmar::QpEncodeStream(whole, out)) std::abort();
    velmar::MemorySource pieces(body, chunk);
    velmar::StringSink chunked;
    if (!velmar::QpEncodeStream(pieces, chunked) || chunked.text != out.text) std::abort();

    const std::string& text = out.text;
    if (text.size() < 2 || text.front() != '\n' || text.back() != '\n') std::abort();
    const std::string inner = text.substr(1, text.size() - 2);
    std::size_t column = 0;
    for (std::size_t i = 0; i < inner.size(); ++i) {
        const auto c = static_cast<unsigned char>(inner[i]);
        if (c == '\r') {
            if (i + 1 >= inner.size() || inner[i + 1] != '\n') std::abort();
            ++i;
            column = 0;
            continue;
        }
        if (c != '\t' && (c < 0x20 || c > 0x7E)) std::abort();
        if (++column > 76) std::abort();
    }
    if (Decode(inner) != Expected(body)) std::abort();
    // No encoded line starts with "From ", behind a line end or a soft break.
    if (inner.starts_with("From ") || inner.find("\r\nFrom ") != std::string::npos) std::abort();
    return 0;
}
