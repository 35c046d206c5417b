#include <windows.h>

#include <commctrl.h>

#include <cstddef>

#include "compose/ComposeWindow_win.h"
#include "compose/WindowPlacement.h"

namespace velmar {

namespace {

SizeChange SizeChangeOf(WPARAM sizeType) {
    switch (sizeType) {
    case SIZE_RESTORED: return SizeChange::Restored;
    case SIZE_MINIMIZED: return SizeChange::Minimized;
    case SIZE_MAXIMIZED: return SizeChange::Maximized;
    default: return SizeChange::Other;
    }
}

void StorePlacement(ComposeWindow& w) {
    RECT r{};
    GetWindowRect(w.window, &r);
    const std::string text = PlacementText(r.left, r.top, r.right - r.left, r.bottom - r.top);
    w.context.settings.PutConfigString(w.context.config.userId, "SMTPWIN", text.c_str());
}

}  // namespace

ControlLayout CurrentLayout(const ComposeWindow& w) {
    const AppConfig& config = w.context.config;
    LayoutInput in;
    // Start-up reads the base units once; a window made without start-up asks the system.
    // Away from 96 DPI they are measured with the window's own field font instead.
    const LONG units = GetDialogBaseUnits();
    in.baseX = w.baseUnits.x > 0 ? w.baseUnits.x : config.baseUnitX > 0 ? config.baseUnitX : LOWORD(units);
    in.baseY = w.baseUnits.y > 0 ? w.baseUnits.y : config.baseUnitY > 0 ? config.baseUnitY : HIWORD(units);
    RECT client{};
    GetClientRect(w.window, &client);
    in.clientWidth = client.right;
    in.clientHeight = client.bottom;
    if (w.toolbarShown && w.toolbar != nullptr) {
        RECT bar{};
        GetWindowRect(w.toolbar, &bar);
        in.toolbarHeight = bar.bottom - bar.top;
    }
    in.replyRow = w.replyRow;
    return LayOutControls(in);
}

void PlaceControls(ComposeWindow& w) {
    const ControlLayout layout = CurrentLayout(w);
    for (int row = 0; row < kControlCount; ++row) {
        HWND control = w.controls[static_cast<std::size_t>(row)];
        if (control == nullptr) continue;
        const ControlRect& at = layout[static_cast<std::size_t>(row)];
        MoveWindow(control, at.x, at.y, at.width, at.height, FALSE);
        InvalidateRect(control, nullptr, TRUE);
    }
    SetBodyFormattingRect(w);
}

void ResizeComposeWindow(ComposeWindow& w, WPARAM sizeType) {
    if (w.toolbar != nullptr) {
        SendMessageA(w.toolbar, TB_AUTOSIZE, 0, 0);  // follows the new width
        ShowWindow(w.toolbar, w.toolbarShown ? SW_SHOW : SW_HIDE);
    }
    PlaceControls(w);
    if (StoresPlacement(SizeChangeOf(sizeType))) StorePlacement(w);
    InvalidateRect(w.window, nullptr, TRUE);
}

}  // namespace velmar
