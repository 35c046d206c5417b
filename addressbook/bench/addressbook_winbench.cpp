// The address book on a large personal alias file, under Wine: how long name completion of
// a unique name takes and how long the address book takes to open (and close at once),
// five times in one window (the first run reads the file). Prints the times; checks nothing.
//   addressbook_winbench [entries]      (default 270000, about 10 MB)
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "addressbook/AddressDialogs_win.h"
#include "addressbook/AddressModel.h"
#include "addressbook/AliasStores_win.h"
#include "common/WholeFiles_win.h"
#include "config/Registry_win.h"

using namespace velmar;

namespace {

HHOOK hook = nullptr;

// Closes each dialog as soon as it is activated: the time is that of opening it.
LRESULT CALLBACK CloseOnActivate(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE) PostMessageA(reinterpret_cast<HWND>(wParam), WM_COMMAND, IDCANCEL, 0);
    return CallNextHookEx(hook, code, wParam, lParam);
}

template <typename F>
double Milliseconds(F&& f) {
    const auto start = std::chrono::steady_clock::now();
    f();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

int main(int argc, char** argv) {
    const int entries = argc > 1 ? std::atoi(argv[1]) : 270000;
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    const std::string root = std::string(temp) + "velmar-abbench";
    CreateDirectoryA(root.c_str(), nullptr);
    CreateDirectoryA((root + "\\bob").c_str(), nullptr);
    std::string bytes;
    for (int i = 0; i < entries; ++i)
        bytes += "\"Person " + std::to_string(i) + "\" <p" + std::to_string(i) + "@example.org>\r\n";
    if (!WriteNewFile(root + "\\bob\\aliases.txt", bytes)) return 1;
    for (const char* name : {"\\aliases.txt", "\\USERS.SYS", "\\ALIASES.SYS"}) (void)WriteNewFile(root + name, "");

    AppConfig config;
    config.hostName = "host";
    config.userId = "bob";
    config.usersDir = config.cfgDir = root;
    config.usersSysPath = root + "\\USERS.SYS";
    config.aliasesSysPath = root + "\\ALIASES.SYS";
    config.sharedProfilePath = config.userProfilePath = "VELMAR.INI";
    Win32SettingsBackend backend;
    SettingsStore settings{backend, config, true};
    AddressCache cache;  // as a compose window keeps it
    AddressBookContext context{GetModuleHandleA(nullptr), "VELMAR1", config, settings, {}, nullptr, &cache};
    hook = SetWindowsHookExA(WH_CBT, CloseOnActivate, nullptr, GetCurrentThreadId());

    const std::string unique = "p" + std::to_string(entries / 2) + "@";
    std::printf("address book, %d entries (%zu bytes), milliseconds:\n", entries, bytes.size());
    for (int run = 0; run < 5; ++run) {
        std::string field = unique;
        const double complete = Milliseconds([&] { (void)CompleteAddress(nullptr, context, "&TO:", field); });
        std::string empty;
        const double open = Milliseconds([&] { (void)ShowAddressBook(nullptr, context, "&TO:", empty); });
        Win32AliasStores stores(context, [](unsigned, const std::string&) {});
        AddressModel model(stores, true, &cache);
        const double load = Milliseconds([&] { model.Load(); });
        std::printf("  run %d: complete a name %.1f, open the address book %.1f (of it reading and sorting: %.1f)\n",
                    run + 1, complete, open, load);
        std::fflush(stdout);
    }
    UnhookWindowsHookEx(hook);
    for (const char* name : {"\\bob\\aliases.txt", "\\aliases.txt", "\\USERS.SYS", "\\ALIASES.SYS"})
        DeleteFileA((root + name).c_str());
    RemoveDirectoryA((root + "\\bob").c_str());
    RemoveDirectoryA(root.c_str());
    return 0;
}
