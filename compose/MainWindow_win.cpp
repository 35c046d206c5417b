#include "compose/MainWindow_win.h"

#include "common/DialogState_win.h"
#include "compose/Commands.h"
#include "compose/ComposeWindow_win.h"
#include "compose/FieldControls_win.h"
#include "compose/WindowSend_win.h"
#include "resources/resource.h"

namespace velmar {

ComposeWindow* ComposeWindowOf(HWND window) { return StateOf<ComposeWindow, GWLP_USERDATA>(window); }

namespace {

void RunCommand(ComposeWindow& w, int id) {
    switch (CommandGroupOf(id)) {
    case CommandGroup::Close: DestroyWindow(w.window); break;
    case CommandGroup::Edit: RunEditCommand(w, id); break;
    case CommandGroup::BodyFile: RunBodyFileCommand(w, id); break;
    case CommandGroup::View: ToggleToolbar(w); break;
    case CommandGroup::Help: RunHelpCommand(w, id); break;
    case CommandGroup::Attachments: RunAttachmentCommand(w, id); break;
    case CommandGroup::OptionDialogs: RunOptionDialogCommand(w, id); break;
    case CommandGroup::Send: if (SendFromWindow(w)) DestroyWindow(w.window); break;
    case CommandGroup::Reply: RunReplyCommand(w, id); break;
    case CommandGroup::AddressBook: RunAddressBookCommand(w, id); break;
    case CommandGroup::NameCheck: RunNameCheckCommand(w, id); break;
    case CommandGroup::Ignored:
    case CommandGroup::None: break;
    }
}

// Brush, pens and cursor; toolbar; the child controls at their places with the body's font
// and formatting rectangle; dropped files accepted; the toolbar's menu item checked.
LRESULT CreateComposeWindow(ComposeWindow& w) {
    w.replyRow = !w.context.replyFilePath.empty();
    CreateWindowResources(w);
    (void)CreateComposeToolbar(w);  // the window works without it
    if (!CreateFieldControls(w, CurrentLayout(w))) return -1;
    ApplyBodyFont(w);
    SetBodyFormattingRect(w);
    DragAcceptFiles(w.window, TRUE);
    CheckMenuItem(GetMenu(w.window), IDM_SHOW_TOOLBAR, MF_BYCOMMAND | (w.toolbarShown ? MF_CHECKED : MF_UNCHECKED));
    return 0;
}

void DestroyComposeWindow(ComposeWindow& w) {
    WinHelpA(w.window, "VELMAR.HLP", HELP_QUIT, 0);
    ReleaseWindowResources(w);
    PostQuitMessage(0);
}

}  // namespace

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        auto* state = new ComposeWindow(*static_cast<ComposeContext*>(create->lpCreateParams));
        state->window = window;
        KeepState<ComposeWindow, GWLP_USERDATA>(window, reinterpret_cast<LPARAM>(state));
        return DefWindowProcA(window, message, wParam, lParam);
    }
    ComposeWindow* w = ComposeWindowOf(window);
    if (w == nullptr) return DefWindowProcA(window, message, wParam, lParam);
    switch (message) {
    case WM_CREATE:
        return CreateComposeWindow(*w);
    case WM_DESTROY:
        DestroyComposeWindow(*w);
        return 0;
    case WM_SIZE:
        ResizeComposeWindow(*w, wParam);
        return 0;
    case WM_SETFOCUS:
        FocusCurrentField(*w);
        return 0;
    case WM_PAINT:
        PaintFieldFrames(*w);
        return 0;
    case WM_NOTIFY:
        if (AnswerToolbarTip(*w, reinterpret_cast<NMHDR*>(lParam))) return 0;
        break;
    case WM_INITMENU:
        UpdateEditMenu(*w, reinterpret_cast<HMENU>(wParam));
        return 0;
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSTATIC:
        return FieldBackground(*w, reinterpret_cast<HDC>(wParam));
    case WM_DROPFILES:
        DropAttachments(*w, reinterpret_cast<HDROP>(wParam));
        return 0;
    case WM_COMMAND:
        RunCommand(*w, LOWORD(wParam));
        return 0;
    case WM_NCDESTROY:
        ForgetState<GWLP_USERDATA>(window);
        delete w;
        break;
    default:
        break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace velmar
