#include "encoding/Uuencode.h"

#include "encoding/LineBlocks.h"
#include "encoding/SixBitSimd.h"

namespace velmar {
namespace {

constexpr std::size_t kLineChars = 1 + kUuencodeLineBytes / 3 * 4 + 1;

char UuChar(unsigned value) { return value == 0 ? '`' : static_cast<char>(value + 0x20); }

}  // namespace

int UuencodeGroup(const unsigned char* input, char* output, int count) {
    if (count < 1) {
        output[0] = '\0';
        return count - 3;
    }
    const unsigned b0 = input[0];
    const unsigned b1 = count > 1 ? input[1] : 0;
    const unsigned b2 = count > 2 ? input[2] : 0;
    int n = 0;
    output[n++] = UuChar(b0 >> 2);
    output[n++] = UuChar(((b0 & 3) << 4) + (b1 >> 4));
    if (count > 1) output[n++] = UuChar(((b1 & 15) << 2) + (b2 >> 6));
    if (count > 2) output[n++] = UuChar(b2 & 63);
    output[n] = '\0';
    return count - 3;
}

namespace {

// Encodes one line of `n` bytes into `out`, its length character in front and "\n" at the
// end; returns the characters written.
std::size_t EncodeLine(const unsigned char* in, std::size_t n, char* out) {
    char* p = out;
    *p++ = static_cast<char>(n + 0x20);
    std::size_t i = 0;
    for (; i + 3 <= n; i += 3, p += 4) {
        const unsigned b0 = in[i], b1 = in[i + 1], b2 = in[i + 2];
        p[0] = UuChar(b0 >> 2);
        p[1] = UuChar(((b0 & 3) << 4) + (b1 >> 4));
        p[2] = UuChar(((b1 & 15) << 2) + (b2 >> 6));
        p[3] = UuChar(b2 & 63);
    }
    if (i < n) {
        const int left = static_cast<int>(n - i);
        UuencodeGroup(in + i, p, left);
        p += left + 1;
    }
    *p++ = '\n';
    return static_cast<std::size_t>(p - out);
}

std::size_t EncodeLines(const unsigned char* in, std::size_t lines, char* out) {
    std::size_t written = 0;
    for (std::size_t l = 0; l < lines; ++l)
        written += EncodeLine(in + l * kUuencodeLineBytes, kUuencodeLineBytes, out + written);
    return written;
}

}  // namespace

bool UuencodeStream(ByteSource& in, ByteSink& out, const std::function<void()>& onRefill, SimdLevel level) {
    LineCodec codec{kUuencodeLineBytes, kLineChars, EncodeLines, EncodeLine, "`\n"};
    if (const WholeLinesFn vector = UuencodeVectorLines(level)) codec.wholeLines = vector;
    return EncodeLineBlocks(in, out, onRefill, codec);
}

}  // namespace velmar
