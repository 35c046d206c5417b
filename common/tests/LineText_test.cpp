#include "common/LineText.h"

#include <gtest/gtest.h>

namespace velmar {
namespace {

TEST(LineText, RemoveCarriageReturnsAndTrimLineEnds) {
    struct Case {
        const char* name;
        std::string text;
        std::string removed;
        bool anyRemoved;
        std::string trimmed;
        bool anyTrimmed;
    } cases[] = {
        {"empty", "", "", false, "", false},
        {"no line end", "abc", "abc", false, "abc", false},
        {"CR everywhere", "\ra\r\nb\r", "a\nb", true, "\ra\r\nb", true},
        {"only line ends", "\r\n\n\r", "\n\n", true, "", true},
        {"LF inside stays", "a\nb\n", "a\nb\n", false, "a\nb", true},
    };
    for (const auto& c : cases) {
        std::string a = c.text;
        EXPECT_EQ(RemoveCarriageReturns(a), c.anyRemoved) << c.name;
        EXPECT_EQ(a, c.removed) << c.name;
        std::string b = c.text;
        EXPECT_EQ(TrimLineEnds(b), c.anyTrimmed) << c.name;
        EXPECT_EQ(b, c.trimmed) << c.name;
    }
}

}  // namespace
}  // namespace velmar
