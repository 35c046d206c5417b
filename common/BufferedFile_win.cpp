#include "common/BufferedFile_win.h"

#include <vector>

#include "common/TextMode.h"

namespace velmar {
namespace {

// One ReadFile of at most `length` bytes; 0 bytes at the end of the file and on failure.
FileReadResult ReadSome(HANDLE handle, char* out, std::size_t length) {
    DWORD got = 0;
    const DWORD want = length > 0x7FFFFFFF ? 0x7FFFFFFF : static_cast<DWORD>(length);
    if (!::ReadFile(handle, out, want, &got, nullptr)) return {0, true};
    return {got, false};
}

}  // namespace

FileOpenResult BufferedFile::Open(const char* path, DWORD access, DWORD sharing, DWORD disposition,
                                  DWORD attributes) {
    if (path == nullptr || *path == '\0') return {ERROR_INVALID_NAME};
    if (IsOpen()) return {ERROR_BUSY};  // opening over it would lose the open file
    handle_.Reset(::CreateFileA(path, access, sharing, nullptr, disposition, attributes, nullptr));
    if (!IsOpen()) return {::GetLastError()};
    return {};
}

FileReadResult BufferedFile::Read(char* out, std::size_t capacity) {
    if (!IsOpen() || capacity == 0) return {};
    return ReadSome(handle_.Get(), out, capacity);
}

bool BufferedFile::Write(std::string_view bytes) {
    if (!IsOpen()) return false;
    const char* at = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        const DWORD chunk = left > 0x40000000 ? 0x40000000 : static_cast<DWORD>(left);
        DWORD written = 0;
        if (!::WriteFile(handle_.Get(), at, chunk, &written, nullptr) || written == 0) return false;
        at += written;
        left -= written;
    }
    return true;
}

bool BufferedFile::Close() {
    if (!IsOpen()) return false;
    return ::CloseHandle(handle_.Release()) != FALSE;
}

bool FileHasEightBit(const char* path) {
    if (path == nullptr || *path == '\0') return false;
    UniqueFile handle(::CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!handle) return false;
    std::vector<char> buffer(kStreamBufferSize);
    for (;;) {
        const std::size_t got = ReadSome(handle.Get(), buffer.data(), buffer.size()).bytes;
        if (got == 0) return false;
        bool ended = false;
        if (TextHasEightBit(std::string_view(buffer.data(), got), ended)) return true;
        if (ended) return false;
    }
}

std::unique_ptr<BufferedFileSource> BufferedFileSource::Open(const char* path) {
    std::unique_ptr<BufferedFileSource> source(new BufferedFileSource());
    if (!source->owned_.Open(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE)) return nullptr;
    return source;
}

std::size_t BufferedFileSource::Read(char* out, std::size_t capacity) {
    const FileReadResult read = file_.Read(out, capacity);
    if (read.failed) failed_ = true;
    return read.bytes;
}

bool BufferedFileSink::Write(const char* data, std::size_t length) {
    if (data == nullptr) return false;
    return file_.Write(std::string_view(data, length));
}

}  // namespace velmar
