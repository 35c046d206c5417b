// The compose window's Send end to end: what is typed into the real window lands in the spool
// directory as a queue file set compared byte for byte with golden files. Text is typed into a
// started velmar1.exe from outside; files are dropped on the window in this process.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "resources/resource.h"
#include "tests/support/ComposeRig_win.h"
#include "tests/support/SpoolRig.h"
#include "tests/support/WinTestSupport.h"

namespace velmar {
namespace {

using wintest::WriteWholeFile;

using WindowSendTest = wintest::CleanMachineTest;

// Text typed as Unicode: what the ANSI code page holds keeps its bytes (an en dash is
// announced as windows-1252), anything else sends the whole message as UTF-8;
// client_email_check.py decodes both golden files with Python's email package. The sender
// is the stored MAILADDR, and the body is wrapped at the stored column.
TEST_F(WindowSendTest, TypedMessagesQueueAndTheWindowCloses) {
    const struct { const char* name; const wchar_t *to, *cc, *bcc, *subject, *body; } cases[] = {
        {"window_cp1252_dash", L"bob@example.com", L"carol@example.org", L"dave@example.net",
         L"Plan \u2013 \u20ac5", L"This line is far longer than the wrap column, so it is cut at the last blank "
         L"\u2013 bring\u2026\r\nshort\r\n"},
        {"window_utf8",
         L"\u0141ukasz \u017b\u00f3\u0142w <alice@example.com>, \u0418\u0432\u0430\u043d <ivan@example.com>", L"", L"",
         L"Za\u017c\u00f3\u0142\u0107 g\u0119\u015bl\u0105 ja\u017a\u0144, \u041f\u0440\u0438\u0432\u0435\u0442, "
         L"\u0393\u03b5\u03b9\u03ac, \u4f1a\u8b70 \U0001F600",
         L"\u0417\u0434\u0440\u0430\u0432\u0441\u0442\u0432\u0443\u0439\u0442\u0435!\r\n"
         L"bring the \U0001F4CE files. \u6771\u4eac\u3067\u2026 \u039a\u03b1\u03bb\u03b7\u03bc\u03ad\u03c1\u03b1\r\n"},
    };
    for (const auto& [name, value] : {std::pair{"OPT_SENDPROMPT", "#0"}, {"MAILADDR", "sales@example.com"},
                                      {"OPT_WRAP", "#1"}, {"SENDWRAP", "#60"}})
        ASSERT_TRUE(wintest::SetSetting(wintest::kRootUserKey, name, value));
    wintest::RecordDir records;
    wintest::DefaultSpool spool;
    wintest::ListeningPipeServer delivery(records);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        spool.Empty();
        wintest::ChildProcess client("velmar1.exe", "velmar1.exe");
        HWND window = client.WaitForShownWindow("VELMAR1");
        ASSERT_NE(window, nullptr);
        for (const auto& [id, text] : {std::pair{IDC_TO, c.to}, {IDC_CC, c.cc}, {IDC_BCC, c.bcc},
                                       {IDC_SUBJECT, c.subject}, {IDC_BODY, c.body}})
            SetDlgItemTextW(window, id, text);
        PostMessageA(window, WM_COMMAND, IDC_SEND, 0);
        EXPECT_EQ(client.Wait(), 0) << "the window closes once the message is queued";
        wintest::ExpectOneGoldenSet(spool, c.name);
    }
}

using WindowSendInProcess = wintest::MainWindowTest;

// What the window cannot send whole it refuses in a message box, keeping everything: a
// queued message's file dropped on it, an attachment gone at Send, a missing spool
// directory. Then Send queues the text (the address after a line break in To is a recipient,
// a 0x1A goes out as a blank), the attachment's part, the signature's part, the closing boundary.
TEST_F(WindowSendInProcess, RefusesWhatItCannotSendWholeThenQueuesIt) {
    wintest::RecordDir records;
    wintest::DefaultSpool spool;
    wintest::ScratchDir dir("window-send");
    const std::string notes = "C:\\velmar-attach\\notes.txt", signature = dir / "sig.txt";  // a full path names it
    const std::string queued = spool.Path() + "\\D0000000000000001.GSC";
    CreateDirectoryA("C:\\velmar-attach", nullptr);
    ASSERT_TRUE(WriteWholeFile(notes, "plain notes\r\n") && WriteWholeFile(signature, "-- \r\nRoot, sales\r\n") &&
                WriteWholeFile(queued, "x\r\n"));
    ASSERT_TRUE(wintest::SetSetting(wintest::kRootUserKey, "SIGFILE", signature));
    app.config.optSendPrompt = 0;
    ASSERT_NE(Open(), nullptr);
    const std::string body = "See the\x1Anotes.\r\n" + std::string(70000, 'x') + "\r\n";  // beyond any 64 KiB area
    for (const auto& [id, text] : {std::pair{IDC_TO, "bob@example.com\r\ncarol@example.org"}, {IDC_SUBJECT, "Notes"},
                                   {IDC_BODY, body.c_str()}})
        SetDlgItemTextA(window, id, text);
    wintest::DialogDriver driver;
    for (int box = 0; box < 3; ++box) driver.Answer(app.appTitle, IDOK);
    SendMessageA(window, WM_DROPFILES, reinterpret_cast<WPARAM>(wintest::MakeDrop({queued, notes})), 0);
    ASSERT_TRUE(DeleteFileA(queued.c_str()) && DeleteFileA(notes.c_str()));
    SendMessageA(window, WM_COMMAND, IDC_SEND, 0);
    ASSERT_TRUE(WriteWholeFile(notes, "plain notes\r\n") && RemoveDirectoryA(spool.Path().c_str()));
    SendMessageA(window, WM_COMMAND, IDC_SEND, 0);
    EXPECT_TRUE(driver.Done());
    EXPECT_EQ(driver.shownTexts, (std::vector<std::string>{"A queued message cannot be attached: " + queued,
                                                           "Cannot read the attachment " + notes,
                                                           "File send error of " + spool.Path()}));

    ASSERT_TRUE(CreateDirectoryA(spool.Path().c_str(), nullptr));
    wintest::ListeningPipeServer delivery(records);
    SendMessageA(window, WM_COMMAND, IDC_SEND, 0);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(app.draft.attachments.Count(), 0u) << "emptied once the message is queued";
    wintest::ExpectOneGoldenSet(spool, "window_signature_attachment");  // the typed text and attachment kept
    DeleteFileA(notes.c_str());
    RemoveDirectoryA("C:\\velmar-attach");
}

}  // namespace
}  // namespace velmar
