// The option dialogs filled and pressed as each opens, the values each button writes read back from the registry.
#include <windows.h>

#include <gtest/gtest.h>

#include <map>

#include "compose/OptionDialogs.h"
#include "compose/OptionDialogs_win.h"
#include "config/Registry_win.h"
#include "config/SettingsBackend.h"
#include "resources/resource.h"
#include "tests/support/ComposeRig_win.h"
#include "tests/support/DialogDriver_win.h"
#include "tests/support/WinTestSupport.h"

namespace velmar {
namespace {

using wintest::Check, wintest::Checked, wintest::Click;
using namespace std::string_literals;

constexpr char userKey[] = "SOFTWARE\\Brindle\\Velmar\\Domains\\example.com\\Users\\bob";
constexpr char smtpKey[] = "SYSTEM\\CurrentControlSet\\Services\\RELAYSVC\\Parameters";

// The values of a key as "NAME=number" or "NAME='text'", in name order.
std::string Stored(const char* keyPath) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, keyPath, 0, KEY_READ, &key) != ERROR_SUCCESS) return "(no key)";
    std::map<std::string, std::string> values;
    char name[256], data[1024];
    for (DWORD i = 0, type = 0, nameSize = sizeof name, size = sizeof data;
         RegEnumValueA(key, i, name, &nameSize, nullptr, &type, reinterpret_cast<BYTE*>(data), &size) == 0;
         ++i, nameSize = sizeof name, size = sizeof data)
        values[name] = type == REG_DWORD ? std::to_string(RegistryNumber({data, size})) : "'" + std::string(data) + "'";
    RegCloseKey(key);
    std::string all;
    for (const auto& [n, value] : values) all += n + "=" + value + " ";
    return all;
}

class OptionDialogsTest : public wintest::CleanMachineTest,
                          protected wintest::ComposeRig<Win32SettingsBackend, NoServerLibrary> {
protected:
    void SetUp() override {
        CleanMachineTest::SetUp();  // the options are the user bob's, of example.com
        config.userId = "bob";
        config.usersDir = "C:\\MAIL\\users";
        config.domain.PutText(0, 784, "example.com");
    }
    wintest::DialogDriver driver;
};

// Set send options runs the send options dialog, whose changes show in the message options; each OK stores
// exactly its dialog's settings. From the menu with an attachment the send options show its encodings.
TEST_F(OptionDialogsTest, MessageAndSendOptions) {
    driver.Then([&](HWND d) {
        SetDlgItemTextA(d, IDC_OPT_WRAP_COLUMN, "30");
        Check(d, IDC_OPT_AUTO_BCC, true);
        Check(d, IDC_OPT_ALLOW_TAB, true);
        Click(d, IDC_OPT_SET_SEND_OPTIONS);  // runs the next step in the send options dialog
        EXPECT_TRUE(Checked(d, IDC_OPT_REGISTERED));
        Click(d, IDOK);
    });
    driver.Then([](HWND d) {
        EXPECT_FALSE(IsWindowVisible(GetDlgItem(d, IDC_SEND_UUENCODE)));
        Check(d, IDC_SEND_REGISTERED, true);
        Check(d, IDC_SEND_SMTP_DIRECT, false);
        SetDlgItemTextA(d, IDC_SEND_REPLY_ADDRESS, "reply@example.com");
        Click(d, IDOK);
    });
    RunOptionDialogCommand(w, IDM_MESSAGE_OPTIONS);  // no BCC addresses: stored off, on for this run
    EXPECT_EQ(Stored(userKey), "BCC='' OPT_ATTACH=0 OPT_BCC=0 OPT_SENDPROMPT=1 OPT_SIG=1 OPT_TAB=1 OPT_VERIFY=0 "
                               "OPT_WRAP=1 SENDWRAP=30 SIGFILE='C:\\MAIL\\users\\bob\\signatur.txt' UUENCODE=0 ");
    EXPECT_EQ(std::tuple(config.optBcc, config.optSndReg, Stored(smtpKey)), std::tuple(1, 1, "DIRECT=0 "s));

    wintest::ForgetServerConfiguration();  // Cancel and the send options below store into empty keys
    driver.Then([](HWND d) {
        SetDlgItemTextA(d, IDC_OPT_WRAP_COLUMN, "40");
        Click(d, IDCANCEL);
    });
    RunOptionDialogCommand(w, IDM_MESSAGE_OPTIONS);
    EXPECT_EQ(Stored(userKey), "(no key)") << "Cancel stores nothing";
    draft.attachments.Add({"C:\\a.bin", "", true});
    ASSERT_TRUE(wintest::SetRegistryDword(userKey, "OPT_DQUEUE", 5));  // send now
    driver.Then([](HWND d) {
        const ControlRect group = wintest::ClientRectOf(GetDlgItem(d, IDC_SEND_UUENCODE));
        RECT client{};
        GetClientRect(d, &client);
        EXPECT_TRUE(Checked(d, IDC_SEND_NOW) && group.y + group.height <= client.bottom);
        CheckRadioButton(d, IDC_SEND_NOW, IDC_SEND_QUEUE, IDC_SEND_QUEUE);
        CheckRadioButton(d, IDC_SEND_MIME, IDC_SEND_UUENCODE, IDC_SEND_UUENCODE);
        Check(d, IDC_SEND_SMTP_DIRECT, false);  // unlike the queue box just checked
        SetDlgItemTextA(d, IDC_SEND_REPLY_ADDRESS, "not@kept.example");
        Click(d, IDC_SEND_SAVE);  // stays open: the dialog's result is the Cancel below
        Click(d, IDCANCEL);
    });
    RunOptionDialogCommand(w, IDM_SEND_OPTIONS);
    EXPECT_EQ(Stored(userKey) + Stored(smtpKey),
              "OPT_DQUEUE=1 OPT_SIG=1 OPT_SNDREG=1 OPT_VERIFY=0 UUENCODE=1 DIRECT=0 ");
    EXPECT_EQ(std::pair(draft.fields.replyAddress, draft.queueForLater), std::pair("reply@example.com"s, true));
}

// OK stores the program; it runs over the selection, or the whole body if none, and its result is pasted back.
TEST_F(OptionDialogsTest, SpecialProgram) {
    const std::string program = "\"" + wintest::BinDir() + "\\clipfilter.exe\"";
    driver.Then([&](HWND d) {
        SetDlgItemTextA(d, IDC_SPECIAL_PROGRAM, program.c_str());
        Check(d, IDC_SPECIAL_AUTO_PASTE, true);
        Click(d, IDOK);
    });
    RunOptionDialogCommand(w, IDM_DEFINE_SPECIAL);
    EXPECT_EQ(Stored(userKey), "SpecCopy=1 SpecProg='" + program + "' ");
    for (const auto& [start, end, want] :
         {std::tuple(3, 3, "HELLO WORLD\r\nBYE"), std::tuple(6, 11, "hello WORLD\r\nbye")}) {
        SetWindowTextA(w.Body(), "hello world\r\nbye");
        SendMessageA(w.Body(), EM_SETSEL, start, end);
        RunOptionDialogCommand(w, IDM_APPLY_SPECIAL);
        EXPECT_EQ(Body(), want);
    }
}

}  // namespace
}  // namespace velmar
