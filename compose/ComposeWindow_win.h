// The compose window's own state and the command groups' entry points. The state lives in
// one object created at WM_NCCREATE and deleted at WM_NCDESTROY; the message being composed
// lives in the draft of the ComposeContext. The window procedure (MainWindow_win.cpp) only
// dispatches: each command group's work is done by its own file.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <array>

#include "addressbook/AddressCache.h"
#include "compose/ControlTable.h"
#include "compose/Layout.h"
#include "compose/MainWindow_win.h"

namespace velmar {

// Owns one GDI object and deletes it when dropped.
template <class Handle>
class GdiObject {
public:
    GdiObject() = default;
    explicit GdiObject(Handle handle) : handle_(handle) {}
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;
    ~GdiObject() { Reset(); }
    void Reset(Handle handle = nullptr) {
        if (handle_ != nullptr) DeleteObject(handle_);
        handle_ = handle;
    }
    [[nodiscard]] Handle Get() const { return handle_; }

private:
    Handle handle_ = nullptr;
};

struct ComposeWindow {
    explicit ComposeWindow(ComposeContext& c) : context(c) {}

    ComposeContext& context;
    HWND window = nullptr;
    HWND toolbar = nullptr;
    std::array<HWND, kControlCount> controls{};        // by row; null where not created
    std::array<WNDPROC, kControlCount> ownProcedures{};  // each control's procedure before subclassing
    int currentRow = RowTo;  // the field that last had the focus
    bool toolbarShown = true;  // not stored: every window starts with it
    int attachFilterIndex = 3;  // the attach dialog's filter chosen last (3: all files)
    bool replyRow = false;   // rows 13 to 19 exist (a reply start)
    GdiObject<HBRUSH> background;
    GdiObject<HPEN> shadowPen;
    GdiObject<HPEN> highlightPen;
    GdiObject<HFONT> bodyFont;
    HCURSOR waitCursor = nullptr;
    AddressCache addressCache;  // the address book's files as read for this window

    [[nodiscard]] HWND Control(int row) const { return row >= 0 && row < kControlCount ? controls[row] : nullptr; }
    [[nodiscard]] HWND Body() const { return controls[RowBody]; }
    [[nodiscard]] HWND CurrentField() const { return Control(currentRow); }
};

// The state of a main window (null before WM_NCCREATE and after WM_NCDESTROY).
ComposeWindow* ComposeWindowOf(HWND window);

// Command groups (see compose/Commands.h). Each runs one command id of its group.
void RunEditCommand(ComposeWindow& w, int id);          // EditCommands_win.cpp
void RunBodyFileCommand(ComposeWindow& w, int id);      // BodyFile_win.cpp
void RunHelpCommand(ComposeWindow& w, int id);          // About_win.cpp
void RunAttachmentCommand(ComposeWindow& w, int id);    // Attachments_win.cpp
void ToggleToolbar(ComposeWindow& w);                   // Toolbar_win.cpp
void RunOptionDialogCommand(ComposeWindow& w, int id);  // OptionDialogs_win.cpp
void RunAddressBookCommand(ComposeWindow& w, int id);   // AddressBook_win.cpp
void RunNameCheckCommand(ComposeWindow& w, int id);     // AddressBook_win.cpp

// The reply row (ReplyRow_win.cpp). PrefillReply fills the To, CC and Subject fields and
// the body from the reply source file as `choice` asks (a reply option value: start-up
// passes the stored option, the row's buttons 1, 2, 4, 12 or 8) and keeps the choice in
// the draft's reply option; SetReplyMarks shows an option on the row's buttons.
void PrefillReply(ComposeWindow& w, const std::string& path, int choice);
void SetReplyMarks(ComposeWindow& w, int option);
void RunReplyCommand(ComposeWindow& w, int id);

// Menu states when the menu bar is about to open (EditCommands_win.cpp).
void UpdateEditMenu(ComposeWindow& w, HMENU menu);

// The body font (BodyFont_win.cpp): created from "fontChoice" and applied to the body, and
// the body's formatting rectangle narrowed to "sendWrap" characters when "optWrap" is set.
void ApplyBodyFont(ComposeWindow& w);
void SetBodyFormattingRect(ComposeWindow& w);

// Attachments (Attachments_win.cpp): the attach dialog, files dropped on the window, and
// the display row.
bool ChooseAttachment(ComposeWindow& w);
void DropAttachments(ComposeWindow& w, HDROP drop);
void ShowAttachmentList(ComposeWindow& w);

// The toolbar (Toolbar_win.cpp): created at WM_CREATE; its buttons' tips are answered from
// WM_NOTIFY (true when the notification was a tip request and has been answered).
bool CreateComposeToolbar(ComposeWindow& w);
bool AnswerToolbarTip(ComposeWindow& w, NMHDR* notification);

// Size and placement (WindowLayout_win.cpp): the layout the window has now, and the resize
// steps for WM_SIZE (`sizeType` is its first parameter) and after toggling the toolbar.
[[nodiscard]] ControlLayout CurrentLayout(const ComposeWindow& w);
void ResizeComposeWindow(ComposeWindow& w, WPARAM sizeType);

}  // namespace velmar
