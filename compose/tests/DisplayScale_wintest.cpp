// The compose window's change of scale (WM_DPICHANGED) from 96 DPI to 150 % and back.
#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include "compose/ComposeWindow_win.h"
#include "compose/DisplayScale.h"
#include "resources/resource.h"
#include "tests/support/ComposeRig_win.h"
#include "tests/support/WinTestSupport.h"

namespace velmar {
namespace {

using wintest::ClientRectOf;

HFONT FontOf(HWND control) { return reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)); }

LONG FontHeight(HFONT font) {
    LOGFONTA description{};
    return GetObjectA(font, sizeof description, &description) ? description.lfHeight : 0;
}
LONG StockHeight(int stock, int dpi) { return ScaleForDpi(FontHeight(static_cast<HFONT>(GetStockObject(stock))), dpi); }

using DisplayScaleTest = wintest::MainWindowTest;

// The suggested rectangle is taken, fonts and layout are made for 144 DPI; at 96 DPI the stock ones return.
TEST_F(DisplayScaleTest, DpiChangeRemakesFontsAndLayout) {
    ASSERT_EQ(SystemDpi(), kDefaultDpi) << "the test prefix runs at 96 DPI";
    ASSERT_NE(Open(), nullptr);
    const ControlRect toAt96 = ClientRectOf(Row(RowTo));
    const auto changeDpi = [&](int dpi, RECT suggested) {  // as the system sends it; whether the window takes it
        SendMessageA(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
        RECT now{};
        GetWindowRect(window, &now);
        return EqualRect(&now, &suggested) != FALSE;
    };
    EXPECT_TRUE(changeDpi(144, {10, 20, 970, 740}));  // the window opens at 10,20, 640 x 480
    const HFONT label = FontOf(Row(RowToButton)), field = FontOf(Row(RowTo));
    EXPECT_EQ(std::tuple(FontOf(Row(RowSend)), FontHeight(label), FontHeight(field), FontHeight(FontOf(Row(RowBody)))),
              std::tuple(label, StockHeight(ANSI_VAR_FONT, 144), StockHeight(SYSTEM_FONT, 144),
                         StockHeight(ANSI_FIXED_FONT, 144)));
    EXPECT_GT(ComposeWindowOf(window)->baseUnits.y, app.config.baseUnitY);
    EXPECT_GT(ClientRectOf(Row(RowTo)).height, toAt96.height);
    EXPECT_GE(HIWORD(SendMessageA(GetDlgItem(window, IDC_TOOLBAR), TB_GETBUTTONSIZE, 0, 0)), 24) << "24-pixel images";

    EXPECT_TRUE(changeDpi(96, {10, 20, 650, 500}));
    EXPECT_EQ(std::tuple(FontOf(Row(RowToButton)), FontOf(Row(RowTo)), FontOf(Row(RowBody)), ClientRectOf(Row(RowTo))),
              std::tuple(GetStockObject(ANSI_VAR_FONT), nullptr, GetStockObject(ANSI_FIXED_FONT), toAt96));
}

}  // namespace
}  // namespace velmar
