// Which menu items are enabled when the menu bar is about to open. Every item listed here
// is either enabled or greyed and disabled; the window reads the snapshot from its
// controls and the clipboard, and applies the result with EnableMenuItem.
#pragma once

#include <array>

namespace velmar {

struct MenuSnapshot {
    bool canUndo = false;           // the current field's control can undo
    bool selectionEmpty = true;     // the selection in the current field's control is empty
    bool clipboardHasText = false;  // CF_TEXT, CF_DSPTEXT or CF_OEMTEXT is on the clipboard
    bool fieldHasText = false;      // the current field's control holds text
    bool bodyHasText = false;       // the body holds text
    bool currentIsBody = false;     // the current field is the body
    bool userProgramSet = false;    // a user-defined program is configured
};

struct MenuItemState {
    int command;
    bool enabled;
    friend bool operator==(const MenuItemState&, const MenuItemState&) = default;
};

inline constexpr int kMenuStateItems = 9;

// Undo, Cut, Copy, Delete, Paste, Select All, Save As, Paste File and Apply User Defined
// Program, in that order.
[[nodiscard]] std::array<MenuItemState, kMenuStateItems> EditMenuState(const MenuSnapshot& s);

}  // namespace velmar
