#include "encoding/Charset.h"

#include <gtest/gtest.h>

#include <string>

namespace velmar {
namespace {

TEST(CharsetForCodePage, TableRowsAndUnlistedPages) {
    struct Case {
        unsigned codePage;
        const char* want;
    } cases[] = {
        {1252, "ISO-8859-1"}, {874, "ISO-8859-1"}, {936, "ISO-8859-1"}, {949, "ISO-8859-1"},
        {950, "ISO-8859-1"},  {1361, "ISO-8859-1"}, {1250, "ISO-8859-2"}, {1251, "ISO-8859-5"},
        {1253, "ISO-8859-7"}, {1254, "ISO-8859-9"}, {1255, "ISO-8859-8"}, {1256, "ISO-8859-6"},
        {1257, "ISO-8859-4"}, {932, "ISO-2022-JP"}, {65001, "UTF-8"},    {1258, "us-ascii"},
        {437, "us-ascii"},    {0, "us-ascii"},
    };
    for (const auto& c : cases) EXPECT_EQ(std::string(CharsetForCodePage(c.codePage)), c.want) << c.codePage;
    EXPECT_EQ(HeaderCharsetForCodePage(437), nullptr);
    EXPECT_EQ(HeaderCharsetForCodePage(1258), nullptr);
}

TEST(IsLeadByte, RangesOfTheDoubleBytePages) {
    struct Case {
        unsigned codePage;
        unsigned char c;
        bool want;
    } cases[] = {
        {932, 0x80, false}, {932, 0x81, true}, {932, 0x9F, true}, {932, 0xA0, false}, {932, 0xDF, false},
        {932, 0xE0, true},  {932, 0xFC, true}, {932, 0xFD, false}, {932, 0x41, false},
        {936, 0x80, false}, {936, 0x81, true}, {936, 0xFE, true}, {936, 0xFF, false},
        {949, 0x81, true},  {949, 0xFE, true}, {949, 0xFF, false}, {950, 0x81, true}, {950, 0xA1, true},
        {950, 0xFF, false}, {1252, 0x81, false}, {1252, 0xE0, false}, {65001, 0xE3, false},
    };
    for (const auto& c : cases) EXPECT_EQ(IsLeadByte(c.codePage, c.c), c.want) << c.codePage << " " << int(c.c);
}

}  // namespace
}  // namespace velmar
