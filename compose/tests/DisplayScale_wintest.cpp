// The compose window at 96 DPI and at 150 %: fonts made for the window's DPI, and the
// change of scale (WM_DPICHANGED) that makes them again and lays the window out anew.
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

LONG CharHeight(HFONT font) {
    HDC dc = GetDC(nullptr);
    HGDIOBJ previous = SelectObject(dc, font);
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    SelectObject(dc, previous);
    ReleaseDC(nullptr, dc);
    return metrics.tmHeight;
}

class DisplayScaleTest : public wintest::MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        ASSERT_EQ(SystemDpi(), kDefaultDpi) << "the test prefix runs at 96 DPI";
        ASSERT_NE(Open(), nullptr);
    }
    // WM_DPICHANGED as the system sends it, with the window's rectangle grown for `dpi`.
    RECT ChangeDpi(int dpi) {
        RECT now{};
        GetWindowRect(window, &now);
        RECT suggested{now.left, now.top, now.left + (now.right - now.left) * dpi / ComposeWindowOf(window)->dpi,
                       now.top + (now.bottom - now.top) * dpi / ComposeWindowOf(window)->dpi};
        SendMessageA(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
        return suggested;
    }
    void ExpectLayoutFrom(BaseUnits units) const {
        RECT client{}, bar{};
        GetClientRect(window, &client);
        GetWindowRect(GetDlgItem(window, IDC_TOOLBAR), &bar);
        const ControlLayout want =
            LayOutControls({units.x, units.y, client.right, client.bottom, bar.bottom - bar.top, false});
        for (int row = 0; row < kPlainControlCount; ++row)
            EXPECT_EQ(ClientRectOf(Row(row)), want[static_cast<std::size_t>(row)]) << "row " << row;
    }
};

TEST_F(DisplayScaleTest, FontsAreMadeForTheDpi) {
    // 96 DPI: the stock fonts themselves, the fields' system font untouched.
    const HFONT stockLabel = static_cast<HFONT>(GetStockObject(ANSI_VAR_FONT));
    for (int row : {RowToButton, RowSubjectLabel, RowSend, RowAttach}) EXPECT_EQ(FontOf(Row(row)), stockLabel) << row;
    EXPECT_EQ(std::pair(FontOf(Row(RowTo)), FontOf(Row(RowBody))),  // "FONT" 3, the default
              std::pair(HFONT{}, static_cast<HFONT>(GetStockObject(ANSI_FIXED_FONT))));

    // The same faces made for 96 and for 144 DPI.
    GdiObject<HFONT> at96(CreateStockFontForDpi(ANSI_VAR_FONT, 96)), at144(CreateStockFontForDpi(ANSI_VAR_FONT, 144));
    GdiObject<HFONT> system144(CreateStockFontForDpi(SYSTEM_FONT, 144));
    EXPECT_EQ(std::tuple(FontHeight(at96.Get()), FontHeight(at144.Get()), FontHeight(system144.Get())),
              std::tuple(FontHeight(stockLabel), StockHeight(ANSI_VAR_FONT, 144), StockHeight(SYSTEM_FONT, 144)));
    EXPECT_GE(CharHeight(at144.Get()) * 4, CharHeight(stockLabel) * 5) << "grown by about half";
}

TEST_F(DisplayScaleTest, DpiChangeRemakesFontsAndLayout) {
    ExpectLayoutFrom({app.config.baseUnitX, app.config.baseUnitY});
    const ControlRect toAt96 = ClientRectOf(Row(RowTo));

    const RECT suggested = ChangeDpi(144);
    ComposeWindow& w = *ComposeWindowOf(window);
    RECT now{};
    GetWindowRect(window, &now);
    EXPECT_TRUE(EqualRect(&now, &suggested)) << "the suggested rectangle is taken";
    const HFONT label = FontOf(Row(RowToButton)), field = FontOf(Row(RowTo));
    EXPECT_TRUE(label != GetStockObject(ANSI_VAR_FONT) && field != nullptr);
    EXPECT_EQ(std::tuple(FontOf(Row(RowSubjectLabel)), FontOf(Row(RowSend)), FontOf(Row(RowSubject))),
              std::tuple(label, label, field));
    EXPECT_EQ(std::pair(FontHeight(label), FontHeight(FontOf(Row(RowBody)))),
              std::pair(StockHeight(ANSI_VAR_FONT, 144), StockHeight(ANSI_FIXED_FONT, 144)));
    // Laid out again in base units measured with the new field font.
    EXPECT_GT(w.baseUnits.y, app.config.baseUnitY);
    ExpectLayoutFrom(w.baseUnits);
    EXPECT_GT(ClientRectOf(Row(RowTo)).height, toAt96.height);
    const LRESULT buttonSize = SendMessageA(GetDlgItem(window, IDC_TOOLBAR), TB_GETBUTTONSIZE, 0, 0);
    EXPECT_GE(HIWORD(buttonSize), 24) << "the 24-pixel images";

    // Back at 96 DPI: the stock fonts and the platform's units again.
    ChangeDpi(96);
    EXPECT_EQ(std::tuple(FontOf(Row(RowToButton)), FontOf(Row(RowTo)), FontOf(Row(RowBody))),
              std::tuple(GetStockObject(ANSI_VAR_FONT), nullptr, GetStockObject(ANSI_FIXED_FONT)));
    ExpectLayoutFrom({app.config.baseUnitX, app.config.baseUnitY});
}

}  // namespace
}  // namespace velmar
