#include "encoding/ShiftJis.h"

#if VELMAR_X86_SIMD
#include <emmintrin.h>
#endif

namespace velmar {
namespace {

constexpr unsigned char kEsc = 0x1B;

// Full-width Shift-JIS codes of the half-width katakana 0xA1..0xDF.
constexpr unsigned char kWideKatakana[63][2] = {
    {0x81, 0x42}, {0x81, 0x75}, {0x81, 0x76}, {0x81, 0x41}, {0x81, 0x45}, {0x83, 0x92}, {0x83, 0x40}, {0x83, 0x42},
    {0x83, 0x44}, {0x83, 0x46}, {0x83, 0x48}, {0x83, 0x83}, {0x83, 0x85}, {0x83, 0x87}, {0x83, 0x62}, {0x81, 0x5B},
    {0x83, 0x41}, {0x83, 0x43}, {0x83, 0x45}, {0x83, 0x47}, {0x83, 0x49}, {0x83, 0x4A}, {0x83, 0x4C}, {0x83, 0x4E},
    {0x83, 0x50}, {0x83, 0x52}, {0x83, 0x54}, {0x83, 0x56}, {0x83, 0x58}, {0x83, 0x5A}, {0x83, 0x5C}, {0x83, 0x5E},
    {0x83, 0x60}, {0x83, 0x63}, {0x83, 0x65}, {0x83, 0x67}, {0x83, 0x69}, {0x83, 0x6A}, {0x83, 0x6B}, {0x83, 0x6C},
    {0x83, 0x6D}, {0x83, 0x6E}, {0x83, 0x71}, {0x83, 0x74}, {0x83, 0x77}, {0x83, 0x7A}, {0x83, 0x7D}, {0x83, 0x7E},
    {0x83, 0x80}, {0x83, 0x81}, {0x83, 0x82}, {0x83, 0x84}, {0x83, 0x86}, {0x83, 0x88}, {0x83, 0x89}, {0x83, 0x8A},
    {0x83, 0x8B}, {0x83, 0x8C}, {0x83, 0x8D}, {0x83, 0x8F}, {0x83, 0x93}, {0x81, 0x4A}, {0x81, 0x4B},
};

constexpr bool IsSjisLead(int c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xEF); }
constexpr bool IsSjisTrail(int c) { return c >= 0x40 && c <= 0xFC; }
constexpr bool IsHalfKatakana(int c) { return c >= 0xA1 && c <= 0xDF; }
bool In(int c, int lo, int hi) { return c >= lo && c <= hi; }

constexpr char kToJis[] = {static_cast<char>(kEsc), '$', 'B'};
constexpr char kToAscii[] = {static_cast<char>(kEsc), '(', 'B'};

// One character, starting with the byte `c`: its bytes (with the escape when the mode
// changes) go into `step`, at most five; returns how many. `twoByte` is the mode before and
// after. `Input` gives Get() and Peek() for the byte after `c` (-1 at the end).
template <class Input>
std::size_t ConvertCharacter(int c, Input& in, bool& twoByte, char (&step)[5]) {
    std::size_t n = 0;
    auto pair = [&](unsigned char a, unsigned char b) {
        SjisToJisPair(a, b);
        if (!twoByte) {
            for (char e : kToJis) step[n++] = e;
            twoByte = true;
        }
        step[n++] = static_cast<char>(a);
        step[n++] = static_cast<char>(b);
    };
    if (IsSjisLead(c)) {
        const int d = in.Get();
        if (d >= 0 && IsSjisTrail(d)) {
            pair(static_cast<unsigned char>(c), static_cast<unsigned char>(d));
        } else {
            // Not a character: both bytes go out as they are, in the current mode
            // (a lead byte at the very end goes out alone).
            step[n++] = static_cast<char>(c);
            if (d >= 0) step[n++] = static_cast<char>(d);
        }
    } else if (IsHalfKatakana(c)) {
        const int next = in.Peek();
        unsigned char lead = 0;
        unsigned char trail = 0;
        if (WidenKatakana(static_cast<unsigned char>(c), next < 0 ? 0 : static_cast<unsigned char>(next), lead, trail))
            in.Get();
        pair(lead, trail);
    } else {
        if (twoByte) {
            for (char e : kToAscii) step[n++] = e;
            twoByte = false;
        }
        step[n++] = static_cast<char>(c);
    }
    return n;
}

// The conversion character by character, shared by the memory form and the plain stream
// path. `Output` takes Emit(bytes, count, twoByteAfter) and returns false when the step
// does not fit, which ends the conversion.
template <class Input, class Output>
void Convert(Input& in, Output& out) {
    bool twoByte = false;
    for (int c = in.Get(); c >= 0; c = in.Get()) {
        char step[5];
        bool twoByteAfter = twoByte;
        const std::size_t n = ConvertCharacter(c, in, twoByteAfter, step);
        if (!out.Emit(step, n, twoByteAfter)) break;
        twoByte = twoByteAfter;
    }
    if (twoByte) out.Close(kToAscii, sizeof kToAscii);
}

struct TextInput {
    std::string_view text;
    std::size_t pos = 0;
    int Get() { return pos < text.size() ? static_cast<unsigned char>(text[pos++]) : -1; }
    int Peek() const { return pos < text.size() ? static_cast<unsigned char>(text[pos]) : -1; }
};

struct TextOutput {
    std::string& text;
    std::size_t capacity;
    bool Emit(const char* bytes, std::size_t n, bool twoByteAfter) {
        // Stops while fewer than 4 bytes remain free, and never takes a step whose bytes
        // and the closing escape would not both fit.
        if (capacity - text.size() < 4) return false;
        if (text.size() + n + (twoByteAfter ? 3 : 0) > capacity) return false;
        text.append(bytes, n);
        return true;
    }
    void Close(const char* bytes, std::size_t n) { text.append(bytes, n); }
};

struct StreamInput {
    ByteReader& reader;
    int Get() { return reader.Get(); }
    int Peek() { return reader.Peek(); }
};

struct StreamOutput {
    ByteWriter& writer;
    bool Emit(const char* bytes, std::size_t n, bool) {
        writer.Put(std::string_view(bytes, n));
        return true;
    }
    void Close(const char* bytes, std::size_t n) { writer.Put(std::string_view(bytes, n)); }
};

// Reading the bytes of a character from a window of the reader's buffer, for the block path.
struct WindowInput {
    const unsigned char* bytes;
    std::size_t pos;
    int Get() { return bytes[pos++]; }
    int Peek() const { return bytes[pos]; }
};

#if VELMAR_X86_SIMD
// Sixteen bytes stored and tested at a time while sixteen are left; returns the ASCII bytes
// copied, stopping at the first other one (`stopped` then true).
VELMAR_SSE2_TARGET std::size_t CopyAsciiSse2(const unsigned char* in, std::size_t n, char* out, bool& stopped) {
    std::size_t k = 0;
    for (; k + 16 <= n; k += 16) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + k));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + k), v);
        const unsigned high = static_cast<unsigned>(_mm_movemask_epi8(v));
        if (high != 0) {
            stopped = true;
            return k + static_cast<std::size_t>(__builtin_ctz(high));
        }
    }
    stopped = false;
    return k;
}
#endif

// The block path: runs of ASCII are copied whole and pairs converted in a tight loop,
// straight from the reader's buffer into the writer's, the mode escape written only where
// the mode changes. A character whose second byte lies beyond the reader's buffer goes
// through the character-by-character step, which reads on.
class BlockConverter {
public:
    BlockConverter(ByteReader& reader, ByteWriter& writer) : reader_(reader), writer_(writer) {}

    void Run() {
        for (std::string_view window; !(window = reader_.Window()).empty();) {
            const std::size_t used = Convert(reinterpret_cast<const unsigned char*>(window.data()), window.size());
            reader_.Skip(used);
            if (used < window.size()) {
                // The last byte of the window starts a character that may go on in the next.
                StreamInput in{reader_};
                char step[5];
                const std::size_t n = ConvertCharacter(reader_.Get(), in, twoByte_, step);
                writer_.Put(std::string_view(step, n));
            }
        }
        if (twoByte_) writer_.Put(std::string_view(kToAscii, sizeof kToAscii));
    }

private:
    // Input bytes per reservation of the writer's buffer (a character may take one more): a
    // byte makes at most five output bytes (an escape and a pair for a half-width
    // katakana), and a run copy may store fifteen bytes past its end.
    static constexpr std::size_t kStep = 4096;
    static constexpr std::size_t kRoom = (kStep + 1) * 5 + 16;

    // Converts `bytes` until their end or a character cut by it; returns the bytes used.
    std::size_t Convert(const unsigned char* bytes, std::size_t n) {
        std::size_t i = 0;
        while (i < n) {
            const std::size_t end = n - i < kStep ? n : i + kStep;
            char* const area = writer_.Reserve(kRoom);
            char* out = area;
            bool cut = false;
            while (i < end) {
                const int c = bytes[i];
                if (c < 0x80) {
                    if (twoByte_) out = Put(out, kToAscii), twoByte_ = false;
                    const std::size_t run = CopyAscii(bytes + i, end - i, out);
                    out += run;
                    i += run;
                } else if (i + 1 == n && (IsSjisLead(c) || IsHalfKatakana(c))) {
                    cut = true;
                    break;
                } else if (IsSjisLead(c) && IsSjisTrail(bytes[i + 1])) {
                    if (!twoByte_) out = Put(out, kToJis), twoByte_ = true;
                    do {
                        unsigned char a = bytes[i], b = bytes[i + 1];
                        SjisToJisPair(a, b);
                        out[0] = static_cast<char>(a);
                        out[1] = static_cast<char>(b);
                        out += 2;
                        i += 2;
                    } while (i + 1 < end && IsSjisLead(bytes[i]) && IsSjisTrail(bytes[i + 1]));
                } else {
                    WindowInput in{bytes, i + 1};
                    char step[5];
                    const std::size_t k = ConvertCharacter(c, in, twoByte_, step);
                    for (std::size_t s = 0; s < k; ++s) out[s] = step[s];
                    out += k;
                    i = in.pos;
                }
            }
            writer_.Commit(static_cast<std::size_t>(out - area));
            if (cut) break;
        }
        return i;
    }

    static char* Put(char* out, const char (&escape)[3]) {
        out[0] = escape[0];
        out[1] = escape[1];
        out[2] = escape[2];
        return out + 3;
    }

    // Copies the ASCII bytes at the start of `in` (at most `n`); returns how many. With SSE2
    // up to fifteen bytes past the run may be written to `out`.
    static std::size_t CopyAscii(const unsigned char* in, std::size_t n, char* out) {
        std::size_t k = 0;
#if VELMAR_X86_SIMD
        if (Sse2Usable()) {
            bool stopped = false;
            k = CopyAsciiSse2(in, n, out, stopped);
            if (stopped) return k;
        }
#endif
        for (; k < n && in[k] < 0x80; ++k) out[k] = static_cast<char>(in[k]);
        return k;
    }

    ByteReader& reader_;
    ByteWriter& writer_;
    bool twoByte_ = false;
};

}  // namespace

void SjisToJisPair(unsigned char& c1, unsigned char& c2) {
    const int adjust = c2 < 0x9F ? 1 : 0;
    const int rowOffset = c1 < 0xA0 ? 0x70 : 0xB0;
    const int cellOffset = adjust == 0 ? 0x7E : (c2 > 0x7F ? 0x20 : 0x1F);
    c1 = static_cast<unsigned char>(((c1 - rowOffset) * 2) - adjust);
    c2 = static_cast<unsigned char>(c2 - cellOffset);
}

bool WidenKatakana(unsigned char c, unsigned char next, unsigned char& lead, unsigned char& trail) {
    if (c < 0xA1 || c > 0xDF) {
        lead = c;
        trail = next;
        return false;
    }
    lead = kWideKatakana[c - 0xA1][0];
    trail = kWideKatakana[c - 0xA1][1];
    const bool voiced = next == 0xDE && (c == 0xB3 || In(c, 0xB6, 0xC4) || In(c, 0xCA, 0xCE));
    const bool semiVoiced = next == 0xDF && In(c, 0xCA, 0xCE);
    if (voiced) {
        if (In(trail, 0x4A, 0x67) || In(trail, 0x6E, 0x7A))
            ++trail;
        else if (lead == 0x83 && trail == 0x45)
            trail = 0x94;
    } else if (semiVoiced) {
        trail = static_cast<unsigned char>(trail + 2);
    }
    return voiced || semiVoiced;
}

std::string SjisToJisText(std::string_view text, std::size_t capacity) {
    std::string result;
    TextInput in{text};
    TextOutput out{result, capacity};
    Convert(in, out);
    return result;
}

bool SjisToJisStream(ByteSource& in, ByteSink& out, const std::function<void()>& onRefill, SimdLevel level) {
    ByteReader reader(in, onRefill);
    ByteWriter writer(out);
    if (level == SimdLevel::Scalar) {
        StreamInput input{reader};
        StreamOutput output{writer};
        Convert(input, output);
    } else {
        BlockConverter(reader, writer).Run();
    }
    const bool written = writer.Flush();
    return written && !reader.Failed();
}

int DetectJapaneseCode(std::string_view text) {
    int result = 7;
    std::size_t i = 0;
    auto next = [&]() -> int { return i < text.size() ? static_cast<unsigned char>(text[i++]) : -1; };
    while ((result == 6 || result == 7) && i < text.size()) {
        const int c = next();
        if (c == kEsc) {
            const int d = next();
            if (d == '$') {
                const int e = next();
                if (e == 'B') result = 1;
                else if (e == '@') result = 2;
            } else if (d == 'K') {
                result = 3;
            }
        } else if (In(c, 0x81, 0x8D) || In(c, 0x8F, 0x9F)) {
            result = 5;
        } else if (c == 0x8E) {
            const int d = next();
            if (In(d, 0x40, 0x7E) || In(d, 0x80, 0xA0) || In(d, 0xE0, 0xFC)) result = 5;
            else if (In(d, 0xA1, 0xDF)) result = 6;
        } else if (In(c, 0xA1, 0xDF)) {
            const int d = next();
            if (In(d, 0xF0, 0xFE)) {
                result = 4;
            } else if (In(d, 0xA1, 0xDF)) {
                result = 6;
            } else if (In(d, 0xE0, 0xEF)) {
                result = 6;
                for (int e = next(); e >= 0x40 && result == 6; e = next()) {
                    if (In(e, 0x81, 0x8D) || In(e, 0x8F, 0x9F)) result = 5;
                    else if (e == 0xFD || e == 0xFE) result = 4;
                    if (result != 6) break;
                }
            } else if (d >= 0 && d < 0xA0) {
                result = 5;
            }
        } else if (In(c, 0xF0, 0xFE)) {
            result = 4;
        } else if (In(c, 0xE0, 0xEF)) {
            const int d = next();
            if (In(d, 0x40, 0x7E) || In(d, 0x80, 0xA0)) result = 5;
            else if (In(d, 0xA1, 0xFC)) result = 6;
        }
    }
    return result;
}

}  // namespace velmar
