// The state of a dialog or window, kept as a pointer in its window data: DWLP_USER for a
// dialog, GWLP_USERDATA for a window of a registered class. The state belongs to whoever
// opened the dialog or created the window; the window only points at it.
#pragma once

#include <windows.h>

namespace velmar {

// The state kept by KeepState; null before it is kept.
template <class State, int slot = DWLP_USER>
[[nodiscard]] State* StateOf(HWND window) {
    return reinterpret_cast<State*>(GetWindowLongPtrA(window, slot));
}

// Keeps `state` (the creation parameter of WM_INITDIALOG or WM_NCCREATE, never null) with
// `window` and returns it.
template <class State, int slot = DWLP_USER>
State& KeepState(HWND window, LPARAM state) {
    SetWindowLongPtrA(window, slot, static_cast<LONG_PTR>(state));
    return *reinterpret_cast<State*>(state);
}

// Forgets the state kept with `window`, so that StateOf gives null again.
template <int slot = DWLP_USER>
void ForgetState(HWND window) {
    SetWindowLongPtrA(window, slot, 0);
}

}  // namespace velmar
