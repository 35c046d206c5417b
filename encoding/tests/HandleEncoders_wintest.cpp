// The buffered-file variants of the body converters give the bytes of the stream variants,
// over several of the file's read blocks.
#include <gtest/gtest.h>

#include <string>

#include "common/ByteStream.h"
#include "encoding/QuotedPrintable.h"
#include "encoding/QuotedPrintable_win.h"
#include "encoding/ShiftJis.h"
#include "encoding/ShiftJis_win.h"
#include "tests/support/WinTestSupport.h"

namespace velmar {
namespace {

TEST(HandleEncoders, SameBytesAsTheStreams) {
    using Handle = bool (*)(BufferedFile&, BufferedFile&);
    using Stream = bool (*)(ByteSource&, ByteSink&, const std::function<void()>&, SimdLevel);
    const struct { Handle handle; Stream stream; std::string line; } cases[] = {
        {QpEncodeHandle, QpEncodeStream, "Gr\xFC\xDF" "e, From x\r\nFrom " + std::string(90, 'l') + "\n"},
        {SjisToJisHandle, SjisToJisStream, "line \x93\xFA\x96\x7B\x8C\xEA \xB1\xB2 ascii\r\n"}};
    wintest::ScratchDir dir("encoders");
    for (const auto& c : cases) {
        for (const std::size_t lines : {0, 5000}) {
            std::string body;
            for (std::size_t i = 0; i < lines; ++i) body += c.line;
            ASSERT_TRUE(wintest::WriteWholeFile(dir / "body.txt", body));
            BufferedFile in, out;
            ASSERT_TRUE(in.Open((dir / "body.txt").c_str()) &&
                        out.Open((dir / "encoded.tmp").c_str(), GENERIC_WRITE, 0, CREATE_ALWAYS));
            EXPECT_TRUE(c.handle(in, out) && in.Close() && out.Close());
            MemorySource source(body);
            StringSink want;
            ASSERT_TRUE(c.stream(source, want, {}, SimdLevel::Scalar));
            EXPECT_TRUE(wintest::ReadWholeFile(dir / "encoded.tmp") == want.text) << c.line << lines;
        }
    }
}

}  // namespace
}  // namespace velmar
