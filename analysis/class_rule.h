#pragma once
// Which class a duration falls in: class k of width dX holds the durations d
// with trunc(d / dX) = k, the quotient taken in extended precision, so that a
// duration between -dX and 0 counts in class 0. Plain C++: the lifetime fit
// makes its histogram by the same rule.
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <optional>

// The class of `duree` among classes 0 .. classes - 1 of width dX (above 0),
// or nothing when it lies outside them.
inline std::optional<std::int32_t> classe_de(long double duree, long double dX, std::int32_t classes) {
    const long double q = duree / dX;
    if (!(q > -1 && q < classes)) return std::nullopt;
    return static_cast<std::int32_t>(q);  // toward zero
}

// The same rule for many durations that are doubles, with one width and one
// number of classes. An extended division is slow, and so is a division of
// doubles; when dX is a double whose inverse is a normal double, the duration
// times that inverse (two roundings: the inverse and the product) lies within
// a relative 2^-51 of the exact quotient, and the extended one within 2^-64:
// away from every integer by more than both, the quotient in doubles has the
// class of the extended one. Only the durations whose quotient comes that
// close to an integer (a duration on a class bound, or 0) take the extended
// division.
class RegleDesClasses {
public:
    RegleDesClasses(long double dX, std::int32_t classes)
        : dX_(dX),
          classes_(classes),
          dX_double_(static_cast<double>(dX)),
          inverse_(1 / dX_double_),  // not used unless a normal double
          // Above 2^-48 of the largest quotient that can lie in a class: eight
          // times the error of the quotient in doubles, and far above
          // the extended one's. A quotient below it (a product that may have
          // lost precision below the normal doubles) takes the extended rule.
          marge_((static_cast<double>(classes) + 2) * 0x1p-48),
          rapide_(static_cast<long double>(dX_double_) == dX && dX_double_ >= DBL_MIN && dX_double_ <= DBL_MAX &&
                  inverse_ >= DBL_MIN) {}

    std::optional<std::int32_t> operator()(double duree) const {
        if (rapide_) {
            const double q = duree * inverse_;
            if (q >= marge_ && q < classes_ - marge_) {
                const auto k = static_cast<std::int32_t>(q);
                const double reste = q - k;  // exact
                if (reste >= marge_ && reste <= 1 - marge_) return k;
            } else if (q <= -1 - marge_ || q >= classes_ + marge_) {
                return std::nullopt;
            }
        }
        return classe_de(duree, dX_, classes_);
    }

private:
    long double dX_;
    std::int32_t classes_;
    double dX_double_;
    double inverse_;
    double marge_;
    bool rapide_;
};
