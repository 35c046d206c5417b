// Opens the option dialogs and the address book dialogs one after the other over a plain
// parent window, for scripts/screenshots-dialogs.sh to take their pictures. Each dialog is
// held open once it shows: "<name>.ready" in the handshake directory says it is on screen,
// and it is cancelled when "<name>.done" appears there (or after twenty seconds). Nothing
// is stored by the dialogs; the example settings and files it sets up (in the Wine prefix
// of the screenshot script) are removed at the end. Checks nothing.
//   dialog_showcase          (VELMAR_SHOWCASE_DIR: the handshake directory, a Windows path)
// The pictures, in order: message-options, send-options-menu, send-options-send, special,
// address-book, address-entry, address-list, address-new-kind.
#include <windows.h>

#include <cstdio>
#include <deque>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "addressbook/AddressDialogs_win.h"
#include "addressbook/AliasStores_win.h"
#include "common/WholeFiles_win.h"
#include "compose/ComposeWindow_win.h"
#include "compose/OptionDialogs_win.h"
#include "config/Registry_win.h"
#include "config/ServerLibrary.h"
#include "resources/resource.h"

using namespace velmar;

namespace {

constexpr char kUserKey[] = "SOFTWARE\\Brindle\\Velmar\\Domains\\example.com\\Users\\bob";
constexpr char kListKey[] = "SOFTWARE\\Brindle\\Velmar\\_aliases";
constexpr char kAliasKey[] = "SOFTWARE\\Brindle\\Velmar\\Domains\\example.com\\Users\\_aliases";

bool FileExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

bool SetRegistryString(const char* keyPath, const char* name, const std::string& text) {
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, keyPath, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) !=
        ERROR_SUCCESS)
        return false;
    const LONG rc = RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                                   static_cast<DWORD>(text.size() + 1));
    RegCloseKey(key);
    return rc == ERROR_SUCCESS;
}

void DeleteRegistryValue(const char* keyPath, const char* name) {
    RegDeleteKeyValueA(HKEY_LOCAL_MACHINE, keyPath, name);
}

// Holds each dialog of this thread open for its picture. A CBT hook notes each dialog as it
// is first activated; a thread timer, running inside the dialog's own message loop, waits
// until it shows, lets it draw, writes "<name>.ready" and cancels it once "<name>.done"
// exists. The names are taken in the order the dialogs open.
class PictureHolder {
public:
    PictureHolder(std::string dir, std::deque<std::string> names)
        : dir_(std::move(dir)), names_(std::move(names)),
          hook_(SetWindowsHookExA(WH_CBT, Hook, nullptr, GetCurrentThreadId())) {
        current_ = this;
        timer_ = SetTimer(nullptr, 0, 50, Poll);
    }
    ~PictureHolder() {
        KillTimer(nullptr, timer_);
        UnhookWindowsHookEx(hook_);
        current_ = nullptr;
    }
    PictureHolder(const PictureHolder&) = delete;
    PictureHolder& operator=(const PictureHolder&) = delete;
    [[nodiscard]] bool AllTaken() const { return names_.empty() && shown_ == nullptr; }

private:
    static constexpr DWORD kDrawMs = 500;         // time to draw before the picture is announced
    static constexpr DWORD kLongestHoldMs = 20000;  // a picture never taken: the dialog closes anyway

    [[nodiscard]] std::string Signal(const char* ending) const { return dir_ + "\\" + name_ + ending; }

    void Step() {
        const DWORD now = GetTickCount();
        if (shown_ == nullptr) {
            while (!opened_.empty() && !IsWindow(opened_.front())) opened_.pop_front();  // closed before it showed
            if (opened_.empty() || !IsWindowVisible(opened_.front())) return;
            shown_ = opened_.front();
            opened_.pop_front();
            if (names_.empty()) {  // a dialog no picture was asked for
                PostMessageA(shown_, WM_COMMAND, IDCANCEL, 0);
                shown_ = nullptr;
                return;
            }
            name_ = names_.front();
            names_.pop_front();
            since_ = now;
            announced_ = false;
        } else if (!announced_ && now - since_ >= kDrawMs) {
            announced_ = WriteNewFile(Signal(".ready"), name_);
            if (!announced_) std::fprintf(stderr, "dialog_showcase: cannot write %s\n", Signal(".ready").c_str());
            since_ = now;
        } else if (announced_ && (FileExists(Signal(".done")) || now - since_ >= kLongestHoldMs)) {
            PostMessageA(shown_, WM_COMMAND, IDCANCEL, 0);
            shown_ = nullptr;
        }
    }

    static void CALLBACK Poll(HWND, UINT, UINT_PTR, DWORD) {
        if (current_ != nullptr) current_->Step();
    }

    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam) {
        HWND window = reinterpret_cast<HWND>(wParam);
        char cls[16] = {};
        if (current_ != nullptr && code == HCBT_ACTIVATE && GetClassNameA(window, cls, sizeof cls) > 0 &&
            lstrcmpA(cls, "#32770") == 0 && current_->seen_.insert(window).second)
            current_->opened_.push_back(window);
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }

    static inline PictureHolder* current_ = nullptr;
    std::string dir_;
    std::deque<std::string> names_;
    HHOOK hook_;
    UINT_PTR timer_ = 0;
    std::deque<HWND> opened_;
    std::set<HWND> seen_;
    HWND shown_ = nullptr;  // the dialog being held
    std::string name_;      // its picture's name
    DWORD since_ = 0;       // when it showed, then when it was announced
    bool announced_ = false;
};

// A plain visible top-level window with the compose window's caption and, for the option
// dialogs, a multi-line body field.
HWND CreateParentWindow(HINSTANCE instance) {
    WNDCLASSA cls{};
    cls.lpfnWndProc = DefWindowProcA;
    cls.hInstance = instance;
    cls.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    cls.lpszClassName = "VelmarShowcaseParent";
    RegisterClassA(&cls);
    return CreateWindowExA(0, cls.lpszClassName, "Create Mail Message", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 50, 640,
                           480, nullptr, nullptr, instance, nullptr);
}

// The option dialogs of a compose window whose reply address and stored Bcc are filled in.
void ShowOptionDialogs(HINSTANCE instance, HWND parent) {
    const std::string appTitle = "VELMAR1", replyFile;
    AppConfig config;
    config.userId = "bob";
    config.usersDir = "C:\\MAIL\\users";
    config.domain.PutText(0, 784, "example.com");
    config.sharedProfilePath = config.userProfilePath = "VELMAR.INI";
    Win32SettingsBackend backend;
    SettingsStore settings{backend, config, true};
    NoServerLibrary library;
    MessageDraft draft;
    draft.fields.replyAddress = "alice@example.com";
    HelpViewer help;
    ComposeContext context{instance, appTitle, config, settings, library, draft, replyFile, help};
    ComposeWindow w{context};
    w.window = parent;
    w.controls[RowBody] = CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE, 10, 200,
                                          600, 200, parent, reinterpret_cast<HMENU>(INT_PTR{IDC_BODY}), instance,
                                          nullptr);
    w.currentRow = RowBody;
    (void)SetRegistryString(kUserKey, "BCC", "archive@example.com");
    RunOptionDialogCommand(w, IDM_MESSAGE_OPTIONS);
    RunOptionDialogCommand(w, IDM_SEND_OPTIONS);
    ShowSendOptions(w, false);
    RunOptionDialogCommand(w, IDM_DEFINE_SPECIAL);
    DestroyWindow(w.controls[RowBody]);
    DeleteRegistryValue(kUserKey, "BCC");
}

// The address book dialogs over a personal and a shared alias file, local users and
// server aliases, in a directory of their own under the temporary directory.
void ShowAddressBookDialogs(HINSTANCE instance, HWND parent) {
    char temp[MAX_PATH] = {};
    GetTempPathA(sizeof temp, temp);
    const std::string cfg = std::string(temp) + "velmar-showcase";
    const std::string personal = cfg + "\\bob";
    CreateDirectoryA(cfg.c_str(), nullptr);
    CreateDirectoryA(personal.c_str(), nullptr);
    AppConfig config;
    config.hostName = "host";
    config.userId = "bob";
    config.usersDir = config.cfgDir = cfg;
    config.usersSysPath = cfg + "\\USERS.SYS";
    config.aliasesSysPath = cfg + "\\ALIASES.SYS";
    config.domain.PutText(0, 784, "example.com");
    config.sharedProfilePath = config.userProfilePath = "VELMAR.INI";
    const std::vector<std::pair<std::string, std::string>> files{
        {personal + "\\aliases.txt", "Ann Lee <ann>\r\nzed@x\r\n"},
        {cfg + "\\aliases.txt", "carl (Carl Ek)\r\n"},
        {config.usersSysPath, "bob\r\nroot\r\n"},
        {config.aliasesSysPath, "sales\r\nrun\r\nteam\r\n"}};
    for (const auto& [path, bytes] : files) (void)WriteNewFile(path, bytes);
    (void)SetRegistryString(kUserKey, "FULLNAME", "Bob Cole");
    for (const auto& [name, target] : {std::pair{"sales", "s@x.com"}, {"run", "|C:\\bin\\run.exe"},
                                       {"team", "C:\\lists\\team.lst"}}) {
        (void)SetRegistryString(kListKey, name, target);
        (void)SetRegistryString(kAliasKey, name, target);
    }

    Win32SettingsBackend backend;
    SettingsStore settings{backend, config, true};
    AddressBookContext context{instance, "VELMAR1", config, settings, [](unsigned, const std::string&) {}};
    std::string field = "a@x.com,\"Lee, Ann\" <ann>,co";
    ShowAddressBook(parent, context, "&TO:", field);
    EntryDraft entry{"Ann Lee", "ann", EntryPersonal};
    ShowEntryDialog(parent, context, entry, {});
    EntryDraft list{"C:\\MAIL\\newlist.lst", "newlist", EntryNewList};  // a new list's file is written on OK only
    ShowEntryDialog(parent, context, list, {"a@x.com", "\"Lee, Ann\" <ann>"});
    AskNewKind(parent, context);

    DeleteRegistryValue(kUserKey, "FULLNAME");
    for (const char* name : {"sales", "run", "team"}) {
        DeleteRegistryValue(kListKey, name);
        DeleteRegistryValue(kAliasKey, name);
    }
    for (const auto& [path, bytes] : files) DeleteFileA(path.c_str());
    RemoveDirectoryA(personal.c_str());
    RemoveDirectoryA(cfg.c_str());
}

}  // namespace

int main() {
    char dir[MAX_PATH] = {};
    const DWORD length = GetEnvironmentVariableA("VELMAR_SHOWCASE_DIR", dir, sizeof dir);
    if (length == 0 || length >= sizeof dir) {
        std::fprintf(stderr, "dialog_showcase: set VELMAR_SHOWCASE_DIR to the handshake directory\n");
        return 2;
    }
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    HWND parent = CreateParentWindow(instance);
    if (parent == nullptr) return 1;
    PictureHolder holder(dir, {"message-options", "send-options-menu", "send-options-send", "special", "address-book",
                               "address-entry", "address-list", "address-new-kind"});
    ShowOptionDialogs(instance, parent);
    ShowAddressBookDialogs(instance, parent);
    DestroyWindow(parent);
    if (holder.AllTaken()) return 0;
    std::fprintf(stderr, "dialog_showcase: not every dialog opened\n");
    return 1;
}
