#include "common/WindowText_win.h"

#include <algorithm>

namespace velmar {

std::string WindowText(HWND window) {
    if (window == nullptr) return {};
    const int length = GetWindowTextLengthA(window);
    std::string text(static_cast<std::size_t>(std::max(length, 0)) + 1, '\0');
    const int got = GetWindowTextA(window, text.data(), static_cast<int>(text.size()));
    text.resize(static_cast<std::size_t>(std::max(got, 0)));
    return text;
}

std::wstring WindowTextW(HWND window) {
    if (window == nullptr) return {};
    const int length = GetWindowTextLengthW(window);
    std::wstring text(static_cast<std::size_t>(std::max(length, 0)) + 1, L'\0');
    const int got = GetWindowTextW(window, text.data(), static_cast<int>(text.size()));
    text.resize(static_cast<std::size_t>(std::max(got, 0)));
    return text;
}

std::string DlgItemText(HWND dialog, int id) { return WindowText(GetDlgItem(dialog, id)); }

bool HasWindowText(HWND window) { return window != nullptr && GetWindowTextLengthA(window) > 0; }

}  // namespace velmar
