#include "compose/FieldControls_win.h"

#include <cstddef>

#include "common/WideText_win.h"
#include "compose/ControlStyles_win.h"
#include "compose/FieldKeys.h"
#include "resources/resource.h"

namespace velmar {

namespace {

// The rows framed by WM_PAINT: the four single-line fields and the body.
constexpr int kFramedRows[] = {RowTo, RowCc, RowBcc, RowSubject, RowBody};

FieldKey FieldKeyOf(UINT message, WPARAM wParam) {
    switch (message) {
    case WM_KEYDOWN:
    case WM_KEYUP:
        if (wParam == VK_TAB) return FieldKey::TabKey;
        if (wParam == VK_RETURN) return FieldKey::EnterKey;
        break;
    case WM_CHAR:
        if (wParam == '\t') return FieldKey::TabChar;
        if (wParam == '\r') return FieldKey::EnterChar;
        break;
    default:
        break;
    }
    return FieldKey::Other;
}

// The one procedure of every child control (all Unicode windows). The control's row is its
// id less 3000; its own procedure gets everything that is passed on.
LRESULT CALLBACK FieldProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    ComposeWindow* w = ComposeWindowOf(GetParent(control));
    const int row = RowOfControlId(GetDlgCtrlID(control));
    if (w == nullptr || row < 0 || w->ownProcedures[static_cast<std::size_t>(row)] == nullptr)
        return DefWindowProcW(control, message, wParam, lParam);
    const WNDPROC own = w->ownProcedures[static_cast<std::size_t>(row)];

    if (message == WM_SETFOCUS) {
        w->currentRow = row;
        return CallWindowProcW(own, control, message, wParam, lParam);
    }
    const FieldKey key = FieldKeyOf(message, wParam);
    if (key == FieldKey::Other) return CallWindowProcW(own, control, message, wParam, lParam);

    const bool shift = GetKeyState(VK_SHIFT) < 0;
    const KeyDecision decision = DecideFieldKey(row, key, shift, w->context.config.optTab != 0, w->replyRow);
    switch (decision.action) {
    case KeyAction::Pass:
        return CallWindowProcW(own, control, message, wParam, lParam);
    case KeyAction::Drop:
        return 0;
    case KeyAction::PassAsSpace:
        return CallWindowProcW(own, control, message, message == WM_CHAR ? ' ' : VK_SPACE, lParam);
    case KeyAction::PostCommand:
        PostMessageA(w->window, WM_COMMAND, static_cast<WPARAM>(decision.command), 0);
        return 0;
    case KeyAction::MoveFocus:
        if (HWND next = w->Control(decision.row)) {
            w->currentRow = decision.row;
            SetFocus(next);
        }
        return 0;
    }
    return 0;
}

// A sunken frame just outside a child's rectangle: dark above and left, light below and
// right, in two rings.
void DrawSunkenFrame(const ComposeWindow& w, HDC dc, HWND child) {
    RECT r{};
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, w.window, reinterpret_cast<POINT*>(&r), 2);
    // Inner ring from (x+1, y+1) to (innerRight, innerBottom), outer ring from (x, y) to
    // (outerRight, outerBottom).
    const int x = r.left - 2;
    const int y = r.top - 2;
    const int innerRight = r.right + 1;
    const int innerBottom = r.bottom + 1;
    const int outerRight = r.right + 2;
    const int outerBottom = r.bottom + 2;
    const HGDIOBJ before = SelectObject(dc, GetStockObject(BLACK_PEN));
    MoveToEx(dc, x + 1, innerBottom, nullptr);
    LineTo(dc, x + 1, y + 1);
    LineTo(dc, innerRight, y + 1);
    SelectObject(dc, w.highlightPen.Get());
    LineTo(dc, innerRight, innerBottom);
    LineTo(dc, x + 1, innerBottom);
    SelectObject(dc, w.shadowPen.Get());
    MoveToEx(dc, x, outerBottom, nullptr);
    LineTo(dc, x, y);
    LineTo(dc, outerRight, y);
    SelectObject(dc, w.highlightPen.Get());
    LineTo(dc, outerRight, outerBottom);
    LineTo(dc, x, outerBottom);
    SelectObject(dc, before);
}

}  // namespace

void CreateWindowResources(ComposeWindow& w) {
    w.background.Reset(CreateSolidBrush(GetSysColor(COLOR_BTNFACE)));
    w.shadowPen.Reset(CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNSHADOW)));
    w.highlightPen.Reset(CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNHIGHLIGHT)));
    w.waitCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_WAIT));
}

void ReleaseWindowResources(ComposeWindow& w) {
    w.background.Reset();
    w.shadowPen.Reset();
    w.highlightPen.Reset();
    w.waitCursor = nullptr;  // a shared system cursor: not destroyed
}

bool CreateFieldControls(ComposeWindow& w, const ControlLayout& layout) {
    const HINSTANCE instance = w.context.instance;
    const HFONT labelFont = static_cast<HFONT>(GetStockObject(ANSI_VAR_FONT));
    for (int row = 0; row < ControlCount(w.replyRow); ++row) {
        const ControlRow& entry = kControlRows[static_cast<std::size_t>(row)];
        const ControlRect& at = layout[static_cast<std::size_t>(row)];
        if (row == RowBody) {
            // Not shown: screen readers name the body by the label just before it.
            w.bodyLabel = CreateWindowExA(0, "STATIC", std::string(kBodyLabelText).c_str(), WS_CHILD, at.x, at.y, 0, 0,
                                          w.window, reinterpret_cast<HMENU>(INT_PTR{IDC_BODY_LABEL}), instance, nullptr);
        }
        // Unicode windows, so that every character a person types or pastes is kept.
        const std::wstring text = AnsiToWide(entry.text);
        const std::wstring className = AnsiToWide(ClassName(entry.controlClass));
        HWND control = CreateWindowExW(0, className.c_str(), text.c_str(), ControlStyle(entry), at.x,
                                       at.y, at.width, at.height, w.window,
                                       reinterpret_cast<HMENU>(static_cast<INT_PTR>(entry.id)), instance, nullptr);
        if (control == nullptr) return false;
        w.controls[static_cast<std::size_t>(row)] = control;
        if (entry.controlClass != ControlClass::Edit) SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(labelFont), 0);
        if (row == RowBody) SendMessageA(control, EM_LIMITTEXT, 0, 0);  // as much text as the control can hold
        w.ownProcedures[static_cast<std::size_t>(row)] = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&FieldProc)));
    }
    return true;
}

void FocusField(ComposeWindow& w, int row) {
    if (HWND control = w.Control(row)) {
        w.currentRow = row;
        SetFocus(control);
    }
}

void FocusCurrentField(ComposeWindow& w) {
    if (HWND field = w.CurrentField()) SetFocus(field);
}

void PaintFieldFrames(ComposeWindow& w) {
    PAINTSTRUCT paint{};
    HDC dc = BeginPaint(w.window, &paint);
    for (int row : kFramedRows)
        if (HWND field = w.Control(row); field != nullptr && IsWindowVisible(field)) DrawSunkenFrame(w, dc, field);
    EndPaint(w.window, &paint);
}

LRESULT FieldBackground(ComposeWindow& w, HDC dc) {
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    return reinterpret_cast<LRESULT>(w.background.Get());
}

}  // namespace velmar
