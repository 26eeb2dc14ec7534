#!/usr/bin/env python3
"""Validation of vorns' lifetime fit; scripts/validate-fit.sh builds what it
needs and runs it.

1. Comparison: the same events fitted by vorns and by iminuit (MIGRAD, HESSE,
   MINOS) for the exponential plus background, the exponential alone, the
   binned fit of the histogram, on clock grids (the likelihood of the grid
   values) and for the models of muons stopped in matter (mu-capture,
   charge-ratio).
2. Pulls: toy runs written by the acquisition simulator (Poisson arrivals,
   exponential durations of lifetime 220, a flat background, whole-unit clock)
   fitted by vorns; the pulls (tau - 220) / sigma must be centred and of width 1.
3. Clocks: toy runs on the clocks of counters that truncate, round or have a
   random phase, steps of 0.01, 0.03 and 0.1 lifetime, window from 0: pulls
   centred and of width 1, the profile interval covering 68 %.
4. Muons: toy runs of free and captured muons: mu-capture's pulls of tau+ and
   coverage; charge-ratio's coverage of rho and its median (rho's estimate is
   skewed on a few tens of thousands of events: its mean pull is not 0, and
   that is not a fault of the fit).
5. Several runs (vorns-fit --combine): the combined fit of three simulated
   runs against iminuit on their events put together; the consistency chi2
   against the one from iminuit's fits of each run; an excluded span leaves
   out exactly the records inside it.

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
FREE_NS, CARBON_NS, OXYGEN_NS = 2196.98, 2026.3, 1795.4


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

    def fit_toys(self, count, write_toy, *options, batch=100):
        """Fits `count` toys, written by write_toy(i, path) in batches, one
        batch fitted by vorns-fit while the next is written (two cores)."""
        results, running = [], None

        def collect(job):
            process, files = job
            out, _ = process.communicate()
            if process.returncode != 0:
                raise RuntimeError("vorns-fit failed")
            for f in files:
                os.remove(f)
            return [json.loads(line) for line in out.splitlines()]

        for first in range(0, count, batch):
            files = []
            for i in range(first, min(count, first + batch)):
                files.append(os.path.join(self.folder, f"toy{i}.txt"))
                write_toy(i, files[-1])
            process = subprocess.Popen([self.vorns_fit, "--json", *options, "--", *files], stdout=subprocess.PIPE,
                                       text=True)
            if running:
                results += collect(running)
            running = (process, files)
        return results + collect(running)


_TIMES = []


def time_of_day(second):
    """H:MM:SS of the record `second` seconds after 10:00:00."""
    while len(_TIMES) <= second:
        s = len(_TIMES)
        _TIMES.append(f"{10 + s // 3600 % 14}:{s // 60 % 60:02d}:{s % 60:02d}")
    return _TIMES[second]


def write_durations(path, values, decimals):
    """Durations of a toy, on a clock (as whole numbers of decimals)."""
    if decimals == 0:
        texts = map(str, np.asarray(values, dtype=np.int64).tolist())
    else:
        texts = (f"{v:.{decimals}f}" for v in values)
    with open(path, "w", encoding="cp1252", newline="") as f:
        f.write("Acquisition\r\ntoy\r\nHeure\tDur\u00e9e\r\n10:00:00\t0\r\n")
        f.write("".join(f"{time_of_day(s)}\t{d}\r\n" for s, d in enumerate(texts, start=1)))


def counter_values(rng, counter, step, tau, count, background, window):
    """Exponential times of lifetime tau plus a flat background, as a counter
    of clock step `step` records them: one that truncates (step floor(t /
    step)), one that rounds, or one whose clock has a random phase against
    the decay. The background is drawn a little beyond the window so that
    every grid value in it gets its share."""
    t = rng.exponential(tau, count)
    flat = rng.random(count) < background
    t[flat] = rng.random(int(flat.sum())) * (window + 2 * step)
    if counter == "truncate":
        k = np.floor(t / step)
    elif counter == "round":
        k = np.floor(t / step + 0.5)
    else:
        k = np.floor(t / step + rng.random(count))
    return k * step


def muon_times(rng, count, background, flat_end, tau_plus, tau_minus, rho):
    """Decay times of muons stopped in the ratio N+/N- = rho: a negative one
    gives a decay only in the share tau_minus / tau_plus of the cases (it is
    captured otherwise), so that a decay is a positive muon's with probability
    rho tau+ / (rho tau+ + tau-); plus a flat background on [0, flat_end]."""
    plus = rng.random(count) < rho * tau_plus / (rho * tau_plus + tau_minus)
    t = np.where(plus, rng.exponential(tau_plus, count), rng.exponential(tau_minus, count))
    flat = rng.random(count) < background
    t[flat] = rng.random(int(flat.sum())) * flat_end
    return t


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
            pull_lines(report, label, p, -0.12 if background == 0 else 0.0)
            print(f"    ({time.time() - start:.1f} s)", flush=True)


def pull_lines(report, label, p, centre=0.0):
    """The pulls' mean within 0.05 of its centre and their width within 0.05
    of 1, each tolerance plus twice the statistical error of the toys."""
    se_mean = p.std(ddof=1) / math.sqrt(p.size)
    se_width = p.std(ddof=1) / math.sqrt(2 * (p.size - 1))
    tol = 0.05 + 2 * se_mean
    report.line(label + ": mean", f"{p.mean():+.3f} ± {se_mean:.3f}", f"|mean - ({centre:+.2f})| <= {tol:.3f}",
                abs(p.mean() - centre) <= tol)
    tol = 0.05 + 2 * se_width
    report.line(label + ": width", f"{p.std(ddof=1):.3f} ± {se_width:.3f}", f"|width - 1| <= {tol:.3f}",
                abs(p.std(ddof=1) - 1) <= tol)


def coverage_line(report, label, results, key, true):
    """The share of the toys whose profile interval holds the true value:
    68.3 % within 3 % (no bound: the interval reaches 0 or infinity)."""
    lower = np.array([r[key + "_lower"] if r[key + "_lower"] is not None else -math.inf for r in results])
    upper = np.array([r[key + "_upper"] if r[key + "_upper"] is not None else math.inf for r in results])
    share = float(np.mean((lower <= true) & (true <= upper)))
    error = math.sqrt(share * (1 - share) / len(results))
    report.line(label + ": profile interval coverage", f"{100 * share:.1f} ± {100 * error:.1f} %",
                "|coverage - 68.3 %| <= 3 %", abs(share - 0.683) <= 0.03)


def converged(report, label, results, toys):
    fitted = [r for r in results if r["status"] == "converged"]
    report.line(label + ": fits converged", f"{len(fitted)} of {toys}", "all", len(fitted) == toys)
    return fitted


def clock_toys(tools, report, scale):
    """Counters that truncate, round or have a random phase, steps of 0.01,
    0.03 and 0.1 lifetime (lifetime 500 units, whole-unit steps), window
    [0, 10 lifetimes] from 0: the grid value 0 is left out."""
    tau, events, background = 500.0, 5000, 0.03
    toys = max(20, int(2000 * scale))
    for counter in ("truncate", "round", "phase"):
        for share in (0.01, 0.03, 0.1):
            start = time.time()
            step = share * tau
            rng = np.random.default_rng([7, int(1000 * share), ("truncate", "round", "phase").index(counter)])

            def write_toy(i, path):
                write_durations(path, counter_values(rng, counter, step, tau, events, background, 10 * tau), 0)

            results = tools.fit_toys(toys, write_toy, "--tmin", "0", "--tmax", str(10 * tau), "--dx", str(4 * step))
            label = f"clock: {counter}, step {share:g} tau, {events} events, {toys} toys"
            fitted = converged(report, label, results, toys)
            report.line(label + ": grid start left out", f"{sum('grid_start_left_out' in r['warnings'] for r in fitted)}",
                        "every fit", all("grid_start_left_out" in r["warnings"] for r in fitted))
            pull_lines(report, label, np.array([(r["tau"] - tau) / r["tau_error"] for r in fitted]))
            coverage_line(report, label, fitted, "tau", tau)
            print(f"    ({time.time() - start:.1f} s)", flush=True)


def muon_toys(tools, report, scale):
    """Free and captured muons in carbon (rho 1.27, 3 % background, 1 ns
    truncating clock, window [100, 20000] ns): mu-capture's pulls of tau+ and
    its coverage; charge-ratio's coverage of rho and its median (the estimate
    of rho is skewed: its mean pull is not 0, and that is no fault)."""
    events, rho = 20000, 1.27
    toys = max(20, int(1500 * scale))
    rng = np.random.default_rng(61)

    def write_toy(i, path):
        write_durations(path, np.floor(muon_times(rng, events, 0.03, 20200, FREE_NS, CARBON_NS, rho)), 0)

    window = ["--tmin", "100", "--tmax", "20000", "--dx", "200", "--unit-ns", "1", "--material", "carbon"]
    start = time.time()
    label = f"mu-capture, carbon, {events} events, {toys} toys"
    results = tools.fit_toys(toys, write_toy, *window, "--model", "mu-capture", "--rho", str(rho))
    fitted = converged(report, label, results, toys)
    pull_lines(report, label + ", tau+", np.array([(r["tau"] - FREE_NS) / r["tau_error"] for r in fitted]))
    coverage_line(report, label + ", tau+", fitted, "tau", FREE_NS)
    print(f"    ({time.time() - start:.1f} s)", flush=True)
    start = time.time()
    label = f"charge-ratio, carbon, {events} events, {toys} toys"
    results = tools.fit_toys(toys, write_toy, *window, "--model", "charge-ratio")
    fitted = converged(report, label, results, toys)
    coverage_line(report, label + ", rho", fitted, "rho", rho)
    values = np.sort([r["rho"] for r in fitted])
    # The median's error from the order statistics half a sigma of a binomial count around it.
    half = 0.5 * math.sqrt(values.size)
    se = (values[min(values.size - 1, int(values.size / 2 + half))] - values[int(values.size / 2 - half)]) / 2
    tol = 0.02 * rho + 2 * se
    median = float(np.median(values))
    report.line(label + ", rho: median", f"{median:.3f} ± {se:.3f}", f"|median - {rho}| <= {tol:.3f}",
                abs(median - rho) <= tol)
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


def compare_unbinned(tools, report, name, path, tmin, tmax, dX, vorns=None):
    vorns = vorns or tools.fit([path], "--tmin", str(tmin), "--tmax", str(tmax), "--dx", str(dX))[0]
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


def compare_exponential(tools, report, name, path, tmin, tmax, vorns=None):
    vorns = vorns or tools.fit([path], "--tmin", str(tmin), "--tmax", str(tmax), "--model", "exp")[0]
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


def compare_grid(tools, report, name, path, tmin, tmax, dX, model="exp+flat"):
    """A run on a clock grid: the likelihood of the grid values, and the grid
    values less than a step above 0 left out and said so."""
    vorns = tools.fit([path], "--tmin", str(tmin), "--tmax", str(tmax), "--dx", str(dX), "--model", model)[0]
    win = mf.Window(vorns["durations"], tmin, tmax)
    report.exact(f"{name}: grid start left out (vorns / expected)", "grid_start_left_out" in vorns["warnings"],
                 win.left_out)
    if model == "exp":
        compare_exponential(tools, report, name, path, tmin, tmax, vorns=vorns)
    else:
        compare_unbinned(tools, report, name, path, tmin, tmax, dX, vorns=vorns)


def compare_muons(tools, report, name, path, tmin, tmax, dX, unit_ns, material, tau_minus_ns, rho=None):
    """mu-capture (rho given: tau+ fitted) or charge-ratio (rho fitted), in
    units of unit_ns ns."""
    options = ["--tmin", str(tmin), "--tmax", str(tmax), "--dx", str(dX), "--unit-ns", str(unit_ns),
               "--material", material]
    capture = rho is not None
    options += ["--model", "mu-capture", "--rho", str(rho)] if capture else ["--model", "charge-ratio"]
    vorns = tools.fit([path], *options)[0]
    win = mf.Window(vorns["durations"], tmin, tmax)
    tau_minus = tau_minus_ns / unit_ns
    if capture:
        m = mf.fit_mu_capture(win, tau_minus, rho)
        parameter, fitted, key = "tau", "tau+", "tau"
    else:
        m = mf.fit_charge_ratio(win, FREE_NS / unit_ns, tau_minus)
        parameter, fitted, key = "rho", "rho", "rho"
    common(report, name, vorns, win, m["valid"])
    report.close(f"{name}: tau- fixed (units)", vorns["tau_minus"], tau_minus, 1e-9 * tau_minus)
    value, sigma = m["values"][parameter], m["errors"][parameter]
    b, sigma_b = m["values"]["b"], m["errors"]["b"]
    report.close(f"{name}: {fitted}", vorns[key], value, max(1e-4 * value, 0.02 * sigma))
    if capture:
        report.close(f"{name}: tau_free = tau+", vorns["tau_free"], vorns["tau"], 0)
    report.close(f"{name}: b", vorns["background_fraction"], b, max(1e-5, 0.02 * sigma_b))
    report.close(f"{name}: Hessian error of {fitted} (relative)", vorns[key + "_error"] / sigma, 1, 0.01)
    report.close(f"{name}: Hessian error of b (relative)", vorns["background_fraction_error"] / sigma_b, 1, 0.01)
    report.close(f"{name}: correlation of {fitted} and b", vorns["correlation"], m["correlation"][(parameter, "b")],
                 0.01)
    lower, upper, valid = m["minos"][parameter]
    report.exact(f"{name}: MINOS interval valid", valid, True)
    report.close(f"{name}: profile interval, lower side (relative)", (vorns[key + "_lower"] - vorns[key]) / lower, 1,
                 0.02)
    report.close(f"{name}: profile interval, upper side (relative)", (vorns[key + "_upper"] - vorns[key]) / upper, 1,
                 0.02)
    taus = [value, tau_minus] if capture else [FREE_NS / unit_ns, tau_minus]
    weights = [rho, 1] if capture else [value, 1]
    observed, expected, chi2 = mf.unbinned_goodness(win, dX, None, b, 2, taus, weights)
    report.same_counts(f"{name}: class counts of the chi2", vorns["observed"], observed)
    report.close(f"{name}: chi2 (relative)", vorns["chi2"] / chi2, 1, 1e-3)


def compare_combined(tools, report):
    name = "combined: 3 runs, 5 %"
    tmin, tmax = 10, 2200
    paths = [tools.simulate(f"run{i}.txt", n, 0.05, 60 + i) for i, n in enumerate((3000, 5000, 8000))]
    window = ["--tmin", str(tmin), "--tmax", str(tmax)]
    alone = tools.fit(paths, *window)
    out = subprocess.run([tools.vorns_fit, "--json", "--combine", *window, "--", *paths], check=True,
                         capture_output=True, text=True).stdout
    vorns = json.loads(out)
    win = mf.Window(np.concatenate([a["durations"] for a in alone]), tmin, tmax)
    m = mf.fit_exp_flat(win)
    common(report, name, vorns, win, m["valid"])
    tau, sigma = m["values"]["tau"], m["errors"]["tau"]
    report.close(f"{name}: tau", vorns["tau"], tau, max(1e-4 * tau, 0.02 * sigma))
    report.close(f"{name}: Hessian error of tau (relative)", vorns["tau_error"] / sigma, 1, 0.01)
    report.close(f"{name}: b", vorns["background_fraction"], m["values"]["b"], max(1e-5, 0.02 * m["errors"]["b"]))
    interval(report, name, vorns, m["minos"]["tau"])
    # The runs fitted alone by iminuit, against the combined tau.
    chi2 = 0
    for a in alone:
        one = mf.fit_exp_flat(mf.Window(a["durations"], tmin, tmax))
        chi2 += ((one["values"]["tau"] - tau) / one["errors"]["tau"]) ** 2
    consistency = vorns["consistency"]
    report.exact(f"{name}: consistency ndf", consistency["ndf"], 2)
    report.close(f"{name}: consistency chi2", consistency["chi2"], chi2, max(1e-2 * chi2, 0.01))
    # A span of the first run's clock left out: its records at 10:10:00 to 10:20:00.
    durations = alone[0]["durations"]
    timed = os.path.join(tools.folder, "timed.txt")
    write_durations(timed, durations, 6)
    out = subprocess.run([tools.vorns_fit, "--json", "--combine", *window, "--exclude", timed + "@10:10:00-10:20:00",
                          "--", timed], check=True, capture_output=True, text=True).stdout
    run = json.loads(out)["runs"][0]
    kept = [d for s, d in enumerate(durations, start=1) if not 600 <= s <= 1200 and tmin <= d <= tmax]
    report.exact(f"{name}: records excluded from 10:10:00 to 10:20:00", run["excluded"], 601)
    report.exact(f"{name}: events left in the window", int(run["events"]), len(kept))


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
    rng = np.random.default_rng(41)
    for counter, step, events, model, label in (("truncate", 22, 20000, "exp+flat", "(a)"),
                                                ("round", 2.2, 20000, "exp+flat", "(a)"),
                                                ("phase", 6.6, 5000, "exp+flat", "(a)"),
                                                ("truncate", 11, 5000, "exp", "(b)")):
        path = os.path.join(tools.folder, f"grid-{counter}-{step}.txt")
        background = 0.03 if model == "exp+flat" else 0.0
        write_durations(path, counter_values(rng, counter, step, TAU, events, background, 10 * TAU), 1)
        compare_grid(tools, report, f"{label} {counter} counter, step {step:g}, window [0, 2200]", path, 0, 2200,
                     4 * step, model)
    for name, seed, unit_ns, decimals, tmin, tmax, dX, material, tau_minus_ns, rho in (
            ("mu-capture, carbon, 1 ns clock", 51, 1, 0, 100, 20000, 200, "carbon", CARBON_NS, 1.27),
            ("mu-capture, oxygen, rho 1.1, continuous", 52, 10, 6, 10, 2000, 20, "oxygen", OXYGEN_NS, 1.1),
            ("charge-ratio, carbon, 1 ns clock", 53, 1, 0, 100, 20000, 200, "carbon", CARBON_NS, None),
            ("charge-ratio, typed 1900 ns, 10 ns units", 54, 10, 1, 10, 2000, 20, "1900", 1900.0, None)):
        rng = np.random.default_rng(seed)
        t = muon_times(rng, 50000 if rho is None else 20000, 0.03, tmax * unit_ns * 1.01, FREE_NS, tau_minus_ns,
                       rho or 1.27) / unit_ns
        path = os.path.join(tools.folder, f"muons{seed}.txt")
        write_durations(path, np.floor(t) if decimals == 0 else t, decimals)
        compare_muons(tools, report, name, path, tmin, tmax, dX, unit_ns, material, tau_minus_ns, rho)
    compare_combined(tools, report)


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
            print("== clocks: toy runs of counters that truncate, round or have a random phase")
            clock_toys(tools, report, args.toys_scale)
            print("== muons: toy runs of free and captured muons")
            muon_toys(tools, report, args.toys_scale)
    print(f"== {report.missed} check(s) missed" if report.missed else "== every check met")
    return 1 if report.missed else 0


if __name__ == "__main__":
    sys.exit(main())
