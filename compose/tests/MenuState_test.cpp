#include "compose/MenuState.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "resources/resource.h"

namespace velmar {
namespace {

// The items enabled, in menu order.
std::string EnabledItems(const MenuSnapshot& s) {
    static const std::map<int, std::string> names = {
        {IDM_UNDO, "Undo"}, {IDM_CUT, "Cut"}, {IDM_COPY, "Copy"}, {IDM_DELETE, "Delete"}, {IDM_PASTE, "Paste"},
        {IDM_SELECT_ALL, "All"}, {IDM_SAVE_AS, "SaveAs"}, {IDM_PASTE_FILE, "File"}, {IDM_APPLY_SPECIAL, "Program"}};
    std::string enabled;
    for (const MenuItemState& item : EditMenuState(s))
        if (item.enabled) enabled += names.at(item.command) + " ";
    return enabled;
}

TEST(EditMenuState, ItemsFollowTheSnapshot) {
    const struct { const char* name; MenuSnapshot s; const char* want; } cases[] = {
        {"nothing: all greyed", {}, ""},
        {"a selection", {.selectionEmpty = false}, "Cut Copy Delete "},
        {"text in the body, the current field, which can undo",
         {.canUndo = true, .fieldHasText = true, .bodyHasText = true, .currentIsBody = true},
         "Undo All SaveAs File "},
        {"clipboard text and a user program", {.clipboardHasText = true, .userProgramSet = true}, "Paste Program "},
    };
    for (const auto& c : cases) EXPECT_EQ(EnabledItems(c.s), c.want) << c.name;
}

}  // namespace
}  // namespace velmar
