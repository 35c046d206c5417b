// The Edit menu's commands, acting on the field that last had the focus, and the Edit
// menu's item states.
#include "common/WindowText_win.h"
#include "compose/BodyOps_win.h"
#include "compose/ComposeWindow_win.h"
#include "compose/MenuState.h"
#include "resources/resource.h"

namespace velmar {
namespace {

struct Selection {
    DWORD start = 0;
    DWORD end = 0;
};

Selection SelectionOf(HWND control) {
    Selection s;
    SendMessageA(control, EM_GETSEL, reinterpret_cast<WPARAM>(&s.start), reinterpret_cast<LPARAM>(&s.end));
    return s;
}

void Select(HWND control, DWORD start, DWORD end) { SendMessageA(control, EM_SETSEL, start, end); }

bool IsEditControl(HWND control) {
    char name[16] = {};
    return control != nullptr && GetClassNameA(control, name, sizeof name) > 0 && lstrcmpiA(name, "Edit") == 0;
}

void CutSelection(HWND field) {
    SendMessageA(field, EM_EMPTYUNDOBUFFER, 0, 0);
    const Selection s = SelectionOf(field);
    SendMessageA(field, WM_CUT, 0, 0);
    Select(field, s.start, s.start);
    SetFocus(field);
}

void CopySelection(HWND field) {
    const Selection s = SelectionOf(field);
    SendMessageA(field, WM_COPY, 0, 0);
    Select(field, s.end, s.end);
    SetFocus(field);
}

void DeleteSelection(HWND field) {
    SendMessageA(field, EM_EMPTYUNDOBUFFER, 0, 0);
    SendMessageA(field, WM_CLEAR, 0, 0);
}

}  // namespace

// The caret goes back to where the selection ended before the paste, which for a caret
// without selection is just before the pasted text.
void PasteClipboard(HWND field) {
    SendMessageA(field, EM_EMPTYUNDOBUFFER, 0, 0);
    const Selection s = SelectionOf(field);
    SendMessageA(field, WM_PASTE, 0, 0);
    Select(field, s.end, s.end);
    SetFocus(field);
}

void RunEditCommand(ComposeWindow& w, int id) {
    HWND field = w.CurrentField();
    if (!IsEditControl(field)) return;
    switch (id) {
    case IDM_CUT: CutSelection(field); break;
    case IDM_COPY: CopySelection(field); break;
    case IDM_PASTE: PasteClipboard(field); break;
    case IDM_DELETE: DeleteSelection(field); break;
    // The whole text: a body may be far longer than 65534 characters.
    case IDM_SELECT_ALL: Select(field, 0, static_cast<DWORD>(-1)); break;
    // The control's single-level undo undoes itself, which is what the toolbar's Redo is.
    case IDM_UNDO:
    case IDM_REDO: SendMessageA(field, EM_UNDO, 0, 0); break;
    default: break;
    }
}

void UpdateEditMenu(ComposeWindow& w, HMENU menu) {
    HWND field = w.CurrentField();
    MenuSnapshot s;
    if (IsEditControl(field)) {
        const Selection selection = SelectionOf(field);
        s.canUndo = SendMessageA(field, EM_CANUNDO, 0, 0) != 0;
        s.selectionEmpty = selection.start == selection.end;
        s.fieldHasText = HasWindowText(field);
    }
    s.clipboardHasText = IsClipboardFormatAvailable(CF_TEXT) || IsClipboardFormatAvailable(CF_DSPTEXT) ||
                         IsClipboardFormatAvailable(CF_OEMTEXT);
    s.bodyHasText = HasWindowText(w.Body());
    s.currentIsBody = w.currentRow == RowBody && w.Body() != nullptr;
    s.userProgramSet = !w.context.config.specProg.empty();
    for (const MenuItemState& item : EditMenuState(s))
        EnableMenuItem(menu, static_cast<UINT>(item.command),
                       MF_BYCOMMAND | (item.enabled ? MF_ENABLED : MF_GRAYED | MF_DISABLED));
}

}  // namespace velmar
