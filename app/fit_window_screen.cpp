// The fit window on a screen smaller than its content: the window grows to
// hold its content (a status line that wraps, the rate's text when its tab is
// shown) as far as the screen's available area allows, and beyond that the
// content scrolls, so that every control stays on the screen.
#include "app/fit_window.h"
#include "app/placement.h"
#include "app/tform1.h"

#include <QEvent>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>

namespace {

// The content's column. Its height does not follow its width for the scroll
// area: the content takes the window's height down to its minimum, as the
// window itself did, rather than the preferred height of its wrapped lines.
class Colonne : public QVBoxLayout {
public:
    using QVBoxLayout::QVBoxLayout;
    bool hasHeightForWidth() const override { return false; }
};

}  // namespace

QBoxLayout* FenetreAjustement::construit_le_defilement() {
    defilement_ = new QScrollArea(this);
    defilement_->setObjectName(QStringLiteral("Defilement_ajustement"));
    defilement_->setFrameShape(QFrame::NoFrame);
    defilement_->setWidgetResizable(true);
    contenu_ = new QWidget;
    contenu_->setObjectName(QStringLiteral("Contenu_ajustement"));
    auto* cadre = new QVBoxLayout(this);
    const QMargins marges = cadre->contentsMargins();  // a window's
    cadre->setContentsMargins(0, 0, 0, 0);
    cadre->addWidget(defilement_);
    auto* colonne = new Colonne(contenu_);
    colonne->setContentsMargins(marges);
    return colonne;
}

bool FenetreAjustement::eventFilter(QObject* watched, QEvent* event) {
    if (watched == contenu_ && event->type() == QEvent::LayoutRequest) tient_le_contenu();
    return QWidget::eventFilter(watched, event);
}

void FenetreAjustement::tient_le_contenu() {
    const QScreen* ecran = screen();
    if (!ecran || isMaximized() || isFullScreen()) return;
    // Before the window is shown its frame is not known: taken as the main window's.
    const QSize cadre = isVisible() ? frameGeometry().size() - size() : form_.frameGeometry().size() - form_.size();
    const QRect disponible = ecran->availableGeometry();
    // Where the content is cut one way, the other side holds it beside that scroll bar.
    const QSize contenu = contenu_->minimumSizeHint();
    const int barre = defilement_->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, defilement_);
    const QSize taille = size().expandedTo(
        placement::taille_sur_l_ecran(size().expandedTo(contenu) + cadre, disponible.size(), contenu, cadre, barre) -
        cadre);
    if (taille == size()) return;
    resize(taille);
    if (isVisible()) move(placement::coin_dans(disponible, frameGeometry().topLeft(), taille + cadre));
}
