// Buffered files and the 8-bit file test on real files.
#include "common/BufferedFile_win.h"

#include <gtest/gtest.h>

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
};

// The byte rules are the native TextHasEightBit table; here the file is read block by block.
TEST_F(BufferedFileTest, FileHasEightBitReadsAsText) {
    EXPECT_FALSE(FileHasEightBit(Write("f.txt", "abc\x1A\xE9").c_str()));
    EXPECT_TRUE(FileHasEightBit(Write("f.txt", std::string(70000, 'a') + "\xFC").c_str())) << "beyond the first block";
    EXPECT_FALSE(FileHasEightBit((dir / "missing.txt").c_str())) << "a file that cannot be opened";
}

// Open gives the platform's error, never over an open file; writes keep every byte.
TEST_F(BufferedFileTest, OpenWriteAndClose) {
    EXPECT_EQ(file.Open((dir / "missing.txt").c_str()).error, static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
    ASSERT_TRUE(file.Open((dir / "out.bin").c_str(), GENERIC_WRITE, 0, CREATE_ALWAYS));
    EXPECT_EQ(file.Open((dir / "out.bin").c_str()).error, static_cast<DWORD>(ERROR_BUSY)) << "not opened over";
    EXPECT_TRUE(file.Write("text\n") && file.Write(std::string_view("a\0b", 3)));
    EXPECT_TRUE(file.Close());
    EXPECT_EQ(wintest::ReadWholeFile(dir / "out.bin"), std::string("text\na\0b", 8));
}

}  // namespace
}  // namespace velmar
