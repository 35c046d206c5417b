// The address book and the name check of the To, CC and BCC fields: the window's side of
// them, handing the field's label and text to the address book and showing what comes back.
#include "addressbook/AddressDialogs_win.h"
#include "common/WindowText_win.h"
#include "compose/ComposeWindow_win.h"
#include "resources/resource.h"

namespace velmar {
namespace {

AddressBookContext ContextOf(ComposeWindow& w) {
    return AddressBookContext{w.context.instance, w.context.appTitle, w.context.config, w.context.settings, {},
                              &w.addressCache};
}

}  // namespace

// The buttons "&TO:", "&CC:" and "&BCC:" (rows 0, 2, 4) open the address book for the field
// beside them.
void RunAddressBookCommand(ComposeWindow& w, int id) {
    const int buttonRow = id - IDC_TO_BUTTON;
    HWND field = w.Control(buttonRow + 1);
    if (field == nullptr) return;
    std::string text = WindowText(field);
    const AddressBookContext context = ContextOf(w);
    if (ShowAddressBook(w.window, context, WindowText(w.Control(buttonRow)), text)) SetWindowTextA(field, text.c_str());
}

// Enter in the To, CC or BCC field (command 4000 + its row): one known address containing
// the typed text replaces it, else the address book opens; then the next header field gets
// the focus.
void RunNameCheckCommand(ComposeWindow& w, int id) {
    const int row = id - 4000;
    HWND field = w.Control(row);
    if (field == nullptr) return;
    std::string text = WindowText(field);
    const AddressBookContext context = ContextOf(w);
    if (CompleteAddress(w.window, context, WindowText(w.Control(row - 1)), text)) SetWindowTextA(field, text.c_str());
    if (HWND next = w.Control(row + 2)) SetFocus(next);
}

}  // namespace velmar
