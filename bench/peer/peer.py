#!/usr/bin/python3
"""The reload of a decay-time data file done the way a lab would script it in
Python with NumPy and Matplotlib, timed: a point of comparison for vorns.

One reload reads the file, turns the event lines into records (elapsed minutes,
duration), sorts the durations into classes, works out the lifetime figures,
writes the class listing and draws the two plots to PNG images in memory.

    peer.py FILE [--repeat N] [--dx DX] [--xmax XMAX]

prints one line "peer_reload_seconds=<median seconds of one reload>".
Exit status: 0 done, 1 unreadable or malformed file, 2 bad arguments,
3 NumPy or Matplotlib missing.
"""

import argparse
import io
import math
import statistics
import sys
import time


def decode(data):
    """UTF-8 when the bytes are valid UTF-8 (a leading BOM dropped), else Windows-1252."""
    try:
        text = data.decode("utf-8")
        return text[1:] if text.startswith("\ufeff") else text
    except UnicodeDecodeError:
        return data.decode("cp1252", errors="replace")


def split_lines(text):
    """Lines end at CR LF, LF or a lone CR; a final line break opens no empty line."""
    if not text:
        return []
    lines = text.replace("\r\n", "\n").replace("\r", "\n").split("\n")
    if lines[-1] == "":
        lines.pop()
    return lines


def field(line, n, sep):
    """Field n (from 1) of a line: runs of separators count as one, blanks trimmed."""
    pieces = [p for p in line.split(sep) if p != ""]
    return pieces[n - 1].strip(" ") if 0 < n <= len(pieces) else ""


def minutes_of_day(line):
    time_field = field(line, 1, "\t")
    h, m, s = (int(field(time_field, i, ":")) for i in (1, 2, 3))
    return (h * 3600 + m * 60 + s) / 60.0


def duration(line):
    return float(field(line, 2, "\t").replace(",", "."))


def read_records(path):
    """Elapsed minutes and durations of the event lines, as vorns reads them."""
    with open(path, "rb") as f:
        lines = split_lines(decode(f.read()))
    xs, ys = [], []
    header_seen = False
    origin = -1.0
    days = 0
    for line in lines[2:]:
        if "SAUVEGARDE" in line:
            break
        if header_seen and line == "":
            break
        if line == "" or line[0] == "'":
            continue
        if header_seen:
            if origin < 0:
                origin = minutes_of_day(line)
            else:
                x = minutes_of_day(line) + 1440 * days - origin
                if x <= 0:  # the time of day went past midnight
                    days += 1
                    x = minutes_of_day(line) + 1440 * days - origin
                xs.append(x)
                ys.append(duration(line))
        if "Heure" in line:
            header_seen = True
    return xs, ys


def reload(path, dx, xmax, np, Figure, FigureCanvasAgg):
    xs, ys = read_records(path)
    x = np.asarray(xs, dtype=float)
    y = np.asarray(ys, dtype=float)
    acquisition_minutes = float(x[-1]) if len(x) else 0.0
    total = float(y.sum())

    # Classes of width dx: class i holds the durations d with trunc(d / dx) = i.
    n_classes = round(xmax / dx)
    k = np.trunc(y / dx).astype(np.int64)
    shown = (k >= 0) & (k < n_classes)
    counts = np.bincount(k[shown], minlength=n_classes)[:n_classes]
    sums = np.bincount(k[shown], weights=y[shown], minlength=n_classes)[:n_classes]
    means = np.divide(sums, counts, out=np.zeros_like(sums), where=counts > 0)
    lower = np.arange(n_classes) * dx
    events = int(counts.sum())
    total_by_centres = float(((lower + dx / 2) * counts).sum())

    figures = {}
    tau = c0 = 0.0
    if events > 0 and total_by_centres > 0:
        tau = total / events
        class_cm = math.trunc(tau / dx)
        cm = int(counts[class_cm]) if 0 <= class_cm < n_classes else 0
        c0 = cm / math.e
        figures = {
            "tau": tau,
            "lambda": 1 / tau if tau else float("nan"),
            "t_half": tau * math.log(2),
            "cm": cm,
            "c0": c0,
            "initial_activity": c0 / acquisition_minutes if acquisition_minutes else float("nan"),
        }
    listing = [
        f"{i + 1}   {lower[i]:g}   {counts[i]}   {means[i]:g}" for i in range(n_classes)
    ]

    # Records plot, 372 x 95 pixels: duration against elapsed minutes.
    fig1 = Figure(figsize=(3.72, 0.95), dpi=100)
    FigureCanvasAgg(fig1)
    ax1 = fig1.add_axes((0.08, 0.15, 0.9, 0.8))
    ax1.plot(x, y, linestyle="none", marker=".", markersize=1)
    ax1.set_xlim(0, max(acquisition_minutes, 1.0))
    png1 = io.BytesIO()
    fig1.savefig(png1, format="png")

    # Class plot, 343 x 343 pixels: counts against class centres, with the red
    # lines from (Tau, 0) to (Tau, top) and from (0, 10 C0) to (Tau, 0).
    fig2 = Figure(figsize=(3.43, 3.43), dpi=100)
    FigureCanvasAgg(fig2)
    ax2 = fig2.add_axes((0.12, 0.1, 0.85, 0.85))
    ax2.bar(lower + dx / 2, counts, width=dx)
    top = max(int(counts.max()) if n_classes > 0 else 0, 1)
    if figures:
        ax2.plot([tau, tau], [0, top], color="red")
        ax2.plot([0, tau], [10 * c0, 0], color="red")
    ax2.set_xlim(0, xmax)
    ax2.set_ylim(0, top * 1.1)
    png2 = io.BytesIO()
    fig2.savefig(png2, format="png")

    return figures, listing, png1.getvalue(), png2.getvalue()


def main():
    parser = argparse.ArgumentParser(description="Time the reload of a data file in Python.")
    parser.add_argument("file", help="data file to reload")
    parser.add_argument("--repeat", type=int, default=5, help="reloads to time (default 5)")
    parser.add_argument("--dx", type=float, default=10.0, help="class width (default 10)")
    parser.add_argument("--xmax", type=float, default=800.0, help="X max of the classes (default 800)")
    args = parser.parse_args()
    if args.repeat < 1 or args.dx <= 0 or args.xmax < 0:
        parser.error("--repeat must be at least 1, --dx above 0 and --xmax at least 0")

    try:
        import numpy as np
        import matplotlib

        matplotlib.use("Agg")
        from matplotlib.backends.backend_agg import FigureCanvasAgg
        from matplotlib.figure import Figure
    except ImportError as error:
        print(f"peer.py needs NumPy and Matplotlib: {error}")
        return 3

    seconds = []
    try:
        for _ in range(args.repeat):
            start = time.perf_counter()
            reload(args.file, args.dx, args.xmax, np, Figure, FigureCanvasAgg)
            seconds.append(time.perf_counter() - start)
    except (OSError, ValueError) as error:
        print(f"peer.py: cannot reload {args.file}: {error}", file=sys.stderr)
        return 1
    print(f"peer_reload_seconds={statistics.median(seconds):.6f}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
