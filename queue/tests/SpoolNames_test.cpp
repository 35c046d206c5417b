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
    tick = NextSpoolTick(tick, 1000);
    EXPECT_EQ(tick, 97u);
    tick = NextSpoolTick(tick, 999);
    EXPECT_EQ(tick, 91u);
    tick = NextSpoolTick(tick, 998);
    EXPECT_EQ(tick, 82u);
    // Below zero the low 16 bits wrap.
    EXPECT_EQ(SpoolNumber(0, 0, NextSpoolTick(1, 1000)) & 0xFFFF, 0xFFFEu);
}

}  // namespace
}  // namespace velmar
