#include <string>

#include "compose/BodyOps_win.h"
#include "compose/ComposeWindow_win.h"

namespace velmar {

namespace {

void ShowField(ComposeWindow& w, int row, const std::string& text) {
    if (!text.empty()) SetWindowTextA(w.Control(row), text.c_str());
}

}  // namespace

void ShowDraftInWindow(HWND window, const std::string& bodyPath) {
    ComposeWindow* w = ComposeWindowOf(window);
    if (w == nullptr) return;
    if (!bodyPath.empty()) {
        // Loaded as the Load command loads a file: a file over 60000 bytes brings the
        // question whether to attach it instead.
        std::string path = bodyPath;
        (void)IncludeFileText(*w, w->Body(), path);
    }
    const MessageFields& fields = w->context.draft.fields;
    ShowField(*w, RowTo, fields.to);
    if (!fields.to.empty()) w->currentRow = RowBody;  // the recipients are given: write the text
    ShowField(*w, RowCc, fields.cc);
    ShowField(*w, RowBcc, fields.bcc);
    ShowField(*w, RowSubject, fields.subject);
}

}  // namespace velmar
