#include "common/TextMode.h"

#include <gtest/gtest.h>

#include <string>

namespace velmar {
namespace {

std::string ReadText(std::string_view raw, std::size_t chunk) {
    MemorySource source(raw, chunk);
    TextModeSource text(source);
    std::string out;
    char buffer[3];
    for (std::size_t n; (n = text.Read(buffer, sizeof buffer)) > 0;) out.append(buffer, n);
    return out;
}

TEST(TextModeSource, TranslatesAndEndsAtControlZ) {
    struct Case { const char* name; std::string raw; std::string want; } cases[] = {
        {"CR LF becomes LF", "a\r\nb\r\n", "a\nb\n"}, {"lone CR and LF stay", "a\rb\nc\r", "a\rb\nc\r"},
        {"CR CR LF", "a\r\r\n", "a\r\n"}, {"0x1A ends the text", "ab\x1A\xE9zz", "ab"},
        {"0x1A after a CR", "a\r\x1A" "b", "a\r"},
    };
    for (const auto& c : cases)
        for (std::size_t chunk : {1u, 2u, 100u}) EXPECT_EQ(ReadText(c.raw, chunk), c.want) << c.name << " " << chunk;
}

TEST(TextHasEightBit, BytesBeforeTheEndOfText) {
    const std::string longText(5000, 'a');
    const struct { std::string bytes; bool eightBit, ended; } cases[] = {
        {"abc\t\r\n\x7E", false, false}, {"ab\x7F", true, false},          {"\xFF", true, false},
        {"a\x1A\xE9", false, true},       {"\xE9\x1A", true, false},        {longText + "\x80", true, false},
        {longText + "\x1A", false, true},
    };
    for (const auto& c : cases) {
        bool ended = false;
        const bool eightBit = TextHasEightBit(c.bytes, ended);
        EXPECT_EQ(std::pair(eightBit, ended), std::pair(c.eightBit, c.ended)) << c.bytes.size();
    }
}

// The one-pass copy gives what a text-mode read then a text-mode write give, on a body whose CR LF pairs,
// lone line ends and final 0x1A fall on every offset of the 64 KiB blocks.
TEST(CopyAsTextMode, SameAsReadingAndWritingInTextMode) {
    std::string body;
    for (std::size_t i = 0; body.size() < 200000; ++i) body += std::string(i % 97, 'x') + (i % 3 ? "\r\n" : i % 2 ? "\n" : "\r");
    body += "\r\x1A" "after";
    for (const std::string& raw : {std::string("a\r\nb\n\nc\r\r\nd\r"), std::string("\n\x1A\n"), body}) {
        for (std::size_t chunk : {1u, 2u, 100u, 70000u}) {
            StringSink twoPass, onePass;
            TextModeSink write(twoPass);
            const std::string read = ReadText(raw, chunk);
            ASSERT_TRUE(write.Write(read.data(), read.size()));
            MemorySource onePassIn(raw, chunk);
            EXPECT_TRUE(CopyAsTextMode(onePassIn, onePass));
            EXPECT_TRUE(onePass.text == twoPass.text) << raw.size() << " " << chunk;
        }
    }
}

}  // namespace
}  // namespace velmar
