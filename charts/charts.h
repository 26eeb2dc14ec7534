#pragma once
// The run's plots, each drawn one way, by one function, with a QPainter into a
// rectangle of any paint device: the run report's pages (vector paths in its
// PDF, or a printer), the analysis window's PNG and SVG exports, an SVG served
// to a page. They look as the analysis window's plots do (the same colours,
// markers and legends), with axis titles that give their units. Every length
// follows the painter's font: its pixel size is the height of a tick label, in
// the painter's coordinates.
//
//   QPainter p(&device);
//   p.setFont(font);  // pixel size set
//   charts::draw_histogram(p, QRectF(0, 0, 500, 320), view, charts::time_unit(10, 800));
#include "analysis/rate/rate.h"
#include "fit/run/convergence.h"
#include "fit/run/histogram_view.h"
#include "fit/stability.h"

#include <QByteArray>
#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QSize>
#include <QString>
#include <functional>
#include <vector>

namespace charts {

// The unit a duration axis is read in: a duration of the data's units is drawn
// at duration × factor, in `unit` ("µs", "ns", or "unités" when the
// nanoseconds of one unit are not known).
struct TimeUnit {
    double factor = 1;
    QString unit;
};
// µs when the axis reaches a microsecond (it goes up to `largest` units), else
// ns; the data's own units when `unit_ns` is not a finite number above 0.
TimeUnit time_unit(double unit_ns, double largest);

// The axis titles, which the window's plots take too.
QString duration_title(const TimeUnit& unit);            // "durée (µs)"
QString lifetime_title(const TimeUnit& unit);            // "durée de vie (µs)"
QString t_min_title(const TimeUnit& unit);               // "t min (µs)"
QString counts_title(double dX, const TimeUnit& unit);   // "événements par classe de 0.1 µs"
QString residual_title();                                // "résidu / σ"
QString records_title();                                 // "enregistrements"
QString hours_title();                                   // "temps depuis le premier événement (h)"
QString rate_title();                                    // "taux (événements / h)"
QString muons_title();                                   // "muons par minute"

// The names of the plots' series in their legends, the window's too.
enum class Name {
    histogram,      // "histogramme (± √n)"
    fit,            // "ajustement"
    background,     // "fond"
    fitted_tau,     // "tau ajusté ± σ"
    histogram_tau,  // "Tau de l'histogramme"
    band,           // "bande ±√(σ² − σ₀²)"
    twice_band,     // "2 × bande"
    outside_band,   // "hors de 2 × bande"
    not_compared,   // "fond à 0 : non comparé"
    per_bin,        // "par tranche (± √n)"
    per_live_time,  // "sur le temps actif"
    mean_rate,      // "taux moyen"
    muons,          // "muons par minute à travers le détecteur (± √n)"
};
QString name(Name series);

// The histogram (events per width dX, √n error bars), the fitted curve and the
// background level, the count axis linear or logarithmic, above the
// normalised residuals; the durations in `unit`.
void draw_histogram(QPainter& painter, const QRectF& area, const HistogramView& view, const TimeUnit& unit,
                    bool log_counts = false);
// The fitted tau ± sigma as the run grew, with the histogram's Tau.
void draw_convergence(QPainter& painter, const QRectF& area, const std::vector<ConvergencePoint>& points,
                      const TimeUnit& unit);
// tau against t min with the band of nested samples and twice the band.
void draw_stability(QPainter& painter, const QRectF& area, const fit::StabilityScan& scan, const TimeUnit& unit);
// The rate in bins of wall-clock time (over each bin, over its live time), the
// mean rate, and the muons through the detector per minute when the run has
// count records; the legend above the axes. Gives the axes' rectangle.
QRectF draw_rate(QPainter& painter, const QRectF& area, const rate::RateAnalysis& rate);

// A plot drawn into a rectangle.
using Drawing = std::function<void(QPainter& painter, const QRectF& area)>;
// The plot of `size` pixels (at the device pixel ratio `ratio`) on white, as
// an image (the window shows it), as PNG bytes, or as SVG bytes of that size titled `title`; `font` as the
// window's, its pixel size set from its point size.
QImage image_of(const Drawing& draw, QSize size, double ratio, const QFont& font);
// The same drawn again into an image of that kind, its size kept.
void draw_into(QImage& image, const Drawing& draw, const QFont& font);
QByteArray png_bytes(const Drawing& draw, QSize size, double ratio, const QFont& font);
QByteArray svg_bytes(const Drawing& draw, QSize size, const QString& title, const QFont& font);

}  // namespace charts
