// The Help menu: the About box and the help file's topics.
#include "compose/AboutText.h"
#include "common/CentreWindow_win.h"
#include "common/DialogState_win.h"
#include "common/ResourceStrings_win.h"
#include "compose/BodyOps_win.h"
#include "compose/Commands.h"
#include "compose/WindowTexts.h"
#include "resources/resource.h"

namespace velmar {
namespace {

constexpr COLORREF kLightGrey = RGB(192, 192, 192);
constexpr COLORREF kDarkGrey = RGB(128, 128, 128);
constexpr std::size_t kLineChars = 255;

// What the About box holds while it is shown.
struct AboutBox {
    HINSTANCE instance = nullptr;
    GdiObject<HBRUSH> background;
    GdiObject<HBITMAP> picture;
};

void FillTexts(HWND box, HINSTANCE instance) {
    const std::string appName = LoadResourceString(instance, IDS_APP_TITLE, kLineChars, "VELMAR");
    const std::string version =
        LoadResourceString(instance, IDS_VERSION_WORD, kLineChars, WindowTextFallback(IDS_VERSION_WORD));
    SetDlgItemTextA(box, IDC_ABOUT_VERSION, AboutVersionLine(appName, version).c_str());
    SetDlgItemTextA(box, IDC_ABOUT_PRODUCT,
                    LoadResourceString(instance, IDS_MAIN_CAPTION, kLineChars, "Create Mail Message").c_str());
    SetDlgItemTextA(box, IDC_ABOUT_NOTICE, LoadResourceString(instance, IDS_ABOUT_NOTICE, kLineChars, "").c_str());
}

// The picture centred in its frame, one pixel short of the bitmap each way, with a raised
// frame around it.
void PaintPicture(HWND box, const AboutBox& state) {
    HWND frame = GetDlgItem(box, IDC_ABOUT_PICTURE);
    if (frame == nullptr) return;
    InvalidateRect(frame, nullptr, FALSE);
    PAINTSTRUCT paint{};
    HDC dc = BeginPaint(box, &paint);
    RECT area{};
    GetWindowRect(frame, &area);
    MapWindowPoints(nullptr, box, reinterpret_cast<POINT*>(&area), 2);
    BITMAP bitmap{};
    if (state.picture.Get() != nullptr && GetObjectA(state.picture.Get(), sizeof bitmap, &bitmap) != 0) {
        if (HDC source = CreateCompatibleDC(dc)) {
            HGDIOBJ previous = SelectObject(source, state.picture.Get());
            const int x = area.left + CentredOffset(area.right - area.left, bitmap.bmWidth);
            const int y = area.top + CentredOffset(area.bottom - area.top, bitmap.bmHeight);
            BitBlt(dc, x, y, bitmap.bmWidth - 1, bitmap.bmHeight - 1, source, 0, 0, SRCCOPY);
            SelectObject(source, previous);
            DeleteDC(source);
        }
    }
    GdiObject<HPEN> white(CreatePen(PS_SOLID, 1, RGB(255, 255, 255)));
    GdiObject<HPEN> grey(CreatePen(PS_SOLID, 1, kDarkGrey));
    DrawFrame3D(dc, frame, white.Get(), grey.Get());
    EndPaint(box, &paint);
}

INT_PTR CALLBACK AboutProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* state = StateOf<AboutBox>(box);
    switch (message) {
    case WM_INITDIALOG: {
        state = &KeepState<AboutBox>(box, lParam);
        state->background.Reset(CreateSolidBrush(kLightGrey));
        FillTexts(box, state->instance);
        state->picture.Reset(LoadBitmapA(state->instance, "IDB_ABOUTBMP"));
        CenterOverParentClient(box, 0);
        return TRUE;
    }
    case WM_PAINT:
        if (state == nullptr) break;
        PaintPicture(box, *state);
        return TRUE;
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
        if (state == nullptr) break;
        SetBkColor(reinterpret_cast<HDC>(wParam), kLightGrey);
        return reinterpret_cast<INT_PTR>(state->background.Get());
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
            EndDialog(box, IDOK);
            return TRUE;
        }
        break;
    default: break;
    }
    return FALSE;
}

}  // namespace

void ShowAbout(ComposeWindow& w) {
    AboutBox state;  // its bitmap and brush are released when the box has ended
    state.instance = w.context.instance;
    DialogBoxParamA(w.context.instance, "ABOUT", w.window, AboutProc, reinterpret_cast<LPARAM>(&state));
}

void RunHelpCommand(ComposeWindow& w, int id) {
    if (id == IDM_ABOUT) {
        ShowAbout(w);
        return;
    }
    if (const int context = HelpContextOf(id); context != 0)
        WinHelpA(w.window, "VELMAR.HLP", HELP_CONTEXT, static_cast<ULONG_PTR>(context));
}

}  // namespace velmar
