#pragma once
// Written by make_reference.py beside it (iminuit: MIGRAD, HESSE, MINOS); do not edit.
// Each data set is drawn by toy_durations (tests/support/toy_durations.h).
#include "fit/lifetime_fit.h"

struct ReferenceFit {
    const char* name;
    unsigned long long seed;
    int count;
    double background;
    int ticks_per_unit;
    double t_min, t_max;
    fit::Model model;
    fit::Method method;
    double dX;
    int n_classe, skipped;
    struct {
        double events, tau, tau_error;
        double minos_lower, minos_upper;  // MINOS errors: below tau (negative) and above
        double b, b_error, correlation, chi2;
        bool at_limit;  // b at 0: tau and its error are the exponential alone's
    } minuit;
};

using fit::kNone;

inline const ReferenceFit kReferenceFits[] = {
    {"exp+flat, 2000 events, 5 %", 1, 2000, 0.05, 1, 10.0, 2200.0,
     fit::Model::exp_flat, fit::Method::unbinned, 10.0, 0, 0,
     {1914.0, 206.50094281285132, 5.789451445201069, -5.7022993450285915, 5.878907697429585, 0.05317125302543847, 0.007880365246449575, -0.35485240662467105, 233.4689993743263, false}},
    {"exp+flat, short window, 10 %", 2, 1500, 0.1, 1, 10.0, 770.0,
     fit::Model::exp_flat, fit::Method::unbinned, 10.0, 0, 0,
     {1304.0, 233.22583279868138, 19.71784038945421, -18.436650327368138, 12.855227293625637, 0.012123365990129859, 0.05510594814973003, -0.8941953770949372, 53.57529704723211, false}},
    {"exp+flat, b at its limit", 100, 400, 0.0, 10, 10.0, 2200.0,
     fit::Model::exp_flat, fit::Method::unbinned, 10.0, 0, 0,
     {386.0, 220.03136175347473, 11.225781187796025, -10.850972342820192, 11.622880908607172, 0.0, kNone, kNone, kNone, true}},
    {"exp alone, 300 events", 4, 300, 0.0, 10, 0.0, 1000.0,
     fit::Model::exp_only, fit::Method::unbinned, 10.0, 0, 0,
     {298.0, 221.6747299525488, 14.620094217021354, -13.890386146346977, 15.431249500787922, kNone, kNone, kNone, kNone, false}},
    {"binned exp+flat, 3000 events", 5, 3000, 0.05, 1, 0.0, 2200.0,
     fit::Model::exp_flat, fit::Method::binned, 20.0, 110, 1,
     {2767.0, 212.123684722947, 5.102863602883973, -5.035085249326341, 5.1728137700449235, 0.05969369801286404, 0.007147206299671255, -0.37815466944419607, 133.56493428173746, false}},
    {"binned exp alone, 1000 events", 6, 1000, 0.0, 10, 0.0, 800.0,
     fit::Model::exp_only, fit::Method::binned, 10.0, 80, 0,
     {983.0, 218.90612272323355, 8.757175464377859, -8.471138456079133, 9.063669580930679, kNone, kNone, kNone, 82.84810036093042, false}},
};
