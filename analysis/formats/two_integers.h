#pragma once
// The "two integers a line" format of a common teaching apparatus:
// "1620 1574345682", a value and Unix seconds separated by blanks, no header.
// A value below 40 000 is a decay of that many nanoseconds; 40 000 + n is a
// count record: n muons crossed the detector in that second without a decay.
#include <QByteArrayView>
#include <QStringView>
#include <cstdint>

inline constexpr std::int64_t kDebutDesComptages = 40000;
inline constexpr std::int64_t kSecondesUnixMax = 253402300799;  // 9999-12-31 23:59:59 UTC

struct LigneDeuxEntiers {
    enum class Sorte { vide, desintegration, comptage };
    Sorte sorte = Sorte::vide;  // vide: a line of blanks, no record
    std::int64_t nombre = 0;    // the decay's nanoseconds, or the count's muons
    std::int64_t secondes = 0;  // Unix seconds
};

// One line (without its line end). Raises platform::Error with the reason for
// a line that is neither: not two integers, a negative value, a number too long.
LigneDeuxEntiers lit_deux_entiers(QStringView ligne);
// The same on the line's bytes (ASCII, UTF-8 or Windows-1252: only ASCII reads).
LigneDeuxEntiers lit_deux_entiers(QByteArrayView ligne);
