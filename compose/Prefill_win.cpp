#include <string>

#include "common/WideText_win.h"

#include "compose/BodyOps_win.h"
#include "compose/ComposeWindow_win.h"

namespace velmar {

namespace {

void ShowField(ComposeWindow& w, int row, const std::string& text) {
    if (!text.empty()) SetWindowTextW(w.Control(row), TextToWide(text, w.context.draft.fields.utf8).c_str());
}

}  // namespace

void ShowDraftInWindow(HWND window, const std::string& bodyPath, std::string_view bodyText) {
    ComposeWindow* w = ComposeWindowOf(window);
    if (w == nullptr) return;
    if (!bodyPath.empty()) {
        // Loaded as the Load command loads a file: a file over 60000 bytes brings the
        // question whether to attach it instead.
        std::string path = bodyPath;
        (void)IncludeFileText(*w, w->Body(), path);
    } else if (!bodyText.empty() && w->Body() != nullptr) {
        SetWindowTextW(w->Body(), Utf8ToWide(bodyText).c_str());
    }
    const MessageFields& fields = w->context.draft.fields;
    ShowField(*w, RowTo, fields.to);
    if (!fields.to.empty()) w->currentRow = RowBody;  // the recipients are given: write the text
    ShowField(*w, RowCc, fields.cc);
    ShowField(*w, RowBcc, fields.bcc);
    ShowField(*w, RowSubject, fields.subject);
}

}  // namespace velmar
