// The address book over real files and the real registry: the stores, the name index
// rewrite, the safe save, completion, and the dialogs driven from a CBT hook as each opens.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "addressbook/AddressDialogs_win.h"
#include "addressbook/AddressModel.h"
#include "addressbook/AliasStores_win.h"
#include "config/Registry_win.h"
#include "resources/resource.h"
#include "tests/support/ComposeRig_win.h"
#include "tests/support/DialogDriver_win.h"
#include "tests/support/WinTestSupport.h"

namespace velmar {
namespace {

using wintest::Caption;
using wintest::Click;
using wintest::Enabled;
using wintest::ItemText;

constexpr char listKey[] = "SOFTWARE\\Brindle\\Velmar\\_aliases";
constexpr char aliasKey[] = "SOFTWARE\\Brindle\\Velmar\\Domains\\example.com\\Users\\_aliases";
constexpr char mailKey[] = "SOFTWARE\\Brindle\\Velmar\\_Mail";
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

// Selects exactly the row with this text in the list shown by the address book.
void SelectOnly(HWND book, const char* text) {
    HWND list = GetDlgItem(book, IDC_BOOK_RESULTS);
    if (list == nullptr) list = GetDlgItem(book, IDC_BOOK_ADDRESSES);
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
        personalDir = users.Path() + "\\bob";
        CreateDirectoryA(personalDir.c_str(), nullptr);
        config.hostName = "host", config.userId = "bob", config.usersDir = users.Path(), config.cfgDir = cfg.Path();
        config.usersSysPath = cfg / "USERS.SYS", config.aliasesSysPath = cfg / "ALIASES.SYS";
        config.domain.PutText(0, 784, "example.com");
        config.sharedProfilePath = config.userProfilePath = "VELMAR.INI";
        ASSERT_TRUE(wintest::WriteWholeFile(PersonalPath(), "Ann Lee <ann>\r\nzed@x\r\n"));
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
        EXPECT_TRUE(driver.Done()) << "a dialog step was never run";
        DestroyWindow(owner);
        for (const auto& name : wintest::ListFiles(personalDir)) DeleteFileA((personalDir + "\\" + name).c_str());
        RemoveDirectoryA(personalDir.c_str());
        CleanMachineTest::TearDown();
    }
    std::string PersonalPath() const { return personalDir + "\\aliases.txt"; }

    wintest::ScratchDir cfg{"abcfg"};
    wintest::ScratchDir users{"abusers"};
    std::string personalDir;
    HINSTANCE instance = GetModuleHandleA(nullptr);
    AppConfig config;
    Win32SettingsBackend backend;
    SettingsStore settings{backend, config, true};
    std::vector<std::pair<unsigned, std::string>> notices;
    AddressBookContext context{instance, "VELMAR1", config, settings,
                               [this](unsigned id, const std::string& path) { notices.emplace_back(id, path); }};
    Win32AliasStores stores{context, context.notice};
    HWND owner = nullptr;
    wintest::DialogDriver driver;
};

const std::vector<AddressItem> loadOrder{
    {"\"Ann Lee\" <ann>", EntryPersonal}, {"<zed@x>", EntryPersonal}, {"\"Carl Ek\" <carl>", EntryShared},
    {"\"sales\" <s@x.com>", EntryAlias}, {"Multiple recipients <team@host>", EntryList},
    {"\"Bob Cole\" <bob>", EntryLocalUser}, {"root", EntryLocalUser}};

// With "ADDRSORT" 0 the address list shows the load order: personal file, shared file,
// server aliases (the program alias left out, the list as "Multiple recipients"), local
// users; the field's addresses become recipients and its fragment the search text.
TEST_F(AddressBookTest, OpensInLoadOrderWithTheFieldSplit) {
    ASSERT_TRUE(wintest::SetRegistryDword(mailKey, "ADDRSORT", 0));
    driver.Then([](HWND book) {
        const auto recipients = [&] { return Rows(GetDlgItem(book, IDC_BOOK_RECIPIENTS)).size(); };
        EXPECT_EQ(Caption(book) + "|" + ItemText(book, IDC_BOOK_FIELD_LABEL) + "|" + ItemText(book, IDC_BOOK_SEARCH),
                  "Address Book|&TO:|ca");
        EXPECT_EQ(Rows(GetDlgItem(book, IDC_BOOK_ADDRESSES)), loadOrder);
        EXPECT_EQ(recipients(), 2u);
        HWND results = GetDlgItem(book, IDC_BOOK_RESULTS);
        ASSERT_NE(results, nullptr);
        EXPECT_FALSE(IsWindowVisible(GetDlgItem(book, IDC_BOOK_ADDRESSES)));
        EXPECT_EQ(Rows(results), (std::vector<AddressItem>{{"\"Carl Ek\" <carl>", EntryShared}}));
        SetDlgItemTextA(book, IDC_BOOK_SEARCH, "");
        EXPECT_EQ(GetDlgItem(book, IDC_BOOK_RESULTS), nullptr) << "clearing the search shows the whole list";
        // The kind and the buttons follow the selection (the rules are the native ButtonsFor table).
        for (const auto& [row, want] : {std::pair{"root", "Local-"}, {"<zed@x>", "Personal+"}}) {
            SelectOnly(book, row);
            EXPECT_EQ(ItemText(book, IDC_BOOK_KIND_LABEL) + (Enabled(book, IDC_BOOK_MODIFY) ? "+" : "-"), want);
        }
        SendDlgItemMessageA(book, IDC_BOOK_ADDRESSES, WM_KEYDOWN, VK_SPACE, 0);  // a space adds the selection
        EXPECT_EQ(recipients(), 3u);
        Click(book, IDC_BOOK_ADD);  // already a recipient: not added twice
        EXPECT_EQ(recipients(), 3u);
        Click(book, IDOK);
    });
    std::string field = "a@x.com,\"Lee, Ann\" <ann>,ca";
    EXPECT_TRUE(ShowAddressBook(owner, context, "&TO:", field));
    EXPECT_EQ(field, "a@x.com,\"Lee, Ann\" <ann>,<zed@x>");
}

// Completion (its candidates are the native CompletionCandidatesInSourceOrder): one match
// replaces the field without a dialog; two matches open the address book.
TEST_F(AddressBookTest, CompletionReplacesOneMatchAndOpensTheBookForTwo) {
    std::string field = "lee";
    EXPECT_TRUE(CompleteAddress(owner, context, "&TO:", field));
    EXPECT_EQ(field, "\"Ann Lee\" <ann>");
    std::string book;
    driver.Then([&](HWND d) {
        book = Caption(d);
        Click(d, IDCANCEL);
    });
    field = "co";  // "Bob Cole" and "s@x.com"
    EXPECT_FALSE(CompleteAddress(owner, context, "&CC:", field));
    EXPECT_EQ(book + "|" + field, "Address Book|co");
}

// Deleting a list entry deletes the alias named before "@" and its index line, the old
// index kept as ".bak"; removing a name the index lacks leaves it and a ".new" copy.
TEST_F(AddressBookTest, DeletingAListForgetsItsAliasAndIndexLine) {
    AddressModel model(stores, false);
    model.Load();
    model.Delete({4});
    EXPECT_TRUE(!wintest::ReadRegistryValue(aliasKey, "team").exists
                && wintest::ReadRegistryValue(aliasKey, "sales").exists);
    EXPECT_EQ(wintest::ReadWholeFile(config.aliasesSysPath), "sales\r\nrun\r\n");
    EXPECT_EQ(wintest::ReadWholeFile(cfg / "ALIASES.bak"), "sales\r\nrun\r\nteam\r\n");

    EXPECT_FALSE(RemoveNameFromListFile("nobody", config.aliasesSysPath, context.notice));
    EXPECT_EQ(wintest::ReadWholeFile(config.aliasesSysPath), "sales\r\nrun\r\n");
    EXPECT_EQ(wintest::ReadWholeFile(cfg / "ALIASES.new"), "sales\r\nrun\r\n");
    EXPECT_FALSE(RemoveNameFromListFile("x", cfg / "missing.sys", context.notice));
    EXPECT_EQ(notices, (decltype(notices){{IDS_INDEX_OPEN_FAILED, cfg / "missing.sys"}}));
    EXPECT_TRUE(AddNameToListFile("ops", config.aliasesSysPath) && !AddNameToListFile("OPS", config.aliasesSysPath));
    EXPECT_EQ(wintest::ReadWholeFile(config.aliasesSysPath), "sales\r\nrun\r\nops\r\n");
}

// Saving rewrites the changed files, keeping their other lines as they were; a file that
// cannot be replaced keeps its old content, "Open failed" names it, and the other file is
// still written.
TEST_F(AddressBookTest, SaveRewritesTheChangedFilesAndKeepsALockedOne) {
    const std::string shared = cfg / "aliases.txt";
    HANDLE lock = CreateFileA(shared.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    driver.Then([](HWND book) {
        for (const char* row : {"<zed@x>", "\"Carl Ek\" <carl>"}) {
            SelectOnly(book, row);
            Click(book, IDC_BOOK_DELETE);
        }
        EXPECT_TRUE(Enabled(book, IDC_BOOK_SAVE));
        Click(book, IDC_BOOK_SAVE);
        EXPECT_FALSE(Enabled(book, IDC_BOOK_SAVE));
        Click(book, IDCANCEL);
    });
    std::string field;
    EXPECT_FALSE(ShowAddressBook(owner, context, "&TO:", field));
    CloseHandle(lock);
    EXPECT_EQ(wintest::ReadWholeFile(PersonalPath()), "Ann Lee <ann>\r\n");
    EXPECT_EQ(wintest::ReadWholeFile(shared), "carl (Carl Ek)\r\n");
    EXPECT_EQ(notices, (decltype(notices){{IDS_OPEN_FAILED, shared}}));
    EXPECT_EQ(wintest::ListFiles(cfg.Path()).size(), 3u) << "no temporary file left behind";
}

// New name, New list from the current recipients, Modify and Delete through the dialogs,
// with what lands in the files and the registry.
TEST_F(AddressBookTest, NewModifyDeleteThroughTheDialogs) {
    const std::string listPath = cfg / "crew.lst";
    driver.Then([&](HWND book) {
        Click(book, IDC_BOOK_NEW);  // a new shared name (the next three steps)
        Click(book, IDC_BOOK_NEW);  // a new list from the recipients (the two after)
        SelectOnly(book, "\"sales\" <s@x.com>");
        Click(book, IDC_BOOK_MODIFY);
        SelectOnly(book, "\"Ann Lee\" <ann>");
        Click(book, IDC_BOOK_DELETE);
        Click(book, IDOK);  // asks to save: Yes
    });
    driver.Then([](HWND kind) { Click(kind, IDOK); });
    driver.Then([](HWND entry) {
        EXPECT_TRUE(IsWindowVisible(GetDlgItem(entry, IDC_INFO_PERSONAL))
                    && IsDlgButtonChecked(entry, IDC_INFO_PERSONAL) == BST_CHECKED);
        SetDlgItemTextA(entry, IDC_INFO_NAME, "Dee");
        SetDlgItemTextA(entry, IDC_INFO_ADDRESS, "dee@x");
        CheckRadioButton(entry, IDC_INFO_ALIAS, IDC_INFO_PERSONAL, IDC_INFO_SHARED);
        Click(entry, IDOK);
    });
    driver.Then([](HWND kind) {
        CheckRadioButton(kind, IDC_NEW_NAME, IDC_NEW_IMPORT, IDC_NEW_LIST);
        Click(kind, IDOK);
    });
    driver.Then([&](HWND entry) {
        std::string shown;
        for (int id : {IDC_INFO_NAME_LABEL, IDC_INFO_ADDRESS_LABEL, IDC_INFO_NAME, IDC_INFO_ADDRESS, IDC_INFO_CONTENTS})
            shown += ItemText(entry, id) + "|";
        EXPECT_EQ(shown, "Alias|Filename|newlist|" + cfg / "tmplist.lst" + "|a@x.com\r\nb@y.com\r\n|");
        EXPECT_FALSE(IsWindowVisible(GetDlgItem(entry, IDC_INFO_ALIAS)));
        SetDlgItemTextA(entry, IDC_INFO_NAME, "crew");
        SetDlgItemTextA(entry, IDC_INFO_ADDRESS, listPath.c_str());
        Click(entry, IDOK);
    });
    driver.Then([](HWND entry) {
        EXPECT_EQ(ItemText(entry, IDC_INFO_NAME), "sales");
        SetDlgItemTextA(entry, IDC_INFO_NAME, "sales2");
        Click(entry, IDOK);
    });
    driver.Answer("VELMAR1", IDYES);
    std::string field = "a@x.com,b@y.com";
    EXPECT_TRUE(ShowAddressBook(owner, context, "&TO:", field));
    EXPECT_EQ(field, "a@x.com,b@y.com");
    EXPECT_EQ(wintest::ReadWholeFile(cfg / "aliases.txt") + "|" + wintest::ReadWholeFile(PersonalPath()) + "|" +
                  wintest::ReadWholeFile(listPath),
              "carl (Carl Ek)\r\n\"Dee\" <dee@x>\r\n|zed@x\r\n|a@x.com\r\nb@y.com\r\n");
    EXPECT_EQ(wintest::ReadRegistryValue(aliasKey, "crew").bytes, listPath + std::string(1, '\0'));
    EXPECT_FALSE(wintest::ReadRegistryValue(aliasKey, "sales").exists);
    EXPECT_EQ(wintest::ReadRegistryValue(aliasKey, "sales2").bytes, std::string("s@x.com") + '\0');
    EXPECT_EQ(wintest::ReadWholeFile(config.aliasesSysPath), "run\r\nteam\r\ncrew\r\nsales2\r\n");
}

// Stored files the book does not write itself: a personal file with CR-only line ends, a
// 100,000-character line and a "<" in a quoted name; a shared file with text after a
// 0x1A. Every entry shows, the quoted "<" as part of the name; adding a personal entry
// appends it to the personal file and leaves every other byte of both files as it was.
TEST_F(AddressBookTest, SavingKeepsWhatItDidNotChangeByteForByte) {
    const std::string longLine = "\"" + std::string(100000, 'n') + "\" <long@x>";
    const std::string personal = "Ann Lee <ann>\r\"Eve <evil@attacker.example>\" <eve@example.com>\r" + longLine + "\r";
    const std::string shared = "carl (Carl Ek)\r\n\x1A" "note\r\n";
    ASSERT_TRUE(wintest::WriteWholeFile(PersonalPath(), personal) && wintest::WriteWholeFile(cfg / "aliases.txt", shared));
    const char eve[] = "\"Eve <evil@attacker.example>\" <eve@example.com>";
    driver.Then([&](HWND book) {
        const auto rows = Rows(GetDlgItem(book, IDC_BOOK_ADDRESSES));
        ASSERT_EQ(std::count_if(rows.begin(), rows.end(), [](const AddressItem& r) { return r.kind == EntryPersonal; }), 3);
        SelectOnly(book, eve);
        Click(book, IDC_BOOK_ADD);
        Click(book, IDC_BOOK_NEW);
        Click(book, IDOK);  // asks to save: Yes
    });
    driver.Then([](HWND kind) { Click(kind, IDOK); });
    driver.Then([](HWND entry) {
        SetDlgItemTextA(entry, IDC_INFO_NAME, "Dee");
        SetDlgItemTextA(entry, IDC_INFO_ADDRESS, "dee@x");
        Click(entry, IDOK);
    });
    driver.Answer("VELMAR1", IDYES);
    std::string field;
    EXPECT_TRUE(ShowAddressBook(owner, context, "&TO:", field));
    EXPECT_EQ(field, eve);
    EXPECT_EQ(wintest::ReadWholeFile(PersonalPath()), personal + "\"Dee\" <dee@x>\r\n");
    EXPECT_EQ(wintest::ReadWholeFile(cfg / "aliases.txt"), shared);
}

// A list whose alias is gone closes its entry dialog at once; OK with an empty contents
// box keeps a list's dialog open. The alias files keep the ANSI code page: a name beyond it
// is refused with a message that names the characters, and the dialog stays open.
TEST_F(AddressBookTest, EntryDialogRefusals) {
    EntryDraft gone{"Multiple recipients", "gone@host", EntryList};
    EXPECT_FALSE(ShowEntryDialog(owner, context, gone, {}));
    int stayed = 0;
    driver.Then([&](HWND entry) {
        SetDlgItemTextA(entry, IDC_INFO_CONTENTS, "");
        Click(entry, IDOK);
        stayed += IsWindow(entry) && IsWindowVisible(entry);
        Click(entry, IDCANCEL);
    });
    EntryDraft list{cfg / "tmplist.lst", "newlist", EntryNewList};
    EXPECT_FALSE(ShowEntryDialog(owner, context, list, {}));
    EXPECT_FALSE(wintest::FileExists(cfg / "tmplist.lst"));
    EXPECT_TRUE(notices.empty());
    std::wstring boxText(256, L'\0');
    driver.Then([&](HWND entry) {
        SetDlgItemTextW(entry, IDC_INFO_NAME, L"\u0418\u0432\u0430\u043d Iv\u0430n");
        SetDlgItemTextA(entry, IDC_INFO_ADDRESS, "ivan@x");
        Click(entry, IDOK);
        stayed += IsWindow(entry) && IsWindowVisible(entry);
        Click(entry, IDCANCEL);
    });
    driver.Then([&](HWND box) {
        boxText.resize(static_cast<std::size_t>(GetDlgItemTextW(box, 0xFFFF, boxText.data(), 256)));
        PostMessageA(box, WM_COMMAND, IDOK, 0);
    });
    EntryDraft fresh{"", "", EntryPersonal};
    EXPECT_FALSE(ShowEntryDialog(owner, context, fresh, {}));
    EXPECT_EQ(stayed, 2);
    EXPECT_EQ(boxText, L"The address book cannot store these characters of the name: \u0418 \u0432 \u0430 \u043d");
    EXPECT_TRUE(fresh.name.empty());
}

}  // namespace
}  // namespace velmar
