#pragma once
// The few control kinds the window needs beyond Qt's own: a coloured panel,
// a label and an image that report clicks, and the fast data memo.
#include "platform/textfile.h"

#include <QAbstractScrollArea>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QStringList>
#include <QWidget>
#include <functional>

// A raised panel with a colour and an optional centred caption; clickable.
// A panel that is a button takes the focus (Tab, a click), Space or Enter
// clicks it, and it shows the focus the way the style shows a button's when
// the focus came from the keyboard (app/accessibility.cpp tells a screen
// reader it is a button).
class Panel : public QFrame {
    Q_OBJECT
public:
    explicit Panel(QWidget* parent, const QString& name, const QString& caption = {});
    void setColor(QColor color);
    QColor color() const;
    void setCaption(const QString& caption);
    QString caption() const;
    // Paints the panel on the screen at once, and nothing else: QWidget::repaint()
    // would also paint every other widget changed since the event loop last ran.
    // Those, and the panel again, are painted when the event loop next runs.
    void paintAlone();
    QLabel* captionLabel() const { return caption_; }
    void setPressable(bool pressable);
    bool pressable() const { return pressable_; }
signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QLabel* caption_ = nullptr;
    bool pressable_ = false;
};

// A label that reports clicks.
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

// An image control: shows its own bitmap, which the program draws on. When it
// is drawn on, the bitmap takes the control's size at the device pixel ratio
// of the control's screen (plot/density.h), so that it shows sharp there.
class ImageWidget : public QWidget {
    Q_OBJECT
public:
    explicit ImageWidget(QWidget* parent, const QString& name);
    // The bitmap to draw on, sized to the control at its screen's ratio.
    QImage& bitmap();
    const QImage& image() const { return bitmap_; }
    // A fixed picture, drawn by `peinture` at the control's size and ratio,
    // and drawn again when it is next painted at another ratio (the window
    // went to another screen).
    using Peinture = std::function<QImage(QSize taille, qreal ratio)>;
    void setPicture(Peinture peinture);
    // The device pixel ratio to draw at on the control's screen (1 at least).
    qreal ratio() const;
    // Fills the inside of the parent's frame from now on, following its resizes.
    void alignClient();
    bool alignedClient() const { return aligned_client_; }
signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fillParent();
    QImage bitmap_;
    Peinture peinture_;
    bool aligned_client_ = false;
};

// The data memo: read-only, both scroll bars, showing every line of the data
// file. It shows lines held elsewhere (the run's session's) or its own, and
// paints only the visible ones, so a 50 000-line file shows at once.
class LinesView : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit LinesView(QWidget* parent, const QString& name);
    // Shows `lines`, held by their owner, from the top: call it again after
    // they changed. They must outlive the view or the next lines it shows.
    void showLines(const platform::PackedLines& lines);
    // Shows lines of its own.
    void setLines(platform::PackedLines lines);
    void setLines(const QStringList& lines) { setLines(platform::PackedLines::from_list(lines)); }
    void clear() { setLines(platform::PackedLines()); }
    const platform::PackedLines& packedLines() const { return *shown_; }
    QStringList lines() const { return shown_->to_list(); }  // a copy of every line
    qsizetype lineCount() const { return shown_->size(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    void linesChanged();
    void updateScrollBars();
    static constexpr qsizetype kLongLine = 4096;  // longer lines are painted in part
    platform::PackedLines lines_;                 // its own
    const platform::PackedLines* shown_ = &lines_;  // its own or its owner's
    int widest_ = 0;  // widest line in pixels among those measured
};
