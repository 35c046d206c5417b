// The compose window.
#pragma once

#include <windows.h>

namespace velmar {

struct Application;

// Window procedure of the main window class. The Application is handed in as the
// creation parameter and kept in the window's user data.
LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The Application a main window belongs to (null before WM_NCCREATE).
Application* ApplicationOf(HWND window);

}  // namespace velmar
