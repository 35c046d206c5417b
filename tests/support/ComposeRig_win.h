// Compose windows for the tests of their commands and dialogs: a bare rig (a real parent
// window with a multi-line body field and the context the window works with, over the
// settings backend and server library the test chooses), or the application's own main
// window opened in this process; and file drops as the shell hands them to a window.
#pragma once

#include <windows.h>

#include <shlobj.h>

#include <cstring>
#include <string>
#include <vector>

#include "compose/ComposeWindow_win.h"
#include "compose/MainWindow_win.h"
#include "config/StartupConfig.h"
#include "resources/resource.h"
#include "startup/Application_win.h"
#include "tests/support/DialogDriver_win.h"

namespace velmar::wintest {

// A plain visible top-level window with the compose window's caption.
inline HWND CreateParentWindow() {
    static const ATOM registered = [] {
        const WNDCLASSA cls{0, DefWindowProcA, 0, 0, GetModuleHandleA(nullptr), nullptr, nullptr, nullptr, nullptr,
                            "VelmarTestParent"};
        return RegisterClassA(&cls);
    }();
    return CreateWindowExA(0, MAKEINTATOM(registered), "Create Mail Message", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50,
                           50, 640, 480, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
}

template <class Backend, class Library>
struct ComposeRig {
    ComposeRig() {
        w.window = CreateParentWindow();
        w.controls[RowBody] = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE, 10, 200,
                                              600, 200, w.window, reinterpret_cast<HMENU>(INT_PTR{IDC_BODY}), instance,
                                              nullptr);
        SendMessageA(w.Body(), EM_LIMITTEXT, 0, 0);
        w.currentRow = RowBody;
    }
    ~ComposeRig() { DestroyWindow(w.window); }
    ComposeRig(const ComposeRig&) = delete;
    [[nodiscard]] std::string Body() const { return Caption(w.Body()); }
    void SetBody(const std::string& text) const { SetWindowTextA(w.Body(), text.c_str()); }

    HINSTANCE instance = GetModuleHandleA(nullptr);
    std::string appTitle = "VELMAR1", replyFile;
    AppConfig config;
    Backend backend;
    SettingsStore settings{backend, config, true};
    Library library;
    MessageDraft draft;
    HelpViewer help;
    ComposeContext context{instance, appTitle, config, settings, library, draft, replyFile, help};
    ComposeWindow w{context};
};

// A test with the application set up in this process as start-up sets it up; Open() opens
// and shows its main window. The window and its class are gone after each test.
class MainWindowTest : public CleanMachineTest {
protected:
    void SetUp() override {
        CleanMachineTest::SetUp();
        app.instance = GetModuleHandleA(nullptr);
        ASSERT_TRUE(InitApplication(app, app.instance, nullptr));
        LoadStartupConfiguration(app.config, app.settings, app.library,
                                 DialogBaseUnits::FromPacked(static_cast<std::uint32_t>(GetDialogBaseUnits())));
    }
    void TearDown() override {
        if (window != nullptr && IsWindow(window)) DestroyWindow(window);
        Pump();
        UnregisterClassA(app.appTitle.c_str(), app.instance);
        CleanMachineTest::TearDown();
    }
    HWND Open() {
        window = app.mainWindow = CreateWindowExA(0, app.appTitle.c_str(), "Create Mail Message",
                                                  WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 10, 20, 640, 480, nullptr,
                                                  nullptr, app.instance, &app.compose);
        if (window != nullptr) ShowWindow(window, SW_SHOWNORMAL);
        return window;
    }
    [[nodiscard]] HWND Row(int row) const { return GetDlgItem(window, kFirstControlId + row); }

    Application app;
    HWND window = nullptr;
};

// Where `control` lies in its parent's client area.
inline ControlRect ClientRectOf(HWND control) {
    RECT r{};
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

// A drop of `paths` as the shell hands it to a window.
inline HDROP MakeDrop(const std::vector<std::string>& paths) {
    std::string names;
    for (const std::string& path : paths) names += path + '\0';
    names += '\0';
    HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + names.size());
    auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
    drop->pFiles = sizeof(DROPFILES);
    std::memcpy(reinterpret_cast<char*>(drop) + sizeof(DROPFILES), names.data(), names.size());
    GlobalUnlock(memory);
    return static_cast<HDROP>(memory);
}

}  // namespace velmar::wintest
