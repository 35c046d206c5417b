// The address book dialogs: the address book itself ("DLG_ADDRESS"), the entry dialog for
// one entry or distribution list ("DLG_ADDRINFO"), the kind dialog for a new entry
// ("DLG_ADDRNEW"), the list file chooser, and address completion of a header field. Every
// dialog is modal; its close box is Cancel.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

#include "addressbook/AddressModel.h"
#include "addressbook/AliasStores_win.h"

namespace velmar {

// Runs the address book for one header field: `label` is the field's label (for example
// "&TO:"), `field` its text, replaced by the chosen recipients on OK. True for OK.
bool ShowAddressBook(HWND owner, const AddressBookContext& context, std::string_view label, std::string& field);

// Runs the entry dialog on `work`. An entry comes with its name and address; a list comes
// with its alias name in `work.address` (a host after "@" is dropped) and, for a new list,
// its file path in `work.name`; on OK every kind leaves the name (or alias name) in
// `work.name` and the address (or list path) in `work.address`. `recipients` start a new
// list's contents. True for OK; a list whose alias is gone closes at once with false.
bool ShowEntryDialog(HWND owner, const AddressBookContext& context, EntryDraft& work,
                     const std::vector<std::string>& recipients);

// The kind dialog: 1 new name, 2 new list, 3 import names, 0 cancelled.
int AskNewKind(HWND owner, const AddressBookContext& context);

// The open-file dialog for list files, starting in the configuration directory. True when
// a file was chosen; its path is then in `path`.
bool BrowseListFile(HWND owner, const AddressBookContext& context, std::string& path);

// Completes the address typed in a header field: when exactly one known address contains
// it, ignoring case, that address becomes the field's text; otherwise the address book
// opens for the field. True when the field's text changed.
bool CompleteAddress(HWND owner, const AddressBookContext& context, std::string_view label, std::string& field);

}  // namespace velmar
