// A compose window for the tests of its commands and dialogs: a real top-level parent
// window with a multi-line body field, and the context the window works with, over the
// settings backend and server library the test chooses.
#pragma once

#include <windows.h>

#include <string>

#include "compose/ComposeWindow_win.h"
#include "compose/MainWindow_win.h"
#include "resources/resource.h"

namespace velmar::wintest {

// A plain visible top-level window with the compose window's caption.
inline HWND CreateParentWindow() {
    static const ATOM registered = [] {
        WNDCLASSA cls{};
        cls.lpfnWndProc = DefWindowProcA;
        cls.hInstance = GetModuleHandleA(nullptr);
        cls.lpszClassName = "VelmarTestParent";
        return RegisterClassA(&cls);
    }();
    (void)registered;
    return CreateWindowExA(0, "VelmarTestParent", "Create Mail Message", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 50,
                           640, 480, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
}

template <class Backend, class Library>
struct ComposeRig {
    ComposeRig() {
        w.window = CreateParentWindow();
        w.controls[RowBody] = CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE, 10, 200,
                                              600, 200, w.window, reinterpret_cast<HMENU>(INT_PTR{IDC_BODY}), instance,
                                              nullptr);
        SendMessageA(w.Body(), EM_LIMITTEXT, 0, 0);
        w.currentRow = RowBody;
    }
    ~ComposeRig() { DestroyWindow(w.window); }
    ComposeRig(const ComposeRig&) = delete;
    ComposeRig& operator=(const ComposeRig&) = delete;

    // Adds a one-line field for `row`.
    void AddField(int row) {
        w.controls[static_cast<std::size_t>(row)] =
            CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, 10, 10 + 25 * row, 400, 20, w.window,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(3000 + row)), instance, nullptr);
    }
    [[nodiscard]] std::string Body() const {
        std::string text(static_cast<std::size_t>(GetWindowTextLengthA(w.Body())) + 1, '\0');
        text.resize(static_cast<std::size_t>(GetWindowTextA(w.Body(), text.data(), static_cast<int>(text.size()))));
        return text;
    }
    void SetBody(const std::string& text) const { SetWindowTextA(w.Body(), text.c_str()); }

    HINSTANCE instance = GetModuleHandleA(nullptr);
    std::string appTitle = "VELMAR1", replyFile;
    AppConfig config;
    Backend backend;
    SettingsStore settings{backend, config, true};
    Library library;
    MessageDraft draft;
    ComposeContext context{instance, appTitle, config, settings, library, draft, replyFile};
    ComposeWindow w{context};
};

}  // namespace velmar::wintest
