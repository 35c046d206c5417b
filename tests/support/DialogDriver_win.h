// Answers the modal dialogs a test opens on its own thread. A CBT hook notes each dialog
// as it is first activated; a thread timer, running inside the dialog's own message loop,
// hands it to the next queued step once it shows (a step given a caption takes only a
// dialog with that caption). A dialog with no step left for it is cancelled; a step left over fails the test.
#pragma once

#include <windows.h>

#include <deque>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "common/WindowText_win.h"
#include "tests/support/WinTestSupport.h"

namespace velmar::wintest {

inline std::string Caption(HWND window) { return WindowText(window); }
inline std::string ItemText(HWND dialog, int id) { return DlgItemText(dialog, id); }
inline void Click(HWND dialog, int id) { SendMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }
inline void Check(HWND dialog, int id, bool on) { CheckDlgButton(dialog, id, on ? BST_CHECKED : BST_UNCHECKED); }
inline bool Checked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }
inline bool Enabled(HWND dialog, int id) { return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE; }
inline void Pump() {  // dispatches every message waiting for this thread
    MSG message{};
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
}
inline std::string ClassOf(HWND window) {
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}
// Adds the text of a static control to the texts of its dialog.
inline BOOL CALLBACK CollectStaticText(HWND child, LPARAM texts) {
    if (lstrcmpiA(ClassOf(child).c_str(), "Static") == 0) *reinterpret_cast<std::string*>(texts) += Caption(child);
    return TRUE;
}

class DialogDriver {
public:
    using Act = std::function<void(HWND)>;
    DialogDriver() : hook_(SetWindowsHookExA(WH_CBT, Hook, nullptr, GetCurrentThreadId())) { current_ = this; }
    ~DialogDriver() {
        EXPECT_TRUE(Done()) << "a dialog step was never run: " << Waiting();
        UnhookWindowsHookEx(hook_);
        current_ = nullptr;
    }
    DialogDriver(const DialogDriver&) = delete;

    void Then(Act act, std::string caption = {}) { steps_.push_back({std::move(caption), std::move(act)}); }
    void Then(std::string caption, Act act) { Then(std::move(act), std::move(caption)); }
    // Presses `button` of the next dialog with this caption (a message box's answer).
    void Answer(std::string caption, int button) {
        Then(std::move(caption), [button](HWND d) { PostMessageA(d, WM_COMMAND, button, 0); });
    }
    [[nodiscard]] bool Done() const { return steps_.empty(); }
    [[nodiscard]] std::string Waiting() const { return Done() ? "" : steps_.front().caption; }
    std::vector<std::string> shownTexts;  // the static texts of every dialog handed to a step

private:
    struct Step { std::string caption; Act act; };  // an empty caption takes any dialog

    static void CALLBACK RunNextStep(HWND, UINT, UINT_PTR timer, DWORD) {
        KillTimer(nullptr, timer);
        DialogDriver* self = current_;
        if (self == nullptr || self->opened_.empty()) return;
        HWND dialog = self->opened_.front();
        if (IsWindow(dialog) && !IsWindowVisible(dialog)) {  // activated while being shown: act once it shows
            SetTimer(nullptr, 0, 5, RunNextStep);
            return;
        }
        self->opened_.pop_front();
        if (!IsWindow(dialog)) {  // closed before it was shown
            SetTimer(nullptr, 0, 1, RunNextStep);
        } else if (self->Done() || !(self->steps_.front().caption.empty() ||
                                     self->steps_.front().caption == Caption(dialog))) {
            PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
        } else {
            Act act = std::move(self->steps_.front().act);
            self->steps_.pop_front();
            EnumChildWindows(dialog, CollectStaticText, reinterpret_cast<LPARAM>(&self->shownTexts.emplace_back()));
            act(dialog);
        }
    }

    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam) {
        HWND window = reinterpret_cast<HWND>(wParam);
        if (current_ != nullptr && code == HCBT_ACTIVATE && ClassOf(window) == "#32770" &&
            current_->seen_.insert(window).second) {
            current_->opened_.push_back(window);
            SetTimer(nullptr, 0, 1, RunNextStep);
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }

    static inline DialogDriver* current_ = nullptr;
    HHOOK hook_;
    std::deque<Step> steps_;
    std::deque<HWND> opened_;
    std::set<HWND> seen_;
};

}  // namespace velmar::wintest
