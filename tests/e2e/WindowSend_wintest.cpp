// The compose window's Send end to end: what is typed into the real window lands in the
// spool directory as a queue file set compared byte for byte with golden files. Plain
// messages are typed into a started velmar1.exe from outside; attached files need the
// window in this process, where files can be dropped on it.
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

constexpr char attachDir[] = "C:\\velmar-attach";  // fixed: an attached file's full path is its name

struct Typed { const wchar_t *to, *cc, *bcc, *subject, *body; };

void Type(HWND window, const Typed& t) {
    for (const auto& [id, text]
         : {std::pair{IDC_TO, t.to}, {IDC_CC, t.cc}, {IDC_BCC, t.bcc}, {IDC_SUBJECT, t.subject}, {IDC_BODY, t.body}})
        SetDlgItemTextW(window, id, text);
}
void Type(HWND window, const std::string& to, const std::string& subject, const std::string& body) {
    for (const auto& [id, text]
         : {std::pair{IDC_TO, to}, {IDC_CC, std::string()}, {IDC_BCC, std::string()}, {IDC_SUBJECT, subject},
                                   {IDC_BODY, body}})
        SetDlgItemTextA(window, id, text.c_str());
}

// Settings of the user root ("#1": a number), with the send prompt off.
void StoreRootSettings(const std::vector<std::pair<const char*, std::string>>& settings) {
    ASSERT_TRUE(wintest::SetSetting(wintest::kRootUserKey, "OPT_SENDPROMPT", "#0"));
    for (const auto& [name, value] : settings) ASSERT_TRUE(wintest::SetSetting(wintest::kRootUserKey, name, value));
}

class WindowSendTest : public wintest::CleanMachineTest {
protected:
    wintest::RecordDir records;
    wintest::DefaultSpool spool;
};

// Text typed as Unicode: what the ANSI code page holds keeps its bytes (an en dash is
// announced as windows-1252), anything else sends the whole message as UTF-8;
// client_email_check.py decodes both golden files with Python's email package.
TEST_F(WindowSendTest, TypedMessagesQueueAndTheWindowCloses) {
    const struct {
        const char* name;  // golden files <name>.Q.ref and <name>.D.ref
        Typed typed;
        std::vector<std::pair<const char*, std::string>> rootSettings;
    } cases[] = {
        {"window_ascii",
         {L"bob@example.com", L"carol@example.org", L"dave@example.net", L"Hello", L"Line one\r\nLine two\r\n"}, {}},
        {"window_latin1_qp", {L"bob@example.com", L"", L"", L"Menu", L"caf\u00e9 = ok\r\n"}, {}},
        {"window_wrap",
         {L"bob@example.com", L"", L"", L"Wrapped",
          L"This line is far longer than the wrap column, so it is cut at the last blank before it and goes on.\r\nshort\r\n"},
         {{"OPT_WRAP", "#1"}, {"SENDWRAP", "#40"}}},
        {"window_mailaddr", {L"bob@example.com", L"", L"", L"From sales", L"Hi\r\n"}, {{"MAILADDR", "sales@example.com"}}},
        {"window_cp1252_dash",
         {L"bob@example.com", L"", L"", L"Plan \u2013 \u20ac5", L"See you at 10 \u2013 bring\u2026\r\n"}, {}},
        {"window_utf8",
         {L"\u0141ukasz \u017b\u00f3\u0142w <alice@example.com>, \u0418\u0432\u0430\u043d <ivan@example.com>", L"", L"",
          L"Za\u017c\u00f3\u0142\u0107 g\u0119\u015bl\u0105 ja\u017a\u0144, \u041f\u0440\u0438\u0432\u0435\u0442, "
          L"\u0393\u03b5\u03b9\u03ac, \u4f1a\u8b70 \U0001F600",
          L"\u0417\u0434\u0440\u0430\u0432\u0441\u0442\u0432\u0443\u0439\u0442\u0435!\r\n"
          L"bring the \U0001F4CE files. \u6771\u4eac\u3067\u2026 \u039a\u03b1\u03bb\u03b7\u03bc\u03ad\u03c1\u03b1\r\n"},
         {}},
    };
    wintest::ListeningPipeServer delivery(records);
    std::size_t told = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        wintest::ForgetServerConfiguration();
        spool.Empty();
        StoreRootSettings(c.rootSettings);
        wintest::ChildProcess client("velmar1.exe", "velmar1.exe");
        HWND window = client.WaitForShownWindow("VELMAR1");
        ASSERT_NE(window, nullptr);
        Type(window, c.typed);
        PostMessageA(window, WM_COMMAND, IDC_SEND, 0);
        EXPECT_EQ(client.Wait(), 0) << "the window closes once the message is queued";
        wintest::ExpectOneGoldenSet(spool, c.name);
        EXPECT_EQ(delivery.Received(++told).size(), told);
    }
}

// A mailto: link as browsers send it fills the window with the decoded UTF-8 texts.
TEST_F(WindowSendTest, MailtoLinkPrefillsDecodedText) {
    StoreRootSettings({});
    wintest::ChildProcess client("velmar1.exe", "velmar1.exe mailto:bob@example.com?subject=Gr%C3%BC%C3%9Fe%20"
                                                "%D0%BC%D0%B8%D1%80&cc=carol@example.org&body=%E4%BC%9A%E8%AD%B0%0A%F0%9F%98%80");
    HWND window = client.WaitForShownWindow("VELMAR1");
    ASSERT_NE(window, nullptr);
    std::wstring shown;
    for (int id : {IDC_TO, IDC_CC, IDC_SUBJECT, IDC_BODY}) {
        wchar_t buffer[256] = {};
        GetDlgItemTextW(window, id, buffer, 256);
        shown += buffer + std::wstring(L"|");
    }
    EXPECT_EQ(shown,
              L"bob@example.com|carol@example.org|Gr\u00fc\u00dfe \u043c\u0438\u0440|\u4f1a\u8b70\r\n\U0001F600|");
    PostMessageA(window, WM_CLOSE, 0, 0);
    client.Wait();
}

// ---- The window in this process ----

// A failed send keeps the window whole; once the spool directory is back, the next Send
// queues the message with its attachment part, then the signature's part, then the
// closing boundary.
TEST_F(WindowSendTest, FailedSendKeepsEverythingAndTheNextSendQueuesIt) {
    CreateDirectoryA(attachDir, nullptr);
    const std::string attachment = std::string(attachDir) + "\\notes.txt", signature = std::string(attachDir) + "\\sig.txt";
    ASSERT_TRUE(wintest::WriteWholeFile(attachment, "plain notes\r\n"));
    ASSERT_TRUE(wintest::WriteWholeFile(signature, "-- \r\nRoot, sales\r\n"));
    StoreRootSettings({{"OPT_SIG", "#1"}, {"SIGFILE", signature}});
    Application app;
    ASSERT_TRUE(wintest::StartInProcess(app));
    HWND window = wintest::OpenMainWindow(app);
    ASSERT_NE(window, nullptr);
    Type(window, "bob@example.com", "Notes", "See the notes.\r\n");
    SendMessageA(window, WM_DROPFILES, reinterpret_cast<WPARAM>(wintest::MakeDrop({attachment})), 0);

    ASSERT_TRUE(RemoveDirectoryA(spool.Path().c_str()));
    wintest::DialogDriver driver;
    driver.Answer(app.appTitle, IDOK);
    SendMessageA(window, WM_COMMAND, IDC_SEND, 0);
    EXPECT_TRUE(driver.Done());
    EXPECT_EQ(driver.shownTexts, std::vector<std::string>{"File send error of " + spool.Path()});
    ASSERT_TRUE(IsWindow(window));
    std::string kept;
    for (int id : {IDC_TO, IDC_SUBJECT, IDC_BODY, IDC_ATTACHMENT_DISPLAY}) kept += wintest::ItemText(window, id) + "|";
    EXPECT_EQ(kept, "bob@example.com|Notes|See the notes.\r\n|+attachments: " + attachment + ", |");

    ASSERT_TRUE(CreateDirectoryA(spool.Path().c_str(), nullptr));
    wintest::ListeningPipeServer delivery(records);
    SendMessageA(window, WM_COMMAND, IDC_SEND, 0);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(app.draft.attachments.Count(), 0u) << "emptied once the message is queued";
    wintest::ExpectOneGoldenSet(spool, "window_signature_attachment");
    EXPECT_EQ(delivery.Received(1).size(), 1u);

    wintest::Pump();
    UnregisterClassA(app.appTitle.c_str(), app.instance);
    for (const auto& name : wintest::ListFiles(attachDir)) DeleteFileA((std::string(attachDir) + "\\" + name).c_str());
    RemoveDirectoryA(attachDir);
}

// What the window cannot send whole it refuses, and keeps everything: a queued message's
// file dropped on it (left as it is), an attachment gone at Send. What it sends goes out
// whole: a 71,000-byte body with a 0x1A in it, the address after a line break in To, a
// 100 KB subject folded into lines of at most 998 octets.
TEST_F(WindowSendTest, RefusesWhatItCannotSendAndSendsTheRestWhole) {
    CreateDirectoryA(attachDir, nullptr);
    const std::string notes = std::string(attachDir) + "\\notes.txt", other = spool.Path() + "\\D0000000000000001.GSC";
    const std::string otherBytes = "Subject: queued before\r\n\r\nqueued body\r\n";
    ASSERT_TRUE(wintest::WriteWholeFile(notes, "plain notes\r\n") && wintest::WriteWholeFile(other, otherBytes));
    StoreRootSettings({});
    Application app;
    ASSERT_TRUE(wintest::StartInProcess(app));
    HWND window = wintest::OpenMainWindow(app);
    ASSERT_NE(window, nullptr);
    std::string subject;
    while (subject.size() < 100000) subject += "word" + std::to_string(subject.size()) + " ";
    std::string body = "before\r\n\x1A" "after\r\n";
    for (int i = 0; i < 1000; ++i) body += std::string(69, static_cast<char>('a' + i % 26)) + "\r\n";
    Type(window, "bob@example.com\r\ncarol@example.org", subject, body);
    wintest::DialogDriver driver;
    driver.Answer(app.appTitle, IDOK);
    SendMessageA(window, WM_DROPFILES, reinterpret_cast<WPARAM>(wintest::MakeDrop({other, notes})), 0);
    EXPECT_EQ(wintest::ItemText(window, IDC_ATTACHMENT_DISPLAY), "+attachments: " + notes + ", ");
    ASSERT_TRUE(DeleteFileA(notes.c_str()));
    driver.Answer(app.appTitle, IDOK);
    SendMessageA(window, WM_COMMAND, IDC_SEND, 0);
    ASSERT_TRUE(IsWindow(window)) << "a file left out would be shown as sent";
    EXPECT_EQ(driver.shownTexts, (std::vector<std::string>{"A queued message cannot be attached: " + other,
                                                           "Cannot read the attachment " + notes}));
    EXPECT_EQ(spool.Files(), std::vector<std::string>{"D0000000000000001.GSC"}) << "nothing queued";

    ASSERT_TRUE(wintest::WriteWholeFile(notes, "plain notes\r\n"));
    wintest::ListeningPipeServer delivery(records);
    SendMessageA(window, WM_COMMAND, IDC_SEND, 0);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(spool.Read("D0000000000000001.GSC"), otherBytes) << "another message's file untouched";
    const auto control = spool.FilesOf('Q'), data = spool.FilesOf('D');
    ASSERT_TRUE(control.size() == 1 && data.size() == 2);
    for (const char* to : {"R<bob@example.com>\r\n", "R<carol@example.org>\r\n"})
        EXPECT_NE(spool.Read(control[0]).find(to), std::string::npos) << to;
    const std::string sent = spool.Read(data[0] == "D0000000000000001.GSC" ? data[1] : data[0]);
    std::string header = sent.substr(0, sent.find("\r\n\r\n") + 2);
    for (std::size_t at; (at = header.find("\r\n ")) != std::string::npos;) header.erase(at, 2);
    EXPECT_NE(header.find("\r\nSubject: " + subject + "\r\n"), std::string::npos) << "unfolds to the whole subject";
    body[8] = ' ';  // the 0x1A goes out as a blank
    for (const std::string& whole
         : {"\r\n\r\n" + body, std::string("\r\n\r\nplain notes\r\n"), std::string("\r\n--==Velmar_v8.2==--\r\n")})
        EXPECT_NE(sent.find(whole), std::string::npos) << whole.substr(0, 40);

    wintest::Pump();
    UnregisterClassA(app.appTitle.c_str(), app.instance);
    DeleteFileA(notes.c_str());
    RemoveDirectoryA(attachDir);
}

}  // namespace
}  // namespace velmar
