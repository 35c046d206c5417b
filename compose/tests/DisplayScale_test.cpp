#include "compose/DisplayScale.h"

#include <gtest/gtest.h>

namespace velmar {
namespace {

TEST(DisplayScale, SizesAtEachScale) {
    const struct { const char* name; int value, dpi, want; } cases[] = {
        {"96 DPI keeps the size", 12, 96, 12}, {"150 %", 12, 144, 18},
        {"125 % rounds half up", 10, 120, 13},  // 12.5
        {"negative height stays negative", -11, 144, -17},  // -16.5
        {"175 %", -11, 168, -19},  // -19.25
    };
    for (const auto& c : cases) EXPECT_EQ(ScaleForDpi(c.value, c.dpi), c.want) << c.name;
    EXPECT_EQ(std::pair(ScaleBetweenDpi(24, 144, 192), ScaleBetweenDpi(24, 144, 144)), std::pair(32, 24));  // from 144
}

TEST(DisplayScale, ToolbarImagesByDpi) {
    const struct { int dpi, want; } cases[] = {{96, 16}, {143, 16}, {144, 24}, {191, 24}, {192, 32}, {288, 32}};
    for (const auto& c : cases) EXPECT_EQ(ToolbarImageSizeFor(c.dpi), c.want) << c.dpi;
}

TEST(DisplayScale, BaseUnitsOfAFont) {
    const struct { const char* name; int lettersWidth, height; BaseUnits want; } cases[] = {
        {"16-pixel system font, 52 letters of 7 px", 364, 16, {7, 16}}, {"average 6.5 rounds up", 338, 13, {7, 13}},
        {"average 6.4 rounds down", 333, 13, {6, 13}}, {"150 %: 11 px letters", 572, 24, {11, 24}}};
    for (const auto& c : cases) EXPECT_EQ(BaseUnitsOfFont(c.lettersWidth, c.height), c.want) << c.name;
}

}  // namespace
}  // namespace velmar
