#include "common/CentreWindow_win.h"

#include <algorithm>

namespace velmar {
namespace {

SIZE WindowSize(HWND window) {
    RECT own{};
    GetWindowRect(window, &own);
    return SIZE{own.right - own.left, own.bottom - own.top};
}

void MoveTo(HWND window, int x, int y) {
    SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

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
    const SIZE size = WindowSize(window);
    const int width = size.cx;
    const int height = size.cy;
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
    MoveTo(window, x, y);
}

void CenterOverParent(HWND dialog, HWND parent) {
    RECT outer{};
    if (parent == nullptr || !GetWindowRect(parent, &outer)) GetWindowRect(GetDesktopWindow(), &outer);
    const SIZE size = WindowSize(dialog);
    const int x = std::max(0L, outer.left + ((outer.right - outer.left) - size.cx) / 2);
    const int y = std::max(0L, outer.top + ((outer.bottom - outer.top) - size.cy) / 2);
    MoveTo(dialog, x, y);
}

}  // namespace velmar
