// The commands of the compose window: every menu item, accelerator, toolbar button and
// button id the window receives in WM_COMMAND, and the group whose handler runs it. The
// window procedure looks the id up here and hands it to that group's file; no command's
// work is done in the window procedure itself.
#pragma once

#include <array>

#include "resources/resource.h"

namespace velmar {

enum class CommandGroup {
    None,           // not a command of the window: nothing happens
    Ignored,        // a known id that does nothing
    Focus,          // Alt+U, Alt+M, and the reply row labels' Alt+R and Alt+I: focus a field or button
    Close,          // Exit and Cancel close the window
    Edit,           // cut, copy, paste, delete, undo, the toolbar's redo, select all
    BodyFile,       // load the body, save it, paste a whole file
    View,           // show or hide the toolbar
    Help,           // the About box and the help topics
    Attachments,    // Attach (with Ctrl held: two diagnostic boxes instead)
    AddressBook,    // the To, CC and BCC buttons: the address book for that field
    NameCheck,      // Enter in the To, CC or BCC field: check the names in it
    Send,           // send the message and close the window when it was queued
    Reply,          // the reply row: choices and "Save as Default"
    OptionDialogs,  // message and send options, the user-defined program and its dialog
};

struct CommandEntry {
    int id;
    CommandGroup group;
};

inline constexpr std::array kCommandTable = {
    // File menu, Edit menu and their accelerators and toolbar buttons
    CommandEntry{IDM_EXIT, CommandGroup::Close},
    CommandEntry{IDC_CANCEL, CommandGroup::Close},
    CommandEntry{IDM_CUT, CommandGroup::Edit},
    CommandEntry{IDM_COPY, CommandGroup::Edit},
    CommandEntry{IDM_PASTE, CommandGroup::Edit},
    CommandEntry{IDM_DELETE, CommandGroup::Edit},
    CommandEntry{IDM_UNDO, CommandGroup::Edit},
    CommandEntry{IDM_REDO, CommandGroup::Edit},  // the same undo: a single-level undo undoes itself
    CommandEntry{IDM_SELECT_ALL, CommandGroup::Edit},
    CommandEntry{IDM_LOAD, CommandGroup::BodyFile},
    CommandEntry{IDM_SAVE_AS, CommandGroup::BodyFile},
    CommandEntry{IDM_PASTE_FILE, CommandGroup::BodyFile},
    CommandEntry{IDM_SHOW_TOOLBAR, CommandGroup::View},
    CommandEntry{IDM_ABOUT, CommandGroup::Help},
    CommandEntry{IDM_HELP_CREATING, CommandGroup::Help},
    CommandEntry{IDM_HELP_RECIPIENTS, CommandGroup::Help},
    CommandEntry{IDC_ATTACH, CommandGroup::Attachments},
    CommandEntry{IDC_SUBJECT, CommandGroup::Focus},
    CommandEntry{IDC_BODY, CommandGroup::Focus},
    CommandEntry{IDC_REPLY_LABEL, CommandGroup::Focus},
    CommandEntry{IDC_INCLUDE_LABEL, CommandGroup::Focus},
    CommandEntry{IDC_TO_BUTTON, CommandGroup::AddressBook},
    CommandEntry{IDC_CC_BUTTON, CommandGroup::AddressBook},
    CommandEntry{IDC_BCC_BUTTON, CommandGroup::AddressBook},
    CommandEntry{IDM_CHECK_TO_NAMES, CommandGroup::NameCheck},
    CommandEntry{IDM_CHECK_CC_NAMES, CommandGroup::NameCheck},
    CommandEntry{IDM_CHECK_BCC_NAMES, CommandGroup::NameCheck},
    CommandEntry{IDC_SEND, CommandGroup::Send},
    CommandEntry{IDC_REPLY_ALL, CommandGroup::Reply},
    CommandEntry{IDC_REPLY_SENDER, CommandGroup::Reply},
    CommandEntry{IDC_INCLUDE_YES, CommandGroup::Reply},
    CommandEntry{IDC_INCLUDE_NO, CommandGroup::Reply},
    CommandEntry{IDC_REPLY_SAVE_DEFAULT, CommandGroup::Reply},
    CommandEntry{IDM_MESSAGE_OPTIONS, CommandGroup::OptionDialogs},
    CommandEntry{IDM_SEND_OPTIONS, CommandGroup::OptionDialogs},
    CommandEntry{IDM_DEFINE_SPECIAL, CommandGroup::OptionDialogs},
    CommandEntry{IDM_APPLY_SPECIAL, CommandGroup::OptionDialogs},
};

// The group of a command id (the low 16 bits of WM_COMMAND's first parameter); None for
// ids the window does not act on, such as the fields' edit notifications.
[[nodiscard]] CommandGroup CommandGroupOf(int id);

// The field row whose address book a To, CC or BCC button opens, or whose names a name
// check command checks (1, 3 or 5); -1 for any other id.
[[nodiscard]] int AddressFieldRowOf(int id);

// The reply choice a reply-row button passes on: 1 reply to all, 2 to the sender, 4
// include the text quoted (12, unquoted, when Ctrl or Shift is held), 8 do not include it;
// 0 for other ids.
[[nodiscard]] int ReplyChoiceOf(int id, bool ctrlOrShift);

// The help file context of a help command (250 creating messages, 260 specifying
// recipients), or 0.
[[nodiscard]] int HelpContextOf(int id);

}  // namespace velmar
