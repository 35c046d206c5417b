// The main window as start-up creates it, in this process: class, caption, menu.
#include <windows.h>

#include <gtest/gtest.h>

#include "startup/Application_win.h"
#include "tests/support/DialogDriver_win.h"

namespace velmar {
namespace {

class InitInstanceTest : public wintest::CleanMachineTest {
protected:
    void SetUp() override {
        CleanMachineTest::SetUp();
        ASSERT_TRUE(InitApplication(app, GetModuleHandleA(nullptr), nullptr));
    }
    void TearDown() override {
        if (app.mainWindow != nullptr && IsWindow(app.mainWindow)) DestroyWindow(app.mainWindow);
        wintest::Pump();
        UnregisterClassA(app.appTitle.c_str(), GetModuleHandleA(nullptr));
        CleanMachineTest::TearDown();
    }
    Application app;
};

// A plain start (kind 0) has no Help menu; the other starts keep it. The start-up
// configuration is read before the window is made.
TEST_F(InitInstanceTest, ClassCaptionAndMenus) {
    const struct {
        int startKind;
        std::string want;
    } cases[] = {{0, "&File &Edit &Options "}, {1, "&File &Edit &Options &Help "}};
    for (const auto& c : cases) {
        ASSERT_TRUE(InitInstance(app, SW_HIDE, "", c.startKind));
        char text[32] = {};
        std::string menus;
        HMENU menu = GetMenu(app.mainWindow);
        for (int i = 0; i < GetMenuItemCount(menu); ++i, menus += std::string(text) + " ")
            GetMenuStringA(menu, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
        EXPECT_EQ(wintest::ClassOf(app.mainWindow) + "|" + wintest::Caption(app.mainWindow) + "|" + menus + "|" +
                      app.config.spoolDir, "VELMAR1|Create Mail Message|" + c.want + "|C:\\MAIL\\spool");
        DestroyWindow(app.mainWindow);
    }
}

}  // namespace
}  // namespace velmar
