#include "encoding/Base64.h"

#include "encoding/LineBlocks.h"
#include "encoding/SixBitSimd.h"

namespace velmar {
namespace {

constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
constexpr std::size_t kLineChars = kBase64LineBytes / 3 * 4 + 1;

}  // namespace

int Base64Group(const unsigned char* input, char* output, int count) {
    if (count < 1) {
        output[0] = '\0';
        return count - 3;
    }
    const unsigned b0 = input[0];
    const unsigned b1 = count > 1 ? input[1] : 0;
    const unsigned b2 = count > 2 ? input[2] : 0;
    output[0] = kAlphabet[b0 >> 2];
    output[1] = kAlphabet[((b0 & 3) << 4) | (b1 >> 4)];
    output[2] = count > 1 ? kAlphabet[((b1 & 15) << 2) | (b2 >> 6)] : '=';
    output[3] = count > 2 ? kAlphabet[b2 & 63] : '=';
    output[4] = '\0';
    return count - 3;
}

namespace {

// Encodes one line of `n` bytes into `out`, "\n" included; returns the characters written.
std::size_t EncodeLine(const unsigned char* in, std::size_t n, char* out) {
    char* p = out;
    std::size_t i = 0;
    for (; i + 3 <= n; i += 3, p += 4) {
        const unsigned v = (unsigned{in[i]} << 16) | (unsigned{in[i + 1]} << 8) | in[i + 2];
        p[0] = kAlphabet[v >> 18];
        p[1] = kAlphabet[(v >> 12) & 63];
        p[2] = kAlphabet[(v >> 6) & 63];
        p[3] = kAlphabet[v & 63];
    }
    if (i < n) {
        Base64Group(in + i, p, static_cast<int>(n - i));
        p += 4;
    }
    *p++ = '\n';
    return static_cast<std::size_t>(p - out);
}

std::size_t EncodeLines(const unsigned char* in, std::size_t lines, char* out) {
    std::size_t written = 0;
    for (std::size_t l = 0; l < lines; ++l) written += EncodeLine(in + l * kBase64LineBytes, kBase64LineBytes, out + written);
    return written;
}

}  // namespace

bool Base64EncodeStream(ByteSource& in, ByteSink& out, const std::function<void()>& onRefill, SimdLevel level) {
    LineCodec codec{kBase64LineBytes, kLineChars, EncodeLines, EncodeLine, {}};
    if (const WholeLinesFn vector = Base64VectorLines(level)) codec.wholeLines = vector;
    return EncodeLineBlocks(in, out, onRefill, codec);
}

}  // namespace velmar
