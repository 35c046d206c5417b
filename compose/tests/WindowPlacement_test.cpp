#include <gtest/gtest.h>

#include "compose/DiagnosticTexts.h"
#include "compose/WindowPlacement.h"

namespace velmar {
namespace {

TEST(PlacementText, WritesFourUnsignedNumbers) {
    struct Case { const char* name; int left, top, width, height; const char* want; };
    const Case cases[] = {
        {"on screen", 10, 20, 640, 480, "10,20,640,480"},
        {"past the left and top edges", -8, -1, 1040, 784, "4294967288,4294967295,1040,784"},
    };
    for (const Case& c : cases) EXPECT_EQ(PlacementText(c.left, c.top, c.width, c.height), c.want) << c.name;
}

TEST(DiagnosticCaptions, NameTheReplyPathAndTheUser) {
    EXPECT_EQ(ReplyNameCaption("C:\\RPL1.txt"), "Reply Name 11 C");
    EXPECT_EQ(ReplyNameCaption(""), "Reply Name 0 ");
    EXPECT_EQ(UserIdCaption("root"), "UserID root");
}

}  // namespace
}  // namespace velmar
