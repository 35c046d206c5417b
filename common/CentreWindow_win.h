// Placing a dialog or window in the middle of its parent.
#pragma once

#include <windows.h>

namespace velmar {

// Centres `window` on its parent's client area (the desktop when it has none), moved down
// by `offset` pixels and kept on the monitor's work area; nothing happens while the parent
// is minimised. The compose window's dialogs and About box open so.
void CenterOverParentClient(HWND window, int offset);

// Centres `dialog` over the whole window of `parent` (the desktop when there is none),
// never above or left of the screen's origin. The address book's dialogs open so.
void CenterOverParent(HWND dialog, HWND parent);

}  // namespace velmar
