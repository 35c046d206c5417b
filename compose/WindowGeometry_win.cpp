// The two-pixel 3-D frame the compose window draws around its controls and pictures.
#include "compose/BodyOps_win.h"

namespace velmar {

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

}  // namespace velmar
