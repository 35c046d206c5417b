#include "compose/WindowTexts.h"

#include <gtest/gtest.h>

#include <string>

namespace velmar {
namespace {

TEST(FilterList, BarsBecomeNulsAndTheListEndsAtTheDoubleBar) {
    using namespace std::string_literals;
    struct Case { const char* name; std::string in; std::string want; } cases[] = {
        {"text filter", "Text Files(*.txt)|*.txt|All Files(*.*)|*.*||", "Text Files(*.txt)\0*.txt\0All Files(*.*)\0*.*\0\0"s},
        {"stray quote after the end", "A|*.a||\"", "A\0*.a\0\0"s}, {"no closing bars", "A|*.a", "A\0*.a\0\0"s},
        {"empty", "", "\0\0"s},
    };
    for (const auto& c : cases) EXPECT_EQ(FilterList(c.in), c.want) << c.name;
}

}  // namespace
}  // namespace velmar
