#include "compose/WindowTexts.h"

#include <gtest/gtest.h>

#include <string>

#include "compose/DiagnosticTexts.h"
#include "compose/WindowPlacement.h"

namespace velmar {
namespace {

TEST(FilterList, BarsBecomeNulsAndTheListEndsAtTheDoubleBar) {
    using namespace std::string_literals;
    struct Case { const char* name; std::string in; std::string want; } cases[] = {
        {"text filter", "Text Files(*.txt)|*.txt|All Files(*.*)|*.*||",
         "Text Files(*.txt)\0*.txt\0All Files(*.*)\0*.*\0\0"s},
        {"stray quote after the end", "A|*.a||\"", "A\0*.a\0\0"s}, {"no closing bars", "A|*.a", "A\0*.a\0\0"s},
        {"empty", "", "\0\0"s},
    };
    for (const auto& c : cases) EXPECT_EQ(FilterList(c.in), c.want) << c.name;
}

TEST(PlacementText, WritesFourUnsignedNumbers) {
    EXPECT_EQ(PlacementText(-8, -1, 1040, 784), "4294967288,4294967295,1040,784") << "past the left and top edges";
}

TEST(DiagnosticCaptions, NameTheReplyPathAndTheUser) {
    EXPECT_EQ(ReplyNameCaption("C:\\RPL1.txt") + "|" + ReplyNameCaption("") + "|" + UserIdCaption("root"),
              "Reply Name 11 C|Reply Name 0 |UserID root");
}

}  // namespace
}  // namespace velmar
