#include "encoding/SixBitSimd.h"

#if VELMAR_X86_SIMD

#include <immintrin.h>

#include "encoding/Base64.h"
#include "encoding/Uuencode.h"

#define VELMAR_SSSE3 __attribute__((target("ssse3")))
#define VELMAR_AVX2 __attribute__((target("avx2")))

namespace velmar {
namespace {

// Bytes b0 b1 b2 of each group, repeated as b1 b0 b2 b1 so that every 16-bit half holds
// the bits of two six-bit values; the multiplies then shift each value into its own byte.
VELMAR_SSSE3 inline __m128i SixBits(__m128i in) {
    in = _mm_shuffle_epi8(in, _mm_set_epi8(10, 11, 9, 10, 7, 8, 6, 7, 4, 5, 3, 4, 1, 2, 0, 1));
    const __m128i high = _mm_mulhi_epu16(_mm_and_si128(in, _mm_set1_epi32(0x0fc0fc00)), _mm_set1_epi32(0x04000040));
    const __m128i low = _mm_mullo_epi16(_mm_and_si128(in, _mm_set1_epi32(0x003f03f0)), _mm_set1_epi32(0x01000010));
    return _mm_or_si128(high, low);
}

VELMAR_AVX2 inline __m256i SixBits(__m256i in) {
    in = _mm256_shuffle_epi8(in, _mm256_set_epi8(10, 11, 9, 10, 7, 8, 6, 7, 4, 5, 3, 4, 1, 2, 0, 1, 10, 11, 9, 10,
                                                 7, 8, 6, 7, 4, 5, 3, 4, 1, 2, 0, 1));
    const __m256i high =
        _mm256_mulhi_epu16(_mm256_and_si256(in, _mm256_set1_epi32(0x0fc0fc00)), _mm256_set1_epi32(0x04000040));
    const __m256i low =
        _mm256_mullo_epi16(_mm256_and_si256(in, _mm256_set1_epi32(0x003f03f0)), _mm256_set1_epi32(0x01000010));
    return _mm256_or_si256(high, low);
}

// Base64 characters of six-bit values: the value plus an offset that depends on its range
// (A-Z, a-z, 0-9, "+", "/"), the offset picked by pshufb from a range number.
VELMAR_SSSE3 inline __m128i Base64Chars(__m128i values) {
    const __m128i offsets = _mm_setr_epi8('a' - 26, '0' - 52, '0' - 52, '0' - 52, '0' - 52, '0' - 52, '0' - 52,
                                          '0' - 52, '0' - 52, '0' - 52, '0' - 52, '+' - 62, '/' - 63, 'A', 0, 0);
    __m128i range = _mm_subs_epu8(values, _mm_set1_epi8(51));
    const __m128i upper = _mm_cmpgt_epi8(_mm_set1_epi8(26), values);
    range = _mm_or_si128(range, _mm_and_si128(upper, _mm_set1_epi8(13)));
    return _mm_add_epi8(values, _mm_shuffle_epi8(offsets, range));
}

VELMAR_AVX2 inline __m256i Base64Chars(__m256i values) {
    const __m256i offsets = _mm256_setr_epi8(
        'a' - 26, '0' - 52, '0' - 52, '0' - 52, '0' - 52, '0' - 52, '0' - 52, '0' - 52, '0' - 52, '0' - 52, '0' - 52,
        '+' - 62, '/' - 63, 'A', 0, 0, 'a' - 26, '0' - 52, '0' - 52, '0' - 52, '0' - 52, '0' - 52, '0' - 52,
        '0' - 52, '0' - 52, '0' - 52, '0' - 52, '+' - 62, '/' - 63, 'A', 0, 0);
    __m256i range = _mm256_subs_epu8(values, _mm256_set1_epi8(51));
    const __m256i upper = _mm256_cmpgt_epi8(_mm256_set1_epi8(26), values);
    range = _mm256_or_si256(range, _mm256_and_si256(upper, _mm256_set1_epi8(13)));
    return _mm256_add_epi8(values, _mm256_shuffle_epi8(offsets, range));
}

// uuencode characters: value + 0x20, a zero as "`" (0x60).
VELMAR_SSSE3 inline __m128i UuChars(__m128i values) {
    const __m128i zero = _mm_cmpeq_epi8(values, _mm_setzero_si128());
    return _mm_add_epi8(_mm_add_epi8(values, _mm_set1_epi8(0x20)), _mm_and_si128(zero, _mm_set1_epi8(0x40)));
}

VELMAR_AVX2 inline __m256i UuChars(__m256i values) {
    const __m256i zero = _mm256_cmpeq_epi8(values, _mm256_setzero_si256());
    return _mm256_add_epi8(_mm256_add_epi8(values, _mm256_set1_epi8(0x20)),
                           _mm256_and_si256(zero, _mm256_set1_epi8(0x40)));
}

VELMAR_SSSE3 inline __m128i Load12(const unsigned char* in) {
    return _mm_loadu_si128(reinterpret_cast<const __m128i*>(in));
}

// Two twelve-byte steps, one per 128-bit lane (pshufb works within lanes).
VELMAR_AVX2 inline __m256i Load24(const unsigned char* in) {
    return _mm256_inserti128_si256(_mm256_castsi128_si256(Load12(in)), Load12(in + 12), 1);
}

VELMAR_SSSE3 inline void Store16(char* out, __m128i chars) {
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out), chars);
}

VELMAR_AVX2 inline void Store32(char* out, __m256i chars) {
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(out), chars);
}

static_assert(kBase64LineBytes == 54 && kUuencodeLineBytes == 45, "the steps below cover these line lengths");

// A base64 line of 54 bytes: twelve-byte steps at 0, 12, 24 and 36, and one at 42 for the
// last two groups (it writes the characters of groups 42 and 45 again). That load reads
// four bytes past the line, which the reader's window allows.
VELMAR_SSSE3 std::size_t Base64LinesSsse3(const unsigned char* in, std::size_t lines, char* out) {
    char* p = out;
    for (std::size_t l = 0; l < lines; ++l, in += kBase64LineBytes, p += 73) {
        for (std::size_t s = 0; s < 48; s += 12) Store16(p + s / 3 * 4, Base64Chars(SixBits(Load12(in + s))));
        Store16(p + 56, Base64Chars(SixBits(Load12(in + 42))));
        p[72] = '\n';
    }
    return static_cast<std::size_t>(p - out);
}

VELMAR_AVX2 std::size_t Base64LinesAvx2(const unsigned char* in, std::size_t lines, char* out) {
    char* p = out;
    for (std::size_t l = 0; l < lines; ++l, in += kBase64LineBytes, p += 73) {
        Store32(p, Base64Chars(SixBits(Load24(in))));
        Store32(p + 32, Base64Chars(SixBits(Load24(in + 24))));
        Store16(p + 56, Base64Chars(SixBits(Load12(in + 42))));
        p[72] = '\n';
    }
    return static_cast<std::size_t>(p - out);
}

// A uuencode line of 45 bytes: its length "M", steps at 0, 12 and 24, and one at 33 for the
// last three groups (it writes the characters of group 33 again, and reads four bytes past
// the line).
VELMAR_SSSE3 std::size_t UuencodeLinesSsse3(const unsigned char* in, std::size_t lines, char* out) {
    char* p = out;
    for (std::size_t l = 0; l < lines; ++l, in += kUuencodeLineBytes, p += 62) {
        p[0] = 'M';
        for (std::size_t s = 0; s < 36; s += 12) Store16(p + 1 + s / 3 * 4, UuChars(SixBits(Load12(in + s))));
        Store16(p + 45, UuChars(SixBits(Load12(in + 33))));
        p[61] = '\n';
    }
    return static_cast<std::size_t>(p - out);
}

VELMAR_AVX2 std::size_t UuencodeLinesAvx2(const unsigned char* in, std::size_t lines, char* out) {
    char* p = out;
    for (std::size_t l = 0; l < lines; ++l, in += kUuencodeLineBytes, p += 62) {
        p[0] = 'M';
        Store32(p + 1, UuChars(SixBits(Load24(in))));
        Store32(p + 29, UuChars(SixBits(Load24(in + 21))));  // groups 7-14, group 7 again
        p[61] = '\n';
    }
    return static_cast<std::size_t>(p - out);
}

// The SSSE3 or AVX2 encoder for `level`, or null below SSSE3.
WholeLinesFn Pick(SimdLevel level, WholeLinesFn ssse3, WholeLinesFn avx2) {
    switch (UsableSimdLevel(level)) {
    case SimdLevel::Avx2: return avx2;
    case SimdLevel::Ssse3: return ssse3;
    case SimdLevel::Sse2:
    case SimdLevel::Scalar: break;
    }
    return nullptr;
}

}  // namespace

WholeLinesFn Base64VectorLines(SimdLevel level) { return Pick(level, Base64LinesSsse3, Base64LinesAvx2); }
WholeLinesFn UuencodeVectorLines(SimdLevel level) { return Pick(level, UuencodeLinesSsse3, UuencodeLinesAvx2); }

}  // namespace velmar

#else

namespace velmar {

WholeLinesFn Base64VectorLines(SimdLevel) { return nullptr; }
WholeLinesFn UuencodeVectorLines(SimdLevel) { return nullptr; }

}  // namespace velmar

#endif
