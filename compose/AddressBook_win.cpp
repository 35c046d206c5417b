// The address book and the name check of the To, CC and BCC fields: the window's side of
// them, handing the field's label and text to the address book and showing what comes back.
#include "addressbook/AddressDialogs_win.h"
#include "common/WideText_win.h"
#include "common/WindowText_win.h"
#include "compose/ComposeWindow_win.h"
#include "resources/resource.h"

namespace velmar {
namespace {

AddressBookContext ContextOf(ComposeWindow& w) {
    return AddressBookContext{w.context.instance, w.context.appTitle, w.context.config, w.context.settings, {},
                              &w.context.help, &w.addressCache};
}

// The field's text as the address book holds it, in the ANSI code page; nothing when a
// character of it has no form there (the book would hand it back as a look-alike or "?").
std::optional<std::string> FieldForBook(HWND field) { return WideToAnsiExact(WindowTextW(field)); }

}  // namespace

// The buttons "&TO:", "&CC:" and "&BCC:" (rows 0, 2, 4) open the address book for the field
// beside them.
void RunAddressBookCommand(ComposeWindow& w, int id) {
    const int buttonRow = id - IDC_TO_BUTTON;
    HWND field = w.Control(buttonRow + 1);
    if (field == nullptr) return;
    std::optional<std::string> text = FieldForBook(field);
    if (!text) {
        // The field stays as typed: the address book cannot show these characters.
        const std::wstring message = L"The address book cannot show these characters of the field: " +
                                     CharactersBeyondAnsi(WindowTextW(field));
        MessageBoxW(w.window, message.c_str(), AnsiToWide(w.context.appTitle).c_str(), MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    const AddressBookContext context = ContextOf(w);
    if (ShowAddressBook(w.window, context, WindowText(w.Control(buttonRow)), *text)) SetWindowTextA(field, text->c_str());
}

// Enter in the To, CC or BCC field (command 4000 + its row): one known address containing
// the typed text replaces it, else the address book opens; then the next header field gets
// the focus. A field holding characters beyond the ANSI code page is left as typed.
void RunNameCheckCommand(ComposeWindow& w, int id) {
    const int row = id - 4000;
    HWND field = w.Control(row);
    if (field == nullptr) return;
    if (std::optional<std::string> text = FieldForBook(field)) {
        const AddressBookContext context = ContextOf(w);
        if (CompleteAddress(w.window, context, WindowText(w.Control(row - 1)), *text))
            SetWindowTextA(field, text->c_str());
    }
    if (HWND next = w.Control(row + 2)) SetFocus(next);
}

}  // namespace velmar
