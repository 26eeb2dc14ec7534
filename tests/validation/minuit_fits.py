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
    """The durations in [tmin, tmax], grouped. On a clock grid of step D: the M
    grid values of the window, from the first one at least one step above 0
    (those below are left out, with the durations on them), their index j from
    0 (`j`, for the grouped values), and the model's edges, the whole cells of
    the grid values fitted (`lower`, `upper`); otherwise the window itself."""

    def __init__(self, durations, tmin, tmax):
        d = np.asarray(durations, dtype=float)
        inside = d[(d >= tmin) & (d <= tmax)]
        self.step, self.origin = clock_grid(inside) if inside.size else (0.0, 0.0)
        self.left_out = False
        if self.step > 0:
            st, o = self.step, self.origin
            k_first = math.ceil((tmin - o) / st - 1e-6)
            k_last = math.floor((tmax - o) / st + 1e-6)
            k_above_zero = math.ceil((st - o) / st - 1e-6)
            if tmin >= 0 and k_first < k_above_zero:
                k_first, self.left_out = k_above_zero, True
                inside = inside[np.rint((inside - o) / st) >= k_first]
            self.first = o + st * k_first
            self.grid_values = o + st * np.arange(k_first, k_last + 1)
            self.M = k_last - k_first + 1
            self.lower, self.upper = self.first - st / 2, o + st * k_last + st / 2
        else:
            self.lower, self.upper = tmin, tmax
        self.tmin, self.tmax = tmin, tmax
        self.events = int(inside.size)
        self.width = self.upper - self.lower
        values, counts = np.unique(inside, return_counts=True)
        self.values = values
        self.s = values - self.lower
        self.w = counts.astype(float)
        if self.step > 0:
            self.j = np.rint((values - self.first) / self.step)

    def signal(self, taus, weights, every_grid_value=False):
        """The probability (grid) or density (continuous) of each grouped value
        (or of every grid value of the window) for a mixture of exponentials
        e^(-t/tau) with these weights, normalised on the window: on a grid, for
        one exponential, P(j) = r^j (1 - r) / (1 - r^M) with r = e^(-D/tau);
        for a mixture, the sum of the components' values at the grid value
        over its sum on every grid value of the window."""
        values, j = (self.grid_values, np.arange(self.M)) if every_grid_value else (self.values, getattr(self, "j", None))
        if self.step > 0 and len(taus) == 1:
            r_log = -self.step / taus[0]
            return np.exp(j * r_log) * -math.expm1(r_log) / -math.expm1(self.M * r_log)
        if self.step > 0:
            top = sum(w * np.exp(-values / t) for t, w in zip(taus, weights))
            total = sum(w * np.sum(np.exp(-self.grid_values / t)) for t, w in zip(taus, weights))
            return top / total
        top = sum(w * np.exp(-values / t) for t, w in zip(taus, weights))
        total = sum(w * t * (math.exp(-self.lower / t) - math.exp(-self.upper / t)) for t, w in zip(taus, weights))
        return top / total

    def flat(self):
        """The background's probability (grid) or density (continuous)."""
        return 1 / self.M if self.step > 0 else 1 / self.width


def _result(m, fcn, names, errordef):
    """Values and validity from MIGRAD; errors and correlations from the
    Hessian at the minimum, computed by central differences with steps of
    1/500 of HESSE's errors. HESSE itself steps by a good part of an error:
    where the likelihood is far from quadratic within that (b near 0 with a
    large error, where the density nearly vanishes at b < 0) it is off by a
    per cent or more, and on a bounded parameter Minuit's sine mapping puts it
    off by several per cent near the bound. MINOS then runs on the bounded
    fit."""
    m.hesse()
    free = [p for p in m.parameters if not m.fixed[p]]
    x = np.array([float(m.values[p]) for p in m.parameters])
    index = [m.parameters.index(p) for p in free]
    h = np.array([float(m.errors[p]) / 500 for p in free])

    def f(*steps):
        y = x.copy()
        for i, hi in steps:
            y[index[i]] += hi
        return fcn(*y)

    n = len(free)
    hessian = np.zeros((n, n))
    for i in range(n):
        for k in range(i, n):
            if i == k:
                hessian[i, i] = (f((i, h[i])) - 2 * f() + f((i, -h[i]))) / h[i] ** 2
            else:
                hessian[i, k] = hessian[k, i] = (f((i, h[i]), (k, h[k])) - f((i, h[i]), (k, -h[k]))
                                                 - f((i, -h[i]), (k, h[k])) + f((i, -h[i]), (k, -h[k]))) / (4 * h[i] * h[k])
    cov = 2 * errordef * np.linalg.inv(hessian)
    sigma = np.sqrt(np.diag(cov))
    out = {
        "valid": bool(m.valid),
        "values": {p: float(m.values[p]) for p in names},
        "errors": {p: float(sigma[free.index(p)]) for p in names},
        "minos": {},
    }
    out["correlation"] = {(p, q): float(cov[free.index(p), free.index(q)] / (sigma[free.index(p)] * sigma[free.index(q)]))
                          for p in names for q in names}
    return out


def _from_start(nll, **start):
    """The NLL less its value at the start: MIGRAD's numerical derivatives
    lose their way on a large NLL (hundreds of thousands) where the fit's
    parameters move it by a few units."""
    base = nll(**start)
    return lambda *p: nll(*p) - base


def _minos(m, out, parameter):
    m.minos(parameter)
    e = m.merrors[parameter]
    out["minos"][parameter] = (float(e.lower), float(e.upper), bool(e.is_valid))


def fit_exp_flat(win, tau_start=None, b_start=0.05):
    """(a) exponential plus flat background, unbinned NLL, errordef 0.5; on a
    clock grid the probabilities of the grid values,
    P(j) = (1 - b) r^j (1 - r) / (1 - r^M) + b / M."""
    w, flat = win.w, win.flat()

    def nll_at(tau, b):
        return -float(np.sum(w * np.log((1 - b) * win.signal([tau], [1]) + b * flat)))

    start = dict(tau=tau_start or float(np.sum(w * win.s) / np.sum(w)), b=b_start)
    return _fit_with_background(nll_at, start, (1e-6 * win.width, None))


def _fit_with_background(nll_at, start, first_limits):
    """MIGRAD, the Hessian and MINOS of the first parameter for an NLL of one
    parameter (limited to first_limits) and the background fraction b in
    [0, 1], errordef 0.5."""
    nll = _from_start(nll_at, **start)
    m = Minuit(nll, *start.values(), name=tuple(start))
    m.errordef = Minuit.LIKELIHOOD
    first = next(iter(start))
    m.limits[first] = first_limits
    m.limits["b"] = (0, 1)
    # Tighter goals stall: MIGRAD's numerical gradient is not precise enough.
    m.tol = 1e-3
    m.migrad()
    out = _result(m, nll, (first, "b"), Minuit.LIKELIHOOD)
    _minos(m, out, first)
    return out


def _log_rise(width, tau, ref):
    """ln((1 - e^(-width/tau)) / (1 - e^(-width/ref))) without cancellation."""
    d = width * (tau - ref) / (tau * ref)  # width/ref - width/tau
    return math.log1p(-math.exp(-width / ref) * math.expm1(d) / -math.expm1(-width / ref))


def fit_exp(win):
    """(b) the exponential alone, unbinned NLL, errordef 0.5. The NLL is taken
    less its value at a reference lifetime, each term written so that it
    vanishes there without cancellation; a second MIGRAD from the first one's
    minimum, with the reference moved there, gets tau to about 1e-12. On a
    clock grid, NLL = n ln(1 - r^M) - n ln(1 - r) - ln(r) sum j, r = e^(-D/tau)."""
    w, W = win.w, win.width
    n = float(np.sum(w))
    if win.step > 0:
        D = win.step
        total = D * float(np.sum(w * win.j))

        def nll_from(ref):
            def nll(tau):
                return n * _log_rise(W, tau, ref) - n * _log_rise(D, tau, ref) - total * (tau - ref) / (tau * ref)
            return nll
    else:
        total = float(np.sum(w * win.s))

        def nll_from(ref):
            def nll(tau):
                return n * math.log1p((tau - ref) / ref) + n * _log_rise(W, tau, ref) - total * (tau - ref) / (tau * ref)
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


def fit_mu_capture(win, tau_minus, rho):
    """mu-capture: rho e^(-t/tau+) + e^(-t/tau-) normalised on the window, plus
    the flat background; tau+ and b free, errordef 0.5."""
    w, flat = win.w, win.flat()

    def nll_at(tau, b):
        return -float(np.sum(w * np.log((1 - b) * win.signal([tau, tau_minus], [rho, 1]) + b * flat)))

    start = dict(tau=float(np.sum(w * win.s) / np.sum(w)), b=0.05)
    return _fit_with_background(nll_at, start, (1e-6 * win.width, None))


def fit_charge_ratio(win, tau_plus, tau_minus, rho_start=1.27):
    """charge-ratio: the same with both lifetimes fixed, rho and b free."""
    w, flat = win.w, win.flat()

    def nll_at(rho, b):
        return -float(np.sum(w * np.log((1 - b) * win.signal([tau_plus, tau_minus], [rho, 1]) + b * flat)))

    return _fit_with_background(nll_at, dict(rho=rho_start, b=0.05), (0, None))


def unbinned_goodness(win, dX, tau, b, parameters, taus=None, weights=None):
    """Counts of the window's durations in classes of width dX clipped to the
    model's edges (on a grid, whole cells: a class starts half a step below its
    first grid value), the counts the fitted model expects in each (n times
    the density's integral over the class, on a grid the sum of the
    probabilities of its grid values; a mixture of exponentials with `taus`
    and `weights` instead of tau alone), and the Baker-Cousins chi2."""
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
    taus, weights = (taus, weights) if taus else ([tau], [1])
    if win.step > 0:
        # The probabilities of every grid value of the window, summed by class.
        p = (1 - b) * win.signal(taus, weights, every_grid_value=True) + b * win.flat()
        classes = np.array([min(max(class_of(v), first), last) - first for v in win.grid_values])
        expected = win.events * np.bincount(classes, weights=p, minlength=observed.size)
        return observed, expected, baker_cousins(observed, expected)
    total = sum(wt * t * (math.exp(-a / t) - math.exp(-c / t)) for t, wt in zip(taus, weights))
    expected = []
    for j in range(first, last + 1):
        lo, hi = max(edge(j), a), min(edge(j + 1), c)
        decay = sum(wt * t * (math.exp(-lo / t) - math.exp(-hi / t)) for t, wt in zip(taus, weights)) / total
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
