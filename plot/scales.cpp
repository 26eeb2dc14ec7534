#include "plot/scales.h"

#include "platform/numbers.h"
#include "plot/plot_scales.h"
#include "text/steps.h"

namespace {
// The scale factor of the stepping and the autoscale, in extended precision.
constexpr long double FACTEUR = 1.1L;
}  // namespace

long double arrondi_cinq(long double x) {
    return 5 * static_cast<long double>(platform::round_to_int((x + 2.5L) / 5));
}

void lit_echelles(int n, QStringView texte_x, QStringView texte_y) {
    plot_scales.echelle_x[n] = platform::str_to_float(texte_x);
    plot_scales.echelle_y[n] = platform::str_to_float(texte_y);
    plot_scales.pas_x[n] = arrondi_cinq(plot_scales.echelle_x[n] / 10);
    plot_scales.pas_y[n] = arrondi_cinq(plot_scales.echelle_y[n] / 10);
}

QString abaisse_echelle(QStringView texte) {
    const std::int32_t v = platform::str_to_int(texte);
    std::int32_t chiffre = 0;
    return platform::decimal(platform::round_to_int(pas_inferieur(chiffre, v / FACTEUR)));
}

QString eleve_echelle(QStringView texte) {
    const std::int32_t v = platform::str_to_int(texte);
    std::int32_t chiffre = 0;
    return platform::decimal(platform::round_to_int(pas_superieur(chiffre, v * FACTEUR)));
}

std::optional<QString> valeur_autoscale(long double maximum) {
    if (!(maximum > 0)) return std::nullopt;
    const std::int32_t m = platform::round_to_int(maximum * FACTEUR);
    return platform::decimal(platform::round_to_int(arrondi_cinq(m)));
}
