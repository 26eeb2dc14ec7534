// Small data sets fitted by vorns and, once, by iminuit (the reference table
// tests/validation/reference_fits.h, made by make_reference.py beside it), one
// table per model. Tolerances: those of the validation against iminuit.
#include "fit/lifetime_fit.h"
#include "validation/reference_fits.h"
#include "support/toy_durations.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

void expect_within(const char* what, double got, double want, double tolerance) {
    if (std::isnan(want)) return;
    EXPECT_LE(std::fabs(got - want), tolerance) << what << ": " << got << " against " << want;
}

std::vector<double> durations_of(const ReferenceFit& c) {
    ToyRun run{c.seed, c.count, c.background, c.step, c.truncate};
    if (c.capture.true_rho > 0) {
        run.tau = fit::kFreeLifetimeNs / c.capture.unit_ns;
        run.flat_end = 2200 * 10 / c.capture.unit_ns;
        run.tau_minus = c.capture.tau_minus_ns / c.capture.unit_ns;
        run.rho = c.capture.true_rho;
    }
    return toy_run(run);
}

// Fits every reference data set of the model, and compares.
void agree_with_iminuit(fit::Model model) {
    int sets = 0;
    for (const ReferenceFit& c : kReferenceFits) {
        if (c.model != model) continue;
        ++sets;
        SCOPED_TRACE(c.name);
        const std::vector<double> durations = durations_of(c);
        fit::Request request;
        request.durations = durations;
        request.t_min = c.t_min;
        request.t_max = c.t_max;
        request.model = c.model;
        request.method = c.method;
        request.classes = {c.dX, c.n_classe, c.skipped, {}};
        request.unit_ns = c.capture.unit_ns;
        request.muons = {c.capture.tau_minus_ns, c.capture.rho};
        const fit::Result r = fit::fit_lifetime(request);
        const auto& m = c.minuit;

        ASSERT_EQ(r.status, fit::Status::converged);
        EXPECT_EQ(r.events, m.events);
        EXPECT_EQ(r.background_at_limit(), m.at_limit);
        // The figure fitted: tau, or rho for charge-ratio.
        const bool ratio = c.model == fit::Model::charge_ratio;
        const double value = ratio ? r.rho : r.tau;
        const double error = ratio ? r.rho_error : r.tau_error;
        const bool alone = c.model == fit::Model::exp_only && c.method == fit::Method::unbinned;
        if (alone) {
            expect_within("tau", value, m.value, 1e-9 * m.value);
            expect_within("error of tau", error, m.error, 1e-6 * m.error);
        } else if (m.at_limit) {
            expect_within("tau", value, m.value, 0.02 * m.error);
            expect_within("error of tau", error, m.error, 0.1 * m.error);
        } else {
            expect_within("value", value, m.value, std::max(1e-4 * m.value, 0.02 * m.error));
            expect_within("error", error, m.error, 0.01 * m.error);
            expect_within("b", r.background_fraction, m.b, std::max(1e-5, 0.02 * m.b_error));
            expect_within("error of b", r.background_fraction_error, m.b_error, 0.01 * m.b_error);
            expect_within("correlation", r.correlation, m.correlation, 0.01);
            expect_within("chi2", r.goodness.chi2, m.chi2, 1e-3 * m.chi2);
        }
        const double lower = ratio ? r.rho_lower : r.tau_lower;
        const double upper = ratio ? r.rho_upper : r.tau_upper;
        expect_within("lower side of the interval", lower - value, m.minos_lower, 0.02 * -m.minos_lower);
        expect_within("upper side of the interval", upper - value, m.minos_upper, 0.02 * m.minos_upper);
        // What the capture models report beside it.
        if (fit::is_capture_model(c.model)) {
            EXPECT_DOUBLE_EQ(r.tau_minus, c.capture.tau_minus_ns / c.capture.unit_ns);
            EXPECT_DOUBLE_EQ(r.tau_free, ratio ? fit::kFreeLifetimeNs / c.capture.unit_ns : r.tau);
            if (!ratio) {
                EXPECT_EQ(r.rho, c.capture.rho);
            }
            EXPECT_EQ(std::isnan(r.tau), ratio);
        }
    }
    EXPECT_GE(sets, 2);
}

}  // namespace

TEST(ReferenceFits, ExponentialAndBackground) { agree_with_iminuit(fit::Model::exp_flat); }
TEST(ReferenceFits, ExponentialAlone) { agree_with_iminuit(fit::Model::exp_only); }
TEST(ReferenceFits, FreeAndCapturedMuons) { agree_with_iminuit(fit::Model::mu_capture); }
TEST(ReferenceFits, ChargeRatio) { agree_with_iminuit(fit::Model::charge_ratio); }
