#include <windows.h>

#include <cderr.h>
#include <commdlg.h>

#include <string>

#include "common/ResourceStrings_win.h"
#include "compose/ComposeWindow_win.h"
#include "compose/DiagnosticTexts.h"
#include "compose/WindowTexts.h"
#include "encoding/AttachmentParts_win.h"
#include "queue/PreparedBody_win.h"
#include "resources/resource.h"

namespace velmar {

namespace {

constexpr std::size_t kFileNameBuffer = 256;  // the attach dialog's full path, terminator included
constexpr DWORD kAttachDialogFlags = OFN_FILEMUSTEXIST | OFN_SHOWHELP | OFN_HIDEREADONLY;

// Adds one file under its full path as the display name; counts and shows it on success.
// A queue file of the spool directory is refused with a box: it belongs to another message.
bool AttachFile(ComposeWindow& w, const std::string& path) {
    ComposeContext& c = w.context;
    if (IsSpoolQueueFile(path, c.config.spoolDir)) {
        const std::string text = "A queued message cannot be attached: " + path;
        MessageBoxA(w.window, text.c_str(), c.appTitle.c_str(), MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    if (!AddAttachment(c.draft.attachments, c.settings, c.config, path, path)) return false;
    ShowAttachmentList(w);
    return true;
}

// Ctrl held on Attach: how the program was started, in two boxes.
void ShowStartDiagnostics(ComposeWindow& w) {
    const ComposeContext& c = w.context;
    MessageBoxA(w.window, c.replyFilePath.c_str(), ReplyNameCaption(c.replyFilePath).c_str(), MB_OK);
    MessageBoxA(w.window, c.config.userProfilePath.c_str(), UserIdCaption(c.config.userId).c_str(), MB_OK);
}

}  // namespace

void RunAttachmentCommand(ComposeWindow& w, int) {
    if (GetKeyState(VK_CONTROL) < 0)
        ShowStartDiagnostics(w);
    else
        (void)ChooseAttachment(w);
}

bool ChooseAttachment(ComposeWindow& w) {
    const HINSTANCE instance = w.context.instance;
    const std::string filter = FilterList(LoadResourceString(
        instance, IDS_ATTACH_FILTER, 255, "Text files (*.txt)|*.txt|Zip files (*.zip)|*.zip|All files (*.*)|*.*||"));
    const std::string title = LoadResourceString(instance, IDS_ATTACH_TITLE, 255, "Attach File");
    // The filter chosen last stays chosen while the message has attachments.
    if (w.context.draft.attachments.Empty()) w.attachFilterIndex = 3;

    char fileName[kFileNameBuffer] = {};
    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = w.window;
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = static_cast<DWORD>(w.attachFilterIndex);
    dialog.lpstrFile = fileName;
    dialog.nMaxFile = sizeof fileName;
    dialog.lpstrTitle = title.c_str();
    dialog.Flags = kAttachDialogFlags;
    bool added = false;
    if (GetOpenFileNameA(&dialog)) {
        w.attachFilterIndex = static_cast<int>(dialog.nFilterIndex);
        added = AttachFile(w, fileName);
    } else if (CommDlgExtendedError() == FNERR_BUFFERTOOSMALL) {
        // A cut name would attach some other file, or none.
        MessageBoxA(w.window, "The file's full name is too long to attach it.", w.context.appTitle.c_str(),
                    MB_OK | MB_ICONEXCLAMATION);
    }
    ShowAttachmentList(w);
    return added;
}

void DropAttachments(ComposeWindow& w, HDROP drop) {
    const UINT count = DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        // The whole name, however long: a cut name would attach another file.
        const UINT length = DragQueryFileA(drop, i, nullptr, 0);
        std::string name(length + 1, '\0');
        name.resize(DragQueryFileA(drop, i, name.data(), length + 1));
        if (!name.empty()) (void)AttachFile(w, name);
    }
    DragFinish(drop);
}

void ShowAttachmentList(ComposeWindow& w) {
    if (HWND display = w.Control(RowAttachmentDisplay))
        SetWindowTextA(display, ShowAttachmentList(w.context.draft.attachments).c_str());
}

}  // namespace velmar
