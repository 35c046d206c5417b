// Helpers shared by the tests that run under Wine: the real registry, real files in a
// scratch directory, and the real programs of the build started with exact command lines.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "common/WideText_win.h"

namespace velmar::wintest {

// The directory of the running test program; the client and the stand-ins sit beside it.
inline std::string BinDir() {
    char path[MAX_PATH] = {};
    const std::string file(path, GetModuleFileNameA(nullptr, path, sizeof path));
    return file.find('\\') == std::string::npos ? "." : file.substr(0, file.find_last_of('\\'));
}

// A REG_SZ value stored with its terminating zero, as the platform's own tools store it.
inline bool SetRegistryString(const std::string& keyPath, const std::string& name, const std::string& text) {
    return !RegSetKeyValueA(HKEY_LOCAL_MACHINE, keyPath.c_str(), name.c_str(), REG_SZ, text.c_str(), text.size() + 1);
}
inline bool SetRegistryDword(const std::string& keyPath, const std::string& name, DWORD value) {
    return !RegSetKeyValueA(HKEY_LOCAL_MACHINE, keyPath.c_str(), name.c_str(), REG_DWORD, &value, sizeof value);
}

// The stored bytes, terminator included when there is one.
struct RegistryValue { bool exists = false; DWORD type = 0; std::string bytes; };

inline RegistryValue ReadRegistryValue(const std::string& keyPath, const std::string& name) {
    RegistryValue value;
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, keyPath.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return value;
    DWORD size = 0;
    const auto query = [&](void* data) {
        return RegQueryValueExA(key, name.c_str(), nullptr, &value.type, static_cast<BYTE*>(data), &size) == 0;
    };
    if (query(nullptr)) value.bytes.resize(size), value.exists = query(value.bytes.data()), value.bytes.resize(size);
    RegCloseKey(key);
    return value;
}

inline bool KeyExists(const std::string& keyPath) {
    HKEY key = nullptr;
    return RegOpenKeyExA(HKEY_LOCAL_MACHINE, keyPath.c_str(), 0, KEY_READ, &key) == ERROR_SUCCESS && !RegCloseKey(key);
}

// Removes every registry key and profile file the client reads, so each test starts from
// a machine without any server configuration.
inline void ForgetServerConfiguration() {
    const char* services = "SYSTEM\\CurrentControlSet\\Services\\";
    for (const char* key : {"SOFTWARE\\Brindle", "SOFTWARE\\VelmarStandIn"}) RegDeleteTreeA(HKEY_LOCAL_MACHINE, key);
    for (std::string key : {"RELAYSVC", "BOXSVC"}) RegDeleteTreeA(HKEY_LOCAL_MACHINE, (services + key).c_str());
    char windows[MAX_PATH] = {};
    GetWindowsDirectoryA(windows, sizeof windows);
    DeleteFileA((std::string(windows) + "\\VELMAR.INI").c_str());
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, "VELMAR.INI");  // flushes the profile cache
}

// A test that starts and ends on a machine without any server configuration.
class CleanMachineTest : public ::testing::Test {
protected:
    void SetUp() override { ForgetServerConfiguration(); }
    void TearDown() override { ForgetServerConfiguration(); }
};

// The keys of the built-in configuration: the global settings, and the user "root" of no
// domain (the user a start without configuration sends as).
inline constexpr char kGlobalKey[] = "SOFTWARE\\Brindle\\Velmar\\Global";
inline constexpr char kRootUserKey[] = "SOFTWARE\\Brindle\\Velmar\\Domains\\\\Users\\root";

// Stores `value` under `keyPath` as the settings tables of the native tests write them (see
// FakeSettingsBackend::Apply): "#<number>" as a REG_DWORD, any other text as a REG_SZ.
inline bool SetSetting(const std::string& keyPath, const std::string& name, const std::string& value) {
    return value.starts_with('#') ? SetRegistryDword(keyPath, name, std::stoul(value.substr(1), nullptr, 0))
                                  : SetRegistryString(keyPath, name, value);
}

inline std::string ReadWholeFile(const std::string& path) {
    std::string bytes;
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return bytes;
    char buffer[65536];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) bytes.append(buffer, got);
    CloseHandle(file);
    return bytes;
}

inline bool WriteWholeFile(const std::string& path, std::string_view bytes) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const BOOL ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
    return ok && written == bytes.size();
}

// The text of a window's control in UTF-8, by WM_GETTEXT (which reaches into another process).
inline std::string ControlText(HWND window, int id) {
    HWND control = GetDlgItem(window, id);
    std::wstring text(static_cast<std::size_t>(SendMessageW(control, WM_GETTEXTLENGTH, 0, 0)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        SendMessageW(control, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()))));
    return WideToUtf8(text);
}

inline bool FileExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// The names (not paths) of the files in `dir`, in the platform's order.
inline std::vector<std::string> ListFiles(const std::string& dir) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found{};
    HANDLE search = FindFirstFileA((dir + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) names.emplace_back(found.cFileName);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return names;
}

// A fresh, empty directory under the temporary directory, removed with its files at the end.
class ScratchDir {
public:
    explicit ScratchDir(std::string_view tag) {
        char temp[MAX_PATH] = {};
        GetTempPathA(sizeof temp, temp);
        path_ = std::string(temp) + "velmar-" + std::string(tag) + "-" + std::to_string(GetCurrentProcessId()) + "-" +
                std::to_string(counter_++);
        Remove();
        CreateDirectoryA(path_.c_str(), nullptr);
    }
    ~ScratchDir() { Remove(); }
    ScratchDir(const ScratchDir&) = delete;
    [[nodiscard]] const std::string& Path() const { return path_; }
    [[nodiscard]] std::string operator/(std::string_view name) const { return path_ + "\\" + std::string(name); }

private:
    void Remove() {
        for (const auto& name : ListFiles(path_)) DeleteFileA((path_ + "\\" + name).c_str());
        RemoveDirectoryA(path_.c_str());
    }
    static inline int counter_ = 0;
    std::string path_;
};

// Points the delivery-side stand-ins (which inherit this environment) at a scratch directory
// for their records, for the lifetime of the object.
class RecordDir {
public:
    RecordDir() : dir_("records") { SetEnvironmentVariableA("VELMAR_RECORD_DIR", dir_.Path().c_str()); }
    ~RecordDir() { SetEnvironmentVariableA("VELMAR_RECORD_DIR", nullptr); }
    RecordDir(const RecordDir&) = delete;
    [[nodiscard]] std::string Read(std::string_view file) const { return ReadWholeFile(dir_ / file); }
    // Waits up to `timeoutMs` for `file` to hold something (stand-ins run detached).
    [[nodiscard]] std::string WaitFor(std::string_view file, int timeoutMs = 10000) const {
        std::string text;
        for (int waited = 0; (text = Read(file)).empty() && waited < timeoutMs; waited += 50) Sleep(50);
        return text;
    }
    [[nodiscard]] const std::string& Path() const { return dir_.Path(); }

private:
    ScratchDir dir_;
};

// A program of the build started with an exact command line (the C runtime and Wine's own
// quoting stay out of the way); ended at the end if it still runs.
class ChildProcess {
public:
    ChildProcess(const std::string& program, const std::string& commandLine) {
        std::wstring line = Utf8ToWide(commandLine);  // in UTF-8; CreateProcessW may write into it
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        if (CreateProcessW(Utf8ToWide(BinDir() + "\\" + program).c_str(), line.data(), nullptr, nullptr, FALSE, 0,
                           nullptr, nullptr, &startup, &info_))
            CloseHandle(info_.hThread);
    }
    ~ChildProcess() {
        if (info_.hProcess != nullptr && WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT)
            TerminateProcess(info_.hProcess, 99);
        if (info_.hProcess != nullptr) CloseHandle(info_.hProcess);
    }
    ChildProcess(const ChildProcess&) = delete;

    // The exit code, or -1 when the process did not start or still runs after `timeoutMs`.
    long Wait(DWORD timeoutMs = 20000) {
        DWORD code = 0;
        return WaitForSingleObject(info_.hProcess, timeoutMs) == WAIT_OBJECT_0 &&
                       GetExitCodeProcess(info_.hProcess, &code) ? static_cast<long>(code) : -1;
    }

    // The first top-level window of this process with class `className`, waiting up to
    // `timeoutMs` for it to appear; null when the process ends first or none appears.
    HWND WaitForWindow(const char* className, DWORD timeoutMs = 20000) {
        for (DWORD waited = 0; waited < timeoutMs; waited += 50) {
            if (HWND found = FindOwnWindow(className)) return found;
            if (WaitForSingleObject(info_.hProcess, 50) != WAIT_TIMEOUT) return FindOwnWindow(className);
        }
        return nullptr;
    }

    // Like WaitForWindow, and then waits for the window to be shown: start-up creates it
    // hidden and shows it only after the command line has been worked through.
    HWND WaitForShownWindow(const char* className, DWORD timeoutMs = 20000) {
        HWND window = WaitForWindow(className, timeoutMs);
        for (DWORD waited = 0; window != nullptr && !IsWindowVisible(window) && waited < timeoutMs; waited += 50)
            if (WaitForSingleObject(info_.hProcess, 50) == WAIT_OBJECT_0) break;
        return window;
    }

private:
    HWND FindOwnWindow(const char* className) const {
        for (HWND window = nullptr; (window = FindWindowExA(nullptr, window, className, nullptr)) != nullptr;) {
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner == info_.dwProcessId) return window;
        }
        return nullptr;
    }
    PROCESS_INFORMATION info_{};
};

}  // namespace velmar::wintest
