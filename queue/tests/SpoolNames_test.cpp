#include "queue/SpoolNames.h"

#include <gtest/gtest.h>

namespace velmar {
namespace {

TEST(SpoolNames, LayoutOfTheNumberAndTheName) {
    const std::uint64_t number = SpoolNumber(0x12345678u, 0xDEADBEEFu, 0xABCD1234u);
    EXPECT_EQ(number, 0x5678DEADBEEF1234ull);
    EXPECT_EQ(MakeSpoolName("C:\\MAIL\\spool", 'Q', number), "C:\\MAIL\\spool\\Q5678deadbeef1234.GSC");
    EXPECT_EQ(MakeSpoolName("C:\\q", 'D', 0x1a), "C:\\q\\D000000000000001a.GSC");
}

TEST(SpoolNames, RetriesStepBackByGrowingMultiplesOfThree) {
    std::uint32_t tick = 100;
    for (auto [tries, want] : {std::pair{1000, 97u}, {999, 91u}, {998, 82u}})
        EXPECT_EQ(tick = NextSpoolTick(tick, tries), want) << tries;
    // Below zero the low 16 bits wrap.
    EXPECT_EQ(SpoolNumber(0, 0, NextSpoolTick(1, 1000)) & 0xFFFF, 0xFFFEu);
}

TEST(IsQueueFileName, OnlyQueueFileNames) {
    EXPECT_TRUE(IsQueueFileName("D0123456789abcdef.GSC"));
    EXPECT_TRUE(IsQueueFileName("q0123456789ABCDEF.gsc"));
    for (const char* other : {"D0123456789abcdef.GSCX", "X0123456789abcdef.GSC", "D0123456789abcdeg.GSC",
                              "D0123456789abcde.GSC", "tmp1234.tmp", ""})
        EXPECT_FALSE(IsQueueFileName(other)) << other;
}

}  // namespace
}  // namespace velmar
