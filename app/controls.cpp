#include "app/controls.h"

#include "plot/density.h"

#include <QBackingStore>
#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWindow>
#include <algorithm>
#include <limits>

namespace {
// The clickable controls take the left button's press and release, so that
// neither reaches the parent too (a click on a caption would also be a click
// on its panel); other buttons go on as usual.
bool prend_bouton_gauche(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return false;
    event->accept();
    return true;
}

// A left release over the control is a click.
bool relache_dedans(const QWidget* w, const QMouseEvent* event) {
    return w->rect().contains(event->position().toPoint());
}
}  // namespace

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

void Panel::paintAlone() {
    update();
    QWidget* top = window();
    QBackingStore* store = top->backingStore();
    QWindow* surface = top->windowHandle();
    if (!isVisible() || !updatesEnabled() || !store || !surface || !surface->isExposed()) return;
    // Only the part that no sibling above it covers (the setup panel may).
    const QRegion visible = visibleRegion();
    if (visible.isEmpty()) return;
    const QPoint offset = mapTo(top, QPoint(0, 0));
    const QRegion area = visible.translated(offset);
    store->beginPaint(area);
    if (QPaintDevice* device = store->paintDevice()) {
        QPainter painter(device);
        // The region's top left corner lands on the target offset.
        render(&painter, offset + visible.boundingRect().topLeft(), visible, DrawWindowBackground | DrawChildren);
    }
    store->endPaint();
    store->flush(area, surface);
}

void Panel::mousePressEvent(QMouseEvent* event) {
    if (!prend_bouton_gauche(event)) QFrame::mousePressEvent(event);
}

void Panel::mouseReleaseEvent(QMouseEvent* event) {
    if (!prend_bouton_gauche(event)) {
        QFrame::mouseReleaseEvent(event);
    } else if (relache_dedans(this, event)) {
        emit clicked();
    }
}

void Panel::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    caption_->setGeometry(contentsRect());
}

void Panel::setPressable(bool pressable) {
    pressable_ = pressable;
    setFocusPolicy(pressable ? Qt::StrongFocus : Qt::NoFocus);
}

void Panel::keyPressEvent(QKeyEvent* event) {
    const bool touche = event->key() == Qt::Key_Space || event->key() == Qt::Key_Return ||
                        event->key() == Qt::Key_Enter || event->key() == Qt::Key_Select;
    if (pressable_ && touche && !event->isAutoRepeat() &&
        (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        event->accept();
        emit clicked();
        return;
    }
    QFrame::keyPressEvent(event);
}

void Panel::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    // Only for a focus that came from the keyboard, as the style does for its
    // buttons: a click or the window's first focus shows nothing new.
    if (!hasFocus() || !window()->testAttribute(Qt::WA_KeyboardFocusChange)) return;
    // A frame in the highlight colour inside the bevel, plain on any panel colour.
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(contentsRect()).adjusted(3, 3, -3, -3));
}

void ClickLabel::mousePressEvent(QMouseEvent* event) {
    if (!prend_bouton_gauche(event)) QLabel::mousePressEvent(event);
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (!prend_bouton_gauche(event)) {
        QLabel::mouseReleaseEvent(event);
    } else if (relache_dedans(this, event)) {
        emit clicked();
    }
}

ImageWidget::ImageWidget(QWidget* parent, const QString& name) : QWidget(parent) { setObjectName(name); }

// Below 1 (a screen scaled down) the image keeps its logical pixels and the
// painter shrinks it.
qreal ImageWidget::ratio() const { return std::max<qreal>(1, devicePixelRatio()); }

QImage& ImageWidget::bitmap() {
    const qreal r = ratio();
    const QSize device = taille_device(size(), r);
    if (bitmap_.size() != device || bitmap_.devicePixelRatio() != r) {
        bitmap_ = QImage(device, QImage::Format_RGB32);
        bitmap_.setDevicePixelRatio(r);
        bitmap_.fill(Qt::white);
    }
    update();
    return bitmap_;
}

void ImageWidget::setPicture(Peinture peinture) {
    peinture_ = std::move(peinture);
    bitmap_ = peinture_(size(), ratio());
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
    if (peinture_ && bitmap_.devicePixelRatio() != ratio()) bitmap_ = peinture_(size(), ratio());
    if (bitmap_.isNull()) return;
    QPainter painter(this);
    painter.drawImage(0, 0, bitmap_);
}

void ImageWidget::mousePressEvent(QMouseEvent* event) {
    if (!prend_bouton_gauche(event)) QWidget::mousePressEvent(event);
}

void ImageWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (!prend_bouton_gauche(event)) {
        QWidget::mouseReleaseEvent(event);
    } else if (relache_dedans(this, event)) {
        emit clicked();
    }
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

void LinesView::showLines(const platform::PackedLines& lines) {
    verticalScrollBar()->setValue(0);
    horizontalScrollBar()->setValue(0);
    shown_ = &lines;
    lines_ = platform::PackedLines();
    linesChanged();
}

void LinesView::setLines(platform::PackedLines lines) {
    lines_ = std::move(lines);
    shown_ = &lines_;
    linesChanged();
}

void LinesView::linesChanged() {
    // The width is estimated from the longest line, so that loading stays
    // linear and cheap whatever the number of lines.
    qsizetype longest = 0;
    for (qsizetype i = 0; i < shown_->size(); ++i) {
        const QStringView line = shown_->at(i);
        const char16_t* c = line.utf16();
        qsizetype tabs = 0;
        for (qsizetype k = 0; k < line.size(); ++k) tabs += c[k] == u'\t';
        longest = std::max(longest, line.size() + 3 * tabs);
    }
    const qint64 largeur = qint64{longest} * std::max(1, fontMetrics().averageCharWidth()) + 8;
    widest_ = static_cast<int>(std::min<qint64>(largeur, std::numeric_limits<int>::max() / 2));
    updateScrollBars();
    viewport()->update();
}

void LinesView::updateScrollBars() {
    const int line_height = std::max(1, fontMetrics().lineSpacing());
    const int visible = std::max(1, viewport()->height() / line_height);
    verticalScrollBar()->setRange(0, std::max(0, static_cast<int>(shown_->size()) - visible));
    verticalScrollBar()->setPageStep(visible);
    horizontalScrollBar()->setRange(0, std::max(0, widest_ - viewport()->width()));
    horizontalScrollBar()->setPageStep(viewport()->width());
}

void LinesView::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    const int line_height = std::max(1, fontMetrics().lineSpacing());
    const int first = verticalScrollBar()->value();
    const int scrolled = horizontalScrollBar()->value();
    const int x = 3 - scrolled;
    int y = fontMetrics().ascent() + 1;
    painter.setPen(palette().color(QPalette::Text));
    for (int i = first; i < shown_->size() && y - fontMetrics().ascent() < viewport()->height(); ++i) {
        // A long line (a file without line breaks can make one of megabytes)
        // is laid out only where it can be in view: from the character the
        // scroll position reaches at the average width the scroll range is
        // reckoned with, for as many characters as the view has pixels.
        // Laying out all of it took seconds per paint and garbled it.
        QStringView line = shown_->at(i);
        int line_x = x;
        if (line.size() > kLongLine) {
            const int average = std::max(1, fontMetrics().averageCharWidth());
            const qsizetype start = std::min<qsizetype>(line.size(), scrolled / average);
            line = line.sliced(start, std::min<qsizetype>(line.size() - start, viewport()->width() + 1));
            line_x = x + static_cast<int>(start) * average;
        }
        QString shown = line.toString();
        shown.replace(QLatin1Char('\t'), QStringLiteral("    "));
        painter.drawText(line_x, y, shown);
        y += line_height;
    }
}

void LinesView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

void LinesView::scrollContentsBy(int, int) { viewport()->update(); }
