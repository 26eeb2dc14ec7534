#pragma once
// The main window on its screen: the outer size it takes on the screen's
// available area, at start-up and once the window manager has framed it.
#include <QObject>
#include <QRect>
#include <QSize>

class TForm1;

namespace form1 {

// The window's outer size on the available area `disponible` for the wanted
// outer size `voulue` (placement::taille_sur_l_ecran), with the window's frame
// and scroll bars as they are now.
QSize taille_sur_l_ecran(const TForm1& form, QRect disponible, QSize voulue);

// Once the window manager has framed the window (the frame is known only
// then), makes its outer size the designed 1063 x 803, or what fits the
// screen's available area, with its title bar inside the area.
class Cadre : public QObject {
public:
    explicit Cadre(TForm1* form);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ajuste();
    TForm1* form_;
    bool fait_ = false;
};

}  // namespace form1
