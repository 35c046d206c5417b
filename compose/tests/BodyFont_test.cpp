#include "compose/BodyFont.h"

#include <gtest/gtest.h>

#include "compose/AboutText.h"
#include "config/tests/FakeSettingsBackend.h"

namespace velmar {
namespace {

TEST(BodyFontKindOf, FontCodes) {
    struct Case { const char* name; int code; BodyFontKind want; } cases[] = {
        {"system", 0, BodyFontKind::System}, {"fixed system", 1, BodyFontKind::SystemFixed},
        {"variable ANSI", 2, BodyFontKind::AnsiVariable}, {"fixed ANSI", 3, BodyFontKind::AnsiFixed},
        {"custom", 4, BodyFontKind::Custom}, {"negative is like 3", -1, BodyFontKind::AnsiFixed},
    };
    for (const auto& c : cases) EXPECT_EQ(BodyFontKindOf(c.code), c.want) << c.name;
}

TEST(BodyFontSettings, StoredValuesDescribeTheCustomFont) {
    testing::FakeSettingsBackend backend;
    AppConfig config;
    SettingsStore settings{backend, config, true};
    const std::string key = ConfigKeyPath("alice", config.domain.Name());  // FPITCH keeps one byte
    backend.Apply({{key, "FONT", "#4"}, {key, "FHEIGHT", "#-16"}, {key, "FWEIGHT", "#700"}, {key, "FPITCH", "#0x122"},
                   {key, "FNAME", "Lucida Console"}});
    EXPECT_EQ(ReadFontChoice(settings, "alice"), 4);
    EXPECT_EQ(ReadCustomFont(settings, "alice"), (CustomFontSettings{-16, 0, 700, 0x22, "Lucida Console"}));
}

TEST(FormattingWidth, WrapColumnTimesCharacterWidthWhenNarrower) {
    struct Case { const char* name; int client; bool wrap; int column; int charWidth; int want; } cases[] = {
        {"72 columns of 7 pixels", 800, true, 72, 7, 504}, {"client narrower", 400, true, 72, 7, 400},
        {"wrapping off", 800, false, 72, 7, 800}, {"no wrap column", 800, true, 0, 7, 800},
        {"unmeasured font", 800, true, 72, 0, 800}, {"huge column", 800, true, 0x7fffffff, 9, 800},
    };
    for (const auto& c : cases) EXPECT_EQ(FormattingWidth(c.client, c.wrap, c.column, c.charWidth), c.want) << c.name;
}

TEST(CentredOffset, HalfTheSpareSpaceOrNone) {
    EXPECT_EQ(std::tuple(CentredOffset(60, 40), CentredOffset(61, 40), CentredOffset(40, 60)), std::tuple(10, 10, 0));
}

}  // namespace
}  // namespace velmar
