// The option dialogs opened over a real parent window with a multi-line body, filled and
// pressed from a CBT hook as each dialog opens, and the registry checked for exactly the
// values each button writes; the user-defined program run over the body for real.
#include <windows.h>

#include <gtest/gtest.h>

#include <set>

#include "compose/OptionDialogs.h"
#include "compose/OptionDialogs_win.h"
#include "config/Registry_win.h"
#include "resources/resource.h"
#include "tests/support/ComposeRig_win.h"
#include "tests/support/DialogDriver_win.h"
#include "tests/support/WinTestSupport.h"

namespace velmar {
namespace {

using wintest::Check;
using wintest::Checked;
using wintest::Click;

constexpr char userKey[] = "SOFTWARE\\Brindle\\Velmar\\Domains\\example.com\\Users\\bob";
constexpr char smtpKey[] = "SYSTEM\\CurrentControlSet\\Services\\RELAYSVC\\Parameters";

std::set<std::string> ValueNames(const char* keyPath) {
    std::set<std::string> names;
    HKEY key = nullptr;
    char name[256];
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, keyPath, 0, KEY_READ, &key) != ERROR_SUCCESS) return names;
    for (DWORD size = sizeof name; RegEnumValueA(key, DWORD(names.size()), name, &size, 0, 0, 0, 0) == 0; size = 256)
        names.insert(name);
    RegCloseKey(key);
    return names;
}

std::int32_t StoredNumber(const char* keyPath, const char* name) {
    const auto value = wintest::ReadRegistryValue(keyPath, name);
    EXPECT_TRUE(value.exists) << name;
    return value.exists ? RegistryNumber(value.bytes) : -99;
}

class OptionDialogsTest : public wintest::CleanMachineTest,
                          protected wintest::ComposeRig<Win32SettingsBackend, NoServerLibrary> {
protected:
    void SetUp() override {
        CleanMachineTest::SetUp();  // the options are the user bob's, of example.com
        config.userId = "bob";
        config.usersDir = "C:\\MAIL\\users";
        config.domain.PutText(0, 784, "example.com");
        config.sharedProfilePath = config.userProfilePath = "VELMAR.INI";
    }
    void TearDown() override {
        EXPECT_TRUE(driver.Done()) << "a dialog step was never run";
        CleanMachineTest::TearDown();
    }
    wintest::DialogDriver driver;
};

// The wrap column typed goes through the native WrapColumnFromText rules to the registry.
TEST_F(OptionDialogsTest, MessageOptionsStoreExactlyTheirSettings) {
    driver.Then([&](HWND d) {
        SetDlgItemTextA(d, IDC_OPT_WRAP_COLUMN, "30");
        Check(d, IDC_OPT_AUTO_BCC, true);
        SetDlgItemTextA(d, IDC_OPT_BCC_ADDRESSES, "");
        Check(d, IDC_OPT_REGISTERED, true);
        Click(d, IDOK);
    });
    EXPECT_TRUE(ShowMessageOptions(w));
    EXPECT_EQ(StoredNumber(userKey, "SENDWRAP"), 30);
    EXPECT_EQ(ValueNames(userKey), (std::set<std::string>{"OPT_SIG", "OPT_WRAP", "OPT_BCC", "OPT_TAB", "OPT_ATTACH",
                                                          "OPT_SENDPROMPT", "UUENCODE", "BCC", "SENDWRAP",
                                                          "OPT_VERIFY", "SIGFILE"}));
    // No addresses: stored off, but the box holds for this run; registered for this run, not stored.
    EXPECT_EQ(std::tuple(StoredNumber(userKey, "OPT_BCC"), config.optBcc, config.optSndReg), std::tuple(0, 1, 1));
    EXPECT_TRUE(ValueNames(smtpKey).empty());
}

TEST_F(OptionDialogsTest, SetSendOptionsUpdatesTheBoxesItChanged) {
    driver.Then([](HWND d) {
        Check(d, IDC_OPT_ALLOW_TAB, true);
        Click(d, IDC_OPT_SET_SEND_OPTIONS);  // runs the next step in the send options dialog
        EXPECT_TRUE(Checked(d, IDC_OPT_REGISTERED));
        EXPECT_TRUE(Checked(d, IDC_OPT_ALLOW_TAB)) << "a box the send options do not have is kept";
        Click(d, IDCANCEL);
    });
    driver.Then([](HWND d) {
        Check(d, IDC_SEND_REGISTERED, true);
        Click(d, IDOK);
    });
    EXPECT_FALSE(ShowMessageOptions(w));
}

TEST_F(OptionDialogsTest, SendOptionsOkStoresDirectSaveStoresTheChoices) {
    ASSERT_TRUE(wintest::SetRegistryDword(smtpKey, "DIRECT", 1));
    driver.Then([](HWND d) {
        Check(d, IDC_SEND_SMTP_DIRECT, false);
        SetDlgItemTextA(d, IDC_SEND_REPLY_ADDRESS, "reply@example.com");
        Click(d, IDOK);
    });
    EXPECT_TRUE(ShowSendOptions(w, false));
    EXPECT_EQ(StoredNumber(smtpKey, "DIRECT"), 0);
    EXPECT_FALSE(wintest::KeyExists(userKey));
    EXPECT_EQ(draft.fields.replyAddress, "reply@example.com");
    driver.Then([](HWND d) {
        Check(d, IDC_SEND_SMTP_DIRECT, true);
        CheckRadioButton(d, IDC_SEND_NOW, IDC_SEND_QUEUE, IDC_SEND_QUEUE);
        CheckRadioButton(d, IDC_SEND_MIME, IDC_SEND_UUENCODE, IDC_SEND_UUENCODE);
        SetDlgItemTextA(d, IDC_SEND_REPLY_ADDRESS, "not@kept.example");
        Click(d, IDC_SEND_SAVE);  // stays open: the dialog's result is the Cancel below
        Click(d, IDCANCEL);
    });
    EXPECT_FALSE(ShowSendOptions(w, true));
    EXPECT_EQ(ValueNames(userKey),
              (std::set<std::string>{"OPT_SIG", "OPT_DQUEUE", "UUENCODE", "OPT_SNDREG", "OPT_VERIFY"}));
    EXPECT_EQ(std::pair(StoredNumber(userKey, "OPT_DQUEUE"), StoredNumber(smtpKey, "DIRECT")), std::pair(1, 1));
    EXPECT_EQ(draft.fields.replyAddress, "reply@example.com");
    EXPECT_TRUE(draft.queueForLater);
}

// The group of attachment choices and the delivery button follow the stored choice and the
// draft (the rules are the native OpeningTakesTheStoredChoices).
TEST_F(OptionDialogsTest, SendOptionsOpening) {
    const struct { bool fromMenu, attachment; DWORD storedQueue; bool groupShown; int checkedDelivery; } cases[] = {
        {false, false, 1, false, IDC_SEND_QUEUE}, {true, true, 5, true, IDC_SEND_NOW}};
    for (const auto& c : cases) {
        if (c.attachment) draft.attachments.Add({"C:\\a.bin", "", true});
        ASSERT_TRUE(wintest::SetRegistryDword(userKey, "OPT_DQUEUE", c.storedQueue));
        driver.Then([&](HWND d) {
            RECT client{}, group{};
            GetClientRect(d, &client);
            HWND uu = GetDlgItem(d, IDC_SEND_UUENCODE);
            GetWindowRect(uu, &group);
            MapWindowPoints(HWND_DESKTOP, d, reinterpret_cast<POINT*>(&group), 2);
            EXPECT_EQ(group.bottom <= client.bottom && (GetWindowLongA(uu, GWL_STYLE) & WS_VISIBLE) != 0, c.groupShown)
                << c.fromMenu;
            EXPECT_TRUE(Checked(d, c.checkedDelivery)) << c.fromMenu;
            Click(d, IDCANCEL);
        });
        EXPECT_FALSE(ShowSendOptions(w, c.fromMenu));
    }
}

TEST_F(OptionDialogsTest, SpecialProgramStoredAndAppliedOverTheBody) {
    driver.Then([](HWND d) {
        SetDlgItemTextA(d, IDC_SPECIAL_PROGRAM, "speller.exe -q");
        Check(d, IDC_SPECIAL_AUTO_PASTE, true);
        Click(d, IDOK);
    });
    EXPECT_TRUE(ShowSpecialProgram(w));
    EXPECT_EQ(wintest::ReadRegistryValue(userKey, "SpecProg").bytes, std::string("speller.exe -q\0", 15));
    EXPECT_EQ(StoredNumber(userKey, "SpecCopy"), 1);
    // Nothing selected: the whole body; else the selection; no paste asked; a program that cannot start.
    const struct { DWORD specCopy; int selStart, selEnd; const char *program, *want; } cases[] = {
        {1, 0, 0, "clipfilter.exe", "HELLO WORLD\r\nBYE"}, {1, 6, 11, "clipfilter.exe", "hello WORLD\r\nbye"},
        {0, 0, 0, "clipfilter.exe", "hello world\r\nbye"}, {1, 0, 0, "no-such-program.exe", "hello world\r\nbye"},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(wintest::SetRegistryDword(userKey, "SpecCopy", c.specCopy));
        config.specProg = "\"" + wintest::BinDir() + "\\" + c.program + "\"";
        SetWindowTextA(w.Body(), "hello world\r\nbye");
        SendMessageA(w.Body(), EM_SETSEL, c.selStart, c.selEnd);
        RunOptionDialogCommand(w, IDM_APPLY_SPECIAL);
        EXPECT_EQ(Body(), c.want) << c.program << c.selEnd << c.specCopy;
    }
}

TEST_F(OptionDialogsTest, MenuCommandsOpenTheirDialogsAndCancelStoresNothing) {
    for (int id : {IDM_MESSAGE_OPTIONS, IDM_SEND_OPTIONS, IDM_DEFINE_SPECIAL}) {
        bool shown = false;
        driver.Then([&](HWND d) {
            shown = true;
            Check(d, IDC_OPT_REGISTERED, true);
            Click(d, IDCANCEL);
        });
        RunOptionDialogCommand(w, id);
        EXPECT_TRUE(shown) << id;
    }
    EXPECT_FALSE(wintest::KeyExists(userKey));
    EXPECT_EQ(config.optSndReg, 0);
}

}  // namespace
}  // namespace velmar
