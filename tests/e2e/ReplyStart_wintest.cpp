// Reply starts of the real client: velmar1.exe started on a stored message, its window read
// from outside and the buttons of its reply row pressed.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "resources/resource.h"
#include "tests/support/WinTestSupport.h"

namespace velmar {
namespace {

constexpr auto Text = wintest::ControlText;

using ReplyStart = wintest::CleanMachineTest;
using wintest::kRootUserKey;
enum Id { To = IDC_TO, Cc = IDC_CC, Subject = IDC_SUBJECT, Body = IDC_BODY,
          All = IDC_REPLY_ALL, Sender = IDC_REPLY_SENDER, Yes = IDC_INCLUDE_YES, No = IDC_INCLUDE_NO };

// "to|cc|subject|pressed buttons|body" of the window.
std::string Shown(HWND window) {
    std::string pressed;
    for (const auto& [id, name] : {std::pair{All, "All"}, {Sender, "Sender"}, {Yes, "Yes"}, {No, "No"}})
        if (SendMessageA(GetDlgItem(window, id), BM_GETCHECK, 0, 0) == BST_CHECKED) pressed += name;
    return Text(window, To) + "|" + Text(window, Cc) + "|" + Text(window, Subject) + "|" + pressed + "|" + Text(window, Body);
}

// The row's buttons switch what is filled (Shift held for the last Yes: unquoted) and store
// the choice; the answer goes below the included text, as stored. The source is deleted at the end.
TEST_F(ReplyStart, TheRowSwitchesWhatIsFilledAndStoresTheChoice) {
    wintest::ScratchDir dir("reply-row");
    const std::string source = dir / "RPL001.txt";
    ASSERT_TRUE(wintest::WriteWholeFile(source, "To: root, Bob <bob@example.com>,\r\n  carol@example.com\r\n"
                                                "CC: alice@example.org\r\nReply-To: Alice <alice@example.org>\r\n"
                                                "Subject: Lunch\r\n\r\nHi all,\r\n> meet?\r\n>> at noon\r\nbye\r\n"));
    ASSERT_TRUE(wintest::SetRegistryDword(kRootUserKey, "OPT_RPVAL", 2 | 16));
    wintest::RecordDir records;
    wintest::ChildProcess client("velmar1.exe", "velmar1.exe " + source);
    HWND window = client.WaitForShownWindow("VELMAR1");
    ASSERT_NE(window, nullptr);
    // The start-up fill is done once the client's thread looks at its queue again.
    SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, 20000, nullptr);
    const std::string quoted = "\r\n\r\nHi all,\r\n> meet?\r\n>> at noon\r\n>bye\r\n";
    // press 0: as the start left it.
    const struct { int press; std::string want; } steps[] = {
        {0, "alice@example.org||Lunch|SenderNo|"},
        {All, "alice@example.org|bob@example.com,carol@example.com|Lunch|AllNo|"},
        {Yes, "alice@example.org|bob@example.com,carol@example.com|Lunch|AllYes|" + quoted},
        {Sender, "alice@example.org||Lunch|SenderYes|" + quoted}, {No, "alice@example.org||Lunch|SenderNo|"},
        {Yes, "alice@example.org||Lunch|SenderYes|Hi all,\r\n> meet?\r\n>> at noon\r\nbye\r\n"}};
    // Sharing the client's input state lets this thread hold Shift down for it.
    AttachThreadInput(GetCurrentThreadId(), GetWindowThreadProcessId(window, nullptr), TRUE);
    for (std::size_t i = 0; i < std::size(steps); ++i) {
        BYTE keys[256] = {};
        keys[VK_SHIFT] = i + 1 == std::size(steps) ? 0x80 : 0;
        SetKeyboardState(keys);
        if (steps[i].press != 0) SendMessageA(window, WM_COMMAND, static_cast<WPARAM>(steps[i].press), 0);
        EXPECT_EQ(Shown(window), steps[i].want) << i;
    }
    SendMessageA(GetDlgItem(window, Body), WM_CHAR, 'x', 0);
    EXPECT_TRUE(Text(window, Body).ends_with("bye\r\nx"));
    SendMessageA(window, WM_COMMAND, IDC_REPLY_SAVE_DEFAULT, 0);
    EXPECT_EQ(wintest::ReadRegistryValue(kRootUserKey, "OPT_RPVAL").bytes, std::string("\x1e\0\0\0", 4));
    EXPECT_TRUE(wintest::FileExists(source)) << "the source is deleted only at the end";
    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(client.Wait(), 0);
    EXPECT_FALSE(wintest::FileExists(source));
    EXPECT_EQ(records.Read("mqsend.log"), "") << "a reply start hands nothing off";
}

}  // namespace
}  // namespace velmar
