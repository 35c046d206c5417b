#include "compose/BodyFont.h"

#include <gtest/gtest.h>

#include "compose/AboutText.h"
#include "config/tests/FakeSettingsBackend.h"

namespace velmar {
namespace {

TEST(BodyFontKindOf, FontCodes) {
    struct Case {
        const char* name;
        int code;
        BodyFontKind want;
    } cases[] = {
        {"system", 0, BodyFontKind::System},
        {"fixed system", 1, BodyFontKind::SystemFixed},
        {"variable ANSI", 2, BodyFontKind::AnsiVariable},
        {"fixed ANSI", 3, BodyFontKind::AnsiFixed},
        {"custom", 4, BodyFontKind::Custom},
        {"7 is like 3", 7, BodyFontKind::AnsiFixed},
        {"5 is like 3", 5, BodyFontKind::AnsiFixed},
        {"negative is like 3", -1, BodyFontKind::AnsiFixed},
    };
    for (const auto& c : cases) EXPECT_EQ(BodyFontKindOf(c.code), c.want) << c.name;
}

class BodyFontSettings : public ::testing::Test {
protected:
    std::string UserKey() const { return ConfigKeyPath("alice", config.domain.Name()); }
    testing::FakeSettingsBackend backend;
    AppConfig config;
    SettingsStore settings{backend, config, true};
};

TEST_F(BodyFontSettings, StoredValuesDescribeTheCustomFont) {
    backend.SetDword(UserKey(), "FONT", 4);
    backend.SetDword(UserKey(), "FHEIGHT", static_cast<std::uint32_t>(-16));
    backend.SetDword(UserKey(), "FWEIGHT", 700);
    backend.SetDword(UserKey(), "FPITCH", 0x122);  // one byte is kept
    backend.SetString(UserKey(), "FNAME", "Lucida Console");
    EXPECT_EQ(ReadFontChoice(settings, "alice"), 4);
    const CustomFontSettings want{-16, 0, 700, 0x22, "Lucida Console"};
    EXPECT_EQ(ReadCustomFont(settings, "alice"), want);
}

TEST(FormattingWidth, WrapColumnTimesCharacterWidthWhenNarrower) {
    struct Case {
        const char* name;
        int client;
        bool wrap;
        int column;
        int charWidth;
        int want;
    } cases[] = {
        {"72 columns of 7 pixels", 800, true, 72, 7, 504},
        {"client narrower", 400, true, 72, 7, 400},
        {"wrapping off", 800, false, 72, 7, 800},
        {"no wrap column", 800, true, 0, 7, 800},
        {"unmeasured font", 800, true, 72, 0, 800},
        {"huge column", 800, true, 0x7fffffff, 9, 800},
    };
    for (const auto& c : cases) EXPECT_EQ(FormattingWidth(c.client, c.wrap, c.column, c.charWidth), c.want) << c.name;
}

TEST(CentredOffset, HalfTheSpareSpaceOrNone) {
    EXPECT_EQ(CentredOffset(60, 40), 10);
    EXPECT_EQ(CentredOffset(61, 40), 10);
    EXPECT_EQ(CentredOffset(40, 60), 0);
}

}  // namespace
}  // namespace velmar
