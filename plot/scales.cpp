#include "plot/scales.h"

#include "platform/numbers.h"
#include "text/steps.h"

long double arrondi_cinq(long double x) { return 5 * static_cast<long double>(platform::round_to_int((x + 2.5L) / 5)); }

void prend_echelles(int n, long double echelle_x, long double echelle_y, PlotScales& echelles) {
    echelles.echelle_x[n] = echelle_x;
    echelles.echelle_y[n] = echelle_y;
    echelles.pas_x[n] = arrondi_cinq(echelles.echelle_x[n] / 10);
    echelles.pas_y[n] = arrondi_cinq(echelles.echelle_y[n] / 10);
}

std::optional<QString> valeur_autoscale(long double maximum) {
    if (!(maximum > 0)) return std::nullopt;
    const std::int32_t m = platform::round_to_int(maximum * FACTEUR_ECHELLE);
    return platform::decimal(platform::round_to_int(arrondi_cinq(m)));
}
