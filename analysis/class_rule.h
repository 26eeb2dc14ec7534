#pragma once
// Which class a duration falls in: class k of width dX holds the durations d
// with trunc(d / dX) = k, the quotient taken in extended precision, so that a
// duration between -dX and 0 counts in class 0. Plain C++: the lifetime fit
// makes its histogram by the same rule.
#include <cstdint>
#include <optional>

// The class of `duree` among classes 0 .. classes - 1 of width dX (above 0),
// or nothing when it lies outside them.
inline std::optional<std::int32_t> classe_de(long double duree, long double dX, std::int32_t classes) {
    const long double q = duree / dX;
    if (!(q > -1 && q < classes)) return std::nullopt;
    return static_cast<std::int32_t>(q);  // toward zero
}
