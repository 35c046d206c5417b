// Text-mode translation on the byte-stream seam, as the platform's text-mode file streams
// do it: reading turns CR LF into LF and ends at the byte 0x1A; writing turns every LF
// into CR LF. Inside, text keeps logical "\n" line ends; these adapters sit at the one
// place where it meets a file opened in text mode.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "common/ByteSearch.h"
#include "common/ByteStream.h"

namespace velmar {

// Whether `bytes` holds a byte of value 0x7F or more. Looks at 4 KiB at a time without a
// branch per byte, which compilers turn into vector code.
[[nodiscard]] inline bool HasByteFrom7F(std::string_view bytes) {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    for (std::size_t at = 0; at < bytes.size(); at += 4096) {
        const std::size_t n = bytes.size() - at < 4096 ? bytes.size() - at : 4096;
        unsigned any = 0;  // bit 7 is set by a byte of 0x80 or more, or by 0x7F + 1
        for (std::size_t i = 0; i < n; ++i) any |= p[at + i] | (p[at + i] + 1u);
        if ((any & 0x80u) != 0) return true;
    }
    return false;
}

// How the 8-bit test of a text file reads `bytes`: true when a byte of 0x7F or more comes
// before the byte 0x1A that ends a text file; false when the text ends first. `ended` is
// set when the 0x1A was met, so a caller reading in pieces can stop.
[[nodiscard]] inline bool TextHasEightBit(std::string_view bytes, bool& ended) {
    const std::size_t end = FindByte(bytes, '\x1A');
    if (HasByteFrom7F(bytes.substr(0, end))) return true;
    if (end != std::string_view::npos) ended = true;
    return false;
}

class TextModeSource final : public ByteSource {
public:
    explicit TextModeSource(ByteSource& raw) : raw_(raw), buffer_(kStreamBufferSize) {}

    std::size_t Read(char* out, std::size_t capacity) override {
        std::size_t n = 0;
        while (n < capacity) {
            const int c = Next();
            if (c < 0) break;
            if (c == '\r') {
                const int d = Next();
                if (d == '\n') {
                    out[n++] = '\n';
                    continue;
                }
                if (d >= 0) heldBack_ = d;
            }
            out[n++] = static_cast<char>(c);
        }
        return n;
    }
    [[nodiscard]] bool Failed() const override { return raw_.Failed(); }

private:
    // The next raw byte, -1 at the end of the data or at 0x1A.
    int Next() {
        if (heldBack_ >= 0) return std::exchange(heldBack_, -1);
        if (atEnd_) return -1;
        if (pos_ == end_) {
            pos_ = 0;
            end_ = raw_.Read(buffer_.data(), buffer_.size());
            if (end_ == 0) {
                atEnd_ = true;
                return -1;
            }
        }
        const auto c = static_cast<unsigned char>(buffer_[pos_++]);
        if (c == 0x1A) {
            atEnd_ = true;
            return -1;
        }
        return c;
    }

    ByteSource& raw_;
    std::vector<char> buffer_;
    std::size_t pos_ = 0;
    std::size_t end_ = 0;
    int heldBack_ = -1;
    bool atEnd_ = false;
};

class TextModeSink final : public ByteSink {
public:
    explicit TextModeSink(ByteSink& raw) : raw_(raw) {}

    // Translates into one piece and hands it on with a single write.
    [[nodiscard]] bool Write(const char* data, std::size_t length) override {
        translated_.clear();
        translated_.reserve(length + length / 16);
        const std::string_view text(data, length);
        std::size_t start = 0;
        for (std::size_t lf; (lf = FindByte(text.substr(start), '\n')) != std::string_view::npos; start += lf + 1) {
            translated_.append(text.data() + start, lf);
            translated_ += "\r\n";
        }
        translated_.append(text.data() + start, length - start);
        return raw_.Write(translated_.data(), translated_.size());
    }

private:
    ByteSink& raw_;
    std::string translated_;
};

// Appends `bytes` to `out` with a CR put before every LF that does not follow a CR: what a
// text-mode read and a text-mode write of the same bytes give together. `afterCr` tells
// whether the byte before `bytes` was a CR, and is kept up to date for the next piece.
// Returns false, and leaves `out` as it was, when no CR is needed.
inline bool AppendWithCrBeforeLoneLf(std::string_view bytes, bool& afterCr, std::string& out) {
    bool added = false;
    std::size_t copied = 0;  // bytes before this are in `out`
    for (std::size_t at = 0, lf; (lf = FindByte(bytes.substr(at), '\n')) != std::string_view::npos; at += lf + 1) {
        const std::size_t pos = at + lf;
        const bool crBefore = pos > 0 ? bytes[pos - 1] == '\r' : afterCr;
        if (crBefore) continue;
        out.append(bytes.data() + copied, pos - copied);
        out += '\r';
        copied = pos;
        added = true;
    }
    if (added) out.append(bytes.data() + copied, bytes.size() - copied);
    if (!bytes.empty()) afterCr = bytes.back() == '\r';
    return added;
}

// Copies `in` to `out` as a text-mode read and a text-mode write would, in one pass of
// 64 KiB blocks: up to the byte 0x1A, which ends a text file, with a CR put before every
// lone LF; CR LF and a lone CR stay as they are, and a block that needs no CR is written as
// it was read. False when reading or writing failed.
[[nodiscard]] inline bool CopyAsTextMode(ByteSource& in, ByteSink& out) {
    std::vector<char> block(kStreamBufferSize);
    std::string translated;
    bool afterCr = false;
    for (std::size_t n; (n = in.Read(block.data(), block.size())) > 0;) {
        std::string_view bytes(block.data(), n);
        const std::size_t end = FindByte(bytes, '\x1A');
        if (end != std::string_view::npos) bytes = bytes.substr(0, end);
        translated.clear();
        const std::string_view piece = AppendWithCrBeforeLoneLf(bytes, afterCr, translated) ? translated : bytes;
        if (!piece.empty() && !out.Write(piece.data(), piece.size())) return false;
        if (end != std::string_view::npos) return true;
    }
    return !in.Failed();
}

}  // namespace velmar
