// Batch starts that open the compose window pre-filled: velmar1.exe started for real, its
// window found and its fields read from outside.
#include <windows.h>

#include <gtest/gtest.h>

#include "tests/support/WinTestSupport.h"

namespace velmar {
namespace {

using wintest::ChildProcess;

struct PrefillCase {
    const char* name;
    std::string arguments;
    std::string to;
    const char* body;
};

TEST(ComposeStartTest, BatchStartsShowTheirFieldsInTheWindow) {
    wintest::ForgetServerConfiguration();
    wintest::ScratchDir dir("prefill");
    const std::string bodyFile = dir / "body.txt";
    ASSERT_TRUE(wintest::WriteWholeFile(bodyFile, "Hello Bob,\r\nsee you.\r\n"));
    // Character 510 falls inside "ceo@example.com.au": the lists are shown whole.
    const std::string longList = std::string(495, 'a') + "@x.org,ceo@example.com.au";
    const PrefillCase cases[] = {
        {"mailto URL", "mailto:bob@example.com", "bob@example.com", ""},
        {"long mailto list", "mailto:" + longList, longList, ""},
        {"long -t list", "-i \"" + bodyFile + "\" -t " + longList, longList, "Hello Bob,\r\nsee you.\r\n"},
        {"body file for the window", "-i \"" + bodyFile + "\" -t carol@example.com", "carol@example.com",
         "Hello Bob,\r\nsee you.\r\n"},
    };
    for (const PrefillCase& c : cases) {
        SCOPED_TRACE(c.name);
        ChildProcess client("velmar1.exe", "velmar1.exe " + c.arguments);
        ASSERT_TRUE(client.Started());
        HWND window = client.WaitForShownWindow("VELMAR1");
        ASSERT_NE(window, nullptr);
        EXPECT_TRUE(IsWindowVisible(window));
        EXPECT_EQ(wintest::ControlText(window, 3001), c.to);
        EXPECT_EQ(wintest::ControlText(window, 3008), c.body);
        PostMessageA(window, WM_CLOSE, 0, 0);
        EXPECT_EQ(client.Wait(), 0);
    }
    EXPECT_TRUE(wintest::FileExists(bodyFile));  // a named body file is the user's: kept
}

}  // namespace
}  // namespace velmar
