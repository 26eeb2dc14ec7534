#include "fit/run/fit_choices.h"

#include "fit/text/fit_text.h"
#include "platform/errors.h"
#include "platform/numbers.h"
#include "platform/textfile.h"

#include <QCoreApplication>

#include <algorithm>
#include <cfloat>
#include <cmath>

const QString FICHIER_AJUSTEMENT = QStringLiteral("qrt_vorn.fit");

namespace {

// Line by line: 1 t min, 2 t max, 3 model, 4 method, 5 unit in ns (as an
// earlier version reads it), 6 log count axis; 10 the unit in ns the user gave
// (empty: none), 11 the negative muons' lifetime in ns, 12 the charge ratio,
// 13 the forecast's precision (a fraction), 14 the runs added to the followed
// one (their paths, percent-encoded, between blanks).
constexpr int kUnitLine = 10;
constexpr int kTauMinusLine = 11;
constexpr int kRhoLine = 12;
// The unit an earlier version wrote when the user had given none.
constexpr double kEarlierDefaultUnit = 10;

double number_line(int n, double fallback) {
    const QString line = lit_parametre(FICHIER_AJUSTEMENT, n);
    if (line.isEmpty()) return fallback;
    try {
        const double v = static_cast<double>(platform::str_to_float(line, QLatin1Char('.')));
        return std::isfinite(v) ? v : fallback;
    } catch (const platform::Error&) {
        return fallback;  // a hand-edited line: the default, and the next write mends it
    }
}

// The forecast's precision: a fraction above 0 and below 1.
constexpr int kPrecisionLine = 13;
double precision_line(double fallback) {
    const double p = number_line(kPrecisionLine, fallback);
    return p > 0 && p < 1 ? p : fallback;
}

QString name_text(std::string_view name) {
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

// A number above 0 of line n, or the fallback.
double positive_line(int n, double fallback) {
    const double v = number_line(n, fallback);
    return v > 0 ? v : fallback;
}

// The unit the user gave, and the capture models' muons.
void read_capture_lines(const FitChoices& defaults, FitChoices& c) {
    c.unit_ns = positive_line(kUnitLine, fit::kNone);
    if (std::isnan(c.unit_ns)) {
        const double earlier = positive_line(5, fit::kNone);
        if (earlier != kEarlierDefaultUnit) c.unit_ns = earlier;
    }
    if (std::isnan(c.unit_ns)) c.unit_ns = defaults.unit_ns;
    c.muons.tau_minus_ns = positive_line(kTauMinusLine, defaults.muons.tau_minus_ns);
    c.muons.rho = positive_line(kRhoLine, defaults.muons.rho);
}

}  // namespace

long double fit_number(QStringView text) {
    long double v = 0;
    try {
        v = platform::str_to_float(text, QLatin1Char('.'));
    } catch (const platform::Error&) {
        v = platform::str_to_float(text, QLatin1Char(','));
    }
    if (!(std::fabs(v) <= DBL_MAX)) platform::raise_invalid_float(text.toString());
    return v;
}

FitChoices lit_choix_ajustement(const FitChoices& defaults) {
    FitChoices c = defaults;
    c.t_min = number_line(1, defaults.t_min);
    c.t_max = number_line(2, defaults.t_max);
    const QString model = lit_parametre(FICHIER_AJUSTEMENT, 3);
    for (const fit::Model m : fit::kModels) {
        if (model == name_text(fit::name(m))) c.model = m;
    }
    const QString method = lit_parametre(FICHIER_AJUSTEMENT, 4);
    if (method == name_text(fit::name(fit::Method::binned))) c.method = fit::Method::binned;
    if (method == name_text(fit::name(fit::Method::unbinned))) c.method = fit::Method::unbinned;
    const QString log = lit_parametre(FICHIER_AJUSTEMENT, 6);
    if (log == QLatin1String("1") || log == QLatin1String("0")) c.log_counts = log == QLatin1String("1");
    c.precision = precision_line(defaults.precision);
    read_capture_lines(defaults, c);
    return c;
}

void ecrit_choix_ajustement(const FitChoices& c, WriteFailures& echecs) {
    const QChar point = QLatin1Char('.');
    ecrit_parametre(platform::general(c.t_min, point), FICHIER_AJUSTEMENT, 1, echecs);
    ecrit_parametre(platform::general(c.t_max, point), FICHIER_AJUSTEMENT, 2, echecs);
    ecrit_parametre(name_text(fit::name(c.model)), FICHIER_AJUSTEMENT, 3, echecs);
    ecrit_parametre(name_text(fit::name(c.method)), FICHIER_AJUSTEMENT, 4, echecs);
    const QString unit = std::isfinite(c.unit_ns) ? platform::general(c.unit_ns, point) : QString();
    ecrit_parametre(unit, FICHIER_AJUSTEMENT, 5, echecs);
    ecrit_parametre(c.log_counts ? QStringLiteral("1") : QStringLiteral("0"), FICHIER_AJUSTEMENT, 6, echecs);
    ecrit_parametre(platform::general(c.precision, point), FICHIER_AJUSTEMENT, kPrecisionLine, echecs);
    ecrit_parametre(unit, FICHIER_AJUSTEMENT, kUnitLine, echecs);
    ecrit_parametre(platform::general(c.muons.tau_minus_ns, point), FICHIER_AJUSTEMENT, kTauMinusLine, echecs);
    ecrit_parametre(platform::general(c.muons.rho, point), FICHIER_AJUSTEMENT, kRhoLine, echecs);
}

namespace {
constexpr int kAddedRunsLine = 14;
}  // namespace

QStringList lit_runs_ajoutes() {
    // A shorter file (of a hand or an earlier version) has no such line: the
    // parameter reading would give its last line instead.
    const auto lines = platform::try_read_text_lines(chemin_du_reglage(FICHIER_AJUSTEMENT), kAddedRunsLine);
    if (!lines || lines->size() < kAddedRunsLine) return {};
    QStringList fichiers;
    for (const QString& mot : lines->last().split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        fichiers << chemin_de_ligne(mot);
    }
    return fichiers;
}

fit::Request fit_request(const RecordStore& store, const ClassTable& table, const FitChoices& c) {
    fit::Request q;
    q.durations = {store.serie_y[1].data() + 1, static_cast<std::size_t>(std::max(0, store.nb_points[1]))};
    q.t_min = c.t_min;
    q.t_max = c.t_max;
    q.model = c.model;
    q.method = c.method;
    q.unit_ns = c.unit_ns;
    q.muons = c.muons;
    const std::int32_t shown = std::clamp(table.n_classe, 0, NB_CLASSES);
    q.classes = {
        table.largeur_classe, shown, c.skipped_classes, {table.effectif.data(), static_cast<std::size_t>(shown)}};
    return q;
}

QString choices_line(const FitChoices& c) {
    return QCoreApplication::translate("fit_choices", "fenêtre = [%1 ; %2], %3, %4", "t min, t max, model, method")
        .arg(platform::general(c.t_min), platform::general(c.t_max), fit_text::text(c.model), fit_text::text(c.method));
}
