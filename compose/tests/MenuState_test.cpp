#include "compose/MenuState.h"

#include <gtest/gtest.h>

#include "resources/resource.h"

namespace velmar {
namespace {

bool Enabled(const MenuSnapshot& s, int command) {
    for (const MenuItemState& item : EditMenuState(s))
        if (item.command == command) return item.enabled;
    ADD_FAILURE() << "no state for " << command;
    return false;
}

TEST(EditMenuState, ItemsFollowTheSnapshot) {
    const MenuSnapshot idle{}, selected{.selectionEmpty = false},
        body{.canUndo = true, .fieldHasText = true, .bodyHasText = true, .currentIsBody = true},
        program{.clipboardHasText = true, .userProgramSet = true};
    struct Case { const char* name; MenuSnapshot s; int command; bool want; } cases[] = {
        {"empty selection greys Cut", idle, IDM_CUT, false},
        {"empty selection greys Delete", idle, IDM_DELETE, false}, {"selection enables Copy", selected, IDM_COPY, true},
        {"selection enables Delete", selected, IDM_DELETE, true},
        {"empty body greys Save As", idle, IDM_SAVE_AS, false}, {"body text enables Save As", body, IDM_SAVE_AS, true},
        {"Paste File only in the body", selected, IDM_PASTE_FILE, false},
        {"Paste File in the body", body, IDM_PASTE_FILE, true},
        {"Undo when the control can undo", body, IDM_UNDO, true},
        {"Select All on an empty field", idle, IDM_SELECT_ALL, false},
        {"Select All with text", body, IDM_SELECT_ALL, true},
        {"Paste without clipboard text", body, IDM_PASTE, false},
        {"Paste with clipboard text", program, IDM_PASTE, true}, {"user program set", program, IDM_APPLY_SPECIAL, true},
        {"no user program", body, IDM_APPLY_SPECIAL, false},
    };
    for (const auto& c : cases) EXPECT_EQ(Enabled(c.s, c.command), c.want) << c.name;
}

}  // namespace
}  // namespace velmar
