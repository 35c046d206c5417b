// Keyboard handling shared by every child control of the compose window. The controls are
// subclassed with one procedure; it asks DecideFieldKey what to do with a key message and
// passes everything else to the control's own procedure.
#pragma once

#include "compose/ControlTable.h"

namespace velmar {

// The row the Tab character moves to from `row`: the next row, or the previous one when
// Shift is held, passing over the labels and the attachment display. The cycle is
// 0 1 2 3 4 5 7 8 9 10 12; in a reply start (`replyRow`) the reply row's buttons follow
// Attach: ... 12 14 15 17 18 19, then 0. Without a reply row, Tab from a reply control goes
// to row 0.
[[nodiscard]] int NextTabRow(int row, bool backwards, bool replyRow = false);

// The key messages the fields treat specially. Key down and key up of a key are handled
// alike; the characters are those of WM_CHAR.
enum class FieldKey {
    TabKey,     // key down or key up of the Tab key
    EnterKey,   // key down or key up of the Enter key
    TabChar,    // the Tab character
    EnterChar,  // the carriage-return character
    Other,
};

enum class KeyAction {
    Pass,         // hand the message to the control unchanged
    Drop,         // swallow it
    PassAsSpace,  // hand it on as the Space key or a blank: Enter presses the button
    PostCommand,  // post `command` to the main window and drop the character
    MoveFocus,    // focus row `row`, make it the current field, drop the character
};

struct KeyDecision {
    KeyAction action = KeyAction::Pass;
    int command = 0;  // PostCommand: the name check of the field, 4000 + row
    int row = 0;      // MoveFocus: the row to focus
    friend bool operator==(const KeyDecision&, const KeyDecision&) = default;
};

// Buttons that Enter presses: the address book buttons, Send, Cancel and Attach.
[[nodiscard]] constexpr bool EnterPressesButton(int row) {
    return row == RowToButton || row == RowCcButton || row == RowBccButton || row == RowSend ||
           row == RowCancel || row == RowAttach;
}

// What a key message to the control of `row` does. `shift` is the Shift key's state when
// the message arrives; `tabInBody` is the optTab option (Tab types a tab in the body).
// `replyRow`: the window has the reply row, which Tab then reaches.
[[nodiscard]] KeyDecision DecideFieldKey(int row, FieldKey key, bool shift, bool tabInBody, bool replyRow = false);

}  // namespace velmar
