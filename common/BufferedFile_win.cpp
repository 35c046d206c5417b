#include "common/BufferedFile_win.h"

#include <cstring>
#include <vector>

#include "common/TextMode.h"
#include "common/WinHandles_win.h"

namespace velmar {
namespace {

char* BufferBytes(const BufferedFile& file) { return static_cast<char*>(file.buffer); }

// One ReadFile of at most `length` bytes; 0 at the end of the file and on failure.
DWORD ReadSome(HANDLE handle, char* out, std::size_t length, bool* failed = nullptr) {
    DWORD got = 0;
    const DWORD want = length > 0x7FFFFFFF ? 0x7FFFFFFF : static_cast<DWORD>(length);
    if (!::ReadFile(handle, out, want, &got, nullptr)) {
        if (failed != nullptr) *failed = true;
        return 0;
    }
    return got;
}

}  // namespace

BufferedFile::~BufferedFile() {
    if (handle != INVALID_HANDLE_VALUE && handle != nullptr) ::CloseHandle(handle);
    if (buffer != nullptr) ::GlobalFree(buffer);
}

bool OpenBufferedFile(BufferedFile& file, const char* path, DWORD access, DWORD sharing, DWORD disposition,
                      DWORD attributes) {
    if (path == nullptr || *path == '\0') return false;
    // A record still in use keeps its data, its buffer and its handle: opening over it
    // would lose them.
    if (file.pending != 0 || (file.handle != INVALID_HANDLE_VALUE && file.handle != nullptr)) {
        file.status = kBufferedStillInUse;
        return false;
    }
    if (file.bufferSize == 0) file.bufferSize = kDefaultBufferedSize;
    if (file.buffer != nullptr) ::GlobalFree(file.buffer);
    file.buffer = ::GlobalAlloc(GMEM_FIXED | GMEM_ZEROINIT, file.bufferSize);
    if (file.buffer == nullptr) {
        file.status = kBufferedNoBuffer;
        return false;
    }
    file.handle = INVALID_HANDLE_VALUE;
    file.bytesConsumed = 0;
    file.lastError = 0;
    file.status = kBufferedOk;
    file.pending = 0;

    file.handle = ::CreateFileA(path, access, sharing, nullptr, disposition, attributes, nullptr);
    if (file.handle == INVALID_HANDLE_VALUE) {
        file.lastError = ::GetLastError();
        file.status = kBufferedOpenFailed;
        file.bytesConsumed = 0;
        file.pending = 0;
        ::GlobalFree(file.buffer);
        file.buffer = nullptr;
        return false;
    }
    return true;
}

int ReadBufferedLine(BufferedFile& file, char* out, std::size_t capacity) {
    if (out == nullptr || capacity == 0) return -1;
    std::memset(out, 0, capacity);
    if (file.buffer == nullptr || file.handle == INVALID_HANDLE_VALUE) return -1;
    // The read-ahead is bounded by both the caller's capacity and the buffer itself.
    const std::size_t limit = capacity < file.bufferSize ? capacity : file.bufferSize;
    char* buffer = BufferBytes(file);
    if (file.pending < limit) file.pending += ReadSome(file.handle, buffer + file.pending, limit - file.pending);
    if (file.pending == 0) return -1;

    std::size_t copied = 0;
    while (copied < capacity - 1 && copied < file.pending) {
        const char c = buffer[copied];
        out[copied++] = c;
        if (c == '\n') break;
    }
    out[copied] = '\0';
    file.bytesConsumed += static_cast<std::uint32_t>(copied);
    file.pending -= static_cast<std::uint32_t>(copied);
    std::memmove(buffer, buffer + copied, file.pending);
    return static_cast<int>(copied);
}

bool WriteBuffered(BufferedFile& file, const char* bytes, std::ptrdiff_t length) {
    if (bytes == nullptr || file.handle == INVALID_HANDLE_VALUE || file.handle == nullptr) return false;
    std::size_t left = length == -1 ? std::strlen(bytes) : static_cast<std::size_t>(length < 0 ? 0 : length);
    while (left > 0) {
        const DWORD chunk = left > 0x40000000 ? 0x40000000 : static_cast<DWORD>(left);
        DWORD written = 0;
        if (!::WriteFile(file.handle, bytes, chunk, &written, nullptr) || written == 0) return false;
        bytes += written;
        left -= written;
    }
    return true;
}

bool CloseBufferedFile(BufferedFile& file) {
    file.bytesConsumed = 0;
    file.lastError = 0;
    file.status = kBufferedOk;
    file.pending = 0;
    file.bufferSize = 0;
    if (file.handle != INVALID_HANDLE_VALUE && file.handle != nullptr && ::CloseHandle(file.handle))
        file.handle = INVALID_HANDLE_VALUE;
    if (file.buffer == nullptr) return false;
    if (::GlobalFree(file.buffer) != nullptr) return false;
    file.buffer = nullptr;
    return file.handle == INVALID_HANDLE_VALUE;
}

bool FileHasEightBit(const char* path) {
    if (path == nullptr || *path == '\0') return false;
    UniqueFile handle(::CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!handle) return false;
    std::vector<char> buffer(kStreamBufferSize);
    for (;;) {
        const DWORD got = ReadSome(handle.Get(), buffer.data(), buffer.size());
        if (got == 0) return false;
        bool ended = false;
        if (TextHasEightBit(std::string_view(buffer.data(), got), ended)) return true;
        if (ended) return false;
    }
}

std::unique_ptr<BufferedFileSource> BufferedFileSource::Open(const char* path) {
    std::unique_ptr<BufferedFileSource> source(new BufferedFileSource());
    if (!OpenBufferedFile(source->owned_, path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE)) return nullptr;
    return source;
}

std::size_t BufferedFileSource::Read(char* out, std::size_t capacity) {
    if (capacity == 0) return 0;
    if (file_.pending > 0 && file_.buffer != nullptr) {
        const std::size_t n = capacity < file_.pending ? capacity : file_.pending;
        char* buffer = BufferBytes(file_);
        std::memcpy(out, buffer, n);
        file_.pending -= static_cast<std::uint32_t>(n);
        file_.bytesConsumed += static_cast<std::uint32_t>(n);
        std::memmove(buffer, buffer + n, file_.pending);
        return n;
    }
    if (file_.handle == INVALID_HANDLE_VALUE || file_.handle == nullptr) return 0;
    return ReadSome(file_.handle, out, capacity, &failed_);
}

bool BufferedFileSink::Write(const char* data, std::size_t length) {
    return WriteBuffered(file_, data, static_cast<std::ptrdiff_t>(length));
}

}  // namespace velmar
