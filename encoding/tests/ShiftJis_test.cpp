#include "encoding/ShiftJis.h"

#include <gtest/gtest.h>

#include <string>

namespace velmar {
namespace {

const std::string kToJis = "\x1B$B";
const std::string kToAscii = "\x1B(B";

TEST(SjisToJisPair, ConvertsLeadAndTrail) {
    struct Case {
        unsigned char c1, c2, want1, want2;
    } cases[] = {
        {0x82, 0xA0, 0x24, 0x22}, {0x88, 0x9F, 0x30, 0x21}, {0x81, 0x40, 0x21, 0x21},
        {0x83, 0x94, 0x25, 0x74}, {0xE0, 0x40, 0x5F, 0x21}, {0xEA, 0xA4, 0x74, 0x26},
    };
    for (const auto& c : cases) {
        unsigned char a = c.c1, b = c.c2;
        SjisToJisPair(a, b);
        EXPECT_EQ(a, c.want1) << int(c.c1) << " " << int(c.c2);
        EXPECT_EQ(b, c.want2) << int(c.c1) << " " << int(c.c2);
    }
}

// All 63 half-width katakana, alone and with a voiced and a semi-voiced mark behind them.
TEST(WidenKatakana, AllSixtyThreeWithMarks) {
    struct Case {
        unsigned char c;
        unsigned char plain[2];
        unsigned char voiced[2];      // 0 when the voiced mark does not combine
        unsigned char semiVoiced[2];  // 0 when the semi-voiced mark does not combine
    } cases[] = {
        {0xA1, {0x81, 0x42}, {0}, {0}}, {0xA2, {0x81, 0x75}, {0}, {0}}, {0xA3, {0x81, 0x76}, {0}, {0}},
        {0xA4, {0x81, 0x41}, {0}, {0}}, {0xA5, {0x81, 0x45}, {0}, {0}}, {0xA6, {0x83, 0x92}, {0}, {0}},
        {0xA7, {0x83, 0x40}, {0}, {0}}, {0xA8, {0x83, 0x42}, {0}, {0}}, {0xA9, {0x83, 0x44}, {0}, {0}},
        {0xAA, {0x83, 0x46}, {0}, {0}}, {0xAB, {0x83, 0x48}, {0}, {0}}, {0xAC, {0x83, 0x83}, {0}, {0}},
        {0xAD, {0x83, 0x85}, {0}, {0}}, {0xAE, {0x83, 0x87}, {0}, {0}}, {0xAF, {0x83, 0x62}, {0}, {0}},
        {0xB0, {0x81, 0x5B}, {0}, {0}}, {0xB1, {0x83, 0x41}, {0}, {0}}, {0xB2, {0x83, 0x43}, {0}, {0}},
        {0xB3, {0x83, 0x45}, {0x83, 0x94}, {0}}, {0xB4, {0x83, 0x47}, {0}, {0}}, {0xB5, {0x83, 0x49}, {0}, {0}},
        {0xB6, {0x83, 0x4A}, {0x83, 0x4B}, {0}}, {0xB7, {0x83, 0x4C}, {0x83, 0x4D}, {0}},
        {0xB8, {0x83, 0x4E}, {0x83, 0x4F}, {0}}, {0xB9, {0x83, 0x50}, {0x83, 0x51}, {0}},
        {0xBA, {0x83, 0x52}, {0x83, 0x53}, {0}}, {0xBB, {0x83, 0x54}, {0x83, 0x55}, {0}},
        {0xBC, {0x83, 0x56}, {0x83, 0x57}, {0}}, {0xBD, {0x83, 0x58}, {0x83, 0x59}, {0}},
        {0xBE, {0x83, 0x5A}, {0x83, 0x5B}, {0}}, {0xBF, {0x83, 0x5C}, {0x83, 0x5D}, {0}},
        {0xC0, {0x83, 0x5E}, {0x83, 0x5F}, {0}}, {0xC1, {0x83, 0x60}, {0x83, 0x61}, {0}},
        {0xC2, {0x83, 0x63}, {0x83, 0x64}, {0}}, {0xC3, {0x83, 0x65}, {0x83, 0x66}, {0}},
        {0xC4, {0x83, 0x67}, {0x83, 0x68}, {0}}, {0xC5, {0x83, 0x69}, {0}, {0}}, {0xC6, {0x83, 0x6A}, {0}, {0}},
        {0xC7, {0x83, 0x6B}, {0}, {0}}, {0xC8, {0x83, 0x6C}, {0}, {0}}, {0xC9, {0x83, 0x6D}, {0}, {0}},
        {0xCA, {0x83, 0x6E}, {0x83, 0x6F}, {0x83, 0x70}}, {0xCB, {0x83, 0x71}, {0x83, 0x72}, {0x83, 0x73}},
        {0xCC, {0x83, 0x74}, {0x83, 0x75}, {0x83, 0x76}}, {0xCD, {0x83, 0x77}, {0x83, 0x78}, {0x83, 0x79}},
        {0xCE, {0x83, 0x7A}, {0x83, 0x7B}, {0x83, 0x7C}}, {0xCF, {0x83, 0x7D}, {0}, {0}},
        {0xD0, {0x83, 0x7E}, {0}, {0}}, {0xD1, {0x83, 0x80}, {0}, {0}}, {0xD2, {0x83, 0x81}, {0}, {0}},
        {0xD3, {0x83, 0x82}, {0}, {0}}, {0xD4, {0x83, 0x84}, {0}, {0}}, {0xD5, {0x83, 0x86}, {0}, {0}},
        {0xD6, {0x83, 0x88}, {0}, {0}}, {0xD7, {0x83, 0x89}, {0}, {0}}, {0xD8, {0x83, 0x8A}, {0}, {0}},
        {0xD9, {0x83, 0x8B}, {0}, {0}}, {0xDA, {0x83, 0x8C}, {0}, {0}}, {0xDB, {0x83, 0x8D}, {0}, {0}},
        {0xDC, {0x83, 0x8F}, {0}, {0}}, {0xDD, {0x83, 0x93}, {0}, {0}}, {0xDE, {0x81, 0x4A}, {0}, {0}},
        {0xDF, {0x81, 0x4B}, {0}, {0}},
    };
    ASSERT_EQ(sizeof cases / sizeof cases[0], 63u);
    for (const auto& c : cases) {
        unsigned char lead = 0, trail = 0;
        EXPECT_FALSE(WidenKatakana(c.c, 'a', lead, trail));
        EXPECT_EQ(lead, c.plain[0]) << int(c.c);
        EXPECT_EQ(trail, c.plain[1]) << int(c.c);
        const bool voiced = WidenKatakana(c.c, 0xDE, lead, trail);
        EXPECT_EQ(voiced, c.voiced[0] != 0) << int(c.c);
        EXPECT_EQ(lead, voiced ? c.voiced[0] : c.plain[0]) << int(c.c);
        EXPECT_EQ(trail, voiced ? c.voiced[1] : c.plain[1]) << int(c.c);
        const bool semi = WidenKatakana(c.c, 0xDF, lead, trail);
        EXPECT_EQ(semi, c.semiVoiced[0] != 0) << int(c.c);
        EXPECT_EQ(lead, semi ? c.semiVoiced[0] : c.plain[0]) << int(c.c);
        EXPECT_EQ(trail, semi ? c.semiVoiced[1] : c.plain[1]) << int(c.c);
    }
}

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
