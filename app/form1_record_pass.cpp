// The record pass over the lines of the data memo.
#include "analysis/record_pass.h"
#include "app/tform1.h"
#include "platform/numbers.h"
#include "platform/seams.h"
#include "text/steps.h"

void TForm1::traite_les_lignes_memo() {
    RecordStore& store = etat_->record_store;
    const platform::PackedLines& lignes = Memo1->packedLines();
    const QString nb_lignes = platform::decimal(lignes.size()) + QStringLiteral(" lignes");
    Label_nb_ligne->setText(nb_lignes);

    // A conversion error leaves here: the records read so far stay in the
    // store and nothing below is shown.
    const PasseDesLignes passe = passe_des_lignes(lignes, store);

    Label_nb_ligne->setText(nb_lignes + QStringLiteral(", cumul = ") +
                            platform::format_picture("#.##", store.cumul_durees));

    // The time axis of the records plot grows to hold the whole acquisition.
    if (const auto echelle = echelle_agrandie(Edit1->text(), store.duree_acquisition)) Edit1->setText(*echelle);

    affecte_classe();

    StaticText1->setText(platform::decimal(store.nb_points[1]));
    if (passe.capacite_depassee) {
        platform::show_message(QStringLiteral(" le nombre maximum de données est de ") +
                               platform::decimal(NB_MAX_DONNEES) +
                               QStringLiteral(" pour le moment => source à modifier"));
    }
    StaticText3->setText(platform::format_picture("#.##", passe.derniere_duree));
}
