#include "compose/MainWindow_win.h"

#include "compose/Commands.h"
#include "compose/ComposeWindow_win.h"
#include "resources/resource.h"

namespace velmar {

ComposeWindow* ComposeWindowOf(HWND window) {
    return reinterpret_cast<ComposeWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

ComposeContext* ComposeContextOf(HWND window) {
    ComposeWindow* state = ComposeWindowOf(window);
    return state != nullptr ? &state->context : nullptr;
}

namespace {

void RunCommand(ComposeWindow& w, int id) {
    switch (CommandGroupOf(id)) {
    case CommandGroup::Close: DestroyWindow(w.window); break;
    case CommandGroup::Edit: RunEditCommand(w, id); break;
    case CommandGroup::BodyFile: RunBodyFileCommand(w, id); break;
    case CommandGroup::View: ToggleToolbar(w); break;
    case CommandGroup::Help: RunHelpCommand(w, id); break;
    case CommandGroup::Attachments: RunAttachmentCommand(w, id); break;
    // Address book, name check, send, reply and the option dialogs are not connected yet:
    // their commands do nothing until they are.
    case CommandGroup::AddressBook:
    case CommandGroup::NameCheck:
    case CommandGroup::Send:
    case CommandGroup::Reply:
    case CommandGroup::OptionDialogs:
    case CommandGroup::Ignored:
    case CommandGroup::None: break;
    }
}

}  // namespace

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        auto* state = new ComposeWindow(*static_cast<ComposeContext*>(create->lpCreateParams));
        state->window = window;
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(state));
        return DefWindowProcA(window, message, wParam, lParam);
    }
    ComposeWindow* w = ComposeWindowOf(window);
    if (w == nullptr) return DefWindowProcA(window, message, wParam, lParam);
    switch (message) {
    case WM_COMMAND:
        RunCommand(*w, LOWORD(wParam));
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    case WM_NCDESTROY:
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        delete w;
        break;
    default:
        break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace velmar
