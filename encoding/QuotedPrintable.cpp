#include "encoding/QuotedPrintable.h"

namespace velmar {
namespace {

constexpr char kCr = '\r';
constexpr char kLf = '\n';
constexpr int kSoftBreakColumn = 75;    // a line holds at most 75 characters before its "="
constexpr int kEscapeMoveColumn = 71;   // an escape after this column starts the next line
constexpr std::string_view kFromLine = "From ";
constexpr char kHex[] = "0123456789ABCDEF";

bool IsLiteral(unsigned char c) { return c == '\t' || (c >= 0x20 && c <= 0x7E && c != '='); }

// The encoder as a machine fed one byte at a time. It holds back at most five bytes at a
// line start, to see whether they are "From ", and remembers the last line-end byte so
// that its partner (LF after CR, CR after LF) joins the same line end.
class QpMachine {
public:
    explicit QpMachine(ByteWriter& out) : out_(out) { out_.Put(kLf); }

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

    // The same as Feed for each byte, with runs of literal bytes in mid-line copied whole.
    void FeedBlock(const unsigned char* bytes, std::size_t n) {
        std::size_t i = 0;
        while (i < n) {
            if (lineEndByte_ == 0 && held_ == 0 && column_ > 0) {
                const std::size_t room = static_cast<std::size_t>(kSoftBreakColumn - column_);
                const std::size_t limit = n - i < room ? n : i + room;
                std::size_t j = i;
                while (j < limit && IsLiteral(bytes[j])) ++j;
                if (j > i) {
                    out_.Put(std::string_view(reinterpret_cast<const char*>(bytes + i), j - i));
                    column_ += static_cast<int>(j - i);
                    if (column_ >= kSoftBreakColumn) SoftBreak();
                    i = j;
                    continue;
                }
            }
            Feed(bytes[i++]);
        }
    }

    void Finish() {
        if (held_ > 0) Release(false);
        out_.Put(kLf);
    }

private:
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
            std::size_t i = 0;
            if (afterSoftBreak_) {
                out_.Put("=46");
                column_ = 3;
                i = 1;
            } else {
                out_.Put('>');
                column_ = 1;
            }
            for (; i < count; ++i) Emit(bytes[i]);
            return;
        }
        Emit(bytes[0]);
        for (std::size_t i = 1; i < count; ++i) Feed(bytes[i]);
    }

    void Emit(unsigned char c) {
        if (c == kCr || c == kLf) {
            out_.Put("\r\n");
            column_ = 0;
            afterSoftBreak_ = false;
            lineEndByte_ = static_cast<char>(c);
            return;
        }
        if (IsLiteral(c)) {
            out_.Put(static_cast<char>(c));
            ++column_;
        } else {
            if (column_ > kEscapeMoveColumn) {
                out_.Put("=\r\n");
                column_ = 0;
            }
            out_.Put('=');
            out_.Put(kHex[c >> 4]);
            out_.Put(kHex[c & 15]);
            column_ += 3;
        }
        if (column_ >= kSoftBreakColumn) SoftBreak();
    }

    // Ends a full output line; the next byte starts a new one (column 0).
    void SoftBreak() {
        out_.Put("=\r\n");
        column_ = 0;
        afterSoftBreak_ = true;
    }

    ByteWriter& out_;
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

bool QpEncodeStream(ByteSource& in, ByteSink& out, const std::function<void()>& onRefill) {
    ByteReader reader(in, onRefill);
    ByteWriter writer(out);
    QpMachine machine(writer);
    unsigned char block[4096];
    for (std::size_t n; (n = reader.ReadInto(reinterpret_cast<char*>(block), sizeof block)) > 0;)
        machine.FeedBlock(block, n);
    machine.Finish();
    const bool written = writer.Flush();
    return written && !reader.Failed();
}

}  // namespace velmar
