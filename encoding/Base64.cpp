#include "encoding/Base64.h"

namespace velmar {
namespace {

constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

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

bool Base64EncodeStream(ByteSource& in, ByteSink& out, const std::function<void()>& onRefill) {
    ByteReader reader(in, onRefill);
    ByteWriter writer(out);
    unsigned char line[kBase64LineBytes];
    for (;;) {
        std::size_t n = 0;
        for (int c = 0; n < kBase64LineBytes && (c = reader.Get()) >= 0;) line[n++] = static_cast<unsigned char>(c);
        if (n == 0) break;
        char group[5];
        for (std::size_t i = 0; i < n; i += 3) {
            Base64Group(line + i, group, static_cast<int>(n - i));
            writer.Put(std::string_view(group));
        }
        writer.Put('\n');
        if (n < kBase64LineBytes) break;
    }
    const bool written = writer.Flush();
    return written && !reader.Failed();
}

}  // namespace velmar
