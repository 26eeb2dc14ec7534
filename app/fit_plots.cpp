#include "app/fit_plots.h"

#include "platform/numbers.h"

#include <QLocale>
#include <qcustomplot.h>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

QVector<double> vec(const std::vector<double>& v) { return QVector<double>(v.begin(), v.end()); }

// The values times the unit's factor.
QVector<double> vec(const std::vector<double>& v, double factor) {
    QVector<double> out(v.begin(), v.end());
    for (double& x : out) x *= factor;
    return out;
}

bool same_unit(const charts::TimeUnit& a, const charts::TimeUnit& b) { return a.factor == b.factor && a.unit == b.unit; }

// The same values bit for bit (a missing value, NaN, is the same as another).
template <class T>
bool same_bits(const std::vector<T>& a, const std::vector<T>& b) {
    return a.size() == b.size() && (a.empty() || std::memcmp(a.data(), b.data(), a.size() * sizeof(T)) == 0);
}

bool same_view(const HistogramView& a, const HistogramView& b) {
    const std::vector<double> HistogramView::*columns[] = {
        &HistogramView::lower,        &HistogramView::upper,    &HistogramView::centre,   &HistogramView::count,
        &HistogramView::error,        &HistogramView::expected, &HistogramView::residual, &HistogramView::count_per_dX,
        &HistogramView::error_per_dX, &HistogramView::curve_t,  &HistogramView::curve};
    for (const auto column : columns) {
        if (!same_bits(a.*column, b.*column)) return false;
    }
    return same_bits(std::vector<double>{a.background, a.dX}, std::vector<double>{b.background, b.dX});
}

bool same_points(const std::vector<ConvergencePoint>& a, const std::vector<ConvergencePoint>& b) {
    return same_bits(a, b);
}

// Tick labels with the program's decimal mark, without group separators.
QLocale locale_des_nombres() {
    QLocale locale = platform::decimal_separator() == QLatin1Char(',') ? QLocale(QLocale::French) : QLocale::c();
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale;
}

QCPGraph* points(QCustomPlot* plot, QCPAxis* x, QCPAxis* y, QColor colour, const QString& name) {
    QCPGraph* g = plot->addGraph(x, y);
    g->setLineStyle(QCPGraph::lsNone);
    g->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssDisc, colour, colour, 5));
    g->setPen(QPen(colour));
    g->setName(name);
    return g;
}

QCPGraph* line(QCustomPlot* plot, QCPAxis* x, QCPAxis* y, QPen pen, const QString& name) {
    QCPGraph* g = plot->addGraph(x, y);
    g->setPen(pen);
    g->setName(name);
    return g;
}

QCPErrorBars* bars(QCPGraph* g, QColor colour) {
    auto* b = new QCPErrorBars(g->keyAxis(), g->valueAxis());
    b->setDataPlottable(g);
    b->setPen(QPen(colour));
    b->removeFromLegend();
    return b;
}

QCustomPlot* new_plot(QWidget* parent, const char* name) {
    auto* plot = new QCustomPlot(parent);
    plot->setObjectName(QString::fromLatin1(name));
    plot->setLocale(locale_des_nombres());
    plot->setMinimumSize(360, 240);
    plot->setNoAntialiasingOnDrag(true);
    return plot;
}

// The span of finite values, widened by a margin; [0, 1] when there are none.
QCPRange span(std::initializer_list<const std::vector<double>*> series, double margin) {
    double lo = INFINITY, hi = -INFINITY;
    for (const auto* s : series) {
        for (double v : *s) {
            if (std::isfinite(v)) {
                lo = std::min(lo, v);
                hi = std::max(hi, v);
            }
        }
    }
    if (!(lo <= hi)) return QCPRange(0, 1);
    const double pad = hi > lo ? (hi - lo) * margin : std::max(std::fabs(hi) * margin, 1.0);
    return QCPRange(lo - pad, hi + pad);
}

}  // namespace

GraphesAjustement::GraphesAjustement(QWidget* parent) {
    histogramme = new_plot(parent, "Plot_histogramme");
    QCPAxisRect* haut = histogramme->axisRect();
    residus_ = new QCPAxisRect(histogramme);
    histogramme->plotLayout()->addElement(1, 0, residus_);
    histogramme->plotLayout()->setRowStretchFactor(0, 3);
    histogramme->plotLayout()->setRowStretchFactor(1, 1);
    auto* marges = new QCPMarginGroup(histogramme);
    haut->setMarginGroup(QCP::msLeft | QCP::msRight, marges);
    residus_->setMarginGroup(QCP::msLeft | QCP::msRight, marges);
    QObject::connect(haut->axis(QCPAxis::atBottom), qOverload<const QCPRange&>(&QCPAxis::rangeChanged),
                     residus_->axis(QCPAxis::atBottom), qOverload<const QCPRange&>(&QCPAxis::setRange));
    QCPAxis* x = haut->axis(QCPAxis::atBottom);
    QCPAxis* y = haut->axis(QCPAxis::atLeft);
    donnees_ = points(histogramme, x, y, Qt::black, charts::name(charts::Name::histogram));
    barres_ = bars(donnees_, Qt::black);
    courbe_ = line(histogramme, x, y, QPen(QColor(200, 0, 0), 2), charts::name(charts::Name::fit));
    fond_ = line(histogramme, x, y, QPen(QColor(0, 0, 200), 1.5, Qt::DashLine), charts::name(charts::Name::background));
    histogramme->legend->setVisible(true);
    haut->insetLayout()->setInsetAlignment(0, Qt::AlignTop | Qt::AlignRight);

    QCPAxis* rx = residus_->axis(QCPAxis::atBottom);
    QCPAxis* ry = residus_->axis(QCPAxis::atLeft);
    ry->setLabel(charts::residual_title());
    ry->ticker()->setTickCount(3);
    zero_ = line(histogramme, rx, ry, QPen(Qt::gray), QString());
    zero_->removeFromLegend();
    residus_points_ = points(histogramme, rx, ry, QColor(0, 100, 0), QString());
    residus_points_->removeFromLegend();

    convergence = new_plot(parent, "Plot_convergence");
    QCPAxis* cx = convergence->xAxis;
    QCPAxis* cy = convergence->yAxis;
    cx->setLabel(charts::records_title());
    tau_ = points(convergence, cx, cy, QColor(200, 0, 0), charts::name(charts::Name::fitted_tau));
    tau_barres_ = bars(tau_, QColor(200, 0, 0));
    tau_histogramme_ =
        line(convergence, cx, cy, QPen(QColor(0, 0, 200), 1.5), charts::name(charts::Name::histogram_tau));
    tau_histogramme_->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssCircle, 5));
    // The legend in a row of its own above the axes, its entries side by
    // side: inside the axes it covered the newest points, at the right.
    QCPLegend* legende = convergence->legend;
    legende->setVisible(true);
    legende->setFillOrder(QCPLegend::foColumnsFirst);
    legende->setBorderPen(Qt::NoPen);
    convergence->plotLayout()->insertRow(0);
    convergence->plotLayout()->addElement(0, 0, legende);
    convergence->plotLayout()->setRowStretchFactor(0, 0.001);

    stabilite = new_plot(parent, "Plot_stabilite");
    QCPAxis* sx = stabilite->xAxis;
    QCPAxis* sy = stabilite->yAxis;
    const QColor bleu(0, 0, 200);
    bande_haut_ = line(stabilite, sx, sy, QPen(bleu, 1), charts::name(charts::Name::band));
    bande_haut_->setBrush(QColor(0, 0, 200, 40));
    bande_bas_ = line(stabilite, sx, sy, QPen(bleu, 1), QString());
    bande_bas_->removeFromLegend();
    bande_haut_->setChannelFillGraph(bande_bas_);
    limite_haut_ = line(stabilite, sx, sy, QPen(bleu, 1, Qt::DashLine), charts::name(charts::Name::twice_band));
    limite_bas_ = line(stabilite, sx, sy, QPen(bleu, 1, Qt::DashLine), QString());
    limite_bas_->removeFromLegend();
    premier_ = line(stabilite, sx, sy, QPen(Qt::gray, 1), QString());
    premier_->removeFromLegend();
    dans_bande_ = points(stabilite, sx, sy, Qt::black, charts::name(charts::Name::fitted_tau));
    dans_bande_barres_ = bars(dans_bande_, Qt::black);
    hors_bande_ = points(stabilite, sx, sy, QColor(200, 0, 0), charts::name(charts::Name::outside_band));
    hors_bande_barres_ = bars(hors_bande_, QColor(200, 0, 0));
    non_compare_ = points(stabilite, sx, sy, Qt::gray, charts::name(charts::Name::not_compared));
    non_compare_->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssCircle, Qt::gray, 6));
    non_compare_barres_ = bars(non_compare_, Qt::gray);
    QCPLegend* legende_stabilite = stabilite->legend;
    legende_stabilite->setVisible(true);
    legende_stabilite->setWrap(3);  // five entries: two rows that fit a narrow window
    legende_stabilite->setFillOrder(QCPLegend::foColumnsFirst);
    legende_stabilite->setBorderPen(Qt::NoPen);
    stabilite->plotLayout()->insertRow(0);
    stabilite->plotLayout()->addElement(0, 0, legende_stabilite);
    stabilite->plotLayout()->setRowStretchFactor(0, 0.001);
}

void GraphesAjustement::montre_histogramme(const HistogramView& v, bool log_counts, const charts::TimeUnit& unit) {
    if (vue_ && log_counts == log_counts_ && same_unit(unit, unite_histogramme_) && same_view(v, *vue_)) return;
    vue_ = v;
    log_counts_ = log_counts;
    unite_histogramme_ = unit;
    histogramme_change_ = true;
    const double f = unit.factor;
    histogramme->axisRect()->axis(QCPAxis::atLeft)->setLabel(charts::counts_title(v.dX, unit));
    residus_->axis(QCPAxis::atBottom)->setLabel(charts::duration_title(unit));
    // Counts per width dX: a class the window cuts stands level with the others.
    donnees_->setData(vec(v.centre, f), vec(v.count_per_dX), true);
    barres_->setData(vec(v.error_per_dX));
    // The model's density times dX, smooth to the window's edges. Without a
    // fit the curve and the residuals are empty.
    courbe_->setData(vec(v.curve_t, f), vec(v.curve), true);
    const bool fitted = v.residual.size() == v.size();
    residus_points_->setData(fitted ? vec(v.centre, f) : QVector<double>(), vec(v.residual), true);
    const double from = (v.size() ? v.lower.front() : 0) * f;
    const double to = (v.size() ? v.upper.back() : 1) * f;
    if (std::isfinite(v.background)) {
        fond_->setData({from, to}, {v.background, v.background}, true);
    } else {
        fond_->data()->clear();
    }
    zero_->setData({from, to}, {0, 0}, true);

    QCPAxis* x = histogramme->axisRect()->axis(QCPAxis::atBottom);
    QCPAxis* y = histogramme->axisRect()->axis(QCPAxis::atLeft);
    x->setRange(from - v.dX * f / 2, to + v.dX * f / 2);
    double top = 1;
    for (std::size_t i = 0; i < v.size(); ++i) top = std::max(top, v.count_per_dX[i] + v.error_per_dX[i]);
    for (const double c : v.curve) {
        if (std::isfinite(c)) top = std::max(top, c);
    }
    if (log_counts) {
        y->setScaleType(QCPAxis::stLogarithmic);
        y->setTicker(QSharedPointer<QCPAxisTickerLog>(new QCPAxisTickerLog));
        y->setRange(0.5, top * 2);
    } else {
        y->setScaleType(QCPAxis::stLinear);
        y->setTicker(QSharedPointer<QCPAxisTicker>(new QCPAxisTicker));
        y->setRange(0, top * 1.05);
    }
    double worst = 3;
    for (double r : v.residual) {
        if (std::isfinite(r)) worst = std::max(worst, std::fabs(r));
    }
    residus_->axis(QCPAxis::atLeft)->setRange(-worst * 1.1, worst * 1.1);
}

void GraphesAjustement::montre_convergence(const std::vector<ConvergencePoint>& points,
                                           const charts::TimeUnit& unit) {
    if (points_ && same_unit(unit, unite_convergence_) && same_points(points, *points_)) return;
    points_ = points;
    unite_convergence_ = unit;
    convergence_change_ = true;
    convergence->yAxis->setLabel(charts::lifetime_title(unit));
    std::vector<double> x, tau, sigma, tau_histogramme;
    for (const ConvergencePoint& p : points) {
        x.push_back(p.records);
        tau.push_back(p.tau * unit.factor);
        sigma.push_back(std::isfinite(p.tau_error) ? p.tau_error * unit.factor : 0);
        tau_histogramme.push_back(p.histogram_tau * unit.factor);
    }
    tau_->setData(vec(x), vec(tau), true);
    tau_barres_->setData(vec(sigma));
    tau_histogramme_->setData(vec(x), vec(tau_histogramme), true);
    std::vector<double> low, high;
    for (std::size_t i = 0; i < tau.size(); ++i) {
        low.push_back(tau[i] - sigma[i]);
        high.push_back(tau[i] + sigma[i]);
    }
    const QCPRange xs = span({&x}, 0.05);
    convergence->xAxis->setRange(std::min(0.0, xs.lower), xs.upper);
    convergence->yAxis->setRange(span({&low, &high, &tau_histogramme}, 0.1));
}

void GraphesAjustement::montre_stabilite(const fit::StabilityScan& scan, const charts::TimeUnit& unit) {
    std::vector<double> chiffres;
    for (const fit::StabilityPoint& p : scan.points) {
        chiffres.insert(chiffres.end(), {p.t_min, p.tau, p.tau_error, p.band, p.outside ? 1.0 : 0.0});
    }
    if (balayage_ && same_unit(unit, unite_stabilite_) && same_bits(chiffres, *balayage_)) return;
    balayage_ = std::move(chiffres);
    unite_stabilite_ = unit;
    stabilite_change_ = true;
    stabilite->xAxis->setLabel(charts::t_min_title(unit));
    stabilite->yAxis->setLabel(charts::lifetime_title(unit));
    // In the band, outside it, not compared; durations in the unit.
    const double f = unit.factor;
    std::vector<double> x[3], tau[3], sigma[3], t_min, haut, bas, haut2, bas2;
    const double tau0 = scan.points.empty() ? fit::kNone : scan.points.front().tau * f;
    for (const fit::StabilityPoint& p : scan.points) {
        const int hors = p.outside ? 1 : p.background_at_limit ? 2 : 0;
        x[hors].push_back(p.t_min * f);
        tau[hors].push_back(p.tau * f);
        sigma[hors].push_back(std::isfinite(p.tau_error) ? p.tau_error * f : 0);
        if (!std::isfinite(p.band)) continue;
        t_min.push_back(p.t_min * f);
        haut.push_back(tau0 + p.band * f);
        bas.push_back(tau0 - p.band * f);
        haut2.push_back(tau0 + 2 * p.band * f);
        bas2.push_back(tau0 - 2 * p.band * f);
    }
    dans_bande_->setData(vec(x[0]), vec(tau[0]), true);
    dans_bande_barres_->setData(vec(sigma[0]));
    hors_bande_->setData(vec(x[1]), vec(tau[1]), true);
    hors_bande_barres_->setData(vec(sigma[1]));
    non_compare_->setData(vec(x[2]), vec(tau[2]), true);
    non_compare_barres_->setData(vec(sigma[2]));
    bande_haut_->setData(vec(t_min), vec(haut), true);
    bande_bas_->setData(vec(t_min), vec(bas), true);
    limite_haut_->setData(vec(t_min), vec(haut2), true);
    limite_bas_->setData(vec(t_min), vec(bas2), true);
    const double de = scan.points.empty() ? 0 : scan.points.front().t_min * f;
    const double a = scan.points.empty() ? 1 : scan.points.back().t_min * f;
    premier_->setData({de, a}, {tau0, tau0}, true);
    const double marge = std::max(scan.step * f / 2, 1e-9);
    stabilite->xAxis->setRange(de - marge, a + marge);
    std::vector<double> bornes;
    for (int hors : {0, 1, 2}) {
        for (std::size_t i = 0; i < tau[hors].size(); ++i) {
            bornes.push_back(tau[hors][i] - sigma[hors][i]);
            bornes.push_back(tau[hors][i] + sigma[hors][i]);
        }
    }
    stabilite->yAxis->setRange(span({&bornes, &haut2, &bas2}, 0.05));
}

void GraphesAjustement::redessine() {
    for (auto [plot, change] : {std::pair{histogramme, &histogramme_change_},
                                {convergence, &convergence_change_},
                                {stabilite, &stabilite_change_}}) {
        if (!*change || !plot->isVisible()) continue;
        plot->replot(QCustomPlot::rpQueuedReplot);
        *change = false;
    }
}

QCustomPlot* GraphesAjustement::nouveau_graphe(QWidget* parent, const char* name) { return new_plot(parent, name); }
