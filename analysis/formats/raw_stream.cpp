#include "analysis/formats/raw_stream.h"

#include "analysis/formats/civil_date.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstring>
#include <iterator>
#include <limits>
#include <type_traits>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace daq {

namespace {

template <typename Char>
bool blank(Char c) {
    return c == Char(' ') || c == Char('\t');
}

// The value of a hexadecimal digit, or 16.
template <typename Char>
unsigned hex(Char c) {
    const auto u = static_cast<std::uint32_t>(static_cast<std::make_unsigned_t<Char>>(c));
    if (u - '0' <= 9) return u - '0';
    const std::uint32_t lettre = (u | 0x20) - 'a';
    return lettre <= 5 ? lettre + 10 : 16;
}

template <typename Char>
unsigned digit(Char c) {
    const auto u = static_cast<std::uint32_t>(static_cast<std::make_unsigned_t<Char>>(c)) - '0';
    return u <= 9 ? u : 10;
}

template <typename Char>
bool letter(Char c) {
    const auto u = static_cast<std::uint32_t>(static_cast<std::make_unsigned_t<Char>>(c)) | 0x20;
    return u - 'a' <= 25;
}

// The words of a line, one after the other.
template <typename Char>
struct Words {
    const Char* p;
    std::int64_t n;
    std::int64_t i = 0;
    const Char* word = nullptr;
    std::int64_t size = 0;

    bool next() {
        while (i < n && blank(p[i])) ++i;
        if (i == n) return false;
        const std::int64_t start = i;
        while (i < n && !blank(p[i])) ++i;
        word = p + start;
        size = i - start;
        return true;
    }
};

template <typename Char>
bool hex_word(const Char* w, std::int64_t size, std::int64_t digits, std::uint32_t& value) {
    if (size != digits) return false;
    std::uint32_t v = 0;
    for (std::int64_t k = 0; k < size; ++k) {
        const unsigned h = hex(w[k]);
        if (h > 15) return false;
        v = v << 4 | h;
    }
    value = v;
    return true;
}

template <typename Char>
bool decimal_word(const Char* w, std::int64_t size, std::int64_t digits, std::int32_t& value) {
    if (size != digits) return false;
    std::int32_t v = 0;
    for (std::int64_t k = 0; k < size; ++k) {
        const unsigned d = digit(w[k]);
        if (d > 9) return false;
        v = v * 10 + static_cast<std::int32_t>(d);
    }
    value = v;
    return true;
}

// hhmmss[.s[s[s]]] as ms since midnight, as written (not checked as a time).
template <typename Char>
bool time_word(const Char* w, std::int64_t size, std::int32_t& ms) {
    std::int32_t hms = 0;
    if (size < 6 || !decimal_word(w, 6, 6, hms)) return false;
    std::int32_t milli = 0;
    if (size > 6) {
        if (w[6] != Char('.') || size > 10) return false;
        std::int32_t scale = 100;
        for (std::int64_t k = 7; k < size; ++k, scale /= 10) {
            const unsigned d = digit(w[k]);
            if (d > 9) return false;
            milli += static_cast<std::int32_t>(d) * scale;
        }
    }
    ms = (hms / 10000 * 3600 + hms / 100 % 100 * 60 + hms % 100) * 1000 + milli;
    return true;
}

template <typename Char>
bool delay_word(const Char* w, std::int64_t size, std::int32_t& delay) {
    std::int64_t k = 0;
    bool negative = false;
    if (size > 0 && (w[0] == Char('+') || w[0] == Char('-'))) {
        negative = w[0] == Char('-');
        k = 1;
    }
    if (size - k < 1 || size - k > 5) return false;
    std::int32_t v = 0;
    for (; k < size; ++k) {
        const unsigned d = digit(w[k]);
        if (d > 9) return false;
        v = v * 10 + static_cast<std::int32_t>(d);
    }
    delay = negative ? -v : v;
    return true;
}

template <typename Char>
LineKind read(const Char* p, std::int64_t n, EventLine& line, Fault& fault) {
    fault = Fault::none;
    Words<Char> words{p, n};
    if (!words.next()) return LineKind::blank;
    std::uint32_t counter = 0;
    if (!hex_word(words.word, words.size, 8, counter)) {
        if (words.size >= 2 && letter(words.word[0]) && letter(words.word[1])) return LineKind::card;
        fault = Fault::garbage;
        return LineKind::bad;
    }
    EventLine l;
    l.counter = counter;
    const auto bad = [&fault](Fault f) {
        fault = f;
        return LineKind::bad;
    };
    for (std::uint8_t& edge : l.edges) {
        std::uint32_t v = 0;
        if (!words.next()) return bad(Fault::words);
        if (!hex_word(words.word, words.size, 2, v)) return bad(Fault::edge);
        edge = static_cast<std::uint8_t>(v);
    }
    if (!words.next()) return bad(Fault::words);
    if (!hex_word(words.word, words.size, 8, l.latch)) return bad(Fault::latch);
    if (!words.next()) return bad(Fault::words);
    if (!time_word(words.word, words.size, l.gps_ms)) return bad(Fault::gps_time);
    if (!words.next()) return bad(Fault::words);
    if (!decimal_word(words.word, words.size, 6, l.gps_date)) return bad(Fault::gps_date);
    if (!words.next()) return bad(Fault::words);
    if (words.size != 1 || (words.word[0] != Char('A') && words.word[0] != Char('V'))) return bad(Fault::gps_status);
    l.gps_valid = words.word[0] == Char('A');
    if (!words.next()) return bad(Fault::words);
    std::int32_t satellites = 0;
    if (words.size > 2 || !decimal_word(words.word, words.size, words.size, satellites)) {
        return bad(Fault::satellites);
    }
    l.satellites = static_cast<std::uint8_t>(satellites);
    if (!words.next()) return bad(Fault::words);
    std::uint32_t flags = 0;
    if (words.size > 2 || !hex_word(words.word, words.size, words.size, flags)) return bad(Fault::flags);
    l.flags = static_cast<std::uint8_t>(flags);
    if (!words.next()) return bad(Fault::words);
    if (!delay_word(words.word, words.size, l.delay_ms)) return bad(Fault::delay);
    if (words.next()) return bad(Fault::words);
    line = l;
    return LineKind::event;
}

std::int64_t floor_div(std::int64_t a, std::int64_t b) { return a / b - (a % b != 0 && (a < 0) != (b < 0)); }

double median(const double* values, int count) {
    // An insertion sort: at most kMedianOf values, once a GPS second.
    double copy[kMedianOf];
    for (int k = 0; k < count; ++k) {
        int j = k;
        for (; j > 0 && copy[j - 1] > values[k]; --j) copy[j] = copy[j - 1];
        copy[j] = values[k];
    }
    return count % 2 == 1 ? copy[count / 2] : (copy[count / 2 - 1] + copy[count / 2]) / 2;
}





}  // namespace

LineKind read_line(const char* p, std::int64_t n, EventLine& line, Fault& fault) { return read(p, n, line, fault); }

LineKind read_line(const char16_t* p, std::int64_t n, EventLine& line, Fault& fault) {
    return read(p, n, line, fault);
}

namespace {

// Words 1 to 9 of a line of the usual layout, its first 33 characters:
// "687C4047 80 00 2B 00 00 00 00 00 ", hexadecimal digits and single blanks;
// false when they are not. Sixteen bytes at a time with SSE2 (the base of
// x86-64), one at a time elsewhere.

// The value of eight digits' nibbles, the first in the low byte and the most significant.
inline std::uint32_t nibbles(std::uint64_t v) {
    const std::uint64_t pairs = (v << 4 | v >> 8) & 0x00FF00FF00FF00FFULL;
    return static_cast<std::uint32_t>((pairs & 0xFF) << 24 | (pairs >> 16 & 0xFF) << 16 | (pairs >> 32 & 0xFF) << 8 |
                                      (pairs >> 48 & 0xFF));
}

#if defined(__SSE2__)

// The blanks and the hexadecimal digits among 16 bytes, as bit masks, and the digits' values.
[[gnu::always_inline]] inline void classes(__m128i v, int& blanks, int& digits, __m128i& values) {
    const __m128i folded = _mm_or_si128(v, _mm_set1_epi8(0x20));
    // Signed comparisons: bytes from 0x80 on are below every bound.
    const __m128i decimal = _mm_and_si128(_mm_cmpgt_epi8(v, _mm_set1_epi8('0' - 1)), _mm_cmplt_epi8(v, _mm_set1_epi8('9' + 1)));
    const __m128i letter =
        _mm_and_si128(_mm_cmpgt_epi8(folded, _mm_set1_epi8('a' - 1)), _mm_cmplt_epi8(folded, _mm_set1_epi8('f' + 1)));
    blanks = _mm_movemask_epi8(_mm_cmpeq_epi8(v, _mm_set1_epi8(' ')));
    digits = _mm_movemask_epi8(_mm_or_si128(decimal, letter));
    values = _mm_add_epi8(_mm_and_si128(v, _mm_set1_epi8(0x0F)), _mm_and_si128(letter, _mm_set1_epi8(9)));
}

[[gnu::always_inline]] inline bool head_of(__m128i a, __m128i b, std::uint32_t& counter, std::uint64_t& edges) {
    // Blanks at 8, 11, 14, then 17, 20, 23, 26, 29; digits elsewhere.
    constexpr int kBlanksA = 1 << 8 | 1 << 11 | 1 << 14;
    constexpr int kBlanksB = 1 << 1 | 1 << 4 | 1 << 7 | 1 << 10 | 1 << 13;
    int blanks_a, digits_a, blanks_b, digits_b;
    __m128i values_a, values_b;
    classes(a, blanks_a, digits_a, values_a);
    classes(b, blanks_b, digits_b, values_b);
    if (blanks_a != kBlanksA || digits_a != (0xFFFF & ~kBlanksA) || blanks_b != kBlanksB ||
        digits_b != (0xFFFF & ~kBlanksB)) {
        return false;
    }
    // Each byte with the one after it: position i holds (digit i) << 4 | digit
    // i + 1, edge e at 9 + 3e; then the digits' words taken to the
    // registers, without a store (bytes stored one by one and read as a word
    // wait for the stores).
    const __m128i pairs_a = _mm_or_si128(_mm_slli_epi16(values_a, 4),
                                         _mm_or_si128(_mm_srli_si128(values_a, 1), _mm_slli_si128(values_b, 15)));
    const __m128i pairs_b = _mm_or_si128(_mm_slli_epi16(values_b, 4), _mm_srli_si128(values_b, 1));
    counter = nibbles(static_cast<std::uint64_t>(_mm_cvtsi128_si64(values_a)));
    const auto u = static_cast<std::uint64_t>(_mm_cvtsi128_si64(_mm_unpackhi_epi64(pairs_a, pairs_a)));  // 8 to 15
    const auto w = static_cast<std::uint64_t>(_mm_cvtsi128_si64(pairs_b));                               // 16 to 23
    const auto z = static_cast<std::uint64_t>(_mm_cvtsi128_si64(_mm_unpackhi_epi64(pairs_b, pairs_b)));  // 24 to 31
    constexpr std::uint64_t kByte = 0xFF;
    edges = (u >> 8 & kByte) | (u >> 32 & kByte) << 8 | (u >> 56) << 16 | (w >> 16 & kByte) << 24 |
            (w >> 40 & kByte) << 32 | (z & kByte) << 40 | (z >> 24 & kByte) << 48 | (z >> 48 & kByte) << 56;
    return true;
}

inline bool head_quick(const char* p, std::uint32_t& counter, std::uint64_t& edges) {
    return p[32] == ' ' && head_of(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p)),
                                   _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 16)), counter, edges);
}

inline bool head_quick(const char16_t* p, std::uint32_t& counter, std::uint64_t& edges) {
    __m128i c[4];
    __m128i wide = _mm_setzero_si128();
    for (int k = 0; k < 4; ++k) {
        c[k] = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 8 * k));
        wide = _mm_or_si128(wide, c[k]);
    }
    // Characters from 0x100 on are no digit: the bytes of the others.
    const __m128i high = _mm_and_si128(wide, _mm_set1_epi16(static_cast<short>(0xFF00)));
    if (_mm_movemask_epi8(_mm_cmpeq_epi8(high, _mm_setzero_si128())) != 0xFFFF || p[32] != u' ') return false;
    return head_of(_mm_packus_epi16(c[0], c[1]), _mm_packus_epi16(c[2], c[3]), counter, edges);
}

// The same `n` bytes (16 or more), sixteen at a time, the last sixteen overlapping.
inline bool same_bytes(const void* a, const void* b, std::size_t n) {
    const auto* x = static_cast<const char*>(a);
    const auto* y = static_cast<const char*>(b);
    int equal = 0xFFFF;
    for (std::size_t k = 0;; k += 16) {
        if (k + 16 > n) k = n - 16;
        equal &= _mm_movemask_epi8(_mm_cmpeq_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(x + k)),
                                                  _mm_loadu_si128(reinterpret_cast<const __m128i*>(y + k))));
        if (k + 16 == n) break;
    }
    return equal == 0xFFFF;
}

#else

// The hexadecimal digits' values, 0xF0 for every other byte.
constexpr auto kHex = [] {
    std::array<std::uint8_t, 256> t{};
    for (auto& v : t) v = 0xF0;
    for (int c = '0'; c <= '9'; ++c) t[static_cast<std::size_t>(c)] = static_cast<std::uint8_t>(c - '0');
    for (int c = 'A'; c <= 'F'; ++c) t[static_cast<std::size_t>(c)] = static_cast<std::uint8_t>(c - 'A' + 10);
    for (int c = 'a'; c <= 'f'; ++c) t[static_cast<std::size_t>(c)] = static_cast<std::uint8_t>(c - 'a' + 10);
    return t;
}();

inline unsigned hex_quick(char c) { return kHex[static_cast<unsigned char>(c)]; }
inline unsigned hex_quick(char16_t c) { return kHex[c & 0xFF] | (c > 0xFF ? 0xF0u : 0u); }

template <typename Char>
inline bool head_quick(const Char* p, std::uint32_t& counter, std::uint64_t& edges) {
    static constexpr int kBlanks[] = {8, 11, 14, 17, 20, 23, 26, 29, 32};
    unsigned other = 0;
    for (const int b : kBlanks) other |= static_cast<unsigned>(p[b] ^ Char(' '));
    unsigned bad = 0;
    std::uint64_t first = 0;
    edges = 0;
    for (int k = 0; k < 8; ++k) {
        const unsigned h = hex_quick(p[k]);
        bad |= h;
        first |= static_cast<std::uint64_t>(h & 0xF) << 8 * k;
    }
    for (int e = 0; e < 2 * kChannels; ++e) {
        const unsigned high = hex_quick(p[9 + 3 * e]);
        const unsigned low = hex_quick(p[10 + 3 * e]);
        bad |= high | low;
        edges |= static_cast<std::uint64_t>((high & 0xF) << 4 | (low & 0xF)) << 8 * e;
    }
    counter = nibbles(first);
    return other == 0 && (bad & 0xF0) == 0;
}

inline bool same_bytes(const void* a, const void* b, std::size_t n) { return std::memcmp(a, b, n) == 0; }

#endif

// Words 10 to 16 of a line of the usual layout at their places, as read()
// reads them ("67037CB8 000322.027 180516 A 03 0 +0053": the blanks between
// them checked by the caller); false when one is written otherwise.
template <typename Char>
bool tail_quick(const Char* p, EventLine& l) {
    bool ok = true;
    std::uint32_t latch = 0;
    for (int k = 33; k < 41; ++k) {
        const unsigned h = hex(p[k]);
        ok &= h < 16;
        latch = latch << 4 | (h & 0xF);
    }
    // The decimal digits at `from`, `count` of them.
    const auto number = [p, &ok](int from, int count) {
        std::int32_t v = 0;
        for (int k = from; k < from + count; ++k) {
            const unsigned d = digit(p[k]);
            ok &= d <= 9;
            v = v * 10 + static_cast<std::int32_t>(d);
        }
        return v;
    };
    const std::int32_t hms = number(42, 6);
    const std::int32_t milli = number(49, 3);
    const std::int32_t date = number(53, 6);
    const std::int32_t satellites = number(62, 2);
    const unsigned flags = hex(p[65]);
    const bool sign = p[67] == Char('+') || p[67] == Char('-');
    const std::int32_t delay = sign ? number(68, 4) : number(67, 5);
    ok &= p[48] == Char('.') && (p[60] == Char('A') || p[60] == Char('V')) && flags < 16;
    if (!ok) return false;
    l.latch = latch;
    l.gps_ms = (hms / 10000 * 3600 + hms / 100 % 100 * 60 + hms % 100) * 1000 + milli;
    l.gps_date = date;
    l.gps_valid = p[60] == Char('A');
    l.satellites = static_cast<std::uint8_t>(satellites);
    l.flags = static_cast<std::uint8_t>(flags);
    l.delay_ms = p[67] == Char('-') ? -delay : delay;
    return true;
}

inline bool same(const char* a, const char* b, std::size_t n) { return same_bytes(a, b, n); }
inline bool same(const char16_t* a, const char16_t* b, std::size_t n) { return same_bytes(a, b, 2 * n); }

}  // namespace

template <typename Char>
bool LineReader::read_usual(const Char* p, EventLine& line) {
    // One test at the end: the blanks between words 10 to 16.
    const unsigned other = static_cast<unsigned>((p[41] ^ Char(' ')) | (p[52] ^ Char(' ')) | (p[59] ^ Char(' ')) |
                                                 (p[61] ^ Char(' ')) | (p[64] ^ Char(' ')) | (p[66] ^ Char(' ')));
    std::uint32_t counter = 0;
    std::uint64_t edges = 0;  // byte e of the word: edge e
    if (!head_quick(p, counter, edges) || other != 0) return false;
    const Char* tail = p + 33;
    constexpr int kTail = kUsualSize - 33;
    Char* kept = nullptr;
    bool& has = std::is_same_v<Char, char> ? has_tail8_ : has_tail16_;
    if constexpr (std::is_same_v<Char, char>) {
        kept = tail8_;
    } else {
        kept = tail16_;
    }
    if (!has || !same(tail, kept, kTail)) {
        // Words 10 to 16 as read_line reads them: at their places, else word by word.
        Fault fault;
        if (!tail_quick(p, last_) && ::daq::read(p, kUsualSize, last_, fault) != LineKind::event) {
            has = false;
            return false;
        }
        std::memcpy(kept, tail, sizeof(Char) * kTail);
        has = true;
        last_.words_id = ++words_ids_ == 0 ? ++words_ids_ : words_ids_;
    }
    line.counter = counter;
    if constexpr (std::endian::native == std::endian::little) {
        std::memcpy(line.edges, &edges, sizeof line.edges);  // one store
    } else {
        for (int e = 0; e < 2 * kChannels; ++e) line.edges[e] = static_cast<std::uint8_t>(edges >> 8 * e);
    }
    line.latch = last_.latch;
    line.gps_ms = last_.gps_ms;
    line.gps_date = last_.gps_date;
    line.gps_valid = last_.gps_valid;
    line.satellites = last_.satellites;
    line.flags = last_.flags;
    line.delay_ms = last_.delay_ms;
    line.words_id = last_.words_id;
    return true;
}

bool LineReader::usual(const char* p, EventLine& line) { return read_usual(p, line); }
bool LineReader::usual(const char16_t* p, EventLine& line) { return read_usual(p, line); }

LineKind LineReader::read(const char* p, std::int64_t n, EventLine& line, Fault& fault) {
    if (n == kUsualSize && read_usual(p, line)) {
        fault = Fault::none;
        return LineKind::event;
    }
    return read_line(p, n, line, fault);
}

LineKind LineReader::read(const char16_t* p, std::int64_t n, EventLine& line, Fault& fault) {
    if (n == kUsualSize && read_usual(p, line)) {
        fault = Fault::none;
        return LineKind::event;
    }
    return read_line(p, n, line, fault);
}

bool gps_second(const EventLine& line, std::int64_t& second) {
    if (!line.gps_valid || (line.flags & (kFlagGpsCorrupt | kFlagPpsOutOfRange)) != 0) return false;
    const int day = line.gps_date / 10000;
    const int month = line.gps_date / 100 % 100;
    const int year = 2000 + line.gps_date % 100;
    if (month < 1 || month > 12 || day < 1 || day > jours_du_mois(year, month)) return false;
    const std::int32_t s = line.gps_ms / 1000;
    if (s / 3600 > 23 || s / 60 % 60 > 59 || s % 60 > 60) return false;
    // The word's hh, mm and ss were read as written: 23:59:60 is a leap second.
    const std::int64_t ms = jours_depuis_1970(year, month, day) * 86'400'000 + line.gps_ms + line.delay_ms;
    second = floor_div(ms + 500, 1000);
    return true;
}

// ---------------------------------------------------------------------------

Clock::Clock(const ClockStart& start) {
    if (start.measured) {
        frequency_ = start.frequency_hz;
        period_ = 1 / frequency_;
        values_[0] = frequency_;
        count_ = 1;
        next_ = 1;
        measured_ = true;
    }
    seeded_ = true;
    if (start.has_reference) {
        has_reference_ = true;
        ref_latch_ = start.reference_latch;
        ref_second_ = start.reference_second;
    }
}

ClockStart Clock::start() const {
    ClockStart s;
    s.frequency_hz = frequency_hz();
    s.measured = measured_;
    s.has_reference = has_reference_;
    s.reference_latch = ref_latch_;
    s.reference_second = ref_second_;
    return s;
}

void Clock::new_gps_words(const EventLine& l) {
    words_ = l;
    gps_ = gps_second(l, gps_second_);
}

std::int64_t Clock::latch_line(std::int64_t latch, std::uint8_t flags) {
    if (has_latch_ && latch == latch_) {
        // The GPS second of a latch seen before without one.
        latch_gps_ = true;
        latch_second_ = gps_second_;
        return latch;
    }
    if (gps_) {
        if (has_mark_) {
            // The turns of the counter the GPS seconds since the mark hold:
            // the ticks counted within two seconds and a half of theirs (the
            // lines anywhere in their seconds, a GPS message late).
            constexpr double kTurn = 4294967296.0;
            const double f = frequency_hz();
            const double off = static_cast<double>(gps_second_ - mark_second_) * f -
                               static_cast<double>(ticks_ - mark_ticks_);
            const double turns = std::nearbyint(off / kTurn);
            if (turns != 0 && std::fabs(off - turns * kTurn) <= 2.5 * f) {
                const auto shift = static_cast<std::int64_t>(turns) * (std::int64_t{1} << 32);
                ticks_ += shift;
                latch += shift;
            }
        }
        has_mark_ = true;
        mark_ticks_ = ticks_;
        mark_second_ = gps_second_;
    }
    latch_changed(latch, gps_, gps_second_, (flags & kFlagPpsOutOfRange) != 0);
    return latch;
}

void Clock::gps_line(std::int64_t latch, std::int64_t second) {
    if (!has_reference_ || (!measured_ && latch != ref_latch_)) {
        reference(latch, second);  // nothing to count with yet
        return;
    }
    if (latch == ref_latch_) {
        // A GPS message that came after the first lines of its second.
        if (second == ref_second_ + 1) ref_second_ = second;
        return;
    }
    std::int64_t n = 0;
    if (whole_seconds(latch - ref_latch_, n)) {
        // A whole number of seconds after the reference: the GPS second
        // counted on, or the one before (its message not there yet), or the
        // one after (the reference's message was late).
        const std::int64_t counted = ref_second_ + n;
        if (second == counted || second == counted - 1) {
            reference(latch, counted);
            return;
        }
        if (second == counted + 1) {
            reference(latch, second);
            return;
        }
    }
    // Disagrees with the reference: the seconds that agree among themselves.
    if (candidates_ > 0 && latch == cand_latch_) {
        if (second == cand_second_ + 1) cand_second_ = second;
        return;
    }
    if (candidates_ > 0 && whole_seconds(latch - cand_latch_, n) && std::abs(second - (cand_second_ + n)) <= 1) {
        cand_latch_ = latch;
        cand_second_ = std::max(second, cand_second_ + n);
        if (++candidates_ >= kNewReference) reference(cand_latch_, cand_second_);
        return;
    }
    candidates_ = 1;
    cand_latch_ = latch;
    cand_second_ = second;
}

void Clock::reference(std::int64_t latch, std::int64_t second) {
    has_reference_ = true;
    ref_latch_ = latch;
    ref_second_ = second;
    candidates_ = 0;
}

bool Clock::whole_seconds(std::int64_t ticks, std::int64_t& n) const {
    const double f = frequency_hz();
    const auto d = static_cast<double>(ticks);
    const double whole = std::nearbyint(d / f);
    if (whole == 0 || std::fabs(d - whole * f) > kAgreement * f) return false;
    n = static_cast<std::int64_t>(whole);
    return true;
}

void Clock::latch_changed(std::int64_t latch, bool gps, std::int64_t second, bool glitch_flag) {
    if (glitch_flag) return;  // the 1PPS period was out of range: not a second of the clock
    if (has_latch_ && latch > latch_) {
        const auto d = static_cast<double>(latch - latch_);
        double n = 1;
        if (measured_) {
            n = std::nearbyint(d / frequency_);
        } else if (gps && latch_gps_) {
            n = static_cast<double>(second - latch_second_);
        }
        if (n >= 1 && n <= kLongestSpan) take_candidate(d / n);
    }
    has_latch_ = true;
    latch_ = latch;
    latch_gps_ = gps;
    latch_second_ = second;
}

void Clock::take_candidate(double hz) {
    if (!measured_) {
        // The last values, until kNewReference of them agree.
        std::copy(first_ + 1, first_ + kNewReference, first_);
        first_[kNewReference - 1] = hz;
        if (++firsts_ < kNewReference) return;
        const auto [low, high] = std::minmax_element(first_, first_ + kNewReference);
        const double m = median(first_, kNewReference);
        if (*high - *low > kAgreement * m) return;
        std::copy(first_, first_ + kNewReference, values_);
        count_ = kNewReference;
        next_ = kNewReference % kMedianOf;
        frequency_ = m;
        period_ = 1 / frequency_;
        measured_ = true;
        return;
    }
    if (std::fabs(hz - frequency_) > kAgreement * frequency_) return;  // a GPS glitch
    values_[next_] = hz;
    next_ = (next_ + 1) % kMedianOf;
    count_ = std::min(count_ + 1, kMedianOf);
    frequency_ = median(values_, count_);
    period_ = 1 / frequency_;
}

void Clock::time_at(std::int64_t ticks, std::int64_t& second, double& fraction) const {
    const std::int64_t base_ticks = has_reference_ ? ref_latch_ : 0;
    const std::int64_t base_second = has_reference_ ? ref_second_ : 0;
    const double s = static_cast<double>(ticks - base_ticks) * period_;
    // The floor, without a call: |s| is far below 2^63.
    std::int64_t whole = static_cast<std::int64_t>(s);
    whole -= static_cast<double>(whole) > s;
    second = base_second + whole;
    fraction = s - static_cast<double>(whole);
}

// ---------------------------------------------------------------------------

bool usable(const DecayChoices& c) {
    const auto channel = [](int k) { return k >= 0 && k < kChannels; };
    return channel(c.single_channel) && channel(c.double_channel) &&
           (c.veto_channel == kNoVeto ||
            (channel(c.veto_channel) && c.veto_channel != c.single_channel && c.veto_channel != c.double_channel)) &&
           std::isfinite(c.min_ns) && std::isfinite(c.max_ns) && c.min_ns >= 0 && c.min_ns <= c.max_ns;
}

Events::Events(const DecayChoices& choices, const ClockStart& start)
    : choices_(choices), clock_(start), double_(choices.double_channel) {}

bool Events::start(std::int64_t index) {
    const bool ended = open_;
    if (open_) close();
    open_ = true;
    first_line_ = index;
    start_ticks_ = clock_.ticks();
    std::fill(std::begin(rising_), std::end(rising_), 0);
    first_rising_ = std::numeric_limits<std::int64_t>::max();
    last_rising_ = std::numeric_limits<std::int64_t>::min();
    return ended;
}

bool Events::end() {
    if (!open_) return false;
    close();
    open_ = false;
    return true;
}

void Events::close() {
    ended_ = Event{};
    ended_.first_line = first_line_;
    clock_.time_at(start_ticks_, ended_.second, ended_.fraction);
    const int s = choices_.single_channel;
    const int d = choices_.double_channel;
    const int v = choices_.veto_channel;
    const bool veto_clear = v == kNoVeto || rising_[v] == 0;
    const bool pattern = s == d ? rising_[d] >= 2 : rising_[s] == 1 && rising_[d] >= 2;
    if (!veto_clear || !pattern) return;
    const double ns = static_cast<double>(last_rising_ - first_rising_) / 32 / clock_.frequency_hz() * 1e9;
    if (ns < choices_.min_ns || ns > choices_.max_ns) return;
    ended_.decay = true;
    ended_.decay_ns = ns;
}

}  // namespace daq
