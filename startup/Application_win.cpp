#include "startup/Application_win.h"

#include "common/ResourceStrings_win.h"
#include "compose/MainWindow_win.h"
#include "config/StartupConfig.h"
#include "resources/resource.h"
#include "startup/BatchDriver_win.h"

namespace velmar {

bool InitApplication(Application& app, HINSTANCE instance, HINSTANCE previous) {
    if (previous != nullptr) return true;
    WNDCLASSA windowClass{};
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = MainWindowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(instance, "MAINICON");
    windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
    windowClass.lpszMenuName = "MAIN32MENU";
    windowClass.lpszClassName = app.appTitle.c_str();
    return RegisterClassA(&windowClass) != 0;
}

bool InitInstance(Application& app, int showCommand, std::string_view commandLine, int batchFlag) {
    LoadStartupConfiguration(app.config, app.settings, app.library,
                             DialogBaseUnits::FromPacked(static_cast<std::uint32_t>(SystemDialogBaseUnits())));
    app.showCommand = showCommand;

    const std::string caption = LoadResourceString(app.instance, IDS_MAIN_CAPTION, 2047, "Create Mail Message");
    const WindowPlacement& at = app.config.placement;
    HWND window = CreateWindowExA(0, app.appTitle.c_str(), caption.c_str(), WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                                  at.x, at.y, at.width, at.height, nullptr, nullptr, app.instance, &app.compose);
    if (window == nullptr) return false;
    app.mainWindow = window;

    if (batchFlag == 0) {
        // A plain start has no Help menu (the fourth top-level entry).
        RemoveMenu(GetMenu(window), 3, MF_BYPOSITION);
        DrawMenuBar(window);
    }

    const int showWindow = ProcessCommandLine(app, window, commandLine);
    // The attachments of a batch start belong to its message only.
    app.draft.attachments.ClearAttachments();
    if (showWindow != 0) {
        ShowDraftInWindow(window, app.windowBodyPath, app.windowBodyText);
        ShowWindow(window, showCommand);
        UpdateWindow(window);
    } else {
        // Sent or rejected: closed without ever having been shown.
        SendMessageA(window, WM_CLOSE, 0, 0);
    }
    return true;
}

}  // namespace velmar
