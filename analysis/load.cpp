#include "analysis/load.h"

#include <utility>

ResultatClasses classe_les_durees(const ChoixDesClasses& choix, RecordStore& store, ClassTable& table) {
    prend_largeur_classe(choix.dX, table);
    const std::int32_t n_classe = nombre_de_classes(choix.x_max, table);
    ResultatClasses classes = calcule_classes(n_classe, choix.par_centres, store, table);
    table.x_max = choix.x_max;
    return classes;
}

std::optional<std::int32_t> n_max_autoscale(const ResultatClasses& classes) {
    if (classes.effectif_max <= 0) return std::nullopt;
    return classes.effectif_max;
}

namespace {

// The second step after the record pass.
Chargement avec_les_classes(PasseDesLignes enregistrements, const ChoixDesClasses& choix, RecordStore& store,
                            ClassTable& table) {
    Chargement chargement;
    chargement.enregistrements = std::move(enregistrements);
    chargement.classes = classe_les_durees(choix, store, table);
    ecrit_la_serie_des_classes(chargement.classes.n_classe, table, store);
    return chargement;
}

}  // namespace

Chargement charge_les_octets(QByteArrayView octets, const ChoixDesClasses& choix, RecordStore& store,
                             ClassTable& table) {
    return avec_les_classes(passe_des_octets(octets, store), choix, store, table);
}

Chargement charge_le_fichier(platform::FileBlocks& fichier, const ChoixDesClasses& choix, RecordStore& store,
                             ClassTable& table) {
    return avec_les_classes(passe_du_fichier(fichier, store), choix, store, table);
}
