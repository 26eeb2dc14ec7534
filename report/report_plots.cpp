#include "report/report_plots.h"

#include "platform/numbers.h"

#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <initializer_list>

namespace {

const QColor kData(0, 0, 160);
const QColor kFit(200, 0, 0);
const QColor kOther(0, 130, 0);
const QColor kGrey(120, 120, 120);

struct Range {
    double lo = 0;
    double hi = 1;
};

// The span of the finite values (each value v ± e), widened by 5 %; [0, 1] without any.
Range span_of(std::initializer_list<std::pair<const std::vector<double>*, const std::vector<double>*>> series) {
    double lo = INFINITY, hi = -INFINITY;
    for (const auto& [values, errors] : series) {
        for (std::size_t i = 0; i < values->size(); ++i) {
            const double v = (*values)[i];
            const double e = errors && i < errors->size() && std::isfinite((*errors)[i]) ? (*errors)[i] : 0;
            if (!std::isfinite(v)) continue;
            lo = std::min(lo, v - e);
            hi = std::max(hi, v + e);
        }
    }
    if (!(lo <= hi)) return {};
    const double margin = hi > lo ? (hi - lo) * 0.05 : std::max(std::abs(lo) * 0.05, 1.0);
    return {lo - margin, hi + margin};
}

// A tick step of 1, 2 or 5 times a power of ten giving about `ticks` ticks.
double tick_step(const Range& r, int ticks) {
    const double raw = (r.hi - r.lo) / ticks;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (const double m : {1.0, 2.0, 5.0}) {
        if (m * power >= raw) return m * power;
    }
    return 10 * power;
}

// One plot's frame: its data ranges mapped into the plot area of `area`.
class Chart {
public:
    Chart(QPainter& p, const QRectF& area, const QString& title, const QString& x_label, Range x, Range y)
        : p_(p), x_(x), y_(y) {
        const double h = font_size();
        plot_ = area.adjusted(6 * h, 2 * h, -4 * h, -2.6 * h);  // the last tick label inside the area
        p_.save();
        p_.setPen(Qt::black);
        p_.drawText(QRectF(area.left(), area.top(), area.width(), 1.6 * h), Qt::AlignHCenter | Qt::AlignTop, title);
        p_.drawText(QRectF(plot_.left(), plot_.bottom() + 1.3 * h, plot_.width(), 1.4 * h), Qt::AlignHCenter, x_label);
        p_.restore();
    }

    double font_size() const { return p_.font().pixelSize() > 0 ? p_.font().pixelSize() : 8; }

    QPointF at(double x, double y) const {
        return {plot_.left() + (x - x_.lo) / (x_.hi - x_.lo) * plot_.width(),
                plot_.bottom() - (y - y_.lo) / (y_.hi - y_.lo) * plot_.height()};
    }

    // The frame with the ticks and their labels; `x_labels` false leaves the
    // x axis without them (a plot stacked above another with the same axis).
    void axes(bool x_labels = true) {
        p_.save();
        p_.setPen(QPen(Qt::black, 0.6));
        p_.setBrush(Qt::NoBrush);
        p_.drawRect(plot_);
        const double h = font_size();
        const auto ticks = [&](const Range& r, int count, auto&& draw) {
            const double step = tick_step(r, count);
            for (double k = std::ceil(r.lo / step); k * step <= r.hi + step * 1e-9; ++k) draw(k * step);
        };
        ticks(x_, 6, [&](double v) {
            const QPointF a = at(v, y_.lo);
            p_.drawLine(a, a - QPointF(0, 0.4 * h));
            if (x_labels) {
                p_.drawText(QRectF(a.x() - 4 * h, a.y() + 0.2 * h, 8 * h, 1.3 * h), Qt::AlignHCenter | Qt::AlignTop,
                            label(v));
            }
        });
        ticks(y_, 5, [&](double v) {
            const QPointF a = at(x_.lo, v);
            p_.drawLine(a, a + QPointF(0.4 * h, 0));
            p_.drawText(QRectF(a.x() - 6 * h, a.y() - 0.7 * h, 5.6 * h, 1.4 * h), Qt::AlignRight | Qt::AlignVCenter,
                        label(v));
        });
        p_.restore();
    }

    // Dots with their error bars; `keep(i)` chooses which of them.
    template <class Keep>
    void points(const std::vector<double>& x, const std::vector<double>& y, const std::vector<double>* error,
                QColor colour, Keep keep) {
        p_.save();
        p_.setClipRect(plot_);
        p_.setPen(QPen(colour, 0.5));
        p_.setBrush(colour);
        const double r = 1.1;
        for (std::size_t i = 0; i < std::min(x.size(), y.size()); ++i) {
            if (!keep(i) || !std::isfinite(x[i]) || !std::isfinite(y[i])) continue;
            const QPointF c = at(x[i], y[i]);
            if (error && i < error->size() && std::isfinite((*error)[i])) {
                p_.drawLine(at(x[i], y[i] - (*error)[i]), at(x[i], y[i] + (*error)[i]));
            }
            p_.drawEllipse(c, r, r);
        }
        p_.restore();
    }
    void points(const std::vector<double>& x, const std::vector<double>& y, const std::vector<double>* error,
                QColor colour) {
        points(x, y, error, colour, [](std::size_t) { return true; });
    }

    // A line through the finite points, broken where one is missing.
    void line(const std::vector<double>& x, const std::vector<double>& y, const QPen& pen) {
        QPainterPath path;
        bool open = false;
        for (std::size_t i = 0; i < std::min(x.size(), y.size()); ++i) {
            if (!std::isfinite(x[i]) || !std::isfinite(y[i])) {
                open = false;
                continue;
            }
            if (open) {
                path.lineTo(at(x[i], y[i]));
            } else {
                path.moveTo(at(x[i], y[i]));
            }
            open = true;
        }
        p_.save();
        p_.setClipRect(plot_);
        p_.setPen(pen);
        p_.setBrush(Qt::NoBrush);
        p_.drawPath(path);
        p_.restore();
    }
    void level(double y, const QPen& pen) {
        if (std::isfinite(y)) line({x_.lo, x_.hi}, {y, y}, pen);
    }

private:
    static QString label(double v) {
        return platform::general(std::abs(v) < 1e-12 ? 0.0 : v);  // no "-0" nor "1E-17" at zero
    }

    QPainter& p_;
    Range x_, y_;
    QRectF plot_;
};

}  // namespace

void draw_histogram(QPainter& p, const QRectF& area, const HistogramView& v) {
    const Range x{v.lower.empty() ? 0 : v.lower.front(), v.upper.empty() ? 1 : v.upper.back()};
    const std::vector<double> background(v.size(), v.background);
    Range y = span_of({{&v.count_per_dX, &v.error_per_dX}, {&v.curve, nullptr}, {&background, nullptr}});
    y.lo = std::min(y.lo, 0.0);
    const QRectF top(area.left(), area.top(), area.width(), area.height() * 0.68);
    const QRectF bottom(area.left(), top.bottom() - area.height() * 0.06, area.width(), area.height() * 0.38);
    Chart counts(p, top, QStringLiteral("histogramme et ajustement (événements par dX)"), QString(), x, y);
    counts.axes(false);
    counts.points(v.centre, v.count_per_dX, &v.error_per_dX, kData);
    counts.line(v.curve_t, v.curve, QPen(kFit, 0.9));
    counts.level(v.background, QPen(kOther, 0.7, Qt::DashLine));
    Range r = span_of({{&v.residual, nullptr}});
    r = {std::min(r.lo, -3.0), std::max(r.hi, 3.0)};
    Chart residuals(p, bottom, QString(), QStringLiteral("durée"), x, r);
    residuals.axes();
    residuals.level(0, QPen(kGrey, 0.6));
    residuals.points(v.centre, v.residual, nullptr, kData);
}

void draw_convergence(QPainter& p, const QRectF& area, const std::vector<ConvergencePoint>& points) {
    std::vector<double> records, tau, error, histogram;
    for (const ConvergencePoint& c : points) {
        records.push_back(c.records);
        tau.push_back(c.tau);
        error.push_back(c.tau_error);
        histogram.push_back(c.histogram_tau);
    }
    Range x = span_of({{&records, nullptr}});
    x.lo = std::min(x.lo, 0.0);
    Chart chart(p, area, QStringLiteral("convergence : Tau ajusté (bleu) et Tau de l'histogramme (vert)"),
                QStringLiteral("enregistrements"), x, span_of({{&tau, &error}, {&histogram, nullptr}}));
    chart.axes();
    chart.points(records, tau, &error, kData);
    chart.points(records, histogram, nullptr, kOther);
}

void draw_stability(QPainter& p, const QRectF& area, const fit::StabilityScan& scan) {
    std::vector<double> t_min, tau, error, upper, lower;
    const double first = scan.points.empty() ? fit::kNone : scan.points.front().tau;
    for (const fit::StabilityPoint& s : scan.points) {
        t_min.push_back(s.t_min);
        tau.push_back(s.tau);
        error.push_back(s.tau_error);
        upper.push_back(first + s.band);
        lower.push_back(first - s.band);
    }
    Chart chart(p, area, QStringLiteral("stabilité : Tau selon t min (rouge : hors de la bande)"),
                QStringLiteral("t min"), span_of({{&t_min, nullptr}}), span_of({{&tau, &error}, {&upper, &lower}}));
    chart.axes();
    chart.level(first, QPen(kGrey, 0.6));
    chart.line(t_min, upper, QPen(kOther, 0.7, Qt::DashLine));
    chart.line(t_min, lower, QPen(kOther, 0.7, Qt::DashLine));
    chart.points(t_min, tau, &error, kData, [&](std::size_t i) { return !scan.points[i].outside; });
    chart.points(t_min, tau, &error, kFit, [&](std::size_t i) { return scan.points[i].outside; });
}

void draw_rate(QPainter& p, const QRectF& area, const rate::RateAnalysis& rate) {
    std::vector<double> hours, per_hour, error;
    for (const rate::RateBin& b : rate.bins) {
        hours.push_back(((b.start_s + b.end_s) / 2 - rate.first_s) / 3600);
        per_hour.push_back(b.live_s > 0 ? b.rate_per_hour : fit::kNone);
        error.push_back(b.rate_error_per_hour);
    }
    const std::vector<double> mean{rate.rate_known ? rate.rate_per_hour : fit::kNone};
    Range y = span_of({{&per_hour, &error}, {&mean, nullptr}});
    y.lo = std::min(y.lo, 0.0);
    Range x = span_of({{&hours, nullptr}});
    x.lo = std::min(x.lo, 0.0);
    Chart chart(p, area, QStringLiteral("taux par tranche (événements / h) et taux moyen"),
                QStringLiteral("heures après le premier enregistrement"), x, y);
    chart.axes();
    chart.level(mean.front(), QPen(kFit, 0.8));
    chart.points(hours, per_hour, &error, kData);
}
