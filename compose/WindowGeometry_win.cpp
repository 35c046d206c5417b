// Small window routines of the compose window and its dialogs: centring over the parent's
// client area, a two-pixel 3-D frame, a window's height.
#include "compose/BodyOps_win.h"

namespace velmar {

void CenterOverParentClient(HWND window, int offset) {
    HWND parent = GetParent(window);
    RECT area{};
    if (parent != nullptr) {
        if (IsIconic(parent)) return;
        GetClientRect(parent, &area);
        MapWindowPoints(parent, nullptr, reinterpret_cast<POINT*>(&area), 2);
    } else {
        GetWindowRect(GetDesktopWindow(), &area);
    }
    RECT own{};
    GetWindowRect(window, &own);
    const int width = own.right - own.left;
    const int height = own.bottom - own.top;
    int x = (area.left + area.right) / 2 - width / 2;
    int y = (area.top + area.bottom) / 2 - height / 2 + offset;
    // Kept on the monitor's work area, so that the caption stays within reach.
    const POINT centre{x + width / 2, y + height / 2};
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (GetMonitorInfoA(MonitorFromPoint(centre, MONITOR_DEFAULTTONEAREST), &monitor)) {
        const RECT& work = monitor.rcWork;
        if (x + width > work.right) x = work.right - width;
        if (y + height > work.bottom) y = work.bottom - height;
        if (x < work.left) x = work.left;
        if (y < work.top) y = work.top;
    }
    SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void DrawFrame3D(HDC dc, HWND control, HPEN topLeft, HPEN bottomRight) {
    RECT r{};
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
    HGDIOBJ previous = SelectObject(dc, topLeft);
    for (int inset = 0; inset < 2; ++inset) {
        const int left = r.left + inset, top = r.top + inset, right = r.right - inset, bottom = r.bottom - inset;
        SelectObject(dc, topLeft);
        MoveToEx(dc, left, bottom, nullptr);
        LineTo(dc, left, top);
        LineTo(dc, right, top);
        SelectObject(dc, bottomRight);
        LineTo(dc, right, bottom);
        LineTo(dc, left, bottom);
    }
    SelectObject(dc, previous);
}

int WindowHeight(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return r.bottom - r.top;
}

}  // namespace velmar
