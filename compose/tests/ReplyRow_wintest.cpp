// The reply row of a compose window in this process, where the keyboard state can be set:
// "Yes" with Shift held, and a reply source that cannot be read.
#include <windows.h>

#include <gtest/gtest.h>

#include "compose/ComposeWindow_win.h"
#include "config/StartupConfig.h"
#include "startup/Application_win.h"
#include "tests/support/WinTestSupport.h"

namespace velmar {
namespace {

void SetShift(bool down) {
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_SHIFT] = down ? 0x80 : 0;
    SetKeyboardState(keys);
}

std::string TextOf(HWND control) {
    char text[1024] = {};
    GetWindowTextA(control, text, sizeof text);
    return text;
}

class ReplyRowTest : public ::testing::Test {
protected:
    void SetUp() override {
        wintest::ForgetServerConfiguration();
        app.instance = GetModuleHandleA(nullptr);
        app.replyFilePath = dir / "RPL1.txt";
        ASSERT_TRUE(InitApplication(app, app.instance, nullptr));
        LoadStartupConfiguration(app.config, app.settings, app.library,
                                 DialogBaseUnits::FromPacked(static_cast<std::uint32_t>(GetDialogBaseUnits())));
        window = CreateWindowExA(0, app.appTitle.c_str(), "", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0, 0, 900, 600,
                                 nullptr, nullptr, app.instance, &app.compose);
        ASSERT_NE(window, nullptr);
        ShowWindow(window, SW_SHOWNORMAL);
    }
    void TearDown() override {
        SetShift(false);
        DestroyWindow(window);
        UnregisterClassA(app.appTitle.c_str(), app.instance);
    }
    [[nodiscard]] HWND Body() const { return GetDlgItem(window, 3008); }

    wintest::ScratchDir dir{"reply-row"};
    Application app;
    HWND window = nullptr;
};

TEST_F(ReplyRowTest, YesWithShiftIncludesTheTextUnquotedWithTheCaretAtTheStart) {
    ASSERT_TRUE(wintest::WriteWholeFile(app.replyFilePath, "Subject: s\r\n\r\nfirst\r\n> second\r\n"));
    SetShift(true);
    SendMessageA(window, WM_COMMAND, 3017, 0);
    EXPECT_EQ(TextOf(Body()), "\r\n\r\nfirst\r\n> second\r\n");
    EXPECT_EQ(app.draft.replyOption, 2 | 12);
    DWORD start = 1;
    SendMessageA(Body(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(GetFocus(), Body());
}

TEST_F(ReplyRowTest, UnreadableSourceLeavesTheWindowUsable) {
    SetWindowTextA(Body(), "old text");
    PrefillReply(window, app.replyFilePath, 1 | 4);
    EXPECT_TRUE(IsWindowVisible(Body()));
    EXPECT_EQ(TextOf(Body()), "");
    EXPECT_EQ(TextOf(GetDlgItem(window, 3001)), "");
    SendMessageA(Body(), WM_CHAR, 'x', 0);
    EXPECT_EQ(TextOf(Body()), "x");
}

}  // namespace
}  // namespace velmar
