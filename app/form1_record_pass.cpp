// The record pass over the lines of the data memo.
#include "analysis/record_pass.h"
#include "app/tform1.h"
#include "platform/errors.h"
#include "platform/numbers.h"
#include "platform/seams.h"
#include "text/steps.h"

void TForm1::traite_les_lignes_memo() {
    const platform::PackedLines& lignes = Memo1->packedLines();
    const QString nb_lignes = platform::decimal(lignes.size()) + QStringLiteral(" lignes");
    Label_nb_ligne->setText(nb_lignes);

    // A conversion error leaves here: the records read so far stay in the
    // store and nothing below is shown.
    const PasseDesLignes passe = passe_des_lignes(lignes, record_store);

    Label_nb_ligne->setText(nb_lignes + QStringLiteral(", cumul = ") +
                            platform::format_picture("#.##", record_store.cumul_durees));

    // The time axis of the records plot grows to hold the whole acquisition.
    const std::int32_t echelle_x = platform::str_to_int(Edit1->text());
    if (record_store.duree_acquisition > echelle_x) {
        std::int32_t chiffre = 0;
        const long double pas = pas_superieur(chiffre, record_store.duree_acquisition);
        // Beyond the last step (10^11 minutes) there is none to widen to, and
        // the stepping's fallback of 10 would shrink the axis: that time does
        // not fit the field, like every one whose step is beyond 32 bits.
        if (pas < record_store.duree_acquisition) platform::raise_overflow();
        Edit1->setText(platform::decimal(platform::round_to_int(pas)));
    }

    affecte_classe();

    StaticText1->setText(platform::decimal(record_store.nb_points[1]));
    if (passe.capacite_depassee) {
        platform::show_message(QStringLiteral(" le nombre maximum de données est de ") + platform::decimal(NB_MAX_DONNEES) +
                               QStringLiteral(" pour le moment => source à modifier"));
    }
    StaticText3->setText(platform::format_picture("#.##", passe.derniere_duree));
}
