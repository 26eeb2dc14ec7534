// Redrawing a plot onto its image.
#include "app/tform1.h"

#include "platform/numbers.h"
#include "plot/rendering.h"

void TForm1::trace_graphe(int n) {
    if (n != 1 && n != 2) return;  // only the two plots exist
    // Plot 1 reads Edit1 and Edit2, plot 2 Edit6 and Edit7.
    const QLineEdit* champ_x = n == 1 ? Edit1 : Edit6;
    const QLineEdit* champ_y = n == 1 ? Edit2 : Edit7;
    ImageWidget* image = n == 1 ? Image1 : Image2;
    ParametresTrace parametres;
    parametres.epaisseur = [this] { return platform::str_to_int(Edit3->text()); };
    parametres.fichier_donnees = etat_->file_state.fichier_donnees;
    redessine_graphe(n, champ_x->text(), champ_y->text(), parametres, etat_->tables_du_trace(),
                     [image]() -> QImage& { return image->bitmap(); });
}
