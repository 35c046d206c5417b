#include "encoding/QuotedPrintable.h"

#include <gtest/gtest.h>

#include <string>

#include "common/ByteStream.h"

namespace velmar {
namespace {

std::string Qp(std::string_view body, std::size_t chunk = static_cast<std::size_t>(-1)) {
    MemorySource in(body, chunk);
    StringSink out;
    EXPECT_TRUE(QpEncodeStream(in, out));
    return out.text;
}

// The encoded body between the leading and the closing line feed.
std::string QpInner(std::string_view body) {
    std::string text = Qp(body);
    EXPECT_GE(text.size(), 2u);
    EXPECT_EQ(text.front(), '\n');
    EXPECT_EQ(text.back(), '\n');
    return text.substr(1, text.size() - 2);
}

TEST(HasEightBit, ByteValues) {
    struct Case {
        const char* name;
        std::string text;
        bool want;
    } cases[] = {
        {"empty", "", false},
        {"ASCII with controls", "abc\r\n\t\x01", false},
        {"0x7F counts", "ab\x7F", true},
        {"0xE9", "caf\xE9", true},
        {"0xFF", "\xFF", true},
        {"stops at a NUL", std::string("ab\0\xE9", 4), false},
    };
    for (const auto& c : cases) EXPECT_EQ(HasEightBit(c.text), c.want) << c.name;
}

TEST(QpEncodeStream, DocumentedResults) {
    const std::string l71(71, 'a'), l72(72, 'a'), l75(75, 'a'), l80(80, 'a');
    struct Case {
        const char* name;
        std::string body;
        std::string want;  // between the leading and the closing line feed
    } cases[] = {
        {"empty input", "", ""},
        {"equals sign", "a=b", "a=3Db"},
        {"8-bit byte", "\xE9", "=E9"},
        {"zero byte", std::string(1, '\0'), "=00"},
        {"0x7F", "\x7F", "=7F"},
        {"controls except TAB", "\x01\x1F\t", "=01=1F\t"},
        {"80 letters", l80, l75 + "=\r\n" + "aaaaa"},
        {"75 letters end in a soft break", l75, l75 + "=\r\n"},
        {"72 letters and 0xE9 move the escape whole", l72 + "\xE9" + "b", l72 + "=\r\n=E9b"},
        {"71 letters, 0xE9 and a letter", l71 + "\xE9" + "bc", l71 + "=E9b=\r\nc"},
        {"CR LF", "a\r\nb", "a\r\nb"},
        {"lone CR and lone LF", "a\rb\nc", "a\r\nb\r\nc"},
        {"LF CR is one line end", "a\n\rb", "a\r\nb"},
        {"two CR LF pairs keep the blank line", "a\r\n\r\nb", "a\r\n\r\nb"},
        {"two bare LFs keep the blank line", "a\n\nb", "a\r\n\r\nb"},
        {"two bare CRs keep the blank line", "a\r\rb", "a\r\n\r\nb"},
        {"edit-control soft break CR CR LF", "a\r\r\nb", "a\r\n\r\nb"},
        {"trailing space and tab stay literal", "a \t\r\nb", "a \t\r\nb"},
        {"From at the start", "From me", ">From me"},
        {"From after a line end", "x\r\nFrom me", "x\r\n>From me"},
        {"From after a bare LF", "x\nFrom me", "x\r\n>From me"},
        {"From without its blank", "Fromage", "Fromage"},
        {"From in the middle", "a From b", "a From b"},
        {"From cut short at the end", "From", "From"},
        {"F then a line end then From", "F\nFrom x", "F\r\n>From x"},
        {"From after a soft break has its F escaped", l75 + "From x", l75 + "=\r\n=46rom x"},
        {"From after a line end behind a soft break", l75 + "\nFrom x", l75 + "=\r\n\r\n>From x"},
        {"From behind an escape moved to the next line", l72 + "\xE9" + "From x", l72 + "=\r\n=E9From x"},
        {"From line of exactly five bytes", "From ", ">From "},
    };
    for (const auto& c : cases) EXPECT_EQ(QpInner(c.body), c.want) << c.name;
}

TEST(QpEncodeStream, SameBytesAtEveryChunkSize) {
    std::string body;
    for (int i = 0; i < 3000; ++i) body += "From x\r\nFro\nF\r\rFrom \xE9=\t "[i % 25];
    body += std::string(200, 'q') + "\xE9\xE9";
    const std::string whole = Qp(body);
    for (std::size_t chunk : {1u, 2u, 3u, 5u, 16u, 4096u}) EXPECT_EQ(Qp(body, chunk), whole) << chunk;
}

struct FailingSink final : ByteSink {
    [[nodiscard]] bool Write(const char*, std::size_t) override { return false; }
};

// Beyond the fuzzer's reach: several 64 KiB read buffers.
TEST(QpEncodeStream, ReadBuffersYieldsAndFailedWrites) {
    std::string body(kStreamBufferSize - 3, 'a');  // "From " straddles the first buffer's end
    body.back() = '\n';
    body += "From x" + std::string(2 * kStreamBufferSize + 20, 'a');
    MemorySource in(body);
    StringSink out;
    int refills = 0;
    EXPECT_TRUE(QpEncodeStream(in, out, [&] { ++refills; }));
    EXPECT_EQ(refills, 5);  // four buffers and the read that meets the end
    EXPECT_NE(out.text.find("a\r\n>From x"), std::string::npos);
    MemorySource again("abc");
    FailingSink failing;
    EXPECT_FALSE(QpEncodeStream(again, failing));
}

}  // namespace
}  // namespace velmar
