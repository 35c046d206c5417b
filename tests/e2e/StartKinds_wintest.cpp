// The start kinds of the real client: velmar1.exe started with exact command lines (the
// classification itself is tested natively; here one line of each kind goes the whole way).
#include <windows.h>

#include <gtest/gtest.h>

#include "common/WideText_win.h"
#include "resources/resource.h"
#include "tests/support/WinTestSupport.h"

namespace velmar {
namespace {

using wintest::ChildProcess;
using StartKinds = wintest::CleanMachineTest;

// A window start shows the compose window (pre-filled from a mailto: URL, from switches with
// a body file, which stays the user's, or from a reply source, here gone), which closes on
// WM_CLOSE with exit code 0; a hand-off exits 0 at once and starts "mqsend" with the whole
// command line, as typed (a second blank included). No setting is read before a hand-off: a
// configured delivery program is not used for it.
TEST_F(StartKinds, EachKindOfCommandLine) {
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
        // Switches that name no recipient open the window instead of sending.
        {"-s Draft -f \"" + bodyFile + "\"", false, "|||Draft |" + body + "|"},
        {"-i \"" + bodyFile + "\" -t " + longList + " -c \"dave@example.org\" -b \"erin@example.net\" -s Hi", false,
         longList + " |dave@example.org|erin@example.net|Hi|" + body + "|"},
        {dir / "RPL002.txt", false}};
    ASSERT_TRUE(wintest::SetRegistryString(wintest::kGlobalKey, "SendName", "C:\\nowhere\\deliver.exe"));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments);
        wintest::RecordDir records;
        ChildProcess client("velmar1.exe", c.arguments.empty() ? "velmar1.exe" : "velmar1.exe " + c.arguments);
        if (c.handOff) {
            EXPECT_EQ(client.Wait(), 0);
            EXPECT_EQ(records.WaitFor("mqsend.log"), "mqsend " + c.arguments + "\r\n");
            continue;
        }
        HWND window = client.WaitForShownWindow("VELMAR1");
        ASSERT_TRUE(window != nullptr && IsWindowVisible(window));
        std::string shown;
        for (int id : {IDC_TO, IDC_CC, IDC_BCC, IDC_SUBJECT, IDC_BODY}) {
            std::wstring text(100000, L'\0');  // asked for with WM_GETTEXT, which reaches into the client
            text.resize(GetDlgItemTextW(window, id, text.data(), static_cast<int>(text.size())));
            shown += WideToUtf8(text) + "|";
        }
        EXPECT_EQ(shown, c.shown);
        PostMessageA(window, WM_CLOSE, 0, 0);
        EXPECT_EQ(client.Wait(), 0);
        EXPECT_EQ(records.Read("mqsend.log"), "");
    }
    EXPECT_TRUE(wintest::FileExists(bodyFile));  // a named body file is the user's: kept
}

}  // namespace
}  // namespace velmar
