#pragma once
// Written by make_reference.py beside it (iminuit: MIGRAD, HESSE, MINOS); do not edit.
// Each data set is drawn by toy_run (tests/support/toy_durations.h).
#include "fit/lifetime_fit.h"

struct ReferenceFit {
    const char* name;
    unsigned long long seed;
    int count;
    double background;
    double step;    // of the clock
    bool truncate;  // the counter truncates (else it rounds)
    double t_min, t_max;
    fit::Model model;
    fit::Method method;
    double dX;
    int n_classe, skipped;
    struct {
        double unit_ns, tau_minus_ns;
        double rho;       // fixed by mu-capture, where charge-ratio starts
        double true_rho;  // drawn (0: one exponential)
    } capture;
    struct {
        double events;
        double value, error;              // tau (charge-ratio: rho) and its Hessian error
        double minos_lower, minos_upper;  // MINOS errors: below the value (negative) and above
        double b, b_error, correlation, chi2;
        bool at_limit;  // b at 0: tau and its error are the exponential alone's
    } minuit;
};

using fit::kNone;

inline const ReferenceFit kReferenceFits[] = {
    {"exp+flat, 2000 events, 5 %", 1, 2000, 0.05, 1.0, false, 10.0, 2200.0,
     fit::Model::exp_flat, fit::Method::unbinned, 10.0, 0, 0,
     {kNone, 0.0, 0.0, 0.0},
     {1914.0, 206.49989417694755, 5.789005303466209, -5.701792020525158, 5.8794082837162245, 0.05317152147506807, 0.00788021948671293, -0.35480299201104193, 233.4690019000489, false}},
    {"exp+flat, short window, 10 %", 2, 1500, 0.1, 1.0, false, 10.0, 770.0,
     fit::Model::exp_flat, fit::Method::unbinned, 10.0, 0, 0,
     {kNone, 0.0, 0.0, 0.0},
     {1304.0, 233.21502621368552, 19.71048626789009, -18.42794443317624, 12.86516454650251, 0.01216168195284202, 0.055090276600561774, -0.8941257958578211, 53.57533895381005, false}},
    {"exp+flat, b at its limit", 100, 400, 0.0, 0.1, false, 10.0, 2200.0,
     fit::Model::exp_flat, fit::Method::unbinned, 10.0, 0, 0,
     {kNone, 0.0, 0.0, 0.0},
     {386.0, 220.03135794786022, 11.225780999587803, -10.850972245510597, 11.622880804149712, 0.0, kNone, kNone, kNone, true}},
    {"exp+flat, truncating clock of 20 from 0", 7, 3000, 0.03, 20.0, true, 0.0, 2200.0,
     fit::Model::exp_flat, fit::Method::unbinned, 40.0, 0, 0,
     {kNone, 0.0, 0.0, 0.0},
     {2775.0, 216.03628502714128, 4.998866180304335, -4.936135659903409, 5.063653200271939, 0.03429374760795935, 0.005804635187598206, -0.39110547106333626, 52.31695066109636, false}},
    {"exp alone, 300 events from 0", 4, 300, 0.0, 0.1, false, 0.0, 1000.0,
     fit::Model::exp_only, fit::Method::unbinned, 10.0, 0, 0,
     {kNone, 0.0, 0.0, 0.0},
     {298.0, 221.6124812843581, 14.614683817102536, -13.885353999490722, 15.425404130648934, kNone, kNone, kNone, kNone, false}},
    {"exp alone, truncating clock of 11 from 0", 12, 2000, 0.0, 11.0, true, 0.0, 1500.0,
     fit::Model::exp_only, fit::Method::unbinned, 22.0, 0, 0,
     {kNone, 0.0, 0.0, 0.0},
     {1899.0, 212.05520372851976, 4.974968914690266, -4.893960512346414, 5.058495512065353, kNone, kNone, kNone, kNone, false}},
    {"binned exp+flat, 3000 events", 5, 3000, 0.05, 1.0, false, 0.0, 2200.0,
     fit::Model::exp_flat, fit::Method::binned, 20.0, 110, 1,
     {kNone, 0.0, 0.0, 0.0},
     {2767.0, 212.123684722947, 5.102949386930041, -5.035085249326341, 5.1728137700449235, 0.05969369801286404, 0.007147575264561749, -0.3781885911771323, 133.56493428173746, false}},
    {"binned exp alone, 1000 events", 6, 1000, 0.0, 0.1, false, 0.0, 800.0,
     fit::Model::exp_only, fit::Method::binned, 10.0, 80, 0,
     {kNone, 0.0, 0.0, 0.0},
     {983.0, 218.90612272323355, 8.757198072954958, -8.471138456079133, 9.063669580930679, kNone, kNone, kNone, 82.84810036093042, false}},
    {"mu-capture, carbon, clock 0.1", 8, 20000, 0.03, 0.1, false, 10.0, 2000.0,
     fit::Model::mu_capture, fit::Method::unbinned, 10.0, 0, 0,
     {10.0, 2026.3, 1.27, 1.27},
     {19037.0, 220.20947987842362, 3.2048917933155048, -3.1990032772420687, 3.211237086837874, 0.029005972898585964, 0.0022135765530539864, -0.43332998440897036, 229.60711301651082, false}},
    {"mu-capture, oxygen, rho 1.1, continuous", 9, 5000, 0.03, 9.313225746154785e-10, false, 20.0, 1500.0,
     fit::Model::mu_capture, fit::Method::unbinned, 10.0, 0, 0,
     {10.0, 1795.4, 1.1, 1.1},
     {4485.0, 227.93721062415506, 7.170814492463152, -7.124577691342195, 7.222728109428791, 0.02249852648285882, 0.006299304699501754, -0.6249638199607089, 117.15374818188823, false}},
    {"charge-ratio, carbon, clock 0.1", 10, 50000, 0.03, 0.1, false, 10.0, 2000.0,
     fit::Model::charge_ratio, fit::Method::unbinned, 10.0, 0, 0,
     {10.0, 2026.3, 1.27, 1.27},
     {47612.0, 0.8124604937122806, 0.2258466994574223, -0.1997088767595275, 0.2598460581180916, 0.030999567315643507, 0.001409469804768845, -0.40800328616233617, 200.60453683812977, false}},
    {"charge-ratio, 1900 ns, continuous, 1 ns units", 11, 20000, 0.02, 9.313225746154785e-10, false, 100.0, 20000.0,
     fit::Model::charge_ratio, fit::Method::unbinned, 100.0, 0, 0,
     {1.0, 1900.0, 1.27, 1.5},
     {19015.0, 1.14452627182554, 0.2742620517310809, -0.24100869920862888, 0.3181643169630167, 0.01869028875093487, 0.0018492108844995396, -0.3842831788786457, 193.42335627985972, false}},
};
