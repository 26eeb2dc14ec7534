// Loading the data file into the memo, the counters and the plots.
#include "analysis/record_store.h"
#include "app/tform1.h"
#include "datafile/data_file.h"
#include "datafile/file_state.h"
#include "platform/files.h"
#include "platform/textfile.h"

namespace {
// Text from the data file is shown as it stands, never as markup.
void montre(QLabel* label, const QString& texte) {
    label->setTextFormat(Qt::PlainText);
    label->setText(texte);
}
}  // namespace

void TForm1::charge_le_fichier(const QString& nom) { charge_le_fichier(nom, Traces::avec); }

void TForm1::charge_le_fichier(const QString& nom, Traces traces) {
    // Red while the load blocks the window: painted now, not after the load.
    Panel6->setColor(QColor(255, 0, 0));
    Panel6->paintAlone();

    // Taken before the read, so that a line appended meanwhile is seen at the next tick.
    retiens_la_vue(vue_du_fichier(nom));

    // A file that cannot be read leaves the memo empty and ends the load here.
    Memo1->loadFile(nom);

    const platform::PackedLines& lignes = Memo1->packedLines();
    const auto ligne = [&lignes](qsizetype i) { return i < lignes.size() ? lignes.at(i).toString() : QString(); };
    montre(Label3, ligne(0));
    montre(Label2, ligne(1));
    montre(Label1, ligne(2));
    montre(Label4, ligne(3));
    if (!lignes.isEmpty() && !lignes.last().isEmpty()) montre(Label15, lignes.last().toString());

    traite_les_lignes_memo();

    Label40->setText(texte_duree_acquisition(record_store.duree_acquisition));
    if (traces == Traces::avec) {
        trace_graphe(1);
        trace_graphe(2);
    }

    Panel6->setColor(QColor(0, 128, 0));
    Panel6->paintAlone();
}
