#include "common/RunDetached_win.h"

#include <windows.h>

#include <vector>

#include "common/WinHandles_win.h"

namespace velmar {

namespace {

template <class Char, class StartupInfo, class Create>
bool Start(const std::basic_string<Char>& commandLine, int showCommand, Create create) {
    std::vector<Char> mutableLine(commandLine.begin(), commandLine.end());
    mutableLine.push_back(0);  // CreateProcess may write into the command line
    StartupInfo startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(showCommand);
    PROCESS_INFORMATION process{};
    const DWORD flags = DETACHED_PROCESS | NORMAL_PRIORITY_CLASS | CREATE_NEW_PROCESS_GROUP | CREATE_DEFAULT_ERROR_MODE;
    if (!create(nullptr, mutableLine.data(), nullptr, nullptr, FALSE, flags, nullptr, nullptr, &startup, &process)) {
        return false;
    }
    UniqueHandle thread(process.hThread);
    UniqueHandle child(process.hProcess);
    return true;
}

}  // namespace

bool RunDetached(const std::string& commandLine, int showCommand) {
    return Start<char, STARTUPINFOA>(commandLine, showCommand, CreateProcessA);
}

bool RunDetached(const std::wstring& commandLine, int showCommand) {
    return Start<wchar_t, STARTUPINFOW>(commandLine, showCommand, CreateProcessW);
}

}  // namespace velmar
