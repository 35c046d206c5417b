#include "compose/OptionDialogs_win.h"

#include "common/CentreWindow_win.h"
#include "common/DialogState_win.h"
#include "common/RunDetached_win.h"
#include "common/WindowText_win.h"
#include "compose/BodyOps_win.h"
#include "compose/OptionDialogs.h"
#include "resources/resource.h"

namespace velmar {
namespace {

constexpr DWORD pasteDelayMs = 1000;  // how long the user-defined program gets to leave its result

struct MessageOptionsDialog {
    ComposeWindow& w;
    MessageOptionsState state;
};

struct SendOptionsDialog {
    ComposeWindow& w;
    SendOptionsState state;
};

struct SpecialProgramDialog {
    ComposeWindow& w;
    SpecialProgramState state;
};

void SetCheck(HWND dialog, int id, bool on) { CheckDlgButton(dialog, id, on ? BST_CHECKED : BST_UNCHECKED); }
bool Checked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

// A text field takes no more than its setting holds, so what is shown is what is kept.
void ShowText(HWND dialog, int id, const std::string& text, std::size_t limit) {
    SendDlgItemMessageA(dialog, id, EM_LIMITTEXT, limit, 0);
    SetDlgItemTextA(dialog, id, text.c_str());
}

// ---- Send options ----

void ShowSendState(HWND dialog, const SendOptionsState& s) {
    ShowText(dialog, IDC_SEND_REPLY_ADDRESS, s.replyAddress, cap::replyAddress);
    SetCheck(dialog, IDC_SEND_INCLUDE_SIGNATURE, s.includeSignature);
    SetCheck(dialog, IDC_SEND_REGISTERED, s.registered);
    SetCheck(dialog, IDC_SEND_SHOW_STATUS, s.showStatus);
    SetCheck(dialog, IDC_SEND_SMTP_DIRECT, s.smtpDirect);
    CheckRadioButton(dialog, IDC_SEND_NOW, IDC_SEND_QUEUE, s.queueForLater ? IDC_SEND_QUEUE : IDC_SEND_NOW);
    CheckRadioButton(dialog, IDC_SEND_MIME, IDC_SEND_UUENCODE, s.uuEncoding ? IDC_SEND_UUENCODE : IDC_SEND_MIME);
}

SendOptionsState ReadSendState(HWND dialog, const SendOptionsState& opened) {
    SendOptionsState s = opened;
    s.replyAddress = DlgItemText(dialog, IDC_SEND_REPLY_ADDRESS);
    s.includeSignature = Checked(dialog, IDC_SEND_INCLUDE_SIGNATURE);
    s.registered = Checked(dialog, IDC_SEND_REGISTERED);
    s.showStatus = Checked(dialog, IDC_SEND_SHOW_STATUS);
    s.smtpDirect = Checked(dialog, IDC_SEND_SMTP_DIRECT);
    s.queueForLater = Checked(dialog, IDC_SEND_QUEUE);
    s.uuEncoding = Checked(dialog, IDC_SEND_UUENCODE);
    return s;
}

// Shows the attachment encodings by making the dialog taller; when they stay below the
// bottom edge they are also hidden, so the keyboard cannot move the focus onto them.
void FitAttachmentsGroup(HWND dialog, bool shown) {
    if (!shown) {
        for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
            RECT r{};
            GetWindowRect(child, &r);
            MapWindowPoints(HWND_DESKTOP, dialog, reinterpret_cast<POINT*>(&r), 2);
            RECT client{};
            GetClientRect(dialog, &client);
            if (r.top >= client.bottom) ShowWindow(child, SW_HIDE);
        }
        return;
    }
    RECT extra{0, 0, 0, attachmentsGroupHeight};
    MapDialogRect(dialog, &extra);
    RECT box{};
    GetWindowRect(dialog, &box);
    SetWindowPos(dialog, nullptr, 0, 0, box.right - box.left, box.bottom - box.top + extra.bottom,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

INT_PTR CALLBACK SendOptionsProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto& d = KeepState<SendOptionsDialog>(dialog, lParam);
        FitAttachmentsGroup(dialog, d.state.attachmentsShown);
        CenterOverParentClient(dialog, 0);
        ShowSendState(dialog, d.state);
        return TRUE;
    }
    if (message != WM_COMMAND) return FALSE;
    auto& d = *StateOf<SendOptionsDialog>(dialog);
    ComposeContext& c = d.w.context;
    switch (LOWORD(wParam)) {
    case IDOK:
        StoreSettings(c.settings, AcceptSendOptions(ReadSendState(dialog, d.state), c.config, c.draft));
        EndDialog(dialog, 1);
        return TRUE;
    case IDC_SEND_SAVE:
        StoreSettings(c.settings, SaveSendOptions(ReadSendState(dialog, d.state), c.config, c.draft));
        return TRUE;
    case IDCANCEL:
        EndDialog(dialog, 0);
        return TRUE;
    default:
        return FALSE;
    }
}

bool RunSendOptions(ComposeWindow& w, HWND owner, bool fromMenu) {
    ComposeContext& c = w.context;
    const std::int32_t direct = c.settings.GetConfigInt(smtpSection, "DIRECT", 1, ProfileShared);
    const std::int32_t deferDelivery = c.settings.GetConfigInt(c.config.userId, "OPT_DQUEUE", 0, ProfileUser);
    SendOptionsDialog d{w, OpenSendOptions(c.config, c.draft, direct, deferDelivery, fromMenu)};
    return DialogBoxParamA(c.instance, "DLG_SEND", owner, SendOptionsProc, reinterpret_cast<LPARAM>(&d)) == 1;
}

// ---- Message options ----

void ShowMessageState(HWND dialog, const MessageOptionsState& s) {
    SetCheck(dialog, IDC_OPT_INCLUDE_SIGNATURE, s.includeSignature);
    SetCheck(dialog, IDC_OPT_AUTO_WRAP, s.autoWrap);
    SetCheck(dialog, IDC_OPT_REGISTERED, s.registered);
    SetCheck(dialog, IDC_OPT_ALLOW_TAB, s.allowTab);
    SetCheck(dialog, IDC_OPT_SEND_PROMPT, s.sendPrompt);
    ShowText(dialog, IDC_OPT_SIGNATURE_FILE, s.signatureFile, cap::signatureFile);
    ShowText(dialog, IDC_OPT_WRAP_COLUMN, s.wrapColumn, 10);
    SetCheck(dialog, IDC_OPT_AUTO_BCC, s.autoBcc);
    SetCheck(dialog, IDC_OPT_SHOW_STATUS, s.showStatus);
    SetCheck(dialog, IDC_OPT_ENCODE_TEXT, s.encodeTextFiles);
    CheckRadioButton(dialog, IDC_OPT_MIME, IDC_OPT_UUENCODE, s.useUuencode ? IDC_OPT_UUENCODE : IDC_OPT_MIME);
    ShowText(dialog, IDC_OPT_BCC_ADDRESSES, s.bccAddresses, cap::bccAddresses);
}

MessageOptionsState ReadMessageState(HWND dialog) {
    MessageOptionsState s;
    s.registered = Checked(dialog, IDC_OPT_REGISTERED);
    s.allowTab = Checked(dialog, IDC_OPT_ALLOW_TAB);
    s.autoWrap = Checked(dialog, IDC_OPT_AUTO_WRAP);
    s.wrapColumn = DlgItemText(dialog, IDC_OPT_WRAP_COLUMN);
    s.autoBcc = Checked(dialog, IDC_OPT_AUTO_BCC);
    s.bccAddresses = DlgItemText(dialog, IDC_OPT_BCC_ADDRESSES);
    s.showStatus = Checked(dialog, IDC_OPT_SHOW_STATUS);
    s.sendPrompt = Checked(dialog, IDC_OPT_SEND_PROMPT);
    s.useUuencode = Checked(dialog, IDC_OPT_UUENCODE);
    s.encodeTextFiles = Checked(dialog, IDC_OPT_ENCODE_TEXT);
    s.includeSignature = Checked(dialog, IDC_OPT_INCLUDE_SIGNATURE);
    s.signatureFile = DlgItemText(dialog, IDC_OPT_SIGNATURE_FILE);
    return s;
}

// The send options dialog shares four choices with this one; the boxes of those it changed
// follow it, so this dialog's OK does not silently undo them. Boxes it left alone keep
// what the user set here.
void SetSendOptionsFromMessageOptions(HWND dialog, ComposeWindow& w) {
    const AppConfig before = w.context.config;
    RunSendOptions(w, dialog, false);
    const AppConfig& after = w.context.config;
    if (after.optSndReg != before.optSndReg) SetCheck(dialog, IDC_OPT_REGISTERED, after.optSndReg != 0);
    if (after.optSig != before.optSig) SetCheck(dialog, IDC_OPT_INCLUDE_SIGNATURE, after.optSig != 0);
    if (after.optVerify != before.optVerify) SetCheck(dialog, IDC_OPT_SHOW_STATUS, after.optVerify != 0);
    if (after.uuencode != before.uuencode)
        CheckRadioButton(dialog, IDC_OPT_MIME, IDC_OPT_UUENCODE, after.uuencode ? IDC_OPT_UUENCODE : IDC_OPT_MIME);
}

INT_PTR CALLBACK MessageOptionsProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto& d = KeepState<MessageOptionsDialog>(dialog, lParam);
        CenterOverParentClient(dialog, 0);
        ShowMessageState(dialog, d.state);
        return TRUE;
    }
    if (message != WM_COMMAND) return FALSE;
    auto& d = *StateOf<MessageOptionsDialog>(dialog);
    ComposeContext& c = d.w.context;
    switch (LOWORD(wParam)) {
    case IDC_OPT_SET_SEND_OPTIONS:
        SetSendOptionsFromMessageOptions(dialog, d.w);
        return TRUE;
    case IDC_OPT_EDIT_SIGNATURE:
        // The editor runs on its own; one that cannot be started is ignored.
        RunDetached(SignatureEditorCommand(DlgItemText(dialog, IDC_OPT_SIGNATURE_FILE)), SW_SHOWNORMAL);
        return TRUE;
    case IDOK:
        StoreSettings(c.settings, AcceptMessageOptions(ReadMessageState(dialog), c.config));
        EndDialog(dialog, 1);
        return TRUE;
    case IDCANCEL:
        EndDialog(dialog, 0);
        return TRUE;
    default:
        return FALSE;
    }
}

// ---- User-defined program ----

INT_PTR CALLBACK SpecialProgramProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto& d = KeepState<SpecialProgramDialog>(dialog, lParam);
        ShowText(dialog, IDC_SPECIAL_PROGRAM, d.state.program, cap::specProg);
        SetCheck(dialog, IDC_SPECIAL_AUTO_PASTE, d.state.autoPaste);
        SetFocus(GetDlgItem(dialog, IDC_SPECIAL_PROGRAM));
        return FALSE;  // the focus is set
    }
    if (message != WM_COMMAND) return FALSE;
    auto& d = *StateOf<SpecialProgramDialog>(dialog);
    ComposeContext& c = d.w.context;
    switch (LOWORD(wParam)) {
    case IDOK: {
        const SpecialProgramState s{DlgItemText(dialog, IDC_SPECIAL_PROGRAM), Checked(dialog, IDC_SPECIAL_AUTO_PASTE)};
        StoreSettings(c.settings, AcceptSpecialProgram(s, c.config));
        EndDialog(dialog, 1);
        return TRUE;
    }
    case IDCANCEL:
        EndDialog(dialog, 0);
        return TRUE;
    default:
        return FALSE;
    }
}

}  // namespace

bool ShowMessageOptions(ComposeWindow& w) {
    ComposeContext& c = w.context;
    const std::string& user = c.config.userId;
    std::string signatureFile, bcc;
    c.settings.GetConfigString(user, "SIGFILE", "", signatureFile, cap::signatureFile + 1, ProfileUser);
    c.settings.GetConfigString(user, "BCC", "", bcc, cap::bccAddresses + 1, ProfileUser);
    const std::int32_t encodeText = c.settings.GetConfigInt(user, "OPT_ATTACH", 0, ProfileUser);
    MessageOptionsDialog d{w, OpenMessageOptions(c.config, signatureFile, bcc, encodeText)};
    if (DialogBoxParamA(c.instance, "DLG_MSGOPT", w.window, MessageOptionsProc, reinterpret_cast<LPARAM>(&d)) != 1)
        return false;
    SetBodyFormattingRect(w);
    return true;
}

bool ShowSendOptions(ComposeWindow& w, bool fromMenu) { return RunSendOptions(w, w.window, fromMenu); }

bool ShowSpecialProgram(ComposeWindow& w) {
    ComposeContext& c = w.context;
    SpecialProgramDialog d{w, {}};
    c.settings.GetConfigString(c.config.userId, "SpecProg", "", c.config.specProg, cap::specProg + 1, ProfileUser);
    d.state.program = c.config.specProg;
    d.state.autoPaste = c.settings.GetConfigInt(c.config.userId, "SpecCopy", 0, ProfileUser) != 0;
    return DialogBoxParamA(c.instance, "DLG_SPECIAL", w.window, SpecialProgramProc, reinterpret_cast<LPARAM>(&d)) ==
           1;
}

void ApplySpecialProgram(ComposeWindow& w) {
    ComposeContext& c = w.context;
    if (c.config.specProg.empty()) return;
    const std::int32_t specCopy = c.settings.GetConfigInt(c.config.userId, "SpecCopy", 0, ProfileUser);
    HWND field = w.CurrentField();
    if (field == nullptr) return;
    DWORD start = 0, end = 0;
    SendMessageA(field, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    if (start == end) SendMessageA(field, EM_SETSEL, 0, -1);
    SendMessageA(field, WM_COPY, 0, 0);
    const UINT started = WinExec(c.config.specProg.c_str(), SW_SHOWNORMAL);
    if (!PasteBackAfterProgram(started, specCopy)) return;
    Sleep(pasteDelayMs);  // the program is not waited for: what it left by now is pasted
    SendMessageA(field, EM_EMPTYUNDOBUFFER, 0, 0);
    SendMessageA(field, WM_PASTE, 0, 0);
    SetFocus(field);
}

void RunOptionDialogCommand(ComposeWindow& w, int id) {
    switch (id) {
    case IDM_MESSAGE_OPTIONS: ShowMessageOptions(w); break;
    case IDM_SEND_OPTIONS: ShowSendOptions(w, true); break;
    case IDM_DEFINE_SPECIAL: ShowSpecialProgram(w); break;
    case IDM_APPLY_SPECIAL: ApplySpecialProgram(w); break;
    default: break;
    }
}

}  // namespace velmar
