// Base64 and uuencode, the two transfer encodings of attachments.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "common/ByteStream.h"
#include "encoding/Base64.h"
#include "encoding/Uuencode.h"

namespace velmar {
namespace {

std::string Group(int (*encode)(const unsigned char*, char*, int), std::string_view bytes, int* result = nullptr) {
    char out[5] = {'x', 'x', 'x', 'x', 'x'};
    const int r = encode(reinterpret_cast<const unsigned char*>(bytes.data()), out, static_cast<int>(bytes.size()));
    if (result != nullptr) *result = r;
    return out;
}

TEST(Base64Group, FullAndShortGroups) {
    struct Case {
        const char* name;
        std::string bytes;
        const char* want;
    } cases[] = {
        {"three bytes", "Man", "TWFu"},     {"two bytes", "Ma", "TWE="},
        {"one byte", "M", "TQ=="},          {"high bits", "\xFF\xFF\xFF", "////"},
        {"zero bytes", std::string(3, '\0'), "AAAA"}, {"nothing left", "", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(Group(Base64Group, c.bytes), c.want) << c.name;
    int r = 0;
    Group(Base64Group, "abcdef", &r);  // only three are used; count - 3 is returned
    EXPECT_EQ(r, 3);
}

TEST(UuencodeGroup, FullAndShortGroups) {
    struct Case {
        const char* name;
        std::string bytes;
        const char* want;
    } cases[] = {
        {"three bytes", "Cat", "0V%T"},
        {"zero values are backquotes", std::string(3, '\0'), "````"},
        {"one byte gives two characters", "a", "80"},
        {"two bytes give three", "ab", "86("},
        {"nothing left", "", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(Group(UuencodeGroup, c.bytes), c.want) << c.name;
    int r = 0;
    Group(UuencodeGroup, "a", &r);
    EXPECT_EQ(r, -2);
}

std::string Encode(bool (*stream)(ByteSource&, ByteSink&, const std::function<void()>&), std::string_view data,
                   std::size_t chunk = static_cast<std::size_t>(-1)) {
    MemorySource in(data, chunk);
    StringSink out;
    EXPECT_TRUE(stream(in, out, {}));
    return out.text;
}

TEST(Base64EncodeStream, LineLengths) {
    EXPECT_EQ(Encode(Base64EncodeStream, ""), "");
    const std::string out55 = Encode(Base64EncodeStream, std::string(55, 'x'));
    ASSERT_EQ(out55.size(), 72u + 1 + 4 + 1);
    EXPECT_EQ(out55.find('\n'), 72u);
    EXPECT_TRUE(out55.ends_with("eA==\n"));
    const std::string out108 = Encode(Base64EncodeStream, std::string(108, 'x'));
    EXPECT_EQ(out108.size(), 2 * 73u);  // two full lines, no empty line after them
}

TEST(UuencodeStream, LineLengthsAndTheClosingLine) {
    EXPECT_EQ(Encode(UuencodeStream, ""), "`\n");
    EXPECT_EQ(Encode(UuencodeStream, "a"), "!80\n`\n");
    const std::string out45 = Encode(UuencodeStream, std::string(45, 'x'));
    ASSERT_EQ(out45.size(), 61u + 1 + 2);
    EXPECT_EQ(out45[0], 'M');
    EXPECT_EQ(out45.find('\n'), 61u);
    const std::string out46 = Encode(UuencodeStream, std::string(46, 'x'));
    EXPECT_EQ(out46.substr(62), "!>`\n`\n");
}

TEST(TransferEncodings, SameLinesAtEveryChunkSize) {
    std::string data;
    for (int i = 0; i < 1000; ++i) data += static_cast<char>(i * 7);
    const std::string b64 = Encode(Base64EncodeStream, data);
    const std::string uu = Encode(UuencodeStream, data);
    for (std::size_t chunk : {1u, 2u, 7u, 53u, 54u, 55u}) {
        EXPECT_EQ(Encode(Base64EncodeStream, data, chunk), b64) << chunk;
        EXPECT_EQ(Encode(UuencodeStream, data, chunk), uu) << chunk;
    }
}

// Lines built group by group agree with the streams over many read blocks.
TEST(TransferEncodings, LongInputMatchesGroupByGroupLines) {
    std::string data;
    for (int i = 0; i < 100003; ++i) data += static_cast<char>((i * 131) ^ (i >> 5));
    std::string b64, uu;
    const auto* bytes = reinterpret_cast<const unsigned char*>(data.data());
    char group[5];
    for (std::size_t line = 0; line < data.size(); line += 54) {
        const std::size_t n = std::min<std::size_t>(54, data.size() - line);
        for (std::size_t i = 0; i < n; i += 3) b64 += (Base64Group(bytes + line + i, group, int(n - i)), group);
        b64 += '\n';
    }
    for (std::size_t line = 0; line < data.size(); line += 45) {
        const std::size_t n = std::min<std::size_t>(45, data.size() - line);
        uu += static_cast<char>(n + 0x20);
        for (std::size_t i = 0; i < n; i += 3) uu += (UuencodeGroup(bytes + line + i, group, int(n - i)), group);
        uu += '\n';
    }
    uu += "`\n";
    EXPECT_TRUE(Encode(Base64EncodeStream, data) == b64);
    EXPECT_TRUE(Encode(UuencodeStream, data, 4096) == uu);
}

}  // namespace
}  // namespace velmar
