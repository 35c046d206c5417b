// The body editor's font and its formatting rectangle.
#include "compose/BodyFont.h"

#include "common/Text.h"
#include "compose/BodyOps_win.h"
#include "compose/DisplayScale.h"

namespace velmar {
namespace {

BodyFontMetrics lastMetrics;

// The custom font, made for the window's DPI: the settings' sizes are pixels at 96 DPI.
// It is made again only when the window's scale has changed.
HFONT CustomFont(ComposeWindow& w) {
    if (w.bodyFont.Get() == nullptr || w.bodyFontDpi != w.dpi) {
        const CustomFontSettings custom = ReadCustomFont(w.context.settings, w.context.config.userId);
        LOGFONTA font{};
        font.lfHeight = ScaleForDpi(custom.height, w.dpi);
        font.lfWidth = ScaleForDpi(custom.width, w.dpi);
        font.lfWeight = custom.weight;
        font.lfPitchAndFamily = custom.pitchAndFamily;
        const std::string face = CutCopy(custom.faceName, sizeof font.lfFaceName - 1);
        CopyMemory(font.lfFaceName, face.c_str(), face.size() + 1);
        w.bodyFont.Reset(CreateFontIndirectA(&font));
        w.bodyFontDpi = w.dpi;
    }
    return w.bodyFont.Get();
}

// A stock font at 96 DPI; at any other scale the same face made for the window's DPI.
HFONT StockFont(ComposeWindow& w, int stockFont) {
    if (UsesStockFonts(w.dpi)) return static_cast<HFONT>(GetStockObject(stockFont));
    if (w.scaledBodyFont.Get() == nullptr || w.scaledBodyStock != stockFont || w.scaledBodyDpi != w.dpi) {
        w.scaledBodyFont.Reset(CreateStockFontForDpi(stockFont, w.dpi));
        w.scaledBodyStock = stockFont;
        w.scaledBodyDpi = w.dpi;
    }
    return w.scaledBodyFont.Get();
}

// The font of the current choice; null for the custom font when it could not be made.
HFONT ChosenFont(ComposeWindow& w) {
    switch (BodyFontKindOf(w.context.config.fontChoice)) {
    case BodyFontKind::System: return StockFont(w, SYSTEM_FONT);
    case BodyFontKind::SystemFixed: return StockFont(w, SYSTEM_FIXED_FONT);
    case BodyFontKind::AnsiVariable: return StockFont(w, ANSI_VAR_FONT);
    case BodyFontKind::AnsiFixed: return StockFont(w, ANSI_FIXED_FONT);
    case BodyFontKind::Custom: return CustomFont(w);
    }
    return nullptr;
}

void Measure(HDC dc) {
    TEXTMETRICA metrics{};
    if (GetTextMetricsA(dc, &metrics))
        lastMetrics = {static_cast<int>(metrics.tmAveCharWidth),
                       static_cast<int>(metrics.tmHeight + metrics.tmExternalLeading)};
}

}  // namespace

HFONT SelectBodyFont(ComposeWindow& w, HDC dc) {
    HFONT font = ChosenFont(w);
    HFONT previous = font != nullptr ? static_cast<HFONT>(SelectObject(dc, font)) : nullptr;
    Measure(dc);
    return previous;
}

HFONT GetBodyFont(ComposeWindow& w) {
    w.context.config.fontChoice = ReadFontChoice(w.context.settings, w.context.config.userId);
    HFONT font = ChosenFont(w);
    HWND measured = w.Body() != nullptr ? w.Body() : w.window;
    if (HDC dc = GetDC(measured)) {
        HGDIOBJ previous = font != nullptr ? SelectObject(dc, font) : nullptr;
        Measure(dc);
        if (previous != nullptr) SelectObject(dc, previous);
        ReleaseDC(measured, dc);
    }
    return font;
}

BodyFontMetrics LastBodyFontMetrics() { return lastMetrics; }

void ApplyBodyFont(ComposeWindow& w) {
    HFONT font = GetBodyFont(w);
    if (w.Body() != nullptr && font != nullptr) SendMessageA(w.Body(), WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

void SetBodyFormattingRect(ComposeWindow& w) {
    HWND body = w.Body();
    if (body == nullptr) return;
    RECT area{};
    GetClientRect(body, &area);
    const AppConfig& config = w.context.config;
    if (config.optWrap != 0) {
        if (HDC dc = GetDC(body)) {
            HFONT previous = SelectBodyFont(w, dc);
            if (previous != nullptr) SelectObject(dc, previous);
            ReleaseDC(body, dc);
        }
    }
    // The control keeps its margins inside the rectangle: the wrap column is the text
    // between them, so a line of "sendWrap" characters fits.
    const DWORD margins = static_cast<DWORD>(SendMessageA(body, EM_GETMARGINS, 0, 0));
    const int marginWidth = LOWORD(margins) + HIWORD(margins);
    area.right = area.left + marginWidth +
                 FormattingWidth(static_cast<int>(area.right - area.left) - marginWidth, config.optWrap != 0,
                                 config.sendWrap, lastMetrics.averageCharWidth);
    SendMessageA(body, EM_SETRECT, 0, reinterpret_cast<LPARAM>(&area));
}

}  // namespace velmar
