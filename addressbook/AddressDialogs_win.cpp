#include "addressbook/AddressDialogs_win.h"

#include <commdlg.h>

#include <algorithm>
#include <array>
#include <optional>

#include "addressbook/RecipientPicks.h"
#include "common/CentreWindow_win.h"
#include "common/DialogState_win.h"
#include "common/HelpTopics.h"
#include "common/HelpViewer_win.h"
#include "common/ResourceStrings_win.h"
#include "common/Text.h"
#include "common/WideText_win.h"
#include "common/WindowText_win.h"
#include "resources/resource.h"

namespace velmar {
namespace {

constexpr int kSearchListExtraHeight = 7;  // the search-result list reaches a little lower than the address list

std::string ItemText(HWND dialog, int id, std::size_t maxChars) {
    std::string text = DlgItemText(dialog, id);
    return CutTo(text, maxChars);
}

std::string ListText(HWND list, int row) {
    const LRESULT length = SendMessageA(list, LB_GETTEXTLEN, static_cast<WPARAM>(row), 0);
    if (length == LB_ERR) return {};
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    const LRESULT got = SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(text.data()));
    text.resize(got == LB_ERR ? 0 : static_cast<std::size_t>(got));
    return text;
}

std::vector<std::string> ListTexts(HWND list) {
    std::vector<std::string> texts;
    const LRESULT count = SendMessageA(list, LB_GETCOUNT, 0, 0);
    for (int row = 0; row < count; ++row) texts.push_back(ListText(list, row));
    return texts;
}

std::vector<int> SelectedRows(HWND list) {
    std::vector<int> rows(cap::selectionBatch);
    const LRESULT n = SendMessageA(list, LB_GETSELITEMS, rows.size(), reinterpret_cast<LPARAM>(rows.data()));
    rows.resize(n == LB_ERR ? 0 : static_cast<std::size_t>(n));
    return rows;
}

void InsertRow(HWND list, const AddressItem& item) {
    const LRESULT row = SendMessageA(list, LB_INSERTSTRING, static_cast<WPARAM>(-1),
                                     reinterpret_cast<LPARAM>(item.text.c_str()));
    if (row >= 0) SendMessageA(list, LB_SETITEMDATA, static_cast<WPARAM>(row), static_cast<LPARAM>(item.kind));
}

void OpenHelp(HWND window, const AddressBookContext& context) {
    if (context.help != nullptr) (void)ShowHelpTopic(*context.help, window, kHelpAddressBook, context.appTitle);
}

// A list box in the place of `list` with its font and identifier: `style` replaces the
// list's own, `extraHeight` pixels are added at the bottom.
HWND ListBoxOver(HWND dialog, HWND list, DWORD style, int extraHeight, int id) {
    RECT r{};
    GetWindowRect(list, &r);
    MapWindowPoints(HWND_DESKTOP, dialog, reinterpret_cast<POINT*>(&r), 2);
    HWND box = CreateWindowExA(WS_EX_CLIENTEDGE, "LISTBOX", "", style, r.left, r.top, r.right - r.left,
                               r.bottom - r.top + extraHeight, dialog, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                               reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(dialog, GWLP_HINSTANCE)), nullptr);
    if (box == nullptr) return nullptr;
    SendMessageA(box, WM_SETFONT, SendMessageA(list, WM_GETFONT, 0, 0), FALSE);
    SetWindowPos(box, list, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    return box;
}

// ---- The address book ----

struct AddressBook {
    AddressBook(const AddressBookContext& c, std::string_view l, std::string f, bool sorted)
        : context(c), stores(c, NoticeFor(c, nullptr)), model(stores, sorted, c.cache), label(l), field(std::move(f)) {}

    const AddressBookContext& context;
    Win32AliasStores stores;
    AddressModel model;
    std::string label;
    std::string field;
    HWND dialog = nullptr;
    HWND addresses = nullptr;  // control 1013
    HWND results = nullptr;    // control 1012 while the search box holds text
    HWND Shown() const { return results != nullptr ? results : addresses; }
};

HWND RecipientList(HWND dialog) { return GetDlgItem(dialog, IDC_BOOK_RECIPIENTS); }

// The place in the model of a row of the shown list: the search results are found again by
// their text.
std::optional<std::size_t> ModelIndexOf(const AddressBook& book, int row) {
    if (book.results == nullptr) return static_cast<std::size_t>(row);
    return book.model.Find(ListText(book.results, row));
}

void RefreshButtons(AddressBook& book) {
    HWND shown = book.Shown();
    const LRESULT count = SendMessageA(shown, LB_GETSELCOUNT, 0, 0);
    const std::size_t selected = count > 0 ? static_cast<std::size_t>(count) : 0;
    EntryKind kind = EntryLocalUser;
    if (selected > 0) {
        const LRESULT caret = SendMessageA(shown, LB_GETCARETINDEX, 0, 0);
        const LRESULT data = SendMessageA(shown, LB_GETITEMDATA, static_cast<WPARAM>(caret), 0);
        if (data != LB_ERR) kind = static_cast<EntryKind>(data);
    }
    const EntryButtons b = ButtonsFor(selected, kind, book.model.Modified());
    EnableWindow(GetDlgItem(book.dialog, IDC_BOOK_MODIFY), b.modify);
    EnableWindow(GetDlgItem(book.dialog, IDC_BOOK_DELETE), b.remove);
    EnableWindow(GetDlgItem(book.dialog, IDC_BOOK_SAVE), b.save);
    const std::string text = b.kindLabel == 0 ? std::string()
                                              : LoadResourceString(book.context.instance, b.kindLabel, 63, "");
    SetDlgItemTextA(book.dialog, IDC_BOOK_KIND_LABEL, text.c_str());
}

// Shows the search results for the search box's text, or the whole address list when it
// is empty.
void RefreshFilter(AddressBook& book) {
    const std::string search = ItemText(book.dialog, IDC_BOOK_SEARCH, cap::searchText);
    if (search.empty()) {
        if (book.results != nullptr) {
            DestroyWindow(book.results);
            book.results = nullptr;
            ShowWindow(book.addresses, SW_SHOW);
            RefreshButtons(book);
        }
        return;
    }
    if (book.results == nullptr) {
        const DWORD style = static_cast<DWORD>(GetWindowLongPtrA(book.addresses, GWL_STYLE)) | WS_VSCROLL | WS_VISIBLE;
        book.results = ListBoxOver(book.dialog, book.addresses, style, kSearchListExtraHeight, IDC_BOOK_RESULTS);
        if (book.results == nullptr) return;
        ShowWindow(book.addresses, SW_HIDE);
    }
    SendMessageA(book.results, LB_RESETCONTENT, 0, 0);
    for (std::size_t i : book.model.Matching(search)) InsertRow(book.results, book.model.Items()[i]);
}

// Shows the model in the address list, the entry at `selected` selected.
void ShowModel(AddressBook& book, std::optional<std::size_t> selected) {
    SendMessageA(book.addresses, WM_SETREDRAW, FALSE, 0);
    SendMessageA(book.addresses, LB_RESETCONTENT, 0, 0);
    std::size_t bytes = 0;
    for (const AddressItem& item : book.model.Items()) bytes += item.text.size() + 1;
    // Room for every row at once, not grown row by row.
    SendMessageA(book.addresses, LB_INITSTORAGE, book.model.Items().size(), static_cast<LPARAM>(bytes));
    for (const AddressItem& item : book.model.Items()) InsertRow(book.addresses, item);
    SendMessageA(book.addresses, WM_SETREDRAW, TRUE, 0);
    SetScrollRange(book.addresses, SB_VERT, 0, static_cast<int>(book.model.Items().size()), TRUE);
    RefreshFilter(book);
    if (selected) {
        HWND shown = book.Shown();
        const std::string text = book.model.Items()[*selected].text;
        const LRESULT row = SendMessageA(shown, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                         reinterpret_cast<LPARAM>(text.c_str()));
        if (row != LB_ERR) {
            SendMessageA(shown, LB_SETSEL, TRUE, row);
            SendMessageA(shown, LB_SETCARETINDEX, static_cast<WPARAM>(row), FALSE);
        }
    }
    RefreshButtons(book);
}

void AddSelectedToRecipients(AddressBook& book, const std::vector<int>& rows) {
    HWND recipientsBox = RecipientList(book.dialog);
    std::vector<std::string> recipients = ListTexts(recipientsBox);
    for (int row : rows) {
        const std::string text = ListText(book.Shown(), row);
        if (AddRecipient(recipients, text))
            SendMessageA(recipientsBox, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
}

void RemoveCurrentRecipient(AddressBook& book) {
    HWND recipientsBox = RecipientList(book.dialog);
    const LRESULT current = SendMessageA(recipientsBox, LB_GETCURSEL, 0, 0);
    if (current != LB_ERR) SendMessageA(recipientsBox, LB_DELETESTRING, static_cast<WPARAM>(current), 0);
}

void NewEntry(AddressBook& book) {
    const int choice = AskNewKind(book.dialog, book.context);
    if (choice == 1) {
        EntryDraft work{"", "", EntryPersonal};
        if (ShowEntryDialog(book.dialog, book.context, work, {})) ShowModel(book, book.model.Store(work, std::nullopt));
    } else if (choice == 2) {
        EntryDraft work{book.context.config.cfgDir + "\\tmplist.lst", "newlist", EntryNewList};
        if (ShowEntryDialog(book.dialog, book.context, work, ListTexts(RecipientList(book.dialog))))
            ShowModel(book, book.model.Store(work, std::nullopt));
    }
}

void ModifyEntry(AddressBook& book) {
    HWND shown = book.Shown();
    const LRESULT caret = SendMessageA(shown, LB_GETCARETINDEX, 0, 0);
    if (caret == LB_ERR) return;
    const std::optional<std::size_t> index = ModelIndexOf(book, static_cast<int>(caret));
    if (!index || *index >= book.model.Items().size()) return;
    EntryDraft work = book.model.DraftOf(*index);
    if (ShowEntryDialog(book.dialog, book.context, work, {})) ShowModel(book, book.model.Store(work, *index));
}

void DeleteEntries(AddressBook& book) {
    std::vector<std::size_t> indexes;
    for (int row : SelectedRows(book.Shown()))
        if (const auto index = ModelIndexOf(book, row)) indexes.push_back(*index);
    (void)book.model.Delete(indexes);  // local users stay; the new list shows them unselected
    ShowModel(book, std::nullopt);
}

void SaveEntries(AddressBook& book) {
    const FailureNotice notice = NoticeFor(book.context, book.dialog);
    for (const std::string& path : book.model.Save()) notice(IDS_OPEN_FAILED, path);
}

// Saves the alias files when they were changed and the user agrees.
void OfferSave(AddressBook& book) {
    if (!book.model.Modified()) return;
    const std::string question = LoadResourceString(book.context.instance, IDS_SAVE_ADDRESSES, 255,
                                                    "Address list modified, save changes?");
    if (MessageBoxA(book.dialog, question.c_str(), book.context.appTitle.c_str(), MB_YESNO | MB_ICONQUESTION) ==
        IDYES)
        SaveEntries(book);
    else
        book.model.ClearModified();
}

void OpenAddressBook(AddressBook& book) {
    HWND dialog = book.dialog;
    SetDlgItemTextA(dialog, IDC_BOOK_FIELD_LABEL, book.label.c_str());
    book.addresses = GetDlgItem(dialog, IDC_BOOK_ADDRESSES);
    if (!book.model.Sorted()) {
        const DWORD style = (static_cast<DWORD>(GetWindowLongPtrA(book.addresses, GWL_STYLE)) & ~DWORD{LBS_SORT}) |
                            WS_VSCROLL;
        if (HWND unsorted = ListBoxOver(dialog, book.addresses, style, 0, IDC_BOOK_ADDRESSES)) {
            DestroyWindow(book.addresses);
            book.addresses = unsorted;
        }
    }
    book.model.Load();
    ShowModel(book, std::nullopt);
    const FieldRecipients split = SplitFieldRecipients(book.field);
    for (const std::string& r : split.recipients)
        SendDlgItemMessageA(dialog, IDC_BOOK_RECIPIENTS, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(r.c_str()));
    SetDlgItemTextA(dialog, IDC_BOOK_SEARCH, split.searchText.c_str());  // its change notice filters
    SendDlgItemMessageA(dialog, IDC_BOOK_SEARCH, EM_SETSEL, 0, -1);
    CenterOverParent(dialog, GetParent(dialog));
    SetFocus(book.field.empty() ? GetDlgItem(dialog, IDC_BOOK_SEARCH) : book.Shown());
}

void AddressBookCommand(AddressBook& book, int id, int notification, HWND control) {
    HWND dialog = book.dialog;
    switch (id) {
    case IDC_BOOK_SEARCH:
        if (notification == EN_CHANGE) {
            RefreshFilter(book);
            RefreshButtons(book);
        }
        return;
    case IDC_BOOK_ADDRESSES:
    case IDC_BOOK_RESULTS:
        if (control != book.Shown()) return;
        if (notification == LBN_DBLCLK) {
            const LRESULT caret = SendMessageA(control, LB_GETCARETINDEX, 0, 0);
            if (caret != LB_ERR) AddSelectedToRecipients(book, {static_cast<int>(caret)});
        } else if (notification == LBN_SETFOCUS) {
            SendDlgItemMessageA(dialog, IDC_BOOK_RECIPIENTS, LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
        }
        RefreshButtons(book);
        return;
    case IDC_BOOK_RECIPIENTS:
        if (notification == LBN_DBLCLK) RemoveCurrentRecipient(book);
        if (notification == LBN_SETFOCUS) {
            SendMessageA(book.Shown(), LB_SETSEL, FALSE, -1);
            RefreshButtons(book);
        }
        return;
    case IDC_BOOK_ADD: AddSelectedToRecipients(book, SelectedRows(book.Shown())); break;
    case IDC_BOOK_REMOVE: RemoveCurrentRecipient(book); break;
    case IDC_BOOK_NEW: NewEntry(book); break;
    case IDC_BOOK_MODIFY: ModifyEntry(book); break;
    case IDC_BOOK_DELETE: DeleteEntries(book); break;
    case IDC_BOOK_SAVE: SaveEntries(book); break;
    case IDC_BOOK_HELP: OpenHelp(dialog, book.context); break;
    case IDOK:
        book.field = JoinRecipients(ListTexts(RecipientList(dialog)));
        OfferSave(book);
        EndDialog(dialog, 1);
        return;
    case IDCANCEL: EndDialog(dialog, 0); return;
    default: return;
    }
    RefreshButtons(book);
}

INT_PTR CALLBACK AddressBookProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        AddressBook& book = KeepState<AddressBook>(dialog, lParam);
        book.dialog = dialog;
        OpenAddressBook(book);
        return FALSE;  // the focus is set
    }
    AddressBook* book = StateOf<AddressBook>(dialog);
    if (book == nullptr) return FALSE;
    switch (message) {
    case WM_COMMAND:
        AddressBookCommand(*book, LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
        return TRUE;
    case WM_VKEYTOITEM:
        // A space in the shown list adds its selection, or removes the current recipient
        // when nothing is selected.
        if (LOWORD(wParam) == VK_SPACE && reinterpret_cast<HWND>(lParam) == book->Shown()) {
            const std::vector<int> rows = SelectedRows(book->Shown());
            if (rows.empty())
                RemoveCurrentRecipient(*book);
            else
                AddSelectedToRecipients(*book, rows);
            return -2;  // handled
        }
        return -1;  // the list's own handling
    case WM_CLOSE: EndDialog(dialog, 0); return TRUE;
    default: return FALSE;
    }
}

// ---- The entry dialog ----

struct EntryDialog {
    const AddressBookContext& context;
    EntryDraft& work;
    const std::vector<std::string>& recipients;
    bool list = false;
};

void ShowListPart(HWND dialog) {
    for (int id : {IDC_INFO_ALIAS, IDC_INFO_SHARED, IDC_INFO_PERSONAL}) ShowWindow(GetDlgItem(dialog, id), SW_HIDE);
    for (int id : {IDC_INFO_BROWSE, IDC_INFO_CONTENTS_LABEL, IDC_INFO_CONTENTS})
        ShowWindow(GetDlgItem(dialog, id), SW_SHOW);
    RECT box{};
    GetWindowRect(dialog, &box);
    // Twelve lines of the system font. Away from 96 DPI the platform's base units do not
    // follow the dialog's own scale (Wine gives 35 pixels a line at 144 DPI), so the room
    // of 96 DPI grows with the display scale instead.
    HDC screen = GetDC(nullptr);
    const int dpi = screen != nullptr ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
    if (screen != nullptr) ReleaseDC(nullptr, screen);
    constexpr int kLineAt96 = 16;
    const int extra = dpi == 96 ? 12 * HIWORD(GetDialogBaseUnits()) : MulDiv(12 * kLineAt96, dpi, 96);
    SetWindowPos(dialog, nullptr, 0, 0, box.right - box.left, box.bottom - box.top + extra,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// False when a listed distribution list's alias no longer exists.
bool OpenEntryDialog(HWND dialog, EntryDialog& d) {
    EntryDraft& work = d.work;
    d.list = work.kind == EntryList || work.kind == EntryNewList;
    if (!d.list) {
        SetDlgItemTextA(dialog, IDC_INFO_NAME, work.name.c_str());
        SetDlgItemTextA(dialog, IDC_INFO_ADDRESS, work.address.c_str());
        if (work.kind >= EntryAlias && work.kind <= EntryPersonal)
            CheckRadioButton(dialog, IDC_INFO_ALIAS, IDC_INFO_PERSONAL, IDC_INFO_ALIAS + work.kind - EntryAlias);
        SendDlgItemMessageA(dialog, IDC_INFO_ADDRESS, EM_SETSEL, 0, -1);
        CenterOverParent(dialog, GetParent(dialog));
        SetFocus(GetDlgItem(dialog, IDC_INFO_ADDRESS));
        return true;
    }
    ShowListPart(dialog);
    work.address = work.address.substr(0, work.address.find('@'));
    if (work.kind == EntryList) {
        std::string path;
        if (d.context.settings.LookupAlias(work.address, path, 1) == 0) return false;
        work.name = CutTo(path, cap::entryName);
    }
    const std::string aliasLabel = LoadResourceString(d.context.instance, IDS_KIND_ALIAS, 63, "Alias");
    const std::string fileLabel = LoadResourceString(d.context.instance, IDS_FILENAME_LABEL, 63, "Filename");
    SetDlgItemTextA(dialog, IDC_INFO_NAME_LABEL, aliasLabel.c_str());
    SetDlgItemTextA(dialog, IDC_INFO_ADDRESS_LABEL, fileLabel.c_str());
    SetDlgItemTextA(dialog, IDC_INFO_NAME, work.address.c_str());
    SetDlgItemTextA(dialog, IDC_INFO_ADDRESS, work.name.c_str());
    HWND contents = GetDlgItem(dialog, IDC_INFO_CONTENTS);
    if (work.kind == EntryNewList) {
        CopyRecipientsToContents(contents, d.recipients);
        SetFocus(GetDlgItem(dialog, IDC_INFO_NAME));
    } else {
        LoadListContents(work.name, contents);
        SetFocus(contents);
    }
    work.kind = EntryList;
    CenterOverParent(dialog, GetParent(dialog));
    return true;
}

void EntryDialogCommand(HWND dialog, EntryDialog& d, int id) {
    switch (id) {
    case IDC_INFO_BROWSE: {
        std::string path;
        if (!BrowseListFile(dialog, d.context, path)) return;
        LoadListContents(path, GetDlgItem(dialog, IDC_INFO_CONTENTS));
        SetDlgItemTextA(dialog, IDC_INFO_ADDRESS, path.c_str());
        return;
    }
    case IDOK: {
        // The alias and list files keep the ANSI code page: a name it cannot hold is refused
        // before anything is stored.
        if (const std::wstring beyond = CharactersBeyondAnsi(WindowTextW(GetDlgItem(dialog, IDC_INFO_NAME)));
            !beyond.empty()) {
            const std::wstring text = L"The address book cannot store these characters of the name: " + beyond;
            MessageBoxW(dialog, text.c_str(), AnsiToWide(d.context.appTitle).c_str(), MB_OK | MB_ICONEXCLAMATION);
            return;  // stays open so that the name can be corrected
        }
        EntryDraft read = d.work;
        read.name = ItemText(dialog, IDC_INFO_NAME, cap::entryName);
        read.address = ItemText(dialog, IDC_INFO_ADDRESS, cap::entryPath);
        if (d.list) {
            if (!SaveListContents(GetDlgItem(dialog, IDC_INFO_CONTENTS), read.name, read.address,
                                  NoticeFor(d.context, dialog)))
                return;  // stays open so that the path or the contents can be corrected
        } else {
            read.kind = IsDlgButtonChecked(dialog, IDC_INFO_ALIAS)    ? EntryAlias
                        : IsDlgButtonChecked(dialog, IDC_INFO_SHARED) ? EntryShared
                                                                      : EntryPersonal;
        }
        d.work = read;
        EndDialog(dialog, 1);
        return;
    }
    case IDCANCEL: EndDialog(dialog, 0); return;
    case IDHELP: OpenHelp(dialog, d.context); return;
    default: return;
    }
}

INT_PTR CALLBACK EntryDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        EntryDialog& d = KeepState<EntryDialog>(dialog, lParam);
        if (!OpenEntryDialog(dialog, d)) EndDialog(dialog, 0);
        return FALSE;
    }
    EntryDialog* d = StateOf<EntryDialog>(dialog);
    if (d == nullptr) return FALSE;
    if (message == WM_COMMAND) {
        EntryDialogCommand(dialog, *d, LOWORD(wParam));
        return TRUE;
    }
    if (message == WM_CLOSE) {
        EndDialog(dialog, 0);
        return TRUE;
    }
    return FALSE;
}

// ---- The kind dialog ----

INT_PTR CALLBACK NewKindProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        CheckRadioButton(dialog, IDC_NEW_NAME, IDC_NEW_IMPORT, IDC_NEW_NAME);
        CenterOverParent(dialog, GetParent(dialog));
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK)
            EndDialog(dialog, IsDlgButtonChecked(dialog, IDC_NEW_LIST)     ? 2
                              : IsDlgButtonChecked(dialog, IDC_NEW_IMPORT) ? 3
                                                                           : 1);
        else if (LOWORD(wParam) == IDCANCEL)
            EndDialog(dialog, 0);
        return TRUE;
    case WM_CLOSE: EndDialog(dialog, 0); return TRUE;
    default: return FALSE;
    }
}

}  // namespace

bool ShowAddressBook(HWND owner, const AddressBookContext& context, std::string_view label, std::string& field) {
    const bool sorted = context.settings.GetConfigInt("_MAIL", "ADDRSORT", 1, ProfileShared) != 0;
    AddressBook book(context, CutCopy(label, cap::fieldLabel), CutCopy(field, cap::fieldForBook), sorted);
    const INT_PTR result = DialogBoxParamA(context.instance, "DLG_ADDRESS", owner, AddressBookProc,
                                           reinterpret_cast<LPARAM>(&book));
    if (result != 1) return false;
    field = book.field;
    return true;
}

bool ShowEntryDialog(HWND owner, const AddressBookContext& context, EntryDraft& work,
                     const std::vector<std::string>& recipients) {
    EntryDialog d{context, work, recipients};
    // A Unicode dialog, so that a name typed beyond the ANSI code page reaches the OK
    // button's check as typed instead of as "?".
    return DialogBoxParamW(context.instance, L"DLG_ADDRINFO", owner, EntryDialogProc, reinterpret_cast<LPARAM>(&d)) == 1;
}

int AskNewKind(HWND owner, const AddressBookContext& context) {
    const INT_PTR choice = DialogBoxParamA(context.instance, "DLG_ADDRNEW", owner, NewKindProc, 0);
    return choice >= 1 && choice <= 3 ? static_cast<int>(choice) : 0;
}

bool BrowseListFile(HWND owner, const AddressBookContext& context, std::string& path) {
    std::string filter = LoadResourceString(context.instance, IDS_LIST_FILTER, 255,
                                            "List files (*.lst)|*.lst|All files (*.*)|*.*||");
    std::replace(filter.begin(), filter.end(), '|', '\0');
    const std::string title = LoadResourceString(context.instance, IDS_LIST_FILES_TITLE, 63, "List Files");
    std::array<char, 156> file{};
    OPENFILENAMEA ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = filter.c_str();
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = file.data();
    ofn.nMaxFile = static_cast<DWORD>(file.size());
    ofn.lpstrInitialDir = context.config.cfgDir.c_str();
    ofn.lpstrTitle = title.c_str();
    ofn.Flags = OFN_HIDEREADONLY | OFN_SHOWHELP | OFN_CREATEPROMPT;
    if (!GetOpenFileNameA(&ofn)) return false;
    path = TextInArea(file.data(), file.size());
    return true;
}

bool CompleteAddress(HWND owner, const AddressBookContext& context, std::string_view label, std::string& field) {
    Win32AliasStores stores(context, NoticeFor(context, owner));
    const std::vector<std::string> found =
        CompletionCandidates(stores, CutCopy(field, cap::fieldForBook), context.cache);
    if (found.size() == 1) {
        field = found.front();
        return true;
    }
    return ShowAddressBook(owner, context, label, field);
}

}  // namespace velmar
