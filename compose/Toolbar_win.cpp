#include <windows.h>

#include <commctrl.h>

#include <vector>

#include "common/ResourceStrings_win.h"
#include "compose/ComposeWindow_win.h"
#include "compose/DisplayScale.h"
#include "compose/Toolbar.h"
#include "resources/resource.h"

namespace velmar {

namespace {

constexpr std::size_t kTipCapacity = 79;  // the tip's text area holds 80 characters

// The image strip drawn at `size` pixels.
UINT ToolbarBitmapOf(int size) { return size >= 32 ? IDB_TOOLBAR32 : size >= 24 ? IDB_TOOLBAR24 : IDB_TOOLBAR; }

}  // namespace

bool CreateComposeToolbar(ComposeWindow& w) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    std::vector<TBBUTTON> buttons;
    for (const ToolbarButton& b : ToolbarButtons(!w.context.config.specProg.empty())) {
        TBBUTTON button{};
        button.iBitmap = b.IsSeparator() ? 0 : b.image;
        button.idCommand = b.command;
        button.fsState = TBSTATE_ENABLED;
        button.fsStyle = b.IsSeparator() ? BTNS_SEP : BTNS_BUTTON;
        buttons.push_back(button);
    }
    // The images for the window's scale: 16 pixels at 96 DPI, 24 from 144, 32 from 192.
    const int size = ToolbarImageSizeFor(w.dpi);
    w.toolbar = CreateToolbarEx(w.window, WS_CHILD | WS_VISIBLE | TBSTYLE_TOOLTIPS, IDC_TOOLBAR, kToolbarImageCount,
                                w.context.instance, ToolbarBitmapOf(size), buttons.data(),
                                static_cast<int>(buttons.size()), size, size, size, size, sizeof(TBBUTTON));
    if (w.toolbar != nullptr && !w.toolbarShown) ShowWindow(w.toolbar, SW_HIDE);
    return w.toolbar != nullptr;
}

void RecreateComposeToolbar(ComposeWindow& w) {
    if (w.toolbar != nullptr) DestroyWindow(w.toolbar);
    w.toolbar = nullptr;
    (void)CreateComposeToolbar(w);  // the window works without it
}

bool AnswerToolbarTip(ComposeWindow& w, NMHDR* notification) {
    if (notification->code != TTN_GETDISPINFOA && notification->code != TTN_GETDISPINFOW) return false;
    const ToolbarTip* tip = FindToolbarTip(static_cast<int>(notification->idFrom));
    if (tip == nullptr) return false;
    const std::string text = LoadResourceString(w.context.instance, static_cast<unsigned>(tip->stringId), kTipCapacity,
                                                tip->text);
    if (notification->code == TTN_GETDISPINFOA) {
        auto* info = reinterpret_cast<NMTTDISPINFOA*>(notification);
        lstrcpynA(info->szText, text.c_str(), static_cast<int>(sizeof info->szText));
        info->lpszText = info->szText;
        info->hinst = nullptr;
    } else {
        auto* info = reinterpret_cast<NMTTDISPINFOW*>(notification);
        const int n = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, info->szText,
                                          static_cast<int>(sizeof info->szText / sizeof info->szText[0]));
        if (n == 0) info->szText[0] = L'\0';
        info->lpszText = info->szText;
        info->hinst = nullptr;
    }
    return true;
}

void ToggleToolbar(ComposeWindow& w) {
    w.toolbarShown = !w.toolbarShown;
    CheckMenuItem(GetMenu(w.window), IDM_SHOW_TOOLBAR, MF_BYCOMMAND | (w.toolbarShown ? MF_CHECKED : MF_UNCHECKED));
    // As after a restore: the placement is stored as well.
    ResizeComposeWindow(w, SIZE_RESTORED);
}

}  // namespace velmar
