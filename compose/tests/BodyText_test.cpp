#include "compose/BodyText.h"

#include <gtest/gtest.h>

#include <string>

namespace velmar {
namespace {

using namespace std::string_literals;

TEST(PlanInclude, FilesOverTheLimitAreCutAndAskedAbout) {
    const struct { const char* name; std::uint64_t size; std::size_t bytes; bool tooLong; } cases[] = {
        {"exactly the limit", 60000, 60000, false}, {"one byte over", 60001, 60000, true},
        {"beyond 32 bits", 5'000'000'000ull, 60000, true}};
    for (const auto& c : cases)
        EXPECT_EQ(std::pair(PlanInclude(c.size).bytesToLoad, PlanInclude(c.size).tooLong),
                  std::pair(c.bytes, c.tooLong)) << c.name;
}

TEST(TextForEditControl, LineEndsBecomeCrLfAndNothingEndsTheTextEarly) {
    const struct { const char* name; std::string in, want; } cases[] = {
        {"CR LF kept", "a\r\nb\r\n", "a\r\nb\r\n"}, {"lone LF", "a\nb\n", "a\r\nb\r\n"}, {"lone CR", "a\rb", "a\r\nb"},
        {"CR CR LF", "a\r\r\nb", "a\r\n\r\nb"}, {"LF CR is two breaks", "a\n\rb", "a\r\n\r\nb"},
        {"NUL inside", "a\0b"s, "a b"},
        {"end-of-file mark at the end", "a\r\n\x1a", "a\r\n"},
        {"end-of-file mark inside kept", "a\x1a" "b", "a\x1a" "b"},
        {"8-bit bytes kept", "\xe4\xf6\xfc", "\xe4\xf6\xfc"}, {"cut between CR and LF", "a\r", "a\r\n"},
        {"empty", "", ""}};
    for (const auto& c : cases) EXPECT_EQ(TextForEditControl(c.in), c.want) << c.name;
}

// No byte ends a body file early; the shared file name holds 159 characters.
TEST(BodyFileText, NoByteEndsTheBodyFileEarly) {
    EXPECT_EQ(BodyFileText("a\x1a" "b\r\n\x1a\x1a") + "|" + BodyFileText("caf\xe9\r\n"), "a b\r\n  |caf\xe9\r\n");
    EXPECT_TRUE(FitsFileName(std::string(159, 'a')) && !FitsFileName(std::string(160, 'a')));
}

}  // namespace
}  // namespace velmar
