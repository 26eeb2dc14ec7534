// The button of the fit window, and the fit after every load while it is shown.
#include "app/fit_window.h"
#include "app/placement.h"
#include "app/tform1.h"

#include <QGuiApplication>
#include <QScreen>

namespace {

// The fit window at its first opening, or shown again where its screen is
// gone: beside the main window where the screen has room (the main window
// moved sideways if that makes it), else over it, and inside the screen's
// available area. Its frame is not known before it is shown: it is taken as
// the main window's.
void place_a_cote(QWidget& fenetre, QWidget& principale) {
    QScreen* ecran = principale.screen();
    if (!ecran) return;
    const QRect disponible = ecran->availableGeometry();
    const QSize cadre = principale.frameGeometry().size() - principale.size();
    fenetre.setScreen(ecran);
    fenetre.resize((fenetre.size() + cadre).boundedTo(disponible.size()) - cadre);
    const placement::CoteACote places =
        placement::a_cote(disponible, principale.frameGeometry(), fenetre.size() + cadre);
    if (places.principale != principale.frameGeometry().topLeft()) principale.move(places.principale);
    fenetre.move(places.fenetre);
}

// Whether the hidden fit window would show again where no screen is (its
// screen unplugged since it was hidden).
bool hors_des_ecrans(const QWidget& fenetre) {
    QList<QRect> ecrans;
    for (const QScreen* s : QGuiApplication::screens()) ecrans.append(s->availableGeometry());
    const int barre = fenetre.frameGeometry().height() - fenetre.height();
    return !placement::barre_visible(ecrans, fenetre.frameGeometry(), std::max(barre, 1));
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
    if (!montre && hors_des_ecrans(*ajustement_)) place_a_cote(*ajustement_, *this);
    ajustement_->show();
    if (!montre) ajustement_->apres_chargement();
    ajustement_->raise();
    ajustement_->activateWindow();
}
