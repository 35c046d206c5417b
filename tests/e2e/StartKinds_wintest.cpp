// The start kinds of the real client: velmar1.exe started with exact command lines.
#include <windows.h>

#include <gtest/gtest.h>

#include "tests/support/WinTestSupport.h"

namespace velmar {
namespace {

using wintest::ChildProcess;
using wintest::RecordDir;

class StartKindsTest : public ::testing::Test {
protected:
    void SetUp() override { wintest::ForgetServerConfiguration(); }
    RecordDir records;
};

// A start that opens the compose window: the window appears visible, closes on WM_CLOSE
// and the process exits 0 without handing anything to the delivery program.
void ExpectWindowStart(const RecordDir& records, const std::string& commandLine) {
    SCOPED_TRACE(commandLine);
    ChildProcess client("velmar1.exe", commandLine);
    ASSERT_TRUE(client.Started());
    HWND window = client.WaitForShownWindow("VELMAR1");
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(IsWindowVisible(window));
    char caption[64] = {};
    GetWindowTextA(window, caption, sizeof caption);
    EXPECT_STREQ(caption, "Create Mail Message");
    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(client.Wait(), 0);
    EXPECT_EQ(records.Read("mqsend.log"), "");
}

// A start handed to the delivery program: the client exits 0 at once and "mqsend" is
// started with the whole command line.
void ExpectHandOff(const RecordDir& records, const std::string& arguments) {
    SCOPED_TRACE(arguments);
    ChildProcess client("velmar1.exe", "velmar1.exe " + arguments);
    ASSERT_TRUE(client.Started());
    EXPECT_EQ(client.Wait(), 0);
    EXPECT_EQ(records.WaitFor("mqsend.log"), "mqsend " + arguments + "\r\n");
    DeleteFileA((records.Path() + "\\mqsend.log").c_str());
}

TEST_F(StartKindsTest, PlainStartsOpenTheWindow) {
    ExpectWindowStart(records, "velmar1.exe");
    ExpectWindowStart(records, "velmar1.exe x");
    ExpectWindowStart(records, "velmar1.exe SEND");
}

TEST_F(StartKindsTest, ForeignCommandLinesAreHandedToTheDeliveryProgramWhole) {
    ExpectHandOff(records, "send");
    ExpectHandOff(records, "-s x -c y");
    ExpectHandOff(records, "-tx");
    // "mailto:" counts only at the very start; a leading blank makes it foreign.
    ExpectHandOff(records, " mailto:a@example.com");
}

TEST_F(StartKindsTest, HandOffReadsNoSetting) {
    // A configured delivery program is not used for a hand-off: no setting is read yet.
    wintest::SetRegistryString("SOFTWARE\\Brindle\\Velmar\\Global", "SendName", "C:\\nowhere\\deliver.exe");
    ExpectHandOff(records, "-q now");
}

TEST_F(StartKindsTest, BatchAndReplyStartsAreNotHandedOff) {
    for (const char* arguments : {"-t a@example.com", "MailTo:a@example.com", "x ~NEX y"}) {
        SCOPED_TRACE(arguments);
        ChildProcess client("velmar1.exe", std::string("velmar1.exe ") + arguments);
        ASSERT_TRUE(client.Started());
        if (HWND window = client.WaitForWindow("VELMAR1", 5000)) PostMessageA(window, WM_CLOSE, 0, 0);
        EXPECT_NE(client.Wait(), -1);
        Sleep(200);
        EXPECT_EQ(records.Read("mqsend.log"), "");
    }
}

TEST_F(StartKindsTest, ReplyStartDeletesItsSourceFileAtTheEnd) {
    wintest::ScratchDir dir("reply");
    const std::string source = dir / "RPL00001.txt";
    ASSERT_TRUE(wintest::WriteWholeFile(source, "Subject: hi\r\n\r\ntext\r\n"));
    ChildProcess client("velmar1.exe", "velmar1.exe " + source);
    ASSERT_TRUE(client.Started());
    HWND window = client.WaitForWindow("VELMAR1");
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(wintest::FileExists(source));
    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(client.Wait(), 0);
    EXPECT_FALSE(wintest::FileExists(source));
    EXPECT_EQ(records.Read("mqsend.log"), "");
}

}  // namespace
}  // namespace velmar
