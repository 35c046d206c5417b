#include "encoding/Uuencode.h"

#include <string_view>

namespace velmar {
namespace {

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

bool UuencodeStream(ByteSource& in, ByteSink& out, const std::function<void()>& onRefill) {
    ByteReader reader(in, onRefill);
    ByteWriter writer(out);
    unsigned char line[kUuencodeLineBytes];
    for (;;) {
        std::size_t n = 0;
        for (int c = 0; n < kUuencodeLineBytes && (c = reader.Get()) >= 0;) line[n++] = static_cast<unsigned char>(c);
        if (n == 0) break;
        writer.Put(static_cast<char>(n + 0x20));
        char group[5];
        for (std::size_t i = 0; i < n; i += 3) {
            UuencodeGroup(line + i, group, static_cast<int>(n - i));
            writer.Put(std::string_view(group));
        }
        writer.Put('\n');
        if (n < kUuencodeLineBytes) break;
    }
    writer.Put("`\n");
    const bool written = writer.Flush();
    return written && !reader.Failed();
}

}  // namespace velmar
