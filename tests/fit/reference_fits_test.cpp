// Small data sets fitted by vorns and, once, by iminuit (the reference table
// fit/validation/reference_fits.h, made by make_reference.py beside it).
// Tolerances: those of the validation against iminuit.
#include "fit/lifetime_fit.h"
#include "fit/validation/reference_fits.h"
#include "support/toy_durations.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

void expect_within(const char* what, double got, double want, double tolerance) {
    if (std::isnan(want)) return;
    EXPECT_LE(std::fabs(got - want), tolerance) << what << ": " << got << " against " << want;
}

}  // namespace

TEST(ReferenceFits, AgreeWithIminuitOnTheSameEvents) {
    for (const ReferenceFit& c : kReferenceFits) {
        SCOPED_TRACE(c.name);
        const std::vector<double> durations = toy_durations(c.seed, c.count, c.background, c.ticks_per_unit);
        fit::Request request;
        request.durations = durations;
        request.t_min = c.t_min;
        request.t_max = c.t_max;
        request.model = c.model;
        request.method = c.method;
        request.classes = {c.dX, c.n_classe, c.skipped, {}};
        const fit::Result r = fit::fit_lifetime(request);
        const auto& m = c.minuit;

        ASSERT_EQ(r.status, fit::Status::converged);
        EXPECT_EQ(r.events, m.events);
        EXPECT_EQ(r.background_at_limit(), m.at_limit);
        const bool alone = c.model == fit::Model::exp_only && c.method == fit::Method::unbinned;
        if (alone) {
            expect_within("tau", r.tau, m.tau, 1e-9 * m.tau);
            expect_within("error of tau", r.tau_error, m.tau_error, 1e-6 * m.tau_error);
        } else if (m.at_limit) {
            expect_within("tau", r.tau, m.tau, 0.02 * m.tau_error);
            expect_within("error of tau", r.tau_error, m.tau_error, 0.1 * m.tau_error);
        } else {
            expect_within("tau", r.tau, m.tau, std::max(1e-4 * m.tau, 0.02 * m.tau_error));
            expect_within("error of tau", r.tau_error, m.tau_error, 0.01 * m.tau_error);
            expect_within("b", r.background_fraction, m.b, std::max(1e-5, 0.02 * m.b_error));
            expect_within("error of b", r.background_fraction_error, m.b_error, 0.01 * m.b_error);
            expect_within("correlation", r.correlation, m.correlation, 0.01);
            expect_within("chi2", r.goodness.chi2, m.chi2, 1e-3 * m.chi2);
        }
        expect_within("lower side of the interval", r.tau_lower - r.tau, m.minos_lower, 0.02 * -m.minos_lower);
        expect_within("upper side of the interval", r.tau_upper - r.tau, m.minos_upper, 0.02 * m.minos_upper);
    }
}
