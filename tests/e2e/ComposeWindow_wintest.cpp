// The real compose window in this process: its layout, toolbar and stored placement, Enter in the fields.
#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/WindowText_win.h"
#include "compose/ComposeWindow_win.h"
#include "compose/Toolbar.h"
#include "compose/WindowPlacement.h"
#include "resources/resource.h"
#include "startup/Application_win.h"
#include "tests/support/ComposeRig_win.h"
#include "tests/support/WinTestSupport.h"

namespace velmar {
namespace {

using wintest::Pump;

class ComposeWindowTest : public wintest::MainWindowTest {
protected:
    // Each row where the layout, worked out from the window's own measurements, puts it.
    void ExpectControlsAtLayout(int rows) const {
        RECT client{}, bar{};
        GetClientRect(window, &client);
        HWND toolbar = GetDlgItem(window, IDC_TOOLBAR);
        GetWindowRect(toolbar, &bar);
        const ControlLayout want = LayOutControls({app.config.baseUnitX, app.config.baseUnitY, client.right,
                                                   client.bottom, IsWindowVisible(toolbar) ? bar.bottom - bar.top : 0,
                                                   !app.replyFilePath.empty()});
        for (int row = 0; row < rows; ++row) EXPECT_EQ(wintest::ClientRectOf(Row(row)), want[std::size_t(row)]) << row;
    }
};

// A reply start with a user program (Help menu, reply row, program button) and a plain one (no Help menu): rows
// at the layout, toolbar, tips; the placement stored on a resize and on hiding the toolbar, not on min/max.
TEST_F(ComposeWindowTest, StartUpWindowsAndTheirPlacement) {
    for (const bool reply : {true, false}) {
        SCOPED_TRACE(reply);
        if (window != nullptr) DestroyWindow(window);
        app.replyFilePath = reply ? "C:\\reply.txt" : "";
        ASSERT_TRUE(wintest::SetSetting(wintest::kRootUserKey, "SpecProg", reply ? "C:\\tools\\filter.exe" : ""));
        ASSERT_TRUE(InitInstance(app, SW_SHOWNORMAL, "", reply ? 1 : 0));
        window = app.mainWindow;
        EXPECT_EQ(GetMenuItemCount(GetMenu(window)), reply ? 4 : 3);
        for (int row = 0; row < kControlCount; ++row) {
            const ControlRow& want = kControlRows[static_cast<std::size_t>(row)];
            HWND control = Row(row);
            ASSERT_EQ(control != nullptr, reply || !want.replyOnly) << row;
            if (control == nullptr) continue;
            EXPECT_STRCASEEQ(wintest::ClassOf(control).c_str(), std::string(ClassName(want.controlClass)).c_str());
            EXPECT_EQ(wintest::Caption(control), want.text) << row;
        }
        ExpectControlsAtLayout(reply ? kControlCount : kPlainControlCount);
        EXPECT_EQ(SendMessageA(GetDlgItem(window, IDC_TOOLBAR), TB_BUTTONCOUNT, 0, 0),
                  static_cast<LRESULT>(ToolbarButtons(reply).size()));
    }
    NMTTDISPINFOA tip{};
    tip.hdr = {GetDlgItem(window, IDC_TOOLBAR), IDM_LOAD, static_cast<UINT>(TTN_GETDISPINFOA)};
    SendMessageA(window, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&tip));
    EXPECT_STREQ(tip.lpszText, "Load body from file");
    const auto stored = [] { return wintest::ReadRegistryValue(wintest::kRootUserKey, "SMTPWIN").bytes; };
    RegDeleteKeyValueA(HKEY_LOCAL_MACHINE, wintest::kRootUserKey, "SMTPWIN");
    for (int show : {SW_MINIMIZE, SW_MAXIMIZE}) ShowWindow(window, show);
    EXPECT_EQ(stored(), "");
    ShowWindow(window, SW_RESTORE);
    SetWindowPos(window, nullptr, 30, 40, 700, 500, SWP_NOZORDER);
    RECT r{};
    GetWindowRect(window, &r);
    const std::string placed = PlacementText(r.left, r.top, r.right - r.left, r.bottom - r.top);
    EXPECT_EQ(stored(), placed + '\0');
    // Hiding the toolbar unchecks its menu item, moves the fields up and stores again.
    RegDeleteKeyValueA(HKEY_LOCAL_MACHINE, wintest::kRootUserKey, "SMTPWIN");
    HMENU menu = GetMenu(window);
    EXPECT_EQ(GetMenuState(menu, IDM_SHOW_TOOLBAR, MF_BYCOMMAND) & MF_CHECKED, static_cast<UINT>(MF_CHECKED));
    SendMessageA(window, WM_COMMAND, IDM_SHOW_TOOLBAR, 0);
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(window, IDC_TOOLBAR)));
    EXPECT_EQ(GetMenuState(menu, IDM_SHOW_TOOLBAR, MF_BYCOMMAND) & MF_CHECKED, 0u);
    EXPECT_EQ(stored(), placed + '\0');
    ExpectControlsAtLayout(kPlainControlCount);
}

// A pre-filled start with recipients begins in the body. Enter in To asks for its name check; a name check (CC)
// puts the one known address containing the typed text in its place and moves to the next field.
TEST_F(ComposeWindowTest, PrefillStartsInTheBodyAndEnterChecksNamesAndPressesButtons) {
    wintest::ScratchDir cfg("namecheck");
    wintest::DialogDriver driver;  // no dialog is expected: one that opens is cancelled
    app.config.usersSysPath = cfg / "USERS.SYS";
    ASSERT_TRUE(wintest::WriteWholeFile(app.config.usersSysPath, "bob\r\ncarol\r\n"));
    app.draft.fields.to = "bob@example.com";
    ASSERT_NE(Open(), nullptr);
    ShowDraftInWindow(window, "");
    EXPECT_EQ(ComposeWindowOf(window)->currentRow, RowBody);
    Pump();
    SendMessageA(Row(RowTo), WM_CHAR, '\r', 0);
    MSG posted{};
    ASSERT_TRUE(PeekMessageA(&posted, window, WM_COMMAND, WM_COMMAND, PM_REMOVE));
    EXPECT_EQ(posted.wParam, static_cast<WPARAM>(IDM_CHECK_TO_NAMES));
    SetWindowTextA(Row(RowCc), "CAR");
    SendMessageA(window, WM_COMMAND, IDM_CHECK_CC_NAMES, 0);
    EXPECT_EQ(wintest::Caption(Row(RowCc)), "carol");
    // Text beyond the code page is not handed to the book, which would bring it back as "?".
    const std::wstring typed = L"\u0141ukasz <lukasz@x.org>, car";
    SetWindowTextW(Row(RowCc), typed.c_str());
    SendMessageA(window, WM_COMMAND, IDM_CHECK_CC_NAMES, 0);
    EXPECT_EQ(WindowTextW(Row(RowCc)), typed);
    EXPECT_EQ(GetFocus(), Row(RowBcc));
    // In the body Enter starts a new line; on a button it presses it: Cancel closes the window.
    SendMessageA(Row(RowBody), WM_CHAR, '\r', 0);
    EXPECT_EQ(wintest::Caption(Row(RowBody)), "\r\n");
    SetFocus(Row(RowCancel));
    SendMessageA(Row(RowCancel), WM_KEYDOWN, VK_RETURN, 0);
    SendMessageA(Row(RowCancel), WM_KEYUP, VK_RETURN, 0);
    Pump();
    EXPECT_FALSE(IsWindow(window));
}

}  // namespace
}  // namespace velmar
