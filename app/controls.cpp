#include "app/controls.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

Panel::Panel(QWidget* parent, const QString& name, const QString& caption) : QFrame(parent) {
    setObjectName(name);
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setLineWidth(1);
    setAutoFillBackground(true);
    caption_ = new QLabel(caption, this);
    caption_->setObjectName(name + QStringLiteral("_caption"));
    caption_->setAlignment(Qt::AlignCenter);
    caption_->setAttribute(Qt::WA_TransparentForMouseEvents);
    caption_->setVisible(!caption.isEmpty());
}

void Panel::setColor(QColor color) {
    QPalette p = palette();
    p.setColor(QPalette::Window, color);
    setPalette(p);
}

QColor Panel::color() const { return palette().color(QPalette::Window); }

void Panel::setCaption(const QString& caption) {
    caption_->setText(caption);
    caption_->setVisible(!caption.isEmpty());
}

QString Panel::caption() const { return caption_->text(); }

void Panel::mousePressEvent(QMouseEvent* event) {
    // Taken here, so that the press and its release do not reach the parent too.
    if (event->button() == Qt::LeftButton) {
        event->accept();
    } else {
        QFrame::mousePressEvent(event);
    }
}

void Panel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QFrame::mouseReleaseEvent(event);
        return;
    }
    event->accept();
    if (rect().contains(event->position().toPoint())) emit clicked();
}

void Panel::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    caption_->setGeometry(contentsRect());
}

void ClickLabel::mousePressEvent(QMouseEvent* event) {
    // Taken here, so that the press and its release do not reach the parent too.
    if (event->button() == Qt::LeftButton) {
        event->accept();
    } else {
        QLabel::mousePressEvent(event);
    }
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QLabel::mouseReleaseEvent(event);
        return;
    }
    event->accept();
    if (rect().contains(event->position().toPoint())) emit clicked();
}

ImageWidget::ImageWidget(QWidget* parent, const QString& name) : QWidget(parent) { setObjectName(name); }

QImage& ImageWidget::bitmap() {
    if (bitmap_.size() != size()) {
        bitmap_ = QImage(size(), QImage::Format_RGB32);
        bitmap_.fill(Qt::white);
    }
    update();
    return bitmap_;
}

void ImageWidget::setPicture(const QImage& picture) {
    bitmap_ = picture.scaled(size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    update();
}

void ImageWidget::alignClient() {
    if (!aligned_client_ && parentWidget()) parentWidget()->installEventFilter(this);
    aligned_client_ = true;
    fillParent();
}

void ImageWidget::fillParent() {
    auto* frame = qobject_cast<QFrame*>(parentWidget());
    if (frame) {
        setGeometry(frame->contentsRect());
    } else if (parentWidget()) {
        setGeometry(parentWidget()->rect());
    }
}

bool ImageWidget::eventFilter(QObject* watched, QEvent* event) {
    if (aligned_client_ && watched == parentWidget() && event->type() == QEvent::Resize) fillParent();
    return QWidget::eventFilter(watched, event);
}

void ImageWidget::paintEvent(QPaintEvent*) {
    if (bitmap_.isNull()) return;
    QPainter painter(this);
    painter.drawImage(0, 0, bitmap_);
}

void ImageWidget::mousePressEvent(QMouseEvent* event) {
    // Taken here, so that the press and its release do not reach the parent too.
    if (event->button() == Qt::LeftButton) {
        event->accept();
    } else {
        QWidget::mousePressEvent(event);
    }
}

void ImageWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    event->accept();
    if (rect().contains(event->position().toPoint())) emit clicked();
}

LinesView::LinesView(QWidget* parent, const QString& name) : QAbstractScrollArea(parent) {
    setObjectName(name);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Sunken);
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setAutoFillBackground(true);
}

void LinesView::setLines(QStringList lines) {
    lines_ = std::move(lines);
    // The width is estimated from the longest line, so that loading stays
    // linear and cheap whatever the number of lines.
    qsizetype longest = 0;
    for (const QString& line : lines_) longest = std::max(longest, line.size() + 3 * line.count(QLatin1Char('\t')));
    widest_ = static_cast<int>(longest) * fontMetrics().averageCharWidth() + 8;
    updateScrollBars();
    viewport()->update();
}

void LinesView::updateScrollBars() {
    const int line_height = std::max(1, fontMetrics().lineSpacing());
    const int visible = std::max(1, viewport()->height() / line_height);
    verticalScrollBar()->setRange(0, std::max(0, static_cast<int>(lines_.size()) - visible));
    verticalScrollBar()->setPageStep(visible);
    horizontalScrollBar()->setRange(0, std::max(0, widest_ - viewport()->width()));
    horizontalScrollBar()->setPageStep(viewport()->width());
}

void LinesView::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    const int line_height = std::max(1, fontMetrics().lineSpacing());
    const int first = verticalScrollBar()->value();
    const int x = 3 - horizontalScrollBar()->value();
    int y = fontMetrics().ascent() + 1;
    painter.setPen(palette().color(QPalette::Text));
    for (int i = first; i < lines_.size() && y - fontMetrics().ascent() < viewport()->height(); ++i) {
        QString shown = lines_.at(i);
        shown.replace(QLatin1Char('\t'), QStringLiteral("    "));
        painter.drawText(x, y, shown);
        y += line_height;
    }
}

void LinesView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

void LinesView::scrollContentsBy(int, int) { viewport()->update(); }
