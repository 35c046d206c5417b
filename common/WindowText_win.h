// The text of a window or a dialog control, read whole into a string: the one place the
// shell reads a control's text.
#pragma once

#include <windows.h>

#include <string>

namespace velmar {

// The whole text of `window`, however long; empty for no window.
[[nodiscard]] std::string WindowText(HWND window);

// The whole text of the control `id` of `dialog`.
[[nodiscard]] std::string DlgItemText(HWND dialog, int id);

// The whole text of `window` as UTF-16, as typed into a Unicode control.
[[nodiscard]] std::wstring WindowTextW(HWND window);

// Whether `window` holds any text.
[[nodiscard]] bool HasWindowText(HWND window);

}  // namespace velmar
