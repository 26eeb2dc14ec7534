#include "app/form1_screen.h"

#include "app/form1_anchors.h"
#include "app/placement.h"
#include "app/tform1.h"

#include <QEvent>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>

namespace form1 {

QSize taille_sur_l_ecran(const TForm1& form, QRect disponible, QSize voulue) {
    const QSize cadre = form.frameGeometry().size() - form.size();
    const int barre = form.defilement()->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, form.defilement());
    return placement::taille_sur_l_ecran(voulue, disponible.size(), form.contenu()->minimumSize(), cadre, barre);
}

Cadre::Cadre(TForm1* form) : QObject(form), form_(form) { form->installEventFilter(this); }

bool Cadre::eventFilter(QObject* watched, QEvent* event) {
    if (watched == form_ && !fait_ &&
        (event->type() == QEvent::Show || event->type() == QEvent::Move || event->type() == QEvent::Resize)) {
        ajuste();
    }
    return QObject::eventFilter(watched, event);
}

void Cadre::ajuste() {
    if (!form_->isVisible() || !form_->isWindow()) return;
    const QSize exterieur = form_->frameGeometry().size();
    const QSize cadre = exterieur - form_->size();
    if (cadre.isNull()) return;  // not framed (yet)
    fait_ = true;
    if (form_->isMaximized() || form_->isFullScreen()) return;
    QSize taille(kOuterWidth, kOuterHeight);
    QPoint coin = form_->frameGeometry().topLeft();
    if (const QScreen* ecran = form_->screen()) {
        const QRect disponible = ecran->availableGeometry();
        taille = taille_sur_l_ecran(*form_, disponible, taille);
        coin = placement::coin_dans(disponible, coin, taille);
    }
    form_->resize(taille - cadre);
    form_->move(coin);
}

}  // namespace form1
