// The start kinds of the real client: velmar1.exe started with exact command lines.
#include <windows.h>

#include <gtest/gtest.h>

#include "tests/support/WinTestSupport.h"

namespace velmar {
namespace {

using wintest::ChildProcess;

enum class Start { Window, HandOff, Batch };

struct StartCase {
    const char* name;
    const char* arguments;  // after "velmar1.exe "; null: the program name alone
    Start want;
};

const StartCase startCases[] = {
    {"no arguments", nullptr, Start::Window},
    {"one character", "x", Start::Window},
    {"exactly SEND", "SEND", Start::Window},
    {"send in lower case", "send", Start::HandOff},
    {"switches without a batch marker", "-s x -c y", Start::HandOff},
    {"-t glued to its value", "-tx", Start::HandOff},
    {"mailto: after a blank", " mailto:a@example.com", Start::HandOff},
    {"-t with a blank", "-t a@example.com", Start::Batch},
    {"mailto: in any case", "MailTo:a@example.com", Start::Batch},
    {"~NEX anywhere", "x ~NEX y", Start::Batch},
};

// A window start shows the compose window, which closes on WM_CLOSE with exit code 0; a
// hand-off exits 0 at once and starts "mqsend" with the whole command line; a batch start
// (sending or pre-filling the window) hands nothing off. No setting is read before a
// hand-off: a configured delivery program is not used for it.
TEST(StartKinds, EachKindOfCommandLine) {
    wintest::ForgetServerConfiguration();
    wintest::SetRegistryString("SOFTWARE\\Brindle\\Velmar\\Global", "SendName", "C:\\nowhere\\deliver.exe");
    for (const auto& c : startCases) {
        SCOPED_TRACE(c.name);
        wintest::RecordDir records;
        const std::string line = c.arguments ? std::string("velmar1.exe ") + c.arguments : "velmar1.exe";
        ChildProcess client("velmar1.exe", line);
        ASSERT_TRUE(client.Started());
        if (c.want == Start::HandOff) {
            EXPECT_EQ(client.Wait(), 0);
            EXPECT_EQ(records.WaitFor("mqsend.log"), std::string("mqsend ") + c.arguments + "\r\n");
            continue;
        }
        HWND window = c.want == Start::Window ? client.WaitForShownWindow("VELMAR1")
                                              : client.WaitForWindow("VELMAR1", 5000);
        if (c.want == Start::Window) {
            ASSERT_NE(window, nullptr);
            EXPECT_TRUE(IsWindowVisible(window));
            char caption[64] = {};
            GetWindowTextA(window, caption, sizeof caption);
            EXPECT_STREQ(caption, "Create Mail Message");
        }
        if (window != nullptr) PostMessageA(window, WM_CLOSE, 0, 0);
        const long code = client.Wait();
        if (c.want == Start::Window) {
            EXPECT_EQ(code, 0);
        }
        EXPECT_NE(code, -1);
        Sleep(200);
        EXPECT_EQ(records.Read("mqsend.log"), "");
    }
    wintest::ForgetServerConfiguration();
}

TEST(StartKinds, ReplyStartDeletesItsSourceFileAtTheEnd) {
    wintest::ForgetServerConfiguration();
    wintest::RecordDir records;
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
