// Attachment parts appended to a real message file: bytes on disk, with CR LF line ends.
#include <gtest/gtest.h>

#include <string>

#include "config/tests/FakeSettingsBackend.h"
#include "encoding/AttachmentParts_win.h"
#include "tests/support/WinTestSupport.h"

namespace velmar {
namespace {

constexpr std::string_view kBoundary = "==Velmar_v8.2==";

class AttachmentFilesTest : public ::testing::Test {
protected:
    AttachmentFilesTest() {
        config.userId = "me";
        config.spoolDir = dir / "spool";
        ::CreateDirectoryA(config.spoolDir.c_str(), nullptr);
        backend.SetString(std::string(globalKeyPath), "TopDir", dir.Path());
        message = Write("D0001.tmp", "body\r\n");
    }
    ~AttachmentFilesTest() override {
        ::DeleteFileA((config.spoolDir + "\\copy.tmp").c_str());
        ::RemoveDirectoryA(config.spoolDir.c_str());
    }

    std::string Write(const char* name, std::string_view bytes) {
        EXPECT_TRUE(wintest::WriteWholeFile(dir / name, bytes));
        return dir / name;
    }
    void Attach(const std::string& path, const std::string& name) {
        ASSERT_TRUE(AddAttachment(list, settings, config, path, name));
    }
    std::string WriteAndRead() {
        EXPECT_TRUE(WriteAttachmentParts(list, settings, config, message, kBoundary));
        return wintest::ReadWholeFile(message);
    }

    wintest::ScratchDir dir{"attach"};
    testing::FakeSettingsBackend backend;
    AppConfig config;
    SettingsStore settings{backend, config, true};
    AttachmentList list;
    std::string message;
};

// On disk each "\n" is CR LF; the extension list is "binext.txt" in the top directory (the
// part of each kind of file is the native PartsWritten table). The program's own copy in
// the spool directory is deleted once written, the user's file is kept, a file gone since
// it was attached is left out, and a message file that cannot be opened is a failure.
TEST_F(AttachmentFilesTest, PartsOnDiskAndWhatIsDeleted) {
    Write("binext.txt", ".zip\r\n.dat\r\n");
    const std::string copy = config.spoolDir + "\\copy.tmp", own = Write("one.txt", "first line\r\nsecond\r\n");
    ASSERT_TRUE(wintest::WriteWholeFile(copy, "copied"));
    Attach(dir / "missing.txt", "missing.txt");
    Attach(copy, "copy.txt");
    Attach(own, "one.txt");
    Attach(Write("three.dat", "plain\r\n"), "three.dat");
    EXPECT_EQ(WriteAndRead(),
              "body\r\n\r\n--==Velmar_v8.2==\r\nContent-Type: application/octet-stream; name=\"three.dat\"\r\n"
              "Content-Transfer-Encoding: base64\r\n\r\ncGxhaW4NCg==\r\n--==Velmar_v8.2==\r\n"
              "Content-Type: text/plain; name=\"one.txt\"\r\nContent-Transfer-Encoding: 7bit\r\n\r\n"
              "first line\r\nsecond\r\n\r\n--==Velmar_v8.2==\r\nContent-Type: text/plain; name=\"copy.txt\"\r\n"
              "Content-Transfer-Encoding: 7bit\r\n\r\ncopied\r\n");
    EXPECT_TRUE(list.Entries()[0].isBinary) << "a listed extension makes the entry binary for good";
    EXPECT_EQ(std::pair(wintest::FileExists(copy), wintest::FileExists(own)), std::pair(false, true));
    EXPECT_FALSE(WriteAttachmentParts(list, settings, config, dir / "no\\such\\dir.tmp", kBoundary));
}

}  // namespace
}  // namespace velmar
