// The main window as start-up creates it, in this process: class, caption, menu.
#include <windows.h>

#include <gtest/gtest.h>

#include "startup/Application_win.h"
#include "tests/support/WinTestSupport.h"

namespace velmar {
namespace {

class InitInstanceTest : public ::testing::Test {
protected:
    void SetUp() override {
        wintest::ForgetServerConfiguration();
        ASSERT_TRUE(InitApplication(app, GetModuleHandleA(nullptr), nullptr));
    }
    void TearDown() override {
        if (app.mainWindow != nullptr && IsWindow(app.mainWindow)) DestroyWindow(app.mainWindow);
        MSG message{};
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
        UnregisterClassA(app.appTitle.c_str(), GetModuleHandleA(nullptr));
    }
    Application app;
};

TEST_F(InitInstanceTest, PlainStartHasNoHelpMenu) {
    ASSERT_TRUE(InitInstance(app, SW_HIDE, "", 0));
    ASSERT_NE(app.mainWindow, nullptr);
    char className[64] = {};
    GetClassNameA(app.mainWindow, className, sizeof className);
    EXPECT_STREQ(className, "VELMAR1");
    char caption[64] = {};
    GetWindowTextA(app.mainWindow, caption, sizeof caption);
    EXPECT_STREQ(caption, "Create Mail Message");
    HMENU menu = GetMenu(app.mainWindow);
    ASSERT_EQ(GetMenuItemCount(menu), 3);
    const char* want[] = {"&File", "&Edit", "&Options"};
    for (int i = 0; i < 3; ++i) {
        char text[32] = {};
        GetMenuStringA(menu, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
        EXPECT_STREQ(text, want[i]);
    }
    // The start-up configuration was read before the window was made.
    EXPECT_EQ(app.config.hostName, "localhost");
    EXPECT_EQ(app.config.spoolDir, "C:\\MAIL\\spool");
}

TEST_F(InitInstanceTest, OtherStartsKeepTheHelpMenu) {
    ASSERT_TRUE(InitInstance(app, SW_HIDE, "", 1));
    HMENU menu = GetMenu(app.mainWindow);
    ASSERT_EQ(GetMenuItemCount(menu), 4);
    char text[32] = {};
    GetMenuStringA(menu, 3, text, sizeof text, MF_BYPOSITION);
    EXPECT_STREQ(text, "&Help");
}

}  // namespace
}  // namespace velmar
