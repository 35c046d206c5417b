// The byte-stream seam between the encoders and the files they work on. The encoders of
// the core read from a ByteSource and write to a ByteSink; the Windows shell adapts its
// file handles to these, native tests use the memory versions, and the native tools use
// the stdio versions. ByteReader and ByteWriter put a 64 KiB buffer in front of either
// side so that a long conversion makes one platform call (and at most one yield) per
// buffer instead of one per byte.
#pragma once

#include <cstddef>
#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace velmar {

class ByteSource {
public:
    virtual ~ByteSource() = default;
    // Reads up to `capacity` bytes into `out`; returns how many were read, 0 at the end of
    // the data or on a read failure (Failed() then tells which).
    virtual std::size_t Read(char* out, std::size_t capacity) = 0;
    [[nodiscard]] virtual bool Failed() const { return false; }
};

class ByteSink {
public:
    virtual ~ByteSink() = default;
    // Writes all `length` bytes; returns false unless every byte was written.
    [[nodiscard]] virtual bool Write(const char* data, std::size_t length) = 0;
};

// Reads from a block of memory, handing out at most `chunk` bytes per Read so that tests
// can feed streaming code at several chunk sizes.
class MemorySource final : public ByteSource {
public:
    explicit MemorySource(std::string_view data, std::size_t chunk = static_cast<std::size_t>(-1))
        : data_(data), chunk_(chunk == 0 ? 1 : chunk) {}
    std::size_t Read(char* out, std::size_t capacity) override {
        std::size_t n = data_.size() - pos_;
        if (n > capacity) n = capacity;
        if (n > chunk_) n = chunk_;
        for (std::size_t i = 0; i < n; ++i) out[i] = data_[pos_ + i];
        pos_ += n;
        return n;
    }

private:
    std::string_view data_;
    std::size_t chunk_;
    std::size_t pos_ = 0;
};

class StringSink final : public ByteSink {
public:
    [[nodiscard]] bool Write(const char* data, std::size_t length) override {
        text.append(data, length);
        return true;
    }
    std::string text;
};

// stdio adapters for the native tools (the files are opened in binary mode by the caller).
class StdioSource final : public ByteSource {
public:
    explicit StdioSource(std::FILE* file) : file_(file) {}
    std::size_t Read(char* out, std::size_t capacity) override {
        return std::fread(out, 1, capacity, file_);
    }
    [[nodiscard]] bool Failed() const override { return std::ferror(file_) != 0; }

private:
    std::FILE* file_;
};

class StdioSink final : public ByteSink {
public:
    explicit StdioSink(std::FILE* file) : file_(file) {}
    [[nodiscard]] bool Write(const char* data, std::size_t length) override {
        return std::fwrite(data, 1, length, file_) == length;
    }

private:
    std::FILE* file_;
};

inline constexpr std::size_t kStreamBufferSize = 64 * 1024;
inline constexpr std::size_t kWindowSlack = 16;

// Byte-at-a-time reading over a buffered source. `onRefill`, when set, runs once per
// buffer refill: the Windows shell passes a zero-length sleep there to let other work in.
class ByteReader {
public:
    explicit ByteReader(ByteSource& source, std::function<void()> onRefill = {})
        : source_(source), onRefill_(std::move(onRefill)), buffer_(kStreamBufferSize + kWindowSlack) {}

    // The next byte (0..255), or -1 at the end of the data.
    int Get() {
        if (pos_ == end_ && !Refill()) return -1;
        return static_cast<unsigned char>(buffer_[pos_++]);
    }
    // The next byte without consuming it, or -1 at the end.
    int Peek() {
        if (pos_ == end_ && !Refill()) return -1;
        return static_cast<unsigned char>(buffer_[pos_]);
    }
    // Up to `n` bytes into `out`; fewer only at the end of the data.
    std::size_t ReadInto(char* out, std::size_t n) {
        std::size_t done = 0;
        while (done < n) {
            if (pos_ == end_ && !Refill()) break;
            std::size_t take = end_ - pos_;
            if (take > n - done) take = n - done;
            std::memcpy(out + done, buffer_.data() + pos_, take);
            pos_ += take;
            done += take;
        }
        return done;
    }
    // The bytes buffered and not yet taken, refilled first when none are left: empty only at
    // the end of the data. Block code works on them in place and then Skips what it used.
    // The kWindowSlack bytes after the window may be read (vector loads that run past the
    // last whole group); what they hold means nothing.
    std::string_view Window() {
        if (pos_ == end_ && !Refill()) return {};
        return {buffer_.data() + pos_, end_ - pos_};
    }
    void Skip(std::size_t n) { pos_ += n; }
    [[nodiscard]] bool Failed() const { return source_.Failed(); }

private:
    bool Refill() {
        if (atEnd_) return false;
        if (onRefill_) onRefill_();
        pos_ = 0;
        end_ = source_.Read(buffer_.data(), kStreamBufferSize);
        if (end_ == 0) atEnd_ = true;
        return end_ != 0;
    }

    ByteSource& source_;
    std::function<void()> onRefill_;
    std::vector<char> buffer_;
    std::size_t pos_ = 0;
    std::size_t end_ = 0;
    bool atEnd_ = false;
};

// Buffered writing; the first failed write is remembered and later writes are dropped.
// Flush() must be called (and its result looked at) before the sink is used elsewhere.
// Block code writes in place: Reserve(n) gives room for n bytes at the end of the buffer
// (the encoders ask for at most kStreamBufferSize), Commit(k) keeps the k bytes written there.
class ByteWriter {
public:
    explicit ByteWriter(ByteSink& sink) : sink_(sink), buffer_(kStreamBufferSize) {}
    ByteWriter(const ByteWriter&) = delete;
    ByteWriter& operator=(const ByteWriter&) = delete;

    void Put(char c) {
        buffer_[used_++] = c;
        if (used_ == kStreamBufferSize) Drain();
    }
    void Put(std::string_view text) {
        while (!text.empty()) {
            const std::size_t room = kStreamBufferSize - used_;
            const std::size_t take = text.size() < room ? text.size() : room;
            std::memcpy(buffer_.data() + used_, text.data(), take);
            used_ += take;
            text.remove_prefix(take);
            if (used_ == kStreamBufferSize) Drain();
        }
    }
    char* Reserve(std::size_t n) {
        if (buffer_.size() - used_ < n) {
            Drain();
            if (buffer_.size() < n) buffer_.resize(n);  // a larger request than the callers make
        }
        return buffer_.data() + used_;
    }
    void Commit(std::size_t n) {
        used_ += n;
        if (used_ >= kStreamBufferSize) Drain();
    }
    [[nodiscard]] bool Flush() {
        Drain();
        return ok_;
    }
    [[nodiscard]] bool Ok() const { return ok_; }

private:
    void Drain() {
        if (ok_ && used_ > 0) ok_ = sink_.Write(buffer_.data(), used_);
        used_ = 0;
    }

    ByteSink& sink_;
    std::vector<char> buffer_;
    std::size_t used_ = 0;
    bool ok_ = true;
};

}  // namespace velmar
