// The compose window at its display scale: the DPI it is shown at, fonts made for that DPI,
// the toolbar strip for it, and the change of scale when the window moves to another
// monitor or the scale is changed (WM_DPICHANGED).
#include <windows.h>

#include "compose/ComposeWindow_win.h"
#include "compose/DisplayScale.h"

namespace velmar {
namespace {

using DpiForWindowProc = UINT(WINAPI*)(HWND);
using DpiForSystemProc = UINT(WINAPI*)();

// Present from Windows 10 (1607) on; older systems have one DPI for every window.
template <class Proc>
Proc User32Proc(const char* name) {
    HMODULE user32 = GetModuleHandleA("user32.dll");
    return user32 != nullptr ? reinterpret_cast<Proc>(reinterpret_cast<void*>(GetProcAddress(user32, name))) : nullptr;
}

int ScreenDpi() {
    int dpi = kDefaultDpi;
    if (HDC screen = GetDC(nullptr)) {
        dpi = GetDeviceCaps(screen, LOGPIXELSY);
        ReleaseDC(nullptr, screen);
    }
    return dpi > 0 ? dpi : kDefaultDpi;
}

void SetFont(HWND control, HFONT font) {
    if (control != nullptr) SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

}  // namespace

int SystemDpi() {
    static const auto forSystem = User32Proc<DpiForSystemProc>("GetDpiForSystem");
    if (forSystem != nullptr)
        if (const UINT dpi = forSystem(); dpi > 0) return static_cast<int>(dpi);
    return ScreenDpi();
}

int WindowDpi(HWND window) {
    static const auto forWindow = User32Proc<DpiForWindowProc>("GetDpiForWindow");
    if (forWindow != nullptr && window != nullptr)
        if (const UINT dpi = forWindow(window); dpi > 0) return static_cast<int>(dpi);
    return SystemDpi();
}

HFONT CreateStockFontForDpi(int stockFont, int dpi) {
    LOGFONTA font{};
    if (GetObjectA(GetStockObject(stockFont), sizeof font, &font) == 0) return nullptr;
    // The system fonts are made for the system's DPI already; the ANSI fonts stay at 96.
    const bool systemScaled = stockFont == SYSTEM_FONT || stockFont == SYSTEM_FIXED_FONT || stockFont == DEFAULT_GUI_FONT;
    font.lfHeight = ScaleBetweenDpi(font.lfHeight, systemScaled ? SystemDpi() : kDefaultDpi, dpi);
    font.lfWidth = 0;  // the face's own width for the height (a stock width need not grow with it)
    return CreateFontIndirectA(&font);
}

namespace {

// Measured as the platform measures its own units, on the window's device context (null:
// the screen's).
BaseUnits MeasureBaseUnits(HWND window, HFONT font) {
    BaseUnits units;
    HDC dc = GetDC(window);
    if (dc == nullptr) return units;
    HGDIOBJ previous = SelectObject(dc, font);
    SIZE letters{};
    TEXTMETRICA metrics{};
    if (GetTextExtentPoint32A(dc, kBaseUnitLetters, static_cast<int>(sizeof kBaseUnitLetters - 1), &letters) &&
        GetTextMetricsA(dc, &metrics))
        units = BaseUnitsOfFont(static_cast<int>(letters.cx), static_cast<int>(metrics.tmHeight));
    SelectObject(dc, previous);
    ReleaseDC(window, dc);
    return units;
}

}  // namespace

void ApplyWindowFonts(ComposeWindow& w) {
    // At 96 DPI the labels and buttons keep the stock font and the fields the system font
    // they are born with (a null font), and the layout the platform's base units; at any
    // other scale each gets the same face made for the DPI, and the base units are measured
    // with the field font. The fonts in use are replaced only after every control has the
    // new ones.
    const bool stock = UsesStockFonts(w.dpi);
    const bool stockFields = stock && SystemDpi() == kDefaultDpi;
    HFONT labelFont = stock ? nullptr : CreateStockFontForDpi(ANSI_VAR_FONT, w.dpi);
    HFONT fieldFont = stockFields ? nullptr : CreateStockFontForDpi(SYSTEM_FONT, w.dpi);
    HFONT labels = labelFont != nullptr ? labelFont : static_cast<HFONT>(GetStockObject(ANSI_VAR_FONT));
    for (int row = 0; row < kControlCount; ++row) {
        HWND control = w.Control(row);
        if (control == nullptr || row == RowBody) continue;
        const bool field = kControlRows[static_cast<std::size_t>(row)].controlClass == ControlClass::Edit;
        if (!field) SetFont(control, labels);
        else if (!stockFields || w.fieldFont.Get() != nullptr) SetFont(control, fieldFont);
    }
    SetFont(w.bodyLabel, labels);
    w.labelFont.Reset(labelFont);
    w.fieldFont.Reset(fieldFont);
    w.baseUnits = fieldFont != nullptr ? MeasureBaseUnits(w.window, fieldFont) : BaseUnits{};
}

LONG SystemDialogBaseUnits() {
    const int dpi = SystemDpi();
    if (dpi == kDefaultDpi) return GetDialogBaseUnits();
    GdiObject<HFONT> font(CreateStockFontForDpi(SYSTEM_FONT, dpi));
    const BaseUnits units = font.Get() != nullptr ? MeasureBaseUnits(nullptr, font.Get()) : BaseUnits{};
    if (units.x <= 0 || units.y <= 0) return GetDialogBaseUnits();
    return MAKELONG(units.x, units.y);
}

void ChangeWindowDpi(ComposeWindow& w, int dpi, const RECT& suggested) {
    if (dpi <= 0) return;
    w.dpi = dpi;
    ApplyWindowFonts(w);
    ApplyBodyFont(w);  // made again for the new scale
    RecreateComposeToolbar(w);
    // The new rectangle's WM_SIZE lays the controls out with the new base units; a window
    // whose size does not change gets the same steps here.
    RECT before{};
    GetWindowRect(w.window, &before);
    SetWindowPos(w.window, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    if (before.right - before.left == suggested.right - suggested.left &&
        before.bottom - before.top == suggested.bottom - suggested.top)
        ResizeComposeWindow(w, SIZE_RESTORED);
}

}  // namespace velmar
