// The button of the fit window, and the fit after every load while it is shown.
#include "app/fit_window.h"
#include "app/tform1.h"

void TForm1::SpeedButton_ajustementClick() {
    if (!ajustement_) {
        ajustement_ = new FenetreAjustement(*this);
        connect(this, &TForm1::chargement_termine, ajustement_, &FenetreAjustement::apres_chargement);
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
