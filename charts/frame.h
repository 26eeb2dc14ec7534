#pragma once
// What every plot of charts.h is drawn with: a frame of two (or three) axes
// mapping the data into a plot area, its grid, ticks, tick labels and axis
// titles, markers with error bars, lines, a band, and a legend, in the look of
// the window's plots. Lengths are in "window pixels": a twelfth of the
// painter's font size, so that a plot drawn with a 12-pixel font on an image
// looks as the window's plot does, and one drawn with a 7-point font on a page
// is the same plot smaller.
#include <QColor>
#include <QPainter>
#include <QPen>
#include <QRectF>
#include <QString>
#include <optional>
#include <vector>

namespace charts::detail {

struct Range {
    double lo = 0;
    double hi = 1;
};

// The span of the finite values of the series, each v - e .. v + e with its
// error e when given, widened by `margin` of it on both sides; nothing when
// no value is finite.
struct Series {
    const std::vector<double>* values = nullptr;
    const std::vector<double>* errors = nullptr;
};
std::optional<Range> span(std::initializer_list<Series> series);
// The span widened by `margin` of its width (an empty one by its size, at least 1).
Range widened(Range r, double margin);

struct Axis {
    Range range;
    QString title;
    bool log = false;          // decades: the range must be above 0
    bool tick_labels = true;   // false: a plot stacked above another with the same x axis
};

enum class Shape { disc, circle, square };
struct Marker {
    Shape shape = Shape::disc;
    QColor colour = Qt::black;
    double size = 5;  // window pixels across
};

// One line of a legend: a marker, a line (its pen) or a band (its brush and pen).
struct LegendEntry {
    QString text;
    std::optional<Marker> marker;
    std::optional<QPen> line;  // its width in window pixels
    std::optional<QBrush> band;
};

enum class LegendPlace { inside_top_right, above };

// The margins of a frame, in the painter's units.
struct Margins {
    double left = 0;
    double right = 0;
    double top = 0;
    double bottom = 0;
};

// Markers and error bars are drawn one by one on every painter (the plain
// way, the reference) or, on a raster device whose painter only moves and
// scales, the bars in one stroke and the markers stamped from one drawing
// each (the same pixels, a tenth of the time). `true` draws plainly everywhere.
void draw_markers_plainly(bool plainly);

class Frame {
public:
    // The font's pixel size and one window pixel.
    static double font_height(const QPainter& p);
    static double pixel(const QPainter& p) { return font_height(p) / 12; }
    // The margins the axes need: tick labels and titles left (y) and below (x),
    // the legend's rows above, the right axis's labels and title at the right.
    static Margins margins(QPainter& p, const Axis& x, const Axis& y, const Axis* right, int legend_rows);
    // The rows a legend above takes in a width.
    static int legend_rows(QPainter& p, const std::vector<LegendEntry>& entries, double width);

    Frame(QPainter& p, const QRectF& area, const Margins& m, Axis x, Axis y, std::optional<Axis> right = {});

    const QRectF& plot() const { return plot_; }
    QPointF at(double x, double y) const;
    QPointF at_right(double x, double y) const;  // on the right axis

    // White plot area, its dotted grid, the left and bottom axes (the right one
    // when there is one) with inward ticks, tick labels and titles.
    void axes();
    // Markers with vertical error bars (whiskers at their ends), those with
    // keep(i) only, on the left axis or the right one.
    void points(const std::vector<double>& x, const std::vector<double>& y, const std::vector<double>* error,
                const Marker& marker, const std::vector<bool>* keep = nullptr, bool right = false);
    // A line through the finite points, broken where one is missing; pen width in window pixels.
    void line(const std::vector<double>& x, const std::vector<double>& y, QPen pen);
    void level(double y, const QPen& pen);
    // The area between two lines over the same x, filled.
    void band(const std::vector<double>& x, const std::vector<double>& lo, const std::vector<double>& hi,
              const QBrush& brush);
    void legend(const std::vector<LegendEntry>& entries, LegendPlace place);

private:
    double y_of(double value, const Axis& axis) const;
    QPen scaled(QPen pen) const;

    QPainter& p_;
    QRectF area_;
    Axis x_, y_;
    std::optional<Axis> right_;
    QRectF plot_;
    double px_;
    double h_;
};

}  // namespace charts::detail
