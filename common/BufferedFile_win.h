// Files of the batch path: an owned file handle read in blocks and written whole, seen as a
// byte stream by the encoders, plus the 8-bit test of a whole text file.
#pragma once

#include <windows.h>

#include <cstddef>
#include <memory>
#include <string_view>

#include "common/ByteStream.h"
#include "common/WinHandles_win.h"

namespace velmar {

// How an open went: ERROR_SUCCESS, or why the file is not open.
struct [[nodiscard]] FileOpenResult {
    DWORD error = ERROR_SUCCESS;
    explicit operator bool() const { return error == ERROR_SUCCESS; }
};

// What one read gave: the bytes placed (0 at the end of the file) and whether it failed.
struct [[nodiscard]] FileReadResult {
    std::size_t bytes = 0;
    bool failed = false;
};

// One file, open or not. It owns its handle: an early return leaves nothing open. A written
// file is closed with Close where the outcome of the close matters.
class BufferedFile {
public:
    // Opens `path` with CreateFileA; the defaults are GENERIC_READ, FILE_SHARE_READ,
    // OPEN_EXISTING and FILE_ATTRIBUTE_NORMAL. Fails with ERROR_INVALID_NAME for an empty
    // path, ERROR_BUSY while this file is still open (it stays open), otherwise with the
    // error CreateFileA gave.
    FileOpenResult Open(const char* path, DWORD access = GENERIC_READ, DWORD sharing = FILE_SHARE_READ,
                        DWORD disposition = OPEN_EXISTING, DWORD attributes = FILE_ATTRIBUTE_NORMAL);

    // One read of at most `capacity` bytes; nothing from a closed file.
    FileReadResult Read(char* out, std::size_t capacity);

    // Writes every byte of `bytes` straight to the file. False when any is not written or
    // the file is closed.
    [[nodiscard]] bool Write(std::string_view bytes);

    // Closes the file. True when an open file was closed.
    [[nodiscard]] bool Close();

    [[nodiscard]] bool IsOpen() const { return handle_.Valid(); }

private:
    UniqueFile handle_;
};

// Whether the file, read as a text file (where the byte 0x1A ends it), holds a byte of
// value 0x7F or more. False also when the file cannot be opened.
[[nodiscard]] bool FileHasEightBit(const char* path);

// Reading a BufferedFile as a byte stream.
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

// Writing to a BufferedFile.
class BufferedFileSink final : public ByteSink {
public:
    explicit BufferedFileSink(BufferedFile& file) : file_(file) {}
    [[nodiscard]] bool Write(const char* data, std::size_t length) override;

private:
    BufferedFile& file_;
};

}  // namespace velmar
