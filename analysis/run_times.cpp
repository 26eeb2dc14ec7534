#include "analysis/run_times.h"

#include <cmath>

std::vector<double> secondes_des_enregistrements(const RecordStore& store) {
    const auto n = static_cast<std::size_t>(store.nb_points[1]);
    const double* x = store.serie_x[1].data() + 1;  // the records start at index 1
    // Copied, then multiplied in place: two plain loops over the doubles,
    // which the compiler does several at a time (written once, not zeroed first).
    std::vector<double> secondes(x, x + n);
    for (double& s : secondes) s *= 60;
    return secondes;
}

double heure_de_l_origine_s(long double origine_temps) {
    const double s = static_cast<double>(origine_temps) * 60;
    return std::isfinite(s) && s >= 0 ? s : 0;
}
