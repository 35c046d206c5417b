// Reply starts of the real client: velmar1.exe started on a stored message, its window read
// from outside and the buttons of its reply row pressed.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "tests/support/WinTestSupport.h"

namespace velmar {
namespace {

using wintest::ChildProcess;

constexpr char kUserKey[] = "SOFTWARE\\Brindle\\Velmar\\Domains\\\\Users\\root";
enum Id { To = 3001, Cc = 3003, Subject = 3007, Body = 3008, All = 3014, Sender = 3015, Yes = 3017, No = 3018 };
constexpr int kSaveAsDefault = 3019;

std::string FieldText(HWND window, int id) {
    HWND field = GetDlgItem(window, id);
    std::string text(static_cast<std::size_t>(SendMessageA(field, WM_GETTEXTLENGTH, 0, 0)) + 1, '\0');
    text.resize(static_cast<std::size_t>(
        SendMessageA(field, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()))));
    return text;
}

// The window once it is shown and the start-up fill is done: a sent message is taken only
// when the client's thread looks at its queue again.
HWND FilledWindow(ChildProcess& client) {
    HWND window = client.WaitForShownWindow("VELMAR1");
    if (window != nullptr) SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, 20000, nullptr);
    return window;
}

std::string PressedButtons(HWND window) {
    std::string pressed;
    for (const auto& [id, name] : {std::pair{All, "All "}, {Sender, "Sender "}, {Yes, "Yes "}, {No, "No "}})
        if (SendMessageA(GetDlgItem(window, id), BM_GETCHECK, 0, 0) == BST_CHECKED) pressed += name;
    return pressed;
}

const std::string kStored =
    "From: Alice <alice@example.org>\r\n"
    "To: root, Bob <bob@example.com>,\r\n"
    "  carol@example.com\r\n"
    "CC: alice@example.org, dave@example.net\r\n"
    "Reply-To: Alice <alice@example.org>\r\n"
    "Subject: Lunch on Friday\r\n"
    "\r\n"
    "Hi all,\r\n"
    "> shall we meet?\r\n"
    ">> at noon\r\n";

TEST(ReplyStart, TheRowSwitchesWhatIsFilledAndStoresTheChoice) {
    wintest::ForgetServerConfiguration();
    wintest::ScratchDir dir("reply-row");
    const std::string source = dir / "RPL001.txt";
    ASSERT_TRUE(wintest::WriteWholeFile(source, kStored));
    ChildProcess client("velmar1.exe", "velmar1.exe " + source);
    ASSERT_TRUE(client.Started());
    HWND window = FilledWindow(client);
    ASSERT_NE(window, nullptr);

    const std::string quoted = "\r\n\r\nHi all,\r\n> shall we meet?\r\n>> at noon\r\n";
    const std::string everyone = "bob@example.com,carol@example.com,dave@example.net";
    const struct {
        const char* name;
        int press;  // 0: as the start left it
        const char* cc;
        std::string body;
        const char* pressed;
    } steps[] = {
        {"stored default: the sender, no text", 0, "", "", "Sender No "},
        {"All: the other recipients, the body as it was", All, everyone.c_str(), "", "All No "},
        {"Yes: the text quoted, the addresses as they were", Yes, everyone.c_str(), quoted, "All Yes "},
        {"Sender: CC emptied, the body as it was", Sender, "", quoted, "Sender Yes "},
        {"No: the body emptied", No, "", "", "Sender No "},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.name);
        if (step.press != 0) SendMessageA(window, WM_COMMAND, static_cast<WPARAM>(step.press), 0);
        EXPECT_EQ(FieldText(window, To), "alice@example.org");
        EXPECT_EQ(FieldText(window, Subject), "Lunch on Friday");
        EXPECT_EQ(FieldText(window, Cc), step.cc);
        EXPECT_EQ(FieldText(window, Body), step.body);
        EXPECT_EQ(PressedButtons(window), step.pressed);
    }
    SendMessageA(window, WM_COMMAND, kSaveAsDefault, 0);
    const wintest::RegistryValue stored = wintest::ReadRegistryValue(kUserKey, "OPT_RPVAL");
    EXPECT_EQ(stored.type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(stored.bytes, std::string("\x0a\0\0\0", 4));  // Sender and No

    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(client.Wait(), 0);
    EXPECT_FALSE(wintest::FileExists(source));
    wintest::ForgetServerConfiguration();
}

TEST(ReplyStart, LongHeaderLineAndLongBodyReadWhole) {
    wintest::ForgetServerConfiguration();
    // Unquoted text, the answer below it, in a window wide enough for unquoted text.
    ASSERT_TRUE(wintest::SetRegistryDword(kUserKey, "OPT_RPVAL", 2 | 12 | 16));
    ASSERT_TRUE(wintest::SetRegistryString(kUserKey, "SMTPWIN", "0,0,900,600"));
    std::string body;
    for (int i = 0; body.size() < 100 * 1024; ++i) body += "line " + std::to_string(i) + std::string(i % 400, '.') + "\r\n";
    wintest::ScratchDir dir("reply-long");
    const std::string source = dir / "RPL002.txt";
    ASSERT_TRUE(wintest::WriteWholeFile(source, "X-Trace: " + std::string(10000, 'x') +
                                                    "\r\nReply-To: <alice@example.org>\r\nSubject: Long\r\n\r\n" + body));
    ChildProcess client("velmar1.exe", "velmar1.exe " + source);
    ASSERT_TRUE(client.Started());
    HWND window = FilledWindow(client);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(FieldText(window, To), "alice@example.org");
    EXPECT_EQ(FieldText(window, Subject), "Long");
    EXPECT_EQ(FieldText(window, Body), body);
    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(client.Wait(), 0);
    wintest::ForgetServerConfiguration();
}

}  // namespace
}  // namespace velmar
