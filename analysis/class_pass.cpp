#include "analysis/class_pass.h"

#include "analysis/class_rule.h"
#include "platform/errors.h"
#include "platform/numbers.h"

#include <QCoreApplication>

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <numbers>

namespace {

// The class pass's errors in the program's language.
struct ClassText {
    Q_DECLARE_TR_FUNCTIONS(class_pass)
};

using platform::decimal;
using platform::general;

// a / b, or nothing when b is 0 or the quotient is not a finite value.
std::optional<long double> quotient(long double a, long double b) {
    if (b == 0) return std::nullopt;
    const long double q = a / b;
    if (!std::isfinite(q)) return std::nullopt;
    return q;
}

// The class of a value when the table holds it (0..1000).
std::optional<int> classe_dans_table(long double value, long double dX) { return classe_de(value, dX, NB_CLASSES); }

// The records the pass reads: never beyond the capacity of series 1.
int nombre_de_durees(const RecordStore& store) {
    return std::clamp<std::int32_t>(store.nb_points[1], 0, NB_MAX_DONNEES);
}

// Cm: the count of the class holding Tau, and that class's index. Inside the
// table it is the class's count; outside it the durations of that class are
// counted directly, since the table has no entry for them.
std::pair<long double, std::optional<long double>> classe_de_tau(long double tau, const RecordStore& store,
                                                                 const ClassTable& table) {
    const long double dX = table.largeur_classe;
    if (const auto k = classe_dans_table(tau, dX)) return {table.effectif[static_cast<std::size_t>(*k)], *k};
    const long double q = tau / dX;
    if (!std::isfinite(q)) return {0, std::nullopt};
    const long double indice = std::trunc(q);
    long double compte = 0;
    const int nb = nombre_de_durees(store);
    for (int j = 1; j <= nb; ++j) {
        if (std::trunc(store.serie_y[1][static_cast<std::size_t>(j)] / dX) == indice) compte += 1;
    }
    return {compte, indice};
}

// `somme_montree`: the durations of the shown classes; the total of the
// record pass when they are all the records.
Chiffres calcule_chiffres(bool par_centres, long double somme_montree, const RecordStore& store, ClassTable& t) {
    Chiffres c;
    c.duree_totale_moyennes = somme_montree;
    c.duree_totale_centres = t.somme_duree;
    c.evenements = t.evenements;
    // evenements is above 0 here, and both totals are finite.
    t.Tau = (par_centres ? t.somme_duree : somme_montree) / t.evenements;
    c.tau = t.Tau;
    c.lambda = quotient(1, t.Tau);
    c.demi_vie = std::numbers::ln2_v<long double> * t.Tau;
    const auto [cm, classe] = classe_de_tau(t.Tau, store, t);
    t.Cm = cm;
    c.cm = cm;
    c.classe_cm = classe;
    t.C0 = t.Cm / std::numbers::e_v<long double>;
    c.c0 = t.C0;
    c.activite = quotient(t.Cm / std::numbers::e_v<long double>, store.duree_acquisition);
    t.activite_initiale = c.activite.value_or(0);
    return c;
}

}  // namespace

void prend_largeur_classe(long double dX, ClassTable& table) {
    if (!(dX > 0)) {
        throw platform::Error(
            ClassText::tr("dX = %1 : la largeur de classe dX doit être supérieure à 0.").arg(general(dX)));
    }
    table.largeur_classe = dX;
}

std::int32_t nombre_de_classes(long double x_max, const ClassTable& table) {
    if (!(std::fabs(x_max) <= DBL_MAX)) {
        throw platform::Error(ClassText::tr("X max = %1 : valeur hors limites, X max doit rester entre -%2 et %2.")
                                  .arg(general(x_max), general(DBL_MAX)));
    }
    const long double dX = table.largeur_classe;
    const auto trop_de_classes = [&] {
        return platform::Error(ClassText::tr("X max / dX = %1 / %2 : plus de %3 classes. Le nombre de classes "
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
    const RegleDesClasses classe_dans_la_table(dX, NB_CLASSES);
    for (int j = 1; j <= nb; ++j) {
        const double d = store.serie_y[1][static_cast<std::size_t>(j)];
        const auto k = classe_dans_la_table(d);
        if (!k) {
            ++r.durees_hors_table;
            continue;
        }
        t.effectif[static_cast<std::size_t>(*k)] += 1;
        t.val_moyenne[static_cast<std::size_t>(*k)] += d;
    }

    const int montrees = std::min<std::int32_t>(n_classe, NB_CLASSES);
    t.somme_val_moyenne_classe = 0;
    long double somme_montree = 0;  // the sums of the shown classes, before they become means
    for (int i = 0; i < montrees; ++i) {
        const auto ii = static_cast<std::size_t>(i);
        somme_montree += t.val_moyenne[ii];
        if (t.effectif[ii] != 0) t.val_moyenne[ii] = t.val_moyenne[ii] / t.effectif[ii];
        t.somme_val_moyenne_classe += t.effectif[ii] * t.val_moyenne[ii];
    }

    t.somme_duree = 0;
    t.evenements = 0;
    for (int i = 0; i < montrees; ++i) {
        const auto ii = static_cast<std::size_t>(i);
        t.somme_duree += (i * dX + dX / 2) * t.effectif[ii];
        t.evenements += t.effectif[ii];
    }

    // Tau by class means is the mean of the durations shown: those beyond X
    // max take no part in it, as in the events it is divided by. When every
    // record is shown, the record pass's total is that sum.
    if (t.evenements == nb) somme_montree = store.cumul_durees;
    if (t.somme_duree > 0 && t.evenements > 0) r.chiffres = calcule_chiffres(par_centres, somme_montree, store, t);

    for (int i = 0; i < montrees; ++i)
        r.effectif_max = std::max(r.effectif_max, t.effectif[static_cast<std::size_t>(i)]);
    t.n_classe = std::max<std::int32_t>(n_classe, 0);
    return r;
}

void ecrit_la_serie_des_classes(std::int32_t n_classe, const ClassTable& table, RecordStore& store) {
    const long double dX = table.largeur_classe;
    const int montrees = std::clamp<std::int32_t>(n_classe, 0, NB_CLASSES);
    for (int i = 0; i < montrees; ++i) {
        const auto ii = static_cast<std::size_t>(i);
        store.serie_x[2][ii] = static_cast<double>(i * dX);
        store.serie_y[2][ii] = table.effectif[ii];
    }
}
