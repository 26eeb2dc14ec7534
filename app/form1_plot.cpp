// Redrawing a plot onto its image.
#include "app/tform1.h"

#include "platform/errors.h"
#include "platform/numbers.h"
#include "plot/rendering.h"

void TForm1::trace_graphe(int n) {
    if (n != 1 && n != 2) return;  // only the two plots exist
    // The plot being redrawn, even when one of its fields stops the redraw.
    etat_->record_store.serie_courante = n;
    // Plot 1 reads Edit1 and Edit2, plot 2 Edit6 and Edit7, x first: the plot
    // library is given their numbers. A field that cannot be read leaves the
    // image as it was.
    const QLineEdit* champ_x = n == 1 ? Edit1 : Edit6;
    const QLineEdit* champ_y = n == 1 ? Edit2 : Edit7;
    const long double echelle_x = platform::str_to_float(champ_x->text());
    // As ever, a y field that cannot be read leaves the new x span.
    etat_->plot_scales.echelle_x[n] = echelle_x;
    const long double echelle_y = platform::str_to_float(champ_y->text());
    ParametresTrace parametres;
    // A thickness that cannot be read is said once the axes are drawn.
    try {
        parametres.epaisseur.pixels = platform::str_to_int(Edit3->text());
    } catch (const platform::Error& e) {
        parametres.epaisseur.erreur = e.text();
    }
    parametres.fichier_donnees = etat_->file_state.fichier_donnees;
    ImageWidget* image = n == 1 ? Image1 : Image2;
    redessine_graphe(n, image->bitmap(), echelle_x, echelle_y, parametres, etat_->tables_du_trace());
}
