// Loading the data file into the memo, the counters and the plots.
#include "app/tform1.h"
#include "datafile/data_file.h"
#include "datafile/reload.h"

namespace {
// A label shows this many characters of a line at most, then "…": a line of
// megabytes took a second to paint at every repaint of the window, and no
// label is wide enough to show more than a small part of this.
constexpr qsizetype kLongueurMontree = 1000;

// Text from the data file is shown as it stands, never as markup.
void montre(QLabel* label, QStringView texte) {
    label->setTextFormat(Qt::PlainText);
    if (texte.size() <= kLongueurMontree) {
        label->setText(texte.toString());
        return;
    }
    qsizetype n = kLongueurMontree;
    if (texte.at(n - 1).isHighSurrogate()) --n;  // never half a character
    label->setText(texte.first(n).toString() + QChar(0x2026));
}
}  // namespace

void TForm1::charge_le_fichier(const QString& nom) { charge_le_fichier(nom, Traces::avec); }

void TForm1::charge_le_fichier(const QString& nom, Traces traces) {
    // Red while the load blocks the window: painted now, not after the load.
    Panel6->setColor(QColor(255, 0, 0));
    Panel6->paintAlone();

    // Taken before the read, so that a line appended meanwhile is seen at the next tick.
    retiens_la_vue(vue_du_fichier(nom), etat_->file_state);

    // A file that cannot be read leaves the memo empty and ends the load here.
    Memo1->loadFile(nom);

    const platform::PackedLines& lignes = Memo1->packedLines();
    const auto ligne = [&lignes](qsizetype i) { return i < lignes.size() ? lignes.at(i) : QStringView(); };
    montre(Label3, ligne(0));
    montre(Label2, ligne(1));
    montre(Label1, ligne(2));
    montre(Label4, ligne(3));
    if (!lignes.isEmpty() && !lignes.last().isEmpty()) montre(Label15, lignes.last());

    traite_les_lignes_memo();

    Label40->setText(texte_duree_acquisition(etat_->record_store.duree_acquisition));
    if (traces == Traces::avec) {
        trace_graphe(1);
        trace_graphe(2);
    }

    Panel6->setColor(QColor(0, 128, 0));
    Panel6->paintAlone();
    emit chargement_termine();
}
