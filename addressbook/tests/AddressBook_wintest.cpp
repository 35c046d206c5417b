// The address book dialogs over real files and the real registry, driven from a CBT hook.
#include <windows.h>

#include <gtest/gtest.h>

#include "addressbook/AddressDialogs_win.h"
#include "addressbook/AliasStores_win.h"
#include "config/Registry_win.h"
#include "resources/resource.h"
#include "tests/support/ComposeRig_win.h"
#include "tests/support/DialogDriver_win.h"
#include "tests/support/WinTestSupport.h"

namespace velmar {
namespace {

using wintest::Caption, wintest::Click, wintest::Enabled, wintest::ItemText;

constexpr char listKey[] = "SOFTWARE\\Brindle\\Velmar\\_aliases";
constexpr char aliasKey[] = "SOFTWARE\\Brindle\\Velmar\\Domains\\example.com\\Users\\_aliases";
constexpr char userKey[] = "SOFTWARE\\Brindle\\Velmar\\Domains\\example.com\\Users\\bob";

std::vector<AddressItem> Rows(HWND list) {
    std::vector<AddressItem> rows;
    const LRESULT count = SendMessageA(list, LB_GETCOUNT, 0, 0);
    for (int i = 0; i < count; ++i) {
        char text[512] = {};
        SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
        rows.push_back({text, static_cast<EntryKind>(SendMessageA(list, LB_GETITEMDATA, static_cast<WPARAM>(i), 0))});
    }
    return rows;
}

// Selects exactly the row with this text in the address list.
void SelectOnly(HWND book, const char* text) {
    HWND list = GetDlgItem(book, IDC_BOOK_ADDRESSES);
    SendMessageA(list, LB_SETSEL, FALSE, -1);
    const LRESULT row = SendMessageA(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(text));
    ASSERT_NE(row, LB_ERR) << text;
    SendMessageA(list, LB_SETSEL, TRUE, row);
    SendMessageA(list, LB_SETCARETINDEX, static_cast<WPARAM>(row), FALSE);
    SendMessageA(book, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list), LBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
}

class AddressBookTest : public wintest::CleanMachineTest {
protected:
    void SetUp() override {
        CleanMachineTest::SetUp();
        const std::string& own = personal.Path();  // the user's directory: <users directory>\<user id>
        config.usersDir = own.substr(0, own.rfind('\\')), config.userId = own.substr(own.rfind('\\') + 1);
        config.hostName = "host", config.cfgDir = cfg.Path();
        config.usersSysPath = cfg / "USERS.SYS", config.aliasesSysPath = cfg / "ALIASES.SYS";
        config.domain.PutText(0, 784, "example.com");
        ASSERT_TRUE(wintest::WriteWholeFile(personal / "aliases.txt", "Ann Lee <ann>\r\nzed@x\r\n"));
        ASSERT_TRUE(wintest::WriteWholeFile(cfg / "aliases.txt", "carl (Carl Ek)\r\n"));
        ASSERT_TRUE(wintest::WriteWholeFile(config.usersSysPath, "bob\r\nroot\r\n"));
        ASSERT_TRUE(wintest::WriteWholeFile(config.aliasesSysPath, "sales\r\nrun\r\nteam\r\n"));
        ASSERT_TRUE(wintest::SetRegistryString(userKey, "FULLNAME", "Bob Cole"));
        for (const auto& [name, target] : {std::pair{"sales", "s@x.com"}, {"run", "|C:\\bin\\run.exe"},
                                           {"team", "C:\\lists\\team.lst"}})
            ASSERT_TRUE(wintest::SetRegistryString(listKey, name, target) &&
                        wintest::SetRegistryString(aliasKey, name, target));
        owner = wintest::CreateParentWindow();
        ASSERT_NE(owner, nullptr);
    }
    void TearDown() override {
        DestroyWindow(owner);
        CleanMachineTest::TearDown();
    }
    wintest::ScratchDir cfg{"abcfg"};
    wintest::ScratchDir personal{"abuser"};
    AppConfig config;
    Win32SettingsBackend backend;
    SettingsStore settings{backend, config, true};
    std::vector<std::pair<unsigned, std::string>> notices;
    AddressBookContext context{GetModuleHandleA(nullptr), "VELMAR1", config, settings,
                               [this](unsigned id, const std::string& path) { notices.emplace_back(id, path); }};
    HWND owner = nullptr;
    wintest::DialogDriver driver;
};

const std::vector<AddressItem> loadOrder{
    {"\"Ann Lee\" <ann>", EntryPersonal}, {"<zed@x>", EntryPersonal}, {"\"Carl Ek\" <carl>", EntryShared},
    {"\"sales\" <s@x.com>", EntryAlias}, {"Multiple recipients <team@host>", EntryList},
    {"\"Bob Cole\" <bob>", EntryLocalUser}, {"root", EntryLocalUser}};

// Completion opens the book (unsorted: "ADDRSORT" 0); Save with the shared file locked names it. New name, New
// list and Modify land in files, index and registry; refusals keep the entry open; a list with no alias closes.
TEST_F(AddressBookTest, CompletionAndEntryDialogs) {
    ASSERT_TRUE(wintest::SetRegistryDword("SOFTWARE\\Brindle\\Velmar\\_Mail", "ADDRSORT", 0));
    const std::string shared = cfg / "aliases.txt";
    HANDLE lock = CreateFileA(shared.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    driver.Then([](HWND book) {
        EXPECT_EQ(Caption(book) + "|" + ItemText(book, IDC_BOOK_FIELD_LABEL) + "|" + ItemText(book, IDC_BOOK_SEARCH),
                  "Address Book|&TO:|ca");
        EXPECT_EQ(Rows(GetDlgItem(book, IDC_BOOK_ADDRESSES)), loadOrder);
        EXPECT_EQ(Rows(GetDlgItem(book, IDC_BOOK_RESULTS)),
                  (std::vector<AddressItem>{{"\"Carl Ek\" <carl>", EntryShared}}));
        SetDlgItemTextA(book, IDC_BOOK_SEARCH, "");
        EXPECT_EQ(GetDlgItem(book, IDC_BOOK_RESULTS), nullptr) << "clearing the search shows the whole list";
        SelectOnly(book, "<zed@x>");  // the kind and the buttons follow the selection
        EXPECT_EQ(ItemText(book, IDC_BOOK_KIND_LABEL) + (Enabled(book, IDC_BOOK_MODIFY) ? "+" : "-"), "Personal+");
        SendDlgItemMessageA(book, IDC_BOOK_ADDRESSES, WM_KEYDOWN, VK_SPACE, 0);  // a space adds the selection
        EXPECT_EQ(Rows(GetDlgItem(book, IDC_BOOK_RECIPIENTS)).size(), 3u);
        Click(book, IDC_BOOK_ADD);  // already a recipient: not added twice
        Click(book, IDC_BOOK_DELETE);
        SelectOnly(book, "\"Carl Ek\" <carl>");
        Click(book, IDC_BOOK_DELETE);
        Click(book, IDC_BOOK_SAVE);
        EXPECT_FALSE(Enabled(book, IDC_BOOK_SAVE));
        Click(book, IDOK);
    });
    std::string field = "a@x.com,\"Lee, Ann\" <ann>,ca";  // no one match: completion opens the book
    EXPECT_TRUE(CompleteAddress(owner, context, "&TO:", field));
    CloseHandle(lock);
    EXPECT_EQ(field, "a@x.com,\"Lee, Ann\" <ann>,<zed@x>");
    EXPECT_EQ(wintest::ReadWholeFile(personal / "aliases.txt") + "|" + wintest::ReadWholeFile(shared),
              "Ann Lee <ann>\r\n|carl (Carl Ek)\r\n");
    EXPECT_EQ(wintest::ListFiles(cfg.Path()).size(), 3u) << "no temporary file left behind";

    EntryDraft gone{"Multiple recipients", "gone@host", EntryList};
    EXPECT_FALSE(ShowEntryDialog(owner, context, gone, {}));
    const std::string listPath = cfg / "crew.lst";
    std::wstring boxText;
    driver.Then([&](HWND book) {
        Click(book, IDC_BOOK_NEW);  // a new shared name (the next four steps)
        Click(book, IDC_BOOK_NEW);  // a new list from the recipients (the two after)
        SelectOnly(book, "\"sales\" <s@x.com>");
        Click(book, IDC_BOOK_MODIFY);
        Click(book, IDOK);  // asks to save: Yes
    });
    driver.Then([](HWND kind) { Click(kind, IDOK); });
    driver.Then([](HWND entry) {
        EXPECT_EQ(IsDlgButtonChecked(entry, IDC_INFO_PERSONAL), BST_CHECKED);
        SetDlgItemTextW(entry, IDC_INFO_NAME, L"\u0418\u0432\u0430\u043d Iv\u0430n");
        SetDlgItemTextA(entry, IDC_INFO_ADDRESS, "dee@x");
        Click(entry, IDOK);
        SetDlgItemTextA(entry, IDC_INFO_NAME, "Dee");
        CheckRadioButton(entry, IDC_INFO_ALIAS, IDC_INFO_PERSONAL, IDC_INFO_SHARED);
        Click(entry, IDOK);
    });
    driver.Then([&](HWND box) {
        boxText = WindowTextW(GetDlgItem(box, 0xFFFF));
        PostMessageA(box, WM_COMMAND, IDOK, 0);
    });
    driver.Then([](HWND kind) {
        CheckRadioButton(kind, IDC_NEW_NAME, IDC_NEW_IMPORT, IDC_NEW_LIST);
        Click(kind, IDOK);
    });
    driver.Then([&](HWND entry) {
        EXPECT_EQ(ItemText(entry, IDC_INFO_NAME_LABEL) + "|" + ItemText(entry, IDC_INFO_NAME), "Alias|newlist");
        SetDlgItemTextA(entry, IDC_INFO_NAME, "");
        SetDlgItemTextA(entry, IDC_INFO_ADDRESS, listPath.c_str());
        Click(entry, IDOK);
        SetDlgItemTextA(entry, IDC_INFO_NAME, "crew");
        Click(entry, IDOK);
    });
    driver.Then([](HWND entry) {
        EXPECT_EQ(ItemText(entry, IDC_INFO_NAME), "sales");
        SetDlgItemTextA(entry, IDC_INFO_NAME, "sales2");
        Click(entry, IDOK);
    });
    driver.Answer("VELMAR1", IDYES);
    field = "a@x.com,b@y.com";
    EXPECT_TRUE(ShowAddressBook(owner, context, "&TO:", field));
    EXPECT_EQ(boxText, L"The address book cannot store these characters of the name: \u0418 \u0432 \u0430 \u043d");
    EXPECT_EQ(wintest::ReadWholeFile(cfg / "aliases.txt") + "|" + wintest::ReadWholeFile(listPath),
              "carl (Carl Ek)\r\n\"Dee\" <dee@x>\r\n|a@x.com\r\nb@y.com\r\n");
    const auto alias = [](const char* name) { return wintest::ReadRegistryValue(aliasKey, name).bytes; };
    EXPECT_EQ(alias("crew") + "|" + alias("sales") + "|" + alias("sales2"), listPath + '\0' + "||s@x.com" + '\0');
    const std::string index = config.aliasesSysPath, kept = "run\r\nteam\r\ncrew\r\nsales2\r\n";
    EXPECT_EQ(wintest::ReadWholeFile(index) + "|" + wintest::ReadWholeFile(cfg / "ALIASES.bak"),
              kept + "|sales\r\nrun\r\nteam\r\ncrew\r\n");
    // A name there in any case is not added; a name not there leaves the index and a ".new" copy.
    EXPECT_FALSE(AddNameToListFile("CREW", index) || RemoveNameFromListFile("nobody", index, context.notice));
    EXPECT_EQ(wintest::ReadWholeFile(index) + "|" + wintest::ReadWholeFile(cfg / "ALIASES.new"), kept + "|" + kept);
    EXPECT_FALSE(RemoveNameFromListFile("x", cfg / "missing.sys", context.notice));
    EXPECT_EQ(notices, (decltype(notices){{IDS_OPEN_FAILED, shared}, {IDS_INDEX_OPEN_FAILED, cfg / "missing.sys"}}));
}

}  // namespace
}  // namespace velmar
