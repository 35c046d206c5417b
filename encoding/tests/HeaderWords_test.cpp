#include "encoding/HeaderWords.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace velmar {
namespace {

std::string Repeat(const std::string& piece, int times) { return times ? piece + Repeat(piece, times - 1) : ""; }

const std::string kGerman = "Gr\xFC\xDF" "e aus K\xF6ln";

// textAfter: the text as left (only code page 932 changes it).
struct SingleWordCase { const char* name; bool whole; std::string text; std::size_t capacity; unsigned codePage;
                        std::string want; std::optional<std::string> textAfter = std::nullopt; };

TEST(SingleWordEncoders, DocumentedResults) {
    const std::string e9Word = "=?ISO-8859-1?Q?" + Repeat("=E9", 18) + "?=";
    const SingleWordCase cases[] = {
        {"German after ASCII", false, kGerman, 4095, 1252, "Gr=?ISO-8859-1?Q?=FC=DFe_aus_K=F6?=ln\r\n"},
        {"German whole", true, kGerman, 4095, 1252, "=?ISO-8859-1?Q?Gr=FC=DFe_aus_K=F6?=ln\r\n"},
        {"7-bit gets CR LF", true, "plain", 4095, 1252, "plain\r\n"},
        {"7-bit ending in CR gets LF", true, "plain\r", 4095, 1252, "plain\r\n"},
        {"7-bit ending in LF stays", false, "plain\n", 4095, 1252, "plain\n"},
        {"unlisted page after ASCII", false, kGerman, 4095, 437, kGerman},
        {"unlisted page whole", true, kGerman, 4095, 1258, kGerman},
        {"ASCII second half stays plain", false, "\xE9\xE9 and an ASCII tail", 4095, 1250,
         "=?ISO-8859-2?Q?=E9=E9?= and an ASCII tail\r\n"},
        // One word holds 18 escapes; the rest follows in further words instead of being lost.
        {"100 bytes 0xE9", false, std::string(100, '\xE9'), 4095, 1252,
         e9Word + " " + e9Word + " " + e9Word + " " + e9Word + " " + e9Word + " =?ISO-8859-1?Q?" +
             Repeat("=E9", 10) + "?=\r\n"},
        {"100 bytes 0xE9 in a small area", false, std::string(100, '\xE9'), 75, 1252,
         "=?ISO-8859-1?Q?" + Repeat("=E9", 16) + "?=\r\n"},
        {"line end inside 8-bit text is kept", false, "\xE9\r\n\xE9", 4095, 1252,
         "=?ISO-8859-1?Q?=E9?= =?ISO-8859-1?Q?=0D=0A=E9?=\r\n"},
        {"UTF-8 character not split", true, "ab" + Repeat("\xC3\xA9", 20), 4095, 65001,
         "=?UTF-8?Q?ab" + Repeat("=C3=A9", 8) + "?= =?UTF-8?Q?" + Repeat("=C3=A9", 9) + "?= =?UTF-8?Q?" +
             Repeat("=C3=A9", 3) + "?=\r\n"},
        {"en dash of 1252 names windows-1252", false, "10 \x96 12 caf\xE9", 4095, 1252,
         "10 =?windows-1252?Q?=96_12_caf=E9?=\r\n"},
        {"tiny area", true, kGerman, 2, 1252, ""}, {"ASCII cut to the area", true, "abcdefgh", 6, 1252, "abc\r\n"},
        {"Japanese text converted in place and folded", false, "Re: " + Repeat("\x82\xA0", 30), 4095, 932,
         "Re: =?ISO-2022-JP?Q?=1B$B" + Repeat("$=22", 10) + "=1B=28B?=\r\n =?ISO-2022-JP?Q?=1B$B" +
             Repeat("$=22", 10) + "=1B=28B?=\r\n =?ISO-2022-JP?Q?=1B$B" + Repeat("$=22", 10) +
             "=1B=28B?=\r\n =?ISO-2022-JP?Q?=1B$B=1B=28B?=\r\n",
         "Re: \x1B$B" + Repeat("\x24\x22", 30) + "\x1B(B"},
        {"Japanese lead byte at the end", false, "abc\x82", 4095, 932, "abc=?ISO-2022-JP?Q?=82?=\r\n"},
        {"EUC text, decided by the 0xF0", true, "\xB0\xA1\xF0\xA1", 4095, 932,
         "=?ISO-2022-JP?Q?=1B$B0!p!=1B=28B?=\r\n", "\x1B$B\x30\x21\x70\x21\x1B(B"},
    };
    for (const auto& c : cases) {
        std::string text = c.text;
        const std::string got = (c.whole ? EncodeWordWhole : EncodeWordAfterAscii)(text, c.capacity, c.codePage);
        EXPECT_EQ(got + "|" + text, c.want + "|" + c.textAfter.value_or(c.text)) << c.name;
    }
}

TEST(SingleWordEncoders, ConvertedTextStaysWithinItsArea) {
    std::string text = Repeat("\x82\xA0", 1000);
    (void)EncodeWordWhole(text, 4095, 932);
    EXPECT_TRUE(text.size() <= 1023u && text.ends_with("\x1B(B")) << text.size();
}

TEST(QEncodeChunk, StopsWhereTheDocumentedRulesSay) {
    const struct { const char* name; std::string text; std::size_t limit; std::string want;
                   std::size_t stop; } cases[] = {
        {"plain tail left to the caller", "\xE9 a", 100, "=E9", 1},
        {"space as underscore", "\xE9 a\xE9", 100, "=E9_a=E9", 4},
        {"line end stops", "\xE9\r\n\xE9", 100, "=E9", 1},
        {"closing escape ends the word", "\x1B$B\x24\x22\x1B(Bxyz", 100, "=1B$B$=22=1B=28B", 8},
        {"55 characters at most", std::string(30, '\xE9'), 4000, Repeat("=E9", 18), 18},
        {"limit", std::string(30, '\xE9'), 20, Repeat("=E9", 6), 6}, {"tiny limit", std::string(30, '\xE9'), 1, "", 0}};
    for (const auto& c : cases) {
        std::string out;
        EXPECT_EQ(std::pair(QEncodeChunk(c.text, out, c.limit), out), std::pair(c.stop, c.want)) << c.name;
    }
}

TEST(QEncodeFolded, SpacesLeadPairsAndFolds) {
    const struct { const char* name; std::string text; std::size_t capacity; unsigned codePage;
                   std::string want; } cases[] = {
        {"space as =20", "a b\xE9", 4096, 1250, "=?ISO-8859-2?Q?a=20b=E9?="},
        {"fold after 72", std::string(100, 'x'), 4096, 1250,
         "=?ISO-8859-2?Q?" + std::string(57, 'x') + "?=\r\n =?ISO-8859-2?Q?" + std::string(43, 'x') + "?="},
        {"lead pair moves whole to the next word", std::string(54, 'x') + Repeat("\xB0\xA1", 3), 4096, 936,
         "=?ISO-8859-2?Q?" + std::string(54, 'x') + "?=\r\n =?ISO-8859-2?Q?=B0=A1=B0=A1=B0=A1?="},
        {"single-byte page splits the same bytes", std::string(54, 'x') + "\xB0\xA1", 4096, 1250,
         "=?ISO-8859-2?Q?" + std::string(54, 'x') + "=B0?=\r\n =?ISO-8859-2?Q?=A1?="},
        {"lone lead byte at the end", "a\xB0", 4096, 936, "=?ISO-8859-2?Q?a=B0?="},
        {"line end escaped", "\xE9\r\nb", 4096, 1250, "=?ISO-8859-2?Q?=E9=0D=0Ab?="},
        {"area smaller than the opening", "\xE9", 16, 1250, "\r\n"},
        {"area for the opening only", "\xE9", 18, 1250, "=?ISO-8859-2?Q?" "?="}};
    for (const auto& c : cases) EXPECT_EQ(QEncodeFolded(c.text, c.capacity, "ISO-8859-2", c.codePage), c.want) << c.name;
}

TEST(FoldAtBlanks, NoLineOverTheLimit) {
    const struct { const char* name; std::string line; std::size_t limit; std::string want; } cases[] = {
        {"fits", "Subject: a b", 12, "Subject: a b"},
        {"last blank within the limit", "Subject: aa bb cc", 12, "Subject: aa\n bb cc"},
        {"several folds", "S: aaa bbb ccc ddd", 7, "S: aaa\n bbb\n ccc\n ddd"},
        {"a word too long for a line", "S: " + std::string(20, 'x'), 10, ""},
        {"1000 characters at 998", "S: " + std::string(990, 'x') + " yyyyyy", 998,
         "S: " + std::string(990, 'x') + "\n yyyyyy"}};
    for (const auto& c : cases) EXPECT_EQ(FoldAtBlanks(c.line, c.limit), c.want) << c.name;
}

// Every word starts and ends in ASCII mode: a fold inside a two-byte run closes and
// reopens it; ASCII folds after 59 characters.
TEST(QEncodeFoldedJis, FoldsAndSmallAreas) {
    const struct { const char* name; std::string text; std::size_t capacity; std::string want; } cases[] = {
        {"fold inside a run", "\x1B$B" + Repeat("\x24\x22", 12) + "\x1B(Bok", 4096,
         "=?ISO-2022-JP?Q?=1B$B" + Repeat("$=22", 10) + "=1B=28B?=\r\n =?ISO-2022-JP?Q?=1B$B" + Repeat("$=22", 2) +
             "=1B=28Bok?="},
        {"fold inside a 1978 run", "\x1B$@" + Repeat("\x24\x22", 12), 4096,
         "=?ISO-2022-JP?Q?=1B$=40" + Repeat("$=22", 9) + "=1B=28B?=\r\n =?ISO-2022-JP?Q?=1B$@" + Repeat("$=22", 3) +
             "=1B=28B?="},
        {"ASCII folds at 59", std::string(50, 'x'), 4096,
         "=?ISO-2022-JP?Q?" + std::string(43, 'x') + "?=\r\n =?ISO-2022-JP?Q?" + std::string(7, 'x') + "?="},
        {"area smaller than the opening", "x", 17, "\r\n"}};
    for (const auto& c : cases) EXPECT_EQ(QEncodeFoldedJis(c.text, c.capacity, "ISO-2022-JP", 932), c.want) << c.name;
    // Stopping inside a run still returns to ASCII before the word ends.
    const std::string got = QEncodeFoldedJis("\x1B$B" + Repeat("\x24\x22", 20), 40, "ISO-2022-JP", 932);
    EXPECT_TRUE(got.size() <= 39u && got.ends_with("=1B=28B?=")) << got;
}

}  // namespace
}  // namespace velmar
