#include "charts/charts.h"

#include "charts/frame.h"
#include "platform/numbers.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFontInfo>
#include <QImage>
#include <QSvgGenerator>
#include <algorithm>
#include <cmath>

namespace charts {

using namespace detail;

namespace {

constexpr double kSecondsPerHour = 3600;
// The window's colours.
const QColor kRed(200, 0, 0);
const QColor kBlue(0, 0, 200);
const QColor kGreen(0, 100, 0);
const QColor kMuons(0, 0, 180);

std::vector<double> times(const std::vector<double>& values, double factor) {
    std::vector<double> out(values.size());
    std::transform(values.begin(), values.end(), out.begin(), [factor](double v) { return v * factor; });
    return out;
}

// The range of a span, or `otherwise` without one.
Range or_else(const std::optional<Range>& r, Range otherwise) { return r ? *r : otherwise; }

}  // namespace

TimeUnit time_unit(double unit_ns, double largest) {
    if (!(unit_ns > 0) || !std::isfinite(unit_ns)) {
        return {1, QCoreApplication::translate("charts", "unités")};
    }
    if (std::abs(largest) * unit_ns >= 1000) return {unit_ns / 1000, QStringLiteral("\u00B5s")};
    return {unit_ns, QStringLiteral("ns")};
}

QString duration_title(const TimeUnit& unit) {
    return QCoreApplication::translate("charts", "durée (%1)").arg(unit.unit);
}
QString lifetime_title(const TimeUnit& unit) {
    return QCoreApplication::translate("charts", "durée de vie (%1)").arg(unit.unit);
}
QString t_min_title(const TimeUnit& unit) { return QCoreApplication::translate("charts", "t min (%1)").arg(unit.unit); }
QString counts_title(double dX, const TimeUnit& unit) {
    return QCoreApplication::translate("charts", "événements par classe de %1 %2")
        .arg(platform::general(dX * unit.factor), unit.unit);
}
QString residual_title() { return QCoreApplication::translate("charts", "résidu / \u03C3"); }
QString records_title() { return QCoreApplication::translate("charts", "enregistrements"); }
QString hours_title() { return QCoreApplication::translate("charts", "temps depuis le premier événement (h)"); }
QString rate_title() { return QCoreApplication::translate("charts", "taux (événements / h)"); }
QString muons_title() { return QCoreApplication::translate("charts", "muons par minute"); }

QString name(Name series) {
    switch (series) {
    case Name::histogram: return QCoreApplication::translate("charts", "histogramme (± \u221An)");
    case Name::fit: return QCoreApplication::translate("charts", "ajustement");
    case Name::background: return QCoreApplication::translate("charts", "fond");
    case Name::fitted_tau: return QCoreApplication::translate("charts", "tau ajusté \u00B1 \u03C3");
    case Name::histogram_tau: return QCoreApplication::translate("charts", "Tau de l'histogramme");
    case Name::band:
        return QCoreApplication::translate("charts", "bande \u00B1\u221A(\u03C3\u00B2 \u2212 \u03C3\u2080\u00B2)");
    case Name::twice_band: return QCoreApplication::translate("charts", "2 \u00D7 bande");
    case Name::outside_band: return QCoreApplication::translate("charts", "hors de 2 \u00D7 bande");
    case Name::not_compared: return QCoreApplication::translate("charts", "fond à 0 : non comparé");
    case Name::per_bin: return QCoreApplication::translate("charts", "par tranche (± \u221An)");
    case Name::per_live_time: return QCoreApplication::translate("charts", "sur le temps actif");
    case Name::mean_rate: return QCoreApplication::translate("charts", "taux moyen");
    case Name::muons:
        return QCoreApplication::translate("charts", "muons par minute à travers le détecteur (± \u221An)");
    }
    return {};
}

void draw_histogram(QPainter& p, const QRectF& area, const HistogramView& v, const TimeUnit& unit, bool log_counts) {
    p.save();
    const double f = unit.factor;
    const double from = v.size() ? v.lower.front() : 0;
    const double to = v.size() ? v.upper.back() : 1;
    const Range x{(from - v.dX / 2) * f, (to + v.dX / 2) * f};
    double top = 1;
    for (std::size_t i = 0; i < v.size(); ++i) top = std::max(top, v.count_per_dX[i] + v.error_per_dX[i]);
    for (const double c : v.curve) {
        if (std::isfinite(c)) top = std::max(top, c);
    }
    const Axis counts{log_counts ? Range{0.5, top * 2} : Range{0, top * 1.05}, counts_title(v.dX, unit), log_counts,
                      false};
    double worst = 3;
    for (const double r : v.residual) {
        if (std::isfinite(r)) worst = std::max(worst, std::abs(r));
    }
    const Axis residuals{{-worst * 1.1, worst * 1.1}, residual_title()};
    const Axis upper_x{x, QString(), false, false};
    const Axis lower_x{x, duration_title(unit)};
    Margins upper = Frame::margins(p, upper_x, counts, nullptr, 0);
    Margins lower = Frame::margins(p, lower_x, residuals, nullptr, 0);
    upper.left = lower.left = std::max(upper.left, lower.left);
    lower.top = 0.3 * Frame::font_height(p);
    const double split = area.top() + area.height() * 0.72;

    const std::vector<double> centre = times(v.centre, f);
    Frame above(p, QRectF(area.left(), area.top(), area.width(), split - area.top()), upper, upper_x, counts);
    above.axes();
    above.points(centre, v.count_per_dX, &v.error_per_dX, {Shape::disc, Qt::black, 5});
    above.line(times(v.curve_t, f), v.curve, QPen(kRed, 2));
    above.level(v.background, QPen(kBlue, 1.5, Qt::DashLine));
    above.legend({{name(Name::histogram), Marker{Shape::disc, Qt::black, 5}, {}, {}},
                  {name(Name::fit), {}, QPen(kRed, 2), {}},
                  {name(Name::background), {}, QPen(kBlue, 1.5, Qt::DashLine), {}}},
                 LegendPlace::inside_top_right);

    Frame below(p, QRectF(area.left(), split, area.width(), area.bottom() - split), lower, lower_x, residuals);
    below.axes();
    below.level(0, QPen(Qt::gray, 1));
    if (v.residual.size() == v.size()) below.points(centre, v.residual, nullptr, {Shape::disc, kGreen, 5});
    p.restore();
}

void draw_convergence(QPainter& p, const QRectF& area, const std::vector<ConvergencePoint>& points,
                      const TimeUnit& unit) {
    p.save();
    std::vector<double> records, tau, sigma, histogram;
    for (const ConvergencePoint& c : points) {
        records.push_back(c.records);
        tau.push_back(c.tau * unit.factor);
        sigma.push_back(std::isfinite(c.tau_error) ? c.tau_error * unit.factor : 0);
        histogram.push_back(c.histogram_tau * unit.factor);
    }
    Range xs = widened(or_else(span({{&records}}), {0, 1}), 0.05);
    xs.lo = std::min(0.0, xs.lo);
    const Axis x{xs, records_title()};
    const Axis y{widened(or_else(span({{&tau, &sigma}, {&histogram}}), {0, 1}), 0.1), lifetime_title(unit)};
    const std::vector<LegendEntry> legend{
        {name(Name::fitted_tau), Marker{Shape::disc, kRed, 5}, {}, {}},
        {name(Name::histogram_tau), Marker{Shape::circle, kBlue, 5}, QPen(kBlue, 1.5), {}}};
    Margins m = Frame::margins(p, x, y, nullptr, 1);
    m.top = 0.7 * Frame::font_height(p) +
            1.5 * Frame::font_height(p) * Frame::legend_rows(p, legend, area.width() - m.left - m.right);
    Frame frame(p, area, m, x, y);
    frame.axes();
    frame.line(records, histogram, QPen(kBlue, 1.5));
    frame.points(records, histogram, nullptr, {Shape::circle, kBlue, 5});
    frame.points(records, tau, &sigma, {Shape::disc, kRed, 5});
    frame.legend(legend, LegendPlace::above);
    p.restore();
}

void draw_stability(QPainter& p, const QRectF& area, const fit::StabilityScan& scan, const TimeUnit& unit) {
    p.save();
    const double f = unit.factor;
    std::vector<double> t, tau, sigma, t_band, up, down, up2, down2;
    std::vector<bool> inside, outside, not_compared;
    const double tau0 = scan.points.empty() ? fit::kNone : scan.points.front().tau * f;
    for (const fit::StabilityPoint& s : scan.points) {
        t.push_back(s.t_min * f);
        tau.push_back(s.tau * f);
        sigma.push_back(std::isfinite(s.tau_error) ? s.tau_error * f : 0);
        outside.push_back(s.outside);
        not_compared.push_back(!s.outside && s.background_at_limit);
        inside.push_back(!s.outside && !s.background_at_limit);
        if (!std::isfinite(s.band)) continue;
        t_band.push_back(s.t_min * f);
        up.push_back(tau0 + s.band * f);
        down.push_back(tau0 - s.band * f);
        up2.push_back(tau0 + 2 * s.band * f);
        down2.push_back(tau0 - 2 * s.band * f);
    }
    const double first = scan.points.empty() ? 0 : scan.points.front().t_min * f;
    const double last = scan.points.empty() ? 1 : scan.points.back().t_min * f;
    const double margin = std::max(scan.step * f / 2, 1e-9);
    const Axis x{{first - margin, last + margin}, t_min_title(unit)};
    const Axis y{widened(or_else(span({{&tau, &sigma}, {&up2}, {&down2}}), {0, 1}), 0.05), lifetime_title(unit)};
    const QBrush band_fill(QColor(0, 0, 200, 40));
    const std::vector<LegendEntry> legend{
        {name(Name::band), {}, QPen(kBlue, 1), band_fill},
        {name(Name::twice_band), {}, QPen(kBlue, 1, Qt::DashLine), {}},
        {name(Name::fitted_tau), Marker{Shape::disc, Qt::black, 5}, {}, {}},
        {name(Name::outside_band), Marker{Shape::disc, kRed, 5}, {}, {}},
        {name(Name::not_compared), Marker{Shape::circle, Qt::gray, 6}, {}, {}}};
    Margins m = Frame::margins(p, x, y, nullptr, 0);
    m.top = 0.7 * Frame::font_height(p) +
            1.5 * Frame::font_height(p) * Frame::legend_rows(p, legend, area.width() - m.left - m.right);
    Frame frame(p, area, m, x, y);
    frame.axes();
    frame.band(t_band, down, up, band_fill);
    frame.line(t_band, up, QPen(kBlue, 1));
    frame.line(t_band, down, QPen(kBlue, 1));
    frame.line(t_band, up2, QPen(kBlue, 1, Qt::DashLine));
    frame.line(t_band, down2, QPen(kBlue, 1, Qt::DashLine));
    frame.line({first, last}, {tau0, tau0}, QPen(Qt::gray, 1));
    frame.points(t, tau, &sigma, {Shape::disc, Qt::black, 5}, &inside);
    frame.points(t, tau, &sigma, {Shape::disc, kRed, 5}, &outside);
    frame.points(t, tau, &sigma, {Shape::circle, Qt::gray, 6}, &not_compared);
    frame.legend(legend, LegendPlace::above);
    p.restore();
}

QRectF draw_rate(QPainter& p, const QRectF& area, const rate::RateAnalysis& a) {
    p.save();
    std::vector<double> middle, per_bin, error, live_middle, per_live;
    double top = 1;
    for (const rate::RateBin& b : a.bins) {
        const double width = b.end_s - b.start_s;
        const double m = ((b.start_s + b.end_s) / 2 - a.first_s) / kSecondsPerHour;
        if (width > 0) {
            const auto n = static_cast<double>(b.count);
            middle.push_back(m);
            per_bin.push_back(n / width * kSecondsPerHour);
            error.push_back(std::sqrt(n) / width * kSecondsPerHour);
            top = std::max(top, per_bin.back() + error.back());
        }
        if (b.live_s > 0) {
            live_middle.push_back(m);
            per_live.push_back(b.rate_per_hour);
            top = std::max(top, b.rate_per_hour + b.rate_error_per_hour);
        }
    }
    const double origin_s = a.records > 0 ? a.first_s : 0;
    std::vector<double> muon_middle, per_minute, muon_error;
    double muon_top = 1;
    for (const rate::MuonBin& b : a.muon_bins) {
        if (b.seconds_present == 0) continue;
        muon_middle.push_back(((b.start_s + b.end_s) / 2 - origin_s) / kSecondsPerHour);
        per_minute.push_back(b.per_minute);
        muon_error.push_back(b.error_per_minute);
        muon_top = std::max(muon_top, b.per_minute + b.error_per_minute);
    }
    const double muons_end_s = a.muon_bins.empty() ? 0 : a.muon_bins.back().end_s - origin_s;
    const double end_h = std::max({a.span_s / kSecondsPerHour, muons_end_s / kSecondsPerHour, 1e-3});
    const Axis x{{-0.02 * end_h, 1.02 * end_h}, hours_title()};
    const Axis y{{0, top * 1.05}, rate_title()};
    std::optional<Axis> right;
    if (a.counts_known) right = Axis{{0, muon_top * 1.05}, muons_title()};
    std::vector<LegendEntry> legend{{name(Name::per_bin), Marker{Shape::disc, Qt::black, 5}, {}, {}},
                                    {name(Name::per_live_time), Marker{Shape::circle, kGreen, 7}, {}, {}},
                                    {name(Name::mean_rate), {}, QPen(kRed, 1.5, Qt::DashLine), {}}};
    if (right) legend.push_back({name(Name::muons), Marker{Shape::square, kMuons, 4}, {}, {}});
    // The legend in rows of its own above the axes: the newest bins, at the
    // right, and the highest ones stay in view.
    Margins m = Frame::margins(p, x, y, right ? &*right : nullptr, 1);
    m.top = 0.7 * Frame::font_height(p) +
            1.5 * Frame::font_height(p) * Frame::legend_rows(p, legend, area.width() - m.left - m.right);
    Frame frame(p, area, m, x, y, right);
    frame.axes();
    if (a.rate_known) frame.line({0, end_h}, {a.rate_per_hour, a.rate_per_hour}, QPen(kRed, 1.5, Qt::DashLine));
    frame.points(middle, per_bin, &error, {Shape::disc, Qt::black, 5});
    frame.points(live_middle, per_live, nullptr, {Shape::circle, kGreen, 7});
    if (right) frame.points(muon_middle, per_minute, &muon_error, {Shape::square, kMuons, 4}, nullptr, true);
    frame.legend(legend, LegendPlace::above);
    p.restore();
    return frame.plot();
}

namespace {

// The font at the pixel size it has on the screen.
QFont in_pixels(QFont font) {
    if (font.pixelSize() <= 0) font.setPixelSize(std::max(1, QFontInfo(font).pixelSize()));
    return font;
}

}  // namespace

void draw_into(QImage& image, const Drawing& draw, const QFont& font) {
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setFont(in_pixels(font));
    draw(p, QRectF(QPointF(0, 0), image.deviceIndependentSize()));
}

QImage image_of(const Drawing& draw, QSize size, double ratio, const QFont& font) {
    QImage image(size * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    draw_into(image, draw, font);
    return image;
}

QByteArray png_bytes(const Drawing& draw, QSize size, double ratio, const QFont& font) {
    const QImage image = image_of(draw, size, ratio, font);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

QByteArray svg_bytes(const Drawing& draw, QSize size, const QString& title, const QFont& font) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(size);
    generator.setViewBox(QRect(QPoint(0, 0), size));
    generator.setTitle(title);
    QPainter p;
    if (p.begin(&generator)) {
        p.setRenderHint(QPainter::Antialiasing);
        p.setFont(in_pixels(font));  // before any drawing: every group of the SVG names this font
        p.fillRect(QRect(QPoint(0, 0), size), Qt::white);
        draw(p, QRectF(QPointF(0, 0), QSizeF(size)));
        p.end();
    }
    return bytes;
}

}  // namespace charts
