#include "compose/MenuState.h"

#include "resources/resource.h"

namespace velmar {

std::array<MenuItemState, kMenuStateItems> EditMenuState(const MenuSnapshot& s) {
    const bool selection = !s.selectionEmpty;
    return {{
        {IDM_UNDO, s.canUndo},
        {IDM_CUT, selection},
        {IDM_COPY, selection},
        {IDM_DELETE, selection},
        {IDM_PASTE, s.clipboardHasText},
        {IDM_SELECT_ALL, s.fieldHasText},
        {IDM_SAVE_AS, s.bodyHasText},
        {IDM_PASTE_FILE, s.currentIsBody},
        {IDM_APPLY_SPECIAL, s.userProgramSet},
    }};
}

}  // namespace velmar
