// The option dialogs opened over a real parent window with a multi-line body, filled and
// pressed from a CBT hook as each dialog opens, and the registry checked for exactly the
// values each button writes; the user-defined program run over the body for real.
#include <windows.h>

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <set>

#include "compose/OptionDialogs.h"
#include "compose/OptionDialogs_win.h"
#include "config/Registry_win.h"
#include "resources/resource.h"
#include "tests/support/WinTestSupport.h"

namespace velmar {
namespace {

constexpr char userKey[] = "SOFTWARE\\Brindle\\Velmar\\Domains\\example.com\\Users\\bob";
constexpr char smtpKey[] = "SYSTEM\\CurrentControlSet\\Services\\RELAYSVC\\Parameters";

// ---- Driving modal dialogs: each dialog, the first time it is activated, gets the next
// step; a dialog with no step left is cancelled.
using DialogStep = std::function<void(HWND)>;
std::deque<DialogStep> steps;
std::deque<HWND> opened;
std::set<HWND> seen;
HHOOK hook = nullptr;

void CALLBACK RunNextStep(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    if (opened.empty()) return;
    HWND dialog = opened.front();
    if (!IsWindowVisible(dialog)) {  // activated while being shown: act once it shows
        SetTimer(nullptr, 0, 5, RunNextStep);
        return;
    }
    opened.pop_front();
    if (steps.empty()) {
        PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
        return;
    }
    DialogStep step = std::move(steps.front());
    steps.pop_front();
    step(dialog);
}

LRESULT CALLBACK DialogHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE) {
        HWND window = reinterpret_cast<HWND>(wParam);
        char className[16] = {};
        GetClassNameA(window, className, sizeof className);
        if (std::string(className) == "#32770" && seen.insert(window).second) {
            opened.push_back(window);
            SetTimer(nullptr, 0, 1, RunNextStep);
        }
    }
    return CallNextHookEx(hook, code, wParam, lParam);
}

void Click(HWND dialog, int id) { SendMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }
void Check(HWND dialog, int id, bool on) { CheckDlgButton(dialog, id, on ? BST_CHECKED : BST_UNCHECKED); }
bool Checked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

std::set<std::string> ValueNames(const char* keyPath) {
    std::set<std::string> names;
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, keyPath, 0, KEY_READ, &key) != ERROR_SUCCESS) return names;
    char name[256];
    for (DWORD i = 0, size = sizeof name; RegEnumValueA(key, i, name, &size, nullptr, nullptr, nullptr, nullptr) ==
                                           ERROR_SUCCESS;
         ++i, size = sizeof name)
        names.insert(name);
    RegCloseKey(key);
    return names;
}

std::int32_t StoredNumber(const char* keyPath, const char* name) {
    const auto value = wintest::ReadRegistryValue(keyPath, name);
    EXPECT_TRUE(value.exists) << name;
    return value.exists ? RegistryNumber(value.bytes) : -99;
}

LRESULT CALLBACK ParentProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(window, message, wParam, lParam);
}

class OptionDialogsTest : public ::testing::Test {
protected:
    void SetUp() override {
        wintest::ForgetServerConfiguration();
        config.userId = "bob";
        config.usersDir = "C:\\MAIL\\users";
        config.domain.PutText(0, 784, "example.com");
        config.sharedProfilePath = config.userProfilePath = "VELMAR.INI";
        WNDCLASSA cls{};
        cls.lpfnWndProc = ParentProc;
        cls.hInstance = instance;
        cls.lpszClassName = "VelmarOptionsParent";
        RegisterClassA(&cls);
        window.window = CreateWindowExA(0, cls.lpszClassName, "Create Mail Message", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                        50, 50, 640, 480, nullptr, nullptr, instance, nullptr);
        ASSERT_NE(window.window, nullptr);
        window.controls[RowBody] = CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE | ES_MULTILINE | WS_VSCROLL, 0,
                                                   0, 600, 400, window.window, nullptr, instance, nullptr);
        window.currentRow = RowBody;
        hook = SetWindowsHookExA(WH_CBT, DialogHook, nullptr, GetCurrentThreadId());
    }
    void TearDown() override {
        UnhookWindowsHookEx(hook);
        EXPECT_TRUE(steps.empty()) << "a dialog step was never run";
        steps.clear();
        opened.clear();
        seen.clear();
        DestroyWindow(window.window);
        wintest::ForgetServerConfiguration();
    }
    std::string Body() {
        char text[256] = {};
        GetWindowTextA(window.Body(), text, sizeof text);
        return text;
    }

    HINSTANCE instance = GetModuleHandleA(nullptr);
    std::string title = "VELMAR1", replyFile;
    AppConfig config;
    Win32SettingsBackend backend;
    SettingsStore settings{backend, config, true};
    NoServerLibrary library;
    MessageDraft draft;
    ComposeContext context{instance, title, config, settings, library, draft, replyFile};
    ComposeWindow window{context};
};

TEST_F(OptionDialogsTest, MessageOptionsStoreExactlyTheirSettings) {
    const struct {
        const char* typed;
        std::int32_t stored;
    } cases[] = {{"0", 72}, {"29", 72}, {"abc", 72}, {"30", 30}};
    for (const auto& c : cases) {
        steps.push_back([&](HWND d) {
            SetDlgItemTextA(d, IDC_OPT_WRAP_COLUMN, c.typed);
            Check(d, IDC_OPT_AUTO_BCC, true);
            SetDlgItemTextA(d, IDC_OPT_BCC_ADDRESSES, "");
            Check(d, IDC_OPT_REGISTERED, true);
            Click(d, IDOK);
        });
        EXPECT_TRUE(ShowMessageOptions(window)) << c.typed;
        EXPECT_EQ(StoredNumber(userKey, "SENDWRAP"), c.stored) << c.typed;
    }
    EXPECT_EQ(ValueNames(userKey), (std::set<std::string>{"OPT_SIG", "OPT_WRAP", "OPT_BCC", "OPT_TAB", "OPT_ATTACH",
                                                          "OPT_SENDPROMPT", "UUENCODE", "BCC", "SENDWRAP",
                                                          "OPT_VERIFY", "SIGFILE"}));
    EXPECT_EQ(StoredNumber(userKey, "OPT_BCC"), 0) << "no addresses: stored off";
    EXPECT_EQ(config.optBcc, 1) << "the box holds for this run";
    EXPECT_EQ(config.optSndReg, 1) << "registered for this run, not stored";
    EXPECT_TRUE(ValueNames(smtpKey).empty());
}

TEST_F(OptionDialogsTest, SetSendOptionsUpdatesTheBoxesItChanged) {
    steps.push_back([](HWND d) {
        Check(d, IDC_OPT_ALLOW_TAB, true);
        Click(d, IDC_OPT_SET_SEND_OPTIONS);  // runs the next step in the send options dialog
        EXPECT_TRUE(Checked(d, IDC_OPT_REGISTERED));
        EXPECT_TRUE(Checked(d, IDC_OPT_ALLOW_TAB)) << "a box the send options do not have is kept";
        Click(d, IDCANCEL);
    });
    steps.push_back([](HWND d) {
        Check(d, IDC_SEND_REGISTERED, true);
        Click(d, IDOK);
    });
    EXPECT_FALSE(ShowMessageOptions(window));
}

TEST_F(OptionDialogsTest, SendOptionsOkStoresDirectSaveStoresTheChoices) {
    ASSERT_TRUE(wintest::SetRegistryDword(smtpKey, "DIRECT", 1));
    steps.push_back([](HWND d) {
        Check(d, IDC_SEND_SMTP_DIRECT, false);
        SetDlgItemTextA(d, IDC_SEND_REPLY_ADDRESS, "reply@example.com");
        Click(d, IDOK);
    });
    EXPECT_TRUE(ShowSendOptions(window, false));
    EXPECT_EQ(StoredNumber(smtpKey, "DIRECT"), 0);
    EXPECT_FALSE(wintest::KeyExists(userKey));
    EXPECT_EQ(draft.fields.replyAddress, "reply@example.com");
    steps.push_back([](HWND d) {
        Check(d, IDC_SEND_SMTP_DIRECT, true);
        CheckRadioButton(d, IDC_SEND_NOW, IDC_SEND_QUEUE, IDC_SEND_QUEUE);
        CheckRadioButton(d, IDC_SEND_MIME, IDC_SEND_UUENCODE, IDC_SEND_UUENCODE);
        SetDlgItemTextA(d, IDC_SEND_REPLY_ADDRESS, "not@kept.example");
        Click(d, IDC_SEND_SAVE);  // stays open: the dialog's result is the Cancel below
        Click(d, IDCANCEL);
    });
    EXPECT_FALSE(ShowSendOptions(window, true));
    EXPECT_EQ(ValueNames(userKey),
              (std::set<std::string>{"OPT_SIG", "OPT_DQUEUE", "UUENCODE", "OPT_SNDREG", "OPT_VERIFY"}));
    EXPECT_EQ(StoredNumber(userKey, "OPT_DQUEUE"), 1);
    EXPECT_EQ(StoredNumber(smtpKey, "DIRECT"), 1);
    EXPECT_EQ(draft.fields.replyAddress, "reply@example.com");
    EXPECT_TRUE(draft.queueForLater);
}

TEST_F(OptionDialogsTest, SendOptionsOpening) {
    const struct {
        const char* name;
        bool fromMenu, attachment;
        DWORD storedQueue;
        bool groupShown;
        int checkedDelivery;
    } cases[] = {
        {"from send, no attachment", false, false, 1, false, IDC_SEND_QUEUE},
        {"from send, an attachment", false, true, 0, true, IDC_SEND_NOW},
        {"from the menu, a stored 5", true, false, 5, true, IDC_SEND_NOW},
    };
    for (const auto& c : cases) {
        if (c.attachment) draft.attachments.Add({"C:\\a.bin", "", true});
        ASSERT_TRUE(wintest::SetRegistryDword(userKey, "OPT_DQUEUE", c.storedQueue));
        steps.push_back([&](HWND d) {
            RECT client{}, group{}, height{0, 0, 0, SendDialogHeight(c.groupShown)};
            GetClientRect(d, &client);
            MapDialogRect(d, &height);
            EXPECT_NEAR(client.bottom, height.bottom, 1) << c.name;
            HWND uu = GetDlgItem(d, IDC_SEND_UUENCODE);
            GetWindowRect(uu, &group);
            MapWindowPoints(HWND_DESKTOP, d, reinterpret_cast<POINT*>(&group), 2);
            EXPECT_EQ(group.bottom <= client.bottom && (GetWindowLongA(uu, GWL_STYLE) & WS_VISIBLE) != 0, c.groupShown)
                << c.name;
            EXPECT_TRUE(Checked(d, c.checkedDelivery)) << c.name;
            Click(d, IDCANCEL);
        });
        EXPECT_FALSE(ShowSendOptions(window, c.fromMenu)) << c.name;
    }
}

TEST_F(OptionDialogsTest, SpecialProgramStoredAndAppliedOverTheBody) {
    steps.push_back([](HWND d) {
        SetDlgItemTextA(d, IDC_SPECIAL_PROGRAM, "speller.exe -q");
        Check(d, IDC_SPECIAL_AUTO_PASTE, true);
        Click(d, IDOK);
    });
    EXPECT_TRUE(ShowSpecialProgram(window));
    EXPECT_EQ(wintest::ReadRegistryValue(userKey, "SpecProg").bytes, std::string("speller.exe -q\0", 15));
    EXPECT_EQ(StoredNumber(userKey, "SpecCopy"), 1);
    const struct {
        const char* name;
        DWORD specCopy;
        int selStart, selEnd;
        const char* program;
        const char* want;
    } cases[] = {
        {"nothing selected: the whole body", 1, 0, 0, "clipfilter.exe", "HELLO WORLD\r\nBYE"},
        {"the selection only", 1, 6, 11, "clipfilter.exe", "hello WORLD\r\nbye"},
        {"no paste asked", 0, 0, 0, "clipfilter.exe", "hello world\r\nbye"},
        {"program that cannot start", 1, 0, 0, "no-such-program.exe", "hello world\r\nbye"},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(wintest::SetRegistryDword(userKey, "SpecCopy", c.specCopy));
        config.specProg = "\"" + wintest::BinDir() + "\\" + c.program + "\"";
        SetWindowTextA(window.Body(), "hello world\r\nbye");
        SendMessageA(window.Body(), EM_SETSEL, c.selStart, c.selEnd);
        RunOptionDialogCommand(window, IDM_APPLY_SPECIAL);
        EXPECT_EQ(Body(), c.want) << c.name;
    }
}

TEST_F(OptionDialogsTest, MenuCommandsOpenTheirDialogsAndCancelStoresNothing) {
    for (int id : {IDM_MESSAGE_OPTIONS, IDM_SEND_OPTIONS, IDM_DEFINE_SPECIAL}) {
        bool shown = false;
        steps.push_back([&](HWND d) {
            shown = true;
            Check(d, IDC_OPT_REGISTERED, true);
            Click(d, IDCANCEL);
        });
        RunOptionDialogCommand(window, id);
        EXPECT_TRUE(shown) << id;
    }
    EXPECT_FALSE(wintest::KeyExists(userKey));
    EXPECT_EQ(config.optSndReg, 0);
}

// Not a check: with VELMAR_SHOWCASE_DIR set (by scripts/screenshots-dialogs.sh) each dialog
// is held open, "<name>.ready" written there, and the dialog closed once "<name>.done"
// appears, so a picture can be taken of it.
void HoldForPicture(HWND dialog, const std::string& dir, const std::string& name) {
    const auto pump = [](DWORD ms) {
        for (DWORD start = GetTickCount(); GetTickCount() - start < ms;) {
            MSG msg;
            while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
            Sleep(20);
        }
    };
    pump(500);
    wintest::WriteWholeFile(dir + "\\" + name + ".ready", name);
    for (int waited = 0; waited < 200 && !wintest::FileExists(dir + "\\" + name + ".done"); ++waited) pump(50);
    Click(dialog, IDCANCEL);
}

TEST_F(OptionDialogsTest, ShowcaseForPictures) {
    char dir[MAX_PATH] = {};
    if (GetEnvironmentVariableA("VELMAR_SHOWCASE_DIR", dir, sizeof dir) == 0) GTEST_SKIP() << "pictures only";
    draft.fields.replyAddress = "alice@example.com";
    ASSERT_TRUE(wintest::SetRegistryString(userKey, "BCC", "archive@example.com"));
    const struct {
        const char* name;
        int command;
    } poses[] = {{"message-options", IDM_MESSAGE_OPTIONS}, {"send-options-menu", IDM_SEND_OPTIONS},
                 {"send-options-send", 0}, {"special", IDM_DEFINE_SPECIAL}};
    for (const auto& pose : poses) {
        steps.push_back([&](HWND d) { HoldForPicture(d, dir, pose.name); });
        if (pose.command != 0)
            RunOptionDialogCommand(window, pose.command);
        else
            ShowSendOptions(window, false);
    }
}

}  // namespace
}  // namespace velmar
