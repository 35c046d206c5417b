#include "common/RunDetached_win.h"

#include <windows.h>

#include <vector>

#include "common/WinHandles_win.h"

namespace velmar {

bool RunDetached(const std::string& commandLine, int showCommand) {
    std::vector<char> mutableLine(commandLine.begin(), commandLine.end());
    mutableLine.push_back('\0');  // CreateProcessA may write into the command line
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(showCommand);
    PROCESS_INFORMATION process{};
    const DWORD flags = DETACHED_PROCESS | NORMAL_PRIORITY_CLASS | CREATE_NEW_PROCESS_GROUP | CREATE_DEFAULT_ERROR_MODE;
    if (!CreateProcessA(nullptr, mutableLine.data(), nullptr, nullptr, FALSE, flags, nullptr, nullptr, &startup,
                        &process)) {
        return false;
    }
    UniqueHandle thread(process.hThread);
    UniqueHandle child(process.hProcess);
    return true;
}

}  // namespace velmar
