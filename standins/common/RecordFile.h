// Where the delivery-side stand-ins write their records: the directory named by the
// environment variable VELMAR_RECORD_DIR, else the directory of the stand-in's own program.
#pragma once

#include <windows.h>

#include <string>

namespace standin {

inline std::string RecordPath(const char* fileName) {
    char dir[MAX_PATH] = {};
    DWORD n = GetEnvironmentVariableA("VELMAR_RECORD_DIR", dir, sizeof dir);
    if (n == 0 || n >= sizeof dir) {
        n = GetModuleFileNameA(nullptr, dir, sizeof dir);
        if (n == 0 || n >= sizeof dir) return fileName;
        char* slash = strrchr(dir, '\\');
        if (slash != nullptr) *slash = '\0';
    }
    return std::string(dir) + "\\" + fileName;
}

// Appends one record and a CR LF; every record is written and flushed whole.
inline bool AppendRecord(const std::string& path, const std::string& record) {
    HANDLE file = CreateFileA(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    std::string line = record + "\r\n";
    DWORD written = 0;
    BOOL ok = WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
    CloseHandle(file);
    return ok && written == line.size();
}

}  // namespace standin
