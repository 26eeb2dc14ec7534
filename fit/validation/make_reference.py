#!/usr/bin/env python3
"""Writes reference_fits.h beside it: a handful of small data sets, drawn as
tests/support/toy_durations.h draws them, fitted by iminuit (minuit_fits.py). The
unit tests fit the same data sets with vorns and compare.

    /usr/bin/python3 fit/validation/make_reference.py"""
import math
import os
import sys

import numpy as np

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import minuit_fits as mf  # noqa: E402

MASK = (1 << 64) - 1

# name, seed, count, background, ticks per unit, t_min, t_max, model, method, dX, n_classe, skipped
DATA_SETS = [
    ("exp+flat, 2000 events, 5 %", 1, 2000, 0.05, 1, 10, 2200, "exp_flat", "unbinned", 10, 0, 0),
    ("exp+flat, short window, 10 %", 2, 1500, 0.10, 1, 10, 770, "exp_flat", "unbinned", 10, 0, 0),
    ("exp+flat, b at its limit", None, 400, 0.0, 10, 10, 2200, "exp_flat", "unbinned", 10, 0, 0),
    ("exp alone, 300 events", 4, 300, 0.0, 10, 0, 1000, "exp_only", "unbinned", 10, 0, 0),
    ("binned exp+flat, 3000 events", 5, 3000, 0.05, 1, 0, 2200, "exp_flat", "binned", 20, 110, 1),
    ("binned exp alone, 1000 events", 6, 1000, 0.0, 10, 0, 800, "exp_only", "binned", 10, 80, 0),
]


def toy_durations(seed, count, background, ticks, tau=220.0, flat_end=2200.0):
    state = seed

    def uniform():
        nonlocal state
        state = (state + 0x9E3779B97F4A7C15) & MASK
        z = state
        z = ((z ^ (z >> 30)) * 0xBF58476D1CE4E5B9) & MASK
        z = ((z ^ (z >> 27)) * 0x94D049BB133111EB) & MASK
        return ((z ^ (z >> 31)) >> 11) * 2.0**-53

    out = []
    for _ in range(count):
        flat = uniform() < background
        u = uniform()
        t = u * flat_end if flat else -tau * math.log(1 - u)
        out.append(math.floor(t * ticks + 0.5) / ticks)
    return out


def number(v):
    return "kNone" if v is None or not math.isfinite(v) else repr(float(v))


def reference(seed, count, background, ticks, tmin, tmax, model, method, dX, n_classe, skipped):
    d = toy_durations(seed, count, background, ticks)
    none = float("nan")
    if method == "binned":
        counts = mf.class_counts(d, dX, n_classe)
        first = max(skipped, math.ceil(tmin / dX - 1e-9))
        used = counts[first:min(n_classe, math.floor(tmax / dX + 1e-9))]
        m = mf.fit_binned(used, first, dX, model == "exp_flat")
        scale = used.size / used.sum()
        b = m["values"]["B"] * scale if model == "exp_flat" else none
        b_err = m["errors"]["B"] * scale if model == "exp_flat" else none
        corr = m["correlation"][("tau", "B")] if model == "exp_flat" else none
        return dict(events=used.sum(), fit=m, b=b, b_err=b_err, corr=corr, chi2=m["chi2"], at_limit=False)
    win = mf.Window(d, tmin, tmax)
    if model == "exp_only":
        m = mf.fit_exp(win)
        return dict(events=win.events, fit=m, b=none, b_err=none, corr=none, chi2=none, at_limit=False)
    m = mf.fit_exp_flat(win)
    b = m["values"]["b"]
    if b < 1e-6:
        # At the bound MIGRAD is not valid: the reference is the exponential alone.
        alone = mf.fit_exp(win)
        return dict(events=win.events, fit=alone, b=0.0, b_err=none, corr=none, chi2=none, at_limit=True)
    chi2 = mf.unbinned_goodness(win, dX, m["values"]["tau"], b, 2)[2]
    return dict(events=win.events, fit=m, b=b, b_err=m["errors"]["b"], corr=m["correlation"][("tau", "b")],
                chi2=chi2, at_limit=False)


def main():
    rows = []
    for name, seed, *rest in DATA_SETS:
        if seed is None:
            # The first seed from 100 whose fit puts b at its lower bound.
            seed = next(s for s in range(100, 200) if reference(s, *rest)["at_limit"])
        r = reference(seed, *rest)
        count, background, ticks, tmin, tmax, model, method, dX, n_classe, skipped = rest
        m = r["fit"]
        lower, upper, valid = m["minos"]["tau"]
        assert m["valid"] and valid, name
        rows.append(
            f'    {{"{name}", {seed}, {count}, {background!r}, {ticks}, {float(tmin)!r}, {float(tmax)!r},\n'
            f"     fit::Model::{model}, fit::Method::{method}, {float(dX)!r}, {n_classe}, {skipped},\n"
            f"     {{{float(r['events'])!r}, {number(m['values']['tau'])}, {number(m['errors']['tau'])}, "
            f"{number(lower)}, {number(upper)}, {number(r['b'])}, {number(r['b_err'])}, {number(r['corr'])}, "
            f"{number(r['chi2'])}, {'true' if r['at_limit'] else 'false'}}}}},")
    path = os.path.join(os.path.dirname(os.path.abspath(__file__)), "reference_fits.h")
    with open(path, "w") as f:
        f.write("#pragma once\n"
                "// Written by make_reference.py beside it (iminuit: MIGRAD, HESSE, MINOS); do not edit.\n"
                "// Each data set is drawn by toy_durations (tests/support/toy_durations.h).\n"
                '#include "fit/lifetime_fit.h"\n\n'
                "struct ReferenceFit {\n"
                "    const char* name;\n"
                "    unsigned long long seed;\n"
                "    int count;\n"
                "    double background;\n"
                "    int ticks_per_unit;\n"
                "    double t_min, t_max;\n"
                "    fit::Model model;\n"
                "    fit::Method method;\n"
                "    double dX;\n"
                "    int n_classe, skipped;\n"
                "    struct {\n"
                "        double events, tau, tau_error;\n"
                "        double minos_lower, minos_upper;  // MINOS errors: below tau (negative) and above\n"
                "        double b, b_error, correlation, chi2;\n"
                "        bool at_limit;  // b at 0: tau and its error are the exponential alone's\n"
                "    } minuit;\n"
                "};\n\n"
                "using fit::kNone;\n\n"
                "inline const ReferenceFit kReferenceFits[] = {\n")
        f.write("\n".join(rows) + "\n};\n")
    print(f"wrote {path}")


if __name__ == "__main__":
    main()
