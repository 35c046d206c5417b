// The block and vector paths of the stream encoders against their byte-by-byte paths on
// arbitrary bytes: quoted-printable, Shift-JIS to ISO-2022-JP, base64 and uuencode give the
// same bytes on every path this processor has, at the chunk size the first byte picks.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "common/ByteStream.h"
#include "encoding/Base64.h"
#include "encoding/QuotedPrintable.h"
#include "encoding/ShiftJis.h"
#include "encoding/Uuencode.h"

namespace {

using Stream = bool (*)(velmar::ByteSource&, velmar::ByteSink&, const std::function<void()>&, velmar::SimdLevel);

std::string Encode(Stream stream, const std::string& input, std::size_t chunk, velmar::SimdLevel level) {
    velmar::MemorySource in(input, chunk);
    velmar::StringSink out;
    if (!stream(in, out, {}, level)) std::abort();
    return out.text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    const std::size_t chunks[] = {1, 16, 4096, static_cast<std::size_t>(-1)};
    const std::size_t chunk = data[0] < 4 ? chunks[data[0]] : data[0];
    const std::string input(reinterpret_cast<const char*>(data + 1), size - 1);
    for (Stream stream : {velmar::QpEncodeStream, velmar::SjisToJisStream, velmar::Base64EncodeStream,
                          velmar::UuencodeStream}) {
        const std::string plain = Encode(stream, input, static_cast<std::size_t>(-1), velmar::SimdLevel::Scalar);
        for (velmar::SimdLevel level : velmar::SupportedSimdLevels())
            if (Encode(stream, input, chunk, level) != plain) std::abort();
    }
    return 0;
}
