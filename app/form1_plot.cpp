// Redrawing a plot onto its image.
#include "app/tform1.h"

#include "analysis/record_store.h"
#include "datafile/file_state.h"
#include "platform/numbers.h"
#include "plot/rendering.h"

void TForm1::trace_graphe(int n) {
    if (n != 1 && n != 2) return;  // only the two plots exist
    record_store.serie_courante = n;
    lit_echelles(n);
    ImageWidget* image = n == 1 ? Image1 : Image2;
    ParametresTrace parametres;
    parametres.epaisseur = [this] { return platform::str_to_int(Edit3->text()); };
    parametres.fichier_donnees = file_state.fichier_donnees;
    trace_image(n, image->bitmap(), parametres);
}
