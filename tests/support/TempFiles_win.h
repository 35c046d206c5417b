// A private directory of real files for the Wine tests, removed with its files afterwards.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

namespace velmar::testing {

class TempDir {
public:
    TempDir() {
        char base[MAX_PATH];
        ::GetTempPathA(MAX_PATH, base);
        for (unsigned n = ::GetTickCount() ^ ::GetCurrentProcessId();; ++n) {
            path_ = std::string(base) + "velmar" + std::to_string(n);
            if (::CreateDirectoryA(path_.c_str(), nullptr)) break;
        }
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    ~TempDir() {
        WIN32_FIND_DATAA found;
        HANDLE find = ::FindFirstFileA((path_ + "\\*").c_str(), &found);
        if (find != INVALID_HANDLE_VALUE) {
            do {
                if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) ::DeleteFileA(File(found.cFileName).c_str());
            } while (::FindNextFileA(find, &found));
            ::FindClose(find);
        }
        ::RemoveDirectoryA(path_.c_str());
    }

    [[nodiscard]] const std::string& Path() const { return path_; }
    [[nodiscard]] std::string File(std::string_view name) const { return path_ + "\\" + std::string(name); }

    // Writes `bytes` exactly as given; returns the path.
    std::string Write(std::string_view name, std::string_view bytes) const {
        const std::string path = File(name);
        HANDLE h = ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        DWORD written = 0;
        if (h != INVALID_HANDLE_VALUE) {
            ::WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
            ::CloseHandle(h);
        }
        return path;
    }

    // The bytes on disk, or "<missing>".
    static std::string Read(const std::string& path) {
        HANDLE h = ::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                 FILE_ATTRIBUTE_NORMAL, nullptr);
        if (h == INVALID_HANDLE_VALUE) return "<missing>";
        std::string bytes;
        char buffer[4096];
        DWORD got = 0;
        while (::ReadFile(h, buffer, sizeof buffer, &got, nullptr) && got > 0) bytes.append(buffer, got);
        ::CloseHandle(h);
        return bytes;
    }

    static bool Exists(const std::string& path) { return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

private:
    std::string path_;
};

}  // namespace velmar::testing
