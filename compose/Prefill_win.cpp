#include <string>

#include "common/ResourceStrings_win.h"
#include "common/Text.h"
#include "compose/ComposeWindow_win.h"
#include "compose/WindowTexts.h"
#include "encoding/AttachmentParts_win.h"
#include "resources/resource.h"

namespace velmar {

namespace {

constexpr DWORD kIncludeLimit = 60000;  // bytes of a file placed into the body

// A body file the program made for this message: used once, then deleted.
bool IsConsumedOnLoad(std::string_view path) {
    return path.size() >= 4 && EqualsNoCase(path.substr(path.size() - 4), ".tmp");
}

// At most kIncludeLimit bytes of the file; empty when it cannot be read.
std::string ReadHead(HANDLE file, DWORD size) {
    std::string text(size < kIncludeLimit ? size : kIncludeLimit, '\0');
    DWORD got = 0;
    if (!text.empty() && !ReadFile(file, text.data(), static_cast<DWORD>(text.size()), &got, nullptr)) got = 0;
    text.resize(got);
    return text;
}

// The body file of a batch start into the body. A file over the limit brings the question
// whether to attach it instead: Yes attaches it whole and leaves the body as it is (a
// ".tmp" file is then kept for the send); No loads its first 60000 bytes.
void LoadBodyFile(ComposeWindow& w, const std::string& path) {
    ComposeContext& c = w.context;
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    std::string text;
    if (file != INVALID_HANDLE_VALUE) {
        const DWORD size = GetFileSize(file, nullptr);
        if (size != INVALID_FILE_SIZE && size > kIncludeLimit) {
            const std::string question = LoadResourceString(c.instance, IDS_INCLUDE_TRUNCATED, 255,
                                                            WindowTextFallback(IDS_INCLUDE_TRUNCATED));
            if (MessageBoxA(w.window, question.c_str(), c.appTitle.c_str(), MB_YESNO | MB_ICONSTOP) == IDYES) {
                CloseHandle(file);
                if (AddAttachment(c.draft.attachments, c.settings, c.config, path, path)) ShowAttachmentList(w);
                return;
            }
        }
        if (size != INVALID_FILE_SIZE) text = ReadHead(file, size);
        CloseHandle(file);
    }
    SetWindowTextA(w.Body(), text.c_str());
    if (IsConsumedOnLoad(path)) DeleteFileA(path.c_str());
}

void ShowField(ComposeWindow& w, int row, const std::string& text) {
    if (!text.empty()) SetWindowTextA(w.Control(row), text.c_str());
}

}  // namespace

void ShowDraftInWindow(HWND window, const std::string& bodyPath) {
    ComposeWindow* w = ComposeWindowOf(window);
    if (w == nullptr) return;
    if (!bodyPath.empty()) LoadBodyFile(*w, bodyPath);
    const MessageFields& fields = w->context.draft.fields;
    ShowField(*w, RowTo, fields.to);
    if (!fields.to.empty()) w->currentRow = RowBody;  // the recipients are given: write the text
    ShowField(*w, RowCc, fields.cc);
    ShowField(*w, RowBcc, fields.bcc);
    ShowField(*w, RowSubject, fields.subject);
}

}  // namespace velmar
