#include "analysis/class_pass.h"

#include "analysis/class_rule.h"
#include "platform/errors.h"
#include "platform/numbers.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <numbers>

const QString TEXTE_INDEFINI = QStringLiteral("—");

namespace {

using platform::decimal;
using platform::format_picture;
using platform::general;

// a / b, or nothing when b is 0 or the quotient is not a finite value.
std::optional<long double> quotient(long double a, long double b) {
    if (b == 0) return std::nullopt;
    const long double q = a / b;
    if (!std::isfinite(q)) return std::nullopt;
    return q;
}

QString picture_ou_indefini(const std::optional<long double>& value) {
    return value ? format_picture("0.###", *value) : TEXTE_INDEFINI;
}

// The class of a value when the table holds it (0..1000).
std::optional<int> classe_dans_table(long double value, long double dX) { return classe_de(value, dX, NB_CLASSES); }

// The records the pass reads: never beyond the capacity of series 1.
int nombre_de_durees(const RecordStore& store) {
    return std::clamp<std::int32_t>(store.nb_points[1], 0, NB_MAX_DONNEES);
}

// Number of a class shown to the user (index + 1), for any finite index.
QString numero_de_classe(long double indice) {
    const long double numero = indice + 1;
    if (std::fabs(numero) < 1e15L) return decimal(static_cast<std::int64_t>(numero));
    return general(numero);
}

// Cm: the count of the class holding Tau, and that class's number. Inside the
// table it is the class's count; outside it the durations of that class are
// counted directly, since the table has no entry for them.
std::pair<long double, QString> classe_de_tau(long double tau, const RecordStore& store, const ClassTable& table) {
    const long double dX = table.largeur_classe;
    if (const auto k = classe_dans_table(tau, dX)) {
        return {table.effectif[static_cast<std::size_t>(*k)], numero_de_classe(*k)};
    }
    const long double q = tau / dX;
    if (!std::isfinite(q)) return {0, TEXTE_INDEFINI};
    const long double indice = std::trunc(q);
    long double compte = 0;
    const int nb = nombre_de_durees(store);
    for (int j = 1; j <= nb; ++j) {
        if (std::trunc(store.serie_y[1][static_cast<std::size_t>(j)] / dX) == indice) compte += 1;
    }
    return {compte, numero_de_classe(indice)};
}

TextesStatistiques calcule_statistiques(bool par_centres, const RecordStore& store, ClassTable& t) {
    TextesStatistiques s;
    s.duree_totale_moyennes = format_picture("0.#", store.cumul_durees);
    s.duree_totale_centres = format_picture("0.#", t.somme_duree);
    s.evenements = general(t.evenements);
    // evenements is above 0 here, and both totals are finite.
    t.Tau = (par_centres ? t.somme_duree : store.cumul_durees) / t.evenements;
    s.tau = format_picture("0.###", t.Tau);
    s.lambda = picture_ou_indefini(quotient(1, t.Tau));
    s.demi_vie = format_picture("0.###", std::numbers::ln2_v<long double> * t.Tau);
    const auto [cm, numero] = classe_de_tau(t.Tau, store, t);
    t.Cm = cm;
    s.cm = general(t.Cm) + QStringLiteral(" [ classe ") + numero + QStringLiteral("]");
    t.C0 = t.Cm / std::numbers::e_v<long double>;
    s.c0 = format_picture("0.###", t.C0);
    const auto activite = quotient(t.Cm / std::numbers::e_v<long double>, store.duree_acquisition);
    t.activite_initiale = activite.value_or(0);
    s.activite = picture_ou_indefini(activite);
    return s;
}

}  // namespace

void prend_largeur_classe(long double dX, ClassTable& table) {
    if (!(dX > 0)) {
        throw platform::Error(
            QStringLiteral("dX = %1 : la largeur de classe dX doit être supérieure à 0.").arg(general(dX)));
    }
    table.largeur_classe = dX;
}

std::int32_t nombre_de_classes(long double x_max, const ClassTable& table) {
    if (!(std::fabs(x_max) <= DBL_MAX)) {
        throw platform::Error(QStringLiteral("X max = %1 : valeur hors limites, X max doit rester entre -%2 et %2.")
                                  .arg(general(x_max), general(DBL_MAX)));
    }
    const long double dX = table.largeur_classe;
    const auto trop_de_classes = [&] {
        return platform::Error(QStringLiteral("X max / dX = %1 / %2 : plus de %3 classes. Le nombre de classes "
                                              "X max / dX est limité à %3 : diminuez X max ou augmentez dX.")
                                   .arg(general(x_max), general(dX), decimal(NB_CLASSES)));
    };
    const long double q = x_max / dX;
    if (!(q <= NB_CLASSES + 1)) throw trop_de_classes();
    const std::int32_t n_classe = platform::round_to_int(q);  // far below 0: overflow error
    if (n_classe > NB_CLASSES) throw trop_de_classes();
    return n_classe;
}

ResultatClasses calcule_classes(std::int32_t n_classe, bool par_centres, RecordStore& store, ClassTable& t) {
    const long double dX = t.largeur_classe;
    ResultatClasses r;
    r.n_classe = n_classe;

    store.nb_points[2] = n_classe;
    store.max_x_serie[2] = -10;
    store.max_y_serie[2] = -10;

    t.effectif.fill(0);
    t.val_moyenne.fill(0);
    const int nb = nombre_de_durees(store);
    for (int j = 1; j <= nb; ++j) {
        const long double d = store.serie_y[1][static_cast<std::size_t>(j)];
        const auto k = classe_dans_table(d, dX);
        if (!k) {
            ++r.durees_hors_table;
            continue;
        }
        t.effectif[static_cast<std::size_t>(*k)] += 1;
        t.val_moyenne[static_cast<std::size_t>(*k)] += d;
    }

    r.trace << decimal(n_classe) + QStringLiteral("  classes");
    const int montrees = std::min<std::int32_t>(n_classe, NB_CLASSES);
    t.somme_val_moyenne_classe = 0;
    for (int i = 0; i < montrees; ++i) {
        const auto ii = static_cast<std::size_t>(i);
        if (t.effectif[ii] != 0) t.val_moyenne[ii] = t.val_moyenne[ii] / t.effectif[ii];
        t.somme_val_moyenne_classe += t.effectif[ii] * t.val_moyenne[ii];
        r.trace << QStringLiteral("-classe=") + decimal(i + 1) + QStringLiteral("  n=") + general(t.effectif[ii]) +
                       QStringLiteral("  val moyenne =") + general(t.val_moyenne[ii]);
    }
    r.trace << QStringLiteral("  somme_val_moyenne_classe=") + general(t.somme_val_moyenne_classe);

    t.somme_duree = 0;
    t.evenements = 0;
    for (int i = 0; i < montrees; ++i) {
        const auto ii = static_cast<std::size_t>(i);
        t.somme_duree += (i * dX + dX / 2) * t.effectif[ii];
        t.evenements += t.effectif[ii];
    }
    r.trace << QStringLiteral(" n_classe=") + decimal(n_classe) + QStringLiteral(" valeur centrale  somme_duree=") +
                   general(t.somme_duree);

    if (t.somme_duree > 0 && t.evenements > 0) r.statistiques = calcule_statistiques(par_centres, store, t);

    for (int i = 0; i < montrees; ++i)
        r.effectif_max = std::max(r.effectif_max, t.effectif[static_cast<std::size_t>(i)]);
    return r;
}

QStringList liste_classes(std::int32_t n_classe, const ClassTable& table, RecordStore& store) {
    const long double dX = table.largeur_classe;
    const int montrees = std::clamp<std::int32_t>(n_classe, 0, NB_CLASSES);
    QStringList lignes;
    lignes.reserve(montrees);
    for (int i = 0; i < montrees; ++i) {
        const auto ii = static_cast<std::size_t>(i);
        store.serie_x[2][ii] = static_cast<double>(i * dX);
        store.serie_y[2][ii] = table.effectif[ii];
        lignes << decimal(i + 1) + QStringLiteral("   ") + general(store.serie_x[2][ii]) + QStringLiteral("   ") +
                      general(store.serie_y[2][ii]);
    }
    return lignes;
}
