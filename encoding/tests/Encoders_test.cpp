// The body and attachment encoders (quoted-printable, Shift-JIS to ISO-2022-JP, base64,
// uuencode) fed at several chunk sizes, the charset tables and Japanese code detection.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "common/ByteStream.h"
#include "encoding/Base64.h"
#include "encoding/Charset.h"
#include "encoding/QuotedPrintable.h"
#include "encoding/ShiftJis.h"
#include "encoding/Uuencode.h"

namespace velmar {
namespace {

using StreamFn = bool (*)(ByteSource&, ByteSink&, const std::function<void()>&, SimdLevel);
constexpr std::size_t kWhole = static_cast<std::size_t>(-1);
const std::string kToJis = "\x1B$B", kToAscii = "\x1B(B";

std::string Encode(StreamFn stream, std::string_view data, std::size_t chunk = kWhole,
                   SimdLevel level = DetectedSimdLevel()) {
    MemorySource in(data, chunk);
    StringSink out;
    EXPECT_TRUE(stream(in, out, {}, level));
    return out.text;
}

std::string Repeat(std::string_view piece, std::size_t times) {
    std::string out;
    while (times-- > 0) out += piece;
    return out;
}

struct FailingSink final : ByteSink {
    [[nodiscard]] bool Write(const char*, std::size_t) override { return false; }
};

// Bodies over several 64 KiB read buffers give the same bytes on every path (the plain
// byte-by-byte one and each vector level this processor has) at every chunk size: a body
// with a double-byte character and a "From " line across buffer ends, arbitrary bytes,
// and lines of escapes and pairs that meet the line and mode boundaries at every offset.
// A failed write is reported.
TEST(StreamEncoders, EveryPathAndChunkSizeGivesTheSameBytes) {
    const std::string_view piece = "From x\r\nFro\nF\r\rFrom \xE9=\t \x82\xA0\xB6\xDE";  // 28 bytes
    std::string text, noise, edges;
    for (std::size_t i = 0; i < 150000; ++i) text += piece[i % piece.size()];
    std::uint32_t seed = 12345;
    for (std::size_t i = 0; i < 150000; ++i) {
        seed = seed * 1103515245u + 12345u;
        noise += static_cast<char>(seed >> 24);
    }
    for (std::size_t width = 60; width < 90; ++width)
        edges += std::string(width, 'a') + "=\x82\xA0\xB6" + std::string(width % 7, ' ') + "\r\n";
    for (const std::string* body : {&text, &noise, &edges}) {
        for (StreamFn stream : {QpEncodeStream, SjisToJisStream, Base64EncodeStream, UuencodeStream}) {
            const std::string reference = Encode(stream, *body, kWhole, SimdLevel::Scalar);
            for (SimdLevel level : SupportedSimdLevels())
                for (std::size_t chunk : {1u, 3u, 16u, 54u, 55u, 4096u, 70000u})
                    EXPECT_TRUE(Encode(stream, *body, chunk, level) == reference)
                        << static_cast<int>(level) << " " << chunk << " " << body->size();
            MemorySource in("abc");
            FailingSink failing;
            EXPECT_FALSE(stream(in, failing, {}, DetectedSimdLevel()));
        }
    }
    // The character split by the first read buffer's end is converted whole.
    std::string kana = "a";
    kana += Repeat("\xB6\xDE", 70000);
    EXPECT_TRUE(Encode(SjisToJisStream, kana) == std::string("a") + kToJis + Repeat("\x25\x2C", 70000) + kToAscii);
}

TEST(HasEightBit, ByteValues) {
    const struct { std::string text; bool want; } cases[] = {{"", false}, {"abc\r\n\t\x01", false}, {"ab\x7F", true}, {"\xFF", true},
                 {std::string("ab\0\xE9", 4), false}};  // stops at a NUL
    for (const auto& c : cases) EXPECT_EQ(HasEightBit(c.text), c.want) << c.text;
}

TEST(QpEncodeStream, DocumentedResults) {
    const std::string l71(71, 'a'), l72(72, 'a'), l75(75, 'a');
    // Escapes (controls but TAB, 0x7F and up, "="); the 76-column soft break, never splitting an escape; line ends
    // made CR LF (CR CR LF is the edit control's soft break); "From " at a line start, also after a soft break.
    const struct { std::string body, want; } cases[] = {
        {"", ""}, {"a=b", "a=3Db"}, {"\xE9", "=E9"}, {std::string(1, '\0'), "=00"}, {"\x7F", "=7F"},
        {"\x01\x1F\t", "=01=1F\t"}, {std::string(80, 'a'), l75 + "=\r\n" + "aaaaa"}, {l75, l75 + "=\r\n"},
        {l72 + "\xE9" + "b", l72 + "=\r\n=E9b"}, {l71 + "\xE9" + "bc", l71 + "=E9b=\r\nc"}, {"a\r\nb", "a\r\nb"},
        {"a\rb\nc", "a\r\nb\r\nc"}, {"a\r\n\r\nb", "a\r\n\r\nb"}, {"a\r\r\nb", "a\r\n\r\nb"},
        {"a \t\r\nb", "a \t\r\nb"}, {"From me", ">From me"}, {"x\r\nFrom me", "x\r\n>From me"}, {"Fromage", "Fromage"},
        {"a From b", "a From b"}, {"From", "From"}, {"F\nFrom x", "F\r\n>From x"}, {"From ", ">From "},
        {l75 + "From x", l75 + "=\r\n=46rom x"},
        {l75 + "\nFrom x", l75 + "=\r\n\r\n>From x"}, {l72 + "\xE9" + "From x", l72 + "=\r\n=E9From x"},
    };
    for (const auto& c : cases) EXPECT_EQ(Encode(QpEncodeStream, c.body), "\n" + c.want + "\n") << c.body;
}

TEST(QpEncodeStream, YieldsOncePerReadBuffer) {
    std::string body(kStreamBufferSize - 3, 'a');  // "From " straddles the first buffer's end
    body.back() = '\n';
    body += "From x" + std::string(2 * kStreamBufferSize + 20, 'a');
    MemorySource in(body);
    StringSink out;
    int refills = 0;
    EXPECT_TRUE(QpEncodeStream(in, out, [&] { ++refills; }));
    EXPECT_EQ(refills, 5);  // four buffers and the read that meets the end
    EXPECT_NE(out.text.find("a\r\n>From x"), std::string::npos);
}

// The text form and the stream form (at chunk sizes 1, 16 and whole) give the same bytes.
TEST(SjisToJis, DocumentedConversions) {
    const std::string J = kToJis, A = kToAscii;
    // ASCII kept; runs left before line ends; a half-width kana with its mark is one character; a lead byte
    // without its trail, or another 8-bit byte, is copied; edges of the lead and trail ranges; wo and wa.
    const struct { std::string in, want; } cases[] = {
        {"Hello, world\r\n", "Hello, world\r\n"}, {"\x82\xA0\x82\xA2" "a", J + "\x24\x22\x24\x24" + A + "a"},
        {"\x82\xA0\r\n\x82\xA0", J + "\x24\x22" + A + "\r\n" + J + "\x24\x22" + A}, {"\xB6\xDE", J + "\x25\x2C" + A},
        {"\xB6\xB6", J + "\x25\x2B\x25\x2B" + A}, {"\xCA\xDF", J + "\x25\x51" + A}, {"\x82\x20x", "\x82\x20x"},
        {"ab\x82", "ab\x82"}, {"\x82\xA0\x82", J + "\x24\x22\x82" + A}, {"\x82\xA0\xF0", J + "\x24\x22" + A + "\xF0"},
        {"", ""}, {"\x81\x40\x83\x94\xE0\x40\xEA\xA4", J + "\x21\x21\x25\x74\x5F\x21\x74\x26" + A},
        {"\xA6\xDC", J + "\x25\x72\x25\x6F" + A},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SjisToJisText(c.in, 1023), c.want) << c.in;
        for (std::size_t chunk : {std::size_t{1}, std::size_t{16}, kWhole})
            EXPECT_EQ(Encode(SjisToJisStream, c.in, chunk), c.want) << c.in;
    }
}

TEST(SjisToJisText, CapacityIsNeverExceededAndTheRunIsClosed) {
    const std::string text = Repeat("\x82\xA0", 600);
    for (std::size_t capacity : {0u, 3u, 4u, 5u, 6u, 7u, 8u, 9u, 10u, 100u, 1023u}) {
        const std::string out = SjisToJisText(text, capacity);
        EXPECT_LE(out.size(), capacity);
        EXPECT_TRUE(out.empty() || out.ends_with(kToAscii)) << capacity;
    }
    EXPECT_EQ(SjisToJisText(text, 10), kToJis + "\x24\x22\x24\x22" + kToAscii);
}

TEST(DetectJapaneseCode, Examples) {
    const struct { const char* name; std::string text; int want; } cases[] = {
        {"JIS 1983", "ab\x1B$B\x24\x22", 1},   {"JIS 1978", "\x1B$@\x24\x22", 2},
        {"NEC JIS", "\x1BK", 3},               {"Shift-JIS hiragana", "\x82\xA0", 5},
        {"EUC or Shift-JIS", "\xA4\xA2", 6},   {"EUC by a later byte", "\xB0\xA1\xF0", 4},
        {"plain ASCII", "Hello", 7},           {"empty", "", 7},
        {"ESC at the end", "\x1B", 7},         {"ESC dollar at the end", "\x1B$", 7},
        {"0x8E kana", "\x8E\xB1", 6},          {"0x8E Shift-JIS", "\x8E\x40", 5},
        {"high kana then Shift-JIS lead", "\xB1\xE0\x82", 5}, {"high kana then EUC byte", "\xB1\xE0\xFD", 4},
        {"kana then low byte", "\xB1\x41", 5}, {"lone kana at end", "\xB1", 7},
        {"E0 pair Shift-JIS", "\xE0\x40", 5},  {"E0 pair undecided", "\xE0\xA1", 6},
    };
    for (const auto& c : cases) EXPECT_EQ(DetectJapaneseCode(c.text), c.want) << c.name;
}

// Groups: four characters for three bytes, short groups padded ("=") or shortened (uu);
// nothing for nothing; the result is count - 3.
TEST(TransferGroups, FullAndShortGroups) {
    const struct { int (*encode)(const unsigned char*, char*, int); std::string bytes; const char* want; int result; }
        cases[] = {
        {Base64Group, "Man", "TWFu", 0},          {Base64Group, "Ma", "TWE=", -1},
        {Base64Group, "M", "TQ==", -2},           {Base64Group, "\xFF\xFF\xFF", "////", 0},
        {Base64Group, std::string(3, '\0'), "AAAA", 0}, {Base64Group, "abcdef", "YWJj", 3},
        {Base64Group, "", "", -3},                {UuencodeGroup, "Cat", "0V%T", 0},
        {UuencodeGroup, std::string(3, '\0'), "````", 0}, {UuencodeGroup, "a", "80", -2},
        {UuencodeGroup, "ab", "86(", -1},         {UuencodeGroup, "", "", -3},
    };
    for (const auto& c : cases) {
        char out[5] = {'x', 'x', 'x', 'x', 'x'};
        EXPECT_EQ(c.encode(reinterpret_cast<const unsigned char*>(c.bytes.data()), out, int(c.bytes.size())), c.result);
        EXPECT_STREQ(out, c.want) << c.bytes;
    }
}

// Line lengths at their boundaries (54 bytes a base64 line, 45 a uu line) and the closing
// "`" line of uuencode, at every chunk size.
TEST(TransferStreams, LinesAtEveryChunkSize) {
    const std::string b64Line = Repeat("eHh4", 18) + "\n";
    const struct { const char* name; StreamFn stream; std::string in, want; } cases[] = {
        {"base64 empty", Base64EncodeStream, "", ""},
        {"base64 55 bytes: a full line and one byte", Base64EncodeStream, std::string(55, 'x'), b64Line + "eA==\n"},
        {"base64 108 bytes: two full lines, no empty one", Base64EncodeStream, std::string(108, 'x'),
         b64Line + b64Line},
        {"uu empty", UuencodeStream, "", "`\n"}, {"uu one byte", UuencodeStream, "a", "!80\n`\n"},
        {"uu 46 bytes: a full M line and one byte", UuencodeStream, std::string(46, 'x'),
         std::string("M") + Repeat(">'AX", 15) + "\n!>`\n`\n"},
    };
    for (const auto& c : cases)
        for (std::size_t chunk : {1u, 2u, 7u, 53u, 54u, 55u, 4096u})
            EXPECT_EQ(Encode(c.stream, c.in, chunk), c.want) << c.name << " " << chunk;
}

TEST(IsLeadByte, RangesOfTheDoubleBytePages) {
    const struct { unsigned codePage; unsigned char c; bool want; } cases[] = {
        {932, 0x80, false}, {932, 0x81, true},  {932, 0x9F, true},  {932, 0xA0, false}, {932, 0xDF, false},
        {932, 0xE0, true},  {932, 0xFC, true},  {932, 0xFD, false}, {936, 0x80, false}, {936, 0x81, true},
        {936, 0xFE, true},  {936, 0xFF, false}, {1252, 0x81, false}, {65001, 0xE3, false},
    };
    for (const auto& c : cases) EXPECT_EQ(IsLeadByte(c.codePage, c.c), c.want) << c.codePage << " " << int(c.c);
}

}  // namespace
}  // namespace velmar
