#pragma once

// Tests of eight units of text at once, for the scans that run over every
// character of a large script: nearly all of it is plain ASCII, and only
// the rare unit a test flags is looked at one by one. SSE2 where the
// processor has it (every x86-64 does), plain loops elsewhere; both answer
// the same.

#include <cstdint>
#include <cstring>

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#define RW_TEXT_SCAN_SSE2 1
#endif

namespace rw::textscan {

inline constexpr long long kBlock = 8;

#ifdef RW_TEXT_SCAN_SSE2

inline __m128i Load(const char16_t* p) {
    return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
}

// Whether every lane is zero.
inline bool AllZero(__m128i v) {
    return _mm_movemask_epi8(_mm_cmpeq_epi16(v, _mm_setzero_si128())) == 0xFFFF;
}

// Whether all eight units are ASCII (below 0x80).
inline bool AllAscii(const char16_t* p) {
    return AllZero(_mm_and_si128(Load(p), _mm_set1_epi16(short(0xFF80))));
}

// Whether all eight bytes are ASCII.
inline bool AllAscii(const char* p) {
    std::uint64_t word;
    std::memcpy(&word, p, sizeof word);
    return (word & 0x8080808080808080ull) == 0;
}

// Whether all eight units are ASCII that is no control character: from
// the blank to "~".
inline bool AllPrintableAscii(const char16_t* p) {
    const __m128i v = Load(p);
    return AllZero(_mm_or_si128(_mm_subs_epu16(v, _mm_set1_epi16(0x7E)),
                                _mm_subs_epu16(_mm_set1_epi16(0x20), v)));
}

// Whether any of the eight units is at most `limit`.
inline bool AnyAtMost(const char16_t* p, char16_t limit) {
    return !AllZero(_mm_cmpeq_epi16(_mm_subs_epu16(Load(p), _mm_set1_epi16(short(limit))),
                                    _mm_setzero_si128()));
}

// A bit for each of the eight units that is a C0 control (TAB included),
// DEL or a C1 control, the first unit in the lowest bit.
inline unsigned ControlMask(const char16_t* p) {
    const __m128i v = Load(p);
    const __m128i zero = _mm_setzero_si128();
    const __m128i c0 = _mm_cmpeq_epi16(_mm_subs_epu16(v, _mm_set1_epi16(0x1F)), zero);
    const __m128i del = _mm_cmpeq_epi16(
        _mm_subs_epu16(_mm_sub_epi16(v, _mm_set1_epi16(0x7F)), _mm_set1_epi16(0x20)), zero);
    return unsigned(_mm_movemask_epi8(_mm_packs_epi16(_mm_or_si128(c0, del), zero)));
}

// Whether any of the eight units is such a control.
inline bool AnyControl(const char16_t* p) {
    return ControlMask(p) != 0;
}

// Whether any of the eight units is `c`.
inline bool AnyEqual(const char16_t* p, char16_t c) {
    return _mm_movemask_epi8(_mm_cmpeq_epi16(Load(p), _mm_set1_epi16(short(c)))) != 0;
}

// A bit for each of the eight units that is one of the four given, the
// first unit in the lowest bit.
inline unsigned MatchAny4(const char16_t* p, char16_t a, char16_t b, char16_t c, char16_t d) {
    const __m128i v = Load(p);
    const __m128i m = _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi16(v, _mm_set1_epi16(short(a))),
                                                _mm_cmpeq_epi16(v, _mm_set1_epi16(short(b)))),
                                   _mm_or_si128(_mm_cmpeq_epi16(v, _mm_set1_epi16(short(c))),
                                                _mm_cmpeq_epi16(v, _mm_set1_epi16(short(d)))));
    return unsigned(_mm_movemask_epi8(_mm_packs_epi16(m, _mm_setzero_si128())));
}

// Eight ASCII units as eight bytes, and back.
inline void NarrowAscii(const char16_t* from, char* to) {
    const __m128i v = Load(from);
    _mm_storel_epi64(reinterpret_cast<__m128i*>(to), _mm_packus_epi16(v, v));
}

inline void WidenAscii(const char* from, char16_t* to) {
    const __m128i v = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(from));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(to), _mm_unpacklo_epi8(v, _mm_setzero_si128()));
}

#else

inline bool AllAscii(const char16_t* p) {
    unsigned bits = 0;
    for (int k = 0; k < kBlock; ++k)
        bits |= p[k];
    return bits < 0x80;
}

inline bool AllAscii(const char* p) {
    unsigned bits = 0;
    for (int k = 0; k < kBlock; ++k)
        bits |= static_cast<unsigned char>(p[k]);
    return bits < 0x80;
}

inline bool AllPrintableAscii(const char16_t* p) {
    for (int k = 0; k < kBlock; ++k)
        if (p[k] < 0x20 || p[k] > 0x7E)
            return false;
    return true;
}

inline bool AnyAtMost(const char16_t* p, char16_t limit) {
    for (int k = 0; k < kBlock; ++k)
        if (p[k] <= limit)
            return true;
    return false;
}

inline unsigned ControlMask(const char16_t* p) {
    unsigned bits = 0;
    for (int k = 0; k < kBlock; ++k)
        if (p[k] < 0x20 || (p[k] >= 0x7F && p[k] <= 0x9F))
            bits |= 1u << k;
    return bits;
}

inline bool AnyControl(const char16_t* p) {
    return ControlMask(p) != 0;
}

inline bool AnyEqual(const char16_t* p, char16_t c) {
    for (int k = 0; k < kBlock; ++k)
        if (p[k] == c)
            return true;
    return false;
}

inline unsigned MatchAny4(const char16_t* p, char16_t a, char16_t b, char16_t c, char16_t d) {
    unsigned bits = 0;
    for (int k = 0; k < kBlock; ++k)
        if (p[k] == a || p[k] == b || p[k] == c || p[k] == d)
            bits |= 1u << k;
    return bits;
}

inline void NarrowAscii(const char16_t* from, char* to) {
    for (int k = 0; k < kBlock; ++k)
        to[k] = char(from[k]);
}

inline void WidenAscii(const char* from, char16_t* to) {
    for (int k = 0; k < kBlock; ++k)
        to[k] = char16_t(static_cast<unsigned char>(from[k]));
}

#endif

// Asks the memory for the units of a text about to be read, a cache line
// at a time, without waiting for them.
inline void Prefetch(const char16_t* p, long long size) {
#ifdef RW_TEXT_SCAN_SSE2
    const char* bytes = reinterpret_cast<const char*>(p);
    for (long long at = 0; at < 2 * size; at += 64)
        _mm_prefetch(bytes + at, _MM_HINT_T0);
#else
    (void)p;
    (void)size;
#endif
}

// The length, in whole blocks, of the ASCII run that starts at `from`.
template <typename Unit> long long AsciiRun(const Unit* p, long long from, long long size) {
    long long i = from;
    while (i + kBlock <= size && AllAscii(p + i))
        i += kBlock;
    return i - from;
}

} // namespace rw::textscan
