// Buffered files of the batch path: a file handle with a read-ahead buffer for line reads
// and an unbuffered write-all operation, plus the 8-bit test of a whole text file.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

#include "common/ByteStream.h"

namespace velmar {

// status values of a BufferedFile
inline constexpr std::uint32_t kBufferedOk = 0;
inline constexpr std::uint32_t kBufferedStillInUse = 2;  // the record still holds unread data or an open file
inline constexpr std::uint32_t kBufferedNoBuffer = 4;    // the read-ahead buffer could not be obtained
inline constexpr std::uint32_t kBufferedOpenFailed = 8;  // CreateFileA failed; lastError tells why

inline constexpr std::uint32_t kDefaultBufferedSize = 4096;

// One open file. The record belongs to the caller and owns its handle and buffer: they are
// released when it is closed or dropped, so an early return leaves nothing open. A
// value-initialised record is ready for OpenBufferedFile (set bufferSize before the open to
// get a buffer other than 4 KiB). A written file is closed with CloseBufferedFile where the
// outcome of the close matters.
struct BufferedFile {
    BufferedFile() = default;
    BufferedFile(const BufferedFile&) = delete;
    BufferedFile& operator=(const BufferedFile&) = delete;
    ~BufferedFile();

    HANDLE handle = INVALID_HANDLE_VALUE;
    HGLOBAL buffer = nullptr;          // fixed, zero-initialised block of bufferSize bytes
    std::uint32_t bytesConsumed = 0;   // bytes handed out by line reads so far
    std::uint32_t lastError = 0;       // GetLastError of a failed open
    std::uint32_t status = kBufferedOk;
    std::uint32_t pending = 0;         // bytes read ahead, not yet handed out, at the buffer start
    std::uint32_t bufferSize = 0;      // 0 means 4096
};

// Opens `path` with CreateFileA; the defaults are GENERIC_READ, FILE_SHARE_READ,
// OPEN_EXISTING and FILE_ATTRIBUTE_NORMAL. False for an empty path, a record that still
// holds unread data or an open file (status 2), no buffer (status 4) or a failed open
// (status 8, lastError set, buffer released).
[[nodiscard]] bool OpenBufferedFile(BufferedFile& file, const char* path, DWORD access = GENERIC_READ,
                                    DWORD sharing = FILE_SHARE_READ, DWORD disposition = OPEN_EXISTING,
                                    DWORD attributes = FILE_ATTRIBUTE_NORMAL);

// Reads the next line, or the next capacity - 1 bytes of a longer one, into `out`, which
// is first filled with `capacity` zero bytes and always ends up terminated. Returns the
// number of bytes placed there (a line ends with its line feed), or -1 at the end of the
// file, for a null `out`, a zero capacity or a closed record. A read failure counts as the
// end of the file.
int ReadBufferedLine(BufferedFile& file, char* out, std::size_t capacity);

// Writes `length` bytes straight to the handle, or the whole zero-terminated text when
// length is -1 (without its terminator). True only when every byte was written; false for
// null bytes or a closed record.
[[nodiscard]] bool WriteBuffered(BufferedFile& file, const char* bytes, std::ptrdiff_t length);
[[nodiscard]] inline bool WriteBuffered(BufferedFile& file, std::string_view bytes) {
    return WriteBuffered(file, bytes.data(), static_cast<std::ptrdiff_t>(bytes.size()));
}

// Closes the handle and releases the buffer. True when both happened.
bool CloseBufferedFile(BufferedFile& file);

// Whether the file, read as a text file (where the byte 0x1A ends it), holds a byte of
// value 0x7F or more. False also when the file cannot be opened.
[[nodiscard]] bool FileHasEightBit(const char* path);

// Reading a BufferedFile as a byte stream: first the bytes that line reads left in the
// buffer, then the rest of the file.
class BufferedFileSource final : public ByteSource {
public:
    explicit BufferedFileSource(BufferedFile& file) : file_(file) {}
    // A source that owns its file, opened for shared reading; null when it cannot be opened.
    [[nodiscard]] static std::unique_ptr<BufferedFileSource> Open(const char* path);
    std::size_t Read(char* out, std::size_t capacity) override;
    [[nodiscard]] bool Failed() const override { return failed_; }

private:
    BufferedFileSource() : file_(owned_) {}

    BufferedFile owned_;  // used by Open only
    BufferedFile& file_;
    bool failed_ = false;
};

// Writing to a BufferedFile through WriteBuffered.
class BufferedFileSink final : public ByteSink {
public:
    explicit BufferedFileSink(BufferedFile& file) : file_(file) {}
    [[nodiscard]] bool Write(const char* data, std::size_t length) override;

private:
    BufferedFile& file_;
};

}  // namespace velmar
