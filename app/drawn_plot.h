#pragma once
// A plot of the charts' drawings shown in a window: drawn at the control's
// size, screen ratio and font, as the report and the exports draw it. It is
// drawn when painted and only then: a plot on a hidden tab costs nothing, and
// a plot whose drawing and size did not change is shown again as it was.
#include "charts/charts.h"

#include <QImage>
#include <QWidget>

class DrawnPlot : public QWidget {
    Q_OBJECT
public:
    DrawnPlot(QWidget* parent, const QString& name);

    // What the plot shows from now on, drawn at its next painting.
    void show_drawing(charts::Drawing drawing);
    // The image as it is painted now (drawn first if it is due).
    const QImage& image();
    // How many times it was drawn (read by tests).
    int drawings_made() const { return drawings_made_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    charts::Drawing drawing_;
    QImage image_;
    bool due_ = false;
    int drawings_made_ = 0;
};
