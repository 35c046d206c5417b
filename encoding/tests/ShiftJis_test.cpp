#include "encoding/ShiftJis.h"

#include <gtest/gtest.h>

#include <string>

namespace velmar {
namespace {

const std::string kToJis = "\x1B$B";
const std::string kToAscii = "\x1B(B";

struct ConvertCase {
    const char* name;
    std::string in;
    std::string want;
};

const ConvertCase kConvertCases[] = {
    {"ascii unchanged", "Hello, world\r\n", "Hello, world\r\n"},
    {"hiragana then ascii", "\x82\xA0\x82\xA2" "a", kToJis + "\x24\x22\x24\x24" + kToAscii + "a"},
    {"mode left before line ends", "\x82\xA0\r\n\x82\xA0",
     kToJis + "\x24\x22" + kToAscii + "\r\n" + kToJis + "\x24\x22" + kToAscii},
    {"closed at the end", "a\x88\x9F", "a" + kToJis + "\x30\x21" + kToAscii},
    {"voiced katakana is one character", "\xB6\xDE", kToJis + "\x25\x2C" + kToAscii},
    {"katakana without mark twice", "\xB6\xB6", kToJis + "\x25\x2B\x25\x2B" + kToAscii},
    {"katakana with mark at the end", "\xCA\xDF", kToJis + "\x25\x51" + kToAscii},
    {"lead byte before a non-trail byte", "\x82\x20x", "\x82\x20x"},
    {"lead byte at the very end", "ab\x82", "ab\x82"},
    {"lead byte at the end inside a run", "\x82\xA0\x82", kToJis + "\x24\x22\x82" + kToAscii},
    {"other 8-bit bytes leave the run", "\x82\xA0\xF0", kToJis + "\x24\x22" + kToAscii + "\xF0"},
    {"empty", "", ""},
    // Pairs at the edges of the lead and trail ranges (trail above 0x7F, lead above 0x9F).
    {"edge pairs", "\x81\x40\x83\x94\xE0\x40\xEA\xA4", kToJis + "\x21\x21\x25\x74\x5F\x21\x74\x26" + kToAscii},
    // The two half-width katakana the round-trip check leaves out (wo, wa).
    {"katakana wo and wa", "\xA6\xDC", kToJis + "\x25\x72\x25\x6F" + kToAscii},
};

TEST(SjisToJisText, DocumentedConversions) {
    for (const auto& c : kConvertCases) EXPECT_EQ(SjisToJisText(c.in, 1023), c.want) << c.name;
}

TEST(SjisToJisText, CapacityIsNeverExceededAndTheRunIsClosed) {
    std::string longText;
    for (int i = 0; i < 600; ++i) longText += "\x82\xA0";
    for (std::size_t capacity : {0u, 3u, 4u, 5u, 6u, 7u, 8u, 9u, 10u, 100u, 1023u}) {
        const std::string out = SjisToJisText(longText, capacity);
        EXPECT_LE(out.size(), capacity);
        if (!out.empty()) {
            EXPECT_EQ(out.substr(out.size() - 3), kToAscii) << capacity;
        }
    }
    EXPECT_EQ(SjisToJisText(longText, 10), kToJis + "\x24\x22\x24\x22" + kToAscii);
}

// The stream form gives the bytes of the table at every chunk size.
TEST(SjisToJisStream, SameBytesAtEveryChunkSize) {
    for (const auto& c : kConvertCases) {
        for (std::size_t chunk : {1u, 16u, 4096u}) {
            MemorySource in(c.in, chunk);
            StringSink out;
            int refills = 0;
            EXPECT_TRUE(SjisToJisStream(in, out, [&] { ++refills; }));
            EXPECT_EQ(out.text, c.want) << c.name << " chunk " << chunk;
            EXPECT_LE(refills, static_cast<int>(c.in.size() / chunk) + 2) << c.name;
        }
    }
}

TEST(SjisToJisStream, LongInputAcrossBufferBoundaries) {
    std::string in;
    std::string want = kToJis;
    for (int i = 0; i < 70000; ++i) {
        in += "\xB6\xDE";
        want += "\x25\x2C";
    }
    want += kToAscii;
    for (std::size_t chunk : {16u, 4096u, 65536u}) {
        MemorySource source(in, chunk);
        StringSink out;
        EXPECT_TRUE(SjisToJisStream(source, out));
        EXPECT_EQ(out.text, want) << chunk;
    }
}

class FailingSink final : public ByteSink {
public:
    [[nodiscard]] bool Write(const char*, std::size_t) override { return false; }
};

TEST(SjisToJisStream, ReportsAFailedWrite) {
    MemorySource in("abc");
    FailingSink out;
    EXPECT_FALSE(SjisToJisStream(in, out));
}

TEST(DetectJapaneseCode, Examples) {
    struct Case {
        const char* name;
        std::string text;
        int want;
    } cases[] = {
        {"JIS 1983", "ab\x1B$B\x24\x22", 1},
        {"JIS 1978", "\x1B$@\x24\x22", 2},
        {"NEC JIS", "\x1BK", 3},
        {"Shift-JIS hiragana", "\x82\xA0", 5},
        {"EUC or Shift-JIS", "\xA4\xA2", 6},
        {"EUC by a later byte", "\xB0\xA1\xF0", 4},
        {"plain ASCII", "Hello", 7},
        {"empty", "", 7},
        {"ESC at the end", "\x1B", 7},
        {"ESC dollar at the end", "\x1B$", 7},
        {"0x8E kana", "\x8E\xB1", 6},
        {"0x8E Shift-JIS", "\x8E\x40", 5},
        {"high kana then Shift-JIS lead", "\xB1\xE0\x82", 5},
        {"high kana then EUC byte", "\xB1\xE0\xFD", 4},
        {"kana then low byte", "\xB1\x41", 5},
        {"lone kana at end", "\xB1", 7},
        {"E0 pair Shift-JIS", "\xE0\x40", 5},
        {"E0 pair undecided", "\xE0\xA1", 6},
    };
    for (const auto& c : cases) EXPECT_EQ(DetectJapaneseCode(c.text), c.want) << c.name;
}

}  // namespace
}  // namespace velmar
