#include "compose/WrapWriter.h"

#include <gtest/gtest.h>

namespace velmar {
namespace {

std::string Repeat(char c, std::size_t n) { return std::string(n, c); }

TEST(WrapBodyText, Cases) {
    const std::string a72 = Repeat('a', 72);
    std::string zhe30, line = "word", words, wrapped;  // 70000 characters of words, 1000 lines of 14
    for (int i = 0; i < 30; ++i) zhe30 += "\xD0\x96";
    for (int i = 1; i < 14; ++i) line += " word";
    for (int i = 0; i < 1000; ++i) words += line + " ", wrapped += line + (i < 999 ? "\r\n" : " \r\n");
    const struct { const char* name; std::string in; bool wrap; std::string want; std::size_t sendWrap = 72;
                   bool utf8 = false; } cases[] = {
        {"no wrap keeps every byte", Repeat('x', 200) + "\n\r\n", false, Repeat('x', 200) + "\n\r\n\r\n"},
        {"72 characters unchanged", a72 + "\r\nb\r\n", true, a72 + "\r\nb\r\n\r\n"},
        {"73 characters cut at the last blank", Repeat('a', 60) + " " + Repeat('b', 12) + "\r\n", true,
         Repeat('a', 60) + "\r\n" + Repeat('b', 12) + "\r\n\r\n"},
        {"blanks after the cut dropped, those before kept", Repeat('a', 50) + " \t  " + Repeat('b', 30) + "\r\n", true,
         Repeat('a', 50) + " \t \r\n" + Repeat('b', 30) + "\r\n\r\n"},
        {"blank-less 200 cut at 72 and 144", Repeat('c', 200) + "\r\n", true,
         Repeat('c', 72) + "\r\n" + Repeat('c', 72) + "\r\n" + Repeat('c', 56) + "\r\n\r\n"},
        {"column 0 is no cut point", std::string(" ").append(99, 'd'), true,
         std::string(" ").append(71, 'd').append("\r\n").append(28, 'd').append("\r\n")},
        {"blank line after a cut line kept", a72 + "  \r\n\r\nnext\r\n", true, a72 + "\r\n\r\nnext\r\n\r\n"},
        {"long line within the wrap column", Repeat('e', 75) + "\n", true, Repeat('e', 75) + "\n\r\n", 80},
        {"empty body", "", true, "\r\n"}, {"70000 characters wrapped whole", words, true, wrapped},
        {"UTF-8 columns count characters: 61 of them in 91 bytes", Repeat('a', 30) + " " + zhe30 + "\r\n", true,
         Repeat('a', 30) + " " + zhe30 + "\r\n\r\n", 72, true},
        {"UTF-8 cut never inside a character", Repeat('b', 71) + "\xF0\x9F\x98\x80" + Repeat('c', 5), true,
         Repeat('b', 71) + "\r\n\xF0\x9F\x98\x80" + Repeat('c', 5) + "\r\n", 72, true},
    };
    for (const auto& c : cases) EXPECT_EQ(WrapBodyText(c.in, c.wrap, c.sendWrap, c.utf8), c.want) << c.name;
}

}  // namespace
}  // namespace velmar
