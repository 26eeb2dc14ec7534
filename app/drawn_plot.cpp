#include "app/drawn_plot.h"

#include <QPainter>
#include <algorithm>

DrawnPlot::DrawnPlot(QWidget* parent, const QString& name) : QWidget(parent) {
    setObjectName(name);
    setMinimumSize(360, 240);
}

void DrawnPlot::show_drawing(charts::Drawing drawing) {
    drawing_ = std::move(drawing);
    due_ = true;
    update();
}

const QImage& DrawnPlot::image() {
    // Below 1 (a screen scaled down) the image keeps its logical pixels.
    const qreal ratio = std::max<qreal>(1, devicePixelRatioF());
    const QSize pixels = size() * ratio;
    if (!drawing_) return image_;
    // Opaque pixels, copied as they are onto the window; drawn again into the
    // same pixels while the size holds (no fresh memory to touch).
    const bool nouvelle = image_.size() != pixels || image_.devicePixelRatio() != ratio;
    if (nouvelle) {
        image_ = QImage(pixels, QImage::Format_RGB32);
        image_.setDevicePixelRatio(ratio);
    }
    if (nouvelle || due_) {
        charts::draw_into(image_, drawing_, font());
        due_ = false;
        ++drawings_made_;
    }
    return image_;
}

void DrawnPlot::paintEvent(QPaintEvent*) {
    const QImage& shown = image();
    QPainter painter(this);
    if (shown.isNull()) {
        painter.fillRect(rect(), Qt::white);
        return;
    }
    painter.drawImage(0, 0, shown);
}
