#include "app/form1_anchors.h"

#include <QEvent>
#include <algorithm>

namespace form1 {

Ancres::Ancres(QWidget* contenu) : QObject(contenu), contenu_(contenu) { contenu->installEventFilter(this); }

bool Ancres::eventFilter(QObject* watched, QEvent* event) {
    if (watched == contenu_ && event->type() == QEvent::Resize) place();
    return QObject::eventFilter(watched, event);
}

void Ancres::place() {
    const int dy = contenu_->height() - kDesignClientHeight;
    for (const Ancre& a : ancres_) {
        QRect r = a.design;
        if (a.stretch) {
            r.setHeight(std::max(60, a.design.height() + dy));
        } else {
            r.moveTop(a.design.y() + dy);
        }
        if (a.right) r.setRight(std::max(a.design.right(), contenu_->width() - kLeftX - 1));
        a.widget->setGeometry(r);
    }
}

}  // namespace form1
