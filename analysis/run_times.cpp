#include "analysis/run_times.h"

#include <algorithm>
#include <cmath>

std::span<const double> minutes_des_enregistrements(const RecordStore& store) {
    const auto n = static_cast<std::size_t>(std::max(store.nb_points[1], 0));
    return {store.serie_x[1].data() + 1, n};  // the records start at index 1
}

std::vector<double> secondes_des_enregistrements(const RecordStore& store) {
    const std::span<const double> x = minutes_des_enregistrements(store);
    // Copied, then multiplied in place: two plain loops over the doubles,
    // which the compiler does several at a time (written once, not zeroed first).
    std::vector<double> secondes(x.begin(), x.end());
    for (double& s : secondes) s *= kSecondesParMinute;
    return secondes;
}

double heure_de_l_origine_s(long double origine_temps) {
    const double s = static_cast<double>(origine_temps) * 60;
    return std::isfinite(s) && s >= 0 ? s : 0;
}
