// Buffered files and the 8-bit file test on real files.
#include "common/BufferedFile_win.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "tests/support/WinTestSupport.h"

namespace velmar {
namespace {

class BufferedFileTest : public ::testing::Test {
protected:
    std::string Write(const char* name, std::string_view bytes) {
        EXPECT_TRUE(wintest::WriteWholeFile(dir / name, bytes));
        return dir / name;
    }
    wintest::ScratchDir dir{"buffered"};
    BufferedFile file;
    char out[6];
};

TEST_F(BufferedFileTest, FileHasEightBitReadsAsText) {
    const struct {
        const char* name;
        std::string bytes;
        bool want;
    } cases[] = {
        {"plain ASCII", "Hello\r\nworld\r\n", false},
        {"0x7F counts", "a\x7F", true},
        {"8-bit byte only after 0x1A is not seen", "abc\x1A\xE9\xE9", false},
        {"8-bit byte before 0x1A", "ab\xE9\x1A", true},
        {"8-bit byte beyond the first 64 KiB", std::string(70000, 'a') + "\xFC", true},
    };
    for (const auto& c : cases) EXPECT_EQ(FileHasEightBit(Write("f.txt", c.bytes).c_str()), c.want) << c.name;
    EXPECT_FALSE(FileHasEightBit((dir / "missing.txt").c_str())) << "a file that cannot be opened";
}

TEST_F(BufferedFileTest, FailedOpenAndRecordStillInUse) {
    EXPECT_FALSE(OpenBufferedFile(file, (dir / "missing.txt").c_str()));
    EXPECT_EQ(file.status, kBufferedOpenFailed);
    EXPECT_EQ(file.lastError, static_cast<std::uint32_t>(ERROR_FILE_NOT_FOUND));
    EXPECT_FALSE(CloseBufferedFile(file)) << "nothing to release";
    ASSERT_TRUE(OpenBufferedFile(file, Write("a.txt", "x").c_str()));
    EXPECT_FALSE(OpenBufferedFile(file, (dir / "a.txt").c_str())) << "an open record is not opened over";
    EXPECT_EQ(file.status, kBufferedStillInUse);
    EXPECT_TRUE(CloseBufferedFile(file));
    EXPECT_EQ(ReadBufferedLine(file, out, sizeof out), -1) << "a closed record reads nothing";
}

// Lines longer than the area come in capacity - 1 pieces; the area is zeroed at the end.
TEST_F(BufferedFileTest, LineReadsInPieces) {
    ASSERT_TRUE(OpenBufferedFile(file, Write("lines.txt", "0123456789\r\nab\n\nlast").c_str()));
    for (const char* piece : {"01234", "56789", "\r\n", "ab\n", "\n", "last"}) {
        ASSERT_EQ(ReadBufferedLine(file, out, sizeof out), static_cast<int>(std::strlen(piece)));
        EXPECT_STREQ(out, piece);
    }
    std::memset(out, 'x', sizeof out);
    EXPECT_EQ(ReadBufferedLine(file, out, sizeof out), -1);
    EXPECT_EQ(std::string(out, sizeof out), std::string(sizeof out, '\0'));
    EXPECT_EQ(ReadBufferedLine(file, nullptr, 10), -1);
}

TEST_F(BufferedFileTest, CapacityLargerThanTheBufferStaysInside) {
    const std::string line(300, 'q');
    file.bufferSize = 64;
    ASSERT_TRUE(OpenBufferedFile(file, Write("long.txt", line + "\n").c_str()));
    std::string all;
    char area[512];
    for (int n; (n = ReadBufferedLine(file, area, sizeof area)) > 0;) all.append(area, static_cast<std::size_t>(n));
    EXPECT_EQ(all, line + "\n");
}

TEST_F(BufferedFileTest, WritesAndTheirFailures) {
    ASSERT_TRUE(OpenBufferedFile(file, (dir / "out.bin").c_str(), GENERIC_WRITE, 0, CREATE_ALWAYS));
    EXPECT_TRUE(WriteBuffered(file, "text\n", -1)) << "without its NUL";
    EXPECT_TRUE(WriteBuffered(file, std::string_view("a\0b", 3)));
    EXPECT_FALSE(WriteBuffered(file, nullptr, 3));
    EXPECT_TRUE(CloseBufferedFile(file));
    EXPECT_FALSE(WriteBuffered(file, "x", 1)) << "closed";
    EXPECT_EQ(wintest::ReadWholeFile(dir / "out.bin"), std::string("text\na\0b", 8));
}

TEST_F(BufferedFileTest, StreamAfterLineReadsGetsTheBufferedRestFirst) {
    ASSERT_TRUE(OpenBufferedFile(file, Write("mix.txt", "head\nbody one\nbody two\n").c_str()));
    ASSERT_EQ(ReadBufferedLine(file, out, sizeof out), 5);
    BufferedFileSource source(file);
    std::string rest;
    for (std::size_t n; (n = source.Read(out, 4)) > 0;) rest.append(out, n);
    EXPECT_EQ(rest, "body one\nbody two\n");
    EXPECT_FALSE(source.Failed());
}

}  // namespace
}  // namespace velmar
