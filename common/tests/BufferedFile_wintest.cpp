// Buffered files and the 8-bit file test on real files.
#include "common/BufferedFile_win.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "tests/support/TempFiles_win.h"

namespace velmar {
namespace {

TEST(FileHasEightBit, TextModeRules) {
    testing::TempDir dir;
    struct Case {
        const char* name;
        std::string bytes;
        bool want;
    } cases[] = {
        {"plain ASCII", "Hello\r\nworld\r\n", false},
        {"0xE9", "caf\xE9\r\n", true},
        {"0x7F counts", "a\x7F", true},
        {"8-bit byte only after 0x1A is not seen", "abc\x1A\xE9\xE9", false},
        {"8-bit byte before 0x1A", "ab\xE9\x1A", true},
        {"empty file", "", false},
        {"8-bit byte beyond the first 64 KiB", std::string(70000, 'a') + "\xFC", true},
    };
    for (const auto& c : cases) EXPECT_EQ(FileHasEightBit(dir.Write("f.txt", c.bytes).c_str()), c.want) << c.name;
    EXPECT_FALSE(FileHasEightBit(dir.File("missing.txt").c_str())) << "a file that cannot be opened";
    EXPECT_FALSE(FileHasEightBit(""));
}

TEST(BufferedFile, OpenFailureAndClose) {
    testing::TempDir dir;
    BufferedFile file;
    EXPECT_FALSE(OpenBufferedFile(file, dir.File("missing.txt").c_str()));
    EXPECT_EQ(file.status, kBufferedOpenFailed);
    EXPECT_EQ(file.lastError, static_cast<std::uint32_t>(ERROR_FILE_NOT_FOUND));
    EXPECT_EQ(file.handle, INVALID_HANDLE_VALUE);
    EXPECT_EQ(file.buffer, nullptr);
    EXPECT_FALSE(CloseBufferedFile(file)) << "nothing to release";
    EXPECT_FALSE(OpenBufferedFile(file, ""));

    BufferedFile open;
    ASSERT_TRUE(OpenBufferedFile(open, dir.Write("a.txt", "x").c_str()));
    EXPECT_EQ(open.bufferSize, kDefaultBufferedSize);
    EXPECT_FALSE(OpenBufferedFile(open, dir.File("a.txt").c_str())) << "an open record is not opened over";
    EXPECT_EQ(open.status, kBufferedStillInUse);
    EXPECT_TRUE(CloseBufferedFile(open));
    EXPECT_EQ(open.handle, INVALID_HANDLE_VALUE);
    char out[8];
    EXPECT_EQ(ReadBufferedLine(open, out, sizeof out), -1) << "a closed record reads nothing";
}

TEST(BufferedFile, LineReadsInPieces) {
    testing::TempDir dir;
    BufferedFile file;
    ASSERT_TRUE(OpenBufferedFile(file, dir.Write("lines.txt", "0123456789\r\nab\n\nlast").c_str()));
    char out[6];
    struct Piece {
        int length;
        const char* text;
    } pieces[] = {{5, "01234"}, {5, "56789"}, {2, "\r\n"}, {3, "ab\n"}, {1, "\n"}, {4, "last"}};
    for (const auto& p : pieces) {
        ASSERT_EQ(ReadBufferedLine(file, out, sizeof out), p.length) << p.text;
        EXPECT_STREQ(out, p.text);
    }
    EXPECT_EQ(file.bytesConsumed, 20u);
    std::memset(out, 'x', sizeof out);
    EXPECT_EQ(ReadBufferedLine(file, out, sizeof out), -1);
    EXPECT_EQ(std::string(out, sizeof out), std::string(sizeof out, '\0')) << "the area is left zeroed";
    EXPECT_EQ(ReadBufferedLine(file, nullptr, 10), -1);
    EXPECT_TRUE(CloseBufferedFile(file));
}

TEST(BufferedFile, CapacityLargerThanTheBufferStaysInside) {
    testing::TempDir dir;
    const std::string line(300, 'q');
    BufferedFile file;
    file.bufferSize = 64;
    ASSERT_TRUE(OpenBufferedFile(file, dir.Write("long.txt", line + "\n").c_str()));
    std::string all;
    char out[512];
    for (int n; (n = ReadBufferedLine(file, out, sizeof out)) > 0;) all.append(out, static_cast<std::size_t>(n));
    EXPECT_EQ(all, line + "\n");
    EXPECT_TRUE(CloseBufferedFile(file));
}

TEST(BufferedFile, WriteBufferedBytesOnDisk) {
    testing::TempDir dir;
    BufferedFile file;
    ASSERT_TRUE(OpenBufferedFile(file, dir.File("out.bin").c_str(), GENERIC_WRITE, 0, CREATE_ALWAYS));
    EXPECT_TRUE(WriteBuffered(file, "text\n", -1)) << "without its NUL";
    EXPECT_TRUE(WriteBuffered(file, std::string_view("a\0b", 3)));
    EXPECT_TRUE(WriteBuffered(file, "", 0));
    EXPECT_FALSE(WriteBuffered(file, nullptr, 3));
    EXPECT_TRUE(CloseBufferedFile(file));
    EXPECT_FALSE(WriteBuffered(file, "x", 1)) << "closed";
    EXPECT_EQ(testing::TempDir::Read(dir.File("out.bin")), std::string("text\na\0b", 8));
}

TEST(BufferedFile, StreamAfterLineReadsGetsTheBufferedRestFirst) {
    testing::TempDir dir;
    BufferedFile file;
    ASSERT_TRUE(OpenBufferedFile(file, dir.Write("mix.txt", "head\nbody one\nbody two\n").c_str()));
    char out[128];
    ASSERT_EQ(ReadBufferedLine(file, out, sizeof out), 5);
    EXPECT_GT(file.pending, 0u);
    BufferedFileSource source(file);
    std::string rest;
    char buffer[4];
    for (std::size_t n; (n = source.Read(buffer, sizeof buffer)) > 0;) rest.append(buffer, n);
    EXPECT_EQ(rest, "body one\nbody two\n");
    EXPECT_FALSE(source.Failed());
    EXPECT_TRUE(CloseBufferedFile(file));
}

}  // namespace
}  // namespace velmar
