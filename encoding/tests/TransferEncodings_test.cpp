// Base64 and uuencode, the two transfer encodings of attachments.
#include <gtest/gtest.h>

#include <string>

#include "common/ByteStream.h"
#include "encoding/Base64.h"
#include "encoding/Uuencode.h"

namespace velmar {
namespace {

using GroupFn = int (*)(const unsigned char*, char*, int);
using StreamFn = bool (*)(ByteSource&, ByteSink&, const std::function<void()>&);

// Groups: four characters for three bytes, short groups padded ("=") or shortened (uu);
// nothing for nothing; the result is count - 3.
TEST(TransferGroups, FullAndShortGroups) {
    const struct {
        const char* name;
        GroupFn encode;
        std::string bytes;
        const char* want;
        int result;
    } cases[] = {
        {"base64 three bytes", Base64Group, "Man", "TWFu", 0},
        {"base64 two bytes", Base64Group, "Ma", "TWE=", -1},
        {"base64 one byte", Base64Group, "M", "TQ==", -2},
        {"base64 high bits", Base64Group, "\xFF\xFF\xFF", "////", 0},
        {"base64 zero bytes", Base64Group, std::string(3, '\0'), "AAAA", 0},
        {"base64 uses three of six", Base64Group, "abcdef", "YWJj", 3},
        {"base64 nothing left", Base64Group, "", "", -3},
        {"uu three bytes", UuencodeGroup, "Cat", "0V%T", 0},
        {"uu zero values are backquotes", UuencodeGroup, std::string(3, '\0'), "````", 0},
        {"uu one byte gives two characters", UuencodeGroup, "a", "80", -2},
        {"uu two bytes give three", UuencodeGroup, "ab", "86(", -1},
        {"uu nothing left", UuencodeGroup, "", "", -3},
    };
    for (const auto& c : cases) {
        char out[5] = {'x', 'x', 'x', 'x', 'x'};
        const int r = c.encode(reinterpret_cast<const unsigned char*>(c.bytes.data()), out, int(c.bytes.size()));
        EXPECT_STREQ(out, c.want) << c.name;
        EXPECT_EQ(r, c.result) << c.name;
    }
}

std::string Encode(StreamFn stream, std::string_view data, std::size_t chunk = std::size_t(-1)) {
    MemorySource in(data, chunk);
    StringSink out;
    EXPECT_TRUE(stream(in, out, {}));
    return out.text;
}

// Line lengths at their boundaries (54 bytes a base64 line, 45 a uu line), the closing
// "`" line of uuencode, and the same lines at every chunk size.
TEST(TransferStreams, LinesAtEveryChunkSize) {
    const struct {
        const char* name;
        StreamFn stream;
        std::string in;
        std::string want;
    } cases[] = {
        {"base64 empty", Base64EncodeStream, "", ""},
        {"base64 55 bytes: a full line and one byte", Base64EncodeStream, std::string(55, 'x'),
         [] { std::string l; for (int i = 0; i < 18; ++i) l += "eHh4"; return l + "\neA==\n"; }()},
        {"base64 108 bytes: two full lines, no empty one", Base64EncodeStream, std::string(108, 'x'),
         [] { std::string l; for (int i = 0; i < 18; ++i) l += "eHh4"; return l + "\n" + l + "\n"; }()},
        {"uu empty", UuencodeStream, "", "`\n"},
        {"uu one byte", UuencodeStream, "a", "!80\n`\n"},
        {"uu 46 bytes: a full M line and one byte", UuencodeStream, std::string(46, 'x'),
         [] { std::string l = "M"; for (int i = 0; i < 15; ++i) l += ">'AX"; return l + "\n!>`\n`\n"; }()},
    };
    const std::size_t chunks[] = {1, 2, 7, 53, 54, 55, 4096};
    for (const auto& c : cases)
        for (std::size_t chunk : chunks) EXPECT_EQ(Encode(c.stream, c.in, chunk), c.want) << c.name << " " << chunk;
    std::string mixed;
    for (int i = 0; i < 1000; ++i) mixed += static_cast<char>(i * 7);
    for (StreamFn stream : {Base64EncodeStream, UuencodeStream})
        for (std::size_t chunk : chunks) EXPECT_EQ(Encode(stream, mixed, chunk), Encode(stream, mixed)) << chunk;
}

}  // namespace
}  // namespace velmar
