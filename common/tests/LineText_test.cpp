#include "common/LineText.h"

#include <gtest/gtest.h>

namespace velmar {
namespace {

TEST(LineText, RemoveCarriageReturnsAndTrimLineEnds) {
    const struct { const char* name; std::string text, removed; bool anyRemoved; std::string trimmed;
                   bool anyTrimmed; } cases[] = {
        {"empty", "", "", false, "", false}, {"no line end", "abc", "abc", false, "abc", false},
        {"CR everywhere", "\ra\r\nb\r", "a\nb", true, "\ra\r\nb", true},
        {"only line ends", "\r\n\n\r", "\n\n", true, "", true},
        {"LF inside stays", "a\nb\n", "a\nb\n", false, "a\nb", true},
    };
    for (const auto& c : cases) {
        std::string a = c.text, b = c.text;
        EXPECT_EQ(std::tuple(RemoveCarriageReturns(a), a, TrimLineEnds(b), b),
                  std::tuple(c.anyRemoved, c.removed, c.anyTrimmed, c.trimmed)) << c.name;
    }
}

TEST(SplitFileLines, CrLfLfAndLoneCrEndLines) {
    // want: each line as "text|end;"
    const struct { const char* name; std::string bytes, want; } cases[] = {
        {"empty", "", ""}, {"CR LF", "a\r\nb\r\n", "a|\r\n;b|\r\n;"}, {"LF only", "a\nb", "a|\n;b|;"},
        {"CR only", "a\rb\r", "a|\r;b|\r;"},
        {"mixed, empty lines", "a\r\rb\n\r\n", "a|\r;|\r;b|\n;|\r\n;"}, {"LF CR is two ends", "a\n\rb", "a|\n;|\r;b|;"},
    };
    for (const auto& c : cases) {
        std::string got;
        for (const FileLine& line : SplitFileLines(c.bytes)) got.append(line.text).append("|").append(line.end) += ';';
        EXPECT_EQ(got, c.want) << c.name;
    }
}

}  // namespace
}  // namespace velmar
