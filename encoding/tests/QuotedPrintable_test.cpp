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

TEST(QpEncodeStream, EmptyInputGivesTwoLineFeeds) { EXPECT_EQ(Qp(""), "\n\n"); }

TEST(QpEncodeStream, HundredBytesOfE9) {
    const std::string out = QpInner(std::string(100, '\xE9'));
    // 24 escapes fill a line to 72; the 25th moves to the next.
    std::string want;
    for (int i = 0; i < 100; ++i) {
        if (i > 0 && i % 24 == 0) want += "=\r\n";
        want += "=E9";
    }
    EXPECT_EQ(out, want);
}

TEST(QpEncodeStream, LinesStaySeventySixAndPrintable) {
    std::string body;
    for (int i = 0; i < 5000; ++i) body += static_cast<char>((i * 37 + i / 7) & 0xFF);
    const std::string out = QpInner(body);
    std::size_t start = 0;
    while (start < out.size()) {
        std::size_t end = out.find("\r\n", start);
        if (end == std::string::npos) end = out.size();
        EXPECT_LE(end - start, 76u);
        start = end + 2;
    }
    for (char c : out) {
        const auto u = static_cast<unsigned char>(c);
        EXPECT_TRUE(u == '\r' || u == '\n' || u == '\t' || (u >= 0x20 && u < 0x7F)) << int(u);
    }
}

TEST(QpEncodeStream, SameBytesAtEveryChunkSize) {
    std::string body;
    for (int i = 0; i < 3000; ++i) body += "From x\r\nFro\nF\r\rFrom \xE9=\t "[i % 25];
    body += std::string(200, 'q') + "\xE9\xE9";
    const std::string whole = Qp(body);
    for (std::size_t chunk : {1u, 2u, 3u, 5u, 16u, 4096u}) EXPECT_EQ(Qp(body, chunk), whole) << chunk;
}

TEST(QpEncodeStream, FromCheckAcrossBufferBoundaries) {
    // "From " straddling the 64 KiB read buffer.
    std::string body(kStreamBufferSize - 3, 'a');
    body[body.size() - 1] = '\n';
    body += "From x";
    const std::string out = Qp(body);
    EXPECT_TRUE(out.ends_with("\r\n>From x\n"));
}

TEST(QpEncodeStream, YieldsOncePerBuffer) {
    const std::string body(3 * kStreamBufferSize + 10, 'a');
    MemorySource in(body);
    StringSink out;
    int refills = 0;
    EXPECT_TRUE(QpEncodeStream(in, out, [&] { ++refills; }));
    EXPECT_EQ(refills, 5);  // four buffers and the read that meets the end
}

struct FailingSink final : ByteSink {
    [[nodiscard]] bool Write(const char*, std::size_t) override { return false; }
};

TEST(QpEncodeStream, ReportsAFailedWrite) {
    MemorySource in("abc");
    FailingSink out;
    EXPECT_FALSE(QpEncodeStream(in, out));
}

}  // namespace
}  // namespace velmar
