#pragma once
// A bounded Newton iteration for the two or three parameters of a lifetime fit,
// on the analytic gradient and Hessian that the caller computes.
//
// Each parameter lies in a closed interval. A parameter on a bound whose
// gradient pushes it outward stays there (it is then "at its bound"); the
// others take the Newton step, damped when the Hessian is not positive definite
// and shortened by halving until the function goes down. The iteration stops
// when the estimated distance to the minimum (EDM, half of g' H^-1 g) is below
// the goal; when it stalls above the goal, a looser goal is accepted before the
// iteration is called a failure. The number of iterations and of halvings is
// bounded, so no input can make it run for ever.
#include <array>
#include <functional>
#include <initializer_list>

namespace fit::detail {

constexpr int kMaxParameters = 3;
using Vector = std::array<double, kMaxParameters>;
using Matrix = std::array<Vector, kMaxParameters>;

// A function with its gradient and Hessian at one point.
struct Local {
    double value = 0;
    Vector gradient{};
    Matrix hessian{};
};

struct Interval {
    double lower = 0;
    double upper = 0;
};

struct NewtonSetup {
    int parameters = 2;
    std::array<Interval, kMaxParameters> bounds{};
    // A step changes these parameters by at most half their value: a scale
    // such as a decay rate never jumps to zero or across orders of magnitude.
    std::array<bool, kMaxParameters> relative_step{};
    int max_iterations = 100;
    double goal = 1e-12;
    double loose_goal = 1e-6;
};

struct NewtonOutcome {
    Vector x{};
    Local at{};  // the function at x
    double edm = 0;
    bool converged = false;
    bool loose = false;  // converged to the loose goal only
    std::array<bool, kMaxParameters> at_bound{};
    int iterations = 0;
};

using LocalFunction = std::function<Local(const Vector&)>;

NewtonOutcome minimise(const LocalFunction& f, const Vector& start, const NewtonSetup& setup);

// From each start in turn until one converges; the last outcome when none does.
NewtonOutcome minimise(const LocalFunction& f, std::initializer_list<Vector> starts, const NewtonSetup& setup);

// The inverse of the leading n x n block of a symmetric matrix, through its
// Cholesky factor; false when the block is not positive definite.
bool invert_positive(const Matrix& m, int n, Matrix& inverse);

}  // namespace fit::detail
