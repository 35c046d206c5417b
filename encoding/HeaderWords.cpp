#include "encoding/HeaderWords.h"

#include <algorithm>

#include "encoding/Charset.h"
#include "encoding/ShiftJis.h"

namespace velmar {
namespace {

constexpr unsigned char kEsc = 0x1B;
constexpr char kHex[] = "0123456789ABCDEF";

unsigned char At(std::string_view text, std::size_t i) { return static_cast<unsigned char>(text[i]); }

bool IsQSafe(unsigned char c) {
    if (c < 0x21 || c > 0x7E) return false;
    switch (c) {
    case '"': case '(': case ')': case ',': case '.': case '/': case ':': case ';': case '<':
    case '=': case '>': case '?': case '@': case '[': case ']': case '_': return false;
    default: return true;
    }
}

bool NeedsEncoding(unsigned char c) { return c == kEsc || c >= 0x7F; }

// Whether text from `from` on holds an ESC or a byte of 0x7F or more.
bool HasEncodable(std::string_view text, std::size_t from) {
    for (std::size_t i = from; i < text.size(); ++i)
        if (NeedsEncoding(At(text, i))) return true;
    return false;
}

void PutHex(std::string& out, unsigned char c) {
    out += '=';
    out += kHex[c >> 4];
    out += kHex[c & 0x0F];
}

// A byte by the Q rules of the folding encoders: Q-safe bytes as they are, others escaped.
void PutQ(std::string& out, unsigned char c) {
    if (IsQSafe(c)) out += static_cast<char>(c);
    else PutHex(out, c);
}

// Bytes of the character starting at `i`: a lead byte with its trail, a whole UTF-8
// sequence on code page 65001, otherwise one.
std::size_t UnitLength(unsigned codePage, std::string_view text, std::size_t i) {
    const unsigned char c = At(text, i);
    if (codePage == 65001) {
        const std::size_t len = (c >= 0xC2 && c <= 0xDF) ? 2 : (c >= 0xE0 && c <= 0xEF) ? 3 : (c >= 0xF0 && c <= 0xF4) ? 4 : 1;
        if (len == 1 || i + len > text.size()) return 1;
        for (std::size_t k = 1; k < len; ++k)
            if ((At(text, i + k) & 0xC0) != 0x80) return 1;
        return len;
    }
    return (IsLeadByte(codePage, c) && i + 1 < text.size()) ? 2 : 1;
}

// Ends `out` with a line end within maxLen bytes: nothing after LF, LF after CR, else CR LF;
// plain bytes at the end give way when there is no room.
void CompleteLineEnd(std::string& out, std::size_t maxLen) {
    for (;;) {
        const std::size_t need = (!out.empty() && out.back() == '\n') ? 0 : (!out.empty() && out.back() == '\r') ? 1 : 2;
        if (out.size() + need <= maxLen || out.empty()) {
            if (out.size() + need > maxLen) return;
            if (need == 2) out += "\r\n";
            else if (need == 1) out += '\n';
            return;
        }
        out.pop_back();
    }
}

// One word's body (see QEncodeChunk); `lineEnds` escapes CR and LF instead of stopping there.
std::size_t EncodeChunk(std::string_view text, std::string& out, long long limit, bool lineEnds) {
    long long n = 0;
    const long long stopAt = std::min(limit - 2, 55LL);
    const long long lastEscape = std::min(limit - 5, 52LL);
    std::size_t i = 0;
    while (i < text.size() && n < stopAt) {
        const unsigned char c = At(text, i);
        if (c == kEsc && text.find(static_cast<char>(kEsc), i + 1) == std::string_view::npos) {
            // The closing escape of a run: its three bytes end the word.
            const std::size_t before = out.size();
            PutHex(out, c);
            if (i + 1 < text.size()) PutHex(out, At(text, i + 1));
            if (i + 2 < text.size()) PutQ(out, At(text, i + 2));
            n += static_cast<long long>(out.size() - before);
            i = std::min(i + 3, text.size());
            break;
        }
        if (!HasEncodable(text, i)) break;
        if (c == ' ') {
            out += '_';
            ++n;
        } else if ((c == '\r' || c == '\n') && !lineEnds) {
            break;
        } else if (IsQSafe(c)) {
            out += static_cast<char>(c);
            ++n;
        } else {
            if (n > lastEscape) break;
            PutHex(out, c);
            n += 3;
        }
        ++i;
    }
    return i;
}

std::size_t EncodedLength(unsigned char c) { return (c == ' ' || IsQSafe(c)) ? 1 : 3; }

// ISO-8859 and UTF-8: encoded words from `pos` on, behind the plain part in out.
std::string EncodeWords(std::string_view text, std::size_t pos, std::string out, std::size_t capacity,
                        const std::string& charset, unsigned codePage) {
    const std::size_t maxLen = capacity - 1;
    const std::string opening = "=?" + charset + "?Q?";
    bool first = true;
    for (;;) {
        if (!first) {
            if (out.size() + 1 + 18 >= capacity - 2) break;
            out += ' ';
        }
        const std::size_t written = out.size();
        long long limit = static_cast<long long>(capacity) - static_cast<long long>(written) - 23;
        std::string body;
        std::size_t stop = pos;
        for (;;) {
            body.clear();
            stop = pos + EncodeChunk(text.substr(pos), body, limit, !first || text[pos] == '\r' || text[pos] == '\n');
            // A closing escape may run past the word's room: try again with less.
            const std::size_t total = written + opening.size() + body.size() + 4;
            if (total <= maxLen || limit <= 0) break;
            limit -= static_cast<long long>(total - maxLen);
        }
        // Never end a word inside a character: the part of it already taken goes to the next word.
        std::size_t unit = pos;
        while (unit < stop) {
            const std::size_t len = UnitLength(codePage, text, unit);
            if (unit + len > stop) break;
            unit += len;
        }
        if (unit < stop && unit > pos) {
            std::size_t removed = 0;
            for (std::size_t k = unit; k < stop; ++k) removed += EncodedLength(At(text, k));
            body.resize(body.size() - removed);
            stop = unit;
        }
        if (stop == pos && !first) {
            out.pop_back();
            break;
        }
        if (written + opening.size() + body.size() + 4 > maxLen) {
            if (!first) out.pop_back();
            break;
        }
        out += opening;
        out += body;
        out += "?=";
        pos = stop;
        first = false;
        if (!HasEncodable(text, pos)) {
            out.append(text.substr(pos, maxLen - out.size()));
            break;
        }
    }
    CompleteLineEnd(out, maxLen);
    return out;
}

// EUC-JP to ISO-2022-JP, the result at most `room` bytes.
std::string EucToJis(std::string_view text, std::size_t room) {
    std::string work;
    bool run = false;
    std::size_t i = 0;
    while (i < text.size() && work.size() < 1019) {
        const unsigned char c = At(text, i);
        if (c >= 0x81 && i + 1 < text.size() && At(text, i + 1) >= 0x81) {
            if (work.size() + (run ? 0 : 3) + 2 + 3 > room) break;
            if (!run) work += "\x1B$B";
            run = true;
            work += static_cast<char>(c - 0x80);
            work += static_cast<char>(At(text, i + 1) - 0x80);
            i += 2;
        } else {
            if (work.size() + (run ? 3 : 0) + 1 > room) break;
            if (run) work += "\x1B(B";
            run = false;
            work += static_cast<char>(c);
            ++i;
        }
    }
    if (run) work += "\x1B(B";
    const std::size_t left = text.size() - i;
    if (left > 0 && work.size() + left < 1024 && work.size() + left <= room) work.append(text.substr(i));
    return work;
}

std::string EncodeSingle(std::string& text, std::size_t capacity, unsigned codePage, bool whole) {
    std::string out;
    if (capacity < 3) return out;
    const std::size_t maxLen = capacity - 1;
    const std::size_t copyLimit = capacity - 2;
    std::size_t pos = 0;
    if (!whole || !HasEncodable(text, 0))
        while (pos < text.size() && pos < copyLimit && !NeedsEncoding(At(text, pos))) out += text[pos++];
    if (pos == text.size() || pos == copyLimit) {
        CompleteLineEnd(out, maxLen);
        return out;
    }
    const char* charset = HeaderCharsetForText(codePage, std::string_view(text).substr(pos));
    if (charset == nullptr) {
        out.append(std::string_view(text).substr(pos, maxLen - out.size()));
        return out;
    }
    if (codePage != 932) {
        if (out.size() + 18 >= capacity - 2) {
            CompleteLineEnd(out, maxLen);
            return out;
        }
        return EncodeWords(text, pos, std::move(out), capacity, charset, codePage);
    }
    const std::string_view rest = std::string_view(text).substr(pos);
    const std::size_t room = pos < 1023 ? 1023 - pos : 0;
    const int code = DetectJapaneseCode(rest);
    if (code == 4 || code == 5 || code == 6) {
        std::string converted = code == 4 ? EucToJis(rest, room) : SjisToJisText(rest, room);
        text.resize(pos);
        text += converted;
    }
    if (out.size() + 21 >= capacity - 2) {
        CompleteLineEnd(out, maxLen);
        return out;
    }
    out += QEncodeFoldedJis(std::string_view(text).substr(pos), capacity - out.size() - 2, charset, codePage);
    if (out.empty() || out.back() != '\n') out += "\r\n";
    return out;
}

std::string Folded(std::string_view text, std::size_t capacity, std::string_view charset, unsigned codePage, bool jis) {
    std::string out;
    if (capacity < 3) return out;
    const std::size_t h = charset.size() + 5;
    if (h + 3 > capacity) return "\r\n";
    const std::size_t maxLen = capacity - 1;
    const std::size_t threshold = jis ? 59 : 72;
    const std::string opening = "=?" + std::string(charset) + "?Q?";
    int mode = 0;
    auto fits = [&](std::size_t k, int modeAfter) { return out.size() + k + (modeAfter != 0 ? 9 : 2) <= maxLen; };
    auto fold = [&]() {
        std::string f = mode != 0 ? "=1B=28B?=\r\n " : "?=\r\n ";
        f += opening;
        if (mode == 1) f += "=1B$B";
        if (mode == 2) f += "=1B$@";
        return f;
    };
    auto lineAfterFold = [&]() { return h + (mode != 0 ? 5 : 1); };
    std::size_t line = h;
    // Places an escaped unit, on a new folded line when `foldFirst`; false when it does not fit.
    auto foldOrAppend = [&](const std::string& enc, bool foldFirst) {
        if (foldFirst) {
            const std::string f = fold() + enc;
            if (!fits(f.size(), mode)) return false;
            out += f;
            line = lineAfterFold() + enc.size();
        } else {
            if (!fits(enc.size(), mode)) return false;
            out += enc;
            line += enc.size();
        }
        return true;
    };
    out = opening;
    std::size_t i = 0;
    while (i < text.size() && out.size() < capacity - 2) {
        unsigned char c = At(text, i);
        if (jis && c == kEsc) {
            const std::size_t len = std::min<std::size_t>(3, text.size() - i);
            int newMode = mode;
            if (len == 3) {
                const unsigned char a = At(text, i + 1);
                const unsigned char b = At(text, i + 2);
                if (a == '$' && b == 'B') newMode = 1;
                else if (a == '$' && b == '@') newMode = 2;
                else if (a == '(' && (b == 'B' || b == 'J')) newMode = 0;
            }
            std::string enc;
            for (std::size_t k = 0; k < len; ++k) PutQ(enc, At(text, i + k));
            if (!fits(enc.size(), newMode)) break;
            out += enc;
            line += enc.size();
            mode = newMode;
            i += len;
            if (i >= text.size()) break;
            c = At(text, i);
        }
        const std::size_t unit = UnitLength(codePage, text, i);
        if (unit > 1) {
            std::string enc;
            for (std::size_t k = 0; k < unit; ++k) PutHex(enc, At(text, i + k));
            if (!foldOrAppend(enc, line + enc.size() > threshold)) break;
            i += unit;
            continue;
        }
        if (jis && mode != 0 && c != '\r' && c != '\n') {
            std::string enc;
            PutQ(enc, c);
            if (i + 1 < text.size()) PutQ(enc, At(text, i + 1));
            if (!foldOrAppend(enc, false)) break;
            i = std::min(i + 2, text.size());
        } else if (IsQSafe(c)) {
            if (!fits(1, mode)) break;
            out += static_cast<char>(c);
            ++line;
            ++i;
        } else {
            // Everything else, a space and line-end bytes included, is escaped.
            std::string enc;
            PutHex(enc, c);
            if (!foldOrAppend(enc, line > threshold)) break;
            ++i;
        }
        if (line >= threshold && i < text.size()) {
            const std::string f = fold();
            if (!fits(f.size() + 1, mode)) break;
            out += f;
            line = lineAfterFold();
        }
    }
    out += mode != 0 ? "=1B=28B?=" : "?=";
    return out;
}

}  // namespace

std::size_t QEncodeChunk(std::string_view text, std::string& out, std::size_t limit) {
    const long long signedLimit = limit > 1'000'000 ? 1'000'000 : static_cast<long long>(limit);
    return EncodeChunk(text, out, signedLimit, false);
}

std::string EncodeWordWhole(std::string& text, std::size_t capacity, unsigned codePage) {
    return EncodeSingle(text, capacity, codePage, true);
}

std::string EncodeWordAfterAscii(std::string& text, std::size_t capacity, unsigned codePage) {
    return EncodeSingle(text, capacity, codePage, false);
}

std::string QEncodeFolded(std::string_view text, std::size_t capacity, std::string_view charset, unsigned codePage) {
    return Folded(text, capacity, charset, codePage, false);
}

std::string QEncodeFoldedJis(std::string_view text, std::size_t capacity, std::string_view charset, unsigned codePage) {
    return Folded(text, capacity, charset, codePage, true);
}

std::string FoldAtBlanks(std::string_view line, std::size_t limit) {
    std::string folded;
    while (line.size() > limit) {
        const std::size_t blank = line.find_last_of(" \t", limit);
        if (blank == std::string_view::npos || blank == 0) return {};
        folded.append(line.substr(0, blank)) += '\n';
        line.remove_prefix(blank);
    }
    return folded.append(line);
}

}  // namespace velmar
