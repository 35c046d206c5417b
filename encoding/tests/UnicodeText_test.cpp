#include "encoding/UnicodeText.h"

#include <gtest/gtest.h>

#include "encoding/Charset.h"

namespace velmar {
namespace {

TEST(ByteOrderMarks, DecideHowAFileIsRead) {
    const struct { const char* name; std::string bytes; TextBom want; std::string wantText; } cases[] = {
        {"ANSI file", "Gr\xFC\xDF" "e", TextBom::None, "Gr\xFC\xDF" "e"}, {"empty file", "", TextBom::None, ""},
        {"UTF-8 mark", "\xEF\xBB\xBF\xD0\x9F\xD1\x80", TextBom::Utf8, "\xD0\x9F\xD1\x80"},
        {"half a UTF-8 mark is ANSI", "\xEF\xBB" "x", TextBom::None, "\xEF\xBB" "x"},
        {"UTF-16 LE with a pair and an odd byte", std::string("\xFF\xFE\x1F\x04\x3D\xD8\x00\xDE" "A", 9),
         TextBom::Utf16Le, "\xD0\x9F\xF0\x9F\x98\x80"},
        {"UTF-16 LE lone surrogate", std::string("\xFF\xFE\x3D\xD8" "A\0", 6), TextBom::Utf16Le, "\xEF\xBF\xBD" "A"},
        {"UTF-16 BE mark is not read as UTF-16", "\xFE\xFF\x04\x1F", TextBom::None, "\xFE\xFF\x04\x1F"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(std::pair(DetectBom(c.bytes), Utf8OfMarkedFile(c.bytes)), std::pair(c.want, c.wantText)) << c.name;
}

TEST(Utf8Text, ConvertsBothWaysAndReplacesWhatIsBroken) {
    const struct { const char* name; std::string utf8; std::u16string utf16; bool valid; } cases[] = {
        {"Polish", "Za\xC5\xBC\xC3\xB3\xC5\x82\xC4\x87", u"Zażółć", true},
        {"CJK and an emoji outside the BMP", "\xE4\xBC\x9A\xF0\x9F\x98\x80", u"会😀", true},
        {"cut sequence", "a\xE4\xBC", u"a\uFFFD\uFFFD", false}, {"overlong slash", "\xC0\xAF", u"\uFFFD\uFFFD", false},
        {"encoded surrogate", "\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD", false},
        {"Latin-1 byte", "K\xF6ln", u"K\uFFFDln", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(std::pair(Utf8ToUtf16(c.utf8), IsValidUtf8(c.utf8)), std::pair(c.utf16, c.valid)) << c.name;
        EXPECT_EQ(c.valid ? Utf16ToUtf8(c.utf16) : c.utf8, c.utf8) << c.name;
    }
}

TEST(CharsetLabels, NameTheBytesUsed) {
    const struct { const char* name; unsigned codePage; std::string text; const char* want; } cases[] = {
        {"Latin-1 text keeps ISO-8859-1", 1252, "caf\xE9", "ISO-8859-1"},
        {"en dash is windows-1252", 1252, "10 \x96 12", "windows-1252"},
        {"ASCII keeps the page's label", 1252, "plain", "ISO-8859-1"},
        {"Turkish letters keep ISO-8859-9", 1254, "\xD0\xFD", "ISO-8859-9"},
        {"Cyrillic of 1251 is windows-1251", 1251, "\xCF\xF0\xE8", "windows-1251"},
        {"no-break space of 1251 keeps ISO-8859-5", 1251, "\xA0", "ISO-8859-5"},
        {"Central European letter shared with ISO-8859-2", 1250, "\xE8", "ISO-8859-2"},
        {"1250 S caron is windows-1250", 1250, "\x8A", "windows-1250"},
        {"Japanese is not in the table", 932, "\x82\xA0", "ISO-2022-JP"},
        {"UTF-8 is not in the table", 65001, "\xC3\xA9", "UTF-8"},
        {"a double-byte page other than 932 is sent as Latin-1", 936, "\xB0\xA1", "ISO-8859-1"},
        {"an unlisted page is us-ascii", 437, "\x96", "us-ascii"},
    };
    for (const auto& c : cases) EXPECT_STREQ(CharsetForText(c.codePage, c.text), c.want) << c.name;
    EXPECT_EQ(HeaderCharsetForText(437, "\x96"), nullptr);
}

}  // namespace
}  // namespace velmar
