// The buffered-file variants of the body converters give the bytes of the stream variants.
#include <gtest/gtest.h>

#include <string>

#include "common/ByteStream.h"
#include "encoding/QuotedPrintable.h"
#include "encoding/QuotedPrintable_win.h"
#include "encoding/ShiftJis.h"
#include "encoding/ShiftJis_win.h"
#include "tests/support/TempFiles_win.h"

namespace velmar {
namespace {

using Handle = bool (*)(BufferedFile&, BufferedFile&);
using Stream = bool (*)(ByteSource&, ByteSink&, const std::function<void()>&);

void ExpectSameBytes(Handle handle, Stream stream, const std::string& body) {
    testing::TempDir dir;
    BufferedFile in;
    BufferedFile out;
    ASSERT_TRUE(OpenBufferedFile(in, dir.Write("body.txt", body).c_str()));
    ASSERT_TRUE(OpenBufferedFile(out, dir.File("encoded.tmp").c_str(), GENERIC_WRITE, 0, CREATE_ALWAYS));
    EXPECT_TRUE(handle(in, out));
    EXPECT_TRUE(CloseBufferedFile(in));
    EXPECT_TRUE(CloseBufferedFile(out));

    MemorySource source(body);
    StringSink want;
    ASSERT_TRUE(stream(source, want, {}));
    const std::string got = testing::TempDir::Read(dir.File("encoded.tmp"));
    ASSERT_EQ(got.size(), want.text.size());
    EXPECT_TRUE(got == want.text);
}

std::string LongBody(std::string_view line, std::size_t size) {
    std::string body;
    while (body.size() < size) body += line;
    return body;
}

TEST(QpEncodeHandle, SameBytesAsTheStream) {
    ExpectSameBytes(QpEncodeHandle, QpEncodeStream, "");
    ExpectSameBytes(QpEncodeHandle, QpEncodeStream, "From here\r\ncaf\xE9 a=b \r\n\n\nx");
    ExpectSameBytes(QpEncodeHandle, QpEncodeStream,
                    LongBody("Gr\xFC\xDF" "e aus M\xFCnchen, From x\r\nFrom y " + std::string(90, 'l') + "\n", 200000));
}

TEST(SjisToJisHandle, SameBytesAsTheStream) {
    ExpectSameBytes(SjisToJisHandle, SjisToJisStream, "");
    ExpectSameBytes(SjisToJisHandle, SjisToJisStream, "abc \x82\xA0\x82\xA2\xB6\xDE\xCA\xDF\r\nend\x82");
    ExpectSameBytes(SjisToJisHandle, SjisToJisStream,
                    LongBody("line \x93\xFA\x96\x7B\x8C\xEA \xB1\xB2 ascii\r\n", 150000));
}

}  // namespace
}  // namespace velmar
