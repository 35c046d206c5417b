// Base64 and uuencode on arbitrary bytes: lines of the documented lengths and alphabets, and output
// that decodes back to the input (the same bytes at every chunk size is fastpaths_fuzz).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "common/ByteStream.h"
#include "encoding/Base64.h"
#include "encoding/Uuencode.h"

namespace {

using Stream = bool (*)(velmar::ByteSource&, velmar::ByteSink&, const std::function<void()>&, velmar::SimdLevel);
constexpr auto npos = std::string::npos;

std::string Encode(Stream stream, const std::string& input) {
    velmar::MemorySource in(input);
    velmar::StringSink out;
    if (!stream(in, out, {}, velmar::DetectedSimdLevel())) std::abort();
    return out.text;
}

// Appends the bytes of 6-bit values, four values for three bytes.
struct Bits {
    std::string out;
    unsigned bits = 0, have = 0;
    void Reset() { bits = 0, have = 0; }
    void Add(std::size_t value) {
        if (value > 63) std::abort();
        bits = bits << 6 | static_cast<unsigned>(value), have += 6;
        if (have >= 8) out += static_cast<char>(bits >> (have -= 8));
    }
};

// Lines of whole groups, at most 72 characters; "=" pads only the last group.
std::string DecodeBase64(const std::string& text) {
    static constexpr std::string_view alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    Bits d;
    for (std::size_t start = 0, end; start < text.size(); start = end + 1) {
        end = text.find('\n', start);
        if (end == npos || end - start > 72 || (end - start) % 4 != 0) std::abort();
        for (std::size_t i = start; i < end && text[i] != '='; ++i) {
            if ((i - start) % 4 == 0) d.Reset();
            d.Add(alphabet.find(text[i]));
        }
    }
    return d.out;
}

// Lines led by their byte count (at most 45, "`" for none), groups shortened at the end,
// characters 0x21 to 0x60, and the "`" line last.
std::string DecodeUu(const std::string& text) {
    const auto value = [](char c) { return c < 0x21 || c > 0x60 ? npos : std::size_t((c - 0x20) & 63); };
    Bits d;
    for (std::size_t start = 0, end;; start = end + 1) {
        end = text.find('\n', start);
        if (end == npos || end == start) std::abort();
        const std::size_t n = value(text[start]);
        if (n == 0) {
            if (end + 1 != text.size()) std::abort();
            return d.out;
        }
        if (n > 45 || end - start - 1 != n / 3 * 4 + (n % 3 ? n % 3 + 1 : 0)) std::abort();
        d.Reset();
        for (std::size_t i = start + 1; i < end; ++i) d.Add(value(text[i]));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    if (DecodeBase64(Encode(velmar::Base64EncodeStream, input)) != input) std::abort();
    if (DecodeUu(Encode(velmar::UuencodeStream, input)) != input) std::abort();
    return 0;
}
