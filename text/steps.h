#pragma once
// Stepping along 1, 2, ..., 9, 10, 20, ..., 100, 200, ...: values j x 10^k, j = 1..10.
#include <cstdint>

// The smallest grid value not below x (decades 10^-9 .. 10^10); digit := j.
// Above 10^11 nothing is found: 10, digit unchanged.
long double pas_superieur(std::int32_t& digit, long double x);
// The largest grid value not above x (decades 10^11 .. 10^-8); digit := j.
// Below 10^-8 nothing is found: 1, digit unchanged.
long double pas_inferieur(std::int32_t& digit, long double x);
