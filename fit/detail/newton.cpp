#include "fit/detail/newton.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace fit::detail {

namespace {

// The Cholesky factor l of the leading n x n block of m (m = l l'); false when
// a pivot is not clearly positive, relative to its diagonal entry.
bool cholesky(const Matrix& m, int n, Matrix& l) {
    l = {};
    for (int j = 0; j < n; ++j) {
        double d = m[j][j];
        for (int k = 0; k < j; ++k) d -= l[j][k] * l[j][k];
        if (!std::isfinite(d) || !(d > 1e-13 * std::fabs(m[j][j]))) return false;
        l[j][j] = std::sqrt(d);
        for (int i = j + 1; i < n; ++i) {
            double s = m[i][j];
            for (int k = 0; k < j; ++k) s -= l[i][k] * l[j][k];
            l[i][j] = s / l[j][j];
        }
    }
    return true;
}

// Solves l l' x = b.
Vector solve(const Matrix& l, int n, const Vector& b) {
    Vector y{};
    for (int i = 0; i < n; ++i) {
        double s = b[i];
        for (int k = 0; k < i; ++k) s -= l[i][k] * y[k];
        y[i] = s / l[i][i];
    }
    Vector x{};
    for (int i = n - 1; i >= 0; --i) {
        double s = y[i];
        for (int k = i + 1; k < n; ++k) s -= l[k][i] * x[k];
        x[i] = s / l[i][i];
    }
    return x;
}

// Where to go from a point: the step over every parameter (zero for those held
// at a bound), and the EDM when the step is a plain Newton step.
struct Direction {
    Vector step{};
    std::array<bool, kMaxParameters> held{};
    bool newton = false;
    double edm = std::numeric_limits<double>::infinity();
};

Direction direction(const Local& at, const Vector& x, const NewtonSetup& s) {
    Direction d;
    int free[kMaxParameters];
    int k = 0;
    for (int i = 0; i < s.parameters; ++i) {
        const double g = at.gradient[i];
        d.held[i] = (x[i] <= s.bounds[i].lower && g > 0) || (x[i] >= s.bounds[i].upper && g < 0);
        if (!d.held[i]) free[k++] = i;
    }
    Matrix h{};
    Vector g{};
    bool flat = true;
    for (int a = 0; a < k; ++a) {
        g[a] = at.gradient[free[a]];
        flat = flat && g[a] == 0;
        for (int b = 0; b < k; ++b) h[a][b] = at.hessian[free[a]][free[b]];
    }
    if (k == 0 || flat) {
        d.newton = true;
        d.edm = 0;
        return d;
    }
    Matrix l;
    Vector p{};
    if (cholesky(h, k, l)) {
        p = solve(l, k, g);
        d.newton = true;
        d.edm = 0;
        for (int a = 0; a < k; ++a) d.edm += 0.5 * g[a] * p[a];
    } else {
        // Not positive definite: add a growing multiple of the diagonal, which
        // turns the step toward a scaled descent step.
        bool solved = false;
        double mu = 1e-6;
        for (int t = 0; t < 40 && !solved; ++t, mu *= 10) {
            Matrix damped = h;
            for (int a = 0; a < k; ++a) damped[a][a] += mu * std::max(std::fabs(h[a][a]), 1e-300);
            solved = cholesky(damped, k, l);
            if (solved) p = solve(l, k, g);
        }
        if (!solved) {
            for (int a = 0; a < k; ++a) p[a] = g[a] / std::max(std::fabs(h[a][a]), 1e-300);
        }
    }
    for (int a = 0; a < k; ++a) d.step[free[a]] = -p[a];
    return d;
}

}  // namespace

NewtonOutcome minimise(const LocalFunction& f, const Vector& start, const NewtonSetup& s) {
    const int n = s.parameters;
    const auto project = [&](Vector v) {
        for (int i = 0; i < n; ++i) v[i] = std::clamp(v[i], s.bounds[i].lower, s.bounds[i].upper);
        return v;
    };
    NewtonOutcome out;
    out.x = project(start);
    out.at = f(out.x);
    bool newton = false;
    for (;;) {
        const Direction d = direction(out.at, out.x, s);
        out.edm = d.edm;
        out.at_bound = d.held;
        newton = d.newton;
        if (newton && d.edm < s.goal) {
            out.converged = true;
            break;
        }
        if (out.iterations >= s.max_iterations) break;
        ++out.iterations;

        double alpha = 1;
        for (int i = 0; i < n; ++i) {
            if (s.relative_step[i] && d.step[i] != 0)
                alpha = std::min(alpha, 0.5 * std::fabs(out.x[i]) / std::fabs(d.step[i]));
        }
        // Near the minimum the decrease drowns in the rounding of the value:
        // a step that raises it by no more than that is taken.
        const double noise = 64 * std::numeric_limits<double>::epsilon() * std::fabs(out.at.value);
        bool accepted = false;
        for (int halving = 0; halving < 60 && !accepted; ++halving, alpha *= 0.5) {
            Vector trial = out.x;
            for (int i = 0; i < n; ++i) trial[i] += alpha * d.step[i];
            trial = project(trial);
            if (trial == out.x) break;
            const Local t = f(trial);
            double slope = 0;
            for (int i = 0; i < n; ++i) slope += out.at.gradient[i] * (trial[i] - out.x[i]);
            // A plain Newton step from within the loose goal of the minimum is
            // taken as it is: the change it makes is below the rounding of a
            // sum over many values.
            const bool near = d.newton && d.edm < s.loose_goal && alpha == 1;
            if (std::isfinite(t.value) && (near || t.value <= out.at.value + 1e-4 * slope + noise)) {
                out.x = trial;
                out.at = t;
                accepted = true;
            }
        }
        if (!accepted) break;
    }
    if (!out.converged && newton && out.edm < s.loose_goal) {
        out.converged = true;
        out.loose = true;
    }
    return out;
}

NewtonOutcome minimise(const LocalFunction& f, std::initializer_list<Vector> starts, const NewtonSetup& setup) {
    NewtonOutcome out;
    for (const Vector& start : starts) {
        out = minimise(f, start, setup);
        if (out.converged) break;
    }
    return out;
}

bool invert_positive(const Matrix& m, int n, Matrix& inverse) {
    Matrix l;
    if (!cholesky(m, n, l)) return false;
    inverse = {};
    for (int j = 0; j < n; ++j) {
        Vector e{};
        e[j] = 1;
        const Vector column = solve(l, n, e);
        for (int i = 0; i < n; ++i) inverse[i][j] = column[i];
    }
    return true;
}

}  // namespace fit::detail
