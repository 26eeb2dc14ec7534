"""The lifetime fits done again with iminuit (MINUIT2: MIGRAD, HESSE, MINOS) on
the same durations, written from the model's formulas, not from vorns' code.

Used by validate.py (the comparison) and make_reference.py (the reference
table of the unit tests)."""
import math

import numpy as np
from iminuit import Minuit


def clock_grid(values):
    """The common step of the values found on their decimal digits, and a grid
    value; step 0 when they have none coarser than 1e-7 of their spread."""
    origin = float(values.min())
    spread = float(values.max()) - origin
    if spread <= 0:
        return 0.0, origin
    offsets = values - origin
    for digits in range(10):
        scaled = offsets * 10.0**digits
        whole = np.rint(scaled)
        if np.all(np.abs(scaled - whole) <= 1e-6):
            step = float(np.gcd.reduce(whole.astype(np.int64))) / 10.0**digits
            return (step, origin) if step >= 1e-7 * spread else (0.0, origin)
    return 0.0, origin


class Window:
    """The durations in [tmin, tmax], grouped, and the model's edges: on a clock
    grid the whole cells of the grid values in the window, never below 0 when
    tmin >= 0."""

    def __init__(self, durations, tmin, tmax):
        d = np.asarray(durations, dtype=float)
        inside = d[(d >= tmin) & (d <= tmax)]
        self.events = int(inside.size)
        self.step, self.origin = clock_grid(inside) if inside.size else (0.0, 0.0)
        if self.step > 0:
            st, o = self.step, self.origin
            first = o + st * math.ceil((tmin - o) / st - 1e-6)
            last = o + st * math.floor((tmax - o) / st + 1e-6)
            self.lower = max(first - st / 2, 0.0) if tmin >= 0 else first - st / 2
            self.upper = last + st / 2
        else:
            self.lower, self.upper = tmin, tmax
        self.width = self.upper - self.lower
        values, counts = np.unique(inside, return_counts=True)
        self.values = values
        self.s = values - self.lower
        self.w = counts.astype(float)


def _result(m, fcn, names, errordef):
    """Values and validity from MIGRAD; errors and correlations from HESSE at
    the minimum without the bounds. Minuit maps a bounded parameter through a
    sine, and near its bound the HESSE of the mapped parameter is off by
    several per cent; the Hessian at the minimum does not depend on the bounds.
    MINOS then runs on the bounded fit."""
    m.hesse()
    free = Minuit(fcn, **{p: float(m.values[p]) for p in m.parameters})
    free.errordef = errordef
    for p in m.parameters:
        free.fixed[p] = m.fixed[p]
    free.hesse()
    out = {
        "valid": bool(m.valid),
        "values": {p: float(m.values[p]) for p in names},
        "errors": {p: float(free.errors[p]) for p in names},
        "minos": {},
    }
    corr = free.covariance.correlation()
    out["correlation"] = {(p, q): float(corr[p, q]) for p in names for q in names}
    return out


def _minos(m, out, parameter):
    m.minos(parameter)
    e = m.merrors[parameter]
    out["minos"][parameter] = (float(e.lower), float(e.upper), bool(e.is_valid))


def fit_exp_flat(win, tau_start=None, b_start=0.05):
    """(a) exponential plus flat background, unbinned NLL, errordef 0.5."""
    s, w, W = win.s, win.w, win.width

    def nll(tau, b):
        g = np.exp(-s / tau) / (tau * -np.expm1(-W / tau))
        return -float(np.sum(w * np.log((1 - b) * g + b / W)))

    m = Minuit(nll, tau=tau_start or float(np.sum(w * s) / np.sum(w)), b=b_start)
    m.errordef = Minuit.LIKELIHOOD
    m.limits["tau"] = (1e-6 * W, None)
    m.limits["b"] = (0, 1)
    # Tighter goals stall: MIGRAD's numerical gradient is not precise enough.
    m.tol = 1e-3
    m.migrad()
    out = _result(m, nll, ("tau", "b"), Minuit.LIKELIHOOD)
    _minos(m, out, "tau")
    return out


def fit_exp(win):
    """(b) the exponential alone, unbinned NLL, errordef 0.5. The NLL is taken
    less its value at a reference lifetime, each term written so that it
    vanishes there without cancellation; a second MIGRAD from the first one's
    minimum, with the reference moved there, gets tau to about 1e-12."""
    s, w, W = win.s, win.w, win.width
    n = float(np.sum(w))
    total = float(np.sum(w * s))

    def nll_from(ref):
        def nll(tau):
            d = W * (tau - ref) / (tau * ref)  # W/ref - W/tau
            z_rise = -math.exp(-W / ref) * math.expm1(d) / -math.expm1(-W / ref)
            return n * math.log1p((tau - ref) / ref) + n * math.log1p(z_rise) - total * (tau - ref) / (tau * ref)
        return nll

    m = Minuit(nll_from(total / n), tau=total / n)
    m.errordef = Minuit.LIKELIHOOD
    m.migrad()
    nll = nll_from(float(m.values["tau"]))
    m = Minuit(nll, tau=float(m.values["tau"]))
    m.errordef = Minuit.LIKELIHOOD
    m.tol = 1e-4
    m.migrad()
    out = _result(m, nll, ("tau",), Minuit.LIKELIHOOD)
    _minos(m, out, "tau")
    return out


def unbinned_goodness(win, dX, tau, b, parameters):
    """Counts of the window's durations in classes of width dX clipped to the
    model's edges (on a grid, whole cells: a class starts half a step below its
    first grid value), n times the fitted density's integral over each, and the
    Baker-Cousins chi2."""
    a, c = win.lower, win.upper

    def edge(j):
        if win.step <= 0:
            return j * dX
        return win.origin + win.step * math.ceil((j * dX - win.origin) / win.step - 1e-6) - win.step / 2

    def class_of(t):
        j = math.floor(t / dX)
        while edge(j) > t:
            j -= 1
        while edge(j + 1) <= t:
            j += 1
        return j

    inset = 1e-7 * (min(dX, win.step) if win.step > 0 else dX)
    first, last = class_of(a + inset), class_of(c - inset)
    observed = np.zeros(last - first + 1)
    for v, w in zip(win.values, win.w):
        observed[min(max(class_of(v), first), last) - first] += w
    z = -math.expm1(-win.width / tau)
    expected = []
    for j in range(first, last + 1):
        lo, hi = max(edge(j), a) - a, min(edge(j + 1), c) - a
        decay = (math.exp(-lo / tau) - math.exp(-hi / tau)) / z
        expected.append(win.events * ((1 - b) * decay + b * (hi - lo) / win.width))
    return observed, np.array(expected), baker_cousins(observed, np.array(expected))


def baker_cousins(n, mu):
    safe = np.where(n > 0, n, 1.0)
    with np.errstate(divide="ignore", over="ignore", invalid="ignore"):  # MIGRAD's trial steps may reach mu = 0
        return float(2 * np.sum(mu - n + np.where(n > 0, n * np.log(safe / mu), 0.0)))


def class_counts(durations, dX, n_classe):
    """As the class pass: class trunc(d / dX) when -1 < d / dX < n_classe,
    in extended precision."""
    q = np.asarray(durations, dtype=np.longdouble) / np.longdouble(dX)
    q = q[(q > -1) & (q < n_classe)]
    return np.bincount(np.trunc(q).astype(np.int64), minlength=n_classe)[:n_classe].astype(float)


def fit_binned(counts, first, dX, background):
    """(c) A (tau/dX) e^(-k dX/tau) (1 - e^(-dX/tau)) + B against the counts of
    classes first.., Baker-Cousins chi2, errordef 1."""
    n = np.asarray(counts, dtype=float)
    k = first + np.arange(n.size)

    def chi2(A, tau, B):
        q = dX / tau
        return baker_cousins(n, A * np.exp(-k * q) * -np.expm1(-q) / q + B)

    tail = max(1, n.size // 4)
    b0 = float(n[-tail:].mean()) if background else 0.0
    m = Minuit(chi2, A=float(n.sum()), tau=float(n.size * dX / 4), B=b0)
    m.errordef = Minuit.LEAST_SQUARES
    m.limits["A"] = (0, None)
    m.limits["tau"] = (1e-3 * dX, None)
    m.limits["B"] = (0, None)
    m.fixed["B"] = not background
    m.tol = 1e-3
    m.migrad()
    names = ("A", "tau", "B") if background else ("A", "tau")
    out = _result(m, chi2, names, Minuit.LEAST_SQUARES)
    _minos(m, out, "tau")
    q = dX / out["values"]["tau"]
    out["expected"] = out["values"]["A"] * np.exp(-k * q) * -np.expm1(-q) / q + (out["values"]["B"] if background else 0)
    out["chi2"] = float(m.fval)
    return out
