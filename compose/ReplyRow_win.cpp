// The reply row: filling the window from the reply source file, the pressed states of the
// row's buttons, and its commands.
#include <windows.h>

#include <memory>
#include <string>
#include <utility>

#include "common/FileStreams_win.h"
#include "compose/BodyOps_win.h"
#include "compose/Commands.h"
#include "compose/ComposeWindow_win.h"
#include "compose/ReplyText.h"
#include "resources/resource.h"

namespace velmar {

namespace {

// Gathers the text meant for the body and puts it in at the caret in one step, which is
// the same as inserting each piece in turn and keeps a long body from being re-laid out
// once per line. The edit control ends its text at a NUL byte, so NUL bytes are left out.
class CaretInsertion final : public BodySink {
public:
    void Insert(std::string_view text) override {
        for (char c : text)
            if (c != '\0') text_ += c;
    }
    void PutInto(HWND body) const {
        if (body != nullptr && !text_.empty())
            SendMessageA(body, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text_.c_str()));
    }

private:
    std::string text_;
};

// Characters of the body font that fit the body's formatting rectangle, less 5.
int QuoteWidthOf(ComposeWindow& w) {
    HWND body = w.Body();
    if (body == nullptr) return QuoteWidthFor(0, 0);
    RECT area{};
    SendMessageA(body, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&area));
    int averageCharWidth = LastBodyFontMetrics().averageCharWidth;
    if (HDC dc = GetDC(body)) {
        HFONT previous = SelectBodyFont(w, dc);
        averageCharWidth = LastBodyFontMetrics().averageCharWidth;
        if (previous != nullptr) SelectObject(dc, previous);
        ReleaseDC(body, dc);
    }
    return QuoteWidthFor(static_cast<int>(area.right - area.left), averageCharWidth);
}

void SetField(ComposeWindow& w, int row, const std::string& text) {
    if (HWND field = w.Control(row)) SetWindowTextA(field, text.c_str());
}

}  // namespace

void SetReplyMarks(ComposeWindow& w, int option) {
    const ReplyMarks marks = ReplyMarksOf(option);
    const auto mark = [&w](int row, bool pressed) {
        if (HWND button = w.Control(row))
            SendMessageA(button, BM_SETCHECK, pressed ? BST_CHECKED : BST_UNCHECKED, 0);
    };
    mark(RowReplyAll, marks.all);
    mark(RowReplySender, marks.sender);
    mark(RowIncludeYes, marks.yes);
    mark(RowIncludeNo, marks.no);
}

void PrefillReply(ComposeWindow& w, const std::string& path, int choice) {
    MessageDraft& draft = w.context.draft;
    MessageFields& fields = draft.fields;
    fields.to.clear();
    fields.cc.clear();
    fields.subject.clear();

    const int quoteWidth = QuoteWidthOf(w);
    draft.replyOption = ApplyReplyChoice(draft.replyOption, choice, quoteWidth);
    SetReplyMarks(w, draft.replyOption);

    HWND body = w.Body();
    const bool includes = (choice & reply::kIncludeBits) != 0;
    const bool hidden = (choice & reply::kQuoted) != 0 && body != nullptr;
    if (hidden) ShowWindow(body, SW_HIDE);
    // A new choice of what to include starts from an empty body, whether or not the
    // source can still be read.
    if (includes && body != nullptr) SetWindowTextA(body, "");

    CaretInsertion inserted;
    ReplyReader reader(inserted, choice, draft.replyOption, fields.sender, quoteWidth);
    if (std::unique_ptr<FileSource> source = FileSource::Open(path)) ReadReplySource(*source, reader);
    inserted.PutInto(body);
    if (hidden) ShowWindow(body, SW_SHOW);

    ReplyFields found = reader.Finish();
    fields.to = std::move(found.to);
    fields.cc = std::move(found.cc);
    fields.subject = std::move(found.subject);
    const bool addresses = (choice & reply::kAddressBits) != 0;
    if (!fields.to.empty() || addresses) {
        SetField(w, RowTo, fields.to);
        w.currentRow = RowBody;
    }
    if (!fields.subject.empty()) SetField(w, RowSubject, fields.subject);
    if (!fields.cc.empty() || addresses) SetField(w, RowCc, fields.cc);

    if (includes && body != nullptr) {
        // The caret stays at the end of the included text when the answer goes below it.
        if ((draft.replyOption & reply::kBelow) == 0) SendMessageA(body, EM_SETSEL, 0, 0);
        SendMessageA(body, EM_SCROLLCARET, 0, 0);
        SetFocus(body);
    }
}

void PrefillReply(HWND window, const std::string& path, int choice) {
    if (ComposeWindow* w = ComposeWindowOf(window)) PrefillReply(*w, path, choice);
}

void RunReplyCommand(ComposeWindow& w, int id) {
    ComposeContext& c = w.context;
    if (id == IDC_REPLY_SAVE_DEFAULT) {
        (void)c.settings.PutConfigInt(c.config.userId, "OPT_RPVAL", c.draft.replyOption);
        return;
    }
    const bool ctrlOrShift = GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_SHIFT) < 0;
    if (const int choice = ReplyChoiceOf(id, ctrlOrShift); choice != 0) PrefillReply(w, c.replyFilePath, choice);
}

}  // namespace velmar
