#include "app/pictures.h"

#include "plot/density.h"

#include <QCoreApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

QImage image_dossier(QSize size, qreal ratio) {
    QImage image(taille_device(size, ratio), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal w = size.width();
    const qreal h = size.height();
    const QColor outline(120, 80, 10);
    // The back of the folder with its tab.
    QPainterPath back;
    back.moveTo(0.06 * w, 0.22 * h);
    back.lineTo(0.38 * w, 0.22 * h);
    back.lineTo(0.46 * w, 0.32 * h);
    back.lineTo(0.94 * w, 0.32 * h);
    back.lineTo(0.94 * w, 0.86 * h);
    back.lineTo(0.06 * w, 0.86 * h);
    back.closeSubpath();
    p.setPen(QPen(outline, 1.2));
    p.setBrush(QColor(226, 170, 40));
    p.drawPath(back);
    // A sheet of paper sticking out.
    p.setBrush(Qt::white);
    p.setPen(QPen(QColor(150, 150, 150), 1));
    p.drawRect(QRectF(0.18 * w, 0.28 * h, 0.64 * w, 0.4 * h));
    p.setPen(QPen(QColor(90, 120, 200), 1));
    for (int i = 0; i < 3; ++i) {
        const qreal y = (0.36 + 0.08 * i) * h;
        p.drawLine(QPointF(0.24 * w, y), QPointF(0.76 * w, y));
    }
    // The front flap.
    QPainterPath front;
    front.moveTo(0.06 * w, 0.86 * h);
    front.lineTo(0.16 * w, 0.44 * h);
    front.lineTo(0.98 * w, 0.44 * h);
    front.lineTo(0.94 * w, 0.86 * h);
    front.closeSubpath();
    QLinearGradient shade(0, 0.44 * h, 0, 0.86 * h);
    shade.setColorAt(0, QColor(255, 214, 102));
    shade.setColorAt(1, QColor(236, 178, 46));
    p.setPen(QPen(outline, 1.2));
    p.setBrush(shade);
    p.drawPath(front);
    return image;
}

QPixmap image_reglages(int side) {
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(side / 2.0, side / 2.0);
    const qreal r = side * 0.30;
    const QColor steel(70, 80, 95);
    p.setPen(Qt::NoPen);
    p.setBrush(steel);
    for (int i = 0; i < 8; ++i) {
        p.save();
        p.rotate(45.0 * i);
        p.drawRoundedRect(QRectF(-side * 0.07, -side * 0.46, side * 0.14, side * 0.2), 1.5, 1.5);
        p.restore();
    }
    p.drawEllipse(QPointF(0, 0), r, r);
    p.setBrush(QColor(215, 220, 228));
    p.drawEllipse(QPointF(0, 0), r * 0.42, r * 0.42);
    return pixmap;
}

QImage image_a_propos(QSize size, qreal ratio) {
    QImage image(taille_device(size, ratio), QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(QColor(252, 252, 246));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF area(34, 14, size.width() - 48, size.height() - 38);
    const qreal tau = 0.22;  // in units of the x axis
    const int classes = 18;
    const qreal bar = area.width() / classes;

    // Bars of a decay histogram: counts falling as exp(-t / tau).
    for (int i = 0; i < classes; ++i) {
        const qreal centre = (i + 0.5) / classes;
        const qreal height = std::exp(-centre / tau) * area.height() * 0.92;
        const QRectF r(area.left() + i * bar + 1, area.bottom() - height, bar - 2, height);
        p.fillRect(r, QColor(128, 170, 230));
        p.setPen(QPen(QColor(40, 80, 160), 1));
        p.drawRect(r);
    }
    // The exponential through them.
    QPainterPath curve;
    for (int x = 0; x <= 200; ++x) {
        const qreal t = x / 200.0;
        const QPointF point(area.left() + t * area.width(), area.bottom() - std::exp(-t / tau) * area.height() * 0.92);
        if (x == 0) {
            curve.moveTo(point);
        } else {
            curve.lineTo(point);
        }
    }
    p.setPen(QPen(QColor(0, 0, 255), 2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(curve);
    // Tau and C0 = Cm / e, the two red construction lines.
    const qreal x_tau = area.left() + tau * area.width();
    const qreal y_c0 = area.bottom() - std::exp(-1.0) * area.height() * 0.92;
    p.setPen(QPen(QColor(220, 0, 0), 1.5, Qt::DashLine));
    p.drawLine(QPointF(x_tau, area.bottom()), QPointF(x_tau, area.top()));
    p.drawLine(QPointF(area.left(), y_c0), QPointF(x_tau, y_c0));
    // Axes.
    p.setPen(QPen(Qt::black, 1.2));
    p.drawLine(area.bottomLeft(), area.bottomRight());
    p.drawLine(area.bottomLeft(), area.topLeft());
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(11);
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(220, 0, 0));
    p.drawText(QPointF(x_tau + 4, area.top() + 12), QStringLiteral("Tau"));
    p.setPen(Qt::black);
    p.drawText(QRectF(area.left(), area.bottom() + 2, area.width(), 18), Qt::AlignRight | Qt::AlignTop,
               QCoreApplication::translate("app", "durée"));
    p.save();
    p.translate(area.left() - 6, area.top() + area.height() / 2);
    p.rotate(-90);
    p.drawText(QRectF(-60, -16, 120, 14), Qt::AlignCenter, QCoreApplication::translate("app", "événements"));
    p.restore();
    font.setPixelSize(22);
    p.setFont(font);
    p.setPen(QColor(0, 0, 128));
    p.drawText(QRectF(area.left(), area.top(), area.width() - 6, 30), Qt::AlignRight | Qt::AlignTop,
               QStringLiteral("v  o  r  n  s"));
    return image;
}
