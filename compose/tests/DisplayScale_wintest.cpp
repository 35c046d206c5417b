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
    RECT now{}, suggested{};
    const auto changeDpi = [&](int dpi) {  // as the system sends it, with the window's rectangle grown for `dpi`
        GetWindowRect(window, &now);
        suggested = {now.left, now.top, now.left + (now.right - now.left) * dpi / ComposeWindowOf(window)->dpi,
                     now.top + (now.bottom - now.top) * dpi / ComposeWindowOf(window)->dpi};
        SendMessageA(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
        GetWindowRect(window, &now);
    };
    changeDpi(144);
    EXPECT_TRUE(EqualRect(&now, &suggested));
    const HFONT label = FontOf(Row(RowToButton)), field = FontOf(Row(RowTo));
    EXPECT_EQ(std::tuple(FontOf(Row(RowSend)), FontHeight(label), FontHeight(field), FontHeight(FontOf(Row(RowBody)))),
              std::tuple(label, StockHeight(ANSI_VAR_FONT, 144), StockHeight(SYSTEM_FONT, 144),
                         StockHeight(ANSI_FIXED_FONT, 144)));
    EXPECT_GT(ComposeWindowOf(window)->baseUnits.y, app.config.baseUnitY);
    EXPECT_GT(ClientRectOf(Row(RowTo)).height, toAt96.height);
    EXPECT_GE(HIWORD(SendMessageA(GetDlgItem(window, IDC_TOOLBAR), TB_GETBUTTONSIZE, 0, 0)), 24) << "24-pixel images";

    changeDpi(96);
    EXPECT_EQ(std::tuple(FontOf(Row(RowToButton)), FontOf(Row(RowTo)), FontOf(Row(RowBody)), ClientRectOf(Row(RowTo))),
              std::tuple(GetStockObject(ANSI_VAR_FONT), nullptr, GetStockObject(ANSI_FIXED_FONT), toAt96));
}

}  // namespace
}  // namespace velmar
