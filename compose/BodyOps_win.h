// The body text operations, the body font and the About box, for the parts of the window
// that use them beyond their own commands: the batch pre-fill loads the body through
// IncludeFileText, the reply and option dialogs measure the body font and centre
// themselves over the window.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "compose/ComposeWindow_win.h"

namespace velmar {

enum class IncludeResult {
    Loaded,     // the field holds the file's text (its first 60000 bytes for a longer file)
    Attached,   // the file was too long and the user chose to attach it; the field is unchanged
    Unchanged,  // the file could not be read or no memory was had; the field is unchanged
};

// Replaces the text of `field` by the text of the file at `path` (ANSI text, or Unicode
// text behind a UTF-8 or UTF-16 LE byte-order mark). A file over 60000 bytes
// makes the window ask whether to attach it instead: Yes adds it to the attachment list
// (refreshing the display) and leaves the field alone; No loads its first 60000 bytes. A
// loaded temporary file (IsConsumedBody) is deleted and `path` emptied; an attached one is
// kept, since the send still needs it.
IncludeResult IncludeFileText(ComposeWindow& w, HWND field, std::string& path);

// Writes the body's whole text to `path`, in the ANSI code page when it fits, else as UTF-8
// behind a byte-order mark (which Load reads back): into a temporary file beside it
// that then replaces the old file, so a failure leaves any old file as it was. False
// after a failure that was shown to the user.
[[nodiscard]] bool WriteBodyToFile(ComposeWindow& w, const std::string& path);

// Lets the user pick a file and puts its whole text on the clipboard as CF_TEXT
// (CF_UNICODETEXT for a file with a byte-order mark). The
// clipboard is emptied before the dialog opens and stays empty unless this succeeds.
[[nodiscard]] bool ImportFileToClipboard(ComposeWindow& w);

// The body font for the "FONT" setting (read anew), measured on the window.
struct BodyFontMetrics {
    int averageCharWidth = 0;
    int lineHeight = 0;  // text height plus external leading
};
HFONT GetBodyFont(ComposeWindow& w);
// Selects the body font into `dc`, measures it and returns the font selected before.
HFONT SelectBodyFont(ComposeWindow& w, HDC dc);
// The metrics of the body font last measured.
[[nodiscard]] BodyFontMetrics LastBodyFontMetrics();

// The About box, modal over `w`.
void ShowAbout(ComposeWindow& w);

// A two-pixel frame around `control` in its parent's client coordinates; the pen selected
// before is selected again.
void DrawFrame3D(HDC dc, HWND control, HPEN topLeft, HPEN bottomRight);

// Pastes the clipboard's text into `field`, leaving the caret where the selection ended
// before the paste.
void PasteClipboard(HWND field);

// A message box over the window with the string-table text `textId` (or its fallback).
void ShowWindowText(ComposeWindow& w, int textId, UINT style, int captionId = 0);

}  // namespace velmar
