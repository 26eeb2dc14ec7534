// The setup and about panels and the window colour choice.
#include "app/tform1.h"
#include "platform/seams.h"
#include "settings/language_choice.h"
#include "settings/settings_files.h"

namespace {
void bascule(QWidget* panneau) {
    panneau->setVisible(panneau->isHidden());
    if (!panneau->isHidden()) panneau->raise();
}
}  // namespace

void TForm1::setColor(QColor c) {
    QPalette p = palette();
    p.setColor(QPalette::Window, c);
    setPalette(p);
}

QColor TForm1::color() const { return palette().color(QPalette::Window); }

void TForm1::setup_SpeedButton6Click() { bascule(setup_Panel4); }

void TForm1::SpeedButton2Click() { setup_Panel4->hide(); }

void TForm1::SpeedButton3Click() { bascule(Panel4); }

void TForm1::Panel5Click() { Panel4->hide(); }

void TForm1::Panel7Click() {
    const auto& choisir = platform::seams().choose_colour;
    if (!choisir) return;
    const std::optional<platform::Rgb> choix = choisir(ColorDialog1_colour);
    if (!choix) return;  // cancelled: nothing changes
    ColorDialog1_colour = *choix;
    setColor(QColor(qRed(*choix), qGreen(*choix), qBlue(*choix)));

    // Remembered for the next start.
    const QColor couleur = color();
    ecrit_couleur_fenetre({couleur.red(), couleur.green(), couleur.blue()}, etat_->settings_failures);
}

void TForm1::ComboBox_langueChange() {
    // Remembered for the next start, where every text is made in it.
    ecrit_langue_choisie(ComboBox_langue->currentData().toString(), etat_->settings_failures);
}
