#!/usr/bin/env python3
"""Validation of vorns' lifetime fit; scripts/validate-fit.sh builds what it
needs and runs it.

1. Pulls: toy runs written by the acquisition simulator (Poisson arrivals,
   exponential durations of lifetime 220, a flat background, whole-unit clock)
   fitted by vorns; the pulls (tau - 220) / sigma must be centred and of width 1.
2. Comparison: the same events fitted by vorns and by iminuit (MIGRAD, HESSE,
   MINOS) for the exponential plus background, the exponential alone and the
   binned fit of the histogram.

Prints one line per check with its tolerance and "met" or "MISSED"; exits
with status 1 when a check is missed.

    validate.py --acquisition PATH --fit PATH [--toys-scale X]"""
import argparse
import json
import math
import os
import subprocess
import sys
import tempfile
import time

import numpy as np

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import minuit_fits as mf  # noqa: E402

TAU = 220.0


class Report:
    def __init__(self):
        self.missed = 0

    def line(self, label, value, tolerance, ok):
        self.missed += not ok
        print(f"{label:<58} {value:<30} {tolerance:<34} {'met' if ok else 'MISSED'}", flush=True)

    def close(self, label, got, want, tol, unit=""):
        diff = abs(got - want)
        self.line(label, f"{got:.7g} vs {want:.7g}", f"|diff| {diff:.2g} <= {tol:.2g}{unit}", diff <= tol)

    def exact(self, label, got, want):
        self.line(label, f"{got} vs {want}", "equal", got == want)

    def same_counts(self, label, got, want):
        want = [int(n) for n in want]
        differ = [i for i, (g, w) in enumerate(zip(got, want)) if g != w]
        ok = len(got) == len(want) and not differ
        value = f"{len(got)} classes" if ok else f"{len(got)} vs {len(want)} classes, first differing {differ[:1]}"
        self.line(label, value, "equal, class by class", ok)


class Tools:
    def __init__(self, acquisition, fit, folder):
        self.acquisition, self.vorns_fit, self.folder = acquisition, fit, folder

    def simulate(self, name, events, background, seed, decimals=0):
        path = os.path.join(self.folder, name)
        subprocess.run([self.acquisition, "-o", path, "-n", str(events + 1), "--rate", "1",
                        "--lifetime", str(TAU), "--background", str(background), "--max-duration", "2200",
                        "--decimals", str(decimals), "--seed", str(seed)], check=True)
        return path

    def fit(self, files, *options, details=True):
        # vorns-fit --json: one object a file; --details adds the durations it fitted.
        out = subprocess.run([self.vorns_fit, "--json", *(["--details"] if details else []), *options, "--", *files],
                             check=True, capture_output=True, text=True).stdout
        return [json.loads(line) for line in out.splitlines()]


def pulls(tools, report, scale):
    """Pull mean and width per background and size. With b = 0 the fits where
    b stops at its bound shift the mean by about -0.12 (expected at a physical
    boundary). The tolerances add twice the statistical error of the toys."""
    for background in (0.0, 0.02, 0.10):
        for events, toys in ((500, 1000), (5000, 1000), (50000, 200)):
            toys = max(20, int(toys * scale))
            start = time.time()
            results = []
            for first in range(0, toys, 100):
                files = [tools.simulate(f"toy{i}.txt", events, background, 7_000_000 * (events + 1) + 1000 * int(100 * background) + i)
                         for i in range(first, min(toys, first + 100))]
                results += tools.fit(files, "--tmin", "10", "--tmax", "2200", details=False)
                for f in files:
                    os.remove(f)
            fitted = [r for r in results if r["status"] == "converged"]
            label = f"pulls, background {background:.0%}, {events} events, {toys} toys"
            report.line(label + ": fits converged", f"{len(fitted)} of {toys}", "all", len(fitted) == toys)
            p = np.array([(r["tau"] - TAU) / r["tau_error"] for r in fitted])
            centre = -0.12 if background == 0 else 0.0
            se_mean = p.std(ddof=1) / math.sqrt(p.size)
            se_width = p.std(ddof=1) / math.sqrt(2 * (p.size - 1))
            tol = 0.05 + 2 * se_mean
            report.line(label + ": mean", f"{p.mean():+.3f} ± {se_mean:.3f}",
                        f"|mean - ({centre:+.2f})| <= {tol:.3f}", abs(p.mean() - centre) <= tol)
            tol = 0.05 + 2 * se_width
            report.line(label + ": width", f"{p.std(ddof=1):.3f} ± {se_width:.3f}",
                        f"|width - 1| <= {tol:.3f}", abs(p.std(ddof=1) - 1) <= tol)
            print(f"    ({time.time() - start:.1f} s)", flush=True)


def interval(report, name, vorns, minos, check_valid=True):
    lower, upper, valid = minos
    if check_valid:
        report.exact(f"{name}: MINOS interval valid", valid, True)
    report.close(f"{name}: profile interval, lower side (relative)", (vorns["tau_lower"] - vorns["tau"]) / lower, 1, 0.02)
    report.close(f"{name}: profile interval, upper side (relative)", (vorns["tau_upper"] - vorns["tau"]) / upper, 1, 0.02)


def common(report, name, vorns, win, minuit_valid):
    report.exact(f"{name}: events in the window", int(vorns["events"]), win.events)
    report.exact(f"{name}: status (vorns / iminuit valid)", vorns["status"], "converged" if minuit_valid else "not valid")


def compare_unbinned(tools, report, name, path, tmin, tmax, dX):
    vorns = tools.fit([path], "--tmin", str(tmin), "--tmax", str(tmax), "--dx", str(dX))[0]
    win = mf.Window(vorns["durations"], tmin, tmax)
    m = mf.fit_exp_flat(win)
    common(report, name, vorns, win, m["valid"])
    report.close(f"{name}: clock step", vorns["lattice_step"], win.step, 1e-9 * max(win.step, 1))
    tau, sigma = m["values"]["tau"], m["errors"]["tau"]
    b, sigma_b = m["values"]["b"], m["errors"]["b"]
    report.close(f"{name}: tau", vorns["tau"], tau, max(1e-4 * tau, 0.02 * sigma))
    report.close(f"{name}: b", vorns["background_fraction"], b, max(1e-5, 0.02 * sigma_b))
    report.close(f"{name}: Hessian error of tau (relative)", vorns["tau_error"] / sigma, 1, 0.01)
    report.close(f"{name}: Hessian error of b (relative)", vorns["background_fraction_error"] / sigma_b, 1, 0.01)
    report.close(f"{name}: correlation of tau and b", vorns["correlation"], m["correlation"][("tau", "b")], 0.01)
    interval(report, name, vorns, m["minos"]["tau"])
    observed, expected, chi2 = mf.unbinned_goodness(win, dX, tau, b, 2)
    report.same_counts(f"{name}: class counts of the chi2", vorns["observed"], observed)
    report.close(f"{name}: chi2 (relative)", vorns["chi2"] / chi2, 1, 1e-3)


def compare_at_limit(tools, report, name, path, tmin, tmax):
    vorns = tools.fit([path], "--tmin", str(tmin), "--tmax", str(tmax))[0]
    win = mf.Window(vorns["durations"], tmin, tmax)
    alone = mf.fit_exp(win)
    common(report, name, vorns, win, alone["valid"])
    report.exact(f"{name}: b at its lower limit", "background_at_limit" in vorns["warnings"], True)
    tau, sigma = alone["values"]["tau"], alone["errors"]["tau"]
    report.close(f"{name}: tau against the exponential alone", vorns["tau"], tau, 0.02 * sigma)
    report.close(f"{name}: its error (relative)", vorns["tau_error"] / sigma, 1, 0.10)


def compare_exponential(tools, report, name, path, tmin, tmax):
    vorns = tools.fit([path], "--tmin", str(tmin), "--tmax", str(tmax), "--model", "exp")[0]
    win = mf.Window(vorns["durations"], tmin, tmax)
    m = mf.fit_exp(win)
    common(report, name, vorns, win, m["valid"])
    tau, sigma = m["values"]["tau"], m["errors"]["tau"]
    report.close(f"{name}: tau (relative)", vorns["tau"] / tau, 1, 1e-9)
    report.close(f"{name}: error of tau (relative)", vorns["tau_error"] / sigma, 1, 1e-6)
    interval(report, name, vorns, m["minos"]["tau"], check_valid=False)


def compare_binned(tools, report, name, path, tmin, tmax, dX, n_classe, skipped, background):
    options = ["--tmin", str(tmin), "--tmax", str(tmax), "--dx", str(dX), "--xmax", str(n_classe * dX),
               "--skip-classes", str(skipped), "--method", "binned", "--model", "exp+flat" if background else "exp"]
    vorns = tools.fit([path], *options)[0]
    counts = mf.class_counts(vorns["durations"], dX, n_classe)
    first = max(skipped, math.ceil(tmin / dX - 1e-9))
    end = min(n_classe, math.floor(tmax / dX + 1e-9))
    used = counts[first:end]
    m = mf.fit_binned(used, first, dX, background)
    report.exact(f"{name}: events in the classes", int(vorns["events"]), int(used.sum()))
    report.exact(f"{name}: status (vorns / iminuit valid)", vorns["status"], "converged" if m["valid"] else "not valid")
    report.same_counts(f"{name}: class counts", vorns["observed"], used)
    tau, sigma = m["values"]["tau"], m["errors"]["tau"]
    report.close(f"{name}: tau", vorns["tau"], tau, max(1e-4 * tau, 0.02 * sigma))
    report.close(f"{name}: Hessian error of tau (relative)", vorns["tau_error"] / sigma, 1, 0.01)
    if background:
        scale = used.size / used.sum()
        b, sigma_b = m["values"]["B"] * scale, m["errors"]["B"] * scale
        report.close(f"{name}: b = B classes / events", vorns["background_fraction"], b, max(1e-5, 0.02 * sigma_b))
        report.close(f"{name}: Hessian error of b (relative)", vorns["background_fraction_error"] / sigma_b, 1, 0.01)
        report.close(f"{name}: correlation of tau and B", vorns["correlation"], m["correlation"][("tau", "B")], 0.01)
    interval(report, name, vorns, m["minos"]["tau"])
    report.close(f"{name}: chi2 (relative)", vorns["chi2"] / m["chi2"], 1, 1e-3)


def comparisons(tools, report):
    sim = tools.simulate
    compare_unbinned(tools, report, "(a) 5000 events, 2 % background", sim("a1.txt", 5000, 0.02, 11), 10, 2200, 10)
    compare_unbinned(tools, report, "(a) short window [10, 770], 10 %", sim("a2.txt", 5000, 0.10, 12), 10, 770, 10)
    compare_unbinned(tools, report, "(a) 50000 events, 5 %, clock 0.1", sim("a3.txt", 50000, 0.05, 13, decimals=1), 10, 2200, 20)
    compare_at_limit(tools, report, "(a) 500 events, no background", sim("a4.txt", 500, 0.0, 3), 10, 2200)
    compare_exponential(tools, report, "(b) 5000 events", sim("b1.txt", 5000, 0.0, 21), 10, 2200)
    compare_exponential(tools, report, "(b) 500 events, window [0, 1000]", sim("b2.txt", 500, 0.0, 22, decimals=1), 0, 1000)
    compare_binned(tools, report, "(c) 5000 events, 5 %, dX 20", sim("c1.txt", 5000, 0.05, 31), 0, 2200, 20, 110, 1, True)
    compare_binned(tools, report, "(c) exponential alone, dX 10", sim("c2.txt", 2000, 0.0, 32), 10, 800, 10, 80, 0, False)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--acquisition", required=True)
    parser.add_argument("--fit", required=True, help="the vorns-fit program")
    parser.add_argument("--toys-scale", type=float, default=1.0, help="multiplies the number of toys")
    parser.add_argument("--no-pulls", action="store_true")
    args = parser.parse_args()
    report = Report()
    with tempfile.TemporaryDirectory(prefix="vorns-fit-", dir="/dev/shm" if os.path.isdir("/dev/shm") else None) as folder:
        tools = Tools(args.acquisition, args.fit, folder)
        print("== comparison with iminuit on the same events")
        comparisons(tools, report)
        if not args.no_pulls:
            print("== pulls on toy runs of the simulator (lifetime 220, window [10, 2200])")
            pulls(tools, report, args.toys_scale)
    print(f"== {report.missed} check(s) missed" if report.missed else "== every check met")
    return 1 if report.missed else 0


if __name__ == "__main__":
    sys.exit(main())
