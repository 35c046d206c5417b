// Win32 file handles on the byte-stream seam.
#pragma once

#include <windows.h>

#include <algorithm>
#include <memory>
#include <string>

#include "common/ByteStream.h"
#include "common/WinHandles_win.h"

namespace velmar {

// Reads from a handle the caller keeps open.
class HandleSource final : public ByteSource {
public:
    explicit HandleSource(HANDLE file) : file_(file) {}
    std::size_t Read(char* out, std::size_t capacity) override {
        DWORD got = 0;
        const DWORD want = static_cast<DWORD>(std::min<std::size_t>(capacity, 1u << 30));
        if (!ReadFile(file_, out, want, &got, nullptr)) {
            failed_ = true;
            return 0;
        }
        return got;
    }
    [[nodiscard]] bool Failed() const override { return failed_; }

private:
    HANDLE file_;
    bool failed_ = false;
};

// Writes every byte to a handle the caller keeps open.
class HandleSink final : public ByteSink {
public:
    explicit HandleSink(HANDLE file) : file_(file) {}
    [[nodiscard]] bool Write(const char* data, std::size_t length) override {
        while (length > 0) {
            DWORD written = 0;
            const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(length, 1u << 20));
            if (!WriteFile(file_, data, chunk, &written, nullptr) || written == 0) return false;
            data += written;
            length -= written;
        }
        return true;
    }

private:
    HANDLE file_;
};

// An existing file opened for shared reading, owned by the source.
class FileSource final : public ByteSource {
public:
    [[nodiscard]] static std::unique_ptr<FileSource> Open(const std::string& path) {
        UniqueFile file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file) return nullptr;
        return std::unique_ptr<FileSource>(new FileSource(std::move(file)));
    }
    std::size_t Read(char* out, std::size_t capacity) override { return source_.Read(out, capacity); }
    [[nodiscard]] bool Failed() const override { return source_.Failed(); }

private:
    explicit FileSource(UniqueFile file) : file_(std::move(file)), source_(file_.Get()) {}
    UniqueFile file_;
    HandleSource source_;
};

}  // namespace velmar
