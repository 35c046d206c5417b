#include "encoding/LineBlocks.h"

namespace velmar {

bool EncodeLineBlocks(ByteSource& in, ByteSink& out, const std::function<void()>& onRefill,
                      const LineCodec& codec) {
    ByteReader reader(in, onRefill);
    ByteWriter writer(out);
    const std::size_t linesPerStep = kStreamBufferSize / codec.lineChars;
    for (std::string_view window; !(window = reader.Window()).empty();) {
        std::size_t lines = window.size() / codec.lineBytes;
        if (lines == 0) {
            // A line split between two reads, or the last line: gathered, then encoded.
            unsigned char line[kMaxLineBytes];
            const std::size_t n = reader.ReadInto(reinterpret_cast<char*>(line), codec.lineBytes);
            writer.Commit(codec.oneLine(line, n, writer.Reserve(codec.lineChars)));
            continue;
        }
        if (lines > linesPerStep) lines = linesPerStep;
        const auto* bytes = reinterpret_cast<const unsigned char*>(window.data());
        writer.Commit(codec.wholeLines(bytes, lines, writer.Reserve(lines * codec.lineChars)));
        reader.Skip(lines * codec.lineBytes);
    }
    if (!codec.trailer.empty()) writer.Put(codec.trailer);
    const bool written = writer.Flush();
    return written && !reader.Failed();
}

}  // namespace velmar
