#include "app/form1_anchors.h"

#include <QEvent>
#include <algorithm>

namespace form1 {

Ancres::Ancres(QWidget* form) : QObject(form), form_(form) { form->installEventFilter(this); }

bool Ancres::eventFilter(QObject* watched, QEvent* event) {
    if (watched == form_) {
        if (event->type() == QEvent::Resize) place();
        if (!outer_size_done_ &&
            (event->type() == QEvent::Show || event->type() == QEvent::Move || event->type() == QEvent::Resize)) {
            fix_outer_size();
        }
    }
    return QObject::eventFilter(watched, event);
}

void Ancres::place() {
    const int dy = form_->height() - kDesignClientHeight;
    for (const Ancre& a : ancres_) {
        QRect r = a.design;
        if (a.stretch) {
            r.setHeight(std::max(60, a.design.height() + dy));
        } else {
            r.moveTop(a.design.y() + dy);
        }
        if (a.right) r.setRight(std::max(a.design.right(), form_->width() - kLeftX - 1));
        a.widget->setGeometry(r);
    }
}

// The frame is known only once the window manager has framed the window.
void Ancres::fix_outer_size() {
    if (!form_->isVisible() || !form_->isWindow()) return;
    const QSize frame = form_->frameGeometry().size();
    const QSize inside = form_->geometry().size();
    if (frame == inside) return;  // not framed (yet)
    outer_size_done_ = true;
    if (form_->isMaximized() || form_->isFullScreen()) return;
    const QPoint corner = form_->frameGeometry().topLeft();
    form_->resize(kOuterWidth - (frame.width() - inside.width()), kOuterHeight - (frame.height() - inside.height()));
    form_->move(corner);
}

}  // namespace form1
