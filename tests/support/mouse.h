#pragma once

#include <QCoreApplication>
#include <QMouseEvent>
#include <QWidget>

// A left click as the window system delivers it: a press then a release at
// `at` (widget coordinates), sent straight to the widget.
inline void clique(QWidget* w, QPointF at) {
    QMouseEvent press(QEvent::MouseButtonPress, at, w->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, w->mapToGlobal(at), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QCoreApplication::sendEvent(w, &release);
}

// A left click in the middle of the widget.
inline void clique(QWidget* w) { clique(w, QPointF(w->width() / 2.0, w->height() / 2.0)); }
