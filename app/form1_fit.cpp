// The button of the fit window, and the fit after every load while it is shown.
#include "app/fit_window.h"
#include "app/placement.h"
#include "app/tform1.h"

#include <QScreen>

namespace {

// The fit window at its first opening: beside the main window where the
// screen has room, else over it, and inside the screen's available area. Its
// frame is not known before it is shown: it is taken as the main window's.
void place_a_cote(QWidget& fenetre, const QWidget& principale) {
    const QScreen* ecran = principale.screen();
    if (!ecran) return;
    const QRect disponible = ecran->availableGeometry();
    const QSize cadre = principale.frameGeometry().size() - principale.size();
    fenetre.resize((fenetre.size() + cadre).boundedTo(disponible.size()) - cadre);
    fenetre.move(placement::a_cote(disponible, principale.frameGeometry(), fenetre.size() + cadre));
}

}  // namespace

void TForm1::SpeedButton_ajustementClick() {
    if (!ajustement_) {
        ajustement_ = new FenetreAjustement(*this);
        connect(this, &TForm1::chargement_termine, ajustement_, &FenetreAjustement::apres_chargement);
        place_a_cote(*ajustement_, *this);
        ajustement_->show();
        return;
    }
    // Shown again after a close: it missed the loads in between.
    const bool montre = ajustement_->isVisible();
    ajustement_->show();
    if (!montre) ajustement_->apres_chargement();
    ajustement_->raise();
    ajustement_->activateWindow();
}
