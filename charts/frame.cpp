#include "charts/frame.h"

#include "platform/numbers.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPaintEngine>
#include <QPainterPath>
#include <algorithm>
#include <climits>
#include <cmath>
#include <map>
#include <tuple>

namespace charts::detail {

namespace {

constexpr int kXTicks = 6;
constexpr int kYTicks = 5;
const QColor kGrid(200, 200, 200);

// A tick step of 1, 2 or 5 times a power of ten giving about `ticks` ticks.
double tick_step(const Range& r, int ticks) {
    const double raw = (r.hi - r.lo) / ticks;
    if (!(raw > 0) || !std::isfinite(raw)) return 1;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (const double m : {1.0, 2.0, 5.0}) {
        if (m * power >= raw * (1 - 1e-9)) return m * power;
    }
    return 10 * power;
}

// The tick values of an axis: multiples of the step, or decades (with their
// 2 and 5 when fewer than two decades show).
std::vector<double> ticks(const Axis& a, int count) {
    std::vector<double> values;
    if (a.log) {
        const double lo = std::max(a.range.lo, 1e-300);
        const int first = static_cast<int>(std::ceil(std::log10(lo) - 1e-9));
        const int last = static_cast<int>(std::floor(std::log10(a.range.hi) + 1e-9));
        const bool few = last - first < 2;
        const double multiples[] = {1, 2, 5};
        for (int k = first - 1; k <= last && k - first < 400; ++k) {
            for (std::size_t i = 0; i < (few ? 3u : 1u); ++i) {
                const double v = multiples[i] * std::pow(10.0, k);
                if (v >= lo * (1 - 1e-9) && v <= a.range.hi * (1 + 1e-9)) values.push_back(v);
            }
        }
        return values;
    }
    const double step = tick_step(a.range, count);
    const double first = std::ceil(a.range.lo / step - 1e-9);
    for (double k = first; k * step <= a.range.hi + step * 1e-9 && values.size() < 100; ++k) {
        const double v = k * step;
        values.push_back(std::abs(v) < step * 1e-9 ? 0.0 : v);  // no "-0" nor "1E-17" at zero
    }
    return values;
}

QString label(double v) { return platform::general(v); }

double widest(QPainter& p, const std::vector<double>& values) {
    const QFontMetricsF fm(p.font(), p.device());
    double w = 0;
    for (const double v : values) w = std::max(w, fm.horizontalAdvance(label(v)));
    return w;
}

double text_width(QPainter& p, const QString& text) {
    return QFontMetricsF(p.font(), p.device()).horizontalAdvance(text);
}

// The width of one entry of a legend: its icon, a space and its text.
double entry_width(QPainter& p, const LegendEntry& e) {
    const double h = Frame::font_height(p);
    return 2.6 * h + text_width(p, e.text) + 1.2 * h;
}

}  // namespace

std::optional<Range> span(std::initializer_list<Series> series) {
    double lo = INFINITY, hi = -INFINITY;
    for (const Series& s : series) {
        if (!s.values) continue;
        for (std::size_t i = 0; i < s.values->size(); ++i) {
            const double v = (*s.values)[i];
            if (!std::isfinite(v)) continue;
            const double e =
                s.errors && i < s.errors->size() && std::isfinite((*s.errors)[i]) ? std::abs((*s.errors)[i]) : 0;
            lo = std::min(lo, v - e);
            hi = std::max(hi, v + e);
        }
    }
    if (!(lo <= hi)) return std::nullopt;
    return Range{lo, hi};
}

Range widened(Range r, double margin) {
    const double pad = r.hi > r.lo ? (r.hi - r.lo) * margin : std::max(std::abs(r.hi) * margin, 1.0);
    return {r.lo - pad, r.hi + pad};
}

double Frame::font_height(const QPainter& p) {
    const QFont& f = p.font();
    if (f.pixelSize() > 0) return f.pixelSize();
    return QFontMetricsF(f, p.device()).height() * 0.8;
}

Margins Frame::margins(QPainter& p, const Axis& x, const Axis& y, const Axis* right, int legend_rows) {
    const double h = font_height(p);
    Margins m;
    m.left = widest(p, ticks(y, kYTicks)) + 0.6 * h + (y.title.isEmpty() ? 0 : 1.5 * h) + 0.2 * h;
    m.bottom = (x.tick_labels ? 1.5 * h : 0.4 * h) + (x.title.isEmpty() ? 0 : 1.4 * h);
    m.right = right ? widest(p, ticks(*right, kYTicks)) + 0.6 * h + (right->title.isEmpty() ? 0 : 1.5 * h) + 0.2 * h
                    : 1.2 * h;  // half the last tick label
    m.top = 0.7 * h + legend_rows * 1.5 * h;
    return m;
}

int Frame::legend_rows(QPainter& p, const std::vector<LegendEntry>& entries, double width) {
    int rows = entries.empty() ? 0 : 1;
    double used = 0;
    for (const LegendEntry& e : entries) {
        const double w = entry_width(p, e);
        if (used > 0 && used + w > width) {
            ++rows;
            used = 0;
        }
        used += w;
    }
    return rows;
}

Frame::Frame(QPainter& p, const QRectF& area, const Margins& m, Axis x, Axis y, std::optional<Axis> right)
    : p_(p), area_(area), x_(std::move(x)), y_(std::move(y)), right_(std::move(right)) {
    h_ = font_height(p);
    px_ = h_ / 12;
    plot_ = area.adjusted(m.left, m.top, -m.right, -m.bottom);
    if (plot_.width() < h_) plot_.setWidth(h_);
    if (plot_.height() < h_) plot_.setHeight(h_);
    for (Axis* a : {&x_, &y_}) {
        if (!(a->range.hi > a->range.lo)) a->range = widened(a->range, 0.05);
    }
    if (right_ && !(right_->range.hi > right_->range.lo)) right_->range = widened(right_->range, 0.05);
}

double Frame::y_of(double value, const Axis& a) const {
    double f;
    if (a.log) {
        f = (std::log10(std::max(value, 1e-300)) - std::log10(a.range.lo)) /
            (std::log10(a.range.hi) - std::log10(a.range.lo));
    } else {
        f = (value - a.range.lo) / (a.range.hi - a.range.lo);
    }
    // Far outside, clipped anyway: kept within reach of the painter's numbers.
    return plot_.bottom() - std::clamp(f, -10.0, 11.0) * plot_.height();
}

QPointF Frame::at(double x, double y) const {
    const double f = std::clamp((x - x_.range.lo) / (x_.range.hi - x_.range.lo), -10.0, 11.0);
    return {plot_.left() + f * plot_.width(), y_of(y, y_)};
}

QPointF Frame::at_right(double x, double y) const {
    return {at(x, 0).x(), right_ ? y_of(y, *right_) : at(x, y).y()};
}

QPen Frame::scaled(QPen pen) const {
    pen.setWidthF(std::max(pen.widthF(), 0.5) * px_);
    return pen;
}

void Frame::axes() {
    p_.save();
    p_.setBrush(Qt::white);
    p_.setPen(Qt::NoPen);
    p_.drawRect(plot_);
    const std::vector<double> xs = ticks(x_, kXTicks);
    const std::vector<double> ys = ticks(y_, kYTicks);
    // The grid, dotted as the window's.
    p_.setPen(scaled(QPen(kGrid, 1, Qt::DotLine)));
    for (const double v : xs) p_.drawLine(QPointF(at(v, 0).x(), plot_.top()), QPointF(at(v, 0).x(), plot_.bottom()));
    for (const double v : ys) p_.drawLine(QPointF(plot_.left(), y_of(v, y_)), QPointF(plot_.right(), y_of(v, y_)));

    p_.setPen(scaled(QPen(Qt::black, 1)));
    p_.drawLine(plot_.bottomLeft(), plot_.bottomRight());
    p_.drawLine(plot_.bottomLeft(), plot_.topLeft());
    const double tick = 5 * px_;
    const double gap = 0.3 * h_;
    for (const double v : xs) {
        const double x = at(v, 0).x();
        p_.drawLine(QPointF(x, plot_.bottom()), QPointF(x, plot_.bottom() - tick));
        if (x_.tick_labels) {
            p_.drawText(QRectF(x - 5 * h_, plot_.bottom() + gap, 10 * h_, 1.3 * h_), Qt::AlignHCenter | Qt::AlignTop,
                        label(v));
        }
    }
    for (const double v : ys) {
        const double y = y_of(v, y_);
        p_.drawLine(QPointF(plot_.left(), y), QPointF(plot_.left() + tick, y));
        p_.drawText(QRectF(area_.left(), y - 0.8 * h_, plot_.left() - area_.left() - gap, 1.6 * h_),
                    Qt::AlignRight | Qt::AlignVCenter, label(v));
    }
    if (!x_.title.isEmpty()) {
        const double top = plot_.bottom() + (x_.tick_labels ? 1.5 * h_ : 0.4 * h_);
        p_.drawText(QRectF(plot_.left() - 4 * h_, top, plot_.width() + 8 * h_, 1.4 * h_),
                    Qt::AlignHCenter | Qt::AlignTop, x_.title);
    }
    const auto vertical_title = [&](const QString& title, double x_centre) {
        if (title.isEmpty()) return;
        p_.save();
        p_.translate(x_centre, plot_.center().y());
        p_.rotate(-90);
        p_.drawText(QRectF(-plot_.height() / 2 - 4 * h_, -0.7 * h_, plot_.height() + 8 * h_, 1.4 * h_),
                    Qt::AlignCenter, title);
        p_.restore();
    };
    vertical_title(y_.title, area_.left() + 0.75 * h_);
    if (right_) {
        p_.drawLine(plot_.bottomRight(), plot_.topRight());
        for (const double v : ticks(*right_, kYTicks)) {
            const double y = y_of(v, *right_);
            p_.drawLine(QPointF(plot_.right(), y), QPointF(plot_.right() - tick, y));
            p_.drawText(QRectF(plot_.right() + gap, y - 0.8 * h_, 8 * h_, 1.6 * h_), Qt::AlignLeft | Qt::AlignVCenter,
                        label(v));
        }
        vertical_title(right_->title, area_.right() - 0.75 * h_);
    }
    p_.restore();
}

namespace {

void draw_marker(QPainter& p, QPointF c, const Marker& m, double px) {
    const double r = m.size / 2 * px;
    p.setPen(QPen(m.colour, px));
    switch (m.shape) {
    case Shape::disc:
        p.setBrush(m.colour);
        p.drawEllipse(c, r, r);
        break;
    case Shape::circle:
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(c, r, r);
        break;
    case Shape::square:
        p.setBrush(m.colour);
        p.drawRect(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r));
        break;
    }
}

}  // namespace

namespace {

bool g_plainly = false;

// Where markers can be stamped: a raster device, the painter only moving and
// scaling alike both ways (a page's or a file's vector painter draws each marker).
bool stamps(const QPainter& p) {
    const QTransform& t = p.deviceTransform();
    return !g_plainly && p.paintEngine() && p.paintEngine()->type() == QPaintEngine::Raster &&
           t.type() <= QTransform::TxScale && t.m11() == t.m22() && t.m11() > 0;
}

// A marker drawn once at an eighth-of-a-pixel phase, on transparent device pixels,
// stamped then wherever a point has that phase. Kept for the thread's next plots.
struct Stamp {
    QImage image;
    QPoint offset;  // from the centre's whole device pixel to the image's corner
};

constexpr int kPhases = 8;

const Stamp& stamp(const Marker& m, double px, int phase_x, int phase_y) {
    struct Key {
        int shape;
        QRgb colour;
        double size, px;
        int x, y;
        bool operator<(const Key& o) const {
            return std::tie(shape, colour, size, px, x, y) < std::tie(o.shape, o.colour, o.size, o.px, o.x, o.y);
        }
    };
    thread_local std::map<Key, Stamp> made;
    if (made.size() > 256) made.clear();
    const Key key{static_cast<int>(m.shape), m.colour.rgba(), m.size, px, phase_x, phase_y};
    auto it = made.find(key);
    if (it != made.end()) return it->second;
    // Half the marker and its pen, in device pixels, and a pixel of room for the smoothing.
    const int half = static_cast<int>(std::ceil((m.size / 2 + 1) * px)) + 1;
    Stamp s;
    s.image = QImage(2 * half + 1, 2 * half + 1, QImage::Format_ARGB32_Premultiplied);
    s.image.fill(Qt::transparent);
    s.offset = QPoint(-half, -half);
    {
        QPainter q(&s.image);
        q.setRenderHint(QPainter::Antialiasing);
        const QPointF centre(half + static_cast<double>(phase_x) / kPhases,
                             half + static_cast<double>(phase_y) / kPhases);
        draw_marker(q, centre, m, px);
    }
    return made.emplace(key, std::move(s)).first->second;
}

}  // namespace

void draw_markers_plainly(bool plainly) { g_plainly = plainly; }

void Frame::points(const std::vector<double>& x, const std::vector<double>& y, const std::vector<double>* error,
                   const Marker& marker, const std::vector<bool>* keep, bool right) {
    p_.save();
    p_.setClipRect(plot_);
    const auto place = [&](double a, double b) { return right ? at_right(a, b) : at(a, b); };
    const double whisker = 4.5 * px_;  // half the window's 9 pixels
    const bool stamped = stamps(p_);
    // Every bar first, then every marker over them.
    std::vector<QLineF> bars;
    std::vector<QPointF> centres;
    for (std::size_t i = 0; i < std::min(x.size(), y.size()); ++i) {
        if ((keep && (i >= keep->size() || !(*keep)[i])) || !std::isfinite(x[i]) || !std::isfinite(y[i])) continue;
        if (error && i < error->size() && std::isfinite((*error)[i]) && (*error)[i] > 0) {
            const double e = (*error)[i];
            const QPointF lo = place(x[i], y[i] - e);
            const QPointF hi = place(x[i], y[i] + e);
            bars.insert(bars.end(), {QLineF(lo, hi), QLineF(lo - QPointF(whisker, 0), lo + QPointF(whisker, 0)),
                                     QLineF(hi - QPointF(whisker, 0), hi + QPointF(whisker, 0))});
        }
        centres.push_back(place(x[i], y[i]));
    }
    if (!stamped) {
        // The plain way, the reference: each bar and each marker drawn on its own.
        p_.setPen(QPen(marker.colour, px_));
        for (const QLineF& l : bars) p_.drawLine(l);
        for (const QPointF& c : centres) draw_marker(p_, c, marker, px_);
    } else {
        if (!bars.empty()) {
            // Each bar's stroke, a pixel wide with square ends, is the rectangle around it.
            std::vector<QRectF> rects;
            rects.reserve(bars.size());
            const double half = px_ / 2;
            for (const QLineF& l : bars) {
                rects.push_back(QRectF(QPointF(std::min(l.x1(), l.x2()) - half, std::min(l.y1(), l.y2()) - half),
                                       QPointF(std::max(l.x1(), l.x2()) + half, std::max(l.y1(), l.y2()) + half)));
            }
            p_.setPen(Qt::NoPen);
            p_.setBrush(marker.colour);
            p_.drawRects(rects.data(), static_cast<int>(rects.size()));
        }
        // Drawn in device pixels: the painter's move and scale set aside for the stamps.
        const QTransform device = p_.deviceTransform();
        const double scale = device.m11();
        p_.setWorldTransform(device.inverted() * p_.worldTransform());  // device pixels one for one
        QPoint last(INT_MIN, INT_MIN);
        int last_x = -1, last_y = -1;
        for (const QPointF& c : centres) {
            const QPointF d = device.map(c);
            const QPoint whole(static_cast<int>(std::floor(d.x())), static_cast<int>(std::floor(d.y())));
            int phase_x = static_cast<int>(std::lround((d.x() - whole.x()) * kPhases));
            int phase_y = static_cast<int>(std::lround((d.y() - whole.y()) * kPhases));
            const QPoint at(whole.x() + phase_x / kPhases, whole.y() + phase_y / kPhases);
            phase_x %= kPhases;
            phase_y %= kPhases;
            if (at == last && phase_x == last_x && phase_y == last_y) continue;  // on the one drawn before
            last = at;
            last_x = phase_x;
            last_y = phase_y;
            const Stamp& s = stamp(marker, px_ * scale, phase_x, phase_y);
            p_.drawImage(at + s.offset, s.image);
        }
    }
    p_.restore();
}

void Frame::line(const std::vector<double>& x, const std::vector<double>& y, QPen pen) {
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
    p_.setPen(scaled(std::move(pen)));
    p_.setBrush(Qt::NoBrush);
    p_.drawPath(path);
    p_.restore();
}

void Frame::level(double y, const QPen& pen) {
    if (std::isfinite(y)) line({x_.range.lo, x_.range.hi}, {y, y}, pen);
}

void Frame::band(const std::vector<double>& x, const std::vector<double>& lo, const std::vector<double>& hi,
                 const QBrush& brush) {
    QPolygonF shape;
    const std::size_t n = std::min({x.size(), lo.size(), hi.size()});
    for (std::size_t i = 0; i < n; ++i) {
        if (std::isfinite(x[i]) && std::isfinite(hi[i])) shape << at(x[i], hi[i]);
    }
    for (std::size_t i = n; i-- > 0;) {
        if (std::isfinite(x[i]) && std::isfinite(lo[i])) shape << at(x[i], lo[i]);
    }
    if (shape.size() < 3) return;
    p_.save();
    p_.setClipRect(plot_);
    p_.setPen(Qt::NoPen);
    p_.setBrush(brush);
    p_.drawPolygon(shape);
    p_.restore();
}

void Frame::legend(const std::vector<LegendEntry>& entries, LegendPlace place) {
    if (entries.empty()) return;
    const double row = 1.5 * h_;
    const double icon = 2.2 * h_;
    std::vector<double> widths;
    for (const LegendEntry& e : entries) widths.push_back(entry_width(p_, e));
    // Where each entry stands: one a row inside the plot, side by side above it.
    std::vector<QPointF> corners;
    QRectF box;
    if (place == LegendPlace::inside_top_right) {
        const double w = *std::max_element(widths.begin(), widths.end()) + 0.4 * h_;
        box = QRectF(plot_.right() - w - 0.5 * h_, plot_.top() + 0.5 * h_, w, row * static_cast<double>(entries.size()) + 0.4 * h_);
        for (std::size_t i = 0; i < entries.size(); ++i) {
            corners.emplace_back(box.left() + 0.4 * h_, box.top() + 0.2 * h_ + row * static_cast<double>(i));
        }
    } else {
        std::vector<std::vector<std::size_t>> rows(1);
        std::vector<double> used(1, 0);
        for (std::size_t i = 0; i < entries.size(); ++i) {
            if (used.back() > 0 && used.back() + widths[i] > plot_.width()) {
                rows.emplace_back();
                used.push_back(0);
            }
            rows.back().push_back(i);
            used.back() += widths[i];
        }
        corners.resize(entries.size());
        const double top = plot_.top() - 0.5 * h_ - row * static_cast<double>(rows.size());
        for (std::size_t r = 0; r < rows.size(); ++r) {
            double x = plot_.center().x() - used[r] / 2;
            for (const std::size_t i : rows[r]) {
                corners[i] = QPointF(x, top + row * static_cast<double>(r));
                x += widths[i];
            }
        }
    }
    p_.save();
    if (!box.isNull()) {
        p_.setPen(scaled(QPen(Qt::black, 1)));
        p_.setBrush(Qt::white);
        p_.drawRect(box);
    }
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const LegendEntry& e = entries[i];
        const QRectF icon_box(corners[i].x(), corners[i].y() + 0.2 * row, icon, 0.6 * row);
        const double mid = icon_box.center().y();
        if (e.band) {
            p_.setPen(Qt::NoPen);
            p_.setBrush(*e.band);
            p_.drawRect(icon_box.adjusted(0, 0.1 * row, 0, -0.1 * row));
        }
        if (e.line) {
            p_.setPen(scaled(*e.line));
            p_.drawLine(QPointF(icon_box.left(), mid), QPointF(icon_box.right(), mid));
        }
        if (e.marker) draw_marker(p_, QPointF(icon_box.center().x(), mid), *e.marker, px_);
        p_.setPen(Qt::black);
        p_.drawText(QRectF(icon_box.right() + 0.4 * h_, corners[i].y(), widths[i], row),
                    Qt::AlignLeft | Qt::AlignVCenter, e.text);
    }
    p_.restore();
}

}  // namespace charts::detail
