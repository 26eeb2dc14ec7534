#include "text/steps.h"

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
