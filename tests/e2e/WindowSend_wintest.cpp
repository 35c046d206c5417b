// The compose window's Send end to end: the message typed into the real window lands in
// the spool directory as a queue file set compared byte for byte with golden files. The
// plain cases start velmar1.exe and type into it from outside; the cases with an attached
// file run the window in this process, where files can be dropped on it.
#include <windows.h>

#include <shellapi.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "config/StartupConfig.h"
#include "resources/resource.h"
#include "startup/Application_win.h"
#include "tests/support/Golden.h"
#include "tests/support/SpoolRig.h"
#include "tests/support/WinTestSupport.h"

namespace velmar {
namespace {

using wintest::ChildProcess;
using wintest::ExpectGolden;

constexpr char rootUserKey[] = "SOFTWARE\\Brindle\\Velmar\\Domains\\\\Users\\root";
constexpr char globalKey[] = "SOFTWARE\\Brindle\\Velmar\\Global";
// A fixed place for attached files: their full path is their name in the message.
constexpr char attachDir[] = "C:\\velmar-attach";

struct Typed {
    const char* to;
    const char* cc;
    const char* bcc;
    const char* subject;
    const char* body;
};

void Type(HWND window, const Typed& t) {
    const std::pair<int, const char*> fields[] = {
        {IDC_TO, t.to}, {IDC_CC, t.cc}, {IDC_BCC, t.bcc}, {IDC_SUBJECT, t.subject}, {IDC_BODY, t.body}};
    for (const auto& [id, text] : fields) SendMessageA(GetDlgItem(window, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
}

std::string FieldText(HWND window, int id) {
    HWND field = GetDlgItem(window, id);
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(field)) + 1, '\0');
    text.resize(static_cast<std::size_t>(GetWindowTextA(field, text.data(), static_cast<int>(text.size()))));
    return text;
}

// Settings of the user root: a value starting with a digit is stored as a number.
void StoreRootSettings(const std::vector<std::pair<const char*, std::string>>& settings) {
    ASSERT_TRUE(wintest::SetRegistryDword(rootUserKey, "OPT_SENDPROMPT", 0));  // no dialog in the way
    for (const auto& [name, value] : settings)
        ASSERT_TRUE(std::isdigit(static_cast<unsigned char>(value[0]))
                        ? wintest::SetRegistryDword(rootUserKey, name, std::stoul(value))
                        : wintest::SetRegistryString(rootUserKey, name, value));
}

// The one queue file set of `spool`, checked against <name>.Q.ref and <name>.D.ref.
void ExpectOneGoldenSet(const wintest::DefaultSpool& spool, const std::string& name) {
    const auto control = spool.FilesOf('Q'), data = spool.FilesOf('D');
    ASSERT_TRUE(control.size() == 1 && data.size() == 1 && spool.Files().size() == 2)
        << "one set, no temporary file left behind";
    ExpectGolden(name + ".Q.ref", spool.Read(control[0]));
    ExpectGolden(name + ".D.ref", spool.Read(data[0]));
}

class WindowSendTest : public ::testing::Test {
protected:
    void SetUp() override { wintest::ForgetServerConfiguration(); }
    void TearDown() override { wintest::ForgetServerConfiguration(); }

    wintest::RecordDir records;
    wintest::DefaultSpool spool;
};

struct WindowCase {
    const char* name;  // golden files <name>.Q.ref and <name>.D.ref
    Typed typed;
    std::vector<std::pair<const char*, std::string>> rootSettings;
};

TEST_F(WindowSendTest, TypedMessagesQueueAndTheWindowCloses) {
    const WindowCase windowCases[] = {
        {"window_ascii",
         {"bob@example.com", "carol@example.org", "dave@example.net", "Hello", "Line one\r\nLine two\r\n"}, {}},
        {"window_latin1_qp", {"bob@example.com", "", "", "Menu", "caf\xE9 = ok\r\n"}, {}},
        {"window_wrap",
         {"bob@example.com", "", "", "Wrapped",
          "This line is far longer than the wrap column, so it is cut at the last blank before it and goes "
          "on.\r\nshort\r\n"},
         {{"OPT_WRAP", "1"}, {"SENDWRAP", "40"}}},
    };
    wintest::ListeningPipeServer delivery(records);
    std::size_t told = 0;
    for (const auto& c : windowCases) {
        SCOPED_TRACE(c.name);
        wintest::ForgetServerConfiguration();
        spool.Empty();
        StoreRootSettings(c.rootSettings);
        ChildProcess client("velmar1.exe", "velmar1.exe");
        ASSERT_TRUE(client.Started());
        HWND window = client.WaitForShownWindow("VELMAR1");
        ASSERT_NE(window, nullptr);
        Type(window, c.typed);
        PostMessageA(window, WM_COMMAND, IDC_SEND, 0);
        EXPECT_EQ(client.Wait(), 0) << "the window closes once the message is queued";
        ExpectOneGoldenSet(spool, c.name);
        const auto received = delivery.Received(++told);
        ASSERT_EQ(received.size(), told);
        EXPECT_EQ(received.back().substr(0, spool.Path().size() + 2), spool.Path() + "\\Q");
    }
}

// ---- The window in this process ----

void Pump() {
    MSG message{};
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
}

HDROP MakeDrop(const std::string& path) {
    const std::string names = path + '\0' + '\0';
    HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + names.size());
    auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
    drop->pFiles = sizeof(DROPFILES);
    memcpy(reinterpret_cast<char*>(drop) + sizeof(DROPFILES), names.data(), names.size());
    GlobalUnlock(memory);
    return static_cast<HDROP>(memory);
}

// The message box a failed send shows: its caption and text, read and closed from a timer
// while it runs its own message loop.
struct ShownBox {
    std::string caption, text;
};
ShownBox shownBox;

BOOL CALLBACK ReadAndCloseBox(HWND window, LPARAM) {
    char className[16] = {}, caption[64] = {}, text[512] = {};
    GetClassNameA(window, className, sizeof className);
    if (std::string(className) != "#32770" || !IsWindowVisible(window)) return TRUE;
    GetWindowTextA(window, caption, sizeof caption);
    GetDlgItemTextA(window, 0xFFFF, text, sizeof text);
    shownBox = {caption, text};
    PostMessageA(window, WM_COMMAND, IDOK, 0);
    return FALSE;
}

void CALLBACK CloseMessageBox(HWND, UINT, UINT_PTR timer, DWORD) {
    if (!EnumThreadWindows(GetCurrentThreadId(), ReadAndCloseBox, 0)) KillTimer(nullptr, timer);
}

class WindowSendInProcessTest : public WindowSendTest {
protected:
    void SetUp() override {
        WindowSendTest::SetUp();
        CreateDirectoryA(attachDir, nullptr);
        ASSERT_TRUE(wintest::WriteWholeFile(attachment, "plain notes\r\n"));
    }
    void TearDown() override {
        if (window != nullptr && IsWindow(window)) DestroyWindow(window);
        Pump();
        UnregisterClassA(app.appTitle.c_str(), app.instance);
        for (const auto& name : wintest::ListFiles(attachDir)) DeleteFileA((std::string(attachDir) + "\\" + name).c_str());
        RemoveDirectoryA(attachDir);
        WindowSendTest::TearDown();
    }
    // The window as a plain start opens it, with the settings stored before.
    HWND Open() {
        app.instance = GetModuleHandleA(nullptr);
        EXPECT_TRUE(InitApplication(app, app.instance, nullptr));
        LoadStartupConfiguration(app.config, app.settings, app.library,
                                 DialogBaseUnits::FromPacked(static_cast<std::uint32_t>(GetDialogBaseUnits())));
        window = CreateWindowExA(0, app.appTitle.c_str(), "Create Mail Message", WS_OVERLAPPEDWINDOW, 10, 20, 640, 480,
                                 nullptr, nullptr, app.instance, &app.compose);
        app.mainWindow = window;
        if (window != nullptr) ShowWindow(window, SW_SHOWNORMAL);
        return window;
    }

    const std::string attachment = std::string(attachDir) + "\\notes.txt";
    Application app;
    HWND window = nullptr;
};

TEST_F(WindowSendInProcessTest, SignatureFollowsTheAttachmentBeforeTheClosingBoundary) {
    const std::string signature = std::string(attachDir) + "\\sig.txt";
    ASSERT_TRUE(wintest::WriteWholeFile(signature, "-- \r\nRoot, sales\r\n"));
    StoreRootSettings({{"OPT_SIG", "1"}, {"SIGFILE", signature}});
    wintest::ListeningPipeServer delivery(records);
    ASSERT_NE(Open(), nullptr);
    Type(window, {"bob@example.com", "", "", "Notes", "See the notes.\r\n"});
    SendMessageA(window, WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop(attachment)), 0);
    SendMessageA(window, WM_COMMAND, IDC_SEND, 0);
    Pump();
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(app.draft.attachments.Count(), 0u) << "emptied once the message is queued";
    ExpectOneGoldenSet(spool, "window_signature_attachment");
    EXPECT_EQ(delivery.Received(1).size(), 1u);
}

TEST_F(WindowSendInProcessTest, FailedSendKeepsEverythingAndTheNextSendQueuesIt) {
    wintest::ScratchDir work{"window-send"};
    const std::string spoolDir = work / "spool";  // not there yet
    ASSERT_TRUE(wintest::SetRegistryString(globalKey, "SpoolDir", spoolDir));
    StoreRootSettings({{"OPT_SIG", "0"}});
    ASSERT_NE(Open(), nullptr);
    const Typed typed{"bob@example.com", "carol@example.org", "", "Retry", "Keep this text.\r\n"};
    Type(window, typed);
    SendMessageA(window, WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop(attachment)), 0);
    const std::string shownAttachments = FieldText(window, IDC_ATTACHMENT_DISPLAY);

    shownBox = {};
    SetTimer(nullptr, 0, 20, CloseMessageBox);
    SendMessageA(window, WM_COMMAND, IDC_SEND, 0);
    EXPECT_EQ(shownBox.caption, app.appTitle);
    EXPECT_EQ(shownBox.text, "File send error of " + spoolDir);
    ASSERT_TRUE(IsWindow(window));
    EXPECT_EQ(FieldText(window, IDC_TO), typed.to);
    EXPECT_EQ(FieldText(window, IDC_CC), typed.cc);
    EXPECT_EQ(FieldText(window, IDC_SUBJECT), typed.subject);
    EXPECT_EQ(FieldText(window, IDC_BODY), typed.body);
    EXPECT_EQ(FieldText(window, IDC_ATTACHMENT_DISPLAY), shownAttachments);
    EXPECT_EQ(app.draft.attachments.Count(), 1u);

    // With the spool directory back, Send again queues the message with its attachment.
    ASSERT_TRUE(CreateDirectoryA(spoolDir.c_str(), nullptr));
    wintest::ListeningPipeServer delivery(records);
    SendMessageA(window, WM_COMMAND, IDC_SEND, 0);
    Pump();
    EXPECT_FALSE(IsWindow(window));
    const auto names = wintest::ListFiles(spoolDir);
    ASSERT_EQ(names.size(), 2u);
    for (const auto& name : names) {
        if (name[0] != 'D') continue;
        const std::string data = wintest::ReadWholeFile(spoolDir + "\\" + name);
        EXPECT_NE(data.find("Keep this text.\r\n"), std::string::npos);
        EXPECT_NE(data.find("name=\"" + attachment + "\"\r\nContent-Transfer-Encoding: 7bit\r\n\r\nplain notes\r\n"),
                  std::string::npos);
    }
    for (const auto& name : names) DeleteFileA((spoolDir + "\\" + name).c_str());
    RemoveDirectoryA(spoolDir.c_str());
}

}  // namespace
}  // namespace velmar
