// The buffered-file variants of the body converters give the bytes of the stream variants.
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

std::string Repeat(std::string_view line, std::size_t size) {
    std::string body;
    while (body.size() < size) body += line;
    return body;
}

TEST(HandleEncoders, SameBytesAsTheStreams) {
    const struct {
        bool (*handle)(BufferedFile&, BufferedFile&);
        bool (*stream)(ByteSource&, ByteSink&, const std::function<void()>&, SimdLevel);
        std::string body;
    } cases[] = {
        {QpEncodeHandle, QpEncodeStream, ""},
        {QpEncodeHandle, QpEncodeStream, Repeat("Gr\xFC\xDF" "e, From x\r\nFrom " + std::string(90, 'l') + "\n", 200000)},
        {SjisToJisHandle, SjisToJisStream, ""},
        {SjisToJisHandle, SjisToJisStream, Repeat("line \x93\xFA\x96\x7B\x8C\xEA \xB1\xB2 ascii\r\n", 150000)},
    };
    wintest::ScratchDir dir("encoders");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.body.substr(0, 20));
        ASSERT_TRUE(wintest::WriteWholeFile(dir / "body.txt", c.body));
        BufferedFile in, out;
        ASSERT_TRUE(in.Open((dir / "body.txt").c_str()) &&
                    out.Open((dir / "encoded.tmp").c_str(), GENERIC_WRITE, 0, CREATE_ALWAYS));
        EXPECT_TRUE(c.handle(in, out) && in.Close() && out.Close());
        MemorySource source(c.body);
        StringSink want;
        ASSERT_TRUE(c.stream(source, want, {}, SimdLevel::Scalar));
        EXPECT_TRUE(wintest::ReadWholeFile(dir / "encoded.tmp") == want.text);
    }
}

}  // namespace
}  // namespace velmar
