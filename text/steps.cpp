#include "text/steps.h"

#include "platform/errors.h"
#include "platform/numbers.h"

namespace {
// j x 10^k as the nearest extended value, so that an argument written as a
// decimal grid value compares equal to it.
long double grid_value(int j, int k) {
    long double power = 1;
    for (int i = 0; i < (k < 0 ? -k : k); ++i) power *= 10;  // exact up to 10^27
    return k < 0 ? static_cast<long double>(j) / power : static_cast<long double>(j) * power;
}
}  // namespace

long double pas_superieur(std::int32_t& digit, long double x) {
    for (int k = -9; k <= 10; ++k) {
        for (int j = 1; j <= 10; ++j) {
            const long double v = grid_value(j, k);
            if (x <= v) {
                digit = j;
                return v;
            }
        }
    }
    return 10;
}

long double pas_inferieur(std::int32_t& digit, long double x) {
    for (int k = 11; k >= -8; --k) {
        for (int j = 10; j >= 1; --j) {
            const long double v = grid_value(j, k);
            if (x >= v) {
                digit = j;
                return v;
            }
        }
    }
    return 1;
}

QString abaisse_echelle(QStringView texte) {
    const std::int32_t v = platform::str_to_int(texte);
    std::int32_t chiffre = 0;
    return platform::decimal(platform::round_to_int(pas_inferieur(chiffre, v / FACTEUR_ECHELLE)));
}

QString eleve_echelle(QStringView texte) {
    const std::int32_t v = platform::str_to_int(texte);
    std::int32_t chiffre = 0;
    return platform::decimal(platform::round_to_int(pas_superieur(chiffre, v * FACTEUR_ECHELLE)));
}

std::optional<QString> echelle_agrandie(QStringView texte, long double valeur) {
    if (!(valeur > platform::str_to_int(texte))) return std::nullopt;
    std::int32_t chiffre = 0;
    const long double pas = pas_superieur(chiffre, valeur);
    // Beyond the last step (10^11) there is none to widen to, and the
    // stepping's fallback of 10 would shrink the axis.
    if (pas < valeur) platform::raise_overflow();
    return platform::decimal(platform::round_to_int(pas));
}
