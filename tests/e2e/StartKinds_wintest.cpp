// velmar1.exe started with exact command lines, one of each start kind, and a reply start's row pressed.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "resources/resource.h"
#include "tests/support/WinTestSupport.h"

namespace velmar {
namespace {

using StartKinds = wintest::CleanMachineTest;
constexpr auto Text = wintest::ControlText;
enum Id { To = IDC_TO, Cc = IDC_CC, Subject = IDC_SUBJECT, Body = IDC_BODY,
          All = IDC_REPLY_ALL, Sender = IDC_REPLY_SENDER, Yes = IDC_INCLUDE_YES, No = IDC_INCLUDE_NO };

// A window start shows the window pre-filled (the body file stays) and ends with 0 on WM_CLOSE; a hand-off
// ends with 0 at once and starts "mqsend" (not the configured program) with the whole line as typed.
TEST_F(StartKinds, EachKindOfCommandLineAndTheReplyRow) {
    wintest::ScratchDir dir("prefill");
    const std::string bodyFile = dir / "body.txt", body = "Hello Bob,\r\nsee you.\r\n";
    ASSERT_TRUE(wintest::WriteWholeFile(bodyFile, body));
    // Character 510 falls inside "ceo@example.com.au": the lists are shown whole.
    const std::string longList = std::string(495, 'a') + "@x.org,ceo@example.com.au";
    // arguments: after "velmar1.exe " (empty: the program name alone); shown: "to|cc|bcc|subject|body|".
    const struct { std::string arguments; bool handOff; std::string shown = "|||||"; } cases[] = {
        {"", false}, {" mailto:a@example.com", true}, {"\u041f\u0440\u0438\u0432\u0435\u0442 \u043c\u0438\u0440", true},
        // A mailto: link as browsers send it: the decoded UTF-8 texts in the Unicode fields.
        {"mailto:" + longList + "?subject=Gr%C3%BC%C3%9Fe%20%D0%BC%D0%B8%D1%80&cc=carol@example.org&body=%E4%BC%9A"
         "%E8%AD%B0%0A%F0%9F%98%80", false,
         longList + "|carol@example.org||Gr\u00fc\u00dfe \u043c\u0438\u0440|\u4f1a\u8b70\r\n\U0001F600|"},
        // Switches that name no To open the window instead of sending.
        {"-s Draft -c \"dave@example.org\" -b \"erin@example.net\" -f \"" + bodyFile + "\"", false,
         "|dave@example.org|erin@example.net|Draft |" + body + "|"},
        {dir / "RPL002.txt", false}};
    ASSERT_TRUE(wintest::SetRegistryString(wintest::kGlobalKey, "SendName", "C:\\nowhere\\deliver.exe"));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments);
        wintest::RecordDir records;
        wintest::ChildProcess client("velmar1.exe", c.arguments.empty() ? "velmar1.exe" : "velmar1.exe " + c.arguments);
        if (c.handOff) {
            EXPECT_EQ(client.Wait(), 0);
            EXPECT_EQ(records.WaitFor("mqsend.log"), "mqsend " + c.arguments + "\r\n");
            continue;
        }
        HWND window = client.WaitForShownWindow("VELMAR1");
        ASSERT_TRUE(window != nullptr && IsWindowVisible(window));
        std::string shown;
        for (int id : {IDC_TO, IDC_CC, IDC_BCC, IDC_SUBJECT, IDC_BODY}) shown += wintest::ControlText(window, id) + "|";
        EXPECT_EQ(shown, c.shown);
        PostMessageA(window, WM_CLOSE, 0, 0);
        EXPECT_EQ(client.Wait(), 0);
        EXPECT_EQ(records.Read("mqsend.log"), "");
    }
    EXPECT_TRUE(wintest::FileExists(bodyFile));  // a named body file is the user's: kept

    // A reply start's row switches what is filled (Shift held for the last Yes: unquoted) and stores the
    // choice; the answer goes below the included text, as stored. The source is deleted at the end.
    const std::string source = dir / "RPL001.txt";
    ASSERT_TRUE(wintest::WriteWholeFile(source, "To: root, Bob <bob@example.com>,\r\n  carol@example.com\r\n"
                                                "CC: alice@example.org\r\nReply-To: Alice <alice@example.org>\r\n"
                                                "Subject: Lunch\r\n\r\nHi all,\r\n> meet?\r\n>> at noon\r\nbye\r\n"));
    ASSERT_TRUE(wintest::SetRegistryDword(wintest::kRootUserKey, "OPT_RPVAL", 2 | 16));
    wintest::ChildProcess client("velmar1.exe", "velmar1.exe " + source);
    HWND window = client.WaitForShownWindow("VELMAR1");
    ASSERT_NE(window, nullptr);
    // The start-up fill is done once the client's thread looks at its queue again.
    SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, 20000, nullptr);
    const std::string quoted = "\r\n\r\nHi all,\r\n> meet?\r\n>> at noon\r\n>bye\r\n";
    // press 0: as the start left it; want: "to|cc|subject|pressed buttons|body".
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
        std::string shown = Text(window, To) + "|" + Text(window, Cc) + "|" + Text(window, Subject) + "|";
        for (const auto& [id, name] : {std::pair{All, "All"}, {Sender, "Sender"}, {Yes, "Yes"}, {No, "No"}})
            if (IsDlgButtonChecked(window, id) == BST_CHECKED) shown += name;
        EXPECT_EQ(shown + "|" + Text(window, Body), steps[i].want) << i;
    }
    SendMessageA(GetDlgItem(window, Body), WM_CHAR, 'x', 0);
    EXPECT_TRUE(Text(window, Body).ends_with("bye\r\nx"));
    SendMessageA(window, WM_COMMAND, IDC_REPLY_SAVE_DEFAULT, 0);
    EXPECT_EQ(wintest::ReadRegistryValue(wintest::kRootUserKey, "OPT_RPVAL").bytes, std::string("\x1e\0\0\0", 4));
    EXPECT_TRUE(wintest::FileExists(source)) << "the source is deleted only at the end";
    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(client.Wait(), 0);
    EXPECT_FALSE(wintest::FileExists(source));
}

}  // namespace
}  // namespace velmar
