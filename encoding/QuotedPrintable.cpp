#include "encoding/QuotedPrintable.h"

#include <array>
#include <cstddef>

#if VELMAR_X86_SIMD
#include <emmintrin.h>
#endif

namespace velmar {
namespace {

constexpr char kCr = '\r';
constexpr char kLf = '\n';
constexpr int kSoftBreakColumn = 75;    // a line holds at most 75 characters before its "="
constexpr int kEscapeMoveColumn = 71;   // an escape after this column starts the next line
constexpr std::string_view kFromLine = "From ";
constexpr char kHex[] = "0123456789ABCDEF";

// Byte classes: literal bytes are copied, the others are escaped or end a line.
constexpr std::array<bool, 256> kLiteral = [] {
    std::array<bool, 256> literal{};
    for (int c = 0; c < 256; ++c) literal[c] = c == '\t' || (c >= 0x20 && c <= 0x7E && c != '=');
    return literal;
}();

// The output goes straight into the writer's buffer: room for a whole output line (at most
// 78 characters, and a 16-byte store past its end) is checked once, when a line starts.
constexpr std::size_t kOutputArea = 16 * 1024;
constexpr std::size_t kLineRoom = 256;

#if VELMAR_X86_SIMD
// Sixteen bytes tested and stored at a time while sixteen are left; returns the literal
// bytes copied, stopping at the first other one (`stopped` then true).
VELMAR_SSE2_TARGET std::size_t CopyLiteralsSse2(const unsigned char* in, std::size_t n, char* out, bool& stopped) {
    std::size_t k = 0;
    for (; k + 16 <= n; k += 16) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + k));
        const __m128i printable = _mm_cmpgt_epi8(v, _mm_set1_epi8(0x1F));  // 0x20..0x7F (signed compare)
        const __m128i excluded =
            _mm_or_si128(_mm_cmpeq_epi8(v, _mm_set1_epi8(0x7F)), _mm_cmpeq_epi8(v, _mm_set1_epi8('=')));
        const __m128i literal =
            _mm_or_si128(_mm_andnot_si128(excluded, printable), _mm_cmpeq_epi8(v, _mm_set1_epi8('\t')));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + k), v);
        const unsigned stops = ~static_cast<unsigned>(_mm_movemask_epi8(literal)) & 0xFFFFu;
        if (stops != 0) {
            stopped = true;
            return k + static_cast<std::size_t>(__builtin_ctz(stops));
        }
    }
    stopped = false;
    return k;
}
#endif

// Copies the literal bytes at the start of `in` (at most `n`) to `out`; returns how many
// there were. With SSE2 up to fifteen bytes past the literal run may be written to `out`
// (they are overwritten later).
std::size_t CopyLiterals(const unsigned char* in, std::size_t n, char* out) {
    std::size_t k = 0;
#if VELMAR_X86_SIMD
    if (Sse2Usable()) {
        bool stopped = false;
        k = CopyLiteralsSse2(in, n, out, stopped);
        if (stopped) return k;
    }
#endif
    for (; k < n && kLiteral[in[k]]; ++k) out[k] = static_cast<char>(in[k]);
    return k;
}

// The bytes of a line break ("=" first for a soft one) and of an escape, at `out`; both
// return the position after them.
char* WriteLineBreak(char* out, bool soft) {
    if (soft) *out++ = '=';
    out[0] = kCr;
    out[1] = kLf;
    return out + 2;
}

char* WriteEscape(char* out, unsigned char c) {
    out[0] = '=';
    out[1] = kHex[c >> 4];
    out[2] = kHex[c & 15];
    return out + 3;
}

// The encoder as a machine fed one byte at a time. It holds back at most five bytes at a
// line start, to see whether they are "From ", and remembers the last line-end byte so
// that its partner (LF after CR, CR after LF) joins the same line end.
class QpMachine {
public:
    explicit QpMachine(ByteWriter& writer) : writer_(writer) {
        Renew();
        *out_++ = kLf;
    }

    void Feed(unsigned char c) {
        if (lineEndByte_ != 0) {
            const bool partner = (c == kCr || c == kLf) && c != lineEndByte_;
            lineEndByte_ = 0;
            if (partner) return;
        }
        if (held_ > 0 || (column_ == 0 && c == kFromLine[0])) {
            Hold(c);
            return;
        }
        Emit(c);
    }

    // The same as Feed for each byte. A possible "From " at a line start, and a line end
    // whose partner may be in the next block, go through Feed; the rest through MidLine.
    void FeedBlock(const unsigned char* bytes, std::size_t n) {
        std::size_t i = 0;
        while (i < n) {
            if (held_ != 0 || lineEndByte_ != 0 || (column_ == 0 && bytes[i] == kFromLine[0])) {
                Feed(bytes[i++]);
                continue;
            }
            i = MidLine(bytes, i, n);
        }
    }

    void Finish() {
        if (held_ > 0) Release(false);
        *out_++ = kLf;
        writer_.Commit(static_cast<std::size_t>(out_ - area_));
    }

private:
    // Feed's work from bytes[i] on, with the state in registers: runs of literal bytes
    // copied whole, escapes, soft breaks and line ends written in place. Stops at the end
    // of the block, or before an "F" at a line start; returns where it stopped.
    std::size_t MidLine(const unsigned char* bytes, std::size_t i, std::size_t n) {
        char* out = out_;
        int column = column_;
        bool afterSoftBreak = afterSoftBreak_;
        // A line break ends the output line; a new one starts at column 0.
        auto lineBreak = [&](bool soft) {
            out = WriteLineBreak(out, soft);
            column = 0;
            if (out > limit_) {
                out_ = out;
                Renew();
                out = out_;
            }
        };
        for (;;) {
            const std::size_t room = static_cast<std::size_t>(kSoftBreakColumn - column);
            const std::size_t run = CopyLiterals(bytes + i, n - i < room ? n - i : room, out);
            out += run;
            column += static_cast<int>(run);
            i += run;
            if (column < kSoftBreakColumn) {
                if (i == n) break;
                const unsigned char c = bytes[i++];
                if (c == kCr || c == kLf) {
                    lineBreak(false);
                    afterSoftBreak = false;
                    if (i == n) {
                        lineEndByte_ = static_cast<char>(c);
                        break;
                    }
                    if ((bytes[i] == kCr || bytes[i] == kLf) && bytes[i] != c) ++i;  // CR LF or LF CR
                    if (i == n || bytes[i] == kFromLine[0]) break;
                    continue;
                }
                if (column > kEscapeMoveColumn) lineBreak(true);
                out = WriteEscape(out, c);
                column += 3;
                if (column < kSoftBreakColumn) continue;
            }
            lineBreak(true);
            afterSoftBreak = true;
            if (i == n || bytes[i] == kFromLine[0]) break;
        }
        out_ = out;
        column_ = column;
        afterSoftBreak_ = afterSoftBreak;
        return i;
    }

    void Renew() {
        if (area_ != nullptr) writer_.Commit(static_cast<std::size_t>(out_ - area_));
        area_ = out_ = writer_.Reserve(kOutputArea);
        limit_ = area_ + (kOutputArea - kLineRoom);
    }

    // Column 0 was reached: a new output line starts.
    void LineStart() {
        column_ = 0;
        if (out_ > limit_) Renew();
    }

    void PutLineBreak(bool soft) {
        out_ = WriteLineBreak(out_, soft);
        LineStart();
    }

    void Hold(unsigned char c) {
        heldBytes_[held_++] = c;
        if (c != static_cast<unsigned char>(kFromLine[held_ - 1])) {
            Release(false);
        } else if (held_ == kFromLine.size()) {
            Release(true);
        }
    }

    // Hands the held bytes on. A whole "From " at the start of a line gets the ">" guard.
    // Behind a soft break the encoded line must not start with "From " either, but a ">"
    // there would land in the middle of the decoded line: the "F" is escaped instead, which
    // decodes to the text as it was. Otherwise the first byte goes out as it is and the
    // rest through Feed again, since a line end among them starts a new line.
    void Release(bool fromLine) {
        const std::size_t count = held_;
        unsigned char bytes[kFromLine.size()] = {};
        for (std::size_t i = 0; i < count; ++i) bytes[i] = heldBytes_[i];
        held_ = 0;
        if (fromLine) {
            // Both forms fit the line: column 6 or 7 of 75.
            constexpr std::string_view guarded = ">From ", escaped = "=46rom ";
            const std::string_view line = afterSoftBreak_ ? escaped : guarded;
            for (std::size_t i = 0; i < line.size(); ++i) out_[i] = line[i];
            out_ += line.size();
            column_ = static_cast<int>(line.size());
            return;
        }
        Emit(bytes[0]);
        for (std::size_t i = 1; i < count; ++i) Feed(bytes[i]);
    }

    void PutEscape(unsigned char c) {
        out_ = WriteEscape(out_, c);
        column_ += 3;
    }

    void Emit(unsigned char c) {
        if (c == kCr || c == kLf) {
            PutLineBreak(false);
            afterSoftBreak_ = false;
            lineEndByte_ = static_cast<char>(c);
            return;
        }
        if (kLiteral[c]) {
            *out_++ = static_cast<char>(c);
            ++column_;
        } else {
            if (column_ > kEscapeMoveColumn) PutLineBreak(true);
            PutEscape(c);
        }
        if (column_ >= kSoftBreakColumn) SoftBreak();
    }

    // Ends a full output line; the next byte starts a new one (column 0).
    void SoftBreak() {
        PutLineBreak(true);
        afterSoftBreak_ = true;
    }

    ByteWriter& writer_;
    char* area_ = nullptr;   // the part of the writer's buffer taken, not yet committed
    char* out_ = nullptr;    // the next output byte in it
    char* limit_ = nullptr;  // a line starting past this may not fit: take a new area
    int column_ = 0;
    char lineEndByte_ = 0;  // CR or LF when the last byte ended a line
    bool afterSoftBreak_ = false;  // column 0 was reached by a soft break, not a line end
    unsigned char heldBytes_[kFromLine.size()] = {};
    std::size_t held_ = 0;
};

}  // namespace

bool HasEightBit(std::string_view text) {
    for (char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (c == 0) return false;
        if (c >= 0x7F) return true;
    }
    return false;
}

bool QpEncodeStream(ByteSource& in, ByteSink& out, const std::function<void()>& onRefill, SimdLevel level) {
    ByteReader reader(in, onRefill);
    ByteWriter writer(out);
    QpMachine machine(writer);
    const bool byteByByte = level == SimdLevel::Scalar;
    for (std::string_view window; !(window = reader.Window()).empty(); reader.Skip(window.size())) {
        const auto* bytes = reinterpret_cast<const unsigned char*>(window.data());
        if (byteByByte) {
            for (std::size_t i = 0; i < window.size(); ++i) machine.Feed(bytes[i]);
        } else {
            machine.FeedBlock(bytes, window.size());
        }
    }
    machine.Finish();
    const bool written = writer.Flush();
    return written && !reader.Failed();
}

}  // namespace velmar
