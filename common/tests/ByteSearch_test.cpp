#include "common/ByteSearch.h"

#include <gtest/gtest.h>

#include <string>

namespace velmar {
namespace {

// Either byte found at each position around the 8- and 16-byte steps (the first if both are), never its high-bit twin.
TEST(FindEitherByte, FirstHitAtEveryPosition) {
    for (std::size_t size = 0; size <= 40; ++size) {
        const std::string plain(size, static_cast<char>('\n' | 0x80));
        EXPECT_EQ(FindEitherByte(plain, '\n', '\x1A'), std::string_view::npos) << size;
        for (std::size_t at = 0; at < size; ++at) {
            std::string text = plain;
            text[at] = '\x1A';
            if (at + 3 < size) text[at + 3] = '\n';
            EXPECT_EQ(FindEitherByte(text, '\n', '\x1A'), at) << size << " " << at;
            EXPECT_EQ(FindByte(text, '\n'), at + 3 < size ? at + 3 : std::string_view::npos) << size << " " << at;
        }
    }
}

}  // namespace
}  // namespace velmar
